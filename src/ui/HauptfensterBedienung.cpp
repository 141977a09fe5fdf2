// The controls around the canvas: the drawing tools, the grid, the palette with the drawing
// colour and the favourites, the frame rate and play mode, play, simulation, undo and redo.

#include "core/Undo.h"
#include "ui/Ausgabefenster.h"
#include "ui/Beschriften.h"
#include "ui/Figurenansicht.h"
#include "ui/Hauptfenster.h"
#include "ui/Palettenansicht.h"
#include "ui/Symbole.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw::ui {

namespace {

struct Werkzeugknopf {
    const char* name;
    const char* symbol;
    Werkzeug werkzeug;
    Qt::Key taste;
};

// In the order of their captions in the language table.
const Werkzeugknopf kWerkzeuge[12] = {
    {"optHand", "werkzeug-hand", Werkzeug::Hand, Qt::Key_H},
    {"optPunkt", "werkzeug-punkt", Werkzeug::Punkt, Qt::Key_P},
    {"optLinie", "werkzeug-linie", Werkzeug::Linie, Qt::Key_L},
    {"optPolylinie", "werkzeug-polylinie", Werkzeug::Polylinie, Qt::Key_Y},
    {"optPolygon", "werkzeug-polygon", Werkzeug::Polygon, Qt::Key_G},
    {"optRechteck", "werkzeug-rechteck", Werkzeug::Rechteck, Qt::Key_U},
    {"optEllipse", "werkzeug-ellipse", Werkzeug::Ellipse, Qt::Key_O},
    {"optFreihand", "werkzeug-freihand", Werkzeug::Freihand, Qt::Key_F},
    {"optRadierer", "werkzeug-radierer", Werkzeug::Radierer, Qt::Key_E},
    {"optPipette", "werkzeug-pipette", Werkzeug::Pipette, Qt::Key_I},
    {"optMarkieren", "werkzeug-auswahl", Werkzeug::Auswahl, Qt::Key_S},
    {"optZoom", "werkzeug-zoom", Werkzeug::Zoom, Qt::Key_Z},
};

} // namespace

