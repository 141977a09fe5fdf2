#include "core/FigurDatei.h"
#include "QvbSchreiber.h"
#include "TestHilfe.h"
#include "core/Ordnerwechsel.h"
#include "core/QvbFormat.h"

using namespace sw;
using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::schreibeDatei;

namespace {

struct FigurDateiTest : ::testing::Test {
    Kratzordner tmp;
    test::TestUmgebung u;
    FigurenSpeicher s;

    Figur figurMit(std::int16_t x) {
        Figur f;
        f.Frames[0].Punkte[0].X = x;
        return f;
    }
    void schreibeFigur(const std::string& name, std::int16_t x) {
        schreibeDatei(tmp / name, qvbKodieren(figurMit(x)));
    }
    // Figure f in the editor with its first point at x, marked changed.
    void bearbeiten(long f, std::int16_t x) {
        s.SpurAuswahl[s.EditorSpur].Figur = f;
        s.Figuren[f].Frames[0].Punkte[0].X = x;
        alsGeaendertMarkieren(s, f);
    }
    // The first point's X of a figure slot, and of a saved file.
    int x(long f) { return s.Figuren[f].Frames[0].Punkte[0].X; }
    int xIn(const std::string& datei) {
        return qvbDekodieren(leseDatei(tmp / datei))->figur.Frames[0].Punkte[0].X;
    }
};

} // namespace

TEST_F(FigurDateiTest, LoadingAboveTheTableCreatesFreshSlots) {
    FigurenErweitern(s, 5);
    s.Figuren[5].Frames.resize(3);
    schreibeFigur("f.qvb", 42);
    auto e = Qvb_Laden(s, u.env, 12, tmp / "f.qvb");
    EXPECT_TRUE(e.art == QvbLadeErgebnis::Art::Geladen && e.version == 11);
    ASSERT_EQ(s.Figuren.obergrenze(), 12);
    EXPECT_EQ(x(12), 42);
    for (long i = 6; i <= 11; ++i) EXPECT_TRUE(s.Figuren[i] == Figur{}) << i;
    EXPECT_EQ(s.Figuren[5].Frames.size(), 3u);
}

TEST_F(FigurDateiTest, AFailedOrEmptyLoadLeavesTheSlotAsItWas) {
    FigurenErweitern(s, 2);
    s.Figuren[2] = figurMit(7);
    std::string ganz = qvbKodieren(figurMit(99));
    schreibeDatei(tmp / "kaputt.qvb", ganz.substr(0, ganz.size() - 1));
    schreibeDatei(tmp / "leer.qvb", "");

    auto e = Qvb_Laden(s, u.env, 2, tmp / "kaputt.qvb");
    EXPECT_EQ(e.art, QvbLadeErgebnis::Art::Fehler);
    EXPECT_NE(e.grund.find("truncated"), std::string::npos);
    EXPECT_EQ(x(2), 7);
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    // The warning names the file and the fault; the trap text is in its details.
    EXPECT_EQ(u.dialoge.meldungen[0],
              "The file " + (tmp / "kaputt.qvb").string() + " could not be read.\n" + e.grund);
    EXPECT_EQ(u.dialoge.details[0],
              "Fehler #  75. frmHaupt, Sub Qvb_Laden          Fehler bei Zugriff auf Datei: " +
                  (tmp / "kaputt.qvb").string() + "\n" + e.grund);

    EXPECT_EQ(Qvb_Laden(s, u.env, 2, tmp / "leer.qvb").art, QvbLadeErgebnis::Art::Leer);
    EXPECT_EQ(Qvb_Laden(s, u.env, 2, tmp / "fehlt.qvb").art, QvbLadeErgebnis::Art::Fehler);
    EXPECT_EQ(x(2), 7);
}

TEST_F(FigurDateiTest, QuickSaveWritesVersion11AndRestoresEffectBaseValues) {
    FigurenErweitern(s, 1);
    s.Figuren[1] = figurMit(5);
    for (int i = 0; i <= 16; ++i) {
        s.Figuren[1].Parameter[static_cast<std::size_t>(i)] = 1000 + i;
        s.Figuren[1].Parameter[static_cast<std::size_t>(140 + i)] = i;
    }
    s.SpurAuswahl[s.EditorSpur].Figur = 1;
    bool schnell = true;
    ASSERT_TRUE(Speichern(s, u.env, schnell, (tmp / "x.qvb").string()));
    EXPECT_TRUE(u.dialoge.dateiDialoge.empty());
    EXPECT_EQ(std::tuple(s.Figuren[1].Parameter[303], s.Figuren[1].Parameter[3]),
              std::tuple(2.0, 3.0));
    EXPECT_EQ(leseDatei(tmp / "x.qvb"), qvbKodieren(s.Figuren[1]));
    // no temporary file stays behind
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.pfad()), {}), 1);
}

