#pragma once
// picVorschau: the options window's preview of one device's geometry. It draws a test picture
// (frame, cross, grid and circle, each line cut into short pieces so that keystone and ceiling
// squeeze bend it) through the engine's show size and geometry pass, in device coordinates,
// with the device's audience zone over it. Dragging outside the zone draws a new zone, dragging
// inside moves it; the zone is written into the device's colour correction at once.

#include "output/Farbkorrektur.h"
#include "output/Geometrie.h"

#include <QColor>
#include <QWidget>

#include <array>

#include <functional>
#include <vector>

namespace sw::ui {

// One line of the test picture after the correction: device coordinates 0 to 65535.
struct Vorschaulinie {
    QColor farbe;
    std::vector<QPointF> punkte;
};
// The test picture through the show size and the geometry pass of `g`.
std::vector<Vorschaulinie> vorschauLinien(const Geometriekorrektur& g);

class Geometrievorschau : public QWidget {
public:
    // `geometrie` and `farben` give the chosen device's records (they change with the choice).
    Geometrievorschau(std::function<const Geometriekorrektur&()> geometrie,
                      std::function<GeraeteFarben&()> farben, QWidget* eltern = nullptr);
    // Told after a drag changed the zone.
    std::function<void()> zoneGeaendert;

    QSize sizeHint() const override { return {360, 360}; }
    // Device coordinates (0 to 65535) at a widget position, and back.
    QPointF geraetepunkt(QPointF widget) const;
    QPointF widgetpunkt(QPointF geraet) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QRectF flaeche() const;
    bool inZone(QPointF geraet) const;

    std::function<const Geometriekorrektur&()> geometrie_;
    std::function<GeraeteFarben&()> farben_;
    enum class Ziehen { Nichts, Zeichnen, Verschieben } ziehen_ = Ziehen::Nichts;
    QPointF anfang_;                 // device coordinates where the drag began
    std::array<double, 4> zoneAm_{}; // the zone when the drag began
};

} // namespace sw::ui
