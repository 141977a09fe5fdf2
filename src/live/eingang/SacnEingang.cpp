#include "live/eingang/SacnEingang.h"

#include <algorithm>

namespace sw {

Verwerfung SacnQuellen::pruefen(const sacn::DatenPaket& p, Zeit jetzt) {
    std::erase_if(quellen_, [&](const auto& q) { return jetzt - q.second.gehoert > kZeitlimit; });
    auto it = quellen_.find(p.cid);
    if (it != quellen_.end() && sequenzVeraltet(p.sequenz, it->second.sequenz))
        return Verwerfung::Reihenfolge;
    if (p.beendet()) { // its channels are not taken; the next sender takes over at once
        if (it != quellen_.end()) quellen_.erase(it);
        return Verwerfung::Beendet;
    }
    if (it == quellen_.end()) {
        if (quellen_.size() >= kMaxQuellen) return Verwerfung::ZuVieleQuellen;
        it = quellen_.emplace(p.cid, Quelle{}).first;
    }
    it->second = {p.prioritaet, p.sequenz, jetzt};
    if (p.vorschau()) return Verwerfung::Vorschau;
    for (const auto& [cid, q] : quellen_)
        if (q.prioritaet > p.prioritaet) return Verwerfung::NiedrigerePrioritaet;
    return Verwerfung::Keine;
}

SacnEingang::SacnEingang(SacnOptionen o) : o_(std::move(o)) {
    const std::uint32_t gruppe = o_.multicast ? sacn::multicastGruppe(o_.universum) : 0;
    empfaenger_ = std::make_unique<UdpEmpfaenger>(
        UdpOptionen{o_.bindAdresse, o_.port, gruppe}, [this](const std::uint8_t* d, std::size_t n) {
            verarbeiten(d, n, std::chrono::steady_clock::now());
        });
}

SacnEingang::~SacnEingang() {
    empfaenger_.reset();
}

std::string SacnEingang::name() const {
    return "sACN universe " + std::to_string(o_.universum);
}

Verwerfung SacnEingang::verarbeiten(const std::uint8_t* daten, std::size_t bytes,
                                    SacnQuellen::Zeit jetzt) {
    Verwerfung v = sacn::lesen(daten, bytes, paket_);
    if (v == Verwerfung::Keine && paket_.universum != o_.universum)
        v = Verwerfung::FalschesUniversum;
    if (v == Verwerfung::Keine) v = quellen_.pruefen(paket_, jetzt);
    zaehler_.zaehlen(v);
    if (v == Verwerfung::Keine) fach_.ablegen(paket_.kanaele);
    return v;
}

} // namespace sw
