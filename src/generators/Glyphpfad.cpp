#include "generators/Glyphpfad.h"

#include "platform/Fehler.h"
#include "platform/Fehlerfalle.h"
#include "platform/Vb.h"

#include <algorithm>
#include <cmath>

namespace sw::gen {

namespace {

// The buffer word at index i; error 9 past its end, as an array read would raise.
std::int32_t wort(std::span<const std::int32_t> puffer, long long i) {
    if (i < 0 || i >= static_cast<long long>(puffer.size()))
        throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
    return puffer[static_cast<std::size_t>(i)];
}

} // namespace

void QuadBezierPunkte(int N, double x0, double x1, double x2, double y0, double y1, double y2,
                      std::vector<PunktPaar>& aus) {
    aus.assign(static_cast<std::size_t>(N) + 1, PunktPaar{});
    const double schritt = 1.0 / N;
    const double ax = x0 - 2 * x1 + x2, bx = 2 * x1 - 2 * x0;
    const double ay = y0 - 2 * y1 + y2, by = 2 * y1 - 2 * y0;
    for (int j = 0; j <= N; ++j) {
        const double t = j * schritt;
        aus[static_cast<std::size_t>(j)] = {vb::CLng(ax * t * t + bx * t + x0),
                                            vb::CLng(ay * t * t + by * t + y0)};
    }
}

int schrittzahl(int qualitaet, double ax, double ay, double bx, double by, double cx, double cy,
                double autoAbstand) {
    if (qualitaet >= 1) return std::min(qualitaet, kMaxSchritte);
    // Without a quality the control polygon's length sets the density: a chord of the curve is
    // never longer than it.
    const double laenge = std::hypot(bx - ax, by - ay) + std::hypot(cx - bx, cy - by);
    const double n = std::ceil(laenge / std::max(autoAbstand, 0.01));
    return static_cast<int>(std::clamp(n, 1.0, static_cast<double>(kMaxAutoSchritte)));
}

bool PolygonZeichnen(std::span<const std::int32_t> puffer, GlyphPath& pfad, int qualitaet,
                     Umgebung& env, double xVersatz, double yBezug, double autoAbstand) {
    bool vollstaendig = true;
    const bool gefangen = mitFehlerfalle(env, "Fehler Polygon zeichnen", Meldeart::Log, [&] {
        const long long U = static_cast<long long>(puffer.size()) - 1;
        auto nachX = [&](std::int32_t x) { return xVersatz + x / 65536.0; };
        auto nachY = [&](std::int32_t y) { return yBezug - y / 65536.0; };
        std::vector<std::int32_t> PX, PY;
        std::vector<PunktPaar> kurve;
        long long i = 0;
        while (i < U) {
            const double e = static_cast<double>(i) + wort(puffer, i) / 4.0;
            if (wort(puffer, i + 1) != kPolygonTyp) {
                env.dialoge.meldung("Fehler # Fehler Polygon zeichnen: Kurve ist kein Polygonzug");
                vollstaendig = false;
                return;
            }
            const std::int32_t sx = wort(puffer, i + 2), sy = wort(puffer, i + 3);
            pfad.anhaengen(nachX(sx), nachY(sy), glyphcode::Start);
            double aktX = vb::runden(nachX(sx)), aktY = vb::runden(nachY(sy));
            i += 4;
            while (static_cast<double>(i) < e) {
                const std::int32_t w = wort(puffer, i);
                const int typ = w & 0xFFFF;
                const int anzahl = w / 65536;
                i += 1;
                if (typ == kLinienRecord) {
                    for (int k = 0; k < anzahl; ++k) {
                        const std::int32_t x = wort(puffer, i), y = wort(puffer, i + 1);
                        pfad.anhaengen(nachX(x), nachY(y), glyphcode::Gerade);
                        aktX = vb::runden(nachX(x));
                        aktY = vb::runden(nachY(y));
                        i += 2;
                    }
                } else if (typ == kQSplineRecord) {
                    PX.assign(static_cast<std::size_t>(std::max(anzahl, 0)) + 1, 0);
                    PY.assign(PX.size(), 0);
                    for (int k = 1; k <= anzahl; ++k) {
                        PX[static_cast<std::size_t>(k)] = vb::CLng(nachX(wort(puffer, i)));
                        PY[static_cast<std::size_t>(k)] = vb::CLng(nachY(wort(puffer, i + 1)));
                        i += 2;
                    }
                    for (int k = 1; k <= anzahl - 1; ++k) {
                        const auto kk = static_cast<std::size_t>(k);
                        const double bx = PX[kk], by = PY[kk];
                        double cx = PX[kk + 1], cy = PY[kk + 1];
                        if (k != anzahl - 1) { // an implied on-curve point between two controls
                            cx = vb::CLng(bx + (PX[kk + 1] - bx) / 2);
                            cy = vb::CLng(by + (PY[kk + 1] - by) / 2);
                        }
                        const int N =
                            schrittzahl(qualitaet, aktX, aktY, bx, by, cx, cy, autoAbstand);
                        QuadBezierPunkte(N, aktX, bx, cx, aktY, by, cy, kurve);
                        for (int j = 1; j <= N; ++j) {
                            const auto& p = kurve[static_cast<std::size_t>(j)];
                            pfad.anhaengen(p.x, p.y, glyphcode::Kurve);
                            aktX = p.x;
                            aktY = p.y;
                        }
                    }
                } else {
                    // Cubic records are not drawn; their points are passed over.
                    i += 2LL * std::max(anzahl, 0);
                }
            }
            pfad.anhaengen(nachX(sx), nachY(sy), glyphcode::Schluss);
        }
    });
    return gefangen && vollstaendig;
}

long GlyphOutlineHolen(std::vector<std::int32_t>& puffer, const GlyphOutlineFunktion& abfrage,
                       Umgebung& env) {
    const long groesse = abfrage(nullptr, 0);
    if (groesse < 1) return groesse;
    const auto woerter = static_cast<std::size_t>(vb::runden(groesse / 4.0 - 1)) + 1;
    std::vector<std::uint8_t> bytes(
        std::max<std::size_t>(woerter * 4, static_cast<std::size_t>(groesse)));
    const long gelesen = abfrage(bytes.data(), groesse);
    if (gelesen < 1) {
        env.dialoge.meldung("Fehler # GetGlyphOutline: Error!");
        return gelesen;
    }
    puffer.assign(woerter, 0);
    for (std::size_t w = 0; w < woerter; ++w)
        puffer[w] = static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[4 * w]) |
                                              static_cast<std::uint32_t>(bytes[4 * w + 1]) << 8 |
                                              static_cast<std::uint32_t>(bytes[4 * w + 2]) << 16 |
                                              static_cast<std::uint32_t>(bytes[4 * w + 3]) << 24);
    return gelesen;
}

} // namespace sw::gen
