// `play` is the operator's request to output: it arms the lasers itself, and its --brightness
// scales the colours the devices get.

#include "TestHilfe.h"

#include <cstdlib>
#include <sys/wait.h>
#include <vector>

using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::schreibeDatei;

namespace {

struct Punkt6 {
    double X, Y, R, G, B, I;
    bool hell() const { return R != 0 || G != 0 || B != 0 || I != 0; }
};

std::string q(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

// Runs `play` on the demo's lettering; the exit code, and the points of the first dump line.
std::vector<Punkt6> spielen(const Kratzordner& tmp, const std::string& zusatz,
                            int* code = nullptr) {
    const auto dump = tmp / "out.jsonl";
    std::filesystem::remove(dump);
    const std::string befehl = std::string(STRAHLWERK_CLI) + " play '" + STRAHLWERK_DATA_DIR +
                               "/Demo/Schrift_LASER.qvb' --dump " + q(dump) + " " + zusatz +
                               " >/dev/null 2>" + q(tmp / "fehler.txt");
    const int status = std::system(befehl.c_str());
    if (code)
        *code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    else
        EXPECT_EQ(status, 0) << befehl << leseDatei(tmp / "fehler.txt");
    std::vector<Punkt6> punkte;
    const std::string zeile = leseDatei(dump);
    const auto beginn = zeile.find("\"points\":[");
    if (beginn == std::string::npos) return punkte;
    const char* z = zeile.c_str() + beginn + 10;
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

std::size_t hellZahl(const std::vector<Punkt6>& p) {
    std::size_t n = 0;
    for (const auto& q : p) n += q.hell();
    return n;
}

} // namespace

TEST(CliHauptschalter, PlayArmsTheLasersEvenWhenTheSettingsStartDisarmed) {
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
}

TEST(CliHauptschalter, BrightnessScalesTheDumpedColoursAndIsRangeChecked) {
    Kratzordner tmp;
    const auto voll = spielen(tmp, "--brightness 100");
    const auto halb = spielen(tmp, "--brightness 50");
    ASSERT_GT(hellZahl(voll), 0u);
    ASSERT_EQ(halb.size(), voll.size());
    for (std::size_t i = 0; i < voll.size(); ++i) {
        EXPECT_EQ(halb[i].X, voll[i].X) << i;
        EXPECT_EQ(halb[i].Y, voll[i].Y) << i;
        EXPECT_EQ(halb[i].R, voll[i].R / 2) << i;
        EXPECT_EQ(halb[i].G, voll[i].G / 2) << i;
        EXPECT_EQ(halb[i].B, voll[i].B / 2) << i;
        EXPECT_EQ(halb[i].I, voll[i].I / 2) << i;
    }
    EXPECT_EQ(hellZahl(spielen(tmp, "--brightness 0")), 0u);

    for (const char* falsch : {"101", "-1", "nan", "x"}) {
        int code = 0;
        spielen(tmp, std::string("--brightness ") + falsch, &code);
        EXPECT_EQ(code, 1) << falsch;
        EXPECT_NE(
            leseDatei(tmp / "fehler.txt").find("--brightness: must be a number from 0 to 100"),
            std::string::npos)
            << leseDatei(tmp / "fehler.txt");
    }
}
