#include "generators/Zeichenhilfe.h"

#include "core/Farben.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sw::gen {

std::int32_t index(Farbe f) {
    return FarbIndexAusRGB(f.R, f.G, f.B);
}

void Pfad::sprung(int x, int y, Farbe f) {
    punkte_.push_back(Punkt{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), index(f),
                            status::Sprung});
    farben_.push_back(f);
}

void Pfad::linie(int x, int y, Farbe f, int schritt) {
    const Punkt start = punkte_.empty() ? Punkt{} : punkte_.back();
    const int dx = x - start.X, dy = y - start.Y;
    const int n = std::max(1, static_cast<int>(std::ceil(std::hypot(dx, dy) / schritt)));
    for (int i = 1; i <= n; ++i) {
        Punkt p;
        p.X = static_cast<std::int16_t>(start.X + std::lround(static_cast<double>(dx) * i / n));
        p.Y = static_cast<std::int16_t>(start.Y + std::lround(static_cast<double>(dy) * i / n));
        p.Farbe = index(f);
        p.Status = i == n ? 3 : 0;
        punkte_.push_back(p);
        farben_.push_back(f);
    }
}

void Pfad::verweilen(int n) {
    if (punkte_.empty()) return;
    for (int i = 0; i < n; ++i) {
        Punkt p = punkte_.back();
        p.Status = 0;
        punkte_.push_back(p);
        farben_.push_back(farben_.back());
    }
}

std::vector<TestbildPunkt> Pfad::alsTestbild(bool sprungDunkel) const {
    std::vector<TestbildPunkt> aus;
    for (std::size_t i = 0; i < punkte_.size(); ++i) {
        const auto& p = punkte_[i];
        const auto& f = farben_[i];
        bool dunkel = sprungDunkel && (p.Status & status::Sprung);
        aus.push_back(TestbildPunkt{p.X, p.Y, f.R, f.G, f.B, dunkel});
    }
    return aus;
}

Figur neueFigur(std::vector<Frame> frames, double framedauer) {
    Figur f;
    f.Frames = std::move(frames);
    f.Parameter[parameter::Echtzeitoptimierung] = 1.0;
    f.Parameter[parameter::Reserviert303] = 2.0;
    f.Parameter[parameter::Framedauer] = framedauer;
    f.Parameter[180] = 1.0;
    f.Parameter[181] = 1.0;
    f.Parameter[182] = 100.0;
    return f;
}

} // namespace sw::gen
