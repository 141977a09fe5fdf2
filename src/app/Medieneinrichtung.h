#pragma once
// Puts the program's media player in: libmpv (null audio when asked or where no sound device
// opens), its messages into the program log. STRAHLWERK_AUDIO=fake keeps the clock-only fake
// that the program starts with, for tests that run the whole start.

#include "medien/Medienwahl.h"

namespace sw {

struct Programm;

void medienEinrichten(Programm& p, Audiowahl wahl);

} // namespace sw
