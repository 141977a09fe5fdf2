#include "core/IldaImport.h"
#include "IldaBauer.h"
#include "TestHilfe.h"
#include "core/Meldungen.h"
#include "core/Undo.h"

using namespace sw;
using sw::test::IldaBauer;
using sw::test::Kratzordner;
using sw::test::schreibeDatei;

namespace {

struct IldaImportTest : ::testing::Test {
    Kratzordner tmp;
    test::TestUmgebung u;
    FigurenSpeicher s;
    Paletten p;

    // Indices stay indices unless a test asks for the standard palette's colours.
    IldaImportErgebnis laden(const std::string& bytes,
                             IldaIndexFarben farben = IldaIndexFarben::Index) {
        return IldaLesen(s, p, u.env, bytes, {}, farben);
    }
    const std::vector<Frame>& frames() { return s.Figuren[0].Frames; }
    const Punkt& punkt(std::size_t f, std::size_t i) { return frames()[f].Punkte[i]; }
    // The first `n` points of frame f.
    std::vector<Punkt> punkte(std::size_t f, std::size_t n) {
        const auto& p = frames().at(f).Punkte;
        return {p.begin(), p.begin() + static_cast<long>(std::min(n, p.size()))};
    }
};

} // namespace

TEST_F(IldaImportTest, Format1StatusRules) {
    IldaBauer b;
    b.kopf(1, 6)
        .p1(0x8000, 0x7FFF, 0, 7)
        .p1(100, -100, 64, 9) // blanked
        .p1(5, 6, 65, 9)      // blank bit with another bit: lit
        .p1(1, 2, 128, 7)     // lit last point
        .p1(3, 3, 0, 3)
        .p1(4, 4, 0, 3);
    b.kopf(1, 3, 1, 2).p1(10, 11, 0, 1).p1(12, 13, 192, 5).p1(14, 15, 0, 2);
    auto e = laden(b.bytes);
    ASSERT_TRUE(e.vollstaendig) << e.problem;
    ASSERT_EQ(frames().size(), 2u);
    // records after a last point stay at (0, 0) with colour 0, and the next section is in step
    EXPECT_EQ(
        punkte(0, 5),
        (std::vector<Punkt>{
            {-32768, 32767, 7, 0}, {100, -100, -1, 0}, {5, 6, 9, 0}, {1, 2, 7, 0}, {0, 0, 0, 0}}));
    EXPECT_EQ(punkte(1, 3), (std::vector<Punkt>{{10, 11, 1, 0}, {12, 13, -1, 0}, {0, 0, 0, 0}}));
    EXPECT_TRUE(u.dialoge.meldungen.empty());
    EXPECT_EQ(s.FrameBalkenMax, 1);

    // an end-of-file marker ends the import: the section after it is not read
    IldaBauer ende;
    ende.kopf(5, 1).p5(1, 1, 128, 1, 1, 1).kopf(5, 0).kopf(5, 1).p5(2, 2, 128, 1, 1, 1);
    auto mitEnde = laden(ende.bytes);
    EXPECT_TRUE(mitEnde.vollstaendig && mitEnde.frames == 1 && frames().size() == 1);
}

TEST_F(IldaImportTest, TrueColourFormatsAndZ) {
    IldaBauer b;
    b.kopf(5, 2).p5(1, 2, 0, 255, 128, 0).p5(3, 4, 128, 10, 20, 30);
    b.kopf(4, 2, 1, 3).p4(7, 8, 0, 0, 255, 255, 255).p4(-7, -8, 0, 192, 1, 1, 1);
    b.kopf(0, 2, 2, 3).p0(100, 50, 10, 0, 4).p0(60, 30, 0, 128, 4);
    u.texte.setzen(1, 91, "Divide by Z?");
    auto e = laden(b.bytes);
    ASSERT_TRUE(e.vollstaendig);
    ASSERT_EQ(frames().size(), 3u);
    EXPECT_EQ(punkte(0, 2),
              (std::vector<Punkt>{{1, 2, 3952, 0}, {3, 4, FarbIndexAusRGB(10, 20, 30), 0}}));
    EXPECT_EQ(punkte(1, 2), (std::vector<Punkt>{{7, 8, 4095, 0}, {-7, -8, -1, 0}}));
    // the default answer ignores Z; after true colour the index bytes are not stored
    EXPECT_EQ(punkt(2, 0), (Punkt{100, 50, 0, 0}));
    EXPECT_EQ(u.dialoge.meldungen, std::vector<std::string>{"Divide by Z?"});

    u.dialoge.meldungen.clear();
    u.dialoge.antworten = {Antwort::Ok};
    IldaBauer z;
    z.kopf(0, 3).p0(100, 50, 10, 0, 4).p0(-99, 30, -3, 0, 4).p0(60, 30, 0, 128, 4);
    laden(z.bytes);
    EXPECT_EQ(punkte(0, 3), (std::vector<Punkt>{{10, 5, 4, 0}, {33, -10, 4, 0}, {60, 30, 4, 0}}))
        << "Z of 0 never divides";
    EXPECT_EQ(u.dialoge.meldungen.size(), 1u);
}

