// The sequencer window on a started program with three figures whose keys are Q, W and E: a
// show built from scratch, edited, saved and opened again; played on the fake media clock
// through the real output cycle; live keys recorded while it plays; the transport keys and the
// rate buttons; the menu checks reaching the show file and the settings.

#include "ui/Sequenzerfenster.h"
#include "Fenster.h"
#include "core/QvbFormat.h"
#include "live/Tastatur.h"
#include "live/TriggerRoutine.h"
#include "show/SequenzBearbeiten.h"
#include "ui/SequenzerTexte.h"
#include "ui/ShowMenue.h"
#include "ui/Zeitleiste.h"

#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <fstream>

using namespace sw;
namespace fs = std::filesystem;

namespace {

using test::Fenster;

constexpr int kQ = 81, kW = 87, kE = 69; // key codes of page 0: key index = key code

std::string figurMit(std::int16_t x) {
    Figur f;
    f.Frames[0].Punkte.push_back(Punkt{x, 0, 4095, 4});
    f.Frames[0].Punkte.push_back(Punkt{static_cast<std::int16_t>(x + 5000), 5000, 4095, 0});
    return qvbKodieren(f);
}

// Three figures, and the key order that shows them on Q, W and E.
void dreiFiguren(const fs::path& o) {
    test::schreibeDatei(o / "Eins.qvb", figurMit(-20000));
    test::schreibeDatei(o / "Zwei.qvb", figurMit(0));
    test::schreibeDatei(o / "Drei.qvb", figurMit(15000));
    std::ofstream k(o / "Key.ord", std::ios::binary);
    for (int i = 0; i < 3250; ++i)
        k << (i == kQ   ? "Eins.qvb"
              : i == kW ? "Zwei.qvb"
              : i == kE ? "Drei.qvb"
                        : "####")
          << "\r\n";
}

struct SequenzerFenster : ::testing::Test {
    Fenster t{dreiFiguren};
    ui::Sequenzerfenster* s = nullptr;
    FakeMedien* medien = nullptr;

    SequenzerFenster() {
        // The clock-only player in place of the started program's real one, before the show
        // control takes it.
        auto uhr = std::make_unique<FakeMedien>();
        medien = uhr.get();
        t.p->medien = std::move(uhr);
        s = ui::sequenzerfenster(*t.w);
        ui::fensterZeigen(s);
    }
    sw::Sequenzer& seq() { return t.p->sequenzer; }
    WiedergabeZustand& w() { return ui::showsteuerung(*t.w).wiedergabe; }
    long figurVon(int key) { return t.p->live.keyTable[static_cast<std::size_t>(key)].value_or(0); }
    long gezeigt(int gruppe) { return t.p->figuren.SpurAuswahl[gruppe].Figur; }
    template <typename T> T* kind(const QString& name) {
        T* k = s->findChild<T*>(name);
        EXPECT_NE(k, nullptr) << name.toStdString();
        return k;
    }
    void ausloesen(const char* name) { kind<QAction>(name)->trigger(); }
    // Drops the key's figure through the view at about `zeit` on the shown group's first row.
    // Returns the time the event got.
    double ablegen(int key, double zeit) {
        auto* z = s->zeitleiste();
        const std::size_t vorher = seq().Events.size();
        EXPECT_TRUE(z->figurAblegen(figurVon(key), z->punktBei(zeit, 1)));
        EXPECT_EQ(seq().Events.size(), vorher + 1);
        for (const auto& e : seq().Events)
            if (e.key == key && e.kind == kArtGedrueckt) return e.start;
        ADD_FAILURE() << "no event for key " << key;
        return -1;
    }
    // The output cycle runs on its timer: wait until it has done what the test waits for.
    template <typename F> bool bisZu(F bedingung, int ms = 3000) {
        for (int i = 0; i < ms / 10 && !bedingung(); ++i) QTest::qWait(10);
        return bedingung();
    }
    // (start, track, kind, key, value) of events 1 to N.
    std::vector<std::tuple<double, int, int, int, int>> ereignisse() {
        std::vector<std::tuple<double, int, int, int, int>> v;
        for (std::size_t i = 1; i < seq().Events.size(); ++i) {
            const auto& e = seq().Events[i];
            v.emplace_back(e.start, e.track, e.kind, e.key, e.value);
        }
        return v;
    }
    // A show of three figures on group `gruppe`'s first row at 1, 2 and 3 s, saved under `name`
    // and opened again (with its media, the placeholder of 180 s).
    void showMitDreiFiguren(const std::string& name, int gruppe = 0) {
        ausloesen("mnuNeueShow");
        // The show plays to a media file beside it (any file does for the clock-only player).
        t.p->show.SoundName = "Musik.mp3";
        test::schreibeDatei(t.s.tmp / "figuren" / "Musik.mp3", "ID3");
        for (auto [key, zeit] : {std::pair{kQ, 1000.0}, {kW, 2000.0}, {kE, 3000.0}})
            ASSERT_TRUE(
                picSpur_DragDrop(seq(), t.p->env, t.p->live.keyTable, figurVon(key), zeit, 1));
        for (auto& e : seq().Events)
            if (e.track == 1) e.track = static_cast<std::uint8_t>(19 * gruppe + 1);
        t.s.dialoge.eingaben.push_back(name);
        ausloesen("mnuShowSpeichern");
        t.s.dialoge.dateinamen.push_back((t.s.tmp / "figuren" / (name + ".shw")).string());
        ausloesen("mnuShowLaden");
        ASSERT_EQ(seq().Events.size(), 5u);
        ASSERT_GT(medien->DS_GetDuration(), 100);
    }
};

} // namespace

