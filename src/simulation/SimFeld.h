#pragma once
// The simulation point list: the simulation takes every output point like a device writer
// does, seven numbers per point back to back (X, Y, red, green, blue in output units and 0..255,
// and the projector offsets of the point's device). The last index names entry 0 of the last
// point; the output cycle sets it to -7, so the first point lands at 0.

#include <vector>

namespace sw {

struct SimEintrag {
    double X = 32767, Y = 32767;
    double R = 0, G = 0, B = 0;
    double ProjektorX = 0, ProjektorY = 0;
};

inline constexpr long kSimLeer = -7;

// Appends one point. When the append would reach or pass the capacity, the capacity becomes
// five times the new last index (at least enough for the point), keeping what is stored.
void SIM_Feld(std::vector<double>& liste, long& letzterIndex, const SimEintrag& p);

// Points in the list (0 after the reset to -7).
inline long simPunktzahl(long letzterIndex) {
    return letzterIndex < 0 ? 0 : letzterIndex / 7 + 1;
}

} // namespace sw
