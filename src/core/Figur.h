#pragma once
// A figure: frames of laser points, plus 401 per-figure settings. A frame always holds at
// least its point 0, a figure at least its frame 0, so that a reader always finds a valid
// point.

#include <array>
#include <cstdint>
#include <vector>

namespace sw {

// Marks in Punkt::Status.
namespace status {
inline constexpr std::uint8_t Ecke = 1;        // corner point
inline constexpr std::uint8_t Farbwechsel = 2; // colour-change point
inline constexpr std::uint8_t Sprung = 4;      // no drawn segment from the previous point
inline constexpr std::uint8_t Text = 8;        // text point
} // namespace status

struct Punkt {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int32_t Farbe = 0; // colour index; -1 blanked
    std::uint8_t Status = 0;

    bool operator==(const Punkt&) const = default;
};

// Most points a frame can hold: point indices are 16-bit.
inline constexpr long kMaxPunkteProFrame = 32768;
// Largest frame upper bound the frame scroll bar can show.
inline constexpr long kMaxFrameObergrenze = 32767;

struct Frame {
    std::vector<Punkt> Punkte = std::vector<Punkt>(1);

    bool operator==(const Frame&) const = default;
};

inline constexpr int kParameterZahl = 401;

// Parameter indices with a fixed meaning.
namespace parameter {
inline constexpr int Framedauer = 400; // frame duration in 1/50 ms; 0 stops the advance
inline constexpr int Echtzeitoptimierung = 398;
inline constexpr int SoftColor = 397;
inline constexpr int Abspielart = 396; // 0 forward, 1 backward, 2 ping-pong
inline constexpr int EinmalAbspielen = 395;
inline constexpr int Editormodus = 394;
inline constexpr int IconFrame = 304;
inline constexpr int Reserviert303 = 303; // 2.0 in every figure created or saved here
inline constexpr int Perspektive = 190;
inline constexpr int KopienQuer = 180;
inline constexpr int KopienGroesse = 182;
inline constexpr int EffektSchalter = 120; // block of 17: switch
inline constexpr int EffektBasis = 140;    // block of 17: base value
inline constexpr int EffektKopie = 60;     // block of 17: copy of the current value
inline constexpr int EffektBlock = 17;
} // namespace parameter

struct Figur {
    std::vector<Frame> Frames = std::vector<Frame>(1);
    std::array<double, kParameterZahl> Parameter{};

    bool operator==(const Figur&) const = default;
};

} // namespace sw
