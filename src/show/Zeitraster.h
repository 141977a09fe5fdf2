#pragma once
// The grid of the timeline: ascending grid times in milliseconds, made by the beat counter
// or by hand; while it is on, times placed with the mouse snap to it.

#include <optional>
#include <string>
#include <vector>

namespace sw {

struct Zeitraster {
    std::vector<double> marken; // R(1) … R(M), ascending, kept 0-based here
    bool an = false;            // mnuRasterAnAus
};

// Snaps x to the grid. Before the first mark, x snaps to it unless it lies further away than
// half the first spacing; after the last mark likewise with the last spacing. Inside, x
// snaps to the mark below the first integer midpoint above x. An empty grid leaves x; a grid
// of one mark snaps everything to it.
double TimeRaster(const Zeitraster& raster, double x);

inline constexpr double kMindestRasterabstand = 10; // ms; a finer grid is refused

// The spacing in ms an answer to the grid question means: a number of milliseconds ("500",
// "62,5", "500 ms"), or beats per minute when "bpm" follows the number ("120 bpm" gives 500 ms;
// case and blanks do not count). nullopt for anything else, and for a spacing below 10 ms.
std::optional<double> rasterAbstandLesen(const std::string& text);
// A regular grid over a show of `laenge` ms: marks every `abstand` ms from 0 up to the first
// mark at or past the end (at least two marks), switched on. The marks are computed as
// multiples, so that a long show's last mark carries no summed rounding error.
void rasterErstellen(Zeitraster& raster, double abstand, double laenge);

} // namespace sw
