#pragma once
// A file the operator asked for could not be read or written: the warning says, in the chosen
// language, which file and what went wrong; the program's trap text goes to the log and to the
// warning's details, where support looks for it.

#include "platform/Umgebung.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace sw {

enum class Zugriff { Lesen, Schreiben };

void dateifehlerMelden(Umgebung& env, Zugriff art, const std::string& falle,
                       const std::string& datei, const std::string& grund);

// Writes `bytes` to `datei` atomically; a failure is shown as above with the trap text `falle`
// and gives false.
bool speichernOderMelden(Umgebung& env, const std::filesystem::path& datei,
                         std::string_view bytes, const std::string& falle);

} // namespace sw
