#pragma once
// Loading a figure file into a slot of the figure table, and saving the current figure.

#include "core/FigurenSpeicher.h"

#include <filesystem>
#include <string>

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
// reported with the loader's error text.
QvbLadeErgebnis Qvb_Laden(FigurenSpeicher& s, Umgebung& env, long Figurnummer,
                          const std::filesystem::path& Dateiname);

// Saves the current figure as version 11. `SchnellSpeichern` saves without a dialog under
// `Dateiname` (or, when that is empty and a folder figure is current, under its list name);
// the writer clears it when it has to ask again. A name containing "Undo" is an undo
// snapshot: no dialog, no name check and no list refresh. Returns whether a file was written.
// The file is replaced atomically: a failed save leaves the previous file intact, and
// `fehlergrund`, when given, receives why it failed.
bool Speichern(FigurenSpeicher& s, Umgebung& env, bool& SchnellSpeichern,
               const std::string& Dateiname, std::string* fehlergrund = nullptr);

} // namespace sw
