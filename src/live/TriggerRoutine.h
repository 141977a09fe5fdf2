#pragma once
// The trigger routine: every way of playing figures and effects ends here, with a track
// (19 x group + row), a kind (143 key pressed, 127 released, 175 effect value, 223 effect
// value of the second path), a key and a value.

#include "live/LiveZustand.h"

namespace sw {

inline constexpr int kArtGedrueckt = 143;
inline constexpr int kArtLosgelassen = 127;
inline constexpr int kArtEffekt = 175;
inline constexpr int kArtEffekt2 = 223;
inline constexpr int kZeileDmxMakro = 19;

// TriggerKey. Row 1 with kind 143 shows the key's entry on the group (a figure on its figure
// layer, a showpart in its showpart slot, -1 clears both); row 1 with kind 127 clears both;
// kind 175 (and 223) with key 1 sets effect = row while the group shows a figure. While the
// assignment mode is on, a press on row 1 assigns the selected figure to the key instead
// (asking before it replaces an entry); while the DMX macro assignment mode is on, a press on
// row 19 assigns the selected DMX macro. Kinds 143 and 127 on rows 2 to 19 do nothing else.
void TriggerKey(LiveKontext& k, int track, int kind, int key, int value);

// The start time of what a trigger shows: the show time while the sequencer plays, else the
// program clock since playback started (the time base of the output routine).
double triggerStartzeit(AusgabeZustand& a);

// The list entry the main figure list has selected (the editor track's showpart or figure).
long ausgewaehlterEintrag(const FigurenSpeicher& s);

} // namespace sw
