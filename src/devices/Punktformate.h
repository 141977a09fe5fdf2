#pragma once
// The vendors' point records, little-endian, from one output point (X, Y 0 to 65535 with the
// centre at 32767; colours and intensity 0 to 255):
//   Lumax    18 bytes: X, Y, R, G, B, channel 6, channel 7, channel 8 (intensity), TTL, each an
//            unsigned 16-bit word; a colour byte c is written into both bytes (c x 257)
//   JMLaser  24 bytes: X, Y as signed 32-bit (X - 32767) x 65535; R, G, B, I as 16-bit
//            value x 256; four 16-bit words 0
//   Riya      8 bytes: X low, X high, Y low, Y high (12-bit: v \ 16), R, G, B, I
//   MLDriver 15 bytes: X low, X high, Y low, Y high (12-bit), 0, 0, R, G, B, 0, 0, 0, I, 0, 0
// Values are rounded half to even; a result outside its field raises error 6.

#include "output/Ausgabetypen.h"

#include <cstdint>

namespace sw::format {

inline constexpr std::size_t kLumax = 18;
inline constexpr std::size_t kJmLaser = 24;
inline constexpr std::size_t kRiya = 8;
inline constexpr std::size_t kMlDriver = 15;

void lumaxKodieren(const Ausgabepunkt& p, std::uint8_t* ziel);
void jmLaserKodieren(const Ausgabepunkt& p, std::uint8_t* ziel);
void riyaKodieren(const Ausgabepunkt& p, std::uint8_t* ziel);
void mlDriverKodieren(const Ausgabepunkt& p, std::uint8_t* ziel);

// The point a record stands for, in the record's resolution (12-bit coordinates come back as
// multiples of 16; JMLaser colours as value x 256 / 256).
Ausgabepunkt lumaxDekodieren(const std::uint8_t* r);
Ausgabepunkt jmLaserDekodieren(const std::uint8_t* r);
Ausgabepunkt riyaDekodieren(const std::uint8_t* r);
Ausgabepunkt mlDriverDekodieren(const std::uint8_t* r);

// The JMLaser coordinate: (v - 32767) x 65535 as a 32-bit integer.
std::int32_t jmLaserKoordinate(double v);
// The Riya point period in units of 30 ns: Int(1 / (pps x 3e-08) + 0.5).
std::int32_t riyaPeriode(double pps);
// The ML driver's parameter block for the points per second.
void mlParameterblock(std::int32_t pps, std::uint8_t block[7]);

} // namespace sw::format
