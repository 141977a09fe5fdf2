#include "ui/Ausgabefenster.h"

#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace sw::ui {

Ausgabefenster::Ausgabefenster(AusgabeZustand& a, QWidget* eltern)
    : QWidget(eltern, Qt::Window), a_(a) {
    setObjectName("frmAusgabe");
    resize(420, 420);
}

QRect Ausgabefenster::nebenPlatz(const QRect& haupt, const QSize& groesse,
                                 const QRect& verfuegbar) {
    QRect r(QPoint(haupt.right() + 1, haupt.top()), groesse);
    if (!verfuegbar.contains(r)) r.moveRight(haupt.left() - 1);
    if (!verfuegbar.contains(r)) r.moveTopRight(haupt.topRight());
    // Within the screen even when it overlaps, and no larger than the screen.
    r.setSize(r.size().boundedTo(verfuegbar.size()));
    r.moveLeft(std::clamp(r.left(), verfuegbar.left(), verfuegbar.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), verfuegbar.top(), verfuegbar.bottom() + 1 - r.height()));
    return r;
}

void Ausgabefenster::nebenZeigen(const QWidget& haupt) {
    if (isVisible()) return;
    const QScreen* schirm = haupt.screen();
    auto platzieren = [&] {
        // The frame around the client area counts as part of each window.
        const QSize rand = frameGeometry().size() - geometry().size();
        const QRect r =
            nebenPlatz(haupt.frameGeometry(), size() + rand, schirm->availableGeometry());
        resize(r.size() - rand);
        move(r.topLeft());
    };
    if (schirm) platzieren();
    show();
    // The frame is known only once the window is shown.
    if (schirm && !schirm->availableGeometry().contains(frameGeometry())) platzieren();
}

void Ausgabefenster::showEvent(QShowEvent*) {
    a_.Vorschau = true;
}

void Ausgabefenster::hideEvent(QHideEvent*) {
    a_.Vorschau = false;
}

void Ausgabefenster::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    g.fillRect(rect(), Qt::black);
    const double massstab = std::min(width(), height()) / 65536.0;
    const double ox = (width() - 65536 * massstab) / 2, oy = (height() - 65536 * massstab) / 2;
    auto punkt = [&](long i) {
        const double* z = a_.SimPunktListe.data() + i;
        return QPointF(ox + z[0] * massstab, oy + (65535 - z[1]) * massstab);
    };
    for (long i = 0; i + 7 <= a_.SimLetzterIndex; i += 7) {
        const double* q = a_.SimPunktListe.data() + i + 7;
        if (q[2] + q[3] + q[4] <= 0) continue; // a blanked segment is not drawn
        g.setPen(QPen(
            QColor(static_cast<int>(q[2]), static_cast<int>(q[3]), static_cast<int>(q[4])), 2));
        g.drawLine(punkt(i), punkt(i + 7));
    }
}

} // namespace sw::ui
