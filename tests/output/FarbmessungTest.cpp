// The automatic colour correction: the measuring pattern, the fit from the operator's marks and
// the procedure's effect on the output state and the device's colour settings.

#include "output/Farbmessung.h"
#include "Pipeline.h"
#include "TestHilfe.h"

#include <algorithm>
#include <cmath>

using namespace sw;

TEST(Farbmessung, MeasuringPatternHasFortyOneRingsOfPointsTenDegreesApart) {
    Rohliste liste;
    Messmuster(liste, 40, 0, 0);
    // radius 2000 to 5000 in steps of 75: 41 rings; 0 to 360 degrees in steps of 10: 37 points,
    // the last closing the ring on the first
    ASSERT_EQ(liste.anzahl(), 41 * 37);
    for (long i = 1; i <= liste.anzahl(); ++i) {
        const Listenpunkt& p = liste[i];
        const long ring = (i - 1) / 37, imRing = (i - 1) % 37;
        EXPECT_NEAR(std::hypot(p.X, p.Y), 2000 + 75 * ring, 1) << i;
        EXPECT_TRUE(p.R == 40 && p.G == 0 && p.I == 40) << i;
        EXPECT_EQ(p.Strecke, imRing != 0) << i; // each ring is reached dark, then drawn
        if (imRing > 0) {
            const Listenpunkt& q = liste[i - 1];
            double w = std::atan2(p.Y, p.X) - std::atan2(q.Y, q.X);
            w = std::remainder(w, 2 * M_PI) * 180 / M_PI;
            EXPECT_NEAR(w, 10, 0.05) << i;
        }
    }
    EXPECT_NEAR(std::hypot(liste[liste.anzahl()].X, liste[liste.anzahl()].Y), 5000, 1);
}

TEST(Farbmessung, CurveFittedFromTheMarks) {
    // visible at 21, full from 230, no half mark: a straight line from 20 to 230
    auto k = kurveAnpassen({21, std::nullopt, 230});
    ASSERT_TRUE(k);
    EXPECT_EQ(*k, (Kurvenpunkte{20, 230, 128, 125})); // 20 + 210 x 128 / 255 = 125.4
    // with a half mark the curve passes through it
    k = kurveAnpassen({21, 90, 230});
    ASSERT_TRUE(k);
    EXPECT_EQ(*k, (Kurvenpunkte{20, 230, 128, 90}));
    GeraeteFarben g;
    const auto bauen = [&g](const Kurvenpunkte& kp) {
        g.Steigung[0] = (kp.maximum - kp.minimum) / 255.0;
        g.Offset[0] = kp.minimum;
        g.midPosition[0] = kp.midPosition;
        g.midWert[0] = kp.midWert;
        return farbkurvenBauen(g) && std::is_sorted(g.kurven[0].begin(), g.kurven[0].end());
    };
    EXPECT_TRUE(bauen(*k));
    EXPECT_EQ(std::tuple(g.kurven[0][0], g.kurven[0][128], g.kurven[0][255]),
              std::tuple(20, 90, 230));
    // a half mark that would make the curve overshoot and fall is moved towards the line
    k = kurveAnpassen({1, 195, 200});
    ASSERT_TRUE(k);
    EXPECT_EQ(std::tuple(k->minimum, k->maximum), std::tuple(0, 200));
    EXPECT_TRUE(k->midWert < 195 && k->midWert > 100) << k->midWert;
    EXPECT_TRUE(bauen(*k));
    // one step further towards the line would still rise: the fit moved no more than needed
    g.midWert[0] = k->midWert + 1;
    ASSERT_TRUE(farbkurvenBauen(g));
    EXPECT_FALSE(std::is_sorted(g.kurven[0].begin(), g.kurven[0].end()));
    // missing or contradictory marks give nothing
    EXPECT_FALSE(kurveAnpassen({std::nullopt, std::nullopt, 200}));
    EXPECT_FALSE(kurveAnpassen({30, std::nullopt, std::nullopt}));
    EXPECT_FALSE(kurveAnpassen({200, std::nullopt, 200}));
    EXPECT_FALSE(kurveAnpassen({200, std::nullopt, 100}));
}

