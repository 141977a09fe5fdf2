#pragma once
// The show as the windows drive it: one playback state and one playlist, with the contexts the
// sequencer, show-information and playlist windows share. Made when the first of those windows
// is opened, after start-up (the media layer is the real player by then). It wires playback
// into the output cycle and the playlist's MIDI remote control, and unwires both when it goes.
// User-interface thread only.

#include "app/Programm.h"
#include "show/Playlist.h"
#include "show/Wiedergabe.h"

namespace sw {

struct Showsteuerung {
    explicit Showsteuerung(Programm& p);
    ~Showsteuerung();
    Showsteuerung(const Showsteuerung&) = delete;
    Showsteuerung& operator=(const Showsteuerung&) = delete;

    Programm& p;
    WiedergabeZustand wiedergabe;
    Playlist playlist;
    ShowKontext show;
    WiedergabeKontext wk;
    PlaylistKontext pk;
};

// The playlist's hooks into the output settings (routing and scan rates of every entry).
void playlistVerdrahten(Showsteuerung& s);

} // namespace sw
