#include "ui/Hauptfenster.h"
#include "../app/Startumgebung.h"
#include "../core/IldaBauer.h"
#include "core/Absturzkopien.h"
#include "core/FigurDatei.h"
#include "core/QvbFormat.h"
#include "ui/Ausgabefenster.h"
#include "ui/Figurenansicht.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace sw;
namespace fs = std::filesystem;

namespace {

struct Fenster {
    test::Startumgebung s;
    SystemUhr uhr; // playback runs in real time, as the window's event loop does
    std::unique_ptr<Programm> p;
    std::unique_ptr<ui::Hauptfenster> w;
    double startMs = 0;

    explicit Fenster(const std::function<void(const fs::path&)>& ordnerFuellen = {}) {
        fs::create_directories(s.tmp / "figuren");
        if (ordnerFuellen) ordnerFuellen(s.tmp / "figuren");
        QElapsedTimer zeit;
        zeit.start();
        p = std::make_unique<Programm>(s.dialoge, s.pumpe, uhr);
        StartHooks h;
        h.figurenordner = (s.tmp / "figuren").string();
        Programmstart(*p, "", h);
        w = std::make_unique<ui::Hauptfenster>(*p);
        w->show();
        startMs = static_cast<double>(zeit.elapsed());
    }
    ~Fenster() {
        w->close();
        w.reset();
        Programmende(*p);
    }
    template <typename T> T* kind(const char* name) {
        T* k = w->findChild<T*>(name);
        EXPECT_NE(k, nullptr) << name;
        return k;
    }
    void ausloesen(const char* aktion) { kind<QAction>(aktion)->trigger(); }
    const Figur& figur(long i) { return p->figuren.Figuren[i]; }
};

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
    std::cout << "start-up to a shown window: " << t.startMs << " ms\n";
    auto* liste = t.kind<QListWidget>("lstFiguren");
    ASSERT_EQ(liste->count(), 4);
    EXPECT_EQ(liste->item(1)->text(), "B.qvb");
    EXPECT_EQ(liste->item(2)->text(), "a.qvb");
    EXPECT_EQ(liste->item(3)->text(), "b.qvb");

    liste->setCurrentRow(2);
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Figur, 2);
    const Figur vorher = t.figur(2);

    // Draw a line with the line tool.
    QTest::mouseClick(t.kind<QAbstractButton>("optLinie"), Qt::LeftButton);
    auto* leinwand = t.kind<ui::Figurenansicht>("picFigur");
    const QPoint a = leinwand->nachWidget(-10000, -10000).toPoint();
    const QPoint b = leinwand->nachWidget(10000, 10000).toPoint();
    QTest::mousePress(leinwand, Qt::LeftButton, {}, a);
    QTest::mouseMove(leinwand, b);
    QTest::mouseRelease(leinwand, Qt::LeftButton, {}, b);
    const auto& punkte = t.figur(2).Frames[0].Punkte;
    ASSERT_EQ(punkte.size(), vorher.Frames[0].Punkte.size() + 2);
    EXPECT_EQ(punkte[punkte.size() - 2].Status, status::Sprung);
    EXPECT_EQ(punkte.back().Status, 3);
    EXPECT_NEAR(punkte.back().X, 10000, 200);
    const Figur gezeichnet = t.figur(2);

    auto* undo = t.kind<QPushButton>("cmdUndo");
    auto* redo = t.kind<QPushButton>("cmdRedo");
    ASSERT_TRUE(undo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_TRUE(t.figur(2).Frames == vorher.Frames);
    ASSERT_TRUE(redo->isEnabled());
    QTest::mouseClick(redo, Qt::LeftButton);
    EXPECT_TRUE(t.figur(2).Frames == gezeichnet.Frames);

    t.ausloesen("mnuSpeichern");
    ASSERT_TRUE(t.s.dialoge.meldungen.empty()) << t.s.dialoge.meldungen.front();
    t.ausloesen("cmdReload");
    ASSERT_EQ(liste->count(), 4);
    EXPECT_EQ(liste->item(2)->text(), "a.qvb");
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
    EXPECT_EQ(t.figur(0).Frames[0].Punkte[1].Farbe, 0xF00);
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
    QTest::mouseClick(t.kind<QPushButton>("cmdSimulation"), Qt::LeftButton);
    auto* play = t.kind<QPushButton>("cmdPlay");
    QTest::mouseClick(play, Qt::LeftButton);
    ASSERT_TRUE(t.w->spielt());
    EXPECT_EQ(play->text(), "Stop");
    // Window events are handled between the passes while the show plays.
    bool behandelt = false;
    QTimer::singleShot(30, [&] { behandelt = true; });
    const int framesVorher = t.p->figuren.SpurAuswahl[0].Frame;
    for (int i = 0; i < 40 && !(behandelt && t.w->ausgabe()->punkte() > 0); ++i) QTest::qWait(10);
    EXPECT_TRUE(behandelt);
    EXPECT_GT(t.w->ausgabe()->punkte(), 10);
    QTest::qWait(120);
    EXPECT_NE(t.p->figuren.SpurAuswahl[0].Frame, framesVorher); // the frame clock runs
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_FALSE(t.w->spielt());
    EXPECT_EQ(play->text(), "Play");
}

