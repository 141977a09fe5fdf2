#include "output/Farbkorrektur.h"

#include "platform/Vb.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace sw {

namespace {

std::uint8_t alsByte(double wert) {
    return static_cast<std::uint8_t>(std::clamp(vb::runden(wert), 0.0, 255.0));
}

// The natural cubic spline through three points, evaluated at x.
struct Spline3 {
    double x0, y0, x1, y1, x2, y2, m1;
    double operator()(double x) const {
        if (x <= x1) {
            const double h = x1 - x0;
            return m1 * std::pow(x - x0, 3) / (6 * h) + y0 / h * (x1 - x) +
                   (y1 / h - m1 * h / 6) * (x - x0);
        }
        const double h = x2 - x1;
        return m1 * std::pow(x2 - x, 3) / (6 * h) + (y1 / h - m1 * h / 6) * (x2 - x) +
               y2 / h * (x - x1);
    }
};

} // namespace

GeraeteFarben::GeraeteFarben() {
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v)
            kurven[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)] =
                static_cast<std::uint8_t>(v);
}

bool farbkurvenBauen(GeraeteFarben& g) {
    std::array<std::array<std::uint8_t, 256>, 3> neu{};
    for (std::size_t c = 0; c < 3; ++c) {
        auto& kurve = neu[c];
        if (g.Steigung[c] == 0) {
            kurve.fill(0);
        } else if (g.Steigung[c] == 255) {
            kurve.fill(255);
            kurve[0] = 0;
        } else {
            const double mitte = g.midPosition[c];
            if (mitte <= 0 || mitte >= 255) return false;
            Spline3 s{0,     static_cast<double>(alsByte(g.Offset[c])),
                      mitte, static_cast<double>(alsByte(g.midWert[c])),
                      255,   static_cast<double>(alsByte(g.Steigung[c] * 255 + g.Offset[c])),
                      0};
            const double h0 = s.x1 - s.x0, h1 = s.x2 - s.x1;
            s.m1 = 3 * ((s.y2 - s.y1) / h1 - (s.y1 - s.y0) / h0) / (h0 + h1);
            for (int v = 0; v < 256; ++v) {
                const double y = s(v);
                if (!std::isfinite(y)) return false;
                kurve[static_cast<std::size_t>(v)] = alsByte(y);
            }
        }
    }
    g.kurven = neu;
    return true;
}

void geraetePaletteBauen(GeraeteFarben& g, const Paletten& p) {
    const long n = kFarbObergrenze + 2;
    g.palette.resize(static_cast<std::size_t>(n));
    std::array<bool, 3> fehlt{};
    for (std::size_t c = 0; c < 3; ++c) fehlt[c] = g.Steigung[c] <= 0;
    g.allePraesent = !fehlt[0] && !fehlt[1] && !fehlt[2];
    for (long i = -1; i <= kFarbObergrenze; ++i) {
        const RGB& f = p.Farbpalette[i];
        const double wert[3] = {f.R, f.G, f.B};
        double summe[3] = {0, 0, 0};
        int anzahl[3] = {0, 0, 0};
        for (int c = 0; c < 3; ++c) {
            if (fehlt[static_cast<std::size_t>(c)]) {
                if (wert[c] > 0)
                    for (int k = 1; k <= 2; ++k) {
                        summe[(c + k) % 3] += wert[c];
                        ++anzahl[(c + k) % 3];
                    }
            } else {
                summe[c] += wert[c];
                ++anzahl[c];
            }
        }
        auto& ziel = g.palette[static_cast<std::size_t>(i + 1)];
        for (int c = 0; c < 3; ++c)
            ziel[static_cast<std::size_t>(c)] = anzahl[c] ? summe[c] / anzahl[c] : 0;
    }
}

