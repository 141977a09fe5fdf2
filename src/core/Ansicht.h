#pragma once
// The view of the figure canvas: which figure point lies in the middle of the widget and how far
// it is zoomed, the mapping between figure and screen coordinates, zooming about a point, and
// fitting a figure into view. Plain maths, so that the canvas behaviour is testable without Qt.

#include "core/Farbpalette.h"
#include "core/Figur.h"

#include <utility>

namespace sw {

inline constexpr double kZoomMin = 0.25;
inline constexpr double kZoomMax = 64;

// The smallest rectangle around a set of figure points; leer until a point is added.
struct Grenzen {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool leer = true;
    void dazu(double x, double y);
};

// The points of all frames of a figure (point 0 of each frame is a placeholder and left out).
Grenzen figurGrenzen(const Figur& f);

struct Ansicht {
    double zoom = 1;               // 1 (100 %): the projection area fills the shorter side
    double mitteX = 0, mitteY = 0; // the figure point in the middle of the widget
    double breite = 1, hoehe = 1;  // the widget in pixels

    // Pixels per figure unit.
    double massstab() const;
    // Figure y grows upwards, screen y downwards.
    std::pair<double, double> nachBildschirm(double x, double y) const;
    std::pair<double, double> nachFigur(double bx, double by) const;
    // Zooms by the factor (clamped to kZoomMin..kZoomMax) keeping the figure point under the
    // screen point where it is.
    void zoomUm(double bx, double by, double faktor);
    // Moves the picture by screen pixels.
    void verschieben(double dx, double dy);
    // The whole rectangle in view with a margin, as large as the widget allows; an empty or
    // single-point one shows 100 %.
    void einpassen(const Grenzen& g);
    void hundertProzent();
};

// The point of the frame nearest to the screen point within the radius in pixels; -1 when none.
long punktUnter(const std::vector<Punkt>& punkte, const Ansicht& a, double bx, double by,
                double radius);

// Whether the laser moves dark into the point: a blanked or black colour, or a jump in a figure
// whose real-time optimisation is on (the output blanks the way into it there).
bool wegDunkel(const Punkt& p, const RGB& farbe, bool echtzeitoptimiert);

} // namespace sw
