#include "devices/usb/HeliosProtokoll.h"

#include "devices/Punktumrechnung.h"

#include <algorithm>
#include <cmath>

namespace sw::helios {

void punktSchreiben(const Punkt& p, std::uint8_t* z) {
    z[0] = static_cast<std::uint8_t>(p.x >> 4);
    z[1] = static_cast<std::uint8_t>(((p.x & 0x0F) << 4) | (p.y >> 8));
    z[2] = static_cast<std::uint8_t>(p.y & 0xFF);
    z[3] = p.r;
    z[4] = p.g;
    z[5] = p.b;
    z[6] = p.i;
}

Punkt punktLesen(const std::uint8_t* q) {
    return {static_cast<std::uint16_t>((q[0] << 4) | (q[1] >> 4)),
            static_cast<std::uint16_t>(((q[1] & 0x0F) << 8) | q[2]), q[3], q[4], q[5], q[6]};
}

Punkt ausAusgabepunkt(const Ausgabepunkt& p) {
    using namespace umrechnung;
    return {koordinateOhneVorzeichen(p.X, 12), koordinateOhneVorzeichen(p.Y, 12), farbe8(p.R),
            farbe8(p.G), farbe8(p.B), farbe8(p.I)};
}

std::vector<std::uint8_t> frame(const std::uint8_t* punkte, std::size_t anzahl, std::uint32_t rate,
                                std::uint8_t flags) {
    const std::size_t n = std::clamp<std::size_t>(anzahl, kMinPunkte, kMaxPunkte);
    const auto pps = static_cast<std::uint16_t>(std::clamp<std::uint32_t>(rate, kMinRate, kMaxRate));
    std::vector<std::uint8_t> z(n * kPunktBytes + 5, 0);
    // An empty frame becomes one dark point at the centre.
    if (anzahl == 0) punktSchreiben({2047, 2047, 0, 0, 0, 0}, z.data());
    else std::copy(punkte, punkte + n * kPunktBytes, z.begin());
    std::uint8_t* t = z.data() + n * kPunktBytes;
    t[0] = static_cast<std::uint8_t>(pps & 0xFF);
    t[1] = static_cast<std::uint8_t>(pps >> 8);
    t[2] = static_cast<std::uint8_t>(n & 0xFF);
    t[3] = static_cast<std::uint8_t>(n >> 8);
    t[4] = flags;
    return z;
}

bool frameLesen(const std::uint8_t* q, std::size_t bytes, Frame& f) {
    if (bytes < kPunktBytes + 5 || (bytes - 5) % kPunktBytes != 0) return false;
    const std::uint8_t* t = q + bytes - 5;
    const std::size_t n = t[2] | (t[3] << 8);
    if (n * kPunktBytes + 5 != bytes) return false;
    f.rate = static_cast<std::uint16_t>(t[0] | (t[1] << 8));
    f.flags = t[4];
    f.punkte.resize(n);
    for (std::size_t k = 0; k < n; ++k) f.punkte[k] = punktLesen(q + k * kPunktBytes);
    return true;
}

} // namespace sw::helios
