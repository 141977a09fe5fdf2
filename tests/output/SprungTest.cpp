#include "Pipeline.h"
#include "core/Testbild.h"

#include <cmath>
#include <tuple>

using namespace sw;
using namespace sw::test;

namespace {

// A jump as the output routine makes it from a jump mark while real-time optimisation is on.
Listenpunkt sprung(int x, int y, std::int16_t r = 0, std::int16_t g = 255, std::int16_t b = 0) {
    Listenpunkt p{x, y, r, g, b, static_cast<std::int16_t>(r || g || b ? 119 : 0)};
    p.Sprung = true;
    return p;
}

bool gleich(const std::vector<Ausgabepunkt>& a, const std::vector<Ausgabepunkt>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].X != b[i].X || a[i].Y != b[i].Y || a[i].R != b[i].R || a[i].G != b[i].G ||
            a[i].B != b[i].B || a[i].I != b[i].I)
            return false;
    return true;
}

// The points from a lit start entry to the lit jump target after it, both included.
std::vector<Ausgabepunkt> sprungWeg(const Optimierungseinstellungen& o, Listenpunkt vor,
                                    Listenpunkt ziel) {
    auto a = walk(o, {vor, ziel});
    std::size_t ende = 1;
    while (ende < a.size() && dunkel(a[ende])) ++ende;
    a.resize(std::min(ende + 1, a.size()));
    return a;
}

} // namespace

TEST(Sprung, TheWayToALitTargetIsDark) {
    Optimierungseinstellungen o; // 3 dark points before, 5 after
    o.MaxStreckenLaenge = 30000;
    o.MaxStreckenLaengeGeblankt = 700;
    auto a = walk(o, {hell(1000, 0), sprung(4000, 0), hell(5000, 0)});
    // the start, 3 dark at it, 3000 / 700 rounded up = 5 steps of 600 (4 between), 5 dark at
    // the target, the target lit, the next point, the closing way back
    ASSERT_EQ(a.size(), 1u + 3 + 4 + 5 + 1 + 1 + 6);
    EXPECT_TRUE(a[0].X == 1000 && a[0].R == 255);
    for (std::size_t k = 1; k <= 12; ++k) {
        const double x = k <= 3 ? 1000 : k <= 7 ? 1000 + 600.0 * static_cast<double>(k - 3) : 4000;
        EXPECT_DOUBLE_EQ(a[k].X, x) << k;
        EXPECT_TRUE(dunkel(a[k])) << k;
    }
    EXPECT_TRUE(a[13].X == 4000 && a[13].G == 255 && a[13].I == 119);
    EXPECT_TRUE(a[14].X == 5000 && a[14].R == 255);
}

TEST(Sprung, NoDarkStepIsLongerThanTheLimit) {
    Optimierungseinstellungen o;
    o.MaxStreckenLaengeGeblankt = 800;
    // 1.4 limits, where the rounded step count of a segment would make one long step; an exact
    // multiple; a long diagonal; a limit below 1 counts as 1
    for (auto [x, y, grenze] : {std::tuple{1120, 0, 800.0}, std::tuple{0, 2400, 800.0},
                                std::tuple{-29011, 17003, 800.0}, std::tuple{7, -3, 0.0}}) {
        o.MaxStreckenLaengeGeblankt = grenze;
        auto a = sprungWeg(o, hell(100, 200), sprung(100 + x, 200 + y));
        ASSERT_GE(a.size(), 1u + 3 + 5 + 1);
        EXPECT_EQ(a.back().G, 255);
        EXPECT_EQ(a.back().X, 100 + x);
        for (std::size_t k = 1; k <= 3; ++k) EXPECT_TRUE(a[k].X == 100 && a[k].Y == 200);
        for (std::size_t k = a.size() - 6; k < a.size(); ++k)
            EXPECT_TRUE(a[k].X == 100 + x && a[k].Y == 200 + y);
        for (std::size_t k = 1; k < a.size(); ++k) {
            const double schritt = std::hypot(a[k].X - a[k - 1].X, a[k].Y - a[k - 1].Y);
            EXPECT_LE(schritt, std::max(grenze, 1.0) + 1e-9) << x << "," << y << " step " << k;
        }
        const double weg = std::hypot(x, y);
        EXPECT_EQ(static_cast<double>(a.size()),
                  1 + 3 + std::ceil(weg / std::max(grenze, 1.0)) - 1 + 5 + 1);
    }
    // a limit of 32767 or more means no limit: the beam jumps dark in one move
    o.MaxStreckenLaengeGeblankt = 32767;
    EXPECT_EQ(sprungWeg(o, hell(0, 0), sprung(30000, 0)).size(), 1u + 3 + 5 + 1);
}

