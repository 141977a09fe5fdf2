#pragma once
// The devices of the command-line program: detection as at start-up, with the emulated vendor
// libraries chosen by STRAHLWERK_EMULATE or the settings key "Geraete" of section "Emulation".

#include "app/Einstellungen.h"
#include "cli/CliUmgebung.h"
#include "devices/Geraete.h"

namespace sw::cli {

// Sets up the libraries (emulated where described) and runs the detection.
void geraeteErkennen(Geraete& g, CliUmgebung& u, Einstellungen* einstellungen);

} // namespace sw::cli
