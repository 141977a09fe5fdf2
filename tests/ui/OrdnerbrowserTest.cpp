#include "ui/Ordnerbrowser.h"
#include "../core/IldaBauer.h"
#include "Fenster.h"
#include "core/QvbFormat.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>

using namespace sw;
namespace fs = std::filesystem;

namespace {

using test::Fenster;

QString q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

void figurDatei(const fs::path& datei) {
    Figur f;
    f.Frames[0].Punkte.push_back(Punkt{1, 2, 4095, 4});
    test::schreibeDatei(datei, qvbKodieren(f));
}

ui::Ordnerbrowser& browser(Fenster& t) {
    // The class has no meta object of its own: the name alone finds it.
    return *static_cast<ui::Ordnerbrowser*>(t.kind<QWidget>("Ordnerbrowser"));
}

// The folder's row in the tree, once the tree has read its parent.
QModelIndex zeile(ui::Ordnerbrowser& b, const fs::path& ordner) {
    QModelIndex i;
    (void)QTest::qWaitFor(
        [&] {
            i = b.baumIndex(q(ordner));
            return i.isValid();
        },
        5000);
    return i;
}

void klicken(ui::Ordnerbrowser& b, const fs::path& ordner) {
    const QModelIndex i = zeile(b, ordner);
    ASSERT_TRUE(i.isValid()) << ordner;
    b.baum()->scrollTo(i);
    QTest::mouseClick(b.baum()->viewport(), Qt::LeftButton, {}, b.baum()->visualRect(i).center());
}

} // namespace

TEST(Ordnerbrowser, OneClickOpensAFolderTheKeysOnlyMoveAndCancelKeepsTheFolder) {
    Fenster t([](const fs::path& o) {
        figurDatei(o / "a.qvb");
        fs::create_directories(o.parent_path() / "zweiter" / "innen");
        figurDatei(o.parent_path() / "zweiter" / "x.qvb");
        figurDatei(o.parent_path() / "zweiter" / "y.qvb");
    });
    const fs::path figuren = t.s.tmp / "figuren", zweiter = t.s.tmp / "zweiter";
    auto& b = browser(t);
    auto* baum = t.kind<QTreeView>("lstDir");
    auto* liste = t.kind<QListWidget>("lstFiguren");
    auto einig = [&](const fs::path& ordner) {
        EXPECT_EQ(t.p->figuren.lstDirPfad, ordner);
        EXPECT_EQ(baum->currentIndex(), b.baumIndex(q(ordner)));
        EXPECT_EQ(liste->count(), static_cast<int>(t.p->figuren.lstFiguren.size()));
    };
    // The tree starts on the figure folder, opened, in view, shown bold.
    einig(figuren);
    EXPECT_TRUE(baum->isExpanded(b.baumIndex(q(t.s.tmp.pfad()))));
    EXPECT_TRUE(baum->currentIndex().data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return baum->viewport()->rect().contains(baum->visualRect(baum->currentIndex())); }));

    // The arrow before a folder only unfolds it.
    const QModelIndex z = zeile(b, zweiter);
    const QRect r = baum->visualRect(z);
    QTest::mouseClick(baum->viewport(), Qt::LeftButton, {},
                      QPoint(r.left() - baum->indentation() / 2, r.center().y()));
    EXPECT_TRUE(baum->isExpanded(z));
    einig(figuren);

    klicken(b, zweiter);
    einig(zweiter);
    ASSERT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->item(2)->text(), "y.qvb");
    EXPECT_TRUE(baum->isExpanded(baum->currentIndex()));

    // With an unsaved change: the keys pass over folders without asking; Enter asks, and
    // Cancel keeps the folder, the tree going back to it.
    t.w->figurWaehlen(1);
    t.kind<QDoubleSpinBox>("txtFPS")->setValue(25);
    t.s.dialoge.meldungen.clear();
    t.w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.w.get()));
    baum->setFocus();
    QTest::keyClick(baum, Qt::Key_Down);
    QTest::keyClick(baum, Qt::Key_Up);
    QTest::keyClick(baum, Qt::Key_Up);
    EXPECT_NE(baum->currentIndex(), b.baumIndex(q(zweiter)));
    EXPECT_TRUE(t.s.dialoge.meldungen.empty());
    // Leaving the tree takes its cursor back to the folder the list shows.
    liste->setFocus();
    EXPECT_EQ(baum->currentIndex(), b.baumIndex(q(zweiter)));
    baum->setFocus();
    QTest::keyClick(baum, Qt::Key_Up);
    QTest::keyClick(baum, Qt::Key_Return);
    EXPECT_EQ(t.s.dialoge.meldungen.size(), 1u);
    einig(zweiter);
    klicken(b, figuren);
    EXPECT_EQ(t.s.dialoge.meldungen.size(), 2u);
    einig(zweiter);
    EXPECT_EQ(t.figur(1).Parameter[parameter::Framedauer], 2000);
    // Discard: the click opens the folder.
    t.s.dialoge.antworten = {Antwort::Nein};
    klicken(b, figuren);
    einig(figuren);
    ASSERT_EQ(liste->count(), 2);

    // The system folders are not offered, nor a link to one.
    fs::create_directory_symlink("/proc", t.s.tmp / "verweis");
    EXPECT_TRUE(zeile(b, "/usr").isValid());
    for (const char* system : {"/proc", "/proc/self", "/sys", "/dev"})
        EXPECT_FALSE(b.baumIndex(system).isValid()) << system;
    EXPECT_FALSE(b.baumIndex(q(t.s.tmp / "verweis")).isValid());
    const QModelIndex wurzel = baum->rootIndex();
    for (int i = 0; i < baum->model()->rowCount(wurzel); ++i)
        EXPECT_NE(baum->model()->index(i, 0, wurzel).data().toString(), "proc");
}

