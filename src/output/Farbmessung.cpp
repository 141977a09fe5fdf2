#include "output/Farbmessung.h"

#include "platform/Vb.h"

#include <algorithm>

namespace sw {

namespace {

bool steigtDurchweg(const Kurvenpunkte& k) {
    GeraeteFarben g;
    g.Steigung[0] = (k.maximum - k.minimum) / 255.0;
    g.Offset[0] = k.minimum;
    g.midPosition[0] = k.midPosition;
    g.midWert[0] = k.midWert;
    if (!farbkurvenBauen(g)) return false;
    const auto& kurve = g.kurven[0];
    return std::is_sorted(kurve.begin(), kurve.end());
}

void messfarbeSetzen(AusgabeZustand& a, const Farbmessung& m) {
    a.Messfarbe = {0, 0, 0};
    a.Messfarbe[static_cast<std::size_t>(m.kanal)] = static_cast<std::int16_t>(m.pegel);
}

} // namespace

std::optional<Kurvenpunkte> kurveAnpassen(const Farbmarken& m) {
    if (!m.sichtbar || !m.voll || *m.voll <= *m.sichtbar) return std::nullopt;
    Kurvenpunkte k;
    k.minimum = std::clamp(*m.sichtbar - 1, 0, 254);
    k.maximum = std::clamp(*m.voll, k.minimum + 1, 255);
    k.midPosition = 128;
    const int gerade =
        static_cast<int>(vb::runden(k.minimum + (k.maximum - k.minimum) * 128.0 / 255));
    k.midWert = m.halb ? std::clamp(*m.halb, k.minimum, k.maximum) : gerade;
    // Towards the straight line, one step at a time, until the curve rises throughout.
    while (!steigtDurchweg(k) && k.midWert != gerade) k.midWert += k.midWert < gerade ? 1 : -1;
    return k;
}

void messungStarten(AusgabeZustand& a, Farbmessung& m, int geraet) {
    m = Farbmessung{};
    m.laeuft = true;
    m.geraet = std::clamp(geraet, 0, kGeraete - 1);
    a.Farbmessmodus = true;
    a.GemessenesGeraet = m.geraet;
    messfarbeSetzen(a, m);
}

void messpegelSetzen(AusgabeZustand& a, Farbmessung& m, int pegel) {
    if (!m.laeuft) return;
    m.pegel = std::clamp(pegel, 0, 255);
    messfarbeSetzen(a, m);
}

void messpegelSchritt(AusgabeZustand& a, Farbmessung& m, int richtung) {
    messpegelSetzen(a, m, m.pegel + (richtung < 0 ? -kMessStufe : kMessStufe));
}

void markieren(Farbmessung& m, Marke marke) {
    if (!m.laeuft) return;
    auto& k = m.marken[static_cast<std::size_t>(m.kanal)];
    (marke == Marke::Sichtbar ? k.sichtbar : marke == Marke::Halb ? k.halb : k.voll) = m.pegel;
}

bool naechsterKanal(AusgabeZustand& a, Farbmessung& m) {
    if (!m.laeuft || m.kanal >= 2) return false;
    ++m.kanal;
    m.pegel = 0;
    messfarbeSetzen(a, m);
    return true;
}

std::array<bool, 3> messungUebernehmen(AusgabeZustand& a, Farbmessung& m, const Paletten& p) {
    std::array<bool, 3> genommen{};
    if (!m.laeuft) return genommen;
    auto& g = a.Farben.geraete[static_cast<std::size_t>(m.geraet)];
    for (std::size_t c = 0; c < 3; ++c) {
        const auto k = kurveAnpassen(m.marken[c]);
        if (!k) continue;
        g.minimum[c] = k->minimum;
        g.maximum[c] = k->maximum;
        g.midPosition[c] = k->midPosition;
        g.midWert[c] = k->midWert;
        g.TTL_Gesetzt[c] = 0;
        genommen[c] = true;
    }
    messungAbbrechen(a, m);
    FarbenKorrigieren(a.Farben, p, m.geraet);
    return genommen;
}

void messungAbbrechen(AusgabeZustand& a, Farbmessung& m) {
    m.laeuft = false;
    a.Farbmessmodus = false;
    a.GemessenesGeraet = -1;
    a.Messfarbe = {255, 255, 255};
}

} // namespace sw
