#pragma once
// MIDI input through RtMidi: one port chosen by name. The port is looked at again from
// `abholen` about once a second, so a port that vanishes is closed and opened again when it
// comes back; a machine without a MIDI system is reported once and the input stays empty.

#include "live/eingang/Eingang.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

namespace sw {

class Sprachtexte;

// The few calls the input needs from a MIDI system: RtMidi behind it, a fake in tests. Every
// call may throw when the system fails.
class MidiSystem {
public:
    using Empfang = std::function<void(const std::uint8_t* bytes, std::size_t anzahl)>;
    virtual ~MidiSystem() = default;
    virtual std::vector<std::string> ports() = 0;
    // Opens port `index`; `empfang` is called on the system's own thread for each event.
    virtual void oeffnen(unsigned index, Empfang empfang) = 0;
    virtual void schliessen() = 0;
};

// RtMidi's input (ALSA or JACK, whichever has ports). Throws when the machine has no MIDI
// system (no ALSA sequencer, no JACK).
std::unique_ptr<MidiSystem> rtMidiSystem();

// Every method is for the user-interface (output cycle) thread; events arrive on the MIDI
// system's thread into a locked queue that `abholen` empties.
class RtMidiEingang : public MidiEingang {
public:
    using Melden = std::function<void(const std::string&)>; // a line for the program log
    using Erzeugen = std::function<std::unique_ptr<MidiSystem>()>;

    RtMidiEingang(const Sprachtexte& texte, Melden melden, Erzeugen erzeugen = rtMidiSystem);
    ~RtMidiEingang() override;

    std::vector<std::string> portNamen() override;
    bool waehlen(const std::string& name) override;
    std::string gewaehlt() const override { return gewaehlt_; }
    std::vector<std::vector<MidiNachricht>> abholen() override;
    std::vector<std::vector<std::uint8_t>> systemAbholen() override;

    // Whether a MIDI system is there (false after it failed to open).
    bool vorhanden() const { return system_ != nullptr; }
    bool offen() const { return offen_; }
    // How often `abholen` looks at the ports (tests make it 0).
    std::chrono::milliseconds pruefAbstand{1000};

private:
    bool systemHolen();
    void pruefen();
    void schliessen();

    const Sprachtexte& texte_;
    Melden melden_;
    Erzeugen erzeugen_;
    std::unique_ptr<MidiSystem> system_;
    bool gemeldet_ = false; // "no MIDI system" said once
    bool versucht_ = false; // opening the system failed since the last choice
    std::string gewaehlt_ = kMidiNichtAktiv;
    bool offen_ = false;
    std::chrono::steady_clock::time_point geprueft_{};

    std::mutex m_; // guards the queue and the running status between the two threads
    std::vector<std::vector<MidiNachricht>> warteschlange_;
    std::uint8_t laufenderStatus_ = 0;
    // Time code nobody collects is dropped past this many messages (about a minute at 30 fps).
    static constexpr std::size_t kSystemHoechstens = 8192;
    std::vector<std::vector<std::uint8_t>> systemNachrichten_;
};

} // namespace sw
