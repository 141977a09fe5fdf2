#pragma once
// What the network DMX inputs share: a UDP socket read on its own thread, the counts of the
// packets by what became of them, and the slot that hands the newest frame to the output cycle.

#include "live/eingang/DmxPakete.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace sw {

// Packets by what became of them. Counted on the receiving thread, read from any thread.
class Paketzaehler {
public:
    void zaehlen(Verwerfung v) {
        z_[static_cast<std::size_t>(v)].fetch_add(1, std::memory_order_relaxed);
    }
    std::uint64_t anzahl(Verwerfung v) const {
        return z_[static_cast<std::size_t>(v)].load(std::memory_order_relaxed);
    }
    std::uint64_t angenommen() const { return anzahl(Verwerfung::Keine); }
    std::uint64_t verworfen() const;

private:
    std::array<std::atomic<std::uint64_t>, kVerwerfungen> z_{};
};

// The newest frame of one universe. The receiving thread puts, the output cycle takes; the
// lock is held only to copy the 512 bytes, so the cycle never waits on the network.
class FrameFach {
public:
    void ablegen(const DmxFrame& frame);
    bool abholen(DmxFrame& frame);

private:
    std::mutex m_;
    DmxFrame frame_{};
    bool neu_ = false;
};

// With a multicast group the socket listens on every address and joins the group on the
// interface of `bindAdresse` (any interface for 0.0.0.0): a socket bound to one unicast address
// would not see the group's packets.
struct UdpOptionen {
    std::string bindAdresse = "0.0.0.0";
    std::uint16_t port = 0;            // 0: any free port (tests)
    std::uint32_t multicastGruppe = 0; // host order; 0: none joined
};

// A bound UDP socket (SO_REUSEADDR, so a monitor and the program can listen side by side) and
// its receiving thread, which hands every datagram to `empfang`. Construction throws
// std::runtime_error naming the cause when the socket cannot be bound; the destructor stops
// the thread within a tenth of a second.
class UdpEmpfaenger {
public:
    using Empfang = std::function<void(const std::uint8_t* daten, std::size_t bytes)>;

    UdpEmpfaenger(const UdpOptionen& o, Empfang empfang);
    ~UdpEmpfaenger();
    UdpEmpfaenger(const UdpEmpfaenger&) = delete;
    UdpEmpfaenger& operator=(const UdpEmpfaenger&) = delete;

    // The port bound (the one chosen by the system for port 0).
    std::uint16_t port() const { return port_; }
    // Whether the multicast group was joined (it may fail on a host without a multicast route;
    // unicast still arrives).
    bool multicast() const { return multicast_; }

private:
    void lauf();

    int fd_ = -1;
    std::uint16_t port_ = 0;
    bool multicast_ = false;
    Empfang empfang_;
    std::atomic<bool> ende_{false};
    std::thread thread_;
};

} // namespace sw
