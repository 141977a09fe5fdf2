#include "core/Undo.h"

#include "core/FigurDatei.h"
#include "platform/Fehlerfalle.h"

namespace sw {

namespace {

// Writes the snapshot for the next counter value; `ausEdit` is false when the undo command
// records the present state, which keeps the redo branch.
void undoSchreiben(FigurenSpeicher& s, UndoZustand& u, Umgebung& env, bool ausEdit) {
    if (ausEdit) u.cmdRedoEnabled = false;
    if (!u.checkWriteUndos) {
        if (ausEdit) u.redoGrenze = u.UndoZaehler;
        return;
    }
    mitFehlerfalle(env, " in frmHaupt WriteUndo", Meldeart::Nachricht, [&] {
        u.cmdUndoEnabled = true;
        ++u.UndoZaehler;
        u.redoGrenze = ausEdit ? u.UndoZaehler : std::max(u.redoGrenze, u.UndoZaehler);
        std::error_code ec;
        std::filesystem::create_directories(u.ordner, ec);
        bool schnell = true;
        Speichern(s, env, schnell, u.snapshot(u.UndoZaehler).string());
    });
}

bool figurGewaehlt(const FigurenSpeicher& s) {
    long f = s.SpurAuswahl[s.EditorSpur].Figur;
    return f >= 0 && s.Figuren.enthaelt(f);
}

} // namespace

std::filesystem::path UndoZustand::snapshot(long nummer) const {
    return ordner / ("UndoFigur" + std::to_string(nummer) + ".000");
}

void WriteUndo(FigurenSpeicher& s, UndoZustand& u, Umgebung& env) {
    alsGeaendertMarkieren(s, s.SpurAuswahl[s.EditorSpur].Figur);
    undoSchreiben(s, u, env, true);
}

void cmdUndo_Click(FigurenSpeicher& s, UndoZustand& u, Umgebung& env) {
    if (u.UndoZaehler <= 0) {
        u.cmdUndoEnabled = false;
        return;
    }
    if (!figurGewaehlt(s)) return;
    mitFehlerfalle(
        env, " wurde ausgeloest in Sub cmdUndo_Click frmHaupt von ", Meldeart::Nachricht, [&] {
            undoSchreiben(s, u, env, false);
            env.warten(200);
            --u.UndoZaehler;
            Qvb_Laden(s, env, s.SpurAuswahl[s.EditorSpur].Figur, u.snapshot(u.UndoZaehler));
            alsGeaendertMarkieren(s, s.SpurAuswahl[s.EditorSpur].Figur);
            --u.UndoZaehler;
            if (u.UndoZaehler < 1) u.cmdUndoEnabled = false;
            u.cmdRedoEnabled = true;
        });
    if (u.nachUndoRedo) u.nachUndoRedo();
}

void cmdRedo_Click(FigurenSpeicher& s, UndoZustand& u, Umgebung& env) {
    const long nummer = u.UndoZaehler + 2;
    std::error_code ec;
    if (nummer > u.redoGrenze || !std::filesystem::exists(u.snapshot(nummer), ec)) {
        u.cmdRedoEnabled = false;
        return;
    }
    if (!figurGewaehlt(s)) return;
    Qvb_Laden(s, env, s.SpurAuswahl[s.EditorSpur].Figur, u.snapshot(nummer));
    alsGeaendertMarkieren(s, s.SpurAuswahl[s.EditorSpur].Figur);
    env.warten(200);
    ++u.UndoZaehler;
    u.cmdUndoEnabled = true;
    if (u.nachUndoRedo) u.nachUndoRedo();
}

void undoEinstellungLaden(UndoZustand& u, Einstellungen& e) {
    u.checkWriteUndos = e.zahlLesen("Sonstiges", "WriteUndoFiles", 1, e.IniDateiAktuell) != 0;
}

void undoEinstellungSpeichern(const UndoZustand& u, Einstellungen& e) {
    e.zahlSchreiben("Sonstiges", "WriteUndoFiles", u.checkWriteUndos ? 1 : 0, e.IniDateiAktuell);
}

} // namespace sw
