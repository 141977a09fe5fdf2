#pragma once
// The Helios USB DAC's wire format, without USB calls: the 7-byte point (12-bit X and Y packed
// into three bytes, then red, green, blue, intensity), the frame with its five-byte trailer
// (points per second, point count, flags) for the bulk endpoint, and the control messages on
// the interrupt endpoints.

#include "output/Ausgabetypen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sw::helios {

inline constexpr std::uint16_t kHersteller = 0x1209;
inline constexpr std::uint16_t kProdukt = 0xE500;
inline constexpr int kInterface = 0;
inline constexpr int kAlternative = 1;
inline constexpr std::uint8_t kBulkAus = 0x02;
inline constexpr std::uint8_t kInterruptAus = 0x06;
inline constexpr std::uint8_t kInterruptEin = 0x83;
inline constexpr std::size_t kPunktBytes = 7;
inline constexpr int kMinPunkte = 1, kMaxPunkte = 4095;
inline constexpr int kMinRate = 7, kMaxRate = 65535;

inline constexpr std::uint8_t kStop = 0x01;
inline constexpr std::uint8_t kStatus = 0x03;
inline constexpr std::uint8_t kName = 0x05;
inline constexpr std::uint8_t kFlagSofort = 0x01; // start the frame at once

struct Punkt {
    std::uint16_t x = 0, y = 0; // 0 to 4095
    std::uint8_t r = 0, g = 0, b = 0, i = 0;
    bool operator==(const Punkt&) const = default;
};

void punktSchreiben(const Punkt& p, std::uint8_t* z);
Punkt punktLesen(const std::uint8_t* q);
Punkt ausAusgabepunkt(const Ausgabepunkt& p);
inline bool dunkel(const Punkt& p) { return p.r == 0 && p.g == 0 && p.b == 0 && p.i == 0; }

// The bulk transfer for `anzahl` encoded points: the points, then the trailer. The count is
// limited to 1..4095 and the rate to 7..65535 points per second.
std::vector<std::uint8_t> frame(const std::uint8_t* punkte, std::size_t anzahl, std::uint32_t rate,
                                std::uint8_t flags);
// The reverse, for the emulator; false when the transfer is no valid frame.
struct Frame {
    std::vector<Punkt> punkte;
    std::uint16_t rate = 0;
    std::uint8_t flags = 0;
};
bool frameLesen(const std::uint8_t* q, std::size_t bytes, Frame& f);

inline std::array<std::uint8_t, 2> anfrage(std::uint8_t befehl) { return {befehl, 0}; }
// The status answer [0x83, 1] means ready for the next frame.
inline bool bereit(const std::uint8_t* antwort, std::size_t bytes) {
    return bytes >= 2 && antwort[0] == 0x83 && antwort[1] == 1;
}

} // namespace sw::helios