TEST(Ordnerbrowser, IldaFilesFollowTheFiguresAndADoubleClickImportsOne) {
    test::IldaBauer zwei;
    zwei.kopf(1, 1, 0, 2).p1(1, 1, 128, 1).kopf(1, 2, 1, 2).p1(2, 2, 0, 2).p1(3, 3, 128, 2);
    Fenster t([&](const fs::path& o) {
        figurDatei(o / "a.qvb");
        test::schreibeDatei(o / "b.ild", zwei.bytes);
        test::schreibeDatei(o / "C.ILD", test::IldaBauer().kopf(1, 1).p1(5, 5, 128, 3).bytes);
        test::schreibeDatei(o / "d.ild.txt", "");
    });
    auto* liste = t.kind<QListWidget>("lstFiguren");
    ASSERT_EQ(liste->count(), 4);
    EXPECT_EQ(t.p->figuren.lstFiguren.size(), 2u); // not entries of the figure list
    EXPECT_EQ(liste->item(2)->text(), "ILDA  C.ILD");
    EXPECT_EQ(liste->item(3)->text(), "ILDA  b.ild");
    EXPECT_TRUE(liste->item(3)->toolTip().contains("b.ild"));
    EXPECT_TRUE(liste->item(3)->font().italic());

    // Choosing one leaves the editor as it was.
    t.w->figurWaehlen(1);
    const QPoint b = liste->visualItemRect(liste->item(3)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, b);
    EXPECT_EQ(liste->currentRow(), 3);
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Figur, 1);
    EXPECT_EQ(t.figur(0).Frames.size(), 1u);

    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, b);
    ASSERT_EQ(t.figur(0).Frames.size(), 2u);
    EXPECT_EQ(t.figur(0).Frames[1].Punkte.size(), 2u);
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Figur, 0);
    EXPECT_TRUE(istGeaendert(t.p->figuren, 0));
    EXPECT_EQ(liste->item(0)->text(), "***Figur 0*** *");
    EXPECT_EQ(liste->count(), 4);
    EXPECT_EQ(t.w->statusBar()->currentMessage(), "imported b.ild: 2 frames");
    EXPECT_TRUE(t.s.dialoge.dateiDialoge.empty());

    // Enter imports too; over the changed figure 0 it asks first, and Cancel keeps it.
    liste->setCurrentRow(2);
    t.s.dialoge.meldungen.clear();
    QTest::keyClick(liste, Qt::Key_Return);
    EXPECT_EQ(t.s.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(t.figur(0).Frames.size(), 2u);
    t.s.dialoge.antworten = {Antwort::Nein};
    liste->setCurrentRow(2);
    QTest::keyClick(liste, Qt::Key_Return);
    EXPECT_EQ(t.figur(0).Frames.size(), 1u);
    EXPECT_EQ(t.w->statusBar()->currentMessage(), "imported C.ILD: 1 frame");
    t.s.dialoge.antworten = {Antwort::Nein};
}

