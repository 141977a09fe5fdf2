#include "generators/Mitgeliefert.h"

#include "core/Farbpalette.h"
#include "core/QvbFormat.h"
#include "core/Testbild.h"
#include "generators/Sprachtabelle.h"
#include "generators/Zeichenhilfe.h"

#include <array>
#include <cmath>
#include <numbers>

namespace sw::gen {

namespace {

constexpr Farbe kRot{255, 0, 0}, kGruen{0, 255, 0}, kBlau{0, 0, 255}, kGelb{255, 255, 0},
    kCyan{0, 255, 255}, kMagenta{255, 0, 255}, kWeiss{255, 255, 255};

// A lit line for a test picture: a dark jump to its start, dwell, the line, dwell.
void testlinie(Pfad& p, int x0, int y0, int x1, int y1, Farbe f) {
    p.sprung(x0, y0, f);
    p.verweilen(4);
    p.linie(x1, y1, f, 1500);
    p.verweilen(4);
}

Testbild einzelbild(const Pfad& p) {
    Testbild bild;
    bild.frames.push_back(p.alsTestbild());
    return bild;
}

Testbild scannerGitter() {
    Pfad p;
    const int rand = 30000;
    for (int y = -rand; y <= rand; y += 15000) testlinie(p, -rand, y, rand, y, kWeiss);
    for (int x = -rand; x <= rand; x += 15000) testlinie(p, x, rand, x, -rand, kWeiss);
    return einzelbild(p);
}

Testbild farbbalken() {
    Pfad p;
    const Farbe farben[] = {kRot, kGruen, kBlau, kGelb, kCyan, kMagenta, kWeiss};
    int x = -27000;
    for (Farbe f : farben) {
        testlinie(p, x, -20000, x, 20000, f);
        p.linie(x + 1500, 20000, f, 1500);
        p.linie(x + 1500, -20000, f, 1500);
        p.verweilen(4);
        x += 9000;
    }
    return einzelbild(p);
}

Testbild sicherheitsquadrat() {
    Pfad p;
    const int r = 30000;
    testlinie(p, -r, -r, r, -r, kGruen);
    p.linie(r, r, kGruen, 1500);
    p.verweilen(4);
    p.linie(-r, r, kGruen, 1500);
    p.verweilen(4);
    p.linie(-r, -r, kGruen, 1500);
    p.verweilen(4);
    return einzelbild(p);
}

// A frame as the editor holds it: point 0 is the frame's placeholder, which the output leaves
// out; the drawing follows from point 1.
Frame frameAus(const Pfad& p) {
    Frame f;
    f.Punkte.insert(f.Punkte.end(), p.punkte().begin(), p.punkte().end());
    return f;
}

constexpr int kNurEcken = 1 << 20; // a step larger than any line: corner points only

Figur stern() {
    Pfad p;
    for (int i = 0; i <= 10; ++i) {
        double winkel = std::numbers::pi / 2 + i * std::numbers::pi / 5;
        int r = i % 2 == 0 ? 24000 : 10000;
        int x = static_cast<int>(std::lround(r * std::cos(winkel)));
        int y = static_cast<int>(std::lround(r * std::sin(winkel)));
        if (i == 0)
            p.sprung(x, y, kGelb);
        else
            p.linie(x, y, kGelb, kNurEcken);
    }
    return neueFigur({frameAus(p)});
}

Figur quadrat() {
    Pfad p;
    const int r = 20000;
    p.sprung(-r, -r, kRot);
    p.linie(r, -r, kRot, kNurEcken);
    p.linie(r, r, kGruen, kNurEcken);
    p.linie(-r, r, kBlau, kNurEcken);
    p.linie(-r, -r, kWeiss, kNurEcken);
    return neueFigur({frameAus(p)});
}

Farbe regenbogen(double anteil) {
    auto kanal = [&](double versatz) {
        double w = std::cos(2 * std::numbers::pi * (anteil - versatz));
        return static_cast<std::uint8_t>(std::lround(127.5 + 127.5 * w));
    };
    return Farbe{kanal(0.0), kanal(1.0 / 3), kanal(2.0 / 3)};
}

Figur kreis() {
    Pfad p;
    const int n = 48;
    for (int i = 0; i <= n; ++i) {
        double w = 2 * std::numbers::pi * i / n;
        int x = static_cast<int>(std::lround(22000 * std::cos(w)));
        int y = static_cast<int>(std::lround(22000 * std::sin(w)));
        Farbe f = regenbogen(static_cast<double>(i % n) / n);
        if (i == 0)
            p.sprung(x, y, f);
        else
            p.linie(x, y, f, kNurEcken);
    }
    Frame frame = frameAus(p);
    for (std::size_t i = 2; i < frame.Punkte.size(); ++i) frame.Punkte[i].Status = 0;
    return neueFigur({frame});
}

// Block letters on a 4 x 6 grid, each a list of strokes of grid points.
Figur schrift() {
    using Strich = std::vector<std::pair<int, int>>;
    const std::vector<std::vector<Strich>> buchstaben = {
        {{{0, 6}, {0, 0}, {4, 0}}},                                   // L
        {{{0, 0}, {2, 6}, {4, 0}}, {{1, 3}, {3, 3}}},                 // A
        {{{4, 6}, {0, 6}, {0, 3}, {4, 3}, {4, 0}, {0, 0}}},           // S
        {{{4, 6}, {0, 6}, {0, 0}, {4, 0}}, {{0, 3}, {3, 3}}},         // E
        {{{0, 0}, {0, 6}, {4, 6}, {4, 3}, {0, 3}}, {{2, 3}, {4, 0}}}, // R
    };
    const int einheit = 1800, breite = 6 * einheit, links = -(5 * breite) / 2 + einheit;
    Pfad p;
    for (std::size_t b = 0; b < buchstaben.size(); ++b) {
        Farbe f = regenbogen(static_cast<double>(b) / buchstaben.size());
        int x0 = links + static_cast<int>(b) * breite, y0 = -3 * einheit;
        for (const auto& strich : buchstaben[b]) {
            p.sprung(x0 + strich[0].first * einheit, y0 + strich[0].second * einheit, f);
            for (std::size_t i = 1; i < strich.size(); ++i)
                p.linie(x0 + strich[i].first * einheit, y0 + strich[i].second * einheit, f,
                        kNurEcken);
        }
    }
    return neueFigur({frameAus(p)});
}

Figur welle() {
    const int frames = 30, punkte = 40;
    std::vector<Frame> alle;
    for (int f = 0; f < frames; ++f) {
        Pfad p;
        double phase = 2 * std::numbers::pi * f / frames;
        for (int i = 0; i < punkte; ++i) {
            int x = -28000 + i * 56000 / (punkte - 1);
            int y = static_cast<int>(std::lround(12000 * std::sin(phase + i * 0.35)));
            Farbe farbe =
                regenbogen(static_cast<double>(i) / punkte + static_cast<double>(f) / frames);
            if (i == 0)
                p.sprung(x, y, farbe);
            else
                p.linie(x, y, farbe, kNurEcken);
        }
        Frame frame = frameAus(p);
        for (std::size_t i = 2; i < frame.Punkte.size(); ++i) frame.Punkte[i].Status = 0;
        alle.push_back(frame);
    }
    return neueFigur(std::move(alle), 2000); // 25 frames per second
}

// The ILDA colour table as a palette file: the standard's 64 colours in entries 0 to 63, every
// other entry black, so that indices the standard leaves open stay dark.
std::string ildaFarbtabelle() {
    Paletten p;
    for (long i = 0; i <= kFarbObergrenze; ++i) p.Farbpalette[i] = RGB{};
    for (long i = 0; i < kIldaStandardFarben; ++i)
        p.Farbpalette[i] = ildaStandardpalette()[static_cast<std::size_t>(i)];
    return palettendateiKodieren(p);
}

} // namespace

std::vector<MitgelieferteDatei> farbtabellen() {
    return {{"Pangolin_Farbtabelle.qvp", ildaFarbtabelle()}, {"Language.txt", languageTxt()}};
}

std::vector<MitgelieferteDatei> testbilder() {
    return {{"TestBilder/Farbbalken.bin", testbildKodieren(farbbalken())},
            {"TestBilder/Scannertest_Gitter.bin", testbildKodieren(scannerGitter())},
            {"TestBilder/Sicherheitsquadrat.bin", testbildKodieren(sicherheitsquadrat())}};
}

std::vector<MitgelieferteDatei> fixFiguren() {
    Frame dunkel;
    dunkel.Punkte[0] = Punkt{0, 0, -1, status::Sprung};
    return {{"FixFiguren/Blackout.qvb", qvbKodieren(neueFigur({dunkel}))}};
}

std::vector<MitgelieferteDatei> demoFiguren() {
    return {{"Demo/Kreis.qvb", qvbKodieren(kreis())},
            {"Demo/Quadrat.qvb", qvbKodieren(quadrat())},
            {"Demo/Schrift_LASER.qvb", qvbKodieren(schrift())},
            {"Demo/Stern.qvb", qvbKodieren(stern())},
            {"Demo/Welle.qvb", qvbKodieren(welle())}};
}

std::vector<MitgelieferteDatei> alleMitgeliefertenDateien() {
    std::vector<MitgelieferteDatei> alle;
    for (auto teil : {farbtabellen(), testbilder(), fixFiguren(), demoFiguren(), demoShow()})
        alle.insert(alle.end(), teil.begin(), teil.end());
    return alle;
}

} // namespace sw::gen
