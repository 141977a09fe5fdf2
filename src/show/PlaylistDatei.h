#pragma once
// A playlist entry and the ".pll" file.
//
// The file: 10 bytes "Version 03", a 32-bit highest entry index n, then the entries -1 to n
// (n + 2 records; entry -1 is an empty entry never shown). All little-endian, unpadded; a
// string is a 16-bit length and that many bytes of Windows-1252 text. A version-3 entry, field
// by field (the in-memory size counts a string as a 4-byte reference: 220 bytes):
//
//   show path          string     full path of the ".shw" file
//   title              string     the file name after the last separator
//   routing            16 x i16   cards 0 to 3, sides A to D each (-1 / 0): which sides a card
//                                 drives for this show (card-major: card 0 A, B, C, D, card 1 ...)
//   volume             i32        media volume, -10000 (silent) to 0 (full)
//   balance            i32        -10000 (left) to 10000 (right)
//   rate               f64        playback speed, 0.2 to 2.0 (1.0 normal)
//   start delay        i32        ms before the show starts; 0: the sequencer's own delay
//   points per second  16 x i32   scan rate per DAC, from the settings when the entry was added
//   note               string     the operator's remark
//   reserve            23 x i32   written as 0, skipped on reading
//
// Version 1 (216 bytes) is the same record without the start delay (taken as 0). Version 2
// (76 bytes) is a slim record: show path, title, routing, volume, balance, rate, start delay and
// the scan rates of DACs 0 to 3 only; it converts into a full entry whose DACs 4 to 15 take the
// rate of DAC 0 and whose note is empty.
//
// A file is read whole before anything changes: a wrong version text, a count that the file's
// length cannot hold, a string or record running past the end, or bytes left over after the
// last entry reject the file (Formatfehler).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr int kPlaylistKarten = 4;
inline constexpr int kPlaylistSeiten = 4;
inline constexpr int kPlaylistDacs = 16;
inline constexpr int kPlaylistReserve = 23;

struct PlaylistEntry {
    std::string showPfad; // UTF-8 in memory
    std::string titel;
    // [card][side]: SpurAZuordnung ... SpurDZuordnung of the card.
    std::array<std::array<bool, kPlaylistSeiten>, kPlaylistKarten> zuordnung{};
    std::int32_t lautstaerke = 0;
    std::int32_t balance = 0;
    double rate = 1.0;
    std::int32_t startverzoegerung = 0;
    std::array<std::int32_t, kPlaylistDacs> pps{};
    std::string notiz;

    bool operator==(const PlaylistEntry&) const = default;
};

// Element 0 is entry -1; the shown entries 0 to n are elements 1 to n + 1.
struct PlaylistInhalt {
    int version = 3;
    std::vector<PlaylistEntry> eintraege{1};
};

std::string playlistKodieren(const std::vector<PlaylistEntry>& eintraege);
PlaylistInhalt playlistDekodieren(std::string_view bytes);

} // namespace sw
