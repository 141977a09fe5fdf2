#pragma once
// Path optimisation of one device's raw list: the path is closed (back to its first point, or
// out of and into the centre), the geometry pass runs, and the walk emits every point in order:
// old-colour repeats, steps of limited length along segments (with fading colour for soft-colour
// points), the dark way of a jump to a lit point, new-colour repeats and corner dwell. An empty
// list first gets the configured filling.

#include "einstellungen/Einstellungen.h"
#include "output/Ausgabetypen.h"

#include <array>
#include <cstdint>

namespace sw {

struct Optimierungseinstellungen {
    int NewPointColorCount = 4;
    int AdCornerPoints = 6;
    int OldPointColorCount = 4;
    double MaxStreckenLaenge = 800;
    double MaxStreckenLaengeGeblankt = 800;
    double MaxSoftColorAbstand = 500;
    double MaxTextAbstand = 180;
    bool GoMitte = false;
    int MinimumFrameStartPunkte = 7;
    int MinimumFrammeEndPunkte = 7;
    std::array<std::int32_t, 4> NoPointValue{0, 0, 0, 0};
    std::uint8_t NoPointStyle = 0; // 0 point, 1 line, 2 circle
    std::array<double, 3> Blankshift{-3, -3, -3};
    // Dark points at the start and at the end of a jump's blanked way, 0 to
    // kSprungDunkelHoechstens when loaded; both 0 draw jumps lit.
    int SprungDunkelVorher = 3;
    int SprungDunkelNachher = 5;
};
inline constexpr int kSprungDunkelHoechstens = 100;

void optimierungLaden(Optimierungseinstellungen& o, Einstellungen& e, int geraet);
void optimierungSpeichern(const Optimierungseinstellungen& o, Einstellungen& e, int geraet);

// Appends the filling of an empty list (dark entries at signed picture coordinates).
void SetzeMindestPunktzahl(const Optimierungseinstellungen& o, double EllipsenVorschub,
                           Rohliste& liste);
// The measuring pattern of the colour measurement: lit rings of radius 2000 to 5000.
void Messmuster(Rohliste& liste, std::int16_t R, std::int16_t G, std::int16_t B);

// Closes the path, runs the geometry pass (through `geometrie`) and walks the list, calling
// `ausgeben` for every emitted point.
template <typename Geometrie, typename Ausgeben>
void OptimiceAusgabe(const Optimierungseinstellungen& o, bool messmodus, Rohliste& liste,
                     Geometrie&& geometrie, Ausgeben&& ausgeben);

} // namespace sw

#include "output/OptimierungWeg.h"