TEST(Sprung, CountsOfZeroGiveTheOldStream) {
    Optimierungseinstellungen o;
    o.MaxStreckenLaenge = 1000;
    Listenpunkt farbwechsel = sprung(-9000, 4000, 255, 0, 0);
    farbwechsel.Farbwechsel = true;
    farbwechsel.Ecke = true;
    Listenpunkt weich = sprung(3000, 3000);
    weich.Weich = true;
    std::vector<Listenpunkt> mitSprung{
        hell(0, 0),     sprung(8000, 0), hell(9000, 0),           farbwechsel,
        hell(-9000, 0), weich,           sprung(0, 3000, 0, 0, 0)};
    std::vector<Listenpunkt> ohne = mitSprung; // as before jumps were blanked
    for (auto& p : ohne) p.Sprung = false;
    o.SprungDunkelVorher = 0;
    o.SprungDunkelNachher = 0;
    const auto alt = walk(o, ohne);
    EXPECT_TRUE(gleich(walk(o, mitSprung), alt));
    // the lit jump target follows its lit predecessor at once
    EXPECT_TRUE(alt[1].X == 8000 && alt[1].G == 255);

    // one count alone still blanks the way
    o.SprungDunkelNachher = 2;
    auto a = sprungWeg(o, hell(0, 0), sprung(8000, 0));
    ASSERT_EQ(a.size(), 1u + 9 + 2 + 1);
    EXPECT_TRUE(a[1].X == 800 && dunkel(a[1]) && a[10].X == 8000 && dunkel(a[11]));
}

TEST(Sprung, WhatIsNotBlanked) {
    Optimierungseinstellungen o;
    o.MaxStreckenLaenge = 30000;
    const auto unveraendert = [&](std::vector<Listenpunkt> e) {
        auto ohne = e;
        for (auto& p : ohne) p.Sprung = false;
        return gleich(walk(o, e), walk(o, ohne));
    };
    // a jump to a dark target: the dark entry's own steps already keep the way dark
    EXPECT_TRUE(unveraendert({hell(0, 0), sprung(9000, 0, 0, 0, 0), hell(9500, 0)}));
    // a jump that does not move the beam (the lead-in points sit on the first point)
    Listenpunkt vorlauf{5000, 5000};
    vorlauf.Strecke = true;
    EXPECT_TRUE(unveraendert({vorlauf, vorlauf, sprung(5000, 5000), hell(6000, 5000)}));
    // a lit jump without the mark (a test picture's point): drawn lit, emitted alone
    Listenpunkt testbild = sprung(9000, 0);
    testbild.Sprung = false;
    auto a = walk(o, {hell(0, 0), testbild});
    EXPECT_TRUE(a[1].X == 9000 && a[1].G == 255);
    // a faint colour whose intensity is 0 is lit all the same
    Listenpunkt schwach = sprung(9000, 0, 4, 0, 0);
    schwach.I = 0;
    EXPECT_EQ(sprungWeg(o, hell(0, 0), schwach).size(), 1u + 3 + 11 + 5 + 1);
}

