// Dispatch of a long show's timeline: 100,000 events on all twelve device groups, spread over
// 100 seconds of media, played on the fake media clock at 1,000 passes per second (about one
// event per pass, bursts of several). Reports the time each pass spends in the sequencer's
// dispatch (median, 99th percentile, maximum) with the trigger routine stubbed out, and the
// chase after a jump into the middle of the show.
//
// Not a Google benchmark: it times every pass of one run, as the output cycle would see it.

#include "platform/Protokoll.h"
#include "platform/Sprachtexte.h"
#include "show/SequenzOffTime.h"
#include "show/Wiedergabe.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kEvents = 100000;
constexpr double kShowMs = 100'000;
constexpr int kPaesseJeSekunde = 1000;

sw::EventListe zufallsSequenz() {
    std::mt19937 zufall(4);
    std::uniform_real_distribution<double> zeit(0, kShowMs);
    std::uniform_int_distribution<int> gruppe(0, 11), zeile(1, 19), taste(0, 2000);
    sw::EventListe e(kEvents + 1);
    for (int i = 1; i <= kEvents; ++i) {
        e[i].start = zeit(zufall);
        e[i].track = static_cast<std::uint8_t>(19 * gruppe(zufall) + zeile(zufall));
        e[i].kind = 143;
        e[i].key = e[i].value = static_cast<std::int16_t>(taste(zufall));
    }
    sw::sequenzSortieren(e);
    return e;
}

double us(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

} // namespace

int main() {
    sw::SkriptDialoge dialoge;
    sw::EreignisPumpe pumpe;
    sw::TestUhr uhr;
    sw::Protokoll log{uhr};
    sw::Sprachtexte texte;
    sw::Umgebung env{dialoge, pumpe, uhr, log, texte};
    sw::FakeMedien medien;
    medien.laenge = kShowMs / 1000 + 1;
    medien.geoeffnet.push_back("bench");
    sw::Sequenzer s;
    s.Events = zufallsSequenz();
    long gesendet = 0;
    s.TriggerKey = [&](int, int, int, int) { ++gesendet; };
    sw::WiedergabeZustand w;
    sw::WiedergabeKontext k{w, s, medien, env, {}};

    sw::Play_Click(k);
    const int paesse = static_cast<int>(kShowMs / 1000 * kPaesseJeSekunde);
    std::vector<double> zeiten;
    zeiten.reserve(static_cast<std::size_t>(paesse));
    for (int i = 0; i < paesse; ++i) {
        medien.weiter(1000.0 / kPaesseJeSekunde);
        const auto t0 = std::chrono::steady_clock::now();
        sw::sequenzerDurchlauf(k);
        zeiten.push_back(us(std::chrono::steady_clock::now() - t0));
    }
    const long alle = gesendet;
    // A jump into the middle: one pass chases there.
    medien.DS_SetPosition(kShowMs / 2000);
    const auto t0 = std::chrono::steady_clock::now();
    sw::sequenzerDurchlauf(k);
    const double sprung = us(std::chrono::steady_clock::now() - t0);

    std::vector<double> sortiert = zeiten;
    std::sort(sortiert.begin(), sortiert.end());
    auto quantil = [&](double q) {
        return sortiert[static_cast<std::size_t>(q * (static_cast<double>(sortiert.size()) - 1))];
    };
    std::printf("dispatch of %d events over %.0f s at %d passes per second (%d passes)\n", kEvents,
                kShowMs / 1000, kPaesseJeSekunde, paesse);
    std::printf("  events sent: %ld\n", alle);
    std::printf("  time per pass: median %.2f us, 99th percentile %.2f us, maximum %.2f us\n",
                quantil(0.5), quantil(0.99), sortiert.back());
    std::printf("  a jump to %.0f s chased in one pass: %.2f us (%ld events sent)\n",
                kShowMs / 2000, sprung, gesendet - alle);
    return alle == kEvents ? 0 : 1;
}
