// Trigger to light: how long a figure started in the output cycle takes to reach the light of
// an emulated Ether Dream on loopback at 30,000 points per second, through the whole pipeline
// (output cycle every 2 ms, device writer, streaming thread, TCP, the DAC's buffer). Samples
// for the given seconds (30 by default) and reports the median and the maximum, the underruns
// the DAC counted, and the buffer target the stream ended with.
//
//   bench_latenz [--sekunden N] [--last]
//
// --last starts two child processes that keep both cores busy while it measures.

#include "devices/Emulation.h"
#include "devices/Geraeteverwaltung.h"
#include "devices/Treiber.h"
#include "devices/netz/EtherDreamEmulator.h"
#include "devices/netz/Sockets.h"
#include "devices/netz/Strom.h"
#include "output/Ausgabe.h"
#include "platform/Umgebung.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace sw;

namespace {

using Uhrzeit = std::chrono::steady_clock;

std::vector<Punkt> kreis(int anzahl, std::int32_t farbe) {
    std::vector<Punkt> p;
    for (int k = 0; k < anzahl; ++k) {
        const double w = 6.283185307179586 * k / anzahl;
        p.push_back({static_cast<std::int16_t>(12000 * std::cos(w)),
                     static_cast<std::int16_t>(12000 * std::sin(w)), farbe, 0});
    }
    return p;
}

std::uint16_t freierPort() {
    netz::UdpSocket s;
    s.binden("127.0.0.1", 0);
    return s.lokalerPort();
}

// Two processes that spin until they are killed.
std::vector<pid_t> lastStarten() {
    std::vector<pid_t> kinder;
    for (int k = 0; k < 2; ++k) {
        const pid_t p = fork();
        if (p == 0) {
            volatile unsigned long x = 0;
            for (;;) x = x + 1;
        }
        if (p > 0) kinder.push_back(p);
    }
    return kinder;
}

} // namespace

