// The playlist window on a started program with a clock-only player: shows played one after
// the other through the window's own timer (auto-next, auto-loop, stop after one), and the
// buttons, keys, drops, entry fields, options and file round trip reaching the engine.

#include "ui/Playlistfenster.h"
#include "Fenster.h"
#include "app/Sprache.h"
#include "generators/Sprachtabelle.h"
#include "show/ShowSpeichern.h"
#include "ui/Optionenfenster.h"
#include "ui/ShowMenue.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QUrl>

using namespace sw;
namespace fs = std::filesystem;

namespace {

struct PlaylistFenster : ::testing::Test {
    test::Fenster f;
    FakeMedien* medien = nullptr;
    Showsteuerung* st = nullptr;
    ui::Playlistfenster* w = nullptr;
    fs::path ordner = f.s.tmp / "shows";

    PlaylistFenster() {
        // The clock-only player, before the show control takes the player.
        auto m = std::make_unique<FakeMedien>();
        medien = m.get();
        medien->laenge = 1.0;
        f.p->medien = std::move(m);
        st = &ui::showsteuerung(*f.w);
        st->wiedergabe.startverzoegerung = kMindestVerzoegerung;
        f.p->sequenzer.undo.ordner = f.s.tmp.pfad();
        fs::create_directories(ordner);
        test::schreibeDatei(ordner / "lied.mp3", "ID3");
        for (const char* name : {"A", "B", "C"}) {
            f.p->show.ShowName = name;
            f.p->show.SoundName = "lied.mp3";
            EXPECT_TRUE(ShowSpeichern(st->show, ordner.string(), name)) << name;
        }
        w = ui::playlistfenster(*f.w);
        ui::fensterZeigen(w);
    }
    std::string show(const char* name) const {
        return (ordner / (std::string(name) + ".shw")).string();
    }
    template <typename T> T* kind(const QString& name) {
        T* k = w->findChild<T*>(name);
        EXPECT_NE(k, nullptr) << name.toStdString();
        return k;
    }
    void klick(const QString& name) {
        auto* k = kind<QPushButton>(name);
        ASSERT_TRUE(k->isEnabled()) << name.toStdString();
        k->click();
    }
    QListWidget* liste() { return kind<QListWidget>("lstPlayList"); }
    QStringList titel() {
        QStringList t;
        for (int i = 0; i < liste()->count(); ++i) t << liste()->item(i)->text();
        return t;
    }
    void hinzu(std::initializer_list<const char*> namen) {
        for (auto n : namen) {
            f.s.dialoge.dateinamen = {show(n)};
            klick("cmdAdd");
        }
    }
    // The show starts after its delay (the window's timer fires it), runs to the end of its
    // media on the output cycle's passes, and the window's timer moves the playlist on.
    void bisZumEnde() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return medien->spielt; }, 3000)) << "the show starts";
        medien->weiter(medien->laenge * 1000 + 10);
        sequenzerDurchlauf(st->wk);
        QTest::qWait(3 * 200 + 100); // the playlist timer's tick, then a second's wait
        QCoreApplication::processEvents();
    }
};

