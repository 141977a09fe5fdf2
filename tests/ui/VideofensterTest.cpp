// The video window with the real player: under xvfb-run the picture is drawn with OpenGL
// (Mesa's software renderer), on the offscreen platform the window falls back to a black area.
// The video is made by the test with libmpv's encoder; the sound goes to the null output.

#include "ui/Videofenster.h"
#include "Fenster.h"
#include "medien/MpvMedien.h"
#include "medien/Testvideo.h"
#include "medien/WavKopf.h"
#include "show/ShowLaden.h"
#include "show/ShowSpeichern.h"
#include "ui/ShowMenue.h"
#include "ui/SimAnsicht.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTest>

#include <clocale>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace sw;
namespace fs = std::filesystem;

namespace {

bool offscreen() {
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

// The share of pixels in `r` brighter than a dark grey.
double hell(const QImage& b, QRect r = {}) {
    if (r.isNull()) r = b.rect();
    r &= b.rect();
    long n = 0, h = 0;
    for (int y = r.top(); y <= r.bottom(); y += 2)
        for (int x = r.left(); x <= r.right(); x += 2, ++n) h += qGray(b.pixel(x, y)) > 40;
    return n ? static_cast<double>(h) / static_cast<double>(n) : 0.0;
}

// Pixels (of every fourth) that differ clearly between two pictures of the same size.
long anders(const QImage& a, const QImage& b) {
    long n = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); y += 4)
        for (int x = 0; x < std::min(a.width(), b.width()); x += 4)
            n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 30;
    return n;
}

std::string logInhalt(test::Fenster& t) {
    std::ifstream f(fs::path(t.p->pfade.TempPfad) / "Software_Bugsuche_und_Timing.log");
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

long vorkommen(const std::string& text, const std::string& teil) {
    long n = 0;
    for (auto i = text.find(teil); i != std::string::npos; i = text.find(teil, i + 1)) ++n;
    return n;
}

struct Videotest {
    test::Fenster t;
    fs::path video;
    std::string grund;
    bool da = false;
    MpvMedien* mpv = nullptr;

    Videotest() {
        video = t.s.tmp / "clip.avi";
        da = testvideoSchreiben(video, 6.0, 160, 120, &grund);
        mpv = dynamic_cast<MpvMedien*>(t.p->medien.get());
    }
    Showsteuerung& steuerung() { return ui::showsteuerung(*t.w); }
    ui::Videofenster* zeigen() {
        auto* f = ui::videofenster(*t.w);
        f->resize(640, 360);
        ui::fensterZeigen(f);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f));
        return f;
    }
    bool oeffnen() {
        auto& s = steuerung();
        return s.show.medien.DS_OpenFile(video.string(), s.show.show.videofenster);
    }
    QImage bild(ui::Videofenster* f) { return f->glBild()->grabFramebuffer(); }
};

#define OPENGL_VORAUSSETZUNG                                                                       \
    if (offscreen()) GTEST_SKIP() << "needs an X display (xvfb-run) for OpenGL"
#define VIDEO_VORAUSSETZUNGEN(v)                                                                   \
    if (!(v).da) GTEST_SKIP() << "no test video: " << (v).grund;                                   \
    ASSERT_NE((v).mpv, nullptr) << "the real player did not start"

} // namespace

