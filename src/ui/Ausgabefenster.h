#pragma once
// frmAusgabe: the simulation in two dimensions, drawn from the simulation point list of the last
// output cycle (the beam view comes later).

#include "output/Ausgabe.h"

#include <QWidget>

namespace sw::ui {

class Ausgabefenster : public QWidget {
public:
    explicit Ausgabefenster(const AusgabeZustand& a, QWidget* eltern = nullptr);
    // Points drawn at the last repaint.
    long punkte() const { return (a_.SimLetzterIndex + 7) / 7; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const AusgabeZustand& a_;
};

} // namespace sw::ui
