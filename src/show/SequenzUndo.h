#pragma once
// Undo and redo of timeline edits through numbered snapshots ("UndoSequenz" + counter +
// ".000" in the temporary folder), each a complete sequence file. As with the figure undo, a
// new edit after an undo ends the redo branch.

#include "platform/Umgebung.h"
#include "show/SequenzEvent.h"

#include <filesystem>

namespace sw {

struct SequenzUndo {
    long zaehler = 0;
    long redoGrenze = 0;          // the newest snapshot of the current history
    std::filesystem::path ordner; // the program's temporary folder
    // cmdDo(3) and its redo neighbour, as the window shows them.
    bool undoEnabled = false;
    bool redoEnabled = false;

    std::filesystem::path snapshot(long nummer) const;
};

// Records the whole list before an edit changes it.
void WriteUndo(const EventListe& events, SequenzUndo& u, Umgebung& env);
// Back to the state before the last edit, and forward again. `medienlaenge` serves the off
// times of the loaded list.
void Undo(EventListe& events, SequenzUndo& u, Umgebung& env, double medienlaenge);
void Redo(EventListe& events, SequenzUndo& u, Umgebung& env, double medienlaenge);

} // namespace sw
