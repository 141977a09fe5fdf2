#include "simulation/SimGeometrie.h"

#include <algorithm>
#include <new>

namespace sw {

SimVertex* Vertexfeld::anhaengen(std::size_t n) {
    if (anzahl_ + n > kapazitaet_) {
        const std::size_t neu = std::max(anzahl_ + n, kapazitaet_ * 2);
        // Default-initialised: the vertices are written before they are read.
        auto daten = std::unique_ptr<SimVertex[]>(new SimVertex[neu]);
        std::copy_n(daten_.get(), anzahl_, daten.get());
        daten_ = std::move(daten);
        kapazitaet_ = neu;
    }
    SimVertex* p = daten_.get() + anzahl_;
    anzahl_ += n;
    return p;
}

namespace {

constexpr float kVoll = 32767.0f;

float begrenzt(double v, double grenze) {
    return static_cast<float>(std::clamp(v, -grenze, grenze));
}

} // namespace

void simGeometrieBauen(const double* liste, long letzterIndex, const SimAnzeige& s,
                       SimGeometrie& g) {
    g.Strahlen.leeren();
    g.Kanten.leeren();
    g.Leinwand.leeren();
    const long segmente = letzterIndex < 7 ? 0 : letzterIndex / 7;
    if (segmente == 0 || (!s.Sim_Beam && !s.Sim_Grafik)) return;

    const double m = s.massstab();
    const double ax = -800.0 * s.AusgabeVerschiebungX, ay = -800.0 * s.AusgabeVerschiebungY;
    auto X = [&](const double* z) { return m * (z[0] - 32767) + ax; };
    auto Y = [&](const double* z) { return m * (z[1] - 32767) + 10 + ay; };
    auto PX = [&](const double* z) { return m * 0.5 * z[5] + ax; };
    auto PY = [&](const double* z) { return m * 0.5 * z[6] + ay; };

    const auto n = static_cast<std::size_t>(segmente);
    SimVertex* dreieck = s.Sim_Beam ? g.Strahlen.anhaengen(3 * n) : nullptr;
    SimVertex* kante = s.Sim_Beam ? g.Kanten.anhaengen(2 * n) : nullptr;
    SimVertex* linie = s.Sim_Grafik ? g.Leinwand.anhaengen(2 * n) : nullptr;
    const SimVertex* dreieckAnfang = dreieck;
    const SimVertex* kanteAnfang = kante;
    const SimVertex* linieAnfang = linie;

    for (long i = 0; i + 7 <= letzterIndex; i += 7) {
        const double* p = liste + i;
        const double* q = p + 7;
        // The segment takes the colour of its end point; into a blanked point it is dark.
        if (q[2] == 0 && q[3] == 0 && q[4] == 0) continue;
        const float r = static_cast<float>(q[2] / 255), gr = static_cast<float>(q[3] / 255),
                    b = static_cast<float>(q[4] / 255);
        const double px = PX(p), py = PY(p);
        const double xp = X(p), yp = Y(p), xq = X(q), yq = Y(q);
        if (dreieck) {
            const float ex = static_cast<float>(px / kVoll), ey = static_cast<float>(py / kVoll);
            const float x2 = begrenzt((px + xp) / kVoll, 2), y2 = begrenzt((py + yp) / kVoll, 2);
            dreieck[0] = {ex, ey, -0.8f, r, gr, b, s.OpenGl_Nebel};
            dreieck[1] = {x2, y2, 0.8f, r, gr, b, s.OpenGl_Nebel};
            dreieck[2] = {begrenzt((px + xq) / kVoll, 2),
                          begrenzt((py + yq) / kVoll, 2),
                          0.8f,
                          r,
                          gr,
                          b,
                          s.OpenGL_Trans};
            dreieck += 3;
            kante[0] = {ex, ey, -0.8f, r, gr, b, s.OpenGl_Beam};
            kante[1] = {x2, y2, 0.8f, r, gr, b, s.OpenGl_Beam};
            kante += 2;
        }
        if (linie) {
            linie[0] = {begrenzt((xp / 2 + px) / kVoll, 1),
                        begrenzt((yp / 2 + py) / kVoll, 1),
                        0,
                        r,
                        gr,
                        b,
                        s.OpenGl_Leinwand};
            linie[1] = {begrenzt((xq / 2 + px) / kVoll, 1),
                        begrenzt((yq / 2 + py) / kVoll, 1),
                        0,
                        r,
                        gr,
                        b,
                        s.OpenGl_Leinwand};
            linie += 2;
        }
    }
    if (dreieckAnfang) g.Strahlen.kuerzen(static_cast<std::size_t>(dreieck - dreieckAnfang));
    if (kanteAnfang) g.Kanten.kuerzen(static_cast<std::size_t>(kante - kanteAnfang));
    if (linieAnfang) g.Leinwand.kuerzen(static_cast<std::size_t>(linie - linieAnfang));
}

} // namespace sw
