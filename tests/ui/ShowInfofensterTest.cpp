// The show-information window on a started program: every control reaches the record on
// "Apply", the record goes through the show's ".info" file and comes back into the controls,
// the default record, the picture pixel for pixel, the pages after a show's load, and the
// captions in both languages with the window's place kept.

#include "ui/ShowInfofenster.h"
#include "Fenster.h"
#include "app/Sprache.h"
#include "generators/Sprachtabelle.h"
#include "show/ShowInfoDatei.h"
#include "show/ShowLaden.h"
#include "show/ShowSpeichern.h"
#include "ui/ShowInfoBild.h"
#include "ui/ShowMenue.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

using namespace sw;
namespace fs = std::filesystem;

namespace {

using test::Fenster;

template <typename T> T* kind(QWidget* w, const QString& name) {
    T* k = w->findChild<T*>(name);
    EXPECT_NE(k, nullptr) << name.toStdString();
    return k;
}

// A record with every field set to something other than its empty value.
ShowInfo vollerRecord() {
    ShowInfo i;
    i.Showname = "Sommernacht";
    i.Programmierer = "Jörg Ü.";
    i.Datum = "7.12.2026";
    i.ProgrammVersion = "0.1";
    i.Showtype = {false, false, true};
    i.Kartenzahl = 2;
    i.Bezeichnung = "Open Air";
    i.Gesamtlaenge = "3:25";
    i.Interpret = "Band";
    i.Titel = "Lied";
    i.WeitereInfos = "Zeile 1\r\nZeile 2";
    for (std::size_t n = 0; n < 4; ++n) {
        i.Projektoren[n].Farben = {n != 1, n % 2 == 0, n == 3};
        i.Projektoren[n].EmpfScanspeed = std::to_string(20 + n) + "K";
        i.SpurZuordnung[n] = {n == 0, n == 1, true, n == 3};
        i.ProjektorRouting[n] = "P" + std::to_string(n + 1);
    }
    i.ProjektorSetup = 1;
    i.ProjektorPlazierung = "Bühne links";
    i.AusgabeRouting = "über Kreuz";
    i.DMXVerwendung = 2;
    i.VerwendeteDMXGeraete = "2 Nebelmaschinen";
    i.DMXSonstigeInfos = "Universum 1";
    i.SonstigeInfos = "Strom: 16 A";
    return i;
}

// Types the record into the window's controls, as the operator would fill them: one entry per
// control, by its name.
void eintippen(QWidget* w, const ShowInfo& i) {
    const std::pair<const char*, std::string> zeilen[] = {
        {"txtShowname", i.Showname},
        {"txtProgrammierer", i.Programmierer},
        {"txtDatum", i.Datum},
        {"txtProgrammVersion", i.ProgrammVersion},
        {"txtBezeichnung", i.Bezeichnung},
        {"txtGesamtlaenge", i.Gesamtlaenge},
        {"txtInterpret", i.Interpret},
        {"txtTitel", i.Titel},
        {"txtEmpfScanspeed(0)", i.Projektoren[0].EmpfScanspeed},
        {"txtEmpfScanspeed(1)", i.Projektoren[1].EmpfScanspeed},
        {"txtEmpfScanspeed(2)", i.Projektoren[2].EmpfScanspeed},
        {"txtEmpfScanspeed(3)", i.Projektoren[3].EmpfScanspeed},
        {"txtHardware_ProjektorRouting(0)", i.ProjektorRouting[0]},
        {"txtHardware_ProjektorRouting(1)", i.ProjektorRouting[1]},
        {"txtHardware_ProjektorRouting(2)", i.ProjektorRouting[2]},
        {"txtHardware_ProjektorRouting(3)", i.ProjektorRouting[3]},
    };
    for (const auto& [name, text] : zeilen) {
        auto* e = kind<QLineEdit>(w, name);
        e->clear();
        // QTest types ASCII only; the rest goes in as typed text would.
        const QString t = QString::fromStdString(text);
        if (std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(e, t);
        else
            e->insert(t);
    }
    const std::pair<const char*, std::string> notizen[] = {
        {"txtWeitereInfos", i.WeitereInfos},
        {"txtWeitereInfos_ProjektorPlazierung", i.ProjektorPlazierung},
        {"txtWeitereInfos_AusgabeRouting", i.AusgabeRouting},
        {"txtVerwendeteDMXGeraete", i.VerwendeteDMXGeraete},
        {"txtDMXSonstigeInfos", i.DMXSonstigeInfos},
        {"txtSonstigeInfos", i.SonstigeInfos},
    };
    for (const auto& [name, text] : notizen)
        kind<QPlainTextEdit>(w, name)->setPlainText(
            QString::fromStdString(text).replace("\r\n", "\n"));
    for (int n = 0; n < 12; ++n)
        kind<QCheckBox>(w, QString("checkProjektorFarben(%1)").arg(n))
            ->setChecked(i.Projektoren[std::size_t(n / 3)].Farben[std::size_t(n % 3)]);
    for (int k = 0; k < 4; ++k)
        for (int s = 0; s < 4; ++s)
            kind<QCheckBox>(w, QString("Spur%1Zuordnung(%2)").arg(QChar('A' + s)).arg(k))
                ->setChecked(i.SpurZuordnung[std::size_t(k)][std::size_t(s)]);
    const auto typ = std::find(i.Showtype.begin(), i.Showtype.end(), true) - i.Showtype.begin();
    kind<QRadioButton>(w, QString("OptShowtype(%1)").arg(typ))->click();
    kind<QRadioButton>(w, QString("OptProjektorSetup(%1)").arg(i.ProjektorSetup))->click();
    kind<QRadioButton>(w, QString("optDMXVerwendung(%1)").arg(i.DMXVerwendung))->click();
    kind<QComboBox>(w, "AuswahlKartenzahl")->setCurrentIndex(i.Kartenzahl);
}

QImage testbild(int b, int h) {
    QImage bild(b, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < b; ++x) bild.setPixel(x, y, qRgba(x * 9, y * 13, (x ^ y) * 5, 255 - x));
    return bild;
}

struct ShowInfoTest : ::testing::Test {
    Fenster t;
    Showsteuerung& s = ui::showsteuerung(*t.w);
    ui::ShowInfofenster* w = ui::showInfofenster(*t.w);
    fs::path ordner = t.s.tmp / "Shows";
    std::string ordnerText = ordner.string() + "/";

    ShowInfoTest() {
        fs::create_directories(ordner);
        w->show();
    }
    // Buttons on pages not shown have no place on the screen: clicked directly.
    void klicken(const char* knopf) { kind<QPushButton>(w, knopf)->click(); }
};

TEST_F(ShowInfoTest, EveryControlReachesTheRecordAndComesBackThroughTheShowsFile) {
    ASSERT_EQ(w->objectName(), "frmShowInfo");
    ShowInfo soll = vollerRecord();
    eintippen(w, soll);

    // The picture, loaded through the button's file dialog.
    const QImage original = testbild(40, 30);
    const QString bilddatei = QString::fromStdString((t.s.tmp / "bild.png").string());
    ASSERT_TRUE(original.save(bilddatei));
    t.s.dialoge.dateinamen.push_back(bilddatei.toStdString());
    klicken("cmdBildLaden");
    ASSERT_FALSE(w->bild().isNull());

    // Apply, not saving: the record holds every control's value, nothing is written.
    t.s.dialoge.antworten.push_back(Antwort::Nein);
    klicken("cmd_bernehmen");
    EXPECT_EQ(t.s.dialoge.meldungen.back(), "Show mit Showinfos speichern?");
    ShowInfo gelesen = s.show.show.info;
    ASSERT_FALSE(gelesen.Bild.empty());
    gelesen.Bild.clear();
    EXPECT_EQ(gelesen, soll);
    EXPECT_EQ(gelesen.Showtype, (std::array<bool, 3>{false, false, true}));

    // Apply and save: the show lands in its folder with the record in "Abend.info".
    s.show.show.Showname = "Abend";
    s.show.show.Showordner = ordnerText;
    t.s.dialoge.antworten.push_back(Antwort::Ja);
    klicken("cmd_bernehmen");
    ASSERT_TRUE(fs::exists(ordner / "Abend.info"));
    soll.Bild = s.show.show.info.Bild;
    EXPECT_EQ(showInfoDekodieren(test::leseDatei(ordner / "Abend.info")), soll);

    // Emptied, then the show loaded again: the controls show the file's values and the picture
    // its pixels.
    ShowInfos_Clear(s.show.show);
    w->anzeigen();
    EXPECT_TRUE(kind<QLineEdit>(w, "txtShowname")->text().isEmpty());
    EXPECT_TRUE(w->bild().isNull());
    ASSERT_TRUE(ShowLaden(s.show, "Abend", ordnerText));
    EXPECT_EQ(w->auslesen(), soll);
    EXPECT_EQ(kind<QLineEdit>(w, "txtProgrammierer")->text(), "Jörg Ü.");
    EXPECT_EQ(kind<QPlainTextEdit>(w, "txtWeitereInfos")->toPlainText(), "Zeile 1\nZeile 2");
    EXPECT_EQ(kind<QComboBox>(w, "AuswahlKartenzahl")->currentText(), "3 output cards");
    EXPECT_TRUE(kind<QRadioButton>(w, "optDMXVerwendung(2)")->isChecked());
    EXPECT_EQ(w->bild().convertToFormat(QImage::Format_ARGB32), original);
    EXPECT_EQ(w->windowTitle(), "ShowInfo: Datei Abend.info");
    EXPECT_EQ(w->seiten()->currentIndex(), ui::ShowInfofenster::Allgemein);

    // Removing the picture empties the record's text on the next Apply.
    klicken("cmdBildEntfernen");
    t.s.dialoge.antworten.push_back(Antwort::Nein);
    klicken("cmd_bernehmen");
    EXPECT_TRUE(s.show.show.info.Bild.empty());
    EXPECT_EQ(s.show.show.info.Titel, "Lied");
}

TEST_F(ShowInfoTest, OptionValuesWithoutAnOptionAndBrokenPicturesSurviveApply) {
    // Values a hand-made file may hold: no option shown, and Apply keeps them.
    s.show.show.info.ProjektorSetup = 7;
    s.show.show.info.DMXVerwendung = -1;
    s.show.show.info.Kartenzahl = 9;
    s.show.show.info.Bild = "kein Bild";
    w->anzeigen();
    for (int n = 0; n < 3; ++n) {
        EXPECT_FALSE(kind<QRadioButton>(w, QString("OptProjektorSetup(%1)").arg(n))->isChecked());
        EXPECT_FALSE(kind<QRadioButton>(w, QString("optDMXVerwendung(%1)").arg(n))->isChecked());
        EXPECT_FALSE(kind<QRadioButton>(w, QString("OptShowtype(%1)").arg(n))->isChecked());
    }
    EXPECT_TRUE(w->bild().isNull());
    const ShowInfo i = w->auslesen();
    EXPECT_EQ(i.ProjektorSetup, 7);
    EXPECT_EQ(i.DMXVerwendung, -1);
    EXPECT_EQ(i.Kartenzahl, 3); // the last entry of the list
    EXPECT_EQ(i.Bild, "kein Bild");

    // A file that is no picture: a message, the picture stays.
    const fs::path kaputt = t.s.tmp / "kaputt.png";
    test::schreibeDatei(kaputt, "\x89PNG kaputt");
    EXPECT_FALSE(w->bildLaden(QString::fromStdString(kaputt.string())));
    EXPECT_EQ(t.s.dialoge.meldungen.back(), "The picture " + kaputt.string() + " cannot be read.");
    EXPECT_EQ(w->auslesen().Bild, "kein Bild");
}

TEST(ShowInfoBild, ALargePictureIsMadeSmallerUntilItFitsTheRecord) {
    // Noise does not compress: 1500 x 1000 as PNG is far beyond the record's 49,149 bytes.
    QImage rauschen(1500, 1000, QImage::Format_RGB32);
    QRandomGenerator zufall(7);
    for (int y = 0; y < rauschen.height(); ++y)
        for (int x = 0; x < rauschen.width(); ++x) rauschen.setPixel(x, y, zufall.generate());
    const std::string text = ui::bildKodieren(rauschen);
    ASSERT_FALSE(text.empty());
    EXPECT_LE(text.size(), 65535u);
    const QImage zurueck = ui::bildDekodieren(text);
    ASSERT_FALSE(zurueck.isNull());
    EXPECT_LT(zurueck.width(), 1500);
    EXPECT_NEAR(double(zurueck.width()) / zurueck.height(), 1.5, 0.05);
    // A small one is kept as it is, and nothing makes nothing.
    const QImage klein = testbild(16, 8);
    EXPECT_EQ(ui::bildDekodieren(ui::bildKodieren(klein)).convertToFormat(QImage::Format_ARGB32),
              klein);
    EXPECT_EQ(ui::bildKodieren(QImage()), "");
    EXPECT_TRUE(ui::bildDekodieren("").isNull());
}

TEST_F(ShowInfoTest, TheDefaultRecordIsSavedLoadedAndMissedWithTheMessage) {
    const fs::path standard = s.show.datenOrdner / "Standard.info";
    fs::remove(standard);
    ShowInfo soll = vollerRecord();
    eintippen(w, soll);
    klicken("cmdAlsStandardSpeichern");
    ASSERT_TRUE(fs::exists(standard));
    EXPECT_EQ(showInfoDekodieren(test::leseDatei(standard)), soll);

    ShowInfos_Clear(s.show.show);
    w->anzeigen();
    EXPECT_TRUE(kind<QLineEdit>(w, "txtTitel")->text().isEmpty());
    klicken("cmdStandardLaden");
    EXPECT_EQ(kind<QLineEdit>(w, "txtTitel")->text(), "Lied");
    EXPECT_EQ(w->auslesen(), soll);

    fs::remove(standard);
    kind<QLineEdit>(w, "txtTitel")->setText("Anders");
    klicken("cmdStandardLaden");
    EXPECT_EQ(t.s.dialoge.meldungen.back(), "Fehler # file " + standard.string() + " not found");
    EXPECT_EQ(kind<QLineEdit>(w, "txtTitel")->text(), "Anders");
}

TEST(ShowInfoLaden, ALoadedShowIsShownNowOrWhenTheWindowOpensAndMayOpenItOnTheText) {
    Fenster t;
    Showsteuerung& s = ui::showsteuerung(*t.w);
    auto& z = s.show.show;
    // Show "Nur" with its free text and no record; show "Mit" with a record, each in a folder
    // of its own.
    const fs::path nur = t.s.tmp / "Nur", mit = t.s.tmp / "Mit";
    fs::create_directories(nur);
    fs::create_directories(mit);
    ASSERT_TRUE(ShowSpeichern(s.show, nur.string(), "Nur"));
    fs::remove(nur / "Nur.info");
    test::schreibeDatei(nur / "[INFO].txt", "Ablauf:\r\n1. Intro");
    z.info.Titel = "Nachtflug";
    ASSERT_TRUE(ShowSpeichern(s.show, mit.string(), "Mit"));
    ShowInfos_Clear(z);

    // With "show automatically" on, the first load makes the window and opens it on the text.
    z.mnuAutomatischZeigen = true;
    EXPECT_EQ(t.w->findChild<QWidget*>("frmShowInfo"), nullptr);
    ASSERT_TRUE(ShowLaden(s.show, "Nur", nur.string() + "/"));
    ASSERT_NE(t.w->findChild<QWidget*>("frmShowInfo"), nullptr);
    auto* w = ui::showInfofenster(*t.w); // the window the load made
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(z.showInfoZeigen);
    EXPECT_EQ(w->seiten()->currentIndex(), ui::ShowInfofenster::Text);
    EXPECT_EQ(kind<QPlainTextEdit>(w, "txtInfo")->toPlainText(), "Ablauf:\n1. Intro");
    EXPECT_TRUE(kind<QPlainTextEdit>(w, "txtInfo")->isReadOnly());
    EXPECT_EQ(w->windowTitle(), "ShowInfo: Datei Nur.info");

    // Hidden, a load changes nothing shown until the window opens again; then the record's
    // values and the first page are there.
    z.mnuAutomatischZeigen = false;
    w->hide();
    kind<QLineEdit>(w, "txtTitel")->setText("getippt");
    ASSERT_TRUE(ShowLaden(s.show, "Mit", mit.string() + "/"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(kind<QLineEdit>(w, "txtTitel")->text(), "getippt");
    ui::fensterZeigen(w);
    EXPECT_EQ(kind<QLineEdit>(w, "txtTitel")->text(), "Nachtflug");
    EXPECT_EQ(w->seiten()->currentIndex(), ui::ShowInfofenster::Allgemein);
    EXPECT_TRUE(kind<QPlainTextEdit>(w, "txtInfo")->toPlainText().isEmpty());

    // Visible, the next load shows at once.
    ASSERT_TRUE(ShowLaden(s.show, "Nur", nur.string() + "/"));
    EXPECT_TRUE(kind<QLineEdit>(w, "txtTitel")->text().isEmpty());
    EXPECT_EQ(kind<QPlainTextEdit>(w, "txtInfo")->toPlainText(), "Ablauf:\n1. Intro");
    EXPECT_EQ(w->seiten()->currentIndex(), ui::ShowInfofenster::Allgemein);
}

TEST_F(ShowInfoTest, CaptionsFollowTheLanguageAndThePlaceIsKept) {
    // The language table as the generator writes it, with this window's texts.
    sprachtexteLesen(t.p->texte, gen::languageTxt());
    auto* tabs = w->seiten();
    auto* karten = kind<QComboBox>(w, "AuswahlKartenzahl");
    auto* uebernehmen = kind<QPushButton>(w, "cmd_bernehmen");
    karten->setCurrentIndex(1);
    t.w->spracheWaehlen(0);
    EXPECT_EQ(tabs->tabText(0), "Allgemein");
    EXPECT_EQ(tabs->tabText(ui::ShowInfofenster::Text), "Infotext");
    EXPECT_EQ(uebernehmen->text(), "Ü&bernehmen");
    EXPECT_EQ(karten->itemText(0), "1 Ausgabekarte");
    EXPECT_EQ(karten->itemText(3), "4 Ausgabekarten");
    EXPECT_EQ(karten->currentIndex(), 1);
    EXPECT_EQ(kind<QCheckBox>(w, "SpurCZuordnung(1)")->text(), "Seite C");
    EXPECT_EQ(w->windowTitle(), "Show-Informationen");
    t.w->spracheWaehlen(1);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(uebernehmen->text(), "&Apply");
    EXPECT_EQ(karten->itemText(3), "4 output cards");
    EXPECT_EQ(karten->currentIndex(), 1);
    EXPECT_EQ(kind<QCheckBox>(w, "checkProjektorFarben(4)")->text(), "Green");
    EXPECT_EQ(w->windowTitle(), "Show information");

    // Every control says what it is for.
    const QRegularExpression eigene("^(txt|check|Spur|Opt|opt|cmd|Auswahl|pic)");
    int gesehen = 0;
    for (auto* k : w->findChildren<QWidget*>(eigene)) {
        EXPECT_FALSE(k->toolTip().isEmpty()) << k->objectName().toStdString();
        ++gesehen;
    }
    EXPECT_EQ(gesehen, 23 + 28 + 9 + 6 + 1 + 1);
    for (int i = 0; i < tabs->count(); ++i) EXPECT_FALSE(tabs->tabToolTip(i).isEmpty()) << i;

    // The place on the screen is kept in the settings; the window of the next run comes back
    // there.
    w->resize(700, 500);
    w->move(50, 30);
    const QRect wo = w->geometry();
    w->hide();
    EXPECT_EQ(
        t.p->einstellungen.zahlLesen("Fensterposition", "frmShowInfo.WPM.rcNormalPosition.Left", 0),
        wo.left());
    ui::ShowInfofenster wieder(nullptr, s);
    wieder.show();
    EXPECT_EQ(wieder.geometry(), wo);
    wieder.hide();
    w->show();

    // A loaded show's caption names its file in either language.
    ASSERT_TRUE(ShowSpeichern(s.show, ordnerText, "Abend"));
    ASSERT_TRUE(ShowLaden(s.show, "Abend", ordnerText));
    t.w->spracheWaehlen(0);
    EXPECT_EQ(w->windowTitle(), "ShowInfo: Datei Abend.info");
}

} // namespace
