#include "simulation/SimGeometrie.h"
#include "simulation/SimFeld.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sw;

namespace {

struct Punktliste {
    std::vector<double> liste;
    long letzter = kSimLeer;
    Punktliste& operator()(double x, double y, double r, double g, double b, double px = 0,
                           double py = 0) {
        SIM_Feld(liste, letzter, {x, y, r, g, b, px, py});
        return *this;
    }
};

SimGeometrie bauen(const Punktliste& p, const SimAnzeige& s = {}) {
    SimGeometrie g;
    simGeometrieBauen(p.liste.data(), p.letzter, s, g);
    return g;
}

void erwarteVertex(const SimVertex& v, float x, float y, float z, float r, float g, float b,
                   float a) {
    EXPECT_NEAR(v.x, x, 1e-6);
    EXPECT_NEAR(v.y, y, 1e-6);
    EXPECT_FLOAT_EQ(v.z, z);
    EXPECT_FLOAT_EQ(v.r, r);
    EXPECT_FLOAT_EQ(v.g, g);
    EXPECT_FLOAT_EQ(v.b, b);
    EXPECT_FLOAT_EQ(v.a, a);
}

} // namespace

TEST(SimFeld, PointsLandBackToBackAndGrowthKeepsThem) {
    Punktliste p;
    EXPECT_EQ(simPunktzahl(p.letzter), 0);
    for (int i = 0; i < 100; ++i) p(i, 2 * i, 255, i % 256, 0, -i, 3);
    EXPECT_EQ(p.letzter, 7 * 99);
    EXPECT_EQ(simPunktzahl(p.letzter), 100);
    for (int i = 0; i < 100; ++i) {
        const double* z = p.liste.data() + 7 * i;
        ASSERT_EQ(z[0], i);
        EXPECT_EQ(z[1], 2 * i);
        EXPECT_EQ(z[3], i % 256);
        EXPECT_EQ(z[5], -i);
        EXPECT_EQ(z[6], 3);
    }
    // Reaching the capacity makes it five times the new last index.
    Punktliste q;
    q(0, 0, 0, 0, 0);
    EXPECT_EQ(q.liste.size(), 7u);
    q(0, 0, 0, 0, 0);
    EXPECT_EQ(q.liste.size(), 35u);
    for (int i = 0; i < 3; ++i) q(0, 0, 0, 0, 0);
    EXPECT_EQ(q.letzter, 28);
    EXPECT_EQ(q.liste.size(), 140u);
    // A new cycle starts at -7 and reuses the memory.
    q.letzter = kSimLeer;
    q(1, 1, 1, 1, 1);
    EXPECT_EQ(q.letzter, 0);
    EXPECT_EQ(q.liste.size(), 140u);
}

TEST(SimGeometrie, SegmentsFollowTheFormulas) {
    // One segment from (32767+8000, 32767) to (32767, 32767+16000), green, projector offsets
    // (1000, -2000) on the first point; size 16000 doubles every distance, the picture offset
    // moves everything by -800 x value.
    SimAnzeige s;
    s.SimGroesse = 16000;
    s.AusgabeVerschiebungX = 1;
    s.AusgabeVerschiebungY = -0.5f;
    s.OpenGL_Trans = 0.25f;
    s.OpenGl_Beam = 0.5f;
    s.OpenGl_Leinwand = 0.75f;
    s.OpenGl_Nebel = 0.125f;
    Punktliste p;
    p(40767, 32767, 255, 0, 0, 1000, -2000)(32767, 48767, 0, 51, 255, 7000, 7000);
    const SimGeometrie g = bauen(p, s);
    ASSERT_EQ(g.Strahlen.size(), 3u);
    ASSERT_EQ(g.Kanten.size(), 2u);
    ASSERT_EQ(g.Leinwand.size(), 2u);
    // X(p) = 2*8000 - 800 = 15200, Y(p) = 0 + 10 + 400 = 410; X(q) = -800, Y(q) = 32410;
    // PX = 2*0.5*1000 - 800 = 200, PY = 2*0.5*-2000 + 400 = -1600 (the first point's).
    const float k = 32767, gr = 51.0f / 255;
    erwarteVertex(g.Strahlen[0], 200 / k, -1600 / k, -0.8f, 0, gr, 1, 0.125f);
    erwarteVertex(g.Strahlen[1], 15400 / k, -1190 / k, 0.8f, 0, gr, 1, 0.125f);
    erwarteVertex(g.Strahlen[2], -600 / k, 30810 / k, 0.8f, 0, gr, 1, 0.25f);
    erwarteVertex(g.Kanten[0], 200 / k, -1600 / k, -0.8f, 0, gr, 1, 0.5f);
    erwarteVertex(g.Kanten[1], 15400 / k, -1190 / k, 0.8f, 0, gr, 1, 0.5f);
    erwarteVertex(g.Leinwand[0], 7800 / k, -1395 / k, 0, 0, gr, 1, 0.75f);
    erwarteVertex(g.Leinwand[1], -200 / k, 14605 / k, 0, 0, gr, 1, 0.75f);
}

