#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "live/ShowFiguren.h"
#include "show/ShowAufraeumen.h"

#include <filesystem>
#include <iostream>

namespace sw::cli {

std::function<std::vector<std::string>(const std::string& seqDatei)> cleanShowBenutzteDateien =
    [](const std::string& seqDatei) { return benutzteDateienImOrdner(seqDatei); };

void befehlCleanShow(const std::string& showDatei, bool probelauf) {
    namespace fs = std::filesystem;
    const fs::path pfad(showDatei);
    if (!hatEndung(showDatei, ".shw"))
        throw CliFehler(showDatei + ": clean-show takes a show file (FOLDER/NAME.shw).");
    std::error_code ec;
    if (!fs::is_regular_file(pfad, ec))
        throw CliFehler(showDatei + ": the show file does not exist.");
    const fs::path ordner = pfad.has_parent_path() ? pfad.parent_path() : fs::path(".");
    const std::string name = pfad.stem().string();

    // Without the timeline's list, figures and showparts are kept: nothing is moved that an
    // event might use.
    std::optional<std::vector<std::string>> benutzt;
    if (cleanShowBenutzteDateien)
        benutzt = cleanShowBenutzteDateien((ordner / (name + ".seq")).string());
    const auto dateien = unbenutzteDateien(ordner, name, benutzt);

    for (const auto& d : dateien) std::cout << (ordner / d).string() << "\n";
    if (probelauf || dateien.empty()) return;
    const auto korb = xdgPapierkorb();
    const auto v = inPapierkorbVerschieben(ordner, dateien, korb, std::chrono::system_clock::now());
    if (!v.inPapierkorb.empty())
        std::cout << v.inPapierkorb.size() << " files moved to " << (*korb / "files").string()
                  << "\n";
    if (!v.inGeloescht.empty())
        std::cout << v.inGeloescht.size() << " files moved to " << (ordner / "Geloescht").string()
                  << "\n";
    if (!v.fehlgeschlagen.empty())
        throw CliFehler(std::to_string(v.fehlgeschlagen.size()) + " files could not be moved, " +
                        "the first: " + (ordner / v.fehlgeschlagen.front()).string() + ".");
}

} // namespace sw::cli
