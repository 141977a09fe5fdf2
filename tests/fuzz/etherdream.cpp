// The Ether Dream decoders: the stream's response check (the first input byte picks the
// command the response belongs to), the broadcast and the point. What they accept encodes back
// to the same bytes.

#include "FuzzHilfe.h"
#include "devices/Stromantworten.h"

#include <algorithm>

using namespace sw;
using namespace sw::etherdream;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1) return 0;
    static constexpr char kBefehle[] = {'?', 'p', 'b', 'q', 'd', 's', 'c', 'u'};
    const char befehl = kBefehle[daten[0] % sizeof kBefehle];
    const std::uint8_t* q = daten + 1;
    const std::size_t n = groesse - 1;

    const Antwortfolge f = antwortAuswerten(q, n, befehl);
    if (f.art == Antwortfolge::Art::Stoerung) {
        fuzz::pruefen(!f.grund.empty(), "a fault says why");
    } else {
        fuzz::pruefen(n == kAntwortBytes && q[1] == static_cast<std::uint8_t>(befehl),
                      "an accepted response answers the command");
        fuzz::pruefen(static_cast<int>(f.status.wiedergabe) <= 2, "a known playback state");
        fuzz::pruefen((f.art == Antwortfolge::Art::Angenommen) == (q[0] == 'a'), "ack or nak");
        const auto z = antwortSchreiben({static_cast<char>(q[0]), befehl, f.status});
        fuzz::pruefen(std::equal(z.begin(), z.end(), q), "the response encodes back");
    }

    Broadcast b;
    if (broadcastLesen(q, n, b)) {
        const auto z = broadcastSchreiben(b);
        fuzz::pruefen(n == kBroadcastBytes && std::equal(z.begin(), z.end(), q),
                      "the broadcast encodes back");
        fuzz::pruefen(kennung(b.mac).size() == 28, "the identity's length");
    }

    if (n >= kPunktBytes) {
        std::uint8_t z[kPunktBytes];
        punktSchreiben(punktLesen(q), z);
        fuzz::pruefen(std::equal(z, z + kPunktBytes, q), "the point encodes back");
    }
    return 0;
}
