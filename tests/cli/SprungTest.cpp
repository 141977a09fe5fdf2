// The demo's lettering played to the Virtual Device: the jumps between and inside the letters
// are dark, the letters themselves are drawn as before.

#include "DemoSpiel.h"

#include <cmath>

using sw::test::Kratzordner;
using sw::test::Punkt6;
using sw::test::schreibeDatei;
using sw::test::spielen;

namespace {

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
        spielen(tmp, "--settings " + sw::test::q(tmp / "alt.Laser_ini") + " --device 0=virtual");

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
