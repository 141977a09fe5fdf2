#include "ui/Hauptfenster.h"

#include "app/Programmstart.h"
#include "core/Absturzkopien.h"
#include "core/Farbtabellenwechsel.h"
#include "core/FigurDatei.h"
#include "core/IldaExport.h"
#include "core/IldaImport.h"
#include "core/Meldungen.h"
#include "core/Ordnerwechsel.h"
#include "devices/Geraeteverwaltung.h"
#include "ui/Ausgabefenster.h"
#include "ui/Beschriften.h"
#include "ui/Fensterlage.h"
#include "ui/Figurenansicht.h"
#include "ui/Geraetetafel.h"
#include "ui/Laserleiste.h"
#include "ui/Listentasten.h"
#include "ui/Ordnerbrowser.h"
#include "ui/Palettenansicht.h"
#include "ui/Symbole.h"
#include "ui/Werkzeugfenster.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw::ui {

namespace {

constexpr int kTextStop = 62;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

Hauptfenster::Hauptfenster(Programm& p) : p_(p) {
    setObjectName("frmHaupt");
    setWindowTitle("Strahlwerk");

    figur_ = new Figurenansicht(p_.figuren, p_.paletten, zeichnung_);
    figur_->texteSetzen(p_.texte);
    figur_->geaendert = [this] { geaendert(); };
    // The cursor's coordinates, the point under it and the zoom level stay in the status bar.
    lblZeiger_ = new QLabel;
    lblZeiger_->setObjectName("lblZeiger");
    lblZoom_ = new QLabel;
    lblZoom_->setObjectName("lblZoom");
    statusBar()->addPermanentWidget(lblZeiger_);
    statusBar()->addPermanentWidget(lblZoom_);
    figur_->anzeigeGeaendert = [this] {
        lblZeiger_->setText(figur_->zeigerText());
        lblZoom_->setText(figur_->zoomText());
    };

    // The folder browser: a click on a folder opens it through ordnerZeigen, which asks about
    // unsaved changes; an ILDA file of the list is imported into figure 0 as File > Import
    // ILDA does, without the file dialog.
    browser_ = new Ordnerbrowser(p_.figuren, p_.modell, p_.einstellungen);
    browser_->setMinimumWidth(120);
    browser_->beschriften(p_.texte);
    lstFiguren_ = browser_->figurenliste();
    browser_->ordnerOeffnen = [this](const std::filesystem::path& o) { return ordnerZeigen(o); };
    browser_->figurGewaehlt = [this](int i) {
        if (!aktualisiert_) figurWaehlen(i);
    };
    browser_->hinweis = [this](const QString& text) { statusBar()->showMessage(text); };
    browser_->ildaOeffnen = [this](const std::filesystem::path& datei) {
        const auto e =
            IldaDateiImportieren(p_.figuren, p_.paletten, p_.env, IldaDateiname_, datei);
        listeAktualisieren();
        if (e.frames <= 0) return;
        using namespace ordnertext;
        std::string text = e.frames == 1
                               ? p_.texte.text(EinFrameImportiert, EinFrameImportiertText)
                               : p_.texte.text(FramesImportiert, FramesImportiertText);
        // The name first, then the number (which the text for one frame does not hold).
        text = meldung::einsetzen(meldung::einsetzen(text, datei.filename().string()),
                                  std::to_string(e.frames));
        statusBar()->showMessage(q(text));
    };

    scrFrame_ = new QScrollBar(Qt::Horizontal);
    scrFrame_->setObjectName("scrFrame");
    connect(scrFrame_, &QScrollBar::valueChanged, this, [this](int v) {
        if (aktualisiert_) return;
        p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Frame = static_cast<std::int16_t>(v);
        frameAnzeigen();
    });
    lblFrame_ = new QLabel;
    lblFrame_->setObjectName("lblFrame");
    markierungVon_ = new QSpinBox;
    markierungVon_->setObjectName("MarkierungVon");
    markierungBis_ = new QSpinBox;
    markierungBis_->setObjectName("MarkierungBis");
    auto* lblMark = new QLabel;
    lblMark->setObjectName("lblMarkierung");
    lblMark->setBuddy(markierungVon_);
    beschriftenMit([this, lblMark](const Sprachtexte& t) {
        lblMark->setText(beschriftung(t, text::Markiert) + ":");
        for (QWidget* w : std::initializer_list<QWidget*>{lblMark, markierungVon_, markierungBis_})
            w->setToolTip(beschriftung(t, text::MarkiertHilfe));
    });
    for (QSpinBox* m : {markierungVon_, markierungBis_})
        connect(m, &QSpinBox::valueChanged, this, [this] {
            p_.frames.MarkierungVon = std::min(markierungVon_->value(), markierungBis_->value());
            p_.frames.MarkierungBis = std::max(markierungVon_->value(), markierungBis_->value());
        });
    auto* frameZeile = new QHBoxLayout;
    frameZeile->addWidget(scrFrame_, 1);
    frameZeile->addWidget(lblFrame_);
    frameZeile->addWidget(lblMark);
    frameZeile->addWidget(markierungVon_);
    frameZeile->addWidget(markierungBis_);

    // The menus come first: the buttons beside the canvas share their commands.
    menusBauen();

    auto* mitte = new QWidget;
    auto* mitteLayout = new QVBoxLayout(mitte);
    mitteLayout->addWidget(werkzeugleisteBauen());
    mitteLayout->addWidget(figur_, 1);
    mitteLayout->addLayout(frameZeile);

    // The right column scrolls when the window is lower than its controls; both side panels
    // can be dragged shut, so the window fits small screens and large scalings.
    auto* rechts = rollbar(rechteSpalteBauen());
    rechts->setObjectName("rechteSpalte");
    const int rechtsBreite = rechts->widget()->minimumSizeHint().width() +
                             rechts->verticalScrollBar()->sizeHint().width();
    rechts->setMinimumWidth(std::min(rechtsBreite, 180));
    haupt_ = new QSplitter(Qt::Horizontal);
    haupt_->setObjectName("splHaupt");
    haupt_->addWidget(browser_);
    haupt_->addWidget(mitte);
    haupt_->addWidget(rechts);
    haupt_->setStretchFactor(1, 1);
    rechtsBreite_ = rechtsBreite;
    connect(haupt_, &QSplitter::splitterMoved, this, [this] { aufteilungVomBenutzer_ = true; });
    links_ = browser_->findChild<QSplitter*>();
    setCentralWidget(haupt_);

    ausgabe_ = new Ausgabefenster(p_, this);
    p_.ausgabe->SimulationZeichnen = [this] { ausgabe_->zyklus(); };
    // The beam preview below the buttons of the right column.
    if (auto* spalte = qobject_cast<QBoxLayout*>(rechts->widget()->layout()))
        spalte->insertWidget(spalte->count() - 1, ausgabe_->vorschauBauen(), 1);
    p_.undo.nachUndoRedo = [this] {
        zeichnung_.werkzeug = Werkzeug::Hand;
        if (auto* b = findChild<QAbstractButton*>("optHand")) b->setChecked(true);
    };
    p_.paletten.anzeigeAktualisieren = [this] {
        palette_->update();
        for (auto* l : lieblinge_) l->update();
        figur_->update();
        if (ausgabe_->isVisible()) ausgabe_->update();
    };
    absturzkopie_ = new QTimer(this);
    absturzkopie_->setObjectName("tmrAbsturzkopie");
    absturzkopie_->setSingleShot(true);
    absturzkopie_->setInterval(1500);
    connect(absturzkopie_, &QTimer::timeout, this,
            [this] { absturzkopienSchreiben(p_.figuren, p_.env, absturzkopienOrdner(p_.pfade)); });
    takt_ = new QTimer(this);
    takt_->setInterval(0);
    connect(takt_, &QTimer::timeout, this, [this] { durchlauf(); });

    laserleiste_ = new Laserleiste(p_.ausgabe->Haupt, p_.einstellungen, this);
    addToolBar(laserleiste_);
    tafel_ = new Geraetetafel(p_.geraete, p_.dac, this);
    addDockWidget(Qt::RightDockWidgetArea, tafel_);
    // The panel costs width a small screen does not have: it starts hidden, the View menu
    // shows it.
    tafel_->hide();
    tafel_->toggleViewAction()->setObjectName("mnuGeraetetafel");
    symbolSetzen(tafel_->toggleViewAction(), "geraete");
    if (auto* ansicht = menuBar()->findChild<QMenu*>("mnuAnsicht"))
        ansicht->insertAction(ansicht->findChild<QMenu*>("mnuSprache")->menuAction(),
                              tafel_->toggleViewAction());
    beschriftenMit([this](const Sprachtexte& t) {
        tafel_->beschriften(t);
        tafel_->toggleViewAction()->setText(beschriftung(t, text::Geraete));
    });
    gestoert_.assign(kGeraete, false);
    auto* beobachter = new QTimer(this);
    beobachter->setInterval(500);
    connect(beobachter, &QTimer::timeout, this, [this] { geraeteBeobachten(); });
    beobachter->start();
    // MIDI and DMX input between passes of the output cycle, and while it is stopped.
    auto* leerlauf = new QTimer(this);
    leerlauf->setObjectName("tmrLeerlauf");
    connect(leerlauf, &QTimer::timeout, this, [this] {
        auto k = p_.liveKontext();
        eingaengeImLeerlauf(k);
    });
    leerlauf->start(static_cast<int>(kLeerlaufTakt * 1000));
    browser_->ordnerAnzeigen();
    auto* listentasten = new Listentasten(this);
    for (auto* liste : findChildren<QAbstractItemView*>()) liste->installEventFilter(listentasten);
    zeichnung_.farbe = static_cast<std::int32_t>(p_.modell.zahl("Optionen_4_FrmHaupt", "farbe"));
    beschriften();
    listeAktualisieren();
    zustandAktualisieren();
    fensterpositionLaden();
    aufteilungVorgeben();
    aufteilungLaden();
    ordnerMelden();
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::ordnerMelden() {
    const auto& typen = p_.figuren.Listentyp;
    const auto figuren =
        typen.empty() ? 0 : std::count(typen.begin() + 1, typen.end(), listentyp::Figur);
    statusBar()->showMessage(
        t(text::OrdnerFiguren).arg(q(p_.figuren.lstDirPfad.filename().string())).arg(figuren));
}

void Hauptfenster::modellSpeichern(const std::string& abschnitt, const std::string& schluessel,
                                   const std::string& wert) {
    p_.modell.setzen(abschnitt, schluessel, wert);
    for (const auto& k : p_.modell.schluessel())
        if (k.abschnitt == abschnitt && k.schluessel == schluessel)
            p_.modell.schluesselSpeichern(p_.einstellungen, k);
}

bool Hauptfenster::ordnerZeigen(const std::filesystem::path& ordner) {
    if (!aenderungenSichernFragen(p_.figuren, p_.env, geaenderteFiguren(p_.figuren))) {
        browser_->ordnerAnzeigen(); // back to the folder still shown
        zustandAktualisieren();
        return false;
    }
    if (spielt()) abspielen(false);
    lstDir_Change(p_.figuren, p_.env, ordner);
    p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur = 0;
    p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Frame = 0;
    modellSpeichern("StandardPfade", "StartPfad0", ordner.string());
    browser_->ordnerAnzeigen();
    listeAktualisieren();
    frameAnzeigen();
    ordnerMelden();
    return true;
}

void Hauptfenster::listeAktualisieren() {
    aktualisiert_ = true;
    browser_->listeFuellen(static_cast<int>(p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur));
    aktualisiert_ = false;
    frameAnzeigen();
}

void Hauptfenster::figurWaehlen(int listenIndex) {
    lstFiguren_Click(p_.figuren, listenIndex, p_.ausgabe->JetztMs);
    zeichnung_.markiert.clear();
    if (lstFiguren_->currentRow() != listenIndex) {
        aktualisiert_ = true;
        lstFiguren_->setCurrentRow(listenIndex);
        aktualisiert_ = false;
    }
    if (spielt())
        FigurStarten(*p_.ausgabe, p_.figuren, p_.figuren.EditorSpur, listenIndex,
                     p_.ausgabe->JetztMs);
    frameAnzeigen();
}

void Hauptfenster::frameAnzeigen() {
    aktualisiert_ = true;
    FrameBalkenAktualisieren(p_.figuren, p_.env);
    const auto& a = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur];
    const bool da = a.Figur >= 0 && p_.figuren.Figuren.enthaelt(a.Figur);
    const int ober =
        da ? static_cast<int>(std::min<long>(p_.figuren.FrameBalkenMax, kMaxFrameObergrenze)) : 0;
    scrFrame_->setRange(0, ober);
    scrFrame_->setValue(a.Frame);
    markierungVon_->setRange(0, ober);
    markierungBis_->setRange(0, ober);
    frameTextAnzeigen();
    if (da) {
        const auto& P = p_.figuren.Figuren[a.Figur].Parameter;
        if (auto* b = optFramelauf_->button(static_cast<int>(P[parameter::Abspielart])))
            b->setChecked(true);
        checkFrameRepeat_->setChecked(P[parameter::EinmalAbspielen] == 0);
    }
    fpsAnzeigen();
    aktualisiert_ = false;
    figur_->update();
    figur_->figurGezeigt();
    zustandAktualisieren();
}

void Hauptfenster::frameTextAnzeigen() {
    // Frames count from 1 for the operator.
    const auto& a = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur];
    const bool da = a.Figur >= 0 && p_.figuren.Figuren.enthaelt(a.Figur);
    lblFrame_->setText(da ? t(text::FrameZaehler)
                                .arg(a.Frame + 1)
                                .arg(scrFrame_->maximum() + 1)
                                .arg(Funktion_Punktzahl(p_.figuren, a.Figur, a.Frame))
                          : t(text::KeineFigur));
}

