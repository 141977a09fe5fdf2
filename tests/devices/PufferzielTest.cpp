#include "devices/netz/Pufferziel.h"

#include <gtest/gtest.h>

using sw::Pufferziel;

// Gaps raise the target at once, underruns double it up to "Latenz", a steady stream lowers it
// a little each second but never below what the gaps of the last seconds need.
TEST(Pufferziel, RisesAtOnceFallsSlowlyAndStaysWithinLatenz) {
    Pufferziel z(0.010, 0.050);
    EXPECT_DOUBLE_EQ(z.ziel(), 0.010);
    double t = 0;
    for (; t < 3; t += 0.002) z.luecke(t, 0.002); // refills every 2 ms: the start is enough
    EXPECT_DOUBLE_EQ(z.ziel(), 0.010);

    z.luecke(t, 0.020); // the thread was away for 20 ms
    EXPECT_NEAR(z.ziel(), 0.020 * 1.5 + 0.003, 1e-12);
    z.luecke(t, 0.040); // never above "Latenz"
    EXPECT_DOUBLE_EQ(z.ziel(), 0.050);

    // Steady again: nothing changes for ten seconds, then it falls a step a second, but the
    // 40 ms gap still counts for the window it fell in and the next.
    const double ruhigAb = t;
    for (; t < ruhigAb + 9.9; t += 0.002) z.luecke(t, 0.002);
    EXPECT_DOUBLE_EQ(z.ziel(), 0.050);
    for (; t < ruhigAb + 30; t += 0.002) z.luecke(t, 0.002);
    EXPECT_LT(z.ziel(), 0.050);
    EXPECT_GE(z.ziel(), 0.010);
    const double nach30 = z.ziel();
    for (; t < ruhigAb + 60; t += 0.002) z.luecke(t, 0.002);
    EXPECT_NEAR(z.ziel(), 0.010, 1e-9); // back at the start once the gaps are forgotten
    EXPECT_LT(z.ziel(), nach30);

    // An underrun doubles it (at least 10 ms more), up to "Latenz".
    z.unterlauf(t);
    EXPECT_NEAR(z.ziel(), 0.020, 1e-12);
    z.unterlauf(t);
    EXPECT_NEAR(z.ziel(), 0.040, 1e-12);
    z.unterlauf(t);
    EXPECT_DOUBLE_EQ(z.ziel(), 0.050);

    // The floor while gaps of 10 ms keep coming: 18 ms, not lower.
    for (double ende = t + 40; t < ende; t += 0.01) z.luecke(t, 0.010);
    EXPECT_NEAR(z.ziel(), 0.010 * 1.5 + 0.003, 1e-9);

    // "Latenz" below the usual start: the target is "Latenz" and stays there.
    Pufferziel klein(0.010, 0.005);
    EXPECT_DOUBLE_EQ(klein.ziel(), 0.005);
    klein.unterlauf(0);
    klein.luecke(1, 0.1);
    EXPECT_DOUBLE_EQ(klein.ziel(), 0.005);
}
