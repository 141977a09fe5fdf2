#pragma once
// Feeds one Helios DAC from a thread of its own: it asks for the status on the interrupt
// endpoint and writes the newest frame (or the current one again) on the bulk endpoint
// whenever the DAC is ready. A failed transfer means the device is gone: `gestoert` reports
// it, and the device is opened again once a second until it answers.
//
// Stopping waits until the DAC is ready, sends a dark frame at the last position and the
// centre, waits until that frame plays (at most half a second in all), and sends the stop
// command.

#include "devices/netz/Strom.h"
#include "devices/usb/HeliosProtokoll.h"
#include "devices/usb/Usb.h"

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace sw {

class HeliosStrom : public Strom {
public:
    struct Optionen {
        std::shared_ptr<usb::Bus> bus;
        std::string kennung;
        std::uint32_t punktrate = 30000;
    };

    explicit HeliosStrom(Optionen o);
    ~HeliosStrom() override;

    void rateSetzen(std::uint32_t rate) override;

private:
    void lauf();
    // 1 ready, 0 busy, -1 failed.
    int status();
    bool schreiben(const std::vector<std::uint8_t>& punkte);
    bool warteBereit(std::chrono::steady_clock::time_point grenze);
    void stoerung(const std::string& grund);
    void dunkelUndStopp();

    Optionen opt_;
    std::unique_ptr<usb::Verbindung> usb_;
    std::thread thread_;
    std::atomic<std::uint32_t> rate_;

    std::vector<std::uint8_t> frame_;
    bool gesendet_ = false;
};

} // namespace sw
