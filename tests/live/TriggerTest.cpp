#include "LiveTestHilfe.h"
#include "live/Effektwerte.h"
#include "live/Tastatur.h"
#include "live/TriggerRoutine.h"
#include "platform/Datei.h"

using namespace sw;
using sw::test::LiveUmgebung;

TEST(TriggerKey, FigurenShowpartsBlackoutUndLeereEintraege) {
    LiveUmgebung t;
    t.live.keyTable[65] = 2;
    t.live.keyTable[66] = -1;
    t.live.keyTable[67] = 4; // the showpart
    t.a->JetztMs = 1234;

    TriggerKey(t.k, 19 * 3 + 1, 143, 65, 65);
    EXPECT_EQ(t.figurAuf(3), 2);
    EXPECT_DOUBLE_EQ(t.s.SpurAuswahl[3].Zeitpunkt, 1234);
    TriggerKey(t.k, 19 * 3 + 1, 143, 67, 67);
    EXPECT_EQ(t.s.ShowpartAuswahl[3].Showpart, 4);
    EXPECT_EQ(t.seq.plaetze[3].showpart, 0);
    EXPECT_EQ(t.figurAuf(3), 2) << "the two layers are apart";

    TriggerKey(t.k, 19 * 3 + 1, 143, 68, 68); // empty entry: nothing
    EXPECT_EQ(t.figurAuf(3), 2);
    TriggerKey(t.k, 19 * 3 + 2, 143, 65, 65); // row 2 shows nothing
    EXPECT_EQ(t.figurAuf(3), 2);

    TriggerKey(t.k, 19 * 3 + 1, 143, 66, 66); // -1 clears both layers
    EXPECT_EQ(t.figurAuf(3), -1);
    EXPECT_EQ(t.s.ShowpartAuswahl[3].Showpart, -1);
    EXPECT_EQ(t.seq.plaetze[3].showpart, -1);

    TriggerKey(t.k, 1, 143, 65, 65);
    TriggerKey(t.k, 1, 127, 99, 99); // a release on row 1 clears the group whatever the key
    EXPECT_EQ(t.figurAuf(0), -1);
    TriggerKey(t.k, 0, 143, 65, 65);   // no track 0
    TriggerKey(t.k, 229, 143, 65, 65); // nor 229
    TriggerKey(t.k, 1, 143, 99999, 0); // key beyond the table
    EXPECT_EQ(t.figurAuf(0), -1);
}

TEST(TriggerKey, StartzeitIstDieShowzeitWaehrendDerSequenzerSpielt) {
    LiveUmgebung t;
    t.live.keyTable[65] = 1;
    t.a->Medienzeit = [] { return std::optional<double>(5000.0); };
    TriggerKey(t.k, 1, 143, 65, 65);
    EXPECT_DOUBLE_EQ(t.s.SpurAuswahl[0].Zeitpunkt, 5000);
    t.a->Medienzeit = [] { return std::optional<double>(); };
    AbspielenStarten(*t.a, t.u.env);
    t.u.uhr.vorstellen(0.25);
    TriggerKey(t.k, 1, 143, 65, 65);
    EXPECT_NEAR(t.s.SpurAuswahl[0].Zeitpunkt, 250, 1e-6);
}

TEST(TriggerKey, EffektwerteNurWaehrendEineFigurLaeuft) {
    LiveUmgebung t;
    t.live.keyTable[65] = 1;
    TriggerKey(t.k, 19 * 2 + 2, 175, 1, 200); // no figure on group 2 yet
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[2][0], 127);
    TriggerKey(t.k, 19 * 2 + 1, 143, 65, 65);
    TriggerKey(t.k, 19 * 2 + 2, 175, 1, 200); // row 2: size
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[2][0], 200);
    TriggerKey(t.k, 19 * 2 + 3, 175, 1, 138); // row 3: plane rotation speed
    EXPECT_DOUBLE_EQ(t.a->Effekt.AutoWert[2][1], 10);
    TriggerKey(t.k, 19 * 2 + 6, 175, 1, 0); // row 6: red level off
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[2][4], -1);
    TriggerKey(t.k, 19 * 2 + 13, 175, 2, 0); // key 2 is no effect value
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[2][11], 0);
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[0][0], 127) << "other groups keep theirs";

    // The same value again does not touch the tables: a glide set meanwhile stays.
    t.a->Effekt.EffektWerte[2][0] = 50;
    TriggerKey(t.k, 19 * 2 + 2, 175, 1, 200);
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[2][0], 50);

    // Kind 223 goes through the second path when there is one.
    int zweiter = 0;
    t.live.hooks.zweiterEffektweg = [&](int g, int z, int w) {
        zweiter = g * 10000 + z * 1000 + w;
    };
    TriggerKey(t.k, 19 * 2 + 4, 223, 1, 7);
    EXPECT_EQ(zweiter, 2 * 10000 + 4 * 1000 + 7);
}

