#pragma once
// The live grid's keys: key down and key up as triggers per device group, the F-keys choosing
// pages, the effect controls, dragging a figure onto a key and taking DMX ranges and MIDI
// values into the input maps. Key codes are the platform's virtual key codes (letters 65 to
// 90, digits 48 to 57, F1 to F12 112 to 123, space 32, the OEM codes).

#include "live/LiveZustand.h"

#include <string>

namespace sw {

inline constexpr long kRahmenGedrueckt = 200 + 150 * 65536; // RGB(200, 0, 150)

// Whether the grid acts on a key code.
bool tasteAngenommen(int tastencode);

// The live key record of the current page for a key code.
LiveKey& liveKey(LiveFenster& f, int tastencode);

// The page label of the MIDI and DMX windows: "F-Taste = F-3" (page 0: "F-Taste = F-0").
std::string seitenBeschriftung(int seite);

// Form_KeyDown / Form_KeyUp of the live window.
void Form_KeyDown(LiveKontext& k, int tastencode);
void Form_KeyUp(LiveKontext& k, int tastencode);

// StelleEffektEin: the effect control's value, scaled (and mirrored for effects 3, 16, 17,
// 18), to every group the current key is on; effects 2, 5, 9, 10, 11, 12 and 14 only while
// the size is not ignored.
void StelleEffektEin(LiveKontext& k, int effektNr, double wert);

// PicTaste_DragDrop: the figure-list entry onto key `tastencode` of the current page; the key
// table is saved at once.
void PicTaste_DragDrop(LiveKontext& k, int tastencode, long figur);

// cmdUebernehmenMidi_Click: MIDI note `midiWert` on the current page plays the current key.
void cmdUebernehmenMidi_Click(LiveKontext& k, int midiWert);
// cmdUebernehmen_Click: DMX values `start` to `ende` on the current page play the current key.
void cmdUebernehmen_Click(LiveKontext& k, int start, int ende);
// cmdMapAlleTasten2DMX_Click: the keys of the current page that show something, in key-code
// order, share the DMX values 1 to 255 in equal ranges; returns how many keys were mapped.
int cmdMapAlleTasten2DMX_Click(LiveKontext& k);

} // namespace sw
