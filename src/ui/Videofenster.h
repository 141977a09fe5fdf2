#pragma once
// The video window: a show whose media is a video shows its picture here while the sequencer
// plays. GUI thread only.

#include "app/Showsteuerung.h"
#include "ui/Werkzeugfenster.h"

namespace sw::ui {

class Videofenster : public Werkzeugfenster {
public:
    Videofenster(QWidget* eltern, Showsteuerung& s);

    // The video menu's modes: the whole screen, stretched to the window, or with the
    // picture's own aspect ratio kept.
    void vollbild(bool an);
    void strecken(bool an);
    void seitenverhaeltnisKorrigieren(bool an);

private:
    Showsteuerung& s_;
};

} // namespace sw::ui
