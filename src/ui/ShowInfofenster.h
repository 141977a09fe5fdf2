#pragma once
// The show-information window (frmShowInfo): the show's record of facts, its picture and free
// text, in pages. GUI thread only.

#include "app/Showsteuerung.h"
#include "ui/Werkzeugfenster.h"

namespace sw::ui {

class ShowInfofenster : public Werkzeugfenster {
public:
    ShowInfofenster(QWidget* eltern, Showsteuerung& s);

private:
    Showsteuerung& s_;
};

} // namespace sw::ui