TEST_F(IldaImportTest, PaletteSectionChangesEntries1To254) {
    IldaBauer b;
    b.kopf(2, 256, 0, 0);
    for (int i = 0; i < 256; ++i) b.rgb(i, 255 - i, 7);
    b.kopf(1, 1).p1(0, 0, 128, 200);
    int korrigiert = 0;
    p.farbenKorrigieren = [&] { ++korrigiert; };
    auto e = laden(b.bytes);
    ASSERT_TRUE(e.vollstaendig);
    EXPECT_EQ((std::vector<RGB>{p.Farbpalette[0], p.Farbpalette[1], p.Farbpalette[254],
                                p.Farbpalette[255]}),
              (std::vector<RGB>{{0, 0, 0}, {1, 254, 7}, {254, 1, 7}, {0, 255, 255}}));
    EXPECT_EQ(punkt(0, 0).Farbe, 200);
    EXPECT_EQ(korrigiert, 1);
}

TEST_F(IldaImportTest, TrueColourTableColoursTheFollowingFrame) {
    IldaBauer b;
    b.kopf(2, 3, 0, 0).rgb(0, 0, 0).rgb(9, 9, 9).rgb(9, 9, 9);
    b.farbtabelleKopf(3).rgb(255, 0, 0).rgb(0, 255, 0).rgb(0, 0, 255);
    b.kopf(1, 3, 0, 2).p1(1, 1, 0, 77).p1(2, 2, 64, 77).p1(3, 3, 128, 77);
    b.kopf(1, 1, 1, 2).p1(9, 9, 128, 5); // after the latch the index is not stored
    auto e = laden(b.bytes);
    ASSERT_TRUE(e.vollstaendig);
    ASSERT_EQ(frames().size(), 2u);
    EXPECT_EQ(punkte(0, 3),
              (std::vector<Punkt>{{1, 1, 0xF00, 0}, {2, 2, -1, 0}, {3, 3, 0x00F, 0}}));
    EXPECT_EQ(punkt(1, 0), (Punkt{9, 9, 0, 0}));
    // the standard table is back after the import
    EXPECT_EQ(p.Farbpalette[1], (RGB{0, 0, 17}));

    // a table whose picture section never comes gives no frame: nothing changes
    IldaBauer allein;
    allein.farbtabelleKopf(2).rgb(255, 255, 255).rgb(255, 255, 255);
    p.Farbpalette[1] = RGB{1, 2, 3};
    auto leer = laden(allein.bytes);
    EXPECT_TRUE(leer.vollstaendig && leer.frames == 0 && frames().size() == 2);
    EXPECT_EQ(p.Farbpalette[1], (RGB{1, 2, 3}));
}

TEST_F(IldaImportTest, FramesBeyondTheAnnouncedTotalAreAskedFor) {
    IldaBauer b;
    for (int f = 0; f < 4; ++f) b.kopf(1, 1, f, 2).p1(f, f, 128, 1);
    u.texte.setzen(1, 89, "Go on?");
    u.texte.setzen(1, 90, "Ask again?");
    u.dialoge.antworten = {Antwort::Ja, Antwort::Ja, Antwort::Nein};
    EXPECT_TRUE(laden(b.bytes).vollstaendig);
    EXPECT_EQ(frames().size(), 3u); // frame 3 was declined
    EXPECT_EQ(u.dialoge.meldungen, (std::vector<std::string>{"Go on?", "Ask again?", "Go on?"}));
    // the defaults go on reading and stop asking; a total of 0 counts as 1
    u.dialoge.meldungen.clear();
    IldaBauer c;
    c.kopf(1, 1, 0, 0).p1(0, 0, 128, 1);
    for (int f = 1; f < 4; ++f) c.kopf(1, 1, f, 0).p1(f, f, 128, 1);
    laden(c.bytes);
    EXPECT_EQ(frames().size(), 4u);
    EXPECT_EQ(u.dialoge.meldungen.size(), 2u);
}

