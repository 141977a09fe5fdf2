#pragma once
// The main window's "Live" menu: the live window, the MIDI window, the MIDI routing editor and
// the DMX input routing window, each made when first asked for and kept. It also makes the
// figure list draggable onto the live keys, lets the live show's folder reach the main
// window's browser, and reads the inputs every 10 ms while the output cycle (which reads them
// once per pass) is stopped, so that the monitors show what arrives. GUI thread only.

#include "app/Programm.h"
#include "ui/Werkzeugfenster.h"

#include <functional>

class QMenu;

namespace sw::ui {

class Hauptfenster;
class Livefenster;
class Midifenster;
class MidiZuordnungsfenster;
class DmxZuordnungsfenster;

void liveMenueBauen(Hauptfenster& h, Programm& p, QMenu* menu, const Beschrifter& beschriftenMit);

// The windows of the menu (made now if not yet), for the tests and the screenshots.
Livefenster* livefenster(Hauptfenster& h);
Midifenster* midifenster(Hauptfenster& h);
MidiZuordnungsfenster* midiZuordnungsfenster(Hauptfenster& h);
DmxZuordnungsfenster* dmxZuordnungsfenster(Hauptfenster& h);

} // namespace sw::ui
