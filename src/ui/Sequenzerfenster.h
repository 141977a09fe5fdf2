#pragma once
// The sequencer window (frmSequenzer): the show's timeline over its media, with the show and
// edit menus and the transport. GUI thread only.

#include "app/Showsteuerung.h"
#include "ui/Werkzeugfenster.h"

namespace sw::ui {

class Sequenzerfenster : public Werkzeugfenster {
public:
    Sequenzerfenster(QWidget* eltern, Showsteuerung& s);

private:
    Showsteuerung& s_;
};

} // namespace sw::ui
