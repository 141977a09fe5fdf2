#pragma once
// The language file "Language.txt": blocks of ten lines, one block per message number 0 to
// 2000, line k of a block the text in language k after a three-character prefix. Languages 2 to
// 8 fall back to language 1 where their entry is empty (or one or two blanks).

#include "einstellungen/Einstellungen.h"
#include "platform/Sprachtexte.h"
#include "platform/Umgebung.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace sw {

// Fills the table from the text; a short text leaves the remaining messages empty.
void sprachtexteLesen(Sprachtexte& t, std::string_view inhalt);

// Loads "Language.txt" of the program folder. A missing file leaves every text empty and
// start-up goes on; a file that cannot be read is reported and tried once more.
void LoadMessages(Sprachtexte& t, Umgebung& env, const std::filesystem::path& programmordner);

// The language choice: "formOptionen.OptLanguage(i).Value" of "Optionen_SonstigeSettings"; the
// first i whose stored value is not 0 is the language.
void spracheLaden(Sprachtexte& t, Einstellungen& e);
// Chooses language i, stores it and re-captions every window through `beschriften`.
void OptLanguage_Click(Sprachtexte& t, Einstellungen& e, int i,
                       const std::function<void()>& beschriften);

} // namespace sw
