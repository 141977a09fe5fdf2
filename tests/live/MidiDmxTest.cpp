#include "LiveTestHilfe.h"
#include "live/DmxEingabe.h"
#include "live/MidiEingabe.h"

using namespace sw;
using sw::test::LiveUmgebung;

namespace {

// Notes on channel 0 play row 1 of groups 0 and 2; controller 7 sets the size (row 2) of
// group 0; controller 20 chooses the page.
void routingEinrichten(LiveUmgebung& t) {
    MidiRoutingEintrag noteAn{144, 0, 0, 0, {}, 0};
    noteAn.gruppen[0] = noteAn.gruppen[2] = true;
    MidiRoutingEintrag noteAus = noteAn;
    noteAus.typ = 128;
    MidiRoutingEintrag groesse{176, 0, 7, 1, {}, 1};
    groesse.gruppen[0] = true;
    MidiRoutingEintrag seite{176, 0, 20, 1, {}, 18};
    t.live.midi.eintraege = {noteAn, noteAus, groesse, seite};
    t.live.midi.liveKanal = 0;
    t.live.midi.timelineKanal = 5;
    t.live.maps.midi(60, 0) = 65;
    t.live.maps.midi(60, 1) = 66;
    t.live.maps.midi(61, 0) = 32;
    t.live.keyTable[65] = 1;
    t.live.keyTable[250 + 66] = 3;
}

} // namespace

TEST(MidiEingabe, NotenAnUndAusAufDenGerouteteGruppen) {
    LiveUmgebung t;
    routingEinrichten(t);
    MIDIInput1_Message(t.k, {{0x90, 60, 100}});
    EXPECT_EQ(t.figurenAuf({0, 2, 1}), (std::vector<int>{1, 1, -1}));

    MIDIInput1_Message(t.k, {{0x90, 60, 0}}); // velocity 0 is a note off
    EXPECT_EQ(t.figurenAuf({0, 2}), (std::vector<int>{-1, -1}));

    t.live.IgnoreNoteOf = true;
    MIDIInput1_Message(t.k, {{0x90, 60, 100}, {0x90, 60, 0}, {0x80, 60, 64}});
    EXPECT_EQ(t.figurAuf(0), 1) << "note offs ignored";
    MIDIInput1_Message(t.k, {{0x90, 61, 100}}); // key code 32 still switches off
    EXPECT_EQ(t.figurAuf(0), -1);

    t.live.IgnoreNoteOf = false;
    MIDIInput1_Message(t.k, {{0x91, 60, 100}, {0x9F, 60, 100}}); // other channels
    EXPECT_EQ(t.figurAuf(0), -1);
    t.live.midi.liveMidiAus = true;
    MIDIInput1_Message(t.k, {{0x90, 60, 100}});
    EXPECT_EQ(t.figurAuf(0), -1);
}

TEST(MidiEingabe, SeitenEffekteMonitorUndSysex) {
    LiveUmgebung t;
    routingEinrichten(t);
    std::vector<std::string> monitor;
    t.live.midiMonitor = true;
    t.live.hooks.midiMonitorZeile = [&](const std::string& z) { monitor.push_back(z); };

    MIDIInput1_Message(t.k, {{0xB0, 20, 1}, {0x90, 60, 100}}); // page 1: key 250 + 66
    EXPECT_EQ(t.live.midiSeite, 1);
    EXPECT_EQ(t.figurAuf(0), 3);
    MIDIInput1_Message(t.k, {{0xB0, 7, 100}}); // size from controller 7
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[0][0], 200);
    EXPECT_DOUBLE_EQ(t.a->Effekt.EffektWerte[2][0], 127);
    MIDIInput1_Message(t.k, {{0xB0, 20, 99}});
    EXPECT_EQ(t.live.midiSeite, 12);

    MIDIInput1_Message(t.k, {{0xF8, 0, 0}});
    ASSERT_EQ(monitor.size(), 4u) << "system messages are only logged";
    EXPECT_EQ(monitor[0], "MidiChannel=0  MidiMessage=176  Data1=20  Data2=1");
}

TEST(MidiEingabe, ZeitleistenkanalUndPlaylistFernsteuerung) {
    LiveUmgebung t;
    routingEinrichten(t);
    std::vector<PlaylistBefehl> befehle;
    t.live.hooks.playlistFernsteuerung = [&](const PlaylistBefehl& b) { befehle.push_back(b); };
    t.live.armiert[19 * 5 + 1] = true;

    MIDIInput1_Message(t.k, {{0x95, 45, 90}});
    ASSERT_EQ(befehle.size(), 1u);
    EXPECT_EQ(befehle[0].art, PlaylistBefehl::Art::EintragAbspielen);
    EXPECT_EQ(befehle[0].eintrag, 3);
    EXPECT_FALSE(playlistBefehl(37));
    EXPECT_EQ(playlistBefehl(36)->art, PlaylistBefehl::Art::Stopp);

    MIDIInput1_Message(t.k, {{0x95, 60, 90}}); // played like a key on the armed tracks
    EXPECT_EQ(t.figurenAuf({5, 0}), (std::vector<int>{1, -1}));
    MIDIInput1_Message(t.k, {{0x85, 60, 0}}); // note off as velocity 0
    EXPECT_EQ(t.figurAuf(5), -1);
    EXPECT_EQ(befehle.size(), 2u) << "only note-ons with velocity reach the playlist";
}

