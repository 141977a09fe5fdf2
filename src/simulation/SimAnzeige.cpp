#include "simulation/SimAnzeige.h"

#include "einstellungen/Einstellungen.h"

#include <algorithm>

namespace sw {

namespace {

// The key of the far corner's alpha ends in a blank, as the files have it.
constexpr const char* kTrans = "OpenGL_Trans ";

template <typename F> void jedeEinstellung(SimAnzeige& s, F&& f) {
    f("OpenGL_Simulation", s.OpenGL_Simulation);
    f("Sim_Beam", s.Sim_Beam);
    f("Sim_Grafik", s.Sim_Grafik);
    f("SimGroeße", s.SimGroesse);
    f("AusgabeVerschiebungX", s.AusgabeVerschiebungX);
    f("AusgabeVerschiebungY", s.AusgabeVerschiebungY);
    for (int i = 0; i < 3; ++i)
        f(schluessel("Rotation", i), s.Rotation[static_cast<std::size_t>(i)]);
    f(kTrans, s.OpenGL_Trans);
    f("OpenGl_Beam", s.OpenGl_Beam);
    f("OpenGl_Leinwand", s.OpenGl_Leinwand);
    f("OpenGl_Nebel", s.OpenGl_Nebel);
}

} // namespace

void simAnzeigeLaden(SimAnzeige& s, Einstellungen& e) {
    jedeEinstellung(
        s, [&](const std::string& k, auto& wert) { zahlInWert(e, kSimAbschnitt, k, wert); });
    // Alphas outside 0..1 would brighten every beam past its colour.
    for (float* a : {&s.OpenGL_Trans, &s.OpenGl_Beam, &s.OpenGl_Leinwand, &s.OpenGl_Nebel})
        *a = std::clamp(*a, 0.0f, 1.0f);
}

void simAnzeigeSpeichern(const SimAnzeige& s, Einstellungen& e) {
    SimAnzeige kopie = s;
    jedeEinstellung(kopie, [&](const std::string& k, const auto& wert) {
        wertAlsZahl(e, kSimAbschnitt, k, wert);
    });
}

void projektorenSpeichern(std::span<const double> x, std::span<const double> y, Einstellungen& e) {
    for (std::size_t d = 0; d < x.size(); ++d)
        wertAlsZahl(e, kSimAbschnitt, schluessel("ProjektorVerschiebungX", static_cast<int>(d)),
                    x[d]);
    for (std::size_t d = 0; d < y.size(); ++d)
        wertAlsZahl(e, kSimAbschnitt, schluessel("ProjektorVerschiebungY", static_cast<int>(d)),
                    y[d]);
}

} // namespace sw
