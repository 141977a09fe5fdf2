#include "show/Wiedergabe.h"
#include "SequenzBauer.h"
#include "TestHilfe.h"
#include "TestUmgebung.h"
#include "show/UhrMedien.h"

#include <gtest/gtest.h>
#include <utility>

using namespace sw;
using sw::test::ev;

namespace {

struct Gesendet {
    double zeit;
    int track, kind, key, value;
    bool operator==(const Gesendet&) const = default;
};

struct WiedergabeTest : ::testing::Test {
    test::Kratzordner tmp;
    test::TestUmgebung t;
    FakeMedien medien;
    Sequenzer s;
    WiedergabeZustand w;
    WiedergabeKontext k{w, s, medien, t.env, {}};
    std::vector<Gesendet> gesendet;
    bool aufnahmeAn = false;
    EventListe aufgenommen;

    WiedergabeTest() {
        s.undo.ordner = tmp.pfad();
        test::schreibeDatei(tmp / "lied.mp3", "ID3");
        medien.laenge = 120;
        medien.DS_OpenFile((tmp / "lied.mp3").string(), {});
        s.Medienlaenge = 120'000;
        s.TriggerKey = [this](int tr, int ki, int ke, int va) {
            gesendet.push_back({w.showZeit, tr, ki, ke, va});
        };
        k.teile.aufnahmeSchalten = [this](bool an) { aufnahmeAn = an; };
        k.teile.aufgenommeneNehmen = [this] { return std::exchange(aufgenommen, {}); };
    }
    void events(std::vector<SeqEvent> e) {
        s.Events = EventListe{SeqEvent{}};
        s.Events.insert(s.Events.end(), e.begin(), e.end());
    }
    // Passes of `ms` until `bis` ms of real time have gone by.
    void laufen(double bis, double ms = 1) {
        for (double z = 0; z < bis; z += ms) {
            medien.weiter(ms);
            sequenzerDurchlauf(k);
        }
    }
    std::vector<int> keys() const {
        std::vector<int> aus;
        for (const auto& g : gesendet) aus.push_back(g.key);
        return aus;
    }
};

TEST_F(WiedergabeTest, DueEventsGoOutInListOrderSeveralPerPass) {
    events({ev(0, 1, 143, 5, 5), ev(100, 1, 143, 6, 6), ev(100, 20, 143, 7, 7),
            ev(250, 19, 175, 1, 64)});
    Play_Click(k);
    EXPECT_TRUE(medien.spielt);
    EXPECT_TRUE(gesendet.empty()) << "nothing is chased at the cursor 0";
    sequenzerDurchlauf(k);
    ASSERT_EQ(gesendet.size(), 1u);
    EXPECT_EQ(gesendet[0], (Gesendet{0, 1, 143, 5, 5}));
    medien.weiter(99);
    sequenzerDurchlauf(k);
    EXPECT_EQ(gesendet.size(), 1u);
    // One pass of 60 ms crosses 100: both events at 100 go out in that pass, in list order.
    medien.weiter(60);
    sequenzerDurchlauf(k);
    ASSERT_EQ(gesendet.size(), 3u);
    EXPECT_EQ(gesendet[1], (Gesendet{159, 1, 143, 6, 6}));
    EXPECT_EQ(gesendet[2], (Gesendet{159, 20, 143, 7, 7}));
    EXPECT_EQ(w.gesendet, 3);
    laufen(100);
    ASSERT_EQ(gesendet.size(), 4u);
    EXPECT_NEAR(gesendet[3].zeit, 250, 1e-6);
}

TEST_F(WiedergabeTest, ChaseAtSixtySecondsSendsEachTracksLatestEvent) {
    events({ev(1000, 1, 143, 1, 1), ev(2000, 1, 143, 2, 2), ev(3000, 20, 143, 3, 3),
            ev(30'000, 1, 127, 2, 2), ev(40'000, 19, 175, 1, 10), ev(59'000, 19, 175, 1, 20),
            ev(59'500, 1, 143, 9, 9), ev(60'000, 20, 143, 4, 4), ev(70'000, 1, 143, 5, 5)});
    s.cursorZeit = 60'000;
    Play_Click(k);
    EXPECT_DOUBLE_EQ(medien.position, 60.0);
    // Track 20's event at exactly 60 s is not before the cursor: the first pass sends it.
    std::vector<std::pair<int, int>> spurKey;
    for (const auto& g : gesendet) spurKey.push_back({g.track, g.key});
    EXPECT_EQ(spurKey, (std::vector<std::pair<int, int>>{{20, 3}, {19, 1}, {1, 9}}))
        << "one per track, in list order (the figure before a later effect value)";
    EXPECT_EQ(w.gesendet, 7);
    gesendet.clear();
    sequenzerDurchlauf(k);
    EXPECT_EQ(keys(), std::vector<int>{4});
}

TEST_F(WiedergabeTest, AJumpOfTheClockChasesInsteadOfSendingEverything) {
    events({ev(1000, 1, 143, 1, 1), ev(2000, 1, 143, 2, 2), ev(3000, 1, 143, 3, 3),
            ev(3000, 19, 175, 1, 7), ev(5000, 1, 143, 4, 4)});
    Play_Click(k);
    laufen(1500, 10);
    gesendet.clear();
    medien.DS_SetPosition(4.0); // a seek, or time code jumping
    sequenzerDurchlauf(k);
    EXPECT_EQ(keys(), (std::vector<int>{3, 1})) << "track 1's latest, then track 19's";
    EXPECT_EQ(w.spruenge, 1);
    gesendet.clear();
    medien.DS_SetPosition(1.5); // backwards
    sequenzerDurchlauf(k);
    EXPECT_EQ(keys(), std::vector<int>{1});
    gesendet.clear();
    laufen(600, 10); // a small step is an ordinary pass again
    EXPECT_EQ(keys(), std::vector<int>{2});
    EXPECT_EQ(w.spruenge, 2);
}

TEST_F(WiedergabeTest, ShowpartSlotsPlayFromTheirOffset) {
    Showpart part;
    part.events = {SeqEvent{}, ev(0, 2, 143, 11, 11), ev(500, 2, 143, 12, 12)};
    s.Showparts.push_back(part);
    events({ev(1000, 1, 143, 1, 1)});
    s.TriggerKey = [this](int tr, int ki, int ke, int va) {
        gesendet.push_back({w.showZeit, tr, ki, ke, va});
        if (ke == 1) s.plaetze[3] = ShowpartSlot{0, w.showZeit, 0}; // as the trigger routine does
    };
    Play_Click(k);
    laufen(2000, 10);
    ASSERT_EQ(keys(), (std::vector<int>{1, 11, 12}));
    EXPECT_NEAR(gesendet[1].zeit, 1000, 1e-6);
    EXPECT_NEAR(gesendet[2].zeit, 1500, 1e-6);
    EXPECT_EQ(s.plaetze[3].gesendet, 2);
}

TEST_F(WiedergabeTest, TheEndRewindsAndTheLoopPlaysAgain) {
    medien.laenge = 2;
    events({ev(500, 1, 143, 1, 1)});
    int effekteZurueck = 0;
    k.teile.effekteZuruecksetzen = [&] { ++effekteZurueck; };
    Play_Click(k);
    laufen(2500, 10);
    EXPECT_TRUE(!w.spielt && !medien.spielt && !w.tmrPlaylist);
    EXPECT_TRUE(medien.position == 0 && s.cursorZeit == 0) << "rewound";
    EXPECT_EQ(effekteZurueck, 1);
    EXPECT_EQ(gesendet.size(), 1u);

    gesendet.clear();
    w.checkAutoLoop = true;
    w.playlistLaeuft = true;
    Play_Click(k);
    laufen(4600, 10);
    EXPECT_TRUE(w.spielt && w.checkAutoLoop && w.tmrPlaylist) << "looping";
    EXPECT_EQ(keys(), (std::vector<int>{1, 1, 1})) << "the event at 500 ms once per round";
}

TEST_F(WiedergabeTest, RateLimitsPositionDisplayAndTheClockOnlyMedia) {
    for (int i = 0; i < 150; ++i) cmdSpeed_Click(k, 0);
    EXPECT_TRUE(w.rate == 2.0 && medien.rate == 2.0);
    EXPECT_EQ(w.rateBeschriftung, "Rate: 2.00");
    for (int i = 0; i < 250; ++i) cmdSpeed_Click(k, 1);
    EXPECT_DOUBLE_EQ(w.rate, 0.2);
    cmdSpeed_Click(k, 0);
    cmdSpeed_MouseDown(k, 1); // only the right button resets
    EXPECT_DOUBLE_EQ(w.rate, 0.21);
    cmdSpeed_MouseDown(k, 2);
    EXPECT_DOUBLE_EQ(w.rate, 1.0);
}

TEST_F(WiedergabeTest, RecordedTriggersAppearOnlyAfterStopSorted) {
    // Event 1 of a new show stands at 0 and stays; a recording at 0 sorts in behind it.
    events({ev(0, 0, 0), ev(1000, 1, 143, 1, 1), ev(3000, 1, 143, 3, 3)});
    w.checkRecordMidi = true;
    Play_Click(k);
    EXPECT_TRUE(aufnahmeAn);
    laufen(2500, 10);
    // What the live inputs record while playing, stamped with the media position.
    aufgenommen = {SeqEvent{}, ev(2000, 1, 143, 2, 2), ev(0, 20, 143, 8, 8),
                   ev(1500, 20, 143, 7, 7)};
    EXPECT_EQ(sequenz::anzahl(s.Events), 3);
    wiedergabeAnhalten(k, true);
    EXPECT_FALSE(aufnahmeAn || w.checkRecordMidi);
    EXPECT_NEAR(s.cursorZeit, 2500, 1e-6);
    std::vector<double> starts;
    for (long i = 1; i <= sequenz::anzahl(s.Events); ++i) starts.push_back(s.Events[i].start);
    EXPECT_EQ(starts, (std::vector<double>{0, 1000, 1500, 2000, 3000}))
        << "the recorded one at 0 is removed";
    EXPECT_EQ(s.Events[1].track, 0);
    EXPECT_EQ(std::tuple(s.Events[2].off, s.Events[3].off), std::tuple(2000.0, 120'000.0))
        << "off times recomputed";
    EXPECT_TRUE(s.undo.undoEnabled);
    Undo(s.Events, s.undo, t.env, s.Medienlaenge);
    EXPECT_EQ(sequenz::anzahl(s.Events), 3);
}

TEST_F(WiedergabeTest, DelayedStartAndStartAtAClockTime) {
    events({ev(0, 1, 143, 1, 1)});
    t.dialoge.eingaben = {std::string("100"), std::string("400")};
    EXPECT_FALSE(mnuStartverzoegerung_Click(k)); // below 250 ms
    EXPECT_TRUE(mnuStartverzoegerung_Click(k));
    EXPECT_EQ(w.startverzoegerung, 400);
    cmdStartTimer_Click(k);
    EXPECT_TRUE(w.spielt && !medien.spielt);
    sequenzerDurchlauf(k);
    EXPECT_TRUE(gesendet.empty()) << "nothing goes out before the start";
    t.uhr.vorstellen(0.39);
    EXPECT_FALSE(tmrstart_Timer(k));
    t.uhr.vorstellen(0.02);
    EXPECT_TRUE(tmrstart_Timer(k));
    EXPECT_TRUE(medien.spielt);

    wiedergabeAnhalten(k, false);
    double tageszeit = 8 * 3600 + 59 * 60 + 58;
    k.teile.tageszeit = [&] { return tageszeit; };
    w.dmxKnopf = "Start time";
    t.dialoge.eingaben = {std::string("9:00:00")};
    EXPECT_TRUE(mnuStart_Click(k));
    EXPECT_FALSE(tmrstart_Timer(k));
    tageszeit += 2;
    EXPECT_TRUE(tmrstart_Timer(k));
    EXPECT_TRUE(w.spielt);
    EXPECT_EQ(w.dmxKnopf, "Start at");
    EXPECT_EQ(uhrzeitText(tageszeit), "09:00:00");
    EXPECT_FALSE(uhrzeitLesen("25:00:00") || uhrzeitLesen("9:00"));
    medien.position = 75.5;
    tmrZeitAktualisieren_Timer(k);
    EXPECT_EQ(std::tuple(w.positionText, w.restText),
              std::tuple("Position: 1 min. 15 sec.", "Still To Play: 0 min. 44 sec."));

    UhrMedien u(t.uhr);
    u.laenge = 10;
    EXPECT_FALSE(u.DS_OpenFile((tmp / "fehlt.mp3").string(), {}));
    EXPECT_TRUE(u.DS_OpenFile((tmp / "lied.mp3").string(), {}));
    u.DS_Play();
    t.uhr.vorstellen(2);
    u.DS_SetRate(2);
    t.uhr.vorstellen(1);
    EXPECT_DOUBLE_EQ(u.DS_GetPosition(), 4);
    u.DS_SetPosition(-3);
    EXPECT_DOUBLE_EQ(u.DS_GetPosition(), 0);
    t.uhr.vorstellen(100);
    EXPECT_TRUE(u.DS_GetPosition() == 10 && !u.DS_StillPlaying(0)); // held at the end
    u.DS_Play();                                                    // from 0 at the end
    EXPECT_DOUBLE_EQ(u.DS_GetPosition(), 0);
}

} // namespace
