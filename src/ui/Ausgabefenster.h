#pragma once
// frmAusgabe: the simulation in two dimensions, drawn from the simulation point list of the last
// output cycle (the beam view comes later).

#include "output/Ausgabe.h"

#include <QWidget>

namespace sw::ui {

class Ausgabefenster : public QWidget {
public:
    // While shown, the pipeline records what the devices receive for it (`Vorschau`).
    explicit Ausgabefenster(AusgabeZustand& a, QWidget* eltern = nullptr);
    // Shows the window beside `haupt`: right of it if it fits on the screen, else left, else
    // overlapping it but fully on the screen.
    void nebenZeigen(const QWidget& haupt);
    static QRect nebenPlatz(const QRect& haupt, const QSize& groesse, const QRect& verfuegbar);
    // Points drawn at the last repaint.
    long punkte() const { return (a_.SimLetzterIndex + 7) / 7; }

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    AusgabeZustand& a_;
};

} // namespace sw::ui
