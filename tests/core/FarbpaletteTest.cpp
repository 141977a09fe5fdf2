#include "core/Farbpalette.h"
#include "TestHilfe.h"
#include "einstellungen/Einstellungen.h"
#include "platform/Binaer.h"

using namespace sw;
using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::schreibeDatei;

namespace {

std::string alteDatei(int eintraege = 255, int wert = 7) {
    std::string s = "Farbpalette alt\r\n";
    for (int i = 0; i < 3 * eintraege; ++i) s += " " + std::to_string((i + wert) % 256) + "\r\n";
    return s;
}

} // namespace

TEST(Farbpalette, StandardAndOldTablesAndColourIndices) {
    Paletten p;
    const std::pair<long, RGB> soll[] = {
        {4095, {255, 255, 255}}, {273, {17, 17, 17}}, {4096, {0, 0, 0}}, {-1, {0, 0, 0}}};
    for (const auto& [i, farbe] : soll) EXPECT_EQ(p.Farbpalette[i], farbe) << i;
    EXPECT_EQ(FarbIndexAusRGB(128, 255, 0), 2032);
    EXPECT_EQ(FarbIndexAusRGB(255, 128, 0), 3952);
    EXPECT_EQ(p.farbe(99999), (RGB{0, 0, 0}));

    // The old table repeats seven colours under the cube.
    int korrigiert = 0;
    p.farbenKorrigieren = [&] { ++korrigiert; };
    alte_PaletteErstellen(p);
    EXPECT_EQ(korrigiert, 1);
    // the sixth round ends at 38 (36 red, 37, 38 blue), then the cube starts; 255 keeps the
    // standard table's entry
    const std::pair<long, RGB> alt[] = {
        {7, {255, 255, 255}},   {8, {255, 0, 0}}, {38, {0, 0, 255}},
        {39, {0, 0, 0}},        {40, {0, 0, 51}}, {39 + 5 * 36, {255, 0, 0}},
        {254, {255, 255, 255}}, {0, {0, 0, 0}},   {255, {0, 255, 255}}};
    for (const auto& [i, farbe] : alt) EXPECT_EQ(p.Farbpalette[i], farbe) << i;
    StandardPaletteErstellen(p);
    EXPECT_EQ(korrigiert, 2);
}

TEST(Farbpalette, FileRoundTripWith26215Lines) {
    Kratzordner tmp;
    test::TestUmgebung u;
    Paletten p;
    p.Farbpalette[5] = RGB{1, 2, 3};
    p.Farbpalette[4368] = RGB{250, 0, 9};
    p.Palettendatei = (tmp / "p.qvp").string();
    ASSERT_TRUE(FarbpaletteSpeichern(p, u.env));
    std::string datei = leseDatei(tmp / "p.qvp");
    EXPECT_EQ(std::count(datei.begin(), datei.end(), '\n'), 26215);
    EXPECT_EQ(datei.substr(0, 40), "Farbpalette fuer QV-Trac_2\r\n 0\r\n 0\r\n 0\r\n");
    EXPECT_NE(datei.find("\r\nRealPalette not used\r\n"), std::string::npos);

    Paletten q;
    q.Palettendatei = p.Palettendatei;
    ASSERT_TRUE(FarbpaletteLaden(q, u.env));
    for (long i = -1; i <= 4368; ++i) EXPECT_EQ(q.Farbpalette[i], p.Farbpalette[i]) << i;
}

TEST(Farbpalette, OldKindSetsEntriesTo254ThenYellowAndAnUnknownHeaderIsLogged) {
    Kratzordner tmp;
    test::TestUmgebung u;
    schreibeDatei(tmp / "alt.qvp", alteDatei());
    Paletten p;
    p.Farbpalette[300] = RGB{9, 9, 9};
    p.Palettendatei = (tmp / "alt.qvp").string();
    ASSERT_TRUE(FarbpaletteLaden(p, u.env));
    const std::pair<long, RGB> soll[] = {{0, {7, 8, 9}},
                                         {254, {(762 + 7) % 256, (763 + 7) % 256, (764 + 7) % 256}},
                                         {255, {255, 255, 0}},
                                         {300, {9, 9, 9}},
                                         {-1, {0, 0, 0}}};
    for (const auto& [i, farbe] : soll) EXPECT_EQ(p.Farbpalette[i], farbe) << i;

    // an unknown header gives the standard table and an entry in the log
    ASSERT_TRUE(u.log.oeffnen(tmp / "log.txt"));
    schreibeDatei(tmp / "x.qvp", "Farbpalette 2\r\n 1\r\n");
    p.Farbpalette[1] = RGB{1, 1, 1};
    p.Lieblingsfarben[0] = 77;
    p.Palettendatei = (tmp / "x.qvp").string();
    EXPECT_FALSE(FarbpaletteLaden(p, u.env));
    EXPECT_TRUE(p.Farbpalette[1] == (RGB{0, 0, 17}) && p.Lieblingsfarben[0] == 0);
    u.log.schliessen();
    EXPECT_EQ(leseDatei(tmp / "log.txt"),
              std::string(65, '*') +
                  "\r\n0  Problem: Farbpalette laden. Dateiname: " + (tmp / "x.qvp").string() +
                  "        ErsteZeile=Farbpalette 2\r\n" + std::string(65, '*') + "\r\n");
}

