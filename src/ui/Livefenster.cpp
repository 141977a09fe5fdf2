#include "ui/Livefenster.h"

#include "core/Farbpalette.h"
#include "live/LiveDateien.h"
#include "live/LiveTasten.h"
#include "ui/Beschriften.h"
#include "ui/LiveBeschriftungen.h"
#include "ui/Symbole.h"
#include "ui/Tastencodes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace sw::ui {

namespace lt_ = livetext;

namespace {

constexpr int kTasteBreite = 56, kTasteHoehe = 50, kAbstand = 4;
constexpr int kEffektRegler = 5;

// The keys of the grid, row by row; each row starts a little further right, as on a keyboard.
const std::vector<std::vector<int>> kReihen = {
    {192, 49, 50, 51, 52, 53, 54, 55, 56, 57, 48, 189, 187},
    {81, 87, 69, 82, 84, 89, 85, 73, 79, 80, 219, 221},
    {65, 83, 68, 70, 71, 72, 74, 75, 76, 186, 222},
    {226, 90, 88, 67, 86, 66, 78, 77, 188, 190, 191},
    {32},
};
constexpr int kEinzug[] = {0, kTasteBreite / 2 + 8, kTasteBreite * 3 / 4 + 12, kTasteBreite / 4, 0};

QColor alsFarbe(long rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

// The figure's first frame, drawn to fit the picture; an empty image for a figure that is not
// loaded.
QImage figurBild(const Programm& p, long figur, QSize groesse) {
    const auto& s = p.figuren;
    if (!s.Figuren.enthaelt(figur)) return {};
    const auto& punkte = s.Figuren[figur].Frames.front().Punkte;
    if (punkte.size() < 2) return {};
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter g(&bild);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = groesse.width() - 4, h = groesse.height() - 4;
    frameLinienZeichnen(g, p, punkte, QPointF(groesse.width() / 2.0, groesse.height() / 2.0),
                        std::min(w, h) / 65536.0, 1.2);
    return bild;
}

// The grid's keyboard: key presses and releases go to the engine.
class Tastenraster : public QWidget {
public:
    Tastenraster(Programm& p, QWidget* eltern) : QWidget(eltern), p_(p) {
        setObjectName("picTasten");
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const int c = tastencode(e->key());
        if (c < 0) return QWidget::keyPressEvent(e);
        auto k = p_.liveKontext();
        Form_KeyDown(k, c); // a held key's repeats are ignored there
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        if (e->isAutoRepeat()) return;
        const int c = tastencode(e->key());
        if (c < 0) return QWidget::keyReleaseEvent(e);
        auto k = p_.liveKontext();
        Form_KeyUp(k, c);
    }
    void paintEvent(QPaintEvent*) override {
        if (!hasFocus()) return;
        QPainter g(this);
        g.setPen(QPen(palette().highlight().color(), 2));
        g.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    void focusInEvent(QFocusEvent* e) override {
        update();
        QWidget::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        update();
        QWidget::focusOutEvent(e);
    }
    // Tab and Backtab stay in the grid: its keys are the window's keyboard.
    bool focusNextPrevChild(bool) override { return false; }

private:
    Programm& p_;
};

} // namespace

const std::vector<std::vector<int>>& tastenReihen() {
    return kReihen;
}

QString tastenName(int c) {
    if ((c >= 48 && c <= 57) || (c >= 65 && c <= 90)) return QString(QChar(c));
    switch (c) {
    case 32:
        return QStringLiteral("␣");
    case 186:
        return QStringLiteral(";");
    case 187:
        return QStringLiteral("=");
    case 188:
        return QStringLiteral(",");
    case 189:
        return QStringLiteral("-");
    case 190:
        return QStringLiteral(".");
    case 191:
        return QStringLiteral("/");
    case 192:
        return QStringLiteral("`");
    case 219:
        return QStringLiteral("[");
    case 221:
        return QStringLiteral("]");
    case 222:
        return QStringLiteral("'");
    case 226:
        return QStringLiteral("<");
    default:
        return QString::number(c);
    }
}

// ---------------------------------------------------------------------------------------------

PicTaste::PicTaste(Livefenster& fenster, int tastencode, QWidget* eltern)
    : QWidget(eltern), fenster_(fenster), tastencode_(tastencode) {
    setObjectName(QStringLiteral("PicTaste(%1)").arg(tastencode));
    setAcceptDrops(true);
    setFixedSize(tastencode == 32 ? kTasteBreite * 6 : kTasteBreite, kTasteHoehe);
}

void PicTaste::zeigen(QImage bild, QString unterschrift) {
    bild_ = std::move(bild);
    unterschrift_ = std::move(unterschrift);
    update();
}

void PicTaste::rahmen(long farbe) {
    if (farbe == rahmen_) return;
    rahmen_ = farbe;
    update();
}

void PicTaste::leuchten(bool an) {
    if (an == leuchtet_) return;
    leuchtet_ = an;
    update();
}

void PicTaste::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    // The figure shows on black as on the laser; a playing key glows.
    g.setPen(Qt::NoPen);
    g.setBrush(leuchtet_ ? QColor(70, 56, 0) : QColor(16, 16, 22));
    g.drawRoundedRect(r, 5, 5);
    if (!bild_.isNull()) g.drawImage(rect().center() - bild_.rect().center(), bild_);
    if (leuchtet_) {
        g.setPen(QPen(QColor(255, 200, 40), 2));
        g.setBrush(Qt::NoBrush);
        g.drawRoundedRect(r.adjusted(2, 2, -2, -2), 4, 4);
    }
    g.setPen(
        QPen(rahmen_ >= 0 ? alsFarbe(rahmen_) : palette().mid().color(), rahmen_ >= 0 ? 3 : 1));
    g.setBrush(Qt::NoBrush);
    g.drawRoundedRect(r, 5, 5);
    QFont f = font();
    f.setBold(true);
    g.setFont(f);
    g.setPen(QColor(235, 235, 240));
    g.drawText(r.adjusted(5, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, tastenName(tastencode_));
    if (!unterschrift_.isEmpty()) {
        QFont k = font();
        k.setPointSizeF(std::max(6.0, k.pointSizeF() * 0.75));
        g.setFont(k);
        g.setPen(QColor(200, 200, 210));
        const QString text = QFontMetrics(k).elidedText(unterschrift_, Qt::ElideRight,
                                                        static_cast<int>(r.width()) - 8);
        g.drawText(r.adjusted(4, 2, -4, -2), Qt::AlignHCenter | Qt::AlignBottom, text);
    }
}

void PicTaste::mousePressEvent(QMouseEvent*) {
    fenster_.tasteWaehlen(tastencode_);
}

void PicTaste::dragEnterEvent(QDragEnterEvent* e) {
    if (tastencode_ != 32 && gezogeneFigur(e->mimeData())) e->acceptProposedAction();
}

void PicTaste::dropEvent(QDropEvent* e) {
    const auto figur = gezogeneFigur(e->mimeData());
    if (!figur || tastencode_ == 32) return;
    e->acceptProposedAction();
    fenster_.figurAblegen(tastencode_, *figur);
}

// ---------------------------------------------------------------------------------------------

Livefenster::Livefenster(QWidget* eltern, Programm& p)
    : Werkzeugfenster(eltern, p, "frmLive", lt_::MenueLive, QSize(1320, 560)) {
    raster_ = new Tastenraster(p, this);
    for (std::size_t r = 0; r < kReihen.size(); ++r)
        for (int c : kReihen[r]) tasten_[c] = new PicTaste(*this, c, raster_);
    int breite = 0;
    for (std::size_t r = 0; r < kReihen.size(); ++r)
        breite = std::max(breite, kEinzug[r] + static_cast<int>(kReihen[r].size()) *
                                                   (kTasteBreite + kAbstand));
    raster_->setFixedSize(breite + 2 * kAbstand,
                          static_cast<int>(kReihen.size()) * (kTasteHoehe + kAbstand) +
                              2 * kAbstand);
    beschriftenMit([this](const Sprachtexte& t) { raster_->setToolTip(lt(t, lt_::RasterHilfe)); });

    auto* links = new QVBoxLayout;
    links->addWidget(werkzeugzeileBauen());
    links->addWidget(seitenBauen());
    links->addWidget(raster_, 0, Qt::AlignLeft);
    links->addWidget(dmxMidiBauen(), 0, Qt::AlignLeft);
    links->addStretch(1);

    auto* inhalt = new QWidget;
    auto* zeile = new QHBoxLayout(inhalt);
    zeile->addLayout(links);
    zeile->addWidget(optionenBauen(), 0, Qt::AlignTop);
    zeile->addStretch(1);
    // At large scalings and on small screens the window scrolls instead of clipping.
    setzeInhalt(inhalt)->setObjectName("rollen");

    // Only the grid takes the keyboard: every key of it plays.
    for (QWidget* w : findChildren<QWidget*>())
        if (w != raster_ && w->focusPolicy() != Qt::NoFocus) w->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(raster_);

    auto& h = p.live.hooks;
    h.Refresh_Optionen = [this](int c, int seite) { Refresh_Optionen(c, seite); };
    h.Refresh_picRahmen = [this](int c, long farbe) { Refresh_picRahmen(c, farbe); };
    h.neuLayout = [this] { TastenPosition(); };

    licht_ = new QTimer(this);
    licht_->setInterval(80);
    connect(licht_, &QTimer::timeout, this, [this] { beleuchtungPruefen(); });
    licht_->start();

    beschriftenMit([this](const Sprachtexte&) {
        TastenPosition();
        shownameZeigen();
        const auto& f = p_.live.fenster;
        Refresh_Optionen(f.aktuelleTaste, f.Live_Shift);
    });
}

Livefenster::~Livefenster() {
    auto& h = p_.live.hooks;
    h.Refresh_Optionen = nullptr;
    h.Refresh_picRahmen = nullptr;
    h.neuLayout = nullptr;
}

QWidget* Livefenster::werkzeugzeileBauen() {
    auto* zeile = new QWidget;
    auto* l = new QHBoxLayout(zeile);
    l->setContentsMargins(0, 0, 0, 0);
    auto knopf = [&](const char* name, const Beschriftung& b, const Beschriftung& hilfe,
                     const char* symbolName, std::function<void(LiveKontext&)> befehl) {
        auto* k = new QPushButton(zeile);
        k->setObjectName(name);
        symbolSetzen(k, symbolName);
        beschriftenMit([k, &b, &hilfe](const Sprachtexte& t) {
            k->setText(lt(t, b));
            k->setToolTip(lt(t, hilfe));
        });
        connect(k, &QPushButton::clicked, this, [this, befehl] {
            auto kx = kontext();
            befehl(kx);
            shownameZeigen();
            TastenPosition();
            const auto& f = p_.live.fenster;
            Refresh_Optionen(f.aktuelleTaste, f.Live_Shift);
            raster_->setFocus();
        });
        l->addWidget(k);
    };
    knopf("mnuNeueLiveShow", lt_::Neu, lt_::NeuHilfe, "neu", mnuNeueLiveShow_Click);
    knopf("cmdLiveShowÖffnen", lt_::Oeffnen, lt_::OeffnenHilfe, "ordner-oeffnen",
          cmdLiveShowOeffnen_Click);
    knopf("cmdLiveShowSpeichern", lt_::Speichern, lt_::SpeichernHilfe, "speichern",
          cmdLiveShowSpeichern_Click);
    lblShowname_ = new QLabel(zeile);
    lblShowname_->setObjectName("lblShowname");
    lblShowname_->setCursor(Qt::PointingHandCursor);
    QFont f = lblShowname_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    lblShowname_->setFont(f);
    lblShowname_->installEventFilter(this);
    beschriftenMit(
        [this](const Sprachtexte& t) { lblShowname_->setToolTip(lt(t, lt_::ShownameHilfe)); });
    l->addSpacing(12);
    l->addWidget(lblShowname_, 1);
    return zeile;
}

QWidget* Livefenster::seitenBauen() {
    auto* zeile = new QWidget;
    auto* l = new QHBoxLayout(zeile);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(6);
    for (int i = 1; i <= 12; ++i) {
        auto* c = new QCheckBox(QStringLiteral("F%1").arg(i), zeile);
        c->setObjectName(QStringLiteral("checkStrAltContr(%1)").arg(i));
        beschriftenMit(
            [c, i](const Sprachtexte& t) { c->setToolTip(lt(t, lt_::SeiteHilfe).arg(i)); });
        connect(c, &QCheckBox::toggled, this, [this, i](bool an) { seiteGewaehlt(i, an); });
        checkStrAltContr_[static_cast<std::size_t>(i - 1)] = c;
        l->addWidget(c);
    }
    l->addStretch(1);
    return zeile;
}

QWidget* Livefenster::optionenBauen() {
    optionen_ = new QGroupBox;
    optionen_->setObjectName("fraOptionen");
    auto* l = new QVBoxLayout(optionen_);

    auto* gruppen = new QGridLayout;
    for (int g = 0; g < kGruppen; ++g) {
        auto* c = new QCheckBox(optionen_);
        c->setObjectName(QStringLiteral("checkAusgabeAuf(%1)").arg(g));
        beschriftenMit([c, g](const Sprachtexte& t) {
            c->setText(lt(t, lt_::Gruppe).arg(g));
            c->setToolTip(lt(t, lt_::GruppeHilfe).arg(g));
        });
        connect(c, &QCheckBox::toggled, this, [this, g](bool an) { feldSetzen(g, an); });
        checkAusgabeAuf_[static_cast<std::size_t>(g)] = c;
        gruppen->addWidget(c, g / 4, g % 4);
    }
    l->addLayout(gruppen);

    auto pruefkasten = [&](const char* name, const Beschriftung& b, const Beschriftung& hilfe) {
        auto* c = new QCheckBox(optionen_);
        c->setObjectName(QString::fromUtf8(name));
        beschriftenMit([c, &b, &hilfe](const Sprachtexte& t) {
            c->setText(lt(t, b));
            c->setToolTip(lt(t, hilfe));
        });
        l->addWidget(c);
        return c;
    };
    checkSchalteUnbenutzeSpurenAb_ =
        pruefkasten("checkSchalteUnbenutzeSpurenAb", lt_::UnbenutzteAus, lt_::UnbenutzteAusHilfe);
    connect(checkSchalteUnbenutzeSpurenAb_, &QCheckBox::toggled, this,
            [this](bool an) { feldSetzen(kFeldUnbenutzteAus, an); });
    checkTasteLoesen_ = pruefkasten("checkTasteLösen", lt_::Loesen, lt_::LoesenHilfe);
    connect(checkTasteLoesen_, &QCheckBox::toggled, this,
            [this](bool an) { feldSetzen(kFeldLoesen, an); });

    auto* effekte = new QGroupBox(optionen_);
    effekte->setObjectName("fraEffekte");
    beschriftenMit([effekte](const Sprachtexte& t) { effekte->setTitle(lt(t, lt_::Effekte)); });
    auto* e = new QGridLayout(effekte);
    for (int i = 0; i < kEffektRegler; ++i) {
        auto* liste = new QComboBox(effekte);
        liste->setObjectName(QStringLiteral("lstEffekt(%1)").arg(i));
        auto* regler = new QSlider(Qt::Horizontal, effekte);
        regler->setObjectName(QStringLiteral("PicEffekt(%1)").arg(i));
        regler->setRange(0, 255);
        regler->setValue(128);
        regler->setMinimumWidth(150);
        beschriftenMit([liste, regler, i](const Sprachtexte& t) {
            const QSignalBlocker b(liste);
            const int index = liste->currentIndex();
            liste->clear();
            for (const auto& z : lt_::Zeilen) {
                if (liste->count() == 18) break; // rows 19 and 20 are no effects
                liste->addItem(lt(t, z));
            }
            liste->setCurrentIndex(
                index >= 0 ? index : liveKeyReset()[static_cast<std::size_t>(kFeldEffekte + i)]);
            liste->setToolTip(lt(t, lt_::EffektListeHilfe).arg(i + 1));
            regler->setToolTip(lt(t, lt_::EffektReglerHilfe));
        });
        connect(liste, &QComboBox::currentIndexChanged, this,
                [this, i](int index) { effektListeGewaehlt(i, index); });
        connect(regler, &QSlider::valueChanged, this, [this, i](int wert) {
            auto k = kontext();
            StelleEffektEin(k, lstEffekt_[static_cast<std::size_t>(i)]->currentIndex() + 1, wert);
        });
        lstEffekt_[static_cast<std::size_t>(i)] = liste;
        PicEffekt_[static_cast<std::size_t>(i)] = regler;
        e->addWidget(liste, i, 0);
        e->addWidget(regler, i, 1);
    }
    checkIgnoreGroesse_ = new QCheckBox(effekte);
    checkIgnoreGroesse_->setObjectName("checkIgnoreGroeße");
    beschriftenMit([this](const Sprachtexte& t) {
        checkIgnoreGroesse_->setText(lt(t, lt_::IgnoreGroesse));
        checkIgnoreGroesse_->setToolTip(lt(t, lt_::IgnoreGroesseHilfe));
    });
    checkIgnoreGroesse_->setChecked(p_.live.fenster.checkIgnoreGroesse);
    connect(checkIgnoreGroesse_, &QCheckBox::toggled, this,
            [this](bool an) { p_.live.fenster.checkIgnoreGroesse = an; });
    e->addWidget(checkIgnoreGroesse_, kEffektRegler, 0, 1, 2);
    l->addWidget(effekte);
    return optionen_;
}

QWidget* Livefenster::dmxMidiBauen() {
    auto* dm = new QGroupBox;
    dmxMidi_ = dm;
    dm->setObjectName("fraDmxMidi");
    beschriftenMit([dm](const Sprachtexte& t) { dm->setTitle(lt(t, lt_::DmxMidi)); });
    auto* d = new QGridLayout(dm);
    auto leiste = [&](const char* name, int hoechster) {
        auto* s = new QScrollBar(Qt::Horizontal, dm);
        s->setObjectName(name);
        s->setRange(0, hoechster);
        s->setMinimumWidth(130);
        return s;
    };
    scrDMXStartValue_ = leiste("scrDMXStartValue", 255);
    scrDMXEndValue_ = leiste("scrDMXEndValue", 255);
    scrMidiValue_ = leiste("scrMidiValue", 127);
    lblDmx_ = new QLabel(dm);
    lblDmx_->setObjectName("lblDmxWerte");
    lblDmx_->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("000 – 000")));
    lblMidi_ = new QLabel(dm);
    lblMidi_->setObjectName("lblMidiWert");
    auto* dmxName = new QLabel(dm);
    auto* midiName = new QLabel(dm);
    auto werteZeigen = [this] {
        lblDmx_->setText(QStringLiteral("%1 – %2")
                             .arg(scrDMXStartValue_->value())
                             .arg(scrDMXEndValue_->value()));
        lblMidi_->setText(QString::number(scrMidiValue_->value()));
    };
    for (auto* s : {scrDMXStartValue_, scrDMXEndValue_, scrMidiValue_})
        connect(s, &QScrollBar::valueChanged, this, werteZeigen);
    werteZeigen();
    auto* uebernehmen = new QPushButton(dm);
    uebernehmen->setObjectName("cmdUebernehmen");
    auto* uebernehmenMidi = new QPushButton(dm);
    uebernehmenMidi->setObjectName("cmdUebernehmenMidi");
    auto* alle = new QPushButton(dm);
    alle->setObjectName("cmdMapAlleTasten2DMX");
    beschriftenMit([=, this](const Sprachtexte& t) {
        dmxName->setText(lt(t, lt_::DmxVon));
        midiName->setText(lt(t, lt_::MidiNote));
        for (auto* s : {scrDMXStartValue_, scrDMXEndValue_}) s->setToolTip(lt(t, lt_::DmxHilfe));
        lblDmx_->setToolTip(lt(t, lt_::DmxHilfe));
        scrMidiValue_->setToolTip(lt(t, lt_::MidiHilfe));
        lblMidi_->setToolTip(lt(t, lt_::MidiHilfe));
        uebernehmen->setText(lt(t, lt_::Uebernehmen));
        uebernehmen->setToolTip(lt(t, lt_::DmxHilfe));
        uebernehmenMidi->setText(lt(t, lt_::UebernehmenMidi));
        uebernehmenMidi->setToolTip(lt(t, lt_::MidiHilfe));
        alle->setText(lt(t, lt_::AlleAufDmx));
        alle->setToolTip(lt(t, lt_::AlleAufDmxHilfe));
    });
    d->addWidget(dmxName, 0, 0);
    d->addWidget(scrDMXStartValue_, 0, 1);
    d->addWidget(scrDMXEndValue_, 0, 2);
    d->addWidget(lblDmx_, 0, 3);
    d->addWidget(uebernehmen, 0, 4);
    d->addWidget(midiName, 1, 0);
    d->addWidget(scrMidiValue_, 1, 1, 1, 2);
    d->addWidget(lblMidi_, 1, 3);
    d->addWidget(uebernehmenMidi, 1, 4);
    d->addWidget(alle, 0, 5, 2, 1);
    alle->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(uebernehmen, &QPushButton::clicked, this, [this] {
        auto k = kontext();
        cmdUebernehmen_Click(k, scrDMXStartValue_->value(), scrDMXEndValue_->value());
    });
    connect(uebernehmenMidi, &QPushButton::clicked, this, [this] {
        auto k = kontext();
        cmdUebernehmenMidi_Click(k, scrMidiValue_->value());
    });
    connect(alle, &QPushButton::clicked, this, [this] {
        auto k = kontext();
        cmdMapAlleTasten2DMX_Click(k);
        const auto& f = p_.live.fenster;
        Refresh_Optionen(f.aktuelleTaste, f.Live_Shift);
    });
    return dm;
}

