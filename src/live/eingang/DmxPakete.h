#pragma once
// The DMX packets that arrive over the network, as pure functions over bytes: ArtDmx of Art-Net
// (UDP 6454) and the E1.31 data packet of sACN (UDP 5568). Every field is checked before any
// channel is taken; a packet that fails says why, so the receivers can count it and drop it.

#include "live/eingang/Eingang.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sw {

// Why a packet was not taken. The receivers count each reason apart.
enum class Verwerfung {
    Keine,                // taken
    ZuKurz,               // shorter than its fixed fields
    FalscheKennung,       // not "Art-Net", not the ACN packet identifier or preamble
    AndererOpcode,        // an Art-Net packet other than ArtDmx (poll, sync, ...)
    AlteVersion,          // Art-Net protocol version below 14
    FalscheLaenge,        // data length odd, out of range or longer than the packet
    FalscheSchicht,       // sACN vector or flags/length of a layer wrong
    FalscheAdressierung,  // sACN address type, first address or increment wrong
    FalschePrioritaet,    // sACN priority above 200
    FalscherStartcode,    // sACN start code other than 0 (RDM, text, ...)
    FalschesUniversum,    // sACN universe 0 or above 63999; either: not the one listened to
    Reihenfolge,          // older than the last packet of its sender
    Vorschau,             // sACN preview data, meant for visualisers only
    NiedrigerePrioritaet, // sACN: another sender of higher priority is alive
    Beendet,              // sACN stream terminated: its sender is forgotten at once
    ZuVieleQuellen,       // sACN: more senders at once than a receiver keeps apart
    Anzahl
};
inline constexpr int kVerwerfungen = static_cast<int>(Verwerfung::Anzahl);

// A short English name for printing ("short", "out of sequence", ...).
const char* verwerfungName(Verwerfung v);

// E1.31 and Art-Net alike: a sequence number `neu` after `alt` is out of order when it lies
// up to 19 steps behind (or repeats); a larger jump backwards means the sender started again.
bool sequenzVeraltet(std::uint8_t neu, std::uint8_t alt);

namespace artnet {

inline constexpr std::uint16_t kPort = 6454;
inline constexpr std::uint16_t kOpDmx = 0x5000;
inline constexpr std::uint16_t kMindestVersion = 14;
inline constexpr std::size_t kKopfBytes = 18;

struct DmxPaket {
    std::uint16_t version = 14;
    std::uint8_t sequenz = 0; // 0: the sender does not number its packets
    std::uint8_t physisch = 0;
    std::uint16_t portAdresse = 0; // 15 bits: net (7), sub-net (4), universe (4)
    std::uint16_t laenge = 0;      // channels carried, 2 to 512, even
    DmxFrame kanaele{};            // the channels past `laenge` are 0
};

// Reads an ArtDmx packet; Verwerfung::Keine when it is one and valid.
Verwerfung lesen(const std::uint8_t* q, std::size_t bytes, DmxPaket& p);
// Writes it (kKopfBytes + laenge bytes into z); returns the byte count.
std::size_t schreiben(const DmxPaket& p, std::uint8_t* z);

} // namespace artnet

namespace sacn {

inline constexpr std::uint16_t kPort = 5568;
inline constexpr std::size_t kKopfBytes = 126; // up to and including the start code
inline constexpr std::size_t kMaxBytes = kKopfBytes + kDmxKanaele;
inline constexpr std::uint8_t kOptionVorschau = 0x80;
inline constexpr std::uint8_t kOptionBeendet = 0x40;
inline constexpr std::uint16_t kMaxUniversum = 63999;
inline constexpr std::uint8_t kMaxPrioritaet = 200;

struct DatenPaket {
    std::array<std::uint8_t, 16> cid{}; // the sender's identity
    std::string quelle;                 // its name (UTF-8)
    std::uint8_t prioritaet = 100;
    std::uint16_t syncAdresse = 0;
    std::uint8_t sequenz = 0;
    std::uint8_t optionen = 0;
    std::uint16_t universum = 1;
    std::uint16_t laenge = 0; // channels carried, 0 to 512
    DmxFrame kanaele{};       // the channels past `laenge` are 0

    bool vorschau() const { return optionen & kOptionVorschau; }
    bool beendet() const { return optionen & kOptionBeendet; }
};

// Reads an E1.31 data packet; Verwerfung::Keine when it is one and valid.
Verwerfung lesen(const std::uint8_t* q, std::size_t bytes, DatenPaket& p);
// Writes it (kKopfBytes + laenge bytes into z); returns the byte count.
std::size_t schreiben(const DatenPaket& p, std::uint8_t* z);

// The multicast group of a universe: 239.255.hi.lo, as a host-order IPv4 address.
std::uint32_t multicastGruppe(std::uint16_t universum);

} // namespace sacn

} // namespace sw
