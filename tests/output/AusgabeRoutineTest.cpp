#include "Pipeline.h"

using namespace sw;
using sw::test::Pipeline;

namespace {
constexpr std::int32_t kWeiss = 4095;
constexpr std::int32_t kRot = 0xF00;
std::int32_t ganzzahl(double v) {
    return static_cast<std::int32_t>(std::nearbyint(v));
}
} // namespace

TEST(AusgabeRoutine, OnePointFrameGivesLeadInPointAndLeadOut) {
    Pipeline t;
    t.geraet(0);
    Figur& f = t.figur({{10000, -5000, kWeiss, 0}});
    t.starten();
    t.routine();
    const auto& l = t.liste(0);
    ASSERT_EQ(l.anzahl(), 7 + 1 + 7);
    for (long i = 1; i <= 15; ++i) {
        const std::int16_t c = i == 8 ? 255 : 0; // 7 dark before and after the lit point
        EXPECT_EQ(l[i], (Listenpunkt{8000, -4000, c, c, c, c, true})) << i;
    }
    // a fresh figure's copy grid of zeros means one full-size copy
    f.Parameter[180] = f.Parameter[181] = f.Parameter[182] = 0;
    t.routine();
    EXPECT_EQ(l.anzahl(), 15);
    EXPECT_EQ(l[8].X, 8000);
}

TEST(AusgabeRoutine, FlagsFromStatusAndTheFigureSwitches) {
    Pipeline t;
    t.geraet(0);
    t.a->Optimierung[0].MinimumFrameStartPunkte = 0;
    t.a->Optimierung[0].MinimumFrammeEndPunkte = 0;
    Figur& f = t.figur({{0, 0, kRot, 4}, {1, 1, kRot, 2}, {2, 2, kRot, 1}, {3, 3, kRot, 8}});
    t.starten();
    const auto& l = t.liste(0);
    t.routine(); // real-time optimisation off: no colour changes, no corners
    EXPECT_TRUE(!l[1].Strecke && l[2].Strecke && !l[2].Farbwechsel && !l[3].Ecke && l[4].Text);
    f.Parameter[398] = 1;
    t.routine();
    EXPECT_TRUE(l[2].Farbwechsel && l[3].Ecke && !l[1].Weich);
    f.Parameter[397] = 1; // soft colour: no colour-change points, every point soft
    t.routine();
    EXPECT_TRUE(!l[2].Farbwechsel && l[1].Weich);
}

TEST(AusgabeRoutine, EmptyTracksAddNothingAndSidesComeInOrder) {
    Pipeline t;
    t.geraet(0, 0);
    t.geraet(0, 2); // device 0 listens to sides A and C
    t.geraet(1, 1);
    t.figur({{100, 0, kWeiss, 0}});
    FigurenErweitern(t.s, 2);
    t.s.Figuren[2] = t.s.Figuren[1];
    t.s.Figuren[2].Frames[0].Punkte[1].X = 200;
    FigurStarten(*t.a, t.s, 6, 2, 0); // side C
    t.routine();
    EXPECT_EQ(t.liste(1).anzahl(), 0);
    ASSERT_EQ(t.liste(0).anzahl(), 15);
    t.starten(0); // figure 1 on side A
    t.routine();
    ASSERT_EQ(t.liste(0).anzahl(), 30);
    EXPECT_EQ(t.liste(0)[8].X, 80); // side A first
    EXPECT_EQ(t.liste(0)[23].X, 160);
}

TEST(AusgabeRoutine, IntensityRules) {
    Pipeline t;
    t.geraet(0);
    t.geraet(1);
    t.a->Farben.geraete[1].Intensitaet_gleich_HellsteFarbe = true;
    t.figur({{0, 0, kWeiss, 0},
             {0, 0, FarbIndexAusRGB(255, 0, 0), 0},
             {0, 0, FarbIndexAusRGB(0, 136, 0), 0},
             {0, 0, -1, 0}});
    t.starten();
    t.routine();
    auto intensitaet = [&](int d, long i) { return t.liste(d)[7 + i].I; };
    EXPECT_EQ((std::vector<int>{intensitaet(0, 1), intensitaet(0, 2), intensitaet(0, 3),
                                intensitaet(0, 4), intensitaet(1, 3)}),
              (std::vector<int>{51 + 63 + 85 + 56, 51 + 56, 34 + 56, 0, 136}));
}

