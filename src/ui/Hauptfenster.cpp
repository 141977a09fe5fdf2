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
#include "ui/Figurenansicht.h"
#include "ui/Geraetetafel.h"
#include "ui/Laserleiste.h"
#include "ui/Palettenansicht.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace sw::ui {

namespace {

constexpr int kTextStop = 62;

struct Werkzeugknopf {
    const char* name;
    const char* text;
    Werkzeug werkzeug;
};

const Werkzeugknopf kWerkzeuge[] = {
    {"optHand", "Hand", Werkzeug::Hand},
    {"optPunkt", "Point", Werkzeug::Punkt},
    {"optLinie", "Line", Werkzeug::Linie},
    {"optPolylinie", "Polyline", Werkzeug::Polylinie},
    {"optPolygon", "Polygon", Werkzeug::Polygon},
    {"optRechteck", "Rectangle", Werkzeug::Rechteck},
    {"optEllipse", "Ellipse", Werkzeug::Ellipse},
    {"optFreihand", "Freehand", Werkzeug::Freihand},
    {"optRadierer", "Eraser", Werkzeug::Radierer},
    {"optPipette", "Pipette", Werkzeug::Pipette},
    {"optMarkieren", "Select", Werkzeug::Auswahl},
    {"optZoom", "Zoom", Werkzeug::Zoom},
};

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

Hauptfenster::Hauptfenster(Programm& p) : p_(p) {
    setObjectName("frmHaupt");
    setWindowTitle("Strahlwerk");

    figur_ = new Figurenansicht(p_.figuren, p_.paletten, zeichnung_);
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

    ordnerModell_ = new QFileSystemModel(this);
    ordnerModell_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    // The browser starts at the home folder when the figures lie there, else at the root.
    const QString heim = QDir::homePath();
    const QString figurenordner = q(p_.figuren.lstDirPfad.string());
    const QString wurzel = figurenordner.startsWith(heim + "/") ? heim : QStringLiteral("/");
    ordnerModell_->setRootPath(wurzel);
    lstDir_ = new QTreeView;
    lstDir_->setObjectName("lstDir");
    lstDir_->setModel(ordnerModell_);
    lstDir_->setRootIndex(ordnerModell_->index(wurzel));
    for (int c = 1; c < ordnerModell_->columnCount(); ++c) lstDir_->hideColumn(c);
    lstDir_->header()->hide();
    connect(lstDir_, &QTreeView::activated, this, [this](const QModelIndex& i) {
        ordnerZeigen(ordnerModell_->filePath(i).toStdString());
    });

    lstFiguren_ = new QListWidget;
    lstFiguren_->setObjectName("lstFiguren");
    connect(lstFiguren_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!aktualisiert_ && row >= 0) figurWaehlen(row);
    });

    auto* links = new QSplitter(Qt::Vertical);
    links->addWidget(lstDir_);
    links->addWidget(lstFiguren_);
    links->setMinimumWidth(220);

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
    for (QSpinBox* m : {markierungVon_, markierungBis_})
        connect(m, &QSpinBox::valueChanged, this, [this] {
            p_.frames.MarkierungVon = std::min(markierungVon_->value(), markierungBis_->value());
            p_.frames.MarkierungBis = std::max(markierungVon_->value(), markierungBis_->value());
        });
    auto* frameZeile = new QHBoxLayout;
    frameZeile->addWidget(scrFrame_, 1);
    frameZeile->addWidget(lblFrame_);
    frameZeile->addWidget(new QLabel("Mark"));
    frameZeile->addWidget(markierungVon_);
    frameZeile->addWidget(markierungBis_);

    auto* mitte = new QWidget;
    auto* mitteLayout = new QVBoxLayout(mitte);
    mitteLayout->addWidget(werkzeugleisteBauen());
    mitteLayout->addWidget(figur_, 1);
    mitteLayout->addLayout(frameZeile);

    auto* haupt = new QSplitter(Qt::Horizontal);
    haupt->addWidget(links);
    haupt->addWidget(mitte);
    haupt->addWidget(rechteSpalteBauen());
    haupt->setStretchFactor(1, 1);
    haupt->setSizes({240, 700, 300});
    setCentralWidget(haupt);

    ausgabe_ = new Ausgabefenster(*p_.ausgabe, this);
    ausgabe_->setWindowTitle("Strahlwerk – " + q(p_.texte.text(meldung::AusgabefensterTitel,
                                                               meldung::AusgabefensterTitelText)));
    p_.ausgabe->SimulationZeichnen = [this] {
        if (ausgabe_->isVisible()) ausgabe_->update();
    };
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

    menusBauen();
    addToolBar(new Laserleiste(p_.ausgabe->Haupt, p_.einstellungen, this));
    auto* tafel = new Geraetetafel(p_.geraete, p_.dac, this);
    addDockWidget(Qt::RightDockWidgetArea, tafel);
    // The panel costs width a small screen does not have: it starts hidden, the View menu
    // shows it.
    tafel->hide();
    tafel->toggleViewAction()->setObjectName("mnuGeraetetafel");
    if (auto* ansicht = menuBar()->findChild<QMenu*>("mnuAnsicht")) {
        ansicht->addSeparator();
        ansicht->addAction(tafel->toggleViewAction());
    }
    if (!p_.figuren.lstDirPfad.empty()) {
        const QModelIndex i = ordnerModell_->index(q(p_.figuren.lstDirPfad.string()));
        if (i.isValid()) {
            lstDir_->setCurrentIndex(i);
            lstDir_->scrollTo(i);
        }
    }
    listeAktualisieren();
    zustandAktualisieren();
    resize(1200, 760);
    if (auto pos = fensterpositionLesen(p_, "frmHaupt")) {
        setGeometry(pos->links, pos->oben, pos->rechts - pos->links, pos->unten - pos->oben);
        if (pos->showCmd == 3) setWindowState(Qt::WindowMaximized);
        if (pos->showCmd == 2) setWindowState(Qt::WindowMinimized);
    }
    ordnerMelden();
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::ordnerMelden() {
    const auto& typen = p_.figuren.Listentyp;
    const auto figuren =
        typen.empty() ? 0 : std::count(typen.begin() + 1, typen.end(), listentyp::Figur);
    statusBar()->showMessage(
        QString("%1: %2 figures").arg(q(p_.figuren.lstDirPfad.filename().string())).arg(figuren));
}

