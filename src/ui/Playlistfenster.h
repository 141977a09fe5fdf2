#pragma once
// The playlist window (frmPlayList): shows played one after the other, each with its output
// routing and scan rates. GUI thread only.

#include "app/Showsteuerung.h"
#include "ui/Werkzeugfenster.h"

#include <string>

namespace sw::ui {

class Playlistfenster : public Werkzeugfenster {
public:
    Playlistfenster(QWidget* eltern, Showsteuerung& s);

    // Loads a ".pll" file (the recent-files menu) and shows its entries.
    void dateiLaden(const std::string& datei);

private:
    Showsteuerung& s_;
};

} // namespace sw::ui
