#pragma once
// Importing an ILDA file into figure 0: picture sections (formats 0, 1, 4, 5) become frames,
// palette sections (2) go into the colour table, true-colour tables (3) colour the frame that
// follows them.
//
// Choices where the format leaves room:
// - 3-D records: asked once per import (text 91, default Cancel) whether X and Y are divided by
//   Z; Cancel ignores Z (a parallel projection), OK divides every 3-D record with a Z other
//   than 0. A Z of 0 never divides.
// - Palette sections: record 0 is not taken, so that entry 0 stays black (it is the dark
//   colour of every figure); records 1 to 254 are taken, 255 and above are not.
// - A section header with no records is the end-of-file marker: it ends the import.
// - A last point inside a section ends the frame; the section's remaining records are
//   skipped, so the next section is read in step.
// - A section that announces more records than the file holds ends the import; the frames
//   read before it stay, and the truncation is reported.

#include "core/Farbpalette.h"
#include "core/FigurenSpeicher.h"

#include <filesystem>
#include <functional>
#include <string>

namespace sw {

struct IldaImportErgebnis {
    bool geoeffnet = false;    // the file could be read at all
    long frames = 0;           // frames in figure 0 afterwards
    bool vollstaendig = false; // read to its end (or its end-of-file marker) without a fault
    std::string problem;       // why not, as a sentence
};

IldaImportErgebnis IldaLaden(FigurenSpeicher& s, Paletten& p, Umgebung& env,
                             const std::filesystem::path& Dateiname,
                             const std::function<void(double anteil)>& fortschritt = {});

// The import command: "new figure", the open dialog, then IldaLaden. An empty answer imports
// nothing. The chosen name is kept in `IldaDateiname`.
IldaImportErgebnis cmdImportIlda_Click(FigurenSpeicher& s, Paletten& p, Umgebung& env,
                                       std::string& IldaDateiname);

} // namespace sw
