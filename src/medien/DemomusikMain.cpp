// Writes the demo show's music to the file named on the command line (atomically).
#include "medien/Demomusik.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: strahlwerk_demomusik OUT.wav\n");
        return 2;
    }
    const std::filesystem::path ziel = argv[1];
    const std::filesystem::path teil = ziel.string() + ".tmp";
    const auto wav = sw::demomusikWav();
    {
        std::ofstream f(teil, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(wav.data()),
                static_cast<std::streamsize>(wav.size()));
        if (!f) {
            std::fprintf(stderr, "cannot write %s\n", teil.string().c_str());
            return 1;
        }
    }
    std::filesystem::rename(teil, ziel);
    return 0;
}
