#include "live/eingang/DmxPakete.h"

#include <algorithm>
#include <cstring>

namespace sw {

namespace {

std::uint16_t gross16(const std::uint8_t* q) {
    return static_cast<std::uint16_t>((q[0] << 8) | q[1]);
}
std::uint32_t gross32(const std::uint8_t* q) {
    return (std::uint32_t{q[0]} << 24) | (std::uint32_t{q[1]} << 16) | (std::uint32_t{q[2]} << 8) |
           q[3];
}
void gross16(std::uint8_t* z, std::uint16_t w) {
    z[0] = static_cast<std::uint8_t>(w >> 8);
    z[1] = static_cast<std::uint8_t>(w);
}
void gross32(std::uint8_t* z, std::uint32_t w) {
    gross16(z, static_cast<std::uint16_t>(w >> 16));
    gross16(z + 2, static_cast<std::uint16_t>(w));
}

constexpr std::uint8_t kArtNetKennung[8] = {'A', 'r', 't', '-', 'N', 'e', 't', 0};
constexpr std::uint8_t kAcnKennung[12] = {'A', 'S', 'C', '-', 'E', '1', '.', '1', '7', 0, 0, 0};

} // namespace

const char* verwerfungName(Verwerfung v) {
    switch (v) {
    case Verwerfung::Keine:
        return "taken";
    case Verwerfung::ZuKurz:
        return "short";
    case Verwerfung::FalscheKennung:
        return "wrong identifier";
    case Verwerfung::AndererOpcode:
        return "other opcode";
    case Verwerfung::AlteVersion:
        return "old version";
    case Verwerfung::FalscheLaenge:
        return "bad length";
    case Verwerfung::FalscheSchicht:
        return "bad layer";
    case Verwerfung::FalscheAdressierung:
        return "bad addressing";
    case Verwerfung::FalschePrioritaet:
        return "bad priority";
    case Verwerfung::FalscherStartcode:
        return "start code not 0";
    case Verwerfung::FalschesUniversum:
        return "other universe";
    case Verwerfung::Reihenfolge:
        return "out of sequence";
    case Verwerfung::Vorschau:
        return "preview";
    case Verwerfung::NiedrigerePrioritaet:
        return "lower priority";
    case Verwerfung::Beendet:
        return "stream terminated";
    case Verwerfung::ZuVieleQuellen:
        return "too many senders";
    case Verwerfung::Anzahl:
        break;
    }
    return "?";
}

bool sequenzVeraltet(std::uint8_t neu, std::uint8_t alt) {
    const auto abstand = static_cast<std::int8_t>(static_cast<std::uint8_t>(neu - alt));
    return abstand <= 0 && abstand > -20;
}

namespace artnet {

Verwerfung lesen(const std::uint8_t* q, std::size_t bytes, DmxPaket& p) {
    if (bytes < 10) return Verwerfung::ZuKurz;
    if (!std::equal(kArtNetKennung, kArtNetKennung + 8, q)) return Verwerfung::FalscheKennung;
    if ((q[8] | (q[9] << 8)) != kOpDmx) return Verwerfung::AndererOpcode;
    if (bytes < kKopfBytes) return Verwerfung::ZuKurz;
    p.version = gross16(q + 10);
    if (p.version < kMindestVersion) return Verwerfung::AlteVersion;
    p.laenge = gross16(q + 16);
    if (p.laenge < 2 || p.laenge > kDmxKanaele || p.laenge % 2 != 0 ||
        kKopfBytes + p.laenge > bytes)
        return Verwerfung::FalscheLaenge;
    p.sequenz = q[12];
    p.physisch = q[13];
    p.portAdresse = static_cast<std::uint16_t>(((q[15] & 0x7F) << 8) | q[14]);
    p.kanaele.fill(0);
    std::memcpy(p.kanaele.data(), q + kKopfBytes, p.laenge);
    return Verwerfung::Keine;
}

std::size_t schreiben(const DmxPaket& p, std::uint8_t* z) {
    std::copy(kArtNetKennung, kArtNetKennung + 8, z);
    z[8] = kOpDmx & 0xFF;
    z[9] = kOpDmx >> 8;
    gross16(z + 10, p.version);
    z[12] = p.sequenz;
    z[13] = p.physisch;
    z[14] = static_cast<std::uint8_t>(p.portAdresse);
    z[15] = static_cast<std::uint8_t>((p.portAdresse >> 8) & 0x7F);
    gross16(z + 16, p.laenge);
    std::memcpy(z + kKopfBytes, p.kanaele.data(), p.laenge);
    return kKopfBytes + p.laenge;
}

} // namespace artnet

namespace sacn {

namespace {
constexpr std::uint32_t kVektorWurzel = 0x00000004; // root layer: E1.31 data
constexpr std::uint32_t kVektorRahmen = 0x00000002; // framing layer: data packet
constexpr std::uint8_t kVektorDmp = 0x02;           // DMP: set property
constexpr std::uint8_t kAdresstyp = 0xA1;
constexpr std::size_t kWurzel = 16, kRahmen = 38, kDmp = 115;

// A layer's flags (0x7) and its length: from its own start to the end of the packet.
bool schichtPasst(const std::uint8_t* q, std::size_t ab, std::size_t bytes) {
    const std::uint16_t w = gross16(q + ab);
    return (w >> 12) == 0x7 && (w & 0x0FFF) == bytes - ab;
}
void schichtSchreiben(std::uint8_t* z, std::size_t ab, std::size_t bytes) {
    gross16(z + ab, static_cast<std::uint16_t>(0x7000 | (bytes - ab)));
}
} // namespace

Verwerfung lesen(const std::uint8_t* q, std::size_t bytes, DatenPaket& p) {
    if (bytes < kKopfBytes) return Verwerfung::ZuKurz;
    if (gross16(q) != 0x0010 || gross16(q + 2) != 0 ||
        !std::equal(kAcnKennung, kAcnKennung + 12, q + 4))
        return Verwerfung::FalscheKennung;
    if (bytes > kMaxBytes) return Verwerfung::FalscheLaenge;
    if (!schichtPasst(q, kWurzel, bytes) || gross32(q + 18) != kVektorWurzel ||
        !schichtPasst(q, kRahmen, bytes) || gross32(q + 40) != kVektorRahmen ||
        !schichtPasst(q, kDmp, bytes) || q[117] != kVektorDmp)
        return Verwerfung::FalscheSchicht;
    if (q[118] != kAdresstyp || gross16(q + 119) != 0 || gross16(q + 121) != 1)
        return Verwerfung::FalscheAdressierung;
    if (gross16(q + 123) != bytes - 125) return Verwerfung::FalscheLaenge;
    if (q[108] > kMaxPrioritaet) return Verwerfung::FalschePrioritaet;
    const std::uint16_t universum = gross16(q + 113);
    if (universum < 1 || universum > kMaxUniversum) return Verwerfung::FalschesUniversum;
    if (q[125] != 0) return Verwerfung::FalscherStartcode;

    std::copy(q + 22, q + 38, p.cid.begin());
    const auto* name = reinterpret_cast<const char*>(q + 44);
    p.quelle.assign(name, strnlen(name, 64));
    p.prioritaet = q[108];
    p.syncAdresse = gross16(q + 109);
    p.sequenz = q[111];
    p.optionen = q[112];
    p.universum = universum;
    p.laenge = static_cast<std::uint16_t>(bytes - kKopfBytes);
    p.kanaele.fill(0);
    std::memcpy(p.kanaele.data(), q + kKopfBytes, p.laenge);
    return Verwerfung::Keine;
}

std::size_t schreiben(const DatenPaket& p, std::uint8_t* z) {
    const std::size_t laenge = std::min<std::size_t>(p.laenge, kDmxKanaele);
    const std::size_t bytes = kKopfBytes + laenge;
    std::fill(z, z + kKopfBytes, std::uint8_t{0});
    gross16(z, 0x0010);
    std::copy(kAcnKennung, kAcnKennung + 12, z + 4);
    schichtSchreiben(z, kWurzel, bytes);
    gross32(z + 18, kVektorWurzel);
    std::copy(p.cid.begin(), p.cid.end(), z + 22);
    schichtSchreiben(z, kRahmen, bytes);
    gross32(z + 40, kVektorRahmen);
    std::memcpy(z + 44, p.quelle.data(), std::min<std::size_t>(p.quelle.size(), 63));
    z[108] = p.prioritaet;
    gross16(z + 109, p.syncAdresse);
    z[111] = p.sequenz;
    z[112] = p.optionen;
    gross16(z + 113, p.universum);
    schichtSchreiben(z, kDmp, bytes);
    z[117] = kVektorDmp;
    z[118] = kAdresstyp;
    gross16(z + 121, 1);
    gross16(z + 123, static_cast<std::uint16_t>(laenge + 1));
    std::memcpy(z + kKopfBytes, p.kanaele.data(), laenge);
    return bytes;
}

std::uint32_t multicastGruppe(std::uint16_t universum) {
    return (239u << 24) | (255u << 16) | universum;
}

} // namespace sacn

} // namespace sw
