#pragma once
// Text figures: the glyph paths of a text laid side by side (advance widths and kerning of the
// font), scaled to the drawing area and turned into laser points: a blanked move before each
// contour, straight lines and curve chords filled with points no farther apart than a spacing
// that grows until the frame keeps within its point budget. A scrolling text is a figure of
// many frames in which the line moves from the right edge out over the left one.

#include "core/Farben.h"
#include "core/Figur.h"
#include "generators/Schriftart.h"
#include "platform/Sprachtexte.h"

#include <string>

namespace sw::gen {

// The drawing area: both coordinates from -kTextRand to kTextRand.
inline constexpr int kTextRand = 32000;

struct TextOptionen {
    std::string text;                       // UTF-8; line breaks count as spaces
    std::string schrift = kStandardSchrift; // fontconfig family (as fc-match takes it) or file
    double groesse = 25;                    // em height in percent of the area's height
    std::int32_t farbe = FarbIndexAusRGB(255, 255, 255);
    bool laufschrift = false;
    int qualitaet = 0;        // SchriftartQualitaet: curve steps; below 1 by segment length
    int punktbudget = 1500;   // points per frame the spacing is widened to keep within
    double laufschritt = 1.5; // scrolling: the way per frame in percent of the area's width
    double framedauer = 2000; // scrolling: Parameter(400), 1/50 ms per frame (25 per second)
};

struct TextErgebnis {
    enum class Fehler { Keiner, SchriftFehlt, SchriftUnlesbar, NichtsZuZeichnen };
    Fehler fehler = Fehler::Keiner;
    Figur figur;
    std::string schriftdatei;
    std::u32string fehlendeZeichen; // characters the font has no glyph for, once each
    double abstand = 0;             // the largest distance between lit points, laser units
    std::size_t groessterFrame = 0; // points of the fullest frame, without the placeholder

    bool ok() const { return fehler == Fehler::Keiner; }
};

// Builds the figure (one thread at a time, as the fonts it opens). A missing or unreadable font and
// a text without a drawable character are reported in `fehler`; characters without a glyph are left
// out and listed.
TextErgebnis textfigurErzeugen(const TextOptionen& o, Umgebung& env);

// The operator's sentence for a failed result, or for the characters left out; empty when
// there is nothing to say.
std::string textMeldung(const TextErgebnis& e, const TextOptionen& o, const Sprachtexte& t);

// UTF-8 to code points; a broken sequence gives U+FFFD.
std::u32string utf8Dekodieren(const std::string& s);
std::string utf8Kodieren(const std::u32string& s);

} // namespace sw::gen
