// The timeline view redrawn with a long show: 100,000 events over an hour on the 19 rows of
// device group 0, eight figures with pictures on the keys. The widget (1366 × 600) is rendered
// into an image, as a repaint would draw it: (a) the whole show fitted, (b) ten seconds in the
// middle, (c) one zoom step about the middle from a five-minute view. Also the index the view
// builds again after an edit of the list. Milliseconds per redraw. Runs on Qt's offscreen
// platform.

#include "app/Programm.h"
#include "app/Showsteuerung.h"
#include "show/SequenzBearbeiten.h"
#include "ui/Zeitleiste.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>

namespace {

using namespace sw;

constexpr int kEvents = 100000;
constexpr double kStunde = 3.6e6;

struct Aufbau {
    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    SystemUhr uhr;
    Programm p{dialoge, pumpe, uhr};
    std::unique_ptr<Showsteuerung> s;
    std::unique_ptr<ui::Zeitleiste> z;
    QImage bild{1366, 600, QImage::Format_ARGB32_Premultiplied};

    Aufbau() {
        StandardPaletteErstellen(p.paletten);
        // Eight figures: a star of lines each, on keys 65 to 72.
        auto& f = p.figuren;
        f.Figuren.redimPreserve(f.FigurenUntergrenze, 8);
        f.lstFiguren.assign(1, "");
        f.Listentyp.assign(1, listentyp::Figur);
        for (int i = 1; i <= 8; ++i) {
            Figur fig;
            for (int k = 0; k <= 24; ++k) {
                const double w = k * 2.513 * i;
                fig.Frames[0].Punkte.push_back(
                    Punkt{static_cast<std::int16_t>(std::lround(20000 * std::cos(w))),
                          static_cast<std::int16_t>(std::lround(20000 * std::sin(w))),
                          static_cast<std::int32_t>(256 * (i * 2) + 15 * (k % 2)), 0});
            }
            f.Figuren[i] = fig;
            f.lstFiguren.push_back("Figur" + std::to_string(i) + ".qvb");
            f.Listentyp.push_back(listentyp::Figur);
            p.live.keyTable[static_cast<std::size_t>(64 + i)] = i;
        }
        auto& seq = p.sequenzer;
        std::mt19937 zufall(7);
        std::uniform_int_distribution<int> zeile(1, 19), taste(65, 72);
        seq.Events.assign(1, SeqEvent{});
        for (int i = 0; i < kEvents; ++i) {
            SeqEvent e;
            e.start = kStunde * i / kEvents + 10;
            e.track = static_cast<std::uint8_t>(zeile(zufall));
            e.kind = 143;
            e.key = e.value = static_cast<std::int16_t>(taste(zufall));
            seq.Events.push_back(e);
        }
        seq.Medienlaenge = kStunde;
        sequenzAbschliessen(seq);
        s = std::make_unique<Showsteuerung>(p);
        z = std::make_unique<ui::Zeitleiste>(nullptr, *s);
        z->resize(bild.size());
        z->zoomEinpassen();
    }
    void zeichnen() {
        z->render(&bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
};

Aufbau& aufbau() {
    static Aufbau a;
    return a;
}

void GanzeShow(benchmark::State& state) {
    auto& a = aufbau();
    a.z->zoomEinpassen();
    for (auto _ : state) a.zeichnen();
}
BENCHMARK(GanzeShow)->Unit(benchmark::kMillisecond);

void ZehnSekundenInDerMitte(benchmark::State& state) {
    auto& a = aufbau();
    a.z->zoomEinpassen();
    a.z->zoomen(a.z->sichtBreite() / 10000, kStunde / 2);
    a.z->blaettern(kStunde / 2);
    for (auto _ : state) a.zeichnen();
}
BENCHMARK(ZehnSekundenInDerMitte)->Unit(benchmark::kMillisecond);

void Zoomschritt(benchmark::State& state) {
    auto& a = aufbau();
    a.z->zoomEinpassen();
    a.z->zoomen(a.z->sichtBreite() / 300000, kStunde / 2);
    bool hinein = true;
    for (auto _ : state) {
        a.z->zoomen(hinein ? 1.25 : 0.8, kStunde / 2);
        hinein = !hinein;
        a.zeichnen();
    }
}
BENCHMARK(Zoomschritt)->Unit(benchmark::kMillisecond);

// After an edit: the fingerprint sees the change and the index is built again.
void IndexNachAenderung(benchmark::State& state) {
    auto& a = aufbau();
    ui::Eventindex index;
    auto& e = a.p.sequenzer.Events;
    for (auto _ : state) {
        e[1].start += 0.001;
        benchmark::DoNotOptimize(index.aktualisieren(e));
    }
}
BENCHMARK(IndexNachAenderung)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
