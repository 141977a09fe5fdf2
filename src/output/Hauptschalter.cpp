#include "output/Hauptschalter.h"

#include <algorithm>

namespace sw {

void hauptschalterLaden(Hauptschalter& h, Einstellungen& e) {
    bool freigabe = false;
    zahlInWert(e, "Laser", "FreigabeBeimStart", freigabe);
    double prozent = 100;
    zahlInWert(e, "Laser", "Helligkeit", prozent);
    h.LaserFreigabe = freigabe;
    h.Blackout = false;
    h.Helligkeit = std::clamp(prozent, 0.0, 100.0) / 100;
}

void hauptschalterSpeichern(const Hauptschalter& h, Einstellungen& e) {
    wertAlsZahl(e, "Laser", "Helligkeit", std::clamp(h.Helligkeit, 0.0, 1.0) * 100);
}

} // namespace sw
