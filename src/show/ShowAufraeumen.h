#pragma once
// Which files of a folder belong to the show, and cleaning a show folder: the files that do not
// belong are listed, confirmed once and moved into the trash (the freedesktop.org trash of the
// user's data folder, else a "Geloescht" folder inside the show folder), so a mistake can be
// undone.

#include "show/ShowZustand.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sw {

// True when the file name contains a media, figure, showpart, DMX or mapping extension,
// "[INFO].txt", "Key.ord", or the show's own ".info", ".shw", ".seq" or ".qvp" (tested in that
// order); a name with the show's ".bmp" does not belong; then the show's ".Laser_ini" and
// ".live" and any ".pll" do. Case counts.
bool DateiGehoertZurShow(const std::string& datei, const std::string& showname);

// The files of the folder the clean-up would move, by name, sorted: figures and showparts no
// event uses (`benutzt`; nullopt keeps them all), and every other file that does not belong.
std::vector<std::string> unbenutzteDateien(const std::filesystem::path& ordner,
                                           const std::string& showname,
                                           const std::optional<std::vector<std::string>>& benutzt);

// The user's trash ("$XDG_DATA_HOME/Trash", else "~/.local/share/Trash") when the data folder
// exists; its "files" and "info" folders are created when missing.
std::optional<std::filesystem::path> xdgPapierkorb();

struct Verschoben {
    std::vector<std::string> inPapierkorb;   // file names moved into the trash
    std::vector<std::string> inGeloescht;    // moved into the show folder's "Geloescht"
    std::vector<std::string> fehlgeschlagen; // left where they were
};

// Moves the folder's files into the trash (with a ".trashinfo" naming where each came from and
// when) or, without one or across file systems, into "<ordner>/Geloescht". A name already taken
// there gets a number.
Verschoben inPapierkorbVerschieben(const std::filesystem::path& ordner,
                                   const std::vector<std::string>& dateien,
                                   const std::optional<std::filesystem::path>& papierkorb,
                                   std::chrono::system_clock::time_point jetzt);

// Cleaning the show folder: asks once with the list of files, moves them, reloads the figure
// list and reports the count. Returns the number of files moved.
int mnuDelUnbenutzeFiguren_Click(ShowKontext& k);

} // namespace sw
