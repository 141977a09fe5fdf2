#pragma once
// The live engine's MIDI remote control of the playlist: the notes on the timeline channel
// that the MIDI input turns into playlist commands reach the playlist here.

#include "live/LiveZustand.h"
#include "show/Playlist.h"

namespace sw {

// Carries out one remote command on the playlist.
void playlistBefehlAusfuehren(PlaylistKontext& k, const PlaylistBefehl& b);

// Sets the live inputs' hook so that remote commands act on this playlist; the context must
// outlive the hook (clear it with `playlistFernsteuerungTrennen`).
void playlistFernsteuerungVerbinden(LiveZustand& live, PlaylistKontext& k);
void playlistFernsteuerungTrennen(LiveZustand& live);

} // namespace sw
