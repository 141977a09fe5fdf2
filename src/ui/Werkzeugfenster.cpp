#include "ui/Werkzeugfenster.h"

#include "app/Programmstart.h"
#include "ui/Beschriften.h"

#include <QScreen>

#include <algorithm>

namespace sw::ui {

QString lt(const Sprachtexte& t, const text::Beschriftung& b) {
    return beschriftung(t, b);
}

QString fenstertitel(const Sprachtexte& t, const text::Beschriftung& b) {
    QString s = ohneKuerzel(beschriftung(t, b));
    if (s.endsWith(QStringLiteral("..."))) s.chop(3);
    return s.trimmed();
}

Werkzeugfenster::Werkzeugfenster(QWidget* eltern, Programm& p, const char* name,
                                 const text::Beschriftung& titel, QSize standard)
    : QWidget(eltern, Qt::Window), p_(p), name_(name), standard_(standard) {
    setObjectName(name);
    beschriftenMit(
        [this, &titel](const Sprachtexte& t) { setWindowTitle(fenstertitel(t, titel)); });
}

void Werkzeugfenster::beschriftenMit(std::function<void(const Sprachtexte&)> f) {
    f(p_.texte);
    beschrifter_.push_back(std::move(f));
}

void Werkzeugfenster::beschriften() {
    for (const auto& f : beschrifter_) f(p_.texte);
}

void Werkzeugfenster::showEvent(QShowEvent* e) {
    if (!positioniert_) {
        positioniert_ = true;
        positionLaden();
    }
    QWidget::showEvent(e);
}

void Werkzeugfenster::hideEvent(QHideEvent* e) {
    positionSpeichern();
    QWidget::hideEvent(e);
}

// The stored position, moved onto the screen when the screens changed since.
void Werkzeugfenster::positionLaden() {
    const QRect frei = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(standard_.boundedTo(frei.size()));
    const auto pos = fensterpositionLesen(p_, name_);
    if (!pos) return;
    QRect r(pos->links, pos->oben, pos->rechts - pos->links, pos->unten - pos->oben);
    r.setSize(r.size().boundedTo(frei.size()).expandedTo(minimumSizeHint().boundedTo(frei.size())));
    r.moveLeft(std::clamp(r.left(), frei.left(), std::max(frei.left(), frei.right() - r.width())));
    r.moveTop(std::clamp(r.top(), frei.top(), std::max(frei.top(), frei.bottom() - r.height())));
    setGeometry(r);
}

void Werkzeugfenster::positionSpeichern() {
    if (!positioniert_) return;
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    fensterpositionSpeichern(p_, name_,
                             Fensterposition{1, r.left(), r.top(), r.right() + 1, r.bottom() + 1});
}

} // namespace sw::ui