TEST(Videofenster, PlaysTheVideoThroughTheRenderContextAndMeasuresTheFrames) {
    OPENGL_VORAUSSETZUNG;
    Videotest v;
    VIDEO_VORAUSSETZUNGEN(v);
    auto* f = v.zeigen();
    ASSERT_NE(f->glBild(), nullptr);
    EXPECT_EQ(f->glBild()->objectName(), "picVideo");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->glBild()->renderkontext(); }, 3000));
    EXPECT_TRUE(v.mpv->renderKontextDa());
    EXPECT_NE(v.steuerung().show.show.videofenster.handle, 0u);

    // Nothing open yet: black with the line in the middle.
    const QImage leer = v.bild(f);
    EXPECT_LT(hell(leer), 0.05);
    EXPECT_GT(
        hell(leer, QRect(leer.width() / 4, leer.height() / 3, leer.width() / 2, leer.height() / 3)),
        0.0);

    ASSERT_TRUE(v.oeffnen());
    EXPECT_NEAR(v.mpv->DS_GetDuration(), 6.0, 0.1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.mpv->bildDa(); }, 5000));
    v.mpv->DS_Play();
    QTest::qWait(300);
    const long vorher = f->glBild()->zeiten().bilder;
    QElapsedTimer uhr;
    uhr.start();
    const double p0 = v.mpv->spielerPosition();
    const QImage a = v.bild(f);
    QTest::qWait(800);
    const QImage b = v.bild(f);
    const double ms = static_cast<double>(uhr.elapsed());
    const double gang = (v.mpv->spielerPosition() - p0) * 1000.0 / ms;
    // The pattern fills the picture's height; its colour bars and counter move.
    EXPECT_GT(hell(a), 0.3);
    EXPECT_GT(anders(a, b), 50);
    EXPECT_GT(v.mpv->DS_GetPosition(), 0.7);
    const auto& z = f->glBild()->zeiten();
    const double proSekunde = (z.bilder - vorher) * 1000.0 / ms;
    std::cout << "[ MEASURED ] video window " << f->glBild()->width() << "x"
              << f->glBild()->height() << ": " << proSekunde << " frames/s of a 25 frames/s video, "
              << z.summeMs / std::max(1L, z.bilder) << " ms per frame drawn on average, "
              << z.laengsteMs << " ms the longest; " << gang << " media seconds per second\n";
    EXPECT_GT(gang, 0.6);
    EXPECT_GT(z.bilder, vorher);
}

TEST(Videofenster, ModesKeepThePictureStretchFillsTheWidthAndFullScreenComesAndGoes) {
    OPENGL_VORAUSSETZUNG;
    Videotest v;
    VIDEO_VORAUSSETZUNGEN(v);
    auto* f = v.zeigen();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->glBild()->renderkontext(); }, 3000));
    ASSERT_TRUE(v.oeffnen());
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.mpv->bildDa(); }, 5000));
    v.mpv->DS_Play();
    QTest::qWait(300);

    // A 4:3 picture in a wide window: with its aspect kept the sides are black bars.
    const QImage gehalten = v.bild(f);
    const QRect links(0, 0, gehalten.width() / 10, gehalten.height());
    EXPECT_TRUE(f->modus().mnuVideoCorrectAspect);
    EXPECT_TRUE(v.mpv->seitenverhaeltnisBehalten());
    EXPECT_LT(hell(gehalten, links), 0.02);
    EXPECT_GT(hell(gehalten), 0.3);

    f->findChild<QAction*>("mnuVideoStrech")->trigger();
    EXPECT_TRUE(f->modus().mnuVideoStrech);
    EXPECT_FALSE(f->modus().mnuVideoCorrectAspect);
    EXPECT_FALSE(f->findChild<QAction*>("mnuVideoCorrectAspect")->isChecked());
    EXPECT_FALSE(v.mpv->seitenverhaeltnisBehalten());
    QTest::qWait(100);
    const QImage gestreckt = v.bild(f);
    EXPECT_GT(hell(gestreckt, links), 0.15);
    EXPECT_EQ(v.t.p->einstellungen.zahlLesen("Optionen_frmVideo", "mnuVideoStrech", 0), -1.0f);

    f->findChild<QAction*>("mnuVideoCorrectAspect")->trigger();
    EXPECT_TRUE(v.mpv->seitenverhaeltnisBehalten());
    EXPECT_EQ(v.t.p->einstellungen.zahlLesen("Optionen_frmVideo", "mnuVideoStrech", 1), 0.0f);
    QTest::qWait(100);
    EXPECT_LT(hell(v.bild(f), links), 0.02);

    // A double-click fills the screen without the menu bar; Esc leaves.
    auto* leiste = f->findChild<QMenuBar*>("mnuVideoLeiste");
    QTest::mouseDClick(f->glBild(), Qt::LeftButton);
    EXPECT_TRUE(f->isFullScreen());
    EXPECT_TRUE(f->modus().mnuVideoVollbild);
    EXPECT_TRUE(f->findChild<QAction*>("mnuVideoVollbild")->isChecked());
    EXPECT_FALSE(leiste->isVisible());
    QTest::qWait(200);
    const QImage voll = v.bild(f);
    EXPECT_GT(hell(voll), 0.2);
    EXPECT_FALSE(v.t.haupt().Blackout);
    QTest::keyClick(f, Qt::Key_Escape);
    // Esc darkens the lasers as everywhere, and leaves full screen.
    EXPECT_TRUE(v.t.haupt().Blackout);
    EXPECT_FALSE(f->isFullScreen());
    EXPECT_FALSE(f->modus().mnuVideoVollbild);
    EXPECT_TRUE(leiste->isVisible());
    QTest::qWait(200);
    EXPECT_GT(hell(v.bild(f)), 0.2);
    EXPECT_TRUE(v.t.s.dialoge.meldungen.empty());
}

