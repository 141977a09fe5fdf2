#pragma once
// The keyboard entry of the trigger routine, with the armed tracks, ignore-note-off and the
// recording of live triggers for the timeline.

#include "live/LiveZustand.h"

namespace sw {

// Settings of ignore-note-off.
inline constexpr const char* kIgnoreNoteOfAbschnitt = "IgnoreNoteOfValue";
inline constexpr const char* kIgnoreNoteOfSchluessel = "IgnoreNoteOf";

// PC_Keyboard_Message: with the key-down flag set and recording off the trigger goes straight
// to TriggerKey on `track`. Otherwise it goes to every armed track (every track while the
// assignment mode is on), releases dropped under ignore-note-off; while recording, each is
// first appended to the recorded events at the media position. Errors are logged as
// "Fehler # ... in Modul Global PC_Keyboard_Message".
void PC_Keyboard_Message(LiveKontext& k, int kind, int key, int value, int track, bool keyDown);

} // namespace sw
