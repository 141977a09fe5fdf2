// The main window's menus, its captions in the chosen language and the language choice.

#include "app/Sprache.h"
#include "core/FigurDatei.h"
#include "core/FrameOperationen.h"
#include "core/IldaExport.h"
#include "core/IldaImport.h"
#include "core/Meldungen.h"
#include "core/Ordnerwechsel.h"
#include "ui/Ausgabefenster.h"
#include "ui/Beschriften.h"
#include "ui/EffektTexte.h"
#include "ui/Effektfenster.h"
#include "ui/Farbkorrekturfenster.h"
#include "ui/Figurenansicht.h"
#include "ui/Geraetetafel.h"
#include "ui/Hauptfenster.h"
#include "ui/Hilfe.h"
#include "ui/Hilfetexte.h"
#include "ui/Laserleiste.h"
#include "ui/OptionenTexte.h"
#include "ui/Optionenfenster.h"
#include "ui/LiveBeschriftungen.h"
#include "ui/LiveMenue.h"
#include "ui/ShowMenue.h"
#include "ui/ShowTexte.h"
#include "ui/Ordnerbrowser.h"
#include "ui/QtSprache.h"
#include "ui/Symbole.h"
#include "ui/Textdialog.h"
#include "ui/Thema.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include <tuple>

namespace sw::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The languages the shipped language file holds, by their own names.
const char* const kSprachen[] = {"Deutsch", "English"};

// The icons of the commands, by the commands' names.
const std::pair<const char*, const char*> kSymbole[] = {
    {"cmdNeu", "neu"},
    {"mnuOrdnerLaden", "ordner-oeffnen"},
    {"cmdReload", "neu-laden"},
    {"mnuSpeichern", "speichern"},
    {"mnuSpeichernUnter", "speichern-unter"},
    {"cmdImportIlda", "ilda-import"},
    {"cmdExportIlda", "ilda-export"},
    {"mnuBeenden", "beenden"},
    {"mnuUndo", "rueckgaengig"},
    {"mnuRedo", "wiederholen"},
    {"mnuZoomEinpassen", "einpassen"},
    {"mnuZoom100", "zoom-100"},
    {"mnuZoomGroesser", "zoom-plus"},
    {"mnuZoomKleiner", "zoom-minus"},
    {"mnuErsterFrame", "erster-frame"},
    {"mnuLetzterFrame", "letzter-frame"},
    {"mnuFramesKopieren", "frames-kopieren"},
    {"mnuFramesEinfuegen", "frames-einfuegen"},
    {"mnuFramesLoeschen", "frames-loeschen"},
    {"cmdInsertFrame", "frame-einfuegen"},
    {"mnuMorph", "morph"},
    {"cmdLoadPalette", "palette-laden"},
    {"cmdSavePalette", "palette-speichern"},
    {"cmdNewFarbpalette", "palette-neu"},
    {"mnuTastenkuerzel", "tastatur"},
    {"mnuAnleitung", "hilfe"},
    {"mnuUeber", "info"},
    {"mnuText", "text"},
};

// The commands on the toolbar beside the laser controls.
const char* const kLeiste[] = {"cmdNeu",        "mnuOrdnerLaden", "mnuSpeichern",
                               "cmdImportIlda", "cmdExportIlda",  nullptr,
                               "mnuUndo",       "mnuRedo",        nullptr,
                               "mnuZoomEinpassen", nullptr,
                               "mnuText"};

} // namespace

std::vector<std::pair<QString, QString>> Hauptfenster::leinwandTasten() const {
    auto taste = [](QKeySequence k) { return k.toString(QKeySequence::NativeText); };
    std::vector<std::pair<QString, QString>> liste;
    const QString tasten[] = {
        taste(Qt::Key_Left) + ", " + taste(Qt::Key_Right),
        "R, " + taste(Qt::SHIFT | Qt::Key_R),
        "+, -",
        taste(Qt::Key_Delete),
        taste(Qt::Key_Return),
        taste(Qt::Key_Escape),
        t(text::Mausrad),
        t(text::MittlereTaste)};
    for (int i = 0; i < 8; ++i) liste.emplace_back(tasten[i], t(text::Tasten[i]));
    return liste;
}

QString Hauptfenster::t(const text::Beschriftung& b) const {
    return beschriftung(p_.texte, b);
}

