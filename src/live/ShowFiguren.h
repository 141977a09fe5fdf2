#pragma once
// Which figure and showpart files a show's timeline uses: its key-press events name key
// indices, the key table names list entries, and a showpart the timeline uses brings the
// entries of its own events.

#include "live/KeyTable.h"
#include "show/SequenzEvent.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sw {

// The file names, sorted and without repeats. `eintragName` gives the list entry of a key
// index (empty when the key shows nothing); `showpartEvents` the events of a showpart file
// (empty when it cannot be read).
std::vector<std::string>
benutzteDateien(const EventListe& events, const std::function<std::string(long key)>& eintragName,
                const std::function<EventListe(const std::string& datei)>& showpartEvents);

// In the running program: names from the key table and the figure list.
std::vector<std::string> benutzteDateien(const EventListe& events, const KeyTable& t,
                                         const std::vector<std::string>& lstFiguren,
                                         const std::filesystem::path& showOrdner);

// For a show folder on disk: the ".seq" file's events, the names in the folder's "Key.ord".
// Without a ".seq" nothing is used. When the ".seq" cannot be read, or there is no readable
// "Key.ord" while the timeline presses keys, every figure and showpart file of the folder is
// named, so that nothing the timeline might use is moved.
std::vector<std::string> benutzteDateienImOrdner(const std::filesystem::path& seqDatei);
// The same for events at hand and the "Key.ord" of a folder.
std::vector<std::string> benutzteDateienNachKeyOrd(const EventListe& events,
                                                   const std::filesystem::path& ordner);

} // namespace sw
