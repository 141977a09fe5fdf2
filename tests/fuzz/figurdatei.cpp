// The figure file reader: any bytes are read or rejected with Formatfehler; what is read is
// written again as the current version and reads back to the same bytes.

#include "FuzzHilfe.h"
#include "core/QvbFormat.h"
#include "platform/Binaer.h"

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::optional<QvbInhalt> inhalt;
    try {
        inhalt = qvbDekodieren(fuzz::text(daten, groesse));
    } catch (const Formatfehler&) {
        return 0;
    }
    if (!inhalt) return 0;
    fuzz::pruefen(inhalt->version >= 1, "a version byte of 1 or more"); // above 11 reads as 11
    const std::string neu = qvbKodieren(inhalt->figur);
    const auto zurueck = qvbDekodieren(neu);
    fuzz::pruefen(zurueck && zurueck->version == kQvbVersion, "the written file reads back");
    fuzz::pruefen(qvbKodieren(zurueck->figur) == neu, "the written figure reads back the same");
    return 0;
}
