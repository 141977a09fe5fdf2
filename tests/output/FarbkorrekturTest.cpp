#include "output/Farbkorrektur.h"
#include "TestHilfe.h"

using namespace sw;

TEST(Farbkorrektur, DefaultsSendThePaletteUnchanged) {
    Paletten p;
    Farbkorrektur f;
    alleFarbenKorrigieren(f, p);
    const auto& g = f.geraete[0];
    for (int v = 0; v < 256; ++v)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(g.kurven[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)], v);
    double R, G, B;
    punktFarbe(g, p, FarbIndexAusRGB(255, 136, 17), 1, 1, 1, R, G, B);
    EXPECT_EQ(R, 255);
    EXPECT_EQ(G, 136);
    EXPECT_EQ(B, 17);
    Ausgabepunkt a{32767, 32767, 200, 100, 50, 255};
    zonenUndKurven(g, a);
    EXPECT_EQ(a.R, 200);
    EXPECT_EQ(a.B, 50);
}

TEST(Farbkorrektur, CurveThroughThreeControlPoints) {
    Paletten p;
    Farbkorrektur f;
    auto& g = f.geraete[2];
    g.minimum[0] = 20;
    g.maximum[0] = 220;
    g.midPosition[0] = 128;
    g.midWert[0] = 120;
    FarbenKorrigieren(f, p, 2);
    EXPECT_EQ(g.kurven[0][0], 20);
    EXPECT_EQ(g.kurven[0][128], 120);
    EXPECT_EQ(g.kurven[0][255], 220);
    // smooth and rising in between
    for (int v = 1; v < 256; ++v)
        EXPECT_GE(g.kurven[0][static_cast<std::size_t>(v)],
                  g.kurven[0][static_cast<std::size_t>(v - 1)]);
    // a mid position at the end cannot carry a spline: the curves stay as they were
    g.midPosition[0] = 255;
    FarbenKorrigieren(f, p, 2);
    EXPECT_EQ(g.kurven[0][128], 120);
}

TEST(Farbkorrektur, TtlAndAbsentChannels) {
    Paletten p;
    Farbkorrektur f;
    auto& g = f.geraete[0];
    g.TTL_Gesetzt[1] = 1;
    g.kanalAn[2] = false;
    FarbenKorrigieren(f, p, 0);
    EXPECT_EQ(g.Steigung[1], 255);
    EXPECT_EQ(g.kurven[1][0], 0);
    EXPECT_EQ(g.kurven[1][1], 255);
    EXPECT_EQ(g.kurven[1][200], 255);
    EXPECT_EQ(g.kurven[2][200], 0);
}

TEST(Farbkorrektur, MissingBlueIsMixedIntoRedAndGreen) {
    Paletten p;
    Farbkorrektur f;
    auto& g = f.geraete[0];
    g.kanalAn[2] = false;
    FarbenKorrigieren(f, p, 0);
    double R, G, B;
    punktFarbe(g, p, FarbIndexAusRGB(0, 0, 255), 1, 1, 1, R, G, B);
    EXPECT_EQ(R, 127.5); // 128 once converted to a byte, half to even
    EXPECT_EQ(G, 127.5);
    EXPECT_EQ(B, 0);
    EXPECT_EQ(std::nearbyint(R), 128);
    punktFarbe(g, p, 4095, 1, 1, 1, R, G, B);
    EXPECT_EQ(R, 255);
    EXPECT_EQ(G, 255);
    EXPECT_EQ(B, 0);
    // with levels the mix runs at run time on the table's colours
    punktFarbe(g, p, FarbIndexAusRGB(0, 0, 255), 0, 1, 1, R, G, B);
    EXPECT_EQ(R, 127.5);
    EXPECT_EQ(B, 0);
    g.Offset[0] = 200;
    punktFarbe(g, p, FarbIndexAusRGB(0, 0, 255), 0, 1, 1, R, G, B);
    EXPECT_EQ(R, 0); // not above the channel's offset
}

TEST(Farbkorrektur, AudienceZoneDims) {
    Paletten p;
    Farbkorrektur f;
    auto& g = f.geraete[0];
    g.AudienceZone = {-1000, 1000, -20000, 0};
    g.AudienceHelligkeit = 0.3;
    g.BeamHelligkeit = 1;
    FarbenKorrigieren(f, p, 0);
    Ausgabepunkt innen{32767, 32767 - 100, 255, 0, 0, 255};
    zonenUndKurven(g, innen);
    EXPECT_EQ(innen.R, 76);
    Ausgabepunkt aussen{32767, 32767 + 100, 255, 0, 0, 255};
    zonenUndKurven(g, aussen);
    EXPECT_EQ(aussen.R, 255);
    Ausgabepunkt rand{32767 + 1000, 32767 - 100, 255, 0, 0, 255}; // strictly inside only
    zonenUndKurven(g, rand);
    EXPECT_EQ(rand.R, 255);
}

TEST(Farbkorrektur, SettingsRoundTrip) {
    test::Kratzordner tmp;
    TestUhr uhr;
    Protokoll log(uhr);
    EreignisPumpe pumpe;
    Einstellungen e(log, pumpe);
    e.IniPfad = (tmp / "f.ini").string();
    Farbkorrektur f;
    f.geraete[5].minimum[1] = 12;
    f.geraete[5].midWert[2] = 99;
    f.geraete[5].TTL_Gesetzt[0] = 1;
    f.geraete[5].AudienceZone = {1, 2, 3, 4};
    f.geraete[5].BeamHelligkeit = 0.75;
    f.geraete[5].Intensitaet_gleich_HellsteFarbe = true;
    farbkorrekturSpeichern(f, e, 5);
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Farbkorrektur", " G_Min_Farbkorrektur(5)"), "120000");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "OptionenAusgabe", "BeamHelligkeit(5)"), "7500");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Optionen_Optimierung", "TTL_Gesetzt5_0"), "10000");
    EXPECT_EQ(
        e.ini().lesen(e.IniPfad, "Optionen_Optimierung", "Intensitaet_gleich_HellsteFarbe(5)"),
        "-10000");
    Farbkorrektur g;
    farbkorrekturLaden(g, e, 5);
    EXPECT_EQ(g.geraete[5].minimum[1], 12);
    EXPECT_EQ(g.geraete[5].midWert[2], 99);
    EXPECT_EQ(g.geraete[5].TTL_Gesetzt[0], 1);
    EXPECT_EQ(g.geraete[5].AudienceZone[3], 4);
    EXPECT_EQ(g.geraete[5].BeamHelligkeit, 0.75);
    EXPECT_TRUE(g.geraete[5].Intensitaet_gleich_HellsteFarbe);
}
