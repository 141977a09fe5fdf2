#include "core/IldaExport.h"
#include "../platform/KleinesDateisystem.h"
#include "TestHilfe.h"
#include "core/IldaImport.h"
#include "core/Meldungen.h"

using namespace sw;
using sw::test::Kratzordner;
using sw::test::leseDatei;

namespace {

Figur dreiPunkte() {
    Figur f;
    f.Frames[0].Punkte = {{-1, 256, 4095, 0}, {10, -10, 0xF00, 3}, {0, 0, -1, 4}};
    return f;
}

// A figure with lit and dark points of several colours in several frames.
Figur bunteFigur() {
    Figur f;
    f.Frames.resize(3);
    int n = 0;
    for (auto& frame : f.Frames) {
        frame.Punkte.clear();
        for (int i = 0; i < 7; ++i, ++n)
            frame.Punkte.push_back(Punkt{static_cast<std::int16_t>(n * 997 - 20000),
                                         static_cast<std::int16_t>(-n * 1231 + 15000),
                                         i == 3 ? -1 : (n * 611) % 4096, 0});
    }
    return f;
}

} // namespace

TEST(IldaExport, Kind5OfThreePointsIs88BytesWithAClosingHeader) {
    Paletten p;
    std::string b = ildaKodieren(dreiPunkte(), p, 5, false);
    ASSERT_EQ(b.size(), 88u);
    EXPECT_EQ(b.substr(0, 8), std::string("ILDA\0\0\0\5", 8));
    EXPECT_EQ(b.substr(8, 16), "StrahlwkStrahlwk");
    EXPECT_EQ(test::hex(b.substr(24, 8), 8), "00 03 00 00 00 01 00 00");
    EXPECT_EQ(test::hex(b.substr(32, 8), 8), "FF FF 01 00 00 FF FF FF"); // (-1, 256), white
    EXPECT_EQ(test::hex(b.substr(40, 8), 8), "00 0A FF F6 00 00 00 FF"); // red: blue, green, red
    EXPECT_EQ(test::hex(b.substr(48, 8), 8), "00 00 00 00 C0 00 00 00"); // dark last point
    EXPECT_EQ(test::hex(b.substr(56, 32), 32),
              "49 4C 44 41 00 00 00 05 53 74 72 61 68 6C 77 6B 53 74 72 61 68 6C 77 6B "
              "00 00 00 00 00 01 00 00");
}

TEST(IldaExport, Format1IndicesAndThePaletteSwitch) {
    Paletten p;
    Figur f;
    f.Frames[0].Punkte = {{0, 0, 0xF00, 0}, {0, 0, 4095, 0}, {0, 0, 0, 0}, {0, 0, 0x0F0, 0}};
    std::string normal = ildaKodieren(f, p, 3, false);
    ASSERT_EQ(normal.size(), 32u + 4 * 6);
    auto byte = [](const std::string& b, int i) { return static_cast<unsigned char>(b[32 + i]); };
    // (record offset, expected byte): status and index of the lit, dark and last points
    for (auto [i, w] : {std::pair{5, 254}, {4, 0}, {16, 64}, {17, 0}, {22, 128}})
        EXPECT_EQ(byte(normal, i), w) << i;
    std::string palette = ildaKodieren(f, p, 3, true);
    for (auto [i, w] : {std::pair{5, 219}, {11, 254}, {17, 0}, {23, 39 + 30}})
        EXPECT_EQ(byte(palette, i), w) << i;
}

