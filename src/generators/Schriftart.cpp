#include "generators/Schriftart.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_FONT_FORMATS_H

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <mutex>

namespace sw::gen {

namespace {

bool gleichOhneGross(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// fontconfig's generic names stand for whatever family the system prefers.
bool generischeFamilie(const std::string& f) {
    for (const char* g : {"sans-serif", "sans", "serif", "monospace", "mono", "system-ui"})
        if (gleichOhneGross(f, g)) return true;
    return false;
}

struct Vek {
    double x = 0, y = 0;
};
Vek operator+(Vek a, Vek b) {
    return {a.x + b.x, a.y + b.y};
}
Vek operator-(Vek a, Vek b) {
    return {a.x - b.x, a.y - b.y};
}
Vek operator*(double k, Vek a) {
    return {k * a.x, k * a.y};
}

std::int32_t fest(double v) { // outline units (26.6 as a double of whole units) to 16.16
    return static_cast<std::int32_t>(
        std::clamp(std::llround(v * 65536.0), -2147483647LL, 2147483647LL));
}

// Writes the records of one outline into words of the native layout.
class Schreiber {
public:
    std::vector<std::int32_t> woerter;

    void kontur(Vek start) {
        kopf_ = woerter.size();
        woerter.insert(woerter.end(), {0, kPolygonTyp, fest(start.x), fest(start.y)});
        record_ = 0;
    }
    void konturEnde() { woerter[kopf_] = static_cast<std::int32_t>((woerter.size() - kopf_) * 4); }
    // Appends a point to an open record of this type, or starts one.
    void punkt(int typ, Vek p, bool neuerRecord = false) {
        if (record_ == 0 || typ != typ_ || neuerRecord) {
            record_ = woerter.size();
            typ_ = typ;
            woerter.push_back(typ);
        }
        woerter.push_back(fest(p.x));
        woerter.push_back(fest(p.y));
        const auto anzahl = static_cast<std::int32_t>((woerter.size() - record_ - 1) / 2);
        woerter[record_] = typ | (anzahl << 16);
    }
    void recordEnde() { record_ = 0; }

private:
    std::size_t kopf_ = 0;
    std::size_t record_ = 0;
    int typ_ = 0;
};

constexpr int kMaxKubischStuecke = 16;

void kubischAlsQuadratisch(Schreiber& s, Vek p0, Vek p1, Vek p2, Vek p3) {
    for (const auto& q : kubischZerlegen(p0.x, p0.y, p1.x, p1.y, p2.x, p2.y, p3.x, p3.y)) {
        s.punkt(kQSplineRecord, {q.kx, q.ky}, true);
        s.punkt(kQSplineRecord, {q.ex, q.ey});
        s.recordEnde();
    }
}

enum class Art { Auf, Quadratisch, Kubisch };

// One contour of FreeType's outline: it starts at its first on-curve point (or, when it has
// none, at the midpoint of its last and first control points), runs of on-curve points become
// polyline records, runs of quadratic controls one spline record ending on the next on-curve
// point, and cubic curves several spline records. The way back to the start is left to the
// closing point, unless a curve leads there.
void konturSchreiben(Schreiber& s, const std::vector<Vek>& p, const std::vector<Art>& art) {
    const std::size_t n = p.size();
    if (n == 0) return;
    std::size_t erster = n;
    for (std::size_t i = 0; i < n; ++i)
        if (art[i] == Art::Auf) {
            erster = i;
            break;
        }
    Vek start;
    std::vector<std::size_t> folge;
    if (erster < n) {
        start = p[erster];
        for (std::size_t k = 1; k < n; ++k) folge.push_back((erster + k) % n);
    } else {
        start = 0.5 * (p[n - 1] + p[0]);
        for (std::size_t k = 0; k < n; ++k) folge.push_back(k);
    }
    s.kontur(start);
    Vek akt = start;
    std::vector<Vek> quad, kub;
    auto aufPunkt = [&](Vek q, bool schluss) {
        if (!kub.empty()) {
            kubischAlsQuadratisch(s, akt, kub.front(), kub.back(), q);
            kub.clear();
        } else if (!quad.empty()) {
            for (std::size_t k = 0; k < quad.size(); ++k) s.punkt(kQSplineRecord, quad[k], k == 0);
            s.punkt(kQSplineRecord, q);
            s.recordEnde();
            quad.clear();
        } else if (!schluss) {
            s.punkt(kLinienRecord, q);
        }
        akt = q;
    };
    for (std::size_t i : folge) {
        switch (art[i]) {
        case Art::Auf:
            aufPunkt(p[i], false);
            break;
        case Art::Quadratisch:
            quad.push_back(p[i]);
            break;
        case Art::Kubisch:
            if (kub.size() == 2) { // two cubic curves meeting at an implied point
                const Vek mitte = 0.5 * (kub[1] + p[i]);
                kubischAlsQuadratisch(s, akt, kub[0], kub[1], mitte);
                akt = mitte;
                kub.clear();
            }
            kub.push_back(p[i]);
            break;
        }
    }
    aufPunkt(start, true);
    s.konturEnde();
}

FT_Library bibliothek() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return lib;
}

// fontconfig's configuration with the installed fonts, our own rather than the library's
// default, so that it is freed at the end like everything else.
FcConfig* fcKonfiguration() {
    struct Halter {
        FcConfig* c = FcInitLoadConfigAndFonts();
        ~Halter() {
            if (c) FcConfigDestroy(c);
        }
    };
    static Halter h;
    return h.c;
}

} // namespace

// The cubic is cut at equal steps of t into m pieces; each piece P0..P3 becomes the quadratic
// with control (3 (P1 + P2) - (P0 + P3)) / 4, whose largest distance from the piece is
// sqrt(3) / 36 |P3 - 3 P2 + 3 P1 - P0|. That third difference shrinks with m cubed, so
// m = cbrt(distance for the whole curve / tolerance) keeps every piece within the tolerance
// (at most 16 pieces: a curve that would need more is far larger than any glyph).
std::vector<Quadratstueck> kubischZerlegen(double x0, double y0, double x1, double y1, double x2,
                                           double y2, double x3, double y3) {
    const Vek p0{x0, y0}, p1{x1, y1}, p2{x2, y2}, p3{x3, y3};
    const Vek d = p3 - 3 * p2 + 3 * p1 - p0;
    const double fehler = std::sqrt(3.0) / 36 * std::hypot(d.x, d.y);
    const int m = std::clamp(static_cast<int>(std::ceil(std::cbrt(fehler / kKubischToleranz))), 1,
                             kMaxKubischStuecke);
    auto punkt = [&](double t) {
        const double u = 1 - t;
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    };
    auto ableitung = [&](double t) {
        const double u = 1 - t;
        return 3 * u * u * (p1 - p0) + 6 * u * t * (p2 - p1) + 3 * t * t * (p3 - p2);
    };
    std::vector<Quadratstueck> stuecke;
    for (int k = 0; k < m; ++k) {
        const double t0 = static_cast<double>(k) / m, t1 = static_cast<double>(k + 1) / m;
        const Vek a = k == 0 ? p0 : punkt(t0), b = k + 1 == m ? p3 : punkt(t1);
        const Vek c1 = a + (t1 - t0) / 3 * ableitung(t0);
        const Vek c2 = b - (t1 - t0) / 3 * ableitung(t1);
        const Vek q = 0.25 * (3 * (c1 + c2) - (a + b));
        stuecke.push_back({q.x, q.y, b.x, b.y});
    }
    return stuecke;
}

std::optional<std::string> schriftdateiFinden(const std::string& nameOderDatei) {
    std::error_code ec;
    if (nameOderDatei.empty()) return std::nullopt;
    if (std::filesystem::is_regular_file(nameOderDatei, ec)) return nameOderDatei;
    static std::mutex sperre; // fontconfig's default configuration is shared
    std::lock_guard lock(sperre);
    FcConfig* konfiguration = fcKonfiguration();
    if (!konfiguration) return std::nullopt;
    FcPattern* muster = FcNameParse(reinterpret_cast<const FcChar8*>(nameOderDatei.c_str()));
    if (!muster) return std::nullopt;
    FcChar8* gewuenscht = nullptr;
    std::string familie;
    if (FcPatternGetString(muster, FC_FAMILY, 0, &gewuenscht) == FcResultMatch)
        familie = reinterpret_cast<const char*>(gewuenscht);
    FcConfigSubstitute(konfiguration, muster, FcMatchPattern);
    FcDefaultSubstitute(muster);
    FcResult ergebnis = FcResultNoMatch;
    FcPattern* treffer = FcFontMatch(konfiguration, muster, &ergebnis);
    FcPatternDestroy(muster);
    if (!treffer) return std::nullopt;
    std::optional<std::string> datei;
    bool passt = familie.empty() || generischeFamilie(familie);
    FcChar8* f = nullptr;
    for (int i = 0; !passt && FcPatternGetString(treffer, FC_FAMILY, i, &f) == FcResultMatch; ++i)
        passt = gleichOhneGross(reinterpret_cast<const char*>(f), familie);
    FcChar8* pfad = nullptr;
    if (passt && FcPatternGetString(treffer, FC_FILE, 0, &pfad) == FcResultMatch)
        datei = reinterpret_cast<const char*>(pfad);
    FcPatternDestroy(treffer);
    return datei;
}

struct Schriftart::Intern {
    FT_Face face = nullptr;
    double einheit = 1; // outline units per font unit
};

Schriftart::Schriftart(const std::string& datei) : d_(std::make_unique<Intern>()) {
    FT_Library lib = bibliothek();
    if (!lib || FT_New_Face(lib, datei.c_str(), 0, &d_->face) != 0) {
        d_->face = nullptr;
        return;
    }
    if (!FT_IS_SCALABLE(d_->face) || FT_Set_Pixel_Sizes(d_->face, 0, kUmrissGroesse) != 0) {
        FT_Done_Face(d_->face);
        d_->face = nullptr;
        return;
    }
    d_->einheit = static_cast<double>(kUmrissGroesse) / d_->face->units_per_EM;
}

Schriftart::~Schriftart() {
    if (d_->face) FT_Done_Face(d_->face);
}

bool Schriftart::ok() const {
    return d_->face != nullptr;
}

std::string Schriftart::familie() const {
    return ok() && d_->face->family_name ? d_->face->family_name : "";
}

std::string Schriftart::format() const {
    const char* f = ok() ? FT_Get_Font_Format(d_->face) : nullptr;
    return f ? f : "";
}

bool Schriftart::hatGlyphe(char32_t zeichen) const {
    return ok() && FT_Get_Char_Index(d_->face, zeichen) != 0;
}

long Schriftart::umriss(char32_t zeichen, std::uint8_t* ziel, long groesse) const {
    if (!hatGlyphe(zeichen)) return -1;
    FT_Face face = d_->face;
    if (FT_Load_Char(face, zeichen, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return -1;
    const FT_Outline& o = face->glyph->outline;
    Schreiber s;
    std::vector<Vek> punkte;
    std::vector<Art> arten;
    int anfang = 0;
    for (int k = 0; k < o.n_contours; ++k) {
        const int ende = o.contours[k];
        punkte.clear();
        arten.clear();
        for (int i = anfang; i <= ende && i < o.n_points; ++i) {
            punkte.push_back({o.points[i].x / 64.0, o.points[i].y / 64.0});
            const int tag = FT_CURVE_TAG(o.tags[i]);
            arten.push_back(tag == FT_CURVE_TAG_ON      ? Art::Auf
                            : tag == FT_CURVE_TAG_CUBIC ? Art::Kubisch
                                                        : Art::Quadratisch);
        }
        konturSchreiben(s, punkte, arten);
        anfang = ende + 1;
    }
    const long bytes = static_cast<long>(s.woerter.size() * 4);
    if (ziel) {
        const long n = std::min(bytes, groesse);
        for (long b = 0; b < n; ++b)
            ziel[b] = static_cast<std::uint8_t>(
                static_cast<std::uint32_t>(s.woerter[static_cast<std::size_t>(b / 4)]) >>
                (8 * (b % 4)));
    }
    return bytes;
}

double Schriftart::vorschub(char32_t zeichen) const {
    if (!ok()) return 0;
    if (FT_Load_Char(d_->face, zeichen, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0) return 0;
    return d_->face->glyph->linearHoriAdvance / 65536.0;
}

double Schriftart::unterschneidung(char32_t links, char32_t rechts) const {
    if (!ok() || !FT_HAS_KERNING(d_->face)) return 0;
    FT_Vector v{};
    if (FT_Get_Kerning(d_->face, FT_Get_Char_Index(d_->face, links),
                       FT_Get_Char_Index(d_->face, rechts), FT_KERNING_UNSCALED, &v) != 0)
        return 0;
    return v.x * d_->einheit;
}

double Schriftart::oberlaenge() const {
    return ok() ? d_->face->ascender * d_->einheit : 0;
}

double Schriftart::unterlaenge() const {
    return ok() ? d_->face->descender * d_->einheit : 0;
}

std::vector<std::int32_t> nativerUmriss(const Schriftart& s, char32_t zeichen) {
    const long bytes = s.umriss(zeichen, nullptr, 0);
    if (bytes < 1) return {};
    std::vector<std::uint8_t> b(static_cast<std::size_t>(bytes));
    s.umriss(zeichen, b.data(), bytes);
    std::vector<std::int32_t> w(b.size() / 4);
    for (std::size_t i = 0; i < w.size(); ++i)
        w[i] = static_cast<std::int32_t>(b[4 * i] | b[4 * i + 1] << 8 | b[4 * i + 2] << 16 |
                                         static_cast<std::uint32_t>(b[4 * i + 3]) << 24);
    return w;
}

GlyphPath TTF_Umriss(const Schriftart& s, char32_t zeichen, int qualitaet, Umgebung& env,
                     double autoAbstand) {
    GlyphPath pfad;
    std::vector<std::int32_t> puffer;
    const long bytes = GlyphOutlineHolen(
        puffer, [&](std::uint8_t* ziel, long groesse) { return s.umriss(zeichen, ziel, groesse); },
        env);
    if (bytes >= 1)
        PolygonZeichnen(puffer, pfad, qualitaet, env, kGlyphXVersatz, kGlyphGrundlinie,
                        autoAbstand);
    return pfad;
}

} // namespace sw::gen
