#pragma once
// DMX input over Art-Net: ArtDmx packets of one universe (15-bit port address) on UDP 6454.

#include "live/eingang/DmxEmpfang.h"

#include <chrono>
#include <memory>

namespace sw {

struct ArtNetOptionen {
    std::uint16_t universum = 0; // the port address listened to
    std::string bindAdresse = "0.0.0.0";
    std::uint16_t port = artnet::kPort;
};

// Receives on its own thread; `neuesterFrame` and `name` are for the output cycle's thread,
// `zaehler` for any thread.
class ArtNetEingang : public DmxEingang {
public:
    // Throws std::runtime_error when the socket cannot be bound.
    explicit ArtNetEingang(ArtNetOptionen o);
    ~ArtNetEingang() override;

    std::string name() const override;
    bool neuesterFrame(DmxFrame& frame) override { return fach_.abholen(frame); }

    const Paketzaehler& zaehler() const { return zaehler_; }
    std::uint16_t port() const { return empfaenger_->port(); }

    using Zeit = std::chrono::steady_clock::time_point;
    // After this long without a packet taken, the next one starts the sequence afresh (a
    // desk that was restarted need not count past its old numbers first).
    static constexpr std::chrono::milliseconds kSequenzVergessen{2500};

    // One datagram as the receiving thread hands it over; what became of it is counted.
    Verwerfung verarbeiten(const std::uint8_t* daten, std::size_t bytes, Zeit jetzt);

private:
    ArtNetOptionen o_;
    Paketzaehler zaehler_;
    FrameFach fach_;
    artnet::DmxPaket paket_;                    // receiving thread only
    std::uint8_t letzteSequenz_ = 0;            // 0: none yet or the sender does not number
    Zeit letzteZeit_{};                         // when the last packet was taken
    std::unique_ptr<UdpEmpfaenger> empfaenger_; // last: it stops before the rest goes
};

} // namespace sw
