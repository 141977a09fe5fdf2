#include "core/Farbtabellenwechsel.h"

namespace sw {

namespace {

bool schwarz(const LBArray<RGB>& tabelle, long index) {
    if (!tabelle.enthaelt(index)) return true;
    const RGB& c = tabelle[index];
    return c.R <= 0 && c.G <= 0 && c.B <= 0;
}

} // namespace

long dunkelGewordenePunkte(const Figur& figur, const LBArray<RGB>& alt, const LBArray<RGB>& neu) {
    long anzahl = 0;
    for (const auto& frame : figur.Frames)
        for (std::size_t i = 1; i < frame.Punkte.size(); ++i) // point 0 is not output
            if (const Punkt& p = frame.Punkte[i];
                p.Farbe > 0 && schwarz(neu, p.Farbe) && !schwarz(alt, p.Farbe))
                ++anzahl;
    return anzahl;
}

} // namespace sw
