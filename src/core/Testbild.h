#pragma once
// Test pictures ("*.bin"): figures for adjusting projectors, stored with true RGB colours so
// that they show the same whatever palette is loaded.
//
// Layout, little-endian:
//   0   4  "SWTB"
//   4   2  format version, 1
//   6   2  frame count N, 1 to 32768
//   8   4  frame duration in 1/50 ms (the figure's Parameter(400)); 0 for a still picture
//   12     N frames: point count P (2 bytes, 1 to 32767), then P points of 8 bytes:
//          X, Y (signed 16-bit), red, green, blue (0 to 255), flags (bit 0: blanked)
// The loader turns each colour into its 12-bit table index (blanked points get -1) and marks
// every point as a jump and leaves the figure's real-time optimisation off, so that the path
// optimisation adds no points of its own (neither steps nor the blanking of jumps). The
// file's points become points 1 to P of the frame; point 0 is the frame's dark placeholder,
// which the output leaves out, as in every frame.

#include "core/FigurenSpeicher.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

struct TestbildPunkt {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::uint8_t R = 0, G = 0, B = 0;
    bool dunkel = false;
};

struct Testbild {
    std::uint32_t framedauer = 0;
    std::vector<std::vector<TestbildPunkt>> frames;
};

std::string testbildKodieren(const Testbild& bild);
// Throws Formatfehler for a file that is not a valid test picture.
Figur testbildDekodieren(std::string_view bytes);

// Loads the test picture into Figuren(index); false, with a log line, when it cannot be read.
bool TestbildLaden(FigurenSpeicher& s, Umgebung& env, long index,
                   const std::filesystem::path& datei);

} // namespace sw
