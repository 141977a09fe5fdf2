#include "output/Effekte.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace sw {

namespace {

constexpr int kUnten = -1, kOben = 12;

bool istWinkel(int p) {
    return p == 1 || p == 14 || p == 15 || p == 16;
}

double& wert(LBArray<Effekte::Zeile>& t, int spur, int p) {
    return t[spur][static_cast<std::size_t>(p)];
}

// The continuous rule: v moves by pass duration x rate x step factor, then the limits.
void fortlaufend(Effekte& e, int spur, int p, double rate, double passdauerMs) {
    double& v = wert(e.EffektWerte, spur, p);
    double& schritt = wert(e.EffektSchritte, spur, p);
    v += passdauerMs * rate * schritt;
    const double max = wert(e.GrenzeMax, spur, p);
    const double min = wert(e.GrenzeMin, spur, p);
    if (wert(e.FlipFlop, spur, p) == 0) {
        if (v > max)
            v = min;
        else if (v < min)
            v = max;
    } else {
        if (v >= max) {
            schritt = -schritt;
            v = max;
        }
        if (v <= min) {
            schritt = -schritt;
            v = min;
        }
    }
}

void gleiten(Effekte& e, int spur, int p, double ziel, double geschwindigkeit) {
    double& v = wert(e.EffektWerte, spur, p);
    v += (ziel - v) * geschwindigkeit;
}

bool gleitet(const Effekte& e, int spur, int p) {
    return e.AutoModus[spur][static_cast<std::size_t>(p)] == 1;
}

} // namespace

Effekte::Effekte()
    : EffektWerte(kUnten, kOben), EffektSchritte(kUnten, kOben), AutoModus(kUnten, kOben),
      AutoWert(kUnten, kOben), GrenzeMax(kUnten, kOben), GrenzeMin(kUnten, kOben),
      FlipFlop(kUnten, kOben) {
    for (int t = kUnten; t <= kOben; ++t) {
        auto& w = EffektWerte[t];
        w[0] = 127;
        w[2] = w[3] = 1;
        w[4] = w[5] = w[6] = 1;
        auto& s = EffektSchritte[t];
        for (int p : {2, 3, 4, 5, 6, 7, 8, 11, 12}) s[static_cast<std::size_t>(p)] = 0.01;
        for (int p : {1, 9, 10, 14, 15, 16}) s[static_cast<std::size_t>(p)] = 0.005;
        s[13] = 1;
        for (int p = 0; p < kEffektParameter; ++p) {
            auto i = static_cast<std::size_t>(p);
            GrenzeMin[t][i] = istWinkel(p) ? 0 : p == 0 ? 0 : -1;
            GrenzeMax[t][i] = istWinkel(p) ? 360 : p == 0 ? 254 : 1;
        }
    }
}

void effektWerteZuruecksetzen(Effekte& e, int spur) {
    static const Effekte neutral;
    e.EffektWerte[spur] = neutral.EffektWerte[spur];
}

void Verschiebung(Effekte& e, int spur, int p, double geschwindigkeit, double passdauerMs) {
    const double w = wert(e.AutoWert, spur, p);
    if (!gleitet(e, spur, p))
        fortlaufend(e, spur, p, w / 127, passdauerMs);
    else
        gleiten(e, spur, p, w / 127, geschwindigkeit);
}

void Stauchung(Effekte& e, int spur, int p, double geschwindigkeit, double passdauerMs) {
    const double w = wert(e.AutoWert, spur, p);
    if (!gleitet(e, spur, p))
        fortlaufend(e, spur, p, 2 * w / 127, passdauerMs);
    else
        gleiten(e, spur, p, 1 - 2 * w / 127, geschwindigkeit);
}

void Intensitaet(Effekte& e, int spur, int p, double geschwindigkeit, double passdauerMs) {
    Stauchung(e, spur, p, geschwindigkeit, passdauerMs);
    double& v = wert(e.EffektWerte, spur, p);
    if (v > 1) v = 1;
}

void VerzerrungsValuesBerechnen(Effekte& e, int spur, double passdauerMs) {
    const double pf = passdauerMs / 20;
    const double sA = std::min(e.FaktorDrehenSchieben * pf, 1.0);
    const double sB = std::min(e.FaktorStauchen * pf, 1.0);
    const double sC = std::min(pf, 1.0);
    // The size glide is held at 1 as well: above 2 the rule would swing away from its target.
    const double sD = std::min(0.5 * pf, 1.0);

    for (int p : {1, 14, 15, 16}) {
        const double w = wert(e.AutoWert, spur, p);
        if (!gleitet(e, spur, p))
            fortlaufend(e, spur, p, w, passdauerMs);
        else
            gleiten(e, spur, p, w, sA);
    }
    {
        const double w = wert(e.AutoWert, spur, 0);
        if (!gleitet(e, spur, 0))
            fortlaufend(e, spur, 0, w, passdauerMs);
        else
            gleiten(e, spur, 0, w, sD);
    }
    Verschiebung(e, spur, 9, sA, passdauerMs);
    Verschiebung(e, spur, 10, sA, passdauerMs);
    Stauchung(e, spur, 2, sB, passdauerMs);
    Verschiebung(e, spur, 7, sB, passdauerMs);
    Stauchung(e, spur, 3, sB, passdauerMs);
    Verschiebung(e, spur, 8, sB, passdauerMs);
    Verschiebung(e, spur, 11, sB, passdauerMs);
    Verschiebung(e, spur, 12, sB, passdauerMs);
    Intensitaet(e, spur, 4, sC, passdauerMs);
    Intensitaet(e, spur, 5, sC, passdauerMs);
    Intensitaet(e, spur, 6, sC, passdauerMs);
}