TEST_F(FigurDateiTest, UmlautNamesAreRefusedAndTheDialogAsksAgain) {
    s.SpurAuswahl[s.EditorSpur].Figur = 0;
    u.texte.setzen(1, 813, "No umlauts, please");
    u.dialoge.dateinamen = {(tmp / "Grün.qvb").string(), (tmp / "Gruen.qvb").string()};
    bool schnell = false;
    ASSERT_TRUE(Speichern(s, u.env, schnell, ""));
    EXPECT_EQ(u.dialoge.dateiDialoge.size(), 2u);
    EXPECT_EQ(u.dialoge.meldungen, std::vector<std::string>{"No umlauts, please"});
    EXPECT_FALSE(std::filesystem::exists(tmp / "Grün.qvb"));
    EXPECT_TRUE(std::filesystem::exists(tmp / "Gruen.qvb"));

    // A quick save under a caller's name with an umlaut falls back to the dialog as well; a
    // cancelled dialog writes nothing.
    schnell = true;
    EXPECT_FALSE(Speichern(s, u.env, schnell, (tmp / "Öl.qvb").string()));
    EXPECT_FALSE(schnell);
    for (const char* d : {"Öl.qvb", "Oel.qvb"}) EXPECT_FALSE(std::filesystem::exists(tmp / d));
}

TEST_F(FigurDateiTest, SnapshotsNeedNoDialogAndAFailedSaveReportsAndKeepsWhatWasThere) {
    s.SpurAuswahl[s.EditorSpur].Figur = 0;
    bool schnell = false;
    ASSERT_TRUE(Speichern(s, u.env, schnell, (tmp / "UndoFigur1.000").string()));
    EXPECT_TRUE(u.dialoge.dateiDialoge.empty() && std::filesystem::exists(tmp / "UndoFigur1.000"));

    std::filesystem::create_directories(tmp / "ziel.qvb" / "inhalt");
    schnell = true;
    std::string grund;
    EXPECT_FALSE(Speichern(s, u.env, schnell, (tmp / "ziel.qvb").string(), &grund));
    EXPECT_FALSE(grund.empty());
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(u.dialoge.meldungen[0].rfind(
                  "The file " + (tmp / "ziel.qvb").string() + " could not be written", 0),
              0u);
    EXPECT_EQ(u.dialoge.details[0], "Fehler #  75. frmHaupt, Sub speichern was unable to safe "
                                    "file: " +
                                        (tmp / "ziel.qvb").string() + "\n" + grund);
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "ziel.qvb" / "inhalt"));

    // no figure selected: no file
    schnell = true;
    s.SpurAuswahl[s.EditorSpur].Figur = -1;
    EXPECT_FALSE(Speichern(s, u.env, schnell, (tmp / "none.qvb").string()));
    EXPECT_FALSE(std::filesystem::exists(tmp / "none.qvb"));
}

