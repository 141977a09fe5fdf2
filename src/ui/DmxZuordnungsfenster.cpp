#include "ui/DmxZuordnungsfenster.h"

#include "app/Eingaenge.h"
#include "live/LiveEinstellungen.h"
#include "live/LiveTasten.h"
#include "live/eingang/DmxEingangswahl.h"
#include "ui/LiveBeschriftungen.h"
#include "ui/Midifenster.h"
#include "ui/Symbole.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace sw::ui {

namespace lt_ = livetext;

namespace {

constexpr int kSpalten = 32, kZeilen = kDmxKanaele / kSpalten;
constexpr int kZelle = 18;

} // namespace

DmxKanalansicht::DmxKanalansicht(QWidget* eltern) : QWidget(eltern) {
    setObjectName("picDmxKanaele");
    setMinimumSize(rand() + kSpalten * 12, kZeilen * 12);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize DmxKanalansicht::sizeHint() const {
    return {rand() + kSpalten * kZelle + 1, kZeilen * kZelle + 1};
}

void DmxKanalansicht::setzen(const DmxFrame& werte, const std::array<bool, kDmxKanaele>& geroutet,
                             int kanal) {
    if (werte == werte_ && geroutet == geroutet_ && kanal == kanal_) return;
    werte_ = werte;
    geroutet_ = geroutet;
    kanal_ = kanal;
    update();
}

// The first channel of each row is written left of it.
int DmxKanalansicht::rand() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("512")) + 6;
}

QRectF DmxKanalansicht::zelle(int i) const {
    const double w = (width() - 1.0 - rand()) / kSpalten, h = (height() - 1.0) / kZeilen;
    return {rand() + (i % kSpalten) * w, (i / kSpalten) * h, w, h};
}

void DmxKanalansicht::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setPen(palette().text().color());
    for (int z = 0; z < kZeilen; ++z) {
        const QRectF r = zelle(z * kSpalten);
        g.drawText(QRectF(0, r.top(), rand() - 4, r.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(z * kSpalten + 1));
    }
    const QColor aus(20, 20, 26), an(255, 190, 40);
    for (int i = 0; i < kDmxKanaele; ++i) {
        const QRectF r = zelle(i).adjusted(1, 1, -1, -1);
        const double v = werte_[static_cast<std::size_t>(i)] / 255.0;
        g.fillRect(r, QColor::fromRgbF(aus.redF() + (an.redF() - aus.redF()) * v,
                                       aus.greenF() + (an.greenF() - aus.greenF()) * v,
                                       aus.blueF() + (an.blueF() - aus.blueF()) * v));
        if (geroutet_[static_cast<std::size_t>(i)]) {
            g.setPen(QPen(QColor(80, 170, 255), 1.5));
            g.drawRect(r.adjusted(0.75, 0.75, -0.75, -0.75));
        }
        if (i + 1 == kanal_) {
            g.setPen(QPen(QColor(200, 0, 150), 2.5));
            g.drawRect(r);
        }
    }
}

void DmxKanalansicht::mousePressEvent(QMouseEvent* e) {
    for (int i = 0; i < kDmxKanaele; ++i)
        if (zelle(i).contains(e->position())) {
            if (gewaehlt) gewaehlt(i + 1);
            return;
        }
}

// ---------------------------------------------------------------------------------------------

