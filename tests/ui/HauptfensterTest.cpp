#include "ui/Hauptfenster.h"
#include "../core/IldaBauer.h"
#include "Fenster.h"
#include "core/Absturzkopien.h"
#include "core/FigurDatei.h"
#include "core/QvbFormat.h"
#include "ui/Ausgabefenster.h"
#include "ui/Figurenansicht.h"
#include "ui/Palettenansicht.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace sw;
namespace fs = std::filesystem;

namespace {

using test::Fenster;

std::string figurMit(std::int16_t x) {
    Figur f;
    f.Frames[0].Punkte.push_back(Punkt{x, 0, 4095, 4});
    return qvbKodieren(f);
}

// Draws a line with the line tool into the figure on the editor track.
void linieZiehen(Fenster& t) {
    QTest::mouseClick(t.kind<QAbstractButton>("optLinie"), Qt::LeftButton);
    auto* leinwand = t.kind<ui::Figurenansicht>("picFigur");
    const QPoint a = leinwand->nachWidget(-10000, -10000).toPoint();
    const QPoint b = leinwand->nachWidget(10000, 10000).toPoint();
    QTest::mousePress(leinwand, Qt::LeftButton, {}, a);
    QTest::mouseMove(leinwand, b);
    QTest::mouseRelease(leinwand, Qt::LeftButton, {}, b);
}

// Waits up to 5 s for the condition while the window handles its events.
bool bisDass(const std::function<bool()>& bedingung) {
    return test::warteBis(
        [&] {
            QApplication::processEvents();
            return bedingung();
        },
        5);
}

QStringList eintraege(const QListWidget* liste) {
    QStringList e;
    for (int i = 0; i < liste->count(); ++i) e << liste->item(i)->text();
    return e;
}

struct Malzaehler : QObject {
    int malen = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++malen;
        return false;
    }
};

} // namespace

TEST(Hauptfenster, ListDrawUndoRedoSaveReload) {
    Fenster t([](const fs::path& o) {
        test::schreibeDatei(o / "b.qvb", figurMit(3));
        test::schreibeDatei(o / "a.qvb", figurMit(2));
        test::schreibeDatei(o / "B.qvb", figurMit(1));
    });
    auto* liste = t.kind<QListWidget>("lstFiguren");
    const QStringList namen = {"***Figur 0***", "B.qvb", "a.qvb", "b.qvb"};
    EXPECT_EQ(eintraege(liste), namen);

    liste->setCurrentRow(2);
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Figur, 2);
    const Figur vorher = t.figur(2);

    linieZiehen(t);
    const auto& punkte = t.figur(2).Frames[0].Punkte;
    ASSERT_EQ(punkte.size(), vorher.Frames[0].Punkte.size() + 2);
    EXPECT_EQ(punkte[punkte.size() - 2].Status, status::Sprung);
    EXPECT_EQ(punkte.back().Status, 3);
    EXPECT_NEAR(punkte.back().X, 10000, 200);
    const Figur gezeichnet = t.figur(2);

    auto* undo = t.kind<QPushButton>("cmdUndo");
    auto* redo = t.kind<QPushButton>("cmdRedo");
    // The menu commands are enabled exactly when the buttons are.
    auto gleich = [&] {
        EXPECT_EQ(t.kind<QAction>("mnuUndo")->isEnabled(), undo->isEnabled());
        EXPECT_EQ(t.kind<QAction>("mnuRedo")->isEnabled(), redo->isEnabled());
    };
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    gleich();
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_TRUE(t.figur(2).Frames == vorher.Frames);
    ASSERT_TRUE(redo->isEnabled());
    gleich();
    t.ausloesen("mnuRedo");
    EXPECT_TRUE(t.figur(2).Frames == gezeichnet.Frames);
    gleich();

    t.ausloesen("mnuSpeichern");
    ASSERT_TRUE(t.s.dialoge.meldungen.empty()) << t.s.dialoge.meldungen.front();
    EXPECT_EQ(t.w->statusBar()->currentMessage(), "saved a.qvb");
    t.ausloesen("cmdReload");
    EXPECT_EQ(eintraege(liste), namen);
    EXPECT_TRUE(t.figur(2).Frames == gezeichnet.Frames);
    auto datei = qvbDekodieren(test::leseDatei(t.s.tmp / "figuren" / "a.qvb"));
    ASSERT_TRUE(datei);
    EXPECT_TRUE(datei->figur.Frames == gezeichnet.Frames);
}

