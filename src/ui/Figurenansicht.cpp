#include "ui/Figurenansicht.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace sw::ui {

Figurenansicht::Figurenansicht(FigurenSpeicher& s, const Paletten& p, Zeichnung& z, QWidget* eltern)
    : QWidget(eltern), s_(s), p_(p), z_(z) {
    setObjectName("picFigur");
    setMinimumSize(320, 320);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(false);
}

bool Figurenansicht::figurDa() const {
    const auto& a = s_.SpurAuswahl[s_.EditorSpur];
    return a.Figur >= 0 && s_.Figuren.enthaelt(a.Figur) && a.Frame >= 0 &&
           a.Frame < static_cast<long>(s_.Figuren[a.Figur].Frames.size());
}

QPointF Figurenansicht::nachWidget(double x, double y) const {
    const double massstab = std::min(width(), height()) / 65536.0 * zoom_;
    return QPointF(width() / 2.0 + verschiebung_.x() + x * massstab,
                   height() / 2.0 + verschiebung_.y() - y * massstab);
}

QPointF Figurenansicht::nachFigur(QPointF w) const {
    const double massstab = std::min(width(), height()) / 65536.0 * zoom_;
    return QPointF((w.x() - width() / 2.0 - verschiebung_.x()) / massstab,
                   -(w.y() - height() / 2.0 - verschiebung_.y()) / massstab);
}

void Figurenansicht::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    g.fillRect(rect(), QColor(12, 12, 16));
    // The projection area and its axes.
    g.setPen(QPen(QColor(60, 60, 70), 1));
    g.drawRect(QRectF(nachWidget(-32768, 32767), nachWidget(32767, -32768)));
    g.setPen(QPen(QColor(35, 35, 45), 1, Qt::DotLine));
    g.drawLine(nachWidget(-32768, 0), nachWidget(32767, 0));
    g.drawLine(nachWidget(0, -32768), nachWidget(0, 32767));
    if (z_.rasterAn && z_.raster > 0 &&
        z_.raster * zoom_ * std::min(width(), height()) / 65536.0 > 4) {
        g.setPen(QPen(QColor(28, 28, 36), 1));
        for (double v = -32768 - std::fmod(-32768.0, z_.raster); v <= 32767; v += z_.raster) {
            g.drawLine(nachWidget(v, -32768), nachWidget(v, 32767));
            g.drawLine(nachWidget(-32768, v), nachWidget(32767, v));
        }
    }
    if (!figurDa()) return;
    const auto& auswahl = s_.SpurAuswahl[s_.EditorSpur];
    const auto& punkte =
        s_.Figuren[auswahl.Figur].Frames[static_cast<std::size_t>(auswahl.Frame)].Punkte;
    for (std::size_t i = 1; i < punkte.size(); ++i) {
        const Punkt& p = punkte[i];
        const QPointF ziel = nachWidget(p.X, p.Y);
        if (i >= 2) {
            const QPointF von = nachWidget(punkte[i - 1].X, punkte[i - 1].Y);
            const RGB& c = p_.farbe(p.Farbe);
            const bool hell = !(p.Status & status::Sprung) && p.Farbe > 0 && (c.R + c.G + c.B) > 0;
            if (hell)
                g.setPen(QPen(
                    QColor(static_cast<int>(c.R), static_cast<int>(c.G), static_cast<int>(c.B)),
                    2));
            else
                g.setPen(QPen(QColor(90, 90, 100, 140), 1, Qt::DashLine));
            g.drawLine(von, ziel);
        }
        // Marks: corner a square, colour change a ring, a jump a cross, text a dot.
        g.setPen(QPen(QColor(200, 200, 210, 160), 1));
        if (p.Status & status::Ecke)
            g.drawRect(QRectF(ziel - QPointF(2.5, 2.5), QSizeF(5, 5)));
        else if (p.Status & status::Farbwechsel)
            g.drawEllipse(ziel, 3, 3);
        if (p.Status & status::Sprung) {
            g.drawLine(ziel - QPointF(3, 3), ziel + QPointF(3, 3));
            g.drawLine(ziel - QPointF(3, -3), ziel + QPointF(3, -3));
        }
        if (p.Status & status::Text) g.drawPoint(ziel);
    }
    g.setPen(QPen(QColor(255, 220, 0), 1));
    for (long i : z_.markiert)
        if (i > 0 && i < static_cast<long>(punkte.size()))
            g.drawEllipse(nachWidget(punkte[static_cast<std::size_t>(i)].X,
                                     punkte[static_cast<std::size_t>(i)].Y),
                          5, 5);
    // The shape being drawn.
    if (zieht_) {
        g.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DashLine));
        switch (z_.werkzeug) {
        case Werkzeug::Linie:
            g.drawLine(start_, aktuell_);
            break;
        case Werkzeug::Rechteck:
        case Werkzeug::Auswahl:
            if (!verschiebtMarkierte_) g.drawRect(QRectF(start_, aktuell_));
            break;
        case Werkzeug::Ellipse:
            g.drawEllipse(QRectF(start_, aktuell_));
            break;
        default:
            break;
        }
    }
}

