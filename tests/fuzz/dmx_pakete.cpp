// The network DMX decoders: ArtDmx and the E1.31 data packet over the same bytes. A packet
// taken must write back to the bytes it came from (the fields a decoder ignores aside), and
// the sACN sender bookkeeping must take any stream of them.

#include "FuzzHilfe.h"
#include "live/eingang/DmxPakete.h"
#include "live/eingang/SacnEingang.h"

#include <algorithm>
#include <vector>

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    artnet::DmxPaket a;
    if (artnet::lesen(daten, groesse, a) == Verwerfung::Keine) {
        fuzz::pruefen(a.laenge >= 2 && a.laenge <= 512 && a.laenge % 2 == 0, "ArtDmx length");
        fuzz::pruefen(a.portAdresse <= 0x7FFF, "15-bit port address");
        std::vector<std::uint8_t> z(artnet::kKopfBytes + 512);
        const std::size_t n = artnet::schreiben(a, z.data());
        z[15] |= daten[15] & 0x80; // the Net's top bit is not part of the address
        fuzz::pruefen(std::equal(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(n), daten),
                      "ArtDmx writes back");
    }

    static SacnQuellen quellen;
    static std::uint32_t takt = 0;
    sacn::DatenPaket s;
    if (sacn::lesen(daten, groesse, s) == Verwerfung::Keine) {
        fuzz::pruefen(groesse == sacn::kKopfBytes + s.laenge, "E1.31 length");
        fuzz::pruefen(s.universum >= 1 && s.universum <= 63999, "E1.31 universe");
        fuzz::pruefen(s.quelle.size() <= 64, "E1.31 source name");
        std::vector<std::uint8_t> z(sacn::kMaxBytes);
        const std::size_t n = sacn::schreiben(s, z.data());
        fuzz::pruefen(n == groesse, "E1.31 writes its length");
        std::copy(daten + 44, daten + 108, z.begin() + 44); // the name's bytes past its end
        fuzz::pruefen(std::equal(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(n), daten),
                      "E1.31 writes back");
        // 100 ms per packet, so senders time out now and then.
        quellen.pruefen(s, SacnQuellen::Zeit{} + std::chrono::milliseconds(100) * ++takt);
        fuzz::pruefen(quellen.anzahl() <= SacnQuellen::kMaxQuellen, "senders bounded");
    }
    return 0;
}
