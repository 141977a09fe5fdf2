// The test picture reader: any bytes give a figure or Formatfehler; a figure has at least one
// frame, and each frame its dark placeholder and the file's points.

#include "core/Testbild.h"
#include "FuzzHilfe.h"
#include "platform/Binaer.h"

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    try {
        const Figur f = testbildDekodieren(fuzz::text(daten, groesse));
        fuzz::pruefen(!f.Frames.empty(), "a test picture has frames");
        for (const auto& frame : f.Frames) {
            fuzz::pruefen(frame.Punkte.size() >= 2, "placeholder and at least one point");
            for (const auto& p : frame.Punkte)
                fuzz::pruefen(p.Farbe >= -1 && p.Farbe < 4096, "a colour index of the table");
        }
    } catch (const Formatfehler&) {
    }
    return 0;
}
