#pragma once
// Making a showpart from the timeline and saving it in the show folder.

#include "platform/Umgebung.h"
#include "show/SequenzBearbeiten.h"

#include <filesystem>
#include <optional>

namespace sw {

// Asks for a file name in the show folder unless `dateinameBekannt` (then `datei` is used),
// refusing names with umlauts until the operator gives one without; saves showpart `index`
// and refreshes the figure list. Returns the file written, or nothing when cancelled or
// failed.
std::optional<std::filesystem::path> Showpart_Speichern(Sequenzer& s, Umgebung& env, long index,
                                                        bool dateinameBekannt,
                                                        const std::filesystem::path& datei = {});

// After a yes/no question (language text 1096): the marked events, or all events when none
// is marked, become a new showpart. Its times count from the first of them, so it starts at
// 0 wherever it is played; its length is the latest of these times. Then it is saved as above
// (its name is the file's name). Returns the new showpart's index, or nothing when declined
// or cancelled (the showpart list is then unchanged).
std::optional<long> mnuErzeugen_Click(Sequenzer& s, Umgebung& env);

} // namespace sw
