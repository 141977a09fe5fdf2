#include "ui/ShowInfofenster.h"

#include "show/ShowInfoDatei.h"
#include "ui/Beschriften.h"
#include "ui/Optionenfenster.h"
#include "ui/ShowInfoBild.h"
#include "ui/ShowInfoTexte.h"
#include "ui/ShowMenue.h"
#include "ui/ShowTexte.h"
#include "ui/Symbole.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace sw::ui {

namespace tx = showinfotext;

// The picture page's area: the picture fitted in, keeping its proportions, or a note that
// there is none.
class Bildflaeche : public QWidget {
public:
    Bildflaeche() {
        setObjectName("picShowInfo");
        setMinimumSize(160, 120);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void setzen(QImage b) {
        bild = std::move(b);
        update();
    }
    QImage bild;
    QString leer;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter m(this);
        m.setPen(palette().color(QPalette::Mid));
        m.drawRect(rect().adjusted(0, 0, -1, -1));
        const QRect innen = rect().adjusted(4, 4, -4, -4);
        if (bild.isNull()) {
            m.setPen(palette().color(QPalette::PlaceholderText));
            m.drawText(innen, Qt::AlignCenter, leer);
            return;
        }
        const QSize groesse = bild.size().scaled(innen.size(), Qt::KeepAspectRatio);
        QRect ziel(QPoint(0, 0), groesse.boundedTo(bild.size() * 4));
        ziel.moveCenter(innen.center());
        m.setRenderHint(QPainter::SmoothPixmapTransform);
        m.drawImage(ziel, bild);
    }
};

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Notes are kept with CR LF, as the record's files have them; the editors show plain lines.
QString alsZeilen(const std::string& s) {
    return q(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string alsText(const QString& s) {
    return QString(s).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

QString teil(const Sprachtexte& t, const text::Beschriftung& b, int n) {
    return beschriftungTeil(t, b, n);
}

// "%1" filled in with a number or a letter.
QString mit(const Sprachtexte& t, const text::Beschriftung& b, int n, const QString& wert) {
    return teil(t, b, n).arg(wert);
}

// The chosen option of a group, or `bisher` when none is chosen.
int gewaehlt(const QButtonGroup* g, int bisher) {
    const int id = g->checkedId();
    return id >= 0 ? id : bisher;
}

// Chooses option `id`; a value with no option clears the group.
void waehlen(QButtonGroup* g, int id) {
    if (auto* b = g->button(id)) {
        b->setChecked(true);
        return;
    }
    g->setExclusive(false);
    for (auto* b : g->buttons()) b->setChecked(false);
    g->setExclusive(true);
}

} // namespace

ShowInfofenster::ShowInfofenster(QWidget* eltern, Showsteuerung& s)
    : Werkzeugfenster(eltern, s.p, "frmShowInfo", showtext::MenueShowInfo, QSize(760, 600)), s_(s) {
    auto* spalte = new QVBoxLayout(this);
    reiter_ = new QTabWidget;
    reiter_->setObjectName("tabShowInfo");
    reiter_->addTab(rollbar(allgemeinBauen()), QString());
    reiter_->addTab(bildBauen(), QString());
    reiter_->addTab(rollbar(projektorenBauen()), QString());
    reiter_->addTab(rollbar(ausgabeBauen()), QString());
    reiter_->addTab(rollbar(dmxBauen()), QString());
    reiter_->addTab(sonstigesBauen(), QString());
    reiter_->addTab(textBauen(), QString());
    beschriftenMit([this](const Sprachtexte& t) {
        for (int i = 0; i < kSeiten; ++i) {
            reiter_->setTabText(i, teil(t, *tx::kReiter[i], 0));
            reiter_->setTabToolTip(i, teil(t, *tx::kReiter[i], 1));
        }
    });
    spalte->addWidget(reiter_, 1);
    spalte->addWidget(knoepfeBauen());
    // After the base's title: a loaded show's caption names its file in every language.
    beschriftenMit([this](const Sprachtexte&) { titelSetzen(); });
    anzeigen();
}

void ShowInfofenster::titelSetzen() {
    const std::string& titel = s_.show.show.showInfoTitel;
    if (!titel.empty()) setWindowTitle(q(titel));
}

void ShowInfofenster::bindung(std::function<void(const ShowInfo&)> zeigen,
                              std::function<void(ShowInfo&)> lesen) {
    zeiger_.push_back(std::move(zeigen));
    leser_.push_back(std::move(lesen));
}

namespace {

// A label for `feld` in a form, captioned and tool-texted from `b`.
void zeile(QFormLayout* f, QWidget* feld, const text::Beschriftung& b,
           const std::function<void(std::function<void(const Sprachtexte&)>)>& beschriften) {
    auto* label = new QLabel;
    label->setBuddy(feld);
    f->addRow(label, feld);
    beschriften([label, feld, &b](const Sprachtexte& t) {
        label->setText(teil(t, b, 0));
        label->setToolTip(teil(t, b, 1));
        feld->setToolTip(teil(t, b, 1));
    });
}

QPlainTextEdit* notizfeld(const char* name) {
    auto* feld = new QPlainTextEdit;
    feld->setObjectName(name);
    feld->setTabChangesFocus(true);
    feld->setMinimumHeight(70);
    return feld;
}

} // namespace

QWidget* ShowInfofenster::allgemeinBauen() {
    auto* seite = new QWidget;
    auto* f = new QFormLayout(seite);
    auto beschriften = [this](std::function<void(const Sprachtexte&)> g) {
        beschriftenMit(std::move(g));
    };
    auto textfeld = [&](const char* name, const text::Beschriftung& b,
                        std::string ShowInfo::*feld) {
        auto* e = new QLineEdit;
        e->setObjectName(name);
        zeile(f, e, b, beschriften);
        bindung([e, feld](const ShowInfo& i) { e->setText(q(i.*feld)); },
                [e, feld](ShowInfo& i) { i.*feld = e->text().toStdString(); });
    };
    textfeld("txtShowname", tx::Showname, &ShowInfo::Showname);
    textfeld("txtProgrammierer", tx::Programmierer, &ShowInfo::Programmierer);
    textfeld("txtDatum", tx::Datum, &ShowInfo::Datum);
    textfeld("txtProgrammVersion", tx::ProgrammVersion, &ShowInfo::ProgrammVersion);

    auto* typ = new QGroupBox;
    typ->setObjectName("fraShowtype");
    auto* typZeile = new QHBoxLayout(typ);
    auto* typen = new QButtonGroup(typ);
    const text::Beschriftung* typText[3] = {&tx::ShowtypGrafik, &tx::ShowtypBeam,
                                            &tx::ShowtypGemischt};
    for (int n = 0; n < 3; ++n) {
        auto* b = new QRadioButton;
        b->setObjectName(QString("OptShowtype(%1)").arg(n));
        typen->addButton(b, n);
        typZeile->addWidget(b);
        beschriftenMit([b, t = typText[n]](const Sprachtexte& s) {
            b->setText(teil(s, *t, 0));
            b->setToolTip(teil(s, *t, 1));
        });
    }
    typZeile->addStretch(1);
    beschriftenMit([typ](const Sprachtexte& s) {
        typ->setTitle(teil(s, tx::Showtyp, 0));
        typ->setToolTip(teil(s, tx::Showtyp, 1));
    });
    f->addRow(typ);
    bindung(
        [typen](const ShowInfo& i) {
            // One choice at most shows; the first one set wins.
            const auto* an = std::find(i.Showtype.begin(), i.Showtype.end(), true);
            waehlen(typen, static_cast<int>(an - i.Showtype.begin()));
        },
        [typen](ShowInfo& i) {
            for (int n = 0; n < 3; ++n) i.Showtype[std::size_t(n)] = typen->checkedId() == n;
        });

    auto* karten = new QComboBox;
    karten->setObjectName("AuswahlKartenzahl");
    zeile(f, karten, tx::Kartenzahl, beschriften);
    beschriftenMit([karten](const Sprachtexte& s) {
        const int gewaehlt = karten->currentIndex();
        karten->clear();
        karten->addItem(teil(s, tx::Karten, 0));
        for (int n = 2; n <= 4; ++n) karten->addItem(mit(s, tx::Karten, 1, QString::number(n)));
        karten->setCurrentIndex(gewaehlt);
    });
    bindung(
        [karten](const ShowInfo& i) {
            karten->setCurrentIndex(std::min<int>(i.Kartenzahl, karten->count() - 1));
        },
        [karten](ShowInfo& i) {
            i.Kartenzahl = static_cast<std::uint8_t>(std::max(0, karten->currentIndex()));
        });

    textfeld("txtBezeichnung", tx::Bezeichnung, &ShowInfo::Bezeichnung);
    textfeld("txtGesamtlaenge", tx::Gesamtlaenge, &ShowInfo::Gesamtlaenge);
    textfeld("txtInterpret", tx::Interpret, &ShowInfo::Interpret);
    textfeld("txtTitel", tx::Titel, &ShowInfo::Titel);
    auto* weitere = notizfeld("txtWeitereInfos");
    zeile(f, weitere, tx::WeitereInfos, beschriften);
    bindung([weitere](const ShowInfo& i) { weitere->setPlainText(alsZeilen(i.WeitereInfos)); },
            [weitere](ShowInfo& i) { i.WeitereInfos = alsText(weitere->toPlainText()); });
    return seite;
}

QWidget* ShowInfofenster::bildBauen() {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    bildflaeche_ = new Bildflaeche;
    spalte->addWidget(bildflaeche_, 1);
    auto* zeile = new QHBoxLayout;
    auto* laden = new QPushButton;
    laden->setObjectName("cmdBildLaden");
    symbolSetzen(laden, "ordner-oeffnen");
    auto* entfernen = new QPushButton;
    entfernen->setObjectName("cmdBildEntfernen");
    symbolSetzen(entfernen, "frames-loeschen");
    zeile->addWidget(laden);
    zeile->addWidget(entfernen);
    zeile->addStretch(1);
    spalte->addLayout(zeile);
    beschriftenMit([this, laden, entfernen](const Sprachtexte& t) {
        laden->setText(teil(t, tx::BildLaden, 0));
        laden->setToolTip(teil(t, tx::BildLaden, 1));
        entfernen->setText(teil(t, tx::BildEntfernen, 0));
        entfernen->setToolTip(teil(t, tx::BildEntfernen, 1));
        bildflaeche_->leer = teil(t, tx::KeinBild, 0);
        bildflaeche_->setToolTip(teil(t, tx::KeinBild, 1));
        bildflaeche_->update();
    });
    connect(laden, &QPushButton::clicked, this, [this] {
        const auto& t = p_.texte;
        DateiAuswahl auswahl;
        QString titel = ohneKuerzel(teil(t, tx::BildLaden, 0));
        if (titel.endsWith(QStringLiteral("..."))) titel.chop(3);
        auswahl.titel = titel.toStdString();
        auswahl.filter =
            teil(t, tx::ReiterBild, 0).toStdString() + "|*.png;*.jpg;*.jpeg;*.bmp;*.gif|*.*|*.*";
        auswahl.ordner = s_.show.show.Showordner;
        const std::string datei = p_.env.dialoge.dateiOeffnen(auswahl);
        if (!datei.empty()) bildLaden(q(datei));
    });
    connect(entfernen, &QPushButton::clicked, this, [this] {
        bildText_.clear();
        bildflaeche_->setzen({});
    });
    bindung(
        [this](const ShowInfo& i) {
            bildText_ = i.Bild;
            bildflaeche_->setzen(bildDekodieren(i.Bild));
        },
        [this](ShowInfo& i) { i.Bild = bildText_; });
    return seite;
}

QWidget* ShowInfofenster::projektorenBauen() {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    auto* raster = new QGridLayout;
    const text::Beschriftung* farben[3] = {&tx::Rot, &tx::Gruen, &tx::Blau};
    for (int n = 0; n < 4; ++n) {
        auto* gruppe = new QGroupBox;
        gruppe->setObjectName(QString("fraProjektor(%1)").arg(n));
        auto* f = new QFormLayout(gruppe);
        auto* zeile = new QHBoxLayout;
        std::array<QCheckBox*, 3> boxen{};
        for (int c = 0; c < 3; ++c) {
            auto* b = new QCheckBox;
            b->setObjectName(QString("checkProjektorFarben(%1)").arg(n * 3 + c));
            zeile->addWidget(b);
            boxen[std::size_t(c)] = b;
            beschriftenMit([b, t = farben[c]](const Sprachtexte& s) {
                b->setText(teil(s, *t, 0));
                b->setToolTip(teil(s, *t, 1));
            });
        }
        zeile->addStretch(1);
        f->addRow(zeile);
        auto* scan = new QLineEdit;
        scan->setObjectName(QString("txtEmpfScanspeed(%1)").arg(n));
        {
            auto* label = new QLabel;
            label->setBuddy(scan);
            f->addRow(label, scan);
            beschriftenMit([label, scan, gruppe, n](const Sprachtexte& s) {
                label->setText(teil(s, tx::EmpfScanspeed, 0));
                scan->setToolTip(teil(s, tx::EmpfScanspeed, 1));
                label->setToolTip(teil(s, tx::EmpfScanspeed, 1));
                gruppe->setTitle(mit(s, tx::Projektor, 0, QString::number(n + 1)));
                gruppe->setToolTip(mit(s, tx::Projektor, 1, QString::number(n + 1)));
            });
        }
        raster->addWidget(gruppe, n / 2, n % 2);
        const auto k = std::size_t(n);
        bindung(
            [boxen, scan, k](const ShowInfo& i) {
                for (std::size_t c = 0; c < 3; ++c)
                    boxen[c]->setChecked(i.Projektoren[k].Farben[c]);
                scan->setText(q(i.Projektoren[k].EmpfScanspeed));
            },
            [boxen, scan, k](ShowInfo& i) {
                for (std::size_t c = 0; c < 3; ++c)
                    i.Projektoren[k].Farben[c] = boxen[c]->isChecked();
                i.Projektoren[k].EmpfScanspeed = scan->text().toStdString();
            });
    }
    spalte->addLayout(raster);

    auto* setup = new QGroupBox;
    setup->setObjectName("fraProjektorSetup");
    auto* setupZeile = new QHBoxLayout(setup);
    auto* setups = new QButtonGroup(setup);
    const text::Beschriftung* setupText[3] = {&tx::SetupVorn, &tx::SetupSeitlich, &tx::SetupRundum};
    for (int n = 0; n < 3; ++n) {
        auto* b = new QRadioButton;
        b->setObjectName(QString("OptProjektorSetup(%1)").arg(n));
        setups->addButton(b, n);
        setupZeile->addWidget(b);
        beschriftenMit([b, t = setupText[n]](const Sprachtexte& s) {
            b->setText(teil(s, *t, 0));
            b->setToolTip(teil(s, *t, 1));
        });
    }
    setupZeile->addStretch(1);
    beschriftenMit([setup](const Sprachtexte& s) {
        setup->setTitle(teil(s, tx::ProjektorSetup, 0));
        setup->setToolTip(teil(s, tx::ProjektorSetup, 1));
    });
    spalte->addWidget(setup);
    bindung([setups](const ShowInfo& i) { waehlen(setups, i.ProjektorSetup); },
            [this, setups](ShowInfo& i) {
                i.ProjektorSetup =
                    static_cast<std::int16_t>(gewaehlt(setups, angezeigt_.ProjektorSetup));
            });

    auto* f = new QFormLayout;
    auto* plazierung = notizfeld("txtWeitereInfos_ProjektorPlazierung");
    zeile(f, plazierung, tx::Plazierung,
          [this](std::function<void(const Sprachtexte&)> g) { beschriftenMit(std::move(g)); });
    bindung(
        [plazierung](const ShowInfo& i) {
            plazierung->setPlainText(alsZeilen(i.ProjektorPlazierung));
        },
        [plazierung](ShowInfo& i) { i.ProjektorPlazierung = alsText(plazierung->toPlainText()); });
    spalte->addLayout(f, 1);
    return seite;
}

QWidget* ShowInfofenster::ausgabeBauen() {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    auto* raster = new QGridLayout;
    for (int n = 0; n < 4; ++n) {
        auto* gruppe = new QGroupBox;
        gruppe->setObjectName(QString("fraKarte(%1)").arg(n));
        auto* f = new QFormLayout(gruppe);
        auto* zeile = new QHBoxLayout;
        std::array<QCheckBox*, 4> boxen{};
        for (int s = 0; s < 4; ++s) {
            const QString seitenname(QChar('A' + s));
            auto* b = new QCheckBox;
            b->setObjectName(QString("Spur%1Zuordnung(%2)").arg(seitenname).arg(n));
            zeile->addWidget(b);
            boxen[std::size_t(s)] = b;
            beschriftenMit([b, seitenname](const Sprachtexte& t) {
                b->setText(mit(t, tx::Seite, 0, seitenname));
                b->setToolTip(mit(t, tx::Seite, 1, seitenname));
            });
        }
        zeile->addStretch(1);
        f->addRow(zeile);
        auto* routing = new QLineEdit;
        routing->setObjectName(QString("txtHardware_ProjektorRouting(%1)").arg(n));
        auto* label = new QLabel;
        label->setBuddy(routing);
        f->addRow(label, routing);
        beschriftenMit([label, routing, gruppe, n](const Sprachtexte& t) {
            label->setText(teil(t, tx::ProjektorRouting, 0));
            label->setToolTip(teil(t, tx::ProjektorRouting, 1));
            routing->setToolTip(teil(t, tx::ProjektorRouting, 1));
            gruppe->setTitle(mit(t, tx::Karte, 0, QString::number(n + 1)));
            gruppe->setToolTip(mit(t, tx::Karte, 1, QString::number(n + 1)));
        });
        raster->addWidget(gruppe, n / 2, n % 2);
        const auto k = std::size_t(n);
        bindung(
            [boxen, routing, k](const ShowInfo& i) {
                for (std::size_t s = 0; s < 4; ++s) boxen[s]->setChecked(i.SpurZuordnung[k][s]);
                routing->setText(q(i.ProjektorRouting[k]));
            },
            [boxen, routing, k](ShowInfo& i) {
                for (std::size_t s = 0; s < 4; ++s) i.SpurZuordnung[k][s] = boxen[s]->isChecked();
                i.ProjektorRouting[k] = routing->text().toStdString();
            });
    }
    spalte->addLayout(raster);
    auto* f = new QFormLayout;
    auto* notizen = notizfeld("txtWeitereInfos_AusgabeRouting");
    zeile(f, notizen, tx::AusgabeRouting,
          [this](std::function<void(const Sprachtexte&)> g) { beschriftenMit(std::move(g)); });
    bindung([notizen](const ShowInfo& i) { notizen->setPlainText(alsZeilen(i.AusgabeRouting)); },
            [notizen](ShowInfo& i) { i.AusgabeRouting = alsText(notizen->toPlainText()); });
    spalte->addLayout(f, 1);
    return seite;
}

QWidget* ShowInfofenster::dmxBauen() {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    auto* gruppe = new QGroupBox;
    gruppe->setObjectName("fraDMXVerwendung");
    auto* gruppenZeile = new QHBoxLayout(gruppe);
    auto* optionen = new QButtonGroup(gruppe);
    const text::Beschriftung* texte[3] = {&tx::DmxKeins, &tx::DmxEingang, &tx::DmxAusgang};
    for (int n = 0; n < 3; ++n) {
        auto* b = new QRadioButton;
        b->setObjectName(QString("optDMXVerwendung(%1)").arg(n));
        optionen->addButton(b, n);
        gruppenZeile->addWidget(b);
        beschriftenMit([b, t = texte[n]](const Sprachtexte& s) {
            b->setText(teil(s, *t, 0));
            b->setToolTip(teil(s, *t, 1));
        });
    }
    gruppenZeile->addStretch(1);
    beschriftenMit([gruppe](const Sprachtexte& s) {
        gruppe->setTitle(teil(s, tx::DmxVerwendung, 0));
        gruppe->setToolTip(teil(s, tx::DmxVerwendung, 1));
    });
    spalte->addWidget(gruppe);
    bindung([optionen](const ShowInfo& i) { waehlen(optionen, i.DMXVerwendung); },
            [this, optionen](ShowInfo& i) {
                i.DMXVerwendung =
                    static_cast<std::int16_t>(gewaehlt(optionen, angezeigt_.DMXVerwendung));
            });

    auto* f = new QFormLayout;
    auto beschriften = [this](std::function<void(const Sprachtexte&)> g) {
        beschriftenMit(std::move(g));
    };
    auto* geraete = notizfeld("txtVerwendeteDMXGeraete");
    zeile(f, geraete, tx::DmxGeraete, beschriften);
    bindung(
        [geraete](const ShowInfo& i) { geraete->setPlainText(alsZeilen(i.VerwendeteDMXGeraete)); },
        [geraete](ShowInfo& i) { i.VerwendeteDMXGeraete = alsText(geraete->toPlainText()); });
    auto* sonstige = notizfeld("txtDMXSonstigeInfos");
    zeile(f, sonstige, tx::DmxSonstige, beschriften);
    bindung(
        [sonstige](const ShowInfo& i) { sonstige->setPlainText(alsZeilen(i.DMXSonstigeInfos)); },
        [sonstige](ShowInfo& i) { i.DMXSonstigeInfos = alsText(sonstige->toPlainText()); });
    spalte->addLayout(f, 1);
    return seite;
}

QWidget* ShowInfofenster::sonstigesBauen() {
    auto* feld = notizfeld("txtSonstigeInfos");
    beschriftenMit(
        [feld](const Sprachtexte& t) { feld->setToolTip(teil(t, tx::ReiterSonstiges, 1)); });
    bindung([feld](const ShowInfo& i) { feld->setPlainText(alsZeilen(i.SonstigeInfos)); },
            [feld](ShowInfo& i) { i.SonstigeInfos = alsText(feld->toPlainText()); });
    return feld;
}

QWidget* ShowInfofenster::textBauen() {
    auto* feld = new QPlainTextEdit;
    feld->setObjectName("txtInfo");
    feld->setReadOnly(true);
    beschriftenMit([feld](const Sprachtexte& t) { feld->setToolTip(teil(t, tx::ReiterText, 1)); });
    // The free text belongs to the show folder, not to the record: shown, never read back.
    bindung([this, feld](const ShowInfo&) { feld->setPlainText(alsZeilen(s_.show.show.infoText)); },
            [](ShowInfo&) {});
    return feld;
}

QWidget* ShowInfofenster::knoepfeBauen() {
    auto* leiste = new QWidget;
    auto* zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(0, 0, 0, 0);
    struct Knopf {
        const char* name;
        const text::Beschriftung& text;
        const char* symbol;
        void (ShowInfofenster::*aktion)();
    };
    const Knopf knoepfe[] = {
        {"cmd_bernehmen", tx::Uebernehmen, "speichern", &ShowInfofenster::uebernehmen},
        {"cmdAlsStandardSpeichern", tx::AlsStandard, "speichern-unter",
         &ShowInfofenster::alsStandardSpeichern},
        {"cmdStandardLaden", tx::StandardLaden, "neu-laden", &ShowInfofenster::standardLaden},
    };
    for (const auto& k : knoepfe) {
        auto* b = new QPushButton;
        b->setObjectName(k.name);
        symbolSetzen(b, k.symbol);
        zeile->addWidget(b);
        beschriftenMit([b, &t = k.text](const Sprachtexte& s) {
            b->setText(teil(s, t, 0));
            b->setToolTip(teil(s, t, 1));
        });
        connect(b, &QPushButton::clicked, this, [this, a = k.aktion] { (this->*a)(); });
    }
    zeile->addStretch(1);
    auto* schliessen = new QPushButton;
    schliessen->setObjectName("cmdSchliessen");
    symbolSetzen(schliessen, "beenden");
    zeile->addWidget(schliessen);
    beschriftenMit([schliessen](const Sprachtexte& s) {
        schliessen->setText(teil(s, tx::Schliessen, 0));
        schliessen->setToolTip(teil(s, tx::Schliessen, 1));
    });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);
    return leiste;
}

void ShowInfofenster::anzeigen() {
    angezeigt_ = s_.show.show.info;
    for (const auto& z : zeiger_) z(angezeigt_);
    titelSetzen();
    veraltet_ = false;
}

ShowInfo ShowInfofenster::auslesen() const {
    ShowInfo i = angezeigt_;
    for (const auto& l : leser_) l(i);
    return i;
}

void ShowInfofenster::nachShowLaden() {
    auto& z = s_.show.show;
    reiter_->setCurrentIndex(std::clamp(z.showInfoSeite, 0, kSeiten - 1));
    if (isVisible())
        anzeigen();
    else
        veraltet_ = true;
    if (!z.showInfoZeigen) return;
    z.showInfoZeigen = false;
    fensterZeigen(this);
    if (auto* w = reiter_->currentWidget()) w->setFocus();
}

void ShowInfofenster::showEvent(QShowEvent* e) {
    if (veraltet_ || s_.show.show.info != angezeigt_) anzeigen();
    Werkzeugfenster::showEvent(e);
}

void ShowInfofenster::uebernehmen() {
    cmd_bernehmen_Click(s_.show, auslesen());
    anzeigen();
}

void ShowInfofenster::alsStandardSpeichern() {
    s_.show.show.info = auslesen();
    angezeigt_ = s_.show.show.info;
    cmdAlsStandardSpeichern_Click(s_.show);
}

void ShowInfofenster::standardLaden() {
    if (cmdStandardLaden_Click(s_.show)) anzeigen();
}

bool ShowInfofenster::bildLaden(const QString& datei) {
    auto text = bilddateiKodieren(datei);
    if (!text) {
        p_.env.dialoge.meldung(beschriftung(p_.texte, tx::BildFehler).arg(datei).toStdString());
        return false;
    }
    bildText_ = std::move(*text);
    bildflaeche_->setzen(bildDekodieren(bildText_));
    return true;
}

QImage ShowInfofenster::bild() const {
    return bildflaeche_->bild;
}

} // namespace sw::ui
