#pragma once
// MIDI time code: the decoder of quarter-frame messages (F1 0n dd: piece n of the time, eight
// pieces make hours, minutes, seconds, frames and the frame rate) and of full-frame SysEx
// messages (F0 7F 7F 01 01 hh mm ss ff F7, sent when the source locates), and the running
// position in seconds it gives.
//
// The eight pieces of a time arrive over two frames; once piece 7 is in, the position is the
// time of piece 0 plus the 7 quarter frames since. Every further quarter frame moves the
// position on by a quarter frame; between them it runs on with the clock by at most one quarter
// frame, so that it never overtakes the next message. When no quarter frame comes for more
// than four frames the code counts as stopped and the position is held.

#include "live/eingang/Eingang.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sw {

enum class Bildrate { B24, B25, B2997Drop, B30 };

double bilderProSekunde(Bildrate rate);

struct Zeitcode {
    int stunden = 0, minuten = 0, sekunden = 0, bilder = 0;
    Bildrate rate = Bildrate::B25;
};

// Seconds from 00:00:00:00 to the time code. With 29.97 drop-frame, frames 0 and 1 of each
// minute not divisible by ten are skipped in the count, so the code keeps to the clock.
double zeitcodeSekunden(const Zeitcode& tc);

// Every method is called from the thread that reads the MIDI input (the output cycle's).
class MtcDekoder {
public:
    // A message from the MIDI input, received at `jetzt` seconds of the program's clock.
    void nachricht(const MidiNachricht& n, double jetzt);
    // Raw bytes of a system message (a SysEx from F0 to F7).
    void systemNachricht(const std::vector<std::uint8_t>& bytes, double jetzt);

    // The position in seconds, none before the first complete time.
    std::optional<double> position(double jetzt) const;
    // Whether quarter frames are arriving.
    bool laeuft(double jetzt) const;
    // A full frame or a jump since the last call (the follower seeks at once).
    bool sprungAbholen();
    std::optional<Bildrate> rate() const;

private:
    double viertelBild() const;

    int stuecke_[8] = {};
    int gesehen_ = 0; // bit mask of the pieces received since piece 0
    int letztesStueck_ = -1;
    bool bekannt_ = false;
    bool sprung_ = false;
    Bildrate rate_ = Bildrate::B25;
    double position_ = 0; // seconds at `zeit_`
    double zeit_ = 0;
    bool viertel_ = false; // the last message was a quarter frame (else a full frame)
};

} // namespace sw
