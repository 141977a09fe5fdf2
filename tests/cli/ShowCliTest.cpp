#include "CliLauf.h"
#include "show/ShowDatei.h"
#include "show/ShowInfo.h"

using namespace sw;
using sw::test::cli;
using sw::test::Kratzordner;
using sw::test::q;
using sw::test::scheitert;
using sw::test::schreibeDatei;

TEST(CliShow, InfoPrintsShowFilesAndShowInformation) {
    Kratzordner tmp;
    ShowDateiInhalt s;
    s.ShowName = "Größe";
    s.SoundName = "a.mp3";
    s.FaktorDrehenSchieben = "1,5";
    s.FaktorStauchen = "1";
    schreibeDatei(tmp / "Test.shw", showdateiKodieren(s));
    auto lauf = cli(tmp, "info " + q(tmp / "Test.shw"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "{\"kind\":\"show\",\"header\":\"Strahlwerk Lumiscript Show  "
                        "DateiVersion 2.3\",\"version\":2.3,\"ShowName\":\"Größe\",\"SoundName\":"
                        "\"a.mp3\",\"FaktorDrehenSchieben\":\"1,5\",\"FaktorStauchen\":\"1\","
                        "\"mnuLaserAutomatik\":false}\n");

    ShowInfo i;
    i.Interpret = "Künstler";
    i.SpurZuordnung[1][3] = true;
    i.DMXVerwendung = 2;
    schreibeDatei(tmp / "Test.info", showInfoKodieren(i));
    lauf = cli(tmp, "info " + q(tmp / "Test.info"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_NE(lauf.aus.find("\"txtInterpret\":\"Künstler\""), std::string::npos) << lauf.aus;
    EXPECT_NE(lauf.aus.find("{\"A\":false,\"B\":false,\"C\":false,\"D\":true}"), std::string::npos);
    EXPECT_NE(lauf.aus.find("\"optDMXVerwendung\":2,"), std::string::npos);

    // Broken files: one sentence naming the file, exit code 1.
    const std::string ganz = showInfoKodieren(i);
    schreibeDatei(tmp / "Kurz.info", ganz.substr(0, ganz.size() - 1));
    lauf = cli(tmp, "info " + q(tmp / "Kurz.info"));
    EXPECT_TRUE(scheitert(lauf, "Kurz.info: the show information is truncated or corrupt"));
    schreibeDatei(tmp / "Kopf.shw", "Strahlwerk Lumiscript Live  DateiVersion 2.3\r\n");
    lauf = cli(tmp, "info " + q(tmp / "Kopf.shw"));
    EXPECT_TRUE(scheitert(lauf, "wrong header"));
}
