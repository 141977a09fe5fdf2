#include "live/LiveTasten.h"
#include "LiveTestHilfe.h"
#include "live/Tastatur.h"
#include "platform/Datei.h"

using namespace sw;
using sw::test::LiveUmgebung;

namespace {

constexpr int A = 65, B = 66, Leertaste = 32, F1 = 112, F3 = 114;

} // namespace

TEST(LiveTasten, AutoRepeatPfeiltastenUndSeiten) {
    LiveUmgebung t;
    t.live.keyTable[A] = 1;
    t.live.keyTable[250 + A] = 2;
    t.live.keyTable[750 + A] = 3;

    Form_KeyDown(t.k, A);
    EXPECT_EQ(t.figurAuf(0), 1);
    t.s.SpurAuswahl[0].Figur = -1;
    Form_KeyDown(t.k, A); // auto-repeat: no new trigger
    EXPECT_EQ(t.figurAuf(0), -1);
    Form_KeyUp(t.k, A);
    Form_KeyDown(t.k, A); // pressed again after the release
    EXPECT_EQ(t.figurAuf(0), 1);
    Form_KeyUp(t.k, A);

    t.s.SpurAuswahl[0].Figur = -1;
    for (int pfeil : {37, 38, 39, 40, 13, 27, 220}) Form_KeyDown(t.k, pfeil);
    EXPECT_EQ(t.figurAuf(0), -1);

    Form_KeyDown(t.k, F1); // page 1: key index 250 + 65
    EXPECT_EQ(t.live.fenster.Live_Shift, 1);
    EXPECT_TRUE(t.live.fenster.checkStrAltContr[0]);
    Form_KeyDown(t.k, A);
    EXPECT_EQ(t.figurAuf(0), 2);
    Form_KeyDown(t.k, F3); // releases A first, then page 3
    EXPECT_EQ(t.live.fenster.gehalteneTaste, -1);
    EXPECT_FALSE(t.live.fenster.checkStrAltContr[0]);
    EXPECT_TRUE(t.live.fenster.checkStrAltContr[2]);
    Form_KeyDown(t.k, A);
    EXPECT_EQ(t.figurAuf(0), 3);
    EXPECT_EQ(seitenBeschriftung(t.live.fenster.Live_Shift), "F-Taste = F-3");
}

TEST(LiveTasten, LeertasteSchaltetAufJederSeiteAlleGruppenAb) {
    LiveUmgebung t;
    for (int g = 0; g < 12; ++g) t.s.SpurAuswahl[g].Figur = 1;
    t.s.ShowpartAuswahl[7].Showpart = 4;
    Form_KeyDown(t.k, 119); // F8
    Form_KeyDown(t.k, Leertaste);
    for (int g = 0; g < 12; ++g) {
        EXPECT_EQ(t.figurAuf(g), -1) << g;
        EXPECT_EQ(t.s.ShowpartAuswahl[g].Showpart, -1) << g;
    }
}

TEST(LiveTasten, Feld12SchaltetUnbenutzteGruppenAbUndFeld13Loest) {
    LiveUmgebung t;
    t.live.keyTable[B] = 2;
    auto& taste = t.live.fenster.show.tasten[B];
    taste[0] = 0;
    taste[2] = -1;
    taste[kFeldUnbenutzteAus] = -1;
    t.s.SpurAuswahl[0].Figur = 1;
    t.s.SpurAuswahl[5].Figur = 3;

    std::vector<std::pair<int, long>> rahmen;
    t.live.hooks.Refresh_picRahmen = [&](int c, long farbe) { rahmen.emplace_back(c, farbe); };
    Form_KeyDown(t.k, B);
    EXPECT_EQ(t.figurAuf(0), -1) << "group 0 showed something: switched off";
    EXPECT_EQ(t.figurenAuf({5, 2}), (std::vector<int>{-1, 2}));
    EXPECT_EQ(rahmen.back(), (std::pair<int, long>(B, kRahmenGedrueckt)));
    Form_KeyUp(t.k, B); // no release key: the figure stays
    EXPECT_EQ(t.figurAuf(2), 2);

    taste[kFeldLoesen] = -1;
    taste[7] = -1;
    Form_KeyDown(t.k, B);
    EXPECT_EQ(t.figurAuf(7), 2);
    Form_KeyUp(t.k, A); // not the held key
    EXPECT_EQ(t.figurAuf(7), 2);
    Form_KeyUp(t.k, B);
    EXPECT_EQ(t.figurenAuf({2, 7}), (std::vector<int>{-1, -1}));
}

TEST(LiveTasten, EffektreglerSpiegelnUndGroesseIgnorieren) {
    LiveUmgebung t;
    t.live.keyTable[A] = 1;
    t.live.fenster.show.tasten[A][4] = -1; // groups 0 and 4
    Form_KeyDown(t.k, A);
    StelleEffektEin(t.k, 2, 90.7);
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[0][0], 90);
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[4][0], 90);
    StelleEffektEin(t.k, 16, 100); // mirrored: 28, rotation speed 28 - 128
    EXPECT_DOUBLE_EQ(t.a->Effekt.AutoWert[0][14], -100);
    StelleEffektEin(t.k, 3, 200); // 383 - 200 = 183
    EXPECT_DOUBLE_EQ(t.a->Effekt.AutoWert[4][1], 55);
    t.live.fenster.checkIgnoreGroesse = true;
    StelleEffektEin(t.k, 2, 10);
    StelleEffektEin(t.k, 12, 0);
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[0][0], 90);
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[0][10], 0);
    StelleEffektEin(t.k, 6, 0); // a colour still acts
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[0][4], -1);
}

TEST(LiveTasten, FigurAufTasteZiehenUndWerteInDieMapsUebernehmen) {
    LiveUmgebung t;
    Form_KeyDown(t.k, F1);
    PicTaste_DragDrop(t.k, B, 3);
    EXPECT_EQ(t.live.keyTable[250 + B], 3);
    EXPECT_EQ(textzeilen(dateiLesen(t.ordner / "Key.ord"))[250 + B], "c.qvb");

    Form_KeyDown(t.k, B);
    cmdUebernehmenMidi_Click(t.k, 60);
    EXPECT_EQ(t.live.maps.midi(60, 1), B);
    EXPECT_EQ(dateiLesen(t.ordner / "Midi2Tasten.Mapping")[60 * 13 + 1], B);
    cmdUebernehmen_Click(t.k, 20, 10);
    EXPECT_EQ(t.live.maps.dmx(10, 1), B);
    EXPECT_EQ(t.live.maps.dmx(20, 1), B);
    EXPECT_EQ(t.live.maps.dmx(21, 1), 0);

    PicTaste_DragDrop(t.k, A, 1);
    EXPECT_EQ(cmdMapAlleTasten2DMX_Click(t.k), 2);
    EXPECT_EQ(t.live.maps.dmx(0, 1), 0);
    EXPECT_EQ(t.live.maps.dmx(1, 1), A);
    EXPECT_EQ(t.live.maps.dmx(128, 1), A);
    EXPECT_EQ(t.live.maps.dmx(129, 1), B);
    EXPECT_EQ(t.live.maps.dmx(255, 1), B);
}
