#include "ui/Figurenansicht.h"

#include "ui/Beschriften.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
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

Ansicht Figurenansicht::ansicht() const {
    Ansicht a = ansicht_;
    a.breite = std::max(1, width());
    a.hoehe = std::max(1, height());
    return a;
}

QPointF Figurenansicht::nachWidget(double x, double y) const {
    const auto [bx, by] = ansicht().nachBildschirm(x, y);
    return QPointF(bx, by);
}

QPointF Figurenansicht::nachFigur(QPointF w) const {
    const auto [x, y] = ansicht().nachFigur(w.x(), w.y());
    return QPointF(x, y);
}

void Figurenansicht::ansichtGeaendert() {
    eingepasst_ = false;
    update();
    if (anzeigeGeaendert) anzeigeGeaendert();
}

void Figurenansicht::einpassen() {
    const long f = s_.SpurAuswahl[s_.EditorSpur].Figur;
    ansicht_ = ansicht();
    ansicht_.einpassen(f >= 0 && s_.Figuren.enthaelt(f) ? figurGrenzen(s_.Figuren[f]) : Grenzen{});
    ansichtGeaendert();
    eingepasst_ = true;
}

void Figurenansicht::hundertProzent() {
    ansicht_.hundertProzent();
    ansichtGeaendert();
}

void Figurenansicht::zoomen(double faktor) {
    ansicht_ = ansicht();
    ansicht_.zoomUm(width() / 2.0, height() / 2.0, faktor);
    ansichtGeaendert();
}

void Figurenansicht::figurGezeigt() {
    const long f = s_.SpurAuswahl[s_.EditorSpur].Figur;
    if (f != gezeigteFigur_) {
        gezeigteFigur_ = f;
        einpassen();
    } else if (anzeigeGeaendert) {
        anzeigeGeaendert();
    }
}

QString Figurenansicht::zoomText() const {
    return QString("%1 %").arg(std::lround(ansicht_.zoom * 100));
}

