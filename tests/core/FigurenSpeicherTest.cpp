#include "core/FigurenSpeicher.h"
#include "TestHilfe.h"
#include "platform/Fehler.h"

using namespace sw;

TEST(FigurenSpeicher, NewFigureIsOneFrameOfOnePoint) {
    FigurenSpeicher s;
    FigurenErweitern(s, 4);
    int undos = 0;
    // The snapshot is taken of figure 0, which the new figure replaces.
    s.hooks.undoSchreiben = [&] {
        ++undos;
        EXPECT_EQ(s.SpurAuswahl[s.EditorSpur].Figur, 0);
        alsGeaendertMarkieren(s, 0);
    };
    s.Figuren[0].Frames.resize(5);
    s.Figuren[0].Parameter[17] = 3;
    s.SpurAuswahl[s.EditorSpur] = {4, 3, 0};
    cmdNeu_Click(s);
    EXPECT_EQ(undos, 1);
    EXPECT_TRUE(geaenderteFiguren(s).empty());
    EXPECT_EQ(std::tuple(s.SpurAuswahl[s.EditorSpur].Figur, s.SpurAuswahl[s.EditorSpur].Frame),
              std::tuple(0, 0));
    EXPECT_EQ(s.Figuren[0].Frames, std::vector<Frame>(1));
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
    EXPECT_EQ(std::tuple(Funktion_Punktzahl(s, -1, 5), Funktion_Punktzahl(s, 3, -1),
                         Funktion_Punktzahl(s, 3, 1)),
              std::tuple(0, 0, 5));
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
    // 32768 frames still fit the bar; one more is refused with a message
    for (auto [frames, meldungen] : {std::pair{32768u, 0u}, {32769u, 1u}}) {
        s.Figuren[0].Frames.resize(frames);
        FrameBalkenAktualisieren(s, u.env);
        EXPECT_EQ(s.FrameBalkenMax, 32767);
        ASSERT_EQ(u.dialoge.meldungen.size(), meldungen) << frames;
    }
    EXPECT_EQ(u.dialoge.meldungen[0], "To many frames in figure");
}

TEST(FigurenSpeicher, AFigureTakenIntoTheListMovesEverythingBehindIt) {
    FigurenSpeicher s;
    FigurenErweitern(s, 2);
    s.lstFiguren = {"***Figur 0***", "a.qvb", "c.qvb", "teil.prt"};
    s.Listentyp = {listentyp::Figur, listentyp::Figur, listentyp::Figur, listentyp::Showpart};
    s.Figuren[2].Frames[0].Punkte[0].X = 2;
    alsGeaendertMarkieren(s, 0);
    alsGeaendertMarkieren(s, 2);
    s.SpurAuswahl[s.EditorSpur].Figur = 2;
    s.SpurAuswahl[-1].Figur = 1;
    s.ShowpartAuswahl[5].Showpart = 3;

    Figur neu;
    neu.Frames[0].Punkte[0].X = 9;
    EXPECT_EQ(figurEinreihen(s, "b.qvb", neu), 2);
    EXPECT_EQ(s.lstFiguren,
              (std::vector<std::string>{"***Figur 0***", "a.qvb", "b.qvb", "c.qvb", "teil.prt"}));
    EXPECT_TRUE(s.Listentyp.back() == listentyp::Showpart && s.Listentyp[2] == listentyp::Figur);
    ASSERT_EQ(s.Figuren.obergrenze(), 3);
    EXPECT_EQ(std::tuple(s.Figuren[2].Frames[0].Punkte[0].X, s.Figuren[3].Frames[0].Punkte[0].X),
              std::tuple(9, 2));
    EXPECT_EQ(geaenderteFiguren(s), (std::vector<long>{0, 3}));
    // the tracks follow: the editor's figure moved up, the others did not
    EXPECT_EQ(std::tuple(s.SpurAuswahl[s.EditorSpur].Figur, s.SpurAuswahl[-1].Figur,
                         s.ShowpartAuswahl[5].Showpart),
              std::tuple(3, 1, 4));
    // Every changed figure needs a new crash copy under its new slot.
    EXPECT_EQ(s.OhneAbsturzkopie, (std::set<long>{0, 3}));

    // A name after every file goes behind the last figure file, before the show parts.
    EXPECT_EQ(figurEinreihen(s, "z.qvb", Figur{}), 4);
    EXPECT_EQ(s.lstFiguren[5], "teil.prt");
    EXPECT_EQ(s.ShowpartAuswahl[5].Showpart, 5);
    // Slots beyond the table are fresh and unchanged; marks of gone slots do not count.
    alsGeaendertMarkieren(s, 9);
    EXPECT_FALSE(istGeaendert(s, 9));
    aenderungenVergessen(s);
    EXPECT_TRUE(geaenderteFiguren(s).empty());
}
