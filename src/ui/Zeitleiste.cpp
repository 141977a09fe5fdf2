#include "ui/Zeitleiste.h"

#include "live/KeyTable.h"
#include "medien/Wellenbild.h"
#include "show/SequenzBearbeiten.h"
#include "ui/Beschriften.h"
#include "ui/Livefenster.h"
#include "ui/ZeitleisteTexte.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace sw::ui {

namespace zt = zeitleistentext;
namespace fs = std::filesystem;

namespace {

constexpr int kZeilen = sequenz::kZeilenJeGruppe;
constexpr double kFeinsteMsProPixel = 0.5;
constexpr double kKuerzesteShow = 10000;
constexpr int kFolgenMs = 16;            // about 60 redraws of the cursor line a second
constexpr double kHoechstVorlaufMs = 60; // how far the line runs ahead of a standing clock

bool istWav(const std::string& datei) {
    if (datei.size() < 4) return false;
    std::string endung = datei.substr(datei.size() - 4);
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return endung == ".wav";
}

std::vector<std::uint8_t> dateiBytes(const fs::path& datei) {
    std::ifstream f(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

Zeitleiste::Zeitleiste(QWidget* eltern, Showsteuerung& s) : QWidget(eltern), s_(s) {
    setObjectName("picSpur");
    setMouseTracking(true);
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);

    balken_ = new QScrollBar(Qt::Horizontal, this);
    balken_->setObjectName("scrZeitleiste");
    balken_->installEventFilter(this);
    connect(balken_, &QScrollBar::valueChanged, this, [this](int wert) {
        sicht_.anfang = wert;
        eingepasst_ = false;
        update();
    });

    folgen_ = new QTimer(this);
    folgen_->setInterval(kFolgenMs);
    folgen_->setTimerType(Qt::PreciseTimer);
    connect(folgen_, &QTimer::timeout, this, [this] { folgenSchritt(); });

    auto aktion = [this](const char* name, QKeySequence taste, void (Zeitleiste::*f)()) {
        auto* a = new QAction(this);
        a->setObjectName(name);
        a->setShortcut(taste);
        // The view takes its keys itself while it has the focus (so that the window's own
        // commands with the same keys stay unambiguous); the shortcut is shown in the menu.
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, this, f);
        return a;
    };
    kopieren_ = aktion("aktZeitleisteKopieren", QKeySequence::Copy, &Zeitleiste::kopieren);
    ausschneiden_ =
        aktion("aktZeitleisteAusschneiden", QKeySequence::Cut, &Zeitleiste::ausschneiden);
    einfuegen_ = aktion("aktZeitleisteEinfuegen", QKeySequence::Paste, &Zeitleiste::einfuegen);
    loeschen_ = aktion("aktZeitleisteLoeschen", QKeySequence::Delete, &Zeitleiste::loeschen);
    einpassen_ = aktion("aktZeitleisteEinpassen", {}, &Zeitleiste::zoomEinpassen);
    menue_ = new QMenu(this);
    menue_->setObjectName("mnuZeitleiste");
    menue_->setToolTipsVisible(true);
    menue_->addActions({kopieren_, ausschneiden_, einfuegen_, loeschen_});
    menue_->addSeparator();
    menue_->addAction(einpassen_);

    linie_ = s_.p.sequenzer.cursorZeit;
    beschriften();
}

Zeitleiste::~Zeitleiste() = default;

void Zeitleiste::beschriften() {
    const Sprachtexte& t = s_.p.texte;
    auto setzen = [&](QAction* a, const text::Beschriftung& text, const text::Beschriftung& hilfe) {
        a->setText(beschriftung(t, text));
        a->setToolTip(mitTaste(beschriftung(t, hilfe), a->shortcut()));
    };
    setzen(kopieren_, zt::Kopieren, zt::KopierenHilfe);
    setzen(ausschneiden_, zt::Ausschneiden, zt::AusschneidenHilfe);
    setzen(einfuegen_, zt::Einfuegen, zt::EinfuegenHilfe);
    setzen(loeschen_, zt::Loeschen, zt::LoeschenHilfe);
    setzen(einpassen_, zt::Einpassen, zt::EinpassenHilfe);
    setToolTip(beschriftung(t, zt::SpurenHilfe));
    balken_->setToolTip(beschriftung(t, zt::BalkenHilfe));
}

// --- Layout --------------------------------------------------------------------------------

int Zeitleiste::linksBreite() const {
    // Asked for every event drawn: measured once per font.
    if (linksBreite_ < 0)
        linksBreite_ = std::max(44, fontMetrics().horizontalAdvance(QStringLiteral("19 Fx")) + 18);
    return linksBreite_;
}

void Zeitleiste::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
        linksBreite_ = -1;
        resizeEvent(nullptr);
    }
    QWidget::changeEvent(e);
}

