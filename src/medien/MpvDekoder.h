#pragma once
// The sound of any media file libmpv plays, decoded into a WAV file: a second player handle
// with the PCM file output, no video, untimed (as fast as it decodes). For the waveform picture
// of media that are not WAV files.

#include <filesystem>

namespace sw {

// 16-bit stereo at 44.1 kHz; false when the file has no sound or cannot be decoded.
bool mpvTonDekodieren(const std::filesystem::path& medien, const std::filesystem::path& wav);

} // namespace sw
