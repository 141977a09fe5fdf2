#pragma once
// The whole program's state: one object owning the tables of every part, with the services it
// runs on. The windows, the command-line program and the tests each build one.

#include "einstellungen/Einstellungen.h"
#include "app/Einstellungsmodell.h"
#include "app/Pfade.h"
#include "core/Farbpalette.h"
#include "core/FigurenSpeicher.h"
#include "core/FrameOperationen.h"
#include "core/Undo.h"
#include "devices/Geraete.h"
#include "devices/Treiber.h"
#include "live/LiveZustand.h"
#include "live/TriggerRoutine.h"
#include "output/Ausgabe.h"
#include "platform/Umgebung.h"
#include "show/Medien.h"
#include "show/SequenzBearbeiten.h"
#include "show/ShowZuletzt.h"
#include "show/ShowZustand.h"

#include <memory>
#include <string>

namespace sw {

inline constexpr const char* kProgrammVersion = "Strahlwerk 0.1";
inline constexpr int kIniVersion = 25;

struct Programm {
    Programm(Dialoge& dialoge, EreignisPumpe& pumpe, Uhr& uhr)
        : log(uhr), env{dialoge, pumpe, uhr, log, texte}, einstellungen(log, pumpe),
          ausgabe(std::make_unique<AusgabeZustand>()), dac(geraete, env) {
        paletten.farbenKorrigieren = [this] { alleFarbenKorrigieren(ausgabe->Farben, paletten); };
        figuren.hooks.undoSchreiben = [this] { WriteUndo(figuren, undo, env); };
        // A folder's key table and input maps come with its figures; the timeline plays
        // through the same trigger routine as the live inputs.
        figuren.hooks.tastenbelegungLesen = [this](const std::filesystem::path& ordner) {
            auto k = liveKontext();
            liveOrdnerLesen(k, ordner);
        };
        sequenzer.TriggerKey = [this](int track, int kind, int key, int value) {
            auto k = liveKontext();
            TriggerKey(k, track, kind, key, value);
        };
        live.hooks.medienPosition = [this] {
            if (ausgabe->Medienzeit)
                if (auto m = ausgabe->Medienzeit()) return *m;
            return 0.0;
        };
        // MIDI and DMX input reach the trigger routine once per pass of the output cycle.
        ausgabe->EingaengeAbfragen = [this] {
            auto k = liveKontext();
            eingaengeAbfragen(k);
        };
        live.hooks.zuletztGeoeffnet = [this](const std::string& datei) {
            auto k = showKontext();
            zuletztGeoeffneteAufnehmen(k, datei);
        };
    }
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    Protokoll log;
    Sprachtexte texte;
    Umgebung env;
    Pfade pfade;
    Einstellungen einstellungen;
    Einstellungsmodell modell;

    FigurenSpeicher figuren;
    Paletten paletten;
    UndoZustand undo;
    FrameAuswahl frames;
    std::unique_ptr<AusgabeZustand> ausgabe;
    Geraete geraete;
    Dacausgabe dac;

    // The show and its timeline. The media layer is the clock-only fake until the start
    // (`medienEinrichten`) puts the real player in; tests keep the fake.
    ShowZustand show;
    Sequenzer sequenzer;
    std::unique_ptr<Medienschicht> medien = std::make_unique<FakeMedien>();
    // The live inputs: key table, input maps and routing, the live grid.
    LiveZustand live;
    LiveKontext liveKontext() { return {live, figuren, *ausgabe, sequenzer, env}; }
    // The inputs the live state points at (app/Eingaenge.h opens them).
    std::unique_ptr<MidiEingang> midiEingang;
    std::unique_ptr<DmxEingang> dmxEingang;
    // The show routines' context, the timeline wired in as the show's sequence; a window adds
    // its own folder change.
    ShowKontext showKontext();

    // Program-wide values of the settings.
    int IniVersion = 0;
    long MaxPunktzahl = 3000;
    char Dezimaltrennzeichen = '.';
    bool schliesst = false;   // the main window is closing
    std::string Befehlszeile; // the document given on the command line
};

} // namespace sw
