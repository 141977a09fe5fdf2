// The sequence of a long show: 100,000 events on all twelve device groups. Loading the file,
// sorting it and computing the off times, each alone and the three together (the work of
// opening a show), in milliseconds.

#include "platform/Datei.h"
#include "show/SequenzDatei.h"
#include "show/SequenzOffTime.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace {

constexpr int kEvents = 100000;

sw::EventListe zufallsSequenz() {
    std::mt19937 zufall(4);
    std::uniform_real_distribution<double> zeit(0, 3.6e6); // an hour
    std::uniform_int_distribution<int> gruppe(0, 11), zeile(1, 19), taste(0, 2000);
    sw::EventListe e(kEvents + 1);
    for (int i = 1; i <= kEvents; ++i) {
        e[i].start = zeit(zufall);
        e[i].track = static_cast<std::uint8_t>(19 * gruppe(zufall) + zeile(zufall));
        e[i].kind = 143;
        e[i].key = e[i].value = static_cast<std::int16_t>(taste(zufall));
    }
    return e;
}

std::filesystem::path sequenzDatei() {
    static const std::filesystem::path datei = [] {
        auto p = std::filesystem::temp_directory_path() / "strahlwerk-bench-sequenz.seq";
        sw::atomarSchreiben(p, sw::sequenzKodieren(zufallsSequenz()));
        return p;
    }();
    return datei;
}

void Laden(benchmark::State& state) {
    const auto datei = sequenzDatei();
    for (auto _ : state) {
        auto inhalt = sw::sequenzDekodieren(sw::dateiLesen(datei));
        benchmark::DoNotOptimize(inhalt.events.data());
    }
}

void Sortieren(benchmark::State& state) {
    const sw::EventListe ungeordnet = zufallsSequenz();
    for (auto _ : state) {
        state.PauseTiming();
        sw::EventListe e = ungeordnet;
        state.ResumeTiming();
        sw::sequenzSortieren(e);
        benchmark::DoNotOptimize(e.data());
    }
}

void OffTimes(benchmark::State& state) {
    sw::EventListe e = zufallsSequenz();
    sw::sequenzSortieren(e);
    for (auto _ : state) {
        sw::Sequenz_EventOffTime_Ermitteln(e, 3.6e6);
        benchmark::DoNotOptimize(e.data());
    }
}

// A file saved unsorted (as an old program could leave it), loaded, sorted and timed.
void AlleDrei(benchmark::State& state) {
    const auto datei = sequenzDatei();
    for (auto _ : state) {
        auto inhalt = sw::sequenzDekodieren(sw::dateiLesen(datei));
        sw::sequenzSortieren(inhalt.events);
        sw::Sequenz_EventOffTime_Ermitteln(inhalt.events, 3.6e6);
        benchmark::DoNotOptimize(inhalt.events.data());
    }
}

} // namespace

BENCHMARK(Laden)->Unit(benchmark::kMillisecond);
BENCHMARK(Sortieren)->Unit(benchmark::kMillisecond);
BENCHMARK(OffTimes)->Unit(benchmark::kMillisecond);
BENCHMARK(AlleDrei)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