TEST(Hauptfenster, StoresItsSettings) {
    Fenster t;
    QTest::mouseClick(t.kind<QAbstractButton>("OptFarbAchse(2)"), Qt::LeftButton);
    EXPECT_EQ(t.p->paletten.OptFarbAchse, 2);
    t.kind<QScrollBar>("scrFarbe3")->setValue(7);
    t.ausloesen("cmdReload");
    const std::string ini = t.p->einstellungen.IniPfad;
    auto lesen = [&](const char* abschnitt, const char* schluessel) {
        return t.p->einstellungen.ini().lesen(ini, abschnitt, schluessel).value_or("(absent)");
    };
    EXPECT_EQ(lesen("Optionen_4_FrmHaupt", "OptFarbAchse(2).Value"), "-10000");
    EXPECT_EQ(lesen("Optionen_4_FrmHaupt", "OptFarbAchse(1).Value"), "0");
    EXPECT_EQ(lesen("Optionen_4_FrmHaupt", "scrFarbe3.Value"), "70000");
    EXPECT_EQ(lesen("StandardPfade", "StartPfad0"), (t.s.tmp / "figuren").string());
    t.w->close();
    EXPECT_NE(lesen("Fensterposition", "frmHaupt.WPM.showCmd"), "(absent)");
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
    EXPECT_EQ(liste->item(1)->text(), "a.qvb *");
    EXPECT_EQ(liste->item(2)->text(), "b.qvb");
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
    t.ausloesen("mnuNeu");
    linieZiehen(t);
    EXPECT_EQ(liste->item(0)->text(), "***Figur 0*** *");
    t.s.dialoge.meldungen.clear();
    t.s.dialoge.dateiDialoge.clear();
    t.ausloesen("cmdImportIlda");
    EXPECT_EQ(t.s.dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(t.s.dialoge.dateiDialoge.empty());
    EXPECT_EQ(t.figur(0).Frames[0].Punkte.size(), 3u);
    // So does a new figure.
    t.ausloesen("mnuNeu");
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
    t.ausloesen("mnuNeu");
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
    EXPECT_TRUE(test::warteBis(
        [&] {
            QApplication::processEvents();
            return fs::exists(kopien / "Figur1.qvb");
        },
        5));
    EXPECT_TRUE(qvbDekodieren(test::leseDatei(kopien / "Figur1.qvb"))->figur.Frames ==
                t.figur(1).Frames);
    t.ausloesen("mnuSpeichern");
    EXPECT_TRUE(test::warteBis(
        [&] {
            QApplication::processEvents();
            return !fs::exists(kopien / "Figur1.qvb");
        },
        5));
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
