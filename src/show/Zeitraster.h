#pragma once
// The grid of the timeline: ascending grid times in milliseconds, made by the beat counter
// or by hand; while it is on, times placed with the mouse snap to it.

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

} // namespace sw
