#include "output/Geometrie.h"
#include "Pipeline.h"

using namespace sw;

namespace {

// The pass over one entry at (x, y); returns the device coordinates.
std::pair<int, int> pass(const Geometriekorrektur& g, int x, int y) {
    Rohliste l;
    l.anhaengen(Listenpunkt{x, y});
    geometriePass(g, l);
    return {l[1].X, l[1].Y};
}

} // namespace

TEST(Geometrie, StartUpValuesWorkedExample) {
    Geometriekorrektur g;
    double x = 10000, y = -5000, v = 1;
    showGroesse(g, x, y, v, 0);
    EXPECT_TRUE(x == 8000 && y == -4000 && v == 1) << x << "," << y << "," << v;
    EXPECT_EQ(pass(g, 8000, -4000), (std::pair{40767, 28767}));
}

TEST(Geometrie, CeilingSqueeze) {
    Geometriekorrektur g;
    g.DeckenHoehe = 0;
    EXPECT_EQ(pass(g, 0, 32767).second - 32767, 0);
    // 16383 - (16383 / 32767)^2 x 32767 = 8191.75, rounded half to even
    EXPECT_EQ(pass(g, 0, 16383).second - 32767, 8192);
    EXPECT_EQ(pass(g, 0, -16383).second - 32767, -16383); // below the centre nothing changes
    g.DeckenHoehe = 20000;
    EXPECT_EQ(pass(g, 0, 32767).second - 32767, 20000);
}

TEST(Geometrie, MirrorBeforeExchangeAndPinningAtTheEdges) {
    Geometriekorrektur g;
    g.SpiegelnX = 1;
    g.SwapXY = 1;
    EXPECT_EQ(pass(g, 1000, 2000), (std::pair{32767 + 2000, 32767 - 1000}));
    Geometriekorrektur h;
    h.VerschiebenX = 0.5;
    EXPECT_EQ(pass(h, 30000, 0).first, 65535);
    EXPECT_EQ(pass(h, -32768, -32768), (std::pair{16383 - 32768 + 32767, 0}));
}

TEST(Geometrie, RotationAndTilt) {
    Geometriekorrektur g;
    g.TrapezY = 30;
    auto [x, y] = pass(g, 1000, 10000);
    EXPECT_EQ(x - 32767, 1000);
    EXPECT_EQ(y - 32767,
              static_cast<int>(std::nearbyint(10000 * std::cos(30 * 0.017453292519943278))));
    g.TrapezX = 10; // shears X by Y
    auto [x2, y2] = pass(g, 1000, 10000);
    const double z1 = -std::sin(-30 * 0.017453292519943278) * 10000;
    EXPECT_EQ(x2 - 32767,
              static_cast<int>(std::nearbyint(std::sin(-10 * 0.017453292519943278) * z1 +
                                              std::cos(-10 * 0.017453292519943278) * 1000)));
    EXPECT_EQ(y2, y);
    Geometriekorrektur d;
    d.Drehung = 90;
    EXPECT_EQ(pass(d, 1000, 0), (std::pair{32767, 32767 - 1000}));
}

TEST(Geometrie, SettingsRoundTrip) {
    test::Einstellungsdatei d;
    auto& e = d.e;
    Geometriekorrektur g;
    g.SpiegelnY = 1;
    g.VerschiebenX = -0.25;
    g.ShowGroeseX = 0.5;
    g.DeckenHoehe = 12345;
    g.TrapezX = 12.5;
    geometrieSpeichern(g, e, 3);
    EXPECT_EQ(d.lesen("Geometriekorrektur(3)", "ShowGroeseX"), "5000");
    Geometriekorrektur h, leer;
    geometrieLaden(h, e, 3);
    geometrieLaden(leer, e, 4);
    const auto felder = [](const Geometriekorrektur& k) {
        return std::tuple(k.SpiegelnY, k.VerschiebenX, k.ShowGroeseX, k.ShowGroeseY, k.DeckenHoehe,
                          k.TrapezX);
    };
    EXPECT_EQ(felder(h), felder(g)); // ShowGroeseY 0.8 stays exactly
    EXPECT_EQ(leer.ShowGroeseX, 0.8);
}
