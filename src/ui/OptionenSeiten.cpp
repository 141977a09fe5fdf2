// The options window's pages of the chosen device (geometry with the audience zone, path
// optimisation) and of the network DACs and DMX devices.

#include "devices/Geraeteverwaltung.h"
#include "live/eingang/DmxEingangswahl.h"
#include "ui/Beschriften.h"
#include "ui/Geometrievorschau.h"
#include "ui/OptionenTexte.h"
#include "ui/Optionenfenster.h"
#include "ui/Symbole.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <type_traits>

namespace sw::ui {

namespace tx = text::optionen;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Stores a spin box's value in a field of any number type.
template <typename T> void zuweisen(T& ziel, double wert) {
    if constexpr (std::is_floating_point_v<T>)
        ziel = static_cast<T>(wert);
    else
        ziel = static_cast<T>(std::llround(wert));
}

QFormLayout* formular(QGroupBox* gruppe) {
    auto* f = new QFormLayout(gruppe);
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return f;
}

} // namespace

QWidget* Optionenfenster::geometrieSeiteBauen() {
    auto* seite = new QWidget;
    auto* reihe = new QHBoxLayout(seite);
    auto* gruppe = new QGroupBox;
    gruppe->setObjectName("fraGeometrie");
    auto* f = formular(gruppe);
    beschriftenMit(
        [gruppe](const Sprachtexte& t) { gruppe->setTitle(beschriftung(t, tx::GruppeGeometrie)); });

    auto geo = [this]() -> Geometriekorrektur& {
        return p_.ausgabe->Geometrie[static_cast<std::size_t>(geraet())];
    };
    auto feld = [&, geo](const char* name, const text::Beschriftung& b, auto glied, double min,
                         double max, int dezimalen) {
        zahl(
            f, name, b, min, max, dezimalen,
            [geo, glied] { return static_cast<double>(geo().*glied); },
            [geo, glied](double v) { zuweisen(geo().*glied, v); });
    };
    auto knopf = [&, geo](const char* name, const text::Beschriftung& b, auto glied) {
        schalter(
            f, name, b, [geo, glied] { return geo().*glied != 0; },
            [geo, glied](bool an) { geo().*glied = an ? 1 : 0; });
    };
    knopf("SpiegelnX", tx::SpiegelnX, &Geometriekorrektur::SpiegelnX);
    knopf("SpiegelnY", tx::SpiegelnY, &Geometriekorrektur::SpiegelnY);
    knopf("SwapXY", tx::SwapXY, &Geometriekorrektur::SwapXY);
    feld("VerschiebenX", tx::VerschiebenX, &Geometriekorrektur::VerschiebenX, -2, 2, 3);
    feld("VerschiebenY", tx::VerschiebenY, &Geometriekorrektur::VerschiebenY, -2, 2, 3);
    feld("Drehung", tx::Drehung, &Geometriekorrektur::Drehung, -360, 360, 1);
    feld("GlobalGroesseX", tx::GlobalGroesseX, &Geometriekorrektur::GlobalGroesseX, -4, 4, 3);
    feld("GlobalGroesseY", tx::GlobalGroesseY, &Geometriekorrektur::GlobalGroesseY, -4, 4, 3);
    feld("ShowGroeseX", tx::ShowGroeseX, &Geometriekorrektur::ShowGroeseX, -4, 4, 3);
    feld("ShowGroeseY", tx::ShowGroeseY, &Geometriekorrektur::ShowGroeseY, -4, 4, 3);
    feld("TrapezX", tx::TrapezX, &Geometriekorrektur::TrapezX, -89, 89, 1);
    feld("TrapezY", tx::TrapezY, &Geometriekorrektur::TrapezY, -89, 89, 1);
    feld("DeckenHoehe", tx::DeckenHoehe, &Geometriekorrektur::DeckenHoehe, -32768, 32767, 0);
    feld("TrapezLWAbstand", tx::TrapezLWAbstand, &Geometriekorrektur::TrapezLWAbstand, 0, 32767, 0);
    auto* links = new QVBoxLayout;
    links->addWidget(gruppe);
    links->addStretch(1);
    reihe->addLayout(links);

    // The preview between the geometry and the audience zone; it takes the room left.
    auto* rechts = new QVBoxLayout;
    auto farben = [this]() -> GeraeteFarben& {
        return p_.ausgabe->Farben.geraete[static_cast<std::size_t>(geraet())];
    };
    vorschau_ =
        new Geometrievorschau([geo]() -> const Geometriekorrektur& { return geo(); }, farben);
    beschriftenMit(
        [this](const Sprachtexte& t) { vorschau_->setToolTip(beschriftung(t, tx::Vorschau)); });
    reihe->addWidget(vorschau_, 1);

    auto* zone = new QGroupBox;
    zone->setObjectName("fraZone");
    auto* zf = formular(zone);
    beschriftenMit(
        [zone](const Sprachtexte& t) { zone->setTitle(beschriftung(t, tx::GruppeZone)); });
    std::vector<QDoubleSpinBox*> kanten;
    // Edges left, right, bottom, top, named by their settings key's index.
    for (int k = 0; k < 4; ++k) {
        kanten.push_back(zahl(
            zf, "", tx::ZoneKante[k], -32768, 32768, 0,
            [farben, k] { return farben().AudienceZone[static_cast<std::size_t>(k)]; },
            [farben, k](double v) { farben().AudienceZone[static_cast<std::size_t>(k)] = v; }));
        kanten.back()->setObjectName(QString("AudienceZone(%1)").arg(k));
    }
    zahl(
        zf, "AudienceHelligkeit", tx::AudienceHelligkeit, 0, 1, 2,
        [farben] { return farben().AudienceHelligkeit; },
        [farben](double v) { farben().AudienceHelligkeit = v; });
    zahl(
        zf, "BeamHelligkeit", tx::BeamHelligkeit, 0, 1, 2,
        [farben] { return farben().BeamHelligkeit; },
        [farben](double v) { farben().BeamHelligkeit = v; });
    auto* loeschen = new QPushButton;
    loeschen->setObjectName("cmdZoneLoeschen");
    zf->addRow(loeschen);
    beschriftenMit([loeschen](const Sprachtexte& t) {
        loeschen->setText(beschriftungTeil(t, tx::ZoneLoeschen, 0));
        loeschen->setToolTip(beschriftungTeil(t, tx::ZoneLoeschen, 1));
    });
    connect(loeschen, &QPushButton::clicked, this, [this, farben] {
        farben().AudienceZone = {0, 0, 0, 0};
        anzeigen();
    });
    // A zone drawn on the preview shows in the edge fields at once.
    vorschau_->zoneGeaendert = [kanten, farben] {
        for (int k = 0; k < 4; ++k) {
            QSignalBlocker sperre(kanten[static_cast<std::size_t>(k)]);
            kanten[static_cast<std::size_t>(k)]->setValue(
                farben().AudienceZone[static_cast<std::size_t>(k)]);
        }
    };
    rechts->addWidget(zone);
    rechts->addStretch(1);
    reihe->addLayout(rechts);
    return seite;
}