QString Figurenansicht::zeigerText() const {
    if (!mausDa_) return QString();
    const QPointF f = nachFigur(maus_);
    QString text = QString("X %1  Y %2").arg(std::lround(f.x())).arg(std::lround(f.y()));
    if (!figurDa()) return text;
    const auto& punkte = s_.aktuellerFrame().Punkte;
    const long i = punktUnter(punkte, ansicht(), maus_.x(), maus_.y(), 6);
    if (i < 0) return text;
    const Punkt& p = punkte[static_cast<std::size_t>(i)];
    static const Sprachtexte ohneDatei;
    const Sprachtexte& t = texte_ ? *texte_ : ohneDatei;
    QStringList marken;
    const int bits[4] = {status::Ecke, status::Farbwechsel, status::Sprung, status::Text};
    for (int k = 0; k < 4; ++k)
        if (p.Status & bits[k]) marken << beschriftung(t, text::Marken[k]);
    text += "   " +
            beschriftung(t, text::Punktinfo).arg(i).arg(p.X).arg(p.Y).arg(p.Farbe);
    if (!marken.isEmpty()) text += ", " + marken.join(", ");
    return text;
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
    // The grid at its spacing while snapping is on, unless its lines would run together.
    const double massstab = ansicht().massstab();
    if (z_.rasterAn && z_.raster > 0 && z_.raster * massstab > 4) {
        g.setPen(QPen(QColor(42, 42, 58), 1));
        const QPointF lo = nachFigur(QPointF(0, height())), ro = nachFigur(QPointF(width(), 0));
        const double r = z_.raster;
        const double x0 = std::max(-32768.0, std::ceil(lo.x() / r) * r);
        const double y0 = std::max(-32768.0, std::ceil(lo.y() / r) * r);
        for (double v = x0; v <= std::min(32767.0, ro.x()); v += r)
            g.drawLine(nachWidget(v, -32768), nachWidget(v, 32767));
        for (double v = y0; v <= std::min(32767.0, ro.y()); v += r)
            g.drawLine(nachWidget(-32768, v), nachWidget(32767, v));
    }
    // Where a click would put a point when snapping is on.
    if (z_.rasterAn && mausDa_) {
        const QPointF f = nachFigur(maus_);
        const QPointF gerastet = nachWidget(rasten(z_, f.x()), rasten(z_, f.y()));
        g.setPen(QPen(QColor(0, 200, 255), 1));
        g.drawLine(gerastet - QPointF(6, 0), gerastet + QPointF(6, 0));
        g.drawLine(gerastet - QPointF(0, 6), gerastet + QPointF(0, 6));
    }
    if (!figurDa()) return;
    const auto& auswahl = s_.SpurAuswahl[s_.EditorSpur];
    const Figur& figur = s_.Figuren[auswahl.Figur];
    const auto& punkte = figur.Frames[static_cast<std::size_t>(auswahl.Frame)].Punkte;
    // The way into a jump is dark where the output blanks it (real-time optimisation on).
    const bool optimiert = figur.Parameter[parameter::Echtzeitoptimierung] != 0;
    for (std::size_t i = 1; i < punkte.size(); ++i) {
        const Punkt& p = punkte[i];
        const QPointF ziel = nachWidget(p.X, p.Y);
        if (i >= 2) {
            const QPointF von = nachWidget(punkte[i - 1].X, punkte[i - 1].Y);
            const RGB& c = p_.farbe(p.Farbe);
            if (!wegDunkel(p, c, optimiert))
                g.setPen(QPen(
                    QColor(static_cast<int>(c.R), static_cast<int>(c.G), static_cast<int>(c.B)),
                    2));
            else
                g.setPen(QPen(QColor(90, 90, 100, 160), 1, Qt::DashLine));
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
    // The point under the cursor, as the status bar describes it.
    if (mausDa_ && !zieht_) {
        const long i = punktUnter(punkte, ansicht(), maus_.x(), maus_.y(), 6);
        if (i > 0) {
            g.setPen(QPen(QColor(255, 255, 255, 200), 1));
            g.drawEllipse(nachWidget(punkte[static_cast<std::size_t>(i)].X,
                                     punkte[static_cast<std::size_t>(i)].Y),
                          4, 4);
        }
    }
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
        ansicht_ = ansicht();
        ansicht_.zoomUm(e->position().x(), e->position().y(),
                        e->button() == Qt::RightButton ? 0.5 : 2.0);
        ansichtGeaendert();
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
        radieren(s_, z_, f.x(), f.y(), 600 / zoom());
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
    maus_ = e->position();
    mausDa_ = true;
    if (anzeigeGeaendert) anzeigeGeaendert();
    if (!zieht_) {
        update();
        return;
    }
    aktuell_ = e->position();
    const QPointF f = nachFigur(e->position());
    if (z_.werkzeug == Werkzeug::Hand) {
        ansicht_ = ansicht();
        const QPointF d = e->position() - letzteMaus_;
        ansicht_.verschieben(d.x(), d.y());
    } else if (z_.werkzeug == Werkzeug::Freihand) {
        weg_.push_back({f.x(), f.y()});
    } else if (z_.werkzeug == Werkzeug::Radierer) {
        radieren(s_, z_, f.x(), f.y(), 600 / zoom());
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
        freihandZeichnen(s_, z_, weg_, 300 / zoom());
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
    if (e->angleDelta().y() == 0) return;
    ansicht_ = ansicht();
    ansicht_.zoomUm(e->position().x(), e->position().y(), e->angleDelta().y() > 0 ? 1.25 : 0.8);
    ansichtGeaendert();
}

void Figurenansicht::resizeEvent(QResizeEvent*) {
    // A fitted figure stays fitted while the window changes size.
    if (eingepasst_) einpassen();
}

void Figurenansicht::leaveEvent(QEvent*) {
    mausDa_ = false;
    update();
    if (anzeigeGeaendert) anzeigeGeaendert();
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
