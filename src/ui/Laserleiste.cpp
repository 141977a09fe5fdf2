#include "ui/Laserleiste.h"

#include "ui/Beschriften.h"
#include "ui/Symbole.h"
#include "ui/Thema.h"

#include <QAction>
#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <cmath>

namespace sw::ui {

Laserleiste::Laserleiste(Hauptschalter& h, Einstellungen& e, QWidget* eltern)
    : QToolBar("Laser", eltern), h_(h), e_(e) {
    setObjectName("tbLaser");
    // Always there: neither moved away, floated nor hidden from the toolbar menu.
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setEnabled(false);
    // The safety controls show their words beside their icons.
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    freigabe_ = addAction("Laser");
    symbolSetzen(freigabe_, "laser-frei");
    freigabe_->setObjectName("mnuLaserFreigabe");
    freigabe_->setCheckable(true);
    connect(freigabe_, &QAction::toggled, this, [this](bool an) { h_.LaserFreigabe = an; });

    blackout_ = addAction("Blackout");
    blackout_->setObjectName("mnuBlackout");
    blackout_->setCheckable(true);
    symbolSetzen(blackout_, "blackout");
    connect(blackout_, &QAction::toggled, this, [this](bool an) { h_.Blackout = an; });
    // Escape only ever darkens, wherever the focus is in the program; ending a blackout is a
    // deliberate click.
    auto* taste = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    taste->setObjectName("tasteBlackout");
    taste->setContext(Qt::ApplicationShortcut);
    connect(taste, &QShortcut::activated, this, [this] { blackout_->setChecked(true); });

    addSeparator();
    auto* sonne = new QLabel;
    sonne->setObjectName("picHelligkeit");
    auto sonneZeichnen = [sonne] { sonne->setPixmap(symbol("helligkeit").pixmap(20, 20)); };
    sonneZeichnen();
    nachThemawechsel(sonne, sonneZeichnen);
    addWidget(sonne);
    regler_ = new QSlider(Qt::Horizontal);
    regler_->setObjectName("scrHelligkeit");
    regler_->setRange(0, 100);
    regler_->setMaximumWidth(160);
    prozent_ = new QSpinBox;
    prozent_->setObjectName("txtHelligkeit");
    prozent_->setRange(0, 100);
    prozent_->setSuffix(" %");
    addWidget(regler_);
    addWidget(prozent_);
    connect(regler_, &QSlider::valueChanged, this, [this](int v) { helligkeitSetzen(v); });
    connect(prozent_, &QSpinBox::valueChanged, this, [this](int v) { helligkeitSetzen(v); });
    // The brightness is stored once the operator has set it, not at every step of a drag.
    connect(regler_, &QSlider::sliderReleased, this, [this] { hauptschalterSpeichern(h_, e_); });
    connect(prozent_, &QSpinBox::editingFinished, this, [this] { hauptschalterSpeichern(h_, e_); });

    hauptschalterLaden(h_, e_);
    anzeigen();
}

void Laserleiste::beschriften(const Sprachtexte& t) {
    setWindowTitle(beschriftung(t, text::Laser));
    freigabe_->setText(beschriftung(t, text::Laser));
    freigabe_->setToolTip(beschriftung(t, text::LaserHilfe));
    blackout_->setText(beschriftung(t, text::Blackout));
    blackout_->setToolTip(mitTaste(beschriftung(t, text::BlackoutHilfe), Qt::Key_Escape));
    regler_->setToolTip(beschriftung(t, text::HelligkeitHilfe));
    prozent_->setToolTip(regler_->toolTip());
}

void Laserleiste::helligkeitSetzen(int prozent) {
    h_.Helligkeit = prozent / 100.0;
    const QSignalBlocker a(regler_), b(prozent_);
    regler_->setValue(prozent);
    prozent_->setValue(prozent);
}

void Laserleiste::anzeigen() {
    const QSignalBlocker a(freigabe_), b(blackout_), c(regler_), d(prozent_);
    freigabe_->setChecked(h_.LaserFreigabe);
    blackout_->setChecked(h_.Blackout);
    const int prozent = static_cast<int>(std::lround(h_.Helligkeit * 100));
    regler_->setValue(prozent);
    prozent_->setValue(prozent);
}

} // namespace sw::ui
