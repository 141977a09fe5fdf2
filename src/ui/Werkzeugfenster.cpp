#include "ui/Werkzeugfenster.h"

#include "ui/Beschriften.h"
#include "ui/Symbole.h"
#include "ui/Fensterlage.h"

#include <QAction>
#include <QMenu>
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

void fensterZeigen(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

QAction* fensterBefehl(QMenu* menu, QObject* besitzer, const char* name,
                       const text::Beschriftung& b, const QKeySequence& taste, const char* symbol,
                       std::function<QWidget*()> fenster, const Beschrifter& beschriftenMit) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    a->setShortcut(taste);
    if (symbol) symbolSetzen(a, symbol);
    beschriftenMit([a, &b](const Sprachtexte& t) {
        a->setText(beschriftung(t, b));
        a->setToolTip(mitTaste(ohneKuerzel(beschriftung(t, b)), a->shortcut()));
    });
    QObject::connect(a, &QAction::triggered, besitzer,
                     [fenster = std::move(fenster)] { fensterZeigen(fenster()); });
    return a;
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