TEST(Farbmessung, ProcedureDrivesTheMeasuringModeAndTakesTheFittedChannels) {
    AusgabeZustand a;
    Paletten p;
    Farbmessung m;
    messungStarten(a, m, 3);
    EXPECT_TRUE(a.Farbmessmodus && a.GemessenesGeraet == 3);
    EXPECT_EQ(a.Messfarbe, (std::array<std::int16_t, 3>{0, 0, 0}));
    for (int i = 0; i < 4; ++i) messpegelSchritt(a, m, 1);
    EXPECT_EQ(a.Messfarbe, (std::array<std::int16_t, 3>{20, 0, 0}));
    markieren(m, Marke::Sichtbar);
    messpegelSetzen(a, m, 300); // held at 255
    EXPECT_EQ(m.pegel, 255);
    messpegelSetzen(a, m, 240);
    markieren(m, Marke::Voll);
    ASSERT_TRUE(naechsterKanal(a, m));
    EXPECT_EQ(a.Messfarbe, (std::array<std::int16_t, 3>{0, 0, 0}));
    messpegelSetzen(a, m, 35);
    EXPECT_EQ(a.Messfarbe, (std::array<std::int16_t, 3>{0, 35, 0}));
    markieren(m, Marke::Sichtbar); // green gets no full mark: it keeps its values
    ASSERT_TRUE(naechsterKanal(a, m));
    messpegelSetzen(a, m, 10);
    markieren(m, Marke::Sichtbar);
    messpegelSetzen(a, m, 60);
    markieren(m, Marke::Halb);
    messpegelSetzen(a, m, 200);
    markieren(m, Marke::Voll);
    EXPECT_FALSE(naechsterKanal(a, m));

    auto& g = a.Farben.geraete[3];
    g.TTL_Gesetzt[2] = 1;
    const auto genommen = messungUebernehmen(a, m, p);
    EXPECT_EQ(genommen, (std::array<bool, 3>{true, false, true}));
    EXPECT_TRUE(!a.Farbmessmodus && a.GemessenesGeraet == -1 && !m.laeuft);
    EXPECT_EQ(g.minimum, (std::array<int, 3>{19, 0, 9}));
    EXPECT_EQ(g.maximum, (std::array<int, 3>{240, 255, 200}));
    EXPECT_EQ(g.midWert[2], 60);
    EXPECT_EQ(g.TTL_Gesetzt[2], 0); // a measured channel is a curve, not a switch
    // the curves were rebuilt
    EXPECT_EQ(std::tuple(g.kurven[0][0], g.kurven[0][255], g.kurven[2][128], g.kurven[1][100]),
              std::tuple(19, 240, 60, 100));

    // cancelling leaves every setting as it was
    messungStarten(a, m, 0);
    messpegelSetzen(a, m, 50);
    markieren(m, Marke::Sichtbar);
    messpegelSetzen(a, m, 100);
    markieren(m, Marke::Voll);
    messungAbbrechen(a, m);
    EXPECT_FALSE(a.Farbmessmodus);
    EXPECT_EQ(a.Farben.geraete[0].minimum[0], 0);
    EXPECT_EQ(messungUebernehmen(a, m, p), (std::array<bool, 3>{}));
}

TEST(Farbmessung, TheMeasuredDeviceShowsThePatternAloneAndRaw) {
    test::Pipeline t;
    t.geraet(0);
    t.geraet(1);
    t.figur({{-8000, -8000, 4095, 0}, {8000, 8000, 4095, 0}});
    t.starten();
    // device 1's curves would change every level; the measurement sends them raw
    auto& g = t.a->Farben.geraete[1];
    g.minimum = {100, 100, 100};
    FarbenKorrigieren(t.a->Farben, t.p, 1);
    Farbmessung m;
    messungStarten(*t.a, m, 1);
    messpegelSetzen(*t.a, m, 40);
    t.zyklus();
    const auto& mess = t.schreiber.punkte[1];
    ASSERT_GE(mess.size(), 41u * 37u);
    long hell = 0;
    for (const auto& p : mess)
        if (!test::dunkel(p)) {
            ++hell;
            EXPECT_TRUE(p.R == 40 && p.G == 0 && p.B == 0);
            // on a ring, never the figure's diagonal inside radius 2000
            EXPECT_NEAR(std::hypot(p.X - 32767, p.Y - 32767), 3500, 1501);
        }
    EXPECT_GE(hell, 41 * 36);
    // the other device goes on playing the figure
    EXPECT_LT(t.schreiber.punkte[0].size(), 200u);
    EXPECT_TRUE(std::any_of(t.schreiber.punkte[0].begin(), t.schreiber.punkte[0].end(),
                            [](const Ausgabepunkt& p) { return !test::dunkel(p); }));
    // after the measurement device 1 plays the figure again
    messungAbbrechen(*t.a, m);
    t.schreiber.punkte.clear();
    t.zyklus();
    EXPECT_LT(t.schreiber.punkte[1].size(), 200u);
}