void Hauptfenster::fpsAnzeigen() {
    const auto& a = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur];
    const bool vorher = aktualisiert_;
    aktualisiert_ = true;
    const char* art[3] = {"FPS", "ms", "bpm"};
    command1_->setText(art[fpsArt_]);
    double wert = 0;
    if (a.Figur >= 0 && p_.figuren.Figuren.enthaelt(a.Figur)) {
        const double dauer = p_.figuren.Figuren[a.Figur].Parameter[parameter::Framedauer];
        if (dauer > 0)
            wert = fpsArt_ == 0 ? 50000 / dauer : fpsArt_ == 1 ? dauer / 50 : 60 * 50000 / dauer;
    }
    txtFPS_->setValue(wert);
    aktualisiert_ = vorher;
}

void Hauptfenster::fpsUebernehmen(double wert) {
    const auto& a = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur];
    if (a.Figur < 0 || !p_.figuren.Figuren.enthaelt(a.Figur)) return;
    double dauer = 0;
    if (wert > 0)
        dauer = fpsArt_ == 0 ? 50000 / wert : fpsArt_ == 1 ? wert * 50 : 60 * 50000 / wert;
    p_.figuren.Figuren[a.Figur].Parameter[parameter::Framedauer] = dauer;
    figurGeaendert();
}

