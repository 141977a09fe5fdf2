#include "Startumgebung.h"
#include "app/Showsteuerung.h"
#include "show/ShowDatei.h"

using namespace sw;
namespace fs = std::filesystem;

namespace {

struct Verdrahtet {
    test::Startumgebung s;
    std::unique_ptr<Programm> p = s.programm();
    FakeMedien* medien = nullptr;
    std::unique_ptr<Showsteuerung> st;
    fs::path show = s.tmp / "shows" / "A.shw";

    Verdrahtet() {
        auto m = std::make_unique<FakeMedien>();
        medien = m.get();
        p->medien = std::move(m);
        p->sequenzer.undo.ordner = s.tmp.pfad();
        p->einstellungen.IniPfad = (s.tmp / "Strahlwerk.Laser_ini").string();
        fs::create_directories(show.parent_path());
        ShowDateiInhalt inhalt;
        inhalt.ShowName = "A";
        inhalt.SoundName = "lied.mp3";
        test::schreibeDatei(show, showdateiKodieren(inhalt));
        test::schreibeDatei(show.parent_path() / "lied.mp3", "ID3");
        st = std::make_unique<Showsteuerung>(*p);
    }
    auto& seiten() { return p->ausgabe->SpurZuordnung; }
    auto& pps() { return p->geraete.PPSWert; }
};

} // namespace

// A card is a logical device; its sides are that device's column of the side table, so the
// entry's [card][side] is the output's [side][device] and the cards never reach devices 4 on.
TEST(Playlistverdrahtung, AnEntryTakesTheCurrentRoutingAndPlayingItPutsItBack) {
    Verdrahtet v;
    struct Feld {
        std::size_t seite, geraet;
    };
    const Feld an[] = {{0, 0}, {2, 1}, {3, 3}, {1, 2}};
    for (auto f : an) v.seiten()[f.seite][f.geraet] = true;
    v.seiten()[0][4] = true; // not a card
    for (std::size_t d = 0; d < kGeraete; ++d) v.pps()[d] = static_cast<std::int32_t>(10000 + d);

    ASSERT_TRUE(AddShow2Playlist(v.st->pk, v.show.string()));
    const PlaylistEntry e = v.st->playlist.eintrag(0);
    int gesetzt = 0;
    for (std::size_t karte = 0; karte < 4; ++karte)
        for (std::size_t seite = 0; seite < 4; ++seite) gesetzt += e.zuordnung[karte][seite];
    EXPECT_EQ(gesetzt, 4);
    for (auto f : an) EXPECT_TRUE(e.zuordnung[f.geraet][f.seite]) << f.seite << "," << f.geraet;
    EXPECT_EQ(e.pps[0], 10000);
    EXPECT_EQ(e.pps[15], 10015);

    // Another routing, then the entry plays: its routing and rates are back, device 4 (no
    // card) keeps what it had, and a rate of 0 in the entry leaves that DAC's rate alone.
    for (auto& seite : v.seiten()) seite.fill(false);
    v.seiten()[1][0] = true;
    v.seiten()[2][4] = true;
    v.pps().fill(8000);
    v.st->playlist.eintrag(0).pps[7] = 0;
    Titel_Abspielen(v.st->pk, 0);
    EXPECT_TRUE(v.st->wiedergabe.playlistLaeuft);
    for (auto f : an) EXPECT_TRUE(v.seiten()[f.seite][f.geraet]) << f.seite << "," << f.geraet;
    EXPECT_FALSE(v.seiten()[1][0]);
    EXPECT_TRUE(v.seiten()[2][4]);
    EXPECT_FALSE(v.seiten()[0][4]);
    EXPECT_EQ(v.pps()[3], 10003);
    EXPECT_EQ(v.pps()[7], 8000);
    EXPECT_EQ(v.pps()[15], 10015);
}

// Cancel in the start question leaves the lasers as they were: the routing is applied only
// for a show that starts.
TEST(Playlistverdrahtung, CancelInTheStartQuestionLeavesTheOutputAlone) {
    Verdrahtet v;
    v.seiten()[3][2] = true;
    v.pps().fill(20000);
    ASSERT_TRUE(AddShow2Playlist(v.st->pk, v.show.string()));
    for (auto& seite : v.seiten()) seite.fill(false);
    v.pps().fill(9000);
    checkKlickShowstart_Click(v.st->pk, true);
    v.s.dialoge.antworten = {Antwort::Abbrechen};
    Titel_Abspielen(v.st->pk, 0);
    EXPECT_FALSE(v.st->wiedergabe.playlistLaeuft);
    EXPECT_TRUE(v.st->playlist.bearbeitbar);
    EXPECT_FALSE(v.seiten()[3][2]);
    EXPECT_EQ(v.pps()[0], 9000);
    v.s.dialoge.antworten = {Antwort::Ok};
    Titel_Abspielen(v.st->pk, 0);
    EXPECT_TRUE(v.seiten()[3][2]);
    EXPECT_EQ(v.pps()[0], 20000);
}
