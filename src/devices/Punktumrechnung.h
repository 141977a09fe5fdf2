#pragma once
// The conversions of a pipeline point's values that the open device kinds share: coordinates
// (0 to 65535, centre 32767) and colours (0 to 255) rounded and clamped, never wrapped.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sw::umrechnung {

// A colour as one byte.
inline std::uint8_t farbe8(double c) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(c), 0L, 255L));
}

// A coordinate as a signed 16-bit value around the centre.
inline std::int16_t koordinateMitVorzeichen(double v) {
    return static_cast<std::int16_t>(std::clamp(std::lround(v) - 32767L, -32768L, 32767L));
}

// A coordinate as an unsigned value of `bits` bits (0 at the low edge).
inline std::uint16_t koordinateOhneVorzeichen(double v, int bits) {
    return static_cast<std::uint16_t>(std::clamp(std::lround(v), 0L, 65535L) >> (16 - bits));
}

} // namespace sw::umrechnung
