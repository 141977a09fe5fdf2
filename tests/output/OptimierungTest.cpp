#include "Pipeline.h"

using namespace sw;
using namespace sw::test;

TEST(Optimierung, StepCountsRoundHalfToEvenAndLimitsGoByKindOfPoint) {
    Optimierungseinstellungen o;
    o.MaxStreckenLaenge = 1000;
    o.MaxStreckenLaengeGeblankt = 1000;
    // the closing entry sits on the first one, so the way into the first is of length 0
    auto a = walk(o, {hell(0, 0), hell(1500, 0)});
    ASSERT_EQ(a.size(), 1u + 2 + 2); // first, 2 steps, the closing entry back in 2 steps
    EXPECT_EQ(std::tuple(a[1].X, a[2].X), std::tuple(750.0, 1500.0));
    EXPECT_EQ(walk(o, {hell(0, 0), hell(2500, 0)}).size(), 1u + 2 + 2);
    EXPECT_EQ(walk(o, {hell(0, 0), hell(400, 0)}).size(), 1u + 1 + 1);
    o.MaxStreckenLaengeGeblankt = 500;
    // no segment and lit: emitted alone however far
    EXPECT_EQ(walk(o, {hell(0, 0), hell(30000, 0, false)}).size(), 1u + 1 + 60);
    // a dark entry is approached in steps of the blanked limit even without a segment
    auto b = walk(o, {hell(0, 0), Listenpunkt{3000, 0}});
    EXPECT_EQ(b.size(), 1u + 6 + 6);
    EXPECT_EQ(std::tuple(b[1].X, b[1].R), std::tuple(500.0, 0.0)); // the steps carry its colour
}

TEST(Optimierung, SoftColourFades) {
    Optimierungseinstellungen o;
    o.MaxSoftColorAbstand = 1000;
    Listenpunkt a = hell(0, 0);
    Listenpunkt b{4000, 0, 0, 100, 0, 100};
    b.Weich = true;
    auto pts = walk(o, {a, b});
    ASSERT_GE(pts.size(), 5u);
    EXPECT_EQ(std::tuple(pts[1].X, pts[1].R, pts[1].G),
              std::tuple(1000, 255 - 255 / 4.0, 255 - 155 / 4.0));
    EXPECT_EQ(std::tuple(pts[4].R, pts[4].G), std::tuple(0.0, 100.0));
}

TEST(Optimierung, CornerDwellAndTheOldColourAtAColourChange) {
    Optimierungseinstellungen o; // NewPointColorCount 4, AdCornerPoints 6
    auto zaehlen = [&](const std::vector<Ausgabepunkt>& a, double x) {
        return std::count_if(a.begin(), a.end(),
                             [&](const Ausgabepunkt& p) { return p.X == x && p.R == 255; });
    };
    Listenpunkt ecke = hell(5000, 0, false);
    ecke.Ecke = true;
    Listenpunkt danach = hell(9000, 0, false);
    EXPECT_EQ(zaehlen(walk(o, {hell(0, 0, false), ecke, danach}), 5000), 7);
    ecke.Farbwechsel = true;
    danach.R = 0;
    EXPECT_EQ(zaehlen(walk(o, {hell(0, 0, false), ecke, danach}), 5000), 7);

    // a colour change repeats the old colour at the previous position
    Listenpunkt rot{1000, 0, 255, 0, 0, 107};
    Listenpunkt gruen{2000, 0, 0, 255, 0, 119};
    gruen.Farbwechsel = true;
    auto a = walk(o, {rot, gruen});
    // rot, then 5 green points at rot's position, green, 5 new-colour repeats, closing entry
    ASSERT_GE(a.size(), 7u);
    for (std::size_t k = 1; k <= 5; ++k) EXPECT_TRUE(a[k].X == 1000 && a[k].G == 255) << k;
    EXPECT_EQ(a[6].X, 2000);
}

TEST(Optimierung, ClosingThroughTheCentre) {
    Optimierungseinstellungen o;
    o.GoMitte = true;
    auto a = walk(o, {hell(100, 100, false)});
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(std::tuple(a[0].X, a[0].I, a[1].X, a[2].X), std::tuple(0.0, 0.0, 100.0, 0.0));
    // in the measuring mode the path closes on its first point instead
    EXPECT_EQ(walk(o, {hell(100, 100, false)}, true).front().X, 100);
}

TEST(Optimierung, FillingOfEmptyLists) {
    Optimierungseinstellungen o;
    o.NoPointValue = {100, -200, 3000, 0};
    Rohliste l;
    SetzeMindestPunktzahl(o, 15, l);
    ASSERT_EQ(l.anzahl(), 2);
    EXPECT_EQ(l[1], (Listenpunkt{100, -200, 0, 0, 0, 0, true}));
    EXPECT_EQ(l[2], l[1]);
    o.NoPointStyle = 1;
    l.leeren();
    SetzeMindestPunktzahl(o, 15, l);
    ASSERT_EQ(l.anzahl(), 2);
    EXPECT_TRUE(l[2].Ecke && l[2].X == 3000);
    o.NoPointStyle = 2;
    SetzeMindestPunktzahl(o, 15, l);
    // c = 3000 x 1.5 x 3.1415 = 14136.75; step Int(32676 / 14137.75 x 15) = 34, at most 30
    EXPECT_EQ(l.anzahl(), (810 + 270) / 30 + 1);
    EXPECT_EQ(std::tuple(l[1].X, l[1].Y), std::tuple(100, -200 + 3000)); // at -270 degrees
    for (long i = 1; i <= l.anzahl(); ++i) EXPECT_EQ(l[i].I, 0);
    o.NoPointStyle = 7;
    l.leeren();
    SetzeMindestPunktzahl(o, 15, l);
    EXPECT_EQ(l.anzahl(), 0);
}