TEST_F(SequenzerFenster, BuildsAShowFromScratchEditsSavesAndOpensItAgain) {
    ausloesen("mnuNeueShow");
    EXPECT_EQ(seq().Events.size(), 2u);
    const double eins = ablegen(kQ, 4000);
    const double zwei = ablegen(kW, 1000);
    const double drei = ablegen(kE, 2500);
    auto vorher = ereignisse();
    ASSERT_EQ(vorher.size(), 4u); // the new show's all-zero event and the three figures
    // Sorted by start, each a key press of its figure's key on the shown group.
    EXPECT_TRUE(std::is_sorted(vorher.begin(), vorher.end()));
    for (std::size_t i = 1; i < 4; ++i) {
        const auto [start, track, kind, key, value] = vorher[i];
        EXPECT_GE(track, 1);
        EXPECT_LE(track, 19);
        EXPECT_EQ(kind, kArtGedrueckt);
        EXPECT_EQ(value, key);
    }
    EXPECT_TRUE(kind<QToolButton>("cmdDo(3)")->isEnabled()); // something to undo

    // Mark the W event and move it 1.75 s later: it now comes after the E event.
    long wIndex = 0;
    for (std::size_t i = 1; i < seq().Events.size(); ++i)
        if (seq().Events[i].key == kW) wIndex = static_cast<long>(i);
    EventUmschalten(seq(), wIndex);
    t.s.dialoge.eingaben.push_back("1750");
    ausloesen("mnuEventsVerschieben");
    auto verschoben = ereignisse();
    std::vector<int> keys;
    for (const auto& e : verschoben) keys.push_back(std::get<3>(e));
    EXPECT_EQ(keys, (std::vector<int>{0, kE, kW, kQ}));
    EXPECT_EQ(std::get<0>(verschoben[2]), zwei + 1750);
    (void)eins;
    (void)drei;

    // Undo (Ctrl+Z through the edit button) puts it back; redo is then offered.
    kind<QToolButton>("cmdDo(3)")->click();
    EXPECT_EQ(ereignisse(), vorher);
    EXPECT_TRUE(kind<QToolButton>("cmdDo(4)")->isEnabled());
    EXPECT_TRUE(kind<QAction>("mnuRedo")->isEnabled());

    // Save under a name: asked for, written beside the figures, named in the window.
    t.s.dialoge.eingaben.push_back("Erste Show");
    ausloesen("mnuShowSpeichern");
    const fs::path ordner = t.s.tmp / "figuren";
    ASSERT_TRUE(fs::exists(ordner / "Erste Show.shw"));
    ASSERT_TRUE(fs::exists(ordner / "Erste Show.seq"));
    EXPECT_TRUE(kind<QLabel>("lblShowname")->text().endsWith("Erste Show"));

    // A new show is empty; the recent-files menu offers the saved one and opens it again.
    ausloesen("mnuNeueShow");
    EXPECT_EQ(seq().Events.size(), 2u);
    auto* zuletzt = kind<QMenu>("mnuZuletztGeoeffnete");
    emit zuletzt->aboutToShow();
    auto* eintrag = kind<QAction>("mnuZuletztGeoeffnete(0)");
    ASSERT_NE(eintrag, nullptr);
    EXPECT_EQ(eintrag->text(), "Erste Show.shw");
    eintrag->trigger();
    EXPECT_EQ(ereignisse(), vorher);

    // And through the open dialog, after another new show.
    ausloesen("mnuNeueShow");
    t.s.dialoge.dateinamen.push_back((ordner / "Erste Show.shw").string());
    ausloesen("mnuShowLaden");
    EXPECT_EQ(ereignisse(), vorher);
    EXPECT_EQ(w().gesendet, 0);
    EXPECT_EQ(seq().cursorZeit, 0);
}

