#include "show/Playlist.h"
#include "SequenzBauer.h"
#include "ShowWelt.h"
#include "platform/Binaer.h"
#include "show/ShowDatei.h"

#include <gtest/gtest.h>

using namespace sw;
using sw::test::leseDatei;
using sw::test::schreibeDatei;
using sw::test::showDatei;

namespace {

namespace fs = std::filesystem;

void text(BinaerSchreiber& w, const std::string& s) {
    w.i16(static_cast<std::int16_t>(s.size()));
    w.bytes(s);
}

struct PlaylistTest : ::testing::Test {
    test::Kratzordner tmp;
    test::ShowWelt welt{tmp.pfad()};
    Sequenzer s;
    WiedergabeZustand w;
    WiedergabeKontext wk{w, s, welt.medien, welt.t.env, {}};
    Playlist p;
    PlaylistKontext k{p, wk, welt.k, {}};
    std::string ordner = (tmp / "Shows").string() + "/";
    std::vector<std::string> geladen; // shows whose sequence was loaded, in order
    std::vector<std::pair<double, int>> gesendet;

    PlaylistTest() {
        fs::create_directories(ordner);
        s.undo.ordner = tmp.pfad();
        welt.medien.laenge = 2;
        for (std::string n : {"A", "B", "C", "D"}) {
            schreibeDatei(ordner + n + ".shw", showDatei("lied.mp3"));
        }
        schreibeDatei(ordner + "lied.mp3", "ID3");
        welt.k.teile.sequenzLaden = [this](const std::string& d) {
            geladen.push_back(fs::path(d).stem().string());
            s.Events = {SeqEvent{}, test::ev(500, 1, 143, 7, 7)};
            return true;
        };
        s.TriggerKey = [this](int, int, int key, int) { gesendet.push_back({w.showZeit, key}); };
        k.teile.ppsHolen = [] {
            std::array<std::int32_t, kPlaylistDacs> a{};
            a.fill(20000);
            return a;
        };
        k.teile.zuordnungHolen = [] {
            Zuordnung z{};
            z[1][2] = true;
            return z;
        };
    }
    void hinzu(std::initializer_list<const char*> namen) {
        for (auto n : namen) ASSERT_TRUE(AddShow2Playlist(k, ordner + n + ".shw"));
    }
    // The output cycle and the window timers for `ms` of program time in 10 ms passes.
    void laufen(double ms) {
        for (double z = 0; z < ms; z += 10) {
            welt.t.uhr.vorstellen(0.01);
            welt.medien.weiter(10);
            tmrstart_Timer(wk);
            sequenzerDurchlauf(wk);
            tmrPlaylist_Timer(k);
        }
    }
};

TEST_F(PlaylistTest, ANewPlaylistSavedAtOnceAndARoundTrip) {
    cmdNeu_Click(k);
    welt.t.dialoge.dateinamen = {(tmp / "Neu.pll").string()};
    ASSERT_TRUE(cmdSpeichern_Click(k));
    const std::string b = leseDatei(tmp / "Neu.pll");
    ASSERT_EQ(b.size(), 10u + 4 + 2 + 2 + 32 + 4 + 4 + 8 + 4 + 64 + 2 + 92);
    EXPECT_EQ(b.substr(0, 14), std::string("Version 03\xFF\xFF\xFF\xFF", 14));
    // The empty entry: two empty strings, the routing off, volume and balance 0, rate 1.0.
    EXPECT_EQ(test::hex(b.substr(14, 12), 12), "00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(b.substr(14 + 4 + 32 + 8, 8), std::string("\0\0\0\0\0\0\xF0\x3F", 8));
    EXPECT_EQ(welt.show.ZuletztGeoeffnete[0], (tmp / "Neu.pll").string());

    hinzu({"A", "B"});
    EXPECT_FALSE(AddShow2Playlist(k, "OhneOrdner.shw"));
    p.eintrag(1).notiz = "Zugabe mit Ä";
    p.eintrag(1).startverzoegerung = 750;
    EXPECT_TRUE(p.eintrag(0).zuordnung[1][2]);
    EXPECT_EQ(p.eintrag(0).pps[15], 20000);
    ASSERT_TRUE(playlistSpeichern(k, (tmp / "Zwei.pll").string()));
    const auto vorher = p.eintraege;
    cmdNeu_Click(k);
    ASSERT_TRUE(playlistLaden(k, (tmp / "Zwei.pll").string()));
    EXPECT_EQ(p.eintraege, vorher);
    EXPECT_EQ(p.titel(), (std::vector<std::string>{"A.shw", "B.shw"}));

    // Umlauts in the name are refused and asked again.
    welt.t.dialoge.dateinamen = {(tmp / "Grün.pll").string(), (tmp / "Gruen.pll").string()};
    ASSERT_TRUE(cmdSpeichern_Click(k));
    EXPECT_TRUE(fs::exists(tmp / "Gruen.pll"));
    EXPECT_FALSE(fs::exists(tmp / "Grün.pll"));
}

TEST_F(PlaylistTest, OlderVersionsLoadIntoFullEntries) {
    BinaerSchreiber v2;
    v2.bytes("Version 02");
    v2.i32(0);
    for (int i = 0; i < 2; ++i) {
        text(v2, i ? "Alt\\Alt.shw" : "");
        text(v2, i ? "Alt.shw" : "");
        for (int r = 0; r < 16; ++r) v2.i16(i && r == 5 ? -1 : 0);
        for (int wert : {-500, 300}) v2.i32(i ? wert : 0);
        v2.f64(i ? 1.5 : 0);
        v2.i32(i ? 1000 : 0);
        for (int d = 0; d < 4; ++d) v2.i32(i ? 12000 + d : 0);
    }
    schreibeDatei(tmp / "v2.pll", v2.daten());
    ASSERT_TRUE(playlistLaden(k, (tmp / "v2.pll").string()));
    ASSERT_EQ(p.n(), 0);
    const auto& e = p.eintrag(0);
    EXPECT_EQ(e.showPfad, (tmp / "Alt" / "Alt.shw").string()) << "relative to the playlist";
    EXPECT_TRUE(e.zuordnung[1][1]);
    EXPECT_EQ(std::tuple(e.titel, e.lautstaerke, e.balance, e.rate, e.startverzoegerung),
              std::tuple("Alt.shw", -500, 300, 1.5, 1000));
    // The DACs the old record had no room for take DAC 0's rate.
    EXPECT_EQ(std::tuple(e.pps[3], e.pps[4], e.pps[15]), std::tuple(12003, 12000, 12000));

    // Version 1: the full record without the start delay.
    PlaylistEntry voll = e;
    voll.startverzoegerung = 0;
    voll.notiz = "alt";
    std::string v3 = playlistKodieren({PlaylistEntry{}, voll});
    std::string v1 = "Version 01" + v3.substr(10);
    v1.erase(14 + 4 + 32 + 16, 4); // the empty entry's delay field
    v1.erase(v1.rfind("Alt.shw") + 7 + 32 + 16, 4);
    schreibeDatei(tmp / "v1.pll", v1);
    ASSERT_TRUE(playlistLaden(k, (tmp / "v1.pll").string()));
    EXPECT_EQ(p.eintrag(0), voll);
}

TEST_F(PlaylistTest, AFileThatDoesNotFitItsVersionIsRejectedWhole) {
    hinzu({"A", "B"});
    const auto vorher = p.eintraege;
    const std::string gut = playlistKodieren(vorher);
    auto abgelehnt = [&](const std::string& name, const std::string& bytes) {
        schreibeDatei(tmp / name, bytes);
        welt.t.dialoge.meldungen.clear();
        EXPECT_FALSE(playlistLaden(k, (tmp / name).string())) << name;
        EXPECT_EQ(p.eintraege, vorher) << name;
        EXPECT_EQ(welt.t.dialoge.meldungen.size(), 1u) << name;
        return welt.t.dialoge.meldungen.empty() ? std::string() : welt.t.dialoge.meldungen[0];
    };
    EXPECT_NE(abgelehnt("kurz.pll", gut.substr(0, gut.size() - 3)).find("does not fit its version"),
              std::string::npos);
    // Too long; read as version 2, the version-3 records do not fit; no file at all.
    abgelehnt("lang.pll", gut + "x");
    abgelehnt("falsch.pll", "Version 02" + gut.substr(10));
    abgelehnt("leer.pll", "");
    EXPECT_NE(abgelehnt("sieben.pll", "Version 07" + gut.substr(10)).find("known version"),
              std::string::npos);
    // A huge entry count, a negative string length.
    std::string riesig = gut, negativ = gut;
    riesig[10] = riesig[13] = '\x7F';
    negativ[14] = '\xF0';
    negativ[15] = '\xFF';
    abgelehnt("riesig.pll", riesig);
    abgelehnt("negativ.pll", negativ);
    EXPECT_FALSE(playlistLaden(k, (tmp / "fehlt.pll").string()));
    EXPECT_EQ(p.eintraege, vorher);
}

TEST_F(PlaylistTest, EditingAddingFromAFolderAndThePpsWarning) {
    for (const char* d : {"Eins/Tief", "Alt.zip"}) fs::create_directories(tmp / "Sammlung" / d);
    for (const char* d :
         {"Oben.shw", "Eins/X.shw", "Eins/notiz.txt", "Eins/Tief/Y.SHW", "Alt.zip/Z.shw"})
        schreibeDatei(tmp / "Sammlung" / d, "");
    EXPECT_EQ(cmdAlleShowsInPlayliste_Click(k, tmp / "Sammlung"), 2);
    EXPECT_EQ(p.titel(), (std::vector<std::string>{"X.shw", "Y.SHW"}));

    hinzu({"A"});
    p.ListIndex = 2;
    cmdUpdDown_Click(k, 0);
    EXPECT_EQ(p.titel(), (std::vector<std::string>{"X.shw", "A.shw", "Y.SHW"}));
    EXPECT_EQ(p.ListIndex, 1);
    cmdUpdDown_Click(k, 0);
    cmdUpdDown_Click(k, 0); // already at the top
    EXPECT_EQ(p.titel(), (std::vector<std::string>{"A.shw", "X.shw", "Y.SHW"}));
    cmdLoeschen_Click(k);
    EXPECT_EQ(p.titel(), (std::vector<std::string>{"X.shw", "Y.SHW"}));

    p.ListIndex = 1;
    txtPPS_Change(k, 2, 24000);
    EXPECT_TRUE(welt.t.dialoge.meldungen.empty());
    txtPPS_Change(k, 2, 30000);
    txtPPS_Change(k, 3, 40000);
    ASSERT_EQ(welt.t.dialoge.meldungen.size(), 1u) << "asked once, then never again";
    EXPECT_EQ(welt.einstellungen.zahlLesen("PPS_Warnung", "DAC_Angezeigt", 0), -1);
    EXPECT_EQ(p.eintrag(1).pps[3], 40000);

    checkAutoNextShow_Click(k, true);
    p.checkAutoNextShow = false;
    playlistOptionenLaden(k);
    EXPECT_TRUE(p.checkAutoNextShow);
}

TEST_F(PlaylistTest, AutoNextOffStopsAfterOneShowAndOnWithLoopWraps) {
    hinzu({"A", "B"});
    Titel_Abspielen(k, 0);
    EXPECT_FALSE(p.bearbeitbar);
    laufen(5000);
    EXPECT_EQ(geladen, (std::vector<std::string>{"A"}));
    EXPECT_FALSE(w.playlistLaeuft);
    EXPECT_TRUE(p.bearbeitbar);
    ASSERT_EQ(gesendet.size(), 1u);
    EXPECT_NEAR(gesendet[0].first, 500, 1e-6);
    EXPECT_EQ(gesendet[0].second, 7);

    geladen.clear();
    checkAutoNextShow_Click(k, true);
    checkAutoLoop_Click(k, true);
    Titel_Abspielen(k, 0);
    // Each show takes a second's start delay and two seconds of media in the passes (the
    // second's wait before loading runs inside Titel_Abspielen): the fifth starts at about 12 s.
    laufen(4 * 3000 + 1500);
    EXPECT_EQ(geladen, (std::vector<std::string>{"A", "B", "A", "B", "A"}));
    EXPECT_TRUE(w.playlistLaeuft);
    cmdAnhalten_Click(k);
    EXPECT_FALSE(w.playlistLaeuft);
    EXPECT_FALSE(welt.medien.spielt);
    laufen(5000);
    EXPECT_EQ(geladen.size(), 5u);
}

TEST_F(PlaylistTest, RemoteNotesAndTheStartQuestion) {
    hinzu({"A", "B", "C", "D"});
    // 45 plays entry 3; 38 and 40 step back and on; past the end, 36 (stop), no such entry
    // (51) and 35 load nothing.
    for (int note : {45, 38, 40, 40, 36, 42 + 9, 35}) playlistNote(k, note);
    EXPECT_EQ(geladen, (std::vector<std::string>{"D", "C", "D"}));
    EXPECT_FALSE(w.playlistLaeuft);

    checkKlickShowstart_Click(k, true);
    welt.t.dialoge.antworten = {Antwort::Abbrechen};
    playlistNote(k, 41);
    EXPECT_EQ(welt.t.dialoge.meldungen.size(), 1u);
    EXPECT_FALSE(w.playlistLaeuft);
    EXPECT_TRUE(p.bearbeitbar);
    EXPECT_FALSE(w.startUmUhr);
}

TEST_F(PlaylistTest, AMissingMediaPlaysTheTimelineOnThePlaceholder) {
    schreibeDatei(ordner + "Stumm.shw", showDatei("fehlt.mp3"));
    hinzu({"Stumm"});
    Titel_Abspielen(k, 0);
    ASSERT_FALSE(welt.medien.geoeffnet.empty());
    EXPECT_EQ(fs::path(welt.medien.geoeffnet.back()).filename(), "No.mp3");
    laufen(2500);
    ASSERT_EQ(gesendet.size(), 1u);
    EXPECT_EQ(gesendet[0].second, 7);
}

// Without messages, what loading would tell (here media that cannot be opened) goes to the
// log and the show still plays; the box is a setting like the others.
TEST_F(PlaylistTest, PlayingWithoutMessagesLogsWhatLoadingWouldTell) {
    schreibeDatei(ordner + "Stumm.shw", showDatei("kaputt.mp3"));
    schreibeDatei(ordner + "kaputt.mp3", "kein MP3");
    welt.medien.scheitern.insert(ordner + "kaputt.mp3");
    hinzu({"Stumm"});
    Titel_Abspielen(k, 0);
    const auto gezeigt = welt.t.dialoge.meldungen.size();
    ASSERT_EQ(gezeigt, 1u) << "with messages the media is told";
    cmdAnhalten_Click(k);

    ASSERT_TRUE(welt.t.log.oeffnen(tmp / "log.txt"));
    checkPlayOhneMessages_Click(k, true);
    p.checkPlayOhneMessages = false;
    playlistOptionenLaden(k);
    ASSERT_TRUE(p.checkPlayOhneMessages);
    Titel_Abspielen(k, 0);
    EXPECT_EQ(welt.t.dialoge.meldungen.size(), gezeigt);
    EXPECT_TRUE(w.playlistLaeuft);
    welt.t.log.schliessen();
    EXPECT_NE(leseDatei(tmp / "log.txt").find("Playlist, not shown: "), std::string::npos);
    laufen(2500);
    ASSERT_EQ(gesendet.size(), 1u) << "the timeline plays on the placeholder";
}

} // namespace
