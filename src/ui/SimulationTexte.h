#pragma once
// The simulation window's captions and messages (texts 1750 to 1769), German and English.
// Header only and free of Qt, so the language table's generator can read it.

#include "ui/Beschriftungen.h"

namespace sw::ui::text::sim {

inline constexpr Beschriftung Titel{1750, "Simulation", "Simulation"};
inline constexpr Beschriftung OpenGL{1751, "OpenGL", "OpenGL"};
inline constexpr Beschriftung Flach{1752, "Flach", "Flat"};
inline constexpr Beschriftung Strahlen{1753, "Strahlen", "Beams"};
inline constexpr Beschriftung Grafik{1754, "Grafik", "Graphic"};
inline constexpr Beschriftung Transparenz{1755, "Strahlende", "Beam end"};
inline constexpr Beschriftung TransparenzBeam{1756, "Strahlkanten", "Beam edges"};
inline constexpr Beschriftung TransparenzLeinwand{1757, "Leinwand", "Screen"};
inline constexpr Beschriftung TransparenzNebel{1758, "Nebel", "Haze"};
inline constexpr Beschriftung Groesse{1759, "Größe", "Size"};
inline constexpr Beschriftung Drehung{1760, "Drehung Y, X, Z", "Rotation Y, X, Z"};
// Shown after the documented "Fehler # Fehler! Kann OpenGL nicht initialisieren!".
inline constexpr Beschriftung OhneOpenGL{1761, "Die Simulation wird flach gezeichnet. Grund: %1",
                                         "The simulation is drawn flat instead. Reason: %1"};
inline constexpr Beschriftung RendererHilfe{
    1762, "OpenGL zeigt die Strahlen räumlich; flach zeigt nur die Figur auf der Leinwand",
    "OpenGL shows the beams in space; flat shows only the figure on the screen"};
inline constexpr Beschriftung Vorschau{1763, "Strahlvorschau", "Beam preview"};

inline constexpr const Beschriftung* kAlle[] = {&Titel,
                                                &OpenGL,
                                                &Flach,
                                                &Strahlen,
                                                &Grafik,
                                                &Transparenz,
                                                &TransparenzBeam,
                                                &TransparenzLeinwand,
                                                &TransparenzNebel,
                                                &Groesse,
                                                &Drehung,
                                                &OhneOpenGL,
                                                &RendererHilfe,
                                                &Vorschau};

} // namespace sw::ui::text::sim
