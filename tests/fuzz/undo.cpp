// Undo loads its snapshots with the figure file loader, from files: the input is the snapshot
// an earlier edit left. Whatever it holds, undo replaces the figure with all of it or leaves the
// figure as it was, and redo brings back exactly the figure from before the undo.

#include "core/Undo.h"
#include "FuzzHilfe.h"
#include "core/QvbFormat.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const fuzz::Ordner ordner("undo");
    static fuzz::TestUmgebung u;
    u.dialoge.meldungen.clear();

    FigurenSpeicher s;
    FigurenErweitern(s, 2);
    s.SpurAuswahl[s.EditorSpur].Figur = 2;
    Figur& figur = s.Figuren[2];
    figur.Frames[0].Punkte.push_back(Punkt{100, -200, 7, 0});
    figur.Parameter[parameter::Reserviert303] = 2.0; // as every save sets it
    const std::string vorher = qvbKodieren(figur);

    UndoZustand undo;
    undo.ordner = ordner.pfad();
    atomarSchreiben(undo.snapshot(1), fuzz::text(daten, groesse));
    undo.UndoZaehler = 1;
    undo.redoGrenze = 1;
    undo.cmdUndoEnabled = true;

    // A snapshot that reads whole replaces the figure; an empty or broken one leaves it.
    std::string erwartet = vorher;
    try {
        if (const auto inhalt = qvbDekodieren(fuzz::text(daten, groesse)))
            erwartet = qvbKodieren(inhalt->figur);
    } catch (const Formatfehler&) {
    }

    cmdUndo_Click(s, undo, u.env);
    fuzz::pruefen(undo.UndoZaehler == 0 && undo.cmdRedoEnabled, "undo stepped back");
    fuzz::pruefen(qvbKodieren(s.Figuren[2]) == erwartet, "undo loads the snapshot whole or not");
    cmdRedo_Click(s, undo, u.env);
    fuzz::pruefen(undo.UndoZaehler == 1, "redo stepped forward");
    fuzz::pruefen(qvbKodieren(s.Figuren[2]) == vorher, "redo restores the figure");
    return 0;
}