int Zeitleiste::linealHoehe() const {
    return fontMetrics().height() + 8;
}

int Zeitleiste::zeitHoehe() const {
    return linealHoehe() + std::max(28, 2 * fontMetrics().height());
}

QRect Zeitleiste::spurenRechteck() const {
    const int oben = zeitHoehe();
    const int unten = height() - balken_->sizeHint().height();
    return QRect(linksBreite(), oben, std::max(1, width() - linksBreite()),
                 std::max(kZeilen, unten - oben));
}

double Zeitleiste::zeilenHoehe() const {
    return spurenRechteck().height() / static_cast<double>(kZeilen);
}

double Zeitleiste::zeilenOben(int zeile) const {
    return spurenRechteck().top() + (zeile - 1) * zeilenHoehe();
}

double Zeitleiste::zeitBei(int px) const {
    return sicht_.zeit(px - linksBreite());
}

int Zeitleiste::zeileBei(int py) const {
    const QRect r = spurenRechteck();
    if (py < r.top() || py >= r.top() + r.height()) return 0;
    return std::clamp(static_cast<int>((py - r.top()) / zeilenHoehe()) + 1, 1, kZeilen);
}

QPoint Zeitleiste::punktBei(double ms, int zeile) const {
    return QPoint(static_cast<int>(std::lround(x(ms))),
                  static_cast<int>(std::lround(zeilenOben(zeile) + zeilenHoehe() / 2)));
}

double Zeitleiste::gesamtLaenge() const {
    const auto& e = s_.p.sequenzer.Events;
    double laenge = std::max(s_.p.sequenzer.Medienlaenge, kKuerzesteShow);
    if (sequenz::anzahl(e) > 0) laenge = std::max(laenge, e.back().start + 1000);
    return laenge;
}

double Zeitleiste::sichtAnfang() const {
    return sicht_.anfang;
}

double Zeitleiste::sichtBreite() const {
    return sicht_.msProPixel * spurenRechteck().width();
}

bool Zeitleiste::sichtPruefen() {
    const Sicht vorher = sicht_;
    const double gesamt = gesamtLaenge();
    const double breite = spurenRechteck().width();
    const double hoechste = std::max(kFeinsteMsProPixel, gesamt / breite);
    if (eingepasst_) {
        sicht_.msProPixel = hoechste;
        sicht_.anfang = 0;
    }
    sicht_.msProPixel = std::clamp(sicht_.msProPixel, kFeinsteMsProPixel, hoechste);
    const double rest = std::max(0.0, gesamt - sichtBreite());
    sicht_.anfang = std::clamp(sicht_.anfang, 0.0, rest);
    const QSignalBlocker b(balken_);
    balken_->setRange(0, static_cast<int>(std::ceil(rest)));
    balken_->setPageStep(std::max(1, static_cast<int>(sichtBreite())));
    balken_->setSingleStep(std::max(1, static_cast<int>(sichtBreite() / 10)));
    balken_->setValue(static_cast<int>(std::lround(sicht_.anfang)));
    return sicht_.anfang != vorher.anfang || sicht_.msProPixel != vorher.msProPixel;
}

void Zeitleiste::resizeEvent(QResizeEvent*) {
    const int h = balken_->sizeHint().height();
    balken_->setGeometry(linksBreite(), height() - h, width() - linksBreite(), h);
    sichtPruefen();
}

// --- View ----------------------------------------------------------------------------------

void Zeitleiste::neuZeichnen(double von, double bis) {
    // What starts after the view cannot reach into it (a fitted view grows with the show).
    if (bis >= 0 && !eingepasst_ && von > sicht_.anfang + sichtBreite()) return;
    update();
}

