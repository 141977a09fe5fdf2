// The show clock on libmpv with null audio: a 30-second WAV with an event every 50 ms, the
// position polled every millisecond as an output loop would. For each event: how far the
// media's time is from the event's time when it is dispatched. The media's time is known only
// afterwards: the player's own position is read at every poll, the moments where it changes
// are its steps, and the line through those steps gives its time at any moment. Also: the
// largest backwards step of the position (must be 0), and how far the interpolated position
// is from the player's stepped value.
#include "medien/MpvMedien.h"
#include "medien/WavKopf.h"

#include "platform/Uhr.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

double perzentil(std::vector<double> w, double p) {
    if (w.empty()) return 0;
    std::sort(w.begin(), w.end());
    const auto i = static_cast<std::size_t>(std::ceil(p * static_cast<double>(w.size()))) - 1;
    return w[std::min(i, w.size() - 1)];
}

} // namespace

int main(int argc, char** argv) {
    const double laenge = argc > 1 ? std::atof(argv[1]) : 30.0;
    const fs::path datei = fs::temp_directory_path() / "strahlwerk_bench_medien.wav";
    {
        const int rate = 22050;
        std::vector<std::int16_t> w(static_cast<std::size_t>(laenge * rate));
        for (std::size_t i = 0; i < w.size(); ++i)
            w[i] = static_cast<std::int16_t>(6000 * std::sin(2 * 3.14159265 * 220 * i / rate));
        const auto bytes = sw::wavSchreiben(w, 1, rate);
        std::ofstream f(datei, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    }

    sw::SystemUhr uhr;
    sw::MpvMedien m(sw::MpvOptionen{true, 10.0}, &uhr);
    if (!m.DS_OpenFile(datei.string(), {})) {
        std::fprintf(stderr, "cannot open the generated WAV\n");
        return 1;
    }
    std::vector<double> ereignisse;
    for (double t = 0.05; t < laenge - 0.05; t += 0.05) ereignisse.push_back(t);

    std::vector<double> zeiten, eigene, spieler;
    std::vector<double> aufrufe;                // microseconds one DS_GetPosition takes
    std::vector<double> stufenZeit, stufenWert; // the player's own position where it changed
    double rueckwaerts = 0, letzte = 0;
    long abfragen = 0;
    std::size_t naechstes = 0;
    m.DS_Play();
    const double start = uhr.sekunden();
    while (naechstes < ereignisse.size() && uhr.sekunden() - start < laenge + 5) {
        const auto vor = std::chrono::steady_clock::now();
        const double p = m.DS_GetPosition();
        aufrufe.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - vor)
                .count());
        const double eigen = m.spielerPosition();
        if (stufenWert.empty() || eigen != stufenWert.back()) {
            stufenZeit.push_back(uhr.sekunden());
            stufenWert.push_back(eigen);
        }
        ++abfragen;
        rueckwaerts = std::max(rueckwaerts, letzte - p);
        letzte = p;
        while (naechstes < ereignisse.size() && ereignisse[naechstes] <= p) {
            zeiten.push_back(uhr.sekunden());
            eigene.push_back(p);
            spieler.push_back(eigen);
            ++naechstes;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    fs::remove(datei);

    // The media's time at t: between the steps around it, on the line through them.
    auto medienzeit = [&](double t) {
        auto it = std::upper_bound(stufenZeit.begin(), stufenZeit.end(), t);
        if (it == stufenZeit.begin() || it == stufenZeit.end()) return -1.0;
        const auto k = static_cast<std::size_t>(it - stufenZeit.begin()) - 1;
        return stufenWert[k] + (t - stufenZeit[k]) * (stufenWert[k + 1] - stufenWert[k]) /
                                   (stufenZeit[k + 1] - stufenZeit[k]);
    };
    std::vector<double> fehler, abstand, vorzeichen;
    for (std::size_t i = 0; i < zeiten.size(); ++i) {
        const double wahr = medienzeit(zeiten[i]);
        if (wahr >= 0) fehler.push_back(std::abs(ereignisse[i] - wahr) * 1000);
        if (wahr >= 0) vorzeichen.push_back((wahr - ereignisse[i]) * 1000);
        abstand.push_back(std::abs(eigene[i] - spieler[i]) * 1000);
    }
    std::printf("media: %.0f s WAV, libmpv null audio; events every 50 ms: %zu dispatched of %zu\n",
                laenge, zeiten.size(), ereignisse.size());
    const double dauer = uhr.sekunden() - start;
    std::printf("position polled %ld times in %.1f s (%.2f ms apart); player reports: %ld, "
                "steps of its position: %zu (%.1f ms apart)\n",
                abfragen, dauer, dauer * 1000 / static_cast<double>(abfragen), m.meldungen(),
                stufenZeit.size(), dauer * 1000 / static_cast<double>(stufenZeit.size()));
    std::printf("media %.3f s at %.3f s of the clock: the null output ran %.2f %% of real time\n",
                stufenWert.back() - stufenWert.front(), stufenZeit.back() - stufenZeit.front(),
                100 * (stufenWert.back() - stufenWert.front()) /
                    (stufenZeit.back() - stufenZeit.front()));
    std::printf("event time vs media time at dispatch: max %.2f ms, p99 %.2f ms, median %.2f ms\n",
                perzentil(fehler, 1.0), perzentil(fehler, 0.99), perzentil(fehler, 0.5));
    std::printf("media time minus event time at dispatch: median %+.2f ms (positive: late)\n",
                perzentil(vorzeichen, 0.5));
    std::printf("interpolated vs player's own position: max %.2f ms, p99 %.2f ms\n",
                perzentil(abstand, 1.0), perzentil(abstand, 0.99));
    std::printf("one DS_GetPosition: median %.1f us, p99 %.1f us, max %.1f us\n",
                perzentil(aufrufe, 0.5), perzentil(aufrufe, 0.99), perzentil(aufrufe, 1.0));
    std::printf("largest backwards step of the position: %.6f ms\n", rueckwaerts * 1000);
    return zeiten.size() == ereignisse.size() && rueckwaerts == 0 ? 0 : 1;
}
