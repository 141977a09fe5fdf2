#include "ui/Farbkorrekturfenster.h"

#include "ui/Beschriften.h"
#include "ui/EffektTexte.h"
#include "ui/Fensterlage.h"
#include "ui/Thema.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace sw::ui {

using Beschriftung = text::Beschriftung;

namespace {

namespace et = effekttext;

const Beschriftung* const kKanalNamen[3] = {&et::Rot, &et::Gruen, &et::Blau};

// Curve colours that read on the light and the dark ground.
QColor kanalFarbe(int c, bool dunkel) {
    static const QColor hell[3] = {QColor(200, 30, 30), QColor(20, 140, 40), QColor(30, 70, 220)};
    static const QColor nacht[3] = {QColor(255, 110, 110), QColor(110, 220, 120),
                                    QColor(120, 160, 255)};
    return (dunkel ? nacht : hell)[c];
}

} // namespace

Farbkurvenansicht::Farbkurvenansicht(QWidget* eltern) : QWidget(eltern) {
    setObjectName("picFarbkurven");
    setMinimumSize(220, 220);
}

void Farbkurvenansicht::zeigen(const GeraeteFarben* g) {
    g_ = g;
    update();
}

void Farbkurvenansicht::paintEvent(QPaintEvent*) {
    QPainter m(this);
    m.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    m.fillRect(rect(), pal.base());
    const int rand = 8;
    const int seite = std::min(width(), height()) - 2 * rand;
    const QRectF feld((width() - seite) / 2.0, (height() - seite) / 2.0, seite, seite);
    auto punkt = [&](double ein, double aus) {
        return QPointF(feld.left() + ein / 255 * feld.width(),
                       feld.bottom() - aus / 255 * feld.height());
    };
    QColor raster = pal.color(QPalette::Text);
    raster.setAlpha(40);
    m.setPen(QPen(raster, 1));
    for (int k = 0; k <= 4; ++k) {
        const double v = k * 255 / 4.0;
        m.drawLine(punkt(v, 0), punkt(v, 255));
        m.drawLine(punkt(0, v), punkt(255, v));
    }
    raster.setAlpha(90);
    m.setPen(QPen(raster, 1, Qt::DashLine));
    m.drawLine(punkt(0, 0), punkt(255, 255));
    if (!g_) return;
    const bool dunkel = aktuellesThema() == Thema::Dunkel;
    for (int c = 0; c < 3; ++c) {
        const auto& kurve = g_->kurven[static_cast<std::size_t>(c)];
        QPainterPath pfad(punkt(0, kurve[0]));
        for (int v = 1; v < 256; ++v) pfad.lineTo(punkt(v, kurve[static_cast<std::size_t>(v)]));
        m.setPen(QPen(kanalFarbe(c, dunkel), 2));
        m.setBrush(Qt::NoBrush);
        m.drawPath(pfad);
        const auto i = static_cast<std::size_t>(c);
        if (g_->Steigung[i] == 0 || g_->Steigung[i] == 255) continue;
        m.setBrush(kanalFarbe(c, dunkel));
        for (auto [x, y] : {std::pair<double, double>{0, g_->Offset[i]},
                            {g_->midPosition[i], g_->midWert[i]},
                            {255, g_->Steigung[i] * 255 + g_->Offset[i]}})
            m.drawEllipse(punkt(x, y), 3.5, 3.5);
    }
}

Farbkorrekturfenster::Farbkorrekturfenster(Programm& p, QWidget* eltern)
    : QWidget(eltern, Qt::Window), p_(p) {
    setObjectName("frmFarbkorrektur");
    auto* haupt = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    lblGeraet_ = new QLabel(this);
    cboGeraet_ = new QComboBox(this);
    cboGeraet_->setObjectName("cboGeraet");
    lblGeraet_->setBuddy(cboGeraet_);
    oben->addWidget(lblGeraet_);
    oben->addWidget(cboGeraet_, 1);
    oben->addStretch(1);
    haupt->addLayout(oben);

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(kanaeleBauen());
    kurven_ = new Farbkurvenansicht(this);
    mitte->addWidget(kurven_, 1);
    haupt->addLayout(mitte, 1);
    haupt->addWidget(messungBauen());

    connect(cboGeraet_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (laedt_ || i < 0) return;
        if (messung_.laeuft) messungAbbrechen(*p_.ausgabe, messung_);
        geraet_ = i;
        anzeigen();
    });
    nachThemawechsel(this, [this] { kurven_->update(); });

    beschriften();
    anzeigen();
    fensterlageLaden(*this, p_, 760, 560);
}

GeraeteFarben& Farbkorrekturfenster::farben() {
    return p_.ausgabe->Farben.geraete[static_cast<std::size_t>(geraet_)];
}

