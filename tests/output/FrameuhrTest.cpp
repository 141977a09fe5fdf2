#include "output/Frameuhr.h"
#include "TestHilfe.h"

using namespace sw;

namespace {

struct Uhrtest : ::testing::Test {
    FigurenSpeicher s;
    Effekte e;
    Frameuhr u;
    Uhrtest() { FigurenErweitern(s, 1); }
    Figur& figur(int frames, double dauer, int art = 0, double einmal = 0) {
        Figur& f = s.Figuren[1];
        f.Frames.assign(static_cast<std::size_t>(frames), Frame{});
        f.Parameter[400] = dauer;
        f.Parameter[396] = art;
        f.Parameter[395] = einmal;
        s.SpurAuswahl[0].Figur = 1;
        SetFrameTiming(u, s, e, 1, 0);
        return f;
    }
    int schritt(double ms) {
        u.passdauer = ms;
        tmrFrame_Timer(u, s, e, 0, 0);
        return s.SpurAuswahl[0].Frame;
    }
};

} // namespace

TEST_F(Uhrtest, TwentyFiveFramesPerSecondAtTwentyMsPassesStillFiguresAndEmptyTracks) {
    figur(10, 2000);
    schritt(20);
    EXPECT_EQ(u.position[0], 0.5);
    EXPECT_EQ(schritt(20), 1);
    EXPECT_EQ(u.position[0], 1.0);
    figur(1, 2000);
    EXPECT_EQ(schritt(1000), 0);
    figur(5, 0);
    EXPECT_EQ(schritt(1000), 0);
    s.SpurAuswahl[0].Figur = -1;
    EXPECT_EQ(schritt(1000), 0);
}

TEST_F(Uhrtest, ForwardBackwardAndPingPongWrapHoldOrBounce) {
    figur(4, 50); // one frame per ms
    u.position[0] = 3.4;
    EXPECT_EQ(schritt(0.3), 0);
    EXPECT_NEAR(u.position[0], -0.3, 1e-12);
    figur(4, 50, 0, 1);
    u.position[0] = 3.4;
    EXPECT_EQ(schritt(0.3), 3);
    // a long pass wraps as often as needed at once
    figur(4, 50);
    EXPECT_EQ(schritt(4000.25), 0);
    figur(4, 50, 1);
    EXPECT_EQ(s.SpurAuswahl[0].Frame, 3); // starts at the last frame
    u.position[0] = 0.2;
    EXPECT_EQ(schritt(0.9), 3);
    EXPECT_NEAR(u.position[0], 3.3, 1e-12);
    figur(4, 50, 1, 1);
    u.position[0] = 0.2;
    EXPECT_EQ(schritt(0.9), 0);
    figur(4, 50, 2, 1);
    EXPECT_EQ(schritt(2.5), 2);
    EXPECT_EQ(schritt(1), 3); // 3.5 > 3: held at 3, turning back
    EXPECT_EQ(e.EffektSchritte[0][13], -1);
    EXPECT_EQ(schritt(1), 2);
    EXPECT_EQ(schritt(5), 0);
    EXPECT_EQ(e.EffektSchritte[0][13], 1); // bouncing on
    figur(4, 50, 2, 0);
    schritt(3);
    schritt(1);
    EXPECT_EQ(schritt(5), 0);
    EXPECT_EQ(schritt(1), 0); // stops at the first frame
}

TEST_F(Uhrtest, StartFrameOfSetting13AndTheFigureEndWatcher) {
    Figur& f = figur(11, 50);
    f.Parameter[13] = 1;
    f.Parameter[153] = 2;
    SetFrameTiming(u, s, e, 1, 0);
    EXPECT_EQ(s.SpurAuswahl[0].Frame, 7); // middle frame 5, shifted by 2

    figur(4, 50);
    int gemeldet = -1;
    u.figurEndeBeobachter = [&](int spur) { gemeldet = spur; };
    u.figurEndeAusstehend = true;
    u.position[0] = 3;
    EXPECT_EQ(schritt(2), 0);
    EXPECT_TRUE(gemeldet == 0 && !u.figurEndeAusstehend && u.position[0] == 0);
}

TEST(xTimer, MeasuresOnTheProgramClock) {
    TestUhr uhr;
    xTimer t(uhr);
    t.kalibrieren();
    t.Start();
    uhr.vorstellen(0.25);
    t.Halt();
    EXPECT_EQ(t.vergangen(), 250);
}