TEST(Videofenster, ClosedOrDeletedWhilePlayingTheSoundGoesOnAndANewWindowShowsThePicture) {
    OPENGL_VORAUSSETZUNG;
    Videotest v;
    VIDEO_VORAUSSETZUNGEN(v);
    auto* f = v.zeigen();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->glBild()->renderkontext(); }, 3000));
    ASSERT_TRUE(v.oeffnen());
    v.mpv->DS_Play();
    QTest::qWait(300);

    // Closed: the frames are still taken (drawn into the hidden area), the player keeps time.
    f->close();
    EXPECT_EQ(v.steuerung().show.show.videofenster.handle, 0u);
    const long bilder = f->glBild()->zeiten().bilder;
    QElapsedTimer uhr;
    uhr.start();
    const double p0 = v.mpv->spielerPosition();
    QTest::qWait(1000);
    const double verborgen = (v.mpv->spielerPosition() - p0) * 1000.0 / uhr.elapsed();
    EXPECT_GT(f->glBild()->zeiten().bilder, bilder);
    EXPECT_GT(verborgen, 0.6);

    // Gone while playing: the render context goes with it, the sound plays on.
    delete f;
    EXPECT_FALSE(v.mpv->renderKontextDa());
    uhr.restart();
    const double p1 = v.mpv->spielerPosition();
    QTest::qWait(600);
    const double ohne = (v.mpv->spielerPosition() - p1) * 1000.0 / uhr.elapsed();
    std::cout << "[ MEASURED ] media seconds per second: " << verborgen
              << " with the window closed, " << ohne << " after it went\n";
    EXPECT_GT(ohne, 0.6);
    EXPECT_FALSE(v.mpv->bildDa());

    // The menu's accessor makes a new window; the video that plays shows in it.
    auto* neu = v.zeigen();
    ASSERT_NE(neu, f);
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.mpv->bildDa(); }, 5000));
    QTest::qWait(200);
    EXPECT_GT(hell(v.bild(neu)), 0.3);
}

