#include "ui/ShowInfofenster.h"

#include "ui/ShowTexte.h"

namespace sw::ui {

ShowInfofenster::ShowInfofenster(QWidget* eltern, Showsteuerung& s)
    : Werkzeugfenster(eltern, s.p, "frmShowInfo", showtext::MenueShowInfo, QSize(760, 600)),
      s_(s) {}

} // namespace sw::ui