QWidget* Farbkorrekturfenster::kanaeleBauen() {
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    for (std::size_t k = 0; k < zeilen_.size(); ++k) {
        zeilen_[k] = new QLabel(w);
        g->addWidget(zeilen_[k], static_cast<int>(k) + 1, 0);
    }
    for (int c = 0; c < 3; ++c) {
        auto& k = kanaele_[static_cast<std::size_t>(c)];
        const QString n = QString("(%1)").arg(c);
        k.kopf = new QLabel(w);
        QFont f = k.kopf->font();
        f.setBold(true);
        k.kopf->setFont(f);
        g->addWidget(k.kopf, 0, c + 1, Qt::AlignHCenter);
        auto zahl = [&](const char* name, int min, int max, int zeile) {
            auto* s = new QSpinBox(w);
            s->setObjectName(name + n);
            s->setRange(min, max);
            s->setAlignment(Qt::AlignRight);
            g->addWidget(s, zeile, c + 1);
            connect(s, &QSpinBox::valueChanged, this, [this] { uebernehmen(); });
            return s;
        };
        k.minimum = zahl("txtMinimum", 0, 255, 1);
        k.maximum = zahl("txtMaximum", 0, 255, 2);
        k.midPosition = zahl("txtMidPosition", 1, 254, 3);
        k.midWert = zahl("txtMidWert", 0, 255, 4);
        k.ttl = new QCheckBox(w);
        k.ttl->setObjectName("checkTTL" + n);
        g->addWidget(k.ttl, 5, c + 1, Qt::AlignHCenter);
        connect(k.ttl, &QCheckBox::toggled, this, [this] { uebernehmen(); });
        k.an = new QScrollBar(Qt::Horizontal, w);
        k.an->setObjectName("scrFarbe" + n);
        k.an->setRange(0, 1);
        k.an->setPageStep(1);
        k.an->setFixedWidth(64);
        k.anText = new QLabel(w);
        k.anText->setObjectName("lblFarbe" + n);
        auto* schalter = new QHBoxLayout;
        schalter->setSpacing(4);
        schalter->addWidget(k.an);
        schalter->addWidget(k.anText);
        g->addLayout(schalter, 6, c + 1, Qt::AlignHCenter);
        connect(k.an, &QScrollBar::valueChanged, this, [this] { uebernehmen(); });
    }
    g->setRowStretch(7, 1);
    return w;
}

QWidget* Farbkorrekturfenster::messungBauen() {
    messGruppe_ = new QGroupBox(this);
    messGruppe_->setObjectName("fraAutomatischeKorrektur");
    auto* v = new QVBoxLayout(messGruppe_);
    lblAnleitung_ = new QLabel(messGruppe_);
    lblAnleitung_->setWordWrap(true);
    v->addWidget(lblAnleitung_);
    auto knopf = [this](const char* name) {
        auto* b = new QPushButton(messGruppe_);
        b->setObjectName(name);
        return b;
    };
    auto* zeile1 = new QHBoxLayout;
    cmdStart_ = knopf("cmdAutomatischeKorrektur");
    cmdMinus_ = knopf("cmdPegelMinus");
    cmdMinus_->setText(QStringLiteral("−"));
    cmdPlus_ = knopf("cmdPegelPlus");
    cmdPlus_->setText(QStringLiteral("+"));
    cmdMinus_->setShortcut(QKeySequence(Qt::Key_Minus));
    cmdPlus_->setShortcut(QKeySequence(Qt::Key_Plus));
    for (QPushButton* b : {cmdMinus_, cmdPlus_}) b->setFixedWidth(b->sizeHint().height() + 8);
    scrMesspegel_ = new QScrollBar(Qt::Horizontal, messGruppe_);
    scrMesspegel_->setObjectName("scrMesspegel");
    scrMesspegel_->setRange(0, 255);
    scrMesspegel_->setSingleStep(kMessStufe);
    scrMesspegel_->setPageStep(5 * kMessStufe);
    lblMessung_ = new QLabel(messGruppe_);
    lblMessung_->setObjectName("lblMessung");
    zeile1->addWidget(cmdStart_);
    zeile1->addWidget(cmdMinus_);
    zeile1->addWidget(scrMesspegel_, 1);
    zeile1->addWidget(cmdPlus_);
    v->addLayout(zeile1);
    v->addWidget(lblMessung_);
    auto* zeile2 = new QHBoxLayout;
    cmdSichtbar_ = knopf("cmdSichtbar");
    cmdHalb_ = knopf("cmdHalb");
    cmdVoll_ = knopf("cmdVoll");
    cmdWeiter_ = knopf("cmdNaechsterKanal");
    cmdUebernehmen_ = knopf("cmdUebernehmen");
    cmdAbbrechen_ = knopf("cmdAbbrechen");
    for (QPushButton* b : {cmdSichtbar_, cmdHalb_, cmdVoll_, cmdWeiter_}) zeile2->addWidget(b);
    zeile2->addStretch(1);
    zeile2->addWidget(cmdUebernehmen_);
    zeile2->addWidget(cmdAbbrechen_);
    v->addLayout(zeile2);

    auto& a = *p_.ausgabe;
    connect(cmdStart_, &QPushButton::clicked, this, [this, &a] {
        messungStarten(a, messung_, geraet_);
        messungZeigen();
    });
    connect(scrMesspegel_, &QScrollBar::valueChanged, this, [this, &a](int v) {
        if (laedt_) return;
        messpegelSetzen(a, messung_, v);
        messungZeigen();
    });
    connect(cmdMinus_, &QPushButton::clicked, this, [this, &a] {
        messpegelSchritt(a, messung_, -1);
        messungZeigen();
    });
    connect(cmdPlus_, &QPushButton::clicked, this, [this, &a] {
        messpegelSchritt(a, messung_, 1);
        messungZeigen();
    });
    for (auto [b, marke] : {std::pair{cmdSichtbar_, Marke::Sichtbar},
                            std::pair{cmdHalb_, Marke::Halb}, std::pair{cmdVoll_, Marke::Voll}})
        connect(b, &QPushButton::clicked, this, [this, marke = marke] {
            markieren(messung_, marke);
            messungZeigen();
        });
    connect(cmdWeiter_, &QPushButton::clicked, this, [this, &a] {
        naechsterKanal(a, messung_);
        messungZeigen();
    });
    connect(cmdUebernehmen_, &QPushButton::clicked, this, [this, &a] {
        messungUebernehmen(a, messung_, p_.paletten);
        anzeigen();
    });
    connect(cmdAbbrechen_, &QPushButton::clicked, this, [this, &a] {
        messungAbbrechen(a, messung_);
        messungZeigen();
    });
    return messGruppe_;
}