QWidget* Optionenfenster::optimierungSeiteBauen() {
    auto* seite = new QWidget;
    auto* reihe = new QHBoxLayout(seite);
    auto* links = new QGroupBox;
    links->setObjectName("fraOptimierung");
    auto* rechts = new QGroupBox;
    rechts->setObjectName("fraFuellung");
    auto* fl = formular(links);
    auto* fr = formular(rechts);
    // The filling's box needs no title: its first row names it.
    beschriftenMit([links](const Sprachtexte& t) {
        links->setTitle(ohneKuerzel(beschriftung(t, tx::Reiter[2])));
    });
    auto opt = [this]() -> Optimierungseinstellungen& {
        return p_.ausgabe->Optimierung[static_cast<std::size_t>(geraet())];
    };
    auto feld = [&, opt](QFormLayout* f, const char* name, const text::Beschriftung& b, auto glied,
                         double min, double max) {
        zahl(
            f, name, b, min, max, 0, [opt, glied] { return static_cast<double>(opt().*glied); },
            [opt, glied](double v) { zuweisen(opt().*glied, v); });
    };
    using O = Optimierungseinstellungen;
    feld(fl, "NewPointColorCount", tx::NewPointColorCount, &O::NewPointColorCount, 0, 100);
    feld(fl, "OldPointColorCount", tx::OldPointColorCount, &O::OldPointColorCount, 0, 100);
    feld(fl, "AdCornerPoints", tx::AdCornerPoints, &O::AdCornerPoints, 0, 100);
    feld(fl, "MaxStreckenLaenge", tx::MaxStreckenLaenge, &O::MaxStreckenLaenge, 1, 32767);
    feld(fl, "MaxStreckenLaengeGeblankt", tx::MaxStreckenLaengeGeblankt,
         &O::MaxStreckenLaengeGeblankt, 1, 32767);
    feld(fl, "MaxSoftColorAbstand", tx::MaxSoftColorAbstand, &O::MaxSoftColorAbstand, 1, 32767);
    feld(fl, "MaxTextAbstand", tx::MaxTextAbstand, &O::MaxTextAbstand, 1, 32767);
    feld(fl, "MinimumFrameStartPunkte", tx::MinimumFrameStartPunkte, &O::MinimumFrameStartPunkte, 0,
         1000);
    feld(fl, "MinimumFrammeEndPunkte", tx::MinimumFrammeEndPunkte, &O::MinimumFrammeEndPunkte, 0,
         1000);
    feld(fl, "SprungDunkelVorher", tx::SprungDunkelVorher, &O::SprungDunkelVorher, 0,
         kSprungDunkelHoechstens);
    feld(fl, "SprungDunkelNachher", tx::SprungDunkelNachher, &O::SprungDunkelNachher, 0,
         kSprungDunkelHoechstens);
    schalter(
        fl, "GoMitte", tx::GoMitte, [opt] { return opt().GoMitte; },
        [opt](bool an) { opt().GoMitte = an; });

    auto* stil = new QComboBox;
    stil->setObjectName("NoPointStyle");
    for (int i = 0; i < 3; ++i) stil->addItem(QString());
    zeile(fr, stil, tx::NoPointStyle);
    beschriftenMit([stil](const Sprachtexte& t) {
        for (int i = 0; i < 3; ++i) stil->setItemText(i, beschriftung(t, tx::NoPointStile[i]));
    });
    anzeigenMit([stil, opt] {
        QSignalBlocker sperre(stil);
        stil->setCurrentIndex(opt().NoPointStyle < 3 ? opt().NoPointStyle : 0);
    });
    connect(stil, &QComboBox::activated, this, [this, opt](int i) {
        if (!fuellt_) opt().NoPointStyle = static_cast<std::uint8_t>(i);
    });
    for (int k = 0; k < 4; ++k) {
        auto* f = zahl(
            fr, "", tx::NoPointValue[k], -32768, 32767, 0,
            [opt, k] {
                return static_cast<double>(opt().NoPointValue[static_cast<std::size_t>(k)]);
            },
            [opt, k](double v) {
                opt().NoPointValue[static_cast<std::size_t>(k)] =
                    static_cast<std::int32_t>(std::llround(v));
            });
        f->setObjectName(QString("NoPointValue(%1)").arg(k));
    }
    auto* spalteLinks = new QVBoxLayout;
    spalteLinks->addWidget(links);
    spalteLinks->addStretch(1);
    auto* spalte = new QVBoxLayout;
    spalte->addWidget(rechts);
    spalte->addStretch(1);
    reihe->addLayout(spalteLinks);
    reihe->addLayout(spalte);
    reihe->addStretch(1);
    return seite;
}

