#include "medien/Platzhaltermedien.h"

#include "platform/Uhr.h"

#include <algorithm>

namespace sw {

Platzhaltermedien::Platzhaltermedien(Uhr& uhr, double laenge) : uhr_(uhr), laenge_(laenge) {}

void Platzhaltermedien::zuruecksetzen(double laenge) {
    laenge_ = std::max(0.0, laenge);
    basis_ = 0;
    spielt_ = false;
}

void Platzhaltermedien::uebernehmen(double laenge, double position, bool laeuft, double rate) {
    laenge_ = std::max(0.0, laenge);
    rate_ = rate > 0 ? rate : 1.0;
    basis_ = std::clamp(position, 0.0, laenge_);
    basisZeit_ = uhr_.sekunden();
    spielt_ = laeuft;
}

bool Platzhaltermedien::DS_OpenFile(const std::string&, const Videofenster&) {
    zuruecksetzen(laenge_);
    return true;
}

double Platzhaltermedien::DS_GetPosition() {
    if (!spielt_) return basis_;
    const double p = basis_ + (uhr_.sekunden() - basisZeit_) * rate_;
    if (p < laenge_) return std::max(p, basis_);
    // At the end the clock stops there, as a player does.
    basis_ = laenge_;
    spielt_ = false;
    return basis_;
}

void Platzhaltermedien::DS_Play() {
    if (spielt_) return;
    if (basis_ >= laenge_) basis_ = 0;
    basisZeit_ = uhr_.sekunden();
    spielt_ = true;
}

void Platzhaltermedien::DS_Pause() {
    basis_ = DS_GetPosition();
    spielt_ = false;
}

void Platzhaltermedien::DS_SetPosition(double sekunden) {
    basis_ = std::clamp(sekunden, 0.0, laenge_);
    basisZeit_ = uhr_.sekunden();
}

void Platzhaltermedien::DS_SetRate(double rate) {
    if (rate <= 0) return;
    basis_ = DS_GetPosition();
    basisZeit_ = uhr_.sekunden();
    rate_ = rate;
}

} // namespace sw
