#pragma once
// Start-up and shutdown of the whole program, with the places where windows take part, the
// rescue of undo files left by a run that did not end normally, the document given on the
// command line, automatic loading, window positions and the decimal separator.

#include "app/Programm.h"
#include "devices/Geraeteverwaltung.h"

#include <functional>
#include <optional>
#include <string>

namespace sw {

struct StartHooks {
    // The start window shows the current step's text.
    std::function<void(const std::string& text)> startfenster;
    // The windows load and caption themselves in the current language.
    std::function<void()> fensterLaden;
    std::function<void()> beschriften;
    // Opens a document: a show, playlist, live show or figure (by its ending) or an ".aut" file.
    std::function<void(const std::string& datei)> dokumentOeffnen;
    // The figure folder the figure list shows at start.
    std::string figurenordner;
};

// Runs the start-up steps 1 to 25. `argument` is the command line's argument (a document or a
// ".Laser_ini" settings file). Returns ProgrammBeenden when the operator ended the program in
// an error box.
Fortsetzung Programmstart(Programm& p, std::string argument, StartHooks& hooks);

// Moves undo snapshots of a previous run into DokumentePfad/UndoFiles_Restore/ with the
// extensions ".qvb" and ".seq" and reports the folder; returns how many were rescued.
int undoDateienRetten(Programm& p);

// The orderly end: output stopped, general settings saved, devices closed, temporary and
// restore folders deleted, the log closed.
void Programmende(Programm& p);

// Emulated vendor libraries in place of the missing ones, as STRAHLWERK_EMULATE or the settings
// key "Geraete" of section "Emulation" describe them ("lumax:2,jmlaser:1,riya:1,ml:1").
void emulationEinrichten(Programm& p);

// The first "," becomes "." (or the first "." becomes "," where the system writes ",").
std::string NormalisiereZahl(const std::string& text, char dezimaltrennzeichen);

struct Fensterposition {
    int showCmd = 0;
    int links = 0, oben = 0, rechts = 0, unten = 0;
};
void fensterpositionSpeichern(Programm& p, const std::string& fenster, const Fensterposition& f);
// nullopt when nothing is stored (all four edges 0) or the show state is unknown.
std::optional<Fensterposition> fensterpositionLesen(Programm& p, const std::string& fenster);
void cmdResetFensterpositionen_Click(Programm& p);

} // namespace sw
