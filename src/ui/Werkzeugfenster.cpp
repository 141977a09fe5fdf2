#include "ui/Werkzeugfenster.h"

#include "ui/Beschriften.h"
#include "ui/Fensterlage.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace sw::ui {

QString lt(const Sprachtexte& t, const text::Beschriftung& b) {
    return beschriftung(t, b);
}

QString fenstertitel(const Sprachtexte& t, const text::Beschriftung& b) {
    QString s = ohneKuerzel(beschriftung(t, b));
    if (s.endsWith(QStringLiteral("..."))) s.chop(3);
    return s.trimmed();
}

QScrollArea* rollbar(QWidget* inhalt) {
    auto* r = new QScrollArea;
    r->setWidget(inhalt);
    r->setWidgetResizable(true);
    r->setFrameShape(QFrame::NoFrame);
    return r;
}

Werkzeugfenster::Werkzeugfenster(QWidget* eltern, Programm& p, const char* name,
                                 const text::Beschriftung& titel, QSize standard)
    : QWidget(eltern, Qt::Window), p_(p), standard_(standard) {
    setObjectName(name);
    beschriftenMit(
        [this, &titel](const Sprachtexte& t) { setWindowTitle(fenstertitel(t, titel)); });
}

void Werkzeugfenster::beschriftenMit(std::function<void(const Sprachtexte&)> f) {
    f(p_.texte);
    beschrifter_.push_back(std::move(f));
}

QScrollArea* Werkzeugfenster::setzeInhalt(QWidget* inhalt) {
    auto* r = rollbar(inhalt);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(r);
    return r;
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

void Werkzeugfenster::positionLaden() {
    fensterlageLaden(*this, p_, standard_.width(), standard_.height());
}

void Werkzeugfenster::positionSpeichern() {
    if (positioniert_) fensterlageSpeichern(*this, p_);
}

} // namespace sw::ui
