// The Helios decoders: the stream's check of a status answer (the first input byte is what
// the interrupt read returned, negative for a failure), and the frame the emulator reads, which
// encodes back to the same bytes.

#include "FuzzHilfe.h"
#include "devices/Stromantworten.h"
#include "devices/usb/HeliosProtokoll.h"

#include <algorithm>

using namespace sw;
using namespace sw::helios;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1) return 0;
    const int gelesen = static_cast<std::int8_t>(daten[0]);
    const std::uint8_t* q = daten + 1;
    const std::size_t n = groesse - 1;

    const Statusfolge s = statusAuswerten(q, gelesen, n);
    fuzz::pruefen((s == Statusfolge::Stoerung) ==
                      (gelesen < 0 || static_cast<std::size_t>(gelesen) > n),
                  "a failed or overlong read is a fault");
    if (s == Statusfolge::Bereit) fuzz::pruefen(q[0] == 0x83 && q[1] == 1, "ready is [0x83, 1]");

    Frame f;
    if (frameLesen(q, n, f)) {
        fuzz::pruefen(!f.punkte.empty() && f.punkte.size() * kPunktBytes + 5 == n, "the count");
        if (f.rate >= kMinRate && f.punkte.size() <= static_cast<std::size_t>(kMaxPunkte)) {
            const auto z = frame(q, f.punkte.size(), f.rate, f.flags);
            fuzz::pruefen(z.size() == n && std::equal(z.begin(), z.end(), q),
                          "the frame encodes back");
        }
    }
    if (n >= kPunktBytes) {
        std::uint8_t z[kPunktBytes];
        punktSchreiben(punktLesen(q), z);
        fuzz::pruefen(std::equal(z, z + kPunktBytes, q), "the point encodes back");
    }
    return 0;
}
