#include "ui/Ausgabefenster.h"

#include "core/Ansicht.h"
#include "simulation/SimAnzeige.h"
#include "simulation/SimFeld.h"
#include "ui/Beschriften.h"
#include "ui/SimAnsicht.h"
#include "ui/SimulationTexte.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace sw::ui {

namespace {

QScrollBar* schieber(const char* name, int von, int bis) {
    auto* s = new QScrollBar(Qt::Horizontal);
    s->setObjectName(name);
    s->setRange(von, bis);
    s->setMinimumWidth(110);
    return s;
}

} // namespace

Ausgabefenster::Ausgabefenster(Programm& p, QWidget* eltern) : QWidget(eltern, Qt::Window), p_(p) {
    setObjectName("frmAusgabe");
    simAnzeigeLaden(anzeige_, p_.einstellungen);
    ansicht_ = new SimAnsicht(geometrie_, anzeige_);
    ansicht_->openGLFehlgeschlagen = [this](const QString& grund) { ohneOpenGL(grund); };
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(ansicht_, 1);
    l->addWidget(bedienungBauen());
    steuerungAnzeigen();
    beschriften();
    resize(640, 440);
}

Ausgabefenster::~Ausgabefenster() = default;

QWidget* Ausgabefenster::bedienungBauen() {
    auto* seite = new QWidget;
    seite->setObjectName("fraSimulation");
    auto* g = new QGridLayout(seite);
    int zeile = 0;
    optOpenGL_ = new QButtonGroup(this);
    auto* rendererZeile = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton;
        b->setObjectName(QStringLiteral("optOpenGL(%1)").arg(i));
        optOpenGL_->addButton(b, i);
        rendererZeile->addWidget(b);
    }
    g->addLayout(rendererZeile, zeile++, 0, 1, 2);
    beam_ = new QCheckBox;
    beam_->setObjectName("OptBeam_Graphic(0)");
    grafik_ = new QCheckBox;
    grafik_->setObjectName("OptBeam_Graphic(1)");
    g->addWidget(beam_, zeile, 0);
    g->addWidget(grafik_, zeile++, 1);

    const char* namen[4] = {"scrTransparenz", "scrTransparenzBeam", "scrTransparenzLeinwand",
                            "scrTransparenzNebel"};
    for (int i = 0; i < 4; ++i) {
        trans_[i] = schieber(namen[i], 0, 100);
        beschriftungen_[i] = new QLabel;
        g->addWidget(beschriftungen_[i], zeile, 0);
        g->addWidget(trans_[i], zeile++, 1);
    }
    groesse_ = schieber("scrSimGroesse", 500, 32000);
    groesse_->setSingleStep(100);
    groesse_->setPageStep(1000);
    beschriftungen_[4] = new QLabel;
    g->addWidget(beschriftungen_[4], zeile, 0);
    g->addWidget(groesse_, zeile++, 1);
    beschriftungen_[5] = new QLabel;
    g->addWidget(beschriftungen_[5], zeile++, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        rotation_[i] = schieber("", -180, 180);
        rotation_[i]->setObjectName(QStringLiteral("scrRotation(%1)").arg(i));
        rotation_[i]->setPageStep(15);
        g->addWidget(rotation_[i], zeile++, 0, 1, 2);
    }
    g->setRowStretch(zeile, 1);

    connect(optOpenGL_, &QButtonGroup::idClicked, this, &Ausgabefenster::rendererWaehlen);
    connect(beam_, &QCheckBox::toggled, this, [this](bool an) {
        anzeige_.Sim_Beam = an;
        geaendert();
    });
    connect(grafik_, &QCheckBox::toggled, this, [this](bool an) {
        anzeige_.Sim_Grafik = an;
        geaendert();
    });
    float* alphas[4] = {&anzeige_.OpenGL_Trans, &anzeige_.OpenGl_Beam, &anzeige_.OpenGl_Leinwand,
                        &anzeige_.OpenGl_Nebel};
    for (int i = 0; i < 4; ++i)
        connect(trans_[i], &QScrollBar::valueChanged, this, [this, a = alphas[i]](int v) {
            *a = static_cast<float>(v) / 100;
            geaendert();
        });
    connect(groesse_, &QScrollBar::valueChanged, this, [this](int v) {
        anzeige_.SimGroesse = static_cast<std::int16_t>(v);
        geaendert();
    });
    for (int i = 0; i < 3; ++i)
        connect(rotation_[i], &QScrollBar::valueChanged, this, [this, i](int v) {
            anzeige_.Rotation[static_cast<std::size_t>(i)] = static_cast<float>(v);
            geaendert();
        });
    return seite;
}

