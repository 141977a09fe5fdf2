// A figure played for 60 seconds of program time on sixteen emulated devices of mixed kinds.

#include "Anlage.h"
#include "devices/Punktformate.h"

#include <cmath>

using namespace sw;
using sw::test::Anlage;

namespace {

// Collects the points the hand-over gives each device in the current cycle.
struct Ausgegeben : Punktbeobachter {
    std::array<std::vector<Ausgabepunkt>, kGeraete> punkte;
    void punkt(int d, const Ausgabepunkt& p) override {
        punkte[static_cast<std::size_t>(d)].push_back(p);
    }
};

Ausgabepunkt dekodieren(std::size_t groesse, const std::uint8_t* r) {
    switch (groesse) {
    case format::kLumax:
        return format::lumaxDekodieren(r);
    case format::kJmLaser:
        return format::jmLaserDekodieren(r);
    case format::kRiya:
        return format::riyaDekodieren(r);
    default:
        return format::mlDriverDekodieren(r);
    }
}

} // namespace

TEST(SechzigSekunden, SixteenMixedDevicesKeepTheirPaceAndGetWhatThePipelineEmitted) {
    Anlage t("lumax:6,jmlaser:5,riya:4,ml:1");
    std::vector<std::string> namen;
    for (auto [art, n] : {std::pair{"Lumax Emu ", 6}, {"JMLaser Emu ", 5}, {"Riya Multibus", 4}})
        for (int k = 1; k <= n; ++k) namen.push_back(art + std::to_string(k));
    namen.push_back("ML 0 EmuML");
    for (int d = 0; d < kGeraete; ++d) {
        t.zuordnen(d, namen[static_cast<std::size_t>(d)], 8000 + 2000 * d);
        t.a->SpurZuordnung[static_cast<std::size_t>(d % kSeiten)][static_cast<std::size_t>(d)] =
            true;
    }
    // The figure on all four sides, turning.
    std::vector<Punkt> punkte;
    for (int i = 0; i < 60; ++i) {
        const double w = 6.283185307179586 * i / 60;
        punkte.push_back(Punkt{static_cast<std::int16_t>(15000 * std::cos(w)),
                               static_cast<std::int16_t>(15000 * std::sin(w)),
                               i % 10 == 0 ? -1 : 0xF00 + (i % 16), 0});
    }
    t.figur(punkte);
    Ausgegeben ausgegeben;
    t.a->Beobachter = &ausgegeben;
    t.starten();
    for (int seite = 1; seite < kSeiten; ++seite) FigurStarten(*t.a, t.s, 3 * seite, 1, 0);
    t.a->Effekt.AutoWert[0][1] = 30;

    // Every frame a device takes must hold exactly the points emitted for it in that cycle.
    std::array<long, kGeraete> geprueft{};
    std::array<double, kGeraete> frei{};
    auto pruefen = [&](int d, const emu::EmuGeraet& g, const emu::EmuFrame& f) {
        EXPECT_GE(f.zeit + 1e-9, frei[static_cast<std::size_t>(d)]) << g.name; // not while busy
        frei[static_cast<std::size_t>(d)] = f.zeit + static_cast<double>(f.punkte) / f.pps;
        const auto& erwartet = ausgegeben.punkte[static_cast<std::size_t>(d)];
        ASSERT_GT(f.punkte, 0);
        const std::size_t groesse = f.records.size() / static_cast<std::size_t>(f.punkte);
        ASSERT_LE(static_cast<std::size_t>(f.punkte), erwartet.size());
        for (int i = 0; i < f.punkte; ++i) {
            const Ausgabepunkt p =
                dekodieren(groesse, f.records.data() + static_cast<std::size_t>(i) * groesse);
            const Ausgabepunkt& e = erwartet[static_cast<std::size_t>(i)];
            const double raster = groesse == format::kRiya || groesse == format::kMlDriver ? 16 : 1;
            for (auto [ist, soll] : {std::pair{p.X, e.X}, {p.Y, e.Y}})
                ASSERT_NEAR(ist, std::floor(std::nearbyint(soll) / raster) * raster,
                            raster == 1 ? 0.5 : 0)
                    << g.name;
            ASSERT_NEAR(p.R, e.R, 0.5) << g.name;
            ASSERT_NEAR(p.I, e.I, 0.5) << g.name;
        }
        ++geprueft[static_cast<std::size_t>(d)];
    };
    // The emulated devices in the order of the logical devices they play on.
    std::vector<emu::EmuGeraet*> geraete;
    for (auto* liste :
         {&t.lumax().geraete, &t.jmlaser().geraete, &t.riya().geraete, &t.ml().geraete})
        for (auto& g : *liste) geraete.push_back(&g);
    ASSERT_EQ(geraete.size(), static_cast<std::size_t>(kGeraete));
    for (int d = 0; d < kGeraete; ++d)
        geraete[static_cast<std::size_t>(d)]->beiFrame =
            [&, d](const emu::EmuGeraet& g, const emu::EmuFrame& f) { pruefen(d, g, f); };

    const double passMs = 4;
    for (int i = 0; i < 60000 / passMs; ++i) {
        for (auto& v : ausgegeben.punkte) v.clear();
        t.durchlauf(passMs);
    }
    for (auto* g : geraete) g->beiFrame = nullptr;
    AbspielenStoppen(*t.a);

    for (int d = 0; d < kGeraete; ++d) {
        const emu::EmuGeraet* g = geraete[static_cast<std::size_t>(d)];
        SCOPED_TRACE(g->name);
        // Frames come at the pace the points per second allow: the device is busy for a frame's
        // points and takes the next one at the first pass after that.
        const double pps = 8000 + 2000 * d;
        const double frameSekunden = static_cast<double>(g->punkte) / g->frames / pps;
        EXPECT_GE(g->frames, static_cast<long>(60 / (frameSekunden + passMs / 1000) - 1));
        EXPECT_LE(g->frames, static_cast<long>(60 / frameSekunden + 2));
        EXPECT_EQ(geprueft[static_cast<std::size_t>(d)] + 1, g->frames); // all but the blank one
        EXPECT_TRUE(d >= 11 || g->abgewiesen == 0); // the ready check keeps frames back
        // The last frame before the stop is blanked, on every wire format.
        ASSERT_FALSE(g->letzte.empty());
        const auto& letzter = g->letzte.back();
        const std::size_t groesse =
            letzter.records.size() / static_cast<std::size_t>(letzter.punkte);
        for (int i = 0; i < letzter.punkte; ++i) {
            const Ausgabepunkt p =
                dekodieren(groesse, letzter.records.data() + static_cast<std::size_t>(i) * groesse);
            EXPECT_EQ(p.R + p.G + p.B + p.I, 0);
        }
        EXPECT_TRUE(g->stopps == 1 && !g->laeuft);
    }
    EXPECT_EQ(t.jmlaser().geraete[0].starts, 1);
    EXPECT_FALSE(t.g.ausgabeLaeuft);
}
