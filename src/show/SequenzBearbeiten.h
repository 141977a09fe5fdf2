#pragma once
// The timeline's editing operations: placing a figure, marking, copy, paste, cut, delete,
// moving, creating a showpart. Each change records an undo snapshot first and ends with the
// list sorted, the off times recomputed and the changed time range redrawn. No window here:
// the sequencer window calls these with the times and rows under the pointer.

#include "platform/Umgebung.h"
#include "show/SequenzEvent.h"
#include "show/SequenzUndo.h"
#include "show/Showpart.h"
#include "show/Zeitraster.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sw {

// The timeline's state. Like the windows that drive it, it lives on the user-interface thread.
struct Sequenzer {
    EventListe Events = EventListe(2);       // a new show: indices 0 and 1, all zero
    std::vector<long> markiert;              // marked event indices, ascending
    double markiertVon = 0, markiertBis = 0; // start times of the first and last marked event
    std::vector<SeqEvent> Zwischenablage;
    Zeitraster raster;
    std::vector<Showpart> Showparts;
    std::array<ShowpartSlot, kShowpartSlots> plaetze{}; // the playback slots of showparts
    SequenzUndo undo;
    double Medienlaenge = 0; // milliseconds; set by the show when it loads its media
    int optDeviceNr = 0;     // the device group whose 19 rows the timeline shows
    double cursorZeit = 0;   // the timeline cursor, milliseconds
    std::filesystem::path showOrdner;

    // What the window and the rest of the program provide; each may stay empty.
    std::function<void(double von, double bis)> neuZeichnen; // whole timeline: 0 to -1
    std::function<void(int track, int kind, int key, int value)> TriggerKey; // preview
    std::function<void()> wiedergabeStoppen;
    std::function<void()> figurenlisteAktualisieren;
};

// mnuNeueShow_Click's part: indices 0 and 1, all zero; marks and the undo history stay.
void neueSequenz(Sequenzer& s);

// The show's sequence file in and out, with the media length of the show and a redraw.
bool LoadSequenz(Sequenzer& s, Umgebung& env, const std::filesystem::path& datei);
bool SaveSequenz(const Sequenzer& s, Umgebung& env, const std::filesystem::path& datei);
// The undo buttons: a step back or forward through the snapshots, then a redraw.
void Undo(Sequenzer& s, Umgebung& env);
void Redo(Sequenzer& s, Umgebung& env);

// Sorts, recomputes the off times and redraws everything: the end of every edit.
void sequenzAbschliessen(Sequenzer& s);

// Dropping figure `figur` at `zeit` on `zeile` (1 to 19) of the shown group. The key table
// maps key indices to figure numbers (empty: no figure). The first key that shows the figure
// is placed as kind 143 with key = value = that key index; a figure no key shows is refused
// with language text 187. Returns whether an event was placed.
bool picSpur_DragDrop(Sequenzer& s, Umgebung& env, std::span<const std::optional<long>> keyTable,
                      long figur, double zeit, int zeile);

// Rubber-band marking on the shown group: every event whose start lies between the two times
// and whose row lies between the two rows (either corner first) joins the marks.
void EventsMarkieren(Sequenzer& s, double x1, int y1, double x2, int y2);
// A click: marks event `index`, or unmarks it when it is marked.
void EventUmschalten(Sequenzer& s, long index);
void markierungZuruecksetzen(Sequenzer& s);

// The clipboard becomes the marked events, in mark order, with their absolute times.
void KopyEvents(Sequenzer& s);
// Pastes the clipboard `offset` milliseconds later with its lowest row (track mod 19) on
// `zielSpur`; the pasted events end up marked. A copy whose track would not fit a byte is
// left out.
void PastEvents(Sequenzer& s, Umgebung& env, double offset, int zielSpur);
// Removes the marked events, keeping the others in order.
void DelEvents(Sequenzer& s, Umgebung& env);
// Copy, then delete.
void CutEvents(Sequenzer& s, Umgebung& env);
// Removes every release event (kind 127).
void NoteOff_Entfernen(Sequenzer& s, Umgebung& env);

// Shifts the marked events, or every event from `cursorZeit` on, by `verschiebung`
// milliseconds (0 does nothing). The marks follow the marked events through the sort.
void eventsVerschieben(Sequenzer& s, Umgebung& env, double verschiebung, bool abCursor);
// The menu commands: ask for the shift (language text 584), then shift.
void mnuEventsVerschieben_Click(Sequenzer& s, Umgebung& env);
void mnuEventsAbZeitpunktVerschieben_Click(Sequenzer& s, Umgebung& env);

// The shift an input box answer means: a number with "." or "," as the decimal separator,
// read as far as it is a number; 0 for anything else.
double verschiebungLesen(const std::string& text);

} // namespace sw
