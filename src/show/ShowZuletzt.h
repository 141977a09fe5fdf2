#pragma once
// The recent-files list of the sequencer window: ten full paths of shows, playlists and live
// shows, the newest first, kept in the settings under "LastFiles", "LastFile(0)" to
// "LastFile(9)". An unused entry is " ".

#include "show/ShowZustand.h"

#include <string>
#include <utility>
#include <vector>

namespace sw {

// Reads the ten entries; an absent or empty key gives " ".
void zuletztGeoeffneteLaden(ShowKontext& k);
// A path not yet in the list becomes entry 0, the others move down one place (entry 9 falls
// off) and all ten are written. A path already in the list leaves it unchanged. Returns
// whether the list changed.
bool zuletztGeoeffneteAufnehmen(ShowKontext& k, const std::string& pfad);
// Removes an entry: the later ones move up, the last becomes " ", the list is written.
void zuletztGeoeffneteEntfernen(ShowKontext& k, int index);
// The menu: (index, caption = file name after the last separator) per used entry.
std::vector<std::pair<int, std::string>> zuletztGeoeffneteMenue(const ShowZustand& s);

// Opens entry `index`: a show through mnuShowLaden_Click (a show that cannot be opened is
// removed from the list), a playlist or a live show through their windows.
void mnuZuletztGeoeffnete_Click(ShowKontext& k, int index);

} // namespace sw
