#pragma once
// The effects window's rows: what each effect parameter is (its kind gives the routine that
// moves it and the unit it is shown in), the conversion between the tables' own values and the
// readable units the window shows, the tracks a control writes, and the copying of effect rows
// from one track to others.
//
// Readable units (the tables keep their own values, see Effekte.h):
//   size 0            % of the figure's size        value x 100 / 127
//   angles 1, 14-16   degrees                       value
//   stretch 2, 3      % (100 unchanged, -100 mirrored)  value x 100
//   levels 4-6        % brightness                  (value + 1) x 50
//   centres 7-10      % of half the picture         value x 100
//   offsets 11, 12    % of half the picture         value x 200
// Parameter 13 is the frame direction, 17 to 20 are unused: neither is an effect.

#include "output/Effekte.h"

#include <span>
#include <vector>

namespace sw {

enum class EffektArt { Groesse, Winkel, Stauchung, Pegel, Zentrum, Versatz, Keine };

struct EffektZeile {
    EffektArt art;
    int anzeigeMin, anzeigeMax; // the start value's range in readable units
    int autoMin, autoMax;       // the range of AutoWert (speed or target)
};

EffektZeile effektZeile(int parameter);

// Table value <-> readable unit (linear: anzeige = faktor x wert + versatz).
double anzeigeWert(int parameter, double wert);
double tabellenWert(int parameter, double anzeige);

// What AutoWert of (spur, p) means in readable units: the change per second of the continuous
// rule (with the current step factor, its sign the direction), or the target of the gliding rule.
double autoAnzeige(const Effekte& e, int spur, int parameter);

// A control of the window writes one track or, with kAlleSpuren, every track -1 to 12.
inline constexpr int kAlleSpuren = -99;
std::vector<int> effektSpuren(const Effekte& e, int spur);

// The start value: absolute sets the value, otherwise the value moves by (neu - vorher), so a
// running effect keeps its phase on every track. Readable units.
void startwertSetzen(Effekte& e, int spur, int parameter, double neu, double vorher, bool absolut);

// Copies the effect rows `parameter` of track `quelle` (value, step factor, mode, speed or
// target, limits, bounce) onto the tracks `ziele`. The frame direction (step 13) stays with
// each track.
void effekteKopieren(Effekte& e, int quelle, std::span<const int> ziele,
                     std::span<const int> parameter);

} // namespace sw