TEST(AusgabeRoutine, ShowSizeClampBlanksOrKeepsByFigureSetting164) {
    Pipeline t;
    t.geraet(0);
    t.a->Geometrie[0].ShowGroeseX = 2;
    Figur& f = t.figur({{30000, 0, kWeiss, 0}});
    t.starten();
    t.routine();
    EXPECT_EQ(t.liste(0)[8].X, 32767);
    EXPECT_EQ(t.liste(0)[8].R, 0); // setting 164 = 0: dark at the edge
    f.Parameter[164] = 1;
    t.routine();
    EXPECT_EQ(t.liste(0)[8].R, 255);
}

TEST(AusgabeRoutine, EffectsTransformThePoint) {
    Pipeline t;
    t.geraet(0);
    t.a->Geometrie[0].ShowGroeseX = t.a->Geometrie[0].ShowGroeseY = 1;
    t.figur({{10000, 0, kWeiss, 0}});
    t.starten();
    auto& E = t.a->Effekt.EffektWerte[0];
    auto punkt = [&] {
        t.routine();
        return std::pair{t.liste(0)[8].X, t.liste(0)[8].Y};
    };
    EXPECT_EQ(punkt(), (std::pair{10000, 0}));
    E[0] = 63.5; // half size
    EXPECT_EQ(punkt(), (std::pair{5000, 0}));
    E[0] = 127;
    E[1] = 90; // plane rotation by the negated angle
    EXPECT_EQ(punkt(), (std::pair{0, -10000}));
    E[1] = 0;
    E[2] = 2; // stretch about the stretch centre
    E[7] = 0.1;
    EXPECT_EQ(punkt().first, ganzzahl(2 * (10000 - 3276.7) + 3276.7));
    E[2] = 1;
    E[7] = 0;
    E[11] = 0.25; // offset 2 x value x 32767
    EXPECT_EQ(punkt().first, 10000 + 16384);
    E[11] = 0;
    E[15] = 60; // turned about the Y axis: cos 60 in the picture, with perspective
    auto [x, y] = punkt();
    const double z2 = std::sin(60 * 0.017453292519943278) * 10000;
    EXPECT_EQ(x, ganzzahl(654000 / (z2 + 654000) * 5000)); // started figure: 654000
    EXPECT_EQ(y, 0);
    E[4] = 0; // red at half level
    E[15] = 0;
    t.routine();
    EXPECT_EQ(std::tuple(t.liste(0)[8].R, t.liste(0)[8].G), std::tuple(128, 255));
}

TEST(AusgabeRoutine, CopyGridPlacesCopiesAndJumpsBetweenThem) {
    Pipeline t;
    t.geraet(0);
    t.a->Geometrie[0].ShowGroeseX = t.a->Geometrie[0].ShowGroeseY = 1;
    t.a->Optimierung[0].MinimumFrameStartPunkte = 0;
    t.a->Optimierung[0].MinimumFrammeEndPunkte = 0;
    Figur& f = t.figur({{1000, 0, kWeiss, 0}});
    f.Parameter[180] = 2;
    f.Parameter[181] = 1;
    f.Parameter[182] = 50;
    f.Parameter[183] = 10000;
    f.Parameter[185] = 1;
    t.starten();
    t.routine();
    const auto& l = t.liste(0);
    ASSERT_EQ(l.anzahl(), 3);
    EXPECT_EQ(l[1].X, -5000 - 500); // copy 1: sign -1, offset 0.5, mirrored
    EXPECT_EQ(l[2], (Listenpunkt{l[1].X, 0, 0, 0, 0, 0, l[1].Strecke})); // the jump
    EXPECT_EQ(l[3].X, 5000 + 500); // copy 2: sign +1, offset (3 \ 2) - 0.5 = 0.5

    f.Parameter[180] = 3; // odd count: 0, -1, +1 spacings
    f.Parameter[185] = 0;
    t.routine();
    ASSERT_EQ(l.anzahl(), 5);
    EXPECT_EQ(std::tuple(l[1].X, l[3].X, l[5].X), std::tuple(500, 10000 + 500, -10000 + 500));
}

TEST(AusgabeRoutine, HalfMaskingAndColoursOutsideTheByteRange) {
    Pipeline t;
    t.geraet(0);
    Figur& f = t.figur({{-100, 0, kWeiss, 0}, {100, 0, kWeiss, 0}});
    f.Parameter[167] = 3; // hide x < 0
    t.p.Farbpalette[4095] = RGB{300, -5, 255};
    ausgabeVorbereiten(*t.a, t.p);
    t.starten();
    t.routine();
    const auto& l = t.liste(0);
    EXPECT_TRUE(l[8].R == 0 && l[9].R == 255 && l[9].G == 0); // clamped, not lost
}
