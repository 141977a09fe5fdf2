#include "ui/Hauptfenster.h"
#include "../app/Startumgebung.h"
#include "../core/IldaBauer.h"
#include "core/FigurDatei.h"
#include "core/QvbFormat.h"
#include "ui/Ausgabefenster.h"
#include "ui/Figurenansicht.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