bool Livefenster::eventFilter(QObject* o, QEvent* e) {
    if (o == lblShowname_ && e->type() == QEvent::MouseButtonRelease) {
        auto k = kontext();
        lblShowname_Click(k);
        shownameZeigen();
        raster_->setFocus();
        return true;
    }
    return Werkzeugfenster::eventFilter(o, e);
}

void Livefenster::shownameZeigen() {
    const auto& name = p_.live.fenster.show.name;
    lblShowname_->setText(name.empty() ? lt(p_.texte, lt_::OhneNamen)
                                       : QString::fromStdString(name));
}

void Livefenster::TastenPosition() {
    const auto& f = p_.live.fenster;
    for (std::size_t r = 0; r < kReihen.size(); ++r) {
        int x = kAbstand + kEinzug[r];
        const int y = kAbstand + static_cast<int>(r) * (kTasteHoehe + kAbstand);
        if (r + 1 == kReihen.size()) x = kAbstand + kEinzug[1] + 3 * (kTasteBreite + kAbstand);
        for (int c : kReihen[r]) {
            PicTaste* t = tasten_.at(c);
            t->move(x, y);
            x += t->width() + kAbstand;
        }
    }
    const Sprachtexte& tx = p_.texte;
    const auto& s = p_.figuren;
    for (auto [c, t] : tasten_) {
        QString inhalt, unterschrift;
        QImage bild;
        if (c == 32) {
            inhalt = lt(tx, lt_::Blackout);
            unterschrift = inhalt;
        } else {
            const auto& e =
                p_.live.keyTable[static_cast<std::size_t>(tastenIndex(f.Live_Shift, c))];
            if (e && *e == -1) {
                inhalt = unterschrift = lt(tx, lt_::Blackout);
            } else if (e && *e < -1) {
                const auto i = static_cast<std::size_t>(-*e);
                if (i < s.lstMakros.size())
                    inhalt = unterschrift = QString::fromStdString(s.lstMakros[i]);
            } else if (e && *e >= 0 && static_cast<std::size_t>(*e) < s.lstFiguren.size()) {
                inhalt = QString::fromStdString(s.lstFiguren[static_cast<std::size_t>(*e)]);
                unterschrift = inhalt;
                if (unterschrift.endsWith(QStringLiteral(".qvb"), Qt::CaseInsensitive))
                    unterschrift.chop(4);
                if (static_cast<std::size_t>(*e) < s.Listentyp.size() &&
                    s.Listentyp[static_cast<std::size_t>(*e)] == listentyp::Figur)
                    bild = figurBild(p_, *e, t->size() - QSize(6, 16));
            }
        }
        t->zeigen(bild, unterschrift);
        t->setToolTip(lt(tx, lt_::TasteHilfe)
                          .arg(tastenName(c), inhalt.isEmpty() ? QStringLiteral("—") : inhalt));
        t->rahmen(c == f.aktuelleTaste ? kRahmenGedrueckt : -1);
    }
    for (int i = 0; i < 12; ++i) {
        const QSignalBlocker b(checkStrAltContr_[static_cast<std::size_t>(i)]);
        checkStrAltContr_[static_cast<std::size_t>(i)]->setChecked(i + 1 == f.Live_Shift);
    }
    beleuchtungPruefen();
}

