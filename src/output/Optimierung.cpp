#include "output/Optimierung.h"

#include "platform/Vb.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace sw {

namespace {

Listenpunkt fuellpunkt(double x, double y, bool ecke) {
    Listenpunkt p;
    p.X = static_cast<std::int32_t>(std::clamp(vb::runden(x), -32768.0, 32767.0));
    p.Y = static_cast<std::int32_t>(std::clamp(vb::runden(y), -32768.0, 32767.0));
    p.Strecke = true;
    p.Ecke = ecke;
    return p;
}

} // namespace

void SetzeMindestPunktzahl(const Optimierungseinstellungen& o, double EllipsenVorschub,
                           Rohliste& liste) {
    const auto& v = o.NoPointValue;
    switch (o.NoPointStyle) {
    case 0:
        liste.anhaengen(fuellpunkt(v[0], v[1], false));
        liste.anhaengen(fuellpunkt(v[0], v[1], false));
        break;
    case 1:
        liste.anhaengen(fuellpunkt(v[0], v[1], true));
        liste.anhaengen(fuellpunkt(v[2], v[3], true));
        break;
    case 2: {
        liste.leeren();
        const double r = v[2];
        const double umfang = std::abs(r) * 1.5 * 3.1415;
        double schritt = vb::Int(32676 / (umfang + 1) * EllipsenVorschub);
        schritt = std::clamp(schritt, 1.0, 30.0);
        for (double a = -270; a <= 810; a += schritt) {
            const double w = a * 0.017453292519943278;
            liste.anhaengen(fuellpunkt(std::cos(w) * r + v[0], std::sin(w) * r + v[1], true));
        }
        break;
    }
    default:
        break;
    }
}

void Messmuster(Rohliste& liste, std::int16_t R, std::int16_t G, std::int16_t B) {
    liste.leeren();
    for (int radius = 2000; radius <= 5000; radius += 75) {
        for (int winkel = 0; winkel <= 360; winkel += 10) {
            const double w = winkel * 0.017453292519943278;
            Listenpunkt p = fuellpunkt(std::cos(w) * radius, std::sin(w) * radius, false);
            p.R = R, p.G = G, p.B = B;
            p.I = std::max({R, G, B});
            p.Strecke = winkel != 0;
            liste.anhaengen(p);
        }
    }
}

void optimierungLaden(Optimierungseinstellungen& o, Einstellungen& e, int d) {
    const std::string s = "Optionen_Optimierung";
    zahlInWert(e, s, schluessel("NewPointColorCount", d), o.NewPointColorCount);
    zahlInWert(e, s, schluessel("AdCornerPoints", d), o.AdCornerPoints);
    zahlInWert(e, s, schluessel("OldPointColorCount", d), o.OldPointColorCount);
    zahlInWert(e, s, schluessel("MaxStreckenLaenge", d), o.MaxStreckenLaenge);
    zahlInWert(e, s, schluessel("MaxStreckenLaengeGeblankt", d), o.MaxStreckenLaengeGeblankt);
    zahlInWert(e, s, schluessel("MaxSoftColorAbstand", d), o.MaxSoftColorAbstand);
    zahlInWert(e, s, schluessel("MaxTextAbstand", d), o.MaxTextAbstand);
    zahlInWert(e, s, schluessel("GoMitte", d), o.GoMitte);
    zahlInWert(e, s, schluessel("MinimumFrameStartPunkte", d), o.MinimumFrameStartPunkte);
    zahlInWert(e, s, schluessel("MinimumFrammeEndPunkte", d), o.MinimumFrammeEndPunkte);
    for (int k = 0; k < 4; ++k)
        zahlInWert(e, s, schluessel("NoPointValue", d, k),
                   o.NoPointValue[static_cast<std::size_t>(k)]);
    zahlInWert(e, s, schluessel("NoPointStyle", d), o.NoPointStyle);
    for (int k = 0; k < 3; ++k)
        zahlInWert(e, s, schluessel("Blankshift", d, k), o.Blankshift[static_cast<std::size_t>(k)]);
    zahlInWert(e, s, schluessel("SprungDunkelVorher", d), o.SprungDunkelVorher);
    zahlInWert(e, s, schluessel("SprungDunkelNachher", d), o.SprungDunkelNachher);
    // Counts that cannot be negative.
    o.MinimumFrameStartPunkte = std::max(o.MinimumFrameStartPunkte, 0);
    o.MinimumFrammeEndPunkte = std::max(o.MinimumFrammeEndPunkte, 0);
    // Dark points of a jump: 100 is several milliseconds at any scan rate; more would only
    // stall the output.
    o.SprungDunkelVorher = std::clamp(o.SprungDunkelVorher, 0, kSprungDunkelHoechstens);
    o.SprungDunkelNachher = std::clamp(o.SprungDunkelNachher, 0, kSprungDunkelHoechstens);
}

void optimierungSpeichern(const Optimierungseinstellungen& o, Einstellungen& e, int d) {
    const std::string s = "Optionen_Optimierung";
    wertAlsZahl(e, s, schluessel("NewPointColorCount", d), o.NewPointColorCount);
    wertAlsZahl(e, s, schluessel("AdCornerPoints", d), o.AdCornerPoints);
    wertAlsZahl(e, s, schluessel("OldPointColorCount", d), o.OldPointColorCount);
    wertAlsZahl(e, s, schluessel("MaxStreckenLaenge", d), o.MaxStreckenLaenge);
    wertAlsZahl(e, s, schluessel("MaxStreckenLaengeGeblankt", d), o.MaxStreckenLaengeGeblankt);
    wertAlsZahl(e, s, schluessel("MaxSoftColorAbstand", d), o.MaxSoftColorAbstand);
    wertAlsZahl(e, s, schluessel("MaxTextAbstand", d), o.MaxTextAbstand);
    wertAlsZahl(e, s, schluessel("GoMitte", d), o.GoMitte);
    wertAlsZahl(e, s, schluessel("MinimumFrameStartPunkte", d), o.MinimumFrameStartPunkte);
    wertAlsZahl(e, s, schluessel("MinimumFrammeEndPunkte", d), o.MinimumFrammeEndPunkte);
    for (int k = 0; k < 4; ++k)
        wertAlsZahl(e, s, schluessel("NoPointValue", d, k),
                    o.NoPointValue[static_cast<std::size_t>(k)]);
    wertAlsZahl(e, s, schluessel("NoPointStyle", d), o.NoPointStyle);
    for (int k = 0; k < 3; ++k)
        wertAlsZahl(e, s, schluessel("Blankshift", d, k),
                    o.Blankshift[static_cast<std::size_t>(k)]);
    wertAlsZahl(e, s, schluessel("SprungDunkelVorher", d), o.SprungDunkelVorher);
    wertAlsZahl(e, s, schluessel("SprungDunkelNachher", d), o.SprungDunkelNachher);
}

} // namespace sw