TEST(Farbpalette, TruncatedOrCorruptFilesChangeNothing) {
    Kratzordner tmp;
    test::TestUmgebung u;
    const std::string voll = alteDatei();
    Paletten p;
    p.Palettendatei = (tmp / "t.qvp").string();
    const Paletten vorher;
    for (std::size_t n = 0; n < voll.size(); n += 7) {
        schreibeDatei(tmp / "t.qvp", voll.substr(0, n));
        EXPECT_FALSE(FarbpaletteLaden(p, u.env)) << n;
        EXPECT_TRUE(p.Farbpalette[0] == vorher.Farbpalette[0] &&
                    p.Farbpalette[254] == vorher.Farbpalette[254])
            << n;
    }
    std::string kaputt = voll;
    kaputt.replace(kaputt.find(" 9\r\n"), 2, "xx");
    schreibeDatei(tmp / "t.qvp", kaputt);
    EXPECT_FALSE(FarbpaletteLaden(p, u.env));
    EXPECT_EQ(p.Farbpalette[0], vorher.Farbpalette[0]);
    // an empty value line reads as 0
    std::string leer = voll;
    leer.replace(leer.find(" 7\r\n"), 2, "");
    schreibeDatei(tmp / "t.qvp", leer);
    EXPECT_TRUE(FarbpaletteLaden(p, u.env));
    EXPECT_EQ(p.Farbpalette[0].R, 0);
}

TEST(Farbpalette, ShippedIldaColourTableKeepsTheCurrentName) {
    test::TestUmgebung u;
    Paletten p;
    p.Palettendatei = "meine.qvp";
    ASSERT_TRUE(mnuPangolinFarbtabelleLaden_Click(p, u.env, STRAHLWERK_DATA_DIR));
    EXPECT_EQ(p.Palettendatei, "meine.qvp");
    EXPECT_TRUE(p.Farbpalette[56] == (RGB{255, 255, 255}) && p.Farbpalette[64] == (RGB{}));
    // the shipped table is the engine's standard palette, and is recognised as the ILDA one
    for (long i = 0; i < kIldaStandardFarben; ++i)
        EXPECT_EQ(p.Farbpalette[i], ildaStandardpalette()[static_cast<std::size_t>(i)]) << i;
    EXPECT_TRUE(istIldaFarbtabelle(p));
    p.Farbpalette[0] = RGB{}; // entry 0 is not compared
    EXPECT_TRUE(istIldaFarbtabelle(p));
    p.Farbpalette[63] = RGB{255, 32, 33};
    EXPECT_FALSE(istIldaFarbtabelle(p) || istIldaFarbtabelle(Paletten()));
}

TEST(Farbpalette, ValueLinesAreWholeOrDecimalNumbersOf16Bits) {
    auto mit = [](std::vector<std::string> erste) {
        std::string s = "Farbpalette alt\n";
        erste.resize(3 * 255, " 1");
        for (const auto& z : erste) s += z + "\n";
        return s;
    };
    auto inhalt = palettendateiDekodieren(mit({" -32768", "32767 ", "", "  12.5", "13.5", "7e1"}));
    EXPECT_EQ(inhalt.eintraege[0], (RGB{-32768, 32767, 0}));
    EXPECT_EQ(inhalt.eintraege[1], (RGB{12, 14, 70})); // rounded half to even
    for (const char* falsch : {"32768", "-32769", "1e9", "0x10", "+1", "1 2", "nan"})
        EXPECT_THROW(palettendateiDekodieren(mit({falsch})), Formatfehler) << falsch;
    // the last value line needs its line end; the header alone is too short
    std::string ohneEnde = mit({});
    ohneEnde.pop_back();
    EXPECT_THROW(palettendateiDekodieren(ohneEnde), Formatfehler);
    EXPECT_THROW(palettendateiDekodieren("Farbpalette alt"), Formatfehler);
}

TEST(Farbpalette, DisplayCellsPerAxis) {
    Paletten p;
    auto rot = Palette_Darstellen(p, 1, 2);
    EXPECT_EQ(rot[4 * 16 + 3].index, 2 * 256 + 3 * 16 + 4);
    EXPECT_EQ(rot[4 * 16 + 3].farbe, (RGB{34, 51, 68}));
    EXPECT_EQ(Palette_Darstellen(p, 2, 15)[0].index, 15 * 16);
    auto blau = Palette_Darstellen(p, 3, 1);
    EXPECT_TRUE(blau[255].index == 15 * 256 + 15 * 16 + 1 && blau[255].spalte == 15);
}

TEST(Farbpalette, FavouritesDefaultsDropAndSettings) {
    Kratzordner tmp;
    TestUhr uhr;
    Protokoll log(uhr);
    EreignisPumpe pumpe;
    Einstellungen e(log, pumpe);
    e.IniPfad = (tmp / "s.ini").string();
    Paletten p;
    Pic_Lieblingsfarbe_DragDrop(p, e, 3, 1234);
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Allgemein", "frmhaupt.Pic_Lieblingsfarbe(3).tag"),
              "12340000");
    cmdNewFarbpalette_Click(p);
    EXPECT_EQ(p.Lieblingsfarben[3], FarbIndexAusRGB(255, 255, 0));
    LieblingsfarbenLaden(p, e);
    EXPECT_EQ(std::tuple(p.Lieblingsfarben[3], p.Lieblingsfarben[4]),
              std::tuple(1234, FarbIndexAusRGB(128, 255, 0)));
}
