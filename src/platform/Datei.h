#pragma once
// Whole-file reading and atomic writing: a file is written beside its target under a
// temporary name and renamed over it, so a crash or a full disk never destroys the previous
// version.

#include <filesystem>
#include <string>
#include <string_view>

namespace sw {

// The whole file; Laufzeitfehler 53 when it does not exist, 75 when it cannot be read.
std::string dateiLesen(const std::filesystem::path& datei);

// Writes the bytes to a temporary file in the same folder, flushes it to disk and renames
// it over the target. Laufzeitfehler 75 on failure; the target is then unchanged.
void atomarSchreiben(const std::filesystem::path& datei, std::string_view bytes);

} // namespace sw
