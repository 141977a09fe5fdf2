#pragma once
// The waveform picture of a show's music for the timeline's time bar.
//
// Scale: one pixel column for every 10 ms of sound (100 columns a second, the time bar's
// finest zoom; at most 65,000 columns, about 11 minutes, longer pieces are compressed to fit)
// and 128 rows. Each column draws, in green on black, the line from the lowest to the highest
// value of that column's samples, the channels mixed; a grey line marks the middle. The picture
// is a 24-bit bottom-up BMP.

#include "medien/WavKopf.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sw {

struct Umgebung;

inline constexpr int kWellenbildSpaltenProSekunde = 100;
inline constexpr int kWellenbildHoehe = 128;
inline constexpr int kWellenbildMaxBreite = 65000;
inline constexpr const char* kWellenbildFehler = " error by Reading Waveform: ";

// The picture's columns for a file of `abtastwerte` samples at `abtastrate`.
int wellenbildBreite(long abtastwerte, long abtastrate);

// The BMP file's bytes for the samples of a WAV file whose header was read into `kopf`.
std::vector<std::uint8_t> wellenbildBmp(const std::vector<std::uint8_t>& wav, const WavKopf& kopf);

// The colour (blue, green, red) of the pixel at column x, row y (0 at the top) of a 24-bit BMP.
struct BmpPixel {
    std::uint8_t b = 0, g = 0, r = 0;
    bool operator==(const BmpPixel&) const = default;
};
BmpPixel bmpPixel(const std::vector<std::uint8_t>& bmp, int x, int y);
int bmpBreite(const std::vector<std::uint8_t>& bmp);
int bmpHoehe(const std::vector<std::uint8_t>& bmp);

// Decodes any media file's sound into a WAV file; false when it cannot.
using Tondekoder =
    std::function<bool(const std::filesystem::path& medien, const std::filesystem::path& wav)>;

// `CreateWaveImage`: the picture file is the media file's name in the show folder with its last
// four characters replaced by ".bmp"; an old picture is deleted first. A WAV file is read
// directly, any other through `dekoder` into a scratch WAV in `arbeitsOrdner`. When the header
// cannot be read the message "Fehler # " + " error by Reading Waveform: " (with the reason) is
// shown and no picture is written. Returns the picture's path, empty on failure.
std::filesystem::path CreateWaveImage(Umgebung& env, const std::filesystem::path& showOrdner,
                                      const std::string& medienDatei,
                                      const Tondekoder& dekoder = {},
                                      const std::filesystem::path& arbeitsOrdner = {});

} // namespace sw
