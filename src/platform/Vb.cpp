#include "platform/Vb.h"

#include "platform/Fehler.h"

#include <cmath>
#include <limits>

namespace sw::vb {

namespace {
template <typename T> T umwandeln(double wert) {
    if (std::isnan(wert)) throw Laufzeitfehler(6);
    double r = runden(wert);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        throw Laufzeitfehler(6);
    return static_cast<T>(r);
}
} // namespace

std::int16_t CInt(double wert) {
    return umwandeln<std::int16_t>(wert);
}
std::int32_t CLng(double wert) {
    return umwandeln<std::int32_t>(wert);
}
std::uint8_t CByte(double wert) {
    return umwandeln<std::uint8_t>(wert);
}

std::int32_t ganzzahlDivision(double a, double b) {
    std::int32_t zaehler = CLng(a);
    std::int32_t nenner = CLng(b);
    if (nenner == 0) throw Laufzeitfehler(11);
    if (zaehler == std::numeric_limits<std::int32_t>::min() && nenner == -1)
        throw Laufzeitfehler(6);
    return zaehler / nenner;
}

double Int(double wert) {
    return std::floor(wert);
}
double Fix(double wert) {
    return std::trunc(wert);
}

} // namespace sw::vb
