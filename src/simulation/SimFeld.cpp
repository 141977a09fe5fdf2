#include "simulation/SimFeld.h"

#include <algorithm>
#include <cstddef>

namespace sw {

void SIM_Feld(std::vector<double>& liste, long& letzterIndex, const SimEintrag& p) {
    letzterIndex += 7;
    const auto letzter = static_cast<std::size_t>(letzterIndex);
    if (letzter + 7 >= liste.size()) liste.resize(std::max<std::size_t>(5 * letzter, letzter + 7));
    double* z = liste.data() + letzter;
    z[0] = p.X;
    z[1] = p.Y;
    z[2] = p.R;
    z[3] = p.G;
    z[4] = p.B;
    z[5] = p.ProjektorX;
    z[6] = p.ProjektorY;
}

} // namespace sw
