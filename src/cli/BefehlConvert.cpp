#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "core/Farbpalette.h"
#include "core/IldaExport.h"
#include "core/IldaImport.h"

#include <iostream>

namespace sw::cli {

int artFuerIldaFormat(int format) {
    if (format == 1) return 3;
    if (format == 5) return 5;
    throw CliFehler("ILDA format " + std::to_string(format) +
                    " (3-D frames) is not written; the export writes format 1 (indexed 2-D "
                    "frames, as --kind 3) and format 5 (true-colour 2-D frames, as --kind 5); "
                    "nothing was written.");
}

void befehlConvert(const std::string& eingabe, const std::string& ausgabe, std::optional<int> art,
                   std::optional<int> ildaFormat, const std::string& ildaFarben) {
    CliUmgebung u;
    FigurenSpeicher speicher;
    Paletten paletten;
    if (hatEndung(eingabe, ".ild") && hatEndung(ausgabe, ".qvb")) {
        // a missing or unreadable file gets its own sentence
        const Speicherblock bytes = eingabeBlockLesen(eingabe);
        if (bytes.groesse() == 0)
            throw CliFehler(eingabe + ": the ILDA file is empty; nothing was written.");
        const auto indexFarben =
            ildaFarben == "index" ? IldaIndexFarben::Index : IldaIndexFarben::Standardpalette;
        auto ergebnis = IldaLesen(speicher, paletten, u.env, bytes.ansicht(), {}, indexFarben);
        if (!ergebnis.vollstaendig)
            throw CliFehler(eingabe + ": " + ergebnis.problem + "; nothing was written.");
        if (ergebnis.frames == 0)
            throw CliFehler(eingabe + ": the ILDA file holds no frames; nothing was written.");
        figurSchreiben(speicher, u, ausgabe);
        std::cout << "imported " << ergebnis.frames << " frames from " << eingabe << " into "
                  << ausgabe << "\n";
    } else if (hatEndung(eingabe, ".qvb") && hatEndung(ausgabe, ".ild")) {
        const int kind = ildaFormat ? artFuerIldaFormat(*ildaFormat) : art.value_or(5);
        figurBearbeiten(speicher, u, eingabe);
        std::string grund;
        if (!IldaSpeichern(speicher, paletten, u.env, ausgabe, false, kind, &grund))
            throw CliFehler(ausgabe + ": the ILDA file cannot be written (" + grund + ").");
        std::cout << "exported " << eingabe << " to " << ausgabe << " (kind " << kind << ")\n";
    } else {
        throw CliFehler("convert reads an ILDA file (.ild) into a figure file (.qvb) or a figure "
                        "file into an ILDA file; \"" +
                        eingabe + "\" to \"" + ausgabe + "\" is neither.");
    }
}

} // namespace sw::cli