void Zeitleiste::zoomEinpassen() {
    eingepasst_ = true;
    sichtPruefen();
    update();
}

void Zeitleiste::zoomen(double faktor, double umZeit) {
    if (!(faktor > 0)) return;
    const double hoechste = std::max(kFeinsteMsProPixel, gesamtLaenge() / spurenRechteck().width());
    const double ziel = std::clamp(sicht_.msProPixel / faktor, kFeinsteMsProPixel, hoechste);
    sicht_.zoomen(sicht_.msProPixel / ziel, umZeit);
    eingepasst_ = false;
    sichtPruefen();
    update();
}

void Zeitleiste::blaettern(double anfang) {
    sicht_.anfang = anfang;
    eingepasst_ = false;
    sichtPruefen();
    update();
}

double Zeitleiste::gerastert(double ms) const {
    const auto& r = s_.p.sequenzer.raster;
    return r.an ? TimeRaster(r, ms) : ms;
}

// --- The cursor line -----------------------------------------------------------------------

void Zeitleiste::linieZeigen(double ms) {
    const double alt = linie_;
    linie_ = ms;
    const double ende = sicht_.anfang + sichtBreite();
    if (folgen_->isActive() && (ms < sicht_.anfang || ms >= ende)) {
        // Page along: the line comes in again near the left edge.
        sicht_.anfang = ms - sichtBreite() * 0.02;
        eingepasst_ = false;
        sichtPruefen();
        update();
        return;
    }
    const int xa = static_cast<int>(std::floor(x(alt))), xn = static_cast<int>(std::floor(x(ms)));
    if (xa == xn) return;
    const int unten = spurenRechteck().bottom() + 1;
    update(QRect(xa - 6, 0, 13, unten));
    update(QRect(xn - 6, 0, 13, unten));
}

void Zeitleiste::cursorSetzen(double ms) {
    ms = std::clamp(gerastert(ms), 0.0, gesamtLaenge());
    s_.p.sequenzer.cursorZeit = ms;
    if (!folgen_->isActive()) linieZeigen(ms);
    if (cursorGesetzt) cursorGesetzt(ms);
}

void Zeitleiste::wiedergabeFolgen(bool an) {
    if (an == folgen_->isActive()) return;
    if (an) {
        gemeldet_ = -1;
        folgen_->start();
        folgenSchritt();
    } else {
        folgen_->stop();
        linieZeigen(s_.p.sequenzer.cursorZeit);
    }
}

void Zeitleiste::folgenSchritt() {
    const double jetzt = s_.p.env.uhr.sekunden();
    const double pos = s_.wk.medien.DS_GetPosition() * 1000;
    double t = pos;
    // The player reports its position every 10 to 50 ms: between two reports the line runs on
    // at the playback rate, a little way at most.
    if (pos != gemeldet_) {
        gemeldet_ = pos;
        gemeldetUm_ = jetzt;
    } else if (s_.wk.w.spielt) {
        t += std::min(kHoechstVorlaufMs, (jetzt - gemeldetUm_) * 1000 * s_.wk.w.rate);
    }
    linieZeigen(t);
}

// --- Waveform ------------------------------------------------------------------------------

void Zeitleiste::welleLaden(bool neuMachen) {
    const auto& show = s_.p.show;
    welleSchluessel_ = show.Showordner + '|' + show.MediaDatei;
    welle_ = {};
    if (show.Showordner.empty() || !istWav(show.MediaDatei)) return;
    const fs::path ordner = show.Showordner;
    const fs::path medien = ordner / show.MediaDatei;
    const fs::path bild = ordner / (show.MediaDatei.substr(0, show.MediaDatei.size() - 4) + ".bmp");
    std::error_code ec;
    if (!fs::is_regular_file(medien, ec)) return;
    const bool veraltet = !fs::is_regular_file(bild, ec) ||
                          fs::last_write_time(bild, ec) < fs::last_write_time(medien, ec);
    if (neuMachen || veraltet) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const fs::path gemacht = CreateWaveImage(s_.p.env, ordner, show.MediaDatei);
        QApplication::restoreOverrideCursor();
        if (gemacht.empty()) return;
    }
    welle_ = wellenhuelleLesen(dateiBytes(bild), s_.p.sequenzer.Medienlaenge);
}