namespace {
const std::string kAbschnitt = "Optionen_4_FrmEffekts";
std::string schluessel(const char* name, int i, const char* ende) {
    return std::string("frmEffekts.") + name + "(" + std::to_string(i) + ")." + ende;
}
} // namespace

void effekteLaden(Effekte& e, Einstellungen& einst) {
    const std::string d = einst.IniDateiAktuell;
    for (int i = 0; i < kEffektParameter; ++i) {
        const auto p = static_cast<std::size_t>(i);
        bool absolut = e.checkAbsolute[p];
        zahlInWert(einst, kAbschnitt, schluessel("checkAbsolute", i, "Value"), absolut);
        e.checkAbsolute[p] = absolut;
        bool gleit = e.AutoModus[0][p] == 1;
        zahlInWert(einst, kAbschnitt, schluessel("checkAuto", i, "Value"), gleit);
        double speed = e.AutoWert[0][p];
        zahlInWert(einst, kAbschnitt, schluessel("scrAuto", i, "Value"), speed);
        bool prallt = e.FlipFlop[0][p] != 0;
        zahlInWert(einst, kAbschnitt, schluessel("checkFlipFlop", i, "Value"), prallt);
        // The limits are the texts of the window's boxes; text that is no number keeps the limit.
        double grenzen[2] = {e.GrenzeMax[0][p], e.GrenzeMin[0][p]};
        const char* namen[2] = {"txtEffektGrenzeMax", "txtEffektGrenzeMin"};
        for (int k = 0; k < 2; ++k) {
            std::string text = einst.textLesen(kAbschnitt, schluessel(namen[k], i, "Text"),
                                               std::to_string(grenzen[k]), d);
            char* ende = nullptr;
            double zahl = std::strtod(text.c_str(), &ende);
            if (ende != text.c_str()) grenzen[k] = zahl;
        }
        for (int t = kUnten; t <= kOben; ++t) {
            e.AutoModus[t][p] = gleit ? 1 : 0;
            e.AutoWert[t][p] = speed;
            e.FlipFlop[t][p] = prallt ? 1 : 0;
            e.GrenzeMax[t][p] = grenzen[0];
            e.GrenzeMin[t][p] = grenzen[1];
        }
    }
    zahlInWert(einst, kAbschnitt, "frmEffekts.checkBegrenzung.Value", e.checkBegrenzung);
    zahlInWert(einst, kAbschnitt, "frmEffekts.checkOptimireEchtzeit.Value",
               e.checkOptimireEchtzeit);
}

void effekteSpeichern(const Effekte& e, Einstellungen& einst) {
    const std::string d = einst.IniDateiAktuell;
    auto zahlText = [](double v) {
        char puffer[32];
        std::snprintf(puffer, sizeof puffer, "%.10g", v);
        return std::string(puffer);
    };
    for (int i = 0; i < kEffektParameter; ++i) {
        const auto p = static_cast<std::size_t>(i);
        // Check boxes store 0 or 1, as check-box values do.
        einst.zahlSchreiben(kAbschnitt, schluessel("checkAbsolute", i, "Value"),
                            e.checkAbsolute[p] ? 1.0f : 0.0f, d);
        einst.zahlSchreiben(kAbschnitt, schluessel("checkAuto", i, "Value"),
                            e.AutoModus[0][p] == 1 ? 1.0f : 0.0f, d);
        wertAlsZahl(einst, kAbschnitt, schluessel("scrAuto", i, "Value"), e.AutoWert[0][p]);
        einst.textSchreiben(kAbschnitt, schluessel("txtEffektGrenzeMax", i, "Text"),
                            zahlText(e.GrenzeMax[0][p]), d);
        einst.textSchreiben(kAbschnitt, schluessel("txtEffektGrenzeMin", i, "Text"),
                            zahlText(e.GrenzeMin[0][p]), d);
        einst.zahlSchreiben(kAbschnitt, schluessel("checkFlipFlop", i, "Value"),
                            e.FlipFlop[0][p] != 0 ? 1.0f : 0.0f, d);
    }
    einst.zahlSchreiben(kAbschnitt, "frmEffekts.checkBegrenzung.Value",
                        e.checkBegrenzung ? 1.0f : 0.0f, d);
    einst.zahlSchreiben(kAbschnitt, "frmEffekts.checkOptimireEchtzeit.Value",
                        e.checkOptimireEchtzeit ? 1.0f : 0.0f, d);
}

} // namespace sw