TEST(IldaExport, KindsWriteTheirSectionsAndLeaveTheTableAlone) {
    Paletten p;
    p.Farbpalette[4095] = RGB{200, 200, 200};
    Figur f = bunteFigur();
    auto formate = [&](int art) {
        std::vector<int> aus;
        for (const auto& k : ilda::abschnitteLesen(ildaKodieren(f, p, art, false)))
            aus.push_back(k.format);
        return aus;
    };
    EXPECT_EQ(formate(1), (std::vector<int>{3, 1, 3, 1, 3, 1}));
    EXPECT_EQ(formate(2), (std::vector<int>{2, 3, 1, 3, 1, 3, 1}));
    EXPECT_EQ(formate(3), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(formate(0), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(formate(4), (std::vector<int>{2, 1, 1, 1}));
    EXPECT_EQ(formate(5), (std::vector<int>{5, 5, 5, 5}));
    EXPECT_EQ(p.Farbpalette[4095], (RGB{200, 200, 200}));
    auto koepfe = ilda::abschnitteLesen(ildaKodieren(f, p, 4, false));
    EXPECT_EQ(std::tuple(koepfe[0].records, koepfe[2].nummer, koepfe[2].gesamt),
              std::tuple(255u, 1, 3));
}

TEST(IldaExport, RoundTripKeepsCoordinatesAndColours) {
    Kratzordner tmp;
    test::TestUmgebung u;
    const Figur original = bunteFigur();
    for (int art = 1; art <= 5; ++art) {
        FigurenSpeicher s;
        Paletten p;
        FigurenErweitern(s, 1);
        s.Figuren[1] = original;
        s.SpurAuswahl[s.EditorSpur].Figur = 1;
        auto datei = tmp / ("r" + std::to_string(art) + ".ild");
        ASSERT_TRUE(IldaSpeichern(s, p, u.env, datei, false, art));
        auto e = IldaLaden(s, p, u.env, datei);
        ASSERT_TRUE(e.vollstaendig) << art << ": " << e.problem;
        const auto& zurueck = s.Figuren[0].Frames;
        ASSERT_EQ(zurueck.size(), original.Frames.size()) << art;
        for (std::size_t f = 0; f < zurueck.size(); ++f)
            for (std::size_t i = 0; i < zurueck[f].Punkte.size(); ++i) {
                const auto& a = original.Frames[f].Punkte[i];
                const auto& b = zurueck[f].Punkte[i];
                EXPECT_EQ(std::tuple(b.X, b.Y), std::tuple(a.X, a.Y)) << art;
                if (a.Farbe <= 0) {
                    EXPECT_EQ(b.Farbe, -1) << art;
                } else if (art == 4) { // the standard table's white
                    EXPECT_EQ(p.farbe(b.Farbe), (RGB{255, 255, 255})) << art;
                } else {
                    EXPECT_EQ(b.Farbe, art == 3 ? 254 : a.Farbe) << art;
                }
            }
    }
}

TEST(IldaExport, AskedKindCancelAndTheExportCommand) {
    Kratzordner tmp;
    test::TestUmgebung u;
    FigurenSpeicher s;
    Paletten p;
    s.SpurAuswahl[s.EditorSpur].Figur = 0;
    u.dialoge.eingaben = {std::nullopt, std::string("7"), std::string("x"), std::string(" 3 ")};
    // Cancelled: no message. An answer that is no kind: a message naming it, nothing written.
    EXPECT_FALSE(IldaSpeichern(s, p, u.env, tmp / "a.ild", false));
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_FALSE(IldaSpeichern(s, p, u.env, tmp / "a.ild", false));
    ASSERT_EQ(u.dialoge.meldungen.size(), 3u);
    EXPECT_EQ(u.dialoge.meldungen[2],
              "\"7\" is no export kind; the kinds are 1 to 5. Nothing was exported.");
    // The message in the chosen language.
    u.env.texte.setzen(u.env.texte.Sprache, meldung::IldaUnbekannteArt,
                       "\"\\xxx\\\" ist keine Exportart.");
    EXPECT_FALSE(IldaSpeichern(s, p, u.env, tmp / "a.ild", false));
    EXPECT_EQ(u.dialoge.meldungen.back(), "\"x\" ist keine Exportart.");
    EXPECT_FALSE(std::filesystem::exists(tmp / "a.ild"));
    ASSERT_TRUE(IldaSpeichern(s, p, u.env, tmp / "a.ild", false));
    EXPECT_EQ(ilda::abschnitteLesen(leseDatei(tmp / "a.ild"))[0].format, 1);

    std::string name;
    u.dialoge.dateinamen = {(tmp / "b").string()};
    ASSERT_TRUE(cmdExportIlda_Click(s, p, u.env, name, false)); // default answer 5
    EXPECT_EQ(name, (tmp / "b.ild").string());
    EXPECT_EQ(ilda::abschnitteLesen(leseDatei(tmp / "b.ild")).back().format, 5);
}

TEST(IldaShowExport, RecordsOneFramePerCycleAndClosesTheFile) {
    Kratzordner tmp;
    test::TestUmgebung u;
    for (int art : {5, 1, 2, 3, 4}) {
        auto datei = tmp / ("show" + std::to_string(art) + ".ild");
        IldaShowExport rec;
        ASSERT_TRUE(rec.starten(u.env, datei, art, false));
        rec.IldaShowExport_Feld(32767, 32767, 255, 0, 0);
        rec.IldaShowExport_Feld(65535, 0, 0, 0, 0);
        ASSERT_TRUE(rec.Ilda_RGBFrameHinzufuegen(u.env));
        ASSERT_TRUE(rec.Ilda_RGBFrameHinzufuegen(u.env)); // a cycle without points
        rec.IldaShowExport_Feld(40000.4, 1000, 0, 255, 0);
        ASSERT_TRUE(rec.Ilda_RGBFrameHinzufuegen(u.env));
        ASSERT_TRUE(rec.beenden(u.env));
        EXPECT_FALSE(rec.laeuft());

        std::vector<ilda::Kopf> koepfe = ilda::abschnitteLesen(leseDatei(datei));
        std::vector<ilda::Kopf> bilder;
        for (const auto& k : koepfe)
            if (ilda::istBild(k.format)) bilder.push_back(k);
        ASSERT_EQ(bilder.size(), 4u) << art;
        for (int f = 0; f < 4; ++f) {
            const auto& k = bilder[static_cast<std::size_t>(f)];
            EXPECT_EQ(std::tuple(k.gesamt, k.nummer, k.records == 0), std::tuple(3, f % 3, f == 3));
        }

        FigurenSpeicher s;
        Paletten p;
        auto e = IldaLaden(s, p, u.env, datei);
        ASSERT_TRUE(e.vollstaendig);
        const auto& fr = s.Figuren[0].Frames;
        ASSERT_EQ(fr.size(), 3u);
        EXPECT_EQ(fr[0].Punkte[0].X, 0);
        // 65535 - 32767 does not fit and is clamped; an empty cycle is one dark point
        EXPECT_EQ(fr[0].Punkte[1], (Punkt{32767, -32767, -1, 0}));
        EXPECT_TRUE(fr[1].Punkte.size() == 1 && fr[1].Punkte[0].Farbe == -1);
        EXPECT_EQ(fr[2].Punkte[0].X, 7233);
        EXPECT_TRUE(art == 3 || art == 4 || fr[0].Punkte[0].Farbe == 0xF00) << art;
    }
}

TEST(IldaShowExport, ReplacesThePreviousFileOnlyWhenComplete) {
    Kratzordner tmp;
    test::TestUmgebung u;
    const auto datei = tmp / "show.ild";
    test::schreibeDatei(datei, "previous show");
    {
        IldaShowExport rec;
        ASSERT_TRUE(rec.starten(u.env, datei, 5, false));
        rec.IldaShowExport_Feld(32767, 32767, 255, 0, 0);
        ASSERT_TRUE(rec.Ilda_RGBFrameHinzufuegen(u.env));
        EXPECT_EQ(leseDatei(datei), "previous show"); // still recording
    } // destroyed without beenden: the recording is dropped
    EXPECT_EQ(leseDatei(datei), "previous show");
    IldaShowExport rec;
    EXPECT_FALSE(rec.beenden(u.env)); // never started
    ASSERT_TRUE(rec.starten(u.env, datei, 5, false));
    ASSERT_TRUE(rec.Ilda_RGBFrameHinzufuegen(u.env));
    ASSERT_TRUE(rec.beenden(u.env));
    EXPECT_EQ(leseDatei(datei).size(), 32u + 8 + 32);
    const std::string fehlt = (tmp / "fehlt" / "s.ild").string();
    ASSERT_TRUE(u.log.oeffnen(tmp / "log.txt"));
    EXPECT_FALSE(rec.starten(u.env, fehlt, 5, false));
    EXPECT_EQ(rec.grund(), "the folder does not exist");
    // A warning in the chosen language names the file; the trap text and the reason are its
    // details and go to the log.
    ASSERT_EQ(u.dialoge.details.size(), 1u);
    EXPECT_EQ(u.dialoge.meldungen.back(), "The file " + fehlt +
                                              " could not be written; a previous file of that "
                                              "name is unchanged.\nthe folder does not exist");
    const std::string falle = "Fehler #  75. frmHaupt, Sub Ilda_RGBFrameHinzufuegen          "
                              "Fehler bei Zugriff auf Datei: " +
                              fehlt;
    EXPECT_EQ(u.dialoge.details[0], falle + "\nthe folder does not exist");
    u.log.schliessen();
    EXPECT_NE(leseDatei(tmp / "log.txt").find(falle), std::string::npos);
    u.env.texte.setzen(u.env.texte.Sprache, meldung::DateiNichtGeschrieben,
                       "Die Datei \\xxx\\ konnte nicht geschrieben werden.");
    EXPECT_FALSE(IldaFarbPalettenHeaderSchreiben(Paletten(), u.env, fehlt));
    EXPECT_EQ(u.dialoge.meldungen.back(),
              "Die Datei " + fehlt +
                  " konnte nicht geschrieben werden.\nthe folder does not exist");
    EXPECT_EQ(u.dialoge.details.back().rfind(
                  "Fehler #  75. frmHaupt, Sub IldaFarbPalettenHeaderSchreiben", 0),
              0u);
}

TEST(IldaShowExport, AFullDiskEndsTheRecordingAndKeepsThePreviousFile) {
    Kratzordner tmp;
    test::KleinesDateisystem klein(tmp / "klein");
    SW_KLEINES_DATEISYSTEM_ODER_UEBERSPRINGEN(klein);
    test::TestUmgebung u;
    test::schreibeDatei(klein / "show.ild", "previous show");
    IldaShowExport rec;
    ASSERT_TRUE(rec.starten(u.env, klein / "show.ild", 5, false));
    bool geschrieben = true;
    for (int i = 0; i < 3000 && geschrieben; ++i) {
        for (int k = 0; k < 10; ++k) rec.IldaShowExport_Feld(k * 1000, 0, 255, 255, 255);
        geschrieben = rec.Ilda_RGBFrameHinzufuegen(u.env);
    }
    EXPECT_FALSE(geschrieben || rec.laeuft() || rec.beenden(u.env));
    EXPECT_EQ(rec.grund(), "the disk is full");
    EXPECT_EQ(leseDatei(klein / "show.ild"), "previous show");
    EXPECT_EQ(klein.namen(), std::vector<std::string>{"show.ild"});
    ASSERT_FALSE(u.dialoge.meldungen.empty());
    EXPECT_NE(u.dialoge.meldungen.back().find("show.ild"), std::string::npos);
}
