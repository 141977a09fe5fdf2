#include "output/Farbkorrektur.h"
#include "Pipeline.h"

#include <tuple>

using namespace sw;

namespace {
RGB farbe(const GeraeteFarben& g, const Paletten& p, int index, double stufe = 1) {
    double R, G, B;
    punktFarbe(g, p, index, stufe, 1, 1, R, G, B);
    return RGB{R, G, B};
}
} // namespace

TEST(Farbkorrektur, DefaultsSendThePaletteUnchanged) {
    Paletten p;
    Farbkorrektur f;
    alleFarbenKorrigieren(f, p);
    const auto& g = f.geraete[0];
    for (std::size_t c = 0; c < 3; ++c)
        for (std::size_t v = 0; v < 256; ++v) EXPECT_EQ(g.kurven[c][v], static_cast<int>(v));
    EXPECT_EQ(farbe(g, p, FarbIndexAusRGB(255, 136, 17)), (RGB{255, 136, 17}));
    Ausgabepunkt a{32767, 32767, 200, 100, 50, 255};
    zonenUndKurven(g, a);
    EXPECT_EQ(std::tuple(a.R, a.B), std::tuple(200.0, 50.0));
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
    EXPECT_EQ(std::tuple(g.kurven[0][0], g.kurven[0][128], g.kurven[0][255]),
              std::tuple(20, 120, 220));
    // smooth and rising in between
    for (std::size_t v = 1; v < 256; ++v) EXPECT_GE(g.kurven[0][v], g.kurven[0][v - 1]);
    // a mid position at the end cannot carry a spline: the curves stay as they were
    g.midPosition[0] = 255;
    FarbenKorrigieren(f, p, 2);
    EXPECT_EQ(g.kurven[0][128], 120);
}

TEST(Farbkorrektur, TtlAndMissingBlueMixedIntoRedAndGreen) {
    Paletten p;
    Farbkorrektur f;
    auto& g = f.geraete[0];
    g.TTL_Gesetzt[1] = 1;
    g.kanalAn[2] = false;
    FarbenKorrigieren(f, p, 0);
    EXPECT_EQ(std::tuple(g.kurven[1][0], g.kurven[1][1], g.kurven[1][200], g.kurven[2][200]),
              std::tuple(0, 255, 255, 0));
    g.TTL_Gesetzt[1] = 0;
    FarbenKorrigieren(f, p, 0);
    // 127.5 is 128 once converted to a byte, half to even
    EXPECT_EQ(farbe(g, p, FarbIndexAusRGB(0, 0, 255)), (RGB{127.5, 127.5, 0}));
    EXPECT_EQ(farbe(g, p, 4095), (RGB{255, 255, 0}));
    // with levels the mix runs at run time on the table's colours
    const auto c = farbe(g, p, FarbIndexAusRGB(0, 0, 255), 0);
    EXPECT_EQ(std::tuple(c.R, c.B), std::tuple(127.5, 0.0));
    g.Offset[0] = 200;
    EXPECT_EQ(farbe(g, p, FarbIndexAusRGB(0, 0, 255), 0).R, 0); // not above the channel's offset
}

TEST(Farbkorrektur, AudienceZoneDimsStrictlyInside) {
    Paletten p;
    Farbkorrektur f;
    auto& g = f.geraete[0];
    g.AudienceZone = {-1000, 1000, -20000, 0};
    g.AudienceHelligkeit = 0.3;
    g.BeamHelligkeit = 1;
    FarbenKorrigieren(f, p, 0);
    for (auto [x, y, rot] :
         {std::tuple{32767, 32767 - 100, 76}, std::tuple{32767, 32767 + 100, 255},
          std::tuple{32767 + 1000, 32767 - 100, 255}}) {
        Ausgabepunkt a{static_cast<double>(x), static_cast<double>(y), 255, 0, 0, 255};
        zonenUndKurven(g, a);
        EXPECT_EQ(a.R, rot) << x << "," << y;
    }
}

TEST(Farbkorrektur, SettingsRoundTrip) {
    test::Einstellungsdatei d;
    auto& e = d.e;
    Farbkorrektur f;
    auto& q = f.geraete[5];
    q.minimum[1] = 12;
    q.midWert[2] = 99;
    q.TTL_Gesetzt[0] = 1;
    q.AudienceZone = {1, 2, 3, 4};
    q.BeamHelligkeit = 0.75;
    q.Intensitaet_gleich_HellsteFarbe = true;
    farbkorrekturSpeichern(f, e, 5);
    EXPECT_EQ(d.lesen("Farbkorrektur", " G_Min_Farbkorrektur(5)"), "120000");
    EXPECT_EQ(d.lesen("Optionen_Optimierung", "Intensitaet_gleich_HellsteFarbe(5)"), "-10000");
    Farbkorrektur g;
    farbkorrekturLaden(g, e, 5);
    const auto felder = [](const GeraeteFarben& r) {
        return std::tuple(r.minimum, r.midWert, r.TTL_Gesetzt, r.AudienceZone, r.BeamHelligkeit,
                          r.Intensitaet_gleich_HellsteFarbe);
    };
    EXPECT_EQ(felder(g.geraete[5]), felder(q));
}
