#pragma once
// The texts of "Language.txt": German (language 0) and English (language 1) for every message
// number the program uses; the other languages are left empty and show the English text.

#include "platform/Beschriftung.h"

#include <string>
#include <vector>

namespace sw::gen {

using Sprachtext = text::Beschriftung;

const std::vector<Sprachtext>& sprachtexte();

// The file: 2001 blocks of ten lines with their three-character prefixes, Windows-1252, CR LF.
std::string languageTxt();

} // namespace sw::gen