void Hauptfenster::zustandAktualisieren() {
    // Buttons and menu commands enabled alike.
    cmdUndo_->setEnabled(p_.undo.cmdUndoEnabled);
    cmdRedo_->setEnabled(p_.undo.cmdRedoEnabled);
    mnuUndo_->setEnabled(p_.undo.cmdUndoEnabled);
    mnuRedo_->setEnabled(p_.undo.cmdRedoEnabled);
    cmdPlay_->setText(spielt() ? q(p_.texte.text(kTextStop, "Stop")) : t(text::Abspielen));
    symbolSetzen(cmdPlay_, spielt() ? "stoppen" : "abspielen");
    aenderungenAnzeigen();
}

void Hauptfenster::aenderungenAnzeigen() {
    // A changed figure carries "*" in the list, and the title names the figure on the editor
    // track and how many figures hold unsaved changes.
    const auto& s = p_.figuren;
    for (int i = 0; i < lstFiguren_->count() && i < static_cast<int>(s.lstFiguren.size()); ++i) {
        const QString text = q(s.lstFiguren[static_cast<std::size_t>(i)]) +
                             (istGeaendert(s, i) ? QStringLiteral(" *") : QString());
        if (lstFiguren_->item(i)->text() != text) lstFiguren_->item(i)->setText(text);
    }
    const long f = s.SpurAuswahl[s.EditorSpur].Figur;
    const auto geaendert = geaenderteFiguren(s);
    QString titel = "Strahlwerk";
    if (f >= 0 && s.Figuren.enthaelt(f))
        titel = q(figurName(s, f)) + (istGeaendert(s, f) ? "*" : "") + " - " + titel;
    if (!geaendert.empty())
        titel += " (" + t(text::Ungespeichert).arg(geaendert.size()) + ")";
    if (windowTitle() != titel) setWindowTitle(titel);
    // The crash copies follow a moment after the last change.
    if (s.AbsturzkopienVeraltet) absturzkopie_->start();
}

