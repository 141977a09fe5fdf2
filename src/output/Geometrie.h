#pragma once
// Geometry correction per device: the show size applied while the output routine distributes a
// point, and the pass over the raw list before path optimisation (size, shift, ceiling squeeze,
// rotation and tilt, mirroring, exchange, device coordinates).

#include "einstellungen/Einstellungen.h"
#include "output/Ausgabetypen.h"

#include <cstdint>

namespace sw {

struct Geometriekorrektur {
    std::uint8_t SpiegelnX = 0;
    std::uint8_t SpiegelnY = 0;
    std::uint8_t SwapXY = 0;
    double VerschiebenX = 0;
    double VerschiebenY = 0;
    double Drehung = 0;
    double GlobalGroesseX = 1;
    double GlobalGroesseY = 1;
    double ShowGroeseX = 0.8;
    double ShowGroeseY = 0.8;
    double TrapezX = 0;
    double TrapezY = 0;
    std::int16_t TrapezLWAbstand = 32767;
    std::int16_t DeckenHoehe = 32767;
};

// Show size: scales x and y for the device and clamps them to -32768 ... 32767; each clamped
// value multiplies the visibility by `begrenzung` (figure setting 164).
void showGroesse(const Geometriekorrektur& g, double& x, double& y, double& sichtbar,
                 double begrenzung);

// The pass over positions erster() to anzahl() of the list: afterwards X and Y are device
// coordinates (0 to 65535).
void geometriePass(const Geometriekorrektur& g, Rohliste& liste);

// The record in section "Geometriekorrektur(n)"; a missing key keeps the value held.
void geometrieLaden(Geometriekorrektur& g, Einstellungen& e, int geraet);
void geometrieSpeichern(const Geometriekorrektur& g, Einstellungen& e, int geraet);

} // namespace sw
