// The walk over the native outline buffer, the curve flattening and the outline query, on
// buffers built by hand.

#include "generators/Glyphpfad.h"
#include "TestUmgebung.h"

#include <gtest/gtest.h>
#include <random>

using namespace sw;
using namespace sw::gen;

namespace {

std::int32_t fx(double v) {
    return static_cast<std::int32_t>(v * 65536);
}
std::int32_t record(int typ, int anzahl) {
    return typ | (anzahl << 16);
}

// A buffer of contours: each contour is its records after the header; the header's size is
// filled in.
struct Puffer {
    std::vector<std::int32_t> w;
    std::size_t kopf = 0;
    void kontur(double sx, double sy, std::int32_t typ = kPolygonTyp) {
        kopf = w.size();
        w.insert(w.end(), {0, typ, fx(sx), fx(sy)});
    }
    void rec(int typ, std::vector<std::pair<double, double>> punkte) {
        w.push_back(record(typ, static_cast<int>(punkte.size())));
        for (auto [x, y] : punkte) w.insert(w.end(), {fx(x), fx(y)});
        w[kopf] = static_cast<std::int32_t>((w.size() - kopf) * 4);
    }
};

std::vector<GlyphPunkt> punkte(const GlyphPath& p) {
    return {p.Spalten.begin() + 1, p.Spalten.end()};
}

} // namespace

