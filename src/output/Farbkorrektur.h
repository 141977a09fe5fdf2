#pragma once
// Colour correction per device: the linear range map of each channel, the colour curves (a
// natural cubic spline through three control points; absent channels give 0, TTL channels
// switch), the device palette with the mixing of absent channels into the present ones, the
// colour of a point in the output routine, and the audience zone with the curves at the
// hand-over.
//
// Defaults, so that a fresh installation sends the palette colours unchanged: minimum 0,
// maximum 255, mid position 128 and mid value 128 (a straight curve), no TTL channel, every
// channel switched on, beam and audience brightness 1, an empty audience zone.

#include "einstellungen/Einstellungen.h"
#include "core/Farbpalette.h"
#include "output/Ausgabetypen.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sw {

struct GeraeteFarben {
    std::array<int, 3> minimum{0, 0, 0};
    std::array<int, 3> maximum{255, 255, 255};
    std::array<int, 3> midPosition{128, 128, 128};
    std::array<int, 3> midWert{128, 128, 128};
    std::array<double, 3> Steigung{1, 1, 1}; // 0 absent, 255 TTL switch
    std::array<double, 3> Offset{0, 0, 0};
    std::array<std::int16_t, 3> TTL_Gesetzt{0, 0, 0};
    std::array<bool, 3> kanalAn{true, true, true}; // the colour-correction window's scrFarbe
    bool Intensitaet_gleich_HellsteFarbe = false;
    std::array<double, 4> AudienceZone{0, 0, 0,
                                       0}; // x above [0], below [1]; y above [2], below [3]
    double AudienceHelligkeit = 1;
    double BeamHelligkeit = 1;

    // Derived by FarbenKorrigieren.
    std::array<std::array<std::uint8_t, 256>, 3> kurven{};
    std::vector<std::array<double, 3>> palette; // colour index -1 to 4368 at [index + 1]
    bool allePraesent = true;

    GeraeteFarben();
};

struct Farbkorrektur {
    std::array<GeraeteFarben, kGeraete> geraete;
    bool beschaeftigt = false; // a previous FarbenKorrigieren still runs
};

// Recomputes slope and offset from minimum, maximum and the TTL marks, then the device palette
// and the curves.
void FarbenKorrigieren(Farbkorrektur& f, const Paletten& p, int geraet);
void alleFarbenKorrigieren(Farbkorrektur& f, const Paletten& p);
void geraetePaletteBauen(GeraeteFarben& g, const Paletten& p);
// False (curves unchanged) when the spline cannot be computed.
bool farbkurvenBauen(GeraeteFarben& g);

// The colour of a point for the device in the output routine: index -1 to 4368, levels the
// track's parameters 4 to 6 (-1 to 1). Results 0 to 255 before the visibility factor.
void punktFarbe(const GeraeteFarben& g, const Paletten& p, long index, double l4, double l5,
                double l6, double& R, double& G, double& B);

// Audience zone and curves at the hand-over; R, G, B afterwards 0 to 255.
inline void zonenUndKurven(const GeraeteFarben& g, Ausgabepunkt& p) {
    const double x = p.X - 32767, y = p.Y - 32767;
    const auto& z = g.AudienceZone;
    const double faktor =
        (x > z[0] && x < z[1] && y > z[2] && y < z[3]) ? g.AudienceHelligkeit : g.BeamHelligkeit;
    auto kanal = [&](double wert, int c) {
        double v = static_cast<double>(static_cast<long>(wert * faktor)); // whole part
        v = v < 0 ? 0 : v > 255 ? 255 : v;
        return static_cast<double>(
            g.kurven[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)]);
    };
    p.R = kanal(p.R, 0);
    p.G = kanal(p.G, 1);
    p.B = kanal(p.B, 2);
}

// The device's keys in all their sections, or one section at a time (the settings file writes
// its sections in a fixed order): "Farbkorrektur" (the curves' control points), the slopes, TTL
// marks and intensity rule of "Optionen_Optimierung", and the zones and brightness of
// "OptionenAusgabe" and " OptionenAusgabe".
void farbkorrekturLaden(Farbkorrektur& f, Einstellungen& e, int geraet);
void farbkorrekturSpeichern(const Farbkorrektur& f, Einstellungen& e, int geraet);
void farbkurvenSpeichern(const Farbkorrektur& f, Einstellungen& e, int geraet);
void farbkanaeleSpeichern(const Farbkorrektur& f, Einstellungen& e, int geraet);
void publikumSpeichern(const Farbkorrektur& f, Einstellungen& e, int geraet);
void strahlhelligkeitSpeichern(const Farbkorrektur& f, Einstellungen& e, int geraet);

} // namespace sw
