#pragma once
// Effect values as the trigger routine receives them (kind 175, value 0 to 255 on row r of a
// group) and what they set in the group's effect tables.
//
// Row r addresses the effect parameter r - 2:
//   row 2   size (parameter 0)               value 0 to 254, 127 the neutral size
//   row 3   rotation in the plane (1)        speed value - 128 (128 stands still)
//   rows 4, 5     stretch X, Y (2, 3)        value / 127.5 - 1, so 255 is no stretch
//   rows 6, 7, 8  red, green, blue (4 to 6)  value / 127.5 - 1, so 255 is the full level
//   rows 9 to 14  centres and offsets (7 to 12)  (value - 127.5) / 127.5, -1 to 1
//   row 15  (13, the frame direction)        not an effect: ignored
//   rows 16, 17, 18  rotation about X, Y, Z (14 to 16)  speed value - 128
// Rotations are continuous (speeds); every other value is set directly.
//
// The three scalings from a MIDI value m (0 to 127) or a DMX value d (0 to 255) to that
// 0 to 255 value, chosen so that each row's whole range is reachable from a fader:
//   direct   (rows 2, 5, 9, 10, 11, 12, 14): 2 m, so the centre note 64 gives 128; d
//   mirrored (rows 3, 16, 17, 18): the direct value x mirrored as the live window's sliders
//            are: 128 - x below 127, else 383 - x; both ends of the fader stand still and the
//            direction changes in the middle
//   third    (rows 4, 6, 7, 8, 13, 15): Int(m x 255 / 127 + 0.5), so the top note gives the
//            full 255 (levels and stretch reach 1); d

#include "output/Effekte.h"

namespace sw {

enum class Skalierung { Direkt, Gespiegelt, Dritte, Keine };

// The scaling of a row 1 to 20 (rows 1, 19 and 20 have none of their own).
Skalierung skalierungVon(int zeile);

// 128 - x below 127, else 383 - x.
int spiegeln(double wert);

int midiSkaliert(int zeile, int midiWert);
int dmxSkaliert(int zeile, int dmxWert);

// Sets what value `wert` of row `zeile` means in the effect tables of track `spur`.
void effektAnwenden(Effekte& e, int spur, int zeile, int wert);

// The live window's effect controls run over the values 0 to 255 of every row; the scale
// by which StelleEffektEin divides them is 1 for every effect.
double effektSkala(int effektNr);

} // namespace sw