void Zeitleiste::wellenformNeu() {
    const auto& show = s_.p.show;
    if (welleSchluessel_ != show.Showordner + '|' + show.MediaDatei) welleLaden(false);
    sichtPruefen();
    update();
}

// --- Marks and the events under the mouse --------------------------------------------------

bool Zeitleiste::markiert(long index) const {
    const auto& m = s_.p.sequenzer.markiert;
    return std::binary_search(m.begin(), m.end(), index);
}

void Zeitleiste::markenGeaendert() {
    update();
    if (markierungGeaendert) markierungGeaendert();
}

long Zeitleiste::eventBei(QPoint pos) {
    const int zeile = zeileBei(pos.y());
    if (zeile == 0 || pos.x() < linksBreite()) return 0;
    const auto& seq = s_.p.sequenzer;
    index_.aktualisieren(seq.Events);
    const double t = zeitBei(pos.x());
    const double toleranz = 3 * sicht_.msProPixel; // markers are thin
    long treffer = 0;
    index_.sichtbare(seq.Events, sequenz::track(seq.optDeviceNr, zeile), t - toleranz, t + toleranz,
                     [&](long k) {
                         const SeqEvent& e = seq.Events[static_cast<std::size_t>(k)];
                         const bool marke =
                             e.kind == sequenz::kTasteLosgelassen || e.kind == sequenz::kEffektwert;
                         const double ende =
                             marke ? e.start + toleranz : std::max(e.off, e.start + toleranz);
                         if (e.start - toleranz <= t && t < ende) treffer = k; // the latest wins
                     });
    return treffer;
}

// --- Mouse ---------------------------------------------------------------------------------

void Zeitleiste::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    maus_ = pos;
    mausDrin_ = true;
    auto& seq = s_.p.sequenzer;
    if (e->button() == Qt::RightButton) {
        // The context menu acts on what was clicked: an unmarked event becomes the mark.
        const long k = eventBei(pos);
        if (k > 0 && !markiert(k)) {
            markierungZuruecksetzen(seq);
            EventUmschalten(seq, k);
            markenGeaendert();
        }
        return;
    }
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    druck_ = pos;
    if (pos.y() < zeitHoehe()) {
        if (pos.x() < linksBreite()) return;
        geste_ = Geste::Cursor;
        cursorSetzen(zeitBei(pos.x()));
        return;
    }
    if (zeileBei(pos.y()) == 0 || pos.x() < linksBreite()) return;
    const bool strg = e->modifiers() & Qt::ControlModifier;
    if (const long k = eventBei(pos)) {
        if (strg) {
            EventUmschalten(seq, k);
            markenGeaendert();
            return;
        }
        gegriffenWarMarkiert_ = markiert(k);
        if (!gegriffenWarMarkiert_) {
            seq.markiert.clear();
            EventUmschalten(seq, k);
        }
        const SeqEvent ev = seq.Events[static_cast<std::size_t>(k)];
        if (seq.TriggerKey) seq.TriggerKey(ev.track, ev.kind, ev.key, ev.value);
        geste_ = Geste::Greifen;
        gegriffen_ = k;
        verschiebung_ = 0;
        markenGeaendert();
        return;
    }
    if (!strg && !seq.markiert.empty()) {
        markierungZuruecksetzen(seq);
        markenGeaendert();
    }
    geste_ = Geste::Band;
    band_ = QRect(pos, pos);
}

void Zeitleiste::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    maus_ = pos;
    mausDrin_ = true;
    auto& seq = s_.p.sequenzer;
    switch (geste_) {
    case Geste::Keine:
        return;
    case Geste::Cursor:
        cursorSetzen(zeitBei(pos.x()));
        return;
    case Geste::Band:
        band_ = QRect(druck_, pos).normalized();
        update();
        return;
    case Geste::Greifen:
        if ((pos - druck_).manhattanLength() < QApplication::startDragDistance()) return;
        geste_ = Geste::Verschieben;
        [[fallthrough]];
    case Geste::Verschieben: {
        if (gegriffen_ < 1 || gegriffen_ > sequenz::anzahl(seq.Events)) return;
        const double start = seq.Events[static_cast<std::size_t>(gegriffen_)].start;
        double v = gerastert(start + (pos.x() - druck_.x()) * sicht_.msProPixel) - start;
        // Nothing moves before the beginning of the show.
        double frueheste = start;
        for (long k : seq.markiert)
            if (k >= 1 && k <= sequenz::anzahl(seq.Events))
                frueheste = std::min(frueheste, seq.Events[static_cast<std::size_t>(k)].start);
        verschiebung_ = std::max(v, -frueheste);
        update();
        return;
    }
    }
}