TEST(Hauptfenster, ImportAndExportIlda) {
    Fenster t;
    test::IldaBauer b;
    b.kopf(5, 3, 0, 1)
        .p5(0, 0, 64, 0, 0, 0)
        .p5(1000, 2000, 0, 255, 0, 0)
        .p5(-1000, 2000, 128, 0, 0, 255);
    test::schreibeDatei(t.s.tmp / "in.ild", b.bytes);
    t.s.dialoge.dateinamen = {(t.s.tmp / "in.ild").string()};
    t.ausloesen("cmdImportIlda");
    ASSERT_EQ(t.figur(0).Frames.size(), 1u);
    EXPECT_EQ(t.figur(0).Frames[0].Punkte.size(), 3u);
    EXPECT_EQ(t.w->statusBar()->currentMessage(), "imported 1 frame");
    t.s.dialoge.dateinamen = {(t.s.tmp / "aus").string()};
    t.ausloesen("cmdExportIlda");
    EXPECT_EQ(test::leseDatei(t.s.tmp / "aus.ild").size(), 32u + 3 * 8 + 32);
}

TEST(Hauptfenster, PlaysTheSimulationAndStaysResponsive) {
    Fenster t([](const fs::path& o) {
        test::schreibeDatei(o / "s.qvb",
                            test::leseDatei(fs::path(STRAHLWERK_DATA_DIR) / "Demo" / "Welle.qvb"));
    });
    t.w->figurWaehlen(1);
    auto* vorschau = t.w->ausgabe();
    EXPECT_FALSE(vorschau->isVisible());
    // Ticking the simulation plays it in the preview, on a Virtual Device put on device 0.
    auto* simulation = t.kind<QPushButton>("cmdSimulation");
    QTest::mouseClick(simulation, Qt::LeftButton);
    auto* play = t.kind<QPushButton>("cmdPlay");
    ASSERT_TRUE(t.w->spielt());
    EXPECT_TRUE(vorschau->isVisible());
    EXPECT_TRUE(t.w->screen()->availableGeometry().contains(vorschau->frameGeometry()));
    EXPECT_EQ(t.p->geraete.eintrag(0).Anzeigename, "Virtual Device");
    EXPECT_EQ(play->text(), "Stop");
    // Window events are handled between the passes while the show plays.
    bool behandelt = false;
    QTimer::singleShot(30, [&] { behandelt = true; });
    const int framesVorher = t.p->figuren.SpurAuswahl[0].Frame;
    for (int i = 0; i < 40 && !(behandelt && vorschau->punkte() > 0); ++i) QTest::qWait(10);
    EXPECT_TRUE(behandelt);
    EXPECT_GT(vorschau->punkte(), 10);
    QTest::qWait(120);
    EXPECT_NE(t.p->figuren.SpurAuswahl[0].Frame, framesVorher); // the frame clock runs
    // The frame counter follows, counting from 1.
    EXPECT_TRUE(t.kind<QLabel>("lblFrame")
                    ->text()
                    .startsWith(QString("Frame %1 /").arg(t.p->figuren.SpurAuswahl[0].Frame + 1)));
    // Stop blanks the preview and takes the Virtual Device off again.
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_FALSE(t.w->spielt());
    EXPECT_EQ(play->text(), "Play");
    EXPECT_EQ(vorschau->punkte(), 0);
    EXPECT_EQ(t.p->geraete.eintrag(0).Anzeigename, "No Device");
    EXPECT_EQ(t.p->ausgabe->Geraetetyp[0], geraetetyp::KeinGeraet);
    EXPECT_FALSE(simulation->isChecked()); // the button shows that nothing runs

    // Play is normal playback: the simulation is cleared and the preview, if closed, opens.
    vorschau->close();
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(t.w->spielt());
    EXPECT_FALSE(simulation->isChecked());
    EXPECT_FALSE(t.p->ausgabe->Simulationsmodus);
    EXPECT_TRUE(vorschau->isVisible());
    EXPECT_EQ(t.p->geraete.eintrag(0).Anzeigename, "No Device");
    // Unticking the simulation hides the preview.
    simulation->setChecked(true);
    EXPECT_TRUE(vorschau->isVisible());
    simulation->setChecked(false);
    EXPECT_FALSE(vorschau->isVisible());
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_FALSE(t.w->spielt());
}