void Farbkorrekturfenster::beschriften() {
    const Sprachtexte& t = p_.texte;
    auto tx = [&t](const Beschriftung& b) { return beschriftung(t, b); };
    setWindowTitle("Strahlwerk – " + tx(et::FarbTitel));
    lblGeraet_->setText(tx(et::Geraet));
    cboGeraet_->setToolTip(tx(et::GeraetHilfe));
    geraeteZeigen();
    const Beschriftung* zeilen[6] = {&et::Minimum,   &et::Maximum, &et::MitteBei,
                                     &et::MitteWert, &et::TTL,     &et::KanalAn};
    const Beschriftung* hilfen[6] = {&et::MinimumHilfe,   &et::MaximumHilfe, &et::MitteBeiHilfe,
                                     &et::MitteWertHilfe, &et::TTLHilfe,     &et::KanalAnHilfe};
    for (std::size_t k = 0; k < 6; ++k) {
        zeilen_[k]->setText(tx(*zeilen[k]));
        zeilen_[k]->setToolTip(tx(*hilfen[k]));
    }
    for (std::size_t c = 0; c < 3; ++c) {
        auto& k = kanaele_[c];
        k.kopf->setText(tx(*kKanalNamen[c]));
        k.minimum->setToolTip(tx(et::MinimumHilfe));
        k.maximum->setToolTip(tx(et::MaximumHilfe));
        k.midPosition->setToolTip(tx(et::MitteBeiHilfe));
        k.midWert->setToolTip(tx(et::MitteWertHilfe));
        k.ttl->setToolTip(tx(et::TTLHilfe));
        k.an->setToolTip(tx(et::KanalAnHilfe));
        k.anText->setToolTip(tx(et::KanalAnHilfe));
        k.anText->setText(tx(farben().kanalAn[c] ? et::KanalEin : et::KanalAus));
    }
    kurven_->setToolTip(tx(et::KurvenHilfe));
    messGruppe_->setTitle(tx(et::AutoGruppe));
    lblAnleitung_->setText(tx(et::AutoHilfe));
    const QString hilfe = tx(et::AutoHilfe);
    for (auto [b, text] :
         {std::pair{cmdStart_, &et::AutoStart}, std::pair{cmdSichtbar_, &et::Sichtbar},
          std::pair{cmdHalb_, &et::Halb}, std::pair{cmdVoll_, &et::Voll},
          std::pair{cmdWeiter_, &et::Weiter}, std::pair{cmdUebernehmen_, &et::Uebernehmen},
          std::pair{cmdAbbrechen_, &et::Abbrechen}}) {
        b->setText(tx(*text));
        b->setToolTip(ohneKuerzel(tx(*text)) + " — " + hilfe);
    }
    cmdMinus_->setToolTip(mitTaste(hilfe, cmdMinus_->shortcut()));
    cmdPlus_->setToolTip(mitTaste(hilfe, cmdPlus_->shortcut()));
    scrMesspegel_->setToolTip(hilfe);
    lblMessung_->setToolTip(hilfe);
    messungZeigen();
}

