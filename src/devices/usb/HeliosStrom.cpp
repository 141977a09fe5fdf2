#include "devices/usb/HeliosStrom.h"

#include "devices/Stromantworten.h"

#include <algorithm>
#include <chrono>

namespace sw {

using namespace helios;
using namespace std::chrono_literals;

namespace {
constexpr int kZeitlimitMs = 100;
}

HeliosStrom::HeliosStrom(Optionen o)
    : Strom(kPunktBytes, kMaxPunkte), opt_(std::move(o)), rate_(opt_.punktrate) {
    thread_ = std::thread([this] { lauf(); });
}

HeliosStrom::~HeliosStrom() {
    ende_ = true;
    if (thread_.joinable()) thread_.join();
}

void HeliosStrom::rateSetzen(std::uint32_t rate) {
    if (rate > 0) rate_ = rate;
}

void HeliosStrom::stoerung(const std::string& grund) {
    usb_.reset();
    Strom::stoerung(grund);
}

int HeliosStrom::status() {
    const auto a = anfrage(kStatus);
    std::uint8_t antwort[32];
    if (usb_->interruptSchreiben(kInterruptAus, a.data(), a.size(), kZeitlimitMs) < 0) return -1;
    const int n = usb_->interruptLesen(kInterruptEin, antwort, sizeof antwort, kZeitlimitMs);
    const Statusfolge s = statusAuswerten(antwort, n, sizeof antwort);
    return s == Statusfolge::Bereit ? 1 : s == Statusfolge::Beschaeftigt ? 0 : -1;
}

bool HeliosStrom::schreiben(const std::vector<std::uint8_t>& punkte) {
    const auto daten = frame(punkte.data(), punkte.size() / kPunktBytes, rate_, 0);
    return usb_->bulkSchreiben(kBulkAus, daten.data(), daten.size(), kZeitlimitMs * 5) ==
           static_cast<int>(daten.size());
}

void HeliosStrom::lauf() {
    echtzeitAnfordern();
    while (!ende_) {
        if (!usb_) {
            usb_ = opt_.bus ? opt_.bus->oeffnen(opt_.kennung, kInterface, kAlternative) : nullptr;
            if (!usb_) {
                stoerung("not connected");
                for (int k = 0; k < 200 && !ende_; ++k) std::this_thread::sleep_for(5ms);
                continue;
            }
            wiederDa();
            gesendet_ = false; // the DAC needs the current frame again
        }
        const int s = status();
        if (s < 0) {
            stoerung("no answer to the status request");
            continue;
        }
        // A ready DAC gets the newest frame; without a new one the last frame repeats there.
        if (s == 1 && (neuenFrameNehmen(frame_) || !gesendet_) && !frame_.empty()) {
            if (!schreiben(frame_)) {
                stoerung("the frame transfer failed");
                continue;
            }
            gesendet_ = true;
        }
        std::this_thread::sleep_for(500us);
        cpuMessen();
    }
    dunkelUndStopp();
}

bool HeliosStrom::warteBereit(std::chrono::steady_clock::time_point grenze) {
    while (std::chrono::steady_clock::now() < grenze) {
        const int s = status();
        if (s != 0) return s == 1;
        std::this_thread::sleep_for(500us);
    }
    return false;
}

void HeliosStrom::dunkelUndStopp() {
    if (!usb_) return;
    const auto grenze = std::chrono::steady_clock::now() + 500ms;
    if (gesendet_ && !frame_.empty() && warteBereit(grenze)) {
        const std::size_t anzahl = std::max<std::size_t>(20, rate_ / 200);
        std::vector<std::uint8_t> dunkel(anzahl * kPunktBytes);
        Punkt letzter = punktLesen(frame_.data() + frame_.size() - kPunktBytes);
        letzter.r = letzter.g = letzter.b = letzter.i = 0;
        const Punkt mitte{2047, 2047, 0, 0, 0, 0};
        for (std::size_t k = 0; k < anzahl; ++k)
            punktSchreiben(k < anzahl / 2 ? letzter : mitte, dunkel.data() + k * kPunktBytes);
        // Ready again means the dark frame has started.
        if (schreiben(dunkel)) warteBereit(grenze);
    }
    const auto stopp = anfrage(kStop);
    usb_->interruptSchreiben(kInterruptAus, stopp.data(), stopp.size(), kZeitlimitMs);
    usb_.reset();
}

} // namespace sw
