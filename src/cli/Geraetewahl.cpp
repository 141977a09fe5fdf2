#include "cli/Geraetewahl.h"

#include "app/Einstellungsdatei.h"
#include "app/Einstellungsmodell.h"
#include "cli/Dateien.h"
#include "devices/Emulation.h"
#include "devices/Geraeteverwaltung.h"

#include <cstdlib>

namespace sw::cli {

std::unique_ptr<Einstellungen> einstellungsdateiOeffnen(CliUmgebung& u, const std::string& datei) {
    if (datei.empty()) return nullptr;
    const std::string inhalt = eingabeLesen(datei);
    const std::string problem = einstellungsdateiPruefen(Einstellungsmodell{}, inhalt);
    if (!problem.empty()) throw CliFehler(datei + ": " + problem + ".");
    auto e = std::make_unique<Einstellungen>(u.log, u.pumpe);
    e->IniPfad = datei;
    e->ini().vorgeben(datei, inhalt);
    return e;
}

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
