#pragma once
// Undo and redo of figure edits through numbered snapshot files ("UndoFigur" + counter +
// ".000" in the temporary folder), each a complete figure file of the current figure.
//
// A new edit after an undo ends the redo branch: redo is disabled and the snapshots above the
// edit's are no longer loaded, so that a redo never brings back a state from a discarded
// branch.

#include "einstellungen/Einstellungen.h"
#include "core/FigurenSpeicher.h"

#include <filesystem>
#include <functional>

namespace sw {

struct UndoZustand {
    long UndoZaehler = 0;
    // Snapshots are written only while this is on (settings key "WriteUndoFiles").
    bool checkWriteUndos = true;
    // The enabled states of the undo and redo commands, as the window shows them.
    bool cmdUndoEnabled = false;
    bool cmdRedoEnabled = false;
    // The folder of the snapshot files (the temporary folder's "Temp" folder).
    std::filesystem::path ordner;
    // The newest snapshot that belongs to the current history.
    long redoGrenze = 0;
    // After undo or redo: the editor returns to its hand tool, the icon window refreshes.
    std::function<void()> nachUndoRedo;

    std::filesystem::path snapshot(long nummer) const;
};

// Records the current figure before an edit changes it, and marks it changed. Undo and redo
// mark the figure they load into as changed too.
void WriteUndo(FigurenSpeicher& s, UndoZustand& u, Umgebung& env);
void cmdUndo_Click(FigurenSpeicher& s, UndoZustand& u, Umgebung& env);
void cmdRedo_Click(FigurenSpeicher& s, UndoZustand& u, Umgebung& env);

// The switch in the settings (section "Sonstiges", key "WriteUndoFiles"), on when absent.
void undoEinstellungLaden(UndoZustand& u, Einstellungen& e);
void undoEinstellungSpeichern(const UndoZustand& u, Einstellungen& e);

} // namespace sw
