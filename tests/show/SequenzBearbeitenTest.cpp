#include "show/SequenzBearbeiten.h"
#include "SequenzBauer.h"
#include "TestHilfe.h"
#include "show/SequenzDatei.h"

using namespace sw;
using sw::test::ev;

namespace {

struct Bearbeiten : ::testing::Test {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    Sequenzer s;
    Bearbeiten() {
        s.undo.ordner = tmp / "Temp";
        s.Medienlaenge = 10000;
    }
    std::vector<int> keys() const {
        std::vector<int> k;
        for (std::size_t i = 1; i < s.Events.size(); ++i) k.push_back(s.Events[i].key);
        return k;
    }
};

} // namespace

TEST_F(Bearbeiten, DeletingMarkedEvents3And5Of6) {
    s.Events = {ev(0, 0)};
    for (int i = 1; i <= 6; ++i) s.Events.push_back(ev(i * 100, 2, 143, i));
    s.markiert = {5, 3};
    DelEvents(s, u.env);
    EXPECT_EQ(keys(), (std::vector<int>{1, 2, 4, 6}));
    EXPECT_TRUE(s.markiert.empty() && s.undo.zaehler == 1);
    EXPECT_EQ(std::tuple(s.Events[1].off, s.Events[4].off), std::tuple(200.0, 10000.0));
    // Cut: the clipboard keeps what went.
    s.markiert = {1, 4};
    CutEvents(s, u.env);
    EXPECT_EQ(keys(), (std::vector<int>{2, 4}));
    ASSERT_EQ(s.Zwischenablage.size(), 2u);
    EXPECT_EQ(s.Zwischenablage[1].key, 6);
    // Nothing marked: nothing happens, no undo step.
    DelEvents(s, u.env);
    EXPECT_EQ(s.undo.zaehler, 2);
}

TEST_F(Bearbeiten, PasteShiftsRowsAndMarksThePastedEvents) {
    s.Events = {ev(0, 0), ev(100, 3, 143, 1, 1), ev(200, 5, 143, 2, 2), ev(900, 1, 143, 3, 600),
                ev(1500, 2, 143, 4, 4)};
    s.markiert = {2, 1};
    KopyEvents(s);
    ASSERT_EQ(s.Zwischenablage.size(), 2u);
    EXPECT_EQ(s.Zwischenablage[0].key, 2); // in mark order, times unchanged
    // Lowest row of the clipboard (3) goes to track 21 (group 1, row 2), 1000 ms later.
    PastEvents(s, u.env, 1000, 21);
    ASSERT_EQ(s.Events.size(), 7u);
    EXPECT_EQ(keys(), (std::vector<int>{1, 2, 3, 1, 2, 4}));
    EXPECT_EQ(s.Events[4], ev(1100, 21, 143, 1, 1, 10000));
    EXPECT_TRUE(s.Events[5].track == 23 && s.Events[5].start == 1200);
    EXPECT_EQ(s.markiert, (std::vector<long>{4, 5}));
    EXPECT_EQ(std::tuple(s.markiertVon, s.markiertBis), std::tuple(1100.0, 1200.0));
    // Existing values above 499 are neither marked nor changed.
    EXPECT_EQ(s.Events[3].value, 600);
    // Pasting again leaves the first paste unmarked.
    KopyEvents(s);
    PastEvents(s, u.env, 5000, 40);
    EXPECT_EQ(s.markiert, (std::vector<long>{7, 8}));
    EXPECT_TRUE(s.Events[7].track == 40 && s.Events[8].track == 42);
}

TEST_F(Bearbeiten, DroppingAFigureLooksUpItsKey) {
    std::vector<std::optional<long>> keyTable(300);
    keyTable[7] = 12;
    keyTable[260] = 12;
    keyTable[3] = -1;
    s.optDeviceNr = 2;
    std::vector<double> gezeichnet;
    s.neuZeichnen = [&](double von, double bis) { gezeichnet = {von, bis}; };
    std::vector<int> vorschau;
    s.TriggerKey = [&](int t, int k, int key, int wert) { vorschau = {t, k, key, wert}; };
    // A figure no key shows: text 187, nothing placed, no undo step.
    u.texte.setzen(1, 187, "Diese Figur liegt auf keiner Taste.");
    EXPECT_FALSE(picSpur_DragDrop(s, u.env, keyTable, 13, 500, 4));
    EXPECT_EQ(u.dialoge.meldungen, std::vector<std::string>{"Diese Figur liegt auf keiner Taste."});
    EXPECT_TRUE(s.Events.size() == 2 && s.undo.zaehler == 0);
    // The first key that shows it, snapped to the grid.
    s.raster.marken = {0, 1000, 2000};
    s.raster.an = true;
    ASSERT_TRUE(picSpur_DragDrop(s, u.env, keyTable, 12, 1400, 4));
    ASSERT_EQ(s.Events.size(), 3u);
    EXPECT_EQ(s.Events[2], ev(1000, 42, 143, 7, 7, 10000));
    EXPECT_EQ(vorschau, (std::vector<int>{42, 143, 7, 7}));
    EXPECT_EQ(gezeichnet, (std::vector<double>{900, 1100}));
    EXPECT_EQ(s.undo.zaehler, 1);
}

