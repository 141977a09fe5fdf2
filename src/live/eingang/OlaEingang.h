#pragma once
// DMX input through OLA, for the USB DMX interfaces its daemon drives: one universe of a
// running `olad`, received by OLA's client on its own thread. Built only with libola
// (STRAHLWERK_OLA); found at run time when olad answers, reported once when it does not, and
// connected again whenever olad comes (back).

#include "live/eingang/DmxEmpfang.h"

#include <condition_variable>
#include <functional>
#include <memory>

namespace sw {

inline constexpr std::uint16_t kOlaPort = 9010; // olad's RPC port

struct OlaOptionen {
    unsigned universum = 1;
    std::uint16_t port = kOlaPort;
};

// Whether this program was built with OLA.
bool olaGebaut();

// `neuesterFrame` and `name` are for the output cycle's thread; `verbunden` for any thread.
class OlaEingang : public DmxEingang {
public:
    using Melden = std::function<void(const std::string&)>;
    // Looks for olad once at once (on the calling thread, so the report comes from there),
    // then keeps at it on its own thread.
    OlaEingang(OlaOptionen o, const std::string& nichtErreichbar, Melden melden);
    ~OlaEingang() override;

    std::string name() const override;
    bool neuesterFrame(DmxFrame& frame) override { return fach_.abholen(frame); }
    bool verbunden() const { return verbunden_; }

    // Called on the client's thread.
    void empfangen(const std::uint8_t* daten, std::size_t bytes);

private:
    void lauf();
    bool einmalVerbinden();

    OlaOptionen o_;
    FrameFach fach_;
    std::atomic<bool> ende_{false};
    std::atomic<bool> verbunden_{false};
    std::mutex m_;
    std::condition_variable cv_;
    std::thread thread_;
};

// Whether olad answers on `port` of this machine.
bool olaErreichbar(std::uint16_t port);

} // namespace sw
