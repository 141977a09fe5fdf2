#pragma once
// The figure table and what selects from it: `Figuren` from `FigurenUntergrenze` (test
// pictures and fixed figures below -3, the scratch figure 0, the current folder's figures
// from 1), the track selections, and the figure list of the main window as data.

#include "core/Figur.h"
#include "platform/LBArray.h"
#include "platform/Umgebung.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace sw {

// Output tracks 0 to 11; the selections also hold track -1.
inline constexpr int kSpurZahl = 12;

struct SpurAuswahlEintrag {
    std::int16_t Figur = -1;
    std::int16_t Frame = 0;
    double Zeitpunkt = 0; // program time in ms when the figure was selected
};

struct ShowpartAuswahlEintrag {
    std::int16_t Showpart = -1;
    double Zeitpunkt = 0;
};

// Kinds of lstFiguren entries.
namespace listentyp {
inline constexpr std::int16_t Figur = 0;
inline constexpr std::int16_t Showpart = 1;
} // namespace listentyp

// Where other parts of the program join in; each may stay empty.
struct FigurenHooks {
    // Before "new figure" changes figure 0: records an undo snapshot.
    std::function<void()> undoSchreiben;
    // After a folder's lists are built: reads its key order and mapping files.
    std::function<void(const std::filesystem::path& ordner)> tastenbelegungLesen;
    // Progress of loading a folder's figures.
    std::function<void(std::size_t geladen, std::size_t gesamt)> fortschritt;
};

struct FigurenSpeicher {
    FigurenSpeicher();

    LBArray<Figur> Figuren;
    long FigurenUntergrenze = -3;
    LBArray<SpurAuswahlEintrag> SpurAuswahl;
    LBArray<ShowpartAuswahlEintrag> ShowpartAuswahl;
    std::uint8_t EditorSpur = 0;

    // The main window's folder (lstDir) and lists, as data the window shows.
    std::filesystem::path lstDirPfad;
    std::vector<std::string> lstFiguren;
    std::vector<std::int16_t> Listentyp;   // one per lstFiguren entry
    std::vector<std::string> FigurDateien; // 1-based; element 0 unused
    std::vector<std::string> lstMakros;
    std::vector<std::string> lstNoteOffFigur;
    long FrameBalkenMax = 0;

    FigurenHooks hooks;

    // Figures changed since they were loaded or saved, by slot (drawing, frame operations,
    // undo and redo, imports); and those of them whose crash copy does not hold their newest
    // state yet. `AbsturzkopienVeraltet` says that the crash copies on disk no longer match
    // the changed figures (one was changed, saved, discarded or moved to another slot).
    std::set<long> Geaendert;
    std::set<long> OhneAbsturzkopie;
    bool AbsturzkopienVeraltet = false;

    // The figure and frame on the editor track. Valid only while a figure is selected.
    Figur& aktuelleFigur() { return Figuren.at(SpurAuswahl[EditorSpur].Figur); }
    Frame& aktuellerFrame();
};

// Upper bound of the frame's points as a 16-bit value; 0 when either argument is -1.
std::int16_t Funktion_Punktzahl(const FigurenSpeicher& s, long NFigur, long NFrame);

// Resizes the current frame to upper bound + anzahl, keeping its points (anzahl may be
// negative). Refused with error 9 when the frame would lose its point 0.
void UboundChange(FigurenSpeicher& s, long anzahl);

// Sets the frame scroll bar's maximum to the current figure's frame upper bound; a bound the
// bar cannot show gives "To many frames in figure" and leaves it unchanged.
void FrameBalkenAktualisieren(FigurenSpeicher& s, Umgebung& env);

// "New figure": figure 0 on the editor track, undo snapshot of it (so that undo brings back
// what figure 0 held), reset to one frame of one point. The empty figure counts as unchanged.
void cmdNeu_Click(FigurenSpeicher& s);

// Selecting entry k of lstFiguren at the given program time (ms).
void lstFiguren_Click(FigurenSpeicher& s, long k, double zeitpunktMs);

// Enlarges `Figuren` (keeping its content) so that it ends at `obergrenze`; new slots are
// fresh, unchanged figures.
void FigurenErweitern(FigurenSpeicher& s, long obergrenze);

// The changed marks of a slot. Marking a slot changed also makes its crash copy outdated.
void alsGeaendertMarkieren(FigurenSpeicher& s, long figur);
void alsUnveraendertMarkieren(FigurenSpeicher& s, long figur);
bool istGeaendert(const FigurenSpeicher& s, long figur);
// The changed figures that exist in the table, ascending.
std::vector<long> geaenderteFiguren(const FigurenSpeicher& s);
// Forgets every change mark: the folder change replaces the figures.
void aenderungenVergessen(FigurenSpeicher& s);

// The name a figure has in lstFiguren ("***Figur 0***" for the scratch figure).
std::string figurName(const FigurenSpeicher& s, long figur);

// Puts a figure of the shown folder into the list under `name`, in the list's sorted order
// among the figure files, and into the slot of that list index. Slots, changed marks, track
// and show-part selections at and above it move up by one. Returns the new slot.
long figurEinreihen(FigurenSpeicher& s, const std::string& name, Figur figur);

} // namespace sw