QAction* Hauptfenster::befehl(QMenu* menu, const char* name, const QString& text,
                              std::function<void()> aktion, const QKeySequence& taste) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    if (!taste.isEmpty()) a->setShortcut(taste);
    connect(a, &QAction::triggered, this, [this, aktion] {
        aktion();
        zustandAktualisieren();
    });
    return a;
}

void Hauptfenster::menusBauen() {
    auto& s = p_.figuren;
    auto& env = p_.env;
    QMenu* datei = menuBar()->addMenu("&File");
    befehl(
        datei, "mnuNeu", "&New figure",
        [this] {
            if (!aenderungenSichernFragen(p_.figuren, p_.env, {0})) return;
            cmdNeu_Click(p_.figuren);
            listeAktualisieren();
            frameAnzeigen();
        },
        QKeySequence::New);
    befehl(
        datei, "mnuOrdnerLaden", "Open &folder...",
        [this] {
            const QString o = QFileDialog::getExistingDirectory(this, "Figure folder",
                                                                q(p_.figuren.lstDirPfad.string()));
            if (!o.isEmpty()) ordnerZeigen(o.toStdString());
        },
        QKeySequence::Open);
    befehl(
        datei, "cmdReload", "&Reload folder", [this] { ordnerZeigen(p_.figuren.lstDirPfad); },
        QKeySequence(Qt::Key_F5));
    befehl(
        datei, "mnuSpeichern", "&Save",
        [this, &s, &env] {
            bool schnell = true;
            speichernUndFolgen([&] { return Speichern(s, env, schnell, ""); });
        },
        QKeySequence::Save);
    befehl(
        datei, "mnuSpeichernUnter", "Save &as...",
        [this, &s, &env] {
            bool schnell = false;
            speichernUndFolgen([&] { return Speichern(s, env, schnell, ""); });
        },
        QKeySequence::SaveAs);
    datei->addSeparator();
    befehl(datei, "cmdImportIlda", "&Import ILDA...", [this] {
        // The import goes into figure 0.
        if (!aenderungenSichernFragen(p_.figuren, p_.env, {0})) return;
        const auto ergebnis = cmdImportIlda_Click(p_.figuren, p_.paletten, p_.env, IldaDateiname_);
        if (ergebnis.geoeffnet && ergebnis.frames > 0) alsGeaendertMarkieren(p_.figuren, 0);
        listeAktualisieren();
        frameAnzeigen();
        if (ergebnis.geoeffnet && ergebnis.frames > 0)
            statusBar()->showMessage(QString("imported %1 %2")
                                         .arg(ergebnis.frames)
                                         .arg(ergebnis.frames == 1 ? "frame" : "frames"));
    });
    befehl(datei, "cmdExportIlda", "&Export ILDA...", [this] {
        cmdExportIlda_Click(p_.figuren, p_.paletten, p_.env, IldaDateiname_,
                            checkIldaPalettenFarben_->isChecked());
    });
    datei->addSeparator();
    befehl(
        datei, "mnuBeenden", "&Quit", [this] { close(); }, QKeySequence::Quit);

    QMenu* bearbeiten = menuBar()->addMenu("&Edit");
    befehl(
        bearbeiten, "mnuUndo", "&Undo",
        [this] {
            cmdUndo_Click(p_.figuren, p_.undo, p_.env);
            geaendert();
        },
        QKeySequence::Undo);
    befehl(
        bearbeiten, "mnuRedo", "&Redo",
        [this] {
            cmdRedo_Click(p_.figuren, p_.undo, p_.env);
            geaendert();
        },
        QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu* ansicht = menuBar()->addMenu("&View");
    ansicht->setObjectName("mnuAnsicht");
    befehl(
        ansicht, "mnuZoomEinpassen", "Zoom to &fit", [this] { figur_->einpassen(); },
        QKeySequence(Qt::CTRL | Qt::Key_0));
    befehl(
        ansicht, "mnuZoom100", "&100 %", [this] { figur_->hundertProzent(); },
        QKeySequence(Qt::CTRL | Qt::Key_1));
    befehl(
        ansicht, "mnuZoomGroesser", "Zoom &in", [this] { figur_->zoomen(1.25); },
        QKeySequence::ZoomIn);
    befehl(
        ansicht, "mnuZoomKleiner", "Zoom &out", [this] { figur_->zoomen(0.8); },
        QKeySequence::ZoomOut);

    QMenu* frames = menuBar()->addMenu("F&rames");
    auto& f = p_.frames;
    befehl(
        frames, "mnuErsterFrame", "&First frame", [this] { scrFrame_->setValue(0); },
        QKeySequence(Qt::Key_Home));
    befehl(
        frames, "mnuLetzterFrame", "&Last frame",
        [this] { scrFrame_->setValue(scrFrame_->maximum()); }, QKeySequence(Qt::Key_End));
    frames->addSeparator();
    befehl(frames, "mnuFramesKopieren", "&Copy marked frames",
           [&s, &f, &env] { FramesKopieren(s, f, env); });
    befehl(frames, "mnuFramesEinfuegen", "&Paste frames", [this, &s, &f, &env] {
        Frames_Einfuegen(s, f, env);
        geaendert();
    });
    befehl(frames, "mnuFramesAddieren", "&Add frames onto these", [this, &s, &f, &env] {
        FramesDazuAddieren(s, f, env);
        geaendert();
    });
    befehl(frames, "mnuFramesLoeschen", "&Delete marked frames", [this, &s, &f, &env] {
        FramesLoeschen(s, f, env);
        geaendert();
    });
    befehl(
        frames, "cmdInsertFrame", "&Insert frame",
        [this, &s, &env] {
            cmdInsertFrame_Click(s, env);
            geaendert();
        },
        QKeySequence(Qt::Key_Insert));
    befehl(frames, "mnuJedenZweiten", "Drop every &second frame", [this, &s, &f, &env] {
        JedenZweitenFrameVerwerfen(s, f, env);
        geaendert();
    });
    befehl(frames, "mnuMorph", "&Morph marked frames...", [this, &s, &f, &env] {
        auto antwort = env.dialoge.eingabe("Frames in between:", "10");
        if (!antwort) return;
        Morph(s, env, f.MarkierungVon, f.MarkierungBis, std::atol(antwort->c_str()));
        geaendert();
    });
    befehl(frames, "mnuAutoMorph", "A&uto morph", [this, &s, &env] {
        AutoMorph(s, env);
        geaendert();
    });

    QMenu* palette = menuBar()->addMenu("&Palette");
    befehl(palette, "cmdLoadPalette", "&Load palette...", [this] {
        DateiAuswahl a;
        a.filter = "QV-Palette (*.qvp)|*.qvp";
        const std::string name = p_.env.dialoge.dateiOeffnen(a);
        if (name.empty()) return;
        farbtabelleWechseln([this, name] {
            p_.paletten.Palettendatei = name;
            FarbpaletteLaden(p_.paletten, p_.env);
        });
    });
    befehl(palette, "cmdSavePalette", "&Save palette...", [this] {
        DateiAuswahl a;
        a.filter = "*.qvp(QV Palette)|*.qvp";
        const std::string name = p_.env.dialoge.dateiSpeichern(a);
        if (name.empty()) return;
        p_.paletten.Palettendatei = name;
        FarbpaletteSpeichern(p_.paletten, p_.env);
    });
    befehl(palette, "cmdNewFarbpalette", "&New palette",
           [this] { farbtabelleWechseln([this] { cmdNewFarbpalette_Click(p_.paletten); }); });
    befehl(palette, "mnuPangolinFarbtabelleLaden", "&ILDA colour table", [this] {
        farbtabelleWechseln([this] {
            mnuPangolinFarbtabelleLaden_Click(p_.paletten, p_.env, p_.pfade.Programmordner);
        });
    });
    befehl(palette, "mnuAltePalette", "&Old 255-colour table",
           [this] { farbtabelleWechseln([this] { alte_PaletteErstellen(p_.paletten); }); });

    // Arrow keys step through the frames.
    for (auto [taste, schritt] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_Right, 1}}) {
        auto* k = new QShortcut(QKeySequence(taste), this);
        connect(k, &QShortcut::activated, this,
                [this, schritt = schritt] { scrFrame_->setValue(scrFrame_->value() + schritt); });
    }
}

