// strahlwerk_testvideo FILE [SECONDS]: writes a short test video (see Testvideo.h), for the
// README's pictures.
#include "medien/Testvideo.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: strahlwerk_testvideo FILE [SECONDS]\n";
        return 2;
    }
    const double sekunden = argc > 2 ? std::atof(argv[2]) : 10.0;
    std::string grund;
    if (!sw::testvideoSchreiben(argv[1], sekunden, 320, 240, &grund)) {
        std::cerr << "strahlwerk_testvideo: " << grund << "\n";
        return 1;
    }
    return 0;
}
