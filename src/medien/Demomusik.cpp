#include "medien/Demomusik.h"

#include "medien/WavKopf.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

constexpr double kPi = 3.14159265358979323846;

double frequenz(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// Root notes and chord tones (MIDI note numbers) of Am, F, C, G.
constexpr int kGrundton[4] = {45, 41, 48, 43};
constexpr int kAkkord[4][3] = {{57, 60, 64}, {53, 57, 60}, {60, 64, 67}, {55, 59, 62}};

} // namespace

std::vector<std::int16_t> demomusikWerte() {
    const double schlag = kDemoSchlagSekunden;
    const long anzahl = static_cast<long>(kDemoTakte * 4 * schlag * kDemoAbtastrate);
    std::vector<std::int16_t> werte(static_cast<std::size_t>(anzahl) * 2);
    std::uint32_t rauschen = 12345; // the hi-hat's noise, the same on every build
    for (long i = 0; i < anzahl; ++i) {
        const double t = static_cast<double>(i) / kDemoAbtastrate;
        const double inSchlag = std::fmod(t, schlag);
        const int schlagNr = static_cast<int>(t / schlag);
        const int takt = schlagNr / 4;
        const int akkord = takt % 4;

        // Kick: a falling sine with a fast decay on every beat.
        const double kickPhase =
            2 * kPi * (50.0 * inSchlag + 70.0 * (1 - std::exp(-inSchlag * 30)) / 30);
        const double kick = std::sin(kickPhase) * std::exp(-inSchlag * 9);

        // Hi-hat: a short noise burst half way between the beats.
        rauschen = rauschen * 1664525u + 1013904223u;
        const double zwischen = inSchlag - schlag / 2;
        const double hihat =
            zwischen >= 0 ? ((rauschen >> 8) / 8388608.0 - 1.0) * std::exp(-zwischen * 60) : 0.0;

        // Bass on the eighths: the chord's root, the octave on the off-beats.
        const double achtel = schlag / 2;
        const double inAchtel = std::fmod(t, achtel);
        const int achtelNr = static_cast<int>(t / achtel);
        const double bassF = frequenz(kGrundton[akkord] + (achtelNr % 2 ? 12 : 0));
        const double bass =
            std::sin(2 * kPi * bassF * t) * std::exp(-inAchtel * 6) * std::min(1.0, inAchtel * 400);

        // Arpeggio on the sixteenths through the chord's tones, up and down.
        const double sechzehntel = schlag / 4;
        const double inSechzehntel = std::fmod(t, sechzehntel);
        const int schritt = static_cast<int>(t / sechzehntel) % 4;
        const int ton = kAkkord[akkord][schritt == 3 ? 1 : schritt] + 12;
        const double arpF = frequenz(ton);
        const double huelle = std::exp(-inSechzehntel * 14) * std::min(1.0, inSechzehntel * 300);
        const double arp =
            (std::sin(2 * kPi * arpF * t) + 0.3 * std::sin(4 * kPi * arpF * t)) * huelle;

        // A fade over the last beat, so the loop's end does not click.
        const double ende = std::clamp((anzahl - i) / (schlag * kDemoAbtastrate), 0.0, 1.0);
        const double mitte = 0.55 * kick + 0.3 * bass;
        const double links = (mitte + 0.12 * hihat + 0.22 * arp) * ende;
        const double rechts = (mitte + 0.08 * hihat + 0.16 * arp) * ende;
        werte[2 * i] = static_cast<std::int16_t>(std::lround(std::clamp(links, -1.0, 1.0) * 32000));
        werte[2 * i + 1] =
            static_cast<std::int16_t>(std::lround(std::clamp(rechts, -1.0, 1.0) * 32000));
    }
    return werte;
}

std::vector<std::uint8_t> demomusikWav() {
    return wavSchreiben(demomusikWerte(), 2, kDemoAbtastrate);
}

} // namespace sw
