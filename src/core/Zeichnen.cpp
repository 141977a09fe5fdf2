#include "core/Zeichnen.h"

#include "platform/Vb.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sw {

namespace {

void undo(FigurenSpeicher& s) {
    if (s.hooks.undoSchreiben) s.hooks.undoSchreiben();
}

std::int16_t begrenzt(double v) {
    return static_cast<std::int16_t>(std::clamp(vb::runden(v), -32768.0, 32767.0));
}

void anhaengen(FigurenSpeicher& s, const Zeichnung& z, double x, double y, std::uint8_t st) {
    auto& punkte = s.aktuellerFrame().Punkte;
    if (static_cast<long>(punkte.size()) >= kMaxPunkteProFrame) return;
    punkte.push_back(Punkt{rasten(z, x), rasten(z, y), z.farbe, st});
}

std::pair<double, double> mitte(FigurenSpeicher& s, const Zeichnung& z) {
    const auto& punkte = s.aktuellerFrame().Punkte;
    double mx = 0, my = 0;
    int n = 0;
    for (long i : z.markiert)
        if (i > 0 && i < static_cast<long>(punkte.size())) {
            mx += punkte[static_cast<std::size_t>(i)].X;
            my += punkte[static_cast<std::size_t>(i)].Y;
            ++n;
        }
    return n ? std::pair{mx / n, my / n} : std::pair{0.0, 0.0};
}

template <typename F> void markierteAendern(FigurenSpeicher& s, const Zeichnung& z, F&& f) {
    if (z.markiert.empty()) return;
    undo(s);
    auto& punkte = s.aktuellerFrame().Punkte;
    for (long i : z.markiert)
        if (i > 0 && i < static_cast<long>(punkte.size())) f(punkte[static_cast<std::size_t>(i)]);
}

} // namespace

std::int16_t rasten(const Zeichnung& z, double wert) {
    if (z.rasterAn && z.raster > 0) wert = vb::runden(wert / z.raster) * z.raster;
    return begrenzt(wert);
}

void punktZeichnen(FigurenSpeicher& s, const Zeichnung& z, double x, double y) {
    undo(s);
    anhaengen(s, z, x, y, status::Sprung);
}

void linieZeichnen(FigurenSpeicher& s, const Zeichnung& z, double x0, double y0, double x1,
                   double y1) {
    undo(s);
    anhaengen(s, z, x0, y0, status::Sprung);
    anhaengen(s, z, x1, y1, 3);
}

void rechteckZeichnen(FigurenSpeicher& s, const Zeichnung& z, double x0, double y0, double x1,
                      double y1) {
    undo(s);
    anhaengen(s, z, x0, y0, status::Sprung);
    anhaengen(s, z, x1, y0, 3);
    anhaengen(s, z, x1, y1, 3);
    anhaengen(s, z, x0, y1, 3);
    anhaengen(s, z, x0, y0, 3);
}

void ellipseZeichnen(FigurenSpeicher& s, const Zeichnung& z, double x0, double y0, double x1,
                     double y1) {
    undo(s);
    const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    const double rx = std::abs(x1 - x0) / 2, ry = std::abs(y1 - y0) / 2;
    const int n = 48;
    for (int i = 0; i <= n; ++i) {
        const double w = 2 * std::numbers::pi * i / n;
        anhaengen(s, z, mx + rx * std::cos(w), my + ry * std::sin(w),
                  i == 0   ? status::Sprung
                  : i == n ? 3
                           : 0);
    }
}

void freihandZeichnen(FigurenSpeicher& s, const Zeichnung& z,
                      const std::vector<std::pair<double, double>>& weg, double abstand) {
    if (weg.empty()) return;
    undo(s);
    std::pair<double, double> letzter = weg.front();
    anhaengen(s, z, letzter.first, letzter.second, status::Sprung);
    for (std::size_t i = 1; i < weg.size(); ++i) {
        const auto& p = weg[i];
        const bool ende = i + 1 == weg.size();
        if (!ende && std::hypot(p.first - letzter.first, p.second - letzter.second) < abstand)
            continue;
        anhaengen(s, z, p.first, p.second, ende ? 3 : 0);
        letzter = p;
    }
}

