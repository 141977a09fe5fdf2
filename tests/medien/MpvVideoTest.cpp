// The player with a video file made by the test (libmpv's encoder), without an OpenGL context:
// the sound plays, no picture is set up, the aspect mode reaches libmpv. The picture itself is
// tested with the video window (tests/ui), where there is a context to draw into.
#include "medien/MpvMedien.h"
#include "medien/Testvideo.h"

#include "platform/Uhr.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace sw;
namespace fs = std::filesystem;

TEST(MpvVideo, AVideoWithoutRenderContextPlaysItsSoundAndTakesTheModes) {
    const fs::path o = fs::path(::testing::TempDir()) / "mpvvideo";
    fs::create_directories(o);
    const fs::path video = o / "clip.avi";
    std::string grund;
    if (!testvideoSchreiben(video, 2.0, 160, 120, &grund))
        GTEST_SKIP() << "this libmpv cannot write the test video: " << grund;
    ASSERT_GT(fs::file_size(video), 1000u);

    SystemUhr uhr;
    std::vector<std::string> meldungen;
    MpvMedien m(MpvOptionen{true, 10.0}, &uhr,
                [&](const std::string& t) { meldungen.push_back(t); });
    EXPECT_FALSE(m.renderKontextDa());
    EXPECT_FALSE(m.zeichnen(0, 10, 10));
    // A picture area but nothing to draw into: the sound alone.
    Videofenster bereich{0, 0, 640, 360, 1};
    ASSERT_TRUE(m.DS_OpenFile(video.string(), bereich));
    EXPECT_FALSE(m.aufPlatzhalter());
    EXPECT_NEAR(m.DS_GetDuration(), 2.0, 0.1);
    m.DS_Play();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_GT(m.DS_GetPosition(), 0.3);
    EXPECT_FALSE(m.bildDa());
    EXPECT_EQ(m.audioAusgabe(), "null");

    EXPECT_TRUE(m.seitenverhaeltnisBehalten());
    m.DS_StretchMovie(640, 360);
    EXPECT_FALSE(m.seitenverhaeltnisBehalten());
    m.DS_FullScreenMovie(); // the window's business: the mode stays
    EXPECT_FALSE(m.seitenverhaeltnisBehalten());
    m.DS_UpdateMovie();
    EXPECT_TRUE(m.seitenverhaeltnisBehalten());
    // Freeing a context that was never made is harmless.
    m.renderKontextFreigeben();
    EXPECT_TRUE(meldungen.empty());

    // Into a folder that does not exist no file comes out, and the reason says so.
    EXPECT_FALSE(testvideoSchreiben(o / "kein" / "ordner" / "x.avi", 1.0, 32, 32, &grund));
    EXPECT_FALSE(grund.empty());
}
