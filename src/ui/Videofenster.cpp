#include "ui/Videofenster.h"

#include "ui/ShowTexte.h"

namespace sw::ui {

Videofenster::Videofenster(QWidget* eltern, Showsteuerung& s)
    : Werkzeugfenster(eltern, s.p, "frmVideo", showtext::TitelVideo, QSize(640, 360)), s_(s) {}

void Videofenster::vollbild(bool an) {
    if (an)
        showFullScreen();
    else
        showNormal();
}
void Videofenster::strecken(bool) {}
void Videofenster::seitenverhaeltnisKorrigieren(bool) {}

} // namespace sw::ui
