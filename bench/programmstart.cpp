// Start-up from launch to ready: a figure folder of 1,000 figures (10 frames of 100 points
// each) and 16 emulated devices, all folders in a scratch folder.

#include "app/Programmstart.h"
#include "core/QvbFormat.h"
#include "platform/Datei.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

void Programmstart(benchmark::State& state) {
    const fs::path tmp = fs::temp_directory_path() / "strahlwerk-bench-start";
    fs::remove_all(tmp);
    fs::create_directories(tmp / "figuren");
    sw::Figur f;
    f.Frames.assign(10, sw::Frame{});
    for (auto& frame : f.Frames) frame.Punkte.resize(100);
    const std::string datei = sw::qvbKodieren(f);
    for (int i = 0; i < 1000; ++i)
        sw::atomarSchreiben(tmp / "figuren" / (std::to_string(i) + "_figur.qvb"), datei);
    ::setenv("PROGRAMMDATA", (tmp / "pd").c_str(), 1);
    ::setenv("PROGRAMDATA", (tmp / "pd2").c_str(), 1);
    ::setenv("XDG_DOCUMENTS_DIR", (tmp / "docs").c_str(), 1);
    ::setenv("STRAHLWERK_EMULATE", "lumax:6,jmlaser:5,riya:4,ml:1", 1);

    for (auto _ : state) {
        sw::SkriptDialoge dialoge;
        sw::EreignisPumpe pumpe;
        sw::SystemUhr uhr;
        auto p = std::make_unique<sw::Programm>(dialoge, pumpe, uhr);
        sw::StartHooks hooks;
        hooks.figurenordner = (tmp / "figuren").string();
        sw::Programmstart(*p, "", hooks);
        if (p->figuren.lstFiguren.size() != 1001 || p->geraete.Geraeteliste.size() != 18)
            state.SkipWithError("start-up did not load everything");
        state.PauseTiming();
        sw::Programmende(*p);
        state.ResumeTiming();
    }
    fs::remove_all(tmp);
}

} // namespace

BENCHMARK(Programmstart)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
