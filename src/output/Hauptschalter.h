#pragma once
// The master controls of the lasers, honoured at the last stage of the hand-over, after the
// audience zone and the colour curves, for every point a device writer receives:
// - `LaserFreigabe` off or `Blackout` on: the point goes out dark (R, G, B and I 0) at its own
//   position, so the scanners follow the path as before and do not jump; the devices keep
//   streaming, only nothing is lit. Blackout is read in every cycle, so it darkens the very next
//   one.
// - `Helligkeit` (0 to 1) scales R, G, B and I after the curves.
// The simulation and the ILDA show export are no lasers and see the show unaffected.
//
// The engine's default is armed at full brightness (what a host asks for when it plays, such as
// the command-line program and the tests); the window applies the settings at start-up, which
// leave the lasers disarmed unless "FreigabeBeimStart" of section "Laser" is set.

#include "einstellungen/Einstellungen.h"
#include "output/Ausgabetypen.h"

namespace sw {

struct Hauptschalter {
    bool LaserFreigabe = true;
    bool Blackout = false;
    double Helligkeit = 1; // 0 to 1

    bool dunkel() const { return !LaserFreigabe || Blackout; }
};

inline void hauptschalterAnwenden(const Hauptschalter& h, Ausgabepunkt& p) {
    if (h.dunkel()) {
        p.R = p.G = p.B = p.I = 0;
        return;
    }
    if (h.Helligkeit >= 1) return; // full brightness, the common case, costs nothing
    const double f = h.Helligkeit > 0 ? h.Helligkeit : 0;
    p.R *= f;
    p.G *= f;
    p.B *= f;
    p.I *= f;
}

// Section "Laser": "FreigabeBeimStart" (0 or 1, default 0) arms the lasers at start-up, and
// "Helligkeit" holds the master brightness in percent (0 to 100, default 100). Loading clears
// the blackout.
void hauptschalterLaden(Hauptschalter& h, Einstellungen& e);
// Stores the brightness; the start-up switch is the operator's and is left as it is.
void hauptschalterSpeichern(const Hauptschalter& h, Einstellungen& e);

} // namespace sw
