#pragma once
// The main window's "Show" menu: the sequencer, the show information and the playlist, each
// made when first asked for and kept, sharing one show control (`Showsteuerung`), which is made
// with the first of them. The video window belongs to the same family: a show with a video
// shows it. GUI thread only.

#include "app/Programm.h"
#include "app/Showsteuerung.h"
#include "ui/Werkzeugfenster.h"

#include <functional>

class QMenu;
class QWidget;

namespace sw::ui {

class Hauptfenster;
class Sequenzerfenster;
class ShowInfofenster;
class Playlistfenster;
class Videofenster;

void showMenueBauen(Hauptfenster& h, Programm& p, QMenu* menu, const Beschrifter& beschriftenMit);

// The windows and the show control (made now if not yet), for the windows among themselves, the
// tests and the screenshots.
Showsteuerung& showsteuerung(Hauptfenster& h);
Sequenzerfenster* sequenzerfenster(Hauptfenster& h);
ShowInfofenster* showInfofenster(Hauptfenster& h);
Playlistfenster* playlistfenster(Hauptfenster& h);
Videofenster* videofenster(Hauptfenster& h);

} // namespace sw::ui
