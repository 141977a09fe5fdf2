#include "ui/Sequenzerfenster.h"

#include "show/Playlist.h"
#include "show/Wiedergabe.h"
#include "ui/Beschriften.h"
#include "ui/Hauptfenster.h"
#include "ui/SequenzerTexte.h"
#include "ui/ShowTexte.h"
#include "ui/Symbole.h"
#include "ui/Zeitleiste.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace sw::ui {

namespace {

// Runs `f` on a press of the right mouse button on the watched widget (the speed and start
// timer buttons reset or ask with it); the context menu stays off there.
class Rechtsklick : public QObject {
public:
    Rechtsklick(QWidget* w, std::function<void()> f) : QObject(w), f_(std::move(f)) {
        w->setContextMenuPolicy(Qt::PreventContextMenu);
        w->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            f_();
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> f_;
};

QToolButton* knopf(QWidget* eltern, const char* name, const char* symbolName) {
    auto* b = new QToolButton(eltern);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setIconSize(QSize(22, 22));
    // Space and Home belong to the transport, not to the button that has the focus.
    b->setFocusPolicy(Qt::NoFocus);
    symbolSetzen(b, symbolName);
    return b;
}

// The twelve device groups: A to D (the four output cards' sides), then 5 to 12.
QString gruppenName(int g) {
    return g < 4 ? QString(QChar('A' + g)) : QString::number(g + 1);
}

} // namespace

Sequenzerfenster::Sequenzerfenster(QWidget* eltern, Showsteuerung& s)
    : Werkzeugfenster(eltern, s.p, "frmSequenzer", showtext::MenueSequenzer, QSize(1200, 640)),
      s_(s) {
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 0, 4, 4);
    spalte->setSpacing(2);
    auto* leiste = new QMenuBar(this);
    leiste->setObjectName("mnuSequenzerLeiste");
    spalte->setMenuBar(leiste);

    spalte->addWidget(transportBauen());
    spalte->addWidget(gruppenBauen());
    zeitleiste_ = new Zeitleiste(this, s_);
    zeitleiste_->setMinimumHeight(200);
    spalte->addWidget(zeitleiste_, 1);

    // The status line: the show, what waits, the position display.
    auto* statuszeile = new QHBoxLayout;
    showname_ = new QLabel(this);
    showname_->setObjectName("lblShowname");
    showname_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    position_ = new QLabel(this);
    position_->setObjectName("lblPosition");
    rest_ = new QLabel(this);
    rest_->setObjectName("lblRest");
    beschriftenMit([this](const Sprachtexte& t) {
        showname_->setToolTip(beschriftung(t, seqtext::TipShowname));
        position_->setToolTip(beschriftung(t, seqtext::TipPosition));
        rest_->setToolTip(beschriftung(t, seqtext::TipPosition));
    });
    statuszeile->addWidget(showname_, 1);
    statuszeile->addWidget(status_);
    statuszeile->addSpacing(16);
    statuszeile->addWidget(position_);
    statuszeile->addSpacing(16);
    statuszeile->addWidget(rest_);
    spalte->addLayout(statuszeile);

    menuesBauen(leiste);

    zeitleiste_->cursorGesetzt = [this](double) { zustandZeigen(); };
    zeitleiste_->markierungGeaendert = [this] { zustandZeigen(); };
    hooksSetzen();

    tmrZeit_ = new QTimer(this);
    tmrZeit_->setObjectName("tmrZeitAktualisieren");
    tmrZeit_->setInterval(100);
    connect(tmrZeit_, &QTimer::timeout, this, &Sequenzerfenster::tmrZeitAktualisieren_Timer);
    tmrZeit_->start();
    tmrStart_ = new QTimer(this);
    tmrStart_->setObjectName("tmrstart");
    tmrStart_->setInterval(50);
    connect(tmrStart_, &QTimer::timeout, this, &Sequenzerfenster::tmrstart_Timer);
    tmrStart_->start();

    // The position display shows the show's start until it plays.
    sw::tmrZeitAktualisieren_Timer(s_.wk);
    beschriftenMit([this](const Sprachtexte&) { zustandZeigen(); });
}

