#include "live/eingang/ArtNetEingang.h"

namespace sw {

ArtNetEingang::ArtNetEingang(ArtNetOptionen o) : o_(std::move(o)) {
    empfaenger_ = std::make_unique<UdpEmpfaenger>(
        UdpOptionen{o_.bindAdresse, o_.port, 0}, [this](const std::uint8_t* d, std::size_t n) {
            verarbeiten(d, n, std::chrono::steady_clock::now());
        });
}

ArtNetEingang::~ArtNetEingang() {
    empfaenger_.reset();
}

std::string ArtNetEingang::name() const {
    return "Art-Net universe " + std::to_string(o_.universum);
}

Verwerfung ArtNetEingang::verarbeiten(const std::uint8_t* daten, std::size_t bytes, Zeit jetzt) {
    Verwerfung v = artnet::lesen(daten, bytes, paket_);
    if (v == Verwerfung::Keine && paket_.portAdresse != o_.universum)
        v = Verwerfung::FalschesUniversum;
    // Sequence 0 means the sender does not number its packets.
    if (v == Verwerfung::Keine && paket_.sequenz != 0) {
        const bool frisch = jetzt - letzteZeit_ > kSequenzVergessen;
        if (letzteSequenz_ != 0 && !frisch && sequenzVeraltet(paket_.sequenz, letzteSequenz_))
            v = Verwerfung::Reihenfolge;
        else
            letzteSequenz_ = paket_.sequenz;
    }
    zaehler_.zaehlen(v);
    if (v != Verwerfung::Keine) return v;
    letzteZeit_ = jetzt;
    fach_.ablegen(paket_.kanaele);
    return v;
}

} // namespace sw
