// strahlwerk-datagen DIR: writes the shipped test pictures, fixed figures and demo figures
// into DIR (the repository's data/ folder).

#include "generators/Mitgeliefert.h"
#include "platform/Datei.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: strahlwerk-datagen DATA_FOLDER\n";
        return 2;
    }
    const std::filesystem::path ziel = argv[1];
    try {
        for (const auto& datei : sw::gen::alleMitgeliefertenDateien()) {
            auto pfad = ziel / datei.pfad;
            std::filesystem::create_directories(pfad.parent_path());
            sw::atomarSchreiben(pfad, datei.bytes);
            std::cout << datei.pfad << "  " << datei.bytes.size() << " bytes\n";
        }
    } catch (const std::exception& e) {
        std::cerr << "strahlwerk-datagen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
