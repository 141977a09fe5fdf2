#include "medien/Zeitcode.h"
#include "medien/MtcMedien.h"

#include "TestUmgebung.h"
#include "live/eingang/Eingang.h"
#include "show/SequenzBearbeiten.h"
#include "show/Wiedergabe.h"
#include "platform/Uhr.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

// The eight quarter frames of a time code, piece 0 first.
std::vector<MidiNachricht> viertel(const Zeitcode& tc) {
    const int rateBits = static_cast<int>(tc.rate);
    const int stuecke[8] = {
        tc.bilder & 15,  tc.bilder >> 4,  tc.sekunden & 15, tc.sekunden >> 4,
        tc.minuten & 15, tc.minuten >> 4, tc.stunden & 15,  (tc.stunden >> 4) | rateBits << 1};
    std::vector<MidiNachricht> n;
    for (int i = 0; i < 8; ++i)
        n.push_back({0xF1, static_cast<std::uint8_t>(i << 4 | stuecke[i]), 0});
    return n;
}

std::vector<std::uint8_t> vollbild(int h, int m, int s, int f, int rateBits) {
    return {0xF0,
            0x7F,
            0x7F,
            0x01,
            0x01,
            static_cast<std::uint8_t>(rateBits << 5 | h),
            static_cast<std::uint8_t>(m),
            static_cast<std::uint8_t>(s),
            static_cast<std::uint8_t>(f),
            0xF7};
}

// A source sending 25 fps quarter frames (one every 10 ms) from `start` for `bilder` frames.
void senden(MtcDekoder& d, Zeitcode start, int bilder, double& t) {
    for (int b = 0; b < bilder; b += 2) {
        Zeitcode tc = start;
        tc.bilder += b;
        for (const auto& n : viertel(tc)) {
            d.nachricht(n, t);
            t += 0.01;
        }
    }
}

} // namespace

TEST(Zeitcode, QuarterFramesAt25FromOneMinute) {
    MtcDekoder d;
    double t = 100.0;
    EXPECT_FALSE(d.position(t));
    const auto v = viertel({0, 1, 0, 0, Bildrate::B25});
    for (int i = 0; i < 7; ++i) d.nachricht(v[i], t + i * 0.01);
    EXPECT_FALSE(d.position(t + 0.065)); // not complete yet
    d.nachricht(v[7], t + 0.07);
    // Piece 0 stood at 60.0 s; piece 7 comes seven quarter frames later.
    ASSERT_TRUE(d.position(t + 0.07));
    EXPECT_NEAR(*d.position(t + 0.07), 60.07, 1e-9);
    EXPECT_TRUE(d.sprungAbholen());
    EXPECT_EQ(d.rate(), Bildrate::B25);

    // Running on: the code and the clock agree, and no jump.
    MtcDekoder e;
    double u = 0;
    senden(e, {0, 1, 0, 0, Bildrate::B25}, 50, u); // two seconds
    EXPECT_TRUE(e.sprungAbholen());
    EXPECT_FALSE(e.sprungAbholen());
    const double zuletzt = u - 0.01;
    EXPECT_NEAR(*e.position(zuletzt), 60.0 + zuletzt, 1e-9);
    // Between quarter frames it follows the clock, never beyond one quarter frame.
    EXPECT_NEAR(*e.position(zuletzt + 0.004), 60.0 + zuletzt + 0.004, 1e-9);
    EXPECT_NEAR(*e.position(zuletzt + 0.05), 60.0 + zuletzt + 0.01, 1e-9);
    EXPECT_TRUE(e.laeuft(zuletzt + 0.05));
    // Stopped for more than four frames: held, and no longer running.
    EXPECT_FALSE(e.laeuft(zuletzt + 0.5));
    EXPECT_NEAR(*e.position(zuletzt + 0.5), 60.0 + zuletzt + 0.01, 1e-9);

    // A full frame locates at once.
    e.systemNachricht(vollbild(0, 2, 0, 0, 1), zuletzt + 1);
    EXPECT_TRUE(e.sprungAbholen());
    EXPECT_DOUBLE_EQ(*e.position(zuletzt + 1.5), 120.0);
    EXPECT_FALSE(e.laeuft(zuletzt + 1.0));
    // Something else is not a time code.
    e.systemNachricht({0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}, zuletzt + 2);
    EXPECT_DOUBLE_EQ(*e.position(zuletzt + 2), 120.0);
}

