#include "devices/Erkennung.h"
#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/Sockets.h"

#include <chrono>
#include <cstdio>

namespace sw {

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
        bool bekannt = false;
        for (const auto& e : g.Geraeteliste) bekannt = bekannt || e.Kennung == kennung;
        if (bekannt) continue;
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

} // namespace sw
