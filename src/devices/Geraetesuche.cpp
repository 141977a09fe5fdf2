#include "devices/Geraetesuche.h"

#include "devices/Erkennung.h"
#include "devices/netz/IdnProtokoll.h"
#include "devices/netz/Sockets.h"
#include "devices/usb/HeliosProtokoll.h"

#include <algorithm>
#include <map>
#include <utility>

namespace sw {

namespace {

using Uhrzeit = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How long a receive waits at most, so that the threads notice the end soon.
constexpr int kHorchen = 100;

std::string stilleText(int ms) {
    return std::to_string(ms / 1000) + "." + std::to_string(ms % 1000 / 100) + " s";
}

} // namespace

// A hot-plug notice only raises this flag; the USB thread waits on it.
struct Geraetesuche::UsbNotiz {
    std::mutex m;
    std::condition_variable cv;
    bool geaendert = false;
    bool ende = false;
    void wecken(bool schluss) {
        {
            std::lock_guard l(m);
            geaendert = geaendert || !schluss;
            ende = ende || schluss;
        }
        cv.notify_all();
    }
};

Geraetesuche::Geraetesuche(const Netzeinstellungen& netz)
    : netz_(netz), start_(Uhrzeit::now()), usbNotiz_(std::make_shared<UsbNotiz>()) {
    etherDream_ = std::thread([this] { etherDreamHoeren(); });
    idn_ = std::thread([this] { idnScannen(); });
}

Geraetesuche::~Geraetesuche() {
    beenden();
}

void Geraetesuche::beenden() {
    ende_ = true;
    usbNotiz_->wecken(true);
    for (auto* t : {&etherDream_, &idn_, &usb_})
        if (t->joinable()) t->join();
}

void Geraetesuche::usbBeobachten(std::shared_ptr<usb::Bus> bus,
                                 std::vector<GeraeteEintrag> bekannt) {
    if (!bus || usb_.joinable() || ende_) return;
    usb_ = std::thread([this, bus = std::move(bus), bekannt = std::move(bekannt)]() mutable {
        usbWachen(std::move(bus), std::move(bekannt));
    });
}

std::vector<Geraetemeldung> Geraetesuche::abholen() {
    std::lock_guard l(m_);
    return std::exchange(schlange_, {});
}

std::chrono::milliseconds Geraetesuche::seitStart() const {
    return std::chrono::duration_cast<milliseconds>(Uhrzeit::now() - start_);
}

void Geraetesuche::melden(Geraetemeldung m) {
    std::lock_guard l(m_);
    schlange_.push_back(std::move(m));
}

void Geraetesuche::etherDreamHoeren() {
    using Art = Geraetemeldung::Art;
    netz::UdpSocket udp;
    if (!udp.binden(netz_.suchAdresse, netz_.etherDreamBroadcastPort)) {
        melden({Art::Problem, {},
                "EtherDream: cannot listen on " + netz_.suchAdresse + ":" +
                    std::to_string(netz_.etherDreamBroadcastPort)});
        return;
    }
    struct Gehoert {
        GeraeteEintrag eintrag;
        Uhrzeit::time_point zuletzt;
    };
    std::map<std::string, Gehoert> gehoert; // by identity
    const auto stille = milliseconds(netz_.etherDreamStille);
    while (!ende_) {
        std::uint8_t puffer[128];
        netz::Adresse von;
        const long n = udp.empfangen(puffer, sizeof puffer, kHorchen, &von);
        const auto jetzt = Uhrzeit::now();
        if (n >= 0) {
            if (auto e = etherDreamEintrag(puffer, static_cast<std::size_t>(n), von.ip, netz_)) {
                auto it = gehoert.find(e->Kennung);
                if (it == gehoert.end() || it->second.eintrag.Netzadresse != e->Netzadresse)
                    melden({Art::Erschienen, *e,
                            "EtherDream found: " + e->Kennung + " at " + e->Netzadresse});
                const std::string kennung = e->Kennung;
                gehoert[kennung] = {std::move(*e), jetzt};
            }
        }
        for (auto it = gehoert.begin(); it != gehoert.end();) {
            if (jetzt - it->second.zuletzt <= stille) {
                ++it;
                continue;
            }
            melden({Art::Verschwunden, it->second.eintrag,
                    "EtherDream lost: " + it->first + " (" + it->second.eintrag.Anzeigename +
                        "), not heard for " + stilleText(netz_.etherDreamStille)});
            it = gehoert.erase(it);
        }
    }
}

void Geraetesuche::idnScannen() {
    using Art = Geraetemeldung::Art;
    netz::UdpSocket udp;
    if (!udp.binden(netz_.suchAdresse, 0)) {
        melden({Art::Problem, {}, "IDN: cannot open a socket on " + netz_.suchAdresse});
        return;
    }
    struct Gehoert {
        GeraeteEintrag eintrag;
        bool geantwortet = true; // to the scan last sent
        int fehlscans = 0;
    };
    std::map<std::string, Gehoert> gehoert;
    std::uint16_t folge = 0;
    auto naechsterScan = Uhrzeit::now();
    while (!ende_) {
        auto jetzt = Uhrzeit::now();
        if (jetzt >= naechsterScan) {
            // Who did not answer the previous scan missed one.
            for (auto it = gehoert.begin(); it != gehoert.end();) {
                auto& g = it->second;
                g.fehlscans = g.geantwortet ? 0 : g.fehlscans + 1;
                g.geantwortet = false;
                if (g.fehlscans < netz_.idnFehlscans) {
                    ++it;
                    continue;
                }
                melden({Art::Verschwunden, g.eintrag,
                        "IDN lost: " + it->first + " (" + g.eintrag.Anzeigename + "), " +
                            std::to_string(g.fehlscans) + " scans unanswered"});
                it = gehoert.erase(it);
            }
            // The networks are looked up for each scan: one may have come up since.
            const auto ziele = netz_.idnAdresse.empty()
                                   ? lokaleBroadcasts()
                                   : std::vector<std::string>{netz_.idnAdresse};
            const auto anfrage = idn::scanAnfrage(++folge);
            for (const auto& ziel : ziele)
                udp.senden({ziel, netz_.idnPort}, anfrage.data(), anfrage.size());
            naechsterScan = std::max(naechsterScan + milliseconds(netz_.idnScanAbstand), jetzt);
        }
        const auto bisScan = std::chrono::duration_cast<milliseconds>(naechsterScan - jetzt);
        const int warten = static_cast<int>(std::clamp<long>(bisScan.count(), 1, kHorchen));
        std::uint8_t puffer[256];
        netz::Adresse von;
        const long n = udp.empfangen(puffer, sizeof puffer, warten, &von);
        if (n < 0) continue;
        auto e = idnEintrag(puffer, static_cast<std::size_t>(n), von.ip, von.port);
        if (!e) continue;
        auto it = gehoert.find(e->Kennung);
        if (it == gehoert.end() || it->second.eintrag.Netzadresse != e->Netzadresse ||
            it->second.eintrag.Netzport != e->Netzport)
            melden({Art::Erschienen, *e,
                    "IDN found: " + e->Kennung + " (" + e->Anzeigename.substr(4) + ") at " +
                        e->Netzadresse});
        auto& g = gehoert[e->Kennung];
        g.eintrag = std::move(*e);
        g.geantwortet = true;
    }
}

void Geraetesuche::usbWachen(std::shared_ptr<usb::Bus> bus, std::vector<GeraeteEintrag> bekannt) {
    using Art = Geraetemeldung::Art;
    std::map<std::string, std::optional<GeraeteEintrag>> da; // bus identity: its entry
    for (auto& e : bekannt) {
        const std::string kennung = e.Kennung.substr(e.Kennung.find(' ') + 1);
        da[kennung] = std::move(e);
    }
    auto notiz = usbNotiz_;
    const bool heiss = bus->beobachten([notiz] { notiz->wecken(false); });
    auto nachsehen = [&] {
        const auto jetzt = bus->suchen(helios::kHersteller, helios::kProdukt);
        for (auto it = da.begin(); it != da.end();) {
            if (std::find(jetzt.begin(), jetzt.end(), it->first) != jetzt.end()) {
                ++it;
                continue;
            }
            if (it->second)
                melden({Art::Verschwunden, *it->second,
                        "Helios lost: " + it->second->Kennung + " (" + it->second->Anzeigename +
                            "), unplugged"});
            it = da.erase(it);
        }
        for (const auto& k : jetzt) {
            if (da.count(k)) continue;
            std::string problem;
            auto e = heliosEintrag(*bus, k, problem);
            if (e)
                melden({Art::Erschienen, *e,
                        "Helios found: " + e->Kennung + " (" + e->Anzeigename + ")"});
            else
                melden({Art::Problem, {}, problem}); // tried again when plugged in again
            da[k] = std::move(e);
        }
    };
    nachsehen();
    while (!ende_) {
        if (heiss) bus->ereignisse(kHorchen);
        std::unique_lock l(notiz->m);
        notiz->cv.wait_for(l, milliseconds(heiss ? kHorchen : netz_.usbAbstand),
                           [&] { return notiz->ende || notiz->geaendert; });
        if (notiz->ende) break;
        if (heiss && !notiz->geaendert) continue;
        notiz->geaendert = false;
        l.unlock();
        nachsehen();
    }
    if (heiss) bus->beobachten(nullptr);
}

} // namespace sw
