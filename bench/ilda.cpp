// ILDA import and export of a file of about 10 MB: 1300 frames of 1000 format 5 points.

#include "core/IldaExport.h"
#include "core/IldaImport.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

struct Lauf {
    sw::SkriptDialoge dialoge;
    sw::EreignisPumpe pumpe;
    sw::SystemUhr uhr;
    sw::Protokoll log{uhr};
    sw::Sprachtexte texte;
    sw::Umgebung env{dialoge, pumpe, uhr, log, texte};
};

sw::Figur grosseFigur() {
    sw::Figur f;
    f.Frames.resize(1300);
    int i = 0;
    for (auto& frame : f.Frames) {
        frame.Punkte.resize(1000);
        for (auto& p : frame.Punkte) {
            p = sw::Punkt{static_cast<std::int16_t>(i * 7), static_cast<std::int16_t>(i * 13),
                          i % 7 == 0 ? -1 : i % 4096, 0};
            ++i;
        }
    }
    return f;
}

void Export(benchmark::State& state) {
    const auto figur = grosseFigur();
    sw::Paletten p;
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto datei = sw::ildaKodieren(figur, p, static_cast<int>(state.range(0)), false);
        bytes += datei.size();
        benchmark::DoNotOptimize(datei.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void Import(benchmark::State& state) {
    Lauf lauf;
    sw::Paletten p;
    auto pfad = std::filesystem::temp_directory_path() / "strahlwerk-bench.ild";
    {
        sw::FigurenSpeicher s;
        sw::FigurenErweitern(s, 1);
        s.Figuren[1] = grosseFigur();
        s.SpurAuswahl[0].Figur = 1;
        sw::IldaSpeichern(s, p, lauf.env, pfad, false, static_cast<int>(state.range(0)));
    }
    const auto groesse = std::filesystem::file_size(pfad);
    for (auto _ : state) {
        sw::FigurenSpeicher s;
        auto e = sw::IldaLaden(s, p, lauf.env, pfad);
        if (!e.vollstaendig) state.SkipWithError("import failed");
    }
    std::filesystem::remove(pfad);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * groesse));
}

} // namespace

BENCHMARK(Export)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Import)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
