#include "core/Zeichnen.h"
#include "TestHilfe.h"

using namespace sw;

namespace {

struct ZeichnenTest : ::testing::Test {
    FigurenSpeicher s;
    Zeichnung z;
    int undos = 0;
    ZeichnenTest() {
        s.SpurAuswahl[0].Figur = 0;
        s.hooks.undoSchreiben = [this] { ++undos; };
        z.farbe = 0xF00;
    }
    std::vector<Punkt>& punkte() { return s.Figuren[0].Frames[0].Punkte; }
};

} // namespace

TEST_F(ZeichnenTest, StrokesBeginWithAJumpAndEndOnACorner) {
    linieZeichnen(s, z, -100, -200, 300, 400);
    EXPECT_EQ(punkte(),
              (std::vector<Punkt>{{}, {-100, -200, 0xF00, status::Sprung}, {300, 400, 0xF00, 3}}));
    rechteckZeichnen(s, z, 0, 0, 10, 20);
    EXPECT_EQ(punkte().size(), 8u);
    EXPECT_EQ(punkte()[7], (Punkt{0, 0, 0xF00, 3}));
    ellipseZeichnen(s, z, -1000, -500, 1000, 500);
    EXPECT_EQ(punkte().size(), 8u + 49);
    EXPECT_TRUE(punkte()[8].Status == status::Sprung && punkte()[8].X == 1000);
    EXPECT_EQ(punkte()[9].Status, 0);
    EXPECT_EQ(undos, 3);
}

TEST_F(ZeichnenTest, GridSnappingAndRange) {
    z.rasterAn = true;
    z.raster = 100;
    punktZeichnen(s, z, 149, -151);
    z.rasterAn = false;
    punktZeichnen(s, z, 99999, -99999);
    EXPECT_EQ(std::tuple(punkte()[1].X, punkte()[1].Y, punkte()[2].X, punkte()[2].Y),
              std::tuple(100, -200, 32767, -32768));
}

TEST_F(ZeichnenTest, PolylinePolygonAndFreehand) {
    z.werkzeug = Werkzeug::Polygon;
    zugPunkt(s, z, 0, 0);
    zugPunkt(s, z, 1000, 0);
    zugPunkt(s, z, 1000, 1000);
    zugBeenden(s, z);
    ASSERT_EQ(punkte().size(), 5u);
    EXPECT_EQ(punkte()[4], (Punkt{0, 0, 0xF00, 3})); // closed
    z.werkzeug = Werkzeug::Polylinie;
    zugPunkt(s, z, 5, 5);
    zugPunkt(s, z, 6, 6);
    zugBeenden(s, z);
    EXPECT_EQ(punkte().size(), 7u);
    freihandZeichnen(s, z, {{0, 0}, {10, 0}, {400, 0}, {450, 0}, {900, 0}}, 300);
    ASSERT_EQ(punkte().size(), 7u + 3);
    EXPECT_TRUE(punkte()[8].X == 400 && punkte()[9].X == 900 && punkte()[9].Status == 3);
}

TEST_F(ZeichnenTest, EraserPipetteAndMarkedPoints) {
    linieZeichnen(s, z, 0, 0, 1000, 0);
    z.farbe = 0x0F0;
    linieZeichnen(s, z, 5000, 0, 6000, 0);
    Zeichnung pip;
    ASSERT_TRUE(pipette(s, pip, 5100, 10));
    EXPECT_EQ(pip.farbe, 0x0F0);
    markieren(s, z, 4000, -100, 7000, 100);
    EXPECT_EQ(z.markiert, (std::vector<long>{3, 4}));
    markierteVerschieben(s, z, 100, 50);
    EXPECT_TRUE(punkte()[3].X == 5100 && punkte()[4].Y == 50);
    markierteDrehen(s, z, 180);
    EXPECT_EQ(punkte()[3].X, 6100);
    markierteSkalieren(s, z, 2);
    EXPECT_TRUE(punkte()[3].X == 6600 && punkte()[4].X == 4600);
    EXPECT_EQ(radieren(s, z, 0, 0, 10), 1);
    EXPECT_EQ(punkte().size(), 4u);
    EXPECT_EQ(radieren(s, z, -30000, 0, 10), 0);
    const int vorher = undos;
    z.markiert = {1, 2, 3};
    markierteLoeschen(s, z);
    EXPECT_EQ(punkte().size(), 1u); // point 0 stays
    EXPECT_EQ(undos, vorher + 1);
}
