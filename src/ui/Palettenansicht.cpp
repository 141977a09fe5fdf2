#include "ui/Palettenansicht.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace sw::ui {

namespace {
QColor farbe(const RGB& c) {
    return QColor(static_cast<int>(c.R), static_cast<int>(c.G), static_cast<int>(c.B));
}
} // namespace

Palettenansicht::Palettenansicht(const Paletten& p, QWidget* eltern) : QWidget(eltern), p_(p) {
    setObjectName("picPalette");
    setFixedSize(16 * 12 + 1, 16 * 12 + 1);
}

void Palettenansicht::paintEvent(QPaintEvent*) {
    QPainter g(this);
    const auto zellen = Palette_Darstellen(p_, p_.OptFarbAchse, p_.scrFarbe3);
    g.setPen(QColor(70, 70, 70));
    for (const auto& z : zellen) {
        g.setBrush(farbe(z.farbe));
        g.drawRect(z.spalte * 12, z.zeile * 12, 12, 12);
    }
    // The drawing colour's cell: a white frame inside a black one reads on every colour.
    g.setBrush(Qt::NoBrush);
    for (const auto& z : zellen)
        if (z.index == markiert) {
            g.setPen(QPen(Qt::black, 3));
            g.drawRect(z.spalte * 12 + 1, z.zeile * 12 + 1, 10, 10);
            g.setPen(QPen(Qt::white, 1));
            g.drawRect(z.spalte * 12 + 1, z.zeile * 12 + 1, 10, 10);
        }
}

long Palettenansicht::indexBei(QPointF pos) const {
    const int a = static_cast<int>(pos.x()) / 12, b = static_cast<int>(pos.y()) / 12;
    if (a < 0 || a > 15 || b < 0 || b > 15) return -1;
    return Palette_Darstellen(p_, p_.OptFarbAchse,
                              p_.scrFarbe3)[static_cast<std::size_t>(b * 16 + a)]
        .index;
}

void Palettenansicht::mousePressEvent(QMouseEvent* e) {
    druck_ = e->position();
    const long i = indexBei(e->position());
    if (i >= 0 && gewaehlt) gewaehlt(i);
}

void Palettenansicht::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton) || (e->position() - druck_).manhattanLength() < 6) return;
    const long i = indexBei(druck_);
    if (i < 0) return;
    auto* daten = new QMimeData;
    daten->setData(kFarbMime, QByteArray::number(static_cast<qlonglong>(i)));
    auto* drag = new QDrag(this);
    drag->setMimeData(daten);
    drag->exec(Qt::CopyAction);
}

Lieblingsfarbe::Lieblingsfarbe(const Paletten& p, int nummer, QWidget* eltern)
    : QWidget(eltern), p_(p), nummer_(nummer) {
    setObjectName(QString("Pic_Lieblingsfarbe(%1)").arg(nummer));
    setFixedSize(18, 18);
    setAcceptDrops(true);
}

void Lieblingsfarbe::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), farbe(p_.farbe(p_.Lieblingsfarben[static_cast<std::size_t>(nummer_)])));
    g.setPen(QColor(90, 90, 90));
    g.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Lieblingsfarbe::mousePressEvent(QMouseEvent*) {
    if (gewaehlt) gewaehlt(p_.Lieblingsfarben[static_cast<std::size_t>(nummer_)]);
}

void Lieblingsfarbe::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasFormat(kFarbMime)) e->acceptProposedAction();
}

void Lieblingsfarbe::dropEvent(QDropEvent* e) {
    const long index = e->mimeData()->data(kFarbMime).toLong();
    if (fallengelassen) fallengelassen(nummer_, index);
    e->acceptProposedAction();
    update();
}

} // namespace sw::ui