void Hauptfenster::geaendert() {
    frameAnzeigen();
}

void Hauptfenster::speichernUndFolgen(const std::function<bool()>& speichern) {
    const long vorher = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
    const bool gespeichert = speichern();
    listeAktualisieren();
    // A figure saved into the folder under a new name is shown (and played) in its new slot.
    const long jetzt = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
    if (jetzt != vorher && jetzt >= 0) figurWaehlen(static_cast<int>(jetzt));
    if (gespeichert)
        statusBar()->showMessage(jetzt > 0 ? t(text::Gespeichert).arg(q(figurName(p_.figuren, jetzt)))
                                           : t(text::GespeichertOhneName));
    else
        ordnerMelden();
}

void Hauptfenster::figurGeaendert() {
    alsGeaendertMarkieren(p_.figuren, p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur);
    aenderungenAnzeigen();
}

void Hauptfenster::farbtabelleWechseln(const std::function<void()>& wechsel) {
    const LBArray<RGB> alt = p_.paletten.Farbpalette;
    wechsel();
    figur_->update();
    const long f = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
    const long dunkel =
        f >= 0 && p_.figuren.Figuren.enthaelt(f)
            ? dunkelGewordenePunkte(p_.figuren.Figuren[f], alt, p_.paletten.Farbpalette)
            : 0;
    if (dunkel > 0)
        statusBar()->showMessage(
            q(meldung::einsetzen(p_.texte.text(meldung::FarbenFehlen, meldung::FarbenFehlenText),
                                 std::to_string(dunkel))));
    else
        ordnerMelden();
}

