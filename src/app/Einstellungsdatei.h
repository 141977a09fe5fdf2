#pragma once
// The settings file as a whole: saving the options in their section order, saving the general
// settings at every program end, loading everything in its groups with the log's header lines,
// export and import, the program version record and the file's location.

#include "app/Programm.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace sw {

// A command-line argument ending in exactly ".Laser_ini" or ".laser_ini" names the settings
// file for this run and is used up; otherwise the file is ProgrammDatenPfad + "strahlwerk.ini".
std::string IniPfadBestimmen(const Pfade& p, std::string& argument);

// Both saves collect their keys in memory and write the file once; false (after the trapped
// error's report) when it could not be written, the file is then as it was.
bool INI_Speichern(Programm& p, std::string* problem = nullptr);
bool Speichere_AllgemeineEinstellungen(Programm& p);
void IniLaden(Programm& p);

// Whether the text holds bytes below 32 other than tab, CR and LF: then it is no settings file.
bool enthaeltBinaerdaten(std::string_view inhalt);

// Why the text is no settings file to import, or "" when it is one: it is empty, holds binary
// data (bytes below 32 other than tab, CR and LF), or has no section of the program's
// settings with a key in it.
std::string einstellungsdateiPruefen(const Einstellungsmodell& m, std::string_view inhalt);

// Export and import through IniDateiAktuell; false (with the error message, and the reason
// in `problem` when given) on failure. The import reads its file and never writes it; a file
// that is no settings file changes nothing.
bool einstellungenExportieren(Programm& p, const std::string& datei,
                              std::string* problem = nullptr);
bool einstellungenImportieren(Programm& p, const std::string& datei,
                              std::string* problem = nullptr);
// The import of a settings file's text, without a file.
bool einstellungenImportierenAusInhalt(Programm& p, std::string_view inhalt, std::string& problem);
// The options window's buttons: a file dialog, then export or import.
bool cmdExportINI_Click(Programm& p);
bool cmdImportINI_Click(Programm& p);

// Compares the stored version text with the program's; after a new installation it writes the
// version and copies the sample folders into the user data folder.
void programmVersionPruefen(Programm& p);

} // namespace sw