TEST(Zeitcode, FrameRatesAndDropFrame) {
    EXPECT_DOUBLE_EQ(zeitcodeSekunden({0, 0, 1, 12, Bildrate::B24}), 1.5);
    EXPECT_DOUBLE_EQ(zeitcodeSekunden({0, 0, 1, 15, Bildrate::B30}), 1.5);
    EXPECT_DOUBLE_EQ(zeitcodeSekunden({1, 2, 3, 20, Bildrate::B25}), 3723.8);
    // Drop-frame: frames 00 and 01 of minute 1 do not exist, 00:01:00;02 follows 00:00:59;29.
    const double bild = 1001.0 / 30000.0;
    EXPECT_NEAR(zeitcodeSekunden({0, 0, 59, 29, Bildrate::B2997Drop}), 1799 * bild, 1e-9);
    EXPECT_NEAR(zeitcodeSekunden({0, 1, 0, 2, Bildrate::B2997Drop}), 1800 * bild, 1e-9);
    // Every tenth minute keeps its frames: 00:10:00;00 is frame 17982, 0.6 ms before 10 minutes.
    EXPECT_NEAR(zeitcodeSekunden({0, 10, 0, 0, Bildrate::B2997Drop}), 17982 * bild, 1e-9);
    EXPECT_NEAR(zeitcodeSekunden({1, 0, 0, 0, Bildrate::B2997Drop}), 3600.0 - 0.0036, 1e-3);

    // The rate travels in the quarter frames and in the full frame.
    MtcDekoder d;
    double t = 0;
    for (const auto& n : viertel({0, 1, 0, 2, Bildrate::B2997Drop})) d.nachricht(n, t += 0.01);
    EXPECT_EQ(d.rate(), Bildrate::B2997Drop);
    EXPECT_NEAR(*d.position(t), 1800 * bild + 7 * bild / 4, 1e-9);
    d.systemNachricht(vollbild(0, 0, 1, 12, 0), t);
    EXPECT_EQ(d.rate(), Bildrate::B24);
    EXPECT_DOUBLE_EQ(*d.position(t), 1.5);
}

TEST(MtcMedien, MediaFollowTheCode) {
    TestUhr uhr(10.0);
    FakeMedien medien;
    medien.laenge = 180;
    MtcMedien mtc(medien, uhr);
    FakeMidiEingang eingang;
    ASSERT_TRUE(mtc.DS_OpenFile(std::string(STRAHLWERK_SOURCE_DIR) + "/CMakeLists.txt", {}));
    EXPECT_EQ(mtc.DS_GetDuration(), 180);
    mtc.DS_Play();
    EXPECT_EQ(mtc.DS_GetPosition(), 0.0); // no code yet: the media stand
    EXPECT_FALSE(medien.spielt);

    // 25 fps from 00:01:00:00 through the port's raw system messages, ten frames.
    auto quelle = [&](Zeitcode start, int bilder) {
        for (int b = 0; b < bilder; b += 2) {
            Zeitcode tc = start;
            tc.bilder += b;
            for (const auto& n : viertel(tc)) {
                eingang.systemSenden({n.status, n.daten1});
                mtc.abholen(eingang);
                mtc.DS_GetPosition();
                uhr.vorstellen(0.01);
                medien.weiter(10);
            }
        }
    };
    quelle({0, 1, 0, 0, Bildrate::B25}, 10);
    EXPECT_TRUE(medien.spielt);
    EXPECT_NEAR(mtc.DS_GetPosition(), 60.4, 1e-6);
    EXPECT_NEAR(medien.position, 60.4, 0.02); // sought to the code, then ran with it

    // Drift beyond 100 ms is sought away; within it the media run on their own.
    medien.position += 0.05;
    mtc.DS_GetPosition();
    EXPECT_NEAR(medien.position, 60.45, 1e-9);
    medien.position += 0.1;
    mtc.DS_GetPosition();
    EXPECT_NEAR(medien.position, 60.4, 1e-6);

    // The code stops: the media pause; a full frame locates them.
    uhr.vorstellen(1.0);
    mtc.DS_GetPosition();
    EXPECT_FALSE(medien.spielt);
    eingang.systemSenden(vollbild(0, 0, 30, 0, 1));
    mtc.abholen(eingang);
    EXPECT_DOUBLE_EQ(mtc.DS_GetPosition(), 30.0);
    EXPECT_DOUBLE_EQ(medien.position, 30.0);
    EXPECT_FALSE(medien.spielt);

    // The caller's seek does not move a code-driven show; a stop holds the media.
    mtc.DS_SetPosition(5.0);
    EXPECT_DOUBLE_EQ(mtc.DS_GetPosition(), 30.0);
    mtc.DS_Stop();
    quelle({0, 0, 30, 0, Bildrate::B25}, 4);
    EXPECT_FALSE(medien.spielt);
    mtc.DS_Play();
    quelle({0, 0, 30, 4, Bildrate::B25}, 4);
    EXPECT_TRUE(medien.spielt);
}