TEST(Zeitraster, SnappingAtBothEndsAndInside) {
    Zeitraster r;
    EXPECT_EQ(TimeRaster(r, 123), 123);
    r.marken = {1000, 1500, 2001, 3000};
    // Before the grid it snaps within half the first spacing (exactly half too); after it,
    // within half the last (999). Inside, the integer midpoint ((1500 + 2001) \ 2 = 1750)
    // already goes up.
    const std::pair<double, double> faelle[] = {
        {800, 1000},  {750, 1000},    {749, 749},   {3400, 3000}, {3499.5, 3000}, {3500, 3500},
        {1000, 1000}, {1249.9, 1000}, {1250, 1500}, {1749, 1500}, {1750, 2001},   {3000, 3000}};
    for (auto [zeit, soll] : faelle) EXPECT_EQ(TimeRaster(r, zeit), soll) << zeit;
    r.marken = {500};
    EXPECT_EQ(TimeRaster(r, 9), 500);
}

TEST_F(Bearbeiten, MovingAndMarkingEvents) {
    s.Events = {ev(0, 0), ev(100, 1, 143, 1), ev(200, 1, 143, 2), ev(300, 1, 143, 3),
                ev(400, 1, 143, 4)};
    s.markiert = {1};
    u.dialoge.eingaben = {"0", "250,5"};
    mnuEventsVerschieben_Click(s, u.env); // 0 does nothing
    EXPECT_EQ(s.undo.zaehler, 0);
    mnuEventsVerschieben_Click(s, u.env);
    EXPECT_EQ(keys(), (std::vector<int>{2, 3, 1, 4}));
    EXPECT_TRUE(s.Events[3].start == 350.5 && s.Events[2].off == 350.5);
    EXPECT_EQ(s.markiert, (std::vector<long>{3})); // the mark follows the event
    s.cursorZeit = 300;
    u.dialoge.eingaben = {"-250"};
    mnuEventsAbZeitpunktVerschieben_Click(s, u.env);
    EXPECT_EQ(keys(), (std::vector<int>{3, 1, 4, 2}));
    EXPECT_TRUE(s.Events[2].start == 100.5 && s.Events[4].start == 200);
    EXPECT_EQ(s.markiert, (std::vector<long>{2}));
    for (auto [text, wert] : {std::pair{" 12.5abc", 12.5}, {"abc", 0.0}, {"+7", 7.0}})
        EXPECT_EQ(verschiebungLesen(text), wert) << text;
    s.optDeviceNr = 1;
    s.Events = {ev(0, 0), ev(100, 20), ev(200, 22), ev(300, 25), ev(250, 2), ev(400, 21)};
    EventsMarkieren(s, 350, 4, 50, 1); // corners in either order; rows 1 to 4 of group 1
    EXPECT_EQ(s.markiert, (std::vector<long>{1, 2}));
    EventUmschalten(s, 5);
    EventUmschalten(s, 1);
    EXPECT_EQ(s.markiert, (std::vector<long>{2, 5}));
}

TEST_F(Bearbeiten, UndoAndRedoThroughNumberedFiles) {
    s.Events = {ev(0, 0), ev(100, 1, 143, 1), ev(200, 1, 143, 2)};
    s.markiert = {1};
    DelEvents(s, u.env); // A
    EXPECT_TRUE(std::filesystem::exists(tmp / "Temp" / "UndoSequenz1.000") && s.undo.undoEnabled);
    s.markiert = {1};
    DelEvents(s, u.env); // B
    EXPECT_EQ(s.Events.size(), 1u);
    Undo(s.Events, s.undo, u.env, s.Medienlaenge);
    EXPECT_EQ(keys(), (std::vector<int>{2}));
    EXPECT_TRUE(s.undo.redoEnabled);
    Undo(s.Events, s.undo, u.env, s.Medienlaenge);
    EXPECT_EQ(keys(), (std::vector<int>{1, 2}));
    EXPECT_FALSE(s.undo.undoEnabled);
    Undo(s.Events, s.undo, u.env, s.Medienlaenge); // nothing left
    EXPECT_EQ(keys(), (std::vector<int>{1, 2}));
    Redo(s.Events, s.undo, u.env, s.Medienlaenge);
    EXPECT_EQ(keys(), (std::vector<int>{2}));
    Redo(s.Events, s.undo, u.env, s.Medienlaenge);
    EXPECT_TRUE(keys().empty() && !s.undo.redoEnabled);
    // A new edit after an undo ends the redo branch.
    Undo(s.Events, s.undo, u.env, s.Medienlaenge);
    s.markiert = {1};
    DelEvents(s, u.env);
    Redo(s.Events, s.undo, u.env, s.Medienlaenge);
    EXPECT_TRUE(keys().empty() && !s.undo.redoEnabled);
    int gezeichnet = 0;
    s.neuZeichnen = [&](double, double) { ++gezeichnet; };
    Undo(s, u.env);
    EXPECT_TRUE(keys() == std::vector<int>{2} && gezeichnet == 1);
    // The show's sequence file, with the show's media length.
    ASSERT_TRUE(SaveSequenz(s, u.env, tmp / "Show.seq"));
    s.Medienlaenge = 4321;
    s.Events.clear();
    ASSERT_TRUE(LoadSequenz(s, u.env, tmp / "Show.seq"));
    EXPECT_EQ(keys(), (std::vector<int>{2}));
    EXPECT_TRUE(s.Events[1].off == 4321 && gezeichnet == 2);
}
