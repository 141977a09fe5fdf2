#pragma once
// Showing a figure folder (the folder change) and loading the program folder's test pictures
// and fixed figures into the negative slots at start-up.

#include "core/FigurenSpeicher.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sw {

// The folder's files with the extension (compared without regard to case), sorted by binary
// comparison; none when the folder cannot be read. Folders never count, whatever their name.
std::vector<std::string> ordnerDateien(const std::filesystem::path& ordner,
                                       const std::string& endung);

// The folder's files with the extension (compared without regard to case), umlauts in their
// names replaced on disk, sorted by binary comparison.
std::vector<std::string> ordnerDateienMitUmlautErsatz(Umgebung& env,
                                                      const std::filesystem::path& ordner,
                                                      const std::string& endung);

// Shows the folder: change marks forgotten (the caller asked before), figure 0 reset, lstFiguren
// rebuilt with the folder's figure files (file k loaded into figure k) and then its show parts, the
// key order and mapping files read.
void lstDir_Change(FigurenSpeicher& s, Umgebung& env, const std::filesystem::path& ordner);

// Counts "TestBilder/*.bin" and "FixFiguren/*.qvb" under the program folder, sets
// `FigurenUntergrenze` from the count and loads them downward from -4, test pictures first.
void TestbilderUndFixFigurenLaden(FigurenSpeicher& s, Umgebung& env,
                                  const std::filesystem::path& programmOrdner);

} // namespace sw
