#pragma once
// The live grid's record: one `LiveKey` per key index with the key's options, and the show's
// two names; the ".live" file that holds it.
//
// ".live" (little-endian, no padding): a 16-bit number of dimensions (1), the dimension's
// bound as two 32-bit integers, first the element count and then the lower bound (0), the key
// records of 19 x 16-bit each, then the two names, each a 16-bit length and that many bytes of
// Windows-1252 text. A file whose counts do not fit its length exactly is refused whole.

#include "live/KeyTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr int kLiveKeyFelder = 19;
inline constexpr int kFeldUnbenutzteAus = 12; // switch unused groups off
inline constexpr int kFeldLoesen = 13;        // release key
inline constexpr int kFeldEffekte = 14;       // fields 14 to 18: the key's five effects

// Fields 0 to 11: output on device group 0 to 11; booleans are -1 / 0.
using LiveKey = std::array<std::int16_t, kLiveKeyFelder>;

LiveKey liveKeyReset();

struct LiveShow {
    std::vector<LiveKey> tasten = std::vector<LiveKey>(kKeyTableGroesse, liveKeyReset());
    std::string name;
    std::string name2;

    bool operator==(const LiveShow&) const = default;
};

// Every key to its reset values, both names cleared.
void liveShowZuruecksetzen(LiveShow& l);

std::string liveShowKodieren(const LiveShow& l);
// Throws Formatfehler when the array header or the counts do not fit the bytes.
LiveShow liveShowDekodieren(std::string_view bytes);

} // namespace sw
