#include "ui/Figurziehen.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>

namespace sw::ui {

std::optional<long> gezogeneFigur(const QMimeData* daten) {
    if (!daten) return std::nullopt;
    if (daten->hasFormat(kFigurMime)) {
        bool ok = false;
        const long f = QString::fromLatin1(daten->data(kFigurMime)).toLong(&ok);
        if (ok) return f;
    }
    const QString liste = QStringLiteral("application/x-qabstractitemmodeldatalist");
    if (daten->hasFormat(liste)) {
        QByteArray roh = daten->data(liste);
        QDataStream strom(&roh, QIODevice::ReadOnly);
        int zeile = -1, spalte = -1;
        strom >> zeile >> spalte;
        if (zeile >= 0) return zeile;
    }
    return std::nullopt;
}

void frameLinienZeichnen(QPainter& g, const Programm& p, const std::vector<Punkt>& punkte,
                         QPointF mitte, double massstab, double stift) {
    auto ort = [&](const Punkt& q) {
        return QPointF(mitte.x() + q.X * massstab, mitte.y() - q.Y * massstab);
    };
    for (std::size_t i = 2; i < punkte.size(); ++i) {
        const Punkt& q = punkte[i];
        if (q.Farbe < 0 || (q.Status & status::Sprung)) continue;
        const RGB& c = p.paletten.farbe(q.Farbe);
        if (c.R + c.G + c.B <= 0) continue;
        g.setPen(QPen(QColor(static_cast<int>(c.R), static_cast<int>(c.G), static_cast<int>(c.B)),
                      stift));
        g.drawLine(ort(punkte[i - 1]), ort(q));
    }
}

} // namespace sw::ui