TEST_F(IldaImportTest, BadFilesKeepWhatWasReadAndSaySo) {
    IldaBauer b;
    b.kopf(1, 2, 0, 2).p1(1, 1, 0, 1).p1(2, 2, 128, 1).kopf(1, 5, 1, 2).p1(3, 3, 0, 1);
    auto e = laden(b.bytes);
    EXPECT_FALSE(e.vollstaendig);
    EXPECT_NE(e.problem.find("ends in the middle"), std::string::npos);
    EXPECT_EQ(frames().size(), 1u);
    EXPECT_EQ(u.dialoge.meldungen.back(),
              "The ILDA file ends in the middle of a section. The frames before it were imported.");

    u.texte.setzen(1, 88, "Not an ILDA file");
    auto falsch = laden(IldaBauer().kopf(1, 1).p1(1, 1, 128, 1).bytes + "JUNKJUNKJUNK");
    EXPECT_FALSE(falsch.vollstaendig);
    EXPECT_EQ(u.dialoge.meldungen.back(), "Not an ILDA file");
    EXPECT_EQ(frames().size(), 1u);

    auto unbekannt = laden(IldaBauer().kopf(9, 1).bytes + "xyz");
    EXPECT_FALSE(unbekannt.vollstaendig);
    EXPECT_NE(unbekannt.problem.find("unknown format 9"), std::string::npos);

    schreibeDatei(tmp / "f.ild", b.bytes);
    EXPECT_EQ(IldaLaden(s, p, u.env, tmp / "f.ild").frames, 1);
    auto fehlt = IldaLaden(s, p, u.env, tmp / "none.ild");
    EXPECT_FALSE(fehlt.geoeffnet);
    EXPECT_EQ(u.dialoge.meldungen.back(), "The file " + (tmp / "none.ild").string() +
                                              " could not be read.\nthe file does not exist");
    EXPECT_EQ(u.dialoge.details.back(),
              "Fehler #  75. frmHaupt, Sub IldaLaden          Fehler bei Zugriff auf Datei: " +
                  (tmp / "none.ild").string() + "\nthe file does not exist");
}

TEST_F(IldaImportTest, EveryTruncationIsReadWholeOrReported) {
    IldaBauer b;
    b.kopf(2, 2, 0, 0).rgb(1, 2, 3).rgb(4, 5, 6);
    b.farbtabelleKopf(2).rgb(255, 0, 0).rgb(0, 0, 255);
    b.kopf(1, 2, 0, 3).p1(1, 1, 0, 1).p1(2, 2, 128, 1);
    b.kopf(0, 1, 1, 3).p0(3, 3, 0, 128, 1);
    b.kopf(5, 2, 2, 3).p5(4, 4, 0, 1, 2, 3).p5(5, 5, 128, 1, 2, 3);
    b.kopf(5, 0, 0, 3);
    for (std::size_t n = 0; n <= b.bytes.size(); ++n) {
        auto e = laden(b.bytes.substr(0, n));
        // only the whole file or a cut exactly between two sections reads to its end
        EXPECT_TRUE(e.vollstaendig ? e.frames <= 3 : !e.problem.empty()) << n;
        EXPECT_TRUE(n < b.bytes.size() || (e.vollstaendig && e.frames == 3)) << n;
        for (const auto& f : frames())
            for (const auto& pt : f.Punkte) EXPECT_TRUE(pt.Farbe != 0xF00 || pt.X != 0) << n;
    }
}

