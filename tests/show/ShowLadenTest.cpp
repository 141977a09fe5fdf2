#include "show/ShowLaden.h"
#include "ShowWelt.h"
#include "platform/Datei.h"
#include "show/ShowDatei.h"
#include "show/ShowInfoDatei.h"
#include "show/ShowSpeichern.h"
#include "show/ShowZuletzt.h"

#include <gtest/gtest.h>

using namespace sw;
using sw::test::leseDatei;
using sw::test::schreibeDatei;
using sw::test::showDatei;

namespace {

namespace fs = std::filesystem;

struct ShowLadenTest : ::testing::Test {
    test::Kratzordner tmp;
    test::ShowWelt w{tmp.pfad()};
    std::string ordner = (tmp / "Shows").string() + "/";
    std::vector<std::string> reihenfolge;

    ShowLadenTest() {
        fs::create_directories(ordner);
        w.k.teile.faktorenGeaendert = [this] { reihenfolge.push_back("faktoren"); };
        w.k.teile.sequenzLaden = [this](const std::string& d) {
            reihenfolge.push_back("sequenz " + fs::path(d).filename().string() + " palette " +
                                  fs::path(w.paletten.Palettendatei).filename().string());
            return true;
        };
    }
};

} // namespace

TEST_F(ShowLadenTest, LoadsEverythingInItsOrder) {
    schreibeDatei(ordner + "Test.shw", showDatei("lied.mp3"));
    schreibeDatei(ordner + "lied.mp3", "ID3");
    Paletten andere;
    andere.Farbpalette[7] = {1, 2, 3};
    atomarSchreiben(ordner + "Test.qvp", palettendateiKodieren(andere));
    ShowInfo info;
    info.Titel = "Titel";
    showInfoSchreiben(info, ordner + "Test.info");
    schreibeDatei(ordner + "[INFO].txt", "Frei\xE4");
    w.show.mnuAutomatischZeigen = true;
    w.medien.laenge = 12.5;

    ASSERT_TRUE(ShowLaden(w.k, "Test", ordner));
    EXPECT_FALSE(w.show.ShowLadenBusy);
    EXPECT_EQ(w.figuren.lstDirPfad, fs::path(ordner));
    EXPECT_EQ(std::tuple(w.show.Showname, w.show.ShowName), std::tuple("Test", "Sommer"));
    // the factors before the sequence, the show's palette before the sequence
    EXPECT_EQ(reihenfolge,
              (std::vector<std::string>{"faktoren", "sequenz Test.seq palette Test.qvp"}));
    EXPECT_EQ(w.medien.geoeffnet, std::vector<std::string>{ordner + "lied.mp3"});
    EXPECT_EQ(std::tuple(w.show.MediaTyp, w.show.MediaLaenge), std::tuple("mp3", 12500.0));
    EXPECT_TRUE(!w.show.videoFensterSichtbar && w.show.cmdNewAudioEnabled);
    EXPECT_EQ(w.paletten.Farbpalette[7], (RGB{1, 2, 3}));
    EXPECT_EQ(w.show.info, info);
    EXPECT_EQ(w.show.infoText, "Freiä"); // read as Windows-1252
    EXPECT_TRUE(w.t.dialoge.meldungen.empty());
}

