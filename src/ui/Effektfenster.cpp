#include "ui/Effektfenster.h"

#include "output/Effektzeilen.h"
#include "ui/Beschriften.h"
#include "ui/EffektTexte.h"
#include "ui/Fensterlage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace sw::ui {

using Beschriftung = text::Beschriftung;

namespace {

namespace et = effekttext;

const Beschriftung* const kNamen[kEffektParameter] = {
    &et::Groesse,      &et::Drehung,  &et::DehnungX,     &et::DehnungY,     &et::Rot,
    &et::Gruen,        &et::Blau,     &et::DehnZentrumX, &et::DehnZentrumY, &et::DrehZentrumX,
    &et::DrehZentrumY, &et::VersatzX, &et::VersatzY,     &et::KeinEffekt,   &et::DrehungX,
    &et::DrehungY,     &et::DrehungZ, &et::KeinEffekt,   &et::KeinEffekt,   &et::KeinEffekt,
    &et::KeinEffekt};

const Beschriftung* einheitVon(EffektArt art) {
    switch (art) {
    case EffektArt::Groesse:
        return &et::EinheitGroesse;
    case EffektArt::Winkel:
        return &et::EinheitGrad;
    case EffektArt::Stauchung:
        return &et::EinheitDehnung;
    case EffektArt::Pegel:
        return &et::EinheitPegel;
    case EffektArt::Zentrum:
    case EffektArt::Versatz:
        return &et::EinheitBild;
    case EffektArt::Keine:
        break;
    }
    return nullptr;
}

QString zeichen(EffektArt art) {
    return art == EffektArt::Winkel ? QStringLiteral("°") : QStringLiteral("%");
}

// Whole numbers without decimals, others with one.
QString zahl(double v) {
    double gerundet = std::round(v * 10) / 10;
    if (gerundet == 0) gerundet = 0; // no "-0"
    return QString::number(gerundet, 'f', gerundet == std::round(gerundet) ? 0 : 1);
}

QScrollBar* regler(QWidget* eltern, const QString& name, int min, int max, int seite) {
    auto* s = new QScrollBar(Qt::Horizontal, eltern);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setPageStep(seite);
    s->setMinimumWidth(130);
    return s;
}

constexpr int kFigurBegrenzung = 164, kFigurHaelfte = 167;

} // namespace

Effektfenster::Effektfenster(Programm& p, QWidget* eltern) : QWidget(eltern, Qt::Window), p_(p) {
    setObjectName("frmEffekts");
    auto* haupt = new QVBoxLayout(this);

    auto* oben = new QHBoxLayout;
    lblSpur_ = new QLabel(this);
    cboSpur_ = new QComboBox(this);
    cboSpur_->setObjectName("cboSpur");
    lblSpur_->setBuddy(cboSpur_);
    oben->addWidget(lblSpur_);
    oben->addWidget(cboSpur_);
    oben->addStretch(1);
    haupt->addLayout(oben);

    auto* rollen = new QScrollArea(this);
    rollen->setObjectName("effektTabelle");
    rollen->setWidgetResizable(true);
    rollen->setWidget(tabelleBauen());
    haupt->addWidget(rollen, 1);

    auto* unten = new QHBoxLayout;
    unten->addWidget(figurBauen());
    unten->addWidget(kopierenBauen(), 1);
    haupt->addLayout(unten);

    connect(cboSpur_, &QComboBox::currentIndexChanged, this, [this] {
        spur_ = cboSpur_->currentData().toInt();
        anzeigen();
    });

    takt_ = new QTimer(this);
    takt_->setInterval(200);
    connect(takt_, &QTimer::timeout, this, [this] {
        werteZeigen();
        figurZeigen();
    });

    beschriften();
    anzeigen();
    fensterlageLaden(*this, p_, 1180, 720);
}

