// Input to light, inside the program: from a MIDI note-on handed to the fake MIDI input, through
// the routing, Midi2Tasten, the key table and the trigger routine, to the figure selected on
// its track; and on to the first point of that figure leaving the output routine for the
// device writer (one output cycle run right after the poll, as the cycle polls its inputs
// first). Two notes alternate between two figures of 1000 points each, so that every note
// changes the track. The same for an Art-Net packet sent on loopback, whose channel 1 is routed
// to the figure row through DMX2Tasten: from the send until Get_DMX has selected the figure
// (the output cycle stood in for by a loop that polls without pause), then to its first point.
// Reports the median and the 99th percentile in microseconds.
//
//   bench_trigger [--anzahl N]

#include "live/LiveZustand.h"
#include "live/DmxEingabe.h"
#include "live/MidiEingabe.h"
#include "live/eingang/ArtNetEingang.h"
#include "live/eingang/DmxPakete.h"
#include "output/Ausgabe.h"
#include "show/SequenzBearbeiten.h"

#include <algorithm>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace sw;

namespace {

using Uhrzeit = std::chrono::steady_clock;

struct ErsterPunkt : Geraeteschreiber {
    bool gesehen = false;
    Uhrzeit::time_point zeit;
    double x = 0;
    void punkt(int, const Ausgabepunkt& p) override {
        if (gesehen || p.R + p.G + p.B <= 0) return;
        zeit = Uhrzeit::now();
        x = p.X;
        gesehen = true;
    }
};

double mikro(Uhrzeit::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void bericht(const char* was, std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const auto n = werte.size();
    std::printf("%-32s median %8.1f us   99th percentile %8.1f us   (%zu samples)\n", was,
                werte[n / 2], werte[std::min(n - 1, n * 99 / 100)], n);
}

} // namespace

int main(int argc, char** argv) {
    int anzahl = 5000;
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], "--anzahl") == 0 && k + 1 < argc) anzahl = std::atoi(argv[++k]);
    if (anzahl < 10) anzahl = 10;

    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    SystemUhr uhr;
    Protokoll log{uhr};
    Sprachtexte texte;
    Umgebung env{dialoge, pumpe, uhr, log, texte};
    FigurenSpeicher s;
    Paletten paletten;
    auto a = std::make_unique<AusgabeZustand>();
    Sequenzer seq;
    LiveZustand live;
    LiveKontext k{live, s, *a, seq, env};

    // Figure 1 on the right half, figure 2 on the left.
    s.lstFiguren = {"***Figur 0***", "rechts.qvb", "links.qvb"};
    s.Listentyp = {0, 0, 0};
    FigurenErweitern(s, 2);
    for (int f = 1; f <= 2; ++f) {
        auto& punkte = s.Figuren[f].Frames[0].Punkte;
        for (int i = 0; i < 1000; ++i) {
            const double w = 6.283185307179586 * i / 1000;
            punkte.push_back(
                Punkt{static_cast<std::int16_t>((f == 1 ? 1 : -1) * (15000 + 5000 * std::cos(w))),
                      static_cast<std::int16_t>(10000 * std::sin(w)), 0xFFF, 0});
        }
    }
    ErsterPunkt schreiber;
    a->Schreiber[geraetetyp::VirtuellesGeraet] = &schreiber;
    a->Geraetetyp[0] = geraetetyp::VirtuellesGeraet;
    a->SpurZuordnung[0][0] = true;
    ausgabeVorbereiten(*a, paletten);
    a->Uhr.passdauer = 20;

    MidiRoutingEintrag noten{144, 0, 0, 0, {}, 0};
    noten.gruppen[0] = true;
    live.midi.eintraege = {noten};
    live.maps.midi(60, 0) = 65;
    live.maps.midi(62, 0) = 66;
    live.keyTable[65] = 1;
    live.keyTable[66] = 2;
    FakeMidiEingang eingang;
    eingang.waehlen("Fake MIDI 1");

    std::vector<double> zurSpur, zumPunkt;
    zurSpur.reserve(static_cast<std::size_t>(anzahl));
    zumPunkt.reserve(static_cast<std::size_t>(anzahl));
    long falsch = 0;
    for (int i = -50; i < anzahl; ++i) { // 50 warm-up rounds
        const bool rechts = (i & 1) == 0;
        const std::uint8_t note = rechts ? 60 : 62;
        schreiber.gesehen = false;
        const auto t0 = Uhrzeit::now();
        eingang.senden({MidiNachricht{0x90, note, 100}});
        midiAbfragen(k, eingang);
        const auto t1 = Uhrzeit::now();
        Ausgabezyklus(*a, s, paletten, env);
        if (s.SpurAuswahl[0].Figur != (rechts ? 1 : 2) || !schreiber.gesehen ||
            (schreiber.x > 32767) != rechts) {
            ++falsch;
            continue;
        }
        if (i < 0) continue;
        zurSpur.push_back(mikro(t1 - t0));
        zumPunkt.push_back(mikro(schreiber.zeit - t0));
    }
    if (zurSpur.empty()) {
        std::printf("no note reached its track (%ld wrong)\n", falsch);
        return 1;
    }
    std::printf("MIDI note-on (fake input), 1000-point figures, one device\n");
    bericht("input to figure on track", zurSpur);
    bericht("input to first point emitted", zumPunkt);
    if (falsch) std::printf("%ld rounds showed the wrong figure\n", falsch);

    // Art-Net: channel 1 on figure row of group 0; values 10 and 20 show the two figures.
    live.dmx.kanaele[0].zeile = 1;
    live.dmx.kanaele[0].gruppen[0] = true;
    live.maps.dmx(10, 0) = 65;
    live.maps.dmx(20, 0) = 66;
    ArtNetEingang art({1, "127.0.0.1", 0});
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in ziel{};
    ziel.sin_family = AF_INET;
    ziel.sin_port = htons(art.port());
    ziel.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::vector<double> dmxZurSpur, dmxZumPunkt;
    long dmxFalsch = 0;
    for (int i = -50; i < anzahl; ++i) {
        const bool rechts = (i & 1) == 0;
        artnet::DmxPaket p;
        p.portAdresse = 1;
        p.sequenz = static_cast<std::uint8_t>((i + 51) % 255 + 1);
        p.laenge = 512;
        p.kanaele[0] = rechts ? 10 : 20;
        std::vector<std::uint8_t> b(artnet::kKopfBytes + 512);
        artnet::schreiben(p, b.data());
        schreiber.gesehen = false;
        const auto t0 = Uhrzeit::now();
        ::sendto(fd, b.data(), b.size(), 0, reinterpret_cast<sockaddr*>(&ziel), sizeof ziel);
        bool da = false;
        while (Uhrzeit::now() - t0 < std::chrono::milliseconds(200)) {
            Get_DMX(k, art);
            if (s.SpurAuswahl[0].Figur == (rechts ? 1 : 2)) {
                da = true;
                break;
            }
        }
        const auto t1 = Uhrzeit::now();
        Ausgabezyklus(*a, s, paletten, env);
        if (!da || !schreiber.gesehen || (schreiber.x > 32767) != rechts) {
            ++dmxFalsch;
            continue;
        }
        if (i < 0) continue;
        dmxZurSpur.push_back(mikro(t1 - t0));
        dmxZumPunkt.push_back(mikro(schreiber.zeit - t0));
    }
    ::close(fd);
    if (dmxZurSpur.empty()) {
        std::printf("no Art-Net packet reached its track (%ld wrong)\n", dmxFalsch);
        return 1;
    }
    std::printf("Art-Net packet on loopback, same figures\n");
    bericht("input to figure on track", dmxZurSpur);
    bericht("input to first point emitted", dmxZumPunkt);
    if (dmxFalsch) std::printf("%ld packets showed the wrong figure or were lost\n", dmxFalsch);
    return falsch || dmxFalsch ? 1 : 0;
}