Sequenzerfenster::~Sequenzerfenster() {
    hooksLoesen();
    // A window that goes while the show plays leaves no laser lit.
    if (s_.wiedergabe.spielt) anhalten();
}

QWidget* Sequenzerfenster::transportBauen() {
    auto* w = new QWidget(this);
    auto* zeile = new QHBoxLayout(w);
    zeile->setContentsMargins(0, 2, 0, 2);
    zeile->setSpacing(2);

    auto tip = [this](QWidget* b, const text::Beschriftung& t, QKeySequence taste = {}) {
        beschriftenMit([b, &t, taste](const Sprachtexte& tx) {
            b->setToolTip(mitTaste(ohneKuerzel(beschriftung(tx, t)), taste));
        });
    };
    play_ = knopf(w, "Play", "abspielen");
    connect(play_, &QToolButton::clicked, this, &Sequenzerfenster::abspielen);
    tip(play_, seqtext::TipAbspielen, QKeySequence(Qt::Key_Space));
    anhalten_ = knopf(w, "Anhalten", "stoppen");
    connect(anhalten_, &QToolButton::clicked, this, &Sequenzerfenster::anhalten);
    tip(anhalten_, seqtext::TipAnhalten, QKeySequence(Qt::Key_Space));
    prev_ = knopf(w, "Prev", "erster-frame");
    connect(prev_, &QToolButton::clicked, this, &Sequenzerfenster::zumAnfang);
    tip(prev_, seqtext::TipZumAnfang, QKeySequence(Qt::Key_Home));
    rec_ = knopf(w, "Rec", "aufnahme");
    rec_->setCheckable(true);
    connect(rec_, &QToolButton::clicked, this, [this] {
        Rec_Click(s_.wk);
        zustandZeigen();
    });
    tip(rec_, seqtext::TipAufnahme);
    loop_ = knopf(w, "checkAutoLoop", "schleife");
    loop_->setCheckable(true);
    connect(loop_, &QToolButton::toggled, this, [this](bool an) {
        s_.wiedergabe.checkAutoLoop = an;
        zustandZeigen();
    });
    tip(loop_, seqtext::TipSchleife);
    startTimer_ = knopf(w, "cmdStartTimer", "uhr");
    connect(startTimer_, &QToolButton::clicked, this, [this] {
        cmdStartTimer_Click(s_.wk);
        zustandZeigen();
    });
    new Rechtsklick(startTimer_, [this] {
        mnuStartverzoegerung_Click(s_.wk);
        zustandZeigen();
    });
    tip(startTimer_, seqtext::TipStartTimer);
    for (auto* b : {play_, anhalten_, prev_, rec_, loop_, startTimer_}) zeile->addWidget(b);
    zeile->addSpacing(10);

    // The rate: faster, the caption, slower; a right click on any of them resets.
    auto* schneller = knopf(w, "cmdSpeed(0)", "schneller");
    auto* langsamer = knopf(w, "cmdSpeed(1)", "langsamer");
    rate_ = new QLabel(w);
    rate_->setObjectName("lblRate");
    rate_->setMinimumWidth(rate_->fontMetrics().horizontalAdvance("Rate: 0.00 ") + 8);
    rate_->setAlignment(Qt::AlignCenter);
    auto ruecksetzen = [this] {
        cmdSpeed_MouseDown(s_.wk, 2);
        zustandZeigen();
    };
    connect(schneller, &QToolButton::clicked, this, [this] {
        cmdSpeed_Click(s_.wk, 0);
        zustandZeigen();
    });
    connect(langsamer, &QToolButton::clicked, this, [this] {
        cmdSpeed_Click(s_.wk, 1);
        zustandZeigen();
    });
    for (QWidget* b : std::initializer_list<QWidget*>{langsamer, rate_, schneller})
        new Rechtsklick(b, ruecksetzen);
    tip(schneller, seqtext::TipSchneller);
    tip(langsamer, seqtext::TipLangsamer);
    tip(rate_, seqtext::TipRate);
    zeile->addWidget(langsamer);
    zeile->addWidget(rate_);
    zeile->addWidget(schneller);
    zeile->addSpacing(10);

    // The edit commands, as in the edit menu.
    auto editKnopf = [&](const char* name, const char* symbolName, const text::Beschriftung& t,
                         QKeySequence taste, std::function<void()> f) {
        auto* b = knopf(w, name, symbolName);
        connect(b, &QToolButton::clicked, this, [this, f] { bearbeiten(f); });
        tip(b, t, taste);
        zeile->addWidget(b);
        return b;
    };
    undo_ = editKnopf("cmdDo(3)", "rueckgaengig", seqtext::Rueckgaengig, QKeySequence::Undo,
                      [this] { Undo(s_.p.sequenzer, s_.p.env); });
    redo_ =
        editKnopf("cmdDo(4)", "wiederholen", seqtext::Wiederholen,
                  QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { Redo(s_.p.sequenzer, s_.p.env); });
    editKnopf("cmdDo(0)", "frames-kopieren", seqtext::TipKopieren, QKeySequence::Copy,
              [this] { zeitleiste_->kopieren(); });
    editKnopf("cmdDo(1)", "ausschneiden", seqtext::TipSchneiden, QKeySequence::Cut,
              [this] { zeitleiste_->ausschneiden(); });
    editKnopf("cmdDo(2)", "frames-einfuegen", seqtext::TipEinfuegen, QKeySequence::Paste,
              [this] { zeitleiste_->einfuegen(); });
    editKnopf("cmdDo(5)", "frames-loeschen", seqtext::TipLoeschen, QKeySequence::Delete,
              [this] { zeitleiste_->loeschen(); });
    zeile->addSpacing(10);
    auto* einpassen = knopf(w, "cmdZoomEinpassen", "einpassen");
    connect(einpassen, &QToolButton::clicked, this, [this] { zeitleiste_->zoomEinpassen(); });
    tip(einpassen, seqtext::TipEinpassen);
    zeile->addWidget(einpassen);
    zeile->addStretch(1);
    return w;
}

