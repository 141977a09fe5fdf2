#include "devices/netz/EtherDreamEmulator.h"

#include "devices/netz/Echtzeit.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace sw::emu {

using namespace etherdream;

namespace {
constexpr std::uint16_t kUnterlaufFlag = 0x04;
}

EtherDreamEmulator::EtherDreamEmulator(Optionen o) : opt_(std::move(o)) {
    start_ = std::chrono::steady_clock::now();
    naechsterBroadcast_ = opt_.ersterBroadcast;
    if (naechsterBroadcast_ < 0) {
        std::random_device zufall;
        naechsterBroadcast_ = std::uniform_real_distribution<double>(0.3, 0.9)(zufall);
    }
    if (!server_.lauschen(opt_.ip, opt_.tcpPort)) return;
    tcpPort_ = server_.lokalerPort();
    udp_.binden(opt_.ip, 0);
    status_.lichtmaschine = 0;
    thread_ = std::thread([this] { lauf(); });
}

EtherDreamEmulator::~EtherDreamEmulator() {
    beenden();
}

void EtherDreamEmulator::beenden() {
    ende_ = true;
    if (thread_.joinable()) thread_.join();
    server_.schliessen();
    udp_.schliessen();
}

double EtherDreamEmulator::sekunden() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void EtherDreamEmulator::broadcasten(double jetzt) {
    if (jetzt < naechsterBroadcast_) return;
    // On its own clock: the schedule does not drift with the loop's latency.
    naechsterBroadcast_ = std::max(naechsterBroadcast_ + opt_.broadcastAbstand, jetzt);
    Broadcast b;
    b.mac = opt_.mac;
    b.hardware = 2;
    b.software = 2;
    b.pufferKapazitaet = opt_.kapazitaet;
    b.maxPunktrate = opt_.maxPunktrate;
    {
        std::lock_guard l(m_);
        b.status = status_;
    }
    const auto daten = broadcastSchreiben(b);
    if (udp_.senden(opt_.broadcastZiel, daten.data(), daten.size())) ++broadcasts_;
}

void EtherDreamEmulator::ablaufen(double jetzt) {
    std::lock_guard l(m_);
    if (status_.wiedergabe != Wiedergabe::Laeuft) return;
    const long faellig = basisZahl_ + static_cast<long>(std::floor((jetzt - basisZeit_) *
                                                                   status_.punktrate));
    while (ausgegeben_ < faellig) {
        if (puffer_.empty()) {
            // Underrun: the DAC stops and has to be prepared again.
            status_.wiedergabe = Wiedergabe::Leerlauf;
            status_.wiedergabeFlags |= kUnterlaufFlag;
            ++unterlaeufe_;
            break;
        }
        const Punkt p = puffer_.front();
        puffer_.pop_front();
        ++ausgegeben_;
        ++status_.punktzahl;
        letzter_ = p;
        if (opt_.beiAusgabe) opt_.beiAusgabe(p, jetzt);
        if ((p.steuerung & kRatenwechsel) && !raten_.empty()) {
            status_.punktrate = raten_.front();
            raten_.pop_front();
            basisZeit_ = jetzt;
            basisZahl_ = ausgegeben_;
            break;
        }
    }
    status_.pufferFuellung = static_cast<std::uint16_t>(puffer_.size());
}

void EtherDreamEmulator::antworten(netz::TcpVerbindung& c, char antwort, char befehl) {
    Antwort a;
    a.antwort = antwort;
    a.befehl = befehl;
    {
        std::lock_guard l(m_);
        // The fullness as of now: points due since the thread last drained count as drawn, as
        // on a real DAC whose buffer drains while it reads the network.
        long faellig = 0;
        if (status_.wiedergabe == Wiedergabe::Laeuft)
            faellig = basisZahl_ +
                      static_cast<long>(std::floor((sekunden() - basisZeit_) * status_.punktrate)) -
                      ausgegeben_;
        const long fuellung = static_cast<long>(puffer_.size()) - std::max(faellig, 0L);
        status_.pufferFuellung = static_cast<std::uint16_t>(std::max(fuellung, 0L));
        a.status = status_;
    }
    const auto daten = antwortSchreiben(a);
    if (!c.sendenAlles(daten.data(), daten.size())) c.schliessen();
}