TEST_F(IldaImportTest, AnImportThatReadsNothingChangesNothingAndEachImportIsOneUndoStep) {
    UndoZustand undo;
    undo.ordner = tmp / "Temp";
    s.hooks.undoSchreiben = [&] { WriteUndo(s, undo, u.env); };
    FigurenErweitern(s, 2);
    s.Figuren[2].Frames[0].Punkte = {{9, 9, 9, 0}};
    s.SpurAuswahl[s.EditorSpur].Figur = 2; // the editor shows another figure

    IldaBauer a;
    a.kopf(1, 2, 0, 2).p1(1, 1, 0, 1).p1(2, 2, 128, 2).kopf(1, 1, 1, 2).p1(3, 3, 128, 3);
    schreibeDatei(tmp / "a.ild", a.bytes);
    u.dialoge.dateinamen = {(tmp / "a.ild").string()};
    std::string name;
    EXPECT_EQ(cmdImportIlda_Click(s, p, u.env, name).frames, 2);
    EXPECT_EQ(undo.UndoZaehler, 1);
    EXPECT_EQ(s.SpurAuswahl[s.EditorSpur].Figur, 0);
    const auto figurA = s.Figuren[0];
    ASSERT_EQ(figurA.Frames.size(), 2u);
    EXPECT_EQ(s.FrameBalkenMax, 1);

    // a palette section, then a picture section cut off in its first record; a file that is
    // no ILDA file; a file that holds only the end-of-file marker; a cancelled dialog
    IldaBauer kaputt;
    kaputt.kopf(2, 2, 0, 0).rgb(0, 0, 0).rgb(1, 2, 3).kopf(1, 2, 0, 1).p1(5, 5, 0, 1);
    const std::vector<std::string> nichts = {kaputt.bytes.substr(0, kaputt.bytes.size() - 3),
                                             "JUNK, not an ILDA file at all",
                                             IldaBauer().kopf(1, 0).bytes, ""};
    for (std::size_t i = 0; i < nichts.size(); ++i) {
        s.SpurAuswahl[s.EditorSpur].Figur = 2;
        u.dialoge.dateinamen = {i == nichts.size() - 1 ? "" : (tmp / "n.ild").string()};
        schreibeDatei(tmp / "n.ild", nichts[i]);
        EXPECT_EQ(cmdImportIlda_Click(s, p, u.env, name).frames, 0) << i;
        EXPECT_EQ(s.Figuren[0].Frames, figurA.Frames) << i;
        EXPECT_EQ(s.Figuren[2].Frames[0].Punkte[0].X, 9) << i;
        EXPECT_EQ(p.Farbpalette[1], (RGB{0, 0, 17})) << i;
        EXPECT_EQ(s.FrameBalkenMax, 1) << i;
        EXPECT_EQ(undo.UndoZaehler, 1) << i;
    }

    // a partial import keeps the frames before the cut, says so and is one undo step
    IldaBauer b;
    b.kopf(1, 1, 0, 2).p1(7, 7, 128, 7).kopf(1, 4, 1, 2).p1(8, 8, 0, 1);
    schreibeDatei(tmp / "b.ild", b.bytes);
    u.dialoge.dateinamen = {(tmp / "b.ild").string()};
    s.SpurAuswahl[s.EditorSpur].Figur = 2;
    auto teil = cmdImportIlda_Click(s, p, u.env, name);
    EXPECT_TRUE(!teil.vollstaendig && teil.frames == 1);
    ASSERT_EQ(s.Figuren[0].Frames.size(), 1u);
    EXPECT_EQ(s.Figuren[0].Frames[0].Punkte[0], (Punkt{7, 7, FarbIndexAusRGB(255, 112, 0), 0}));
    EXPECT_EQ(u.dialoge.meldungen.back(), meldung::IldaAbgeschnittenText);
    EXPECT_EQ(undo.UndoZaehler, 2);

    cmdUndo_Click(s, undo, u.env);
    EXPECT_EQ(s.Figuren[0].Frames, figurA.Frames);
    EXPECT_EQ(s.Figuren[2].Frames[0].Punkte[0].X, 9);
    cmdUndo_Click(s, undo, u.env);
    EXPECT_EQ(s.Figuren[0].Frames, Figur().Frames); // before the first import
}

TEST_F(IldaImportTest, IndexedColoursWithoutAPaletteMeanTheIldaStandardPalette) {
    IldaBauer b;
    b.kopf(1, 4, 0, 2).p1(0, 0, 0, 0).p1(1, 1, 0, 16).p1(2, 2, 64, 16).p1(3, 3, 0, 56);
    b.kopf(0, 3, 1, 2).p0(4, 4, 0, 0, 63).p0(5, 5, 0, 0, 64).p0(6, 6, 0, 128, 255);
    const std::vector<std::int32_t> standard = {3840, 4080, -1, 4095, 3857, 0, 0};
    const std::vector<std::int32_t> indizes = {0, 16, -1, 56, 63, 64, 255};
    auto farben = [&] {
        std::vector<std::int32_t> f;
        for (const auto& frame : frames())
            for (const auto& pt : frame.Punkte) f.push_back(pt.Farbe);
        return f;
    };
    // asked once, default Yes; then No; the CLI's choices do not ask
    EXPECT_TRUE(laden(b.bytes, IldaIndexFarben::Fragen).vollstaendig);
    EXPECT_EQ(farben(), standard);
    u.dialoge.antworten = {Antwort::Nein};
    laden(b.bytes, IldaIndexFarben::Fragen);
    EXPECT_EQ(farben(), indizes);
    laden(b.bytes, IldaIndexFarben::Standardpalette);
    EXPECT_EQ(farben(), standard);
    laden(b.bytes, IldaIndexFarben::Index);
    EXPECT_EQ(farben(), indizes);
    EXPECT_EQ(u.dialoge.meldungen.size(), 2u);

    // a palette section before the frames: the indices refer to it
    IldaBauer mitPalette;
    mitPalette.kopf(2, 2, 0, 0).rgb(0, 0, 0).rgb(0, 0, 255).bytes += b.bytes;
    laden(mitPalette.bytes, IldaIndexFarben::Fragen);
    EXPECT_EQ(farben(), indizes);
    EXPECT_EQ(u.dialoge.meldungen.size(), 2u);

    // with the ILDA table loaded the indices already show the standard colours
    Paletten ilda;
    ASSERT_TRUE(mnuPangolinFarbtabelleLaden_Click(ilda, u.env, STRAHLWERK_DATA_DIR));
    p = ilda;
    laden(b.bytes, IldaIndexFarben::Fragen);
    EXPECT_EQ(farben(), indizes);
    EXPECT_EQ(u.dialoge.meldungen.size(), 2u);
}

