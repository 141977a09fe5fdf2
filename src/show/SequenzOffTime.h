#pragma once
// Sorting the event list by start time and deriving every event's off time.

#include "show/SequenzEvent.h"

#include <vector>

namespace sw {

// Sorts events 1 to N by start time. Events with equal start keep their order (the
// program promises no particular order; a stable one keeps undo and tests reproducible).
// `mitgefuehrt`, when given, holds one flag per index and is reordered with the events, so a
// caller can follow the events it changed through the sort.
void sequenzSortieren(EventListe& events, std::vector<char>* mitgefuehrt = nullptr);

// Off times: an event ends when the next event on its own track starts or, unless it lies on
// the last row of its group (19, the effect row), when the next event on its group's first row
// starts; events with no such successor keep their off time. The last event ends at the media
// length, and so does any event whose off time would lie before its start.
// One pass from the end with the next index per track: linear in N.
void Sequenz_EventOffTime_Ermitteln(EventListe& events, double medienlaenge);

// The first track of T's device group, or 0 when T is the last row of its group.
inline int ersteSpurDerGruppe(int t) {
    if (t % sequenz::kZeilenJeGruppe == 0) return 0;
    return sequenz::kZeilenJeGruppe * ((t - 1) / sequenz::kZeilenJeGruppe) + 1;
}

} // namespace sw
