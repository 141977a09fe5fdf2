#pragma once
// The ILDA Digital Network wire format, without sockets: the IDN-Hello packet header, the scan
// request and response, and the channel messages of the laser-projector service in frame mode
// with their channel configuration (X, Y, red, green, blue, intensity). Everything is
// big-endian.

#include "output/Ausgabetypen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sw::idn {

inline constexpr std::uint16_t kPort = 7255;
inline constexpr std::uint8_t kScanAnfrage = 0x10;
inline constexpr std::uint8_t kScanAntwort = 0x11;
inline constexpr std::uint8_t kKanalNachricht = 0x40;
inline constexpr std::uint8_t kKanalSchliessen = 0x44;

inline constexpr std::uint16_t kInhaltKanal = 0x8000;  // a channel message
inline constexpr std::uint16_t kInhaltKonfig = 0x4000; // config attached, or last fragment
inline constexpr std::uint8_t kChunkWelle = 0x01;
inline constexpr std::uint8_t kChunkFrame = 0x02;
inline constexpr std::uint8_t kChunkFrameAnfang = 0x03;
inline constexpr std::uint8_t kChunkFrameFortsetzung = 0xC0;
inline constexpr std::uint8_t kKonfigRouting = 0x01;
inline constexpr std::uint8_t kKonfigSchliessen = 0x02;
inline constexpr std::uint8_t kModusKontinuierlich = 0x01; // laser graphic, a wave of samples
inline constexpr std::uint8_t kModusDiskret = 0x02;        // laser graphic, individual frames

inline constexpr std::size_t kKopfBytes = 4;        // packet header
inline constexpr std::size_t kNachrichtKopfBytes = 8; // channel message header
inline constexpr std::size_t kSampleBytes = 8;      // X, Y (16 bit), R, G, B, I (8 bit)
// The descriptor tags of the configuration, in sample order.
inline constexpr std::array<std::uint16_t, 8> kDeskriptoren{0x4200, 0x4010, 0x4210, 0x4010,
                                                             0x527E, 0x5214, 0x51CC, 0x5C10};
// Datagrams stay below the usual Ethernet MTU.
inline constexpr std::size_t kMaxDatagramm = 1454;

struct Kopf {
    std::uint8_t befehl = 0;
    std::uint8_t flags = 0;
    std::uint16_t folge = 0; // sequence number
};

struct ScanAntwort {
    std::uint8_t version = 0x10; // protocol version 1.0
    std::uint8_t status = 0;
    std::array<std::uint8_t, 16> unitId{}; // byte 0: length of the ID that follows
    std::string hostname;                    // at most 20 bytes
};

struct Sample {
    std::int16_t x = 0, y = 0;
    std::uint8_t r = 0, g = 0, b = 0, i = 0;
    bool operator==(const Sample&) const = default;
};

void kopfSchreiben(const Kopf& k, std::uint8_t* z);
Kopf kopfLesen(const std::uint8_t* q);
std::vector<std::uint8_t> scanAnfrage(std::uint16_t folge);
std::vector<std::uint8_t> scanAntwortSchreiben(std::uint16_t folge, const ScanAntwort& a);
// False when the datagram is no scan response.
bool scanAntwortLesen(const std::uint8_t* q, std::size_t bytes, ScanAntwort& a);
// "IDN 0a1b2c...", the identity that survives restarts.
std::string kennung(const ScanAntwort& a);

void sampleSchreiben(const Sample& s, std::uint8_t* z);
Sample sampleLesen(const std::uint8_t* q);
Sample ausAusgabepunkt(const Ausgabepunkt& p);
inline bool dunkel(const Sample& s) { return s.r == 0 && s.g == 0 && s.b == 0 && s.i == 0; }

// One frame as the datagrams of a channel message: one datagram when it fits, else a first
// fragment and sequels, the last one flagged. `konfig` attaches the channel configuration;
// `schliessen` asks the receiver to close the channel after the frame. In wave mode the
// samples are one piece of a continuous wave; they must fit one datagram (kMaxWelle).
struct FrameNachricht {
    std::uint8_t kanal = 0;
    std::uint32_t zeitstempel = 0; // microseconds
    std::uint32_t dauer = 0;       // microseconds the frame takes
    bool konfig = false;
    bool schliessen = false;
    bool welle = false;
};
// The most samples of one wave chunk with its configuration in one datagram.
inline constexpr std::size_t kMaxWelle = (kMaxDatagramm - kKopfBytes - kNachrichtKopfBytes - 4 -
                                          kDeskriptoren.size() * 2 - 4) /
                                         kSampleBytes;
std::vector<std::vector<std::uint8_t>> frameDatagramme(const FrameNachricht& n,
                                                       const std::uint8_t* samples,
                                                       std::size_t anzahl, std::uint16_t& folge);
std::vector<std::uint8_t> schliessenDatagramm(std::uint16_t folge);

} // namespace sw::idn