TEST(Hauptfenster, PreviewOpensBesideTheWindowFullyOnTheScreen) {
    const QRect schirm(0, 0, 1920, 1040);
    const QSize g(420, 420);
    using ui::Ausgabefenster;
    // Right of the window when it fits, else left of it.
    EXPECT_EQ(Ausgabefenster::nebenPlatz(QRect(100, 50, 1000, 700), g, schirm),
              QRect(QPoint(1100, 50), g));
    EXPECT_EQ(Ausgabefenster::nebenPlatz(QRect(600, 50, 1000, 700), g, schirm),
              QRect(QPoint(180, 50), g));
    // Else overlapping the window, never past the screen's edges, and at most screen-sized.
    const QRect voll = Ausgabefenster::nebenPlatz(QRect(0, 800, 1920, 700), g, schirm);
    EXPECT_TRUE(schirm.contains(voll));
    EXPECT_EQ(voll.size(), g);
    EXPECT_EQ(voll.right(), 1919);
    const QRect klein =
        Ausgabefenster::nebenPlatz(QRect(0, 0, 300, 300), QSize(800, 2000), QRect(0, 0, 1024, 768));
    EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(klein));
}

// The drawing colour, the colour axis, the scroll bars and the panels' sizes are stored and
// come back with the next window; a damaged entry keeps the default layout.
TEST(Hauptfenster, StoresItsSettingsAndTheDrawingColour) {
    Fenster t;
    EXPECT_EQ(t.w->zeichnung().farbe, 4095);
    // The class has no meta object of its own: the name alone finds it.
    static_cast<ui::Palettenansicht*>(t.kind<QWidget>("picPalette"))->gewaehlt(37);
    EXPECT_EQ(t.w->zeichnung().farbe, 37);
    QTest::mouseClick(t.kind<QAbstractButton>("OptFarbAchse(2)"), Qt::LeftButton);
    EXPECT_EQ(t.p->paletten.OptFarbAchse, 2);
    t.kind<QScrollBar>("scrFarbe3")->setValue(7);
    t.ausloesen("cmdReload");
    const std::string ini = t.p->einstellungen.IniPfad;
    auto lesen = [&](const char* abschnitt, const char* schluessel) {
        return t.p->einstellungen.ini().lesen(ini, abschnitt, schluessel).value_or("(absent)");
    };
    EXPECT_NE(lesen("Optionen_4_FrmHaupt", "farbe"), "(absent)");
    EXPECT_EQ(lesen("Optionen_4_FrmHaupt", "OptFarbAchse(2).Value"), "-10000");
    EXPECT_EQ(lesen("Optionen_4_FrmHaupt", "OptFarbAchse(1).Value"), "0");
    EXPECT_EQ(lesen("Optionen_4_FrmHaupt", "scrFarbe3.Value"), "70000");
    EXPECT_EQ(lesen("StandardPfade", "StartPfad0"), (t.s.tmp / "figuren").string());
    auto* haupt = t.kind<QSplitter>("splHaupt");
    haupt->setSizes({150, 500, 300});
    const QList<int> groessen = haupt->sizes();
    t.w->close();
    EXPECT_NE(lesen("Fensterposition", "frmHaupt.WPM.showCmd"), "(absent)");
    EXPECT_NE(lesen("Fensterposition", "frmHaupt.Aufteilung"), "(absent)");
    // The colour comes from the settings store, not from what the model holds.
    t.p->modell.setzen("Optionen_4_FrmHaupt", "farbe", "1");
    t.p->modell.abschnittLaden(t.p->einstellungen, "Optionen_4_FrmHaupt");
    t.w = std::make_unique<ui::Hauptfenster>(*t.p);
    t.w->show();
    EXPECT_EQ(t.kind<QSplitter>("splHaupt")->sizes(), groessen);
    EXPECT_EQ(t.w->zeichnung().farbe, 37);
    // The swatch and the palette show the restored colour.
    EXPECT_EQ(t.kind<QLabel>("lblZeichenfarbe")->text(), "Colour 37");
    EXPECT_EQ(static_cast<ui::Palettenansicht*>(t.kind<QWidget>("picPalette"))->markiert, 37);
    t.w->close();
    t.p->einstellungen.textSchreiben("Fensterposition", "frmHaupt.Aufteilung", "9,x;-4");
    t.w = std::make_unique<ui::Hauptfenster>(*t.p);
    EXPECT_GT(t.kind<QSplitter>("splHaupt")->sizes()[1], 0);
}

