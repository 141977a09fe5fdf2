#include "show/UhrMedien.h"

#include <gtest/gtest.h>

using namespace sw;

// The stand-in for a player that cannot play: any name opens, the length stays.
TEST(UhrMedien, ClockOnlyPlayer) {
    TestUhr uhr(5.0);
    UhrMedien m(uhr, 10.0);
    m.jedeDatei = true;
    EXPECT_EQ(m.DS_GetDuration(), 10.0);
    EXPECT_TRUE(m.DS_OpenFile("/gibt/es/nicht.mp3", {}));
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

// Without a length the clock runs without an end; the headless player gives it the length of
// the show's events with the run-out after the last.
TEST(UhrMedien, LengthFromTheEventsAndNoEndWithoutOne) {
    TestUhr uhr(0.0);
    UhrMedien m(uhr);
    EXPECT_FALSE(m.DS_OpenFile("/gibt/es/nicht.mp3", {}));
    EXPECT_EQ(m.DS_GetDuration(), 0.0);
    EXPECT_TRUE(m.DS_OpenFile("No.mp3", {}));
    m.DS_Play();
    uhr.vorstellen(100000);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 100000);
    EXPECT_TRUE(m.DS_StillPlaying(0));
    EXPECT_TRUE(m.laeuft());

    EventListe ev(3);
    ev[1].start = 1000;
    ev[2].start = 61500;
    m.laengeAusEvents(ev);
    EXPECT_DOUBLE_EQ(m.laenge, 63.5);
    EXPECT_DOUBLE_EQ(m.DS_GetDuration(), 63.5);
    m.laengeAusEvents({});
    EXPECT_EQ(m.laenge, 0.0);

    // A player that lost its file mid-run is taken over where it was, paused or running.
    m.uebernehmen(30.0, 45.0, false, 0);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 30.0);
    EXPECT_FALSE(m.laeuft());
    EXPECT_EQ(m.DS_GetRate(), 1.0);
    m.zuruecksetzen(-5);
    EXPECT_EQ(m.DS_GetDuration(), 0.0);
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), 0.0);
}
