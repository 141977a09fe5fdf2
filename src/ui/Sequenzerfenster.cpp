#include "ui/Sequenzerfenster.h"

#include "ui/ShowTexte.h"

namespace sw::ui {

Sequenzerfenster::Sequenzerfenster(QWidget* eltern, Showsteuerung& s)
    : Werkzeugfenster(eltern, s.p, "frmSequenzer", showtext::MenueSequenzer, QSize(1200, 640)),
      s_(s) {}

} // namespace sw::ui