TEST(TriggerKey, ZuordnungsmodiVerweigernLeertasteFragenVorDemErsetzenUndEndenNachEinerTaste) {
    LiveUmgebung t;
    t.live.zuordnungsModus = true;
    t.s.SpurAuswahl[t.s.EditorSpur].Figur = 3; // figure "c" selected in the list

    TriggerKey(t.k, 1, 143, 32, 32);
    TriggerKey(t.k, 1, 143, 282, 282);
    ASSERT_EQ(t.u.dialoge.meldungen.size(), 2u);
    EXPECT_EQ(t.u.dialoge.meldungen[0], "This key cannot be assigned.");
    EXPECT_FALSE(t.live.keyTable[32]);
    EXPECT_FALSE(t.live.keyTable[282]);

    TriggerKey(t.k, 19 * 5 + 1, 143, 70, 70); // empty: assigned without a question, saved
    EXPECT_EQ(t.live.keyTable[70], 3);
    EXPECT_EQ(t.u.dialoge.meldungen.size(), 2u);
    const auto zeilen = textzeilen(dateiLesen(t.ordner / "Key.ord"));
    ASSERT_EQ(zeilen.size(), static_cast<std::size_t>(kKeyTableGroesse));
    EXPECT_EQ(zeilen[70], "c.qvb");
    EXPECT_EQ(zeilen[69], "####");
    EXPECT_EQ(t.figurAuf(5), -1) << "assigning does not play";

    t.s.SpurAuswahl[t.s.EditorSpur].Figur = 1;
    t.u.dialoge.antworten = {Antwort::Nein};
    TriggerKey(t.k, 1, 143, 70, 70);
    EXPECT_EQ(t.live.keyTable[70], 3);
    EXPECT_EQ(t.u.dialoge.meldungen.back(), "The key is assigned already. Replace it?");
    t.u.dialoge.antworten = {Antwort::Ja};
    TriggerKey(t.k, 1, 143, 70, 70);
    TriggerKey(t.k, 20, 143, 70, 70); // the same press on the next group asks no more
    EXPECT_EQ(t.live.keyTable[70], 1);
    EXPECT_EQ(t.u.dialoge.meldungen.size(), 4u);

    // Assigning a DMX macro ends after one key.
    t.live.zuordnungsModus = false;
    t.live.dmxMakroZuordnen = true;
    t.live.dmxMakro = 7;
    TriggerKey(t.k, 19, 143, 81, 81);
    EXPECT_FALSE(t.live.dmxMakroZuordnen);
    EXPECT_EQ(t.live.dmxTasten[81], 7);
    EXPECT_EQ(textzeilen(dateiLesen(t.ordner / "DMX.ord"))[81], "7");
}

TEST(Tastatur, ArmierteSpurenIgnoreNoteOffUndAufnahme) {
    LiveUmgebung t;
    t.live.keyTable[65] = 2;
    t.live.armiert[19 * 1 + 1] = true;
    t.live.armiert[19 * 4 + 1] = true;

    PC_Keyboard_Message(t.k, 143, 65, 65, 1, true); // straight to its track
    EXPECT_EQ(t.figurenAuf({0, 1}), (std::vector<int>{2, -1}));
    PC_Keyboard_Message(t.k, 143, 65, 65, 1, false); // to the armed tracks
    EXPECT_EQ(t.figurenAuf({1, 4}), (std::vector<int>{2, 2}));

    t.live.IgnoreNoteOf = true;
    PC_Keyboard_Message(t.k, 127, 65, 0, 1, false);
    EXPECT_EQ(t.figurAuf(1), 2) << "releases dropped";
    t.live.IgnoreNoteOf = false;

    t.live.aufnahme = true;
    double position = 4321;
    int neuGezeichnet = 0;
    t.live.hooks.medienPosition = [&] { return position; };
    t.live.hooks.zeitleisteNeuZeichnen = [&] { ++neuGezeichnet; };
    PC_Keyboard_Message(t.k, 127, 65, 0, 1, true); // recording: to the armed tracks
    EXPECT_EQ(t.figurenAuf({0, 1}), (std::vector<int>{2, -1}));
    ASSERT_EQ(t.live.aufgenommen.size(), 3u);
    EXPECT_EQ(t.live.aufgenommen[1], (SeqEvent{4321, 0, 20, 127, 65, 0}));
    EXPECT_EQ(t.live.aufgenommen[2].track, 77);
    EXPECT_EQ(neuGezeichnet, 2);
}

TEST(Effektwerte, SkalierungenUndSpiegelung) {
    EXPECT_EQ(spiegeln(0), 128);
    EXPECT_EQ(spiegeln(126), 2);
    EXPECT_EQ(spiegeln(127), 256);
    EXPECT_EQ(spiegeln(255), 128);
    EXPECT_EQ(midiSkaliert(2, 64), 128);
    EXPECT_EQ(midiSkaliert(3, 0), 128);
    EXPECT_EQ(midiSkaliert(6, 127), 255);
    EXPECT_EQ(midiSkaliert(6, 0), 0);
    EXPECT_EQ(dmxSkaliert(17, 255), 128);
    EXPECT_EQ(dmxSkaliert(9, 17), 17);
}
