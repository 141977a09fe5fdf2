#include "ui/Ausgabefenster.h"

#include <QPainter>
#include <algorithm>

namespace sw::ui {

Ausgabefenster::Ausgabefenster(const AusgabeZustand& a, QWidget* eltern)
    : QWidget(eltern, Qt::Window), a_(a) {
    setObjectName("frmAusgabe");
    setWindowTitle("Strahlwerk – Ausgabe");
    resize(420, 420);
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
