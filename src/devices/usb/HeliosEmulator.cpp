#include "devices/usb/HeliosEmulator.h"

#include <algorithm>
#include <cstring>

namespace sw::emu {

using namespace helios;
using Uhrzeit = std::chrono::steady_clock;

namespace {

Uhrzeit::duration dauer(const Frame& f) {
    return std::chrono::duration_cast<Uhrzeit::duration>(std::chrono::duration<double>(
        static_cast<double>(f.punkte.size()) / std::max<int>(f.rate, 1)));
}

} // namespace

class HeliosVerbindung : public usb::Verbindung {
public:
    HeliosVerbindung(HeliosEmulator& e, int k) : e_(e), k_(k) {}

    int bulkSchreiben(std::uint8_t ep, const std::uint8_t* d, std::size_t n, int) override {
        std::lock_guard l(e_.m_);
        auto& g = e_.geraete_[static_cast<std::size_t>(k_)];
        if (g.ausgesteckt || ep != kBulkAus) return -1;
        Frame f;
        if (!frameLesen(d, n, f)) return -1;
        e_.fortschreiten(g);
        if (g.warteschlange.size() >= 2) {
            ++g.zuFrueh;
            g.warteschlange.pop_back(); // the newer frame replaces the waiting one
        }
        if (g.warteschlange.empty()) g.frontEnde = Uhrzeit::now() + dauer(f);
        g.warteschlange.push_back(std::move(f));
        g.gestoppt = false;
        ++g.frames;
        return static_cast<int>(n);
    }

    int interruptSchreiben(std::uint8_t ep, const std::uint8_t* d, std::size_t n, int) override {
        std::lock_guard l(e_.m_);
        auto& g = e_.geraete_[static_cast<std::size_t>(k_)];
        if (g.ausgesteckt || ep != kInterruptAus || n < 2) return -1;
        e_.fortschreiten(g);
        g.antwort = d[0];
        if (d[0] == kStop) {
            if (!g.warteschlange.empty()) g.gezeichnet = g.warteschlange.front();
            g.warteschlange.clear();
            g.gestoppt = true;
            ++g.stopps;
        }
        return static_cast<int>(n);
    }

    int interruptLesen(std::uint8_t ep, std::uint8_t* p, std::size_t n, int) override {
        std::lock_guard l(e_.m_);
        auto& g = e_.geraete_[static_cast<std::size_t>(k_)];
        if (g.ausgesteckt || ep != kInterruptEin || n < 2) return -1;
        e_.fortschreiten(g);
        std::memset(p, 0, n);
        if (g.antwort == kStatus) {
            p[0] = 0x83;
            p[1] = g.warteschlange.size() < 2 ? 1 : 0;
            return 2;
        }
        if (g.antwort == kName) {
            p[0] = 0x85;
            std::memcpy(p + 1, g.name.data(), std::min(g.name.size(), n - 2));
            return static_cast<int>(n);
        }
        return -1;
    }

private:
    HeliosEmulator& e_;
    int k_;
};

HeliosEmulator::HeliosEmulator(int anzahl) {
    for (int k = 1; k <= anzahl; ++k) {
        Geraet g;
        g.kennung = "EMU" + std::to_string(k);
        g.name = "Helios Emu " + std::to_string(k);
        geraete_.push_back(g);
    }
}

void HeliosEmulator::fortschreiten(Geraet& g) {
    const auto jetzt = Uhrzeit::now();
    // A drawn frame leaves when another waits; the last one repeats.
    while (g.warteschlange.size() >= 2 && g.frontEnde <= jetzt) {
        g.gezeichnet = g.warteschlange.front();
        g.warteschlange.pop_front();
        g.frontEnde += dauer(g.warteschlange.front());
    }
    if (!g.warteschlange.empty()) {
        g.gezeichnet = g.warteschlange.front();
        if (g.warteschlange.size() == 1 && g.frontEnde < jetzt) g.frontEnde = jetzt;
    }
}

std::vector<std::string> HeliosEmulator::suchen(std::uint16_t hersteller, std::uint16_t produkt) {
    std::lock_guard l(m_);
    std::vector<std::string> aus;
    if (hersteller != kHersteller || produkt != kProdukt) return aus;
    for (const auto& g : geraete_)
        if (!g.ausgesteckt) aus.push_back(g.kennung);
    return aus;
}

std::unique_ptr<usb::Verbindung> HeliosEmulator::oeffnen(const std::string& kennung, int interface,
                                                        int alternative) {
    std::lock_guard l(m_);
    if (interface != kInterface || alternative != kAlternative) return nullptr;
    for (std::size_t k = 0; k < geraete_.size(); ++k)
        if (geraete_[k].kennung == kennung && !geraete_[k].ausgesteckt)
            return std::make_unique<HeliosVerbindung>(*this, static_cast<int>(k));
    return nullptr;
}

HeliosEmulator::Geraet HeliosEmulator::geraet(int k) {
    std::lock_guard l(m_);
    auto& g = geraete_[static_cast<std::size_t>(k)];
    if (!g.gestoppt) fortschreiten(g);
    return g;
}

bool HeliosEmulator::beobachten(std::function<void()> geaendert) {
    std::lock_guard l(m_);
    if (ohneHotplug && geaendert) return false;
    beobachter_ = std::move(geaendert);
    return true;
}

void HeliosEmulator::ausstecken(int k, bool ausgesteckt) {
    std::function<void()> melden;
    {
        std::lock_guard l(m_);
        geraete_[static_cast<std::size_t>(k)].ausgesteckt = ausgesteckt;
        melden = beobachter_;
    }
    if (melden) melden();
}

} // namespace sw::emu