TEST(MidiEingabe, UeberDieFalscheEingabeMitLaufendemStatus) {
    LiveUmgebung t;
    routingEinrichten(t);
    FakeMidiEingang eingang;
    eingang.waehlen("Fake MIDI 1");
    eingang.bytesSenden({0x90, 60, 100, 60, 0}); // running status: note on, then off
    eingang.senden({{0xB0, 20, 1}});
    eingang.senden({{0x90, 60, 1}});
    eingaengeAbfragen(t.k); // no input chosen yet
    EXPECT_EQ(t.figurAuf(0), -1);
    t.live.midiEingang = &eingang;
    eingaengeAbfragen(t.k);
    EXPECT_EQ(t.figurAuf(0), 3);
    EXPECT_EQ(t.live.midiSeite, 1);
    EXPECT_TRUE(eingang.abholen().empty());
}

// While passes of the output cycle poll the inputs, the idle poll leaves them alone; once no
// pass came for 10 ms (the output stopped) it reads them itself, every time it is called.
TEST(MidiEingabe, LeerlaufFragtNurOhneDurchlauf) {
    LiveUmgebung t;
    routingEinrichten(t);
    FakeMidiEingang eingang;
    eingang.waehlen("Fake MIDI 1");
    t.live.midiEingang = &eingang;
    eingaengeImLeerlauf(t.k); // no pass ever ran: read at once, nothing there
    eingang.senden({{0xB0, 20, 1}});
    eingaengeAbfragen(t.k); // a pass
    EXPECT_EQ(t.live.midiSeite, 1);
    eingang.senden({{0x90, 60, 1}});
    t.u.uhr.vorstellen(0.009);
    eingaengeImLeerlauf(t.k);
    EXPECT_EQ(t.figurAuf(0), -1) << "a pass polled 9 ms ago";
    t.u.uhr.vorstellen(0.002);
    eingaengeImLeerlauf(t.k);
    EXPECT_EQ(t.figurAuf(0), 3);
    EXPECT_TRUE(eingang.abholen().empty());
    // The idle poll itself does not hold off the next one.
    eingang.senden({{0xB0, 20, 0}});
    eingaengeImLeerlauf(t.k);
    EXPECT_EQ(t.live.midiSeite, 0);
}

TEST(DmxEingabe, GeaenderteKanaeleAufIhrenZeilen) {
    LiveUmgebung t;
    auto& k1 = t.live.dmx.kanaele[0];
    k1.zeile = 1;
    k1.gruppen[1] = true;
    auto& k2 = t.live.dmx.kanaele[1];
    k2.zeile = 16; // rotation about X, mirrored
    k2.gruppen[1] = true;
    auto& k3 = t.live.dmx.kanaele[2];
    k3.zeile = 19;
    t.live.maps.dmx(10, 0) = 65;
    t.live.maps.dmx(20, 0) = 32;
    t.live.maps.dmx(10, 2) = 66;
    t.live.keyTable[65] = 2;
    t.live.keyTable[500 + 66] = 3;

    FakeDmxEingang eingang;
    DmxFrame f{};
    f[0] = 10;
    f[1] = 0;
    eingang.setzen(f);
    Get_DMX(t.k, eingang);
    EXPECT_EQ(t.figurAuf(1), 2);
    f[1] = 10; // now the figure is on: the rotation takes it
    eingang.setzen(f);
    Get_DMX(t.k, eingang);
    EXPECT_DOUBLE_EQ(t.a->Effekt.AutoWert[1][14], 118 - 128);

    // An unchanged channel does nothing: group 1 cleared by hand stays clear.
    t.s.SpurAuswahl[1].Figur = -1;
    eingang.setzen(f);
    Get_DMX(t.k, eingang);
    EXPECT_EQ(t.figurAuf(1), -1);
    Get_DMX(t.k, eingang); // no new frame
    EXPECT_EQ(t.figurAuf(1), -1);

    f[2] = 45; // page 45 / 20 = 2
    f[0] = 20; // key code 32: off
    eingang.setzen(f);
    Get_DMX(t.k, eingang);
    EXPECT_EQ(t.live.dmxSeite, 2);
    f[0] = 10;
    eingang.setzen(f);
    Get_DMX(t.k, eingang);
    EXPECT_EQ(t.figurAuf(1), 3);
}