void Zeitleiste::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(e);
    auto& seq = s_.p.sequenzer;
    const Geste geste = std::exchange(geste_, Geste::Keine);
    switch (geste) {
    case Geste::Keine:
    case Geste::Cursor:
        break;
    case Geste::Band:
        if (band_.width() >= 3 || band_.height() >= 3) {
            auto zeile = [&](int y) {
                if (y < spurenRechteck().top()) return 1;
                return zeileBei(y) == 0 ? kZeilen : zeileBei(y);
            };
            EventsMarkieren(seq, zeitBei(band_.left()), zeile(band_.top()), zeitBei(band_.right()),
                            zeile(band_.bottom()));
            markenGeaendert();
        }
        band_ = {};
        update();
        break;
    case Geste::Greifen:
        // A click on one of several marked events marks it alone.
        if (gegriffenWarMarkiert_ && seq.markiert.size() > 1) {
            seq.markiert.clear();
            EventUmschalten(seq, gegriffen_);
            markenGeaendert();
        }
        break;
    case Geste::Verschieben:
        if (verschiebung_ != 0) {
            eventsVerschieben(seq, s_.p.env, verschiebung_, false);
            markenGeaendert();
        }
        verschiebung_ = 0;
        update();
        break;
    }
}

void Zeitleiste::leaveEvent(QEvent* e) {
    mausDrin_ = false;
    QWidget::leaveEvent(e);
}

void Zeitleiste::wheelEvent(QWheelEvent* e) {
    const QPoint d = e->angleDelta();
    if (e->modifiers() & Qt::ControlModifier) {
        if (d.y() != 0)
            zoomen(std::pow(1.25, d.y() / 120.0), zeitBei(static_cast<int>(e->position().x())));
    } else {
        // Wheel and Shift+wheel scroll; some systems turn Shift+wheel into a sideways turn.
        const int schritt = d.y() != 0 ? d.y() : d.x();
        if (schritt != 0) blaettern(sicht_.anfang - schritt / 120.0 * sichtBreite() / 8);
    }
    e->accept();
}

// --- Keys, tool texts and the context menu -------------------------------------------------

namespace {
bool bearbeitungstaste(QKeyEvent* k) {
    return k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Cut) ||
           k->matches(QKeySequence::Paste) || k->matches(QKeySequence::Delete);
}
} // namespace

bool Zeitleiste::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride && bearbeitungstaste(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::ToolTip) {
        auto* h = static_cast<QHelpEvent*>(e);
        const Sprachtexte& t = s_.p.texte;
        const QPoint pos = h->pos();
        const int zeile = zeileBei(pos.y());
        QString text;
        if (pos.y() < zeitHoehe())
            text = beschriftung(t, zt::ZeitHilfe);
        else if (zeile > 0 && pos.x() < linksBreite())
            text = zeile == kZeilen
                       ? beschriftung(t, zt::EffektzeileHilfe).arg(s_.p.sequenzer.optDeviceNr + 1)
                       : beschriftung(t, zt::ZeileHilfe)
                             .arg(zeile)
                             .arg(s_.p.sequenzer.optDeviceNr + 1);
        else if (const long k = eventBei(pos))
            text = eventHilfe(k);
        else
            text = beschriftung(t, zt::SpurenHilfe);
        setToolTip(beschriftung(t, zt::SpurenHilfe));
        QToolTip::showText(h->globalPos(), text, this);
        return true;
    }
    return QWidget::event(e);
}

bool Zeitleiste::eventFilter(QObject* o, QEvent* e) {
    if (o == balken_ && e->type() == QEvent::ToolTip)
        balken_->setToolTip(beschriftung(s_.p.texte, zt::BalkenHilfe));
    return QWidget::eventFilter(o, e);
}

