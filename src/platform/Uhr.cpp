#include "platform/Uhr.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace sw {

double SystemUhr::sekunden() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SystemUhr::schlafen(double sekunden) {
    if (sekunden > 0) std::this_thread::sleep_for(std::chrono::duration<double>(sekunden));
}

void warten(Uhr& uhr, EreignisPumpe& pumpe, double millisekunden) {
    const double ende = uhr.sekunden() + millisekunden / 1000.0;
    for (;;) {
        pumpe.ereignisseVerarbeiten();
        double rest = ende - uhr.sekunden();
        if (rest <= 0) break;
        uhr.schlafen(std::min(rest, 0.01));
    }
}

} // namespace sw
