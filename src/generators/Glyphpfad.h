#pragma once
// A character's outline as a laser path: the glyph path table, the walk over the font engine's
// native outline buffer that fills it, and the curve flattening under the walk. Plain C++ over
// a buffer of words, so that any bytes can be walked without a font.

#include "platform/Umgebung.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace sw::gen {

// How a point of the glyph path is reached.
namespace glyphcode {
inline constexpr int Start = 3;   // first point of a contour: the laser moves there blanked
inline constexpr int Gerade = 1;  // end point of a straight segment
inline constexpr int Kurve = 0;   // point on a flattened quadratic curve
inline constexpr int Schluss = 4; // closing point: a repeat of the contour's first point
} // namespace glyphcode

struct GlyphPunkt {
    double X = 0;
    double Y = 0;
    int Code = 0;
    bool operator==(const GlyphPunkt&) const = default;
};

// Column 0 is an empty placeholder; real points start at column 1. X grows to the right from
// the offset 100, Y downwards from the baseline at 300.
struct GlyphPath {
    std::vector<GlyphPunkt> Spalten = std::vector<GlyphPunkt>(1);

    void leeren() { Spalten.assign(1, GlyphPunkt{}); }
    void anhaengen(double x, double y, int code) { Spalten.push_back({x, y, code}); }
    std::size_t punktzahl() const { return Spalten.size() - 1; }
};

// The record types of the native outline buffer.
inline constexpr std::int32_t kPolygonTyp = 24; // TrueType polygon header
inline constexpr int kLinienRecord = 1;         // polyline
inline constexpr int kQSplineRecord = 2;        // quadratic B-spline
inline constexpr int kCSplineRecord = 3;        // cubic curve: never produced, skipped

inline constexpr double kGlyphXVersatz = 100;
inline constexpr double kGlyphGrundlinie = 300;

// Step counts above this are taken as this: the flattening table is sized by the step count.
inline constexpr int kMaxSchritte = 1000;
// A step count below 1 chooses the count per segment from its length: about one point every
// kAutoAbstand glyph units along the control polygon, at least 1 and at most kMaxAutoSchritte.
inline constexpr double kAutoAbstand = 8;
inline constexpr int kMaxAutoSchritte = 64;

struct PunktPaar {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Flattens the quadratic curve P0, P1, P2 into N + 1 points for t = j / N (j = 0..N), each
// coordinate rounded half to even. N must be at least 1.
void QuadBezierPunkte(int N, double x0, double x1, double x2, double y0, double y1, double y2,
                      std::vector<PunktPaar>& aus);

// The step count the walk uses for the segment A, B, C under the quality setting.
int schrittzahl(int qualitaet, double ax, double ay, double bx, double by, double cx, double cy,
                double autoAbstand = kAutoAbstand);

// Walks the outline buffer (words, index 0 up; its highest index is the last one) and appends
// to the glyph path. A contour whose header type is not 24 ends the walk with the documented
// message; a record that reaches past the buffer ends it with error 9, logged. Either way the
// points appended so far stay. Returns false when the walk ended early.
bool PolygonZeichnen(std::span<const std::int32_t> puffer, GlyphPath& pfad, int qualitaet,
                     Umgebung& env, double xVersatz = kGlyphXVersatz,
                     double yBezug = kGlyphGrundlinie, double autoAbstand = kAutoAbstand);

// The font engine's outline call: with no buffer (nullptr, 0) it returns the outline's size in
// bytes; with a buffer of that size it fills it and returns the byte count; below 1 on failure.
using GlyphOutlineFunktion = std::function<long(std::uint8_t* puffer, long groesse)>;

// Asks for the size, sizes the buffer to size / 4 words and asks again to fill it. Returns the
// byte count, or the first answer when that is below 1 (the buffer untouched). A failing
// second call shows "Fehler # GetGlyphOutline: Error!" and returns its answer.
long GlyphOutlineHolen(std::vector<std::int32_t>& puffer, const GlyphOutlineFunktion& abfrage,
                       Umgebung& env);

} // namespace sw::gen
