#include "medien/Zeitcode.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

constexpr double kHalteBilder = 4.0;
// Differences below this are the code running on, above it a jump.
constexpr double kSprungSekunden = 0.1;

Bildrate rateAusBits(int bits) {
    switch (bits & 3) {
    case 0:
        return Bildrate::B24;
    case 1:
        return Bildrate::B25;
    case 2:
        return Bildrate::B2997Drop;
    default:
        return Bildrate::B30;
    }
}

} // namespace

double bilderProSekunde(Bildrate rate) {
    switch (rate) {
    case Bildrate::B24:
        return 24.0;
    case Bildrate::B25:
        return 25.0;
    case Bildrate::B2997Drop:
        return 30000.0 / 1001.0;
    case Bildrate::B30:
        return 30.0;
    }
    return 25.0;
}

double zeitcodeSekunden(const Zeitcode& tc) {
    if (tc.rate == Bildrate::B2997Drop) {
        const long minuten = 60L * tc.stunden + tc.minuten;
        const long bild =
            ((60L * minuten) + tc.sekunden) * 30L + tc.bilder - 2L * (minuten - minuten / 10);
        return bild * 1001.0 / 30000.0;
    }
    const double fps = bilderProSekunde(tc.rate);
    return 3600.0 * tc.stunden + 60.0 * tc.minuten + tc.sekunden + tc.bilder / fps;
}

double MtcDekoder::viertelBild() const {
    return 0.25 / bilderProSekunde(rate_);
}

void MtcDekoder::nachricht(const MidiNachricht& n, double jetzt) {
    if (n.status != 0xF1) return;
    const int stueck = (n.daten1 >> 4) & 7;
    stuecke_[stueck] = n.daten1 & 0x0F;
    if (stueck == 0) gesehen_ = 0;
    // Pieces out of order (a source running backwards, a lost message) wait for a fresh run.
    if (stueck != 0 && stueck != letztesStueck_ + 1) gesehen_ = 0;
    gesehen_ |= 1 << stueck;
    letztesStueck_ = stueck;

    if (stueck == 7 && gesehen_ == 0xFF) {
        rate_ = rateAusBits(stuecke_[7] >> 1);
        Zeitcode tc{(stuecke_[7] & 1) << 4 | stuecke_[6], stuecke_[5] << 4 | stuecke_[4],
                    stuecke_[3] << 4 | stuecke_[2], stuecke_[1] << 4 | stuecke_[0], rate_};
        const double neu = zeitcodeSekunden(tc) + 7 * viertelBild();
        const double erwartet = bekannt_ ? position_ + viertelBild() : neu;
        if (!bekannt_ || std::abs(neu - erwartet) > kSprungSekunden) sprung_ = true;
        position_ = neu;
        zeit_ = jetzt;
        bekannt_ = true;
        viertel_ = true;
        return;
    }
    if (!bekannt_) return;
    // Between complete times each quarter frame carries the code on by a quarter frame.
    position_ += viertelBild();
    zeit_ = jetzt;
    viertel_ = true;
}

void MtcDekoder::systemNachricht(const std::vector<std::uint8_t>& b, double jetzt) {
    if (b.size() < 10 || b[0] != 0xF0 || b[1] != 0x7F || b[3] != 0x01 || b[4] != 0x01) return;
    Zeitcode tc{b[5] & 0x1F, b[6] & 0x3F, b[7] & 0x3F, b[8] & 0x1F, rateAusBits(b[5] >> 5)};
    rate_ = tc.rate;
    position_ = zeitcodeSekunden(tc);
    zeit_ = jetzt;
    bekannt_ = true;
    sprung_ = true;
    viertel_ = false; // a full frame is a locate: the code stands until quarter frames come
    gesehen_ = 0;
    letztesStueck_ = -1;
}

std::optional<double> MtcDekoder::position(double jetzt) const {
    if (!bekannt_) return std::nullopt;
    if (!viertel_) return position_;
    // Stopped code stays where the clock had taken it: at most a quarter frame on.
    return position_ + std::clamp(jetzt - zeit_, 0.0, viertelBild());
}

bool MtcDekoder::laeuft(double jetzt) const {
    return bekannt_ && viertel_ && jetzt - zeit_ <= kHalteBilder / bilderProSekunde(rate_);
}

bool MtcDekoder::sprungAbholen() {
    const bool s = sprung_;
    sprung_ = false;
    return s;
}

std::optional<Bildrate> MtcDekoder::rate() const {
    if (!bekannt_) return std::nullopt;
    return rate_;
}

} // namespace sw
