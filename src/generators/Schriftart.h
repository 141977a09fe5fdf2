#pragma once
// A TrueType or OpenType font through FreeType: finding it by family name (fontconfig) or file,
// a character's outline in the TrueType native outline layout (polygon headers of type 24,
// polyline and quadratic-spline records, 16.16 coordinates, little-endian words), and
// `TTF_Umriss`, which turns a character into a glyph path.

#include "generators/Glyphpfad.h"

#include <memory>
#include <optional>
#include <string>

namespace sw::gen {

inline constexpr const char* kStandardSchrift = "DejaVu Sans";
// The outline is fetched at this em size (in outline units): 300, as the walk's baseline.
inline constexpr int kUmrissGroesse = 300;

// The font file for a family name as `fc-match` finds it, or nullopt when fontconfig has no
// font of that family (fontconfig's fallback to another family does not count). A name that
// is an existing file is returned as it is.
std::optional<std::string> schriftdateiFinden(const std::string& nameOderDatei);

// A cubic curve (in outline units) cut into quadratic pieces, each within kKubischToleranz of
// its part of the cubic: per piece its control point and end point.
inline constexpr double kKubischToleranz = 0.1;
struct Quadratstueck {
    double kx, ky, ex, ey;
};
std::vector<Quadratstueck> kubischZerlegen(double x0, double y0, double x1, double y1, double x2,
                                           double y2, double x3, double y3);

// One thread at a time: FreeType's library object is shared by all fonts.
class Schriftart {
public:
    // Opens the font file (face 0); ok() tells whether FreeType could read it.
    explicit Schriftart(const std::string& datei);
    ~Schriftart();
    Schriftart(const Schriftart&) = delete;
    Schriftart& operator=(const Schriftart&) = delete;

    bool ok() const;
    std::string familie() const;
    // FreeType's name of the outline format: "TrueType" (quadratic) or "CFF" (cubic) ...
    std::string format() const;
    bool hatGlyphe(char32_t zeichen) const;

    // The character's outline in the native layout at em size 300: the byte count, or -1 when
    // the font has no glyph for it. With `ziel`, writes at most `groesse` bytes there.
    long umriss(char32_t zeichen, std::uint8_t* ziel, long groesse) const;
    // Horizontal advance and the kerning between two characters, in outline units (em = 300).
    double vorschub(char32_t zeichen) const;
    double unterschneidung(char32_t links, char32_t rechts) const;
    // Ascender and descender (negative below the baseline), in outline units.
    double oberlaenge() const;
    double unterlaenge() const;

private:
    struct Intern;
    std::unique_ptr<Intern> d_;
};

// The native outline of a character as words (empty when there is none).
std::vector<std::int32_t> nativerUmriss(const Schriftart& s, char32_t zeichen);

// The glyph path of one character: resets the path to its placeholder, fetches the outline and
// walks it with the step count `qualitaet` (see PolygonZeichnen). A character without an
// outline leaves the path empty without a message.
GlyphPath TTF_Umriss(const Schriftart& s, char32_t zeichen, int qualitaet, Umgebung& env,
                     double autoAbstand = kAutoAbstand);

} // namespace sw::gen
