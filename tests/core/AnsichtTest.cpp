#include "core/Ansicht.h"
#include "TestHilfe.h"

#include <tuple>

using namespace sw;

TEST(Ansicht, MapsBothWaysAndZoomsAboutTheGivenScreenPoint) {
    Ansicht a;
    a.breite = 800;
    a.hoehe = 600;
    // 100 %: the projection area fills the shorter side, figure y upwards.
    const auto nah = [](std::pair<double, double> ist, double x, double y) {
        return std::abs(ist.first - x) < 1e-6 && std::abs(ist.second - y) < 1e-6;
    };
    EXPECT_TRUE(nah(a.nachBildschirm(32768, 32768), 700, 0));
    a.mitteX = 1234;
    a.mitteY = -999;
    a.zoom = 3.7;
    const auto [fx, fy] = a.nachFigur(123, 456);
    EXPECT_TRUE(nah(a.nachBildschirm(fx, fy), 123, 456));
    // Zooming in, out and into the clamp keeps the figure point under the mouse.
    for (double faktor : {1.25, 0.8, 1000.0, 1e-6}) {
        a.zoomUm(123, 456, faktor);
        EXPECT_TRUE(nah(a.nachBildschirm(fx, fy), 123, 456)) << faktor;
    }
    EXPECT_EQ(a.zoom, kZoomMin);
    // Dragging by pixels moves the picture by as many pixels.
    a.verschieben(10, -20);
    EXPECT_TRUE(nah(a.nachBildschirm(fx, fy), 133, 436));
}

TEST(Ansicht, FittingShowsAllFramesOfTheFigureLargeAndWhole) {
    Figur f;
    f.Frames[0].Punkte.push_back(Punkt{-2000, 1000, 1, 0});
    f.Frames.push_back({});
    f.Frames[1].Punkte.push_back(Punkt{6000, 3000, 1, 0});
    const Grenzen g = figurGrenzen(f);
    EXPECT_EQ(std::tuple(g.minX, g.maxX, g.minY, g.maxY),
              std::tuple(-2000.0, 6000.0, 1000.0, 3000.0));
    for (auto [b, h] : {std::pair{800.0, 600.0}, std::pair{300.0, 900.0}}) {
        Ansicht a;
        a.breite = b;
        a.hoehe = h;
        a.einpassen(g);
        const auto [x0, y0] = a.nachBildschirm(g.minX, g.maxY);
        const auto [x1, y1] = a.nachBildschirm(g.maxX, g.minY);
        EXPECT_TRUE(x0 >= 0 && y0 >= 0 && x1 <= b && y1 <= h) << b;
        // It fills most of the widget in its tighter direction.
        EXPECT_GT(std::max((x1 - x0) / b, (y1 - y0) / h), 0.85);
    }
    // Nothing to fit: 100 % about the centre; a single point: 100 % about that point.
    Ansicht a;
    a.zoom = 5;
    a.einpassen(Grenzen{});
    EXPECT_TRUE(a.zoom == 1 && a.mitteX == 0);
    Grenzen punkt;
    punkt.dazu(500, -700);
    a.einpassen(punkt);
    EXPECT_TRUE(a.zoom == 1 && a.mitteY == -700);
}

TEST(Ansicht, FindsThePointUnderTheCursorAndTellsDarkWays) {
    Ansicht a;
    a.breite = a.hoehe = 655.36; // 100 figure units a pixel
    std::vector<Punkt> punkte{Punkt{0, 0, 0, 0}, Punkt{1000, 0, 5, 0}, Punkt{1300, 0, 5, 0}};
    const auto [bx, by] = a.nachBildschirm(1200, 0);
    EXPECT_EQ(punktUnter(punkte, a, bx, by, 5), 2);
    EXPECT_EQ(punktUnter(punkte, a, bx, by + 6, 5), -1);
    // Point 0 is a placeholder and never found.
    const auto [nx, ny] = a.nachBildschirm(0, 0);
    EXPECT_EQ(punktUnter(punkte, a, nx, ny, 5), -1);

    const RGB rot{255, 0, 0};
    const Punkt sprung{0, 0, 5, status::Sprung};
    EXPECT_TRUE(wegDunkel(sprung, rot, true));
    EXPECT_FALSE(wegDunkel(sprung, rot, false)); // drawn as stored: the laser draws it lit
    EXPECT_FALSE(wegDunkel(Punkt{0, 0, 5, status::Ecke}, rot, true));
    EXPECT_TRUE(wegDunkel(Punkt{0, 0, -1, 0}, rot, false));
    EXPECT_TRUE(wegDunkel(Punkt{0, 0, 5, 0}, RGB{}, false));
}
