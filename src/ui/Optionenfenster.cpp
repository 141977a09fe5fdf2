// The options window: its frame, the device row at the top, the devices page and the general
// page. The other pages are in OptionenSeiten.cpp.

#include "ui/Optionenfenster.h"

#include "app/Einstellungsdatei.h"
#include "app/Programmstart.h"
#include "app/Sprache.h"
#include "devices/Geraeteverwaltung.h"
#include "live/eingang/DmxEingangswahl.h"
#include "ui/Beschriften.h"
#include "ui/Fensterlage.h"
#include "ui/Geometrievorschau.h"
#include "ui/Geraetetafel.h"
#include "ui/OptionenTexte.h"
#include "ui/QtSprache.h"
#include "ui/Symbole.h"
#include "ui/Werkzeugfenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace sw::ui {

namespace tx = text::optionen;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The languages of the shipped language file, by their own names.
const char* const kSprachen[] = {"Deutsch", "English"};

// The auto-load keys of section "AutoFileLoad"; "xx" stands for none.
const char* const kAutoSchluessel[3] = {"DMX input Routing", "Midi input Routing",
                                        "Show_Playlist_LiveShow"};

} // namespace

QString beschriftungTeil(const Sprachtexte& t, const text::Beschriftung& b, int teil) {
    const QString ganz = beschriftung(t, b);
    const int strich = ganz.indexOf(QLatin1Char('|'));
    if (strich < 0) return ganz;
    return teil == 0 ? ganz.left(strich) : ganz.mid(strich + 1);
}

Optionenfenster::Optionenfenster(Programm& p, QWidget* eltern)
    : QWidget(eltern, Qt::Window), p_(p) {
    setObjectName("formOptionen");
    // Art-Net, sACN and OLA stand in the DMX input list beside the DAC libraries' inputs.
    dmxEingaengeEintragen(p_.geraete, p_.einstellungen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(kopfBauen());
    reiter_ = new QTabWidget;
    reiter_->setObjectName("tabOptionen");
    reiter_->addTab(rollbar(geraeteSeiteBauen()), QString());
    reiter_->addTab(rollbar(geometrieSeiteBauen()), QString());
    reiter_->addTab(rollbar(optimierungSeiteBauen()), QString());
    reiter_->addTab(rollbar(netzSeiteBauen()), QString());
    reiter_->addTab(rollbar(dmxSeiteBauen()), QString());
    reiter_->addTab(rollbar(allgemeinSeiteBauen()), QString());
    beschriftenMit([this](const Sprachtexte& t) {
        for (int i = 0; i < reiter_->count(); ++i)
            reiter_->setTabText(i, beschriftung(t, tx::Reiter[i]));
    });
    spalte->addWidget(reiter_, 1);

    auto* knoepfe = new QHBoxLayout;
    auto* meldung = new QLabel;
    meldung->setObjectName("lblMeldung");
    knoepfe->addWidget(meldung, 1);
    auto* speichern = new QPushButton;
    speichern->setObjectName("cmdSpeichern");
    symbolSetzen(speichern, "speichern");
    auto* schliessen = new QPushButton;
    schliessen->setObjectName("cmdSchliessen");
    symbolSetzen(schliessen, "beenden");
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);
    beschriftenMit([=, this](const Sprachtexte& t) {
        setWindowTitle("Strahlwerk – " + beschriftung(t, tx::Titel));
        speichern->setText(beschriftungTeil(t, tx::Speichern, 0));
        speichern->setToolTip(beschriftungTeil(t, tx::Speichern, 1));
        schliessen->setText(beschriftungTeil(t, tx::Schliessen, 0));
        schliessen->setToolTip(beschriftungTeil(t, tx::Schliessen, 1));
    });
    connect(speichern, &QPushButton::clicked, this, [this, meldung] {
        if (this->speichern()) meldung->setText(beschriftung(p_.texte, tx::Gespeichert));
    });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    auto* kuerzel = new QShortcut(QKeySequence::Save, this);
    connect(kuerzel, &QShortcut::activated, speichern, &QPushButton::click);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);

    // Closes with the main window, keeping its position.
    if (eltern) eltern->installEventFilter(this);

    auto* takt = new QTimer(this);
    takt->setInterval(1000);
    connect(takt, &QTimer::timeout, this, [this] { nachsehen(); });
    takt->start();

    anzeigen();
    fensterpositionLaden();
}

