#pragma once
// The control inputs the live routines read: MIDI messages and DMX frames. Each real input
// (RtMidi, Art-Net, sACN, OLA, a DAC library's DMX) receives on its own thread and hands over
// here; the output cycle's thread collects once per pass and never waits.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sw {

// One MIDI channel message as the input routines read it.
struct MidiNachricht {
    std::uint8_t status = 0;
    std::uint8_t daten1 = 0;
    std::uint8_t daten2 = 0;

    bool operator==(const MidiNachricht&) const = default;
};

// The port text when no MIDI input is chosen.
inline constexpr const char* kMidiNichtAktiv = "Not Enabled";

// A MIDI input port. Every method is called from the user-interface (output cycle) thread.
class MidiEingang {
public:
    virtual ~MidiEingang() = default;
    // The names of the input ports present now.
    virtual std::vector<std::string> portNamen() = 0;
    // Chooses the port by name ("" or kMidiNichtAktiv: none). A port that is not present is
    // remembered and opened when it appears. Returns whether it is open now.
    virtual bool waehlen(const std::string& name) = 0;
    // The chosen port's name, kMidiNichtAktiv when none.
    virtual std::string gewaehlt() const = 0;
    // The events received since the last call, in order; one event may carry several messages.
    virtual std::vector<std::vector<MidiNachricht>> abholen() = 0;
    // The time code's system messages received since the last call, each with all its bytes:
    // SysEx (F0 ... F7) and quarter frames (F1 nn), which `abholen` does not carry whole.
    virtual std::vector<std::vector<std::uint8_t>> systemAbholen() { return {}; }
};

inline constexpr int kDmxKanaele = 512;
using DmxFrame = std::array<std::uint8_t, kDmxKanaele>;

// A DMX input universe. Every method is called from the user-interface (output cycle) thread.
class DmxEingang {
public:
    virtual ~DmxEingang() = default;
    // The name the device lists show.
    virtual std::string name() const = 0;
    // Copies the newest frame into `frame` when one arrived since the last call.
    virtual bool neuesterFrame(DmxFrame& frame) = 0;
};

// Splits a MIDI byte stream into channel messages. `laufenderStatus` carries the running
// status from one call to the next; system messages (status 240 and above) are returned with
// the data bytes that follow them up to the next status byte dropped.
std::vector<MidiNachricht> midiZerlegen(const std::uint8_t* bytes, std::size_t anzahl,
                                        std::uint8_t& laufenderStatus);

// A MIDI input for tests and demos: what is sent arrives at the next `abholen`.
class FakeMidiEingang : public MidiEingang {
public:
    std::vector<std::string> ports{"Fake MIDI 1"};
    std::vector<std::string> portNamen() override { return ports; }
    bool waehlen(const std::string& name) override;
    std::string gewaehlt() const override { return gewaehlt_; }
    std::vector<std::vector<MidiNachricht>> abholen() override;

    // One event of several messages, or raw bytes split as a port would deliver them.
    void senden(std::vector<MidiNachricht> ereignis);
    void bytesSenden(const std::vector<std::uint8_t>& bytes);
    // A whole system message (SysEx, quarter frame) for `systemAbholen`.
    void systemSenden(std::vector<std::uint8_t> bytes) { system_.push_back(std::move(bytes)); }
    std::vector<std::vector<std::uint8_t>> systemAbholen() override {
        return std::exchange(system_, {});
    }

private:
    std::vector<std::vector<std::uint8_t>> system_;
    std::string gewaehlt_ = kMidiNichtAktiv;
    std::uint8_t laufenderStatus_ = 0;
    std::vector<std::vector<MidiNachricht>> warteschlange_;
};

// A DMX input for tests: the frame set is delivered once.
class FakeDmxEingang : public DmxEingang {
public:
    std::string name() const override { return "Fake DMX"; }
    bool neuesterFrame(DmxFrame& frame) override {
        if (!neu_) return false;
        frame = frame_;
        neu_ = false;
        return true;
    }
    void setzen(const DmxFrame& frame) {
        frame_ = frame;
        neu_ = true;
    }

private:
    DmxFrame frame_{};
    bool neu_ = false;
};

} // namespace sw