QWidget* Hauptfenster::werkzeugleisteBauen() {
    auto* leiste = new QWidget;
    auto* layout = new QHBoxLayout(leiste);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* gruppe = new QButtonGroup(leiste);
    for (const auto& w : kWerkzeuge) {
        auto* b = new QToolButton;
        b->setObjectName(w.name);
        b->setText(w.text);
        b->setCheckable(true);
        gruppe->addButton(b);
        layout->addWidget(b);
        const Werkzeug werkzeug = w.werkzeug;
        connect(b, &QToolButton::toggled, this, [this, werkzeug](bool an) {
            if (!an) return;
            if (zeichnung_.zugOffen) zugBeenden(p_.figuren, zeichnung_);
            zeichnung_.werkzeug = werkzeug;
        });
        if (w.werkzeug == Werkzeug::Hand) b->setChecked(true);
    }
    checkRaster_ = new QCheckBox("Grid");
    checkRaster_->setObjectName("checkRaster");
    auto* txtRaster = new QSpinBox;
    txtRaster->setObjectName("txtRaster");
    txtRaster->setRange(1, 8192);
    txtRaster->setValue(
        std::max(1, std::atoi(p_.modell.text("Optionen_4_FrmHaupt", "txtRaster.Text").c_str())));
    zeichnung_.raster = txtRaster->value();
    connect(checkRaster_, &QCheckBox::toggled, this, [this](bool an) {
        zeichnung_.rasterAn = an;
        figur_->update();
    });
    connect(txtRaster, &QSpinBox::valueChanged, this, [this](int v) {
        zeichnung_.raster = v;
        modellSpeichern("Optionen_4_FrmHaupt", "txtRaster.Text", std::to_string(v));
        figur_->update();
    });
    layout->addStretch(1);
    layout->addWidget(checkRaster_);
    layout->addWidget(txtRaster);
    return leiste;
}