void Optionenfenster::nachsehen() {
    // Never under an open list: its items would change under the mouse.
    if (QApplication::activePopupWidget()) return;
    const auto& g = p_.geraete;
    bool veraltet = comboDeviceNr_->count() != static_cast<int>(g.ComboDeviceNr.size());
    for (int i = 0; !veraltet && i < comboDeviceNr_->count(); ++i)
        veraltet = comboDeviceNr_->itemText(i).toStdString() != g.ComboDeviceNr[std::size_t(i)];
    for (int n = 0; !veraltet && n < kGeraete; ++n) {
        const auto* liste = lstHardware_[static_cast<std::size_t>(n)];
        veraltet = liste->count() != static_cast<int>(g.lstHardwareEintraege.size()) ||
                   liste->currentIndex() != g.lstHardwareIndex[static_cast<std::size_t>(n)];
    }
    for (int i = 0; !veraltet && i < 2; ++i)
        veraltet = comboDMXPort_[i]->count() !=
                   static_cast<int>(g.comboDMXPort[static_cast<std::size_t>(i)].size());
    if (veraltet) anzeigen();
}

void Optionenfenster::beschriftenMit(std::function<void(const Sprachtexte&)> f) {
    f(p_.texte);
    beschrifter_.push_back(std::move(f));
}

void Optionenfenster::anzeigenMit(std::function<void()> f) {
    anzeiger_.push_back(std::move(f));
}

void Optionenfenster::beschriften() {
    for (const auto& f : beschrifter_) f(p_.texte);
}

int Optionenfenster::geraet() const {
    return std::clamp(p_.geraete.ComboDeviceNrIndex, 0, kGeraete - 1);
}

void Optionenfenster::anzeigen() {
    fuellt_ = true;
    comboDeviceNrFuellen();
    for (const auto& f : anzeiger_) f();
    ppsAnzeigen();
    fuellt_ = false;
    geaendert();
}

void Optionenfenster::geaendert() {
    if (vorschau_) vorschau_->update();
}

bool Optionenfenster::speichern() {
    return INI_Speichern(p_);
}

void Optionenfenster::zeile(QFormLayout* f, QWidget* feld, const text::Beschriftung& b) {
    auto* label = new QLabel;
    label->setBuddy(feld);
    f->addRow(label, feld);
    beschriftenMit([label, feld, &b](const Sprachtexte& t) {
        label->setText(beschriftungTeil(t, b, 0));
        label->setToolTip(beschriftungTeil(t, b, 1));
        feld->setToolTip(beschriftungTeil(t, b, 1));
    });
}

QDoubleSpinBox* Optionenfenster::zahl(QFormLayout* f, const char* name, const text::Beschriftung& b,
                                      double min, double max, int dezimalen,
                                      std::function<double()> lesen,
                                      std::function<void(double)> schreiben) {
    auto* feld = new QDoubleSpinBox;
    feld->setObjectName(name);
    feld->setRange(min, max);
    feld->setDecimals(dezimalen);
    feld->setSingleStep(dezimalen == 0 ? 1 : dezimalen == 1 ? 0.5 : 0.01);
    feld->setKeyboardTracking(false);
    feld->setAccelerated(true);
    // One width for every number field, so that the columns line up.
    feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("-00000.000")) + 32);
    zeile(f, feld, b);
    anzeigenMit([feld, lesen] {
        QSignalBlocker sperre(feld);
        feld->setValue(lesen());
    });
    connect(feld, &QDoubleSpinBox::valueChanged, this, [this, schreiben](double v) {
        if (fuellt_) return;
        schreiben(v);
        geaendert();
    });
    return feld;
}

