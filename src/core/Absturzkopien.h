#pragma once
// Crash copies: the newest state of every changed figure, kept in a folder of its own so that
// a run that ends abnormally loses no edit (an undo snapshot holds the state before an edit,
// not after it). For each changed slot k the folder holds "Figur<k>.qvb", an ordinary figure
// file, and "Figur<k>.txt", two lines: the figure's list name and its figure file's full path
// (empty for the scratch figure), as UTF-8.
//
// The writer is called a moment after the edits (the window debounces it), never on the
// drawing path; each file is replaced atomically.

#include "core/FigurenSpeicher.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sw {

struct Absturzkopie {
    long figur = 0;                       // the slot it was taken from
    std::string name;                     // the figure's list name
    std::filesystem::path datei;          // its figure file; empty for figure 0
    std::filesystem::path kopie;          // the crash copy
    std::filesystem::file_time_type zeit; // when it was written
};

// Writes the copies of the changed figures whose copy is outdated and removes those of
// figures that are no longer changed. Errors are logged; the copies written stay.
void absturzkopienSchreiben(FigurenSpeicher& s, Umgebung& env, const std::filesystem::path& ordner);

// The crash copies in a folder, by slot.
std::vector<Absturzkopie> absturzkopienLesen(const std::filesystem::path& ordner);

// "2026-12-06 21:14:03", local time.
std::string zeitText(std::filesystem::file_time_type zeit);

} // namespace sw
