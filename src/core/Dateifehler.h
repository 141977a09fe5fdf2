#pragma once
// A file the operator asked for could not be read or written: the warning says, in the chosen
// language, which file and what went wrong; the program's trap text goes to the log and to the
// warning's details, where support looks for it.

#include "platform/Umgebung.h"

#include <string>

namespace sw {

enum class Zugriff { Lesen, Schreiben };

void dateifehlerMelden(Umgebung& env, Zugriff art, const std::string& falle,
                       const std::string& datei, const std::string& grund);

} // namespace sw
