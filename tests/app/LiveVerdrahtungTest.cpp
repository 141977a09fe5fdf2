#include "Startumgebung.h"
#include "core/QvbFormat.h"
#include "live/LiveEinstellungen.h"
#include "live/Tastatur.h"

using namespace sw;
namespace fs = std::filesystem;

TEST(LiveVerdrahtung, OrdnerTimelineUndGemerkteRoutingDateien) {
    test::Startumgebung s;
    const fs::path ordner = s.tmp / "figuren";
    fs::create_directories(ordner);
    for (const char* f : {"a.qvb", "b.qvb"}) test::schreibeDatei(ordner / f, qvbKodieren(Figur{}));
    std::string keyOrd;
    for (int k = 0; k < 65; ++k) keyOrd += "####\r\n";
    test::schreibeDatei(ordner / "Key.ord", keyOrd + "b.qvb\r\na.qvb\r\n");
    MidiRouting r;
    r.eintraege = {MidiRoutingEintrag{144, 0, 0, 0, {true}, 0}};
    r.liveKanal = 4;
    {
        auto p = s.programm();
        StartHooks h;
        h.figurenordner = ordner.string();
        ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
        // The folder's key order came with its figures.
        EXPECT_EQ(p->live.keyTable[65], 2);
        EXPECT_EQ(p->live.keyTable[66], 1);
        // The timeline plays through the trigger routine.
        p->sequenzer.TriggerKey(19 * 2 + 1, 143, 66, 66);
        EXPECT_EQ(p->figuren.SpurAuswahl[2].Figur, 1);

        // The show's clean-up names what the timeline's key presses show.
        p->show.Showordner = ordner.string() + "/";
        auto& e = p->sequenzer.Events;
        e.resize(2);
        e[1] = SeqEvent{100, 0, 1, 143, 65, 65};
        auto k = p->showKontext();
        ASSERT_TRUE(k.teile.benutzteDateien);
        EXPECT_EQ(k.teile.benutzteDateien(), std::vector<std::string>{"b.qvb"});

        p->live.midi = r;
        ASSERT_TRUE(midiRoutingSpeichernUndMerken(p->live, p->einstellungen, p->env,
                                                  s.tmp / "pult.MidiInMap"));
        p->live.IgnoreNoteOf = true;
        ignoreNoteOfSpeichern(p->live, p->einstellungen);
        Programmende(*p);
    }
    auto p = s.programm();
    StartHooks h;
    ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
    EXPECT_EQ(p->live.midi, r);
    EXPECT_TRUE(p->live.IgnoreNoteOf);
    Programmende(*p);
}
