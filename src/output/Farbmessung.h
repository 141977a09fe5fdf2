#pragma once
// The automatic colour correction (`AutomatischeKorrektur`): the operator measures each colour
// channel of one device by eye, and the curve's control points are fitted from the marks.
//
// While the measurement runs, the output cycle is in the colour-measuring mode: the measured
// device's list is emptied and filled with the measuring pattern (Messmuster: concentric rings,
// radius 2000 to 5000 in steps of 75, a point every 10 degrees) lit in `Messfarbe`, and the
// hand-over sends those values without zones and curves, so the device shows raw levels. For
// each channel in turn (red, green, blue) the level steps up from 0 in steps of kMessStufe with
// the other channels dark; the operator marks the level at which the rings just become visible,
// optionally the level at which they look half as bright as at full, and the level from which
// they get no brighter. The fit then gives:
//   minimum      = the visible mark - 1 (input 1 is the faintest visible line)
//   maximum      = the full mark
//   mid position = 128, mid value = the half mark, or the straight line between minimum and
//                  maximum without one; a mid value that would make the curve fall somewhere
//                  is moved towards the straight line until the curve rises throughout.
// A channel without both marks, or with the full mark not above the visible one, keeps its
// values.

#include "output/Ausgabe.h"

#include <array>
#include <optional>

namespace sw {

inline constexpr int kMessStufe = 5;

struct Farbmarken {
    std::optional<int> sichtbar, halb, voll;
};

struct Kurvenpunkte {
    int minimum, maximum, midPosition, midWert;
    bool operator==(const Kurvenpunkte&) const = default;
};

std::optional<Kurvenpunkte> kurveAnpassen(const Farbmarken& m);

enum class Marke { Sichtbar, Halb, Voll };

struct Farbmessung {
    bool laeuft = false;
    int geraet = 0;
    int kanal = 0; // 0 red, 1 green, 2 blue
    int pegel = 0;
    std::array<Farbmarken, 3> marken{};
};

// Starts on device `geraet` with red at level 0; the output cycle shows the pattern.
void messungStarten(AusgabeZustand& a, Farbmessung& m, int geraet);
// The level of the measured channel (0 to 255); the other channels stay dark.
void messpegelSetzen(AusgabeZustand& a, Farbmessung& m, int pegel);
// One step of kMessStufe up (or down), held within 0 to 255.
void messpegelSchritt(AusgabeZustand& a, Farbmessung& m, int richtung);
void markieren(Farbmessung& m, Marke marke);
// The next channel at level 0; false after blue (nothing changes then).
bool naechsterKanal(AusgabeZustand& a, Farbmessung& m);
// Ends the measurement and takes the fitted control points of every channel that has them
// into the device's colour settings, then rebuilds its curves. Per channel: taken over or not.
std::array<bool, 3> messungUebernehmen(AusgabeZustand& a, Farbmessung& m, const Paletten& p);
// Ends the measurement and changes nothing.
void messungAbbrechen(AusgabeZustand& a, Farbmessung& m);

} // namespace sw
