#pragma once
// Reading the command's input files and writing figure files, with the command-line
// program's error sentences.

#include "cli/CliUmgebung.h"
#include "platform/Speicherblock.h"

#include <string>

namespace sw::cli {

// The whole file, or CliFehler naming the file and the problem.
std::string eingabeLesen(const std::string& datei);
// The same in one block of memory, for a large file that is only parsed.
Speicherblock eingabeBlockLesen(const std::string& datei);
// Loads a figure file into figure slot 1.
void figurLaden(FigurenSpeicher& s, CliUmgebung& u, const std::string& datei);
// Loads it and selects it on the editor track, as the current figure of the file commands.
void figurBearbeiten(FigurenSpeicher& s, CliUmgebung& u, const std::string& datei);
// Saves the current figure as the save command does, or CliFehler.
void figurSchreiben(FigurenSpeicher& s, CliUmgebung& u, const std::string& datei);
// Whether the file name ends in the extension (".qvb"), without regard to case.
bool hatEndung(const std::string& datei, const char* endung);

} // namespace sw::cli