QWidget* Hauptfenster::rechteSpalteBauen() {
    auto* spalte = new QWidget;
    auto* layout = new QVBoxLayout(spalte);

    palette_ = new Palettenansicht(p_.paletten);
    zeichnung_.farbe = static_cast<std::int32_t>(p_.modell.zahl("Optionen_4_FrmHaupt", "farbe"));
    palette_->gewaehlt = [this](long i) { farbeWaehlen(i); };
    layout->addWidget(palette_);
    auto* achsen = new QHBoxLayout;
    auto* achsGruppe = new QButtonGroup(spalte);
    const char* achsText[3] = {"Red", "Green", "Blue"};
    for (int i = 1; i <= 3; ++i) {
        auto* b = new QRadioButton(achsText[i - 1]);
        b->setObjectName(QString("OptFarbAchse(%1)").arg(i));
        b->setChecked(p_.paletten.OptFarbAchse == i);
        achsGruppe->addButton(b, i);
        achsen->addWidget(b);
    }
    connect(achsGruppe, &QButtonGroup::idToggled, this, [this](int i, bool an) {
        if (!an) return;
        p_.paletten.OptFarbAchse = i;
        for (int k = 1; k <= 3; ++k)
            modellSpeichern("Optionen_4_FrmHaupt", "OptFarbAchse(" + std::to_string(k) + ").Value",
                            k == i ? "-1" : "0");
        palette_->update();
    });
    layout->addLayout(achsen);
    scrFarbe3_ = new QScrollBar(Qt::Horizontal);
    scrFarbe3_->setObjectName("scrFarbe3");
    scrFarbe3_->setRange(0, 15);
    scrFarbe3_->setValue(p_.paletten.scrFarbe3);
    connect(scrFarbe3_, &QScrollBar::valueChanged, this, [this](int v) {
        p_.paletten.scrFarbe3 = v;
        modellSpeichern("Optionen_4_FrmHaupt", "scrFarbe3.Value", std::to_string(v));
        palette_->update();
    });
    layout->addWidget(scrFarbe3_);

    auto* favoriten = new QGridLayout;
    for (int i = 0; i < kLieblingsfarben; ++i) {
        auto* l = new Lieblingsfarbe(p_.paletten, i);
        l->gewaehlt = [this](long index) { farbeWaehlen(index); };
        l->fallengelassen = [this](int nummer, long index) {
            Pic_Lieblingsfarbe_DragDrop(p_.paletten, p_.einstellungen, nummer,
                                        static_cast<std::int32_t>(index));
        };
        lieblinge_.push_back(l);
        favoriten->addWidget(l, i / 10, i % 10);
    }
    layout->addLayout(favoriten);

    auto* tempo = new QGroupBox("Frame rate");
    auto* tempoLayout = new QGridLayout(tempo);
    command1_ = new QPushButton("FPS");
    command1_->setObjectName("Command1");
    txtFPS_ = new QDoubleSpinBox;
    txtFPS_->setObjectName("txtFPS");
    txtFPS_->setRange(0, 100000);
    txtFPS_->setDecimals(2);
    connect(command1_, &QPushButton::clicked, this, [this] {
        fpsArt_ = (fpsArt_ + 1) % 3;
        fpsAnzeigen();
    });
    connect(txtFPS_, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        if (!aktualisiert_) fpsUebernehmen(v);
    });
    tempoLayout->addWidget(command1_, 0, 0);
    tempoLayout->addWidget(txtFPS_, 0, 1, 1, 2);
    optFramelauf_ = new QButtonGroup(tempo);
    const char* laufText[3] = {"Forward", "Backward", "Ping-pong"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(laufText[i]);
        b->setObjectName(QString("optFramelauf(%1)").arg(i));
        optFramelauf_->addButton(b, i);
        tempoLayout->addWidget(b, 1, i);
    }
    connect(optFramelauf_, &QButtonGroup::idToggled, this, [this](int i, bool an) {
        const long f = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
        if (an && !aktualisiert_ && p_.figuren.Figuren.enthaelt(f)) {
            p_.figuren.Figuren[f].Parameter[parameter::Abspielart] = i;
            figurGeaendert();
        }
    });
    checkFrameRepeat_ = new QCheckBox("Repeat");
    checkFrameRepeat_->setObjectName("CheckFrameRepeat");
    connect(checkFrameRepeat_, &QCheckBox::toggled, this, [this](bool an) {
        const long f = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
        if (!aktualisiert_ && p_.figuren.Figuren.enthaelt(f)) {
            p_.figuren.Figuren[f].Parameter[parameter::EinmalAbspielen] = an ? 0 : 1;
            figurGeaendert();
        }
    });
    tempoLayout->addWidget(checkFrameRepeat_, 2, 0);
    layout->addWidget(tempo);

    checkIldaPalettenFarben_ = new QCheckBox("ILDA export with palette colours");
    checkIldaPalettenFarben_->setObjectName("checkIldaPalettenFarben");
    layout->addWidget(checkIldaPalettenFarben_);

    auto* knoepfe = new QGridLayout;
    cmdPlay_ = new QPushButton("Play");
    cmdPlay_->setObjectName("cmdPlay");
    // Play is normal playback: it ends the simulation mode and shows what plays.
    connect(cmdPlay_, &QPushButton::clicked, this, [this] {
        if (spielt()) {
            abspielen(false);
            return;
        }
        cmdSimulation_->setChecked(false);
        abspielen(true);
        ausgabe_->nebenZeigen(*this);
    });
    cmdSimulation_ = new QPushButton("Simulation");
    cmdSimulation_->setObjectName("cmdSimulation");
    cmdSimulation_->setCheckable(true);
    connect(cmdSimulation_, &QPushButton::toggled, this, [this](bool an) {
        p_.ausgabe->Simulationsmodus = an;
        if (!an) {
            ausgabe_->hide();
            return;
        }
        ausgabe_->nebenZeigen(*this);
        if (!spielt()) abspielen(true);
    });
    cmdUndo_ = new QPushButton("Undo");
    cmdUndo_->setObjectName("cmdUndo");
    connect(cmdUndo_, &QPushButton::clicked, this, [this] {
        cmdUndo_Click(p_.figuren, p_.undo, p_.env);
        geaendert();
    });
    cmdRedo_ = new QPushButton("Redo");
    cmdRedo_->setObjectName("cmdRedo");
    connect(cmdRedo_, &QPushButton::clicked, this, [this] {
        cmdRedo_Click(p_.figuren, p_.undo, p_.env);
        geaendert();
    });
    knoepfe->addWidget(cmdPlay_, 0, 0);
    knoepfe->addWidget(cmdSimulation_, 0, 1);
    knoepfe->addWidget(cmdUndo_, 1, 0);
    knoepfe->addWidget(cmdRedo_, 1, 1);
    layout->addLayout(knoepfe);
    layout->addStretch(1);
    return spalte;
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
        // The browser goes back to the folder still shown.
        const QModelIndex i = ordnerModell_->index(q(p_.figuren.lstDirPfad.string()));
        if (i.isValid()) lstDir_->setCurrentIndex(i);
        zustandAktualisieren();
        return false;
    }
    if (spielt()) abspielen(false);
    lstDir_Change(p_.figuren, p_.env, ordner);
    p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur = 0;
    p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Frame = 0;
    modellSpeichern("StandardPfade", "StartPfad0", ordner.string());
    const QModelIndex i = ordnerModell_->index(q(ordner.string()));
    if (i.isValid()) {
        lstDir_->setCurrentIndex(i);
        lstDir_->scrollTo(i);
    }
    listeAktualisieren();
    frameAnzeigen();
    ordnerMelden();
    return true;
}

