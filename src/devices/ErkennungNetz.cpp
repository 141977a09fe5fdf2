#include "devices/Erkennung.h"
#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/IdnProtokoll.h"

#include <arpa/inet.h>
#include <cstdio>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace sw {

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

std::optional<GeraeteEintrag> etherDreamEintrag(const std::uint8_t* daten, std::size_t bytes,
                                                const std::string& ip,
                                                const Netzeinstellungen& netz) {
    etherdream::Broadcast b;
    if (!etherdream::broadcastLesen(daten, bytes, b)) return std::nullopt;
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
    e.Netzadresse = ip;
    e.Netzport = netz.etherDreamTcpPort;
    return e;
}

std::optional<GeraeteEintrag> idnEintrag(const std::uint8_t* daten, std::size_t bytes,
                                         const std::string& ip, std::uint16_t port) {
    idn::ScanAntwort a;
    if (!idn::scanAntwortLesen(daten, bytes, a)) return std::nullopt;
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
    e.Netzadresse = ip;
    e.Netzport = port;
    return e;
}

} // namespace sw