void zugPunkt(FigurenSpeicher& s, Zeichnung& z, double x, double y) {
    undo(s);
    if (!z.zugOffen) {
        z.zugOffen = true;
        z.zugStart = static_cast<long>(s.aktuellerFrame().Punkte.size());
        anhaengen(s, z, x, y, status::Sprung);
    } else {
        anhaengen(s, z, x, y, 3);
    }
}

void zugBeenden(FigurenSpeicher& s, Zeichnung& z) {
    if (!z.zugOffen) return;
    z.zugOffen = false;
    auto& punkte = s.aktuellerFrame().Punkte;
    if (z.werkzeug == Werkzeug::Polygon && z.zugStart < static_cast<long>(punkte.size())) {
        const Punkt start = punkte[static_cast<std::size_t>(z.zugStart)];
        punkte.push_back(Punkt{start.X, start.Y, z.farbe, 3});
    }
}

int radieren(FigurenSpeicher& s, const Zeichnung&, double x, double y, double radius) {
    auto& punkte = s.aktuellerFrame().Punkte;
    auto treffer = [&](const Punkt& p) { return std::hypot(p.X - x, p.Y - y) <= radius; };
    if (std::none_of(punkte.begin() + 1, punkte.end(), treffer)) return 0;
    undo(s);
    auto& ps = s.aktuellerFrame().Punkte;
    const auto vorher = ps.size();
    ps.erase(std::remove_if(ps.begin() + 1, ps.end(), treffer), ps.end());
    return static_cast<int>(vorher - ps.size());
}

bool pipette(FigurenSpeicher& s, Zeichnung& z, double x, double y) {
    const auto& punkte = s.aktuellerFrame().Punkte;
    if (punkte.size() < 2) return false;
    auto naechster =
        std::min_element(punkte.begin() + 1, punkte.end(), [&](const Punkt& a, const Punkt& b) {
            return std::hypot(a.X - x, a.Y - y) < std::hypot(b.X - x, b.Y - y);
        });
    z.farbe = naechster->Farbe;
    return true;
}

void markieren(FigurenSpeicher& s, Zeichnung& z, double x0, double y0, double x1, double y1) {
    z.markiert.clear();
    const auto& punkte = s.aktuellerFrame().Punkte;
    const double l = std::min(x0, x1), r = std::max(x0, x1), u = std::min(y0, y1),
                 o = std::max(y0, y1);
    for (std::size_t i = 1; i < punkte.size(); ++i)
        if (punkte[i].X >= l && punkte[i].X <= r && punkte[i].Y >= u && punkte[i].Y <= o)
            z.markiert.push_back(static_cast<long>(i));
}

void markierteVerschieben(FigurenSpeicher& s, const Zeichnung& z, double dx, double dy) {
    markierteAendern(s, z, [&](Punkt& p) {
        p.X = rasten(z, p.X + dx);
        p.Y = rasten(z, p.Y + dy);
    });
}

void markierteDrehen(FigurenSpeicher& s, const Zeichnung& z, double grad) {
    // Plain locals, not structured bindings: clang 14 cannot capture those in a lambda.
    const auto m = mitte(s, z);
    const double mx = m.first, my = m.second;
    const double w = grad * std::numbers::pi / 180, c = std::cos(w), sn = std::sin(w);
    markierteAendern(s, z, [&](Punkt& p) {
        const double x = p.X - mx, y = p.Y - my;
        p.X = begrenzt(mx + c * x - sn * y);
        p.Y = begrenzt(my + sn * x + c * y);
    });
}

void markierteSkalieren(FigurenSpeicher& s, const Zeichnung& z, double faktor) {
    const auto m = mitte(s, z);
    const double mx = m.first, my = m.second;
    markierteAendern(s, z, [&](Punkt& p) {
        p.X = begrenzt(mx + (p.X - mx) * faktor);
        p.Y = begrenzt(my + (p.Y - my) * faktor);
    });
}

void markierteLoeschen(FigurenSpeicher& s, Zeichnung& z) {
    if (z.markiert.empty()) return;
    undo(s);
    auto& punkte = s.aktuellerFrame().Punkte;
    std::vector<long> weg = z.markiert;
    std::sort(weg.rbegin(), weg.rend());
    for (long i : weg)
        if (i > 0 && i < static_cast<long>(punkte.size())) punkte.erase(punkte.begin() + i);
    z.markiert.clear();
}

} // namespace sw