QCheckBox* Optionenfenster::schalter(QFormLayout* f, const char* name, const text::Beschriftung& b,
                                     std::function<bool()> lesen,
                                     std::function<void(bool)> schreiben) {
    auto* feld = new QCheckBox;
    feld->setObjectName(name);
    f->addRow(feld);
    beschriftenMit([feld, &b](const Sprachtexte& t) {
        feld->setText(beschriftungTeil(t, b, 0));
        feld->setToolTip(beschriftungTeil(t, b, 1));
    });
    anzeigenMit([feld, lesen] {
        QSignalBlocker sperre(feld);
        feld->setChecked(lesen());
    });
    connect(feld, &QCheckBox::toggled, this, [this, schreiben](bool an) {
        if (fuellt_) return;
        schreiben(an);
        geaendert();
    });
    return feld;
}

QLineEdit* Optionenfenster::textfeld(QFormLayout* f, const char* name, const text::Beschriftung& b,
                                     std::function<std::string()> lesen,
                                     std::function<void(const std::string&)> schreiben) {
    auto* feld = new QLineEdit;
    feld->setObjectName(name);
    zeile(f, feld, b);
    anzeigenMit([feld, lesen] {
        QSignalBlocker sperre(feld);
        feld->setText(q(lesen()));
    });
    connect(feld, &QLineEdit::editingFinished, this, [this, feld, schreiben] {
        if (!fuellt_) schreiben(feld->text().trimmed().toStdString());
    });
    return feld;
}

// ComboDeviceNr, the points per second of the device chosen there.
QWidget* Optionenfenster::kopfBauen() {
    auto* kopf = new QWidget;
    auto* reihe = new QHBoxLayout(kopf);
    reihe->setContentsMargins(0, 0, 0, 0);
    auto* lblGeraet = new QLabel;
    comboDeviceNr_ = new QComboBox;
    comboDeviceNr_->setObjectName("ComboDeviceNr");
    comboDeviceNr_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    comboDeviceNr_->setMinimumContentsLength(22);
    lblGeraet->setBuddy(comboDeviceNr_);
    auto* lblPpsText = new QLabel;
    scrPPS_ = new QScrollBar(Qt::Horizontal);
    scrPPS_->setObjectName("scrPPS");
    // Steps of 2 points per second up to 60000; the value counts only when the slider is let
    // go, so that a drag past 25000 asks once.
    scrPPS_->setRange(0, 30000);
    scrPPS_->setSingleStep(50);
    scrPPS_->setPageStep(500);
    scrPPS_->setTracking(false);
    scrPPS_->setMinimumWidth(220);
    scrPPS_->setMaximumWidth(420);
    lblPPS_ = new QLabel;
    lblPPS_->setObjectName("lblPPS");
    lblPPS_->setMinimumWidth(lblPPS_->fontMetrics().horizontalAdvance("000000"));
    lblPPS_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    reihe->addWidget(lblGeraet);
    reihe->addWidget(comboDeviceNr_);
    reihe->addSpacing(16);
    reihe->addWidget(lblPpsText);
    reihe->addWidget(scrPPS_, 1);
    reihe->addWidget(lblPPS_);
    reihe->addStretch(1);
    beschriftenMit([=, this](const Sprachtexte& t) {
        lblGeraet->setText(beschriftungTeil(t, tx::ComboDeviceNr, 0));
        comboDeviceNr_->setToolTip(beschriftungTeil(t, tx::ComboDeviceNr, 1));
        lblPpsText->setText(beschriftungTeil(t, tx::Pps, 0));
        scrPPS_->setToolTip(beschriftungTeil(t, tx::Pps, 1));
        lblPPS_->setToolTip(beschriftungTeil(t, tx::Pps, 1));
    });
    connect(comboDeviceNr_, &QComboBox::activated, this, [this](int n) { geraetGewaehlt(n); });
    connect(scrPPS_, &QScrollBar::valueChanged, this, [this](int wert) {
        if (fuellt_) return;
        scrPPS_Change(p_.geraete, p_.env, p_.einstellungen, wert);
        ppsAnzeigen();
    });
    return kopf;
}

void Optionenfenster::comboDeviceNrFuellen() {
    QSignalBlocker sperre(comboDeviceNr_);
    const auto& liste = p_.geraete.ComboDeviceNr;
    if (comboDeviceNr_->count() != static_cast<int>(liste.size())) {
        comboDeviceNr_->clear();
        for (const auto& s : liste) comboDeviceNr_->addItem(q(s));
    } else {
        for (int i = 0; i < comboDeviceNr_->count(); ++i)
            comboDeviceNr_->setItemText(i, q(liste[static_cast<std::size_t>(i)]));
    }
    comboDeviceNr_->setCurrentIndex(geraet());
}

