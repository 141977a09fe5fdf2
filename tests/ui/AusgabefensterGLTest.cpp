// The output window with a real OpenGL context: runs under xvfb-run (Mesa's software
// renderer), see CMakeLists. The frame rate goes into the test report, not into an assertion.

#include "Fenster.h"
#include "ui/Ausgabefenster.h"
#include "ui/SimAnsicht.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cstdlib>

using namespace sw;
namespace fs = std::filesystem;

namespace {

bool keinXvfb() {
    return std::getenv("STRAHLWERK_KEIN_XVFB") != nullptr;
}

void demoOrdner(const fs::path& o) {
    test::schreibeDatei(o / "s.qvb",
                        test::leseDatei(fs::path(STRAHLWERK_DATA_DIR) / "Demo" / "Stern.qvb"));
}

// Plays figure 1 in the simulation and shows the output window.
ui::Ausgabefenster* simulationStarten(test::Fenster& t) {
    t.w->figurWaehlen(1);
    QTest::mouseClick(t.kind<QPushButton>("cmdSimulation"), Qt::LeftButton);
    EXPECT_TRUE(t.w->spielt());
    auto* f = t.w->ausgabe();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(f));
    return f;
}

} // namespace

TEST(AusgabefensterGL, DrawsEveryCycleWithOpenGLReportsTheFrameRateAndSavesItsSettings) {
    if (keinXvfb()) GTEST_SKIP() << "xvfb-run is missing: OpenGL needs an X display";
    test::Fenster t(demoOrdner);
    auto* f = simulationStarten(t);
    ASSERT_TRUE(f->openGLBereit());
    EXPECT_TRUE(f->findChild<QAbstractButton*>("optOpenGL(0)")->isChecked());
    QTest::qWait(200);
    const long vorher = f->bilder();
    QElapsedTimer uhr;
    uhr.start();
    QTest::qWait(2000);
    const double ms = static_cast<double>(uhr.elapsed());
    const double fps = (f->bilder() - vorher) * 1000.0 / ms;
    ::testing::Test::RecordProperty("bilder_pro_sekunde", std::to_string(fps));
    EXPECT_GT(f->bilder(), vorher);
    EXPECT_GT(f->punkte(), 10);
    // The picture holds light on black.
    auto* gl = f->findChild<QOpenGLWidget*>("picSimulationGL");
    ASSERT_NE(gl, nullptr);
    const QImage bild = gl->grabFramebuffer();
    int hell = 0;
    for (int y = 0; y < bild.height(); y += 2)
        for (int x = 0; x < bild.width(); x += 2) hell += qGray(bild.pixel(x, y)) > 40;
    EXPECT_GT(hell, 20);
    EXPECT_LT(hell, bild.width() * bild.height() / 4 / 2);

    // The flat renderer releases the context; OpenGL again makes a new one.
    QTest::mouseClick(f->findChild<QAbstractButton*>("optOpenGL(1)"), Qt::LeftButton);
    EXPECT_FALSE(f->openGLBereit());
    EXPECT_EQ(f->findChild<QOpenGLWidget*>("picSimulationGL"), nullptr);
    QTest::mouseClick(f->findChild<QAbstractButton*>("optOpenGL(0)"), Qt::LeftButton);
    EXPECT_TRUE(f->openGLBereit());
    EXPECT_TRUE(t.s.dialoge.meldungen.empty());

    // The controls set the display settings and save them.
    f->findChild<QScrollBar*>("scrTransparenz")->setValue(40);
    f->findChild<QScrollBar*>("scrTransparenzNebel")->setValue(7);
    f->findChild<QScrollBar*>("scrSimGroesse")->setValue(12000);
    f->findChild<QScrollBar*>("scrRotation(1)")->setValue(-30);
    EXPECT_FLOAT_EQ(f->anzeige().OpenGL_Trans, 0.4f);
    EXPECT_FLOAT_EQ(f->anzeige().OpenGl_Nebel, 0.07f);
    EXPECT_EQ(f->anzeige().SimGroesse, 12000);
    EXPECT_EQ(f->anzeige().Rotation[1], -30);
    // Beams off: list 1 is empty from the next cycle on, the screen lines stay.
    f->findChild<QCheckBox*>("OptBeam_Graphic(0)")->setChecked(false);
    QTest::qWait(100);
    EXPECT_FALSE(f->anzeige().Sim_Beam);
    EXPECT_TRUE(f->geometrie().Strahlen.empty());
    EXPECT_FALSE(f->geometrie().Leinwand.empty());
    f->hide();
    auto& e = t.p->einstellungen;
    EXPECT_EQ(e.zahlLesen("Optionen_frmAusgabe", "OpenGL_Trans ", 0), 0.4f);
    EXPECT_EQ(e.zahlLesen("Optionen_frmAusgabe", "Sim_Beam", 1), 0.0f);
    EXPECT_EQ(e.zahlLesen("Optionen_frmAusgabe", "SimGroeße", 0), 12000.0f);
    EXPECT_EQ(e.zahlLesen("Optionen_frmAusgabe", "Rotation(1)", 0), -30.0f);
    EXPECT_EQ(e.zahlLesen("Optionen_frmAusgabe", "ProjektorVerschiebungX(15)", 1), 0.0f);
}

TEST(AusgabefensterGL, WithoutAPixelFormatTheMessageComesAndTheFlatDrawingGoesOn) {
    if (keinXvfb()) GTEST_SKIP() << "xvfb-run is missing: OpenGL needs an X display";
    const auto echt = ui::SimAnsicht::openGLPruefen;
    ui::SimAnsicht::openGLPruefen = [](QString* grund) {
        *grund = "no pixel format (forced by the test)";
        return false;
    };
    {
        test::Fenster t(demoOrdner);
        auto* f = simulationStarten(t);
        EXPECT_FALSE(f->openGLBereit());
        ASSERT_EQ(t.s.dialoge.meldungen.size(), 1u);
        EXPECT_NE(t.s.dialoge.meldungen[0].find(ui::kOpenGLFehler), std::string::npos);
        EXPECT_NE(t.s.dialoge.meldungen[0].find("forced by the test"), std::string::npos);
        EXPECT_TRUE(f->findChild<QAbstractButton*>("optOpenGL(1)")->isChecked());
        // The program goes on: the cycles run and the flat view draws them.
        QTest::qWait(150);
        EXPECT_TRUE(t.w->spielt());
        EXPECT_GT(f->punkte(), 10);
        EXPECT_FALSE(f->geometrie().Leinwand.empty());
        // Said once, not at every showing.
        f->hide();
        f->show();
        EXPECT_EQ(t.s.dialoge.meldungen.size(), 1u);
    }
    ui::SimAnsicht::openGLPruefen = echt;
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (keinXvfb()) return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
