#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "core/Farbpalette.h"
#include "core/IldaExport.h"
#include "core/IldaImport.h"

#include <iostream>

namespace sw::cli {

void befehlConvert(const std::string& eingabe, const std::string& ausgabe, int ildaFormat,
                   const std::string& ildaFarben) {
    CliUmgebung u;
    FigurenSpeicher speicher;
    Paletten paletten;
    if (hatEndung(eingabe, ".ild") && hatEndung(ausgabe, ".qvb")) {
        // a missing or unreadable file gets its own sentence
        const std::string bytes = eingabeLesen(eingabe);
        if (bytes.empty())
            throw CliFehler(eingabe + ": the ILDA file is empty; nothing was written.");
        const auto indexFarben =
            ildaFarben == "index" ? IldaIndexFarben::Index : IldaIndexFarben::Standardpalette;
        auto ergebnis = IldaLesen(speicher, paletten, u.env, bytes, {}, indexFarben);
        if (!ergebnis.vollstaendig)
            throw CliFehler(eingabe + ": " + ergebnis.problem + "; nothing was written.");
        if (ergebnis.frames == 0)
            throw CliFehler(eingabe + ": the ILDA file holds no frames; nothing was written.");
        figurSchreiben(speicher, u, ausgabe);
        std::cout << "imported " << ergebnis.frames << " frames from " << eingabe << " into "
                  << ausgabe << "\n";
    } else if (hatEndung(eingabe, ".qvb") && hatEndung(ausgabe, ".ild")) {
        figurBearbeiten(speicher, u, eingabe);
        std::string grund;
        if (!IldaSpeichern(speicher, paletten, u.env, ausgabe, false, ildaFormat, &grund))
            throw CliFehler(ausgabe + ": the ILDA file cannot be written (" + grund + ").");
        std::cout << "exported " << eingabe << " to " << ausgabe << " (kind " << ildaFormat
                  << ")\n";
    } else {
        throw CliFehler("convert reads an ILDA file (.ild) into a figure file (.qvb) or a figure "
                        "file into an ILDA file; \"" +
                        eingabe + "\" to \"" + ausgabe + "\" is neither.");
    }
}

} // namespace sw::cli
