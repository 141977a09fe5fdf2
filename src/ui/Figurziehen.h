#pragma once
// What the windows that take figures from the figure list share: the MIME type of a dragged
// figure, reading the figure number back out of a drag, and the small picture of a figure's
// first frame. GUI thread only.

#include "app/Programm.h"

#include <QPointF>

#include <optional>

class QMimeData;
class QPainter;

namespace sw::ui {

// The MIME type of a dragged figure-list entry: its figure number as text. The figure list's
// own item drags are taken too (their row is the figure number).
inline constexpr const char* kFigurMime = "application/x-strahlwerk-figur";

// The figure number a drag carries: our own type, or a row of the figure list.
std::optional<long> gezogeneFigur(const QMimeData* daten);

// Draws the lit lines of `punkte` (a frame: point 0 unused) in their colours, centred on
// `mitte`, `massstab` pixels per figure unit; dark and blanked ways are left out.
void frameLinienZeichnen(QPainter& g, const Programm& p, const std::vector<Punkt>& punkte,
                         QPointF mitte, double massstab, double stift);

} // namespace sw::ui
