#include "show/Zeitraster.h"

#include "platform/Vb.h"

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

} // namespace sw
