#pragma once
// The live window's show files: open, save, new, rename.

#include "live/LiveZustand.h"

#include <filesystem>

namespace sw {

inline constexpr const char* kLiveFilter = "*.live (LiveShow)|*.live";

// LiveShowladen: the file browser shows the file's folder, the record is read (a damaged file
// is refused with a message and the record in memory kept), the options refreshed and the grid
// re-laid out. Returns whether the file was taken.
bool LiveShowladen(LiveKontext& k, const std::filesystem::path& datei);
// ShowSpeichern of the live window: writes the record atomically and updates the recent files.
bool LiveShowSpeichern(LiveKontext& k, const std::filesystem::path& datei);

// The window's commands through the dialogs.
void cmdLiveShowOeffnen_Click(LiveKontext& k);
void cmdLiveShowSpeichern_Click(LiveKontext& k);
void mnuNeueLiveShow_Click(LiveKontext& k);
void lblShowname_Click(LiveKontext& k);

} // namespace sw
