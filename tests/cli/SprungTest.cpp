// The demo's lettering played to the Virtual Device: the jumps between and inside the letters
// are dark, the letters themselves are drawn as before (the shape of the dark ways is the
// output tests').

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
}
