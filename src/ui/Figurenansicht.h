#pragma once
// picFigur: draws the current frame of the editor track (lit segments in their colours, dark
// moves dashed and faint as the lasers will make them, points marked by their status, the grid
// and the snapped cursor when snapping is on) and turns the mouse into the drawing tools of the
// engine. The wheel and the zoom tool zoom about the mouse.

#include "platform/Sprachtexte.h"
#include "core/Ansicht.h"
#include "core/Farbpalette.h"
#include "core/FigurenSpeicher.h"
#include "core/Zeichnen.h"

#include <QPointF>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace sw::ui {

class Figurenansicht : public QWidget {
public:
    Figurenansicht(FigurenSpeicher& s, const Paletten& p, Zeichnung& z, QWidget* eltern = nullptr);

    // After a change of the figure: the window refreshes its frame bar and undo state.
    std::function<void()> geaendert;

    // After a change of the view or a move of the mouse: the window shows zoomText and
    // zeigerText.
    std::function<void()> anzeigeGeaendert;

    QPointF nachFigur(QPointF widget) const;
    QPointF nachWidget(double x, double y) const;
    double zoom() const { return ansicht_.zoom; }
    // All frames of the figure on the editor track in view.
    void einpassen();
    void hundertProzent();
    // Zooms about the middle of the widget.
    void zoomen(double faktor);
    // Fits the figure into view when the editor track shows another figure than before.
    void figurGezeigt();
    QString zoomText() const;
    // The cursor's figure coordinates and the point under it (index, colour, marks).
    QString zeigerText() const;
    // The language the status texts are shown in.
    void texteSetzen(const Sprachtexte& t) { texte_ = &t; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void leaveEvent(QEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    bool figurDa() const;
    void fertig();
    // The view with the widget's current size.
    Ansicht ansicht() const;
    void ansichtGeaendert();

    FigurenSpeicher& s_;
    const Paletten& p_;
    Zeichnung& z_;
    Ansicht ansicht_;
    long gezeigteFigur_ = -1;
    bool eingepasst_ = false; // not zoomed or moved since the last fit
    bool mausDa_ = false;
    QPointF maus_;
    bool zieht_ = false;
    bool verschiebtMarkierte_ = false;
    QPointF start_, aktuell_, letzteMaus_;
    std::vector<std::pair<double, double>> weg_;
    const Sprachtexte* texte_ = nullptr;
};

} // namespace sw::ui
