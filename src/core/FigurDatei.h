#pragma once
// Loading a figure file into a slot of the figure table, and saving the current figure.

#include "core/FigurenSpeicher.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sw {

struct QvbLadeErgebnis {
    enum class Art { Geladen, Leer, Fehler };
    Art art = Art::Fehler;
    int version = 0;
    std::string grund; // for Fehler: what is wrong with the file, as a sentence
};

// Loads the file into Figuren(Figurnummer), enlarging the table with fresh slots when the
// index lies above it. The slot is replaced only when the whole file was read: an empty file
// (version byte 0) leaves it as it was, and so does a truncated or corrupt one, which is
// reported with the loader's error text. A loaded slot counts as unchanged.
QvbLadeErgebnis Qvb_Laden(FigurenSpeicher& s, Umgebung& env, long Figurnummer,
                          const std::filesystem::path& Dateiname);

// Saves the current figure as version 11. `SchnellSpeichern` saves without a dialog under
// `Dateiname` (or, when that is empty and a folder figure is current, under its list name);
// the writer clears it when it has to ask again. A name from the dialog gets the ending
// ".qvb" when it has none. A name containing "Undo" is an undo snapshot: no dialog, no name
// check and no list update. Returns whether a file was written. The file is replaced
// atomically: a failed save leaves the previous file intact, and `fehlergrund`, when given,
// receives why it failed.
//
// After a save into the shown folder under another figure's name or a new one, that figure
// of the list holds the saved state (a new file is put into the list in its sorted place),
// the editor track shows it, and the figure it came from goes back to its own file (the
// scratch figure to an empty new figure). A saved figure counts as unchanged, except a folder
// figure saved somewhere else, whose own file still lacks the change.
bool Speichern(FigurenSpeicher& s, Umgebung& env, bool& SchnellSpeichern,
               const std::string& Dateiname, std::string* fehlergrund = nullptr);
// The same for figure `figurNr`, whichever figure the editor track shows.
bool figurSpeichern(FigurenSpeicher& s, Umgebung& env, long figurNr, bool& SchnellSpeichern,
                    const std::string& Dateiname, std::string* fehlergrund = nullptr);

// Before changes would be thrown away (quitting, another folder, a new figure or an import
// over figure 0): asks for each changed figure among `figuren` whether to save it (Yes, a
// quick save; figure 0 through the save dialog), to discard the change (No) or to stop
// (Cancel, the default). Returns true when the caller may go on: false after Cancel and after
// a save that did not happen. Folder figures are asked about before figure 0, since saving
// figure 0 into the folder moves the figures behind its new place.
bool aenderungenSichernFragen(FigurenSpeicher& s, Umgebung& env, std::vector<long> figuren);

// Whether two paths name the same folder.
bool gleicherOrdner(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace sw