DmxZuordnungsfenster::DmxZuordnungsfenster(QWidget* eltern, Programm& p)
    : Werkzeugfenster(eltern, p, "frmDMXZuordnung", lt_::TitelDmx, QSize(900, 600)) {
    auto* eingang = new QGroupBox(this);
    eingang->setObjectName("fraEingang");
    auto* el = new QHBoxLayout(eingang);
    cboEingang_ = new QComboBox(eingang);
    cboEingang_->setObjectName("cboEingang");
    cboEingang_->setMinimumContentsLength(20);
    txtUniversum_ = new QSpinBox(eingang);
    txtUniversum_->setObjectName("txtUniversum");
    txtUniversum_->setRange(0, 63999);
    auto* universumName = new QLabel(eingang);
    lblSeite_ = new QLabel(eingang);
    lblSeite_->setObjectName("lblSeite");
    el->addWidget(cboEingang_, 1);
    el->addWidget(universumName);
    el->addWidget(txtUniversum_);
    el->addStretch(1);
    el->addWidget(lblSeite_);
    connect(cboEingang_, &QComboBox::activated, this, [this](int) { eingangGewaehlt(); });
    connect(txtUniversum_, &QSpinBox::editingFinished, this, [this] { eingangGewaehlt(); });

    auto* oeffnen = new QPushButton(this);
    oeffnen->setObjectName("cmdOeffnen");
    symbolSetzen(oeffnen, "ordner-oeffnen");
    auto* speichern = new QPushButton(this);
    speichern->setObjectName("cmdSpeichern");
    symbolSetzen(speichern, "speichern");
    connect(oeffnen, &QPushButton::clicked, this, [this] {
        const std::string datei =
            p_.env.dialoge.dateiOeffnen({kDmxRoutingTitel, kDmxRoutingFilter, {}, {}});
        if (datei.empty()) return;
        dmxRoutingLadenUndMerken(p_.live, p_.einstellungen, p_.env, datei);
        kanalZeigen();
    });
    connect(speichern, &QPushButton::clicked, this, [this] {
        const std::string datei =
            p_.env.dialoge.dateiSpeichern({kDmxRoutingTitel, kDmxRoutingFilter, {}, {}});
        if (datei.empty()) return;
        dmxRoutingSpeichernUndMerken(p_.live, p_.einstellungen, p_.env, datei);
    });

    auto* routing = new QGroupBox(this);
    routing->setObjectName("fraKanal");
    auto* form = new QFormLayout(routing);
    txtKanal_ = new QSpinBox(routing);
    txtKanal_->setObjectName("txtKanal");
    txtKanal_->setRange(1, kDmxKanaele);
    lblWert_ = new QLabel(routing);
    lblWert_->setObjectName("lblWert");
    auto* kanalZeile = new QHBoxLayout;
    kanalZeile->addWidget(txtKanal_);
    kanalZeile->addWidget(lblWert_, 1);
    optEffektspur_ = new QComboBox(routing);
    optEffektspur_->setObjectName("optEffektspur");
    auto* kanalName = new QLabel(routing);
    auto* zeileName = new QLabel(routing);
    form->addRow(kanalName, kanalZeile);
    form->addRow(zeileName, optEffektspur_);
    auto* gruppen = new QGridLayout;
    for (int g = 0; g < kGruppen; ++g) {
        auto* c = new QCheckBox(routing);
        c->setObjectName(QStringLiteral("checkAusgabeAuf(%1)").arg(g));
        checkAusgabeAuf_[static_cast<std::size_t>(g)] = c;
        gruppen->addWidget(c, g / 3, g % 3);
        connect(c, &QCheckBox::toggled, this, [this] { kanalGeaendert(); });
    }
    form->addRow(gruppen);
    connect(txtKanal_, &QSpinBox::valueChanged, this, [this] { kanalZeigen(); });
    connect(optEffektspur_, &QComboBox::currentIndexChanged, this, [this] { kanalGeaendert(); });

    auto* live = new QGroupBox(this);
    live->setObjectName("fraEingehend");
    auto* ll = new QVBoxLayout(live);
    ansicht_ = new DmxKanalansicht(live);
    ansicht_->gewaehlt = [this](int kanal) { txtKanal_->setValue(kanal); };
    ll->addWidget(ansicht_);

    beschriftenMit([=, this](const Sprachtexte& t) {
        eingang->setTitle(lt(t, lt_::DmxEingang));
        cboEingang_->setToolTip(lt(t, lt_::DmxEingangHilfe));
        universumName->setText(lt(t, lt_::Universum));
        txtUniversum_->setToolTip(lt(t, lt_::UniversumHilfe));
        oeffnen->setText(lt(t, lt_::Oeffnen));
        oeffnen->setToolTip(lt(t, lt_::RoutingOeffnenHilfe));
        speichern->setText(lt(t, lt_::Speichern));
        speichern->setToolTip(lt(t, lt_::RoutingSpeichernHilfe));
        routing->setTitle(lt(t, lt_::Kanal));
        kanalName->setText(lt(t, lt_::Kanal));
        txtKanal_->setToolTip(lt(t, lt_::KanalHilfe));
        lblWert_->setToolTip(lt(t, lt_::KanalHilfe));
        zeileName->setText(lt(t, lt_::Zeile));
        optEffektspur_->setToolTip(lt(t, lt_::ZeileHilfe));
        {
            const QSignalBlocker b(optEffektspur_);
            const int i = optEffektspur_->currentIndex();
            optEffektspur_->clear();
            optEffektspur_->addItem(lt(t, lt_::NichtZugeordnet));
            for (int z = 1; z <= 20; ++z) optEffektspur_->addItem(zeilenText(t, z));
            optEffektspur_->setCurrentIndex(std::max(0, i));
        }
        for (int g = 0; g < kGruppen; ++g) {
            checkAusgabeAuf_[static_cast<std::size_t>(g)]->setText(lt(t, lt_::Gruppe).arg(g));
            checkAusgabeAuf_[static_cast<std::size_t>(g)]->setToolTip(
                lt(t, lt_::GruppeHilfe).arg(g));
        }
        live->setTitle(lt(t, lt_::Eingehend));
        ansicht_->setToolTip(lt(t, lt_::EingehendHilfe));
    });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(oeffnen);
    knoepfe->addWidget(speichern);
    knoepfe->addStretch(1);
    auto* links = new QVBoxLayout;
    links->addLayout(knoepfe);
    links->addWidget(routing);
    links->addStretch(1);
    auto* mitte = new QHBoxLayout;
    mitte->addLayout(links);
    mitte->addWidget(live, 1);
    auto* inhalt = new QWidget;
    auto* l = new QVBoxLayout(inhalt);
    l->addWidget(eingang);
    l->addLayout(mitte, 1);
    setzeInhalt(inhalt);

    // The view follows the frames the output cycle takes in (about 25 times a second).
    auto* takt = new QTimer(this);
    connect(takt, &QTimer::timeout, this, [this] {
        if (isVisible()) ansichtAktualisieren();
    });
    takt->start(40);
    aktualisieren();
}