bool Hauptfenster::spielt() const {
    return p_.ausgabe->Wiedergabe;
}

void Hauptfenster::abspielen(bool an) {
    auto& a = *p_.ausgabe;
    if (an == spielt()) return;
    if (an) {
        // A simulation without any configured device shows the editor track on a Virtual
        // Device, taken off again after Stop.
        if (a.Simulationsmodus)
            simulationsgeraetEinsetzen(simulationsgeraet_, p_.geraete, p_.env, a);
        ausgabeVorbereiten(a, p_.paletten);
        p_.dac.starten();
        AbspielenStarten(a, p_.env);
        const auto& e = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur];
        if (e.Figur >= 0) FigurStarten(a, p_.figuren, p_.figuren.EditorSpur, e.Figur, a.JetztMs);
        a.AusgabeGestoppt = [this] { p_.dac.stoppen(); };
        takt_->start();
    } else {
        takt_->stop();
        AbspielenStoppen(a);
        simulationsgeraetEntfernen(simulationsgeraet_, p_.geraete, p_.env, a);
        // Stop ends the simulation too: its button shows what runs.
        const QSignalBlocker b(cmdSimulation_);
        cmdSimulation_->setChecked(false);
        a.Simulationsmodus = false;
    }
    zustandAktualisieren();
}