void Farbkorrekturfenster::geraeteZeigen() {
    laedt_ = true;
    cboGeraet_->clear();
    for (int d = 0; d < kGeraete; ++d)
        cboGeraet_->addItem(QString("%1: %2").arg(d).arg(
            QString::fromStdString(p_.geraete.eintrag(d).Anzeigename)));
    cboGeraet_->setCurrentIndex(geraet_);
    laedt_ = false;
}

void Farbkorrekturfenster::anzeigen() {
    laedt_ = true;
    const GeraeteFarben& g = farben();
    for (std::size_t c = 0; c < 3; ++c) {
        auto& k = kanaele_[c];
        k.minimum->setValue(g.minimum[c]);
        k.maximum->setValue(g.maximum[c]);
        k.midPosition->setValue(g.midPosition[c]);
        k.midWert->setValue(g.midWert[c]);
        k.ttl->setChecked(g.TTL_Gesetzt[c] == 1);
        k.an->setValue(g.kanalAn[c] ? 1 : 0);
        k.anText->setText(beschriftung(p_.texte, g.kanalAn[c] ? et::KanalEin : et::KanalAus));
        k.anText->setToolTip(k.an->toolTip());
        const bool kurve = g.TTL_Gesetzt[c] != 1 && g.kanalAn[c];
        for (QWidget* x : {static_cast<QWidget*>(k.minimum), static_cast<QWidget*>(k.maximum),
                           static_cast<QWidget*>(k.midPosition), static_cast<QWidget*>(k.midWert)})
            x->setEnabled(kurve);
        k.ttl->setEnabled(g.kanalAn[c]);
    }
    laedt_ = false;
    kurven_->zeigen(&g);
    messungZeigen();
}

void Farbkorrekturfenster::uebernehmen() {
    if (laedt_) return;
    GeraeteFarben& g = farben();
    for (std::size_t c = 0; c < 3; ++c) {
        const auto& k = kanaele_[c];
        g.minimum[c] = k.minimum->value();
        g.maximum[c] = k.maximum->value();
        g.midPosition[c] = k.midPosition->value();
        g.midWert[c] = k.midWert->value();
        g.TTL_Gesetzt[c] = k.ttl->isChecked() ? 1 : 0;
        g.kanalAn[c] = k.an->value() != 0;
    }
    FarbenKorrigieren(p_.ausgabe->Farben, p_.paletten, geraet_);
    anzeigen();
}

void Farbkorrekturfenster::messungZeigen() {
    const bool laeuft = messung_.laeuft;
    cmdStart_->setEnabled(!laeuft);
    for (QWidget* w :
         std::initializer_list<QWidget*>{scrMesspegel_, cmdMinus_, cmdPlus_, cmdSichtbar_, cmdHalb_,
                                         cmdVoll_, cmdWeiter_, cmdUebernehmen_, cmdAbbrechen_})
        w->setEnabled(laeuft);
    cmdWeiter_->setEnabled(laeuft && messung_.kanal < 2);
    laedt_ = true;
    scrMesspegel_->setValue(messung_.pegel);
    laedt_ = false;
    if (!laeuft) {
        lblMessung_->clear();
        return;
    }
    const auto& m = messung_.marken[static_cast<std::size_t>(messung_.kanal)];
    auto marke = [](const std::optional<int>& w) {
        return w ? QString::number(*w) : QStringLiteral("–");
    };
    lblMessung_->setText(beschriftung(p_.texte, et::AutoStand)
                             .arg(beschriftung(p_.texte, *kKanalNamen[messung_.kanal]))
                             .arg(messung_.pegel)
                             .arg(marke(m.sichtbar), marke(m.halb), marke(m.voll)));
}

void Farbkorrekturfenster::speichern() {
    for (int d = 0; d < kGeraete; ++d) {
        farbkurvenSpeichern(p_.ausgabe->Farben, p_.einstellungen, d);
        farbkanaeleSpeichern(p_.ausgabe->Farben, p_.einstellungen, d);
    }
    fensterlageSpeichern(*this, p_);
}

void Farbkorrekturfenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    geraeteZeigen();
    anzeigen();
}

void Farbkorrekturfenster::closeEvent(QCloseEvent* e) {
    // The laser never keeps showing the pattern once the window is gone.
    if (messung_.laeuft) messungAbbrechen(*p_.ausgabe, messung_);
    messungZeigen();
    speichern();
    e->accept();
}

} // namespace sw::ui
