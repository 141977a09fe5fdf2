#pragma once
// Text at the file boundary: files hold Windows-1252, memory holds UTF-8. Plus the small text
// rules that several routines share.

#include <string>
#include <string_view>

namespace sw {

// Windows-1252 bytes to UTF-8. The five unassigned bytes map to the C1 code points of the
// same value, as the Windows conversion does.
std::string cp1252NachUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character the code page lacks, or a broken UTF-8 sequence,
// becomes "?", as with the Windows ANSI interfaces.
std::string utf8NachCp1252(std::string_view text);

// Replaces ä ae, ö oe, ü ue, Ä Ae, Ö Oe, Ü Ue, ß ss (UTF-8).
std::string umlauteErsetzen(std::string_view text);

// ASCII case-insensitive equality, the comparison of settings sections and keys.
bool gleichOhneGross(std::string_view a, std::string_view b);

// Removes blanks, tabs and line ends at both ends.
std::string_view trimmen(std::string_view text);

} // namespace sw