// The controls show the settings held, without acting on them.
void Ausgabefenster::steuerungAnzeigen() {
    const QSignalBlocker b0(beam_), b1(grafik_), b2(groesse_);
    optOpenGL_->button(anzeige_.OpenGL_Simulation ? 0 : 1)->setChecked(true);
    beam_->setChecked(anzeige_.Sim_Beam);
    grafik_->setChecked(anzeige_.Sim_Grafik);
    const float alphas[4] = {anzeige_.OpenGL_Trans, anzeige_.OpenGl_Beam, anzeige_.OpenGl_Leinwand,
                             anzeige_.OpenGl_Nebel};
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker b(trans_[i]);
        trans_[i]->setValue(static_cast<int>(std::lround(alphas[i] * 100)));
    }
    groesse_->setValue(anzeige_.SimGroesse);
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker b(rotation_[i]);
        // Whole turns fold into -180..180.
        const double w = std::remainder(anzeige_.Rotation[static_cast<std::size_t>(i)], 360.0);
        rotation_[i]->setValue(static_cast<int>(std::lround(w)));
    }
}

void Ausgabefenster::beschriften() {
    const Sprachtexte& t = p_.texte;
    optOpenGL_->button(0)->setText(beschriftung(t, text::sim::OpenGL));
    optOpenGL_->button(1)->setText(beschriftung(t, text::sim::Flach));
    for (int i = 0; i < 2; ++i)
        optOpenGL_->button(i)->setToolTip(beschriftung(t, text::sim::RendererHilfe));
    beam_->setText(beschriftung(t, text::sim::Strahlen));
    grafik_->setText(beschriftung(t, text::sim::Grafik));
    const text::Beschriftung* namen[6] = {
        &text::sim::Transparenz,      &text::sim::TransparenzBeam, &text::sim::TransparenzLeinwand,
        &text::sim::TransparenzNebel, &text::sim::Groesse,         &text::sim::Drehung};
    for (int i = 0; i < 6; ++i) beschriftungen_[i]->setText(beschriftung(t, *namen[i]));
    if (vorschauTitel_) vorschauTitel_->setText(beschriftung(t, text::sim::Vorschau));
}

QRect Ausgabefenster::nebenPlatz(const QRect& haupt, const QSize& groesse,
                                 const QRect& verfuegbar) {
    QRect r(QPoint(haupt.right() + 1, haupt.top()), groesse);
    if (!verfuegbar.contains(r)) r.moveRight(haupt.left() - 1);
    if (!verfuegbar.contains(r)) r.moveTopRight(haupt.topRight());
    // Within the screen even when it overlaps, and no larger than the screen.
    r.setSize(r.size().boundedTo(verfuegbar.size()));
    r.moveLeft(std::clamp(r.left(), verfuegbar.left(), verfuegbar.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), verfuegbar.top(), verfuegbar.bottom() + 1 - r.height()));
    return r;
}

void Ausgabefenster::nebenZeigen(const QWidget& haupt) {
    if (isVisible()) return;
    const QScreen* schirm = haupt.screen();
    auto platzieren = [&] {
        // The frame around the client area counts as part of each window.
        const QSize rand = frameGeometry().size() - geometry().size();
        const QRect r =
            nebenPlatz(haupt.frameGeometry(), size() + rand, schirm->availableGeometry());
        resize(r.size() - rand);
        move(r.topLeft());
    };
    if (schirm) platzieren();
    show();
    // The frame is known only once the window is shown.
    if (schirm && !schirm->availableGeometry().contains(frameGeometry())) platzieren();
}

void Ausgabefenster::zyklus() {
    auto& a = *p_.ausgabe;
    // The pipeline records for the next cycle while either view is shown.
    a.Vorschau = isVisible() || vorschauSichtbar();
    if (isVisible()) {
        simGeometrieBauen(a.SimPunktListe.data(), a.SimLetzterIndex, anzeige_, geometrie_);
        ansicht_->neuZeichnen();
    }
    if (vorschauSichtbar() && a.Wiedergabe) {
        simGeometrieBauen(a.SimPunktListe.data(), a.SimLetzterIndex, anzeige_, vorschauGeometrie_);
        vorschau_->neuZeichnen();
    }
}

bool Ausgabefenster::vorschauSichtbar() const {
    return vorschau_ && vorschau_->isVisible();
}

QWidget* Ausgabefenster::vorschauBauen() {
    if (vorschau_) return vorschau_->parentWidget();
    auto* rahmen = new QWidget;
    rahmen->setObjectName("fraStrahlvorschau");
    auto* l = new QVBoxLayout(rahmen);
    l->setContentsMargins(0, 6, 0, 0);
    vorschauTitel_ = new QLabel;
    l->addWidget(vorschauTitel_);
    vorschau_ = new SimAnsicht(vorschauGeometrie_, anzeige_);
    vorschau_->setObjectName("picStrahlvorschau");
    // It takes the height the column leaves, so the column need not scroll for it.
    vorschau_->setMinimumHeight(90);
    vorschau_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    l->addWidget(vorschau_, 1);
    // Flat where OpenGL is missing; the output window is the one that reports it.
    if (anzeige_.OpenGL_Simulation) vorschau_->openGLWaehlen(true);
    auto* takt = new QTimer(rahmen);
    takt->setObjectName("tmrStrahlvorschau");
    connect(takt, &QTimer::timeout, this, [this] {
        p_.ausgabe->Vorschau = isVisible() || vorschauSichtbar();
        if (vorschauSichtbar() && !p_.ausgabe->Wiedergabe) vorschauStehend();
    });
    takt->start(100);
    beschriften();
    return rahmen;
}

