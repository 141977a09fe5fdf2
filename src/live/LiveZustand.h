#pragma once
// The live inputs' state: the key table and input maps of the figure folder, the MIDI and DMX
// routing, the keyboard's armed tracks and assignment modes, the per-group effect settings,
// the triggers recorded for the timeline, and the live grid. One object, owned by the
// program. Every routine of this folder runs on the user-interface (output cycle) thread.

#include "live/KeyTable.h"
#include "live/LiveShow.h"
#include "live/MidiRouting.h"
#include "live/eingang/Eingang.h"
#include "show/SequenzEvent.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sw {

struct AusgabeZustand;
struct FigurenSpeicher;
struct Sequenzer;
struct Umgebung;

inline constexpr int kTracks = 19 * kGruppen; // tracks 1 to 228
inline constexpr std::int16_t kKeinEffektwert = -32768;

// What the playlist's remote control receives from a note on the timeline channel.
struct PlaylistBefehl {
    enum class Art { Stopp, Zurueck, Weiter, Abspielen, EintragAbspielen } art;
    int eintrag = 0; // for EintragAbspielen
};

// The live window's state kept for its controls (frmLive).
struct LiveFenster {
    LiveShow show;
    int Live_Shift = 0;                      // the page: 0, or 1 to 12 chosen with F1 to F12
    int gehalteneTaste = -1;                 // the key code held down, -1 none
    int aktuelleTaste = -1;                  // the key whose options the controls show
    std::array<bool, 12> checkStrAltContr{}; // the page boxes, one per F-key
    bool checkIgnoreGroesse = false;
};

struct LiveHooks {
    // The sequencer's media position in milliseconds (recording stamps).
    std::function<double()> medienPosition;
    // The timeline is redrawn after a recorded trigger while its window is visible.
    std::function<void()> zeitleisteNeuZeichnen;
    // The playlist's remote control; unset while no playlist listens.
    std::function<void(const PlaylistBefehl&)> playlistFernsteuerung;
    // The figure's icon is highlighted in the icon window.
    std::function<void(long figur)> iconHervorheben;
    // The MIDI monitor shows a line.
    std::function<void(const std::string& zeile)> midiMonitorZeile;
    // Kind 223: the output side's second effect path (unset: as kind 175).
    std::function<void(int gruppe, int zeile, int wert)> zweiterEffektweg;
    // The live window: a key picture framed in a colour (its own colour when -1), the option
    // controls refreshed for (key code, page), the grid re-laid out.
    std::function<void(int tastencode, long farbe)> Refresh_picRahmen;
    std::function<void(int tastencode, int seite)> Refresh_Optionen;
    std::function<void()> neuLayout;
    // The main window's file browser shows a folder (LiveShowladen).
    std::function<void(const std::filesystem::path& ordner)> ordnerZeigen;
    // The recent-files list takes a live show ("LastFiles").
    std::function<void(const std::string& datei)> zuletztGeoeffnet;
};

struct LiveZustand {
    LiveZustand();

    // The figure folder's tables.
    std::filesystem::path ordner;
    KeyTable keyTable;
    TastenMaps maps;
    std::vector<std::optional<long>> dmxTasten; // DMX.ord: key index -> DMX macro

    // Input routing and pages.
    MidiRouting midi;
    DmxRouting dmx;
    int midiSeite = 0;
    int dmxSeite = 0;
    bool IgnoreNoteOf = false;
    bool midiMonitor = false;
    DmxFrame dmxVorher{};
    // The chosen inputs (not owned; null while none is chosen), polled once per pass.
    MidiEingang* midiEingang = nullptr;
    DmxEingang* dmxEingang = nullptr;
    // The program clock's seconds when a pass of the output cycle last polled them.
    double durchlaufAbfrage = -1e9;

    // The keyboard path: tracks taking live input (index = track, 1 to 228), assignment modes.
    std::array<bool, kTracks + 1> armiert{};
    bool zuordnungsModus = false;
    bool dmxMakroZuordnen = false;
    long dmxMakro = 0;

    // Each group's stored effect settings, by row (kKeinEffektwert until one arrives).
    std::array<std::array<std::int16_t, 21>, kGruppen> effektEinstellung{};

    // Recording: triggers appended while the sequencer records, merged into the timeline on
    // stop.
    bool aufnahme = false;
    EventListe aufgenommen;

    LiveFenster fenster;
    LiveHooks hooks;
};

// What the live routines work on: the live state and the program tables they reach.
struct LiveKontext {
    LiveZustand& live;
    FigurenSpeicher& figuren;
    AusgabeZustand& ausgabe;
    Sequenzer& sequenzer;
    Umgebung& env;
};

// Reads the folder's key table and mapping files (and DMX.ord) into the live state; the
// figure store's hook after a folder change.
void liveOrdnerLesen(LiveKontext& k, const std::filesystem::path& ordner);

// Once per pass of the output cycle: drains the chosen MIDI input and takes the newest DMX
// frame.
void eingaengeAbfragen(LiveKontext& k);

// Between passes of the output cycle (stopped, or slower than this): polls the inputs when no
// pass did in the last kLeerlaufTakt seconds, so that MIDI and DMX keys still select figures
// and the monitors show what arrives. The main window calls it every kLeerlaufTakt.
inline constexpr double kLeerlaufTakt = 0.010;
void eingaengeImLeerlauf(LiveKontext& k);

} // namespace sw
