#include "devices/netz/Pufferziel.h"

#include <algorithm>

namespace sw {

namespace {
constexpr double kFaktor = 1.5;     // the buffer holds half again the longest gap seen
constexpr double kZuschlag = 0.003; // plus what one refill and its wake-up take
constexpr double kFenster = 5.0;    // seconds over which the longest gap counts
constexpr double kRuhig = 10.0;     // steady this long before the target falls
constexpr double kSenkAbstand = 1.0;
constexpr double kSenkSchritt = 0.001;
constexpr double kUnterlaufSchritt = 0.010;
} // namespace

Pufferziel::Pufferziel(double unten, double oben)
    : unten_(std::min(unten, oben)), oben_(oben), ziel_(unten_) {}

double Pufferziel::bedarf(double luecke) const {
    return luecke * kFaktor + kZuschlag;
}

void Pufferziel::luecke(double jetzt, double luecke) {
    if (!begonnen_) {
        begonnen_ = true;
        fensterBeginn_ = letzteErhoehung_ = letzteSenkung_ = jetzt;
    }
    if (jetzt - fensterBeginn_ >= kFenster) {
        vorigesMax_ = fensterMax_;
        fensterMax_ = 0;
        fensterBeginn_ = jetzt;
    }
    fensterMax_ = std::max(fensterMax_, luecke);
    if (bedarf(luecke) > ziel_ && ziel_ < oben_) {
        ziel_ = std::min(oben_, bedarf(luecke));
        letzteErhoehung_ = jetzt;
        return;
    }
    senken(jetzt);
}

void Pufferziel::unterlauf(double jetzt) {
    ziel_ = std::min(oben_, std::max(ziel_ * 2, ziel_ + kUnterlaufSchritt));
    letzteErhoehung_ = jetzt;
    begonnen_ = true;
}

void Pufferziel::senken(double jetzt) {
    if (jetzt - letzteErhoehung_ < kRuhig || jetzt - letzteSenkung_ < kSenkAbstand) return;
    letzteSenkung_ = jetzt;
    // A tenth of the way down each second, at least a millisecond, never below what the
    // recent gaps need.
    const double boden = std::max(unten_, bedarf(std::max(fensterMax_, vorigesMax_)));
    const double schritt = std::max(kSenkSchritt, (ziel_ - unten_) * 0.1);
    ziel_ = std::max(std::min(ziel_, boden), ziel_ - schritt);
}

} // namespace sw
