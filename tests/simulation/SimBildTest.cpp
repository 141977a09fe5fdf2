// Draws simulation pictures through OpenGL off screen; runs under xvfb-run (see CMakeLists).

#include "simulation/SimBild.h"
#include "simulation/SimFeld.h"

#include <gtest/gtest.h>

#include "simulation/SimRenderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <vector>

using namespace sw;

namespace {

constexpr int kSeite = 400;

struct Punktliste {
    std::vector<double> liste;
    long letzter = kSimLeer;
    // x, y relative to the centre, in output units.
    Punktliste& operator()(double x, double y, double hell) {
        SIM_Feld(liste, letzter, {32767 + x, 32767 + y, hell, hell, hell, 0, 0});
        return *this;
    }
};

// A square of +-16000 drawn lit, a blanked jump from its corner to (30000, 0), and a lit
// stroke from there to (30000, 20000).
Punktliste testfigur() {
    Punktliste p;
    p(-16000, -16000, 0)(16000, -16000, 255)(16000, 16000, 255)(-16000, 16000, 255);
    p(-16000, -16000, 255)(30000, 0, 0)(30000, 20000, 255);
    return p;
}

QImage zeichnen(const Punktliste& p, const SimAnzeige& s) {
    SimGeometrie g;
    simGeometrieBauen(p.liste.data(), p.letzter, s, g);
    QString grund;
    QImage bild = simulationsBild(g, s, QSize(kSeite, kSeite), &grund);
    EXPECT_FALSE(bild.isNull()) << grund.toStdString();
    return bild;
}

// The pixel of cube coordinates (x, y).
QPoint pixel(double x, double y) {
    return {static_cast<int>(std::lround((x + 1) / 2 * kSeite)),
            static_cast<int>(std::lround((1 - y) / 2 * kSeite))};
}

bool hell(const QImage& b, QPoint p) {
    const QRgb c = b.pixel(p);
    return qRed(c) > 40 || qGreen(c) > 40 || qBlue(c) > 40;
}

// Lit anywhere within `r` pixels of p.
bool hellNahe(const QImage& b, QPoint p, int r = 2) {
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (b.rect().contains(p + QPoint(dx, dy)) && hell(b, p + QPoint(dx, dy))) return true;
    return false;
}

double abstand(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double l2 = QPointF::dotProduct(d, d);
    const double t = l2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, d) / l2, 0.0, 1.0);
    const QPointF n = a + t * d - p;
    return std::hypot(n.x(), n.y());
}

bool kannZeichnen() {
    return std::getenv("STRAHLWERK_KEIN_XVFB") == nullptr;
}

} // namespace

TEST(SimBild, ScreenFigureLightsItsLinesAndNothingElse) {
    if (!kannZeichnen()) GTEST_SKIP() << "xvfb-run is missing: OpenGL needs an X display";
    SimAnzeige s;
    s.Rotation = {0, 0, 0};
    s.Sim_Beam = false;
    const QImage b = zeichnen(testfigur(), s);
    ASSERT_FALSE(b.isNull());
    b.save(QString::fromUtf8(::testing::TempDir().c_str()) + "/simulation-leinwand.png");
    // The screen plane draws at half size: the square's edges at +-8000 / 32767.
    const double k = 8000.0 / 32767, e = 15000.0 / 32767, f = 10000.0 / 32767;
    const double y0 = 5.0 / 32767; // the screen's 10 units up, halved
    EXPECT_TRUE(hellNahe(b, pixel(0, -k + y0)));
    EXPECT_TRUE(hellNahe(b, pixel(k, 0)));
    EXPECT_TRUE(hellNahe(b, pixel(0, k + y0)));
    EXPECT_TRUE(hellNahe(b, pixel(-k, 0)));
    EXPECT_TRUE(hellNahe(b, pixel(e, f / 2)));
    // The blanked jump, the square's inside and the rest stay black: no lit pixel is farther
    // than two pixels from a drawn segment.
    const std::vector<std::pair<QPointF, QPointF>> segmente = {{pixel(-k, -k), pixel(k, -k)},
                                                               {pixel(k, -k), pixel(k, k)},
                                                               {pixel(k, k), pixel(-k, k)},
                                                               {pixel(-k, k), pixel(-k, -k)},
                                                               {pixel(e, 0), pixel(e, f)}};
    int hellePixel = 0, fremde = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            if (!hell(b, {x, y})) continue;
            ++hellePixel;
            double naechster = 1e9;
            for (const auto& [a, z] : segmente)
                naechster = std::min(naechster, abstand(QPointF(x, y), a, z));
            if (naechster > 2.5) ++fremde;
        }
    EXPECT_GT(hellePixel, 4 * 2 * 8000 * kSeite / 2 / 32767 - 10);
    EXPECT_EQ(fremde, 0);
    // Along the blanked jump's middle nothing is lit.
    EXPECT_FALSE(hellNahe(b, pixel((-k + e) / 2, -k / 2), 1));
}

