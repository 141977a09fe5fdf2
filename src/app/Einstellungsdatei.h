#pragma once
// The settings file as a whole: saving the options in their section order, saving the general
// settings at every program end, loading everything in its groups with the log's header lines,
// export and import, the program version record and the file's location.

#include "app/Programm.h"

#include <filesystem>
#include <string>

namespace sw {

// A command-line argument ending in exactly ".Laser_ini" or ".laser_ini" names the settings
// file for this run and is used up; otherwise the file is ProgrammDatenPfad + "strahlwerk.ini".
std::string IniPfadBestimmen(const Pfade& p, std::string& argument);

void INI_Speichern(Programm& p);
void Speichere_AllgemeineEinstellungen(Programm& p);
void IniLaden(Programm& p);

// Export and import through IniDateiAktuell; false (with the error message) on failure.
bool einstellungenExportieren(Programm& p, const std::string& datei);
bool einstellungenImportieren(Programm& p, const std::string& datei);
// The options window's buttons: a file dialog, then export or import.
bool cmdExportINI_Click(Programm& p);
bool cmdImportINI_Click(Programm& p);

// Compares the stored version text with the program's; after a new installation it writes the
// version and copies the sample folders into the user data folder.
void programmVersionPruefen(Programm& p);

} // namespace sw
