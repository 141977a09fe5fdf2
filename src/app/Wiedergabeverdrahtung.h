#pragma once
// Playback wired into the program: the sequencer records through the live inputs, the output
// cycle takes the media position as its clock while the show plays and dispatches the due
// events once per pass, and the live inputs stamp recorded triggers with the media position.

#include "app/Programm.h"
#include "show/Wiedergabe.h"

namespace sw {

// Sets the recording hooks of `k` and the program's hooks that use `k`; `k` (on the program's
// timeline) must outlive them: clear them with `wiedergabeTrennen`. Further hooks of `k` may be
// set afterwards.
void wiedergabeVerdrahten(Programm& p, WiedergabeKontext& k);
void wiedergabeTrennen(Programm& p);

} // namespace sw
