#include "app/Medieneinrichtung.h"

#include "app/Programm.h"

#include <cstdlib>
#include <string_view>

namespace sw {

void medienEinrichten(Programm& p, Audiowahl wahl) {
    if (const char* a = std::getenv("STRAHLWERK_AUDIO"); a && std::string_view(a) == "fake") return;
    // A message of the player arrives while a show plays: it goes to the log, never into a
    // dialog that would hold the output.
    p.medien = medienWaehlen(
        wahl, p.env.uhr, [&p](const std::string& text) { p.log.zeile(text); }, &p.texte);
}

} // namespace sw
