#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"
#include "core/FigurDatei.h"
#include "platform/Text.h"

#include <filesystem>
#include <iostream>

namespace sw::cli {

void befehlUpgrade(const std::string& eingabe, const std::string& ausgabe) {
    CliUmgebung u;
    FigurenSpeicher speicher;
    auto ergebnis = Qvb_Laden(speicher, u.env, 1, eingabe);
    if (ergebnis.art == QvbLadeErgebnis::Art::Fehler)
        throw CliFehler(eingabe + ": " + ergebnis.grund + ".");
    if (ergebnis.art == QvbLadeErgebnis::Art::Leer)
        throw CliFehler(eingabe + ": the figure file is empty (version byte 0); nothing to write.");

    const auto name = std::filesystem::path(ausgabe).filename().string();
    if (umlauteErsetzen(name) != name)
        throw CliFehler(ausgabe + ": figure file names may not contain umlauts or \"ß\"; use \"" +
                        umlauteErsetzen(name) + "\".");

    speicher.SpurAuswahl[speicher.EditorSpur].Figur = 1;
    bool schnell = true;
    std::string grund;
    if (!Speichern(speicher, u.env, schnell, ausgabe, &grund))
        throw CliFehler(ausgabe + ": the file cannot be written (" + grund + ").");
    std::cout << "upgraded " << eingabe << " (version " << ergebnis.version << ") to " << ausgabe
              << "\n";
}

} // namespace sw::cli