// Time code as the show's clock: the timeline dispatches its events when the code reaches them,
// and a jump in the code chases the state at the new time instead of replaying what lies between.
TEST(MtcMedien, TheTimelineFollowsTheCode) {
    test::TestUmgebung u;
    FakeMedien medien;
    medien.laenge = 600;
    MtcMedien mtc(medien, u.uhr);
    FakeMidiEingang eingang;
    ASSERT_TRUE(mtc.DS_OpenFile(std::string(STRAHLWERK_SOURCE_DIR) + "/CMakeLists.txt", {}));

    Sequenzer s;
    s.Medienlaenge = 600'000;
    // Figures on track 1 at 30 s and 60.2 s; one on track 20 at 45 s; one at 120 s.
    s.Events = {SeqEvent{},
                SeqEvent{30'000, 0, 1, 143, 65, 65},
                SeqEvent{45'000, 0, 20, 143, 66, 66},
                SeqEvent{60'200, 0, 1, 143, 67, 67},
                SeqEvent{120'000, 0, 1, 143, 68, 68}};
    std::vector<std::pair<double, int>> gesendet; // show time, key
    WiedergabeZustand w;
    WiedergabeKontext k{w, s, mtc, u.env, {}};
    k.teile.gesendetBeobachter = [&](double zeit, const SeqEvent& e) {
        gesendet.push_back({zeit, e.key});
    };
    Play_Click(k);
    gesendet.clear(); // the chase at 0 sends nothing anyway

    // 25 fps quarter frames from 00:01:00:00, one every 10 ms, a dispatch pass after each.
    auto quelle = [&](Zeitcode start, int bilder) {
        for (int b = 0; b < bilder; b += 2) {
            Zeitcode tc = start;
            tc.bilder += b;
            for (const auto& n : viertel(tc)) {
                eingang.systemSenden({n.status, n.daten1});
                mtc.abholen(eingang);
                sequenzerDurchlauf(k);
                u.uhr.vorstellen(0.01);
                medien.weiter(10);
            }
        }
    };
    quelle({0, 1, 0, 0, Bildrate::B25}, 10);
    // The code appeared at one minute: a jump from 0, so the state there is chased (the latest
    // event of tracks 1 and 20), then the event at 60.2 s goes out when the code passes it.
    ASSERT_EQ(gesendet.size(), 3u);
    EXPECT_EQ(gesendet[0].second, 65);
    EXPECT_EQ(gesendet[1].second, 66);
    EXPECT_EQ(gesendet[2].second, 67);
    EXPECT_NEAR(gesendet[2].first, 60'200, 20);

    // The desk jumps on to 00:02:00:10: nothing between is replayed, the state there is chased.
    gesendet.clear();
    quelle({0, 2, 0, 10, Bildrate::B25}, 4);
    ASSERT_EQ(gesendet.size(), 2u);
    EXPECT_EQ(gesendet[0].second, 66); // each track's latest, in list order
    EXPECT_EQ(gesendet[1].second, 68);
    EXPECT_GE(gesendet[1].first, 120'000);
}
