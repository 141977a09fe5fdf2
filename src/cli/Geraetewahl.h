#pragma once
// The devices of the command-line program: detection as at start-up, with the emulated vendor
// libraries chosen by STRAHLWERK_EMULATE or the settings key "Geraete" of section "Emulation".

#include "einstellungen/Einstellungen.h"
#include "cli/CliUmgebung.h"
#include "devices/Geraete.h"

#include <memory>
#include <string>

namespace sw::cli {

// The settings file given to a file tool (--settings), held in memory so that the run never
// writes it; nullptr for "". CliFehler when it is missing or no settings file.
std::unique_ptr<Einstellungen> einstellungsdateiOeffnen(CliUmgebung& u, const std::string& datei);

// Sets up the libraries (emulated where described) and runs the detection.
void geraeteErkennen(Geraete& g, CliUmgebung& u, Einstellungen* einstellungen);

} // namespace sw::cli
