#pragma once
// The video window's modes under the names of its menu commands: the whole screen
// (`mnuVideoVollbild`), the picture stretched to the window (`mnuVideoStrech`) or shown with its
// own aspect ratio (`mnuVideoCorrectAspect`); the last two exclude each other. The media layer
// is told with its three video calls. Stretching is kept in the settings (section
// "Optionen_frmVideo", -1 / 0); full screen is not, so that the program never starts with its
// picture over the operator's screen. User-interface thread.

#include "einstellungen/Einstellungen.h"
#include "show/Medien.h"

namespace sw {

struct Videomodus {
    bool mnuVideoVollbild = false;
    bool mnuVideoStrech = false;
    bool mnuVideoCorrectAspect = true;
};

inline constexpr const char* kVideoAbschnitt = "Optionen_frmVideo";

// Sets one of the two picture modes and clears the other; `medien` is told.
void videoStrecken(Videomodus& m, bool an, Medienschicht& medien, int breite, int hoehe);
void videoSeitenverhaeltnis(Videomodus& m, bool an, Medienschicht& medien, int breite, int hoehe);
// Full screen on or off; the media layer is told when it goes on.
void videoVollbild(Videomodus& m, bool an, Medienschicht& medien);
// Tells the media layer the picture mode again (after a file was opened).
void videomodusAnwenden(const Videomodus& m, Medienschicht& medien, int breite, int hoehe);

Videomodus videomodusLaden(Einstellungen& e);
void videomodusSpeichern(const Videomodus& m, Einstellungen& e);

} // namespace sw
