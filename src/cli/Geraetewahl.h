#pragma once
// The devices of the command-line program: detection as at start-up, with the emulated vendor
// libraries chosen by STRAHLWERK_EMULATE or the settings key "Geraete" of section "Emulation".

#include "cli/CliUmgebung.h"
#include "devices/Geraete.h"
#include "einstellungen/Einstellungen.h"
#include "output/Ausgabe.h"

#include <memory>
#include <string>
#include <vector>

namespace sw::cli {

// The settings file given to a file tool (--settings), held in memory so that the run never
// writes it; nullptr for "". CliFehler when it is missing or no settings file.
std::unique_ptr<Einstellungen> einstellungsdateiOeffnen(CliUmgebung& u, const std::string& datei);

// Sets up the libraries (emulated where described) and runs the detection.
void geraeteErkennen(Geraete& g, CliUmgebung& u, Einstellungen* einstellungen);

// The devices of a play command: detection, the stored devices and output settings of the
// settings file, and each "N=NAME" assigned; without either, the Virtual Device on side A.
// CliFehler for a device that is not connected. (Defined with the play command.)
void geraeteEinrichten(CliUmgebung& u, Geraete& geraete, AusgabeZustand& a,
                       const Paletten& paletten, Einstellungen* e,
                       const std::vector<std::string>& angaben);

} // namespace sw::cli
