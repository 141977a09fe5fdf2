#include "live/eingang/RtMidiEingang.h"

#include "live/eingang/EingangTexte.h"
#include "platform/Sprachtexte.h"

#include <RtMidi.h>
#include <algorithm>
#include <exception>
#include <utility>

namespace sw {

namespace {

class RtMidiSystem : public MidiSystem {
public:
    std::vector<std::string> ports() override {
        std::vector<std::string> namen;
        const unsigned n = in_.getPortCount();
        for (unsigned i = 0; i < n; ++i) namen.push_back(in_.getPortName(i));
        return namen;
    }
    void oeffnen(unsigned index, Empfang empfang) override {
        empfang_ = std::move(empfang);
        in_.setCallback(&RtMidiSystem::rueckruf, this);
        // SysEx and time code come through for the time code; active sensing is not used.
        in_.ignoreTypes(false, false, true);
        in_.openPort(index, "Strahlwerk");
    }
    void schliessen() override {
        in_.closePort();
        in_.cancelCallback();
    }

private:
    static void rueckruf(double, std::vector<unsigned char>* nachricht, void* selbst) {
        auto* s = static_cast<RtMidiSystem*>(selbst);
        if (nachricht && !nachricht->empty() && s->empfang_)
            s->empfang_(nachricht->data(), nachricht->size());
    }

    // ALSA's sequencer when there is one: left to itself RtMidi would settle on JACK when ALSA
    // has no ports yet, and never see a port plugged in later.
    static RtMidi::Api schnittstelle() {
        std::vector<RtMidi::Api> apis;
        RtMidi::getCompiledApi(apis);
        const bool alsa = std::find(apis.begin(), apis.end(), RtMidi::LINUX_ALSA) != apis.end();
        return alsa ? RtMidi::LINUX_ALSA : RtMidi::UNSPECIFIED;
    }

    RtMidiIn in_{schnittstelle(), "Strahlwerk"};
    Empfang empfang_;
};

} // namespace

std::unique_ptr<MidiSystem> rtMidiSystem() {
    return std::make_unique<RtMidiSystem>();
}

RtMidiEingang::RtMidiEingang(const Sprachtexte& texte, Melden melden, Erzeugen erzeugen)
    : texte_(texte), melden_(std::move(melden)), erzeugen_(std::move(erzeugen)) {}

RtMidiEingang::~RtMidiEingang() {
    schliessen();
}

bool RtMidiEingang::systemHolen() {
    if (system_) return true;
    if (versucht_) return false; // the periodic look does not knock again; a choice does
    versucht_ = true;
    try {
        system_ = erzeugen_();
    } catch (const std::exception& e) {
        if (!gemeldet_ && melden_)
            melden_(texte_.text(eingangtext::KeinMidi) + " (" + e.what() + ")");
        gemeldet_ = true;
    }
    return system_ != nullptr;
}

void RtMidiEingang::schliessen() {
    if (!offen_ || !system_) return;
    offen_ = false;
    try {
        system_->schliessen();
    } catch (const std::exception&) {
    }
}

std::vector<std::string> RtMidiEingang::portNamen() {
    versucht_ = false;
    if (!systemHolen()) return {};
    try {
        return system_->ports();
    } catch (const std::exception&) {
        return {};
    }
}

bool RtMidiEingang::waehlen(const std::string& name) {
    schliessen();
    versucht_ = false;
    gewaehlt_ = name.empty() ? kMidiNichtAktiv : name;
    pruefen();
    return offen_;
}

void RtMidiEingang::pruefen() {
    geprueft_ = std::chrono::steady_clock::now();
    const bool keiner = gewaehlt_ == kMidiNichtAktiv;
    if (keiner && !offen_) return;
    if (!systemHolen()) return;
    try {
        const auto namen = system_->ports();
        const auto it = std::find(namen.begin(), namen.end(), gewaehlt_);
        if (offen_ && it == namen.end()) {
            schliessen();
            if (melden_) melden_(texte_.text(eingangtext::MidiPortWeg) + " " + gewaehlt_);
        } else if (!offen_ && !keiner && it != namen.end()) {
            {
                std::lock_guard lock(m_);
                laufenderStatus_ = 0;
            }
            system_->oeffnen(static_cast<unsigned>(it - namen.begin()),
                             [this](const std::uint8_t* b, std::size_t n) {
                                 if (n == 0) return;
                                 std::lock_guard lock(m_);
                                 // The time code's messages go whole into their own queue;
                                 // the clock's ticks are not used.
                                 if (b[0] == 0xF0 || b[0] == 0xF1) {
                                     if (systemNachrichten_.size() < kSystemHoechstens)
                                         systemNachrichten_.emplace_back(b, b + n);
                                     return;
                                 }
                                 if (b[0] == 0xF8) return;
                                 auto nachrichten = midiZerlegen(b, n, laufenderStatus_);
                                 if (!nachrichten.empty())
                                     warteschlange_.push_back(std::move(nachrichten));
                             });
            offen_ = true;
            if (melden_) melden_(texte_.text(eingangtext::MidiPortDa) + " " + gewaehlt_);
        }
    } catch (const std::exception&) {
        schliessen(); // tried again at the next look
    }
}

std::vector<std::vector<std::uint8_t>> RtMidiEingang::systemAbholen() {
    std::lock_guard lock(m_);
    return std::exchange(systemNachrichten_, {});
}

std::vector<std::vector<MidiNachricht>> RtMidiEingang::abholen() {
    if (std::chrono::steady_clock::now() - geprueft_ >= pruefAbstand) pruefen();
    std::lock_guard lock(m_);
    return std::exchange(warteschlange_, {});
}

} // namespace sw
