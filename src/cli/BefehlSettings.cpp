#include "app/Einstellungsdatei.h"
#include "app/Programmstart.h"
#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"
#include "cli/Dateien.h"

#include <filesystem>
#include <iostream>

namespace sw::cli {

namespace {

namespace fs = std::filesystem;

// The settings file of the run (--settings): its name ends in ".Laser_ini", its folder exists,
// and when it exists it is a text file, since the program writes into it.
void laufEinstellungenPruefen(const std::string& datei) {
    const std::string ende = datei.size() >= 10 ? datei.substr(datei.size() - 10) : "";
    if (ende != ".Laser_ini" && ende != ".laser_ini")
        throw CliFehler(datei +
                        ": a settings file given with --settings must end in \".Laser_ini\".");
    std::error_code ec;
    const fs::path ordner = fs::path(datei).parent_path();
    if (!ordner.empty() && !fs::is_directory(ordner, ec))
        throw CliFehler(datei + ": the folder of the settings file does not exist.");
    if (!fs::exists(datei, ec)) return;
    if (enthaeltBinaerdaten(eingabeLesen(datei)))
        throw CliFehler(datei + ": the file is no settings file (it holds binary data).");
}

} // namespace

void befehlSettings(const std::string& aktion, const std::string& datei,
                    const std::string& einstellungsArgument) {
    if (!einstellungsArgument.empty()) laufEinstellungenPruefen(einstellungsArgument);
    if (aktion == "import") {
        // Refused before the program starts, so that a wrong file changes nothing at all.
        const std::string problem =
            einstellungsdateiPruefen(Einstellungsmodell{}, eingabeLesen(datei));
        if (!problem.empty()) throw CliFehler(datei + ": " + problem + "; nothing was imported.");
    }
    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    SystemUhr uhr;
    auto p = std::make_unique<Programm>(dialoge, pumpe, uhr);
    StartHooks hooks;
    try {
        if (Programmstart(*p, einstellungsArgument, hooks) == Fortsetzung::ProgrammBeenden)
            throw CliFehler("the start-up was ended.");
    } catch (const Laufzeitfehler& e) {
        const std::string ini = p->einstellungen.IniPfad;
        throw CliFehler((ini.empty() ? std::string("the program") : ini) +
                        ": the start-up failed (" + e.what() + ").");
    }
    std::string problem;
    std::string fehler;
    if (aktion == "export") {
        if (!einstellungenExportieren(*p, datei, &problem))
            fehler = datei + ": the settings cannot be written (" +
                     (problem.empty() ? "an error in the settings" : problem) + ").";
    } else if (!einstellungenImportieren(*p, datei, &problem)) {
        fehler = datei + ": the settings cannot be read (" + problem + "); nothing was imported.";
    } else if (!INI_Speichern(*p, &problem)) {
        fehler = p->einstellungen.IniPfad + ": the imported settings cannot be saved (" +
                 (problem.empty() ? "an error in the settings" : problem) + ").";
    }
    Programmende(*p);
    if (!fehler.empty()) throw CliFehler(fehler);
    std::cout << (aktion == "export" ? "exported the settings of " : "imported into ")
              << p->einstellungen.IniPfad << (aktion == "export" ? " to " : " from ") << datei
              << "\n";
}

} // namespace sw::cli