QWidget* Sequenzerfenster::gruppenBauen() {
    auto* w = new QWidget(this);
    auto* zeile = new QHBoxLayout(w);
    zeile->setContentsMargins(0, 0, 0, 2);
    zeile->setSpacing(2);
    auto* titel = new QLabel(w);
    beschriftenMit(
        [titel](const Sprachtexte& t) { titel->setText(beschriftung(t, seqtext::Gruppe)); });
    zeile->addWidget(titel);
    // The chosen group stands out in both themes.
    w->setStyleSheet(QStringLiteral(
        "QToolButton:checked { background-color: palette(highlight); color: "
        "palette(highlighted-text); border: 1px solid palette(highlight); border-radius: 2px; }"));
    gruppen_ = new QButtonGroup(this);
    gruppen_->setExclusive(true);
    for (int g = 0; g < 12; ++g) {
        auto* b = new QToolButton(w);
        b->setObjectName(QStringLiteral("optDeviceNr(%1)").arg(g));
        b->setText(gruppenName(g));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance("12") + 18);
        beschriftenMit(
            [b](const Sprachtexte& t) { b->setToolTip(beschriftung(t, seqtext::TipGruppe)); });
        gruppen_->addButton(b, g);
        zeile->addWidget(b);
    }
    gruppen_->button(s_.p.sequenzer.optDeviceNr)->setChecked(true);
    connect(gruppen_, &QButtonGroup::idClicked, this, &Sequenzerfenster::gruppeWaehlen);
    zeile->addStretch(1);
    return w;
}

Hauptfenster* Sequenzerfenster::haupt() const {
    return dynamic_cast<Hauptfenster*>(parentWidget());
}

