#pragma once
// Emulated Helios DACs behind a fake USB bus, for tests and demos. Each device double-buffers
// like the real one: it draws one frame in real time at the frame's point rate and holds one
// more; the status answer says ready while the second place is free, and a drawn frame
// repeats until the next one arrives. It records what it received and can be unplugged.

#include "devices/usb/HeliosProtokoll.h"
#include "devices/usb/Usb.h"

#include <chrono>
#include <deque>
#include <mutex>

namespace sw::emu {

class HeliosEmulator : public usb::Bus {
public:
    explicit HeliosEmulator(int anzahl);

    std::vector<std::string> suchen(std::uint16_t hersteller, std::uint16_t produkt) override;
    std::unique_ptr<usb::Verbindung> oeffnen(const std::string& kennung, int interface,
                                             int alternative) override;
    // Hot-plug like libusb's, unless `ohneHotplug` makes the searcher poll.
    bool beobachten(std::function<void()> geaendert) override;
    bool ohneHotplug = false;

    struct Geraet {
        std::string kennung, name;
        bool ausgesteckt = false;
        long frames = 0;
        long zuFrueh = 0; // frames written while not ready
        int stopps = 0;
        bool gestoppt = false;
        std::deque<helios::Frame> warteschlange; // front: being drawn
        std::chrono::steady_clock::time_point frontEnde;
        helios::Frame gezeichnet; // the frame drawn most recently (or at the stop)
        int antwort = 0;          // the answer the next interrupt read returns
    };

    // A copy of device k's state, after the frames due by now were drawn.
    Geraet geraet(int k);
    // Unplugs device k, or plugs it in again; a hot-plug watcher hears of it.
    void ausstecken(int k, bool ausgesteckt);

private:
    friend class HeliosVerbindung;
    void fortschreiten(Geraet& g);
    std::mutex m_;
    std::vector<Geraet> geraete_;
    std::function<void()> beobachter_;
};

} // namespace sw::emu
