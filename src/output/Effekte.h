#pragma once
// The effect tables of the tracks (-1 to 12, parameters 0 to 20) and their animation once per
// pass: continuously at a set speed within limits (wrapping or bouncing), or gliding towards a
// target.
//
// Every track starts at the neutral values of the output routine (size 127, stretch 1, colour
// levels 1, centres, offsets and angles 0), with limits that hold them: 0 to 360 for the angles,
// 0 to 254 for the size, -1 to 1 for the others.

#include "einstellungen/Einstellungen.h"
#include "platform/LBArray.h"

#include <array>
#include <cstdint>

namespace sw {

inline constexpr int kEffektParameter = 21;

struct Effekte {
    Effekte();

    using Zeile = std::array<double, kEffektParameter>;
    LBArray<Zeile> EffektWerte;
    LBArray<Zeile> EffektSchritte; // entry 13 is the ping-pong direction of the frame advance
    LBArray<std::array<std::uint8_t, kEffektParameter>> AutoModus; // 1 glides
    LBArray<Zeile> AutoWert;
    LBArray<Zeile> GrenzeMax;
    LBArray<Zeile> GrenzeMin;
    LBArray<Zeile> FlipFlop; // 0 wraps, otherwise bounces

    double FaktorDrehenSchieben = 0.03;
    double FaktorStauchen = 0.01;

    // The effects window's check boxes kept with the settings of its controls.
    bool checkBegrenzung = false;
    bool checkOptimireEchtzeit = true;
    std::array<bool, kEffektParameter> checkAbsolute{};
};

// Puts the track's effect values back to the neutral values a new track starts with (playback
// does so for every group when it starts and rewinds); speeds, limits and modes stay.
void effektWerteZuruecksetzen(Effekte& e, int spur);

// Animates the track's row for a pass of the given duration in milliseconds.
void VerzerrungsValuesBerechnen(Effekte& e, int spur, double passdauerMs);
void Stauchung(Effekte& e, int spur, int parameter, double geschwindigkeit, double passdauerMs);
void Intensitaet(Effekte& e, int spur, int parameter, double geschwindigkeit, double passdauerMs);
void Verschiebung(Effekte& e, int spur, int parameter, double geschwindigkeit, double passdauerMs);

// The effects window's control states ("Optionen_4_FrmEffekts"): for every parameter i,
// checkAuto(i) selects gliding, scrAuto(i) the speed or target, txtEffektGrenzeMax(i) and
// txtEffektGrenzeMin(i) the limits, checkFlipFlop(i) bouncing; they apply to every track.
void effekteLaden(Effekte& e, Einstellungen& einst);
void effekteSpeichern(const Effekte& e, Einstellungen& einst);

} // namespace sw