int main(int argc, char** argv) {
    double sekunden = 30;
    bool last = false;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--last") == 0)
            last = true;
        else if (std::strcmp(argv[k], "--sekunden") == 0 && k + 1 < argc)
            sekunden = std::atof(argv[++k]);
    }

    // Figure 1 red, figure 2 green; the DAC notes when the first green point leaves it.
    std::atomic<double> ersterGruener{-1};
    emu::EtherDreamEmulator::Optionen eo;
    eo.echtzeit = true; // the DAC has its own processor
    const std::uint16_t broadcastPort = freierPort();
    eo.broadcastZiel = {"127.0.0.1", broadcastPort};
    eo.beiAusgabe = [&](const etherdream::Punkt& p, double s) {
        if (p.r == 0 && p.g != 0 && ersterGruener < 0) ersterGruener = s;
    };
    emu::EtherDreamEmulator ed(eo);

    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    TestUhr uhr;
    Protokoll log{uhr};
    Sprachtexte texte;
    Umgebung env{dialoge, pumpe, uhr, log, texte};
    FigurenSpeicher s;
    Paletten paletten;
    Geraete g;
    auto a = std::make_unique<AusgabeZustand>();
    g.netz.suchAdresse = "127.0.0.1";
    g.netz.idnAdresse = "127.0.0.1";
    g.netz.etherDreamBroadcastPort = broadcastPort;
    g.netz.etherDreamTcpPort = ed.tcpPort();
    g.netz.idnPort = freierPort(); // nobody answers there
    emu::einrichten(g.bibliothek, uhr, "");
    Init_Hardware(g, env);
    geraeteAbwarten(g, env, kGeraeteWarten,
                    [&] { return geraetNachName(g, "Ether Dream 102030") >= 0; });
    const int index = geraetNachName(g, "Ether Dream 102030");
    if (index < 0) {
        std::fprintf(stderr, "the emulated Ether Dream was not found\n");
        return 1;
    }
    Dacausgabe dac(g, env);
    // When the output cycle hands the first green frame to the streaming thread.
    std::atomic<double> uebergeben{-1};
    dac.gesendet = [&](int, Geraetetyp, int anzahl, int, const std::uint8_t* daten, std::size_t) {
        if (uebergeben >= 0) return;
        for (int k = 0; k < anzahl; ++k) {
            const auto p = etherdream::punktLesen(daten + k * etherdream::kPunktBytes);
            if (p.r == 0 && p.g != 0) {
                uebergeben = ed.sekunden();
                return;
            }
        }
    };
    a->AusgabeGestoppt = [&] { dac.stoppen(); };
    FigurenErweitern(s, 2);
    for (int f = 1; f <= 2; ++f) {
        const auto p = kreis(40, f == 1 ? 0xF00 : 0x0F0);
        auto& punkte = s.Figuren[static_cast<std::size_t>(f)].Frames[0].Punkte;
        punkte.insert(punkte.end(), p.begin(), p.end());
    }
    geraetWaehlen(g, env, 0, index);
    g.PPSWert[0] = 30000;
    a->SpurZuordnung[0][0] = true;

    std::vector<pid_t> kinder;
    if (last) kinder = lastStarten();

    dac.anmelden(*a);
    ausgabeVorbereiten(*a, paletten);
    dac.starten();
    AbspielenStarten(*a, env);
    FigurStarten(*a, s, 0, 1, a->JetztMs);
    auto letzter = Uhrzeit::now();
    auto durchlauf = [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const auto jetzt = Uhrzeit::now();
        uhr.vorstellen(std::chrono::duration<double>(jetzt - letzter).count());
        letzter = jetzt;
        AbspielenDurchlauf(*a, s, paletten, env);
    };
    auto spielen = [&](double dauer) {
        const auto ende = Uhrzeit::now() + std::chrono::duration<double>(dauer);
        while (Uhrzeit::now() < ende) durchlauf();
    };
    spielen(1.0);

    std::vector<double> werte, zyklus, strom; // trigger to light; to hand-over; hand-over to light
    double hoechstesZiel = 0;
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> pause(0.05, 0.15);
    const auto ende = Uhrzeit::now() + std::chrono::duration<double>(sekunden);
    while (Uhrzeit::now() < ende) {
        ersterGruener = -1;
        uebergeben = -1;
        const double ausloeser = ed.sekunden();
        FigurStarten(*a, s, 0, 2, a->JetztMs);
        const auto grenze = Uhrzeit::now() + std::chrono::milliseconds(500);
        while (ersterGruener < 0 && Uhrzeit::now() < grenze) durchlauf();
        if (ersterGruener >= 0 && uebergeben >= 0) {
            werte.push_back((ersterGruener - ausloeser) * 1000);
            zyklus.push_back((uebergeben - ausloeser) * 1000);
            strom.push_back((ersterGruener - uebergeben) * 1000);
        }
        if (const Strom* st = dac.laufenderStrom(0))
            hoechstesZiel = std::max(hoechstesZiel, st->pufferziel() * 1000);
        FigurStarten(*a, s, 0, 1, a->JetztMs);
        spielen(pause(zufall)); // back to red, and a while before the next trigger
    }
    const Strom* st = dac.laufenderStrom(0);
    const double ziel = st ? st->pufferziel() * 1000 : 0;
    const long wiederholt = st ? st->wiederholungen() : 0;
    const int echtzeit = st ? st->echtzeit() : 0;
    AbspielenStoppen(*a);
    for (pid_t k : kinder) {
        kill(k, SIGKILL);
        waitpid(k, nullptr, 0);
    }

    if (werte.empty()) {
        std::printf("no sample reached the DAC\n");
        return 1;
    }
    std::printf("trigger to first point, Ether Dream on loopback, 30000 pps, %s, %.0f s:\n",
                last ? "two busy processes" : "no extra load", sekunden);
    auto zeile = [](const char* was, std::vector<double> w) {
        std::sort(w.begin(), w.end());
        const std::size_t n = w.size();
        const double median = n % 2 ? w[n / 2] : (w[n / 2 - 1] + w[n / 2]) / 2;
        std::printf("  %-30s median %5.1f ms, maximum %5.1f ms, minimum %5.1f ms\n", was, median,
                    w.back(), w.front());
    };
    std::printf("  samples %zu\n", werte.size());
    zeile("trigger to light", werte);
    zeile("trigger to hand-over (cycle)", zyklus);
    zeile("hand-over to light (stream)", strom);
    std::printf("  underruns at the DAC %d, buffer target highest %.1f ms, at the end %.1f ms, "
                "repeats %ld, real-time scheduling %s\n",
                ed.unterlaeufe(), hoechstesZiel, ziel, wiederholt,
                echtzeit > 0   ? "granted"
                : echtzeit < 0 ? "refused"
                               : "not asked");
    return ed.unterlaeufe() == 0 ? 0 : 2;
}