void Optionenfenster::geraetGewaehlt(int n) {
    if (n < 0 || n >= kGeraete) return;
    p_.geraete.ComboDeviceNrIndex = n;
    anzeigen();
}

void Optionenfenster::ppsAnzeigen() {
    const int pps = p_.geraete.PPSWert[static_cast<std::size_t>(geraet())];
    {
        QSignalBlocker sperre(scrPPS_);
        scrPPS_->setValue(pps / 2);
    }
    lblPPS_->setText(QString::number(pps));
}

// The sixteen device lists with their sides, and the devices' state while they play.
QWidget* Optionenfenster::geraeteSeiteBauen() {
    auto* seite = new QWidget;
    auto* reihe = new QHBoxLayout(seite);
    auto* gruppe = new QGroupBox;
    gruppe->setObjectName("fraZuordnung");
    auto* raster = new QGridLayout(gruppe);
    raster->setHorizontalSpacing(10);
    raster->setVerticalSpacing(3);
    auto* kopfNr = new QLabel;
    auto* kopfGeraet = new QLabel;
    auto* kopfSeiten = new QLabel;
    raster->addWidget(kopfNr, 0, 0);
    raster->addWidget(kopfGeraet, 0, 1);
    raster->addWidget(kopfSeiten, 0, 2, 1, kSeiten, Qt::AlignHCenter);
    beschriftenMit([=](const Sprachtexte& t) {
        gruppe->setTitle(beschriftung(t, tx::Zuordnung));
        kopfNr->setText(beschriftung(t, tx::SpalteNummer));
        kopfGeraet->setText(beschriftung(t, tx::SpalteGeraet));
        kopfSeiten->setText(beschriftung(t, tx::SpalteSeiten));
    });
    auto& g = p_.geraete;
    for (int n = 0; n < kGeraete; ++n) {
        auto* nummer = new QLabel(QString::number(n));
        nummer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        raster->addWidget(nummer, n + 1, 0);
        auto* liste = new QComboBox;
        liste->setObjectName(QString("lstHardware(%1)").arg(n));
        liste->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        liste->setMinimumContentsLength(18);
        raster->addWidget(liste, n + 1, 1);
        lstHardware_.push_back(liste);
        beschriftenMit([liste, n](const Sprachtexte& t) {
            liste->setToolTip(beschriftung(t, tx::LstHardware).arg(n));
        });
        connect(liste, &QComboBox::activated, this, [this, n](int index) {
            if (fuellt_) return;
            geraetWaehlen(p_.geraete, p_.env, n, index);
            p_.dac.typenUebertragen(*p_.ausgabe);
            anzeigen(); // Cancel on the shared-device question put the list back
        });
        for (int s = 0; s < kSeiten; ++s) {
            const QChar seitenname('A' + s);
            auto* box = new QCheckBox(seitenname);
            box->setObjectName(QString("Spur%1Zuordnung(%2)").arg(seitenname).arg(n));
            raster->addWidget(box, n + 1, 2 + s);
            spur_[s].push_back(box);
            beschriftenMit([box, n, seitenname](const Sprachtexte& t) {
                box->setToolTip(beschriftung(t, tx::SpurZuordnung).arg(n).arg(seitenname));
            });
            connect(box, &QCheckBox::toggled, this, [this, s, n](bool an) {
                if (fuellt_) return;
                p_.ausgabe
                    ->SpurZuordnung[static_cast<std::size_t>(s)][static_cast<std::size_t>(n)] = an;
            });
        }
    }
    anzeigenMit([this, &g] {
        for (int n = 0; n < kGeraete; ++n) {
            auto* liste = lstHardware_[static_cast<std::size_t>(n)];
            QSignalBlocker sperre(liste);
            if (liste->count() != static_cast<int>(g.lstHardwareEintraege.size())) {
                liste->clear();
                for (const auto& s : g.lstHardwareEintraege) liste->addItem(q(s));
            }
            liste->setCurrentIndex(g.lstHardwareIndex[static_cast<std::size_t>(n)]);
            for (int s = 0; s < kSeiten; ++s) {
                auto* box = spur_[s][static_cast<std::size_t>(n)];
                QSignalBlocker sperreBox(box);
                box->setChecked(p_.ausgabe->SpurZuordnung[static_cast<std::size_t>(s)]
                                                         [static_cast<std::size_t>(n)]);
            }
        }
    });
    raster->setRowStretch(kGeraete + 1, 1);
    reihe->addWidget(gruppe);

    auto* zustand = new QGroupBox;
    auto* zustandSpalte = new QVBoxLayout(zustand);
    auto* tafel = new Geraetetafel(p_.geraete, p_.dac);
    tafel->setObjectName("dockGeraeteOptionen");
    tafel->setFeatures(QDockWidget::NoDockWidgetFeatures);
    tafel->setTitleBarWidget(new QWidget);
    zustandSpalte->addWidget(tafel);
    beschriftenMit([zustand, tafel](const Sprachtexte& t) {
        zustand->setTitle(beschriftung(t, tx::Zustand));
        zustand->setToolTip(beschriftung(t, tx::ZustandHilfe));
        tafel->beschriften(t);
        tafel->widget()->setToolTip(beschriftung(t, tx::ZustandHilfe));
    });
    reihe->addWidget(zustand, 1);
    return seite;
}

