#pragma once
// The sequence file ".seq": a 32-bit highest event index N, a version byte (3 when we write
// it), then the N + 1 event records 0 to N of 22 bytes each (start, off as doubles; track,
// kind as bytes; key, value as 16-bit integers), little-endian and unpadded.
//
// Older versions are read and converted: version 0 has no version byte and 12-byte records
// (start, track, kind, key, value as bytes); versions 1 and 2 have 14-byte records without
// the off time. Versions 0 and 1 had 16 rows per device group; their tracks are renumbered
// into the groups of 19 (the old last row becomes row 19). Files older than version 3 get
// their off times recomputed.

#include "platform/Umgebung.h"
#include "show/SequenzEvent.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace sw {

struct SequenzInhalt {
    int version = 3;
    EventListe events; // 0 to N
};

// Decodes the bytes of a ".seq" file. The counts are checked against the file's length before
// anything is allocated; a file too short for its count, with a negative count, an unknown
// version or an old track that does not fit the new numbering throws Formatfehler. Off times
// are left as the file has them (zero for old versions): the caller recomputes them.
SequenzInhalt sequenzDekodieren(std::string_view bytes);

// The bytes of a version-3 file of events 0 to N.
std::string sequenzKodieren(const EventListe& events);

// An old track (16 rows per group) in the numbering of 19 rows per group; -1 when the result
// does not fit a byte.
int alteSpurUmrechnen(int spur);

// Loads the file into `events`, which stays as it was when the file cannot be read or does
// not fit its counts (the operator is told which file and why). Nothing happens when the file
// does not exist. The list is sorted and its off times recomputed for the given media length
// (an old file has none; a newer one's were computed with the media of its time). Returns
// whether the list was replaced.
bool LoadSequenz(EventListe& events, Umgebung& env, const std::filesystem::path& datei,
                 double medienlaenge);

// Saves events 0 to N atomically: the previous file survives a failed save. Returns false
// (after telling the operator) on failure.
bool SaveSequenz(const EventListe& events, Umgebung& env, const std::filesystem::path& datei);

} // namespace sw
