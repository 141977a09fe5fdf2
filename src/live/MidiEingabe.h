#pragma once
// The MIDI input path: each message of an input event is routed on the live channel through
// the routing entries to rows of device groups, and on the timeline channel played on the
// armed tracks and handed to the playlist's remote control.

#include "live/LiveZustand.h"

#include <optional>
#include <string>
#include <vector>

namespace sw {

// MIDIInput1_Message: one input event, several messages. Errors are logged as
// "Fehler # ... in MIDI Programmierung Routiene MIDIInput1_Message " and never stop playback.
void MIDIInput1_Message(LiveKontext& k, const std::vector<MidiNachricht>& ereignis);

// Once per pass: every event the input received since the last pass.
void midiAbfragen(LiveKontext& k, MidiEingang& eingang);

// The MIDI monitor's line of a channel message.
std::string midiMonitorZeile(int kanal, int typ, int daten1, int daten2);

// The playlist's remote control for a note on the timeline channel: 36 stop, 38 previous, 40
// next, 41 play, 42 + k play entry k; other notes nothing.
std::optional<PlaylistBefehl> playlistBefehl(int note);

// The rows of an input value: row 1 keys, rows 2 to 18 effects, row 19 the page, row 20 the
// three colour rows. `wertSkaliert` turns the raw value into a row's effect value; `seite` is
// the input's page, which row 19 sets to the value divided by `seitenTeiler`. The triggers go
// through PC_Keyboard_Message.
void zeileAusloesen(LiveKontext& k, int zeile, int wert, const std::array<bool, kGruppen>& gruppen,
                    int (*wertSkaliert)(int, int), int& seite, int seitenTeiler);

} // namespace sw