TEST_F(SequenzerFenster, PlaysOnTheMediaClockThroughTheOutputCycle) {
    showMitDreiFiguren("Abspielen", 1);
    s->gruppeWaehlen(1);
    EXPECT_TRUE(kind<QToolButton>("optDeviceNr(1)")->isChecked());
    kind<QToolButton>("Play")->click();
    EXPECT_TRUE(w().spielt);
    EXPECT_TRUE(t.w->spielt()); // the output cycle runs
    EXPECT_FALSE(kind<QToolButton>("Play")->isEnabled());
    EXPECT_EQ(gezeigt(1), -1); // the start cleared the group

    // Just before each event the group shows the one before; past it, the event's figure.
    const std::pair<double, long> schritte[] = {{900, -1},
                                                {1050, figurVon(kQ)},
                                                {1990, figurVon(kQ)},
                                                {2010, figurVon(kW)},
                                                {3200, figurVon(kE)}};
    double jetzt = 0;
    for (const auto& [zeitpunkt, figur] : schritte) {
        const double zeit = zeitpunkt; // a lambda may not capture a structured binding
        medien->weiter(zeit - jetzt);
        jetzt = zeit;
        EXPECT_TRUE(bisZu([&] { return std::abs(w().showZeit - zeit) < 0.01; })) << zeit;
        EXPECT_EQ(gezeigt(1), figur) << "at " << zeit;
        EXPECT_EQ(gezeigt(0), -1);
    }
    EXPECT_TRUE(
        bisZu([&] { return kind<QLabel>("lblPosition")->text() == "Position: 0 min. 3 sec."; }));
    EXPECT_EQ(kind<QLabel>("lblRest")->text(), "Still To Play: 2 min. 56 sec.");

    // Stop: the cursor stays where the show was, output and media stop.
    kind<QToolButton>("Anhalten")->click();
    EXPECT_FALSE(w().spielt);
    EXPECT_FALSE(t.w->spielt());
    EXPECT_FALSE(medien->spielt);
    EXPECT_NEAR(seq().cursorZeit, 3200, 0.01);

    // Playing on from there chases the state at the cursor at once.
    kind<QToolButton>("Play")->click();
    EXPECT_EQ(gezeigt(1), figurVon(kE));
    kind<QToolButton>("Anhalten")->click();
}

