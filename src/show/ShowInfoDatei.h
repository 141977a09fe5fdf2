#pragma once
// The show information's files: "<Name>.info" beside the show, the folder's free text
// "[INFO].txt", and the default record "Standard.info" in the program's data folder.

#include "show/ShowZustand.h"

#include <string>

namespace sw {

// Loads the show information `<folder><datei>` and the folder's "[INFO].txt" into the window's
// state. A missing file is no error; a broken one is reported and the window keeps what it
// showed. Returns whether a record was read. Tells the window (`showInfoGeladen`) unless the
// record was broken.
bool LadeShowInfo(ShowKontext& k, const std::string& ordner, const std::string& datei);
// Writes the record atomically; Laufzeitfehler 75 (or 6 for an oversized text) on failure.
void showInfoSchreiben(const ShowInfo& info, const std::string& datei);
// ShowInfos_Clear: an empty record.
void ShowInfos_Clear(ShowZustand& show);

// cmdAlsStandardSpeichern and cmdStandardLaden; the latter reports a missing file as
// "Fehler # file <name> not found".
bool cmdAlsStandardSpeichern_Click(ShowKontext& k);
bool cmdStandardLaden_Click(ShowKontext& k);

// cmd_bernehmen: takes the window's values and offers to save the show with them.
void cmd_bernehmen_Click(ShowKontext& k, const ShowInfo& ausDemFenster);

} // namespace sw
