// Making a grid from the operator's answer: milliseconds or beats per minute, refused when too
// fine or not a number; the marks cover the whole show and snapping uses them.

#include "show/Zeitraster.h"

#include <gtest/gtest.h>

using namespace sw;

TEST(RasterErstellen, AnswersInMillisecondsAndBeatsPerMinute) {
    EXPECT_EQ(rasterAbstandLesen("500"), 500.0);
    EXPECT_EQ(rasterAbstandLesen(" 62,5 "), 62.5);
    EXPECT_EQ(rasterAbstandLesen("250 ms"), 250.0);
    EXPECT_EQ(rasterAbstandLesen("120 bpm"), 500.0);
    EXPECT_EQ(rasterAbstandLesen("128BPM"), 60000.0 / 128);
    EXPECT_EQ(rasterAbstandLesen("6000 bpm"), 10.0); // exactly the finest grid
    // Too fine, zero, negative, not a number, a letter for a digit, a unit alone.
    for (const char* falsch :
         {"9.99", "6001 bpm", "0", "-500", "", "abc", "5OO", "bpm", "ms", "nan", "inf"})
        EXPECT_EQ(rasterAbstandLesen(falsch), std::nullopt) << falsch;
}

TEST(RasterErstellen, MarksCoverTheShowAndSnap) {
    Zeitraster r;
    rasterErstellen(r, 500, 1800);
    EXPECT_TRUE(r.an);
    EXPECT_EQ(r.marken, (std::vector<double>{0, 500, 1000, 1500, 2000}));
    EXPECT_EQ(TimeRaster(r, 1240), 1000);
    EXPECT_EQ(TimeRaster(r, 1260), 1500);
    EXPECT_EQ(TimeRaster(r, 1990), 2000);

    // A show without media still gets two marks; a long show's last mark is a clean multiple.
    rasterErstellen(r, 500, 0);
    EXPECT_EQ(r.marken, (std::vector<double>{0, 500}));
    rasterErstellen(r, 60000.0 / 128, 3600000);
    ASSERT_EQ(r.marken.size(), 7681u);
    EXPECT_DOUBLE_EQ(r.marken.back(), 3600000);

    // A refused spacing leaves no grid behind (and does not switch it on again).
    r.an = false;
    rasterErstellen(r, 5, 1000);
    EXPECT_TRUE(r.marken.empty());
    EXPECT_FALSE(r.an);
}