QWidget* Effektfenster::tabelleBauen() {
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(2);
    const int spalten[10] = {0, 1, 2, 4, 5, 6, 8, 9, 10, 11};
    const int breiten[10] = {1, 1, 2, 1, 1, 2, 1, 1, 1, 1};
    for (int k = 0; k < 10; ++k) {
        kopf_[static_cast<std::size_t>(k)] = new QLabel(w);
        QFont f = kopf_[static_cast<std::size_t>(k)]->font();
        f.setBold(true);
        kopf_[static_cast<std::size_t>(k)]->setFont(f);
        g->addWidget(kopf_[static_cast<std::size_t>(k)], 0, spalten[k], 1, breiten[k],
                     k >= 3 && k != 5 ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    for (int i = 0; i < kEffektParameter; ++i) {
        auto& z = zeilen_[static_cast<std::size_t>(i)];
        const EffektZeile art = effektZeile(i);
        const QString n = QString("(%1)").arg(i);
        const int r = i + 1;
        z.name = new QLabel(w);
        z.einheit = new QLabel(w);
        z.startwert = regler(w, "scrStartEffektWert" + n, art.anzeigeMin, art.anzeigeMax,
                             art.art == EffektArt::Winkel ? 45 : 10);
        z.wert = new QLabel(w);
        z.wert->setObjectName("lblEffektWert" + n);
        z.wert->setMinimumWidth(56);
        z.wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        z.absolut = new QCheckBox(w);
        z.absolut->setObjectName("checkAbsolute" + n);
        z.gleiten = new QCheckBox(w);
        z.gleiten->setObjectName("checkAuto" + n);
        z.tempo = regler(w, "scrAuto" + n, art.autoMin, art.autoMax, 10);
        z.tempoText = new QLabel(w);
        z.tempoText->setObjectName("lblAuto" + n);
        z.tempoText->setMinimumWidth(80);
        z.prallen = new QCheckBox(w);
        z.prallen->setObjectName("checkFlipFlop" + n);
        z.min = new QLineEdit(w);
        z.min->setObjectName("txtEffektGrenzeMin" + n);
        z.max = new QLineEdit(w);
        z.max->setObjectName("txtEffektGrenzeMax" + n);
        for (QLineEdit* t : {z.min, z.max}) {
            t->setMaximumWidth(64);
            t->setAlignment(Qt::AlignRight);
        }
        z.kopieren = new QCheckBox(w);
        z.kopieren->setObjectName("checkKopieren" + n);

        g->addWidget(z.name, r, 0);
        g->addWidget(z.einheit, r, 1);
        g->addWidget(z.startwert, r, 2);
        g->addWidget(z.wert, r, 3);
        g->addWidget(z.absolut, r, 4, Qt::AlignHCenter);
        g->addWidget(z.gleiten, r, 5, Qt::AlignHCenter);
        g->addWidget(z.tempo, r, 6);
        g->addWidget(z.tempoText, r, 7);
        g->addWidget(z.prallen, r, 8, Qt::AlignHCenter);
        g->addWidget(z.min, r, 9);
        g->addWidget(z.max, r, 10);
        g->addWidget(z.kopieren, r, 11, Qt::AlignHCenter);

        if (art.art == EffektArt::Keine) {
            for (QWidget* x : std::initializer_list<QWidget*>{
                     z.einheit, z.startwert, z.wert, z.absolut, z.gleiten, z.tempo, z.tempoText,
                     z.prallen, z.min, z.max, z.kopieren})
                x->setEnabled(false);
            continue;
        }
        connect(z.startwert, &QScrollBar::valueChanged, this, [this, i](int v) {
            auto& z = zeilen_[static_cast<std::size_t>(i)];
            if (!laedt_)
                startwertSetzen(effekte(), spur_, i, v, z.letzterStart, z.absolut->isChecked());
            z.letzterStart = v;
            werteZeigen();
        });
        connect(z.absolut, &QCheckBox::toggled, this, [this, i](bool an) {
            if (!laedt_) effekte().checkAbsolute[static_cast<std::size_t>(i)] = an;
        });
        connect(z.gleiten, &QCheckBox::toggled, this, [this, i](bool an) {
            if (laedt_) return;
            for (int t : effektSpuren(effekte(), spur_))
                effekte().AutoModus[t][static_cast<std::size_t>(i)] = an ? 1 : 0;
            werteZeigen();
        });
        connect(z.tempo, &QScrollBar::valueChanged, this, [this, i](int v) {
            if (laedt_) return;
            for (int t : effektSpuren(effekte(), spur_))
                effekte().AutoWert[t][static_cast<std::size_t>(i)] = v;
            werteZeigen();
        });
        connect(z.prallen, &QCheckBox::toggled, this, [this, i](bool an) {
            if (laedt_) return;
            for (int t : effektSpuren(effekte(), spur_))
                effekte().FlipFlop[t][static_cast<std::size_t>(i)] = an ? 1 : 0;
        });
        connect(z.min, &QLineEdit::editingFinished, this,
                [this, i] { grenzeUebernehmen(i, false); });
        connect(z.max, &QLineEdit::editingFinished, this,
                [this, i] { grenzeUebernehmen(i, true); });
    }
    g->setColumnStretch(2, 1);
    g->setColumnStretch(6, 1);
    g->setRowStretch(kEffektParameter + 1, 1);
    return w;
}

QWidget* Effektfenster::figurBauen() {
    auto* gruppe = new QGroupBox(this);
    gruppe->setObjectName("fraFigur");
    figurGruppe_ = gruppe;
    auto* g = new QGridLayout(gruppe);
    checkBegrenzung_ = new QCheckBox(gruppe);
    checkBegrenzung_->setObjectName("checkBegrenzung");
    checkOptimireEchtzeit_ = new QCheckBox(gruppe);
    checkOptimireEchtzeit_->setObjectName("checkOptimireEchtzeit");
    checkSoftColor_ = new QCheckBox(gruppe);
    checkSoftColor_->setObjectName("checkSoftColor");
    g->addWidget(checkBegrenzung_, 0, 0);
    g->addWidget(checkOptimireEchtzeit_, 0, 1);
    g->addWidget(checkSoftColor_, 0, 2);

    lblPerspektive_ = new QLabel(gruppe);
    scrPerspektive_ = regler(gruppe, "scrPerspektive", 20, 2000, 50);
    lblPerspektive_->setBuddy(scrPerspektive_);
    lblPerspektiveWert_ = new QLabel(gruppe);
    lblPerspektiveWert_->setObjectName("lblPerspektive");
    lblPerspektiveWert_->setMinimumWidth(70);
    auto* perspektive = new QHBoxLayout;
    perspektive->addWidget(scrPerspektive_, 1);
    perspektive->addWidget(lblPerspektiveWert_);
    g->addWidget(lblPerspektive_, 1, 0);
    g->addLayout(perspektive, 1, 1, 1, 2);

    lblHaelfte_ = new QLabel(gruppe);
    auto* haelften = new QHBoxLayout;
    auto* gruppeHaelfte = new QButtonGroup(gruppe);
    for (int k = 0; k < 5; ++k) {
        auto* b = new QRadioButton(gruppe);
        b->setObjectName(QString("optDunkleHaelfte(%1)").arg(k));
        optDunkleHaelfte_[static_cast<std::size_t>(k)] = b;
        gruppeHaelfte->addButton(b, k);
        haelften->addWidget(b);
    }
    haelften->addStretch(1);
    lblHaelfte_->setBuddy(optDunkleHaelfte_[0]);
    g->addWidget(lblHaelfte_, 2, 0);
    g->addLayout(haelften, 2, 1, 1, 2);

    connect(checkBegrenzung_, &QCheckBox::toggled, this, [this](bool an) {
        if (laedt_) return;
        effekte().checkBegrenzung = an;
        figurSetzen(kFigurBegrenzung, an ? 1 : 0);
    });
    connect(checkOptimireEchtzeit_, &QCheckBox::toggled, this, [this](bool an) {
        if (laedt_) return;
        effekte().checkOptimireEchtzeit = an;
        figurSetzen(parameter::Echtzeitoptimierung, an ? 1 : 0);
    });
    connect(checkSoftColor_, &QCheckBox::toggled, this, [this](bool an) {
        if (!laedt_) figurSetzen(parameter::SoftColor, an ? 1 : 0);
    });
    connect(scrPerspektive_, &QScrollBar::valueChanged, this, [this](int v) {
        lblPerspektiveWert_->setText(QString::number(v * 1000));
        if (laedt_) return;
        figurSetzen(parameter::Perspektive, v * 1000.0);
        for (int t : effektSpuren(effekte(), spur_))
            if (t >= 0 && t < kSpurZahl)
                p_.ausgabe->Perspektivabstand[static_cast<std::size_t>(t)] = v * 1000.0;
    });
    connect(gruppeHaelfte, &QButtonGroup::idToggled, this, [this](int k, bool an) {
        if (an && !laedt_) figurSetzen(kFigurHaelfte, k);
    });
    return gruppe;
}

QWidget* Effektfenster::kopierenBauen() {
    auto* gruppe = new QGroupBox(this);
    gruppe->setObjectName("fraKopieren");
    kopierGruppe_ = gruppe;
    auto* g = new QGridLayout(gruppe);
    lblVonSpur_ = new QLabel(gruppe);
    cboKopierQuelle_ = new QComboBox(gruppe);
    cboKopierQuelle_->setObjectName("cboKopierQuelle");
    lblVonSpur_->setBuddy(cboKopierQuelle_);
    g->addWidget(lblVonSpur_, 0, 0);
    g->addWidget(cboKopierQuelle_, 0, 1, 1, 6);
    lblAufSpuren_ = new QLabel(gruppe);
    g->addWidget(lblAufSpuren_, 1, 0, 2, 1, Qt::AlignTop);
    for (int t = 0; t < kSpurZahl; ++t) {
        auto* c = new QCheckBox(QString::number(t), gruppe);
        c->setObjectName(QString("checkKopierZiel(%1)").arg(t));
        checkKopierZiel_[static_cast<std::size_t>(t)] = c;
        g->addWidget(c, 1 + t / 6, 1 + t % 6);
    }
    auto* knopf = new QPushButton(gruppe);
    knopf->setObjectName("cmdKopieren");
    cmdKopieren_ = knopf;
    g->addWidget(knopf, 3, 1, 1, 6, Qt::AlignRight);
    connect(knopf, &QPushButton::clicked, this, [this] {
        std::vector<int> ziele, parameter;
        for (int t = 0; t < kSpurZahl; ++t)
            if (checkKopierZiel_[static_cast<std::size_t>(t)]->isChecked()) ziele.push_back(t);
        for (int i = 0; i < kEffektParameter; ++i)
            if (zeilen_[static_cast<std::size_t>(i)].kopieren->isChecked()) parameter.push_back(i);
        effekteKopieren(effekte(), cboKopierQuelle_->currentIndex(), ziele, parameter);
        anzeigen();
    });
    return gruppe;
}

void Effektfenster::beschriften() {
    const Sprachtexte& t = p_.texte;
    auto tx = [&t](const Beschriftung& b) { return beschriftung(t, b); };
    setWindowTitle("Strahlwerk – " + tx(et::EffekteTitel));
    lblSpur_->setText(tx(et::Spur));
    cboSpur_->setToolTip(tx(et::SpurHilfe));
    {
        laedt_ = true;
        const int gewaehlt = std::max(0, cboSpur_->currentIndex());
        cboSpur_->clear();
        cboSpur_->addItem(tx(et::AlleSpuren), kAlleSpuren);
        cboKopierQuelle_->clear();
        for (int s = 0; s < kSpurZahl; ++s) {
            const QString name = tx(et::SpurN).arg(s).arg(QChar('A' + s / 3));
            cboSpur_->addItem(name, s);
            cboKopierQuelle_->addItem(name, s);
        }
        cboSpur_->setCurrentIndex(gewaehlt);
        laedt_ = false;
    }
    const Beschriftung* koepfe[10] = {&et::Effekt,  &et::Einheit,   &et::Startwert, &et::Absolut,
                                      &et::Gleiten, &et::TempoZiel, &et::Prallen,   &et::Min,
                                      &et::Max,     &et::Kopieren};
    const Beschriftung* hilfen[10] = {nullptr,           nullptr,           &et::StartwertHilfe,
                                      &et::AbsolutHilfe, &et::GleitenHilfe, &et::TempoZielHilfe,
                                      &et::PrallenHilfe, &et::MinHilfe,     &et::MaxHilfe,
                                      &et::KopierenHilfe};
    for (std::size_t k = 0; k < 10; ++k) {
        kopf_[k]->setText(tx(*koepfe[k]));
        if (hilfen[k]) kopf_[k]->setToolTip(tx(*hilfen[k]));
    }
    for (int i = 0; i < kEffektParameter; ++i) {
        auto& z = zeilen_[static_cast<std::size_t>(i)];
        z.name->setText(QString("%1  %2").arg(i).arg(tx(*kNamen[i])));
        const Beschriftung* einheit = einheitVon(effektZeile(i).art);
        z.einheit->setText(einheit ? tx(*einheit) : QStringLiteral("—"));
        z.name->setToolTip(z.name->text());
        z.einheit->setToolTip(z.einheit->text());
        z.startwert->setToolTip(tx(et::StartwertHilfe));
        z.wert->setToolTip(tx(et::StartwertHilfe));
        z.absolut->setToolTip(tx(et::AbsolutHilfe));
        z.gleiten->setToolTip(tx(et::GleitenHilfe));
        z.tempo->setToolTip(tx(et::TempoZielHilfe));
        z.tempoText->setToolTip(tx(et::TempoZielHilfe));
        z.prallen->setToolTip(tx(et::PrallenHilfe));
        z.min->setToolTip(tx(et::MinHilfe));
        z.max->setToolTip(tx(et::MaxHilfe));
        z.kopieren->setToolTip(tx(et::KopierenHilfe));
    }
    static_cast<QGroupBox*>(figurGruppe_)->setTitle(tx(et::FigurGruppe));
    checkBegrenzung_->setText(tx(et::Begrenzung));
    checkBegrenzung_->setToolTip(tx(et::BegrenzungHilfe));
    checkOptimireEchtzeit_->setText(tx(et::Echtzeit));
    checkOptimireEchtzeit_->setToolTip(tx(et::EchtzeitHilfe));
    checkSoftColor_->setText(tx(et::SoftColor));
    checkSoftColor_->setToolTip(tx(et::SoftColorHilfe));
    lblPerspektive_->setText(tx(et::Perspektive));
    scrPerspektive_->setToolTip(tx(et::PerspektiveHilfe));
    lblPerspektiveWert_->setToolTip(tx(et::PerspektiveHilfe));
    lblHaelfte_->setText(tx(et::Haelfte));
    const Beschriftung* haelften[5] = {&et::HaelfteKeine, &et::HaelfteOben, &et::HaelfteUnten,
                                       &et::HaelfteLinks, &et::HaelfteRechts};
    for (std::size_t k = 0; k < 5; ++k) {
        optDunkleHaelfte_[k]->setText(tx(*haelften[k]));
        optDunkleHaelfte_[k]->setToolTip(tx(et::HaelfteHilfe));
    }
    static_cast<QGroupBox*>(kopierGruppe_)->setTitle(tx(et::KopierGruppe));
    lblVonSpur_->setText(tx(et::VonSpur));
    cboKopierQuelle_->setToolTip(tx(et::KopierenKnopfHilfe));
    lblAufSpuren_->setText(tx(et::AufSpuren));
    for (QCheckBox* c : checkKopierZiel_) c->setToolTip(tx(et::ZielHilfe));
    static_cast<QPushButton*>(cmdKopieren_)->setText(tx(et::KopierenKnopf));
    cmdKopieren_->setToolTip(tx(et::KopierenKnopfHilfe));
    werteZeigen();
}

int Effektfenster::gezeigteSpur() const {
    return spur_ == kAlleSpuren ? 0 : spur_;
}

long Effektfenster::editorFigur() const {
    return p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
}

void Effektfenster::anzeigen() {
    laedt_ = true;
    Effekte& e = effekte();
    const int t = gezeigteSpur();
    for (int i = 0; i < kEffektParameter; ++i) {
        auto& z = zeilen_[static_cast<std::size_t>(i)];
        const auto p = static_cast<std::size_t>(i);
        z.letzterStart = static_cast<int>(std::lround(anzeigeWert(i, e.EffektWerte[t][p])));
        z.startwert->setValue(z.letzterStart);
        z.letzterStart = z.startwert->value();
        z.absolut->setChecked(e.checkAbsolute[p]);
        z.gleiten->setChecked(e.AutoModus[t][p] == 1);
        z.tempo->setValue(static_cast<int>(std::lround(e.AutoWert[t][p])));
        z.prallen->setChecked(e.FlipFlop[t][p] != 0);
        z.min->setText(zahl(anzeigeWert(i, e.GrenzeMin[t][p])));
        z.max->setText(zahl(anzeigeWert(i, e.GrenzeMax[t][p])));
    }
    laedt_ = false;
    werteZeigen();
    figurZeigen();
}

void Effektfenster::werteZeigen() {
    const Effekte& e = p_.ausgabe->Effekt;
    const int t = gezeigteSpur();
    for (int i = 0; i < kEffektParameter; ++i) {
        auto& z = zeilen_[static_cast<std::size_t>(i)];
        const EffektArt art = effektZeile(i).art;
        if (art == EffektArt::Keine) continue;
        const auto p = static_cast<std::size_t>(i);
        z.wert->setText(zahl(anzeigeWert(i, e.EffektWerte[t][p])) + " " + zeichen(art));
        const double a = autoAnzeige(e, t, i);
        z.tempoText->setText(e.AutoModus[t][p] == 1
                                 ? QStringLiteral("→ ") + zahl(a) + " " + zeichen(art)
                                 : zahl(a) + " " + zeichen(art) + "/s");
    }
}

void Effektfenster::figurZeigen() {
    const long f = editorFigur();
    const bool da = p_.figuren.Figuren.enthaelt(f);
    figurGruppe_->setEnabled(da);
    if (!da) return;
    const auto& par = p_.figuren.Figuren[f].Parameter;
    laedt_ = true;
    checkBegrenzung_->setChecked(par[kFigurBegrenzung] != 0);
    checkOptimireEchtzeit_->setChecked(par[parameter::Echtzeitoptimierung] != 0);
    checkSoftColor_->setChecked(par[parameter::SoftColor] != 0);
    const double abstand =
        par[parameter::Perspektive] < 1000 ? 654000 : par[parameter::Perspektive];
    scrPerspektive_->setValue(static_cast<int>(std::lround(abstand / 1000)));
    lblPerspektiveWert_->setText(QString::number(std::lround(abstand)));
    const int haelfte = static_cast<int>(par[kFigurHaelfte]);
    if (haelfte >= 0 && haelfte <= 4)
        optDunkleHaelfte_[static_cast<std::size_t>(haelfte)]->setChecked(true);
    laedt_ = false;
}

void Effektfenster::figurSetzen(int index, double wert) {
    const long f = editorFigur();
    if (!p_.figuren.Figuren.enthaelt(f)) return;
    double& ziel = p_.figuren.Figuren[f].Parameter[static_cast<std::size_t>(index)];
    if (ziel == wert) return;
    ziel = wert;
    alsGeaendertMarkieren(p_.figuren, f);
    if (figurGeaendert) figurGeaendert();
}

void Effektfenster::grenzeUebernehmen(int i, bool oben) {
    auto& z = zeilen_[static_cast<std::size_t>(i)];
    QLineEdit* feld = oben ? z.max : z.min;
    bool ok = false;
    const double anzeige = feld->text().trimmed().replace(',', '.').toDouble(&ok);
    Effekte& e = effekte();
    const auto p = static_cast<std::size_t>(i);
    if (ok)
        for (int t : effektSpuren(e, spur_))
            (oben ? e.GrenzeMax : e.GrenzeMin)[t][p] = tabellenWert(i, anzeige);
    const int t = gezeigteSpur();
    feld->setText(zahl(anzeigeWert(i, (oben ? e.GrenzeMax : e.GrenzeMin)[t][p])));
}

void Effektfenster::speichern() {
    effekteSpeichern(p_.ausgabe->Effekt, p_.einstellungen);
    fensterlageSpeichern(*this, p_);
}

void Effektfenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    anzeigen();
    takt_->start();
}

void Effektfenster::closeEvent(QCloseEvent* e) {
    takt_->stop();
    speichern();
    e->accept();
}

} // namespace sw::ui