void Sequenzerfenster::hooksSetzen() {
    auto& teile = s_.wk.teile;
    teile.wellenformNeuZeichnen = [this] { zeitleiste_->wellenformNeu(); };
    // The automatic laser mode and DMX macros are not built: the log says what was asked.
    teile.laserAutomatik = [this](bool an) {
        if (!s_.show.show.mnuLaserAutomatik) return;
        p_.log.zeile(beschriftung(p_.texte, seqtext::LogAutomatik)
                         .arg(an ? QStringLiteral("on") : QStringLiteral("off"))
                         .toStdString());
    };
    teile.dmxMakroStarten = [this] {
        p_.log.zeile(beschriftung(p_.texte, seqtext::LogDmxMakro).toStdString());
    };
    teile.tageszeit = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; };
    auto& seq = p_.sequenzer;
    seq.neuZeichnen = [this](double von, double bis) {
        zeitleiste_->neuZeichnen(von, bis);
        zustandZeigen();
    };
    seq.wiedergabeStoppen = [this] {
        if (s_.wiedergabe.spielt) anhalten();
    };
    seq.figurenlisteAktualisieren = [this] {
        if (auto* h = haupt()) h->ordnerZeigen(p_.figuren.lstDirPfad);
    };
    // A trigger recorded while the show plays is drawn at once when the window is shown.
    p_.live.hooks.zeitleisteNeuZeichnen = [this] {
        if (isVisible()) zeitleiste_->neuZeichnen(0, -1);
    };
}

void Sequenzerfenster::hooksLoesen() {
    auto& teile = s_.wk.teile;
    teile.wellenformNeuZeichnen = nullptr;
    teile.laserAutomatik = nullptr;
    teile.dmxMakroStarten = nullptr;
    teile.tageszeit = nullptr;
    auto& seq = p_.sequenzer;
    seq.neuZeichnen = nullptr;
    seq.wiedergabeStoppen = nullptr;
    seq.figurenlisteAktualisieren = nullptr;
    p_.live.hooks.zeitleisteNeuZeichnen = nullptr;
}

void Sequenzerfenster::ausgabeStarten() {
    auto* h = haupt();
    if (!h || h->spielt()) return;
    h->abspielen(true);
    ausgabeGestartet_ = true;
}

void Sequenzerfenster::ausgabeStoppen() {
    auto* h = haupt();
    ausgabeGestartet_ = false;
    if (h) h->abspielen(false);
}

// The output cycle follows the sequencer: a start that fired (the start timer, a loop, the
// playlist) starts it; the end of the show stops what the sequencer started; an output stopped
// elsewhere (the main window's Stop) stops the show too, rather than being started again.
void Sequenzerfenster::ausgabeAbgleichen() {
    const auto& w = s_.wiedergabe;
    const bool laeuft = w.spielt && !w.startUmUhr && !w.startUmTageszeit;
    auto* h = haupt();
    if (laeuft && !liefVorher_) {
        ausgabeStarten();
        zeitleiste_->wiedergabeFolgen(true);
    } else if (laeuft && ausgabeGestartet_ && h && !h->spielt()) {
        ausgabeGestartet_ = false;
        Anhalten_Click(s_.wk);
        zeitleiste_->wiedergabeFolgen(false);
    } else if (!w.spielt && ausgabeGestartet_) {
        ausgabeStoppen();
        zeitleiste_->wiedergabeFolgen(false);
    }
    liefVorher_ = w.spielt && !w.startUmUhr && !w.startUmTageszeit;
}

void Sequenzerfenster::abspielen() {
    if (s_.wiedergabe.spielt && !s_.wiedergabe.startUmUhr && !s_.wiedergabe.startUmTageszeit)
        return;
    Play_Click(s_.wk);
    ausgabeAbgleichen();
    zustandZeigen();
}

void Sequenzerfenster::anhalten() {
    Anhalten_Click(s_.wk);
    zeitleiste_->wiedergabeFolgen(false);
    // Stop blanks whatever runs, also an output the main window started.
    ausgabeStoppen();
    liefVorher_ = false;
    zustandZeigen();
}

void Sequenzerfenster::abspielenOderAnhalten() {
    if (s_.wiedergabe.spielt)
        anhalten();
    else
        abspielen();
}

void Sequenzerfenster::zumAnfang() {
    Prev_Click(s_.wk);
    ausgabeAbgleichen();
    if (!s_.wiedergabe.spielt) zeitleiste_->wiedergabeFolgen(false);
    zeitleiste_->neuZeichnen(0, -1);
    zustandZeigen();
}

void Sequenzerfenster::gruppeWaehlen(int gruppe) {
    if (gruppe < 0 || gruppe >= 12) return;
    p_.sequenzer.optDeviceNr = gruppe;
    if (auto* b = gruppen_->button(gruppe); b && !b->isChecked()) b->setChecked(true);
    zeitleiste_->neuZeichnen(0, -1);
}