void Zeitleiste::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy))
        kopieren();
    else if (e->matches(QKeySequence::Cut))
        ausschneiden();
    else if (e->matches(QKeySequence::Paste))
        einfuegen();
    else if (e->matches(QKeySequence::Delete))
        loeschen();
    else
        QWidget::keyPressEvent(e);
}

void Zeitleiste::contextMenuEvent(QContextMenuEvent* e) {
    if (e->pos().y() < zeitHoehe() || e->pos().x() < linksBreite()) return;
    const auto& seq = s_.p.sequenzer;
    beschriften();
    const bool marken = !seq.markiert.empty();
    kopieren_->setEnabled(marken);
    ausschneiden_->setEnabled(marken);
    loeschen_->setEnabled(marken);
    einfuegen_->setEnabled(!seq.Zwischenablage.empty());
    maus_ = e->pos();
    mausDrin_ = true;
    menue_->exec(e->globalPos());
    for (QAction* a : {kopieren_, ausschneiden_, einfuegen_, loeschen_}) a->setEnabled(true);
}

// --- Editing -------------------------------------------------------------------------------

void Zeitleiste::kopieren() {
    KopyEvents(s_.p.sequenzer);
    if (markierungGeaendert) markierungGeaendert(); // paste may have become possible
}

void Zeitleiste::ausschneiden() {
    CutEvents(s_.p.sequenzer, s_.p.env);
    markenGeaendert();
}

void Zeitleiste::einfuegen() {
    auto& seq = s_.p.sequenzer;
    if (seq.Zwischenablage.empty()) return;
    double zeit = seq.cursorZeit;
    int zeile = 1;
    if (mausDrin_ && maus_.x() >= linksBreite() && zeileBei(maus_.y()) > 0) {
        zeit = std::max(0.0, gerastert(zeitBei(maus_.x())));
        zeile = zeileBei(maus_.y());
    }
    double frueheste = seq.Zwischenablage.front().start;
    for (const auto& e : seq.Zwischenablage) frueheste = std::min(frueheste, e.start);
    PastEvents(seq, s_.p.env, zeit - frueheste, sequenz::track(seq.optDeviceNr, zeile));
    markenGeaendert();
}

void Zeitleiste::loeschen() {
    DelEvents(s_.p.sequenzer, s_.p.env);
    markenGeaendert();
}

// --- Dropping figures ----------------------------------------------------------------------

bool Zeitleiste::figurAblegen(long figur, QPoint pos) {
    const int zeile = zeileBei(pos.y());
    if (zeile == 0 || pos.x() < linksBreite()) return false;
    const double zeit = std::max(0.0, zeitBei(pos.x()));
    const bool gelegt =
        picSpur_DragDrop(s_.p.sequenzer, s_.p.env, s_.p.live.keyTable, figur, zeit, zeile);
    sichtPruefen();
    update();
    return gelegt;
}

void Zeitleiste::dragEnterEvent(QDragEnterEvent* e) {
    if (gezogeneFigur(e->mimeData())) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    }
}

void Zeitleiste::dragMoveEvent(QDragMoveEvent* e) {
    const QPoint pos = e->position().toPoint();
    const int zeile = zeileBei(pos.y());
    std::optional<std::pair<int, double>> neu;
    if (zeile > 0 && pos.x() >= linksBreite() && gezogeneFigur(e->mimeData()))
        neu = std::make_pair(zeile, std::max(0.0, gerastert(zeitBei(pos.x()))));
    if (neu) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    } else {
        e->ignore();
    }
    if (neu != ablage_) {
        ablage_ = neu;
        update();
    }
}

void Zeitleiste::dragLeaveEvent(QDragLeaveEvent*) {
    ablage_.reset();
    update();
}

void Zeitleiste::dropEvent(QDropEvent* e) {
    ablage_.reset();
    update();
    const auto figur = gezogeneFigur(e->mimeData());
    if (!figur) return;
    e->setDropAction(Qt::CopyAction);
    e->accept();
    figurAblegen(*figur, e->position().toPoint());
}

} // namespace sw::ui
