#pragma once
// The frame clock: the stopwatch `xTimer`, the frame advance of a track by the time that passed
// and the figure's frame duration (forward, backward, ping-pong; repeat or once), and the start
// of a figure on a track.
//
// Start frame of setting 13: when a figure's setting 13 is 1 and it has several frames, it
// starts at its middle frame, 127 / (254 / last frame index), shifted by the figure's base value
// of effect 13 (setting 153) in frames, rounded half to even and kept within the figure.

#include "core/FigurenSpeicher.h"
#include "output/Effekte.h"
#include "platform/Uhr.h"

#include <array>
#include <functional>

namespace sw {

// A stopwatch on the program's clock, in milliseconds.
class xTimer {
public:
    explicit xTimer(const Uhr& uhr) : uhr_(uhr) {}
    void Start() { start_ = uhr_.sekunden(); }
    void Halt() { stopp_ = uhr_.sekunden(); }
    double vergangen() const { return (stopp_ - start_) * 1000.0 - overhead_; }
    // Reads the clock twice in a row and keeps the difference as the overhead.
    void kalibrieren() {
        const double a = uhr_.sekunden();
        overhead_ = (uhr_.sekunden() - a) * 1000.0;
    }

private:
    const Uhr& uhr_;
    double start_ = 0, stopp_ = 0, overhead_ = 0;
};

struct Frameuhr {
    std::array<double, kSpurZahl> position{}; // fractional frame position per track
    double passdauer = 0;                     // ms, of the current pass
    bool laeuft = false;                      // re-entry guard of the frame advance

    // The figure-end watcher: while registered and pending, a wrap notifies it instead.
    std::function<void(int spur)> figurEndeBeobachter;
    bool figurEndeAusstehend = false;
};

// Advances the frame of track t by the current pass duration.
void tmrFrame_Timer(Frameuhr& u, FigurenSpeicher& s, Effekte& e, int spur, double jetztMs);
// Prepares the track for a newly assigned figure: start frame, position, direction.
void SetFrameTiming(Frameuhr& u, FigurenSpeicher& s, Effekte& e, int NFigur, int Spur);

} // namespace sw
