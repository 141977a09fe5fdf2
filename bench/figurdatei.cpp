// Loading and saving a figure of 1000 frames of 500 points: encoding and decoding in memory,
// and the whole way through a file (atomic write; read back from the page cache).

#include "core/FigurDatei.h"
#include "core/QvbFormat.h"
#include "platform/Datei.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

sw::Figur grosseFigur() {
    sw::Figur f;
    f.Frames.resize(1000);
    int i = 0;
    for (auto& frame : f.Frames) {
        frame.Punkte.resize(500);
        for (auto& p : frame.Punkte) {
            p = sw::Punkt{static_cast<std::int16_t>(i * 7), static_cast<std::int16_t>(i * 13),
                          i % 4096, static_cast<std::uint8_t>(i % 5)};
            ++i;
        }
    }
    return f;
}

void Kodieren(benchmark::State& state) {
    const auto f = grosseFigur();
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto s = sw::qvbKodieren(f);
        bytes += s.size();
        benchmark::DoNotOptimize(s.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void Dekodieren(benchmark::State& state) {
    const auto datei = sw::qvbKodieren(grosseFigur());
    for (auto _ : state) {
        auto inhalt = sw::qvbDekodieren(datei);
        benchmark::DoNotOptimize(inhalt);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * datei.size()));
}

void SpeichernUndLadenUeberDatei(benchmark::State& state) {
    auto pfad = std::filesystem::temp_directory_path() / "strahlwerk-bench.qvb";
    const auto f = grosseFigur();
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto daten = sw::qvbKodieren(f);
        sw::atomarSchreiben(pfad, daten);
        auto inhalt = sw::qvbDekodieren(sw::dateiLesen(pfad));
        benchmark::DoNotOptimize(inhalt);
        bytes += daten.size();
    }
    std::filesystem::remove(pfad);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

} // namespace

BENCHMARK(Kodieren)->Unit(benchmark::kMillisecond);
BENCHMARK(Dekodieren)->Unit(benchmark::kMillisecond);
BENCHMARK(SpeichernUndLadenUeberDatei)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
