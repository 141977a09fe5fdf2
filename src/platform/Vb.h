#pragma once
// The numeric conversions the program's arithmetic is defined with: rounding half to even
// (CInt, CLng), integer division that rounds both operands first (\), Int (floor) and Fix
// (truncation). Overflow and division by zero raise the runtime's errors 6 and 11.

#include <cmath>
#include <cstdint>

namespace sw::vb {

// Rounds half to even, the rounding of every fractional-to-integer conversion. The program
// never changes the floating-point rounding mode, so the default mode is this rounding.
inline double runden(double wert) {
    return std::nearbyint(wert);
}

// CInt: 16-bit, rounding half to even; error 6 when out of range.
std::int16_t CInt(double wert);
// CLng: 32-bit, rounding half to even; error 6 when out of range.
std::int32_t CLng(double wert);
// CByte: 0 to 255, rounding half to even; error 6 when out of range.
std::uint8_t CByte(double wert);

// a \ b: both operands rounded to 32-bit integers first, quotient truncated toward zero.
std::int32_t ganzzahlDivision(double a, double b);

// Int: the largest whole number not above the value.
double Int(double wert);
// Fix: the whole-number part, truncated toward zero.
double Fix(double wert);

} // namespace sw::vb
