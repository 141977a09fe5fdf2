#include "Anlage.h"
#include "devices/Punktformate.h"
#include "platform/Text.h"

using namespace sw;
using sw::test::Anlage;

TEST(Treiber, CountsPassedForOnePoint) {
    Anlage t("lumax:1,jmlaser:1,riya:1");
    t.zuordnen(0, "Lumax Emu 1");
    t.zuordnen(1, "JMLaser Emu 1");
    t.zuordnen(2, "Riya Multibus1");
    t.starten();
    std::map<Geraetetyp, int> anzahl;
    t.dac->gesendet = [&](int, Geraetetyp typ, int n, int, const std::uint8_t*, std::size_t) {
        anzahl[typ] = n;
    };
    t.u.uhr.vorstellen(1); // every device ready
    for (int d = 0; d < 3; ++d) {
        auto& w = t.dac->schreiber(t.g.eintrag(d).Typ);
        w.zyklusBeginn(d);
        w.punkt(d, Ausgabepunkt{100, 200, 255, 0, 0, 107});
        w.senden(d);
    }
    EXPECT_EQ((std::map<Geraetetyp, int>{
                  {Geraetetyp::Lumax, 1}, {Geraetetyp::JMLaser, 0}, {Geraetetyp::Riya, 0}}),
              anzahl);
}

// The pace of the ready kinds is checked over sixty seconds; ML frames are offered regardless.
TEST(Treiber, MlFramesAreOfferedEveryPassWithTheirRate) {
    Anlage t("ml:1");
    t.zuordnen(0, "ML 0 EmuML", 3000);
    t.figur({{0, 0, 4095, 4}, {10000, 0, 4095, 4}});
    t.starten();
    for (int i = 0; i < 100; ++i) t.durchlauf(1);
    EXPECT_EQ(std::tuple(t.ml().letzteParameter[2], t.ml().letzteParameter[3]),
              std::tuple(0xB8, 0x0B));          // 3000 = 0x000BB8
    EXPECT_GT(t.ml().geraete[0].abgewiesen, 0); // ML frames are offered every pass
}

TEST(Treiber, AnUnpluggedDeviceIsReportedOnceAndPickedUpAgain) {
    test::Kratzordner tmp;
    Anlage t("lumax:2,jmlaser:1");
    ASSERT_TRUE(t.u.log.oeffnen(tmp / "log.txt"));
    t.zuordnen(0, "Lumax Emu 1", 30000);
    t.zuordnen(1, "Lumax Emu 2", 30000);
    t.zuordnen(2, "JMLaser Emu 1", 30000);
    t.figur({{-5000, 0, 4095, 4}, {5000, 0, 0xF00, 4}});
    t.starten();
    for (int i = 0; i < 50; ++i) t.durchlauf(5);
    t.lumax().geraete[0].ausgesteckt = true;
    t.jmlaser().geraete[0].ausgesteckt = true;
    t.jmlaser().geraete[0].offen = false;
    const long vorher = t.lumax().geraete[1].frames;
    for (int i = 0; i < 400; ++i) t.durchlauf(5); // two seconds
    EXPECT_TRUE(t.dac->gestoert(0) && t.dac->gestoert(2));
    EXPECT_GT(t.lumax().geraete[1].frames, vorher + 100); // the others keep playing
    t.lumax().geraete[0].ausgesteckt = false;
    t.jmlaser().geraete[0].ausgesteckt = false;
    const long jmVorher = t.jmlaser().geraete[0].frames;
    const long lxVorher = t.lumax().geraete[0].frames;
    for (int i = 0; i < 300; ++i) t.durchlauf(5);
    EXPECT_FALSE(t.dac->gestoert(0) || t.dac->gestoert(2));
    EXPECT_GT(t.lumax().geraete[0].frames, lxVorher);
    EXPECT_GT(t.jmlaser().geraete[0].frames, jmVorher);
    t.u.log.schliessen();
    const std::string log = test::leseDatei(tmp / "log.txt");
    for (const char* zeile :
         {"Hardware 0 (Lumax Emu 1) antwortet nicht", "Hardware 2 (JMLaser Emu 1) antwortet nicht",
          "Hardware 0 (Lumax Emu 1) antwortet wieder"})
        EXPECT_EQ(test::vorkommen(log, zeile), 1u) << zeile;
}

TEST(Treiber, ClosingOrderAndItsLogLines) {
    test::Kratzordner tmp;
    Anlage t("lumax:1,jmlaser:1,riya:1,ml:1");
    ASSERT_TRUE(t.u.log.oeffnen(tmp / "log.txt"));
    t.zuordnen(0, "JMLaser Emu 1");
    t.dac->schliessen();
    t.u.log.schliessen();
    const std::string log = test::leseDatei(tmp / "log.txt");
    std::vector<std::size_t> stellen;
    for (const char* z :
         {"ML_driver.mld Schließen", "ML_driver.mld geschlossen", "EzAudDac.dll Schließen",
          "EzAudDac.dll geschlossen", "JMlaser.dll Schließen", "jmlaser.dll geschlossen"})
        stellen.push_back(log.find(utf8NachCp1252(z))); // the log is Windows-1252
    for (std::size_t i = 1; i < stellen.size(); ++i) EXPECT_LT(stellen[i - 1], stellen[i]);
    EXPECT_NE(stellen.back(), std::string::npos);
    EXPECT_FALSE(t.lumax().geraete[0].offen || t.jmlaser().geraete[0].offen ||
                 t.jmlaser().dllOffen);
}

TEST(Treiber, WithoutVendorLibrariesNothingIsSentAndNothingFails) {
    Anlage t("");
    geraetWaehlen(t.g, t.u.env, 0, 1);
    t.a->SpurZuordnung[0][0] = true;
    t.figur({{0, 0, 4095, 4}});
    t.starten();
    for (int i = 0; i < 10; ++i) t.durchlauf(20);
    AbspielenStoppen(*t.a);
    t.dac->schliessen();
    EXPECT_TRUE(t.u.dialoge.meldungen.empty());
}
