#include "TestHilfe.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/LBArray.h"

using namespace sw;
using sw::test::Kratzordner;

TEST(LBArray, KeepsItsLowerBoundAcrossPreservingResizes) {
    LBArray<int> a(-3, 0);
    EXPECT_EQ(a.anzahl(), 4u);
    a[-3] = 7;
    a[0] = 9;
    a.redimPreserve(-8, 2);
    EXPECT_TRUE(a.untergrenze() == -8 && a.obergrenze() == 2);
    EXPECT_TRUE(a[-3] == 7 && a[0] == 9 && a[-8] == 0 && a[2] == 0);
    a.redimPreserve(-8, -4);
    EXPECT_EQ(a[-8], 0);
    EXPECT_FALSE(a.enthaelt(-3));
    try {
        a.at(-3);
        FAIL();
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.nummer(), 9);
    }
}

TEST(Binaer, ReaderNeverReadsPastTheEnd) {
    BinaerSchreiber s;
    s.u8(11);
    s.i32(-2);
    s.i16be(0x1234);
    s.f64(2.5);
    BinaerLeser l(s.daten());
    EXPECT_EQ(l.u8(), 11);
    EXPECT_EQ(l.i32(), -2);
    EXPECT_EQ(l.i16be(), 0x1234); // big-endian on disk, checked below
    EXPECT_EQ(l.f64(), 2.5);
    EXPECT_TRUE(l.amEnde());
    EXPECT_THROW(l.u8(), Formatfehler);
    EXPECT_EQ(s.daten().substr(5, 2), "\x12\x34");
}

TEST(Protokoll, WritesSecondsNineteenBlanksAndSeparators) {
    Kratzordner tmp;
    TestUhr uhr(100.0);
    Protokoll log(uhr);
    log.zeile("not written before the log is open");
    ASSERT_TRUE(log.oeffnen(tmp / "x.log"));
    log.trenner();
    log.zeile("Programm Gestartet");
    uhr.vorstellen(2.7);
    log.fehler(75, " in Test");
    log.roh("Größe");
    log.schliessen();
    EXPECT_EQ(sw::test::leseDatei(tmp / "x.log"),
              std::string(52, '*') + "\r\n0" + std::string(19, ' ') + "Programm Gestartet\r\n2" +
                  std::string(19, ' ') +
                  "Fehler # 75 in Test\r\nGr\xF6\xDF"
                  "e\r\n");
}

TEST(Warten, PumpsEventsUntilTheTimeHasPassed) {
    struct ZaehlPumpe : EreignisPumpe {
        int n = 0;
        void ereignisseVerarbeiten() override { ++n; }
    } pumpe;
    TestUhr uhr;
    warten(uhr, pumpe, 100);
    EXPECT_GE(uhr.sekunden(), 0.1);
    EXPECT_GE(pumpe.n, 10);
}

#include "platform/Fehlerfalle.h"

TEST(Fehlerfalle, ReportsTheNumberAndTheRoutineAndCarriesOn) {
    sw::test::TestUmgebung u;
    int schritte = 0;
    bool ok = mitFehlerfalle(u.env, " wurde ausgeloest in Sub Test frmHaupt von ",
                             Meldeart::Nachricht, [&] {
                                 ++schritte;
                                 throw Laufzeitfehler(fehlernummer::Ueberlauf);
                             });
    EXPECT_FALSE(ok);
    EXPECT_EQ(schritte, 1);
    EXPECT_EQ(u.dialoge.meldungen,
              std::vector<std::string>{"Fehler # 6 wurde ausgeloest in Sub Test frmHaupt von "});
    EXPECT_TRUE(mitFehlerfalle(u.env, "x", Meldeart::Log, [] {}));
    EXPECT_FALSE(mitFehlerfalle(u.env, "x", Meldeart::Log, [] { throw std::bad_alloc(); }));
    EXPECT_EQ(u.dialoge.meldungen.size(), 1u);
}
