#pragma once
// The DMX input path: the channels whose value changed since the last frame act on the rows
// and groups the DMX routing gives them, as MIDI values do.

#include "live/LiveZustand.h"

namespace sw {

// Get_DMX: takes the newest frame of the input, when one came, and maps its changed channels.
// Row 1 shows the key DMX2Tasten(value, DMX page) (key code 32 switches off, 0 nothing); row 19
// chooses the DMX page (value / 20, at most 12). Errors are logged as "Fehler # ... in DMX
// Programmierung Routiene Get DMX Modul Global " and never stop playback.
void Get_DMX(LiveKontext& k, DmxEingang& eingang);

// The same for a frame at hand.
void dmxFrameVerarbeiten(LiveKontext& k, const DmxFrame& frame);

} // namespace sw
