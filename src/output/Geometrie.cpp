#include "output/Geometrie.h"

#include "output/Drehung.h"
#include "platform/Vb.h"

#include <algorithm>
#include <string>

namespace sw {

void showGroesse(const Geometriekorrektur& g, double& x, double& y, double& sichtbar,
                 double begrenzung) {
    x *= g.ShowGroeseX;
    y *= g.ShowGroeseY;
    if (x > 32767)
        x = 32767, sichtbar *= begrenzung;
    else if (x < -32768)
        x = -32768, sichtbar *= begrenzung;
    if (y > 32767)
        y = 32767, sichtbar *= begrenzung;
    else if (y < -32768)
        y = -32768, sichtbar *= begrenzung;
}

void geometriePass(const Geometriekorrektur& g, Rohliste& liste) {
    const bool drehen = g.Drehung != 0 || g.TrapezX != 0 || g.TrapezY != 0;
    const sw::Drehung d(g.TrapezX, g.Drehung, g.TrapezY);
    const bool decke = g.DeckenHoehe < 32767;
    const double spiegelX = 1 - 2 * g.SpiegelnX;
    const double spiegelY = 1 - 2 * g.SpiegelnY;
    for (long i = liste.erster(); i <= liste.anzahl(); ++i) {
        Listenpunkt& p = liste[i];
        double x = p.X * g.GlobalGroesseX;
        double y = p.Y * g.GlobalGroesseY;
        x = g.VerschiebenX * 32767 + x;
        y = g.VerschiebenY * 32767 + y;
        if (decke && y > 0) {
            const double anteil = y / 32767;
            y = y - anteil * anteil * (32767 - g.DeckenHoehe);
        }
        if (drehen) {
            double z = 0;
            d.anwenden(x, y, z);
        }
        x *= spiegelX;
        y *= spiegelY;
        if (g.SwapXY == 1) std::swap(x, y);
        x = std::clamp(x + 32767, 0.0, 65535.0);
        y = std::clamp(y + 32767, 0.0, 65535.0);
        p.X = static_cast<std::int32_t>(vb::runden(x));
        p.Y = static_cast<std::int32_t>(vb::runden(y));
    }
}

namespace {

std::string abschnitt(int geraet) {
    return "Geometriekorrektur(" + std::to_string(geraet) + ")";
}

} // namespace

void geometrieLaden(Geometriekorrektur& g, Einstellungen& e, int geraet) {
    const auto s = abschnitt(geraet);
    zahlInWert(e, s, "SpiegelnX", g.SpiegelnX);
    zahlInWert(e, s, "SpiegelnY", g.SpiegelnY);
    zahlInWert(e, s, "SwapXY", g.SwapXY);
    zahlInWert(e, s, "VerschiebenX", g.VerschiebenX);
    zahlInWert(e, s, "VerschiebenY", g.VerschiebenY);
    zahlInWert(e, s, "Drehung", g.Drehung);
    zahlInWert(e, s, "GlobalGroesseX", g.GlobalGroesseX);
    zahlInWert(e, s, "GlobalGroesseY", g.GlobalGroesseY);
    zahlInWert(e, s, "ShowGroeseX", g.ShowGroeseX);
    zahlInWert(e, s, "ShowGroeseY", g.ShowGroeseY);
    zahlInWert(e, s, "TrapezX", g.TrapezX);
    zahlInWert(e, s, "TrapezY", g.TrapezY);
    zahlInWert(e, s, "TrapezLWAbstand", g.TrapezLWAbstand);
    zahlInWert(e, s, "DeckenHoehe", g.DeckenHoehe);
}

void geometrieSpeichern(const Geometriekorrektur& g, Einstellungen& e, int geraet) {
    const auto s = abschnitt(geraet);
    wertAlsZahl(e, s, "DeckenHoehe", g.DeckenHoehe);
    wertAlsZahl(e, s, "Drehung", g.Drehung);
    wertAlsZahl(e, s, "GlobalGroesseX", g.GlobalGroesseX);
    wertAlsZahl(e, s, "GlobalGroesseY", g.GlobalGroesseY);
    wertAlsZahl(e, s, "ShowGroeseX", g.ShowGroeseX);
    wertAlsZahl(e, s, "ShowGroeseY", g.ShowGroeseY);
    wertAlsZahl(e, s, "SpiegelnX", g.SpiegelnX);
    wertAlsZahl(e, s, "SpiegelnY", g.SpiegelnY);
    wertAlsZahl(e, s, "SwapXY", g.SwapXY);
    wertAlsZahl(e, s, "TrapezLWAbstand", g.TrapezLWAbstand);
    wertAlsZahl(e, s, "TrapezX", g.TrapezX);
    wertAlsZahl(e, s, "TrapezY", g.TrapezY);
    wertAlsZahl(e, s, "VerschiebenX", g.VerschiebenX);
    wertAlsZahl(e, s, "VerschiebenY", g.VerschiebenY);
}

} // namespace sw
