#pragma once
// Showparts: reusable pieces of timeline with their own events, saved as ".prt" files in the
// show folder, where they appear in the figure list beside the figures.
//
// The ".prt" file: a 32-bit highest event index N, a version byte 0, then the showpart record
// field by field: its event array (a 16-bit dimension count 1, a 32-bit element count N + 1
// and a 32-bit lower bound 0, then the N + 1 event records of 22 bytes as in ".seq"), the
// name (16-bit length and that many bytes of Windows-1252 text) and the length in
// milliseconds (double). All little-endian, unpadded.

#include "platform/Umgebung.h"
#include "show/SequenzEvent.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

struct Showpart {
    EventListe events{1}; // 0 to N, element 0 unused
    std::string name;     // UTF-8 in memory
    double laenge = 0;    // milliseconds

    bool operator==(const Showpart&) const = default;
};

// A playback slot: which showpart it plays (below 0: idle), from which time on, and the last
// of its events already sent.
struct ShowpartSlot {
    std::int16_t showpart = -1;
    double startzeit = 0;
    long gesendet = 0;
};
inline constexpr int kShowpartSlots = 12;

// Throws Formatfehler when the counts or the array header do not fit the file; the counts
// are checked against the file's length before anything is allocated.
Showpart showpartDekodieren(std::string_view bytes);
std::string showpartKodieren(const Showpart& part);

// Reads the file into showpart `index`, growing the list when needed. The list stays as it
// was when the file cannot be read or does not fit (the operator is told which file and
// why). Returns whether the showpart was replaced.
bool LoadShowpart(std::vector<Showpart>& showparts, long index, Umgebung& env,
                  const std::filesystem::path& datei);
// Saves showpart `index` atomically; false (after telling the operator) on failure.
bool SaveShowpart(const std::vector<Showpart>& showparts, long index, Umgebung& env,
                  const std::filesystem::path& datei);

} // namespace sw
