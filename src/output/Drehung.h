#pragma once
// The rotation rule shared by the output routine and the geometry pass: angles (a, b, c) in
// degrees turn a point about the Z axis by b, then about the X axis by c, then about the Y axis
// by a, each by the negated angle. Sines and cosines are computed once per rotation, not per
// point.

#include <cmath>

namespace sw {

inline constexpr double kGradNachRad = 0.017453292519943278;

struct Drehung {
    double sa = 0, ka = 1, sb = 0, kb = 1, sc = 0, kc = 1;

    Drehung() = default;
    Drehung(double a, double b, double c)
        : sa(std::sin(-a * kGradNachRad)), ka(std::cos(-a * kGradNachRad)),
          sb(std::sin(-b * kGradNachRad)), kb(std::cos(-b * kGradNachRad)),
          sc(std::sin(-c * kGradNachRad)), kc(std::cos(-c * kGradNachRad)) {}

    // Turns (x, y, z) in place; z receives z2 for the perspective.
    void anwenden(double& x, double& y, double& z) const {
        const double x1 = kb * x - sb * y;
        const double y1 = kb * y + sb * x;
        const double z1 = kc * z - sc * y1;
        const double y2 = kc * y1 + sc * z;
        const double x2 = sa * z1 + ka * x1;
        const double z2 = ka * z1 - sa * x1;
        x = x2;
        y = y2;
        z = z2;
    }
};

} // namespace sw
