#include "Pipeline.h"

using namespace sw;
using sw::test::dunkel;
using sw::test::Pipeline;

namespace {

// What the dump sees: every point handed to a writer, per device.
struct Mitschnitt : Punktbeobachter {
    std::map<int, std::vector<Ausgabepunkt>> punkte;
    void punkt(int d, const Ausgabepunkt& p) override { punkte[d].push_back(p); }
};

bool hell(const std::vector<Ausgabepunkt>& pts) {
    return std::any_of(pts.begin(), pts.end(), [](const Ausgabepunkt& p) { return !dunkel(p); });
}

// Two devices on side A playing a lit square, recorded per cycle.
struct Zwei : Pipeline {
    Mitschnitt dump;
    Zwei() {
        geraet(0);
        geraet(1);
        a->Beobachter = &dump;
        figur({{-8000, -8000, 4095, 0},
               {8000, -8000, 4095, 0},
               {8000, 8000, 4095, 0},
               {-8000, 8000, 4095, 0}});
        starten();
    }
    void naechster() {
        schreiber.punkte.clear();
        dump.punkte.clear();
        zyklus();
    }
};

} // namespace

TEST(Hauptschalter, BlackoutDarkensEveryDeviceInTheNextCycleAtTheSamePositions) {
    Zwei t;
    t.naechster();
    ASSERT_TRUE(hell(t.schreiber.punkte[0]) && hell(t.schreiber.punkte[1]));
    const auto vorher = t.schreiber.punkte[0];

    t.a->Haupt.Blackout = true;
    t.naechster();
    for (int d : {0, 1}) {
        ASSERT_FALSE(t.schreiber.punkte[d].empty()) << d; // the devices keep streaming
        EXPECT_EQ(t.schreiber.gesendet[d], 2) << d;
        for (const auto& p : t.schreiber.punkte[d]) EXPECT_TRUE(dunkel(p)) << d;
        for (const auto& p : t.dump.punkte[d]) EXPECT_TRUE(dunkel(p)) << d;
    }
    // the scanners keep their path: no jump to a park position
    const auto& jetzt = t.schreiber.punkte[0];
    ASSERT_EQ(jetzt.size(), vorher.size());
    for (std::size_t i = 0; i < jetzt.size(); ++i)
        EXPECT_TRUE(jetzt[i].X == vorher[i].X && jetzt[i].Y == vorher[i].Y) << i;

    t.a->Haupt.Blackout = false;
    t.naechster();
    EXPECT_TRUE(hell(t.schreiber.punkte[0]) && hell(t.schreiber.punkte[1]));
}

TEST(Hauptschalter, DisarmedSendsNothingLitWhateverAsksForLight) {
    Zwei t;
    t.a->Haupt.LaserFreigabe = false;
    t.naechster();
    for (int d : {0, 1}) {
        ASSERT_FALSE(t.dump.punkte[d].empty());
        for (const auto& p : t.dump.punkte[d]) EXPECT_TRUE(dunkel(p)) << d;
    }
    // neither the show-blanked rule nor the colour measurement pattern lights a disarmed laser
    t.a->checkShowBlank[0] = true;
    t.a->Farbmessmodus = true;
    t.a->GemessenesGeraet = 1;
    t.figur({});
    t.naechster();
    for (int d : {0, 1}) {
        ASSERT_FALSE(t.schreiber.punkte[d].empty());
        for (const auto& p : t.schreiber.punkte[d]) EXPECT_TRUE(dunkel(p)) << d;
    }
    // the operator arms: the same cycle lights up again
    t.a->Haupt.LaserFreigabe = true;
    t.naechster();
    EXPECT_TRUE(hell(t.schreiber.punkte[0]) && hell(t.schreiber.punkte[1]));
}

TEST(Hauptschalter, BrightnessScalesTheColoursAfterTheCurves) {
    Pipeline t;
    t.a->Geraetetyp[0] = geraetetyp::VirtuellesGeraet;
    // a bent red curve: 128 comes out as 200
    t.a->Farben.geraete[0].midWert[0] = 200;
    alleFarbenKorrigieren(t.a->Farben, t.p);
    const auto& kurve = t.a->Farben.geraete[0].kurven[0];
    ASSERT_EQ(kurve[128], 200);
    ASSERT_NE(kurve[64], 100); // scaling before the curve would give another value

    t.a->Haupt.Helligkeit = 0.5;
    DeviceAuswahl(*t.a, 0, Ausgabepunkt{1000, 2000, 128, 128, 255, 255});
    const auto& p = t.schreiber.punkte[0].at(0);
    EXPECT_EQ(std::tuple(p.X, p.Y, p.R, p.G, p.B, p.I),
              std::tuple(1000.0, 2000.0, 100.0, 64.0, 127.5, 127.5));

    // over a whole cycle every point is half of what full brightness gives
    t.geraet(0);
    t.figur({{0, 0, 4095, 0}, {5000, 0, 4095, 0}});
    t.starten();
    const auto zyklus = [&](double helligkeit) {
        t.schreiber.punkte.clear();
        t.a->Haupt.Helligkeit = helligkeit;
        t.zyklus();
        return t.schreiber.punkte[0];
    };
    const auto voll = zyklus(1);
    ASSERT_TRUE(hell(voll));
    const auto halb = zyklus(0.5);
    ASSERT_EQ(halb.size(), voll.size());
    for (std::size_t i = 0; i < voll.size(); ++i)
        EXPECT_EQ(std::tuple(halb[i].R, halb[i].G, halb[i].B, halb[i].I),
                  std::tuple(voll[i].R / 2, voll[i].G / 2, voll[i].B / 2, voll[i].I / 2))
            << i;
    // 0 % is dark, values outside 0 to 1 are kept within
    EXPECT_FALSE(hell(zyklus(0)));
    const auto mehr = zyklus(3);
    ASSERT_EQ(mehr.size(), voll.size());
    for (std::size_t i = 0; i < voll.size(); ++i) EXPECT_EQ(mehr[i].R, voll[i].R);
}

TEST(Hauptschalter, SettingsArmOnlyWhenAskedAndKeepTheBrightness) {
    test::Einstellungsdatei d;
    auto& e = d.e;

    // nothing stored: disarmed at full brightness, and a blackout left over is cleared
    Hauptschalter h;
    h.Blackout = true;
    hauptschalterLaden(h, e);
    EXPECT_TRUE(!h.LaserFreigabe && !h.Blackout && h.Helligkeit == 1);

    h.Helligkeit = 0.4;
    hauptschalterSpeichern(h, e);
    EXPECT_EQ(d.lesen("Laser", "Helligkeit"), "400000");
    EXPECT_FALSE(d.lesen("Laser", "FreigabeBeimStart").has_value());
    e.zahlSchreiben("Laser", "FreigabeBeimStart", 1);
    Hauptschalter g;
    hauptschalterLaden(g, e);
    EXPECT_TRUE(g.LaserFreigabe);
    EXPECT_NEAR(g.Helligkeit, 0.4, 1e-6);

    for (auto [gespeichert, erwartet] : {std::pair{250, 1.0}, std::pair{-5, 0.0}}) {
        e.zahlSchreiben("Laser", "Helligkeit", gespeichert);
        hauptschalterLaden(g, e);
        EXPECT_EQ(g.Helligkeit, erwartet) << gespeichert;
    }
}
