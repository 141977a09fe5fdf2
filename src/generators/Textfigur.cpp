#include "generators/Textfigur.h"

#include "core/Meldungen.h"
#include "generators/TextTexte.h"
#include "generators/Zeichenhilfe.h"

#include <algorithm>
#include <cmath>

namespace sw::gen {

namespace {

// Status of the points: blanked moves are corners with a colour change, lit points text
// points as well.
constexpr std::uint8_t kStatusDunkel = status::Ecke | status::Farbwechsel;
constexpr std::uint8_t kStatusHell = kStatusDunkel | status::Text;

// Spacing of the points along lines and curves before the budget widens it, in laser units
// (about 1.5 % of the area's width), and the densest curve flattening, in glyph units.
constexpr double kStartAbstand = 1000;
constexpr double kMaxAbstand = 16000;
// At most every this many points of a curve are dropped to keep the budget.
constexpr int kMaxKurvenLuecke = 8;

struct Kontur {
    std::vector<GlyphPunkt> punkte; // X to the right and Y up from the baseline, glyph units
};

struct Satz {
    std::vector<Kontur> konturen;
    double breite = 0; // the pen's way over the whole text, glyph units
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool leer = true;
};

Satz setzen(const Schriftart& s, const std::u32string& text, int qualitaet, double autoAbstand,
            Umgebung& env, std::u32string* fehlend) {
    Satz satz;
    double stift = 0;
    char32_t vorher = 0;
    for (char32_t z : text) {
        if (z == U'\n' || z == U'\r' || z == U'\t') z = U' ';
        if (vorher) stift += s.unterschneidung(vorher, z);
        vorher = z;
        if (z != U' ' && !s.hatGlyphe(z)) {
            if (fehlend && fehlend->find(z) == std::u32string::npos) fehlend->push_back(z);
            stift += s.vorschub(z);
            continue;
        }
        if (z != U' ') { // the space has no outline and never reaches the walk
            const GlyphPath pfad = TTF_Umriss(s, z, qualitaet, env, autoAbstand);
            for (std::size_t i = 1; i < pfad.Spalten.size(); ++i) {
                const auto& p = pfad.Spalten[i];
                if (p.Code == glyphcode::Start || satz.konturen.empty())
                    satz.konturen.emplace_back();
                GlyphPunkt q{stift + p.X - kGlyphXVersatz, kGlyphGrundlinie - p.Y, p.Code};
                satz.konturen.back().punkte.push_back(q);
                if (satz.leer) {
                    satz.minX = satz.maxX = q.X;
                    satz.minY = satz.maxY = q.Y;
                    satz.leer = false;
                }
                satz.minX = std::min(satz.minX, q.X);
                satz.maxX = std::max(satz.maxX, q.X);
                satz.minY = std::min(satz.minY, q.Y);
                satz.maxY = std::max(satz.maxY, q.Y);
            }
        }
        stift += s.vorschub(z);
    }
    satz.breite = stift;
    return satz;
}

struct Laserpunkt {
    double x, y;
    bool hell;
};

// The text's points in laser units: a dark point where the last contour ended, a dark and a lit
// point on the new contour's start, then lit points along its lines and curves, none farther
// than `abstand` from the one before. With `kurvenLuecke` k above 1 only every k-th point of a
// curve is kept (and the curve's last), for texts too long for their budget otherwise.
std::vector<Laserpunkt> punkteBauen(const Satz& satz, double massstab, double dx, double dy,
                                    double abstand, int kurvenLuecke) {
    std::vector<Laserpunkt> aus;
    for (const auto& k : satz.konturen) {
        if (k.punkte.empty()) continue;
        auto nach = [&](const GlyphPunkt& p) {
            return Laserpunkt{p.X * massstab + dx, p.Y * massstab + dy, true};
        };
        Laserpunkt akt = nach(k.punkte.front());
        if (!aus.empty()) aus.push_back({aus.back().x, aus.back().y, false});
        aus.push_back({akt.x, akt.y, false});
        aus.push_back(akt);
        int imBogen = 0;
        for (std::size_t i = 1; i < k.punkte.size(); ++i) {
            const bool kurve = k.punkte[i].Code == glyphcode::Kurve;
            imBogen = kurve ? imBogen + 1 : 0;
            const bool bogenEnde =
                i + 1 == k.punkte.size() || k.punkte[i + 1].Code != glyphcode::Kurve;
            if (kurve && !bogenEnde && imBogen % kurvenLuecke != 0) continue;
            const Laserpunkt ziel = nach(k.punkte[i]);
            const double weg = std::hypot(ziel.x - akt.x, ziel.y - akt.y);
            if (weg < 0.5) continue;
            const int n = std::max(1, static_cast<int>(std::ceil(weg / abstand)));
            for (int j = 1; j <= n; ++j)
                aus.push_back(
                    {akt.x + (ziel.x - akt.x) * j / n, akt.y + (ziel.y - akt.y) * j / n, true});
            akt = ziel;
        }
    }
    return aus;
}

Punkt laserpunkt(const Laserpunkt& p, std::int32_t farbe) {
    auto koordinate = [](double v) {
        return static_cast<std::int16_t>(std::clamp(std::lround(v), -32768L, 32767L));
    };
    return Punkt{koordinate(p.x), koordinate(p.y), p.hell ? farbe : -1,
                 p.hell ? kStatusHell : kStatusDunkel};
}

// One frame of the points that lie within the area's width after moving them by `verschub`:
// a lit point that follows a point outside is reached by a dark move.
Frame frameBauen(const std::vector<Laserpunkt>& punkte, double verschub, std::int32_t farbe) {
    Frame f;
    bool vorherSichtbar = false;
    for (const auto& p : punkte) {
        Laserpunkt q{p.x + verschub, p.y, p.hell};
        const bool sichtbar = std::abs(q.x) <= kTextRand;
        if (sichtbar && static_cast<long>(f.Punkte.size()) < kMaxPunkteProFrame) {
            if (q.hell && !vorherSichtbar) f.Punkte.push_back(laserpunkt({q.x, q.y, false}, farbe));
            if (static_cast<long>(f.Punkte.size()) < kMaxPunkteProFrame)
                f.Punkte.push_back(laserpunkt(q, farbe));
        }
        vorherSichtbar = sichtbar;
    }
    return f;
}

} // namespace

TextErgebnis textfigurErzeugen(const TextOptionen& o, Umgebung& env) {
    TextErgebnis e;
    const auto datei = schriftdateiFinden(o.schrift.empty() ? kStandardSchrift : o.schrift);
    if (!datei) {
        e.fehler = TextErgebnis::Fehler::SchriftFehlt;
        return e;
    }
    e.schriftdatei = *datei;
    const Schriftart schrift(*datei);
    if (!schrift.ok()) {
        e.fehler = TextErgebnis::Fehler::SchriftUnlesbar;
        return e;
    }
    const std::u32string text = utf8Dekodieren(o.text);

    // Laser units per glyph unit: the em (300 glyph units) takes `groesse` percent of the
    // area's height; a still text wider or higher than the area is made smaller.
    const double flaeche = 2.0 * kTextRand;
    double massstab = std::clamp(o.groesse, 1.0, 100.0) / 100 * flaeche / kUmrissGroesse;
    double abstand = kStartAbstand;
    double autoAbstand = kAutoAbstand;
    int qualitaet = o.qualitaet;
    int kurvenLuecke = 1;
    std::size_t vorher = 0;
    for (int versuch = 0;; ++versuch) {
        e.fehlendeZeichen.clear();
        const Satz satz = setzen(schrift, text, qualitaet, autoAbstand, env, &e.fehlendeZeichen);
        if (satz.leer) {
            e.fehler = TextErgebnis::Fehler::NichtsZuZeichnen;
            return e;
        }
        double m = massstab;
        const double breite = satz.maxX - satz.minX, hoehe = satz.maxY - satz.minY;
        if (hoehe * m > flaeche) m = flaeche / hoehe;
        if (!o.laufschrift && breite * m > flaeche) m = flaeche / breite;
        const double dx = -(satz.minX + satz.maxX) / 2 * m;
        const double dy = -(satz.minY + satz.maxY) / 2 * m;
        const auto punkte = punkteBauen(satz, m, dx, dy, abstand, kurvenLuecke);

        std::vector<Frame> frames;
        if (!o.laufschrift) {
            frames.push_back(frameBauen(punkte, 0, o.farbe));
        } else {
            // From the text's left edge on the right border until its right edge has left over
            // the left border; at most as many frames as a figure holds.
            const double weg = breite * m + flaeche;
            double schritt = std::max(o.laufschritt, 0.01) / 100 * flaeche;
            schritt = std::max(schritt, (weg + 2) / (kMaxFrameObergrenze - 1));
            // (one unit more on each side, so that the first and the last frame are empty)
            const long anzahl = static_cast<long>(std::ceil((weg + 2) / schritt)) + 1;
            const double anfang = kTextRand + breite * m / 2 + 1;
            for (long j = 0; j < anzahl; ++j)
                frames.push_back(frameBauen(punkte, anfang - j * schritt, o.farbe));
        }
        std::size_t groesster = 0;
        for (const auto& f : frames) groesster = std::max(groesster, f.Punkte.size() - 1);

        // Over the budget: wider spacing along lines and fewer curve steps; once that no longer
        // helps (every curve segment is down to one step), fewer curve points.
        const double zuViel = static_cast<double>(groesster) / std::max(o.punktbudget, 10);
        if (zuViel > 1 && versuch < 16) {
            const double f = zuViel * 1.1;
            const bool hilft = vorher == 0 || groesster < vorher * 95 / 100;
            vorher = groesster;
            if (hilft && abstand < kMaxAbstand) {
                abstand = std::min(abstand * f, kMaxAbstand);
                autoAbstand *= f;
                if (qualitaet >= 1) qualitaet = std::max(1, static_cast<int>(qualitaet / f));
                continue;
            }
            if (kurvenLuecke < kMaxKurvenLuecke) {
                kurvenLuecke =
                    std::min(kMaxKurvenLuecke, static_cast<int>(std::ceil(kurvenLuecke * f)));
                continue;
            }
        }
        e.abstand = abstand;
        e.groessterFrame = groesster;
        e.figur = neueFigur(std::move(frames), o.laufschrift ? o.framedauer : 0);
        return e;
    }
}

std::string textMeldung(const TextErgebnis& e, const TextOptionen& o, const Sprachtexte& t) {
    auto text = [&](const texte::Beschriftung& x) { return t.text(x); };
    switch (e.fehler) {
    case TextErgebnis::Fehler::SchriftFehlt:
        return meldung::einsetzen(text(texte::SchriftFehlt), "\"" + o.schrift + "\"");
    case TextErgebnis::Fehler::SchriftUnlesbar:
        return meldung::einsetzen(text(texte::SchriftUnlesbar), e.schriftdatei);
    case TextErgebnis::Fehler::NichtsZuZeichnen:
        return text(texte::NichtsZuZeichnen);
    case TextErgebnis::Fehler::Keiner:
        break;
    }
    if (e.fehlendeZeichen.empty()) return {};
    return meldung::einsetzen(text(texte::ZeichenFehlen), utf8Kodieren(e.fehlendeZeichen));
}

std::u32string utf8Dekodieren(const std::string& s) {
    std::u32string aus;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int folge = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t z = folge == 0 ? b : folge == 1 ? b & 0x1F : folge == 2 ? b & 0x0F : b & 0x07;
        bool gut = folge >= 0 && i + static_cast<std::size_t>(folge) < s.size();
        for (int k = 1; gut && k <= folge; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            gut = (c >> 6) == 2;
            z = (z << 6) | (c & 0x3F);
        }
        if (!gut) {
            aus.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        aus.push_back(z);
        i += static_cast<std::size_t>(folge) + 1;
    }
    return aus;
}

std::string utf8Kodieren(const std::u32string& s) {
    std::string aus;
    for (char32_t z : s) {
        if (z < 0x80) {
            aus += static_cast<char>(z);
        } else if (z < 0x800) {
            aus += static_cast<char>(0xC0 | (z >> 6));
            aus += static_cast<char>(0x80 | (z & 0x3F));
        } else if (z < 0x10000) {
            aus += static_cast<char>(0xE0 | (z >> 12));
            aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            aus += static_cast<char>(0x80 | (z & 0x3F));
        } else {
            aus += static_cast<char>(0xF0 | (z >> 18));
            aus += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
            aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            aus += static_cast<char>(0x80 | (z & 0x3F));
        }
    }
    return aus;
}

} // namespace sw::gen