TEST_F(SequenzerFenster, RecordedKeysJoinTheTimelineOnlyAfterStopSorted) {
    showMitDreiFiguren("Aufnahme");
    const int track = 1;
    t.p->live.armiert[track] = true;
    kind<QToolButton>("Rec")->click();
    EXPECT_TRUE(w().checkRecordMidi);
    EXPECT_TRUE(kind<QAction>("mnuRec")->isChecked());
    kind<QToolButton>("Play")->click();
    EXPECT_TRUE(w().aufnahme);
    EXPECT_TRUE(t.p->live.aufnahme);

    auto taste = [&](int key) {
        auto k = t.p->liveKontext();
        PC_Keyboard_Message(k, kArtGedrueckt, key, key, track, true);
    };
    // Each key after the pass that sent the timeline's events up to its time.
    medien->weiter(2500);
    EXPECT_TRUE(bisZu([&] { return std::abs(w().showZeit - 2500) < 0.01; }));
    taste(kQ);                           // at 2.5 s, between the W and the E event
    EXPECT_EQ(gezeigt(0), figurVon(kQ)); // the key showed its figure at once
    medien->weiter(1000);
    EXPECT_TRUE(bisZu([&] { return std::abs(w().showZeit - 3500) < 0.01; }));
    EXPECT_EQ(gezeigt(0), figurVon(kE));
    taste(kW); // at 3.5 s, after all of them
    EXPECT_EQ(gezeigt(0), figurVon(kW));
    EXPECT_EQ(seq().Events.size(), 5u); // but the timeline waits for the stop

    kind<QToolButton>("Anhalten")->click();
    std::vector<std::pair<double, int>> zeitUndKey;
    for (const auto& [start, tr, art, key, wert] : ereignisse())
        zeitUndKey.emplace_back(start, key);
    EXPECT_EQ(zeitUndKey, (std::vector<std::pair<double, int>>{
                              {0, 0}, {1000, kQ}, {2000, kW}, {2500, kQ}, {3000, kE}, {3500, kW}}));
    EXPECT_FALSE(w().checkRecordMidi);
    EXPECT_FALSE(kind<QToolButton>("Rec")->isChecked());
    EXPECT_FALSE(t.p->live.aufnahme);

    // One undo step takes the whole recording back.
    kind<QAction>("mnuUndo")->trigger();
    EXPECT_EQ(seq().Events.size(), 5u);
}

TEST_F(SequenzerFenster, SpaceAndHomeDriveTheTransportAndTheRateStepsAndResets) {
    showMitDreiFiguren("Tasten");
    QTest::keyClick(s, Qt::Key_Space);
    EXPECT_TRUE(w().spielt);
    EXPECT_TRUE(t.w->spielt());
    medien->weiter(1500);
    EXPECT_TRUE(bisZu([&] { return std::abs(w().showZeit - 1500) < 0.01; }));
    QTest::keyClick(s, Qt::Key_Space);
    EXPECT_FALSE(w().spielt);
    EXPECT_FALSE(t.w->spielt());
    EXPECT_NEAR(seq().cursorZeit, 1500, 0.01);
    QTest::keyClick(s, Qt::Key_Home);
    EXPECT_EQ(seq().cursorZeit, 0);
    EXPECT_EQ(medien->DS_GetPosition(), 0);
    EXPECT_FALSE(w().spielt);

    // Three steps up, one down, a right click back to 1; the player follows each.
    auto* schneller = kind<QToolButton>("cmdSpeed(0)");
    auto* langsamer = kind<QToolButton>("cmdSpeed(1)");
    auto* rate = kind<QLabel>("lblRate");
    for (int i = 0; i < 3; ++i) schneller->click();
    langsamer->click();
    EXPECT_DOUBLE_EQ(w().rate, 1.02);
    EXPECT_DOUBLE_EQ(medien->rate, 1.02);
    EXPECT_TRUE(rate->text().endsWith(": 1.02")) << rate->text().toStdString();
    QTest::mouseClick(langsamer, Qt::RightButton);
    EXPECT_DOUBLE_EQ(w().rate, 1.0);
    EXPECT_TRUE(rate->text().endsWith(": 1.00"));
    // The rate stops at 2.00.
    for (int i = 0; i < 120; ++i) schneller->click();
    EXPECT_DOUBLE_EQ(w().rate, 2.0);
    QTest::mouseClick(rate, Qt::RightButton);
    EXPECT_DOUBLE_EQ(w().rate, 1.0);

    // The loop button, the group buttons and the menu checks reach the engine; the show file
    // carries the automatic laser mode, the settings the window's place.
    kind<QToolButton>("checkAutoLoop")->click();
    EXPECT_TRUE(w().checkAutoLoop);
    kind<QToolButton>("optDeviceNr(7)")->click();
    EXPECT_EQ(seq().optDeviceNr, 7);
    EXPECT_EQ(kind<QToolButton>("optDeviceNr(4)")->text(), "5");
    EXPECT_EQ(kind<QToolButton>("optDeviceNr(3)")->text(), "D");
    kind<QAction>("mnuLaserAutomatik")->trigger();
    EXPECT_TRUE(t.p->show.mnuLaserAutomatik);
    ausloesen("mnuShowSpeichern");
    std::ifstream shw(t.s.tmp / "figuren" / "Tasten.shw", std::ios::binary);
    std::string zeile;
    for (int i = 0; i < 8; ++i) std::getline(shw, zeile);
    EXPECT_EQ(zeile, "True\r");
    s->hide();
    EXPECT_TRUE(t.p->einstellungen.ini()
                    .lesen(t.p->einstellungen.IniPfad, "Fensterposition",
                           "frmSequenzer.WPM.rcNormalPosition.Right")
                    .has_value());
}

