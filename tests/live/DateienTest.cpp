#include "LiveTestHilfe.h"
#include "live/KeyTable.h"
#include "live/LiveDateien.h"
#include "live/LiveShow.h"
#include "live/MidiRouting.h"
#include "live/ShowFiguren.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "show/Showpart.h"

using namespace sw;
using sw::test::LiveUmgebung;

TEST(KeyOrd, RundreiseNachNamenAuchWennSichDieListeUmsortiertUndSpeicherfehler) {
    LiveUmgebung t;
    t.s.lstMakros = {"***Makro 0***", "m1", "Strobe"};
    t.live.keyTable[65] = 2;   // b
    t.live.keyTable[66] = 4;   // the showpart
    t.live.keyTable[67] = 0;   // scratch figure
    t.live.keyTable[68] = -1;  // blackout
    t.live.keyTable[69] = -2;  // macro "Strobe"
    t.live.keyTable[3249] = 1; // a, last index
    t.live.keyTable[70] = 99;  // beyond the list
    ASSERT_TRUE(cmdSaveKeyList_Click(t.live.keyTable, t.s, t.u.env, t.ordner.pfad()));
    const std::string bytes = dateiLesen(t.ordner / "Key.ord");
    EXPECT_EQ(bytes.substr(0, 6), "####\r\n");
    const auto zeilen = textzeilen(bytes);
    ASSERT_EQ(zeilen.size(), 3250u);
    EXPECT_EQ(zeilen[65], "b.qvb");
    EXPECT_EQ(zeilen[69], "Strobe");

    // Another folder order: "b" now at 1, "a" at 3, "p" at 2; the macro at 1.
    t.s.lstFiguren = {"***Figur 0***", "b.qvb", "p.prt", "a.qvb", "neu.qvb"};
    t.s.Listentyp = {0, 0, 1, 0, 0};
    t.s.lstMakros = {"***Makro 0***", "Strobe", "m1"};
    KeyTable alt = t.live.keyTable;
    tastenbelegungLesen(t.live.keyTable, t.live.maps, t.s, t.u.env, t.ordner.pfad());
    EXPECT_EQ(t.live.keyTable[65], 1);
    EXPECT_EQ(t.live.keyTable[66], 2);
    EXPECT_EQ(t.live.keyTable[3249], 3);
    EXPECT_FALSE(t.live.keyTable[67]) << "0 comes back empty";
    EXPECT_FALSE(t.live.keyTable[68]) << "-1 comes back empty";
    EXPECT_FALSE(t.live.keyTable[70]);
    EXPECT_FALSE(t.live.keyTable[64]);
    EXPECT_FALSE(t.live.keyTable[69]) << "a macro now at entry 1 cannot be told from blackout";
    EXPECT_EQ(std::count_if(t.live.keyTable.begin(), t.live.keyTable.end(),
                            [](auto& e) { return e.has_value(); }),
              3);

    // A folder that is not there: message 75 with the file.
    const auto ordner = t.ordner / "fehlt";
    EXPECT_FALSE(cmdSaveKeyList_Click(t.live.keyTable, t.s, t.u.env, ordner));
    ASSERT_EQ(t.u.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(t.u.dialoge.meldungen[0],
              " 75. frmHaupt, Sub cmdSaveKeylist_Click was unable to safe file: " +
                  (ordner / "Key.ord").string());
}

TEST(TastenMappings, RundreiseUndFalscheGroesseGanzAbgelehnt) {
    LiveUmgebung t;
    t.live.maps.midi(60, 3) = 65;
    t.live.maps.dmx(255, 12) = 90;
    ASSERT_TRUE(midi2Taste_speichern(t.live.maps, t.u.env, t.ordner.pfad()));
    ASSERT_TRUE(DMX2Taste_speichern(t.live.maps, t.u.env, t.ordner.pfad()));
    const std::string midi = dateiLesen(t.ordner / "Midi2Tasten.Mapping");
    ASSERT_EQ(midi.size(), 1664u);
    EXPECT_EQ(midi[60 * 13 + 3], 65);
    EXPECT_EQ(dateiLesen(t.ordner / "DMX2Tasten.Mapping").size(), 3328u);
    EXPECT_EQ(dateiLesen(t.ordner / "DMX2Tasten.Mapping")[3327], 90);

    TastenMaps gelesen;
    tastenbelegungLesen(t.live.keyTable, gelesen, t.s, t.u.env, t.ordner.pfad());
    EXPECT_EQ(gelesen.Midi2Tasten, t.live.maps.Midi2Tasten);
    EXPECT_EQ(gelesen.DMX2Tasten, t.live.maps.DMX2Tasten);

    // One byte short, one byte long: refused whole, the maps in memory kept.
    test::schreibeDatei(t.ordner / "Midi2Tasten.Mapping", midi.substr(0, 1663));
    test::schreibeDatei(t.ordner / "DMX2Tasten.Mapping", std::string(3329, '\x01'));
    tastenbelegungLesen(t.live.keyTable, gelesen, t.s, t.u.env, t.ordner.pfad());
    EXPECT_EQ(gelesen.Midi2Tasten, t.live.maps.Midi2Tasten);
    EXPECT_EQ(gelesen.DMX2Tasten, t.live.maps.DMX2Tasten);
    ASSERT_EQ(t.u.dialoge.meldungen.size(), 2u);
    EXPECT_NE(t.u.dialoge.meldungen[0].find("Midi2Tasten.Mapping"), std::string::npos);

    // A folder without the files: the maps are emptied.
    test::Kratzordner leer;
    tastenbelegungLesen(t.live.keyTable, gelesen, t.s, t.u.env, leer.pfad());
    EXPECT_EQ(gelesen.midi(60, 3), 0);
}

TEST(LiveShowDatei, RundreiseBeschaedigteDateienNeueShowUndUmbenennen) {
    LiveShow l;
    l.tasten[65][3] = -1;
    l.tasten[65][kFeldLoesen] = -1;
    l.tasten[3249][kFeldEffekte] = 9;
    l.name = "Bühne";
    l.name2 = "x";
    const std::string b = liveShowKodieren(l);
    ASSERT_EQ(b.size(), 2 + 8 + 3250u * 38 + 2 + 5 + 2 + 1);
    // Dimensions, then count 3250 (0x0CB2), then lower bound 0.
    EXPECT_EQ(test::hex(b, 10),
              test::hex(std::string("\x01\x00\xB2\x0C\x00\x00\x00\x00\x00\x00", 10), 10));
    EXPECT_EQ(b.substr(b.size() - 10), std::string("\x05\x00"
                                                   "B\xFChne\x01\x00x",
                                                   10));
    EXPECT_EQ(liveShowDekodieren(b), l);

    // A shorter array is filled with reset keys.
    LiveShow kurz;
    kurz.tasten.resize(100);
    EXPECT_EQ(liveShowDekodieren(liveShowKodieren(kurz)).tasten.size(), 3250u);

    LiveUmgebung t;
    t.live.fenster.show.name = "vorher";
    test::schreibeDatei(t.ordner / "gut.live", b);
    std::string falsch = b;
    falsch[2] = '\xFF'; // count 3327 > what the file holds
    test::schreibeDatei(t.ordner / "zaehler.live", falsch);
    test::schreibeDatei(t.ordner / "kurz.live", b.substr(0, b.size() - 1));
    test::schreibeDatei(t.ordner / "lang.live", b + "z");
    std::string zweiDim = b;
    zweiDim[0] = 2;
    test::schreibeDatei(t.ordner / "dim.live", zweiDim);
    for (const char* d : {"zaehler.live", "kurz.live", "lang.live", "dim.live"}) {
        EXPECT_FALSE(LiveShowladen(t.k, t.ordner / d)) << d;
        EXPECT_EQ(t.live.fenster.show.name, "vorher") << d;
    }
    EXPECT_EQ(t.u.dialoge.meldungen.size(), 4u);
    EXPECT_TRUE(LiveShowladen(t.k, t.ordner / "gut.live"));
    EXPECT_EQ(t.live.fenster.show, l);

    // Saving through the dialog: the name + ".live" is offered.
    t.u.dialoge.dateinamen = {(t.ordner / "neu.live").string()};
    cmdLiveShowSpeichern_Click(t.k);
    EXPECT_EQ(t.u.dialoge.dateiDialoge.back().dateiname, "Bühne.live");
    EXPECT_EQ(dateiLesen(t.ordner / "neu.live"), b);

    // A new show, renaming it, and the recent files.
    std::vector<std::string> zuletzt;
    t.live.hooks.zuletztGeoeffnet = [&](const std::string& d) { zuletzt.push_back(d); };
    t.live.fenster.show.name = "alt";
    t.live.fenster.show.name2 = "zwei";
    t.live.fenster.show.tasten[65][5] = -1;

    mnuNeueLiveShow_Click(t.k); // cancelled: nothing changes
    EXPECT_EQ(t.live.fenster.show.name, "alt");
    t.u.dialoge.dateinamen = {(t.ordner / "leer.live").string()};
    mnuNeueLiveShow_Click(t.k);
    EXPECT_EQ(t.live.fenster.show, LiveShow{});
    EXPECT_EQ(zuletzt, std::vector<std::string>{(t.ordner / "leer.live").string()});

    t.u.dialoge.eingaben = {std::string("Nacht")};
    lblShowname_Click(t.k);
    EXPECT_EQ(t.live.fenster.show.name, "Nacht");
    EXPECT_EQ(t.u.dialoge.meldungen.back(), "Name of the live show:");
    t.u.dialoge.eingaben = {std::nullopt};
    lblShowname_Click(t.k);
    EXPECT_EQ(t.live.fenster.show.name, "Nacht");
}

TEST(MidiRoutingDatei, RundreiseUndBeschaedigteDateien) {
    MidiRouting r;
    MidiRoutingEintrag e{176, 1, 7, 1, {}, 19};
    e.gruppen[11] = true;
    r.eintraege = {MidiRoutingEintrag{}, e};
    r.liveKanal = 9;
    r.timelineKanal = 15;
    r.liveMidiAus = true;
    const std::string b = midiRoutingKodieren(r);
    ASSERT_EQ(b.size(), 4 + 60 + 8u);
    EXPECT_EQ(midiRoutingDekodieren(b), r);

    LiveUmgebung t;
    MidiRouting imSpeicher;
    imSpeicher.liveKanal = 3;
    std::string n = b;
    n[2] = 3; // three entries announced, two there
    std::string kanal = b;
    kanal[64] = 16;
    std::string zeile = b;
    zeile[62] = 20;
    for (const auto& kaputt : {n, kanal, zeile, b.substr(0, 71), b + '\0'}) {
        test::schreibeDatei(t.ordner / "x.MidiInMap", kaputt);
        EXPECT_FALSE(MidiZuordnungLaden(imSpeicher, t.u.env, t.ordner / "x.MidiInMap"));
        EXPECT_EQ(imSpeicher.liveKanal, 3);
    }
    EXPECT_FALSE(MidiZuordnungLaden(imSpeicher, t.u.env, t.ordner / "fehlt.MidiInMap"));

    DmxRouting d;
    d.kanaele[511].zeile = 20;
    d.kanaele[511].gruppen[0] = true;
    const std::string db = dmxRoutingKodieren(d);
    EXPECT_EQ(dmxRoutingDekodieren(db), d);
    std::string dz = db;
    dz[2 + 511 * 26] = 21;
    EXPECT_THROW(dmxRoutingDekodieren(dz), Formatfehler);
    EXPECT_THROW(dmxRoutingDekodieren(db.substr(1)), Formatfehler);
}

TEST(ShowFiguren, BenutzteDateienUeberKeyTableUndShowparts) {
    LiveUmgebung t;
    t.live.keyTable[65] = 1; // a
    t.live.keyTable[66] = 4; // p.prt
    t.live.keyTable[67] = 3; // c, pressed only inside the showpart
    t.live.keyTable[68] = 2; // b, only released
    Showpart p;
    p.events.resize(3);
    p.events[1] = SeqEvent{0, 0, 1, 143, 67, 67};
    p.events[2] = SeqEvent{10, 0, 1, 143, 66, 66}; // the showpart starts itself: no loop
    test::schreibeDatei(t.ordner / "p.prt", showpartKodieren(p));
    EventListe ev(5);
    ev[1] = SeqEvent{1, 0, 1, 143, 65, 65};
    ev[2] = SeqEvent{2, 0, 1, 143, 66, 66};
    ev[3] = SeqEvent{3, 0, 1, 127, 68, 68};
    ev[4] = SeqEvent{4, 0, 2, 175, 1, 68};
    EXPECT_EQ(benutzteDateien(ev, t.live.keyTable, t.s.lstFiguren, t.ordner.pfad()),
              (std::vector<std::string>{"a.qvb", "c.qvb", "p.prt"}));
    // The same through the folder's Key.ord.
    ASSERT_TRUE(cmdSaveKeyList_Click(t.live.keyTable, t.s, t.u.env, t.ordner.pfad()));
    EXPECT_EQ(benutzteDateienNachKeyOrd(ev, t.ordner.pfad()),
              (std::vector<std::string>{"a.qvb", "c.qvb", "p.prt"}));
}
