// The demo's lettering played to the Virtual Device: the jumps between and inside the letters
// are dark, the letters themselves are drawn as before.

#include "TestHilfe.h"

#include <cmath>
#include <cstdlib>
#include <vector>

using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::schreibeDatei;

namespace {

struct Punkt6 {
    double X, Y, R, G, B, I;
    bool hell() const { return R != 0 || G != 0 || B != 0 || I != 0; }
    bool operator==(const Punkt6&) const = default;
};

// Runs `play` on the demo's lettering and returns the points of the first dump line.
std::vector<Punkt6> spielen(const Kratzordner& tmp, const std::string& zusatz) {
    const auto dump = tmp / "out.jsonl";
    const std::string befehl = std::string(STRAHLWERK_CLI) + " play '" + STRAHLWERK_DATA_DIR +
                               "/Demo/Schrift_LASER.qvb' --dump '" + dump.string() + "' " + zusatz +
                               " >/dev/null 2>&1";
    EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
    const std::string zeile = leseDatei(dump);
    EXPECT_NE(zeile.find("\"device\":0"), std::string::npos);
    std::vector<Punkt6> punkte;
    const char* z = zeile.c_str() + zeile.find("\"points\":[") + 10;
    while (*z == '[' || *z == ',') {
        if (*z == ',') ++z;
        ++z; // '['
        double w[6];
        for (double& v : w) {
            char* ende;
            v = std::strtod(z, &ende);
            z = ende + 1; // ',' or ']'
        }
        punkte.push_back({w[0], w[1], w[2], w[3], w[4], w[5]});
    }
    return punkte;
}

std::vector<Punkt6> helle(const std::vector<Punkt6>& p) {
    std::vector<Punkt6> h;
    for (const auto& q : p)
        if (q.hell()) h.push_back(q);
    return h;
}

double abstand(const Punkt6& a, const Punkt6& b) {
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

// Lit points reached by a lit move longer than a drawn segment's longest step (800 units,
// up to 1.5 times that where the step count is rounded): lit sweeps across a jump.
int helleSpruenge(const std::vector<Punkt6>& p) {
    int n = 0;
    for (std::size_t k = 1; k < p.size(); ++k)
        if (p[k].hell() && p[k - 1].hell() && abstand(p[k], p[k - 1]) > 1200) ++n;
    return n;
}

} // namespace

TEST(CliSprung, TheDemoLetteringJumpsDarkAndKeepsItsLetters) {
    Kratzordner tmp;
    const auto neu = spielen(tmp, "");
    // both dark counts 0: the stream as it was before jumps were blanked
    schreibeDatei(tmp / "alt.Laser_ini", "[Optionen_Optimierung]\r\nSprungDunkelVorher(0)=0\r\n"
                                         "SprungDunkelNachher(0)=0\r\n[Optionen_Hardware]\r\n"
                                         "Zuordnung_Spurseite_2_Logischespur(0,0)=-10000\r\n");
    const auto alt =
        spielen(tmp, "--settings '" + (tmp / "alt.Laser_ini").string() + "' --device 0=virtual");

    // the letters: the same lit points in the same order
    ASSERT_FALSE(helle(neu).empty());
    EXPECT_EQ(helle(neu), helle(alt));
    // the old stream sweeps lit from letter to letter; the new one never
    EXPECT_GE(helleSpruenge(alt), 4);
    EXPECT_EQ(helleSpruenge(neu), 0);

    // every dark way between two lit points: 3 dark points on the first, steps of at most 800,
    // 5 dark points on the second
    int wege = 0;
    std::size_t vorher = 0;
    while (vorher < neu.size() && !neu[vorher].hell()) ++vorher;
    for (std::size_t k = vorher + 1; k < neu.size(); ++k) {
        if (!neu[k].hell()) continue;
        if (k > vorher + 1) {
            ++wege;
            ASSERT_GE(k - vorher - 1, 3u + 5);
            for (std::size_t j = vorher + 1; j <= vorher + 3; ++j)
                EXPECT_EQ(abstand(neu[j], neu[vorher]), 0) << j;
            for (std::size_t j = k - 5; j < k; ++j) EXPECT_EQ(abstand(neu[j], neu[k]), 0) << j;
            for (std::size_t j = vorher + 1; j <= k; ++j)
                EXPECT_LE(abstand(neu[j], neu[j - 1]), 800 + 1e-9) << j;
        }
        vorher = k;
    }
    // four ways between the five letters, one inside the A, the E and the R each
    EXPECT_EQ(wege, 7);
}
