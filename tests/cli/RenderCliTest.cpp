#include "CliLauf.h"
#include "show/SequenzBearbeiten.h"

#include <cstdlib>
#include <regex>

using namespace sw;
using sw::test::cli;
using sw::test::Kratzordner;
using sw::test::q;
using sw::test::scheitert;

namespace fs = std::filesystem;

namespace {

bool xvfbDa() {
    return std::system("command -v xvfb-run >/dev/null 2>&1") == 0;
}

// render under xvfb-run. Mesa's software driver leaks from a library it unloads before a
// sanitizer build's leak check, where no suppression can name it: that check is off for render.
test::Lauf rendern(const Kratzordner& tmp, const std::string& argumente) {
    return cli(tmp, "render " + argumente,
               "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0", "xvfb-run -a");
}

long punkte(const std::string& aus) {
    std::smatch m;
    return std::regex_search(aus, m, std::regex(R"((\d+) points)")) ? std::stol(m[1]) : -1;
}

fs::path demo(const char* name) {
    return fs::path(STRAHLWERK_DATA_DIR) / "Demo" / name;
}

} // namespace

TEST(CliRender, WithoutADisplayItSaysSoWithExitCodeThree) {
    Kratzordner tmp;
    const auto lauf = cli(tmp, "render " + q(demo("Stern.qvb")) + " --png " + q(tmp / "a.png"),
                          "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
    EXPECT_EQ(lauf.code, 3) << lauf.fehler;
    EXPECT_NE(lauf.fehler.find("needs an X display or Xvfb"), std::string::npos) << lauf.fehler;
    EXPECT_FALSE(fs::exists(tmp / "a.png"));
    // Wrong arguments are refused before any drawing.
    EXPECT_TRUE(scheitert(
        cli(tmp, "render " + q(demo("Stern.qvb")) + " --png " + q(tmp / "a.png") + " --size 10x10"),
        "--size"));
    EXPECT_TRUE(scheitert(cli(tmp, "render " + q(tmp / "fehlt.qvb") + " --png " + q(tmp / "a.png")),
                          "does not exist"));
    EXPECT_TRUE(scheitert(cli(tmp, "render " + q(tmp.pfad()) + " --png " + q(tmp / "a.png")),
                          "a figure (.qvb) or a show (.shw)"));
}

TEST(CliRender, DrawsAFigureAndTheShowsFigureDueAtTheTime) {
    if (!xvfbDa()) GTEST_SKIP() << "xvfb-run is missing: render needs an X display";
    Kratzordner tmp;
    auto lauf =
        rendern(tmp, q(demo("Stern.qvb")) + " --png " + q(tmp / "stern.png") + " --size 320x240");
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    const std::string bild = test::leseDatei(tmp / "stern.png");
    ASSERT_GT(bild.size(), 100u);
    EXPECT_EQ(bild.substr(1, 3), "PNG");
    // Width and height in the header.
    EXPECT_EQ(static_cast<unsigned char>(bild[18]) * 256 + static_cast<unsigned char>(bild[19]),
              320);
    EXPECT_EQ(static_cast<unsigned char>(bild[22]) * 256 + static_cast<unsigned char>(bild[23]),
              240);
    const long sternPunkte = punkte(lauf.aus);
    EXPECT_GT(sternPunkte, 10) << lauf.aus;

    // A show folder: the figure list is A (the square) and B (the star); its timeline shows key
    // 1 from 0 ms, key 2 from 1000 ms and clears the group at 2000 ms.
    const fs::path ordner = tmp / "show";
    fs::create_directories(ordner);
    fs::copy_file(demo("Quadrat.qvb"), ordner / "A.qvb");
    fs::copy_file(demo("Stern.qvb"), ordner / "B.qvb");
    test::schreibeDatei(ordner / "Test.shw", "");
    test::TestUmgebung u;
    Sequenzer s;
    s.Events.resize(4);
    s.Events[1] = {0, 0, 1, sequenz::kTasteGedrueckt, 1, 1};
    s.Events[2] = {1000, 0, 1, sequenz::kTasteGedrueckt, 2, 2};
    s.Events[3] = {2000, 0, 1, sequenz::kTasteLosgelassen, 2, 2};
    ASSERT_TRUE(SaveSequenz(s, u.env, ordner / "Test.seq"));
    const std::string show = q(ordner / "Test.shw");
    lauf = rendern(tmp, show + " --at 500 --png " + q(tmp / "a.png"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    const long quadratPunkte = punkte(lauf.aus);
    lauf = rendern(tmp, show + " --at 1500 --png " + q(tmp / "b.png"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(punkte(lauf.aus), sternPunkte);
    EXPECT_NE(quadratPunkte, sternPunkte);
    EXPECT_GT(quadratPunkte, 4);
    // After the release the group is dark: at most the blanked points an idle device gets.
    lauf = rendern(tmp, show + " --at 2500 --png " + q(tmp / "c.png"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_NE(lauf.aus.find(" 0 beam segments"), std::string::npos) << lauf.aus;
}
