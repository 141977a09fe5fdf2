#pragma once
// picPalette: the 16 x 16 cells of the colour table for the chosen axis and value; a click
// picks the drawing colour, dragging a cell onto a favourite stores it there.

#include "core/Farbpalette.h"

#include <QWidget>
#include <functional>

namespace sw::ui {

inline constexpr const char* kFarbMime = "application/x-strahlwerk-farbindex";

class Palettenansicht : public QWidget {
public:
    Palettenansicht(const Paletten& p, QWidget* eltern = nullptr);
    std::function<void(long index)> gewaehlt;
    // The drawing colour, outlined when its cell is shown.
    long markiert = -1;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    long indexBei(QPointF pos) const;
    const Paletten& p_;
    QPointF druck_;
};

// Pic_Lieblingsfarbe(i): one favourite colour; takes dropped colour indices.
class Lieblingsfarbe : public QWidget {
public:
    Lieblingsfarbe(const Paletten& p, int nummer, QWidget* eltern = nullptr);
    std::function<void(int nummer, long index)> fallengelassen;
    std::function<void(long index)> gewaehlt;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    const Paletten& p_;
    int nummer_;
};

} // namespace sw::ui
