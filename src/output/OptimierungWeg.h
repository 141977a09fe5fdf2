#pragma once
// The walk of OptimiceAusgabe, inline so that emitting a point is a direct call into the
// hand-over: it runs for every point the lasers draw.

#include "platform/Vb.h"

#include <algorithm>
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

// A jump to a lit entry that moves the beam is blanked, unless both dark counts are 0. Any
// colour counts as lit: a faint colour can have intensity 0.
inline bool sprungBlanken(const Optimierungseinstellungen& o, const Listenpunkt& vor,
                          const Listenpunkt& p) {
    return p.Sprung && (p.I != 0 || p.R != 0 || p.G != 0 || p.B != 0) &&
           (p.X != vor.X || p.Y != vor.Y) &&
           (o.SprungDunkelVorher > 0 || o.SprungDunkelNachher > 0);
}

// The dark way of a jump: dark points at the predecessor, dark steps of at most the blanked
// limit (rounded up, so that no step is longer), dark points at the target.
template <typename Ausgeben>
void sprungDunkel(const Optimierungseinstellungen& o, const Listenpunkt& vor, const Listenpunkt& p,
                  Ausgeben& ausgeben) {
    Ausgabepunkt d;
    d.X = vor.X;
    d.Y = vor.Y;
    for (int k = 0; k < o.SprungDunkelVorher; ++k) ausgeben(d);
    const double grenze = std::max(o.MaxStreckenLaengeGeblankt, 1.0);
    if (grenze < 32767) {
        const double dx = static_cast<double>(vor.X) - p.X;
        const double dy = static_cast<double>(vor.Y) - p.Y;
        const double n = std::ceil(std::sqrt(dx * dx + dy * dy) / grenze);
        const double sX = dx / n, sY = dy / n;
        for (double k = 1; k < n; ++k) {
            d.X = vor.X - k * sX;
            d.Y = vor.Y - k * sY;
            ausgeben(d);
        }
    }
    d.X = p.X;
    d.Y = p.Y;
    for (int k = 0; k < o.SprungDunkelNachher; ++k) ausgeben(d);
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
        const bool blanken = sprungBlanken(o, vor, p);

        // The old-colour repeats prepare a drawn segment at the predecessor: a blanked jump has
        // none, and they would light the predecessor in the target's colour.
        if (p.Farbwechsel && !blanken && farbeAnders(p, vor)) {
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
        if (blanken) {
            sprungDunkel(o, vor, p, ausgeben);
            ausgeben(a);
        } else if (grenze >= 32767) {
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
