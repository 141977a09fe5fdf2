#pragma once
// A short video made on the spot with libmpv's encoder from libavfilter's test sources (a moving
// colour pattern with a counter, and a 440 Hz tone): for the tests and the README's pictures, so
// that no recording is kept in the repository.

#include <filesystem>
#include <string>

namespace sw {

// Writes `sekunden` seconds of `breite` x `hoehe` pixels at 25 frames per second into `datei`
// (the container follows the ending, ".avi" for instance). False, with the reason, when this
// libmpv cannot encode or the file did not come out.
bool testvideoSchreiben(const std::filesystem::path& datei, double sekunden, int breite, int hoehe,
                        std::string* grund = nullptr);

} // namespace sw
