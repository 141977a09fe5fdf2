#include "show/Medien.h"

#include <algorithm>
#include <filesystem>

namespace sw {

bool FakeMedien::DS_OpenFile(const std::string& datei, const Videofenster&) {
    spielt = false;
    position = 0;
    std::error_code ec;
    if (scheitern.count(datei) || !std::filesystem::is_regular_file(datei, ec)) return false;
    geoeffnet.push_back(datei);
    return true;
}

void FakeMedien::weiter(double ms) {
    if (!spielt) return;
    position = std::min(position + ms / 1000.0 * rate, DS_GetDuration());
}

void FakeMedien::DS_Play() {
    if (position >= DS_GetDuration()) position = 0;
    spielt = true;
}

void FakeMedien::DS_SetPosition(double sekunden) {
    position = std::clamp(sekunden, 0.0, DS_GetDuration());
}

} // namespace sw
