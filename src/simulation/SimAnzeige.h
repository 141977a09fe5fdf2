#pragma once
// The simulation window's display settings, section "Optionen_frmAusgabe". The projector
// offsets of the sixteen devices live with the output state (the simulation point list carries
// them per point); they are saved here with the rest of the section.

#include <array>
#include <cstdint>
#include <span>

namespace sw {

class Einstellungen;

inline constexpr const char* kSimAbschnitt = "Optionen_frmAusgabe";

struct SimAnzeige {
    bool OpenGL_Simulation = true;  // the OpenGL renderer is chosen (else the flat drawing)
    bool Sim_Beam = true;           // beam fans (display list 1)
    bool Sim_Grafik = true;         // the figure on the screen plane (display list 2)
    std::int16_t SimGroesse = 8000; // scale SimGroesse / 8000
    float AusgabeVerschiebungX = 0, AusgabeVerschiebungY = 0;
    // Degrees about Y, X and Z. Until set, the view looks from above the projector, so the
    // beams show as fans rather than end-on.
    std::array<float, 3> Rotation{0, -55, 0};
    // Alphas 0..1: the far beam corner (key "OpenGL_Trans " with its blank), the beam edge
    // lines, the lines on the screen plane, the projector end of the fans. Hundreds of fans
    // add up, so the beams start faint.
    float OpenGL_Trans = 0.12f;
    float OpenGl_Beam = 0.15f;
    float OpenGl_Leinwand = 1.0f;
    float OpenGl_Nebel = 0.02f;

    double massstab() const { return SimGroesse / 8000.0; }
};

// A key that is absent keeps the value held.
void simAnzeigeLaden(SimAnzeige& s, Einstellungen& e);
void simAnzeigeSpeichern(const SimAnzeige& s, Einstellungen& e);
void projektorenSpeichern(std::span<const double> x, std::span<const double> y, Einstellungen& e);

} // namespace sw
