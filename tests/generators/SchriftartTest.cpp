// Glyph outlines from real fonts: DejaVu Sans (quadratic) and Cantarell (cubic), the native
// layout FreeType's outlines are converted into, and the failures.

#include "generators/Schriftart.h"
#include "TestHilfe.h"

#include <cmath>
#include <set>

using namespace sw;
using namespace sw::gen;

namespace {

const Schriftart& dejavu() {
    static const Schriftart s(schriftdateiFinden("DejaVu Sans").value_or(""));
    return s;
}

std::vector<int> codes(const GlyphPath& p) {
    std::vector<int> c;
    for (std::size_t i = 1; i < p.Spalten.size(); ++i) c.push_back(p.Spalten[i].Code);
    return c;
}

// Each contour in the codes: 3, then 0 and 1 only, then 4.
int konturen(const std::vector<int>& c) {
    int n = 0;
    bool offen = false;
    for (int code : c) {
        if (code == glyphcode::Start) {
            EXPECT_FALSE(offen);
            offen = true;
            ++n;
        } else if (code == glyphcode::Schluss) {
            EXPECT_TRUE(offen);
            offen = false;
        } else {
            EXPECT_TRUE(offen && (code == 0 || code == 1)) << code;
        }
    }
    EXPECT_FALSE(offen);
    return n;
}

// The records of a native buffer: every header of type 24 and its size in whole words, and
// only polyline and quadratic-spline records.
void layoutPruefen(const std::vector<std::int32_t>& w) {
    std::size_t i = 0;
    while (i < w.size()) {
        ASSERT_EQ(w[i + 1], kPolygonTyp);
        ASSERT_EQ(w[i] % 4, 0);
        const std::size_t ende = i + static_cast<std::size_t>(w[i]) / 4;
        ASSERT_LE(ende, w.size());
        for (i += 4; i < ende;) {
            const int typ = w[i] & 0xFFFF, anzahl = w[i] >> 16;
            ASSERT_TRUE(typ == kLinienRecord || typ == kQSplineRecord) << typ;
            ASSERT_GE(anzahl, typ == kQSplineRecord ? 2 : 1);
            i += 1 + 2 * static_cast<std::size_t>(anzahl);
        }
        ASSERT_EQ(i, ende);
    }
}

} // namespace

TEST(Schriftart, FontconfigFindsFamiliesAndFiles) {
    ASSERT_TRUE(dejavu().ok());
    EXPECT_EQ(dejavu().familie(), "DejaVu Sans");
    EXPECT_EQ(dejavu().format(), "TrueType");
    const auto datei = schriftdateiFinden("DejaVu Sans");
    EXPECT_EQ(schriftdateiFinden(*datei), datei); // a file is taken as it is
    EXPECT_TRUE(schriftdateiFinden("sans-serif"));
    EXPECT_FALSE(schriftdateiFinden("No Such Family Xq7"));
    EXPECT_FALSE(schriftdateiFinden(""));
    // metrics in outline units (300 to the em)
    EXPECT_NEAR(dejavu().vorschub(U'A'), 300.0 * 1401 / 2048, 0.01);
    EXPECT_LT(dejavu().unterschneidung(U'A', U'V'), -5);
    EXPECT_EQ(dejavu().unterschneidung(U'H', U'H'), 0);
    EXPECT_GT(dejavu().oberlaenge(), 200);
    EXPECT_LT(dejavu().unterlaenge(), -40);
}

// "l" is one rectangle: a header of 44 bytes, the start and one polyline record of three
// points (the way back is the closing point's).
TEST(Schriftart, NativeLayoutOfARectangle) {
    const auto w = nativerUmriss(dejavu(), U'l');
    ASSERT_EQ(w.size(), 11u);
    EXPECT_EQ(w[0], 44);
    EXPECT_EQ(w[1], 24);
    EXPECT_EQ(w[4], 1 | 3 << 16);
    // the bytes as the structures lay them out: cb, dwType; then wType = 1, cpfx = 3
    std::uint8_t b[44];
    ASSERT_EQ(dejavu().umriss(U'l', b, 44), 44);
    const std::uint8_t kopf[] = {44, 0, 0, 0, 24, 0, 0, 0};
    const std::uint8_t record[] = {1, 0, 3, 0};
    EXPECT_TRUE(std::equal(kopf, kopf + 8, b));
    EXPECT_TRUE(std::equal(record, record + 4, b + 16));
    EXPECT_EQ(dejavu().umriss(U'l', nullptr, 0), 44);
    // the corners share two x and two y values, in 16.16
    std::set<std::int32_t> xs, ys;
    for (std::size_t i : {2, 5, 7, 9}) {
        xs.insert(w[i]);
        ys.insert(w[i + 1]);
    }
    EXPECT_EQ(xs.size(), 2u);
    EXPECT_EQ(ys.size(), 2u);
    EXPECT_EQ(*ys.begin(), 0); // on the baseline
}