void EtherDreamEmulator::befehlAusfuehren(netz::TcpVerbindung& c, std::uint8_t befehl) {
    const char b = static_cast<char>(befehl);
    auto lesen = [&](void* z, std::size_t n) {
        if (c.lesenGenau(z, n, 1000)) return true;
        c.schliessen();
        return false;
    };
    char antwort = 'a';
    switch (b) {
    case 'p': {
        std::lock_guard l(m_);
        if (status_.wiedergabe != Wiedergabe::Leerlauf || status_.lichtmaschine != 0) {
            antwort = 'I';
        } else {
            status_.wiedergabe = Wiedergabe::Vorbereitet;
            status_.wiedergabeFlags = 0;
            puffer_.clear();
            raten_.clear();
        }
        break;
    }
    case 'b': {
        std::uint8_t rest[6];
        if (!lesen(rest, 6)) return;
        const std::uint32_t rate = rest[2] | (rest[3] << 8) | (rest[4] << 16) |
                                   (static_cast<std::uint32_t>(rest[5]) << 24);
        std::lock_guard l(m_);
        if (status_.wiedergabe != Wiedergabe::Vorbereitet || rate == 0 ||
            rate > opt_.maxPunktrate) {
            antwort = 'I';
        } else {
            status_.wiedergabe = Wiedergabe::Laeuft;
            status_.punktrate = rate;
            basisZeit_ = sekunden();
            basisZahl_ = ausgegeben_;
        }
        break;
    }
    case 'q': {
        std::uint8_t rest[4];
        if (!lesen(rest, 4)) return;
        const std::uint32_t rate = rest[0] | (rest[1] << 8) | (rest[2] << 16) |
                                   (static_cast<std::uint32_t>(rest[3]) << 24);
        std::lock_guard l(m_);
        if (status_.wiedergabe == Wiedergabe::Leerlauf || rate == 0 || rate > opt_.maxPunktrate)
            antwort = 'I';
        else
            raten_.push_back(rate);
        break;
    }
    case 'd': {
        std::uint8_t kopf[2];
        if (!lesen(kopf, 2)) return;
        const std::size_t n = kopf[0] | (kopf[1] << 8);
        std::vector<std::uint8_t> daten(n * kPunktBytes);
        if (n > 0 && !lesen(daten.data(), daten.size())) return;
        std::lock_guard l(m_);
        if (status_.wiedergabe == Wiedergabe::Leerlauf) {
            antwort = 'I';
        } else if (puffer_.size() + n > opt_.kapazitaet) {
            antwort = 'F';
        } else {
            for (std::size_t k = 0; k < n; ++k) {
                const Punkt p = punktLesen(daten.data() + k * kPunktBytes);
                puffer_.push_back(p);
                empfangen_.push_back(p);
            }
        }
        break;
    }
    case 's': {
        std::lock_guard l(m_);
        if (status_.wiedergabe == Wiedergabe::Leerlauf) antwort = 'I';
        status_.wiedergabe = Wiedergabe::Leerlauf;
        puffer_.clear();
        raten_.clear();
        break;
    }
    case '?':
        break;
    default:
        antwort = 'I';
        break;
    }
    antworten(c, antwort, b);
}

void EtherDreamEmulator::lauf() {
    if (opt_.echtzeit) netz::echtzeitAnfordern(20); // refused, it runs as it can
    netz::TcpVerbindung client;
    while (!ende_) {
        broadcasten(sekunden());
        if (!client.offen()) {
            ablaufen(sekunden());
            client = server_.annehmen(1);
            if (client.offen()) antworten(client, 'a', '?'); // a new client first hears the status
            continue;
        }
        // Commands that arrived are taken before the buffer drains: a real DAC reads the
        // network while it plays, so data already sent is in its buffer.
        while (client.offen() && client.lesbar(0)) {
            std::uint8_t befehl = 0;
            if (!client.lesenGenau(&befehl, 1, 100)) {
                client.schliessen(); // the client left; the buffer plays out
                break;
            }
            befehlAusfuehren(client, befehl);
        }
        ablaufen(sekunden());
        if (client.offen()) client.lesbar(1);
    }
}

std::vector<Punkt> EtherDreamEmulator::empfangen() const {
    std::lock_guard l(m_);
    return {empfangen_.begin(), empfangen_.end()};
}
Punkt EtherDreamEmulator::letzterAusgegeben() const {
    std::lock_guard l(m_);
    return letzter_;
}
Wiedergabe EtherDreamEmulator::wiedergabe() const {
    std::lock_guard l(m_);
    return status_.wiedergabe;
}
long EtherDreamEmulator::ausgegeben() const {
    std::lock_guard l(m_);
    return ausgegeben_;
}
int EtherDreamEmulator::unterlaeufe() const {
    std::lock_guard l(m_);
    return unterlaeufe_;
}
} // namespace sw::emu
