// The main window's beam preview on the offscreen platform: it draws flat there, shows the
// editor's frame while stopped and the output stream while playing.

#include "Fenster.h"
#include "core/QvbFormat.h"
#include "ui/Ausgabefenster.h"
#include "ui/SimAnsicht.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

using namespace sw;
namespace fs = std::filesystem;

namespace {

// A stroke into a jump at (12000, 6000), then a lit stroke down to (12000, -6000).
std::string sprungfigur() {
    Figur f;
    f.Parameter[parameter::Echtzeitoptimierung] = 1;
    f.Frames[0].Punkte.push_back(Punkt{-8000, -4000, 4095, status::Ecke});
    f.Frames[0].Punkte.push_back(Punkt{12000, 6000, 4095, status::Sprung});
    f.Frames[0].Punkte.push_back(Punkt{12000, -6000, 4095, 0});
    return qvbKodieren(f);
}

} // namespace

TEST(Strahlvorschau, ShowsTheEditorFrameWhileStoppedAndTheStreamWhilePlaying) {
    test::Fenster t([](const fs::path& o) { test::schreibeDatei(o / "a.qvb", sprungfigur()); });
    t.w->figurWaehlen(1);
    auto* ausgabe = t.w->ausgabe();
    auto* vorschau = t.kind<ui::SimAnsicht>("picStrahlvorschau");
    ASSERT_NE(vorschau, nullptr);
    EXPECT_TRUE(vorschau->isVisible());
    EXPECT_FALSE(vorschau->openGL()); // no OpenGL on the offscreen platform, and no message
    EXPECT_TRUE(t.s.dialoge.meldungen.empty());

    // Stopped: the editor's frame, the way into the jump dark.
    const auto& g = ausgabe->vorschauGeometrie();
    QTest::qWait(250);
    ASSERT_EQ(g.Leinwand.size(), 2u);
    EXPECT_NEAR(g.Leinwand[0].x, 6000 / 32767.0, 1e-5);
    EXPECT_NEAR(g.Leinwand[0].y, 3005 / 32767.0, 1e-5);
    EXPECT_NEAR(g.Leinwand[1].y, -2995 / 32767.0, 1e-5);
    EXPECT_EQ(g.Strahlen.size(), 3u);
    // The flat drawing shows that line, light on black, and nothing of the jump.
    const QImage bild = vorschau->grab().toImage();
    const int x = static_cast<int>((1 + 6000 / 32767.0) / 2 * bild.width());
    int hell = 0, anderswo = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int dx = -bild.width() / 2; dx < bild.width() / 2; ++dx) {
            const int px = x + dx;
            if (px < 0 || px >= bild.width() || qGray(bild.pixel(px, y)) < 40) continue;
            (std::abs(dx) <= 2 ? hell : anderswo) += 1;
        }
    EXPECT_GT(hell, bild.height() / 8);
    EXPECT_EQ(anderswo, 0);

    // Playing: the stream the devices get, the same picture the output window builds.
    QTest::mouseClick(t.kind<QPushButton>("cmdSimulation"), Qt::LeftButton);
    ASSERT_TRUE(t.w->spielt());
    for (int i = 0; i < 50 && ausgabe->punkte() < 3; ++i) QTest::qWait(10);
    QTest::qWait(50);
    EXPECT_GT(g.Leinwand.size(), 0u);
    EXPECT_EQ(g.Leinwand.size(), ausgabe->geometrie().Leinwand.size());
    // With the output window closed the preview alone keeps the stream recorded.
    ausgabe->close();
    QTest::qWait(100);
    EXPECT_TRUE(t.p->ausgabe->Vorschau);
    EXPECT_GT(ausgabe->punkte(), 2);
    QTest::mouseClick(t.kind<QPushButton>("cmdPlay"), Qt::LeftButton);
    EXPECT_FALSE(t.w->spielt());
}
