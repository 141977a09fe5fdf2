// The output pipeline at full load: 12 tracks each showing a 1000-point frame on all four
// sides, 16 Virtual Devices (four per side), default path optimisation, non-linear colour
// curves and an audience zone. Reports emitted points per second and heap allocations per
// output cycle. The second run makes every tenth point a jump, whose way is blanked.

#include "output/Ausgabe.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allokationen{0};

struct Zaehler : sw::Geraeteschreiber {
    long punkte = 0;
    double summe = 0;
    void punkt(int, const sw::Ausgabepunkt& p) override {
        ++punkte;
        summe += p.X + p.R;
    }
};

struct Last {
    sw::SkriptDialoge dialoge;
    sw::EreignisPumpe pumpe;
    sw::TestUhr uhr;
    sw::Protokoll log{uhr};
    sw::Sprachtexte texte;
    sw::Umgebung env{dialoge, pumpe, uhr, log, texte};
    sw::FigurenSpeicher s;
    sw::Paletten p;
    std::unique_ptr<sw::AusgabeZustand> a = std::make_unique<sw::AusgabeZustand>();
    Zaehler schreiber;

    explicit Last(bool spruenge = false) {
        sw::FigurenErweitern(s, 1);
        sw::Figur& f = s.Figuren[1];
        f.Parameter[398] = 1;
        auto& punkte = f.Frames[0].Punkte;
        for (int i = 0; i < 1000; ++i) {
            const double w = 2 * 3.14159265358979 * i / 1000;
            const int farbe = (i / 50) % 6;
            const std::int32_t index[6] = {0xF00, 0x0F0, 0x00F, 0xFF0, 0x0FF, 0xFFF};
            punkte.push_back(sw::Punkt{static_cast<std::int16_t>(20000 * std::cos(w)),
                                       static_cast<std::int16_t>(20000 * std::sin(3 * w)),
                                       index[farbe],
                                       static_cast<std::uint8_t>(spruenge && i % 10 == 0 ? 4
                                                                 : i % 50 == 0           ? 3
                                                                                         : 0)});
        }
        a->Schreiber[sw::geraetetyp::VirtuellesGeraet] = &schreiber;
        for (int d = 0; d < sw::kGeraete; ++d) {
            a->Geraetetyp[static_cast<std::size_t>(d)] = sw::geraetetyp::VirtuellesGeraet;
            a->SpurZuordnung[static_cast<std::size_t>(d / 4)][static_cast<std::size_t>(d)] = true;
            auto& g = a->Farben.geraete[static_cast<std::size_t>(d)];
            g.midWert = {100, 140, 90};
            g.AudienceZone = {-20000, 20000, -32768, -10000};
            g.AudienceHelligkeit = 0.3;
        }
        sw::ausgabeVorbereiten(*a, p);
        for (int t = 0; t < sw::kSpurZahl; ++t) sw::FigurStarten(*a, s, t, 1, 0);
        a->Uhr.passdauer = 20;
    }
};

void zyklen(benchmark::State& state, bool spruenge) {
    Last last(spruenge);
    sw::Ausgabezyklus(*last.a, last.s, last.p, last.env); // warm-up: the lists reach their size
    // Allocations of 100 steady cycles, counted apart from the benchmark's own bookkeeping.
    const long allokVorher = allokationen.load();
    for (int i = 0; i < 100; ++i) sw::Ausgabezyklus(*last.a, last.s, last.p, last.env);
    const double allokProZyklus = static_cast<double>(allokationen.load() - allokVorher) / 100;
    const long vorher = last.schreiber.punkte;
    for (auto _ : state) sw::Ausgabezyklus(*last.a, last.s, last.p, last.env);
    const long punkte = last.schreiber.punkte - vorher;
    benchmark::DoNotOptimize(last.schreiber.summe);
    state.counters["points_per_second"] =
        benchmark::Counter(static_cast<double>(punkte), benchmark::Counter::kIsRate);
    state.counters["points_per_cycle"] =
        static_cast<double>(punkte) / static_cast<double>(state.iterations());
    state.counters["allocations_per_cycle"] = allokProZyklus;
}

void Ausgabezyklus(benchmark::State& state) {
    zyklen(state, false);
}

void AusgabezyklusMitSpruengen(benchmark::State& state) {
    zyklen(state, true);
}

} // namespace

// Counting allocations: every allocation of the program goes through here.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
    allokationen.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

BENCHMARK(Ausgabezyklus)->Unit(benchmark::kMillisecond);
BENCHMARK(AusgabezyklusMitSpruengen)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
