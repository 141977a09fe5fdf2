#include "show/Medien.h"

#include <filesystem>

namespace sw {

bool FakeMedien::DS_OpenFile(const std::string& datei, const Videofenster&) {
    std::error_code ec;
    if (scheitern.count(datei) || !std::filesystem::is_regular_file(datei, ec)) return false;
    geoeffnet.push_back(datei);
    return true;
}

} // namespace sw