TEST(Ordnerbrowser, RecentFoldersAreStoredRestoredAndAVanishedOneDropped) {
    Fenster t([](const fs::path& o) {
        for (const char* n : {"eins", "zwei", "drei"}) fs::create_directories(o.parent_path() / n);
    });
    const fs::path figuren = t.s.tmp / "figuren", eins = t.s.tmp / "eins", zwei = t.s.tmp / "zwei",
                   drei = t.s.tmp / "drei";
    auto& b = browser(t);
    auto* box = t.kind<QComboBox>("cboLetzteOrdner");
    for (const auto& o : {eins, zwei, drei, zwei}) t.w->ordnerZeigen(o);
    using Liste = std::vector<fs::path>;
    EXPECT_EQ(b.letzteOrdner(), (Liste{zwei, drei, eins, figuren}));
    ASSERT_EQ(box->count(), 4);
    EXPECT_EQ(box->currentIndex(), 0);
    const std::string ini = t.p->einstellungen.IniPfad;
    auto lesen = [&](int i) {
        return t.p->einstellungen.ini()
            .lesen(ini, "Optionen_4_FrmHaupt", "LetzterOrdner(" + std::to_string(i) + ")")
            .value_or("(absent)");
    };
    EXPECT_EQ(lesen(0), zwei.string());
    EXPECT_EQ(lesen(3), figuren.string());

    // Choosing one opens it.
    box->activated(2);
    EXPECT_EQ(t.p->figuren.lstDirPfad, eins);
    EXPECT_EQ(b.letzteOrdner(), (Liste{eins, zwei, drei, figuren}));
    EXPECT_EQ(box->itemText(0).toStdString(), eins.string());

    // At most eight, and a folder that has gone drops out when read back at the next start.
    for (int i = 0; i < 9; ++i) {
        fs::create_directories(t.s.tmp / std::to_string(i));
        t.w->ordnerZeigen(t.s.tmp / std::to_string(i));
    }
    EXPECT_EQ(b.letzteOrdner().size(), 8u);
    EXPECT_EQ(b.letzteOrdner().back(), t.s.tmp / "1");
    fs::remove_all(t.s.tmp / "7");
    t.w->close();
    for (int i = 0; i < 8; ++i)
        t.p->modell.setzen("Optionen_4_FrmHaupt", "LetzterOrdner(" + std::to_string(i) + ")", "");
    t.p->modell.abschnittLaden(t.p->einstellungen, "Optionen_4_FrmHaupt");
    t.w = std::make_unique<ui::Hauptfenster>(*t.p);
    auto& neu = browser(t);
    Liste erwartet;
    for (int i : {8, 6, 5, 4, 3, 2, 1}) erwartet.push_back(t.s.tmp / std::to_string(i));
    EXPECT_EQ(neu.letzteOrdner(), erwartet);
    EXPECT_EQ(lesen(6), (t.s.tmp / "1").string());
    EXPECT_EQ(lesen(7), "");
}
