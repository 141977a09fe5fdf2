// strahlwerk-cli: the engine without windows, for inspecting, converting and playing files.

#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"

#include <CLI/CLI.hpp>
#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"Strahlwerk command-line program: inspect and convert laser figures."};
    app.require_subcommand(1);

    std::string infoDatei;
    auto* info = app.add_subcommand("info", "Print a file's content as JSON.");
    info->add_option("FILE", infoDatei, "figure (.qvb), ILDA (.ild) or palette (.qvp) file")
        ->required();

    std::string upgradeEin, upgradeAus;
    auto* upgrade = app.add_subcommand(
        "upgrade", "Load a figure file of any version and save it in the current version.");
    upgrade->add_option("IN", upgradeEin, "figure file to read")->required();
    upgrade->add_option("OUT", upgradeAus, "figure file to write")->required();

    std::string convertEin, convertAus;
    int ildaFormat = 5;
    auto* convert = app.add_subcommand(
        "convert", "Import an ILDA file into a figure file, or export a figure file as ILDA.");
    convert->add_option("IN", convertEin, "file to read (.ild or .qvb)")->required();
    convert->add_option("OUT", convertAus, "file to write (.qvb or .ild)")->required();
    convert
        ->add_option("--ilda-format", ildaFormat,
                     "kind of ILDA file: 1 true-colour tables and indexed frames, 2 the same "
                     "after a palette, 3 indexed frames, 4 indexed frames after a palette, "
                     "5 true-colour frames")
        ->check(CLI::Range(1, 5));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }

    try {
        if (*info)
            sw::cli::befehlInfo(infoDatei);
        else if (*upgrade)
            sw::cli::befehlUpgrade(upgradeEin, upgradeAus);
        else if (*convert)
            sw::cli::befehlConvert(convertEin, convertAus, ildaFormat);
    } catch (const sw::cli::CliFehler& e) {
        std::cerr << "strahlwerk-cli: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "strahlwerk-cli: unexpected error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
