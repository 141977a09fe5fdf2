#include "show/ShowAufraeumen.h"
#include "ShowWelt.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace sw;
using sw::test::leseDatei;
using sw::test::schreibeDatei;

namespace {

namespace fs = std::filesystem;

// Points the trash at a scratch folder for one test.
struct DatenOrdner {
    explicit DatenOrdner(const fs::path& p) {
        if (const char* alt = std::getenv("XDG_DATA_HOME")) alt_ = alt;
        ::setenv("XDG_DATA_HOME", p.c_str(), 1);
    }
    ~DatenOrdner() {
        if (alt_)
            ::setenv("XDG_DATA_HOME", alt_->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
    }
    std::optional<std::string> alt_;
};

std::vector<std::string> dateienIn(const fs::path& ordner) {
    std::vector<std::string> aus;
    for (const auto& e : fs::directory_iterator(ordner))
        if (e.is_regular_file()) aus.push_back(e.path().filename().string());
    std::sort(aus.begin(), aus.end());
    return aus;
}

} // namespace

TEST(ShowAufraeumen, WhichFilesBelongToTheShow) {
    for (const char* d :
         {"lied.mp3", "x.wav", "clip.avi", "a.mpeg", "f.qvb", "p.prt", "m.dmx", "[INFO].txt",
          "k.Mapping", "k.mapping", "Key.ord", "Test.info", "Test.shw", "Test.seq", "Test.qvp",
          "Test.Laser_ini", "Test.live", "Liste.pll", "Test.bmp.mp3"})
        EXPECT_TRUE(DateiGehoertZurShow(d, "Test")) << d;
    for (const char* d : {"Test.bmp", "Other.bmp", "Other.live", "Other.shw", "Other.info",
                          "notiz.txt", "x.MP3", "Test.SHW", "Test.bmp.pll"})
        EXPECT_FALSE(DateiGehoertZurShow(d, "Test")) << d;
}

TEST(ShowAufraeumen, MovesWhatDoesNotBelongIntoTheTrashAfterOneQuestion) {
    test::Kratzordner tmp;
    test::ShowWelt w{tmp.pfad()};
    DatenOrdner daten(tmp / "daten");
    fs::create_directories(tmp / "daten");
    const fs::path ordner = tmp / "Meine Show";
    fs::create_directories(ordner / "Unterordner");
    for (const char* d : {"Test.shw", "Test.seq", "Test.qvp", "Test.info", "Test.live",
                          "Test.Laser_ini", "Abend.pll", "lied.mp3", "benutzt.qvb", "frei.qvb",
                          "Teil.prt", "Test.bmp", "Other.bmp", "Other.live"})
        schreibeDatei(ordner / d, d);
    w.show.Showname = "Test";
    w.show.Showordner = ordner.string() + "/";
    w.k.teile.benutzteDateien = [] { return std::vector<std::string>{"BENUTZT.qvb"}; };

    // Without the timeline's list every figure and showpart stays.
    EXPECT_EQ(unbenutzteDateien(ordner, "Test", std::nullopt),
              (std::vector<std::string>{"Other.bmp", "Other.live", "Test.bmp"}));

    // "No" moves nothing.
    w.t.dialoge.antworten = {Antwort::Nein};
    EXPECT_EQ(mnuDelUnbenutzeFiguren_Click(w.k), 0);
    EXPECT_TRUE(dateienIn(ordner).size() == 14 && w.t.dialoge.meldungen.size() == 1);
    EXPECT_NE(
        w.t.dialoge.meldungen[0].find("\nOther.bmp\nOther.live\nTeil.prt\nTest.bmp\nfrei.qvb"),
        std::string::npos);

    w.t.dialoge.antworten = {Antwort::Ja};
    EXPECT_EQ(mnuDelUnbenutzeFiguren_Click(w.k), 5);
    EXPECT_EQ(
        dateienIn(ordner),
        (std::vector<std::string>{"Abend.pll", "Test.Laser_ini", "Test.info", "Test.live",
                                  "Test.qvp", "Test.seq", "Test.shw", "benutzt.qvb", "lied.mp3"}));
    const fs::path korb = tmp / "daten" / "Trash";
    EXPECT_EQ(
        dateienIn(korb / "files"),
        (std::vector<std::string>{"Other.bmp", "Other.live", "Teil.prt", "Test.bmp", "frei.qvb"}));
    EXPECT_EQ(leseDatei(korb / "files" / "Test.bmp"), "Test.bmp");
    const std::string info = leseDatei(korb / "info" / "Test.bmp.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=", 0), 0u) << info;
    EXPECT_NE(info.find("/Meine%20Show/Test.bmp\nDeletionDate="), std::string::npos) << info;
    EXPECT_EQ(w.t.dialoge.meldungen.back(),
              "Show folder " + w.show.Showordner + " cleaned up, 5 files moved to the trash.");
    EXPECT_EQ(w.figuren.lstDirPfad, fs::path(w.show.Showordner));

    // The same name again gets a number in the trash; without a trash, "Geloescht" is used.
    schreibeDatei(ordner / "Test.bmp", "zweite");
    const auto verschieben = [&](const char* name, std::optional<fs::path> papierkorb) {
        return inPapierkorbVerschieben(ordner, {name}, papierkorb,
                                       std::chrono::system_clock::now());
    };
    EXPECT_EQ(verschieben("Test.bmp", xdgPapierkorb()).inPapierkorb.size(), 1u);
    EXPECT_EQ(leseDatei(korb / "files" / "Test.bmp.2"), "zweite");
    EXPECT_TRUE(fs::exists(korb / "info" / "Test.bmp.2.trashinfo"));
    for (int i = 0; i < 2; ++i) {
        schreibeDatei(ordner / "Other.bmp", "ohne " + std::to_string(i));
        EXPECT_EQ(verschieben("Other.bmp", std::nullopt).inGeloescht.size(), 1u);
    }
    EXPECT_EQ(leseDatei(ordner / "Geloescht" / "Other.bmp"), "ohne 0");
    EXPECT_EQ(leseDatei(ordner / "Geloescht" / "Other (2).bmp"), "ohne 1");
    EXPECT_EQ(verschieben("gibtsnicht.bmp", std::nullopt).fehlgeschlagen,
              std::vector<std::string>{"gibtsnicht.bmp"});
}
