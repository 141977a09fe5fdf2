#include "platform/IniDatei.h"
#include "TestHilfe.h"
#include "platform/Fehler.h"

using namespace sw;
using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::schreibeDatei;

TEST(IniDatei, ReadsCaseInsensitivelyAndTrims) {
    Kratzordner tmp;
    auto datei = tmp / "a.ini";
    schreibeDatei(datei, "; comment\r\n[Optionen_DMX]\r\n  Key One = value with blanks  \r\n"
                         "quoted=\"  x  \"\r\nKey One=second\r\n[other]\nk=v\n");
    IniDatei ini;
    EXPECT_EQ(ini.lesen(datei, "optionen_dmx", "KEY ONE"), "value with blanks");
    EXPECT_EQ(ini.lesen(datei, " Optionen_DMX ", "quoted"), "  x  ");
    EXPECT_EQ(ini.lesen(datei, "other", "k"), "v"); // LF-only lines
    EXPECT_EQ(ini.lesen(datei, "other", "missing"), std::nullopt);
    EXPECT_EQ(ini.lesen(datei, "nosection", "k"), std::nullopt);
    EXPECT_EQ(ini.lesen(tmp / "absent.ini", "a", "b"), std::nullopt);
    EXPECT_EQ(ini.lesen(datei, "Optionen_DMX", "Key One", 5), "value");
}

TEST(IniDatei, UpdatesInPlaceAndKeepsOtherLines) {
    Kratzordner tmp;
    auto datei = tmp / "a.ini";
    schreibeDatei(datei, "; keep me\r\n[S]\r\nA=1\r\njunk line\r\nB=2\r\n\r\n[T]\r\nC=3\r\n");
    IniDatei ini;
    ini.schreiben(datei, "s", "b", "20");
    ini.schreiben(datei, "S", "New", "x");
    ini.schreiben(datei, "U", "D", "4");
    EXPECT_EQ(leseDatei(datei), "; keep me\r\n[S]\r\nA=1\r\njunk line\r\nB=20\r\nNew=x\r\n\r\n"
                                "[T]\r\nC=3\r\n\r\n[U]\r\nD=4\r\n");
    EXPECT_EQ(ini.unlesbareZeilen(datei), std::vector<std::string>{"junk line"});

    ini.abschnittLoeschen(datei, "s");
    EXPECT_EQ(leseDatei(datei), "; keep me\r\n[T]\r\nC=3\r\n\r\n[U]\r\nD=4\r\n");
    EXPECT_EQ(ini.lesen(datei, "S", "A"), std::nullopt);
}

TEST(IniDatei, NamesAreWrittenTrimmedAndTextIsWindows1252OnDisk) {
    Kratzordner tmp;
    auto datei = tmp / "n.ini";
    IniDatei ini;
    ini.schreiben(datei, " OptionenAusgabe", " R_Min_Farbkorrektur(0)", "0");
    ini.schreiben(datei, "Optionen_Text_SMS", "SchriftartGroeße", "Grün");
    EXPECT_EQ(leseDatei(datei), "[OptionenAusgabe]\r\nR_Min_Farbkorrektur(0)=0\r\n\r\n"
                                "[Optionen_Text_SMS]\r\nSchriftartGroe\xDF"
                                "e=Gr\xFCn\r\n");
    EXPECT_EQ(ini.lesen(datei, "OptionenAusgabe", " R_Min_Farbkorrektur(0)"), "0");
    EXPECT_EQ(ini.lesen(datei, "Optionen_Text_SMS", "SchriftartGroeße"), "Grün");
}

TEST(IniDatei, SeesChangesMadeByOthersAndLeavesNoTemporaryFiles) {
    Kratzordner tmp;
    auto datei = tmp / "c.ini";
    IniDatei ini;
    ini.schreiben(datei, "S", "K", "1");
    schreibeDatei(datei, "[S]\r\nK=changed elsewhere\r\n");
    EXPECT_EQ(ini.lesen(datei, "S", "K"), "changed elsewhere");
    int dateien = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(tmp.pfad())) ++dateien;
    EXPECT_EQ(dateien, 1);
}

TEST(IniDatei, UnwritableFileRaisesError75AndKeepsTheFile) {
    Kratzordner tmp;
    IniDatei ini;
    try {
        ini.schreiben(tmp / "missing-folder" / "x.ini", "S", "K", "1");
        ADD_FAILURE();
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.nummer(), 75);
    }
}