QWidget* Optionenfenster::netzSeiteBauen() {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    auto* gruppe = new QGroupBox;
    gruppe->setObjectName("fraNetzwerk");
    auto* f = formular(gruppe);
    beschriftenMit([gruppe](const Sprachtexte& t) {
        gruppe->setTitle(ohneKuerzel(beschriftung(t, tx::Reiter[3])));
    });
    auto& n = p_.geraete.netz;
    auto port = [&](const char* name, const text::Beschriftung& b, std::uint16_t& wert) {
        zahl(
            f, name, b, 1, 65535, 0, [&wert] { return static_cast<double>(wert); },
            [&wert](double v) { wert = static_cast<std::uint16_t>(v); });
    };
    textfeld(
        f, "Suchadresse", tx::Suchadresse, [&n] { return n.suchAdresse; },
        [&n](const std::string& s) { n.suchAdresse = s.empty() ? "0.0.0.0" : s; });
    port("EtherDream_BroadcastPort", tx::EtherDreamBroadcastPort, n.etherDreamBroadcastPort);
    port("EtherDream_TcpPort", tx::EtherDreamTcpPort, n.etherDreamTcpPort);
    textfeld(
        f, "IDN_Adresse", tx::IdnAdresse, [&n] { return n.idnAdresse; },
        [&n](const std::string& s) { n.idnAdresse = s; });
    port("IDN_Port", tx::IdnPort, n.idnPort);
    schalter(
        f, "IDN_Wellenmodus", tx::IdnWelle, [&n] { return n.idnWelle; },
        [&n](bool an) { n.idnWelle = an; });
    schalter(
        f, "Geraetesuche", tx::Geraetesuche, [&n] { return n.suchen; },
        [&n](bool an) { n.suchen = an; });
    zahl(
        f, "Latenz", tx::Latenz, 5, 500, 0, [&n] { return static_cast<double>(n.latenz); },
        [&n](double v) { n.latenz = static_cast<int>(v); });
    spalte->addWidget(gruppe);
    auto* hinweis = new QLabel;
    hinweis->setWordWrap(true);
    beschriftenMit([hinweis](const Sprachtexte& t) {
        hinweis->setText(beschriftung(t, tx::NetzHinweis));
        hinweis->setToolTip(hinweis->text());
    });
    spalte->addWidget(hinweis);
    spalte->addStretch(1);
    return seite;
}

