// What the show-information window relies on: the largest picture the record holds, and the
// notice after a load with the page and the request to be shown already set.

#include "ShowWelt.h"
#include "platform/Fehler.h"
#include "show/ShowInfo.h"
#include "show/ShowInfoDatei.h"

#include <gtest/gtest.h>

using namespace sw;
using sw::test::schreibeDatei;

TEST(ShowInfoAnzeige, TheLargestPictureFillsTheLengthFieldAndOneByteMoreIsRefused) {
    ShowInfo i;
    std::string png(kGroessteBilddatei, '\0');
    for (std::size_t n = 0; n < png.size(); ++n) png[n] = static_cast<char>(n * 7);
    i.Bild = bildAlsText(png);
    EXPECT_EQ(i.Bild.size(), 65532u);
    const ShowInfo zurueck = showInfoDekodieren(showInfoKodieren(i));
    EXPECT_EQ(bildAusText(zurueck.Bild), png);

    i.Bild = bildAlsText(png + 'x');
    EXPECT_GT(i.Bild.size(), 65535u);
    EXPECT_THROW(showInfoKodieren(i), Laufzeitfehler);
}

TEST(ShowInfoAnzeige, TheWindowIsToldAfterEveryLoadButABrokenOne) {
    test::Kratzordner tmp;
    test::ShowWelt w(tmp.pfad());
    const std::string ordner = tmp.pfad().string() + "/";
    struct Gesehen {
        int seite;
        bool zeigen;
        std::string titel, titelfeld, text;
    };
    std::vector<Gesehen> gesehen;
    w.k.teile.showInfoGeladen = [&] {
        gesehen.push_back({w.show.showInfoSeite, w.show.showInfoZeigen, w.show.showInfoTitel,
                           w.show.info.Titel, w.show.infoText});
    };
    w.show.mnuAutomatischZeigen = true;

    // Only the free text: the window is asked to show itself on the text page.
    schreibeDatei(tmp / "[INFO].txt", "Ablauf\r\n");
    EXPECT_FALSE(LadeShowInfo(w.k, ordner, "A.info"));
    // Free text and record: the record's page comes last and wins.
    ShowInfo info;
    info.Titel = "Nachtflug";
    showInfoSchreiben(info, ordner + "B.info");
    w.show.showInfoZeigen = false; // the window took the first request
    EXPECT_TRUE(LadeShowInfo(w.k, ordner, "B.info"));
    // Without the menu check the free text is kept but nothing asks to be shown.
    w.show.mnuAutomatischZeigen = false;
    w.show.showInfoZeigen = false;
    EXPECT_TRUE(LadeShowInfo(w.k, ordner, "B.info"));
    ASSERT_EQ(gesehen.size(), 3u);
    EXPECT_EQ(gesehen[0].seite, 6);
    EXPECT_TRUE(gesehen[0].zeigen);
    EXPECT_EQ(gesehen[0].titel, "ShowInfo: Datei A.info");
    EXPECT_EQ(gesehen[0].titelfeld, "");
    EXPECT_EQ(gesehen[0].text, "Ablauf\r\n");
    EXPECT_EQ(gesehen[1].seite, 0);
    EXPECT_TRUE(gesehen[1].zeigen);
    EXPECT_EQ(gesehen[1].titelfeld, "Nachtflug");
    EXPECT_FALSE(gesehen[2].zeigen);
    EXPECT_EQ(gesehen[2].text, "Ablauf\r\n");

    // A broken record: reported, the window keeps what it showed and hears nothing.
    schreibeDatei(tmp / "C.info", std::string("\x05\0"
                                              "ab",
                                              4)); // 5 bytes promised, 2 there
    EXPECT_FALSE(LadeShowInfo(w.k, ordner, "C.info"));
    EXPECT_EQ(gesehen.size(), 3u);
    EXPECT_EQ(w.show.info.Titel, "Nachtflug");
    EXPECT_EQ(w.show.showInfoTitel, "ShowInfo: Datei B.info");
    EXPECT_EQ(w.t.dialoge.meldungen.size(), 1u);
}
