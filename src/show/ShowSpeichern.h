#pragma once
// Saving a show: the show file, the recent-files list, palette, sequence and show information,
// each file written atomically; and the menu entries that ask for the name.

#include "show/ShowZustand.h"

#include <optional>
#include <string>

namespace sw {

// Writes `<folder><name>.shw`, takes it into the recent-files list, then the palette, the
// sequence and `<folder><name>.info`. An empty folder is the program folder. Returns whether
// every file was written; the first failure is reported and ends the save.
bool ShowSpeichern(ShowKontext& k, const std::string& ordner, const std::string& name);

// The name to save under: `name` itself when it is given and has no umlauts, else asked for
// (text 258) until one is typed; a name the umlaut rule would change is refused with text 1002
// and asked for again. nullopt when cancelled or answered with nothing.
std::optional<std::string> showNameErfragen(ShowKontext& k, std::string name);

// "Save show": asks for a name while the show has none, then saves into the show folder.
bool mnuShowSpeichern_Click(ShowKontext& k);
// "Save show as": always asks for the name, then saves into the same show folder.
bool mnuShowSpeichernUnter_Click(ShowKontext& k);

} // namespace sw
