#pragma once
// Loading a show and the sequencer's menu entries that open or start one.

#include "show/ShowZustand.h"

#include <string>

namespace sw {

// Loads `<folder><name>.shw` and the media, palette, sequence and show information beside it.
// The show file is read and checked first: a wrong header (text 577) or a broken file leaves
// the program as it was. Returns whether the show file was taken; a second call while a load
// runs returns false at once.
bool ShowLaden(ShowKontext& k, const std::string& name, const std::string& ordner);

// Points the figure list at the folder as the main window's folder browser does: unsaved
// figures are offered for saving first. False when the operator kept the folder shown.
bool showOrdnerZeigen(ShowKontext& k, const std::string& ordner);

// "Open show": the pending recent file or a file dialog, the recent-files list, then
// ShowLaden. Returns whether the show was loaded.
bool mnuShowLaden_Click(ShowKontext& k);

// "New show": media stopped, show options reset, timeline cleared.
void mnuNeueShow_Click(ShowKontext& k);

} // namespace sw
