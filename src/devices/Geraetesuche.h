#pragma once
// The background search for the open kinds, from start-up to shutdown: one thread listens for
// the status broadcasts of Ether Dream DACs, one sends an IDN-Hello scan every few seconds and
// takes the answers, one watches the USB bus for Helios DACs (hot-plug notices where the bus
// has them, polling otherwise). Nothing waits for it: what it hears goes into a queue that the
// owner of the device list takes on its own thread (`geraeteAbgleichen`), so the list only
// changes there.
//
// Threads: construct, `usbBeobachten`, `abholen`, `seitStart` and destroy from the owner's
// thread; the search threads touch nothing but the queue.

#include "devices/Geraete.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sw {

struct Geraetemeldung {
    enum class Art {
        Erschienen,   // first heard, heard again after it was gone, or at a new address
        Verschwunden, // silent too long or unplugged; once until it comes back
        Problem,      // the search itself cannot work (a port in use); once
    };
    Art art = Art::Erschienen;
    GeraeteEintrag eintrag; // Verschwunden: the entry as it was last heard
    std::string zeile;      // for the program log
};

class Geraetesuche {
public:
    // Starts listening and scanning at once.
    explicit Geraetesuche(const Netzeinstellungen& netz);
    ~Geraetesuche();
    Geraetesuche(const Geraetesuche&) = delete;
    Geraetesuche& operator=(const Geraetesuche&) = delete;

    // Starts watching the bus; `bekannt` are the Helios entries already in the device list.
    void usbBeobachten(std::shared_ptr<usb::Bus> bus, std::vector<GeraeteEintrag> bekannt);
    // What was reported since the last call, in order.
    std::vector<Geraetemeldung> abholen();
    // Real time since the search started.
    std::chrono::milliseconds seitStart() const;
    // Ends the threads (at most a tenth of a second); the destructor does it too.
    void beenden();

private:
    struct UsbNotiz; // shared with the bus's hot-plug notice, which may outlive this object

    void melden(Geraetemeldung m);
    void etherDreamHoeren();
    void idnScannen();
    void usbWachen(std::shared_ptr<usb::Bus> bus, std::vector<GeraeteEintrag> bekannt);

    const Netzeinstellungen netz_;
    const std::chrono::steady_clock::time_point start_;
    std::atomic<bool> ende_{false};
    std::shared_ptr<UsbNotiz> usbNotiz_;
    std::mutex m_;
    std::vector<Geraetemeldung> schlange_;
    std::thread etherDream_, idn_, usb_;
};

} // namespace sw
