#include "output/Ausgabe.h"
#include "output/Drehung.h"
#include "platform/Vb.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

// Sign and offset of copy c of N along one axis: even counts place copies at +-0.5, +-1.5, ...
// spacings, odd counts at 0, +-1, +-2, ...
void kopieLage(double N, int c, double& vorzeichen, double& versatz) {
    const double halb = vb::ganzzahlDivision(N, 2);
    if (halb == N / 2) {
        vorzeichen = c % 2 == 0 ? 1 : -1;
        versatz = vb::ganzzahlDivision(c + 1, 2) - 0.5;
    } else {
        vorzeichen = c == 1 ? 0 : c % 2 == 0 ? 1 : -1;
        versatz = vb::ganzzahlDivision(c, 2);
    }
}

inline std::int16_t farbByte(double wert) {
    return static_cast<std::int16_t>(std::clamp(vb::runden(wert), 0.0, 255.0));
}

inline std::int32_t ganz(double wert) {
    return static_cast<std::int32_t>(vb::runden(wert));
}

struct Geraetedaten {
    int nummer;
    Rohliste* liste;
    const Geometriekorrektur* geometrie;
    const GeraeteFarben* farben;
    int vorlauf, nachlauf;
};

} // namespace

void AusgabeRoutine(AusgabeZustand& a, const FigurenSpeicher& s, const Paletten& p, int seite) {
    std::array<Geraetedaten, kGeraete> geraete;
    int anzahl = 0;
    for (int d = 0; d < kGeraete; ++d)
        if (a.SpurZuordnung[static_cast<std::size_t>(seite)][static_cast<std::size_t>(d)])
            geraete[static_cast<std::size_t>(anzahl++)] =
                Geraetedaten{d,
                             &a.Ausgabeliste[static_cast<std::size_t>(d)],
                             &a.Geometrie[static_cast<std::size_t>(d)],
                             &a.Farben.geraete[static_cast<std::size_t>(d)],
                             a.Optimierung[static_cast<std::size_t>(d)].MinimumFrameStartPunkte,
                             a.Optimierung[static_cast<std::size_t>(d)].MinimumFrammeEndPunkte};
    if (anzahl == 0) return;

    for (int t = 3 * seite; t < 3 * seite + 3; ++t) {
        const auto& auswahl = s.SpurAuswahl[t];
        if (auswahl.Figur == -1 || !s.Figuren.enthaelt(auswahl.Figur)) continue;
        const Figur& figur = s.Figuren[auswahl.Figur];
        if (auswahl.Frame < 0 || auswahl.Frame >= static_cast<long>(figur.Frames.size())) continue;
        const auto& punkte = figur.Frames[static_cast<std::size_t>(auswahl.Frame)].Punkte;
        const long n = static_cast<long>(punkte.size()) - 1;
        if (n <= 0) continue;

        const auto& E = a.Effekt.EffektWerte[t];
        const auto& P = figur.Parameter;
        const Drehung ebene(0, E[1], 0);
        const Drehung raum(E[15], E[16], E[14]);
        const bool flagA = P[398] != 0;
        const bool flagB = P[397] != 0;

        double kopienX = P[180], kopienY = P[181], kopienGroesse = P[182];
        // A fresh figure holds 0 in all three; that means one copy at full size.
        if (kopienX == 0 && kopienY == 0 && kopienGroesse == 0)
            kopienX = 1, kopienY = 1, kopienGroesse = 100;
        const int durchgaengeX = std::max(1, static_cast<int>(std::floor(kopienX)));
        const int durchgaengeY = std::max(1, static_cast<int>(std::floor(kopienY)));

        const double drehX = E[9] * 32767, drehY = E[10] * 32767;
        const double c7 = E[7] * 32767, c8 = E[8] * 32767;
        const double offX = 2 * E[11] * 32767, offY = 2 * E[12] * 32767;
        const double groesse = E[0] / 127;
        const double D = a.Perspektivabstand[static_cast<std::size_t>(t)];
        const double begrenzung = P[164];
        const int maske = static_cast<int>(P[167]);
        const bool ebeneDrehen = E[1] != 0;

        bool ersterDurchgang = true;
        for (int cx = 1; cx <= durchgaengeX; ++cx) {
            for (int cy = 1; cy <= durchgaengeY; ++cy) {
                if (!ersterDurchgang) {
                    for (int g = 0; g < anzahl; ++g) {
                        Rohliste& l = *geraete[static_cast<std::size_t>(g)].liste;
                        if (l.leer()) continue;
                        Listenpunkt sprung = l[l.anzahl()];
                        sprung.R = sprung.G = sprung.B = sprung.I = 0;
                        l.anhaengen(sprung);
                    }
                }
                ersterDurchgang = false;
                double sX, oX, sY, oY;
                kopieLage(kopienX, cx, sX, oX);
                kopieLage(kopienY, cy, sY, oY);

                for (long pi = 1; pi <= n; ++pi) {
                    const Punkt& pt = punkte[static_cast<std::size_t>(pi)];
                    double x = pt.X, y = pt.Y, z = 0, v = 1;
                    if (ebeneDrehen) {
                        x -= drehX;
                        y -= drehY;
                        ebene.anwenden(x, y, z);
                        x += drehX;
                        y += drehY;
                        z = 0;
                    }
                    x = (x - c7) * E[2] + c7;
                    y = (y - c8) * E[3] + c8;
                    x = offX + groesse * x;
                    y = offY + groesse * y;
                    if (maske != 0 && pt.Farbe > 0) {
                        if ((maske == 3 && x < 0) || (maske == 4 && x > 0) ||
                            (maske == 2 && y < 0) || (maske == 1 && y > 0))
                            v = 0;
                    }
                    if (P[185] == 1 && sX == -1) x = -x;
                    if (P[186] == 1 && sY == -1) y = -y;
                    x = sX * oX * P[183] + x * kopienGroesse / 100;
                    y = sY * oY * P[184] + y * kopienGroesse / 100;
                    raum.anwenden(x, y, z);
                    const double nenner = z + D;
                    if (nenner != 0 && std::isfinite(D / nenner)) {
                        x = D / nenner * x;
                        y = D / nenner * y;
                    } else {
                        v = 0; // a point at the viewer cannot be projected
                    }
                    long index = static_cast<std::int16_t>(pt.Farbe & 0xFFFF);
                    if (index < -1 || index > kFarbObergrenze) index = -1;

                    Listenpunkt eintrag;
                    eintrag.Strecke = (pt.Status & status::Sprung) == 0;
                    // The walk blanks jumps of figures with real-time optimisation on; test
                    // pictures have it off, so their points (all jumps) are drawn as stored.
                    eintrag.Sprung = !eintrag.Strecke && flagA;
                    eintrag.Farbwechsel = (pt.Status & status::Farbwechsel) && flagA && !flagB;
                    eintrag.Ecke = (pt.Status & status::Ecke) && flagA;
                    eintrag.Weich = flagB;
                    eintrag.Text = (pt.Status & status::Text) != 0;

                    for (int g = 0; g < anzahl; ++g) {
                        const Geraetedaten& gd = geraete[static_cast<std::size_t>(g)];
                        double X = x, Y = y, sichtbar = v;
                        showGroesse(*gd.geometrie, X, Y, sichtbar, begrenzung);
                        double R, G, B;
                        punktFarbe(*gd.farben, p, index, E[4], E[5], E[6], R, G, B);
                        const std::int16_t r = farbByte(R * sichtbar);
                        const std::int16_t gr = farbByte(G * sichtbar);
                        const std::int16_t b = farbByte(B * sichtbar);
                        std::int16_t i;
                        if (gd.farben->Intensitaet_gleich_HellsteFarbe) {
                            i = std::max({r, gr, b});
                        } else {
                            i = static_cast<std::int16_t>(r / 5 + gr / 4 + b / 3);
                            if (i > 0) i = static_cast<std::int16_t>(i + 56);
                        }
                        const std::int32_t ix = ganz(X), iy = ganz(Y);
                        Listenpunkt dunkel;
                        dunkel.X = ix;
                        dunkel.Y = iy;
                        dunkel.Strecke = true;
                        if (pi == 1)
                            for (int k = 0; k < gd.vorlauf; ++k) gd.liste->anhaengen(dunkel);
                        eintrag.X = ix;
                        eintrag.Y = iy;
                        eintrag.R = r;
                        eintrag.G = gr;
                        eintrag.B = b;
                        eintrag.I = i;
                        gd.liste->anhaengen(eintrag);
                        if (pi == n)
                            for (int k = 0; k < gd.nachlauf; ++k) gd.liste->anhaengen(dunkel);
                    }
                }
            }
        }
    }
    for (int g = 0; g < anzahl; ++g)
        a.Geraetestatus[static_cast<std::size_t>(geraete[static_cast<std::size_t>(g)].nummer)] |=
            a.Spurstatus[static_cast<std::size_t>(3 * seite)];
}

} // namespace sw