void Livefenster::beleuchtungPruefen() {
    const auto& s = p_.figuren;
    const int seite = p_.live.fenster.Live_Shift;
    for (auto [c, t] : tasten_) {
        bool an = false;
        const auto& e = p_.live.keyTable[static_cast<std::size_t>(tastenIndex(seite, c))];
        if (c != 32 && e && *e >= 0 && static_cast<std::size_t>(*e) < s.Listentyp.size() &&
            s.Listentyp[static_cast<std::size_t>(*e)] == listentyp::Figur)
            for (int g = 0; g < kGruppen && !an; ++g)
                an = s.SpurAuswahl.enthaelt(g) && s.SpurAuswahl[g].Figur == *e;
        t->leuchten(an);
    }
}

void Livefenster::Refresh_picRahmen(int c, long farbe) {
    if (auto* t = taste(c)) t->rahmen(farbe);
}

void Livefenster::Refresh_Optionen(int c, int seite) {
    const bool da = c >= 0 && c != 32 && tasten_.count(c);
    optionen_->setEnabled(da);
    dmxMidi_->setEnabled(da);
    optionen_->setTitle(
        lt(p_.texte, lt_::TasteOptionen).arg(da ? tastenName(c) : QStringLiteral("—")).arg(seite));
    if (!da) return;
    const LiveKey& k =
        p_.live.fenster.show.tasten.at(static_cast<std::size_t>(tastenIndex(seite, c)));
    auto setzen = [](QCheckBox* box, std::int16_t wert) {
        const QSignalBlocker b(box);
        box->setChecked(wert != 0);
    };
    for (int g = 0; g < kGruppen; ++g)
        setzen(checkAusgabeAuf_[static_cast<std::size_t>(g)], k[static_cast<std::size_t>(g)]);
    setzen(checkSchalteUnbenutzeSpurenAb_, k[kFeldUnbenutzteAus]);
    setzen(checkTasteLoesen_, k[kFeldLoesen]);
    for (int i = 0; i < kEffektRegler; ++i) {
        auto* liste = lstEffekt_[static_cast<std::size_t>(i)];
        const QSignalBlocker b(liste);
        liste->setCurrentIndex(k[static_cast<std::size_t>(kFeldEffekte + i)]);
    }
    // What the input maps hold for this key on this page.
    auto& m = p_.live.maps;
    int von = -1, bis = -1, note = -1;
    for (int w = 0; w < kDmxWerte; ++w)
        if (m.dmx(w, seite) == c) {
            if (von < 0) von = w;
            bis = w;
        }
    for (int n = 0; n < kMidiNoten && note < 0; ++n)
        if (m.midi(n, seite) == c) note = n;
    if (von >= 0) {
        scrDMXStartValue_->setValue(von);
        scrDMXEndValue_->setValue(bis);
    }
    if (note >= 0) scrMidiValue_->setValue(note);
}

