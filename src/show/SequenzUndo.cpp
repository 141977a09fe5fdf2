#include "show/SequenzUndo.h"

#include "show/SequenzDatei.h"

#include <algorithm>

namespace sw {

namespace {

// `ausEdit` is false when undo records the present state, which keeps the redo branch.
bool schreiben(const EventListe& events, SequenzUndo& u, Umgebung& env, bool ausEdit) {
    std::error_code ec;
    std::filesystem::create_directories(u.ordner, ec);
    if (!SaveSequenz(events, env, u.snapshot(u.zaehler + 1))) return false;
    ++u.zaehler;
    u.redoGrenze = ausEdit ? u.zaehler : std::max(u.redoGrenze, u.zaehler);
    if (ausEdit) u.redoEnabled = false;
    u.undoEnabled = true;
    return true;
}

} // namespace

std::filesystem::path SequenzUndo::snapshot(long nummer) const {
    return ordner / ("UndoSequenz" + std::to_string(nummer) + ".000");
}

void WriteUndo(const EventListe& events, SequenzUndo& u, Umgebung& env) {
    schreiben(events, u, env, true);
}

void Undo(EventListe& events, SequenzUndo& u, Umgebung& env, double medienlaenge) {
    if (u.zaehler <= 0) {
        u.undoEnabled = false;
        return;
    }
    // The present state goes above the snapshot we return to, so that redo finds it.
    if (!schreiben(events, u, env, false)) return;
    --u.zaehler;
    LoadSequenz(events, env, u.snapshot(u.zaehler), medienlaenge);
    --u.zaehler;
    u.undoEnabled = u.zaehler >= 1;
    u.redoEnabled = true;
}

void Redo(EventListe& events, SequenzUndo& u, Umgebung& env, double medienlaenge) {
    const long nummer = u.zaehler + 2;
    std::error_code ec;
    if (nummer > u.redoGrenze || !std::filesystem::exists(u.snapshot(nummer), ec)) {
        u.redoEnabled = false;
        return;
    }
    if (!LoadSequenz(events, env, u.snapshot(nummer), medienlaenge)) return;
    ++u.zaehler;
    u.undoEnabled = true;
    u.redoEnabled = u.zaehler + 2 <= u.redoGrenze;
}

} // namespace sw
