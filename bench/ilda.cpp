// ILDA import and export. First the comparison the import is measured by: a generated file of
// 48 MB (3,000 frames of 2,000 points in formats 0, 1, 4 and 5 in turn), imported alone and
// imported and saved as a figure file, each the median of several runs; when `node` and the
// open reader @laser-dac/ilda-reader are present (scripts/bench-deps), that reader parses the
// same file in the same run and the ratios are printed. Then the Google Benchmark cases on a
// file of about 10 MB (1,300 frames of 1,000 points).

#include "core/FigurDatei.h"
#include "core/IldaExport.h"
#include "core/IldaImport.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Lauf {
    sw::SkriptDialoge dialoge;
    sw::EreignisPumpe pumpe;
    sw::SystemUhr uhr;
    sw::Protokoll log{uhr};
    sw::Sprachtexte texte;
    sw::Umgebung env{dialoge, pumpe, uhr, log, texte};
};

// --- the 48 MB comparison ---------------------------------------------------------------

constexpr int kVergleichFrames = 3000;
constexpr int kVergleichPunkte = 2000;
constexpr int kVergleichLaeufe = 5;

// A file as another program writes it: its own name in the headers, points spread over the
// whole range, every tenth one blanked, the last one of each frame marked.
std::string vergleichsDatei() {
    std::string d;
    d.reserve(48u << 20);
    auto wort = [&d](int v) {
        d += static_cast<char>((v >> 8) & 0xFF);
        d += static_cast<char>(v & 0xFF);
    };
    std::uint64_t z = 1;
    auto zufall = [&z] {
        z = z * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>(z >> 48); // 16 bits
    };
    static constexpr int kFormate[] = {0, 1, 4, 5};
    for (int f = 0; f < kVergleichFrames; ++f) {
        const int format = kFormate[f % 4];
        d += "ILDA";
        d.append(3, '\0');
        d += static_cast<char>(format);
        d += "bench   othertoo";
        wort(kVergleichPunkte), wort(f), wort(kVergleichFrames), wort(0);
        for (int i = 0; i < kVergleichPunkte; ++i) {
            wort(zufall()), wort(zufall());
            if (format == 0 || format == 4) wort(0);
            d += static_cast<char>(i == kVergleichPunkte - 1 ? 128 : i % 10 == 0 ? 64 : 0);
            if (format <= 1) {
                d += static_cast<char>(i % 64);
            } else {
                const int farbe = zufall();
                d += static_cast<char>(farbe), d += static_cast<char>(farbe >> 8);
                d += static_cast<char>(i);
            }
        }
    }
    d += "ILDA";
    d.append(3, '\0');
    d += '\0';
    d.append(24, '\0'); // the end-of-file header: no records
    return d;
}

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

template <typename F> double medianMs(F&& lauf) {
    std::vector<double> zeiten;
    for (int i = 0; i < kVergleichLaeufe; ++i) {
        sw::FigurenSpeicher s; // freed after the clock stopped
        const auto start = std::chrono::steady_clock::now();
        lauf(s);
        zeiten.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return median(zeiten);
}

// The open reader's median parse time in ms, or a negative value when it is not present.
double leserMs(const fs::path& datei) {
    const char* eigen = std::getenv("STRAHLWERK_BENCH_DEPS");
    const fs::path module = eigen ? fs::path(eigen) : fs::path(STRAHLWERK_BENCH_DEPS);
    if (std::system("command -v node >/dev/null 2>&1") != 0) {
        std::printf("open reader: node is not installed (scripts/bench-deps)\n");
        return -1;
    }
    if (!fs::exists(module / "@laser-dac" / "ilda-reader")) {
        std::printf("open reader: @laser-dac/ilda-reader is not in %s (scripts/bench-deps)\n",
                    module.string().c_str());
        return -1;
    }
    const std::string befehl = "node '" + std::string(STRAHLWERK_LESER_SKRIPT) + "' '" +
                               module.string() + "' '" + datei.string() + "' " +
                               std::to_string(kVergleichLaeufe);
    FILE* p = popen(befehl.c_str(), "r");
    if (!p) return -1;
    std::string aus;
    char puffer[512];
    while (std::fgets(puffer, sizeof puffer, p)) aus += puffer;
    pclose(p);
    const auto stelle = aus.find("\"median_ms\":");
    if (stelle == std::string::npos) {
        std::printf("open reader: no result (%s)\n", aus.c_str());
        return -1;
    }
    return std::strtod(aus.c_str() + stelle + 12, nullptr);
}

void vergleichen() {
    std::random_device r;
    const fs::path ordner = fs::temp_directory_path() / ("strahlwerk-bench-" + std::to_string(r()));
    fs::create_directories(ordner);
    const fs::path ild = ordner / "vergleich.ild", qvb = ordner / "vergleich.qvb";
    {
        const std::string d = vergleichsDatei();
        std::ofstream(ild, std::ios::binary).write(d.data(), static_cast<std::streamsize>(d.size()));
    }
    Lauf lauf;
    sw::Paletten p;
    auto importieren = [&](sw::FigurenSpeicher& s) {
        auto e = sw::IldaLaden(s, p, lauf.env, ild, {}, sw::IldaIndexFarben::Standardpalette);
        if (!e.vollstaendig || e.frames != kVergleichFrames) {
            std::fprintf(stderr, "the import failed: %s\n", e.problem.c_str());
            std::exit(1);
        }
    };
    const double lesen = medianMs(importieren);
    const double lesenSpeichern = medianMs([&](sw::FigurenSpeicher& s) {
        importieren(s);
        bool schnell = true;
        if (!sw::Speichern(s, lauf.env, schnell, qvb.string())) std::exit(1);
    });
    const double leser = leserMs(ild);

    std::printf("ILDA import of %.1f MB (%d frames of %d points, formats 0, 1, 4, 5), median of "
                "%d runs:\n",
                static_cast<double>(fs::file_size(ild)) / 1e6, kVergleichFrames, kVergleichPunkte,
                kVergleichLaeufe);
    std::printf("  read and parse:           %8.1f ms\n", lesen);
    std::printf("  read, parse and save:     %8.1f ms (figure file of %.1f MB)\n", lesenSpeichern,
                static_cast<double>(fs::file_size(qvb)) / 1e6);
    if (leser > 0) {
        std::printf("  @laser-dac/ilda-reader:   %8.1f ms (parse alone)\n", leser);
        std::printf("  ratio: %.1fx (parse), %.1fx (parse and save)\n", leser / lesen,
                    leser / lesenSpeichern);
    }
    std::fflush(stdout);
    fs::remove_all(ordner);
}

// --- Google Benchmark cases ---------------------------------------------------------------

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
    auto pfad = fs::temp_directory_path() / "strahlwerk-bench.ild";
    {
        sw::FigurenSpeicher s;
        sw::FigurenErweitern(s, 1);
        s.Figuren[1] = grosseFigur();
        s.SpurAuswahl[0].Figur = 1;
        sw::IldaSpeichern(s, p, lauf.env, pfad, false, static_cast<int>(state.range(0)));
    }
    const auto groesse = fs::file_size(pfad);
    for (auto _ : state) {
        sw::FigurenSpeicher s;
        auto e = sw::IldaLaden(s, p, lauf.env, pfad);
        if (!e.vollstaendig) state.SkipWithError("import failed");
    }
    fs::remove(pfad);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * groesse));
}

} // namespace

BENCHMARK(Export)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Import)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vergleichen();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
