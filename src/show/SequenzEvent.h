#pragma once
// One event of the timeline: a recorded trigger (track, kind, key, value) at a start time,
// with the time its effect ends. The same record serves showparts and recorded triggers.
//
// An event list is a vector whose element 0 is never an event: events are indices 1 to N,
// kept sorted by start time, because playback finds the due events by their position.

#include <cstdint>
#include <vector>

namespace sw {

struct SeqEvent {
    double start = 0; // milliseconds from the beginning of the media
    double off = 0;   // when the effect ends; derived (Sequenz_EventOffTime_Ermitteln)
    std::uint8_t track = 0;
    std::uint8_t kind = 0;
    std::int16_t key = 0;
    std::int16_t value = 0;

    bool operator==(const SeqEvent&) const = default;
};

using EventListe = std::vector<SeqEvent>; // index 0 unused

namespace sequenz {
// Tracks come in device groups of 19 rows: track = 19 × group + row, row 1 to 19.
inline constexpr int kZeilenJeGruppe = 19;
inline constexpr int kGruppen = 12;
inline constexpr std::uint8_t kTasteGedrueckt = 143;   // figure on
inline constexpr std::uint8_t kTasteLosgelassen = 127; // figure off
inline constexpr std::uint8_t kEffektwert = 175;

inline int track(int gruppe, int zeile) {
    return kZeilenJeGruppe * gruppe + zeile;
}

// The highest event index N of a list (0 when it holds element 0 only).
inline long anzahl(const EventListe& e) {
    return e.empty() ? 0 : static_cast<long>(e.size()) - 1;
}
} // namespace sequenz

} // namespace sw