void DmxZuordnungsfenster::showEvent(QShowEvent* e) {
    aktualisieren();
    Werkzeugfenster::showEvent(e);
}

void DmxZuordnungsfenster::aktualisieren() {
    {
        const QSignalBlocker b1(cboEingang_), b2(txtUniversum_);
        cboEingang_->clear();
        for (const auto& n : p_.geraete.comboDMXPort[1])
            cboEingang_->addItem(QString::fromStdString(n));
        const auto d = dmxEingangsEinstellungenLesen(p_.einstellungen);
        const int i = p_.geraete.comboDMXPortIndex[1];
        if (i >= 0 && i < cboEingang_->count())
            cboEingang_->setCurrentIndex(i);
        else
            cboEingang_->setCurrentText(QString::fromStdString(d.geraet));
        txtUniversum_->setValue(d.universum);
    }
    kanalZeigen();
    ansichtAktualisieren();
}

void DmxZuordnungsfenster::eingangGewaehlt() {
    dmxEingangUmstellen(p_, cboEingang_->currentText().toStdString(), txtUniversum_->value());
}

void DmxZuordnungsfenster::kanalZeigen() {
    const int c = txtKanal_->value();
    const auto& r = p_.live.dmx.kanaele[static_cast<std::size_t>(c - 1)];
    const QSignalBlocker b(optEffektspur_);
    optEffektspur_->setCurrentIndex(r.zeile);
    for (int g = 0; g < kGruppen; ++g) {
        const QSignalBlocker bg(checkAusgabeAuf_[static_cast<std::size_t>(g)]);
        checkAusgabeAuf_[static_cast<std::size_t>(g)]->setChecked(
            r.gruppen[static_cast<std::size_t>(g)]);
    }
    ansichtAktualisieren();
}

void DmxZuordnungsfenster::kanalGeaendert() {
    auto& r = p_.live.dmx.kanaele[static_cast<std::size_t>(txtKanal_->value() - 1)];
    r.zeile = static_cast<std::int16_t>(std::max(0, optEffektspur_->currentIndex()));
    for (int g = 0; g < kGruppen; ++g)
        r.gruppen[static_cast<std::size_t>(g)] =
            checkAusgabeAuf_[static_cast<std::size_t>(g)]->isChecked();
    ansichtAktualisieren();
}

void DmxZuordnungsfenster::ansichtAktualisieren() {
    std::array<bool, kDmxKanaele> geroutet{};
    for (std::size_t i = 0; i < geroutet.size(); ++i)
        geroutet[i] = p_.live.dmx.kanaele[i].zeile != 0;
    const int c = txtKanal_->value();
    ansicht_->setzen(p_.live.dmxVorher, geroutet, c);
    lblWert_->setText(
        QStringLiteral("= %1").arg(p_.live.dmxVorher[static_cast<std::size_t>(c - 1)]));
    lblSeite_->setText(QString::fromStdString(seitenBeschriftung(p_.live.dmxSeite)));
}

} // namespace sw::ui
