#pragma once
// Building figures from strokes: dense lines, arcs and blanked moves, for the generated test
// pictures and demo figures.

#include "core/Figur.h"
#include "core/Testbild.h"

#include <vector>

namespace sw::gen {

struct Farbe {
    std::uint8_t R, G, B;
};

// A path of points with the marks the editor's tools write: 4 on the first point of a stroke
// (no segment from the previous point), 3 on corners, 0 elsewhere.
class Pfad {
public:
    // Starts a new stroke at (x, y): the way there is not drawn.
    void sprung(int x, int y, Farbe f);
    // Draws a straight line to (x, y) with points at most `schritt` apart; the end is a corner.
    void linie(int x, int y, Farbe f, int schritt = 2000);
    // Repeats the last point `n` times (dwell), keeping the beam still for a moment.
    void verweilen(int n);

    const std::vector<Punkt>& punkte() const { return punkte_; }
    std::vector<TestbildPunkt> alsTestbild(bool sprungDunkel = true) const;

private:
    std::vector<Punkt> punkte_;
    std::vector<Farbe> farben_;
};

// The colour index of the 12-bit table.
std::int32_t index(Farbe f);

// A figure as "new figure" makes it, with the copy-grid defaults and the given frames.
Figur neueFigur(std::vector<Frame> frames, double framedauer = 0);

} // namespace sw::gen
