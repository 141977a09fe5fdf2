#include "medien/Platzhaltermedien.h"

#include "platform/Uhr.h"

#include <gtest/gtest.h>

using namespace sw;

TEST(Platzhaltermedien, ClockOnlyPlayer) {
    TestUhr uhr(5.0);
    Platzhaltermedien m(uhr, 10.0);
    EXPECT_TRUE(m.DS_OpenFile("No.mp3", {}));
    EXPECT_EQ(m.DS_GetDuration(), 10.0);
    m.DS_Play();
    uhr.vorstellen(2.5);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 2.5);
    m.DS_Pause();
    uhr.vorstellen(1.0);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 2.5);
    m.DS_SetRate(0);
    m.DS_SetRate(-1);
    EXPECT_EQ(m.DS_GetRate(), 1.0);
    m.DS_SetRate(2.0);
    m.DS_Play();
    uhr.vorstellen(1.0);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 4.5);
    m.DS_SetPosition(-3);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 0.0);
    // Runs to the end and stops there; a play from the end starts at 0.
    uhr.vorstellen(60);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 10.0);
    EXPECT_FALSE(m.DS_StillPlaying(0));
    m.DS_Play();
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 0.0);
    EXPECT_TRUE(m.DS_StillPlaying(0));

    // Taking over from a player that lost its file: same place, still running.
    m.uebernehmen(180.0, 42.0, true, 1.0);
    uhr.vorstellen(0.5);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 42.5);
    EXPECT_EQ(m.DS_GetDuration(), 180.0);
}