void Optionenfenster::dmxAnzeigen() {
    auto& g = p_.geraete;
    for (int i = 0; i < 2; ++i) {
        auto* combo = comboDMXPort_[i];
        QSignalBlocker sperre(combo);
        combo->clear();
        for (const auto& s : g.comboDMXPort[static_cast<std::size_t>(i)]) combo->addItem(q(s));
        combo->setCurrentIndex(g.comboDMXPortIndex[static_cast<std::size_t>(i)]);
    }
}

QWidget* Optionenfenster::dmxSeiteBauen() {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    auto* gruppe = new QGroupBox;
    gruppe->setObjectName("fraDMX");
    auto* f = formular(gruppe);
    beschriftenMit([gruppe](const Sprachtexte& t) {
        gruppe->setTitle(ohneKuerzel(beschriftung(t, tx::Reiter[4])));
    });
    for (int i = 0; i < 2; ++i) {
        auto* combo = new QComboBox;
        combo->setObjectName(QString("comboDMXPort(%1)").arg(i));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMinimumContentsLength(20);
        comboDMXPort_[i] = combo;
        zeile(f, combo, i == 0 ? tx::DmxAusgang : tx::DmxEingang);
        connect(combo, &QComboBox::activated, this, [this, i, combo](int index) {
            if (fuellt_ || index < 0) return;
            const std::string text = combo->itemText(index).toStdString();
            if (i == 0)
                comboDMXPort_Click(p_.geraete, p_.env, p_.einstellungen, 0, text);
            else
                dmxEingangWaehlen(p_.geraete, p_.env, p_.einstellungen, text);
            dmxAnzeigen();
        });
    }
    anzeigenMit([this] { dmxAnzeigen(); });

    // The network inputs' universe, address and ports live in the settings only.
    auto& e = p_.einstellungen;
    auto aendern = [&e](const std::function<void(DmxEingangsEinstellungen&)>& f) {
        auto d = dmxEingangsEinstellungenLesen(e);
        f(d);
        dmxEingangsEinstellungenSchreiben(e, d);
    };
    zahl(
        f, "DMX_InputUniverse", tx::DmxUniversum, 0, 63999, 0,
        [&e] { return static_cast<double>(dmxEingangsEinstellungenLesen(e).universum); },
        [aendern](double v) {
            aendern([v](DmxEingangsEinstellungen& d) { d.universum = static_cast<int>(v); });
        });
    textfeld(
        f, "DMX_InputBindAddress", tx::DmxBindAdresse,
        [&e] { return dmxEingangsEinstellungenLesen(e).bindAdresse; },
        [aendern](const std::string& s) {
            aendern(
                [&s](DmxEingangsEinstellungen& d) { d.bindAdresse = s.empty() ? "0.0.0.0" : s; });
        });
    for (auto [name, b, glied] :
         {std::tuple{"ArtNet_Port", &tx::ArtNetPort, &DmxEingangsEinstellungen::artNetPort},
          std::tuple{"sACN_Port", &tx::SacnPort, &DmxEingangsEinstellungen::sacnPort},
          std::tuple{"OLA_Port", &tx::OlaPort, &DmxEingangsEinstellungen::olaPort}}) {
        zahl(
            f, name, *b, 1, 65535, 0,
            [&e, glied = glied] {
                return static_cast<double>(dmxEingangsEinstellungenLesen(e).*glied);
            },
            [aendern, glied = glied](double v) {
                aendern(
                    [&](DmxEingangsEinstellungen& d) { d.*glied = static_cast<std::uint16_t>(v); });
            });
    }
    spalte->addWidget(gruppe);
    spalte->addStretch(1);
    return seite;
}

} // namespace sw::ui