void Livefenster::tasteWaehlen(int c) {
    auto& f = p_.live.fenster;
    raster_->setFocus();
    if (c == 32) return;
    if (f.aktuelleTaste >= 0 && f.aktuelleTaste != c) Refresh_picRahmen(f.aktuelleTaste, -1);
    f.aktuelleTaste = c;
    Refresh_picRahmen(c, kRahmenGedrueckt);
    Refresh_Optionen(c, f.Live_Shift);
}

void Livefenster::figurAblegen(int c, long figur) {
    auto k = kontext();
    PicTaste_DragDrop(k, c, figur);
    TastenPosition();
    tasteWaehlen(c);
}

void Livefenster::seiteGewaehlt(int seite, bool an) {
    auto& f = p_.live.fenster;
    if (an) {
        auto k = kontext();
        Form_KeyDown(k, 111 + seite);
    } else if (f.Live_Shift == seite) {
        f.Live_Shift = 0;
        f.checkStrAltContr.fill(false);
        TastenPosition();
        Refresh_Optionen(f.aktuelleTaste, 0);
    }
    raster_->setFocus();
}

void Livefenster::feldSetzen(int feld, bool an) {
    auto& f = p_.live.fenster;
    if (f.aktuelleTaste < 0) return;
    liveKey(f, f.aktuelleTaste)[static_cast<std::size_t>(feld)] = an ? -1 : 0;
}

void Livefenster::effektListeGewaehlt(int i, int index) {
    auto& f = p_.live.fenster;
    if (f.aktuelleTaste < 0 || index < 0) return;
    liveKey(f, f.aktuelleTaste)[static_cast<std::size_t>(kFeldEffekte + i)] =
        static_cast<std::int16_t>(index);
    auto k = kontext();
    StelleEffektEin(k, index + 1, PicEffekt_[static_cast<std::size_t>(i)]->value());
}

PicTaste* Livefenster::taste(int c) const {
    const auto it = tasten_.find(c);
    return it == tasten_.end() ? nullptr : it->second;
}

} // namespace sw::ui