TEST_F(FigurDateiTest, ANewFigureSavedIntoTheFolderTakesItsPlaceInTheListAndTheEditor) {
    schreibeFigur("a.qvb", 1);
    schreibeFigur("c.qvb", 3);
    lstDir_Change(s, u.env, tmp.pfad());
    ASSERT_EQ(s.lstFiguren.size(), 3u);
    // c.qvb holds an unsaved change and another track plays it; figure 0 a drawing.
    bearbeiten(2, 33);
    bearbeiten(0, 77);
    s.SpurAuswahl[3].Figur = 2;

    // Saved without the ending: it is added, and the file shows up in the list.
    u.dialoge.dateinamen = {(tmp / "b").string()};
    bool schnell = true;
    ASSERT_TRUE(Speichern(s, u.env, schnell, ""));
    EXPECT_FALSE(std::filesystem::exists(tmp / "b"));
    ASSERT_TRUE(std::filesystem::exists(tmp / "b.qvb"));
    EXPECT_EQ(s.lstFiguren, (std::vector<std::string>{"***Figur 0***", "a.qvb", "b.qvb", "c.qvb"}));
    EXPECT_EQ(s.Listentyp.size(), 4u);
    // The editor shows the saved figure; figure 0 is a new empty one again.
    EXPECT_EQ(std::tuple(s.SpurAuswahl[s.EditorSpur].Figur, x(2)), std::tuple(2, 77));
    EXPECT_EQ(s.Figuren[0].Frames[0].Punkte, (std::vector<Punkt>{{}}));
    EXPECT_EQ(s.Figuren[0].Parameter[398], 1.0);
    // c.qvb moved one slot up with its unsaved change and its track.
    EXPECT_EQ(std::tuple(x(3), s.SpurAuswahl[3].Figur), std::tuple(33, 3));
    EXPECT_EQ(geaenderteFiguren(s), std::vector<long>{3});

    // "Save as" over another figure of the list: that figure takes the saved state, the one it
    // came from goes back to its file.
    bearbeiten(1, 11);
    u.dialoge.dateinamen = {(tmp / "c.qvb").string()};
    schnell = false;
    ASSERT_TRUE(Speichern(s, u.env, schnell, ""));
    EXPECT_EQ(s.lstFiguren.size(), 4u);
    EXPECT_EQ(std::tuple(s.SpurAuswahl[s.EditorSpur].Figur, x(3), x(1), xIn("c.qvb")),
              std::tuple(3, 11, 1, 11));
    EXPECT_TRUE(geaenderteFiguren(s).empty());

    // Quick-saving a folder figure uses its list name and changes no list.
    bearbeiten(1, 12);
    schnell = true;
    ASSERT_TRUE(Speichern(s, u.env, schnell, ""));
    EXPECT_EQ(xIn("a.qvb"), 12);
    EXPECT_TRUE(s.lstFiguren.size() == 4 && !istGeaendert(s, 1));

    // Figure 0 saved outside the folder stays where it is, as saved.
    std::filesystem::create_directories(tmp / "anderswo");
    bearbeiten(0, 5);
    u.dialoge.dateinamen = {(tmp / "anderswo" / "Test2.qvb").string()};
    schnell = false;
    ASSERT_TRUE(Speichern(s, u.env, schnell, ""));
    EXPECT_EQ(xIn("anderswo/Test2.qvb"), 5);
    EXPECT_EQ(std::tuple(s.SpurAuswahl[s.EditorSpur].Figur, x(0)), std::tuple(0, 5));
    EXPECT_TRUE(!istGeaendert(s, 0) && s.lstFiguren.size() == 4);
}

TEST_F(FigurDateiTest, ChangesAreAskedAboutBeforeTheyAreLost) {
    schreibeFigur("a.qvb", 1);
    schreibeFigur("b.qvb", 2);
    lstDir_Change(s, u.env, tmp.pfad());
    bearbeiten(1, 10);
    bearbeiten(2, 20);
    bearbeiten(0, 70);
    u.texte.setzen(1, 1920, "Save \\xxx\\?");

    // Cancel stops at once, before anything is written.
    EXPECT_FALSE(aenderungenSichernFragen(s, u.env, geaenderteFiguren(s)));
    EXPECT_EQ(u.dialoge.meldungen, std::vector<std::string>{"Save a.qvb?"});
    EXPECT_EQ(geaenderteFiguren(s).size(), 3u);

    // Folder figures first, figure 0 last: keep a, discard b, save figure 0 under a new name.
    u.dialoge.meldungen.clear();
    u.dialoge.antworten = {Antwort::Ja, Antwort::Nein, Antwort::Ja};
    u.dialoge.dateinamen = {(tmp / "neu.qvb").string()};
    EXPECT_TRUE(aenderungenSichernFragen(s, u.env, geaenderteFiguren(s)));
    EXPECT_EQ(u.dialoge.meldungen,
              (std::vector<std::string>{"Save a.qvb?", "Save b.qvb?", "Save ***Figur 0***?"}));
    EXPECT_EQ(std::tuple(xIn("a.qvb"), xIn("b.qvb"), xIn("neu.qvb")), std::tuple(10, 2, 70));
    EXPECT_EQ(geaenderteFiguren(s), std::vector<long>{2}); // b was discarded, not reloaded

    // A save dialog closed without a name counts as Cancel.
    alsGeaendertMarkieren(s, 0);
    u.dialoge.antworten = {Antwort::Nein, Antwort::Ja};
    EXPECT_FALSE(aenderungenSichernFragen(s, u.env, {0, 2}));
    EXPECT_TRUE(istGeaendert(s, 0));

    // Loading and saving clear the mark; unchanged figures are not asked about.
    u.dialoge.meldungen.clear();
    EXPECT_EQ(Qvb_Laden(s, u.env, 0, tmp / "a.qvb").art, QvbLadeErgebnis::Art::Geladen);
    EXPECT_FALSE(istGeaendert(s, 0));
    EXPECT_TRUE(aenderungenSichernFragen(s, u.env, {0, 1}));
    EXPECT_TRUE(u.dialoge.meldungen.empty());
}
