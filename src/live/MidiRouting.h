#pragma once
// The MIDI and DMX input routing: which incoming message or DMX channel acts on which rows of
// which device groups, with the files that keep them.
//
// ".MidiInMap" (little-endian, no padding):
//   offset 0   16-bit  format version, 1
//   offset 2   16-bit  N, the number of routing entries (0 to 1000)
//   offset 4   N x 30  routing entries:
//                +0  1        message type (128 note off, 144 note on, 176 controller, ...)
//                +1  1        which data byte the filter tests: 0 the first, 1 the second
//                +2  1        filter: 0 any, else the value that data byte must have
//                +3  1        value source: 0 the first data byte, else the second
//                +4  12 x 16  device groups 0 to 11 (booleans -1 / 0)
//                +28 16-bit   target row - 1 (0 to 19)
//   then       16-bit  live MIDI channel (0 to 15)
//   then       16-bit  timeline MIDI channel (0 to 15)
//   then       16-bit  boolean: live MIDI input switched off
//   then       16-bit  boolean: a note off on the timeline channel counts as a note on with
//                      velocity 0
// so the file is 4 + 30 N + 8 bytes long; any other length is refused whole.
//
// ".DMXInMap" (little-endian): 16-bit version 1, then for each DMX channel 1 to 512 a 16-bit
// row (0 = not routed, 1 to 20) and 12 x 16-bit booleans for the device groups: 2 + 512 x 26
// bytes. Any other length, or a row above 20, is refused whole.

#include "platform/Umgebung.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr int kGruppen = 12;

struct MidiRoutingEintrag {
    std::uint8_t typ = 144;
    std::uint8_t filterByte = 0;
    std::uint8_t filter = 0;
    std::uint8_t wertQuelle = 0;
    std::array<bool, kGruppen> gruppen{};
    std::int16_t zeileMinus1 = 0;

    bool operator==(const MidiRoutingEintrag&) const = default;
};

struct MidiRouting {
    std::vector<MidiRoutingEintrag> eintraege;
    int liveKanal = 0;
    int timelineKanal = 1;
    bool liveMidiAus = false;
    bool noteOffAlsNoteOn = true;

    bool operator==(const MidiRouting&) const = default;
};

struct DmxKanalRouting {
    std::int16_t zeile = 0; // 0: the channel is not routed
    std::array<bool, kGruppen> gruppen{};

    bool operator==(const DmxKanalRouting&) const = default;
};

struct DmxRouting {
    std::array<DmxKanalRouting, 512> kanaele{};

    bool operator==(const DmxRouting&) const = default;
};

inline constexpr int kMidiRoutingVersion = 1;
inline constexpr std::size_t kMidiRoutingEintragBytes = 30;
inline constexpr std::size_t kMaxMidiRoutingEintraege = 1000;

// Encoding and decoding; decoding throws Formatfehler when anything does not fit.
std::string midiRoutingKodieren(const MidiRouting& r);
MidiRouting midiRoutingDekodieren(std::string_view bytes);
std::string dmxRoutingKodieren(const DmxRouting& r);
DmxRouting dmxRoutingDekodieren(std::string_view bytes);

// The settings of the last routing files (section "AutoFileLoad").
inline constexpr const char* kAutoFileLoad = "AutoFileLoad";
inline constexpr const char* kMidiRoutingSchluessel = "Midi input Routing";
inline constexpr const char* kDmxRoutingSchluessel = "DMX input Routing";
inline constexpr const char* kMidiRoutingFilter = "*.Midi in Routing |*.MidiInMap";
inline constexpr const char* kMidiRoutingTitel = "Midi in Routing";
inline constexpr const char* kDmxRoutingFilter = "*.DMX in Routing |*.DMXInMap";
inline constexpr const char* kDmxRoutingTitel = "DMX in Routing";

// MidiZuordnungLaden: the file replaces the routing in memory; a damaged or unreadable file
// is refused with a message and the routing kept. Returns whether it was taken.
bool MidiZuordnungLaden(MidiRouting& r, Umgebung& env, const std::filesystem::path& datei);
bool MidiZuordnungSpeichern(const MidiRouting& r, Umgebung& env,
                            const std::filesystem::path& datei);
bool DmxZuordnungLaden(DmxRouting& r, Umgebung& env, const std::filesystem::path& datei);
bool DmxZuordnungSpeichern(const DmxRouting& r, Umgebung& env, const std::filesystem::path& datei);

} // namespace sw
