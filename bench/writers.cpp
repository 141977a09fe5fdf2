// The device writers: records per second of each kind, converting output points into the
// vendor's record and appending them to the kind's frame buffer.

#include "devices/Treiber.h"

#include <benchmark/benchmark.h>

namespace {

struct Lauf {
    sw::SkriptDialoge dialoge;
    sw::EreignisPumpe pumpe;
    sw::TestUhr uhr;
    sw::Protokoll log{uhr};
    sw::Sprachtexte texte;
    sw::Umgebung env{dialoge, pumpe, uhr, log, texte};
    sw::Geraete g;
    sw::Dacausgabe dac{g, env};
};

void Schreiber(benchmark::State& state) {
    Lauf lauf;
    auto& w = lauf.dac.schreiber(static_cast<sw::Geraetetyp>(state.range(0)));
    std::vector<sw::Ausgabepunkt> punkte;
    for (int i = 0; i < 1000; ++i)
        punkte.push_back(sw::Ausgabepunkt{static_cast<double>(i * 61 % 65536),
                                          static_cast<double>(i * 37 % 65536), static_cast<double>(i % 256),
                                          static_cast<double>((i * 3) % 256), 0, 200});
    for (auto _ : state) {
        w.zyklusBeginn(0);
        for (const auto& p : punkte) w.punkt(0, p);
        benchmark::DoNotOptimize(w.daten());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(punkte.size()));
    state.SetLabel(sw::artName(w.typ()));
}

} // namespace

BENCHMARK(Schreiber)
    ->Arg(static_cast<int>(sw::Geraetetyp::Lumax))
    ->Arg(static_cast<int>(sw::Geraetetyp::JMLaser))
    ->Arg(static_cast<int>(sw::Geraetetyp::Riya))
    ->Arg(static_cast<int>(sw::Geraetetyp::MLDriver));
BENCHMARK_MAIN();
