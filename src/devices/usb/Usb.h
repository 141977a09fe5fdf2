#pragma once
// The USB calls the Helios kind needs, behind an interface: the real one uses libusb when the
// program was built with it; the emulator and the tests put a fake in its place.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sw::usb {

class Verbindung {
public:
    virtual ~Verbindung() = default;
    // Bytes transferred, or -1 on a failure (the device is gone, a timeout).
    virtual int bulkSchreiben(std::uint8_t endpunkt, const std::uint8_t* daten, std::size_t bytes,
                              int millisekunden) = 0;
    virtual int interruptSchreiben(std::uint8_t endpunkt, const std::uint8_t* daten,
                                   std::size_t bytes, int millisekunden) = 0;
    virtual int interruptLesen(std::uint8_t endpunkt, std::uint8_t* puffer, std::size_t bytes,
                               int millisekunden) = 0;
};

class Bus {
public:
    virtual ~Bus() = default;
    // The identities of the attached devices with this vendor and product (serial number, or
    // bus and port when there is none).
    virtual std::vector<std::string> suchen(std::uint16_t hersteller, std::uint16_t produkt) = 0;
    // Opens a device found before and claims the interface with its alternate setting;
    // nullptr when it is not there.
    virtual std::unique_ptr<Verbindung> oeffnen(const std::string& kennung, int interface,
                                                int alternative) = 0;
    // Hot-plug: `geaendert` is called (from the bus's event handling) whenever a device comes
    // or goes, until it is called again with nullptr. False when the bus cannot tell; the
    // caller then polls `suchen`.
    virtual bool beobachten(std::function<void()> geaendert) {
        (void)geaendert;
        return false;
    }
    // Handles the bus's pending events for up to that many milliseconds; the hot-plug notices
    // arrive in here.
    virtual void ereignisse(int millisekunden) { (void)millisekunden; }
};

// The libusb bus, or nullptr when the program was built without libusb or it cannot start.
std::shared_ptr<Bus> libusbBus();

} // namespace sw::usb
