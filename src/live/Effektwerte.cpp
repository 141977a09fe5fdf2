#include "live/Effektwerte.h"

#include <algorithm>
#include <cmath>

namespace sw {

Skalierung skalierungVon(int zeile) {
    switch (zeile) {
    case 2:
    case 5:
    case 9:
    case 10:
    case 11:
    case 12:
    case 14:
        return Skalierung::Direkt;
    case 3:
    case 16:
    case 17:
    case 18:
        return Skalierung::Gespiegelt;
    case 4:
    case 6:
    case 7:
    case 8:
    case 13:
    case 15:
        return Skalierung::Dritte;
    default:
        return Skalierung::Keine;
    }
}

int spiegeln(double wert) {
    const double m = wert < 127 ? 128 - wert : 383 - wert;
    return static_cast<int>(std::lround(m));
}

int midiSkaliert(int zeile, int m) {
    m = std::clamp(m, 0, 127);
    switch (skalierungVon(zeile)) {
    case Skalierung::Direkt:
        return 2 * m;
    case Skalierung::Gespiegelt:
        return spiegeln(2 * m);
    case Skalierung::Dritte:
        return static_cast<int>(std::floor(m * 255.0 / 127 + 0.5));
    case Skalierung::Keine:
        break;
    }
    return m;
}

int dmxSkaliert(int zeile, int d) {
    d = std::clamp(d, 0, 255);
    return skalierungVon(zeile) == Skalierung::Gespiegelt ? spiegeln(d) : d;
}

void effektAnwenden(Effekte& e, int spur, int zeile, int wert) {
    if (zeile < 2 || zeile > 18 || zeile == 15 || !e.EffektWerte.enthaelt(spur)) return;
    const int p = zeile - 2;
    const auto i = static_cast<std::size_t>(p);
    const double w = wert;
    switch (p) {
    case 0:
        e.AutoModus[spur][i] = 0;
        e.AutoWert[spur][i] = 0;
        e.EffektWerte[spur][i] = std::clamp(w, 0.0, 254.0);
        break;
    case 1:
    case 14:
    case 15:
    case 16:
        e.AutoModus[spur][i] = 0;
        e.AutoWert[spur][i] = w - 128;
        break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        e.AutoModus[spur][i] = 0;
        e.AutoWert[spur][i] = 0;
        e.EffektWerte[spur][i] = std::clamp(w / 127.5 - 1, -1.0, 1.0);
        break;
    default:
        e.AutoModus[spur][i] = 0;
        e.AutoWert[spur][i] = 0;
        e.EffektWerte[spur][i] = std::clamp((w - 127.5) / 127.5, -1.0, 1.0);
        break;
    }
}

double effektSkala(int) {
    return 1.0;
}

} // namespace sw
