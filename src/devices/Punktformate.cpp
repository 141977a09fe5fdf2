#include "devices/Punktformate.h"

#include "platform/Fehler.h"
#include "platform/Vb.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sw::format {

namespace {

void wort(std::uint8_t* z, std::uint32_t v) {
    z[0] = static_cast<std::uint8_t>(v & 0xFF);
    z[1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
std::uint16_t wortLesen(const std::uint8_t* z) {
    return static_cast<std::uint16_t>(z[0] | (z[1] << 8));
}

// Low and high byte of v (0 to 65535): v Mod 256 and v \ 256.
void hochTief(std::uint8_t* z, double v) {
    const std::int32_t w = vb::CLng(v);
    if (w < 0 || w > 65535) throw Laufzeitfehler(fehlernummer::Ueberlauf);
    z[0] = static_cast<std::uint8_t>(w % 256);
    z[1] = vb::CByte(w / 256);
}

// Low12Bit and High12Bit: (v \ 16) Mod 256 and (v \ 16) \ 256.
void zwoelfBit(std::uint8_t* z, double v) {
    const std::int32_t w = vb::ganzzahlDivision(v, 16);
    if (w < 0) throw Laufzeitfehler(fehlernummer::Ueberlauf);
    z[0] = static_cast<std::uint8_t>(w % 256);
    z[1] = vb::CByte(w / 256);
}

} // namespace

void lumaxKodieren(const Ausgabepunkt& p, std::uint8_t* z) {
    hochTief(z, p.X);
    hochTief(z + 2, p.Y);
    const std::uint8_t r = vb::CByte(p.R), g = vb::CByte(p.G), b = vb::CByte(p.B);
    const std::uint8_t i = vb::CByte(p.I);
    z[4] = z[5] = r;
    z[6] = z[7] = g;
    z[8] = z[9] = b;
    wort(z + 10, 0);
    wort(z + 12, 0);
    z[14] = z[15] = i;
    wort(z + 16, 0);
}

std::int32_t jmLaserKoordinate(double v) {
    return vb::CLng((v - 32767) * 65535);
}

void jmLaserKodieren(const Ausgabepunkt& p, std::uint8_t* z) {
    const std::int32_t x = jmLaserKoordinate(p.X), y = jmLaserKoordinate(p.Y);
    std::memcpy(z, &x, 4);
    std::memcpy(z + 4, &y, 4);
    std::size_t o = 8;
    for (double c : {p.R, p.G, p.B, p.I}) {
        wort(z + o, static_cast<std::uint32_t>(vb::CLng(c * 256)));
        o += 2;
    }
    std::memset(z + 16, 0, 8);
}

void riyaKodieren(const Ausgabepunkt& p, std::uint8_t* z) {
    zwoelfBit(z, p.X);
    zwoelfBit(z + 2, p.Y);
    z[4] = vb::CByte(p.R);
    z[5] = vb::CByte(p.G);
    z[6] = vb::CByte(p.B);
    z[7] = vb::CByte(p.I);
}

void mlDriverKodieren(const Ausgabepunkt& p, std::uint8_t* z) {
    std::memset(z, 0, kMlDriver);
    zwoelfBit(z, p.X);
    zwoelfBit(z + 2, p.Y);
    z[6] = vb::CByte(p.R);
    z[7] = vb::CByte(p.G);
    z[8] = vb::CByte(p.B);
    z[12] = vb::CByte(p.I);
}

Ausgabepunkt lumaxDekodieren(const std::uint8_t* r) {
    return Ausgabepunkt{static_cast<double>(wortLesen(r)), static_cast<double>(wortLesen(r + 2)),
                        static_cast<double>(r[4]),         static_cast<double>(r[6]),
                        static_cast<double>(r[8]),         static_cast<double>(r[14])};
}

Ausgabepunkt jmLaserDekodieren(const std::uint8_t* r) {
    std::int32_t x, y;
    std::memcpy(&x, r, 4);
    std::memcpy(&y, r + 4, 4);
    return Ausgabepunkt{x / 65535.0 + 32767,       y / 65535.0 + 32767,
                        wortLesen(r + 8) / 256.0,  wortLesen(r + 10) / 256.0,
                        wortLesen(r + 12) / 256.0, wortLesen(r + 14) / 256.0};
}

Ausgabepunkt riyaDekodieren(const std::uint8_t* r) {
    return Ausgabepunkt{static_cast<double>((r[0] | (r[1] << 8)) * 16),
                        static_cast<double>((r[2] | (r[3] << 8)) * 16),
                        static_cast<double>(r[4]),
                        static_cast<double>(r[5]),
                        static_cast<double>(r[6]),
                        static_cast<double>(r[7])};
}

Ausgabepunkt mlDriverDekodieren(const std::uint8_t* r) {
    return Ausgabepunkt{static_cast<double>((r[0] | (r[1] << 8)) * 16),
                        static_cast<double>((r[2] | (r[3] << 8)) * 16),
                        static_cast<double>(r[6]),
                        static_cast<double>(r[7]),
                        static_cast<double>(r[8]),
                        static_cast<double>(r[12])};
}

std::int32_t riyaPeriode(double pps) {
    return static_cast<std::int32_t>(vb::Int(1 / (pps * 3e-08) + 0.5));
}

void mlParameterblock(std::int32_t pps, std::uint8_t block[7]) {
    // From the value's six-digit hexadecimal text, low byte first.
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(pps) & 0xFFFFFFu);
    auto byte = [&](int stelle) {
        char zwei[3] = {hex[stelle], hex[stelle + 1], 0};
        return static_cast<std::uint8_t>(std::strtoul(zwei, nullptr, 16));
    };
    block[0] = 7;
    block[1] = 0;
    block[2] = byte(4);
    block[3] = byte(2);
    block[4] = byte(0);
    block[5] = 0;
    block[6] = 0;
}

} // namespace sw::format
