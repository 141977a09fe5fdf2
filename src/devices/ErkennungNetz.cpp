#include "devices/Erkennung.h"
#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/IdnProtokoll.h"
#include "devices/netz/Sockets.h"
#include "devices/usb/HeliosProtokoll.h"
#include "devices/usb/Usb.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <arpa/inet.h>

namespace sw {

namespace {

// The broadcast address of every local IPv4 network that is up, and loopback.
std::vector<std::string> lokaleBroadcasts() {
    std::vector<std::string> aus{"127.0.0.1"};
    ifaddrs* liste = nullptr;
    if (getifaddrs(&liste) != 0) return aus;
    for (ifaddrs* a = liste; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || !(a->ifa_flags & IFF_UP) ||
            !(a->ifa_flags & IFF_BROADCAST) || !a->ifa_broadaddr)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(a->ifa_broadaddr)->sin_addr, text,
                  sizeof text);
        aus.emplace_back(text);
    }
    freeifaddrs(liste);
    return aus;
}

long restMs(std::chrono::steady_clock::time_point ende) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 ende - std::chrono::steady_clock::now())
                                 .count());
}

bool bekannt(const Geraete& g, const std::string& kennung) {
    for (const auto& e : g.Geraeteliste)
        if (e.Kennung == kennung) return true;
    return false;
}

} // namespace

void Init_EtherDream(Geraete& g, Umgebung& env) {
    netz::UdpSocket udp;
    if (!udp.binden(g.netz.suchAdresse, g.netz.etherDreamBroadcastPort)) {
        env.log.zeile("EtherDream: cannot listen on " + g.netz.suchAdresse + ":" +
                      std::to_string(g.netz.etherDreamBroadcastPort));
        return;
    }
    // Real time, not program time: the broadcasts arrive on the network's clock.
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(g.netz.suchzeit);
    for (;;) {
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
                              ende - std::chrono::steady_clock::now())
                              .count();
        if (rest <= 0) break;
        std::uint8_t puffer[64];
        netz::Adresse von;
        const long n = udp.empfangen(puffer, sizeof puffer, static_cast<int>(rest), &von);
        etherdream::Broadcast b;
        if (n < 0 || !etherdream::broadcastLesen(puffer, static_cast<std::size_t>(n), b)) continue;
        const std::string kennung = etherdream::kennung(b.mac);
        if (bekannt(g, kennung)) continue;
        GeraeteEintrag e;
        e.Typ = Geraetetyp::EtherDream;
        e.Kennung = kennung;
        char name[32];
        std::snprintf(name, sizeof name, "Ether Dream %02x%02x%02x", b.mac[3], b.mac[4], b.mac[5]);
        e.Anzeigename = name;
        e.Familie = "Ether Dream";
        e.Bereit = true;
        e.Farbkanaele = 4;
        e.MinSpeed = 1;
        e.MaxSpeed = b.maxPunktrate;
        e.SpeedStep = 1;
        e.MaxFrameSize = b.pufferKapazitaet;
        e.Netzadresse = von.ip;
        e.Netzport = g.netz.etherDreamTcpPort;
        env.log.zeile("EtherDream found: " + kennung + " at " + von.ip);
        g.Geraeteliste.push_back(e);
    }
}

void Init_IDN(Geraete& g, Umgebung& env) {
    netz::UdpSocket udp;
    if (!udp.binden(g.netz.suchAdresse, 0)) {
        env.log.zeile("IDN: cannot open a socket on " + g.netz.suchAdresse);
        return;
    }
    const auto ziele = g.netz.idnAdresse.empty() ? lokaleBroadcasts()
                                                 : std::vector<std::string>{g.netz.idnAdresse};
    const auto anfrage = idn::scanAnfrage(1);
    for (const auto& ziel : ziele) udp.senden({ziel, g.netz.idnPort}, anfrage.data(), anfrage.size());
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(g.netz.suchzeit);
    for (long rest = restMs(ende); rest > 0; rest = restMs(ende)) {
        std::uint8_t puffer[128];
        netz::Adresse von;
        const long n = udp.empfangen(puffer, sizeof puffer, static_cast<int>(rest), &von);
        idn::ScanAntwort a;
        if (n < 0 || !idn::scanAntwortLesen(puffer, static_cast<std::size_t>(n), a)) continue;
        const std::string kennung = idn::kennung(a);
        if (bekannt(g, kennung)) continue;
        GeraeteEintrag e;
        e.Typ = Geraetetyp::IDN;
        e.Kennung = kennung;
        e.Anzeigename = "IDN " + (a.hostname.empty() ? kennung.substr(4) : a.hostname);
        e.Familie = "IDN";
        e.Bereit = true;
        e.Farbkanaele = 4;
        e.MinSpeed = 1;
        e.MaxSpeed = 100000;
        e.SpeedStep = 1;
        e.MaxFrameSize = 10000;
        e.Netzadresse = von.ip;
        e.Netzport = von.port;
        env.log.zeile("IDN found: " + kennung + " (" + a.hostname + ") at " + von.ip);
        g.Geraeteliste.push_back(e);
    }
}

void Init_Helios(Geraete& g, Umgebung& env) {
    if (!g.bibliothek.usb) g.bibliothek.usb = usb::libusbBus();
    if (!g.bibliothek.usb) {
        env.log.zeile("Helios: no USB access (libusb missing or not permitted)");
        return;
    }
    for (const auto& kennung : g.bibliothek.usb->suchen(helios::kHersteller, helios::kProdukt)) {
        if (bekannt(g, "Helios " + kennung)) continue;
        auto v = g.bibliothek.usb->oeffnen(kennung, helios::kInterface, helios::kAlternative);
        if (!v) {
            env.log.zeile("Helios " + kennung + ": cannot open the device (see the udev rule)");
            continue;
        }
        // The name the owner gave the DAC, when it tells it.
        std::string name;
        const auto a = helios::anfrage(helios::kName);
        std::uint8_t antwort[32] = {};
        if (v->interruptSchreiben(helios::kInterruptAus, a.data(), a.size(), 100) >= 0 &&
            v->interruptLesen(helios::kInterruptEin, antwort, sizeof antwort, 100) > 1 &&
            antwort[0] == 0x85)
            name.assign(reinterpret_cast<const char*>(antwort + 1),
                        strnlen(reinterpret_cast<const char*>(antwort + 1), sizeof antwort - 2));
        GeraeteEintrag e;
        e.Typ = Geraetetyp::Helios;
        e.Kennung = "Helios " + kennung;
        e.Anzeigename = name.empty() ? e.Kennung : name;
        e.Familie = "Helios";
        e.Bereit = true;
        e.Farbkanaele = 4;
        e.MinSpeed = helios::kMinRate;
        e.MaxSpeed = helios::kMaxRate;
        e.SpeedStep = 1;
        e.MaxFrameSize = helios::kMaxPunkte;
        env.log.zeile("Helios found: " + e.Kennung + " (" + e.Anzeigename + ")");
        g.Geraeteliste.push_back(e);
    }
}

} // namespace sw
