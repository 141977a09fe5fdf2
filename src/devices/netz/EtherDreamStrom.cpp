#include "devices/netz/EtherDreamStrom.h"

#include "devices/Stromantworten.h"

#include <algorithm>
#include <cstring>

namespace sw {

using namespace etherdream;

namespace {

constexpr std::size_t kMaxProPaket = 1000;

// A dark copy of an encoded point: control and colours cleared, position kept.
void dunkelMachen(std::uint8_t* p) {
    p[0] = p[1] = 0;
    std::memset(p + 6, 0, kPunktBytes - 6);
}

} // namespace

EtherDreamStrom::EtherDreamStrom(Optionen o)
    : Strom(kPunktBytes), opt_(std::move(o)), gewuenschteRate_(opt_.punktrate),
      start_(std::chrono::steady_clock::now()), pufferziel_(opt_.untergrenze, opt_.latenz) {
    opt_.punktrate = std::clamp<std::uint32_t>(opt_.punktrate, 1, opt_.maxPunktrate);
    gewuenschteRate_ = rate_ = opt_.punktrate;
    paket_.reserve(3 + kMaxProPaket * kPunktBytes);
    thread_ = std::thread([this] { lauf(); });
}

EtherDreamStrom::~EtherDreamStrom() {
    stoppen();
}

void EtherDreamStrom::rateSetzen(std::uint32_t rate) {
    if (rate > 0) gewuenschteRate_ = std::min(rate, opt_.maxPunktrate);
}

void EtherDreamStrom::stoppen() {
    ende_ = true;
    if (thread_.joinable()) thread_.join();
}

void EtherDreamStrom::stoerung(const std::string& grund) {
    tcp_.schliessen();
    Strom::stoerung(grund);
}

void EtherDreamStrom::schlafen(double sekunden) const {
    const auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    while (!ende_ && std::chrono::steady_clock::now() < ende)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

bool EtherDreamStrom::befehl(const std::vector<std::uint8_t>& daten) {
    std::uint8_t antwort[kAntwortBytes];
    if (!tcp_.sendenAlles(daten.data(), daten.size()) ||
        !tcp_.lesenGenau(antwort, sizeof antwort, 1000)) {
        stoerung("no answer");
        return false;
    }
    return annehmen(antwort, static_cast<char>(daten[0]));
}

bool EtherDreamStrom::annehmen(const std::uint8_t* antwort, char befehl) {
    const Antwortfolge f = antwortAuswerten(antwort, kAntwortBytes, befehl);
    if (f.art == Antwortfolge::Art::Stoerung) {
        stoerung(f.grund);
        return false;
    }
    const auto jetzt = std::chrono::steady_clock::now();
    // While it plays, the time between two responses is a gap its buffer had to bridge.
    if (status_.wiedergabe == Wiedergabe::Laeuft && f.status.wiedergabe == Wiedergabe::Laeuft)
        pufferziel_.luecke(sekundenSeitStart(),
                           std::chrono::duration<double>(jetzt - statusZeit_).count());
    status_ = f.status;
    statusZeit_ = jetzt;
    return f.art == Antwortfolge::Art::Angenommen;
}

bool EtherDreamStrom::verbinden() {
    if (!tcp_.verbinden(opt_.ziel, 500)) {
        stoerung("cannot connect to " + opt_.ziel.ip + ":" + std::to_string(opt_.ziel.port));
        return false;
    }
    std::uint8_t antwort[kAntwortBytes];
    if (!tcp_.lesenGenau(antwort, sizeof antwort, 1000)) {
        stoerung("no status after connecting");
        return false;
    }
    annehmen(antwort, '?');
    if (!tcp_.offen()) return false; // the status did not pass the checks
    // A DAC still playing for an earlier connection starts afresh.
    if (status_.wiedergabe != Wiedergabe::Leerlauf && !befehl(anhalten()) && !tcp_.offen())
        return false;
    spielte_ = false;
    wiederDa();
    return true;
}

double EtherDreamStrom::sekundenSeitStart() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

double EtherDreamStrom::fuellungJetzt() const {
    double f = status_.pufferFuellung;
    if (status_.wiedergabe == Wiedergabe::Laeuft)
        f -= std::chrono::duration<double>(std::chrono::steady_clock::now() - statusZeit_).count() *
             status_.punktrate;
    return std::max(f, 0.0);
}

bool EtherDreamStrom::punkteSenden(std::size_t anzahl) {
    paket_.clear();
    datenKopf(paket_, static_cast<std::uint16_t>(anzahl));
    paket_.resize(3 + anzahl * kPunktBytes);
    std::uint8_t* z = paket_.data() + 3;
    for (std::size_t k = 0; k < anzahl; ++k, z += kPunktBytes) {
        if (position_ >= frame_.size()) {
            position_ = 0;
            if (!neuenFrameNehmen(frame_) && !frame_.empty()) wiederholt();
        }
        if (frame_.empty()) {
            // Nothing to draw yet: a dark point at the centre.
            std::memset(z, 0, kPunktBytes);
        } else {
            std::memcpy(z, frame_.data() + position_, kPunktBytes);
            position_ += kPunktBytes;
        }
        if (rateWechsel_) {
            z[1] |= static_cast<std::uint8_t>(kRatenwechsel >> 8);
            rateWechsel_ = false;
        }
    }
    if (anzahl > 0) std::memcpy(letzterPunkt_, z - kPunktBytes, kPunktBytes);
    return befehl(paket_) || tcp_.offen();
}

bool EtherDreamStrom::schritt() {
    if (status_.wiedergabe == Wiedergabe::Leerlauf) {
        if (spielte_) {
            // It ran dry while playing: keep more ahead from now on.
            spielte_ = false;
            unterlaufen();
            pufferziel_.unterlauf(sekundenSeitStart());
        }
        if (!befehl(vorbereiten())) return tcp_.offen();
        rate_ = gewuenschteRate_;
    }
    const double ziel =
        std::min<double>(pufferziel_.ziel() * rate_, static_cast<double>(opt_.kapazitaet) - 1);
    const double fuellung = fuellungJetzt();
    const double stueck = std::max(1.0, rate_ * 0.002);
    if (status_.wiedergabe == Wiedergabe::Laeuft && gewuenschteRate_ != rate_) {
        if (befehl(rateEinreihen(gewuenschteRate_))) {
            rate_ = gewuenschteRate_;
            rateWechsel_ = true;
        } else if (!tcp_.offen()) {
            return false;
        }
    }
    // The DAC can only have drained since its last report, so room for what it reported is
    // certain: points beyond it could come back as 'buffer full' and be lost.
    const double sicherFrei =
        static_cast<double>(opt_.kapazitaet) - 1 - static_cast<double>(status_.pufferFuellung);
    const double anzahl =
        std::min({ziel - fuellung, sicherFrei, static_cast<double>(kMaxProPaket)});
    if (anzahl >= stueck) {
        if (!punkteSenden(static_cast<std::size_t>(anzahl))) return false;
    } else if (ziel - fuellung >= stueck && status_.wiedergabe == Wiedergabe::Laeuft) {
        // Points are due but the last report is too old to be sure of the room: ask again.
        if (!befehl(ping()) && !tcp_.offen()) return false;
    }
    // Playback begins with the buffer filled to the target, the whole margin against stalls.
    if (status_.wiedergabe == Wiedergabe::Vorbereitet && status_.pufferFuellung + stueck >= ziel) {
        if (!befehl(beginnen(rate_))) return tcp_.offen();
        spielte_ = true;
    }
    pufferMelden(ziel / std::max<double>(rate_, 1), fuellungJetzt() / std::max<double>(rate_, 1));
    // Sleep until about one piece has been drawn.
    if (status_.wiedergabe == Wiedergabe::Laeuft && ziel - fuellungJetzt() < stueck)
        std::this_thread::sleep_for(std::chrono::microseconds(
            static_cast<long>(std::min(0.002, stueck / std::max<double>(rate_, 1)) * 1e6)));
    return true;
}

void EtherDreamStrom::dunkelUndHalt() {
    if (!tcp_.offen() || status_.wiedergabe == Wiedergabe::Leerlauf) return;
    // Dark at the last position first, so the beam does not streak to the centre lit.
    const std::size_t anzahl = std::max<std::size_t>(20, rate_ / 200);
    paket_.clear();
    datenKopf(paket_, static_cast<std::uint16_t>(anzahl));
    std::uint8_t dunkel[kPunktBytes];
    std::memcpy(dunkel, letzterPunkt_, kPunktBytes);
    dunkelMachen(dunkel);
    std::uint8_t mitte[kPunktBytes] = {};
    for (std::size_t k = 0; k < anzahl; ++k) {
        const std::size_t alt = paket_.size();
        paket_.resize(alt + kPunktBytes);
        std::memcpy(paket_.data() + alt, k < anzahl / 2 ? dunkel : mitte, kPunktBytes);
    }
    if (befehl(paket_) && status_.wiedergabe == Wiedergabe::Vorbereitet)
        befehl(beginnen(rate_)); // the blank must be drawn even when playback had not begun
    // Stop once the dark points at the last position are drawn and the centre ones play;
    // the rest of them keep the buffer from running empty before the stop arrives.
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (tcp_.offen() && status_.wiedergabe == Wiedergabe::Laeuft &&
           fuellungJetzt() > static_cast<double>(anzahl) / 2 &&
           std::chrono::steady_clock::now() < ende)
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    if (tcp_.offen()) befehl(anhalten());
    tcp_.schliessen();
}

void EtherDreamStrom::lauf() {
    echtzeitAnfordern();
    while (!ende_) {
        if (!tcp_.offen()) {
            if (!verbinden()) {
                schlafen(1.0);
                continue;
            }
        }
        if (!schritt()) schlafen(1.0);
        cpuMessen();
    }
    dunkelUndHalt();
}

} // namespace sw
