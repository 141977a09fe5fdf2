// The simulation's share of an output cycle: 16 devices drawing 2,000 points each go into the
// simulation point list and become the vertex arrays of both display lists. The aim is well
// under a millisecond per cycle, so the simulation never slows the output.

#include "simulation/SimFeld.h"
#include "simulation/SimGeometrie.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kGeraete = 16;
constexpr int kPunkte = 2000;

// Every device draws a circle of its own size; every tenth point is a blanked move.
const std::vector<sw::SimEintrag>& ausgabepunkte() {
    static const std::vector<sw::SimEintrag> punkte = [] {
        std::vector<sw::SimEintrag> p;
        for (int d = 0; d < kGeraete; ++d)
            for (int i = 0; i < kPunkte; ++i) {
                const double w = 2 * 3.14159265358979 * i / kPunkte;
                const double r = 2000.0 * (d + 1);
                const double h = i % 10 == 0 ? 0 : 1;
                p.push_back({32767 + r * std::cos(w), 32767 + r * std::sin(w), 255 * h, 128 * h,
                             64 * h, 1000.0 * d - 8000, 0});
            }
        return p;
    }();
    return punkte;
}

void zyklusFuellen(std::vector<double>& liste, long& letzter) {
    letzter = sw::kSimLeer;
    for (const auto& p : ausgabepunkte()) sw::SIM_Feld(liste, letzter, p);
}

void BM_Punktliste(benchmark::State& state) {
    std::vector<double> liste;
    long letzter = sw::kSimLeer;
    for (auto _ : state) {
        zyklusFuellen(liste, letzter);
        benchmark::DoNotOptimize(liste.data());
    }
    state.SetItemsProcessed(state.iterations() * kGeraete * kPunkte);
}
BENCHMARK(BM_Punktliste)->Unit(benchmark::kMicrosecond);

void BM_Geometrie(benchmark::State& state) {
    std::vector<double> liste;
    long letzter = sw::kSimLeer;
    zyklusFuellen(liste, letzter);
    sw::SimAnzeige s;
    s.Sim_Beam = state.range(0) != 0;
    sw::SimGeometrie g;
    for (auto _ : state) {
        sw::simGeometrieBauen(liste.data(), letzter, s, g);
        benchmark::DoNotOptimize(g.Leinwand.alle().data());
    }
    state.counters["vertices"] =
        static_cast<double>(g.Strahlen.size() + g.Kanten.size() + g.Leinwand.size());
    state.SetItemsProcessed(state.iterations() * kGeraete * kPunkte);
}
BENCHMARK(BM_Geometrie)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
