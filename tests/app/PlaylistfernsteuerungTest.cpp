#include "app/Playlistfernsteuerung.h"
#include "Startumgebung.h"
#include "live/MidiEingabe.h"
#include "show/ShowDatei.h"

using namespace sw;
namespace fs = std::filesystem;

// A note on the timeline channel goes through the live engine's MIDI input to the playlist.
TEST(Playlistfernsteuerung, NoteFortyFivePlaysEntryThreeAndThirtySixStops) {
    test::Startumgebung s;
    auto p = s.programm();
    auto eigeneMedien = std::make_unique<FakeMedien>();
    FakeMedien& medien = *eigeneMedien;
    p->medien = std::move(eigeneMedien);
    const fs::path ordner = s.tmp / "shows";
    fs::create_directories(ordner);
    ShowDateiInhalt show;
    show.SoundName = "lied.mp3";
    test::schreibeDatei(ordner / "lied.mp3", "ID3");
    auto sk = p->showKontext();
    WiedergabeZustand w;
    WiedergabeKontext wk{w, p->sequenzer, medien, p->env, {}};
    Playlist liste;
    PlaylistKontext k{liste, wk, sk, {}};
    for (const char* n : {"A", "B", "C", "D", "E"}) {
        show.ShowName = n;
        test::schreibeDatei(ordner / (std::string(n) + ".shw"), showdateiKodieren(show));
        ASSERT_TRUE(AddShow2Playlist(k, (ordner / (std::string(n) + ".shw")).string()));
    }
    playlistFernsteuerungVerbinden(p->live, k);
    p->live.midi.timelineKanal = 2;
    auto lk = p->liveKontext();

    MIDIInput1_Message(lk, {MidiNachricht{144 + 1, 45, 100}}); // another channel: nothing
    EXPECT_FALSE(w.playlistLaeuft);
    MIDIInput1_Message(lk, {MidiNachricht{144 + 2, 45, 100}});
    EXPECT_EQ(liste.ListIndex, 3);
    EXPECT_EQ(p->show.Showname, "D");
    EXPECT_TRUE(w.playlistLaeuft);
    EXPECT_TRUE(w.startUmUhr) << "the show starts after the start delay";
    MIDIInput1_Message(lk, {MidiNachricht{144 + 2, 36, 100}});
    EXPECT_FALSE(w.playlistLaeuft);
    EXPECT_FALSE(w.spielt);
    playlistFernsteuerungTrennen(p->live);
    MIDIInput1_Message(lk, {MidiNachricht{144 + 2, 42, 100}});
    EXPECT_EQ(liste.ListIndex, 3);
}
