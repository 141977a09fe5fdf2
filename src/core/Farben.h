#pragma once
// Colour indices of the standard 12-bit table: index = r x 256 + g x 16 + b, each component
// cut to 4 bits.

#include <cstdint>

namespace sw {

inline constexpr std::int32_t FarbIndexAusRGB(int R, int G, int B) {
    return (R / 17) * 256 + (G / 17) * 16 + (B / 17);
}

} // namespace sw