// The window fits a 1366 x 768 screen with the right column whole, and its controls still fit
// that screen at 150 % (911 x 512 logical pixels), the side panels scrolling.
TEST(Hauptfenster, FitsA1366x768ScreenAndLargeScalings) {
    Fenster t;
    const QSize minimum = t.w->minimumSizeHint();
    EXPECT_LE(minimum.width(), 911);
    EXPECT_LE(minimum.height(), 512);
    t.w->resize(1366, 740);
    QTest::qWait(20);
    auto* rechts = t.kind<QScrollArea>("rechteSpalte");
    EXPECT_GE(rechts->viewport()->width(), rechts->widget()->minimumSizeHint().width());
    EXPECT_GE(t.kind<ui::Figurenansicht>("picFigur")->width(), 480);
}

// Every caption comes from the language table and changes with the language; every control
// explains itself, and the tool texts name the keys.
TEST(Hauptfenster, SpeaksTheChosenLanguageAndNamesEveryKey) {
    Fenster t;
    auto* datei = t.kind<QMenu>("mnuDatei");
    auto* play = t.kind<QPushButton>("cmdPlay");
    auto* linie = t.kind<QAbstractButton>("optLinie");
    EXPECT_EQ(datei->title(), "&File");
    EXPECT_EQ(play->text(), "Play");
    EXPECT_EQ(linie->text(), "Line");
    EXPECT_TRUE(linie->toolTip().endsWith("(L)")) << linie->toolTip().toStdString();
    EXPECT_EQ(t.kind<QAction>("mnuSpeichern")->toolTip(), "Save (Ctrl+S)");

    t.kind<QAction>("OptLanguage(0)")->trigger();
    EXPECT_EQ(t.p->texte.Sprache, 0);
    EXPECT_EQ(datei->title(), "&Datei");
    EXPECT_EQ(play->text(), "Abspielen");
    EXPECT_EQ(linie->text(), "Linie");
    EXPECT_TRUE(t.kind<QLabel>("lblFrame")->text().startsWith("keine Figur"));
    EXPECT_TRUE(t.w->statusBar()->currentMessage().endsWith("0 Figuren"));
    // Qt's own buttons speak it too.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    const std::string ini = t.p->einstellungen.IniPfad;
    EXPECT_EQ(t.p->einstellungen.ini()
                  .lesen(ini, "Optionen_SonstigeSettings", "formOptionen.OptLanguage(0).Value")
                  .value_or(""),
              "-10000");
    // Every named control and every menu command has a caption or a tool text.
    for (auto* b : t.w->findChildren<QAbstractButton*>()) {
        if (b->objectName().isEmpty() || !b->isVisibleTo(t.w.get())) continue;
        EXPECT_FALSE(b->toolTip().isEmpty() && b->text().isEmpty())
            << b->objectName().toStdString();
    }
    for (auto* a : t.w->findChildren<QAction*>()) {
        if (a->objectName().isEmpty()) continue;
        EXPECT_FALSE(a->text().isEmpty()) << a->objectName().toStdString();
    }
    // Back to English.
    t.kind<QAction>("OptLanguage(1)")->trigger();
    EXPECT_EQ(datei->title(), "&File");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST(Hauptfenster, UnsavedChangesAreMarkedAndAskedAboutBeforeTheyAreLost) {
    Fenster t([](const fs::path& o) {
        test::schreibeDatei(o / "a.qvb", figurMit(1));
        test::schreibeDatei(o / "b.qvb", figurMit(2));
    });
    const fs::path ordner = t.s.tmp / "figuren";
    auto* liste = t.kind<QListWidget>("lstFiguren");
    liste->setCurrentRow(1);
    EXPECT_EQ(t.w->windowTitle(), "a.qvb - Strahlwerk");
    linieZiehen(t);
    EXPECT_EQ(eintraege(liste), (QStringList{"***Figur 0***", "a.qvb *", "b.qvb"}));
    EXPECT_EQ(t.w->windowTitle(), "a.qvb* - Strahlwerk (1 unsaved)");

    // Quitting asks about the figure; Cancel keeps the window and the change.
    t.s.dialoge.meldungen.clear();
    t.w->close();
    EXPECT_TRUE(t.w->isVisible());
    ASSERT_EQ(t.s.dialoge.meldungen.size(), 1u);
    EXPECT_NE(t.s.dialoge.meldungen[0].find("\"a.qvb\""), std::string::npos);
    EXPECT_EQ(t.figur(1).Frames[0].Punkte.size(), 4u);

    // Reloading the folder asks too; Discard throws the change away.
    t.s.dialoge.antworten = {Antwort::Nein};
    t.ausloesen("cmdReload");
    EXPECT_EQ(liste->item(1)->text(), "a.qvb");
    EXPECT_EQ(t.figur(1).Frames[0].Punkte.size(), 2u);

    // A change of the frame rate counts; Cancel at the folder change keeps it.
    liste->setCurrentRow(2);
    t.kind<QDoubleSpinBox>("txtFPS")->setValue(25);
    EXPECT_EQ(liste->item(2)->text(), "b.qvb *");
    t.s.dialoge.meldungen.clear();
    t.ausloesen("cmdReload");
    EXPECT_EQ(t.s.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(t.figur(2).Parameter[parameter::Framedauer], 2000);

    // An ILDA import replaces figure 0: with a drawing there it asks first.
    t.ausloesen("cmdNeu");
    linieZiehen(t);
    EXPECT_EQ(liste->item(0)->text(), "***Figur 0*** *");
    t.s.dialoge.meldungen.clear();
    t.s.dialoge.dateiDialoge.clear();
    t.ausloesen("cmdImportIlda");
    EXPECT_EQ(t.s.dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(t.s.dialoge.dateiDialoge.empty());
    EXPECT_EQ(t.figur(0).Frames[0].Punkte.size(), 3u);
    // So does a new figure.
    t.ausloesen("cmdNeu");
    EXPECT_EQ(t.figur(0).Frames[0].Punkte.size(), 3u);

    // Quitting with Save writes both: b.qvb under its name, figure 0 through the dialog.
    t.s.dialoge.antworten = {Antwort::Ja, Antwort::Ja};
    t.s.dialoge.dateinamen = {(ordner / "Neu").string()};
    t.w->close();
    EXPECT_FALSE(t.w->isVisible());
    EXPECT_EQ(qvbDekodieren(test::leseDatei(ordner / "b.qvb"))->figur.Parameter[400], 2000);
    ASSERT_TRUE(fs::exists(ordner / "Neu.qvb"));
    EXPECT_EQ(qvbDekodieren(test::leseDatei(ordner / "Neu.qvb"))->figur.Frames[0].Punkte.size(),
              3u);
}

TEST(Hauptfenster, ANewFigureSavedStaysInTheEditorAndInTheList) {
    Fenster t([](const fs::path& o) { test::schreibeDatei(o / "a.qvb", figurMit(1)); });
    const fs::path ordner = t.s.tmp / "figuren";
    auto* liste = t.kind<QListWidget>("lstFiguren");
    t.ausloesen("cmdNeu");
    linieZiehen(t);
    const Figur gezeichnet = t.figur(0);
    ASSERT_EQ(gezeichnet.Frames[0].Punkte.size(), 3u);

    t.s.dialoge.dateinamen = {(ordner / "MeineFigur").string()};
    t.ausloesen("mnuSpeichern");
    ASSERT_TRUE(fs::exists(ordner / "MeineFigur.qvb"));
    EXPECT_FALSE(fs::exists(ordner / "MeineFigur"));
    ASSERT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->item(1)->text(), "MeineFigur.qvb");
    EXPECT_EQ(liste->currentRow(), 1);
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Figur, 1);
    EXPECT_TRUE(t.figur(1).Frames == gezeichnet.Frames);
    EXPECT_EQ(t.w->windowTitle(), "MeineFigur.qvb - Strahlwerk");

    // Undo goes on from there, in the saved figure.
    QTest::mouseClick(t.kind<QPushButton>("cmdUndo"), Qt::LeftButton);
    EXPECT_EQ(t.figur(1).Frames[0].Punkte.size(), 1u);
    EXPECT_EQ(liste->item(1)->text(), "MeineFigur.qvb *");
    QTest::mouseClick(t.kind<QPushButton>("cmdRedo"), Qt::LeftButton);
    EXPECT_TRUE(t.figur(1).Frames == gezeichnet.Frames);
    t.s.dialoge.antworten = {Antwort::Nein};
}

TEST(Hauptfenster, CrashCopiesFollowTheChanges) {
    Fenster t([](const fs::path& o) { test::schreibeDatei(o / "a.qvb", figurMit(1)); });
    auto* takt = t.kind<QTimer>("tmrAbsturzkopie");
    takt->setInterval(300);
    const fs::path kopien = absturzkopienOrdner(t.p->pfade);
    t.w->figurWaehlen(1);
    linieZiehen(t);
    EXPECT_TRUE(takt->isActive());
    EXPECT_FALSE(fs::exists(kopien / "Figur1.qvb")); // not on the drawing path
    EXPECT_TRUE(bisDass([&] { return fs::exists(kopien / "Figur1.qvb"); }));
    EXPECT_TRUE(qvbDekodieren(test::leseDatei(kopien / "Figur1.qvb"))->figur.Frames ==
                t.figur(1).Frames);
    t.ausloesen("mnuSpeichern");
    EXPECT_TRUE(bisDass([&] { return !fs::exists(kopien / "Figur1.qvb"); }));
}

TEST(Hauptfenster, SwitchingTheColourTableRepaintsAndSaysWhatWentDark) {
    Fenster t([](const fs::path& o) { test::schreibeDatei(o / "a.qvb", figurMit(1)); });
    t.w->figurWaehlen(1);
    auto* leinwand = t.kind<ui::Figurenansicht>("picFigur");
    QApplication::processEvents();
    Malzaehler zaehler;
    leinwand->installEventFilter(&zaehler);
    t.ausloesen("mnuPangolinFarbtabelleLaden");
    QApplication::processEvents();
    EXPECT_GT(zaehler.malen, 0);
    const QString meldung = t.w->statusBar()->currentMessage();
    EXPECT_TRUE(meldung.startsWith("1 points of this figure are black")) << meldung.toStdString();
    zaehler.malen = 0;
    t.ausloesen("cmdNewFarbpalette");
    QApplication::processEvents();
    EXPECT_GT(zaehler.malen, 0);
    EXPECT_FALSE(t.w->statusBar()->currentMessage().contains("black"));
}

// A figure of three frames: a lit stroke from (-8000, -4000) into a jump at (12000, 6000), the
// later frames each with one point further out.
std::string dreiFrames() {
    Figur f;
    f.Frames[0].Punkte.push_back(Punkt{-8000, -4000, 4095, status::Ecke});
    f.Frames[0].Punkte.push_back(Punkt{12000, 6000, 4095, status::Sprung});
    f.Frames.push_back({});
    f.Frames[1].Punkte.push_back(Punkt{-16000, 0, 4095, 0});
    f.Frames.push_back({});
    f.Frames[2].Punkte.push_back(Punkt{0, 20000, 4095, 0});
    return qvbKodieren(f);
}

QImage bild(QWidget* w) {
    QImage b(w->size(), QImage::Format_RGB32);
    w->render(&b);
    return b;
}

void rad(QWidget* w, QPointF wo, int delta) {
    QWheelEvent e(wo, w->mapToGlobal(wo), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

void zeigen(QWidget* w, QPointF wo) {
    QMouseEvent e(QEvent::MouseMove, wo, w->mapToGlobal(wo), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST(Hauptfenster, CanvasFitsZoomsAboutTheMouseAndTellsThePointUnderIt) {
    Fenster t([](const fs::path& o) { test::schreibeDatei(o / "a.qvb", dreiFrames()); });
    auto* leinwand = t.kind<ui::Figurenansicht>("picFigur");
    t.w->figurWaehlen(1);
    // Opening fits all frames into view, and large.
    const QRectF innen(QPointF(0, 0), QSizeF(leinwand->size()));
    for (const auto& frame : t.figur(1).Frames)
        for (const auto& p : frame.Punkte)
            EXPECT_TRUE(innen.contains(leinwand->nachWidget(p.X, p.Y))) << p.X << " " << p.Y;
    const double eingepasst = leinwand->zoom();
    EXPECT_GT(eingepasst, 1.5);
    auto* zoomLabel = t.kind<QLabel>("lblZoom");
    EXPECT_EQ(zoomLabel->text(), leinwand->zoomText());

    // The wheel and the zoom tool keep the figure point under the mouse where it is.
    const QPointF maus(leinwand->width() * 0.3, leinwand->height() * 0.7);
    const QPointF unter = leinwand->nachFigur(maus);
    rad(leinwand, maus, 120);
    EXPECT_NEAR(leinwand->zoom(), eingepasst * 1.25, 1e-9);
    QTest::mouseClick(t.kind<QAbstractButton>("optZoom"), Qt::LeftButton);
    QTest::mouseClick(leinwand, Qt::LeftButton, {}, maus.toPoint());
    rad(leinwand, maus, -120);
    EXPECT_NEAR(leinwand->zoom(), eingepasst * 2, 1e-9);
    EXPECT_LT(QLineF(leinwand->nachWidget(unter.x(), unter.y()), maus).length(), 1.0);
    EXPECT_EQ(zoomLabel->text(), QString("%1 %").arg(std::lround(eingepasst * 200)));

    t.ausloesen("mnuZoom100");
    EXPECT_EQ(leinwand->zoom(), 1);
    EXPECT_EQ(zoomLabel->text(), "100 %");
    t.ausloesen("mnuZoomGroesser");
    EXPECT_EQ(leinwand->zoom(), 1.25);
    t.ausloesen("mnuZoomEinpassen");
    EXPECT_EQ(leinwand->zoom(), eingepasst);

    // The status bar tells the point under the cursor, and frames count from one.
    auto* zeiger = t.kind<QLabel>("lblZeiger");
    zeigen(leinwand, leinwand->nachWidget(12000, 6000) + QPointF(2, 1));
    EXPECT_TRUE(zeiger->text().contains("point 2 (12000, 6000): colour 4095, jump"))
        << zeiger->text().toStdString();
    const QPointF leer = leinwand->nachWidget(0, 0);
    zeigen(leinwand, leer);
    const QPointF f = leinwand->nachFigur(leer);
    EXPECT_EQ(zeiger->text(),
              QString("X %1  Y %2").arg(std::lround(f.x())).arg(std::lround(f.y())));

    auto* frame = t.kind<QLabel>("lblFrame");
    EXPECT_TRUE(frame->text().startsWith("Frame 1 / 3,")) << frame->text().toStdString();
    t.ausloesen("mnuLetzterFrame");
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Frame, 2);
    EXPECT_TRUE(frame->text().startsWith("Frame 3 / 3,"));
    t.ausloesen("mnuErsterFrame");
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Frame, 0);
    EXPECT_TRUE(frame->text().startsWith("Frame 1 / 3,"));

    // End on the canvas goes to the last frame; in the figure list it goes to the last entry.
    t.w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.w.get()));
    leinwand->setFocus();
    QTest::keyClick(leinwand, Qt::Key_End);
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Frame, 2);
    auto* liste = t.kind<QListWidget>("lstFiguren");
    liste->setFocus();
    liste->setCurrentRow(0);
    QTest::keyClick(liste, Qt::Key_End);
    EXPECT_EQ(liste->currentRow(), 1);
    QTest::keyClick(liste, Qt::Key_Home);
    EXPECT_EQ(liste->currentRow(), 0);
}

