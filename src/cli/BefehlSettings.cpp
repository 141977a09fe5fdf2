#include "app/Einstellungsdatei.h"
#include "app/Programmstart.h"
#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"

#include <iostream>

namespace sw::cli {

void befehlSettings(const std::string& aktion, const std::string& datei,
                    const std::string& einstellungsArgument) {
    if (!einstellungsArgument.empty()) {
        const std::string ende = einstellungsArgument.size() >= 10
                                     ? einstellungsArgument.substr(einstellungsArgument.size() - 10)
                                     : "";
        if (ende != ".Laser_ini" && ende != ".laser_ini")
            throw CliFehler(einstellungsArgument +
                            ": a settings file given with --settings must end in \".Laser_ini\".");
    }
    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    SystemUhr uhr;
    auto p = std::make_unique<Programm>(dialoge, pumpe, uhr);
    StartHooks hooks;
    if (Programmstart(*p, einstellungsArgument, hooks) == Fortsetzung::ProgrammBeenden)
        throw CliFehler("the start-up was ended.");
    bool ok = false;
    if (aktion == "export") {
        ok = einstellungenExportieren(*p, datei);
    } else {
        ok = einstellungenImportieren(*p, datei);
        if (ok) INI_Speichern(*p);
    }
    Programmende(*p);
    if (!ok)
        throw CliFehler(datei + ": the settings cannot be " +
                        (aktion == "export" ? "written" : "read") + ".");
    std::cout << (aktion == "export" ? "exported the settings of " : "imported into ")
              << p->einstellungen.IniPfad << (aktion == "export" ? " to " : " from ") << datei
              << "\n";
}

} // namespace sw::cli
