#pragma once
// The drawing tools of the figure editor, on the current frame of the current figure. Each
// change records an undo snapshot first (the store's undo hook). Strokes begin with a jump
// (status 4: the way there is not drawn); corners carry status 3 (corner and colour change),
// points along curves status 0. Point 0 of a frame is its placeholder and is never drawn on,
// moved or erased.

#include "core/FigurenSpeicher.h"

#include <vector>

namespace sw {

enum class Werkzeug {
    Hand,
    Punkt,
    Linie,
    Polylinie,
    Polygon,
    Rechteck,
    Ellipse,
    Freihand,
    Radierer,
    Pipette,
    Auswahl,
    Zoom
};

struct Zeichnung {
    Werkzeug werkzeug = Werkzeug::Hand;
    std::int32_t farbe = 4095;
    int raster = 50;            // grid spacing (txtRaster)
    bool rasterAn = false;      // grid snapping
    std::vector<long> markiert; // marked point indices of the current frame
    bool zugOffen = false;      // a polyline or polygon is being drawn
    long zugStart = 0;          // index of its first point
};

// Snaps to the grid when snapping is on; keeps coordinates in the 16-bit range.
std::int16_t rasten(const Zeichnung& z, double wert);

void punktZeichnen(FigurenSpeicher& s, const Zeichnung& z, double x, double y);
void linieZeichnen(FigurenSpeicher& s, const Zeichnung& z, double x0, double y0, double x1,
                   double y1);
void rechteckZeichnen(FigurenSpeicher& s, const Zeichnung& z, double x0, double y0, double x1,
                      double y1);
void ellipseZeichnen(FigurenSpeicher& s, const Zeichnung& z, double x0, double y0, double x1,
                     double y1);
// Freehand: the points of the mouse path, at least `abstand` apart.
void freihandZeichnen(FigurenSpeicher& s, const Zeichnung& z,
                      const std::vector<std::pair<double, double>>& weg, double abstand = 300);
// Polyline and polygon: each click adds a corner; finishing a polygon closes it.
void zugPunkt(FigurenSpeicher& s, Zeichnung& z, double x, double y);
void zugBeenden(FigurenSpeicher& s, Zeichnung& z);

// Erases the points within the radius; returns how many.
int radieren(FigurenSpeicher& s, const Zeichnung& z, double x, double y, double radius);
// The nearest point's colour becomes the drawing colour; false when the frame has no point.
bool pipette(FigurenSpeicher& s, Zeichnung& z, double x, double y);
// Marks the points inside the rectangle.
void markieren(FigurenSpeicher& s, Zeichnung& z, double x0, double y0, double x1, double y1);
void markierteVerschieben(FigurenSpeicher& s, const Zeichnung& z, double dx, double dy);
// Turns the marked points about their centre (degrees) and scales them about it.
void markierteDrehen(FigurenSpeicher& s, const Zeichnung& z, double grad);
void markierteSkalieren(FigurenSpeicher& s, const Zeichnung& z, double faktor);
void markierteLoeschen(FigurenSpeicher& s, Zeichnung& z);

} // namespace sw
