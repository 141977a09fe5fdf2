#include "ui/Laserleiste.h"
#include "Fenster.h"
#include "ui/Figurenansicht.h"
#include "ui/Geraetetafel.h"
#include "ui/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace sw;

using test::Fenster;

TEST(Laserleiste, StartsDisarmedEscapeBlacksOutOnlyAClickEndsItAndBrightnessIsStored) {
    Fenster t;
    auto* leiste = t.kind<ui::Laserleiste>("tbLaser");
    ASSERT_NE(leiste, nullptr);
    EXPECT_TRUE(leiste->isVisible());
    EXPECT_FALSE(leiste->toggleViewAction()->isEnabled());
    EXPECT_FALSE(leiste->isMovable());
    EXPECT_FALSE(t.haupt().LaserFreigabe);
    EXPECT_FALSE(t.haupt().Blackout);
    EXPECT_EQ(t.haupt().Helligkeit, 1);
    EXPECT_FALSE(t.kind<QAction>("mnuLaserFreigabe")->isChecked());
    EXPECT_EQ(t.kind<QSpinBox>("txtHelligkeit")->value(), 100);

    t.kind<QAction>("mnuLaserFreigabe")->trigger();
    EXPECT_TRUE(t.haupt().LaserFreigabe);

    t.w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.w.get()));
    auto* leinwand = t.kind<ui::Figurenansicht>("picFigur");
    leinwand->setFocus();
    QTest::keyClick(leinwand, Qt::Key_Escape);
    EXPECT_TRUE(t.haupt().Blackout);
    EXPECT_TRUE(t.kind<QAction>("mnuBlackout")->isChecked());
    // a second Escape keeps it dark
    QTest::keyClick(t.w.get(), Qt::Key_Escape);
    EXPECT_TRUE(t.haupt().Blackout);
    t.kind<QAction>("mnuBlackout")->trigger();
    EXPECT_FALSE(t.haupt().Blackout);
    EXPECT_TRUE(t.haupt().LaserFreigabe);
    EXPECT_TRUE(t.kind<QAction>("mnuBlackout")->toolTip().contains("Esc"));

    // The brightness reaches the engine and the settings.
    auto* prozent = t.kind<QSpinBox>("txtHelligkeit");
    prozent->setValue(40);
    EXPECT_DOUBLE_EQ(t.haupt().Helligkeit, 0.4);
    EXPECT_EQ(t.kind<QSlider>("scrHelligkeit")->value(), 40);
    emit prozent->editingFinished();
    EXPECT_EQ(t.p->einstellungen.zahlLesen("Laser", "Helligkeit", 0), 40);

    // the next start takes the stored brightness, and arms when the settings say so
    t.p->einstellungen.zahlSchreiben("Laser", "FreigabeBeimStart", 1);
    AusgabeZustand a;
    a.Haupt.Helligkeit = 1;
    ui::Laserleiste neu(a.Haupt, t.p->einstellungen);
    EXPECT_TRUE(a.Haupt.LaserFreigabe);
    EXPECT_NEAR(a.Haupt.Helligkeit, 0.4, 1e-6);
    EXPECT_EQ(neu.findChild<QSpinBox*>("txtHelligkeit")->value(), 40);
}

TEST(Geraetetafel, ShowsEachAssignedDeviceWithItsStateAndRate) {
    Fenster t;
    auto* tafel = t.kind<ui::Geraetetafel>("dockGeraete");
    auto* tabelle = t.kind<QTableWidget>("lstGeraetezustand");
    // hidden at first, so the window fits small screens; the View menu shows it
    EXPECT_FALSE(tafel->isVisible());
    t.kind<QAction>("mnuGeraetetafel")->trigger();
    EXPECT_TRUE(tafel->isVisible());
    t.p->geraete.HardwareZuordnung.fill(0);
    tafel->aktualisieren();
    EXPECT_EQ(tabelle->rowCount(), 0);

    t.p->geraete.HardwareZuordnung[3] = 1; // the Virtual Device
    t.p->geraete.PPSWert[3] = 30000;
    tafel->aktualisieren();
    ASSERT_EQ(tabelle->rowCount(), 1);
    // buffer target and fill (the last two) only for a streaming device that plays
    ASSERT_EQ(tabelle->columnCount(), 6);
    const QStringList zeile = {"3", "Virtual Device", "connected", "30000", "", ""};
    for (int s = 0; s < 6; ++s) EXPECT_EQ(tabelle->item(0, s)->text(), zeile[s]) << s;

    // a device of the list that detection did not find again
    GeraeteEintrag weg;
    weg.Typ = Geraetetyp::EtherDream;
    weg.Anzeigename = "Bühne links";
    t.p->geraete.Geraeteliste.push_back(weg);
    t.p->geraete.HardwareZuordnung[5] =
        static_cast<std::int16_t>(t.p->geraete.Geraeteliste.size() - 1);
    tafel->aktualisieren();
    ASSERT_EQ(tabelle->rowCount(), 2);
    EXPECT_EQ(tabelle->item(1, 1)->text(), QString::fromUtf8("Bühne links"));
    EXPECT_EQ(tabelle->item(1, 2)->text(), "not found");
}