TEST(SimBild, BeamsFanFromTheProjectorExceptIntoBlankedPoints) {
    if (!kannZeichnen()) GTEST_SKIP() << "xvfb-run is missing: OpenGL needs an X display";
    SimAnzeige s;
    s.Rotation = {0, 0, 0};
    s.Sim_Grafik = false;
    s.OpenGl_Nebel = s.OpenGL_Trans = s.OpenGl_Beam = 1;
    const QImage b = zeichnen(testfigur(), s);
    ASSERT_FALSE(b.isNull());
    b.save(QString::fromUtf8(::testing::TempDir().c_str()) + "/simulation-strahlen.png");
    auto bei = [](double x, double y) { return pixel(x / 32767, (y + 10) / 32767); };
    // Seen along the beams, the fans fill the square and the stroke's triangle.
    EXPECT_TRUE(hell(b, bei(0, -8000)));
    EXPECT_TRUE(hell(b, bei(12000, 5000)));
    EXPECT_TRUE(hell(b, bei(25000, 10000)));
    // The fan of the blanked jump (projector, square corner, (30000, 0)) stays dark where no
    // other fan covers it, and so does everything beyond the figure.
    EXPECT_FALSE(hell(b, bei(20000, -2000)));
    EXPECT_FALSE(hell(b, bei(0, -25000)));
    EXPECT_FALSE(hell(b, bei(-25000, 0)));

    // Turned 90 degrees about X the depth becomes height: the fans run from the projector
    // (depth -0.8) at the top down to the screen (depth +0.8) at the bottom.
    s.Rotation = {0, 90, 0};
    const QImage seite = zeichnen(testfigur(), s);
    EXPECT_TRUE(hellNahe(seite, pixel(0, 0.78)));
    EXPECT_TRUE(hellNahe(seite, pixel(0.3, -0.79)));
    EXPECT_FALSE(hellNahe(seite, pixel(0, 0.9), 1));
    EXPECT_FALSE(hellNahe(seite, pixel(0, -0.9), 1));
}

TEST(SimBild, FaintLightAddsUp) {
    if (!kannZeichnen()) GTEST_SKIP() << "xvfb-run is missing: OpenGL needs an X display";
    // A horizontal line at a quarter alpha, then the same line drawn twice: the picture is
    // opaque, so a quarter stays a quarter and two add to a half.
    SimAnzeige s;
    s.Rotation = {0, 0, 0};
    s.Sim_Beam = false;
    s.OpenGl_Leinwand = 0.25f;
    Punktliste einmal;
    einmal(-20000, 0, 0)(20000, 0, 255);
    Punktliste zweimal;
    zweimal(-20000, 0, 0)(20000, 0, 255)(-20000, 0, 255);
    auto hellste = [](const QImage& b) {
        int m = 0;
        for (int y = kSeite / 2 - 3; y <= kSeite / 2 + 3; ++y)
            m = std::max(m, qRed(b.pixel(kSeite / 2, y)));
        return m;
    };
    const int eins = hellste(zeichnen(einmal, s));
    const int zwei = hellste(zeichnen(zweimal, s));
    EXPECT_NEAR(eins, 64, 4);
    EXPECT_NEAR(zwei, 128, 6);
}

TEST(SimBild, BothListsOffLeaveTheClearedBackground) {
    if (!kannZeichnen()) GTEST_SKIP() << "xvfb-run is missing: OpenGL needs an X display";
    SimAnzeige s;
    s.Sim_Beam = s.Sim_Grafik = false;
    const QImage b = zeichnen(testfigur(), s);
    ASSERT_FALSE(b.isNull());
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            ASSERT_EQ(b.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
}

// Uploading and drawing a heavy cycle (16 devices of 2,000 points) with one context: reported,
// not asserted; under Xvfb it measures Mesa's software renderer.
TEST(SimBild, ReportsTheDrawingTimeOfAHeavyCycle) {
    if (!kannZeichnen()) GTEST_SKIP() << "xvfb-run is missing: OpenGL needs an X display";
    Punktliste p;
    for (int d = 0; d < 16; ++d)
        for (int i = 0; i < 2000; ++i) {
            const double w = 2 * 3.14159265358979 * i / 2000, r = 1500.0 * (d + 1);
            SIM_Feld(p.liste, p.letzter,
                     {32767 + r * std::cos(w), 32767 + r * std::sin(w), i % 10 ? 255.0 : 0.0,
                      i % 10 ? 128.0 : 0.0, 64, 1000.0 * d - 8000, 0});
        }
    SimAnzeige s;
    SimGeometrie g;
    simGeometrieBauen(p.liste.data(), p.letzter, s, g);
    QOpenGLContext kontext;
    ASSERT_TRUE(kontext.create());
    QOffscreenSurface flaeche;
    flaeche.setFormat(kontext.format());
    flaeche.create();
    ASSERT_TRUE(kontext.makeCurrent(&flaeche));
    {
        QOpenGLFramebufferObject fbo(640, 480);
        ASSERT_TRUE(fbo.bind());
        kontext.functions()->glViewport(0, 0, 640, 480);
        SimRenderer r;
        ASSERT_TRUE(r.starten());
        r.hochladen(g);
        r.zeichnen(s);
        kontext.functions()->glFinish();
        constexpr int kBilder = 10;
        QElapsedTimer uhr;
        uhr.start();
        for (int i = 0; i < kBilder; ++i) {
            r.hochladen(g);
            r.zeichnen(s);
            kontext.functions()->glFinish();
        }
        const double ms = static_cast<double>(uhr.nsecsElapsed()) / 1e6 / kBilder;
        std::cout << "[ MEASURED ] upload and draw of 32,000 points (" << g.Strahlen.size() / 3
                  << " fans) at 640x480: " << ms << " ms per cycle on "
                  << reinterpret_cast<const char*>(kontext.functions()->glGetString(GL_RENDERER))
                  << "\n";
        r.beenden();
        fbo.release();
    }
    kontext.doneCurrent();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!kannZeichnen()) return RUN_ALL_TESTS();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
