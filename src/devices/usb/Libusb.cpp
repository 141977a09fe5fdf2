#include "devices/usb/Usb.h"

#ifdef STRAHLWERK_LIBUSB
#include <libusb.h>

#include <mutex>

namespace sw::usb {

namespace {

class LibusbVerbindung : public Verbindung {
public:
    LibusbVerbindung(libusb_device_handle* h, int interface) : h_(h), interface_(interface) {}
    ~LibusbVerbindung() override {
        libusb_release_interface(h_, interface_);
        libusb_close(h_);
    }
    int bulkSchreiben(std::uint8_t ep, const std::uint8_t* d, std::size_t n, int ms) override {
        int geschrieben = 0;
        const int r = libusb_bulk_transfer(h_, ep, const_cast<std::uint8_t*>(d),
                                           static_cast<int>(n), &geschrieben,
                                           static_cast<unsigned>(ms));
        return r == 0 ? geschrieben : -1;
    }
    int interruptSchreiben(std::uint8_t ep, const std::uint8_t* d, std::size_t n, int ms) override {
        int geschrieben = 0;
        const int r = libusb_interrupt_transfer(h_, ep, const_cast<std::uint8_t*>(d),
                                                static_cast<int>(n), &geschrieben,
                                                static_cast<unsigned>(ms));
        return r == 0 ? geschrieben : -1;
    }
    int interruptLesen(std::uint8_t ep, std::uint8_t* p, std::size_t n, int ms) override {
        int gelesen = 0;
        const int r = libusb_interrupt_transfer(h_, ep, p, static_cast<int>(n), &gelesen,
                                                static_cast<unsigned>(ms));
        return r == 0 ? gelesen : -1;
    }

private:
    libusb_device_handle* h_;
    int interface_;
};

class LibusbBus : public Bus {
public:
    explicit LibusbBus(libusb_context* c) : c_(c) {}
    ~LibusbBus() override {
        beobachten(nullptr);
        libusb_exit(c_);
    }

    // No lock is held while libusb is called: its event handling may be running the notice.
    bool beobachten(std::function<void()> geaendert) override {
        if (angemeldet_) {
            libusb_hotplug_deregister_callback(c_, anmeldung_);
            angemeldet_ = false;
        }
        {
            std::lock_guard l(beobachterM_);
            beobachter_ = std::move(geaendert);
            if (!beobachter_) return true;
        }
        if (!libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG)) return false;
        const int r = libusb_hotplug_register_callback(
            c_,
            static_cast<libusb_hotplug_event>(LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED |
                                              LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT),
            static_cast<libusb_hotplug_flag>(0), LIBUSB_HOTPLUG_MATCH_ANY,
            LIBUSB_HOTPLUG_MATCH_ANY, LIBUSB_HOTPLUG_MATCH_ANY, &LibusbBus::gemeldet, this,
            &anmeldung_);
        angemeldet_ = r == LIBUSB_SUCCESS;
        return angemeldet_;
    }

    void ereignisse(int millisekunden) override {
        timeval tv{millisekunden / 1000, (millisekunden % 1000) * 1000};
        libusb_handle_events_timeout_completed(c_, &tv, nullptr);
    }

    std::vector<std::string> suchen(std::uint16_t hersteller, std::uint16_t produkt) override {
        std::vector<std::string> aus;
        for (auto& [kennung, geraet] : liste(hersteller, produkt)) {
            aus.push_back(kennung);
            libusb_unref_device(geraet);
        }
        return aus;
    }

    std::unique_ptr<Verbindung> oeffnen(const std::string& kennung, int interface,
                                        int alternative) override {
        std::unique_ptr<Verbindung> aus;
        std::uint16_t hersteller = 0, produkt = 0;
        {
            std::lock_guard l(listeM_);
            hersteller = hersteller_;
            produkt = produkt_;
        }
        for (auto& [k, geraet] : liste(hersteller, produkt)) {
            if (!aus && k == kennung) {
                libusb_device_handle* h = nullptr;
                if (libusb_open(geraet, &h) == 0) {
                    if (libusb_claim_interface(h, interface) == 0 &&
                        libusb_set_interface_alt_setting(h, interface, alternative) == 0)
                        aus = std::make_unique<LibusbVerbindung>(h, interface);
                    else
                        libusb_close(h);
                }
            }
            libusb_unref_device(geraet);
        }
        return aus;
    }

private:
    // Runs inside libusb's event handling; it only passes the notice on (no libusb calls).
    static int LIBUSB_CALL gemeldet(libusb_context*, libusb_device*, libusb_hotplug_event,
                                    void* bus) {
        auto* b = static_cast<LibusbBus*>(bus);
        std::function<void()> f;
        {
            std::lock_guard l(b->beobachterM_);
            f = b->beobachter_;
        }
        if (f) f();
        return 0; // stay registered
    }

    // Devices with their identities; each holds a reference the caller drops.
    std::vector<std::pair<std::string, libusb_device*>> liste(std::uint16_t hersteller,
                                                              std::uint16_t produkt) {
        {
            std::lock_guard l(listeM_);
            hersteller_ = hersteller;
            produkt_ = produkt;
        }
        std::vector<std::pair<std::string, libusb_device*>> aus;
        libusb_device** geraete = nullptr;
        const ssize_t n = libusb_get_device_list(c_, &geraete);
        for (ssize_t k = 0; k < n; ++k) {
            libusb_device_descriptor d{};
            if (libusb_get_device_descriptor(geraete[k], &d) != 0 || d.idVendor != hersteller ||
                d.idProduct != produkt)
                continue;
            std::string kennung;
            libusb_device_handle* h = nullptr;
            if (d.iSerialNumber != 0 && libusb_open(geraete[k], &h) == 0) {
                unsigned char text[64] = {};
                if (libusb_get_string_descriptor_ascii(h, d.iSerialNumber, text, sizeof text) > 0)
                    kennung = reinterpret_cast<char*>(text);
                libusb_close(h);
            }
            if (kennung.empty())
                kennung = "usb " + std::to_string(libusb_get_bus_number(geraete[k])) + "-" +
                          std::to_string(libusb_get_port_number(geraete[k]));
            aus.emplace_back(kennung, libusb_ref_device(geraete[k]));
        }
        if (geraete) libusb_free_device_list(geraete, 1);
        return aus;
    }

    libusb_context* c_;
    std::mutex listeM_; // the search runs on the discovery thread, opening on others
    std::uint16_t hersteller_ = 0, produkt_ = 0;
    std::mutex beobachterM_;
    std::function<void()> beobachter_;
    libusb_hotplug_callback_handle anmeldung_ = 0;
    bool angemeldet_ = false; // only the watching thread registers and deregisters
};

} // namespace

std::shared_ptr<Bus> libusbBus() {
    libusb_context* c = nullptr;
    if (libusb_init(&c) != 0) return nullptr;
    return std::make_shared<LibusbBus>(c);
}

} // namespace sw::usb

#else

namespace sw::usb {
std::shared_ptr<Bus> libusbBus() {
    return nullptr;
}
} // namespace sw::usb

#endif
