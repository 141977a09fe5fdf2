// The live wiring of the running program: the start reads the folder's key order and opens the
// DMX input and MIDI port the settings name; the timeline plays through the trigger routine; the
// DMX windows' choice reopens the input; routing files and inputs chosen come back at the next
// start, and every pass of the output cycle reads the inputs before it plays.

#include "app/Eingaenge.h"
#include "Startumgebung.h"
#include "core/QvbFormat.h"
#include "live/LiveEinstellungen.h"
#include "live/Tastatur.h"
#include "live/eingang/DmxEingangswahl.h"

#include <algorithm>

using namespace sw;
namespace fs = std::filesystem;

TEST(Eingaenge, StartWiresTheFolderTheInputsAndTheRoutingAndEachPassReadsThem) {
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
    StartHooks h;
    h.figurenordner = ordner.string();
    {
        auto p = s.programm();
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

        const auto& liste = p->geraete.comboDMXPort[1];
        for (const char* name : {kArtNetEingangName, kSacnEingangName})
            EXPECT_NE(std::find(liste.begin(), liste.end(), name), liste.end()) << name;
        EXPECT_NE(p->live.midiEingang, nullptr); // RtMidi, whether or not a system is there
        EXPECT_EQ(p->live.dmxEingang, nullptr);  // "No Device"
        EXPECT_EQ(midiPortGespeichert(p->einstellungen), kMidiNichtAktiv);
        auto d = dmxEingangsEinstellungenLesen(p->einstellungen);
        d.bindAdresse = "127.0.0.1";
        d.artNetPort = 0; // any free port
        dmxEingangsEinstellungenSchreiben(p->einstellungen, d);
        dmxEingangUmstellen(*p, kArtNetEingangName, 7);
        ASSERT_NE(p->live.dmxEingang, nullptr);
        EXPECT_EQ(p->live.dmxEingang, p->dmxEingang.get());
        EXPECT_EQ(dmxEingangsEinstellungenLesen(p->einstellungen).universum, 7);
        // back to none closes it
        dmxEingangUmstellen(*p, "No Device", 7);
        EXPECT_EQ(p->live.dmxEingang, nullptr);
        dmxEingangUmstellen(*p, kArtNetEingangName, 7);
        midiPortWaehlen(*p, "Pult");
        EXPECT_EQ(p->einstellungen.textLesen("Midi", "MidiInPort", ""), "Pult");

        p->live.midi = r;
        ASSERT_TRUE(midiRoutingSpeichernUndMerken(p->live, p->einstellungen, p->env,
                                                  s.tmp / "pult.MidiInMap"));
        p->live.IgnoreNoteOf = true;
        ignoreNoteOfSpeichern(p->live, p->einstellungen);
        Programmende(*p);
    }
    auto p = s.programm();
    auto fake = std::make_unique<FakeMidiEingang>();
    fake->ports = {"Pult"};
    FakeMidiEingang* midi = fake.get();
    p->midiEingang = std::move(fake);
    ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
    EXPECT_EQ(p->live.midiEingang, midi);
    EXPECT_EQ(midi->gewaehlt(), "Pult");
    ASSERT_NE(p->live.dmxEingang, nullptr);
    EXPECT_NE(p->live.dmxEingang->name().find("Art-Net"), std::string::npos);
    EXPECT_EQ(p->live.midi, r);
    EXPECT_TRUE(p->live.IgnoreNoteOf);

    // note 60 on the live channel plays key A (b.qvb) on group 0, read by the next pass
    p->live.maps.midi(60, 0) = 65;
    midi->senden({{0x94, 60, 100}});
    EXPECT_EQ(p->figuren.SpurAuswahl[0].Figur, -1);
    AbspielenStarten(*p->ausgabe, p->env);
    AbspielenDurchlauf(*p->ausgabe, p->figuren, p->paletten, p->env);
    EXPECT_EQ(p->figuren.SpurAuswahl[0].Figur, 2);
    AbspielenStoppen(*p->ausgabe);
    Programmende(*p);
}
