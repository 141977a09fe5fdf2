#include "show/ShowDatei.h"
#include "TestHilfe.h"
#include "platform/Binaer.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

// Lines joined with CR LF, each line given as Windows-1252 bytes.
std::string zeilen(std::initializer_list<std::string> z) {
    std::string aus;
    for (const auto& s : z) aus += s + "\r\n";
    return aus;
}

const std::string kPlatzX = "Platzhalter... fr\xFCher projScreenx";
const std::string kPlatzY = "Platzhalter... fr\xFCher Projscreeny";

} // namespace

TEST(ShowDatei, WritesTheThirtyEightLinesByteForByteAndReadsThemBack) {
    ShowDateiInhalt inhalt;
    inhalt.ShowName = "Größe der Nacht";
    inhalt.SoundName = "musik.mp3";
    inhalt.FaktorDrehenSchieben = "1,5";
    inhalt.FaktorStauchen = "0.75";
    inhalt.mnuLaserAutomatik = true;
    std::string erwartet =
        zeilen({"Strahlwerk Lumiscript Show  DateiVersion 2.3", "",
                "Gr\xF6\xDF"
                "e der Nacht",
                "musik.mp3", "1,5", "0.75", "", "True", "PlayIldaWirdNichtMehrBenutzt", kPlatzX,
                kPlatzY, kPlatzX, kPlatzY, kPlatzX, kPlatzY, kPlatzX, kPlatzY});
    for (int i = 0; i < 21; ++i) erwartet += "0\r\n";
    const std::string bytes = showdateiKodieren(inhalt);
    EXPECT_EQ(bytes, erwartet);

    auto gelesen = showdateiDekodieren(bytes);
    ASSERT_TRUE(gelesen);
    EXPECT_DOUBLE_EQ(gelesen->version, 2.3);
    gelesen->kopf.clear();
    inhalt.kopf.clear();
    EXPECT_EQ(showdateiKodieren(*gelesen), bytes);
}

TEST(ShowDatei, OlderVersionsHaveNoPlaceholdersAndTheTrailingZerosMayBeShort) {
    // Version 2.1 (with a comma as separator in another file): no placeholder lines, and the
    // reserved lines directly after line 9. Only 3 of the 17 trailing lines are there.
    for (std::string version : {"2.1", "2,1"}) {
        std::string datei = zeilen(
            {"Strahlwerk Lumiscript Show  DateiVersion " + version, "", "Alt", "alt.wav", "2", "3",
             "", "False", "PlayIldaWirdNichtMehrBenutzt", "0", "0", "0", "0", "0", "0", "0"});
        auto inhalt = showdateiDekodieren(datei);
        ASSERT_TRUE(inhalt) << version;
        EXPECT_EQ(std::tuple(inhalt->version, inhalt->SoundName, inhalt->FaktorStauchen),
                  std::tuple(2.1, "alt.wav", "3"));
    }
    // A current file that ends right after its four reserved lines, with LF only.
    std::string kurz = showdateiKodieren({});
    kurz.resize(kurz.find("0\r\n0\r\n0\r\n0") + 10);
    std::erase(kurz, '\r');
    EXPECT_TRUE(showdateiDekodieren(kurz));
}

TEST(ShowDatei, WrongHeadersAndBrokenFilesAreRejected) {
    std::string gut = showdateiKodieren({});
    for (const char* kopf : {"Strahlwerk Lumiscript Live  DateiVersion 2.3\r\n", "", "ab\r\n"})
        EXPECT_FALSE(showdateiDekodieren(kopf)) << kopf;
    // A version that is no number.
    std::string kaputt = gut;
    kaputt.replace(kaputt.find("2.3"), 3, "x.y");
    EXPECT_THROW(showdateiDekodieren(kaputt), Formatfehler);

    // Every prefix: rejected, or taken only once it holds all lines up to the reserved ones.
    const std::size_t mindestens = gut.find("0\r\n0\r\n0\r\n0") + 10; // four reserved "0"
    for (std::size_t n = 0; n < gut.size(); ++n) {
        const std::string teil = gut.substr(0, n);
        try {
            auto inhalt = showdateiDekodieren(teil);
            EXPECT_EQ(inhalt.has_value(), n >= mindestens) << n;
            EXPECT_TRUE(inhalt || n < 44) << n; // only a cut header is "not a show file"
        } catch (const Formatfehler&) {
            EXPECT_GE(n, 44u) << n;
            EXPECT_LT(n, mindestens) << n;
        }
    }
}
