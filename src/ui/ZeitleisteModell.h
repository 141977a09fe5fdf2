#pragma once
// The arithmetic of the timeline view, free of Qt so that it can be measured and tested alone:
// the shown time range and its pixel mapping, the ruler's steps and labels, an index of the
// events by track that finds what a time range shows without walking the whole list, and the
// waveform picture reduced to one extent per column.

#include "show/SequenzEvent.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sw::ui {

// The shown time range: `anfang` ms at pixel 0 of the rows, `msProPixel` per pixel.
struct Sicht {
    double anfang = 0;
    double msProPixel = 50;

    double x(double ms) const { return (ms - anfang) / msProPixel; }
    double zeit(double x) const { return anfang + x * msProPixel; }
    // Scales by `faktor` (above 1 shows less, zooming in) so that `umZeit` stays where it is.
    void zoomen(double faktor, double umZeit);
};

// The ruler: labelled marks every `haupt` ms, unlabelled ones every `neben` ms.
struct Linealschritt {
    double haupt = 1000;
    double neben = 200;
};
// The smallest step from 10 ms to an hour whose labels stand at least `mindestPixel` apart.
Linealschritt linealSchritt(double msProPixel, double mindestPixel);
// A time as the ruler labels it at that step: "h:mm:ss" from an hour on, else "m:ss", with
// tenths or hundredths when the step is finer than a second (a tenth).
std::string zeitText(double ms, double schritt);

// The events by track: for each track the indices of its events, ascending by start (the list
// is sorted). An event of a track ends before the next event of that track starts, so of all
// events that started before a time at most the latest one of each track still lasts.
class Eventindex {
public:
    // Builds the index again when the list changed since the last time (size, place in memory,
    // or the fingerprint of its starts and tracks); returns whether it did.
    bool aktualisieren(const EventListe& e);
    // Forgets the index: the next `aktualisieren` builds it.
    void verwerfen() {
        fingerabdruck_ = 0;
        groesse_ = 0;
    }

    // Calls `f(index)` for the events of `track` that can be seen between `von` and `bis`:
    // the latest one starting before `von` when it lasts past `von`, then every event starting
    // between the two, ascending.
    template <typename F>
    void sichtbare(const EventListe& e, int track, double von, double bis, F&& f) const {
        if (track < 0 || track >= kSpuren) return;
        const auto& s = spuren_[static_cast<std::size_t>(track)];
        std::size_t i = ersterAb(e, s, von);
        if (i > 0) {
            const long vor = s[i - 1];
            if (e[static_cast<std::size_t>(vor)].off > von) f(vor);
        }
        for (; i < s.size(); ++i) {
            const long k = s[i];
            if (e[static_cast<std::size_t>(k)].start > bis) break;
            f(k);
        }
    }
    // How many events a track holds.
    std::size_t anzahl(int track) const {
        return track >= 0 && track < kSpuren ? spuren_[static_cast<std::size_t>(track)].size() : 0;
    }

private:
    static constexpr int kSpuren = 256;
    static std::size_t ersterAb(const EventListe& e, const std::vector<long>& s, double von);
    static std::uint64_t fingerabdruck(const EventListe& e);

    std::array<std::vector<long>, kSpuren> spuren_;
    std::size_t groesse_ = 0;
    const SeqEvent* daten_ = nullptr;
    std::uint64_t fingerabdruck_ = 0;
};

// The waveform picture of the media (a 24-bit BMP: the wave in green on black, a grey middle
// line) as the rows its wave covers in each column, 0 at the top; an empty column has
// `oben` > `unten`.
struct Wellenhuelle {
    struct Spalte {
        std::uint8_t oben = 1, unten = 0;
    };
    std::vector<Spalte> spalten;
    int hoehe = 0;
    double msProSpalte = 10;

    bool leer() const { return spalten.empty(); }
    // The extent of the columns from `vonMs` to `bisMs` (at least the one at `vonMs`); false
    // where the picture has no wave.
    bool bereich(double vonMs, double bisMs, int& oben, int& unten) const;
};
// Reads the picture; `medienlaengeMs` is the media's length, which a picture compressed to its
// greatest width spans. Empty when the bytes are not such a picture.
Wellenhuelle wellenhuelleLesen(const std::vector<std::uint8_t>& bmp, double medienlaengeMs);

} // namespace sw::ui
