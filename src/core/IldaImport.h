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
// - The file is read into a new figure and a list of palette changes; figure 0 is replaced
//   and the palette changes applied only when at least one frame was read, so that an import
//   that reads nothing changes nothing. Replacing figure 0 selects it on the editor track and
//   runs "new figure" first, whose undo snapshot makes the import one undo step.
// - Indexed records (formats 0 and 1) before any palette section of the file refer to the ILDA
//   standard palette. Unless the current table is the ILDA one (`istIldaFarbtabelle`), the
//   import asks once (text 1940, default Yes) whether to take their colours from it: Yes stores
//   the 12-bit index of the standard colour (`FarbIndexAusRGB`; indices 64 and above, which the
//   standard leaves open, become 0, dark as in the shipped ILDA table), No keeps the indices.
//   Indexed records after a palette section keep their indices: they refer to that palette.
//   Sections written by our own export (its identification text in the header) keep their
//   indices too: they are indices of our tables, so a file round-trips unchanged.

#include "core/Farbpalette.h"
#include "core/FigurenSpeicher.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace sw {

struct IldaImportErgebnis {
    bool geoeffnet = false;    // the file could be read at all
    long frames = 0;           // frames read into figure 0; 0 leaves figure 0 as it was
    bool vollstaendig = false; // read to its end (or its end-of-file marker) without a fault
    std::string problem;       // why not, as a sentence
};

// What the colour indices of formats 0 and 1 become when the current table is not the ILDA one.
enum class IldaIndexFarben {
    Fragen,          // ask (text 1940, default Yes)
    Standardpalette, // the colours of the ILDA standard palette, as Yes
    Index,           // the indices as they are, as No
};

// Imports the bytes of an ILDA file into figure 0 (rules above).
IldaImportErgebnis IldaLesen(FigurenSpeicher& s, Paletten& p, Umgebung& env, std::string_view bytes,
                             const std::function<void(double anteil)>& fortschritt = {},
                             IldaIndexFarben indexFarben = IldaIndexFarben::Fragen);

// Reads the file and imports it with IldaLesen; a file that cannot be read changes nothing.
IldaImportErgebnis IldaLaden(FigurenSpeicher& s, Paletten& p, Umgebung& env,
                             const std::filesystem::path& Dateiname,
                             const std::function<void(double anteil)>& fortschritt = {},
                             IldaIndexFarben indexFarben = IldaIndexFarben::Fragen);

// The import command: the open dialog, then IldaLaden. An empty answer imports nothing. The
// chosen name is kept in `IldaDateiname`.
IldaImportErgebnis cmdImportIlda_Click(FigurenSpeicher& s, Paletten& p, Umgebung& env,
                                       std::string& IldaDateiname);

// The import of a file named without the dialog (the folder browser's ILDA entries): asks first
// about unsaved changes of figure 0, which the import replaces (Cancel imports nothing and
// leaves `geoeffnet` false), keeps the name in `IldaDateiname` and marks figure 0 changed when
// a frame was read, since the imported figure has no file of its own yet.
IldaImportErgebnis IldaDateiImportieren(FigurenSpeicher& s, Paletten& p, Umgebung& env,
                                        std::string& IldaDateiname,
                                        const std::filesystem::path& Dateiname);

} // namespace sw
