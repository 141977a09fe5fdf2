#pragma once
// The picture of one output cycle as vertex arrays, built from the simulation point list:
// display list 1, the beam fans (a triangle from the projector to the two ends of each segment)
// with their edge lines, and display list 2, the segments on the screen plane. Positions are in
// the unprojected cube -1..1; a segment into a blanked point is drawn in neither list.
// The arrays keep their memory from cycle to cycle.

#include "simulation/SimAnzeige.h"

#include <cstddef>
#include <memory>
#include <span>

namespace sw {

struct SimVertex {
    float x, y, z;
    float r, g, b, a;
};

// A growable vertex array that does not clear what it hands out: every cycle rewrites it.
class Vertexfeld {
public:
    void leeren() { anzahl_ = 0; }
    // Room for n more vertices; returns where they go.
    SimVertex* anhaengen(std::size_t n);
    void kuerzen(std::size_t anzahl) { anzahl_ = anzahl; }
    std::size_t size() const { return anzahl_; }
    bool empty() const { return anzahl_ == 0; }
    const SimVertex& operator[](std::size_t i) const { return daten_[i]; }
    std::span<const SimVertex> alle() const { return {daten_.get(), anzahl_}; }

private:
    std::unique_ptr<SimVertex[]> daten_;
    std::size_t anzahl_ = 0, kapazitaet_ = 0;
};

struct SimGeometrie {
    Vertexfeld Strahlen; // list 1: triangles, three vertices per segment
    Vertexfeld Kanten;   // list 1: lines from the projector to the segment start
    Vertexfeld Leinwand; // list 2: lines on the screen plane
};

// Rebuilds both lists from the points 0 .. letzterIndex of `liste` (seven numbers each).
void simGeometrieBauen(const double* liste, long letzterIndex, const SimAnzeige& s,
                       SimGeometrie& g);

} // namespace sw
