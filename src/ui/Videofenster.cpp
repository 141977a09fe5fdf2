#include "ui/Videofenster.h"

#include "medien/MpvMedien.h"
#include "ui/Beschriften.h"
#include "ui/ShowTexte.h"
#include "ui/SimAnsicht.h"
#include "ui/VideoTexte.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace sw::ui {

Videofenster::Videofenster(QWidget* eltern, Showsteuerung& s)
    : Werkzeugfenster(eltern, s.p, "frmVideo", showtext::TitelVideo, QSize(640, 360)), s_(s),
      modus_(videomodusLaden(s.p.einstellungen)) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);

    // The picture: drawn by the player where this platform gives an OpenGL context.
    auto* spieler = dynamic_cast<MpvMedien*>(&s_.show.medien);
    QString grund;
    if (SimAnsicht::openGLPruefen && SimAnsicht::openGLPruefen(&grund)) {
        gl_ = new VideoGlBild(spieler, this);
        gl_->ohneRenderkontext = [this] { einmalMelden(videotext::OhneRenderkontext); };
        bild_ = gl_;
    } else {
        bild_ = new VideoSchwarz(this);
        einmalMelden(videotext::OhneOpenGL);
        if (!grund.isEmpty()) p_.log.zeile("  " + grund.toStdString());
    }
    bild_->setMinimumSize(160, 90);
    l->addWidget(bild_);

    leiste_ = new QMenuBar(this);
    leiste_->setObjectName("mnuVideoLeiste");
    l->setMenuBar(leiste_);
    QMenu* menue = leiste_->addMenu(QString());
    menue->setObjectName("mnuVideo");
    menue->setToolTipsVisible(true);
    auto aktion = [&](const char* name, const text::Beschriftung& b, const text::Beschriftung& tipp,
                      const QKeySequence& taste = {}) {
        auto* a = new QAction(this);
        a->setObjectName(name);
        a->setCheckable(true);
        a->setShortcut(taste);
        menue->addAction(a);
        // On the window too: its key works while the menu bar is hidden in full screen.
        addAction(a);
        bild_->addAction(a);
        beschriftenMit([a, &b, &tipp](const Sprachtexte& t) {
            a->setText(beschriftung(t, b));
            a->setToolTip(mitTaste(beschriftung(t, tipp), a->shortcut()));
        });
        return a;
    };
    vollbild_ = aktion("mnuVideoVollbild", videotext::Vollbild, videotext::VollbildTipp,
                       QKeySequence(Qt::Key_F11));
    menue->addSeparator();
    strecken_ = aktion("mnuVideoStrech", videotext::Strecken, videotext::StreckenTipp);
    seitenverhaeltnis_ = aktion("mnuVideoCorrectAspect", videotext::Seitenverhaeltnis,
                                videotext::SeitenverhaeltnisTipp);
    auto* gruppe = new QActionGroup(this);
    gruppe->addAction(strecken_);
    gruppe->addAction(seitenverhaeltnis_);
    bild_->setContextMenuPolicy(Qt::ActionsContextMenu);
    beschriftenMit([this, menue](const Sprachtexte& t) {
        menue->setTitle(beschriftung(t, videotext::Menue));
        const QString kein = beschriftung(t, videotext::KeinVideo);
        if (gl_)
            gl_->text = kein;
        else
            static_cast<VideoSchwarz*>(bild_)->text = kein;
        bild_->setToolTip(beschriftung(t, videotext::BildTipp));
        bild_->update();
    });
    connect(vollbild_, &QAction::toggled, this, &Videofenster::vollbild);
    connect(strecken_, &QAction::toggled, this, [this](bool an) {
        if (an) strecken(true);
    });
    connect(seitenverhaeltnis_, &QAction::toggled, this, [this](bool an) {
        if (an) seitenverhaeltnisKorrigieren(true);
    });
    menueAbgleichen();
    // The player keeps the aspect mode across files: told once now.
    const QSize g = bildgroesse();
    videomodusAnwenden(modus_, s_.show.medien, g.width(), g.height());
}

QSize Videofenster::bildgroesse() const {
    return bild_->size() * bild_->devicePixelRatioF();
}

void Videofenster::menueAbgleichen() {
    const QSignalBlocker a(vollbild_), b(strecken_), c(seitenverhaeltnis_);
    vollbild_->setChecked(modus_.mnuVideoVollbild);
    strecken_->setChecked(modus_.mnuVideoStrech);
    seitenverhaeltnis_->setChecked(modus_.mnuVideoCorrectAspect);
}

void Videofenster::einmalMelden(const text::Beschriftung& b) {
    if (gemeldet_) return;
    gemeldet_ = true;
    p_.log.zeile(p_.texte.text(b));
}

void Videofenster::vollbild(bool an) {
    videoVollbild(modus_, an, s_.show.medien);
    menueAbgleichen();
    // The whole screen is the picture's alone; the menu stays on the right mouse button.
    leiste_->setVisible(!an);
    if (an)
        showFullScreen();
    else if (isFullScreen())
        showNormal();
}

void Videofenster::strecken(bool an) {
    const QSize g = bildgroesse();
    videoStrecken(modus_, an, s_.show.medien, g.width(), g.height());
    videomodusSpeichern(modus_, p_.einstellungen);
    menueAbgleichen();
}

void Videofenster::seitenverhaeltnisKorrigieren(bool an) {
    strecken(!an);
}

// The picture area as the show hands it to the player: a handle only while a picture can be
// drawn here, so a file opened while the window is closed or without OpenGL plays its sound
// alone.
void Videofenster::bereichMelden(bool sichtbar) {
    auto& f = s_.show.show.videofenster;
    const QSize g = bildgroesse();
    f.links = f.oben = 0;
    f.breite = g.width();
    f.hoehe = g.height();
    f.handle = sichtbar && gl_ ? reinterpret_cast<std::uintptr_t>(gl_) : 0;
}

void Videofenster::showEvent(QShowEvent* e) {
    Werkzeugfenster::showEvent(e);
    bereichMelden(true);
}

void Videofenster::hideEvent(QHideEvent* e) {
    bereichMelden(false);
    Werkzeugfenster::hideEvent(e);
}

void Videofenster::resizeEvent(QResizeEvent* e) {
    Werkzeugfenster::resizeEvent(e);
    bereichMelden(isVisible());
}

// Esc leaves full screen. The key is not taken from the program-wide Esc, which darkens the
// lasers wherever the focus is: both happen.
bool Videofenster::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && modus_.mnuVideoVollbild)
        vollbild(false);
    return Werkzeugfenster::event(e);
}

void Videofenster::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && modus_.mnuVideoVollbild) {
        vollbild(false);
        return;
    }
    Werkzeugfenster::keyPressEvent(e);
}

void Videofenster::mouseDoubleClickEvent(QMouseEvent* e) {
    vollbild(!modus_.mnuVideoVollbild);
    e->accept();
}

} // namespace sw::ui