// The editor's frame: point i lands where the figure has it (output units, centre 32767), lit
// in its palette colour unless the way into it is dark, from device 0's projector.
void Ausgabefenster::vorschauStehend() {
    const auto& s = p_.figuren;
    const auto& auswahl = s.SpurAuswahl[s.EditorSpur];
    long letzter = kSimLeer;
    if (auswahl.Figur >= 0 && s.Figuren.enthaelt(auswahl.Figur) && auswahl.Frame >= 0 &&
        auswahl.Frame < static_cast<long>(s.Figuren[auswahl.Figur].Frames.size())) {
        const Figur& figur = s.Figuren[auswahl.Figur];
        const bool optimiert = figur.Parameter[parameter::Echtzeitoptimierung] != 0;
        const auto& punkte = figur.Frames[static_cast<std::size_t>(auswahl.Frame)].Punkte;
        const double px = p_.ausgabe->ProjektorVerschiebungX[0];
        const double py = p_.ausgabe->ProjektorVerschiebungY[0];
        for (std::size_t i = 1; i < punkte.size(); ++i) {
            const Punkt& pt = punkte[i];
            const RGB& c = p_.paletten.farbe(pt.Farbe);
            const bool dunkel = i < 2 || wegDunkel(pt, c, optimiert);
            SIM_Feld(editorListe_, letzter,
                     {pt.X + 32767.0, pt.Y + 32767.0, dunkel ? 0.0 : c.R, dunkel ? 0.0 : c.G,
                      dunkel ? 0.0 : c.B, px, py});
        }
    }
    simGeometrieBauen(editorListe_.data(), letzter, anzeige_, vorschauGeometrie_);
    vorschau_->neuZeichnen();
}

void Ausgabefenster::geaendert() {
    zyklus();
}

void Ausgabefenster::rendererWaehlen(int index) {
    if (umschalten_) return;
    umschalten_ = true;
    anzeige_.OpenGL_Simulation = index != 1;
    if (anzeige_.OpenGL_Simulation) {
        if (isMinimized()) showNormal();
        gemeldet_ = false; // chosen again: a failure is worth saying again
        if (isVisible()) openGLStarten();
    } else {
        ansicht_->openGLWaehlen(false);
    }
    if (vorschau_) vorschau_->openGLWaehlen(anzeige_.OpenGL_Simulation && ansicht_->openGL());
    umschalten_ = false;
    const QSignalBlocker b(optOpenGL_);
    optOpenGL_->button(anzeige_.OpenGL_Simulation ? 0 : 1)->setChecked(true);
    zyklus();
}

bool Ausgabefenster::openGLBereit() const {
    return ansicht_->openGL();
}

long Ausgabefenster::bilder() const {
    return ansicht_->bilder();
}

// The context is made on the shown window; without it the flat drawing carries on.
void Ausgabefenster::openGLStarten() {
    QString grund;
    if (ansicht_->openGLWaehlen(true, &grund)) return;
    // The offscreen platform gives no reason: it has no windows for OpenGL, which is expected.
    if (!grund.isEmpty()) ohneOpenGL(grund);
}

void Ausgabefenster::ohneOpenGL(const QString& grund) {
    anzeige_.OpenGL_Simulation = false;
    {
        const QSignalBlocker b(optOpenGL_);
        optOpenGL_->button(1)->setChecked(true);
    }
    const std::string erklaerung =
        beschriftung(p_.texte, text::sim::OhneOpenGL).arg(grund).toStdString();
    p_.log.zeile(std::string(kOpenGLFehler) + " " + erklaerung);
    if (!gemeldet_) {
        gemeldet_ = true;
        p_.env.dialoge.meldung(std::string(kOpenGLFehler) + "\n" + erklaerung);
    }
    zyklus();
}

void Ausgabefenster::showEvent(QShowEvent*) {
    p_.ausgabe->Vorschau = true;
    // The preview follows the renderer chosen here.
    if (vorschau_ && vorschau_->openGL() != anzeige_.OpenGL_Simulation)
        vorschau_->openGLWaehlen(anzeige_.OpenGL_Simulation);
    if (anzeige_.OpenGL_Simulation && !ansicht_->openGL()) openGLStarten();
    zyklus();
}

void Ausgabefenster::hideEvent(QHideEvent*) {
    p_.ausgabe->Vorschau = vorschauSichtbar();
    simAnzeigeSpeichern(anzeige_, p_.einstellungen);
    projektorenSpeichern(p_.ausgabe->ProjektorVerschiebungX, p_.ausgabe->ProjektorVerschiebungY,
                         p_.einstellungen);
}

// Closing unloads the view's context; showing again makes a new one.
void Ausgabefenster::closeEvent(QCloseEvent*) {
    ansicht_->openGLWaehlen(false);
}

} // namespace sw::ui