void Hauptfenster::beschriftenMit(std::function<void(const Sprachtexte&)> f) {
    f(p_.texte);
    beschrifter_.push_back(std::move(f));
}

QMenu* Hauptfenster::menue(const char* name, const text::Beschriftung& b) {
    QMenu* m = menuBar()->addMenu(QString());
    m->setObjectName(name);
    beschriftenMit([m, &b](const Sprachtexte& t) { m->setTitle(beschriftung(t, b)); });
    return m;
}

QAction* Hauptfenster::befehl(QMenu* menu, const char* name, const text::Beschriftung& b,
                              std::function<void()> aktion, const QKeySequence& taste) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    if (!taste.isEmpty()) a->setShortcut(taste);
    beschriftenMit([a, &b](const Sprachtexte& t) {
        a->setText(beschriftung(t, b));
        a->setToolTip(mitTaste(ohneKuerzel(beschriftung(t, b)), a->shortcut()));
    });
    connect(a, &QAction::triggered, this, [this, aktion] {
        aktion();
        zustandAktualisieren();
    });
    return a;
}

void Hauptfenster::beschriften() {
    for (const auto& f : beschrifter_) f(p_.texte);
    laserleiste_->beschriften(p_.texte);
    browser_->beschriften(p_.texte);

    ausgabe_->setWindowTitle("Strahlwerk – " + q(p_.texte.text(meldung::AusgabefensterTitel,
                                                               meldung::AusgabefensterTitelText)));
    ausgabe_->beschriften();
    farbfeldAnzeigen();
    frameAnzeigen();
    ordnerMelden();
}

void Hauptfenster::spracheWaehlen(int i) {
    OptLanguage_Click(p_.texte, p_.einstellungen, i, [this, i] {
        qtSpracheSetzen(i);
        beschriften();
    });
}