TEST_F(SequenzerFenster, EveryControlHasAToolTipAndEveryButtonAnIcon) {
    for (auto* b : s->findChildren<QToolButton*>()) {
        if (b->objectName().startsWith("qt_")) continue; // the menu bar's own extension button
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        if (!b->objectName().startsWith("optDeviceNr")) {
            EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
        }
    }
    // The keys are named as the platform names them in the chosen language.
    const QString leertaste = QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText);
    const QString pos1 = QKeySequence(Qt::Key_Home).toString(QKeySequence::NativeText);
    for (const char* n : {"Play", "Anhalten", "Prev"}) {
        const QString tip = kind<QToolButton>(n)->toolTip();
        EXPECT_TRUE(tip.contains("(" + leertaste + ")") || tip.contains("(" + pos1 + ")"))
            << tip.toStdString();
    }
    // Captions come from the language table and follow a change of language at once.
    t.p->texte.setzen(0, ui::seqtext::NeueShow.nummer, ui::seqtext::NeueShow.deutsch);
    t.p->texte.setzen(0, ui::seqtext::MenueRaster.nummer, ui::seqtext::MenueRaster.deutsch);
    t.p->texte.Sprache = 0;
    s->beschriften();
    EXPECT_EQ(kind<QAction>("mnuNeueShow")->text(), "&Neue Show");
    EXPECT_EQ(kind<QMenu>("mnuRaster")->title(), "&Raster");
    t.p->texte.Sprache = 1;
    s->beschriften();
    EXPECT_EQ(kind<QAction>("mnuNeueShow")->text(), "&New show");
    EXPECT_EQ(kind<QMenu>("mnuRaster")->title(), "&Grid");
}

TEST_F(SequenzerFenster, DelayedStartStartsTheOutputWhenItFiresAndTheGridIsMadeFromBeats) {
    showMitDreiFiguren("Verzoegert");
    // A right click asks for the delay; below 250 ms is refused.
    t.s.dialoge.eingaben.push_back("100");
    QTest::mouseClick(kind<QToolButton>("cmdStartTimer"), Qt::RightButton);
    EXPECT_EQ(w().startverzoegerung, 1000);
    t.s.dialoge.eingaben.push_back("300");
    QTest::mouseClick(kind<QToolButton>("cmdStartTimer"), Qt::RightButton);
    EXPECT_EQ(w().startverzoegerung, 300);
    kind<QToolButton>("cmdStartTimer")->click();
    EXPECT_TRUE(w().spielt);
    EXPECT_FALSE(t.w->spielt()); // waiting: the lasers stay dark
    EXPECT_FALSE(medien->spielt);
    EXPECT_TRUE(bisZu([&] { return t.w->spielt(); }));
    EXPECT_TRUE(medien->spielt);
    // The main window's Stop ends the show as well, rather than being undone.
    t.w->abspielen(false);
    EXPECT_TRUE(bisZu([&] { return !w().spielt; }));
    QTest::qWait(300);
    EXPECT_FALSE(t.w->spielt());

    // The grid from beats per minute over the whole show; a spacing too fine is refused.
    t.s.dialoge.eingaben.push_back("120 bpm");
    ausloesen("mnuRasterErstellen");
    const auto& raster = seq().raster;
    ASSERT_GE(raster.marken.size(), 361u); // 180 s every 0.5 s
    EXPECT_EQ(raster.marken[1], 500);
    EXPECT_TRUE(raster.an);
    EXPECT_TRUE(kind<QAction>("mnuRasterAnAus")->isChecked());
    t.s.dialoge.eingaben.push_back("5");
    ausloesen("mnuRasterErstellen");
    ASSERT_FALSE(t.s.dialoge.meldungen.empty());
    EXPECT_EQ(t.s.dialoge.meldungen.back(), ui::seqtext::RasterUngueltig.englisch);
    EXPECT_EQ(raster.marken[1], 500);
    kind<QAction>("mnuRasterAnAus")->trigger();
    EXPECT_FALSE(raster.an);
}
