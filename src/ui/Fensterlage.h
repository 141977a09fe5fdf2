#pragma once
// Stores and restores a window's place in the settings section "Fensterposition", under the
// window's object name: the main window, the options window and every tool window. GUI thread
// only.

#include "app/Programm.h"

#include <QSize>

#include <initializer_list>

class QSplitter;
class QWidget;

namespace sw::ui {

// The stored place moved onto the screen (the screens may have changed since), or the standard
// size (bounded by the screen) when nothing is stored. A stored place is grown to `kleinste`
// (the window's minimum size hint when not given), within the screen. Returns the stored show
// state (1 normal, 2 minimised, 3 maximised), 0 when nothing is stored; the caller decides
// whether to restore it.
int fensterlageLaden(QWidget& fenster, Programm& p, int breite, int hoehe, QSize kleinste = {});
// The normal place and the show state: 3 maximised, 2 minimised, else 1.
void fensterlageSpeichern(const QWidget& fenster, Programm& p);

// The splitters' sizes, stored beside the window's place as "a,b,c;d,e": one part per splitter,
// in the order given.
void aufteilungSpeichern(const QWidget& fenster, Programm& p,
                         std::initializer_list<const QSplitter*> teiler);
// Puts the stored sizes back. True when a division with one part per splitter was stored; a
// part that is not ours (no numbers, or another count of panels) leaves its splitter as it is.
bool aufteilungLaden(const QWidget& fenster, Programm& p, std::initializer_list<QSplitter*> teiler);

} // namespace sw::ui
