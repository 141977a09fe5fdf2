#include "show/ShowInfo.h"
#include "TestHilfe.h"
#include "platform/Binaer.h"
#include "platform/Fehler.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

ShowInfo beispiel() {
    ShowInfo i;
    i.Showname = "Sommernacht";
    i.Programmierer = "Jörg";
    i.Datum = "7.12.2026";
    i.ProgrammVersion = "Strahlwerk 0.1";
    i.Showtype = {false, true, false};
    i.Kartenzahl = 3;
    i.Bild = bildAlsText(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    i.Bezeichnung = "B";
    i.Gesamtlaenge = "3:25";
    i.Interpret = "I";
    i.Titel = "T";
    i.WeitereInfos = "Zeile 1\r\nZeile 2";
    i.Projektoren[0] = {{true, false, true}, "30k"};
    i.Projektoren[3] = {{false, true, false}, "20k"};
    i.ProjektorSetup = 2;
    i.ProjektorPlazierung = "Bühne links";
    i.SpurZuordnung[0][0] = true;
    i.SpurZuordnung[2][3] = true;
    i.ProjektorRouting = {"a", "", "c", "d"};
    i.AusgabeRouting = "r";
    i.DMXVerwendung = -1;
    i.VerwendeteDMXGeraete = "x";
    i.DMXSonstigeInfos = "y";
    i.SonstigeInfos = "z";
    return i;
}

} // namespace

TEST(ShowInfo, EmptyRecordLayoutAndRoundTripByteForByte) {
    // 23 strings of length 0, 3 + 12 + 16 booleans, 2 integers, one byte.
    const std::string leer = showInfoKodieren({});
    EXPECT_EQ(leer.size(), 23u * 2 + 31u * 2 + 2u * 2 + 1u);
    EXPECT_EQ(leer, std::string(leer.size(), '\0'));

    const ShowInfo i = beispiel();
    const std::string bytes = showInfoKodieren(i);
    // Fields 1 and 2: length, then Windows-1252 text.
    EXPECT_EQ(test::hex(bytes, 15), "0B 00 53 6F 6D 6D 65 72 6E 61 63 68 74 04 00");
    EXPECT_EQ(bytes.substr(15, 4), "J\xF6rg");
    // Show types after four strings, then the card count as one byte.
    const std::size_t typ = 2 + 11 + 2 + 4 + 2 + 9 + 2 + 14;
    EXPECT_EQ(test::hex(bytes.substr(typ), 7), "00 00 FF FF 00 00 03");
    EXPECT_EQ(showInfoDekodieren(bytes), i);
}

TEST(ShowInfo, TruncatedOverlongAndOversizedRecordsAreRejected) {
    const std::string bytes = showInfoKodieren(beispiel());
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_THROW(showInfoDekodieren(std::string_view(bytes).substr(0, n)), Formatfehler) << n;
    EXPECT_THROW(showInfoDekodieren(bytes + '\0'), Formatfehler);
    // A length far beyond the file is refused before anything is read for it.
    std::string gross = bytes;
    gross[0] = gross[1] = '\xFF';
    EXPECT_THROW(showInfoDekodieren(gross), Formatfehler);

    ShowInfo zuGross;
    zuGross.SonstigeInfos.assign(65536, 'a');
    EXPECT_THROW(showInfoKodieren(zuGross), Laufzeitfehler);
    zuGross.SonstigeInfos.resize(65535);
    EXPECT_NO_THROW(showInfoKodieren(zuGross));
}

TEST(ShowInfo, ThePictureTextKeepsEveryByte) {
    for (auto [roh, text] :
         {std::pair{"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foobar", "Zm9vYmFy"}})
        EXPECT_EQ(bildAlsText(roh), text);
    std::string alle;
    for (int r = 0; r < 3; ++r)
        for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
    for (std::size_t n = 0; n < 8; ++n) {
        const std::string teil = alle.substr(n);
        EXPECT_EQ(bildAusText(bildAlsText(teil)), teil) << n;
    }
    EXPECT_EQ(bildAusText("Zm9v*mFy"), "");
}
