// The effects window's rows: readable units, the tracks a control writes, start values absolute
// and relative, and the copying of exactly the chosen rows onto exactly the chosen tracks.

#include "output/Effektzeilen.h"
#include "TestHilfe.h"

#include <cmath>
#include <vector>

using namespace sw;

TEST(Effektzeilen, ReadableUnitsRoundTripAndNameTheTablesNeutralValues) {
    // neutral values: size 127 is 100 %, stretch 1 is 100 %, level 1 is 100 %, 0 elsewhere
    // (offset 11: 2 x 0.5 x 32767 is the picture's half width)
    for (auto [p, wert, anzeige] : {std::tuple{0, 127.0, 100.0},
                                    {2, 1.0, 100.0},
                                    {3, -1.0, -100.0},
                                    {4, 1.0, 100.0},
                                    {5, -1.0, 0.0},
                                    {9, 0.25, 25.0},
                                    {11, 0.5, 100.0},
                                    {16, 90.0, 90.0}})
        EXPECT_DOUBLE_EQ(anzeigeWert(p, wert), anzeige) << p;
    for (int p = 0; p < kEffektParameter; ++p)
        for (double v : {-1.0, -0.3, 0.0, 0.7, 1.0, 127.0})
            EXPECT_NEAR(tabellenWert(p, anzeigeWert(p, v)), v, 1e-12) << p;
    // the slider ranges reach every table value the engine's limits allow
    for (int p : {0, 1, 2, 4, 7, 14}) {
        const EffektZeile z = effektZeile(p);
        const Effekte e;
        const auto i = static_cast<std::size_t>(p);
        EXPECT_LE(z.anzeigeMin, anzeigeWert(p, e.GrenzeMin[0][i]) + 1e-9) << p;
        EXPECT_GE(z.anzeigeMax, anzeigeWert(p, e.GrenzeMax[0][i]) - 1e-9) << p;
    }
    EXPECT_TRUE(effektZeile(13).art == EffektArt::Keine && effektZeile(20).art == EffektArt::Keine);
}

TEST(Effektzeilen, AutoValueInReadableUnits) {
    Effekte e;
    // a rotation of speed 10 with step 0.005: 1 degree per 20 ms, 50 degrees a second
    e.AutoWert[0][1] = 10;
    EXPECT_DOUBLE_EQ(autoAnzeige(e, 0, 1), 50);
    e.AutoModus[0][1] = 1;
    EXPECT_DOUBLE_EQ(autoAnzeige(e, 0, 1), 10); // gliding: the target in degrees
    // a stretch gliding with w = 127 goes to -1 (mirrored), with w = 0 to 1
    e.AutoModus[0][2] = 1;
    e.AutoWert[0][2] = 127;
    EXPECT_DOUBLE_EQ(autoAnzeige(e, 0, 2), -100);
    e.AutoWert[0][2] = 0;
    EXPECT_DOUBLE_EQ(autoAnzeige(e, 0, 2), 100);
    // an offset moving continuously at w = 127 with step 0.01: 1/127 x 127 x 0.01 x 1000 x 200 % /s
    e.AutoWert[0][11] = 127;
    EXPECT_DOUBLE_EQ(autoAnzeige(e, 0, 11), 2000);
    // a bounce that reversed the step shows the direction
    e.EffektSchritte[0][11] = -0.01;
    EXPECT_DOUBLE_EQ(autoAnzeige(e, 0, 11), -2000);
    EXPECT_EQ(autoAnzeige(e, 99, 1), 0);
    EXPECT_EQ(autoAnzeige(e, 0, 21), 0);
}

TEST(Effektzeilen, StartValueAbsoluteOrRelativeOnOneOrAllTracks) {
    Effekte e;
    EXPECT_EQ(effektSpuren(e, kAlleSpuren).size(), 14u); // -1 to 12
    EXPECT_EQ(effektSpuren(e, 5), std::vector<int>{5});
    EXPECT_TRUE(effektSpuren(e, 13).empty());

    e.EffektWerte[2][1] = 30;
    e.EffektWerte[3][1] = 100;
    startwertSetzen(e, kAlleSpuren, 1, 45, 0, true);
    EXPECT_EQ(std::tuple(e.EffektWerte[2][1], e.EffektWerte[3][1], e.EffektWerte[-1][1]),
              std::tuple(45.0, 45.0, 45.0));

    e.EffektWerte[3][1] = 100;
    startwertSetzen(e, kAlleSpuren, 1, 55, 45, false); // +10 on each, the difference stays
    EXPECT_EQ(std::tuple(e.EffektWerte[2][1], e.EffektWerte[3][1]), std::tuple(55.0, 110.0));

    // a single track in readable units: 50 % size is 63.5
    startwertSetzen(e, 4, 0, 50, 100, true);
    EXPECT_DOUBLE_EQ(e.EffektWerte[4][0], 63.5);
    EXPECT_EQ(e.EffektWerte[5][0], 127);
    // levels: 0 % is -1
    startwertSetzen(e, 4, 6, 0, 100, true);
    EXPECT_DOUBLE_EQ(e.EffektWerte[4][6], -1);
}

TEST(Effektzeilen, CopiesExactlyTheChosenRowsOntoTheChosenTracks) {
    Effekte e;
    const Effekte vorher;
    for (int p = 0; p < kEffektParameter; ++p) {
        const auto i = static_cast<std::size_t>(p);
        e.EffektWerte[1][i] = 100 + p;
        e.EffektSchritte[1][i] = -0.5;
        e.AutoModus[1][i] = 1;
        e.AutoWert[1][i] = 7;
        e.GrenzeMax[1][i] = 9;
        e.GrenzeMin[1][i] = -9;
        e.FlipFlop[1][i] = 1;
    }
    const int ziele[] = {0, 4, 11, 1, 40}; // the source itself and an unknown track are passed by
    const int parameter[] = {1, 4, 13, 16};
    effekteKopieren(e, 1, ziele, parameter);
    for (int t = -1; t <= 12; ++t)
        for (int p = 0; p < kEffektParameter; ++p) {
            if (t == 1) continue;
            const auto i = static_cast<std::size_t>(p);
            const bool kopiert = (t == 0 || t == 4 || t == 11) && (p == 1 || p == 4 || p == 16);
            SCOPED_TRACE(testing::Message() << "track " << t << " parameter " << p);
            EXPECT_EQ(e.EffektWerte[t][i], kopiert ? 100 + p : vorher.EffektWerte[t][i]);
            EXPECT_EQ(e.EffektSchritte[t][i], kopiert ? -0.5 : vorher.EffektSchritte[t][i]);
            EXPECT_EQ(e.AutoModus[t][i], kopiert ? 1 : 0);
            EXPECT_EQ(e.AutoWert[t][i], kopiert ? 7 : 0);
            EXPECT_EQ(e.GrenzeMax[t][i], kopiert ? 9 : vorher.GrenzeMax[t][i]);
            EXPECT_EQ(e.GrenzeMin[t][i], kopiert ? -9 : vorher.GrenzeMin[t][i]);
            EXPECT_EQ(e.FlipFlop[t][i], kopiert ? 1 : 0);
        }
    // the frame direction never travels
    EXPECT_EQ(e.EffektSchritte[4][13], 1);
    // an unknown source changes nothing
    Effekte f;
    effekteKopieren(f, 30, ziele, parameter);
    EXPECT_EQ(f.EffektWerte[0], vorher.EffektWerte[0]);
}