void FarbenKorrigieren(Farbkorrektur& f, const Paletten& p, int geraet) {
    if (f.beschaeftigt || geraet < 0 || geraet >= kGeraete) return;
    f.beschaeftigt = true;
    auto& g = f.geraete[static_cast<std::size_t>(geraet)];
    for (std::size_t c = 0; c < 3; ++c) {
        if (g.TTL_Gesetzt[c] == 1) {
            g.Steigung[c] = 255;
            g.Offset[c] = 0;
        } else {
            g.Steigung[c] = (g.maximum[c] - g.minimum[c]) / 255.0;
            g.Offset[c] = g.minimum[c];
        }
        if (!g.kanalAn[c]) g.Steigung[c] = 0;
    }
    geraetePaletteBauen(g, p);
    farbkurvenBauen(g);
    f.beschaeftigt = false;
}

void alleFarbenKorrigieren(Farbkorrektur& f, const Paletten& p) {
    for (int d = 0; d < kGeraete; ++d) FarbenKorrigieren(f, p, d);
}

void punktFarbe(const GeraeteFarben& g, const Paletten& p, long index, double l4, double l5,
                double l6, double& R, double& G, double& B) {
    const double l[3] = {(l4 + 1) / 2, (l5 + 1) / 2, (l6 + 1) / 2};
    const auto& dp = g.palette[static_cast<std::size_t>(index + 1)];
    if (l[0] * l[1] * l[2] == 1) {
        R = dp[0], G = dp[1], B = dp[2];
        return;
    }
    if (g.Steigung[0] * g.Steigung[1] * g.Steigung[2] > 0) {
        R = l[0] * dp[0], G = l[1] * dp[1], B = l[2] * dp[2];
        return;
    }
    const RGB& f = p.Farbpalette[index];
    const double v[3] = {vb::runden(l[0] * f.R), vb::runden(l[1] * f.G), vb::runden(l[2] * f.B)};
    double summe[3] = {0, 0, 0};
    int anzahl[3] = {0, 0, 0};
    for (int c = 0; c < 3; ++c) {
        if (g.Steigung[static_cast<std::size_t>(c)] <= 0) {
            if (v[c] > 0)
                for (int k = 1; k <= 2; ++k) {
                    summe[(c + k) % 3] += v[c];
                    ++anzahl[(c + k) % 3];
                }
        } else {
            summe[c] += v[c];
            ++anzahl[c];
        }
    }
    double aus[3];
    for (int c = 0; c < 3; ++c) {
        aus[c] = anzahl[c] ? summe[c] / anzahl[c] : 0;
        if (g.Steigung[static_cast<std::size_t>(c)] == 0) aus[c] = 0;
        if (!(aus[c] > g.Offset[static_cast<std::size_t>(c)])) aus[c] = 0;
    }
    R = aus[0], G = aus[1], B = aus[2];
}

namespace {
// Every key of the section "Farbkorrektur" begins with a blank: " R_Min_Farbkorrektur(d)".
const char* const kKanal[3] = {" R", " G", " B"};
std::string kanalSchluessel(std::size_t c, const char* name, int d) {
    std::string s = kKanal[c];
    s += name;
    return schluessel(s, d);
}
// "Steigung" d "_" c, without brackets.
std::string doppelSchluessel(const char* name, int d, std::size_t c) {
    std::string s = name;
    s += std::to_string(d);
    s += '_';
    s += std::to_string(c);
    return s;
}
} // namespace

