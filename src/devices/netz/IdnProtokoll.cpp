#include "devices/netz/IdnProtokoll.h"

#include "devices/Punktumrechnung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace sw::idn {

namespace {

void b16(std::uint8_t* z, std::uint16_t v) {
    z[0] = static_cast<std::uint8_t>(v >> 8);
    z[1] = static_cast<std::uint8_t>(v);
}
void b32(std::uint8_t* z, std::uint32_t v) {
    b16(z, static_cast<std::uint16_t>(v >> 16));
    b16(z + 2, static_cast<std::uint16_t>(v));
}
std::uint16_t l16(const std::uint8_t* q) {
    return static_cast<std::uint16_t>((q[0] << 8) | q[1]);
}

constexpr std::size_t kKonfigBytes = 4 + kDeskriptoren.size() * 2;
constexpr std::size_t kChunkKopfBytes = 4;

} // namespace

void kopfSchreiben(const Kopf& k, std::uint8_t* z) {
    z[0] = k.befehl;
    z[1] = k.flags;
    b16(z + 2, k.folge);
}

Kopf kopfLesen(const std::uint8_t* q) {
    return {q[0], q[1], l16(q + 2)};
}

std::vector<std::uint8_t> scanAnfrage(std::uint16_t folge) {
    std::vector<std::uint8_t> z(kKopfBytes);
    kopfSchreiben({kScanAnfrage, 0, folge}, z.data());
    return z;
}

std::vector<std::uint8_t> scanAntwortSchreiben(std::uint16_t folge, const ScanAntwort& a) {
    std::vector<std::uint8_t> z(kKopfBytes + 40, 0);
    kopfSchreiben({kScanAntwort, 0, folge}, z.data());
    z[4] = 40; // the structure's size
    z[5] = a.version;
    z[6] = a.status;
    std::copy(a.unitId.begin(), a.unitId.end(), z.begin() + 8);
    std::memcpy(z.data() + 24, a.hostname.data(), std::min<std::size_t>(a.hostname.size(), 20));
    return z;
}

bool scanAntwortLesen(const std::uint8_t* q, std::size_t bytes, ScanAntwort& a) {
    if (bytes < kKopfBytes + 40 || q[0] != kScanAntwort || q[4] < 40) return false;
    a.version = q[5];
    a.status = q[6];
    std::copy(q + 8, q + 24, a.unitId.begin());
    const char* name = reinterpret_cast<const char*>(q + 24);
    a.hostname.assign(name, strnlen(name, 20));
    return true;
}

std::string kennung(const ScanAntwort& a) {
    std::string text = "IDN ";
    const std::size_t laenge = std::min<std::size_t>(a.unitId[0], 15);
    for (std::size_t k = 1; k <= laenge; ++k) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", a.unitId[k]);
        text += hex;
    }
    return text;
}

void sampleSchreiben(const Sample& s, std::uint8_t* z) {
    b16(z, static_cast<std::uint16_t>(s.x));
    b16(z + 2, static_cast<std::uint16_t>(s.y));
    z[4] = s.r;
    z[5] = s.g;
    z[6] = s.b;
    z[7] = s.i;
}

Sample sampleLesen(const std::uint8_t* q) {
    return {static_cast<std::int16_t>(l16(q)), static_cast<std::int16_t>(l16(q + 2)), q[4], q[5],
            q[6], q[7]};
}

Sample ausAusgabepunkt(const Ausgabepunkt& p) {
    using namespace umrechnung;
    return {koordinateMitVorzeichen(p.X), koordinateMitVorzeichen(p.Y), farbe8(p.R), farbe8(p.G),
            farbe8(p.B), farbe8(p.I)};
}

std::vector<std::vector<std::uint8_t>> frameDatagramme(const FrameNachricht& n,
                                                       const std::uint8_t* samples,
                                                       std::size_t anzahl, std::uint16_t& folge) {
    std::vector<std::vector<std::uint8_t>> aus;
    const std::size_t gesamt = anzahl * kSampleBytes;
    std::size_t gesendet = 0;
    const std::uint16_t kanal = static_cast<std::uint16_t>((n.kanal & 0x3F) << 8);
    do {
        const bool erstes = aus.empty();
        std::size_t kopf = kKopfBytes + kNachrichtKopfBytes;
        if (erstes) kopf += (n.konfig ? kKonfigBytes : 0) + kChunkKopfBytes;
        // Fragments carry whole samples.
        const std::size_t platz = (kMaxDatagramm - kopf) / kSampleBytes * kSampleBytes;
        const std::size_t teil = std::min(platz, gesamt - gesendet);
        const bool letztes = gesendet + teil == gesamt;
        std::vector<std::uint8_t> d(kopf + teil);
        kopfSchreiben({kKanalNachricht, 0, folge++}, d.data());
        std::uint16_t inhalt = kInhaltKanal | kanal;
        if (n.welle) {
            inhalt |= kChunkWelle;
            if (n.konfig) inhalt |= kInhaltKonfig;
        } else if (erstes) {
            inhalt |= letztes ? kChunkFrame : kChunkFrameAnfang;
            if (n.konfig) inhalt |= kInhaltKonfig;
        } else {
            inhalt |= kChunkFrameFortsetzung;
            if (letztes) inhalt |= kInhaltKonfig;
        }
        b16(d.data() + 4, static_cast<std::uint16_t>(d.size() - kKopfBytes));
        b16(d.data() + 6, inhalt);
        b32(d.data() + 8, n.zeitstempel);
        std::uint8_t* z = d.data() + kKopfBytes + kNachrichtKopfBytes;
        if (erstes && n.konfig) {
            z[0] = static_cast<std::uint8_t>(kDeskriptoren.size() / 2); // 32-bit words
            z[1] = static_cast<std::uint8_t>(kKonfigRouting | (n.schliessen ? kKonfigSchliessen : 0));
            z[2] = 0; // any service of the mode
            z[3] = n.welle ? kModusKontinuierlich : kModusDiskret;
            for (std::size_t k = 0; k < kDeskriptoren.size(); ++k) b16(z + 4 + 2 * k, kDeskriptoren[k]);
            z += kKonfigBytes;
        }
        if (erstes) {
            b32(z, n.dauer & 0x00FFFFFF); // flags 0: the frame repeats until the next one
            z += kChunkKopfBytes;
        }
        if (teil > 0) std::memcpy(z, samples + gesendet, teil);
        gesendet += teil;
        aus.push_back(std::move(d));
    } while (gesendet < gesamt);
    return aus;
}

std::vector<std::uint8_t> schliessenDatagramm(std::uint16_t folge) {
    std::vector<std::uint8_t> z(kKopfBytes);
    kopfSchreiben({kKanalSchliessen, 0, folge}, z.data());
    return z;
}

} // namespace sw::idn