TEST_F(IldaImportTest, ReadsFilesWrittenByOtherPrograms) {
    for (const char* name : {"LMTESTF.ild", "quadsqwv.ild"}) {
        auto pfad = std::filesystem::path(STRAHLWERK_SOURCE_DIR) / ".." / "shared" / "testdata" /
                    "ilda" / name;
        if (!std::filesystem::exists(pfad)) GTEST_SKIP() << "shared test data not present";
        auto e = IldaLaden(s, p, u.env, pfad);
        EXPECT_TRUE(e.vollstaendig) << name << ": " << e.problem;
        ASSERT_EQ(frames().size(), 1u) << name;
        ASSERT_EQ(frames()[0].Punkte.size(), 256u) << name;
        // format 0 without a palette: with the default Yes every lit point has its colour
        // from the standard palette (index byte 56 is white, not the table's dark blue)
        const std::string bytes = test::leseDatei(pfad);
        int weiss = 0;
        for (std::size_t i = 0; i < 256; ++i) {
            const auto status = static_cast<unsigned char>(bytes[32 + 8 * i + 6]);
            const auto index = static_cast<unsigned char>(bytes[32 + 8 * i + 7]);
            const auto& c = ildaStandardpalette()[index % 64];
            const std::int32_t erwartet = status == 64 || status > 128 ? -1
                                          : index >= 64                ? 0
                                                        : FarbIndexAusRGB(c.R, c.G, c.B);
            EXPECT_EQ(punkt(0, i).Farbe, erwartet) << name << " point " << i;
            weiss += index == 56 && punkt(0, i).Farbe == 4095;
        }
        EXPECT_GT(weiss, 0) << name;
    }
}

TEST_F(IldaImportTest, AFileNamedWithoutTheDialogAsksAboutFigureZeroFirst) {
    IldaBauer b;
    b.kopf(1, 1, 0, 2).p1(1, 1, 128, 1).kopf(1, 1, 1, 2).p1(2, 2, 128, 2);
    schreibeDatei(tmp / "a.ild", b.bytes);
    s.Figuren[0].Frames[0].Punkte = {{9, 9, 9, 0}};
    alsGeaendertMarkieren(s, 0);
    std::string name = "vorher.ild";

    // Cancel keeps the drawing in figure 0 and opens no dialog.
    EXPECT_FALSE(IldaDateiImportieren(s, p, u.env, name, tmp / "a.ild").geoeffnet);
    EXPECT_EQ(s.Figuren[0].Frames[0].Punkte[0].X, 9);
    EXPECT_EQ(name, "vorher.ild");
    EXPECT_EQ(u.dialoge.meldungen.size(), 1u);

    // Discard imports, keeps the name and marks figure 0 changed.
    u.dialoge.antworten = {Antwort::Nein};
    auto e = IldaDateiImportieren(s, p, u.env, name, tmp / "a.ild");
    EXPECT_TRUE(e.vollstaendig && e.frames == 2);
    ASSERT_EQ(frames().size(), 2u);
    EXPECT_EQ(punkt(1, 0).X, 2);
    EXPECT_EQ(name, (tmp / "a.ild").string());
    EXPECT_TRUE(istGeaendert(s, 0));

    // A file that is gone changes nothing and marks nothing.
    alsUnveraendertMarkieren(s, 0);
    EXPECT_EQ(IldaDateiImportieren(s, p, u.env, name, tmp / "weg.ild").frames, 0);
    EXPECT_EQ(frames().size(), 2u);
    EXPECT_FALSE(istGeaendert(s, 0));
    EXPECT_TRUE(u.dialoge.dateiDialoge.empty());
}
