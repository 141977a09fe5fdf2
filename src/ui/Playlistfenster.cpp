#include "ui/Playlistfenster.h"

#include "ui/ShowTexte.h"

namespace sw::ui {

Playlistfenster::Playlistfenster(QWidget* eltern, Showsteuerung& s)
    : Werkzeugfenster(eltern, s.p, "frmPlayList", showtext::MenuePlaylist, QSize(720, 520)),
      s_(s) {}

void Playlistfenster::dateiLaden(const std::string& datei) {
    playlistLaden(s_.pk, datei);
}

} // namespace sw::ui
