#pragma once
// picFigur: draws the current frame of the editor track (lit segments in their colours, blanked
// moves dashed and faint, points marked by their status) and turns the mouse into the drawing
// tools of the engine.

#include "core/Farbpalette.h"
#include "core/FigurenSpeicher.h"
#include "core/Zeichnen.h"

#include <QPointF>
#include <QWidget>
#include <functional>
#include <vector>

namespace sw::ui {

class Figurenansicht : public QWidget {
public:
    Figurenansicht(FigurenSpeicher& s, const Paletten& p, Zeichnung& z, QWidget* eltern = nullptr);

    // After a change of the figure: the window refreshes its frame bar and undo state.
    std::function<void()> geaendert;

    QPointF nachFigur(QPointF widget) const;
    QPointF nachWidget(double x, double y) const;
    double zoom() const { return zoom_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    bool figurDa() const;
    void fertig();

    FigurenSpeicher& s_;
    const Paletten& p_;
    Zeichnung& z_;
    double zoom_ = 1;
    QPointF verschiebung_;
    bool zieht_ = false;
    bool verschiebtMarkierte_ = false;
    QPointF start_, aktuell_, letzteMaus_;
    std::vector<std::pair<double, double>> weg_;
};

} // namespace sw::ui
