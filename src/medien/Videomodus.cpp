#include "medien/Videomodus.h"

namespace sw {

void videomodusAnwenden(const Videomodus& m, Medienschicht& medien, int breite, int hoehe) {
    if (m.mnuVideoStrech)
        medien.DS_StretchMovie(breite, hoehe);
    else
        medien.DS_UpdateMovie();
}

void videoStrecken(Videomodus& m, bool an, Medienschicht& medien, int breite, int hoehe) {
    m.mnuVideoStrech = an;
    m.mnuVideoCorrectAspect = !an;
    videomodusAnwenden(m, medien, breite, hoehe);
}

void videoSeitenverhaeltnis(Videomodus& m, bool an, Medienschicht& medien, int breite, int hoehe) {
    videoStrecken(m, !an, medien, breite, hoehe);
}

void videoVollbild(Videomodus& m, bool an, Medienschicht& medien) {
    m.mnuVideoVollbild = an;
    if (an) medien.DS_FullScreenMovie();
}

Videomodus videomodusLaden(Einstellungen& e) {
    Videomodus m;
    m.mnuVideoStrech = e.zahlLesen(kVideoAbschnitt, "mnuVideoStrech", 0) != 0;
    m.mnuVideoCorrectAspect = !m.mnuVideoStrech;
    return m;
}

void videomodusSpeichern(const Videomodus& m, Einstellungen& e) {
    e.zahlSchreiben(kVideoAbschnitt, "mnuVideoStrech", m.mnuVideoStrech ? -1.0f : 0.0f);
}

} // namespace sw
