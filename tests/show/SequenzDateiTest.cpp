#include "show/SequenzDatei.h"
#include "SequenzBauer.h"
#include "TestHilfe.h"

using namespace sw;
using sw::test::ev;
using sw::test::seqBytes;

TEST(SequenzDatei, OldVersionsWidenAndRenumber) {
    // Version 0 has no version byte. Old tracks: 16 is the last row of group 0, 17 the first
    // row of group 1.
    auto bytes = seqBytes(0, {ev(0, 0, 0), ev(100, 16, 143, 200, 201), ev(250.5, 17, 127, 5, 6),
                              ev(300, 3, 143, 255, 0)});
    auto inhalt = sequenzDekodieren(bytes);
    EXPECT_EQ(inhalt.version, 0);
    // record 0 reads as all zero; bytes widen unsigned
    EXPECT_EQ(inhalt.events, (EventListe{SeqEvent{}, ev(100, 19, 143, 200, 201),
                                         ev(250.5, 20, 127, 5, 6), ev(300, 3, 143, 255, 0)}));

    const std::vector<SeqEvent> alt = {
        ev(0, 0), ev(10, 16, 143, -3, 1000), ev(20, 17), ev(30, 32), ev(40, 33), ev(50, 192)};
    auto v1 = sequenzDekodieren(seqBytes(1, alt));
    EXPECT_EQ(v1.version, 1);
    EXPECT_EQ(v1.events[1], ev(10, 19, 143, -3, 1000));
    // device 1, row 1; the old last row of group 1 is row 19 of group 1; the highest old
    // track is the highest new one. Version 2 already numbers in groups of 19.
    auto v2 = sequenzDekodieren(seqBytes(2, alt));
    std::vector<int> spuren1, spuren2;
    for (std::size_t i = 1; i < alt.size(); ++i) {
        spuren1.push_back(v1.events[i].track);
        spuren2.push_back(v2.events[i].track);
    }
    EXPECT_EQ(spuren1, (std::vector<int>{19, 20, 38, 39, 228}));
    EXPECT_EQ(spuren2, (std::vector<int>{16, 17, 32, 33, 192}));
    EXPECT_EQ(alteSpurUmrechnen(255), -1); // 15 + 19 * 15 does not fit a byte
}

TEST(SequenzDatei, LoadSortsAndRecomputesOffTimes) {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    auto datei = tmp / "a.seq";
    test::schreibeDatei(datei, seqBytes(1, {ev(0, 0), ev(1000, 2), ev(3000, 1)}));
    EventListe e;
    ASSERT_TRUE(u.log.oeffnen(tmp / "log.txt"));
    ASSERT_TRUE(LoadSequenz(e, u.env, datei, 9000));
    u.log.schliessen();
    EXPECT_EQ(std::tuple(e[1].off, e[2].off), std::tuple(3000.0, 9000.0));
    EXPECT_NE(test::leseDatei(tmp / "log.txt").find(" = 2"), std::string::npos);
    // Version 3: an unsorted file is sorted; an event with no successor keeps its stored off.
    test::schreibeDatei(datei,
                        seqBytes(3, {ev(0, 0), ev(3000, 1, 143, 0, 0, 77),
                                     ev(1000, 2, 143, 0, 0, 1234), ev(500, 19, 143, 0, 0, 800)}));
    ASSERT_TRUE(LoadSequenz(e, u.env, datei, 9000));
    EXPECT_EQ(std::tuple(e[1].off, e[2].off, e[3].off), std::tuple(800.0, 3000.0, 9000.0));
    // A missing file does nothing, and says nothing.
    EXPECT_FALSE(LoadSequenz(e, u.env, tmp / "fehlt.seq", 9000));
    EXPECT_TRUE(e.size() == 4 && u.dialoge.meldungen.empty());
}

