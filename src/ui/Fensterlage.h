#pragma once
// Stores and restores a tool window's place in the settings section "Fensterposition", under
// the window's object name, as the main window does with its own. GUI thread only.

#include "app/Programm.h"

class QWidget;

namespace sw::ui {

// The stored place moved onto the screen (the screens may have changed since), or the standard
// size (bounded by the screen) when nothing is stored.
void fensterlageLaden(QWidget& fenster, Programm& p, int breite, int hoehe);
void fensterlageSpeichern(const QWidget& fenster, Programm& p);

} // namespace sw::ui
