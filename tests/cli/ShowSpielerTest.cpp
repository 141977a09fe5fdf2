// The headless show player on the shipped demo show: on the fixed-step clock two runs send the
// same events at the same media times; a start in the middle chases; the playlist plays the
// show to its end; a stop by SIGTERM is clean.

#include "CliLauf.h"
#include "show/PlaylistDatei.h"
#include "show/SequenzDatei.h"

#include <cmath>
#include <regex>
#include <sstream>

using namespace sw;
using sw::test::cli;
using sw::test::q;
using sw::test::scheitert;

namespace {

namespace fs = std::filesystem;

const fs::path kDemo = fs::path(STRAHLWERK_DATA_DIR) / "Demo";

struct Zeile {
    double media, start;
    int track, kind, key, value;
};

std::vector<Zeile> zeilen(const std::string& text) {
    static const std::regex muster(
        R"(\{"media_ms":([-0-9.e]+),"track":(\d+),"kind":(\d+),"key":(-?\d+),"value":(-?\d+),"start":([-0-9.e]+)\})");
    std::vector<Zeile> z;
    std::istringstream s(text);
    for (std::string l; std::getline(s, l);) {
        std::smatch m;
        EXPECT_TRUE(std::regex_match(l, m, muster)) << l;
        if (m.empty()) continue;
        z.push_back({std::stod(m[1]), std::stod(m[6]), std::stoi(m[2]), std::stoi(m[3]),
                     std::stoi(m[4]), std::stoi(m[5])});
    }
    return z;
}

TEST(ShowSpieler, TwoRunsOfTheDemoShowSendTheSameEventsAtTheSameMediaTimes) {
    test::Kratzordner tmp;
    std::string dumps[2];
    for (int lauf = 0; lauf < 2; ++lauf) {
        const auto dump = tmp / ("lauf" + std::to_string(lauf) + ".jsonl");
        const auto ilda = tmp / ("lauf" + std::to_string(lauf) + ".ild");
        auto r = cli(tmp, "play " + q(kDemo / "Demo.shw") +
                              " --fixed-clock --seconds 6 --audio null --dump " + q(dump) +
                              " --export-ilda " + q(ilda));
        ASSERT_EQ(r.code, 0) << r.fehler;
        EXPECT_NE(r.aus.find("until 6"), std::string::npos) << r.aus;
        dumps[lauf] = test::leseDatei(dump);
        EXPECT_GT(fs::file_size(ilda), 1000u) << "the frames were recorded";
    }
    EXPECT_EQ(dumps[0], dumps[1]);
    const auto z = zeilen(dumps[0]);
    // A figure on every beat of 120 bpm: 0, 0.5, ... 5.5 s (6.0 s is the stop).
    int figuren = 0;
    for (const auto& e : z) {
        EXPECT_GE(e.media, e.start) << "never early";
        EXPECT_LT(e.media - e.start, 20 + 1e-6) << "within one pass of 20 ms";
        if (e.kind == 143 && e.track == 1) {
            EXPECT_NEAR(std::fmod(e.start, 500), 0, 1e-9);
            ++figuren;
        }
    }
    EXPECT_EQ(figuren, 12);
}

TEST(ShowSpieler, AStartInTheMiddleChasesEachTracksLatestEvent) {
    test::Kratzordner tmp;
    const auto dump = tmp / "mitte.jsonl";
    auto r = cli(tmp, "play " + q(kDemo / "Demo.shw") +
                          " --fixed-clock --from 10250 --seconds 0.1 --dump " + q(dump));
    ASSERT_EQ(r.code, 0) << r.fehler;
    const auto z = zeilen(test::leseDatei(dump));
    // Rows 1, 2, 3 and the three colour rows: each once, with its latest event before 10.25 s.
    ASSERT_EQ(z.size(), 6u);
    std::set<int> spuren;
    for (const auto& e : z) {
        EXPECT_DOUBLE_EQ(e.media, 10250);
        EXPECT_TRUE(spuren.insert(e.track).second);
        EXPECT_LE(e.start, 10000);
    }
    EXPECT_EQ(z[0].track, 1) << "the figure before the effect values";
    EXPECT_EQ(z[0].start, 10000);
    EXPECT_EQ(z[0].key, 65 + 20 % 5);
}

TEST(ShowSpieler, ThePlaylistPlaysTheShowToItsEndAndBadInputIsRefused) {
    test::Kratzordner tmp;
    const auto dump = tmp / "liste.jsonl";
    auto r = cli(tmp, "play " + q(kDemo / "Demo.pll") + " --fixed-clock --dump " + q(dump));
    ASSERT_EQ(r.code, 0) << r.fehler;
    EXPECT_NE(r.aus.find("until the end of the show"), std::string::npos) << r.aus;
    const auto seq = sequenzDekodieren(test::leseDatei(kDemo / "Demo.seq"));
    EXPECT_EQ(static_cast<long>(zeilen(test::leseDatei(dump)).size()), sequenz::anzahl(seq.events));

    // A playlist that does not fit its version, and time code without a decoder.
    std::string pll = test::leseDatei(kDemo / "Demo.pll");
    test::schreibeDatei(tmp / "kaputt.pll", pll.substr(0, pll.size() - 1));
    EXPECT_TRUE(scheitert(cli(tmp, "play " + q(tmp / "kaputt.pll") + " --fixed-clock"),
                          "does not fit its version"));
    EXPECT_TRUE(scheitert(cli(tmp, "play " + q(tmp / "fehlt.shw")), "does not exist"));
}

TEST(ShowSpieler, SigtermStopsARealTimeRunCleanly) {
    test::Kratzordner tmp;
    const std::string befehl = "sh -c \"" + std::string(STRAHLWERK_CLI) + " play " +
                               q(kDemo / "Demo.shw") + " --audio null > " + q(tmp / "aus.txt") +
                               " 2>&1 & p=\\$!; sleep 1; kill -TERM \\$p; wait \\$p; echo \\$?\"";
    FILE* p = popen(befehl.c_str(), "r");
    char puffer[64] = {};
    const std::size_t n = fread(puffer, 1, sizeof puffer - 1, p);
    pclose(p);
    EXPECT_EQ(std::string(puffer, n), "0\n");
    const std::string aus = test::leseDatei(tmp / "aus.txt");
    EXPECT_NE(aus.find("until an interrupt"), std::string::npos) << aus;
}

} // namespace
