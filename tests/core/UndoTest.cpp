#include "core/Undo.h"
#include "TestHilfe.h"

using namespace sw;
using sw::test::Kratzordner;

namespace {

struct UndoTest : ::testing::Test {
    Kratzordner tmp;
    test::TestUmgebung u;
    FigurenSpeicher s;
    UndoZustand undo;
    UndoTest() {
        undo.ordner = tmp / "Temp";
        FigurenErweitern(s, 2);
        s.SpurAuswahl[s.EditorSpur].Figur = 2;
    }
    std::int16_t x() { return s.Figuren[2].Frames[0].Punkte[0].X; }
    void bearbeiten(std::int16_t neu) {
        WriteUndo(s, undo, u.env);
        s.Figuren[2].Frames[0].Punkte[0].X = neu;
    }
};

} // namespace

TEST_F(UndoTest, WorkedSequence) {
    // The figure's value, the counter and the undo button after each step.
    const auto stand = [&] { return std::tuple(x(), undo.UndoZaehler, undo.cmdUndoEnabled); };
    cmdRedo_Click(s, undo, u.env); // nothing to redo at the start
    EXPECT_EQ(stand(), std::tuple(0, 0, false));
    EXPECT_FALSE(undo.cmdRedoEnabled);
    bearbeiten(1); // A
    EXPECT_EQ(stand(), std::tuple(1, 1, true));
    bearbeiten(2); // B
    cmdUndo_Click(s, undo, u.env);
    EXPECT_EQ(stand(), std::tuple(1, 1, true));
    EXPECT_TRUE(std::filesystem::exists(undo.snapshot(3)) && undo.cmdRedoEnabled);
    cmdRedo_Click(s, undo, u.env);
    EXPECT_EQ(stand(), std::tuple(2, 2, true));

    cmdUndo_Click(s, undo, u.env);
    cmdUndo_Click(s, undo, u.env);
    EXPECT_EQ(stand(), std::tuple(0, 0, false));
    cmdUndo_Click(s, undo, u.env); // undo at the first snapshot stays there
    EXPECT_EQ(x(), 0);
    cmdRedo_Click(s, undo, u.env);
    EXPECT_EQ(x(), 1);
    cmdRedo_Click(s, undo, u.env);
    cmdRedo_Click(s, undo, u.env);
    EXPECT_EQ(stand(), std::tuple(2, 2, true));
    EXPECT_FALSE(undo.cmdRedoEnabled);

    // A new edit after an undo ends the redo branch.
    cmdUndo_Click(s, undo, u.env); // back to 1; snapshot 3 holds 2
    bearbeiten(5);
    EXPECT_FALSE(undo.cmdRedoEnabled);
    cmdRedo_Click(s, undo, u.env);
    EXPECT_EQ(x(), 5); // the stale snapshot 3 is not loaded
    cmdUndo_Click(s, undo, u.env);
    EXPECT_EQ(x(), 1);
    cmdRedo_Click(s, undo, u.env);
    EXPECT_EQ(x(), 5);
}

TEST_F(UndoTest, SwitchedOffWritesNothingRestoresIntoTheSelectedSlotAndIsStored) {
    undo.checkWriteUndos = false;
    bearbeiten(3);
    EXPECT_FALSE(std::filesystem::exists(undo.ordner));
    EXPECT_FALSE(undo.cmdUndoEnabled);
    undo.checkWriteUndos = true;
    bearbeiten(4);
    s.SpurAuswahl[s.EditorSpur].Figur = 1;
    cmdUndo_Click(s, undo, u.env);
    EXPECT_EQ(s.Figuren[1].Frames[0].Punkte[0].X, 3);
    int zurueck = 0;
    undo.nachUndoRedo = [&] { ++zurueck; };
    cmdRedo_Click(s, undo, u.env); // back to what slot 1 held before the undo
    EXPECT_EQ(s.Figuren[1].Frames[0].Punkte[0].X, 0);
    EXPECT_EQ(zurueck, 1);
    Protokoll log(u.uhr);
    Einstellungen e(log, u.pumpe);
    e.IniPfad = (tmp / "s.ini").string();
    undoEinstellungLaden(undo, e);
    EXPECT_TRUE(undo.checkWriteUndos);
    undo.checkWriteUndos = false;
    undoEinstellungSpeichern(undo, e);
    undo.checkWriteUndos = true;
    undoEinstellungLaden(undo, e);
    EXPECT_FALSE(undo.checkWriteUndos);
}

TEST_F(UndoTest, EditsUndoAndRedoLeaveTheFigureChanged) {
    bearbeiten(1);
    EXPECT_EQ(geaenderteFiguren(s), std::vector<long>{2});
    alsUnveraendertMarkieren(s, 2); // saved
    cmdUndo_Click(s, undo, u.env);
    EXPECT_EQ(x(), 0);
    EXPECT_TRUE(istGeaendert(s, 2));
    alsUnveraendertMarkieren(s, 2);
    cmdRedo_Click(s, undo, u.env);
    EXPECT_EQ(x(), 1);
    EXPECT_TRUE(istGeaendert(s, 2));
    // Switched off, an edit still counts as a change.
    alsUnveraendertMarkieren(s, 2);
    undo.checkWriteUndos = false;
    bearbeiten(4);
    EXPECT_TRUE(istGeaendert(s, 2));
}
