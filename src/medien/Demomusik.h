#pragma once
// The demo show's music, synthesised: 24 seconds at 120 beats a minute (12 bars of 4/4, a beat
// every 500 ms) in A minor over the chords Am, F, C, G: a kick drum on every beat, a hi-hat
// between the beats, a bass on the eighths and an arpeggio on the sixteenths. Deterministic,
// 16-bit stereo at 44.1 kHz.

#include <cstdint>
#include <vector>

namespace sw {

inline constexpr int kDemoAbtastrate = 44100;
inline constexpr int kDemoTakte = 12;
inline constexpr double kDemoSchlagSekunden = 0.5;

// The interleaved stereo samples.
std::vector<std::int16_t> demomusikWerte();
// The WAV file's bytes.
std::vector<std::uint8_t> demomusikWav();

} // namespace sw
