#pragma once
// tbLaser: the master controls of the lasers, a toolbar the operator cannot hide. "Laser" arms
// the output, "Blackout" (Escape anywhere in the program, or the button) darkens every device
// from the next cycle until it is clicked off, and the master brightness sets 0 to 100 %. The
// controls write the engine's state; the output cycle reads only that state.

#include "output/Ausgabe.h"
#include "platform/Sprachtexte.h"

#include <QToolBar>

class QAction;
class QSlider;
class QSpinBox;

namespace sw::ui {

class Laserleiste : public QToolBar {
public:
    // Applies section "Laser" of the settings to the engine: the window starts disarmed unless
    // the settings arm it.
    Laserleiste(Hauptschalter& h, Einstellungen& e, QWidget* eltern = nullptr);
    // Shows the engine's state in the controls.
    void anzeigen();
    // Captions and tool texts in the chosen language.
    void beschriften(const Sprachtexte& t);

private:
    void helligkeitSetzen(int prozent);

    Hauptschalter& h_;
    Einstellungen& e_;
    QAction* freigabe_ = nullptr;
    QAction* blackout_ = nullptr;
    QSlider* regler_ = nullptr;
    QSpinBox* prozent_ = nullptr;
};

} // namespace sw::ui