void Sequenzerfenster::keyPressEvent(QKeyEvent* e) {
    if (e->modifiers() == Qt::NoModifier && e->key() == Qt::Key_Space) {
        abspielenOderAnhalten();
        return;
    }
    if (e->modifiers() == Qt::NoModifier && e->key() == Qt::Key_Home) {
        zumAnfang();
        return;
    }
    Werkzeugfenster::keyPressEvent(e);
}

void Sequenzerfenster::tmrZeitAktualisieren_Timer() {
    auto& w = s_.wiedergabe;
    if (w.zeitanzeigeAn) sw::tmrZeitAktualisieren_Timer(s_.wk);
    ausgabeAbgleichen();
    zustandZeigen();
}

void Sequenzerfenster::tmrstart_Timer() {
    auto& w = s_.wiedergabe;
    if ((w.startUmUhr || w.startUmTageszeit) && sw::tmrstart_Timer(s_.wk)) ausgabeAbgleichen();
    // The end of a show while a playlist runs: the playlist moves on.
    if (w.tmrPlaylist) {
        w.tmrPlaylist = false;
        tmrPlaylist_Timer(s_.pk);
        ausgabeAbgleichen();
    }
}

void Sequenzerfenster::zustandZeigen() {
    const auto& w = s_.wiedergabe;
    const auto& seq = p_.sequenzer;
    const Sprachtexte& t = p_.texte;
    const bool wartet = w.startUmUhr || w.startUmTageszeit;
    play_->setEnabled(w.transportAn && (!w.spielt || wartet));
    // Stop stays pressable: it also blanks an output the main window started.
    prev_->setEnabled(w.transportAn);
    rec_->setEnabled(w.transportAn);
    {
        const QSignalBlocker b1(rec_), b2(loop_);
        rec_->setChecked(w.checkRecordMidi);
        loop_->setChecked(w.checkAutoLoop);
    }
    rate_->setText(QString::fromStdString(w.rateBeschriftung));
    undo_->setEnabled(seq.undo.undoEnabled);
    redo_->setEnabled(seq.undo.redoEnabled);
    if (mnuUndo_) {
        mnuUndo_->setEnabled(seq.undo.undoEnabled);
        mnuRedo_->setEnabled(seq.undo.redoEnabled);
        const QSignalBlocker b1(mnuRasterAnAus_), b2(mnuRec_), b3(mnuLoop_), b4(mnuLaserAutomatik_),
            b5(mnuAutomatischZeigen_);
        mnuRasterAnAus_->setChecked(seq.raster.an);
        mnuRasterAnAus_->setEnabled(!seq.raster.marken.empty());
        mnuRec_->setChecked(w.checkRecordMidi);
        mnuLoop_->setChecked(w.checkAutoLoop);
        mnuLaserAutomatik_->setChecked(s_.show.show.mnuLaserAutomatik);
        mnuAutomatischZeigen_->setChecked(s_.show.show.mnuAutomatischZeigen);
    }
    if (auto* b = gruppen_->button(seq.optDeviceNr); b && !b->isChecked()) b->setChecked(true);

    const std::string& name = s_.show.show.mnuShowname;
    const QString showText =
        name.empty() ? beschriftung(t, seqtext::KeineShow) : QString::fromStdString(name);
    showname_->setText(showText);
    if (mnuShowname_) mnuShowname_->setText(showText);
    QString status;
    if (w.startUmTageszeit)
        status = beschriftung(t, seqtext::StartUmStatus)
                     .arg(QString::fromStdString(uhrzeitText(*w.startUmTageszeit)));
    else if (w.startUmUhr)
        status = beschriftung(t, seqtext::StartInStatus)
                     .arg(std::max(0.0, std::ceil(*w.startUmUhr - p_.env.uhr.sekunden())));
    else if (w.aufnahme)
        status = beschriftung(t, seqtext::AufnahmeStatus);
    status_->setText(status);
    position_->setText(QString::fromStdString(w.positionText));
    rest_->setText(QString::fromStdString(w.restText));
}

} // namespace sw::ui
