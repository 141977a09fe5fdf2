// Fuzzes the sequence (".seq") and showpart (".prt") readers from memory, by the first byte:
// a version-3 file writes back to the bytes it was read from (up to the records read), a
// showpart writes the same bytes twice over, sorting and the off times take any list, and
// anything else must be refused with Formatfehler.

#include "platform/Binaer.h"
#include "show/SequenzDatei.h"
#include "show/SequenzOffTime.h"
#include "show/Showpart.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void pruefen(bool bedingung) {
    if (!bedingung) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    try {
        if (daten[0] & 1) {
            sw::Showpart part = sw::showpartDekodieren(bytes);
            // The name passes through UTF-8, so compare the second writing with the first.
            const std::string zurueck = sw::showpartKodieren(part);
            pruefen(sw::showpartKodieren(sw::showpartDekodieren(zurueck)) == zurueck);
        } else {
            sw::SequenzInhalt inhalt = sw::sequenzDekodieren(bytes);
            const std::string zurueck = sw::sequenzKodieren(inhalt.events);
            if (inhalt.version == 3) pruefen(bytes.substr(0, zurueck.size()) == zurueck);
            sw::sequenzSortieren(inhalt.events);
            sw::Sequenz_EventOffTime_Ermitteln(inhalt.events, 1000);
            pruefen(inhalt.events.size() >= 1);
        }
    } catch (const sw::Formatfehler&) {
    }
    return 0;
}