void Figurenansicht::fertig() {
    update();
    if (geaendert) geaendert();
}

void Figurenansicht::mousePressEvent(QMouseEvent* e) {
    setFocus();
    start_ = aktuell_ = letzteMaus_ = e->position();
    const QPointF f = nachFigur(e->position());
    if (z_.werkzeug == Werkzeug::Zoom) {
        zoom_ = std::clamp(zoom_ * (e->button() == Qt::RightButton ? 0.5 : 2.0), 0.25, 64.0);
        update();
        return;
    }
    if (!figurDa() && z_.werkzeug != Werkzeug::Hand) return;
    switch (z_.werkzeug) {
    case Werkzeug::Punkt:
        punktZeichnen(s_, z_, f.x(), f.y());
        fertig();
        return;
    case Werkzeug::Pipette:
        pipette(s_, z_, f.x(), f.y());
        fertig();
        return;
    case Werkzeug::Polylinie:
    case Werkzeug::Polygon:
        zugPunkt(s_, z_, f.x(), f.y());
        fertig();
        return;
    case Werkzeug::Radierer:
        radieren(s_, z_, f.x(), f.y(), 600 / zoom_);
        zieht_ = true;
        fertig();
        return;
    case Werkzeug::Freihand:
        weg_ = {{f.x(), f.y()}};
        zieht_ = true;
        return;
    case Werkzeug::Auswahl: {
        verschiebtMarkierte_ = false;
        const auto& punkte = s_.aktuellerFrame().Punkte;
        for (long i : z_.markiert)
            if (i > 0 && i < static_cast<long>(punkte.size()) &&
                QLineF(nachWidget(punkte[static_cast<std::size_t>(i)].X,
                                  punkte[static_cast<std::size_t>(i)].Y),
                       e->position())
                        .length() < 6)
                verschiebtMarkierte_ = true;
        zieht_ = true;
        return;
    }
    default:
        zieht_ = true;
        return;
    }
}

void Figurenansicht::mouseMoveEvent(QMouseEvent* e) {
    if (!zieht_) return;
    aktuell_ = e->position();
    const QPointF f = nachFigur(e->position());
    if (z_.werkzeug == Werkzeug::Hand) {
        verschiebung_ += e->position() - letzteMaus_;
    } else if (z_.werkzeug == Werkzeug::Freihand) {
        weg_.push_back({f.x(), f.y()});
    } else if (z_.werkzeug == Werkzeug::Radierer) {
        radieren(s_, z_, f.x(), f.y(), 600 / zoom_);
    } else if (z_.werkzeug == Werkzeug::Auswahl && verschiebtMarkierte_) {
        const QPointF vorher = nachFigur(letzteMaus_);
        markierteVerschieben(s_, z_, f.x() - vorher.x(), f.y() - vorher.y());
    }
    letzteMaus_ = e->position();
    update();
}

void Figurenansicht::mouseReleaseEvent(QMouseEvent* e) {
    if (!zieht_) return;
    zieht_ = false;
    aktuell_ = e->position();
    const QPointF a = nachFigur(start_), b = nachFigur(e->position());
    switch (z_.werkzeug) {
    case Werkzeug::Linie:
        linieZeichnen(s_, z_, a.x(), a.y(), b.x(), b.y());
        break;
    case Werkzeug::Rechteck:
        rechteckZeichnen(s_, z_, a.x(), a.y(), b.x(), b.y());
        break;
    case Werkzeug::Ellipse:
        ellipseZeichnen(s_, z_, a.x(), a.y(), b.x(), b.y());
        break;
    case Werkzeug::Freihand:
        weg_.push_back({b.x(), b.y()});
        freihandZeichnen(s_, z_, weg_, 300 / zoom_);
        break;
    case Werkzeug::Auswahl:
        if (!verschiebtMarkierte_) markieren(s_, z_, a.x(), a.y(), b.x(), b.y());
        break;
    default:
        break;
    }
    fertig();
}

void Figurenansicht::mouseDoubleClickEvent(QMouseEvent*) {
    if (z_.zugOffen) {
        zugBeenden(s_, z_);
        fertig();
    }
}

void Figurenansicht::wheelEvent(QWheelEvent* e) {
    zoom_ = std::clamp(zoom_ * (e->angleDelta().y() > 0 ? 1.25 : 0.8), 0.25, 64.0);
    update();
}

void Figurenansicht::keyPressEvent(QKeyEvent* e) {
    if (!figurDa()) return QWidget::keyPressEvent(e);
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        zugBeenden(s_, z_);
        break;
    case Qt::Key_Delete:
        markierteLoeschen(s_, z_);
        break;
    case Qt::Key_R:
        markierteDrehen(s_, z_, e->modifiers() & Qt::ShiftModifier ? -15 : 15);
        break;
    case Qt::Key_Plus:
        markierteSkalieren(s_, z_, 1.1);
        break;
    case Qt::Key_Minus:
        markierteSkalieren(s_, z_, 1 / 1.1);
        break;
    case Qt::Key_Escape:
        z_.markiert.clear();
        break;
    default:
        return QWidget::keyPressEvent(e);
    }
    fertig();
}

} // namespace sw::ui