void farbkorrekturLaden(Farbkorrektur& f, Einstellungen& e, int d) {
    auto& g = f.geraete[static_cast<std::size_t>(d)];
    for (std::size_t c = 0; c < 3; ++c) {
        zahlInWert(e, "Farbkorrektur", kanalSchluessel(c, "_Min_Farbkorrektur", d), g.minimum[c]);
        zahlInWert(e, "Farbkorrektur", kanalSchluessel(c, "_Max_Farbkorrektur", d), g.maximum[c]);
        zahlInWert(e, "Farbkorrektur", kanalSchluessel(c, "_Mid_Position", d), g.midPosition[c]);
        zahlInWert(e, "Farbkorrektur", kanalSchluessel(c, "_mid_Farbkorrektur", d), g.midWert[c]);
        zahlInWert(e, "Optionen_Optimierung", doppelSchluessel("Steigung", d, c), g.Steigung[c]);
        zahlInWert(e, "Optionen_Optimierung", doppelSchluessel("Offset", d, c), g.Offset[c]);
        zahlInWert(e, "Optionen_Optimierung", doppelSchluessel("TTL_Gesetzt", d, c),
                   g.TTL_Gesetzt[c]);
    }
    zahlInWert(e, "Optionen_Optimierung", schluessel("Intensitaet_gleich_HellsteFarbe", d),
               g.Intensitaet_gleich_HellsteFarbe);
    for (std::size_t k = 0; k < 4; ++k)
        zahlInWert(e, "OptionenAusgabe", schluessel("AudienceZone", d, static_cast<int>(k)),
                   g.AudienceZone[k]);
    zahlInWert(e, "OptionenAusgabe", schluessel("AudienceHelligkeit", d), g.AudienceHelligkeit);
    zahlInWert(e, " OptionenAusgabe", schluessel("BeamHelligkeit", d), g.BeamHelligkeit);
}

void farbkurvenSpeichern(const Farbkorrektur& f, Einstellungen& e, int d) {
    const auto& g = f.geraete[static_cast<std::size_t>(d)];
    for (std::size_t c = 0; c < 3; ++c) {
        wertAlsZahl(e, "Farbkorrektur", kanalSchluessel(c, "_Min_Farbkorrektur", d), g.minimum[c]);
        wertAlsZahl(e, "Farbkorrektur", kanalSchluessel(c, "_Max_Farbkorrektur", d), g.maximum[c]);
        wertAlsZahl(e, "Farbkorrektur", kanalSchluessel(c, "_Mid_Position", d), g.midPosition[c]);
        wertAlsZahl(e, "Farbkorrektur", kanalSchluessel(c, "_mid_Farbkorrektur", d), g.midWert[c]);
    }
}

void farbkanaeleSpeichern(const Farbkorrektur& f, Einstellungen& e, int d) {
    const auto& g = f.geraete[static_cast<std::size_t>(d)];
    for (std::size_t c = 0; c < 3; ++c) {
        wertAlsZahl(e, "Optionen_Optimierung", doppelSchluessel("Steigung", d, c), g.Steigung[c]);
        wertAlsZahl(e, "Optionen_Optimierung", doppelSchluessel("Offset", d, c), g.Offset[c]);
        wertAlsZahl(e, "Optionen_Optimierung", doppelSchluessel("TTL_Gesetzt", d, c),
                    g.TTL_Gesetzt[c]);
    }
    wertAlsZahl(e, "Optionen_Optimierung", schluessel("Intensitaet_gleich_HellsteFarbe", d),
                g.Intensitaet_gleich_HellsteFarbe);
}

void publikumSpeichern(const Farbkorrektur& f, Einstellungen& e, int d) {
    const auto& g = f.geraete[static_cast<std::size_t>(d)];
    for (std::size_t k = 0; k < 4; ++k)
        wertAlsZahl(e, "OptionenAusgabe", schluessel("AudienceZone", d, static_cast<int>(k)),
                    g.AudienceZone[k]);
    wertAlsZahl(e, "OptionenAusgabe", schluessel("AudienceHelligkeit", d), g.AudienceHelligkeit);
}

void strahlhelligkeitSpeichern(const Farbkorrektur& f, Einstellungen& e, int d) {
    wertAlsZahl(e, " OptionenAusgabe", schluessel("BeamHelligkeit", d),
                f.geraete[static_cast<std::size_t>(d)].BeamHelligkeit);
}

void farbkorrekturSpeichern(const Farbkorrektur& f, Einstellungen& e, int d) {
    farbkurvenSpeichern(f, e, d);
    farbkanaeleSpeichern(f, e, d);
    publikumSpeichern(f, e, d);
    strahlhelligkeitSpeichern(f, e, d);
}

} // namespace sw
