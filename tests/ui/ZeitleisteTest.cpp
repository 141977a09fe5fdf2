// The timeline view on a started program: figures dropped from the figure list land at the time
// and row under the pointer (a figure no key shows is refused), the rubber band marks exactly
// what lies inside, marked events move by the mouse's time distance (snapped to the grid) as
// one undo step, paste goes to the mouse, zoom keeps the time under the mouse, the cursor line
// follows the show clock, and a show of 100,000 events draws what the view shows.

#include "ui/Zeitleiste.h"
#include "Fenster.h"
#include "core/QvbFormat.h"
#include "medien/WavKopf.h"
#include "medien/Wellenbild.h"
#include "show/ShowLaden.h"
#include "ui/Livefenster.h"
#include "ui/ShowMenue.h"
#include "ui/Thema.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <random>

using namespace sw;
namespace fs = std::filesystem;

namespace {

using test::Fenster;

std::string figurMit(std::int16_t x) {
    Figur f;
    f.Frames[0].Punkte.push_back(Punkt{x, 0, 4095, 4});
    f.Frames[0].Punkte.push_back(Punkt{static_cast<std::int16_t>(x + 9000), 9000, 4095, 0});
    return qvbKodieren(f);
}

void vierFiguren(const fs::path& o) {
    test::schreibeDatei(o / "a.qvb", figurMit(-20000));
    test::schreibeDatei(o / "b.qvb", figurMit(-5000));
    test::schreibeDatei(o / "c.qvb", figurMit(1000));
    test::schreibeDatei(o / "d.qvb", figurMit(9000));
}

// The view alone on the program's show control, 1000 × 520 pixels, over a one-minute show.
struct Ansicht {
    Fenster f{vierFiguren};
    Sequenzer& seq = f.p->sequenzer;
    std::unique_ptr<ui::Zeitleiste> z;

    explicit Ansicht(bool uhrAttrappe = false) {
        // The show clock a test moves by hand, before the show control takes the player.
        if (uhrAttrappe) f.p->medien = std::make_unique<FakeMedien>();
        z = std::make_unique<ui::Zeitleiste>(nullptr, ui::showsteuerung(*f.w));
        z->resize(1000, 520);
        z->show();
        seq.Medienlaenge = 60000;
        seq.Events.assign(1, SeqEvent{}); // without a new show's empty event 1
        z->zoomEinpassen();
    }
    ~Ansicht() { z.reset(); }

