// The IDN decoders: the scan response with the identity built from it, the stream's check of
// a ping answer (the first two input bytes are the stream's next sequence number), the packet
// header and the sample.

#include "FuzzHilfe.h"
#include "devices/Stromantworten.h"

#include <algorithm>

using namespace sw;
using namespace sw::idn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 2) return 0;
    const auto naechste = static_cast<std::uint16_t>((daten[0] << 8) | daten[1]);
    const std::uint8_t* q = daten + 2;
    const std::size_t n = groesse - 2;

    if (pingBeantwortet(q, n, naechste)) {
        const Kopf k = kopfLesen(q);
        fuzz::pruefen(k.befehl == kPingAntwort, "a ping answer");
        fuzz::pruefen(static_cast<std::uint16_t>(naechste - k.folge) - 1u < kOffenePings,
                      "one of the latest pings");
    }

    ScanAntwort a;
    if (scanAntwortLesen(q, n, a)) {
        fuzz::pruefen(a.hostname.size() <= 20, "the host name's length");
        const std::string id = kennung(a);
        fuzz::pruefen(id.size() >= 4 && id.size() <= 4 + 2 * 15, "the identity's length");
    }

    if (n >= kKopfBytes) {
        std::uint8_t z[kKopfBytes];
        kopfSchreiben(kopfLesen(q), z);
        fuzz::pruefen(std::equal(z, z + kKopfBytes, q), "the header encodes back");
    }
    if (n >= kSampleBytes) {
        std::uint8_t z[kSampleBytes];
        sampleSchreiben(sampleLesen(q), z);
        fuzz::pruefen(std::equal(z, z + kSampleBytes, q), "the sample encodes back");
    }
    return 0;
}
