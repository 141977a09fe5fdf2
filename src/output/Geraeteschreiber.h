#pragma once
// What the output pipeline hands points to. The device layer implements one writer per kind of
// device; the pipeline calls them per logical device:
//   zyklusBeginn(d)  before device d's points of a cycle (the writers reset their frame buffers)
//   punkt(d, p)      once per output point, in path order
//   senden(d)        after the points, unless the simulation runs (the kind's send step)

#include "output/Ausgabetypen.h"

namespace sw {

class Geraeteschreiber {
public:
    virtual ~Geraeteschreiber() = default;
    virtual void zyklusBeginn(int geraet) { (void)geraet; }
    virtual void punkt(int geraet, const Ausgabepunkt& p) = 0;
    virtual void senden(int geraet) { (void)geraet; }
};

// Sees every point where the hand-over gives it to a writer (after zones and curves), for
// recording and tests.
class Punktbeobachter {
public:
    virtual ~Punktbeobachter() = default;
    virtual void punkt(int geraet, const Ausgabepunkt& p) = 0;
};

} // namespace sw