TEST(SimGeometrie, SinglePointsAndBlankedSegmentsDrawNothing) {
    Punktliste einer;
    einer(1000, 1000, 255, 255, 255);
    SimGeometrie g = bauen(einer);
    EXPECT_TRUE(g.Strahlen.empty());
    EXPECT_TRUE(g.Kanten.empty());
    EXPECT_TRUE(g.Leinwand.empty());
    // An empty cycle as well.
    g = bauen(Punktliste{});
    EXPECT_TRUE(g.Strahlen.empty() && g.Leinwand.empty());

    // Lit, blanked, lit: only the segment out of the blanked point is drawn, from its position.
    Punktliste p;
    p(10000, 10000, 255, 0, 0)(50000, 10000, 0, 0, 0)(50000, 50000, 0, 0, 255);
    g = bauen(p);
    ASSERT_EQ(g.Strahlen.size(), 3u);
    ASSERT_EQ(g.Kanten.size(), 2u);
    ASSERT_EQ(g.Leinwand.size(), 2u);
    EXPECT_NEAR(g.Leinwand[0].x, (50000 - 32767) / 2.0 / 32767, 1e-6);
    EXPECT_NEAR(g.Leinwand[1].y, (50000 - 32767 + 10) / 2.0 / 32767, 1e-6);
    for (const auto* feld : {&g.Strahlen, &g.Kanten, &g.Leinwand})
        for (const SimVertex& v : feld->alle()) {
            EXPECT_EQ(v.r, 0);
            EXPECT_EQ(v.b, 1);
        }
    EXPECT_NEAR(g.Strahlen[1].x, (50000 - 32767) / 32767.0, 1e-6);

    // A cycle with fewer segments after a longer one leaves nothing of the old one behind.
    Punktliste lang;
    for (int i = 0; i < 50; ++i) lang(i * 1000, 0, 255, 255, 255);
    simGeometrieBauen(lang.liste.data(), lang.letzter, {}, g);
    EXPECT_EQ(g.Leinwand.size(), 98u);
    simGeometrieBauen(p.liste.data(), p.letzter, {}, g);
    EXPECT_EQ(g.Leinwand.size(), 2u);
}

TEST(SimGeometrie, BeamAndGraphicSwitchTheirListsOnly) {
    Punktliste p;
    p(0, 0, 255, 255, 255)(65535, 65535, 255, 255, 255)(0, 65535, 255, 255, 255);
    SimAnzeige s;
    s.Sim_Beam = false;
    SimGeometrie g = bauen(p, s);
    EXPECT_TRUE(g.Strahlen.empty());
    EXPECT_TRUE(g.Kanten.empty());
    EXPECT_EQ(g.Leinwand.size(), 4u);
    s.Sim_Beam = true;
    s.Sim_Grafik = false;
    g = bauen(p, s);
    EXPECT_EQ(g.Strahlen.size(), 6u);
    EXPECT_EQ(g.Kanten.size(), 4u);
    EXPECT_TRUE(g.Leinwand.empty());
    s.Sim_Beam = false;
    g = bauen(p, s);
    EXPECT_TRUE(g.Strahlen.empty() && g.Kanten.empty() && g.Leinwand.empty());
}

TEST(SimGeometrie, CornersAreClampedOnTheLimits) {
    // Four times the size puts the far corners past 2 and the screen lines past 1; a large
    // projector offset moves the projector corner, which is not clamped.
    SimAnzeige s;
    s.SimGroesse = 32000;
    Punktliste p;
    p(65535, 0, 255, 255, 255, 100000, 0)(0, 65535, 255, 255, 255)(32767, 32767, 9, 9, 9);
    const SimGeometrie g = bauen(p, s);
    ASSERT_EQ(g.Strahlen.size(), 6u);
    const float px = static_cast<float>(4 * 0.5 * 100000 / 32767.0);
    EXPECT_NEAR(g.Strahlen[0].x, px, 1e-5); // 6.1: unclamped
    EXPECT_FLOAT_EQ(g.Strahlen[1].x, 2);    // (PX + 131072) / 32767
    EXPECT_FLOAT_EQ(g.Strahlen[1].y, -2);
    EXPECT_FLOAT_EQ(g.Strahlen[2].x, 2); // PX - 131068 still above 2
    EXPECT_FLOAT_EQ(g.Strahlen[2].y, 2);
    EXPECT_FLOAT_EQ(g.Kanten[1].x, 2);
    EXPECT_FLOAT_EQ(g.Leinwand[0].x, 1);
    EXPECT_FLOAT_EQ(g.Leinwand[0].y, -1);
    EXPECT_FLOAT_EQ(g.Leinwand[1].x, 1);
    EXPECT_FLOAT_EQ(g.Leinwand[1].y, 1);
    // The second segment's projector is at the origin: its corners land inside.
    EXPECT_FLOAT_EQ(g.Strahlen[4].x, -2);
    EXPECT_NEAR(g.Strahlen[5].x, 4 * (32767 - 32767) / 32767.0, 1e-6);
    EXPECT_NEAR(g.Strahlen[5].y, 10 / 32767.0, 1e-6);
    EXPECT_FLOAT_EQ(g.Leinwand[2].x, -1);
    EXPECT_FLOAT_EQ(g.Leinwand[2].y, 1);
}
