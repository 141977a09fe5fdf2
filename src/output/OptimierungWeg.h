#pragma once
// The walk of OptimiceAusgabe, inline so that emitting a point is a direct call into the
// hand-over: it runs for every point the lasers draw.

#include "platform/Vb.h"

#include <cmath>

namespace sw {

namespace optimierung_detail {

inline void ausgabepunkt(Ausgabepunkt& a, const Listenpunkt& p) {
    a.X = p.X;
    a.Y = p.Y;
    a.R = p.R;
    a.G = p.G;
    a.B = p.B;
    a.I = p.I;
}

inline bool farbeAnders(const Listenpunkt& a, const Listenpunkt& b) {
    return a.R != b.R || a.G != b.G || a.B != b.B;
}

} // namespace optimierung_detail

template <typename Geometrie, typename Ausgeben>
void OptimiceAusgabe(const Optimierungseinstellungen& o, bool messmodus, Rohliste& liste,
                     Geometrie&& geometrie, Ausgeben&& ausgeben) {
    using namespace optimierung_detail;
    if (liste.leer()) return;

    // 1. Close the path.
    Listenpunkt schluss;
    schluss.Strecke = true;
    if (o.GoMitte && !messmodus) {
        liste.anhaengen(schluss);
        liste.voranstellen(schluss);
    } else {
        schluss.X = liste[1].X;
        schluss.Y = liste[1].Y;
        schluss.Farbwechsel = liste[liste.anzahl()].Farbwechsel;
        liste.anhaengen(schluss);
    }

    // 2. Geometry pass: device coordinates from here on.
    geometrie(liste);

    // 3. The walk.
    const long erster = liste.erster(), letzter = liste.anzahl();
    Ausgabepunkt a;
    for (long i = erster; i <= letzter; ++i) {
        const Listenpunkt& p = liste[i];
        const Listenpunkt& vor = liste[i == erster ? letzter : i - 1];
        const Listenpunkt& nach = liste[i == letzter ? erster : i + 1];

        if (p.Farbwechsel && farbeAnders(p, vor)) {
            ausgabepunkt(a, p);
            a.X = vor.X;
            a.Y = vor.Y;
            for (int k = 0; k <= o.OldPointColorCount; ++k) ausgeben(a);
        }

        double grenze = 32767;
        if (p.Strecke) grenze = o.MaxStreckenLaenge;
        if (p.I == 0) grenze = o.MaxStreckenLaengeGeblankt;
        if (p.Weich) grenze = o.MaxSoftColorAbstand;
        if (p.Text) grenze = o.MaxTextAbstand;

        ausgabepunkt(a, p);
        if (grenze >= 32767) {
            ausgeben(a);
        } else {
            if (grenze < 1) grenze = 1; // a limit of 0 would make endless steps
            const double dx = static_cast<double>(vor.X) - p.X;
            const double dy = static_cast<double>(vor.Y) - p.Y;
            const double weg = vb::runden(std::sqrt(dx * dx + dy * dy));
            const double n = vb::runden(weg / grenze);
            if (n < 1) {
                ausgeben(a);
            } else {
                const double sX = dx / n, sY = dy / n;
                const double sR = (vor.R - p.R) / n, sG = (vor.G - p.G) / n;
                const double sB = (vor.B - p.B) / n, sI = (vor.I - p.I) / n;
                Ausgabepunkt zw = a;
                for (double k = 1; k < n; ++k) {
                    zw.X = vor.X - k * sX;
                    zw.Y = vor.Y - k * sY;
                    if (p.Weich) {
                        zw.R = vor.R - k * sR;
                        zw.G = vor.G - k * sG;
                        zw.B = vor.B - k * sB;
                        zw.I = vor.I - k * sI;
                    }
                    ausgeben(zw);
                }
                ausgeben(a);
            }
        }

        int zaehler = 1;
        if (p.Farbwechsel && (farbeAnders(p, nach) || p.I != nach.I)) {
            for (int k = 0; k <= o.NewPointColorCount; ++k, ++zaehler) ausgeben(a);
        }
        if (p.Ecke)
            for (; zaehler <= o.AdCornerPoints; ++zaehler) ausgeben(a);
    }
}

} // namespace sw