// Which shows play, from the first, with the two options: auto-next goes on after a show,
// auto-loop goes from the last back to the first; without auto-next one show and the end.
TEST_F(PlaylistFenster, ShowsFollowOneAnotherOnTheWindowsTimer) {
    hinzu({"A", "B"});
    struct Fall {
        bool weiter, schleife;
        std::vector<std::string> folge; // the show loaded after each end
        bool laeuftDanach;
    };
    const Fall faelle[] = {
        {false, false, {"A"}, false},
        {true, false, {"B", "B"}, false},
        {true, true, {"B", "A"}, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(testing::Message()
                     << "auto-next " << fall.weiter << ", loop " << fall.schleife);
        if (kind<QCheckBox>("checkAutoNextShow")->isChecked() != fall.weiter)
            kind<QCheckBox>("checkAutoNextShow")->click();
        if (kind<QCheckBox>("checkAutoLoop")->isChecked() != fall.schleife)
            kind<QCheckBox>("checkAutoLoop")->click();
        liste()->setCurrentRow(0);
        klick("cmdPlay");
        EXPECT_EQ(f.p->show.Showname, "A");
        EXPECT_TRUE(st->wiedergabe.playlistLaeuft);
        EXPECT_TRUE(liste()->item(0)->font().bold()) << "the entry that plays";
        EXPECT_FALSE(liste()->item(1)->font().bold());
        EXPECT_FALSE(kind<QPushButton>("cmdAdd")->isEnabled()) << "no editing while it plays";
        EXPECT_FALSE(kind<QPushButton>("cmdPlay")->isEnabled());
        EXPECT_TRUE(kind<QPushButton>("cmdAnhalten")->isEnabled());
        EXPECT_NE(kind<QLabel>("lblStatus")->text().indexOf("A.shw"), -1);
        for (const auto& erwartet : fall.folge) {
            bisZumEnde();
            EXPECT_EQ(f.p->show.Showname, erwartet);
        }
        EXPECT_EQ(st->wiedergabe.playlistLaeuft, fall.laeuftDanach);
        EXPECT_EQ(kind<QPushButton>("cmdAdd")->isEnabled(), !fall.laeuftDanach);
        if (fall.laeuftDanach) {
            EXPECT_EQ(liste()->currentRow(), 0);
            EXPECT_TRUE(liste()->item(0)->font().bold());
            klick("cmdAnhalten");
            EXPECT_FALSE(st->wiedergabe.playlistLaeuft);
            EXPECT_FALSE(medien->spielt);
            EXPECT_TRUE(kind<QPushButton>("cmdAdd")->isEnabled());
            EXPECT_FALSE(liste()->item(0)->font().bold());
        }
    }
    // The options are settings, written when clicked.
    EXPECT_EQ(f.p->einstellungen.zahlLesen("Sonstiges", "CheckAutoLoop", 0), -1);
    EXPECT_EQ(f.p->einstellungen.zahlLesen("Sonstiges", "CheckAutoNextShow", 0), -1);
    EXPECT_NE(test::leseDatei(f.p->einstellungen.IniPfad).find("CheckAutoLoop=-1"),
              std::string::npos);
}

TEST_F(PlaylistFenster, EditingThroughButtonsKeysAndDropsAndTheFileRoundTrip) {
    hinzu({"A", "B"});
    EXPECT_EQ(titel(), (QStringList{"A.shw", "B.shw"}));
    liste()->setCurrentRow(0);
    EXPECT_EQ(st->playlist.ListIndex, 0);
    klick("cmdUpdDown(1)");
    EXPECT_EQ(titel(), (QStringList{"B.shw", "A.shw"}));
    EXPECT_EQ(liste()->currentRow(), 1) << "the selection follows the entry";
    klick("cmdUpdDown(1)"); // already the last
    QTest::keyClick(liste(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(titel(), (QStringList{"A.shw", "B.shw"}));

    // The selected entry's routing and scan rates are the entry's, and edited there.
    f.p->ausgabe->SpurZuordnung[2][1] = true; // side C on hardware 1 for the next show added
    f.p->geraete.PPSWert.fill(18000);
    hinzu({"C"});
    liste()->setCurrentRow(2);
    EXPECT_TRUE(kind<QCheckBox>("SpurCZuordnung(1)")->isChecked());
    EXPECT_EQ(kind<QSpinBox>("txtPPS(15)")->value(), 18000);
    liste()->setCurrentRow(0);
    EXPECT_FALSE(kind<QCheckBox>("SpurCZuordnung(1)")->isChecked());
    kind<QCheckBox>("SpurDZuordnung(3)")->click();
    EXPECT_TRUE(st->playlist.eintrag(0).zuordnung[3][3]);
    const auto gefragt = f.s.dialoge.meldungen.size();
    kind<QSpinBox>("txtPPS(5)")->setValue(24000);
    EXPECT_EQ(st->playlist.eintrag(0).pps[5], 24000);
    EXPECT_EQ(f.s.dialoge.meldungen.size(), gefragt);
    kind<QSpinBox>("txtPPS(6)")->setValue(30000);
    EXPECT_EQ(st->playlist.eintrag(0).pps[6], 30000);
    EXPECT_EQ(f.s.dialoge.meldungen.size(), gefragt + 1) << "the scanner warning";

    // Saved, emptied, loaded: the same entries.
    const auto vorher = st->playlist.eintraege;
    const fs::path datei = f.s.tmp / "Liste.pll";
    f.s.dialoge.dateinamen = {datei.string()};
    klick("cmdSpeichern");
    ASSERT_TRUE(fs::exists(datei));
    klick("cmdNeu");
    EXPECT_EQ(liste()->count(), 0);
    EXPECT_FALSE(kind<QPushButton>("cmdPlay")->isEnabled()) << "nothing to play";
    EXPECT_FALSE(kind<QWidget>("fraRouting")->isEnabled());
    f.s.dialoge.dateinamen = {datei.string()};
    klick("cmdLaden");
    EXPECT_EQ(st->playlist.eintraege, vorher);
    EXPECT_EQ(titel(), (QStringList{"A.shw", "B.shw", "C.shw"}));
    EXPECT_NE(kind<QLabel>("lblStatus")->text().indexOf("Liste.pll"), -1);

    // Delete by button and by key; the selection stays in the list.
    liste()->setCurrentRow(1);
    klick("cmdLoeschen");
    EXPECT_EQ(titel(), (QStringList{"A.shw", "C.shw"}));
    QTest::keyClick(liste(), Qt::Key_Delete);
    EXPECT_EQ(titel(), (QStringList{"A.shw"}));

    // Files dropped from a file manager: the show is appended, anything else is not.
    test::schreibeDatei(ordner / "notiz.txt", "x");
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(QString::fromStdString(show("B"))),
                   QUrl::fromLocalFile(QString::fromStdString((ordner / "notiz.txt").string()))});
    QDragEnterEvent betreten(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(liste()->viewport(), &betreten);
    EXPECT_TRUE(betreten.isAccepted());
    QDropEvent ablage(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(liste()->viewport(), &ablage);
    EXPECT_EQ(titel(), (QStringList{"A.shw", "B.shw"}));
    EXPECT_EQ(st->playlist.eintrag(1).showPfad, show("B"));
    QMimeData nurText;
    nurText.setText("kein Pfad");
    QDragEnterEvent fremd(QPoint(5, 5), Qt::CopyAction, &nurText, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(liste()->viewport(), &fremd);
    EXPECT_FALSE(fremd.isAccepted());

    // The folder panel: every show of the sub-folders, two levels deep.
    fs::create_directories(f.s.tmp / "Sammlung" / "Eins" / "Tief");
    test::schreibeDatei(f.s.tmp / "Sammlung" / "Eins" / "X.shw", "");
    test::schreibeDatei(f.s.tmp / "Sammlung" / "Eins" / "Tief" / "Y.shw", "");
    EXPECT_FALSE(kind<QFrame>("fraOrdner")->isVisible());
    klick("cmdPlaylisteFromFolder");
    EXPECT_TRUE(kind<QFrame>("fraOrdner")->isVisible());
    kind<QLineEdit>("txtOrdner")->setText(QString::fromStdString((f.s.tmp / "Sammlung").string()));
    klick("cmdAlleShowsInPlayliste");
    EXPECT_EQ(titel(), (QStringList{"A.shw", "B.shw", "X.shw", "Y.shw"}));
    EXPECT_NE(kind<QLabel>("lblStatus")->text().indexOf("2 shows added"), -1);

    // The remote-control help.
    klick("cmdMidiInfo");
    EXPECT_EQ(f.s.dialoge.meldungen.back(),
              "c1 = Stop\nd1 = Prev\ne1 = Next\nf1 = Play\n >fis1 = Play ShowNumber");

    // A drag within the list moves the selected entry there.
    liste()->setCurrentRow(3);
    w->eintragVerschieben(1);
    EXPECT_EQ(titel(), (QStringList{"A.shw", "Y.shw", "B.shw", "X.shw"}));
    EXPECT_EQ(liste()->currentRow(), 1);

    // A playlist from the recent-files menu.
    w->dateiLaden(datei.string());
    EXPECT_EQ(titel(), (QStringList{"A.shw", "B.shw", "C.shw"}));
    EXPECT_EQ(liste()->currentRow(), 0);
}

// Every control of the window says what it does, in either language, the captions follow
// the language at once, and the window comes back where it was.
TEST_F(PlaylistFenster, ToolTipsLanguageAndPosition) {
    sprachtexteLesen(f.p->texte, gen::languageTxt());
    EXPECT_EQ(w->findChildren<QSpinBox*>().size(), 16);
    for (int sprache : {0, 1}) {
        f.w->spracheWaehlen(sprache);
        for (QWidget* k : w->findChildren<QWidget*>()) {
            const bool bedienbar = qobject_cast<QAbstractButton*>(k) ||
                                   qobject_cast<QAbstractSpinBox*>(k) ||
                                   qobject_cast<QLineEdit*>(k) || k == liste();
            if (!bedienbar || k->objectName().startsWith("qt_")) continue;
            EXPECT_FALSE(k->toolTip().isEmpty()) << k->objectName().toStdString();
        }
        EXPECT_EQ(kind<QPushButton>("cmdAdd")->text(),
                  QString::fromUtf8(sprache == 0 ? "Show &hinzufügen..." : "&Add show..."));
        EXPECT_EQ(w->windowTitle(), sprache == 0 ? "Playliste" : "Playlist");
    }
    w->resize(800, 560);
    w->move(40, 30);
    const QRect wo = w->geometry();
    w->hide();
    EXPECT_EQ(
        f.p->einstellungen.zahlLesen("Fensterposition", "frmPlayList.WPM.rcNormalPosition.Left", 0),
        wo.left());
}

// Started by the MIDI remote, the list follows the engine on the window's timer, and the
// entry's routing reaches the output and an open options window.
TEST_F(PlaylistFenster, TheListFollowsTheRemoteAndTheOptionsWindowTheRouting) {
    f.p->ausgabe->SpurZuordnung[1][2] = true; // side B on hardware 2
    hinzu({"A", "B"});
    f.p->ausgabe->SpurZuordnung[1][2] = false;
    auto* optionen = ui::optionenZeigen(f.w.get(), *f.p);
    auto* box = optionen->findChild<QCheckBox*>("SpurBZuordnung(2)");
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isChecked());
    playlistNote(st->pk, kNoteErsterEintrag + 1);
    EXPECT_EQ(f.p->show.Showname, "B");
    EXPECT_TRUE(f.p->ausgabe->SpurZuordnung[1][2]);
    EXPECT_TRUE(box->isChecked()) << "the options window shows the entry's routing";
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste()->currentRow() == 1; }, 1000));
    EXPECT_TRUE(liste()->item(1)->font().bold());
    EXPECT_FALSE(kind<QPushButton>("cmdAdd")->isEnabled());
    liste()->setCurrentRow(0); // while it plays the selection stays on the entry that plays
    EXPECT_EQ(liste()->currentRow(), 1);
    EXPECT_EQ(st->playlist.ListIndex, 1);
    playlistNote(st->pk, 36);
    ASSERT_TRUE(QTest::qWaitFor([&] { return kind<QPushButton>("cmdAdd")->isEnabled(); }, 1000));
    EXPECT_FALSE(liste()->item(1)->font().bold());
    optionen->close();
}

} // namespace