TEST(Hauptfenster, CanvasDrawsTheGridAndTheWayIntoAJumpAsTheLasersWill) {
    Fenster t([](const fs::path& o) { test::schreibeDatei(o / "a.qvb", dreiFrames()); });
    auto* leinwand = t.kind<ui::Figurenansicht>("picFigur");
    t.w->figurWaehlen(1);
    t.ausloesen("mnuZoom100");
    auto* spin = t.kind<QSpinBox>("txtRaster");
    spin->setValue(4096);
    // A row below the figure: the grid's vertical lines cross it only while the grid is on.
    const int zeile = static_cast<int>(leinwand->nachWidget(0, -30000).y());
    const QImage ohne = bild(leinwand);
    t.kind<QCheckBox>("checkRaster")->setChecked(true);
    const QImage mit = bild(leinwand);
    for (int v = -28672; v <= 28672; v += 4096) {
        const int x = static_cast<int>(std::lround(leinwand->nachWidget(v, 0).x()));
        bool anders = false;
        for (int dx = -1; dx <= 1; ++dx)
            anders = anders || mit.pixel(x + dx, zeile) != ohne.pixel(x + dx, zeile);
        EXPECT_TRUE(anders) << v;
    }
    EXPECT_EQ(mit.pixel(static_cast<int>(leinwand->nachWidget(2048, 0).x()), zeile),
              ohne.pixel(static_cast<int>(leinwand->nachWidget(2048, 0).x()), zeile));
    t.kind<QCheckBox>("checkRaster")->setChecked(false);

    // The way into the jump: dark and dashed with real-time optimisation, lit without.
    auto hellsteAufDemWeg = [&] {
        const QImage b = bild(leinwand);
        int hellste = 0, dunkle = 0;
        for (double s = 0.2; s <= 0.8; s += 0.005) {
            const QPoint p = leinwand->nachWidget(-8000 + s * 20000, -4000 + s * 10000).toPoint();
            const int wert = qGray(b.pixel(p));
            hellste = std::max(hellste, wert);
            if (wert < 30) ++dunkle;
        }
        return std::pair{hellste, dunkle};
    };
    t.p->figuren.Figuren[1].Parameter[parameter::Echtzeitoptimierung] = 1;
    const auto [gedimmt, luecken] = hellsteAufDemWeg();
    EXPECT_LT(gedimmt, 100);
    EXPECT_GT(luecken, 5); // the gaps of the dashes
    t.p->figuren.Figuren[1].Parameter[parameter::Echtzeitoptimierung] = 0;
    EXPECT_GT(hellsteAufDemWeg().first, 150);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