// Language, undo files, auto-load, import and export, window positions.
QWidget* Optionenfenster::allgemeinSeiteBauen() {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    auto* oben = new QFormLayout;
    oben->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    spalte->addLayout(oben);

    auto* sprache = new QComboBox;
    sprache->setObjectName("OptLanguage");
    for (const char* name : kSprachen) sprache->addItem(name);
    zeile(oben, sprache, tx::Sprache);
    anzeigenMit([this, sprache] {
        QSignalBlocker sperre(sprache);
        sprache->setCurrentIndex(std::clamp(p_.texte.Sprache, 0, sprache->count() - 1));
    });
    connect(sprache, &QComboBox::activated, this, [this](int i) {
        if (sprachwahl) {
            sprachwahl(i);
        } else {
            OptLanguage_Click(p_.texte, p_.einstellungen, i, [i] { qtSpracheSetzen(i); });
        }
        beschriften();
    });
    schalter(
        oben, "checkWriteUndos", tx::WriteUndoFiles, [this] { return p_.undo.checkWriteUndos; },
        [this](bool an) { p_.undo.checkWriteUndos = an; });

    auto* auto_ = new QGroupBox;
    auto* autoForm = new QFormLayout(auto_);
    for (int i = 0; i < 3; ++i) {
        auto* zeileFeld = new QWidget;
        auto* reihe = new QHBoxLayout(zeileFeld);
        reihe->setContentsMargins(0, 0, 0, 0);
        auto* feld = new QLineEdit;
        feld->setObjectName(QString("txtAutoFileLoad(%1)").arg(i));
        auto* waehlen = new QPushButton;
        waehlen->setObjectName(QString("cmdAutoFileLoad(%1)").arg(i));
        reihe->addWidget(feld, 1);
        reihe->addWidget(waehlen);
        waehlen->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        zeile(autoForm, zeileFeld, tx::AutoDateien[i]);
        beschriftenMit([feld, waehlen, i](const Sprachtexte& t) {
            feld->setToolTip(beschriftungTeil(t, tx::AutoDateien[i], 1));
            waehlen->setText(beschriftungTeil(t, tx::Waehlen, 0));
            waehlen->setToolTip(beschriftungTeil(t, tx::Waehlen, 1));
        });
        const std::string schl = kAutoSchluessel[i];
        // The live windows write these keys straight into the file; so does this field.
        anzeigenMit([this, feld, schl] {
            auto& e = p_.einstellungen;
            const std::string wert = e.textLesen("AutoFileLoad", schl, "xx", e.IniDateiAktuell);
            QSignalBlocker sperre(feld);
            feld->setText(wert == "xx" ? QString() : q(wert));
        });
        auto setzen = [this, schl](const QString& text) {
            const QString t = text.trimmed();
            const std::string wert = t.isEmpty() ? "xx" : t.toStdString();
            p_.modell.setzen("AutoFileLoad", schl, wert);
            p_.einstellungen.textSchreiben("AutoFileLoad", schl, wert,
                                           p_.einstellungen.IniDateiAktuell);
        };
        connect(feld, &QLineEdit::editingFinished, this, [this, feld, setzen] {
            if (!fuellt_) setzen(feld->text());
        });
        connect(waehlen, &QPushButton::clicked, this, [this, feld, setzen] {
            DateiAuswahl a;
            a.dateiname = feld->text().toStdString();
            const std::string name = p_.env.dialoge.dateiOeffnen(a);
            if (name.empty()) return;
            feld->setText(q(name));
            setzen(feld->text());
        });
    }
    beschriftenMit(
        [auto_](const Sprachtexte& t) { auto_->setTitle(beschriftung(t, tx::AutoLaden)); });
    spalte->addWidget(auto_);

    auto* datei = new QGroupBox;
    auto* dateiReihe = new QHBoxLayout(datei);
    auto* exportieren = new QPushButton;
    exportieren->setObjectName("cmdExportINI");
    symbolSetzen(exportieren, "speichern-unter");
    auto* importieren = new QPushButton;
    importieren->setObjectName("cmdImportINI");
    symbolSetzen(importieren, "ordner-oeffnen");
    auto* zuruecksetzen = new QPushButton;
    zuruecksetzen->setObjectName("cmdResetFensterpositionen");
    dateiReihe->addWidget(exportieren);
    dateiReihe->addWidget(importieren);
    dateiReihe->addStretch(1);
    dateiReihe->addWidget(zuruecksetzen);
    beschriftenMit([=](const Sprachtexte& t) {
        datei->setTitle(beschriftung(t, tx::Einstellungsdatei));
        for (auto [knopf, b] :
             {std::pair{exportieren, &tx::Export}, std::pair{importieren, &tx::Import},
              std::pair{zuruecksetzen, &tx::Fensterpositionen}}) {
            knopf->setText(beschriftungTeil(t, *b, 0));
            knopf->setToolTip(beschriftungTeil(t, *b, 1));
        }
    });
    connect(exportieren, &QPushButton::clicked, this, [this] { cmdExportINI_Click(p_); });
    connect(importieren, &QPushButton::clicked, this, [this] {
        if (!cmdImportINI_Click(p_)) return;
        p_.dac.typenUebertragen(*p_.ausgabe);
        dmxEingaengeEintragen(p_.geraete, p_.einstellungen);
        anzeigen();
    });
    connect(zuruecksetzen, &QPushButton::clicked, this, [this] {
        cmdResetFensterpositionen_Click(p_);
        p_.env.dialoge.meldung(beschriftung(p_.texte, tx::FensterpositionenZurueck).toStdString());
    });
    spalte->addWidget(datei);
    spalte->addStretch(1);
    return seite;
}

void Optionenfenster::fensterpositionLaden() {
    fensterlageLaden(*this, p_, 1040, 700, QSize(480, 360));
}

void Optionenfenster::closeEvent(QCloseEvent* e) {
    fensterlageSpeichern(*this, p_);
    e->accept();
}

void Optionenfenster::changeEvent(QEvent* e) {
    // The main window's language menu installs Qt's own translation, which tells every window.
    if (e->type() == QEvent::LanguageChange) beschriften();
    QWidget::changeEvent(e);
}

bool Optionenfenster::eventFilter(QObject* objekt, QEvent* e) {
    // A hide that the program asked for is the main window closing; minimising is spontaneous.
    if (objekt == parentWidget() && e->type() == QEvent::Hide && !e->spontaneous() && isVisible())
        close();
    return QWidget::eventFilter(objekt, e);
}

Optionenfenster* optionenZeigen(QWidget* hauptfenster, Programm& p) {
    static QPointer<Optionenfenster> fenster;
    if (!fenster) fenster = new Optionenfenster(p, hauptfenster);
    fenster->anzeigen();
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    return fenster;
}

} // namespace sw::ui
