#include "show/UhrMedien.h"

#include <algorithm>
#include <filesystem>

namespace sw {

void UhrMedien::laengeAusEvents(const EventListe& ev) {
    laenge = (ev.empty() ? 0 : ev.back().start + kNachlaufMs) / 1000;
}

void UhrMedien::zuruecksetzen(double l) {
    laenge = std::max(0.0, l);
    offen_ = true;
    basis_ = 0;
    spielt_ = false;
}

void UhrMedien::uebernehmen(double l, double position, bool laeuft, double rate) {
    laenge = std::max(0.0, l);
    offen_ = true;
    rate_ = rate > 0 ? rate : 1.0;
    basis_ = begrenzt(position);
    basisUhr_ = uhr_.sekunden();
    spielt_ = laeuft;
}

bool UhrMedien::DS_OpenFile(const std::string& datei, const Videofenster&) {
    std::error_code ec;
    spielt_ = false;
    basis_ = 0;
    offen_ = jedeDatei || std::filesystem::is_regular_file(datei, ec) ||
             std::filesystem::path(datei).filename() == "No.mp3";
    return offen_;
}

double UhrMedien::begrenzt(double position) const {
    position = std::max(0.0, position);
    return endlich() ? std::min(position, laenge) : position;
}

double UhrMedien::DS_GetPosition() {
    if (!spielt_) return basis_;
    const double p = basis_ + (uhr_.sekunden() - basisUhr_) * rate_;
    if (!endlich() || p < laenge) return std::max(p, basis_);
    // At the end the clock stops there, as a player does.
    basis_ = laenge;
    spielt_ = false;
    return basis_;
}

void UhrMedien::DS_Play() {
    if (spielt_) return;
    if (endlich() && basis_ >= laenge) basis_ = 0;
    basisUhr_ = uhr_.sekunden();
    spielt_ = true;
}

void UhrMedien::DS_Pause() {
    basis_ = DS_GetPosition();
    spielt_ = false;
}

void UhrMedien::DS_SetPosition(double sekunden) {
    basis_ = begrenzt(sekunden);
    basisUhr_ = uhr_.sekunden();
}

void UhrMedien::DS_SetRate(double rate) {
    if (rate <= 0) return;
    basis_ = DS_GetPosition();
    basisUhr_ = uhr_.sekunden();
    rate_ = rate;
}

} // namespace sw
