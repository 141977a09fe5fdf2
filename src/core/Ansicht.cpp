#include "core/Ansicht.h"

#include <algorithm>
#include <cmath>

namespace sw {

void Grenzen::dazu(double x, double y) {
    if (leer) {
        minX = maxX = x;
        minY = maxY = y;
        leer = false;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

Grenzen figurGrenzen(const Figur& f) {
    Grenzen g;
    for (const auto& frame : f.Frames)
        for (std::size_t i = 1; i < frame.Punkte.size(); ++i)
            g.dazu(frame.Punkte[i].X, frame.Punkte[i].Y);
    return g;
}

double Ansicht::massstab() const {
    return std::min(breite, hoehe) / 65536.0 * zoom;
}

std::pair<double, double> Ansicht::nachBildschirm(double x, double y) const {
    const double m = massstab();
    return {breite / 2 + (x - mitteX) * m, hoehe / 2 - (y - mitteY) * m};
}

std::pair<double, double> Ansicht::nachFigur(double bx, double by) const {
    const double m = massstab();
    return {mitteX + (bx - breite / 2) / m, mitteY - (by - hoehe / 2) / m};
}

void Ansicht::zoomUm(double bx, double by, double faktor) {
    const auto [fx, fy] = nachFigur(bx, by);
    zoom = std::clamp(zoom * faktor, kZoomMin, kZoomMax);
    const double m = massstab();
    mitteX = fx - (bx - breite / 2) / m;
    mitteY = fy + (by - hoehe / 2) / m;
}

void Ansicht::verschieben(double dx, double dy) {
    const double m = massstab();
    mitteX -= dx / m;
    mitteY += dy / m;
}

void Ansicht::einpassen(const Grenzen& g) {
    const double w = g.leer ? 0 : g.maxX - g.minX, h = g.leer ? 0 : g.maxY - g.minY;
    if (w <= 0 && h <= 0) {
        hundertProzent();
        if (!g.leer) {
            mitteX = g.minX;
            mitteY = g.minY;
        }
        return;
    }
    // The rectangle takes 90 % of the widget in its tighter direction.
    const double pixel = std::min(w > 0 ? breite / w : kZoomMax, h > 0 ? hoehe / h : kZoomMax);
    zoom = std::clamp(0.9 * pixel * 65536.0 / std::min(breite, hoehe), kZoomMin, kZoomMax);
    mitteX = (g.minX + g.maxX) / 2;
    mitteY = (g.minY + g.maxY) / 2;
}

void Ansicht::hundertProzent() {
    zoom = 1;
    mitteX = mitteY = 0;
}

long punktUnter(const std::vector<Punkt>& punkte, const Ansicht& a, double bx, double by,
                double radius) {
    long beste = -1;
    double besteAbstand = radius * radius;
    for (std::size_t i = 1; i < punkte.size(); ++i) {
        const auto [px, py] = a.nachBildschirm(punkte[i].X, punkte[i].Y);
        const double d = (px - bx) * (px - bx) + (py - by) * (py - by);
        if (d <= besteAbstand) {
            besteAbstand = d;
            beste = static_cast<long>(i);
        }
    }
    return beste;
}

bool wegDunkel(const Punkt& p, const RGB& farbe, bool echtzeitoptimiert) {
    if (p.Farbe <= 0 || farbe.R + farbe.G + farbe.B <= 0) return true;
    return echtzeitoptimiert && (p.Status & status::Sprung);
}

} // namespace sw