    long liste(const std::string& name) const {
        const auto& l = f.p->figuren.lstFiguren;
        for (std::size_t i = 0; i < l.size(); ++i)
            if (l[i] == name) return static_cast<long>(i);
        ADD_FAILURE() << name;
        return -1;
    }
    void event(double start, int zeile, int kind = 143, int key = 65) {
        SeqEvent e;
        e.start = start;
        e.track = static_cast<std::uint8_t>(sequenz::track(seq.optDeviceNr, zeile));
        e.kind = static_cast<std::uint8_t>(kind);
        e.key = e.value = static_cast<std::int16_t>(key);
        seq.Events.push_back(e);
        sequenzAbschliessen(seq);
    }
    long finde(double start, int zeile) const {
        for (std::size_t i = 1; i < seq.Events.size(); ++i)
            if (seq.Events[i].start == start && seq.Events[i].track == zeile)
                return static_cast<long>(i);
        return 0;
    }
    void maus(QEvent::Type art, QPoint pos, Qt::MouseButton knopf = Qt::LeftButton,
              Qt::KeyboardModifiers tasten = Qt::NoModifier) {
        const Qt::MouseButtons gedrueckt =
            art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(knopf);
        QMouseEvent e(art, QPointF(pos), z->mapToGlobal(QPointF(pos)), knopf, gedrueckt, tasten);
        QApplication::sendEvent(z.get(), &e);
    }
    void klick(QPoint pos, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
        maus(QEvent::MouseButtonPress, pos, Qt::LeftButton, tasten);
        maus(QEvent::MouseButtonRelease, pos, Qt::LeftButton, tasten);
    }
    // A drag with the left button, in steps as a hand moves.
    void ziehen(QPoint von, QPoint nach, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
        maus(QEvent::MouseButtonPress, von, Qt::LeftButton, tasten);
        for (int i = 1; i <= 5; ++i)
            maus(QEvent::MouseMove, von + (nach - von) * i / 5, Qt::LeftButton, tasten);
        maus(QEvent::MouseButtonRelease, nach, Qt::LeftButton, tasten);
    }
    void bewegen(QPoint nach) {
        QMouseEvent e(QEvent::MouseMove, QPointF(nach), z->mapToGlobal(QPointF(nach)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(z.get(), &e);
    }
    void rad(QPoint bei, int winkel, Qt::KeyboardModifiers tasten) {
        QWheelEvent e(QPointF(bei), z->mapToGlobal(QPointF(bei)), QPoint(), QPoint(0, winkel),
                      Qt::NoButton, tasten, Qt::NoScrollPhase, false);
        QApplication::sendEvent(z.get(), &e);
    }
    // A figure-list entry dragged over the view and dropped, as from the main window's list.
    bool ablegen(long figur, QPoint pos) {
        QMimeData daten;
        daten.setData(ui::kFigurMime, QByteArray::number(static_cast<qlonglong>(figur)));
        QDragEnterEvent betreten(pos, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(z.get(), &betreten);
        if (!betreten.isAccepted()) return false;
        QDragMoveEvent bewegt(pos, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(z.get(), &bewegt);
        if (!bewegt.isAccepted()) return false;
        QDropEvent ablage(QPointF(pos), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(z.get(), &ablage);
        return ablage.isAccepted();
    }
    QImage bild() {
        QImage b(z->size(), QImage::Format_ARGB32_Premultiplied);
        z->render(&b);
        return b;
    }
};

std::vector<long> marken(const Sequenzer& s) {
    return s.markiert;
}

TEST(Zeitleiste, DroppedFiguresLandUnderThePointerAndAFigureWithoutKeyIsRefused) {
    Ansicht a;
    auto& keys = a.f.p->live.keyTable;
    const long fa = a.liste("a.qvb"), fb = a.liste("b.qvb"), fc = a.liste("c.qvb"),
               fd = a.liste("d.qvb");
    keys[65] = fa;
    keys[66] = fb;
    keys[300] = fb; // a later key of the same figure: the first one is taken
    keys[67] = fc;
    std::vector<std::array<int, 4>> vorschau;
    a.seq.TriggerKey = [&](int t, int k, int key, int v) { vorschau.push_back({t, k, key, v}); };

    const QPoint p1 = a.z->punktBei(5000, 1), p2 = a.z->punktBei(12000, 3),
                 p3 = a.z->punktBei(30000, 7);
    ASSERT_TRUE(a.ablegen(fa, p1));
    ASSERT_TRUE(a.ablegen(fb, p2));
    ASSERT_TRUE(a.ablegen(fc, p3));
    ASSERT_EQ(sequenz::anzahl(a.seq.Events), 3);
    const struct {
        QPoint p;
        int zeile, key;
    } erwartet[] = {{p1, 1, 65}, {p2, 3, 66}, {p3, 7, 67}};
    for (std::size_t i = 0; i < 3; ++i) {
        const SeqEvent& e = a.seq.Events[i + 1];
        EXPECT_DOUBLE_EQ(e.start, a.z->zeitBei(erwartet[i].p.x())) << i;
        EXPECT_NEAR(e.start, (i == 0 ? 5000 : i == 1 ? 12000 : 30000), a.z->sichtBreite() / 900);
        EXPECT_EQ(e.track, erwartet[i].zeile) << i;
        EXPECT_EQ(e.kind, 143);
        EXPECT_EQ(e.key, erwartet[i].key);
        EXPECT_EQ(e.value, erwartet[i].key);
    }
    // Each placed event was previewed through the trigger routine.
    ASSERT_EQ(vorschau.size(), 3u);
    EXPECT_EQ(vorschau[1], (std::array<int, 4>{3, 143, 66, 66}));

    // A figure no key shows: the refusal, and nothing placed.
    const std::size_t meldungen = a.f.s.dialoge.meldungen.size();
    a.ablegen(fd, a.z->punktBei(40000, 2));
    ASSERT_EQ(a.f.s.dialoge.meldungen.size(), meldungen + 1);
    EXPECT_EQ(a.f.s.dialoge.meldungen.back(), a.f.p->texte.text(187, "No key shows this figure."));
    EXPECT_EQ(sequenz::anzahl(a.seq.Events), 3);

    // Beside the rows nothing lands; with the grid on the time snaps.
    EXPECT_FALSE(a.ablegen(fa, QPoint(5, a.z->punktBei(0, 2).y())));
    a.seq.raster.marken.clear();
    for (int t = 0; t <= 60000; t += 1000) a.seq.raster.marken.push_back(t);
    a.seq.raster.an = true;
    ASSERT_TRUE(a.ablegen(fa, a.z->punktBei(20300, 5)));
    EXPECT_NE(a.finde(20000, 5), 0);
    EXPECT_EQ(sequenz::anzahl(a.seq.Events), 4);
}

TEST(Zeitleiste, TheRubberBandAndClicksMarkExactlyWhatTheyMeet) {
    Ansicht a;
    a.event(5000, 3);  // lasts into the band but starts before it
    a.event(10000, 3); // inside
    a.event(20000, 3); // inside
    a.event(15000, 4); // inside
    a.event(22000, 4); // right of the band
    a.event(15000, 2); // above
    a.event(15000, 5); // below
    std::vector<long> innen = {a.finde(10000, 3), a.finde(20000, 3), a.finde(15000, 4)};
    std::sort(innen.begin(), innen.end());
    int gemeldet = 0;
    a.z->markierungGeaendert = [&] { ++gemeldet; };

    // From empty space on row 4 to row 3, either corner first.
    a.ziehen(a.z->punktBei(9000, 4), a.z->punktBei(21000, 3));
    EXPECT_EQ(marken(a.seq), innen);
    EXPECT_GT(gemeldet, 0);

    // A click marks one event alone and previews it; Ctrl+click adds and takes out.
    std::vector<std::array<int, 4>> vorschau;
    a.seq.TriggerKey = [&](int t, int k, int key, int v) { vorschau.push_back({t, k, key, v}); };
    const long oben = a.finde(15000, 2), unten = a.finde(15000, 5);
    a.klick(a.z->punktBei(16000, 2));
    EXPECT_EQ(marken(a.seq), std::vector<long>{oben});
    ASSERT_EQ(vorschau.size(), 1u);
    EXPECT_EQ(vorschau[0], (std::array<int, 4>{2, 143, 65, 65}));
    a.klick(a.z->punktBei(16000, 5), Qt::ControlModifier);
    EXPECT_EQ(marken(a.seq), (std::vector<long>{oben, unten}));
    a.klick(a.z->punktBei(16000, 5), Qt::ControlModifier);
    EXPECT_EQ(marken(a.seq), std::vector<long>{oben});
    // A click on one of several marked events marks it alone; on empty space clears.
    a.seq.markiert = {oben, unten};
    a.klick(a.z->punktBei(16000, 5));
    EXPECT_EQ(marken(a.seq), std::vector<long>{unten});
    a.klick(a.z->punktBei(2000, 8));
    EXPECT_TRUE(a.seq.markiert.empty());
    // Ctrl keeps the marks while the band adds to them.
    a.klick(a.z->punktBei(16000, 2));
    a.ziehen(a.z->punktBei(14000, 5), a.z->punktBei(17000, 5), Qt::ControlModifier);
    EXPECT_EQ(marken(a.seq), (std::vector<long>{oben, unten}));
}

TEST(Zeitleiste, DraggingMarkedEventsMovesThemByTheMouseDistanceAsOneUndoStep) {
    Ansicht a;
    a.event(10000, 2);
    a.event(12000, 6);
    a.event(30000, 2);
    const double msProPixel = a.z->sichtBreite() / (a.z->width() - a.z->punktBei(0, 1).x());
    a.seq.markiert = {a.finde(10000, 2), a.finde(12000, 6)};

    // Grabbing one of the marked events moves both; the list stays sorted and they stay marked.
    const QPoint griff = a.z->punktBei(10400, 2);
    a.ziehen(griff, griff + QPoint(120, 0));
    const double um = 120 * msProPixel;
    const long e1 = a.finde(10000 + um, 2), e2 = a.finde(12000 + um, 6);
    ASSERT_NE(e1, 0) << a.seq.Events[1].start;
    ASSERT_NE(e2, 0);
    EXPECT_EQ(marken(a.seq), (std::vector<long>{e1, e2}));
    EXPECT_NE(a.finde(30000, 2), 0);
    for (std::size_t i = 2; i < a.seq.Events.size(); ++i)
        EXPECT_LE(a.seq.Events[i - 1].start, a.seq.Events[i].start);
    // The moved event's off time was recomputed with the rest.
    EXPECT_EQ(a.seq.Events[static_cast<std::size_t>(e1)].off, 30000);

    Undo(a.seq, a.f.p->env);
    EXPECT_NE(a.finde(10000, 2), 0);
    EXPECT_NE(a.finde(12000, 6), 0);
    EXPECT_EQ(a.finde(10000 + um, 2), 0);

    // With the grid on, the grabbed event's new start is a grid mark.
    a.seq.raster.marken = {0, 250, 500};
    for (int t = 750; t <= 60000; t += 250) a.seq.raster.marken.push_back(t);
    a.seq.raster.an = true;
    a.seq.markiert = {a.finde(10000, 2)};
    a.ziehen(griff, griff + QPoint(37, 0));
    const double roh = 10000 + 37 * msProPixel;
    const double gerastert = TimeRaster(a.seq.raster, roh);
    ASSERT_NE(gerastert, roh);
    EXPECT_NE(a.finde(gerastert, 2), 0) << roh;

    // Not before the beginning of the show.
    a.seq.raster.an = false;
    a.ziehen(a.z->punktBei(gerastert + 300, 2), a.z->punktBei(0, 2) - QPoint(200, 0));
    EXPECT_NE(a.finde(0, 2), 0);
}

TEST(Zeitleiste, PasteGoesToTheMouseAndTheKeysCopyCutAndDelete) {
    Ansicht a;
    a.event(3000, 2);
    a.event(3500, 4);
    a.event(9000, 9);
    a.seq.markiert = {a.finde(3000, 2), a.finde(3500, 4)};
    a.z->setFocus();
    QTest::keyClick(a.z.get(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(a.seq.Zwischenablage.size(), 2u);

    // Ctrl+V with the mouse over row 6 at about 40 s.
    const QPoint ziel = a.z->punktBei(40000, 6);
    a.bewegen(ziel);
    QTest::keyClick(a.z.get(), Qt::Key_V, Qt::ControlModifier);
    const double t = a.z->zeitBei(ziel.x());
    const long n1 = a.finde(t, 6), n2 = a.finde(t + 500, 8);
    ASSERT_NE(n1, 0);
    ASSERT_NE(n2, 0);
    EXPECT_EQ(marken(a.seq), (std::vector<long>{n1, n2}));
    EXPECT_EQ(sequenz::anzahl(a.seq.Events), 5);

    // The menu's command with the mouse gone: at the cursor time, on the first row.
    QEvent weg(QEvent::Leave);
    QApplication::sendEvent(a.z.get(), &weg);
    a.seq.cursorZeit = 50000;
    a.z->einfuegenAktion()->trigger();
    ASSERT_NE(a.finde(50000, 1), 0);
    ASSERT_NE(a.finde(50500, 3), 0);

    // Delete removes the marked (the last pasted), Ctrl+X cuts.
    QTest::keyClick(a.z.get(), Qt::Key_Delete);
    EXPECT_EQ(sequenz::anzahl(a.seq.Events), 5);
    EXPECT_EQ(a.finde(50000, 1), 0);
    a.seq.markiert = {a.finde(9000, 9)};
    QTest::keyClick(a.z.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(sequenz::anzahl(a.seq.Events), 4);
    ASSERT_EQ(a.seq.Zwischenablage.size(), 1u);
    EXPECT_EQ(a.seq.Zwischenablage[0].start, 9000);

    // The commands carry their keys and tool texts.
    EXPECT_EQ(a.z->kopierenAktion()->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_FALSE(a.z->loeschenAktion()->toolTip().isEmpty());
    EXPECT_FALSE(a.z->toolTip().isEmpty());
}

TEST(Zeitleiste, ZoomKeepsTheTimeUnderTheMouseAndTheWheelScrolls) {
    Ansicht a;
    EXPECT_DOUBLE_EQ(a.z->sichtAnfang(), 0);
    EXPECT_NEAR(a.z->sichtBreite(), 60000, 1);
    const QPoint bei = a.z->punktBei(20000, 5);
    const double vorher = a.z->zeitBei(bei.x());
    const double breite = a.z->sichtBreite();
    a.rad(bei, 120, Qt::ControlModifier);
    EXPECT_NEAR(a.z->zeitBei(bei.x()), vorher, 1e-6);
    EXPECT_NEAR(a.z->sichtBreite(), breite / 1.25, 1e-6);
    a.rad(bei, 360, Qt::ControlModifier);
    EXPECT_NEAR(a.z->zeitBei(bei.x()), vorher, 1e-6);

    // The wheel scrolls by an eighth of the view, Shift+wheel too; the scroll bar follows.
    auto* balken = a.z->findChild<QScrollBar*>("scrZeitleiste");
    ASSERT_NE(balken, nullptr);
    const double anfang = a.z->sichtAnfang(), sicht = a.z->sichtBreite();
    a.rad(bei, -120, Qt::NoModifier);
    EXPECT_NEAR(a.z->sichtAnfang(), anfang + sicht / 8, 1e-6);
    a.rad(bei, -120, Qt::ShiftModifier);
    EXPECT_NEAR(a.z->sichtAnfang(), anfang + sicht / 4, 1e-6);
    EXPECT_EQ(balken->value(), static_cast<int>(std::lround(a.z->sichtAnfang())));
    balken->setValue(1000);
    EXPECT_DOUBLE_EQ(a.z->sichtAnfang(), 1000);

    // Zoom by a factor about a time, and back to the whole show; never beyond it.
    a.z->zoomEinpassen();
    a.z->zoomen(10, 30000);
    EXPECT_NEAR(a.z->sichtBreite(), 6000, 1e-6);
    EXPECT_NEAR(a.z->sichtAnfang(), 30000 - 3000, 1e-6);
    a.z->zoomEinpassen();
    EXPECT_DOUBLE_EQ(a.z->sichtAnfang(), 0);
    EXPECT_NEAR(a.z->sichtBreite(), 60000, 1);
    a.rad(bei, -600, Qt::ControlModifier);
    EXPECT_NEAR(a.z->sichtBreite(), 60000, 1);

    // A click on the time bar sets the cursor and says so.
    double gesetzt = -1;
    a.z->cursorGesetzt = [&](double t) { gesetzt = t; };
    const QPoint leiste(a.z->punktBei(45000, 1).x(), 5);
    a.klick(leiste);
    EXPECT_DOUBLE_EQ(a.seq.cursorZeit, a.z->zeitBei(leiste.x()));
    EXPECT_DOUBLE_EQ(gesetzt, a.seq.cursorZeit);
    EXPECT_DOUBLE_EQ(a.z->linienZeit(), a.seq.cursorZeit);
}

TEST(Zeitleiste, TheCursorLineFollowsTheShowClockAndPagesTheViewAlong) {
    Ansicht a(true);
    auto* uhr = dynamic_cast<FakeMedien*>(a.f.p->medien.get());
    ASSERT_NE(uhr, nullptr);
    a.z->zoomen(6, 5000); // ten seconds shown
    ASSERT_LT(a.z->sichtAnfang() + a.z->sichtBreite(), 45000);
    a.z->wiedergabeFolgen(true);
    uhr->position = 45.0;
    QTest::qWait(80);
    EXPECT_DOUBLE_EQ(a.z->linienZeit(), 45000); // not playing: no running ahead
    EXPECT_LE(a.z->sichtAnfang(), 45000);
    EXPECT_GT(a.z->sichtAnfang() + a.z->sichtBreite(), 45000);
    uhr->position = 46.0;
    QTest::qWait(80);
    EXPECT_DOUBLE_EQ(a.z->linienZeit(), 46000);
    a.seq.cursorZeit = 1234;
    a.z->wiedergabeFolgen(false);
    EXPECT_DOUBLE_EQ(a.z->linienZeit(), 1234);
}

// Whether a pixel shows the ground of the rows (either shade) rather than something drawn.
bool grund(const QImage& b, QPoint p, const QImage& leer) {
    return b.pixel(p) == leer.pixel(p);
}

TEST(Zeitleiste, AHundredThousandEventsDrawWhatTheViewShows) {
    Ansicht a;
    const QImage leer = a.bild();
    auto& e = a.seq.Events;
    e.assign(1, SeqEvent{});
    const double stunde = 3600000;
    const int n = 100000;
    for (int i = 0; i < n; ++i) {
        SeqEvent ev;
        ev.start = stunde * i / n;
        ev.track = static_cast<std::uint8_t>(2 + i % 17); // rows 2 to 18
        ev.kind = 143;
        ev.key = ev.value = 65;
        e.push_back(ev);
    }
    // One long event on the effect row, starting far before the window looked at below.
    SeqEvent lang;
    lang.start = 1000000;
    lang.track = 19;
    lang.kind = 143;
    lang.key = lang.value = 66;
    e.push_back(lang);
    a.seq.Medienlaenge = stunde;
    sequenzAbschliessen(a.seq);
    ASSERT_EQ(sequenz::anzahl(e), n + 1);

    a.z->zoomEinpassen();
    EXPECT_NEAR(a.z->sichtBreite(), stunde + 0, 2000);
    const QImage ganz = a.bild();
    // Every row with events is covered along the whole show; row 1 stays empty.
    for (int zeile : {2, 10, 18}) {
        const QPoint p = a.z->punktBei(stunde / 2, zeile);
        EXPECT_FALSE(grund(ganz, p, leer)) << zeile;
    }
    EXPECT_TRUE(grund(ganz, a.z->punktBei(stunde / 2, 1), leer));

    // Ten seconds in the middle: the effect row's event that began 15 minutes earlier still
    // shows at the left edge, the rows show their bars.
    a.z->zoomen(a.z->sichtBreite() / 10000, stunde / 2);
    a.z->blaettern(stunde / 2);
    EXPECT_NEAR(a.z->sichtBreite(), 10000, 1e-6);
    const QImage mitte = a.bild();
    EXPECT_FALSE(grund(mitte, a.z->punktBei(stunde / 2 + 100, 19), leer));
    EXPECT_FALSE(grund(mitte, a.z->punktBei(stunde / 2 + 5000, 7), leer));
    a.z->zoomen(1.25, stunde / 2 + 5000);
    EXPECT_FALSE(a.bild().isNull());
}

TEST(Zeitleiste, TheDemoShowDrawsItsWaveformAndEventsInBothThemes) {
    test::Kratzordner tmp;
    const fs::path quelle = fs::path(STRAHLWERK_DATA_DIR) / "Demo";
    if (!fs::exists(quelle / "Demo.wav")) GTEST_SKIP() << "the demo music is made at build time";
    fs::copy(quelle, tmp / "Demo", fs::copy_options::recursive);
    Ansicht a;
    auto& s = ui::showsteuerung(*a.f.w);
    ASSERT_TRUE(ShowLaden(s.show, "Demo", (tmp / "Demo").string() + "/"));
    ASSERT_GT(a.seq.Medienlaenge, 0);
    ASSERT_GT(sequenz::anzahl(a.seq.Events), 0);
    a.z->resize(1340, 560);
    a.z->wellenformNeu();
    a.z->zoomEinpassen();
    EXPECT_TRUE(fs::exists(tmp / "Demo" / "Demo.bmp"));

    const char* ablage = std::getenv("STRAHLWERK_ZEITLEISTE_BILDER");
    auto speichern = [&](const QImage& b, const std::string& name) {
        if (ablage) b.save(QString::fromStdString((fs::path(ablage) / name).string()));
    };
    long figur = 0; // a bar of row 1 after the first second
    for (std::size_t i = 1; i < a.seq.Events.size() && !figur; ++i)
        if (a.seq.Events[i].track == 1 && a.seq.Events[i].start > 1000)
            figur = static_cast<long>(i);
    QMimeData daten;
    daten.setData(ui::kFigurMime, "1");
    for (auto thema : {ui::Thema::Hell, ui::Thema::Dunkel}) {
        const std::string endung = thema == ui::Thema::Hell ? ".png" : "-dunkel.png";
        ui::themaSetzen(*qApp, thema);
        a.z->setPalette(QApplication::palette());
        a.z->zoomEinpassen();
        a.seq.markiert.clear();
        a.seq.cursorZeit = 0;
        const QImage b = a.bild();
        // The waveform band holds green strokes of the wave.
        int welle = 0;
        const int y = a.z->punktBei(0, 1).y() - a.z->fontMetrics().height() - 12;
        for (int x = a.z->punktBei(0, 1).x(); x < b.width(); ++x) {
            const QColor c = b.pixelColor(x, y);
            if (c.green() > c.red() + 40 && c.green() > c.blue() + 20) ++welle;
        }
        EXPECT_GT(welle, 50);
        speichern(b, "zeitleiste" + endung);

        // Closer: five seconds with names and pictures, a bar and an effect value marked, the
        // cursor at 2.5 s, a figure dragged over row 5.
        a.z->zoomen(a.z->sichtBreite() / 5000, 0);
        a.seq.markiert = {3, figur};
        std::sort(a.seq.markiert.begin(), a.seq.markiert.end());
        a.seq.cursorZeit = 2500;
        const QPoint ueber = a.z->punktBei(3100, 5);
        QDragEnterEvent betreten(ueber, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(a.z.get(), &betreten);
        QDragMoveEvent bewegt(ueber, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(a.z.get(), &bewegt);
        const QImage nah = a.bild();
        EXPECT_NE(nah, b);
        speichern(nah, "zeitleiste-nah" + endung);
        QDragLeaveEvent weg;
        QApplication::sendEvent(a.z.get(), &weg);

        // The marked events on their way: the ghost and the new time while the button is held;
        // released they have moved, and undo puts them back.
        const auto vorher = a.seq.Events;
        const QPoint griff =
            a.z->punktBei(a.seq.Events[static_cast<std::size_t>(figur)].start + 60, 1);
        a.maus(QEvent::MouseButtonPress, griff);
        a.maus(QEvent::MouseMove, griff + QPoint(40, 0));
        a.maus(QEvent::MouseMove, griff + QPoint(90, 0));
        const QImage ziehen = a.bild();
        EXPECT_EQ(a.seq.Events, vorher);
        speichern(ziehen, "zeitleiste-ziehen" + endung);
        a.maus(QEvent::MouseButtonRelease, griff + QPoint(90, 0));
        EXPECT_NE(a.seq.Events, vorher);
        Undo(a.seq, a.f.p->env);
        EXPECT_EQ(a.seq.Events, vorher);
    }
    ui::themaSetzen(*qApp, ui::Thema::Hell);
}

} // namespace

namespace {

TEST(ZeitleisteModell, TheRulerLabelsFollowTheZoom) {
    using ui::zeitText;
    // Whole seconds from a one-second step on; tenths below it, hundredths below 100 ms.
    EXPECT_EQ(zeitText(65000, 5000), "1:05");
    EXPECT_EQ(zeitText(3725000, 600000), "1:02:05");
    EXPECT_EQ(zeitText(65400, 200), "1:05.4");
    EXPECT_EQ(zeitText(65430, 20), "1:05.43");
    // Rounded to the label's precision before it is split, so no "0:60.0".
    EXPECT_EQ(zeitText(59960, 100), "1:00.0");
    EXPECT_EQ(zeitText(-20, 1000), "0:00");
    // Labels at least 80 pixels apart: the smallest such step, with finer marks between.
    EXPECT_EQ(ui::linealSchritt(10, 80).haupt, 1000);
    EXPECT_EQ(ui::linealSchritt(10, 80).neben, 200);
    EXPECT_EQ(ui::linealSchritt(1, 80).haupt, 100);
    EXPECT_EQ(ui::linealSchritt(3000, 80).haupt, 300000);
    EXPECT_EQ(ui::linealSchritt(1e6, 80).haupt, 23 * 3.6e6); // longer than any show: hours
}

TEST(ZeitleisteModell, TheIndexFindsWhatABruteForceSearchFinds) {
    std::mt19937 zufall(11);
    std::uniform_real_distribution<double> zeit(0, 100000);
    std::uniform_int_distribution<int> spur(1, 40), art(0, 2);
    EventListe e(1);
    for (int i = 0; i < 3000; ++i) {
        SeqEvent ev;
        ev.start = std::floor(zeit(zufall)); // equal starts happen
        ev.track = static_cast<std::uint8_t>(spur(zufall));
        ev.kind = art(zufall) == 0 ? 127 : 143;
        e.push_back(ev);
    }
    Sequenzer s;
    s.Events = e;
    s.Medienlaenge = 100000;
    sequenzAbschliessen(s);
    ui::Eventindex index;
    ASSERT_TRUE(index.aktualisieren(s.Events));
    EXPECT_FALSE(index.aktualisieren(s.Events));
    for (int fall = 0; fall < 200; ++fall) {
        const double von = zeit(zufall), bis = von + zeit(zufall) / 20;
        const int track = spur(zufall);
        std::vector<long> gefunden, erwartet;
        index.sichtbare(s.Events, track, von, bis, [&](long k) { gefunden.push_back(k); });
        for (std::size_t i = 1; i < s.Events.size(); ++i) {
            const SeqEvent& ev = s.Events[i];
            if (ev.track == track && ev.start <= bis && (ev.start >= von || ev.off > von))
                erwartet.push_back(static_cast<long>(i));
        }
        ASSERT_EQ(gefunden, erwartet) << von << " " << bis << " " << track;
    }
    // A move in place (same size, same memory) is seen.
    s.Events[5].start += 1;
    EXPECT_TRUE(index.aktualisieren(s.Events));
}

TEST(ZeitleisteModell, TheWaveformPictureReadsBackAsItsExtents) {
    // One second of silence, then a second at half amplitude, 8 kHz mono.
    std::vector<std::int16_t> werte(16000, 0);
    for (int i = 8000; i < 16000; ++i) werte[i] = static_cast<std::int16_t>(i % 2 ? 16383 : -16383);
    const auto wav = wavSchreiben(werte, 1, 8000);
    WavKopf kopf;
    std::string fehler;
    ASSERT_EQ(Read_Wave_Header(wav, kopf, fehler), 0) << fehler;
    const auto bmp = wellenbildBmp(wav, kopf);
    const ui::Wellenhuelle h = ui::wellenhuelleLesen(bmp, 2000);
    ASSERT_EQ(h.spalten.size(), 200u);
    EXPECT_DOUBLE_EQ(h.msProSpalte, 10);
    int oben = 0, unten = 0;
    // The silent part: the one middle row; the loud part: a quarter of the height each way.
    ASSERT_TRUE(h.bereich(100, 900, oben, unten));
    EXPECT_EQ(oben, unten);
    EXPECT_NEAR(oben, 63.5, 1);
    ASSERT_TRUE(h.bereich(1200, 1300, oben, unten));
    EXPECT_NEAR(oben, 32, 2);
    EXPECT_NEAR(unten, 95, 2);
    EXPECT_FALSE(h.bereich(2100, 2500, oben, unten));
    // Not a picture: nothing, and no crash on a truncated one.
    EXPECT_TRUE(ui::wellenhuelleLesen({}, 1000).leer());
    EXPECT_TRUE(ui::wellenhuelleLesen({bmp.begin(), bmp.begin() + 200}, 1000).leer());
}

} // namespace
