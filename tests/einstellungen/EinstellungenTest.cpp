#include "einstellungen/Einstellungen.h"
#include "TestHilfe.h"
#include "platform/Fehler.h"

using namespace sw;
using sw::test::Kratzordner;
using sw::test::leseDatei;

namespace {
struct EinstellungenTest : ::testing::Test {
    Kratzordner tmp;
    TestUhr uhr;
    Protokoll log{uhr};
    EreignisPumpe pumpe;
    Einstellungen e{log, pumpe};
    EinstellungenTest() { e.IniPfad = (tmp / "Strahlwerk.ini").string(); }
    std::string gespeichert(const std::string& key) {
        return e.ini().lesen(e.IniPfad, "S", key).value_or("(absent)");
    }
};
} // namespace

TEST_F(EinstellungenTest, NumbersAreStoredTimesTenThousand) {
    e.zahlSchreiben("S", "minus1", -1);
    e.zahlSchreiben("S", "zweieinhalb", 2.5f);
    e.zahlSchreiben("S", "winzig", 0.00004f);
    e.zahlSchreiben("S", "halb", 0.5f);
    e.zahlSchreiben("S", "fuenfundzwanzig", 25);
    EXPECT_EQ(gespeichert("minus1"), "-10000");
    EXPECT_EQ(gespeichert("zweieinhalb"), "25000");
    EXPECT_EQ(gespeichert("winzig"), "0");
    EXPECT_EQ(gespeichert("halb"), "5000");
    EXPECT_EQ(gespeichert("fuenfundzwanzig"), "250000");
    EXPECT_EQ(e.zahlLesen("S", "zweieinhalb", 0), 2.5f);
    EXPECT_EQ(e.zahlLesen("S", "minus1", 0), -1.0f);
    EXPECT_EQ(e.zahlLesen("S", "absent", 7.25f), 7.25f);
    EXPECT_EQ(Einstellungen::zahlText(0.00005f), "0"); // 0.5 rounds to even
    EXPECT_EQ(Einstellungen::zahlText(0.00015f), "2"); // 1.5 rounds to even
}

TEST_F(EinstellungenTest, NumbersBeyondThirtyTwoBitsCannotBeStored) {
    try {
        e.zahlSchreiben("S", "gross", 300000.0f);
        FAIL();
    } catch (const Laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 6);
    }
    EXPECT_EQ(gespeichert("gross"), "(absent)");
}

TEST_F(EinstellungenTest, TextsAndTheNoValueDefault) {
    EXPECT_EQ(e.textLesen("S", "absent", ""), "<no value>");
    EXPECT_EQ(e.textLesen("S", "absent", "No Device"), "No Device");
    e.textSchreiben("S", "Device.DeviceName_0", "Virtual Device");
    EXPECT_EQ(e.textLesen("s", "device.devicename_0", ""), "Virtual Device");
    e.textSchreiben("S", "leer", "");
    EXPECT_EQ(e.textLesen("S", "leer", "x"), "");
    // Reads stop at 499 characters, the room of a 500-character buffer.
    e.textSchreiben("S", "lang", std::string(600, 'x'));
    EXPECT_EQ(e.textLesen("S", "lang", "").size(), 499u);
    e.abschnittLoeschen("S");
    EXPECT_EQ(e.textLesen("S", "Device.DeviceName_0", ""), "<no value>");
}

TEST_F(EinstellungenTest, OverrideFileIsUsedWhileImportingOrExporting) {
    e.textSchreiben("S", "k", "standard");
    e.IniDateiAktuell = (tmp / "export.Laser_ini").string();
    e.textSchreiben("S", "k", "export", e.IniDateiAktuell);
    EXPECT_EQ(e.textLesen("S", "k", "", e.IniDateiAktuell), "export");
    EXPECT_EQ(e.textLesen("S", "k", ""), "standard");
}

TEST_F(EinstellungenTest, EveryReadLeavesATraceLineOnceTheLogIsOpen) {
    e.zahlLesen("S", "vor dem Log", 1);
    ASSERT_TRUE(log.oeffnen(tmp / "log.txt"));
    e.zahlSchreiben("MaxValues", "MaxPunktzahl", 3000);
    e.zahlLesen("MaxValues", "MaxPunktzahl", 1000);
    e.zahlLesen("MaxValues", "Fehlt", 1000);
    e.textLesen("Optionen_Hardware", "Device.DeviceName_3", "No Device");
    log.schliessen();
    EXPECT_EQ(
        leseDatei(tmp / "log.txt"),
        "0      IniGetSng: Header = MaxValues      Ini Key = MaxPunktzahl      Value = 3000\r\n"
        "0      IniGetSng: Header = MaxValues      Ini Key = Fehlt      Value = Default =1000\r\n"
        "0      inirealget: Header = Optionen_Hardware      Ini Key = Device.DeviceName_3"
        "      Value = Default =No Device\r\n");
}
