#include "ui/ZeitleisteModell.h"

#include "medien/Wellenbild.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

namespace sw::ui {

void Sicht::zoomen(double faktor, double umZeit) {
    if (!(faktor > 0)) return;
    const double x = this->x(umZeit);
    msProPixel /= faktor;
    anfang = umZeit - x * msProPixel;
}

Linealschritt linealSchritt(double msProPixel, double mindestPixel) {
    // Each step with the finer marks between its labels.
    static constexpr Linealschritt kSchritte[] = {
        {10, 2},          {20, 5},          {50, 10},          {100, 20},        {200, 50},
        {500, 100},       {1000, 200},      {2000, 500},       {5000, 1000},     {10000, 2000},
        {15000, 5000},    {30000, 5000},    {60000, 10000},    {120000, 30000},  {300000, 60000},
        {600000, 120000}, {900000, 300000}, {1800000, 300000}, {3600000, 600000}};
    for (const auto& s : kSchritte)
        if (s.haupt / msProPixel >= mindestPixel) return s;
    // Longer than any show: a label every so many hours.
    const double stunden = std::ceil(mindestPixel * msProPixel / 3600000.0);
    return {stunden * 3600000.0, stunden * 600000.0};
}

std::string zeitText(double ms, double schritt) {
    if (!(ms > 0)) ms = 0;
    // Rounded to the label's precision first, so 59.96 s reads 1:00.0 and not 0:60.0.
    const long long teile = schritt < 100 ? 100 : schritt < 1000 ? 10 : 1;
    const long long gesamt = std::llround(ms / 1000.0 * static_cast<double>(teile));
    const long long sekunden = gesamt / teile, rest = gesamt % teile;
    const long long h = sekunden / 3600, m = sekunden / 60 % 60, s = sekunden % 60;
    char text[48];
    if (h > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", h, m, s);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", m, s);
    std::string t = text;
    if (teile == 10)
        t += "." + std::to_string(rest);
    else if (teile == 100) {
        std::snprintf(text, sizeof text, ".%02lld", rest);
        t += text;
    }
    return t;
}

std::size_t Eventindex::ersterAb(const EventListe& e, const std::vector<long>& s, double von) {
    return static_cast<std::size_t>(
        std::partition_point(s.begin(), s.end(),
                             [&](long k) { return e[static_cast<std::size_t>(k)].start < von; }) -
        s.begin());
}

std::uint64_t Eventindex::fingerabdruck(const EventListe& e) {
    // FNV-1a over the starts and tracks: a sort, a move or an edit of a track changes it.
    std::uint64_t h = 0xcbf29ce484222325ULL;
    constexpr std::uint64_t prim = 0x100000001b3ULL;
    for (std::size_t i = 1; i < e.size(); ++i) {
        h = (h ^ std::bit_cast<std::uint64_t>(e[i].start)) * prim;
        h = (h ^ e[i].track) * prim;
    }
    return h | 1; // never 0, the value of a forgotten index
}

bool Eventindex::aktualisieren(const EventListe& e) {
    const std::uint64_t f = fingerabdruck(e);
    if (e.size() == groesse_ && e.data() == daten_ && f == fingerabdruck_) return false;
    for (auto& s : spuren_) s.clear();
    for (std::size_t i = 1; i < e.size(); ++i) spuren_[e[i].track].push_back(static_cast<long>(i));
    groesse_ = e.size();
    daten_ = e.data();
    fingerabdruck_ = f;
    return true;
}

bool Wellenhuelle::bereich(double vonMs, double bisMs, int& oben, int& unten) const {
    const long n = static_cast<long>(spalten.size());
    if (n == 0 || bisMs < 0) return false;
    long c0 = static_cast<long>(std::floor(vonMs / msProSpalte));
    long c1 = static_cast<long>(std::ceil(bisMs / msProSpalte)) - 1;
    c0 = std::max(c0, 0L);
    c1 = std::min(std::max(c1, c0), n - 1);
    if (c0 >= n) return false;
    int o = hoehe, u = -1;
    for (long c = c0; c <= c1; ++c) {
        const Spalte& s = spalten[static_cast<std::size_t>(c)];
        if (s.oben > s.unten) continue;
        o = std::min<int>(o, s.oben);
        u = std::max<int>(u, s.unten);
    }
    if (u < o) return false;
    oben = o;
    unten = u;
    return true;
}

Wellenhuelle wellenhuelleLesen(const std::vector<std::uint8_t>& bmp, double medienlaengeMs) {
    Wellenhuelle h;
    if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M' || bmp[28] != 24) return h;
    const int breite = bmpBreite(bmp), hoehe = bmpHoehe(bmp);
    if (breite <= 0 || hoehe <= 0 || hoehe > 255) return h;
    const std::size_t zeile = (static_cast<std::size_t>(breite) * 3 + 3) / 4 * 4;
    if (bmp.size() < 54 + zeile * static_cast<std::size_t>(hoehe)) return h;
    // Bottom-up rows; a pixel of the wave is clearly green.
    auto welle = [&](int x, int y) {
        const std::size_t i =
            54 + static_cast<std::size_t>(hoehe - 1 - y) * zeile + static_cast<std::size_t>(x) * 3;
        return bmp[i + 1] > bmp[i + 2] + 64;
    };
    h.hoehe = hoehe;
    h.spalten.resize(static_cast<std::size_t>(breite));
    for (int x = 0; x < breite; ++x) {
        int oben = 0;
        while (oben < hoehe && !welle(x, oben)) ++oben;
        if (oben == hoehe) continue;
        int unten = hoehe - 1;
        while (unten > oben && !welle(x, unten)) --unten;
        h.spalten[static_cast<std::size_t>(x)] = {static_cast<std::uint8_t>(oben),
                                                  static_cast<std::uint8_t>(unten)};
    }
    // Ten milliseconds a column, unless a long piece was compressed to the greatest width.
    h.msProSpalte = 1000.0 / kWellenbildSpaltenProSekunde;
    if (breite >= kWellenbildMaxBreite && medienlaengeMs > 0)
        h.msProSpalte = medienlaengeMs / breite;
    return h;
}

} // namespace sw::ui