void Hauptfenster::menusBauen() {
    auto& s = p_.figuren;
    auto& env = p_.env;
    QMenu* datei = menue("mnuDatei", text::Datei);
    befehl(
        datei, "cmdNeu", text::Neu,
        [this] {
            if (!aenderungenSichernFragen(p_.figuren, p_.env, {0})) return;
            cmdNeu_Click(p_.figuren);
            listeAktualisieren();
            frameAnzeigen();
        },
        QKeySequence::New);
    befehl(
        datei, "mnuOrdnerLaden", text::OrdnerOeffnen,
        [this] {
            const QString o = QFileDialog::getExistingDirectory(
                this, ohneKuerzel(t(text::OrdnerOeffnen)), q(p_.figuren.lstDirPfad.string()));
            if (!o.isEmpty()) ordnerZeigen(o.toStdString());
        },
        QKeySequence::Open);
    befehl(
        datei, "cmdReload", text::OrdnerNeuLaden, [this] { ordnerZeigen(p_.figuren.lstDirPfad); },
        QKeySequence(Qt::Key_F5));
    befehl(
        datei, "mnuSpeichern", text::Speichern,
        [this, &s, &env] {
            bool schnell = true;
            speichernUndFolgen([&] { return Speichern(s, env, schnell, ""); });
        },
        QKeySequence::Save);
    befehl(
        datei, "mnuSpeichernUnter", text::SpeichernUnter,
        [this, &s, &env] {
            bool schnell = false;
            speichernUndFolgen([&] { return Speichern(s, env, schnell, ""); });
        },
        QKeySequence::SaveAs);
    datei->addSeparator();
    befehl(
        datei, "cmdImportIlda", text::IldaImport,
        [this] {
            // The import goes into figure 0.
            if (!aenderungenSichernFragen(p_.figuren, p_.env, {0})) return;
            const auto ergebnis =
                cmdImportIlda_Click(p_.figuren, p_.paletten, p_.env, IldaDateiname_);
            if (ergebnis.geoeffnet && ergebnis.frames > 0) alsGeaendertMarkieren(p_.figuren, 0);
            listeAktualisieren();
            frameAnzeigen();
            if (ergebnis.geoeffnet && ergebnis.frames > 0)
                statusBar()->showMessage(ergebnis.frames == 1
                                             ? t(text::FrameImportiert)
                                             : t(text::FramesImportiert).arg(ergebnis.frames));
        },
        QKeySequence(Qt::CTRL | Qt::Key_I));
    befehl(
        datei, "cmdExportIlda", text::IldaExport,
        [this] {
            cmdExportIlda_Click(p_.figuren, p_.paletten, p_.env, IldaDateiname_,
                                checkIldaPalettenFarben_->isChecked());
        },
        QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* textBefehl = befehl(
        datei, "mnuText", textwerkzeugBeschriftung(),
        [this] {
            if (!textWerkzeug(this, p_)) return;
            listeAktualisieren();
            frameAnzeigen();
            figur_->einpassen();
        },
        QKeySequence(Qt::CTRL | Qt::Key_T));
    beschriftenMit([textBefehl](const Sprachtexte& t) {
        textBefehl->setToolTip(mitTaste(textwerkzeugHilfe(t), textBefehl->shortcut()));
    });
    datei->addSeparator();
    befehl(
        datei, "mnuBeenden", text::Beenden, [this] { close(); }, QKeySequence::Quit);

    QMenu* bearbeiten = menue("mnuBearbeiten", text::Bearbeiten);
    mnuUndo_ = befehl(
        bearbeiten, "mnuUndo", text::Rueckgaengig,
        [this] {
            cmdUndo_Click(p_.figuren, p_.undo, p_.env);
            geaendert();
        },
        QKeySequence::Undo);
    mnuRedo_ = befehl(
        bearbeiten, "mnuRedo", text::Wiederholen,
        [this] {
            cmdRedo_Click(p_.figuren, p_.undo, p_.env);
            geaendert();
        },
        QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu* ansicht = menue("mnuAnsicht", text::Ansicht);
    befehl(
        ansicht, "mnuZoomEinpassen", text::Einpassen, [this] { figur_->einpassen(); },
        QKeySequence(Qt::CTRL | Qt::Key_0));
    befehl(
        ansicht, "mnuZoom100", text::Zoom100, [this] { figur_->hundertProzent(); },
        QKeySequence(Qt::CTRL | Qt::Key_1));
    befehl(
        ansicht, "mnuZoomGroesser", text::Groesser, [this] { figur_->zoomen(1.25); },
        QKeySequence::ZoomIn);
    befehl(
        ansicht, "mnuZoomKleiner", text::Kleiner, [this] { figur_->zoomen(0.8); },
        QKeySequence::ZoomOut);
    ansicht->addSeparator();
    QMenu* sprachen = ansicht->addMenu(QString());
    sprachen->setObjectName("mnuSprache");
    beschriftenMit(
        [sprachen](const Sprachtexte& t) { sprachen->setTitle(beschriftung(t, text::Sprache)); });
    auto* sprachgruppe = new QActionGroup(this);
    for (int i = 0; i < static_cast<int>(std::size(kSprachen)); ++i) {
        QAction* a = sprachen->addAction(kSprachen[i]);
        a->setObjectName(QString("OptLanguage(%1)").arg(i));
        a->setCheckable(true);
        a->setChecked(p_.texte.Sprache == i);
        sprachgruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { spracheWaehlen(i); });
    }

    QMenu* design = ansicht->addMenu(QString());
    design->setObjectName("mnuDesign");
    beschriftenMit(
        [design](const Sprachtexte& t) { design->setTitle(beschriftung(t, text::Design)); });
    symbolSetzen(design->menuAction(), "thema");
    auto* designgruppe = new QActionGroup(this);
    for (auto [thema, name, nummer, englisch] :
         {std::tuple{Thema::Hell, "mnuThemaHell", meldung::ThemaHell, meldung::ThemaHellText},
          std::tuple{Thema::Dunkel, "mnuThemaDunkel", meldung::ThemaDunkel,
                     meldung::ThemaDunkelText}}) {
        QAction* a = design->addAction(QString());
        a->setObjectName(name);
        a->setCheckable(true);
        a->setChecked(aktuellesThema() == thema);
        designgruppe->addAction(a);
        beschriftenMit([a, nummer = nummer, englisch = englisch](const Sprachtexte& t) {
            a->setText(QString::fromStdString(t.text(nummer, englisch)));
        });
        connect(a, &QAction::triggered, this, [this, thema = thema] {
            themaSetzen(*qApp, thema);
            themaSpeichern(p_.einstellungen, thema);
        });
    }

    QMenu* frames = menue("mnuFrames", text::Frames);
    auto& f = p_.frames;
    befehl(
        frames, "mnuErsterFrame", text::ErsterFrame, [this] { scrFrame_->setValue(0); },
        QKeySequence(Qt::Key_Home));
    befehl(
        frames, "mnuLetzterFrame", text::LetzterFrame,
        [this] { scrFrame_->setValue(scrFrame_->maximum()); }, QKeySequence(Qt::Key_End));
    frames->addSeparator();
    befehl(
        frames, "mnuFramesKopieren", text::FramesKopieren,
        [&s, &f, &env] { FramesKopieren(s, f, env); }, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    befehl(
        frames, "mnuFramesEinfuegen", text::FramesEinfuegen,
        [this, &s, &f, &env] {
            Frames_Einfuegen(s, f, env);
            geaendert();
        },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    befehl(frames, "mnuFramesAddieren", text::FramesAddieren, [this, &s, &f, &env] {
        FramesDazuAddieren(s, f, env);
        geaendert();
    });
    befehl(
        frames, "mnuFramesLoeschen", text::FramesLoeschen,
        [this, &s, &f, &env] {
            FramesLoeschen(s, f, env);
            geaendert();
        },
        QKeySequence(Qt::CTRL | Qt::Key_Delete));
    befehl(
        frames, "cmdInsertFrame", text::FrameEinfuegen,
        [this, &s, &env] {
            cmdInsertFrame_Click(s, env);
            geaendert();
        },
        QKeySequence(Qt::Key_Insert));
    befehl(frames, "mnuJedenZweiten", text::JedenZweiten, [this, &s, &f, &env] {
        JedenZweitenFrameVerwerfen(s, f, env);
        geaendert();
    });
    befehl(frames, "mnuMorph", text::Morph, [this, &s, &f, &env] {
        auto antwort = env.dialoge.eingabe(t(text::FramesDazwischen).toStdString(), "10");
        if (!antwort) return;
        Morph(s, env, f.MarkierungVon, f.MarkierungBis, std::atol(antwort->c_str()));
        geaendert();
    });
    befehl(frames, "mnuAutoMorph", text::AutoMorph, [this, &s, &env] {
        AutoMorph(s, env);
        geaendert();
    });

    QMenu* palette = menue("mnuPalette", text::Palette);
    befehl(palette, "cmdLoadPalette", text::PaletteLaden, [this] {
        DateiAuswahl a;
        a.filter = "QV-Palette (*.qvp)|*.qvp";
        const std::string name = p_.env.dialoge.dateiOeffnen(a);
        if (name.empty()) return;
        farbtabelleWechseln([this, name] {
            p_.paletten.Palettendatei = name;
            FarbpaletteLaden(p_.paletten, p_.env);
        });
    });
    befehl(palette, "cmdSavePalette", text::PaletteSpeichern, [this] {
        DateiAuswahl a;
        a.filter = "*.qvp(QV Palette)|*.qvp";
        const std::string name = p_.env.dialoge.dateiSpeichern(a);
        if (name.empty()) return;
        p_.paletten.Palettendatei = name;
        FarbpaletteSpeichern(p_.paletten, p_.env);
    });
    befehl(palette, "cmdNewFarbpalette", text::PaletteNeu,
           [this] { farbtabelleWechseln([this] { cmdNewFarbpalette_Click(p_.paletten); }); });
    befehl(palette, "mnuPangolinFarbtabelleLaden", text::IldaFarbtabelle, [this] {
        farbtabelleWechseln([this] {
            mnuPangolinFarbtabelleLaden_Click(p_.paletten, p_.env, p_.pfade.Programmordner);
        });
    });
    befehl(palette, "mnuAltePalette", text::AlteFarbtabelle,
           [this] { farbtabelleWechseln([this] { alte_PaletteErstellen(p_.paletten); }); });

    liveMenueBauen(*this, p_, menue("mnuLive", livetext::Menue),
                   [this](auto f) { beschriftenMit(std::move(f)); });
    showMenueBauen(*this, p_, menue("mnuShow", showtext::Menue),
                   [this](auto f) { beschriftenMit(std::move(f)); });

    QMenu* hilfe = menue("mnuHilfe", text::Hilfe);
    befehl(
        hilfe, "mnuTastenkuerzel", text::Tastenkuerzel,
        [this] { tastenkuerzelZeigen(this, *this, p_.texte, leinwandTasten()); },
        QKeySequence(Qt::CTRL | Qt::Key_F1));
    befehl(
        hilfe, "mnuAnleitung", text::Anleitung, [this] { anleitungZeigen(this, p_.texte); },
        QKeySequence::HelpContents);
    befehl(hilfe, "mnuUeber", text::Ueber, [this] { ueberZeigen(this, p_.texte); });

    // The options window, in a menu of its own before Help.
    QMenu* extras = new QMenu(this);
    extras->setObjectName("mnuExtras");
    menuBar()->insertMenu(hilfe->menuAction(), extras);
    QAction* optionen = extras->addAction(QString());
    optionen->setObjectName("mnuOptionen");
    optionen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    symbolSetzen(optionen, "geraete");
    beschriftenMit([extras, optionen](const Sprachtexte& t) {
        extras->setTitle(beschriftung(t, text::optionen::Extras));
        optionen->setText(beschriftungTeil(t, text::optionen::Menue, 0));
        optionen->setToolTip(
            mitTaste(beschriftungTeil(t, text::optionen::Menue, 1), optionen->shortcut()));
    });
    connect(optionen, &QAction::triggered, this, [this] {
        Optionenfenster* f = optionenZeigen(this, p_);
        f->sprachwahl = [this](int i) { spracheWaehlen(i); };
    });

    for (auto [name, symbolName] : kSymbole)
        if (auto* a = findChild<QAction*>(name)) symbolSetzen(a, symbolName);

    // The file commands, undo and fit on a toolbar of icons; their tool texts name the keys.
    auto* leiste = addToolBar(QString());
    leiste->setObjectName("tbDatei");
    leiste->setMovable(false);
    leiste->toggleViewAction()->setEnabled(false);
    for (const char* name : kLeiste) {
        if (!name)
            leiste->addSeparator();
        else
            leiste->addAction(findChild<QAction*>(name));
    }

    // Arrow keys step through the frames.
    for (auto [taste, schritt] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_Right, 1}}) {
        auto* k = new QShortcut(QKeySequence(taste), this);
        connect(k, &QShortcut::activated, this,
                [this, schritt = schritt] { scrFrame_->setValue(scrFrame_->value() + schritt); });
    }

    // The output tool windows, made when first opened; before the help menu.
    QMenu* werkzeuge = menue("mnuAusgabe", effekttext::MenueAusgabe);
    menuBar()->removeAction(werkzeuge->menuAction());
    menuBar()->insertMenu(hilfe->menuAction(), werkzeuge);
    auto oeffnen = [this](const char* name, auto machen) {
        QWidget* w = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (!w) w = machen();
        w->show();
        w->raise();
        w->activateWindow();
    };
    befehl(werkzeuge, "mnuEffekte", effekttext::MenueEffekte, [this, oeffnen] {
        oeffnen("frmEffekts", [this] {
            auto* w = new Effektfenster(p_, this);
            w->figurGeaendert = [this] { figurGeaendert(); };
            return w;
        });
    });
    befehl(werkzeuge, "mnuFarbkorrektur", effekttext::MenueFarbkorrektur, [this, oeffnen] {
        oeffnen("frmFarbkorrektur", [this] { return new Farbkorrekturfenster(p_, this); });
    });
    beschriftenMit([this, werkzeuge](const Sprachtexte& t) {
        for (QAction* a : werkzeuge->actions())
            a->setToolTip(beschriftung(t, a->objectName() == "mnuEffekte"
                                              ? effekttext::MenueEffekteHilfe
                                              : effekttext::MenueFarbkorrekturHilfe));
        if (auto* w = findChild<QWidget*>("frmEffekts", Qt::FindDirectChildrenOnly))
            static_cast<Effektfenster*>(w)->beschriften();
        if (auto* w = findChild<QWidget*>("frmFarbkorrektur", Qt::FindDirectChildrenOnly))
            static_cast<Farbkorrekturfenster*>(w)->beschriften();
    });
    // Open tool windows keep their settings and place when the program ends.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        for (const char* name : {"frmEffekts", "frmFarbkorrektur"})
            if (auto* w = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
                if (w->isVisible()) w->close();
    });
}

} // namespace sw::ui