TEST(SequenzDatei, Version3RoundTripIsByteForByte) {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    // Off times as the rule gives them for a media length of 2e12, so a load keeps them.
    std::vector<SeqEvent> ev3 = {ev(0, 0), ev(0.25, 1, 143, 7, 7, 2e12),
                                 ev(500, 228, 175, -1, 32767, 2e12),
                                 ev(1e12, 19, 127, -32768, -5, 2e12)};
    const std::string bytes = seqBytes(3, ev3);
    EXPECT_EQ(test::hex(bytes, 6), "03 00 00 00 03 00");
    auto datei = tmp / "b.seq";
    test::schreibeDatei(datei, bytes);
    EventListe e;
    ASSERT_TRUE(LoadSequenz(e, u.env, datei, 2e12));
    auto ziel = tmp / "c.seq";
    ASSERT_TRUE(SaveSequenz(e, u.env, ziel));
    EXPECT_EQ(test::leseDatei(ziel), bytes);
    // Old versions are written as version 3.
    auto alt = sequenzDekodieren(seqBytes(1, {ev(0, 0), ev(5, 17)}));
    EXPECT_EQ(sequenzKodieren(alt.events), seqBytes(3, {ev(0, 0), ev(5, 20)}));
}

TEST(SequenzDatei, TruncatedOrCorruptFilesLeaveTheListAsItWas) {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    const EventListe vorher = {ev(0, 0), ev(42, 3, 143, 1, 1, 50)};
    auto datei = tmp / "kaputt.seq";
    for (int version : {0, 1, 3}) {
        const std::string bytes =
            seqBytes(version, {ev(0, 0), ev(1, 2, 143, 3, 4), ev(2, 3, 127, 5, 6)});
        for (std::size_t laenge = 0; laenge < bytes.size(); ++laenge) {
            test::schreibeDatei(datei, bytes.substr(0, laenge));
            EventListe e = vorher;
            u.dialoge.meldungen.clear();
            EXPECT_FALSE(LoadSequenz(e, u.env, datei, 1000)) << version << " " << laenge;
            EXPECT_EQ(e, vorher);
            ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
            EXPECT_NE(u.dialoge.meldungen[0].find("kaputt.seq"), std::string::npos);
        }
    }
    // A count far beyond the file (refused before anything is allocated), a negative count,
    // an unknown version.
    const std::pair<std::size_t, std::string> kaputt[] = {
        {0, "\xFF\xFF\xFF\x7F"}, {3, "\x80"}, {4, "\x09"}};
    for (const auto& [stelle, neu] : kaputt) {
        std::string b = seqBytes(3, {ev(0, 0)});
        b.replace(stelle, neu.size(), neu);
        EXPECT_THROW(sequenzDekodieren(b), Formatfehler) << stelle;
    }
    EXPECT_THROW(sequenzDekodieren(seqBytes(1, {ev(0, 0), ev(1, 250)})), Formatfehler);
    // The trap text names the routine and the file.
    test::schreibeDatei(datei, "\x05");
    EventListe e = vorher;
    LoadSequenz(e, u.env, datei, 0);
    ASSERT_FALSE(u.dialoge.details.empty());
    EXPECT_NE(u.dialoge.details.back().find("Fehler #  75. frmSequenzer    sub LoadSequenz         "
                                            "Fehler bei Zugriff auf Datei: "),
              std::string::npos);
}

TEST(SequenzDatei, AFailedSaveKeepsThePreviousFile) {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    auto datei = tmp / "d.seq";
    ASSERT_TRUE(SaveSequenz({ev(0, 0), ev(1, 1)}, u.env, datei));
    const std::string vorher = test::leseDatei(datei);
    EXPECT_FALSE(SaveSequenz({ev(0, 0)}, u.env, tmp / "fehlt" / "d.seq"));
    EXPECT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(test::leseDatei(datei), vorher);
    // An empty list is written with its element 0.
    ASSERT_TRUE(SaveSequenz({}, u.env, datei));
    EXPECT_EQ(test::leseDatei(datei), seqBytes(3, {SeqEvent{}}));
}