TEST(Videofenster, AShowWithAVideoShowsTheWindowAndOneWithMusicClosesIt) {
    OPENGL_VORAUSSETZUNG;
    Videotest v;
    VIDEO_VORAUSSETZUNGEN(v);
    auto& s = v.steuerung();
    const fs::path ordner = v.t.s.tmp / "shows";
    fs::create_directories(ordner);
    fs::copy_file(v.video, ordner / "clip.avi");
    const std::vector<std::int16_t> stille(22050 * 2, 0);
    const auto wav = wavSchreiben(stille, 1, 22050);
    test::schreibeDatei(ordner / "ton.wav", std::string(wav.begin(), wav.end()));
    const std::string o = ordner.string() + "/";
    s.show.show.SoundName = "clip.avi";
    ASSERT_TRUE(ShowSpeichern(s.show, o, "Film"));
    s.show.show.SoundName = "ton.wav";
    ASSERT_TRUE(ShowSpeichern(s.show, o, "Musik"));

    ASSERT_TRUE(ShowLaden(s.show, "Film", o));
    auto* f = ui::videofenster(*v.t.w);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(s.show.show.videoFensterSichtbar);
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.mpv->bildDa(); }, 5000));
    EXPECT_NEAR(s.show.show.MediaLaenge, 6000, 100);

    ASSERT_TRUE(ShowLaden(s.show, "Musik", o));
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(s.show.show.videofenster.handle, 0u);
    EXPECT_FALSE(v.mpv->bildDa());
    EXPECT_GT(s.show.show.MediaLaenge, 1000);
    EXPECT_TRUE(v.t.s.dialoge.meldungen.empty());
}

// On the offscreen platform (no OpenGL) the area is black with its line, the player gets no
// picture area, the sound plays; the log says so once. Also forced under Xvfb.
TEST(VideofensterOffscreen, WithoutOpenGLTheAreaIsBlackAndTheSoundPlays) {
    const auto echt = ui::SimAnsicht::openGLPruefen;
    if (!offscreen())
        ui::SimAnsicht::openGLPruefen = [](QString* grund) {
            *grund = QStringLiteral("forced by the test");
            return false;
        };
    struct Zurueck {
        decltype(echt) e;
        ~Zurueck() { ui::SimAnsicht::openGLPruefen = e; }
    } zurueck{echt};
    Videotest v;
    if (!v.da) GTEST_SKIP() << "no test video: " << v.grund;
    ASSERT_NE(v.mpv, nullptr);
    // Opened from the show menu.
    v.t.ausloesen("mnuVideoFenster");
    auto* f = ui::videofenster(*v.t.w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(f->glBild(), nullptr);
    auto* flaeche = f->findChild<QWidget*>("picVideo");
    ASSERT_NE(flaeche, nullptr);
    EXPECT_FALSE(flaeche->toolTip().isEmpty());
    EXPECT_EQ(v.steuerung().show.show.videofenster.handle, 0u);
    EXPECT_EQ(v.steuerung().show.show.videofenster.breite, flaeche->width());

    ASSERT_TRUE(v.oeffnen());
    v.mpv->DS_Play();
    QTest::qWait(500);
    EXPECT_GT(v.mpv->DS_GetPosition(), 0.3);
    EXPECT_FALSE(v.mpv->bildDa());
    const QImage b = flaeche->grab().toImage();
    EXPECT_LT(hell(b), 0.05);
    EXPECT_GT(hell(b, QRect(b.width() / 4, b.height() / 3, b.width() / 2, b.height() / 3)), 0.0);

    // The modes still go to the player and into the settings.
    f->strecken(true);
    EXPECT_FALSE(v.mpv->seitenverhaeltnisBehalten());
    f->seitenverhaeltnisKorrigieren(true);
    EXPECT_TRUE(v.mpv->seitenverhaeltnisBehalten());

    // Hidden, the place is stored; shown again, still one line in the log.
    f->move(40, 50);
    f->hide();
    EXPECT_EQ(
        v.t.p->einstellungen.zahlLesen("Fensterposition", "frmVideo.WPM.rcNormalPosition.Left", -1),
        f->geometry().left());
    f->show();
    EXPECT_EQ(vorkommen(logInhalt(v.t), "Video window: no OpenGL"), 1);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // libmpv reads and writes numbers the C way only.
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
