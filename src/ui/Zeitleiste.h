#pragma once
// The timeline view of the sequencer window: the time bar with the media's waveform over the
// 19 rows of the shown device group, the events as bars with their figure's name and picture,
// the cursor line, zoom and scroll, marking, dropping figures from the figure list, moving
// marked events with the mouse and the edit commands at the mouse. It draws only the visible
// time range. GUI thread only.

#include "app/Showsteuerung.h"

#include <QWidget>

#include <functional>

namespace sw::ui {

class Zeitleiste : public QWidget {
public:
    Zeitleiste(QWidget* eltern, Showsteuerung& s);

    // Redraws the events between the two times (ms); `bis` below 0: everything. The timeline's
    // `neuZeichnen` hook calls this.
    void neuZeichnen(double von, double bis);
    // The media's waveform picture made again (after a show was loaded or its media changed).
    void wellenformNeu();
    // The shown time range in ms; zoom to the whole show, or by a factor about a time.
    double sichtAnfang() const;
    double sichtBreite() const;
    void zoomEinpassen();
    void zoomen(double faktor, double umZeit);
    // While playing, the cursor line follows the show clock smoothly and the view pages along.
    void wiedergabeFolgen(bool an);
    // Places figure `figur` as if dropped at the point `pos` of this widget (the grid snaps).
    // Whether an event was placed.
    bool figurAblegen(long figur, QPoint pos);
    // The edit commands: copy, cut and delete act on the marked events; paste goes to the time
    // and row under the mouse (the cursor time and first row when the mouse is elsewhere).
    void kopieren();
    void ausschneiden();
    void einfuegen();
    void loeschen();

    // Told when a click on the time bar set the cursor time (ms).
    std::function<void(double)> cursorGesetzt;
    // Told when the marks changed (the edit commands' enabled state).
    std::function<void()> markierungGeaendert;

private:
    Showsteuerung& s_;
};

} // namespace sw::ui
