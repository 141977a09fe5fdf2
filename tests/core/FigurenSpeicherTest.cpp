#include "core/FigurenSpeicher.h"
#include "TestHilfe.h"
#include "platform/Fehler.h"

using namespace sw;

TEST(FigurenSpeicher, NewFigureIsOneFrameOfOnePoint) {
    FigurenSpeicher s;
    int undos = 0;
    s.hooks.undoSchreiben = [&] { ++undos; };
    s.Figuren[0].Frames.resize(5);
    s.Figuren[0].Parameter[17] = 3;
    s.SpurAuswahl[s.EditorSpur] = {4, 3, 0};
    cmdNeu_Click(s);
    EXPECT_EQ(undos, 1);
    EXPECT_EQ(s.SpurAuswahl[s.EditorSpur].Figur, 0);
    EXPECT_EQ(s.SpurAuswahl[s.EditorSpur].Frame, 0);
    ASSERT_EQ(s.Figuren[0].Frames.size(), 1u);
    EXPECT_EQ(s.Figuren[0].Frames[0].Punkte.size(), 1u);
    for (int i = 0; i < kParameterZahl; ++i) {
        double erwartet = i == 398 ? 1.0 : i == 303 ? 2.0 : 0.0;
        EXPECT_EQ(s.Figuren[0].Parameter[static_cast<std::size_t>(i)], erwartet) << i;
    }
}

TEST(FigurenSpeicher, PointCountsAndResizing) {
    FigurenSpeicher s;
    FigurenErweitern(s, 3);
    s.Figuren[3].Frames.resize(2);
    s.Figuren[3].Frames[1].Punkte.resize(6);
    EXPECT_EQ(Funktion_Punktzahl(s, -1, 5), 0);
    EXPECT_EQ(Funktion_Punktzahl(s, 3, -1), 0);
    EXPECT_EQ(Funktion_Punktzahl(s, 3, 1), 5);
    EXPECT_THROW(Funktion_Punktzahl(s, 3, 2), Laufzeitfehler);

    s.SpurAuswahl[s.EditorSpur] = {3, 1, 0};
    s.Figuren[3].Frames[1].Punkte[2].X = 9;
    UboundChange(s, 3);
    EXPECT_EQ(Funktion_Punktzahl(s, 3, 1), 8);
    UboundChange(s, -6);
    EXPECT_EQ(Funktion_Punktzahl(s, 3, 1), 2);
    EXPECT_EQ(s.Figuren[3].Frames[1].Punkte[2].X, 9);
    EXPECT_THROW(UboundChange(s, -3), Laufzeitfehler); // point 0 stays
    EXPECT_EQ(Funktion_Punktzahl(s, 3, 1), 2);
}

TEST(FigurenSpeicher, FrameBarRefusesMoreFramesThanItCanShow) {
    test::TestUmgebung u;
    FigurenSpeicher s;
    s.SpurAuswahl[s.EditorSpur].Figur = 0;
    s.Figuren[0].Frames.resize(32768);
    FrameBalkenAktualisieren(s, u.env);
    EXPECT_EQ(s.FrameBalkenMax, 32767);
    EXPECT_TRUE(u.dialoge.meldungen.empty());
    s.Figuren[0].Frames.resize(32769);
    FrameBalkenAktualisieren(s, u.env);
    EXPECT_EQ(s.FrameBalkenMax, 32767);
    EXPECT_EQ(u.dialoge.meldungen, std::vector<std::string>{"To many frames in figure"});
}