// "O": two contours; straight-segment and start points keep fractions, curve points never
// have one; the closing point repeats the start exactly.
TEST(Schriftart, DejaVuGlyphs) {
    test::TestUmgebung u;
    for (char32_t z : {U'O', U'o', U'8', U'H', U'S', U'%', U'ä'})
        layoutPruefen(nativerUmriss(dejavu(), z));

    const GlyphPath o = TTF_Umriss(dejavu(), U'O', 4, u.env);
    EXPECT_EQ(konturen(codes(o)), 2);
    int kurvenpunkte = 0;
    for (std::size_t i = 1; i < o.Spalten.size(); ++i) {
        const auto& p = o.Spalten[i];
        if (p.Code == glyphcode::Kurve) {
            ++kurvenpunkte;
            EXPECT_EQ(p.X, std::round(p.X));
            EXPECT_EQ(p.Y, std::round(p.Y));
        }
        if (p.Code == glyphcode::Schluss) {
            std::size_t s = i - 1;
            while (o.Spalten[s].Code != glyphcode::Start) --s;
            EXPECT_EQ(p.X, o.Spalten[s].X);
            EXPECT_EQ(p.Y, o.Spalten[s].Y);
        }
    }
    EXPECT_EQ(kurvenpunkte % 4, 0); // four per spline segment

    // "H" has only straight segments, and with 300 units to the em they fall between whole ones
    const GlyphPath h = TTF_Umriss(dejavu(), U'H', 4, u.env);
    EXPECT_EQ(konturen(codes(h)), 1);
    bool bruch = false;
    for (std::size_t i = 1; i < h.Spalten.size(); ++i) {
        EXPECT_NE(h.Spalten[i].Code, glyphcode::Kurve);
        bruch = bruch || h.Spalten[i].X != std::round(h.Spalten[i].X);
    }
    EXPECT_TRUE(bruch);
    EXPECT_TRUE(u.dialoge.meldungen.empty());

    // a higher quality gives more curve points
    EXPECT_GT(TTF_Umriss(dejavu(), U'O', 12, u.env).punktzahl(), o.punktzahl());
}

// A character without a glyph, the space and an unreadable file add nothing and show nothing.
TEST(Schriftart, MissingGlyphAndUnreadableFont) {
    test::TestUmgebung u;
    EXPECT_FALSE(dejavu().hatGlyphe(U'中'));
    EXPECT_EQ(TTF_Umriss(dejavu(), U'中', 4, u.env).punktzahl(), 0u);
    EXPECT_EQ(TTF_Umriss(dejavu(), U' ', 4, u.env).punktzahl(), 0u);
    EXPECT_EQ(TTF_Umriss(dejavu(), U' ', 4, u.env).Spalten.size(), 1u);

    test::Kratzordner tmp;
    test::schreibeDatei(tmp / "kaputt.ttf", "this is no font");
    const Schriftart kaputt((tmp / "kaputt.ttf").string());
    EXPECT_FALSE(kaputt.ok());
    EXPECT_EQ(TTF_Umriss(kaputt, U'A', 4, u.env).punktzahl(), 0u);
    const Schriftart fehlt((tmp / "fehlt.ttf").string());
    EXPECT_FALSE(fehlt.ok());
    EXPECT_TRUE(u.dialoge.meldungen.empty());
}

// Cantarell's outlines are cubic (CFF); they arrive as quadratic splines and walk without a
// message.
TEST(Schriftart, CubicOutlinesBecomeQuadratic) {
    const auto datei = schriftdateiFinden("Cantarell");
    ASSERT_TRUE(datei) << "fonts-cantarell is not installed";
    const Schriftart c(*datei);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.format(), "CFF");
    test::TestUmgebung u;
    for (char32_t z : {U'O', U'S', U'g', U'&'}) {
        layoutPruefen(nativerUmriss(c, z));
        const GlyphPath p = TTF_Umriss(c, z, 4, u.env);
        EXPECT_GE(konturen(codes(p)), 1);
        EXPECT_GT(p.punktzahl(), 20u);
    }
    EXPECT_EQ(konturen(codes(TTF_Umriss(c, U'O', 4, u.env))), 2);
    EXPECT_TRUE(u.dialoge.meldungen.empty());
}

// Each quadratic piece stays within the tolerance of its part of the cubic, at the same
// parameter; the pieces join end to end and the last ends on the cubic's end.
TEST(Schriftart, CubicPiecesKeepTheTolerance) {
    struct K {
        double x[4], y[4];
    };
    const K kurven[] = {{{0, 0, 100, 100}, {0, 100, 100, 0}},    // an arch
                        {{0, 300, -200, 100}, {0, 0, 300, 300}}, // an S
                        {{0, 400, -300, 100}, {0, 200, 200, 0}}, // nearly a loop
                        {{0, 1, 2, 3}, {0, 1, 1, 0}},            // small: one piece
                        {{5, 5, 5, 5}, {7, 7, 7, 7}}};           // a point
    std::vector<std::size_t> anzahlen;
    for (const auto& k : kurven) {
        const auto stuecke =
            kubischZerlegen(k.x[0], k.y[0], k.x[1], k.y[1], k.x[2], k.y[2], k.x[3], k.y[3]);
        anzahlen.push_back(stuecke.size());
        auto kubisch = [&](const double* p, double t) {
            const double u = 1 - t;
            return u * u * u * p[0] + 3 * u * u * t * p[1] + 3 * u * t * t * p[2] +
                   t * t * t * p[3];
        };
        const double m = static_cast<double>(stuecke.size());
        double ax = k.x[0], ay = k.y[0];
        for (std::size_t i = 0; i < stuecke.size(); ++i) {
            const auto& q = stuecke[i];
            for (int j = 0; j <= 40; ++j) {
                const double s = j / 40.0, u = 1 - s, t = (static_cast<double>(i) + s) / m;
                const double qx = u * u * ax + 2 * u * s * q.kx + s * s * q.ex;
                const double qy = u * u * ay + 2 * u * s * q.ky + s * s * q.ey;
                EXPECT_LE(std::hypot(qx - kubisch(k.x, t), qy - kubisch(k.y, t)),
                          kKubischToleranz + 1e-9);
            }
            ax = q.ex;
            ay = q.ey;
        }
        EXPECT_EQ(ax, k.x[3]);
        EXPECT_EQ(ay, k.y[3]);
    }
    EXPECT_EQ(anzahlen,
              (std::vector<std::size_t>{5, 10, 11, 1, 1})); // cbrt(sqrt(3) / 36 |d| / 0.1)
}