void Hauptfenster::farbeWaehlen(long index) {
    zeichnung_.farbe = static_cast<std::int32_t>(index);
    modellSpeichern("Optionen_4_FrmHaupt", "farbe", std::to_string(index));
    farbfeldAnzeigen();
}

void Hauptfenster::durchlauf() {
    // DACs that came or went since the last turn; one that came may be awaited somewhere.
    if (!geraeteAbgleichen(p_.geraete, p_.env).empty()) p_.dac.typenUebertragen(*p_.ausgabe);
    AbspielenDurchlauf(*p_.ausgabe, p_.figuren, p_.paletten, p_.env);
    const auto& e = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur];
    if (scrFrame_->value() != e.Frame) {
        aktualisiert_ = true;
        scrFrame_->setValue(e.Frame);
        aktualisiert_ = false;
        frameTextAnzeigen();
        figur_->update();
    }
}

void Hauptfenster::geraeteBeobachten() {
    // DACs found while nothing plays join the list too.
    if (!spielt() && !geraeteAbgleichen(p_.geraete, p_.env).empty())
        p_.dac.typenUebertragen(*p_.ausgabe);
    for (int d = 0; d < kGeraete; ++d) {
        const bool jetzt = p_.dac.gestoert(d);
        if (jetzt == gestoert_[static_cast<std::size_t>(d)]) continue;
        gestoert_[static_cast<std::size_t>(d)] = jetzt;
        const QString name = q(p_.geraete.eintrag(d).Anzeigename);
        statusBar()->showMessage(
            t(jetzt ? text::Geraetestoerung : text::GeraetWiederDa).arg(d).arg(name));
    }
}

// Without stored sizes: the right column whole where it fits, the canvas at least 480 px wide,
// the folder browser giving way first.
void Hauptfenster::aufteilungVorgeben() {
    const int breite = width();
    int links = 220, rechts = rechtsBreite_;
    int mitte = breite - links - rechts;
    if (mitte < 480) {
        const int abLinks = std::min(480 - mitte, links - 120);
        links -= abLinks;
        mitte += abLinks;
    }
    if (mitte < 480) rechts = std::max(180, rechts - (480 - mitte));
    haupt_->setSizes({links, std::max(0, breite - links - rechts), rechts});
}

// The splitters' sizes, stored beside the window position as "left,middle,right;top,bottom".
void Hauptfenster::aufteilungSpeichern() { ui::aufteilungSpeichern(*this, p_, {haupt_, links_}); }

void Hauptfenster::aufteilungLaden() {
    if (ui::aufteilungLaden(*this, p_, {haupt_, links_})) aufteilungVomBenutzer_ = true;
}

void Hauptfenster::fensterpositionLaden() {
    const int zustand = fensterlageLaden(*this, p_, 1200, 760);
    if (zustand == 3) setWindowState(Qt::WindowMaximized);
    if (zustand == 2) setWindowState(Qt::WindowMinimized);
}

void Hauptfenster::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // Until the operator drags a splitter, the panels follow the window's size.
    if (!aufteilungVomBenutzer_) aufteilungVorgeben();
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    if (!aenderungenSichernFragen(p_.figuren, p_.env, geaenderteFiguren(p_.figuren))) {
        e->ignore();
        zustandAktualisieren();
        return;
    }
    absturzkopie_->stop();
    abspielen(false);
    aufteilungSpeichern();
    fensterlageSpeichern(*this, p_);
    ausgabe_->close();
    e->accept();
}

} // namespace sw::ui
