#include "cli/Dateien.h"

#include "core/FigurDatei.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

#include <filesystem>

namespace sw::cli {

namespace {

template <typename Lesen> auto eingabe(const std::string& datei, Lesen lesen) {
    try {
        return lesen(datei);
    } catch (const Laufzeitfehler& e) {
        if (e.nummer() == fehlernummer::DateiNichtGefunden)
            throw CliFehler(datei + ": the file does not exist.");
        std::error_code ec;
        if (std::filesystem::is_directory(datei, ec))
            throw CliFehler(datei + ": it is a folder, not a file.");
        throw CliFehler(datei + ": the file cannot be read (" + e.what() + ").");
    }
}

} // namespace

std::string eingabeLesen(const std::string& datei) {
    return eingabe(datei, [](const std::string& d) { return dateiLesen(d); });
}

Speicherblock eingabeBlockLesen(const std::string& datei) {
    return eingabe(datei, [](const std::string& d) { return dateiBlockLesen(d); });
}

void figurLaden(FigurenSpeicher& s, CliUmgebung& u, const std::string& datei) {
    auto ergebnis = Qvb_Laden(s, u.env, 1, datei);
    if (ergebnis.art == QvbLadeErgebnis::Art::Fehler)
        throw CliFehler(datei + ": " + ergebnis.grund + ".");
    if (ergebnis.art == QvbLadeErgebnis::Art::Leer)
        throw CliFehler(datei + ": the figure file is empty (version byte 0).");
}

void figurBearbeiten(FigurenSpeicher& s, CliUmgebung& u, const std::string& datei) {
    figurLaden(s, u, datei);
    s.SpurAuswahl[s.EditorSpur].Figur = 1;
    s.SpurAuswahl[s.EditorSpur].Frame = 0;
}

void figurSchreiben(FigurenSpeicher& s, CliUmgebung& u, const std::string& datei) {
    const auto name = std::filesystem::path(datei).filename().string();
    if (umlauteErsetzen(name) != name)
        throw CliFehler(datei + ": figure file names may not contain umlauts or \"ß\"; use \"" +
                        umlauteErsetzen(name) + "\".");
    bool schnell = true;
    std::string grund;
    if (!Speichern(s, u.env, schnell, datei, &grund))
        throw CliFehler(datei + ": the file cannot be written (" + grund + ").");
}

bool hatEndung(const std::string& datei, const char* endung) {
    return gleichOhneGross(std::filesystem::path(datei).extension().string(), endung);
}

} // namespace sw::cli
