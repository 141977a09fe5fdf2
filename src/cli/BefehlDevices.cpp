#include "cli/Befehle.h"
#include "cli/Geraetewahl.h"
#include "cli/Json.h"
#include "devices/Geraeteverwaltung.h"

#include <iostream>

namespace sw::cli {

void befehlDevices(const std::string& einstellungsDatei, int warten) {
    if (warten < 0 || warten > kMaxGeraeteWarten)
        throw CliFehler("--wait must be from 0 to " + std::to_string(kMaxGeraeteWarten) + ".");
    CliUmgebung u;
    Geraete g;
    auto e = einstellungsdateiOeffnen(u, einstellungsDatei);
    geraeteErkennen(g, u, e.get());
    geraeteAbwarten(g, u.env, warten);
    std::string aus = "{\"devices\":[";
    for (std::size_t i = 0; i < g.Geraeteliste.size(); ++i) {
        const auto& d = g.Geraeteliste[i];
        if (i) aus += ',';
        aus += "{\"index\":";
        jsonGanzzahl(aus, static_cast<std::int64_t>(i));
        aus += ",\"typ\":";
        jsonGanzzahl(aus, static_cast<std::int64_t>(d.Typ));
        aus += ",\"kennung\":";
        jsonText(aus, d.Kennung);
        aus += ",\"anzeigename\":";
        jsonText(aus, d.Anzeigename);
        aus += ",\"familie\":";
        jsonText(aus, d.Familie);
        aus += ",\"handle\":";
        jsonGanzzahl(aus, d.Handle);
        aus += ",\"farbkanaele\":";
        jsonGanzzahl(aus, d.Farbkanaele);
        aus += ",\"minSpeed\":";
        jsonKommazahl(aus, d.MinSpeed);
        aus += ",\"maxSpeed\":";
        jsonKommazahl(aus, d.MaxSpeed);
        aus += ",\"maxFrameSize\":";
        jsonKommazahl(aus, d.MaxFrameSize);
        aus += std::string(",\"dmxIn\":") + (d.DmxIn ? "true" : "false");
        aus += std::string(",\"dmxOut\":") + (d.DmxOut ? "true" : "false");
        aus += std::string(",\"ttl\":") + (d.Ttl ? "true" : "false");
        aus += '}';
    }
    aus += "]}\n";
    std::cout << aus;
}

} // namespace sw::cli
