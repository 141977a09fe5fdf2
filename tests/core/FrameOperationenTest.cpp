#include "core/FrameOperationen.h"
#include "TestHilfe.h"

using namespace sw;

namespace {

struct FrameTest : ::testing::Test {
    test::TestUmgebung u;
    FigurenSpeicher s;
    FrameAuswahl a;
    int undos = 0;

    // A figure of n frames; frame i has i + 1 points, each with X = 100 i + k.
    void figur(int n) {
        s.hooks.undoSchreiben = [this] { ++undos; };
        s.SpurAuswahl[s.EditorSpur].Figur = 0;
        s.SpurAuswahl[s.EditorSpur].Frame = 0;
        auto& f = s.Figuren[0].Frames;
        f.assign(static_cast<std::size_t>(n), Frame{});
        for (int i = 0; i < n; ++i) {
            f[static_cast<std::size_t>(i)].Punkte.resize(static_cast<std::size_t>(i + 1));
            for (int k = 0; k <= i; ++k)
                f[static_cast<std::size_t>(i)].Punkte[static_cast<std::size_t>(k)].X =
                    static_cast<std::int16_t>(100 * i + k);
        }
    }
    std::vector<Frame>& frames() { return s.Figuren[0].Frames; }
    // Which original frame each frame came from.
    std::vector<int> kennungen() {
        std::vector<int> k;
        for (const auto& f : frames()) k.push_back(f.Punkte[0].X / 100);
        return k;
    }
};

} // namespace

TEST_F(FrameTest, CopyPasteAndAddingTheClipboardsPointsToTheCurrentFrames) {
    figur(5);
    a.MarkierungVon = 2;
    a.MarkierungBis = 4;
    FramesKopieren(s, a, u.env);
    ASSERT_EQ(a.FrameAblage.size(), 3u);
    Frames_Einfuegen(s, a, u.env);
    EXPECT_EQ(kennungen(), (std::vector<int>{2, 3, 4, 0, 1, 2, 3, 4}));
    EXPECT_TRUE(undos == 1 && s.FrameBalkenMax == 7);
    frames()[0].Punkte[0].X = 9999; // copies are deep
    EXPECT_EQ(a.FrameAblage[0].Punkte[0].X, 200);
    figur(10);
    a.FrameAblage.assign(2, Frame{});
    a.FrameAblage[0].Punkte.resize(5);
    for (int k = 0; k < 5; ++k)
        a.FrameAblage[0].Punkte[static_cast<std::size_t>(k)].Y = static_cast<std::int16_t>(k);
    s.SpurAuswahl[s.EditorSpur].Frame = 9; // upper bound 9
    FramesDazuAddieren(s, a, u.env);
    ASSERT_EQ(frames().size(), 11u); // one frame was added for clipboard frame 1
    const auto& p = frames()[9].Punkte;
    ASSERT_EQ(p.size(), 14u);
    EXPECT_EQ(p[9].X, 909);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(p[static_cast<std::size_t>(9 + k)].Y, k);
    EXPECT_EQ(frames()[10].Punkte.size(), 10u); // B + 0 with the same B
}

TEST_F(FrameTest, DeleteInsertAndDropEverySecond) {
    figur(4);
    a.MarkierungVon = 1;
    a.MarkierungBis = 2;
    FramesLoeschen(s, a, u.env);
    EXPECT_EQ(kennungen(), (std::vector<int>{0, 3}));

    s.SpurAuswahl[s.EditorSpur].Frame = 1; // a copy of frame 1's first point
    cmdInsertFrame_Click(s, u.env);
    EXPECT_EQ(kennungen(), (std::vector<int>{0, 3, 3}));
    EXPECT_EQ(frames()[1].Punkte.size(), 1u);

    figur(6);
    JedenZweitenFrameVerwerfen(s, a, u.env);
    EXPECT_EQ(kennungen(), (std::vector<int>{0, 1, 3, 5}));
    EXPECT_EQ(frames()[0].Punkte.size(), 1u);
    EXPECT_EQ(a.FrameAblage.size(), 4u);

    // deleting every frame keeps one empty frame; a range outside the figure is refused
    a.MarkierungVon = 0;
    a.MarkierungBis = 3;
    FramesLoeschen(s, a, u.env);
    EXPECT_TRUE(frames().size() == 1 && frames()[0].Punkte.size() == 1);
    a.MarkierungBis = 5;
    FramesLoeschen(s, a, u.env);
    EXPECT_EQ(u.dialoge.meldungen.back(),
              "Fehler # 9 wurde ausgeloest in Sub frmhaupt sub FramesLoeschen von ");
    EXPECT_EQ(frames().size(), 1u);
}

TEST_F(FrameTest, MorphAndAutoMorph) {
    figur(3);
    AutoMorph(s, u.env);
    ASSERT_EQ(frames().size(), 43u);
    EXPECT_EQ((std::vector<int>{kennungen()[0], kennungen()[21], kennungen()[42]}),
              (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(undos, 1);

    Frame von, bis;
    von.Punkte = {{0, 0, 5, 4}, {100, 100, 5, 0}};
    bis.Punkte = {{1000, -1000, 9, 0}, {200, 300, 9, 0}, {400, 500, 9, 3}};
    Frame mitte = morphFrame(von, bis, 0.25);
    ASSERT_EQ(mitte.Punkte.size(), 3u);
    EXPECT_EQ(mitte.Punkte[0], (Punkt{250, -250, 5, 4}));
    EXPECT_EQ(mitte.Punkte[2], (Punkt{175, 200, 5, 0})); // the shorter frame repeats its last
    EXPECT_EQ(morphFrame(von, bis, 0.75).Punkte[2], (Punkt{325, 400, 9, 3}));

    figur(2);
    frames()[0] = von;
    frames()[1] = bis;
    Morph(s, u.env, 0, 1, 3);
    std::vector<int> x;
    for (const auto& f : frames()) x.push_back(f.Punkte[0].X);
    EXPECT_EQ(x, (std::vector<int>{0, 250, 500, 750, 1000}));
}
