// `play` is the operator's request to output: it arms the lasers itself, and its --brightness
// scales the colours the devices get.

#include "DemoSpiel.h"

using sw::test::cli;
using sw::test::Kratzordner;
using sw::test::kSchrift;
using sw::test::Punkt6;
using sw::test::q;
using sw::test::scheitert;
using sw::test::schreibeDatei;
using sw::test::spielen;

namespace {

std::size_t hellZahl(const std::vector<Punkt6>& p) {
    std::size_t n = 0;
    for (const auto& q : p) n += q.hell();
    return n;
}

} // namespace

TEST(CliHauptschalter, PlayArmsTheLasersAndItsBrightnessScalesTheColours) {
    Kratzordner tmp;
    const auto voll = spielen(tmp, "");
    ASSERT_GT(hellZahl(voll), 0u);
    // the window would start disarmed at 30 %; play arms and uses its own brightness
    schreibeDatei(tmp / "s.ini",
                  "[Optionen_Hardware]\r\nZuordnung_Spurseite_2_Logischespur(0,0)="
                  "-10000\r\n[Laser]\r\nFreigabeBeimStart=0\r\nHelligkeit=300000\r\n");
    const auto mitEinstellungen =
        spielen(tmp, "--settings " + q(tmp / "s.ini") + " --device 0=virtual");
    ASSERT_EQ(mitEinstellungen.size(), voll.size());
    EXPECT_EQ(hellZahl(mitEinstellungen), hellZahl(voll));
    for (std::size_t i = 0; i < voll.size(); ++i) EXPECT_EQ(mitEinstellungen[i].R, voll[i].R) << i;

    const auto halb = spielen(tmp, "--brightness 50");
    ASSERT_EQ(halb.size(), voll.size());
    for (std::size_t i = 0; i < voll.size(); ++i) {
        const Punkt6& v = voll[i];
        EXPECT_TRUE(halb[i] == (Punkt6{v.X, v.Y, v.R / 2, v.G / 2, v.B / 2, v.I / 2})) << i;
    }
    EXPECT_EQ(hellZahl(spielen(tmp, "--brightness 0")), 0u);
    for (const char* falsch : {"101", "-1", "nan", "x"})
        EXPECT_TRUE(scheitert(cli(tmp, "play " + kSchrift + " --brightness " + falsch),
                              "--brightness: must be a number from 0 to 100"))
            << falsch;
}