TEST(Sprung, ABlankedJumpLightsNothingOnItsWay) {
    Optimierungseinstellungen o;
    o.MaxSoftColorAbstand = 500;
    Listenpunkt rot{1000, 0, 255, 0, 0, 107};
    rot.Strecke = true;
    // a colour-change jump: no repeats of the new colour on the predecessor
    Listenpunkt gruen = sprung(6000, 0);
    gruen.Farbwechsel = true;
    // a soft-colour jump: no lit fade from the predecessor
    Listenpunkt weich = sprung(6000, 0);
    weich.Weich = true;
    for (const Listenpunkt& ziel : {gruen, weich}) {
        auto a = sprungWeg(o, rot, ziel);
        ASSERT_GT(a.size(), 2u);
        for (std::size_t k = 1; k + 1 < a.size(); ++k) EXPECT_TRUE(dunkel(a[k])) << k;
        EXPECT_TRUE(a.back().X == 6000 && a.back().G == 255);
    }
}

TEST(Sprung, TheJumpMarkCountsWithRealTimeOptimisationOn) {
    Pipeline t;
    t.geraet(0);
    t.a->Optimierung[0].MinimumFrameStartPunkte = 0;
    t.a->Optimierung[0].MinimumFrammeEndPunkte = 0;
    Figur& f = t.figur({{0, 0, 4095, 4}, {1, 1, 4095, 6}, {2, 2, 4095, 3}});
    t.starten();
    const auto spruenge = [&] {
        t.routine();
        return std::vector<bool>{t.liste(0)[1].Sprung, t.liste(0)[2].Sprung, t.liste(0)[3].Sprung};
    };
    EXPECT_EQ(spruenge(), (std::vector<bool>{false, false, false}));
    f.Parameter[parameter::Echtzeitoptimierung] = 1;
    EXPECT_EQ(spruenge(), (std::vector<bool>{true, true, false}));
}

TEST(Sprung, TestPicturesDrawAsTheyDid) {
    const std::filesystem::path ordner = std::filesystem::path(STRAHLWERK_DATA_DIR) / "TestBilder";
    int bilder = 0;
    for (const auto& datei : std::filesystem::directory_iterator(ordner)) {
        if (datei.path().extension() != ".bin") continue;
        ++bilder;
        const auto strom = [&](int vorher, int nachher, bool optimierung) {
            Pipeline t;
            t.geraet(0);
            t.a->Optimierung[0].SprungDunkelVorher = vorher;
            t.a->Optimierung[0].SprungDunkelNachher = nachher;
            EXPECT_TRUE(TestbildLaden(t.s, t.u.env, 1, datei.path()));
            if (optimierung) t.s.Figuren[1].Parameter[parameter::Echtzeitoptimierung] = 1;
            t.starten();
            t.zyklus();
            return t.schreiber.punkte[0];
        };
        const auto alt = strom(0, 0, false);
        EXPECT_TRUE(gleich(strom(3, 5, false), alt)) << datei.path().filename();
        // with real-time optimisation on, its lit jumps would be blanked
        EXPECT_FALSE(gleich(strom(3, 5, true), alt)) << datei.path().filename();
    }
    EXPECT_EQ(bilder, 3);
}

TEST(Sprung, DarkCountsLoadAndSaveRoundTrip) {
    test::Einstellungsdatei d;
    auto& e = d.e;
    Optimierungseinstellungen o;
    o.SprungDunkelVorher = 2;
    o.SprungDunkelNachher = 0;
    optimierungSpeichern(o, e, 4);
    EXPECT_EQ(d.lesen("Optionen_Optimierung", "SprungDunkelVorher(4)"), "20000");

    const auto laden = [&](int geraet) {
        Optimierungseinstellungen b;
        optimierungLaden(b, e, geraet);
        return std::pair{b.SprungDunkelVorher, b.SprungDunkelNachher};
    };
    EXPECT_EQ(laden(4), (std::pair{2, 0}));
    EXPECT_EQ(laden(5), (std::pair{3, 5})); // a device without the keys keeps the defaults
    // counts are kept within 0 to 100
    e.zahlSchreiben("Optionen_Optimierung", "SprungDunkelVorher(4)", 50000);
    e.zahlSchreiben("Optionen_Optimierung", "SprungDunkelNachher(4)", -4);
    EXPECT_EQ(laden(4), (std::pair{100, 0}));
}