void Hauptfenster::listeAktualisieren() {
    aktualisiert_ = true;
    lstFiguren_->clear();
    for (const auto& e : p_.figuren.lstFiguren) lstFiguren_->addItem(q(e));
    const long f = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
    if (f >= 0 && f < lstFiguren_->count()) lstFiguren_->setCurrentRow(static_cast<int>(f));
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
    lblFrame_->setText(da ? QString("Frame %1 / %2, %3 points")
                                .arg(a.Frame + 1)
                                .arg(scrFrame_->maximum() + 1)
                                .arg(Funktion_Punktzahl(p_.figuren, a.Figur, a.Frame))
                          : QString("no figure"));
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
    cmdUndo_->setEnabled(p_.undo.cmdUndoEnabled);
    cmdRedo_->setEnabled(p_.undo.cmdRedoEnabled);
    cmdPlay_->setText(spielt() ? q(p_.texte.text(kTextStop, "Stop")) : QString("Play"));
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
    if (!geaendert.empty()) titel += QString(" (%1 unsaved)").arg(geaendert.size());
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
        statusBar()->showMessage(jetzt > 0 ? "saved " + q(figurName(p_.figuren, jetzt))
                                           : QString("saved"));
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
    }
    zustandAktualisieren();
}

void Hauptfenster::farbeWaehlen(long index) {
    zeichnung_.farbe = static_cast<std::int32_t>(index);
    modellSpeichern("Optionen_4_FrmHaupt", "farbe", std::to_string(index));
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

void Hauptfenster::closeEvent(QCloseEvent* e) {
    if (!aenderungenSichernFragen(p_.figuren, p_.env, geaenderteFiguren(p_.figuren))) {
        e->ignore();
        zustandAktualisieren();
        return;
    }
    absturzkopie_->stop();
    abspielen(false);
    const QRect r = normalGeometry();
    fensterpositionSpeichern(p_, "frmHaupt",
                             Fensterposition{isMaximized()   ? 3
                                             : isMinimized() ? 2
                                                             : 1,
                                             r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    ausgabe_->close();
    e->accept();
}

} // namespace sw::ui
