#pragma once
// DMX input over sACN (E1.31): data packets of one universe on UDP 5568, multicast to
// 239.255.hi.lo or sent straight to us. Several senders may feed one universe: the one of
// highest priority wins while it is alive.

#include "live/eingang/DmxEmpfang.h"

#include <chrono>
#include <map>
#include <memory>

namespace sw {

// Which senders' packets are taken, kept apart by their CID: each with its priority, its last
// sequence number and when it was last heard. No sockets, no clock of its own.
class SacnQuellen {
public:
    using Zeit = std::chrono::steady_clock::time_point;
    static constexpr std::chrono::milliseconds kZeitlimit{2500}; // a silent sender is gone
    static constexpr std::size_t kMaxQuellen = 64;

    // Verwerfung::Keine when the packet's channels are to be taken.
    Verwerfung pruefen(const sacn::DatenPaket& p, Zeit jetzt);
    std::size_t anzahl() const { return quellen_.size(); }

private:
    struct Quelle {
        std::uint8_t prioritaet = 0;
        std::uint8_t sequenz = 0;
        Zeit gehoert;
    };
    std::map<std::array<std::uint8_t, 16>, Quelle> quellen_;
};

struct SacnOptionen {
    std::uint16_t universum = 1;
    std::string bindAdresse = "0.0.0.0";
    std::uint16_t port = sacn::kPort;
    bool multicast = true; // join the universe's group
};

// Receives on its own thread; `neuesterFrame` and `name` are for the output cycle's thread,
// `zaehler` and `multicast` for any thread.
class SacnEingang : public DmxEingang {
public:
    // Throws std::runtime_error when the socket cannot be bound.
    explicit SacnEingang(SacnOptionen o);
    ~SacnEingang() override;

    std::string name() const override;
    bool neuesterFrame(DmxFrame& frame) override { return fach_.abholen(frame); }

    const Paketzaehler& zaehler() const { return zaehler_; }
    std::uint16_t port() const { return empfaenger_->port(); }
    bool multicast() const { return empfaenger_->multicast(); }

    // One datagram as the receiving thread hands it over; what became of it is counted.
    Verwerfung verarbeiten(const std::uint8_t* daten, std::size_t bytes, SacnQuellen::Zeit jetzt);

private:
    SacnOptionen o_;
    Paketzaehler zaehler_;
    FrameFach fach_;
    sacn::DatenPaket paket_;                    // receiving thread only
    SacnQuellen quellen_;                       // receiving thread only
    std::unique_ptr<UdpEmpfaenger> empfaenger_; // last: it stops before the rest goes
};

} // namespace sw