// A worked example: a contour starting at a fractional point, a line, a two-point spline and
// a three-point spline, walked with N = 4. Y is 300 minus the outline's y.
TEST(Glyphpfad, WorkedExampleWithLinesAndSplines) {
    test::TestUmgebung u;
    Puffer b;
    b.kontur(0.5, 10);                         // (100.5, 290), current point (100, 290)
    b.rec(kLinienRecord, {{20.25, 0}});        // (120.25, 300), current (120, 300)
    b.rec(kQSplineRecord, {{24, 0}, {28, 4}}); // B (124, 300), C (128, 296): ends on C
    // B1 (128, 288); P2 (120, 280) makes C1 the midpoint (124, 284); then B2 (120, 280), C2 P3
    b.rec(kQSplineRecord, {{28, 12}, {20, 20}, {20.5, 30}});
    GlyphPath p;
    ASSERT_TRUE(PolygonZeichnen(b.w, p, 4, u.env));
    EXPECT_TRUE(p.Spalten[0] == GlyphPunkt{}); // the placeholder stays empty
    const std::vector<GlyphPunkt> erwartet = {
        {100.5, 290, 3},
        {120.25, 300, 1},
        // A (120, 300), B (124, 300), C (128, 296), t = 1/4 .. 1
        {122, 300, 0},
        {124, 299, 0},
        {126, 298, 0},
        {128, 296, 0},
        // A (128, 296), B (128, 288), C (124, 284)
        {128, 292, 0},
        {127, 289, 0},
        {126, 286, 0},
        {124, 284, 0},
        // A (124, 284), B (120, 280), C = P3 rounded (120.5 gives 120); y 278.5 gives 278
        {122, 282, 0},
        {121, 278, 0},
        {120, 275, 0},
        {120, 270, 0},
        {100.5, 290, 4}};
    ASSERT_EQ(punkte(p).size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_EQ(punkte(p)[i], erwartet[i]) << "point " << i + 1;
}

// Rounding half to even at t = 1/4 and 3/4; one step gives only the end point.
TEST(Glyphpfad, FlatteningRoundsHalfToEven) {
    std::vector<PunktPaar> aus;
    QuadBezierPunkte(4, 0, 1, 2, 0, 1, 0, aus);
    ASSERT_EQ(aus.size(), 5u);
    const int xs[] = {0, 0, 1, 2, 2}; // 0, 0.5, 1, 1.5, 2
    const int ys[] = {0, 0, 0, 0, 0}; // 0, 0.375, 0.5, 0.375, 0
    for (int j = 0; j <= 4; ++j) {
        EXPECT_EQ(aus[j].x, xs[j]) << j;
        EXPECT_EQ(aus[j].y, ys[j]) << j;
    }
    QuadBezierPunkte(1, 5, 9, 13, 1, 2, 3, aus);
    ASSERT_EQ(aus.size(), 2u);
    EXPECT_EQ(aus[1].x, 13);
    EXPECT_EQ(aus[1].y, 3);
}

// Below 1 the step count follows the control polygon's length: one point per 8 units, at least
// one, at most 64; above the limit the count is cut.
TEST(Glyphpfad, QualityBelowOneStepsByLength) {
    EXPECT_EQ(schrittzahl(0, 0, 0, 3, 4, 6, 8), 2);  // length 10
    EXPECT_EQ(schrittzahl(-5, 0, 0, 0, 0, 0, 0), 1); // no length
    EXPECT_EQ(schrittzahl(0, 0, 0, 1000, 0, 2000, 0), kMaxAutoSchritte);
    EXPECT_EQ(schrittzahl(7, 0, 0, 1000, 0, 2000, 0), 7);
    EXPECT_EQ(schrittzahl(1 << 30, 0, 0, 0, 0, 0, 0), kMaxSchritte);

    test::TestUmgebung u;
    Puffer b;
    b.kontur(0, 0);
    b.rec(kQSplineRecord, {{24, 0}, {48, 0}}); // 48 units: 6 points
    GlyphPath p;
    ASSERT_TRUE(PolygonZeichnen(b.w, p, 0, u.env));
    EXPECT_EQ(p.punktzahl(), 1u + 6u + 1u);
    EXPECT_EQ(p.Spalten[7].X, 148);
}

// A second contour whose header is not a polygon ends the walk with the message; the first
// contour stays. A record reaching past the end stops the walk without a message.
TEST(Glyphpfad, WrongHeaderAndTruncatedBuffer) {
    test::TestUmgebung u;
    Puffer b;
    b.kontur(1, 1);
    b.rec(kLinienRecord, {{5, 1}});
    b.kontur(2, 2, 7);
    b.rec(kLinienRecord, {{6, 2}});
    GlyphPath p;
    EXPECT_FALSE(PolygonZeichnen(b.w, p, 4, u.env));
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(u.dialoge.meldungen[0],
              "Fehler # Fehler Polygon zeichnen: Kurve ist kein Polygonzug");
    ASSERT_EQ(p.punktzahl(), 3u);
    EXPECT_EQ(p.Spalten[3].Code, glyphcode::Schluss);

    Puffer k;
    k.kontur(1, 1);
    k.rec(kLinienRecord, {{5, 1}, {6, 1}});
    k.w[4] = record(kLinienRecord, 9); // claims nine points
    GlyphPath q;
    EXPECT_FALSE(PolygonZeichnen(k.w, q, 4, u.env));
    EXPECT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(q.punktzahl(), 3u); // start and the two points there are
}

// The query: a size below 1 leaves the buffer alone without a message; a failing second call
// shows the message; a good one fills size / 4 words, little-endian.
TEST(Glyphpfad, OutlineQuery) {
    test::TestUmgebung u;
    std::vector<std::int32_t> puffer = {7};
    EXPECT_EQ(GlyphOutlineHolen(
                  puffer, [](std::uint8_t*, long) { return 0L; }, u.env),
              0);
    EXPECT_EQ(puffer, std::vector<std::int32_t>{7});
    EXPECT_TRUE(u.dialoge.meldungen.empty());

    EXPECT_EQ(GlyphOutlineHolen(
                  puffer, [](std::uint8_t* z, long) { return z ? -1L : 8L; }, u.env),
              -1);
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(u.dialoge.meldungen[0], "Fehler # GetGlyphOutline: Error!");

    const std::uint8_t bytes[8] = {0x18, 0, 0, 0, 0x01, 0x00, 0xFF, 0xFF};
    EXPECT_EQ(GlyphOutlineHolen(
                  puffer,
                  [&](std::uint8_t* z, long g) {
                      if (z) std::copy(bytes, bytes + g, z);
                      return 8L;
                  },
                  u.env),
              8);
    EXPECT_EQ(puffer, (std::vector<std::int32_t>{24, static_cast<std::int32_t>(0xFFFF0001)}));
}

// Random words around plausible headers and records never crash the walk or read past the
// buffer (the fuzz target does the same at length); every contour the walk closes was opened.
TEST(Glyphpfad, RandomBuffersNeverCrash) {
    test::TestUmgebung u;
    std::mt19937 r(11);
    for (int n = 0; n < 3000; ++n) {
        std::vector<std::int32_t> w(r() % 40);
        for (auto& x : w) x = static_cast<std::int32_t>(r());
        if (w.size() > 4 && (r() & 1)) {
            w[0] = static_cast<std::int32_t>(4 * (r() % 30));
            w[1] = kPolygonTyp;
        }
        if (w.size() > 5 && (r() & 1)) w[4] = record(1 + (r() & 1), static_cast<int>(r() % 8));
        GlyphPath p;
        PolygonZeichnen(w, p, static_cast<int>(r() % 9), u.env);
        int offen = 0;
        for (std::size_t i = 1; i < p.Spalten.size(); ++i) {
            const int c = p.Spalten[i].Code;
            ASSERT_TRUE(c == 0 || c == 1 || c == 3 || c == 4);
            if (c == 3) {
                ASSERT_EQ(offen++, 0);
            }
            if (c == 4) {
                ASSERT_EQ(offen--, 1);
            }
        }
    }
}
