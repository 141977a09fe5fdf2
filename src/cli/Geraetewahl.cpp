#include "cli/Geraetewahl.h"

#include "devices/Emulation.h"
#include "devices/Geraeteverwaltung.h"

#include <cstdlib>

namespace sw::cli {

void geraeteErkennen(Geraete& g, CliUmgebung& u, Einstellungen* einstellungen) {
    std::string beschreibung;
    if (const char* umgebung = std::getenv("STRAHLWERK_EMULATE")) beschreibung = umgebung;
    if (beschreibung.empty() && einstellungen) {
        beschreibung = einstellungen->textLesen("Emulation", "Geraete", "");
        if (beschreibung == "<no value>") beschreibung.clear();
    }
    if (!beschreibung.empty()) emu::einrichten(g.bibliothek, u.uhr, beschreibung);
    if (einstellungen) netzeinstellungenLesen(g, *einstellungen);
    if (Init_Hardware(g, u.env) == Fortsetzung::ProgrammBeenden)
        throw CliFehler("the device detection failed.");
}

} // namespace sw::cli
