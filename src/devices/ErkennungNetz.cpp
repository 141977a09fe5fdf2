#include "devices/Erkennung.h"
#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/IdnProtokoll.h"
#include "devices/netz/Sockets.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

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

// Receives datagrams on the socket until the deadline (real time: they arrive on the
// network's clock) and hands each one with its sender to `nehmen`.
template <typename F>
void empfangenBis(netz::UdpSocket& udp, std::chrono::steady_clock::time_point ende, F&& nehmen) {
    for (;;) {
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
                              ende - std::chrono::steady_clock::now())
                              .count();
        if (rest <= 0) return;
        std::uint8_t puffer[128];
        netz::Adresse von;
        const long n = udp.empfangen(puffer, sizeof puffer, static_cast<int>(rest), &von);
        if (n >= 0) nehmen(puffer, static_cast<std::size_t>(n), von);
    }
}

void fundHinzufuegen(std::vector<Netzsuche::Fund>& funde, GeraeteEintrag e, std::string zeile) {
    for (const auto& f : funde)
        if (f.eintrag.Kennung == e.Kennung) return;
    funde.push_back({std::move(e), std::move(zeile)});
}

std::vector<Netzsuche::Fund> etherDreamHoeren(const Netzeinstellungen& netz,
                                              std::chrono::steady_clock::time_point ende) {
    std::vector<Netzsuche::Fund> funde;
    netz::UdpSocket udp;
    if (!udp.binden(netz.suchAdresse, netz.etherDreamBroadcastPort)) {
        funde.push_back({GeraeteEintrag{}, "EtherDream: cannot listen on " + netz.suchAdresse +
                                               ":" +
                                               std::to_string(netz.etherDreamBroadcastPort)});
        return funde;
    }
    empfangenBis(udp, ende, [&](const std::uint8_t* d, std::size_t n, const netz::Adresse& von) {
        etherdream::Broadcast b;
        if (!etherdream::broadcastLesen(d, n, b)) return;
        GeraeteEintrag e;
        e.Typ = Geraetetyp::EtherDream;
        e.Kennung = etherdream::kennung(b.mac);
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
        e.Netzport = netz.etherDreamTcpPort;
        const std::string zeile = "EtherDream found: " + e.Kennung + " at " + von.ip;
        fundHinzufuegen(funde, std::move(e), zeile);
    });
    return funde;
}

std::vector<Netzsuche::Fund> idnScannen(const Netzeinstellungen& netz,
                                        std::chrono::steady_clock::time_point ende) {
    std::vector<Netzsuche::Fund> funde;
    netz::UdpSocket udp;
    if (!udp.binden(netz.suchAdresse, 0)) {
        funde.push_back({GeraeteEintrag{}, "IDN: cannot open a socket on " + netz.suchAdresse});
        return funde;
    }
    const auto ziele = netz.idnAdresse.empty() ? lokaleBroadcasts()
                                               : std::vector<std::string>{netz.idnAdresse};
    const auto anfrage = idn::scanAnfrage(1);
    for (const auto& ziel : ziele) udp.senden({ziel, netz.idnPort}, anfrage.data(), anfrage.size());
    empfangenBis(udp, ende, [&](const std::uint8_t* d, std::size_t n, const netz::Adresse& von) {
        idn::ScanAntwort a;
        if (!idn::scanAntwortLesen(d, n, a)) return;
        GeraeteEintrag e;
        e.Typ = Geraetetyp::IDN;
        e.Kennung = idn::kennung(a);
        e.Anzeigename = "IDN " + (a.hostname.empty() ? e.Kennung.substr(4) : a.hostname);
        e.Familie = "IDN";
        e.Bereit = true;
        e.Farbkanaele = 4;
        e.MinSpeed = 1;
        e.MaxSpeed = 100000; // IDN-Hello does not tell; the pipeline's own limits apply
        e.SpeedStep = 1;
        e.MaxFrameSize = 10000;
        e.Netzadresse = von.ip;
        e.Netzport = von.port;
        const std::string zeile = "IDN found: " + e.Kennung + " (" + a.hostname + ") at " + von.ip;
        fundHinzufuegen(funde, std::move(e), zeile);
    });
    return funde;
}

void eintragen(Geraete& g, Umgebung& env, std::vector<Netzsuche::Fund> funde) {
    for (auto& f : funde) {
        env.log.zeile(f.zeile);
        if (f.eintrag.Typ == Geraetetyp::NoDevice) continue; // a failure, logged
        bool bekannt = false;
        for (const auto& e : g.Geraeteliste) bekannt = bekannt || e.Kennung == f.eintrag.Kennung;
        if (!bekannt) g.Geraeteliste.push_back(std::move(f.eintrag));
    }
}

} // namespace

Netzsuche::Netzsuche(const Netzeinstellungen& netz) {
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(netz.suchzeit);
    etherDream_ = std::async(std::launch::async, etherDreamHoeren, netz, ende);
    idn_ = std::async(std::launch::async, idnScannen, netz, ende);
}

Netzsuche::~Netzsuche() {
    if (etherDream_.valid()) etherDream_.wait();
    if (idn_.valid()) idn_.wait();
}

void Netzsuche::Init_EtherDream(Geraete& g, Umgebung& env) {
    if (etherDream_.valid()) eintragen(g, env, etherDream_.get());
}

void Netzsuche::Init_IDN(Geraete& g, Umgebung& env) {
    if (idn_.valid()) eintragen(g, env, idn_.get());
}

} // namespace sw