QWidget* Hauptfenster::werkzeugleisteBauen() {
    auto* leiste = new QWidget;
    auto* layout = new QHBoxLayout(leiste);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* gruppe = new QButtonGroup(leiste);
    for (int i = 0; i < 12; ++i) {
        const auto& w = kWerkzeuge[i];
        auto* b = new QToolButton;
        b->setObjectName(w.name);
        symbolSetzen(b, w.symbol);
        b->setIconSize(QSize(22, 22));
        b->setCheckable(true);
        b->setAutoRaise(true);
        gruppe->addButton(b);
        layout->addWidget(b);
        beschriftenMit([b, i](const Sprachtexte& t) {
            // A button's text sets its key from its "&" mark, so the tool key follows it.
            b->setText(beschriftung(t, text::WerkzeugNamen[i]));
            b->setShortcut(QKeySequence(kWerkzeuge[i].taste));
            b->setToolTip(mitTaste(beschriftung(t, text::WerkzeugHilfen[i]), b->shortcut()));
        });
        const Werkzeug werkzeug = w.werkzeug;
        connect(b, &QToolButton::toggled, this, [this, werkzeug](bool an) {
            if (!an) return;
            if (zeichnung_.zugOffen) zugBeenden(p_.figuren, zeichnung_);
            zeichnung_.werkzeug = werkzeug;
        });
        if (w.werkzeug == Werkzeug::Hand) b->setChecked(true);
    }
    checkRaster_ = new QCheckBox;
    checkRaster_->setObjectName("checkRaster");
    auto* txtRaster = new QSpinBox;
    txtRaster->setObjectName("txtRaster");
    txtRaster->setRange(1, 8192);
    txtRaster->setValue(
        std::max(1, std::atoi(p_.modell.text("Optionen_4_FrmHaupt", "txtRaster.Text").c_str())));
    zeichnung_.raster = txtRaster->value();
    beschriftenMit([this, txtRaster](const Sprachtexte& t) {
        checkRaster_->setText(beschriftung(t, text::Raster));
        checkRaster_->setToolTip(beschriftung(t, text::RasterHilfe));
        txtRaster->setToolTip(checkRaster_->toolTip());
    });
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
    palette_->gewaehlt = [this](long i) { farbeWaehlen(i); };
    layout->addWidget(palette_, 0, Qt::AlignHCenter);
    auto* achsen = new QHBoxLayout;
    auto* achsGruppe = new QButtonGroup(spalte);
    for (int i = 1; i <= 3; ++i) {
        auto* b = new QRadioButton;
        b->setObjectName(QString("OptFarbAchse(%1)").arg(i));
        b->setChecked(p_.paletten.OptFarbAchse == i);
        achsGruppe->addButton(b, i);
        achsen->addWidget(b);
        beschriftenMit([b, i](const Sprachtexte& t) {
            b->setText(beschriftung(t, text::Achsen[i - 1]));
            b->setToolTip(beschriftung(t, text::AchsenHilfe));
        });
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

    // The drawing colour: a swatch with its index.
    farbfeld_ = new QLabel;
    farbfeld_->setObjectName("picZeichenfarbe");
    farbfeldText_ = new QLabel;
    farbfeldText_->setObjectName("lblZeichenfarbe");
    auto* farbzeile = new QHBoxLayout;
    farbzeile->addWidget(farbfeld_);
    farbzeile->addWidget(farbfeldText_, 1);
    layout->addLayout(farbzeile);

    auto* favoriten = new QGridLayout;
    favoriten->setSpacing(2);
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

    auto* tempo = new QGroupBox;
    auto* tempoLayout = new QGridLayout(tempo);
    command1_ = new QPushButton;
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
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton;
        b->setObjectName(QString("optFramelauf(%1)").arg(i));
        optFramelauf_->addButton(b, i);
        tempoLayout->addWidget(b, 1, i);
        beschriftenMit(
            [b, i](const Sprachtexte& t) { b->setText(beschriftung(t, text::Laufrichtungen[i])); });
    }
    connect(optFramelauf_, &QButtonGroup::idToggled, this, [this](int i, bool an) {
        const long f = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
        if (an && !aktualisiert_ && p_.figuren.Figuren.enthaelt(f)) {
            p_.figuren.Figuren[f].Parameter[parameter::Abspielart] = i;
            figurGeaendert();
        }
    });
    checkFrameRepeat_ = new QCheckBox;
    checkFrameRepeat_->setObjectName("CheckFrameRepeat");
    connect(checkFrameRepeat_, &QCheckBox::toggled, this, [this](bool an) {
        const long f = p_.figuren.SpurAuswahl[p_.figuren.EditorSpur].Figur;
        if (!aktualisiert_ && p_.figuren.Figuren.enthaelt(f)) {
            p_.figuren.Figuren[f].Parameter[parameter::EinmalAbspielen] = an ? 0 : 1;
            figurGeaendert();
        }
    });
    tempoLayout->addWidget(checkFrameRepeat_, 2, 0, 1, 3);
    layout->addWidget(tempo);
    beschriftenMit([this, tempo](const Sprachtexte& t) {
        tempo->setTitle(beschriftung(t, text::Framerate));
        command1_->setToolTip(beschriftung(t, text::EinheitHilfe));
        txtFPS_->setToolTip(command1_->toolTip());
        checkFrameRepeat_->setText(beschriftung(t, text::Wiederholung));
        checkFrameRepeat_->setToolTip(beschriftung(t, text::WiederholungHilfe));
    });

    checkIldaPalettenFarben_ = new QCheckBox;
    checkIldaPalettenFarben_->setObjectName("IldaPalettenFarben");
    layout->addWidget(checkIldaPalettenFarben_);
    beschriftenMit([this](const Sprachtexte& t) {
        checkIldaPalettenFarben_->setText(beschriftung(t, text::IldaPalettenFarben));
        checkIldaPalettenFarben_->setToolTip(beschriftung(t, text::IldaPalettenFarbenHilfe));
    });

    auto* knoepfe = new QGridLayout;
    cmdPlay_ = new QPushButton;
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
    cmdSimulation_ = new QPushButton;
    cmdSimulation_->setObjectName("cmdSimulation");
    symbolSetzen(cmdSimulation_, "simulation");
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
    cmdUndo_ = new QPushButton;
    cmdUndo_->setObjectName("cmdUndo");
    symbolSetzen(cmdUndo_, "rueckgaengig");
    cmdRedo_ = new QPushButton;
    cmdRedo_->setObjectName("cmdRedo");
    symbolSetzen(cmdRedo_, "wiederholen");
    // The buttons do what the menu commands do.
    connect(cmdUndo_, &QPushButton::clicked, mnuUndo_, &QAction::trigger);
    connect(cmdRedo_, &QPushButton::clicked, mnuRedo_, &QAction::trigger);
    beschriftenMit([this](const Sprachtexte& t) {
        cmdPlay_->setToolTip(beschriftung(t, text::AbspielenHilfe));
        cmdSimulation_->setText(beschriftung(t, text::Simulation));
        cmdSimulation_->setToolTip(beschriftung(t, text::SimulationHilfe));
        cmdUndo_->setText(ohneKuerzel(beschriftung(t, text::Rueckgaengig)));
        cmdUndo_->setToolTip(mnuUndo_->toolTip());
        cmdRedo_->setText(ohneKuerzel(beschriftung(t, text::Wiederholen)));
        cmdRedo_->setToolTip(mnuRedo_->toolTip());
    });
    knoepfe->addWidget(cmdPlay_, 0, 0);
    knoepfe->addWidget(cmdSimulation_, 0, 1);
    knoepfe->addWidget(cmdUndo_, 1, 0);
    knoepfe->addWidget(cmdRedo_, 1, 1);
    layout->addLayout(knoepfe);
    layout->addStretch(1);
    return spalte;
}

void Hauptfenster::farbfeldAnzeigen() {
    palette_->markiert = zeichnung_.farbe;
    palette_->update();
    const RGB& c = p_.paletten.farbe(zeichnung_.farbe);
    const QColor farbe(static_cast<int>(c.R), static_cast<int>(c.G), static_cast<int>(c.B));
    // The swatch framed in black and white, so that it shows on every background.
    const int seite = farbfeld_->fontMetrics().height();
    QPixmap feld(seite * 2, seite);
    feld.fill(Qt::black);
    QPainter g(&feld);
    g.fillRect(feld.rect().adjusted(1, 1, -1, -1), Qt::white);
    g.fillRect(feld.rect().adjusted(2, 2, -2, -2), farbe);
    g.end();
    farbfeld_->setPixmap(feld);
    farbfeldText_->setText(t(text::Zeichenfarbe).arg(zeichnung_.farbe));
    farbfeld_->setToolTip(t(text::ZeichenfarbeHilfe)
                              .arg(zeichnung_.farbe)
                              .arg(farbe.red())
                              .arg(farbe.green())
                              .arg(farbe.blue()));
    farbfeldText_->setToolTip(farbfeld_->toolTip());
}

} // namespace sw::ui