TEST_F(ShowLadenTest, MediaKindsAndTheirFallbacks) {
    // A video opens the video window; a .wav is of type "wav".
    schreibeDatei(ordner + "Film.shw", showDatei("clip.avi"));
    schreibeDatei(ordner + "clip.avi", "RIFF");
    ASSERT_TRUE(ShowLaden(w.k, "Film", ordner));
    EXPECT_TRUE(w.show.videoFensterSichtbar && w.show.MediaTyp == "mp3");
    schreibeDatei(ordner + "Ton.shw", showDatei("ton.wav"));
    schreibeDatei(ordner + "ton.wav", "RIFF");
    ASSERT_TRUE(ShowLaden(w.k, "Ton", ordner));
    EXPECT_TRUE(!w.show.videoFensterSichtbar && w.show.MediaTyp == "wav");

    // A missing media file: player stopped, the placeholder opened, the show still loads.
    schreibeDatei(ordner + "Leer.shw", showDatei("fehlt.mp3"));
    const int stopps = w.medien.stopps;
    ASSERT_TRUE(ShowLaden(w.k, "Leer", ordner));
    EXPECT_EQ(w.medien.stopps, stopps + 1);
    EXPECT_EQ(w.medien.geoeffnet.back(), (w.programmOrdner / "No.mp3").string());
    EXPECT_TRUE(w.t.dialoge.meldungen.empty());

    // A file the player refuses: text 304 with the path, then the placeholder.
    w.medien.scheitern.insert(ordner + "ton.wav");
    ASSERT_TRUE(ShowLaden(w.k, "Ton", ordner));
    ASSERT_EQ(w.t.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(w.t.dialoge.meldungen[0],
              "The media file cannot be opened.File :" + ordner + "ton.wav");
    EXPECT_EQ(w.show.MediaDatei, "No.mp3");
}

TEST_F(ShowLadenTest, ARejectedShowFileLeavesTheProgramAsItWas) {
    schreibeDatei(ordner + "Gut.shw", showDatei("x.mp3"));
    ASSERT_TRUE(ShowLaden(w.k, "Gut", ordner));
    const auto vorher = w.show.ShowName;
    reihenfolge.clear();

    // A wrong header: text 577, "File:" and the path.
    schreibeDatei(ordner + "Kopf.shw", "Strahlwerk Lumiscript Live  DateiVersion 2.3\r\n");
    EXPECT_FALSE(ShowLaden(w.k, "Kopf", ordner));
    EXPECT_EQ(w.t.dialoge.meldungen.back(),
              "The file has a wrong header.File:" + ordner + "Kopf.shw");

    // Truncated in the middle of the placeholders.
    std::string ganz = showDatei("y.mp3");
    schreibeDatei(ordner + "Kurz.shw", ganz.substr(0, ganz.find("Projscreeny")));
    EXPECT_FALSE(ShowLaden(w.k, "Kurz", ordner));
    EXPECT_NE(w.t.dialoge.meldungen.back().find("Kurz.shw is truncated or corrupt"),
              std::string::npos);

    // Missing altogether; an empty name; a load while one runs.
    EXPECT_FALSE(ShowLaden(w.k, "Fehlt", ordner));
    EXPECT_FALSE(ShowLaden(w.k, "", ordner));
    w.show.ShowLadenBusy = true;
    EXPECT_FALSE(ShowLaden(w.k, "Gut", ordner));
    EXPECT_TRUE(w.show.ShowLadenBusy); // the running load keeps its mark
    w.show.ShowLadenBusy = false;

    // The operator keeps unsaved figures of the folder shown: the show is not loaded.
    schreibeDatei(ordner + "Andere.shw", showDatei("x.mp3"));
    std::string gefragt;
    w.k.teile.ordnerZeigen = [&](const fs::path& o) {
        gefragt = o.string();
        return false;
    };
    EXPECT_FALSE(ShowLaden(w.k, "Andere", ordner));
    EXPECT_EQ(gefragt, ordner);
    w.k.teile.ordnerZeigen = nullptr;

    EXPECT_TRUE(reihenfolge.empty());
    EXPECT_EQ(std::tuple(w.show.Showname, w.show.ShowName, w.show.Sequenzdatei),
              std::tuple("Gut", vorher, ordner + "Gut.seq"));

    // A broken ".info": reported, the show loads, the window keeps what it showed.
    w.show.info.Titel = "bisher";
    schreibeDatei(ordner + "Gut.info", std::string("\x05\0ab", 4));
    EXPECT_TRUE(ShowLaden(w.k, "Gut", ordner));
    EXPECT_EQ(w.show.info.Titel, "bisher");
    EXPECT_NE(w.t.dialoge.meldungen.back().find("Gut.info is truncated or corrupt"),
              std::string::npos);
}

TEST_F(ShowLadenTest, SavingRefusesUmlautsAndAsksAgain) {
    w.show.Showordner = ordner;
    w.t.dialoge.eingaben = {std::string("Größe"), std::string("Groesse")};
    schreibeDatei(ordner + "Show.opt", "alt");
    ASSERT_TRUE(mnuShowSpeichern_Click(w.k));
    ASSERT_EQ(w.t.dialoge.meldungen.size(), 3u); // question, refusal, question
    for (const char* e : {".shw", ".qvp", ".info"}) EXPECT_TRUE(fs::exists(ordner + "Groesse" + e));
    EXPECT_FALSE(fs::exists(ordner + "Show.opt"));
    EXPECT_EQ(std::tuple(w.show.Showname, w.show.ShowName), std::tuple("Groesse", "Groesse"));
    EXPECT_EQ(std::tuple(w.show.ZuletztGeoeffnete[0], w.show.ZuletztGeoeffnete[1]),
              std::tuple(ordner + "Groesse.shw", std::string(" ")));

    // Saving again asks nothing; "save as" asks, and a cancel saves nothing.
    w.t.dialoge.meldungen.clear();
    ASSERT_TRUE(mnuShowSpeichern_Click(w.k));
    EXPECT_TRUE(w.t.dialoge.meldungen.empty());
    w.t.dialoge.eingaben = {std::nullopt};
    EXPECT_FALSE(mnuShowSpeichernUnter_Click(w.k));
    w.t.dialoge.eingaben = {std::string("Kopie")};
    ASSERT_TRUE(mnuShowSpeichernUnter_Click(w.k));
    EXPECT_TRUE(fs::exists(ordner + "Kopie.shw"));
    EXPECT_EQ(std::tuple(w.show.ZuletztGeoeffnete[0], w.show.ZuletztGeoeffnete[1]),
              std::tuple(ordner + "Kopie.shw", ordner + "Groesse.shw"));

    // Taking the window's values offers to save the show with them.
    ShowInfo neu;
    neu.Titel = "Neu";
    w.t.dialoge.antworten = {Antwort::Ja};
    cmd_bernehmen_Click(w.k, neu);
    EXPECT_EQ(showInfoDekodieren(leseDatei(ordner + "Kopie.info")), neu);

    // A folder that cannot be written: reported, the files elsewhere untouched.
    EXPECT_FALSE(ShowSpeichern(w.k, ordner + "gibtsnicht/", "X"));
    EXPECT_FALSE(w.t.dialoge.meldungen.empty());
}

TEST_F(ShowLadenTest, RecentFilesRules) {
    std::vector<std::string> pfade;
    for (int i = 0; i < 11; ++i) pfade.push_back(ordner + "S" + std::to_string(i) + ".shw");
    for (const auto& p : pfade) EXPECT_TRUE(zuletztGeoeffneteAufnehmen(w.k, p));
    // Entry 9 fell off; the newest is first.
    EXPECT_EQ(std::tuple(w.show.ZuletztGeoeffnete[0], w.show.ZuletztGeoeffnete[9]),
              std::tuple(pfade[10], pfade[1]));
    // A path already in the list leaves it as it is, wherever it stands.
    const auto vorher = w.show.ZuletztGeoeffnete;
    EXPECT_FALSE(zuletztGeoeffneteAufnehmen(w.k, pfade[4]));
    EXPECT_EQ(w.show.ZuletztGeoeffnete, vorher);
    EXPECT_EQ(w.einstellungen.textLesen("LastFiles", "LastFile(3)", ""), pfade[7]);

    // Clicking a show that has gone removes it; the later entries move up.
    mnuZuletztGeoeffnete_Click(w.k, 3);
    EXPECT_EQ(std::tuple(w.show.ZuletztGeoeffnete[3], w.show.ZuletztGeoeffnete[9]),
              std::tuple(pfade[6], std::string(" ")));
    EXPECT_EQ(w.einstellungen.textLesen("LastFiles", "LastFile(3)", ""), pfade[6]);
    EXPECT_TRUE(w.t.dialoge.meldungen.empty());

    // Clicking one that exists opens it without a dialog and keeps the list.
    schreibeDatei(pfade[5], showDatei("a.mp3"));
    bool nachher = false;
    w.k.teile.nachShowOeffnen = [&] { nachher = true; };
    const auto liste = w.show.ZuletztGeoeffnete;
    mnuZuletztGeoeffnete_Click(w.k, 4);
    EXPECT_EQ(w.show.ZuletztGeoeffnete, liste);
    EXPECT_EQ(w.show.Showname, "S5");
    EXPECT_TRUE(nachher && w.t.dialoge.dateiDialoge.empty());

    // Playlists and live shows go to their windows; the menu captions are the file names.
    std::string geladen;
    w.k.teile.liveShowLaden = [&](const std::string& d) { geladen = d; };
    zuletztGeoeffneteAufnehmen(w.k, ordner + "Abend.live");
    mnuZuletztGeoeffnete_Click(w.k, 0);
    EXPECT_EQ(geladen, ordner + "Abend.live");
    auto menue = zuletztGeoeffneteMenue(w.show);
    ASSERT_EQ(menue.size(), 10u);
    EXPECT_EQ(menue[0], (std::pair<int, std::string>{0, "Abend.live"}));
}

TEST_F(ShowLadenTest, ASavedShowLoadsTheSameIntoAFreshProgram) {
    w.k.teile.sequenzSpeichern = [](const std::string& d) {
        atomarSchreiben(d, "sequenz");
        return true;
    };
    w.show.Showordner = ordner;
    w.show.Showname = "Abend";
    w.show.SoundName = "musik.mp3";
    w.show.FaktorDrehenSchieben = "1,25";
    schreibeDatei(ordner + "musik.mp3", "ID3");
    w.paletten.Farbpalette[100] = {10, 20, 30};
    w.show.info.Interpret = "Künstler";
    w.show.info.SpurZuordnung[1][2] = true;
    w.show.info.Bild = bildAlsText("\x89PNG");
    zuletztGeoeffneteAufnehmen(w.k, ordner + "Früher.pll");
    ASSERT_TRUE(mnuShowSpeichern_Click(w.k));

    test::ShowWelt neu(tmp.pfad());
    std::string sequenz;
    neu.k.teile.sequenzLaden = [&](const std::string& d) {
        sequenz = leseDatei(d);
        return true;
    };
    zuletztGeoeffneteLaden(neu.k);
    EXPECT_EQ(neu.show.ZuletztGeoeffnete, w.show.ZuletztGeoeffnete);
    neu.t.dialoge.dateinamen = {ordner + "Abend.shw"};
    ASSERT_TRUE(mnuShowLaden_Click(neu.k));
    EXPECT_EQ(neu.show.ZuletztGeoeffnete, w.show.ZuletztGeoeffnete);
    EXPECT_EQ(neu.show.LetzterShowOrdner, ordner);
    EXPECT_EQ(sequenz, "sequenz");
    EXPECT_EQ(palettendateiKodieren(neu.paletten), palettendateiKodieren(w.paletten));
    EXPECT_EQ(neu.show.info, w.show.info);
    EXPECT_EQ(std::tuple(neu.show.FaktorDrehenSchieben, neu.show.ShowName, neu.show.MediaDatei),
              std::tuple("1,25", "Abend", "musik.mp3"));

    // The default record: saved beside the program, loaded into another show.
    ASSERT_TRUE(cmdAlsStandardSpeichern_Click(w.k));
    neu.show.info = {};
    ASSERT_TRUE(cmdStandardLaden_Click(neu.k));
    EXPECT_EQ(neu.show.info, w.show.info);
    fs::remove(w.datenOrdner / "Standard.info");
    EXPECT_FALSE(cmdStandardLaden_Click(neu.k));
    EXPECT_NE(neu.t.dialoge.meldungen.back().find("Standard.info"), std::string::npos);
}
