#pragma once
// Start-up and shutdown of the whole program, with the places where windows take part, the
// rescue of undo files left by a run that did not end normally, the document given on the
// command line, automatic loading, window positions and the decimal separator.

#include "app/Programm.h"
#include "devices/Geraeteverwaltung.h"

#include <filesystem>
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

// Where the running program keeps the crash copies of its changed figures
// (ProgrammDatenPfad/Absturzkopien/), and the rescue folder (DokumentePfad/UndoFiles_Restore/).
std::filesystem::path absturzkopienOrdner(const Pfade& pfade);
std::filesystem::path rettungsordner(const Pfade& pfade);

// Moves what a run that did not end normally left behind, its undo snapshots (with the
// extensions ".qvb" and ".seq") and the crash copies of its changed figures, into a folder of
// its own inside the rescue folder, named after the time of its newest file. When no crash
// copy came, the operator is told the folder at once; crash copies are offered by
// `gerettetAnbieten`. Returns that folder, or an empty path when nothing was left behind.
std::filesystem::path undoDateienRetten(Programm& p);

// Offers the rescued figures of every folder in the rescue folder that holds crash copies,
// newest first, by name and time. Yes puts them back as changed figures: into their slots of
// the shown folder (which changes to their folder first while nothing is changed), the
// scratch figure and a figure whose file is gone into figure 0 while it is unchanged. No
// discards them, Cancel keeps them for the next start. A rescue folder is deleted once its
// figures were all put back or discarded, and never otherwise. `neu` is the folder this start
// rescued (its message begins with the notice that the last run did not end normally).
void gerettetAnbieten(Programm& p, const std::filesystem::path& neu);

// The orderly end: output stopped, general settings saved, devices closed, the temporary
// folder and the crash copies deleted (the operator has saved or discarded every change), the
// rescue folder deleted when nothing is left in it, the log closed.
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
