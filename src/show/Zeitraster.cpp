#include "show/Zeitraster.h"

#include "platform/Vb.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace sw {

double TimeRaster(const Zeitraster& raster, double x) {
    const auto& r = raster.marken;
    const std::size_t m = r.size();
    if (m == 0) return x;
    if (m == 1) return r[0];
    if (x < r[0]) {
        if (r[0] - x > (r[1] - r[0]) / 2) return x;
        return (x < (r[0] + r[1]) / 2) ? r[0] : x;
    }
    if (x > r[m - 1]) {
        if (x - r[m - 1] > (r[m - 1] - r[m - 2]) / 2) return x;
        return (x > (r[m - 2] + r[m - 1]) / 2) ? r[m - 1] : x;
    }
    // (R(i) + R(i+1)) \ 2: the sum rounded half to even, then halved towards zero. Done in
    // doubles, so that times beyond 32-bit milliseconds do not overflow.
    for (std::size_t i = 0; i + 1 < m; ++i)
        if (x < std::trunc(vb::runden(r[i] + r[i + 1]) / 2)) return r[i];
    return r[m - 1];
}

std::optional<double> rasterAbstandLesen(const std::string& text) {
    std::string t;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            t += c == ',' ? '.' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool bpm = false;
    if (t.size() > 3 && t.compare(t.size() - 3, 3, "bpm") == 0) {
        bpm = true;
        t.resize(t.size() - 3);
    } else if (t.size() > 2 && t.compare(t.size() - 2, 2, "ms") == 0) {
        t.resize(t.size() - 2);
    }
    double wert = 0;
    const auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (ec != std::errc{} || ende != t.data() + t.size() || !(wert > 0)) return std::nullopt;
    const double abstand = bpm ? 60000.0 / wert : wert;
    if (!(abstand >= kMindestRasterabstand) || !std::isfinite(abstand)) return std::nullopt;
    return abstand;
}

void rasterErstellen(Zeitraster& raster, double abstand, double laenge) {
    raster.marken.clear();
    if (!(abstand >= kMindestRasterabstand)) return;
    const long anzahl = std::max(1L, static_cast<long>(std::ceil(std::max(0.0, laenge) / abstand)));
    raster.marken.reserve(static_cast<std::size_t>(anzahl) + 1);
    for (long i = 0; i <= anzahl; ++i) raster.marken.push_back(static_cast<double>(i) * abstand);
    raster.an = true;
}

} // namespace sw
