#include "output/Effektzeilen.h"

namespace sw {

namespace {

struct Skala {
    double faktor, versatz;
};

Skala skala(EffektArt art) {
    switch (art) {
    case EffektArt::Groesse:
        return {100.0 / 127, 0};
    case EffektArt::Stauchung:
        return {100, 0};
    case EffektArt::Pegel:
        return {50, 50};
    case EffektArt::Zentrum:
        return {100, 0};
    case EffektArt::Versatz:
        return {200, 0};
    case EffektArt::Winkel:
    case EffektArt::Keine:
        break;
    }
    return {1, 0};
}

bool gueltig(const Effekte& e, int spur, int p) {
    return e.EffektWerte.enthaelt(spur) && p >= 0 && p < kEffektParameter;
}

} // namespace

EffektZeile effektZeile(int p) {
    switch (p) {
    case 0:
        return {EffektArt::Groesse, 0, 200, -254, 254};
    case 1:
    case 14:
    case 15:
    case 16:
        return {EffektArt::Winkel, -360, 360, -360, 360};
    case 2:
    case 3:
        return {EffektArt::Stauchung, -100, 100, -127, 127};
    case 4:
    case 5:
    case 6:
        return {EffektArt::Pegel, 0, 100, -127, 127};
    case 7:
    case 8:
    case 9:
    case 10:
        return {EffektArt::Zentrum, -100, 100, -127, 127};
    case 11:
    case 12:
        return {EffektArt::Versatz, -100, 100, -127, 127};
    default:
        return {EffektArt::Keine, 0, 0, 0, 0};
    }
}

double anzeigeWert(int p, double wert) {
    const Skala s = skala(effektZeile(p).art);
    return wert * s.faktor + s.versatz;
}

double tabellenWert(int p, double anzeige) {
    const Skala s = skala(effektZeile(p).art);
    return (anzeige - s.versatz) / s.faktor;
}

double autoAnzeige(const Effekte& e, int spur, int p) {
    if (!gueltig(e, spur, p)) return 0;
    const auto i = static_cast<std::size_t>(p);
    const double w = e.AutoWert[spur][i];
    const EffektArt art = effektZeile(p).art;
    const bool gleitet = e.AutoModus[spur][i] == 1;
    // Rate and glide target as VerzerrungsValuesBerechnen and its three routines use them.
    double rate = w, ziel = w;
    if (art == EffektArt::Zentrum || art == EffektArt::Versatz) {
        rate = ziel = w / 127;
    } else if (art == EffektArt::Stauchung || art == EffektArt::Pegel) {
        rate = 2 * w / 127;
        ziel = 1 - 2 * w / 127;
    }
    if (gleitet) return anzeigeWert(p, ziel);
    return rate * e.EffektSchritte[spur][i] * 1000 * skala(art).faktor;
}

std::vector<int> effektSpuren(const Effekte& e, int spur) {
    std::vector<int> spuren;
    if (spur == kAlleSpuren) {
        for (long t = e.EffektWerte.untergrenze(); t <= e.EffektWerte.obergrenze(); ++t)
            spuren.push_back(static_cast<int>(t));
    } else if (e.EffektWerte.enthaelt(spur)) {
        spuren.push_back(spur);
    }
    return spuren;
}

void startwertSetzen(Effekte& e, int spur, int p, double neu, double vorher, bool absolut) {
    if (p < 0 || p >= kEffektParameter) return;
    const auto i = static_cast<std::size_t>(p);
    for (int t : effektSpuren(e, spur)) {
        double& v = e.EffektWerte[t][i];
        v = absolut ? tabellenWert(p, neu) : tabellenWert(p, anzeigeWert(p, v) + neu - vorher);
    }
}

void effekteKopieren(Effekte& e, int quelle, std::span<const int> ziele,
                     std::span<const int> parameter) {
    if (!e.EffektWerte.enthaelt(quelle)) return;
    for (int t : ziele) {
        if (t == quelle || !e.EffektWerte.enthaelt(t)) continue;
        for (int p : parameter) {
            if (p < 0 || p >= kEffektParameter || p == 13) continue;
            const auto i = static_cast<std::size_t>(p);
            e.EffektWerte[t][i] = e.EffektWerte[quelle][i];
            e.EffektSchritte[t][i] = e.EffektSchritte[quelle][i];
            e.AutoModus[t][i] = e.AutoModus[quelle][i];
            e.AutoWert[t][i] = e.AutoWert[quelle][i];
            e.GrenzeMax[t][i] = e.GrenzeMax[quelle][i];
            e.GrenzeMin[t][i] = e.GrenzeMin[quelle][i];
            e.FlipFlop[t][i] = e.FlipFlop[quelle][i];
        }
    }
}

} // namespace sw
