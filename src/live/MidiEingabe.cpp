#include "live/MidiEingabe.h"

#include "live/Effektwerte.h"
#include "live/Tastatur.h"
#include "live/TriggerRoutine.h"
#include "platform/Fehlerfalle.h"

#include <algorithm>

namespace sw {

namespace {

constexpr int kNoteAus = 128;
constexpr int kNoteAn = 144;

void zeilenTrigger(LiveKontext& k, const std::array<bool, kGruppen>& gruppen, int zeile, int kind,
                   int key, int value) {
    for (int g = 0; g < kGruppen; ++g)
        if (gruppen[static_cast<std::size_t>(g)])
            PC_Keyboard_Message(k, kind, key, value, 19 * g + zeile, true);
}

// Row 1 of a live MIDI message.
void midiTaste(LiveKontext& k, const MidiRoutingEintrag& e, int typ, int wert, int daten2) {
    auto& l = k.live;
    const int seite = l.midiSeite;
    const int tastencode = l.maps.midi(std::clamp(wert, 0, 127), seite);
    const bool noteAus = typ == kNoteAus || (typ == kNoteAn && daten2 == 0);
    if (noteAus) {
        if (!l.IgnoreNoteOf)
            zeilenTrigger(k, e.gruppen, 1, kArtLosgelassen, tastenIndex(seite, tastencode), 0);
        return;
    }
    if (typ != kNoteAn) return;
    if (tastencode == 32)
        zeilenTrigger(k, e.gruppen, 1, kArtLosgelassen, 32, 0);
    else if (tastencode != 0)
        zeilenTrigger(k, e.gruppen, 1, kArtGedrueckt, tastenIndex(seite, tastencode), 1);
}

void liveKanal(LiveKontext& k, int typ, int d1, int d2) {
    // By index: a trigger may ask a question, during which the routing may be replaced.
    for (std::size_t i = 0; i < k.live.midi.eintraege.size(); ++i) {
        const MidiRoutingEintrag e = k.live.midi.eintraege[i];
        if (e.typ != typ) continue;
        const int getestet = e.filterByte == 0 ? d1 : d2;
        if (e.filter != 0 && e.filter != getestet) continue;
        const int wert = e.wertQuelle == 0 ? d1 : d2;
        const int zeile = e.zeileMinus1 + 1;
        if (zeile == 1)
            midiTaste(k, e, typ, wert, d2);
        else
            zeileAusloesen(k, zeile, wert, e.gruppen, midiSkaliert, k.live.midiSeite, 1);
    }
}

void timelineKanal(LiveKontext& k, int typ, int d1, int d2) {
    auto& l = k.live;
    if (typ == kNoteAus && l.midi.noteOffAlsNoteOn) {
        typ = kNoteAn;
        d2 = 0;
    }
    if (typ != kNoteAn) return;
    if (d2 > 0 && l.hooks.playlistFernsteuerung)
        if (auto b = playlistBefehl(d1)) l.hooks.playlistFernsteuerung(*b);
    const int seite = l.midiSeite;
    const int key = tastenIndex(seite, l.maps.midi(d1, seite));
    PC_Keyboard_Message(k, d2 > 0 ? kArtGedrueckt : kArtLosgelassen, key, d2, 1, false);
}

} // namespace

void zeileAusloesen(LiveKontext& k, int zeile, int wert, const std::array<bool, kGruppen>& gruppen,
                    int (*wertSkaliert)(int, int), int& seite, int seitenTeiler) {
    if (zeile == 19) {
        seite = std::clamp(wert / seitenTeiler, 0, kLiveSeiten - 1);
        return;
    }
    if (zeile == 20) {
        for (int z : {6, 7, 8}) zeilenTrigger(k, gruppen, z, kArtEffekt, 1, wertSkaliert(z, wert));
        return;
    }
    if (zeile >= 2 && zeile <= 18)
        zeilenTrigger(k, gruppen, zeile, kArtEffekt, 1, wertSkaliert(zeile, wert));
}

std::string midiMonitorZeile(int kanal, int typ, int daten1, int daten2) {
    return "MidiChannel=" + std::to_string(kanal) + "  MidiMessage=" + std::to_string(typ) +
           "  Data1=" + std::to_string(daten1) + "  Data2=" + std::to_string(daten2);
}

std::optional<PlaylistBefehl> playlistBefehl(int note) {
    using A = PlaylistBefehl::Art;
    switch (note) {
    case 36:
        return PlaylistBefehl{A::Stopp};
    case 38:
        return PlaylistBefehl{A::Zurueck};
    case 40:
        return PlaylistBefehl{A::Weiter};
    case 41:
        return PlaylistBefehl{A::Abspielen};
    default:
        break;
    }
    if (note > 42) return PlaylistBefehl{A::EintragAbspielen, note - 42};
    return std::nullopt;
}

void MIDIInput1_Message(LiveKontext& k, const std::vector<MidiNachricht>& ereignis) {
    for (const auto& n : ereignis) {
        mitFehlerfalle(
            k.env, " in MIDI Programmierung Routiene MIDIInput1_Message ", Meldeart::Log, [&] {
                if (n.status >= 240) {
                    k.env.log.zeile("events = 0 .... SYSEX Received ");
                    return;
                }
                const int kanal = n.status % 16;
                const int typ = n.status - kanal;
                if (k.live.midiMonitor && k.live.hooks.midiMonitorZeile)
                    k.live.hooks.midiMonitorZeile(midiMonitorZeile(kanal, typ, n.daten1, n.daten2));
                if (kanal == k.live.midi.liveKanal && !k.live.midi.liveMidiAus)
                    liveKanal(k, typ, n.daten1, n.daten2);
                if (kanal == k.live.midi.timelineKanal) timelineKanal(k, typ, n.daten1, n.daten2);
            });
    }
}

void midiAbfragen(LiveKontext& k, MidiEingang& eingang) {
    for (const auto& ereignis : eingang.abholen()) MIDIInput1_Message(k, ereignis);
}

} // namespace sw
