#pragma once
// Playing a show to its media: the media position is the show's clock. Starting (with the
// chase of the state at the cursor), the dispatch of due events once per output pass, stop
// with the recorded triggers merged in, back to start with loop and the playlist hand-over,
// the playback speed, the position display and the timed starts.
//
// Clock jumps: when the media position moves by more than one second, backwards or forwards,
// between two passes (a seek, time code jumping, a stall of the player), the pass does not send
// everything in between, nor nothing: it chases at the new position as a start there would, so
// what shows is what the timeline says for that moment.
//
// Everything here runs on the user-interface (output cycle) thread.

#include "platform/Umgebung.h"
#include "show/Medien.h"
#include "show/SequenzBearbeiten.h"

#include <functional>
#include <optional>
#include <string>

namespace sw {

inline constexpr double kSprungMs = 1000;           // a bigger move between passes is a jump
inline constexpr double kMindestVerzoegerung = 250; // ms; a shorter start delay is refused

// What the sequencer window's controls and timers hold.
struct WiedergabeZustand {
    bool spielt = false;   // the playing flag
    bool aufnahme = false; // the recording flag
    double showZeit = 0;   // ms, the media position of the last pass
    long gesendet = 0;     // last sent index, 0 = none
    double rate = 1.0;     // 0.2 to 2.0
    std::string rateBeschriftung = "Rate: 1.00";
    bool checkAutoLoop = false;
    bool checkRecordMidi = false;
    bool transportAn = true;    // Play, Anhalten, Prev, Rec enabled
    bool zeitanzeigeAn = false; // tmrZeitAktualisieren
    bool playlistLaeuft = false;
    bool tmrPlaylist = false; // set at the end of a show while a playlist runs
    // The position display's two texts.
    std::string positionText, restText;
    // The start timer (tmrstart): armed for a clock time of day (seconds since midnight) or
    // for a moment of the program clock (delayed start).
    std::optional<double> startUmTageszeit;
    std::optional<double> startUmUhr;
    double startverzoegerung = 1000; // ms
    std::string dmxKnopf;            // the main window's DMX button caption
    double vorigeZeit = -1;          // the previous pass's position, for the jump check
    long spruenge = 0;               // chases caused by clock jumps
};

// What the rest of the program does for playback; an unset hook is skipped.
struct WiedergabeTeile {
    // The live inputs' recording flag, and the triggers recorded since it was set, taken as an
    // event list (element 0 unused).
    std::function<void(bool)> aufnahmeSchalten;
    std::function<EventListe()> aufgenommeneNehmen;
    // A device group's two figure layers and its effect state cleared (Play_Click step 3).
    std::function<void(int gruppe)> gruppeLeeren;
    // Every group's effect parameters back to their start values.
    std::function<void()> effekteZuruecksetzen;
    std::function<void()> wellenformNeuZeichnen;
    // Automatic laser mode on start and stop (the main window's timer and a DMX macro).
    std::function<void(bool an)> laserAutomatik;
    std::function<void()> dmxMakroStarten;
    // The time of day in seconds since midnight (start at a clock time).
    std::function<double()> tageszeit;
    // Sees every event sent, with the show time of its pass (the headless player's dump).
    std::function<void(double showZeit, const SeqEvent&)> gesendetBeobachter;
};

struct WiedergabeKontext {
    WiedergabeZustand& w;
    Sequenzer& s;
    Medienschicht& medien;
    Umgebung& env;
    WiedergabeTeile teile;
};

// Start at the cursor: groups cleared, media positioned, chase, recording, media running.
void Play_Click(WiedergabeKontext& k);
// Sends what shows at `zeit` (ms): for every track its latest event before `zeit`, in list
// order, so an effect value follows the figure it acts on. The last sent index becomes the
// last event before `zeit` (0 when none).
void chase(WiedergabeKontext& k, double zeit);
// One pass of the output cycle while playing: rewinds at the end of the media, chases after
// a jump, otherwise sends the due events of the timeline and of the showpart slots.
void sequenzerDurchlauf(WiedergabeKontext& k);
// Stop; with `positionBehalten` the cursor goes to the media position. Recorded triggers are
// merged into the timeline (undo step, sort, off times; events at 0 or before from index 2 on
// removed).
void wiedergabeAnhalten(WiedergabeKontext& k, bool positionBehalten);
void Anhalten_Click(WiedergabeKontext& k);
// Back to start; plays again when the loop box is ticked, and lets a running playlist move on.
void Prev_Click(WiedergabeKontext& k);
// The record button: recording of live input from the next start on.
void Rec_Click(WiedergabeKontext& k);
// Index 0 faster, any other slower, by 0.01 within 0.2 to 2.0; the right button (2) resets.
void cmdSpeed_Click(WiedergabeKontext& k, int index);
void cmdSpeed_MouseDown(WiedergabeKontext& k, int knopf);
// The position display: texts and log lines.
void tmrZeitAktualisieren_Timer(WiedergabeKontext& k);
// "Start at": asks for a time of day (text 585); false when cancelled or not a time.
bool mnuStart_Click(WiedergabeKontext& k);
// Asks for the start delay (text 189); below 250 ms is refused (text 184).
bool mnuStartverzoegerung_Click(WiedergabeKontext& k);
// Rewinds, sets the playing flag and arms the start timer with the delay.
void cmdStartTimer_Click(WiedergabeKontext& k);
// The start timer's tick: fires the armed start when its time has come. Whether it fired.
bool tmrstart_Timer(WiedergabeKontext& k);

// "hh:mm:ss" of a time of day in seconds; parsing gives nullopt for anything else.
std::string uhrzeitText(double sekunden);
std::optional<double> uhrzeitLesen(const std::string& text);

} // namespace sw
