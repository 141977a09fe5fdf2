#include "show/UhrMedien.h"

#include <algorithm>
#include <filesystem>

namespace sw {

bool UhrMedien::DS_OpenFile(const std::string& datei, const Videofenster&) {
    std::error_code ec;
    spielt_ = false;
    basis_ = 0;
    // The placeholder of a show without playable media is a clock only: it opens even where
    // the program folder does not hold it.
    offen_ = std::filesystem::is_regular_file(datei, ec) ||
             std::filesystem::path(datei).filename() == "No.mp3";
    return offen_;
}

double UhrMedien::DS_GetPosition() {
    if (!spielt_) return basis_;
    const double p = basis_ + (uhr_.sekunden() - basisUhr_) * rate_;
    return laenge > 0 ? std::min(p, laenge) : p;
}

void UhrMedien::DS_Play() {
    basis_ = DS_GetPosition();
    if (laenge > 0 && basis_ >= laenge) basis_ = 0;
    basisUhr_ = uhr_.sekunden();
    spielt_ = true;
}

void UhrMedien::DS_Pause() {
    basis_ = DS_GetPosition();
    spielt_ = false;
}

void UhrMedien::DS_SetPosition(double sekunden) {
    basis_ = std::max(0.0, sekunden);
    if (laenge > 0) basis_ = std::min(basis_, laenge);
    basisUhr_ = uhr_.sekunden();
}

void UhrMedien::DS_SetRate(double rate) {
    if (rate <= 0) return;
    basis_ = DS_GetPosition();
    basisUhr_ = uhr_.sekunden();
    rate_ = rate;
}

} // namespace sw
