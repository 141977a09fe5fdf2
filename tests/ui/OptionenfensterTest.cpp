#include "ui/Optionenfenster.h"
#include "../app/Startumgebung.h"
#include "Fenster.h"
#include "app/Einstellungsdatei.h"
#include "app/Sprache.h"
#include "devices/Geraeteverwaltung.h"
#include "generators/Sprachtabelle.h"
#include "live/eingang/DmxEingangswahl.h"
#include "ui/Geometrievorschau.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <tuple>

using namespace sw;
namespace fs = std::filesystem;

namespace {

// A started program with two emulated Lumax DACs (list entries 2 and 3) and its options window.
struct Optionen {
    test::Startumgebung s;
    std::unique_ptr<Programm> p;
    std::unique_ptr<ui::Optionenfenster> w;

    Optionen() {
        s.variablen.setzen("STRAHLWERK_EMULATE", "lumax:2");
        fs::create_directories(s.tmp / "figuren");
        p = s.programm();
        StartHooks h;
        h.figurenordner = (s.tmp / "figuren").string();
        Programmstart(*p, "", h);
        // The language table as the generator writes it, with this window's texts.
        sprachtexteLesen(p->texte, gen::languageTxt());
        w = std::make_unique<ui::Optionenfenster>(*p);
        w->show();
    }
    ~Optionen() {
        w->close();
        w.reset();
        Programmende(*p);
    }
    template <typename T> T* kind(const QString& name) { return test::kindIn<T>(w.get(), name); }
    void waehlen(const QString& name, int index) {
        auto* c = kind<QComboBox>(name);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    void textSetzen(const QString& name, const QString& text) {
        auto* f = kind<QLineEdit>(name);
        f->setText(text);
        emit f->editingFinished();
    }
    // What the settings file on disk holds, read by a store of its own.
    float zahlImDatei(const std::string& abschnitt, const std::string& schluessel) {
        Einstellungen e(p->log, s.pumpe);
        e.IniPfad = p->einstellungen.IniPfad;
        return e.zahlLesen(abschnitt, schluessel, -12345);
    }
    std::string textImDatei(const std::string& abschnitt, const std::string& schluessel) {
        Einstellungen e(p->log, s.pumpe);
        e.IniPfad = p->einstellungen.IniPfad;
        return e.textLesen(abschnitt, schluessel, "-");
    }
    std::size_t meldungen() const { return s.dialoge.meldungen.size(); }
};

} // namespace

TEST(Optionenfenster, EveryKindOfControlChangesTheEngineAndTheFileAfterSaving) {
    Optionen t;
    auto& g = t.p->geraete;
    auto& a = *t.p->ausgabe;
    ASSERT_EQ(g.lstHardwareEintraege.size(), 4u);

    // Device list, side box and the combo of logical devices.
    t.waehlen("lstHardware(0)", 2);
    EXPECT_EQ(g.HardwareZuordnung[0], 2);
    EXPECT_EQ(t.kind<QComboBox>("ComboDeviceNr")->itemText(0).toStdString(),
              "Hardware:0 " + g.Geraeteliste[2].Anzeigename);
    t.kind<QCheckBox>("SpurBZuordnung(0)")->click();
    EXPECT_TRUE(a.SpurZuordnung[1][0]);

    // The per-device pages follow ComboDeviceNr; the rows name the stored value.
    t.waehlen("ComboDeviceNr", 3);
    EXPECT_EQ(g.ComboDeviceNrIndex, 3);
    t.kind<QScrollBar>("scrPPS")->setValue(6000);
    EXPECT_EQ(t.kind<QLabel>("lblPPS")->text(), "12000");
    t.kind<QCheckBox>("SpiegelnX")->click();
    t.kind<QCheckBox>("GoMitte")->click();
    t.waehlen("NoPointStyle", 2);
    const bool undo = t.p->undo.checkWriteUndos;
    t.kind<QCheckBox>("checkWriteUndos")->click();
    struct Zeile {
        const char* name;
        double wert;
        const char *abschnitt, *schluessel;
    };
    const Zeile zeilen[] = {
        {"Drehung", 12.5, "Geometriekorrektur(3)", "Drehung"},
        {"DeckenHoehe", 20000, "Geometriekorrektur(3)", "DeckenHoehe"},
        {"MaxStreckenLaenge", 600, "Optionen_Optimierung", "MaxStreckenLaenge(3)"},
        {"NoPointValue(2)", 3000, nullptr, nullptr},
        {"AudienceHelligkeit", 0.25, nullptr, nullptr},
        {"Latenz", 80, "Netzwerk", "Latenz"},
    };
    for (const auto& z : zeilen) t.kind<QDoubleSpinBox>(z.name)->setValue(z.wert);
    EXPECT_EQ(a.Geometrie[3].SpiegelnX, 1);
    EXPECT_EQ(a.Geometrie[0].SpiegelnX, 0); // only the chosen device
    EXPECT_DOUBLE_EQ(a.Geometrie[3].Drehung, 12.5);
    EXPECT_TRUE(a.Optimierung[3].GoMitte);
    EXPECT_EQ(a.Optimierung[3].NoPointValue[2], 3000);
    EXPECT_DOUBLE_EQ(a.Farben.geraete[3].AudienceHelligkeit, 0.25);
    EXPECT_EQ(t.p->undo.checkWriteUndos, !undo);

    // The audience zone drawn on the preview lands in the colour correction and its fields.
    t.w->findChild<QTabWidget*>("tabOptionen")->setCurrentIndex(1);
    auto* vorschau = t.kind<ui::Geometrievorschau>("picVorschau");
    auto ziehen = [&](QPoint von, QPoint bis) {
        QTest::mousePress(vorschau, Qt::LeftButton, {}, von);
        QTest::mouseMove(vorschau, bis);
        QTest::mouseRelease(vorschau, Qt::LeftButton, {}, bis);
    };
    ziehen(vorschau->widgetpunkt({32767 - 8000, 32767 - 4000}).toPoint(),
           vorschau->widgetpunkt({32767 + 8000, 32767 + 4000}).toPoint());
    const auto& zone = a.Farben.geraete[3].AudienceZone;
    const double soll[] = {-8000, 8000, -4000, 4000};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(zone[i], soll[i], 400) << i;
    EXPECT_DOUBLE_EQ(t.kind<QDoubleSpinBox>("AudienceZone(1)")->value(), zone[1]);
    // Dragging inside moves it without changing its size.
    const double breite = zone[1] - zone[0];
    const QPoint mitte = vorschau->widgetpunkt({32767, 32767}).toPoint();
    ziehen(mitte, mitte + QPoint(20, 0));
    EXPECT_GT(zone[0], -8000 + 400);
    EXPECT_DOUBLE_EQ(zone[1] - zone[0], breite);
    const double zoneLinks = zone[0];

    // Network DACs, DMX, general.
    t.textSetzen("IDN_Adresse", "10.1.2.255");
    EXPECT_EQ(g.netz.idnAdresse, "10.1.2.255");
    const int artNet = t.kind<QComboBox>("comboDMXPort(1)")->findText(kArtNetEingangName);
    ASSERT_GT(artNet, 0);
    t.waehlen("comboDMXPort(1)", artNet);
    t.kind<QDoubleSpinBox>("DMX_InputUniverse")->setValue(7);
    EXPECT_EQ(dmxEingangsEinstellungenLesen(t.p->einstellungen).universum, 7);
    t.textSetzen("txtAutoFileLoad(2)", "show.laser_show");
    EXPECT_EQ(t.p->modell.text("AutoFileLoad", "Show_Playlist_LiveShow"), "show.laser_show");

    t.kind<QPushButton>("cmdSpeichern")->click();
    EXPECT_FALSE(t.kind<QLabel>("lblMeldung")->text().isEmpty());
    for (const auto& z : zeilen) {
        if (z.abschnitt) {
            EXPECT_FLOAT_EQ(t.zahlImDatei(z.abschnitt, z.schluessel), z.wert) << z.name;
        }
    }
    EXPECT_EQ(t.textImDatei("Optionen_Hardware", "Device.DeviceName_0"), g.Geraeteliste[2].Kennung);
    EXPECT_EQ(t.zahlImDatei("Optionen_Hardware", "Zuordnung_Spurseite_2_Logischespur(1,0)"), -1);
    EXPECT_EQ(t.zahlImDatei("Optionen_Optimierung", "PPS(3)"), 12000);
    EXPECT_EQ(t.zahlImDatei("Geometriekorrektur(3)", "SpiegelnX"), 1);
    EXPECT_EQ(t.zahlImDatei("Optionen_Optimierung", "NoPointStyle(3)"), 2);
    EXPECT_EQ(t.zahlImDatei("OptionenAusgabe", "AudienceZone(3,0)"), static_cast<float>(zoneLinks));
    EXPECT_EQ(t.textImDatei("Netzwerk", "IDN_Adresse"), "10.1.2.255");
    EXPECT_EQ(t.textImDatei("Optionen_4_frmdmx", "DMX_InputDevice"), kArtNetEingangName);
    EXPECT_EQ(t.zahlImDatei("Optionen_4_frmdmx", "DMX_InputUniverse"), 7);
    EXPECT_EQ(t.zahlImDatei("Sonstiges", "WriteUndoFiles"), undo ? 0 : 1);
    EXPECT_EQ(t.textImDatei("AutoFileLoad", "Show_Playlist_LiveShow"), "show.laser_show");
}

TEST(Optionenfenster, SharedDeviceQuestionNotConnectedMessageAndNewDevices) {
    Optionen t;
    auto& g = t.p->geraete;
    // Entries 0 to 2 are never compared: no question.
    t.waehlen("lstHardware(0)", 2);
    t.waehlen("lstHardware(1)", 2);
    EXPECT_EQ(t.meldungen(), 0u);

    t.waehlen("lstHardware(0)", 3);
    t.s.dialoge.antworten = {Antwort::Abbrechen};
    t.waehlen("lstHardware(1)", 3);
    ASSERT_EQ(t.meldungen(), 1u);
    EXPECT_EQ(t.s.dialoge.meldungen[0], "This device is already in use as hardware no. 0");
    EXPECT_EQ(g.HardwareZuordnung[1], 0);
    EXPECT_EQ(t.kind<QComboBox>("lstHardware(1)")->currentIndex(), 0);

    t.s.dialoge.antworten = {Antwort::Ok};
    t.waehlen("lstHardware(1)", 3);
    EXPECT_EQ(t.meldungen(), 2u);
    EXPECT_EQ(g.HardwareZuordnung[1], 3);
    EXPECT_EQ(t.kind<QComboBox>("lstHardware(1)")->currentIndex(), 3);

    // A settings file naming a device that is not connected: the import reports it and the
    // list shows "No Device".
    const fs::path datei = t.s.tmp / "fremd.Laser_ini";
    test::schreibeDatei(datei, "[Optionen_Hardware]\r\nDevice.DeviceName_2=Fehlender DAC\r\n");
    t.s.dialoge.dateinamen = {datei.string()};
    t.kind<QPushButton>("cmdImportINI")->click();
    ASSERT_EQ(t.meldungen(), 3u);
    EXPECT_NE(t.s.dialoge.meldungen[2].find("Fehlender DAC"), std::string::npos);
    EXPECT_NE(t.s.dialoge.meldungen[2].find("2"), std::string::npos);
    EXPECT_EQ(g.HardwareZuordnung[2], 0);
    EXPECT_EQ(t.kind<QComboBox>("lstHardware(2)")->currentIndex(), 0);

    // A DAC the background search finds while the window is open appears in the lists, and a
    // device put on a logical device elsewhere shows there.
    GeraeteEintrag neu;
    neu.Typ = Geraetetyp::EtherDream;
    neu.Kennung = neu.Anzeigename = "Ether Dream 0a0b0c";
    g.Geraeteliste.push_back(neu);
    g.lstHardwareEintraege.push_back(neu.Anzeigename);
    geraetWaehlen(g, t.p->env, 6, 4);
    t.w->nachsehen();
    auto* liste = t.kind<QComboBox>("lstHardware(6)");
    ASSERT_EQ(liste->count(), 5);
    EXPECT_EQ(liste->currentText().toStdString(), "Ether Dream 0a0b0c");
    EXPECT_EQ(t.kind<QComboBox>("lstHardware(0)")->count(), 5);
    EXPECT_EQ(t.kind<QComboBox>("ComboDeviceNr")->itemText(6).toStdString(),
              "Hardware:6 Ether Dream 0a0b0c");
}

TEST(Optionenfenster, PpsWarningIsShownOnceAndCanBeSilenced) {
    Optionen t;
    auto* pps = t.kind<QScrollBar>("scrPPS");
    pps->setValue(12500);
    EXPECT_EQ(t.p->geraete.PPSWert[0], 25000);
    EXPECT_EQ(t.meldungen(), 0u);

    // A drag ends in one value: one question however far the slider travelled.
    pps->setSliderDown(true);
    for (int v = 12510; v <= 14000; v += 10) pps->setSliderPosition(v);
    EXPECT_EQ(t.meldungen(), 0u);
    t.s.dialoge.antworten = {Antwort::Ja};
    pps->setSliderDown(false);
    EXPECT_EQ(t.p->geraete.PPSWert[0], 28000);
    EXPECT_EQ(t.meldungen(), 1u);

    t.s.dialoge.antworten = {Antwort::Nein};
    pps->setValue(12501);
    EXPECT_EQ(t.p->geraete.PPSWert[0], 25002);
    EXPECT_EQ(t.meldungen(), 2u);
    EXPECT_EQ(t.zahlImDatei("PPS_Warnung", "DAC_Angezeigt"), -1);
    pps->setValue(15000);
    EXPECT_EQ(t.meldungen(), 2u);
    EXPECT_EQ(t.kind<QLabel>("lblPPS")->text(), "30000");
}

TEST(Optionenfenster, ExportAndImportRoundTrip) {
    Optionen t;
    auto& a = *t.p->ausgabe;
    auto& g = t.p->geraete;
    // Spin boxes of every page: exported value, value set before the import.
    const std::tuple<const char*, double, double> felder[] = {{"TrapezY", 30, 0},
                                                              {"AudienceZone(1)", 5000, 0},
                                                              {"AdCornerPoints", 9, 6},
                                                              {"IDN_Port", 7300, 7255}};
    auto setzen = [&](int zuordnung, int pps, bool exportiert) {
        t.waehlen("lstHardware(4)", zuordnung);
        t.kind<QCheckBox>("SpurDZuordnung(4)")->click();
        t.waehlen("ComboDeviceNr", 4);
        t.kind<QScrollBar>("scrPPS")->setValue(pps);
        for (const auto& [name, wert, vorher] : felder)
            t.kind<QDoubleSpinBox>(name)->setValue(exportiert ? wert : vorher);
    };
    setzen(3, 9000, true);
    const fs::path datei = t.s.tmp / "alles.Laser_ini";
    t.s.dialoge.dateinamen = {datei.string()};
    t.kind<QPushButton>("cmdExportINI")->click();
    ASSERT_TRUE(fs::exists(datei));

    // Everything changed back, then the import restores it and the controls show it.
    setzen(0, 5000, false);
    ASSERT_EQ(g.HardwareZuordnung[4], 0);
    t.s.dialoge.dateinamen = {datei.string()};
    t.kind<QPushButton>("cmdImportINI")->click();
    EXPECT_EQ(g.HardwareZuordnung[4], 3);
    EXPECT_TRUE(a.SpurZuordnung[3][4]);
    EXPECT_EQ(g.PPSWert[4], 18000);
    EXPECT_DOUBLE_EQ(a.Geometrie[4].TrapezY, 30);
    EXPECT_DOUBLE_EQ(a.Farben.geraete[4].AudienceZone[1], 5000);
    EXPECT_EQ(a.Optimierung[4].AdCornerPoints, 9);
    EXPECT_EQ(g.netz.idnPort, 7300);
    EXPECT_EQ(t.kind<QComboBox>("lstHardware(4)")->currentIndex(), 3);
    EXPECT_TRUE(t.kind<QCheckBox>("SpurDZuordnung(4)")->isChecked());
    EXPECT_EQ(t.kind<QLabel>("lblPPS")->text(), "18000");
    for (const auto& [name, wert, vorher] : felder)
        EXPECT_DOUBLE_EQ(t.kind<QDoubleSpinBox>(name)->value(), wert) << name;
}

TEST(Optionenfenster, CaptionsTooltipsLanguageAndPosition) {
    Optionen t;
    // Every control the operator reaches has a tool text, in either language.
    for (int sprache : {1, 0}) {
        t.waehlen("OptLanguage", sprache);
        EXPECT_EQ(t.p->texte.Sprache, sprache);
        test::alleErklaert(t.w.get());
    }
    EXPECT_EQ(t.w->windowTitle(), "Strahlwerk – Optionen");
    EXPECT_EQ(t.w->findChild<QTabWidget*>("tabOptionen")->tabText(1), "G&eometrie und Zonen");
    t.waehlen("OptLanguage", 1);
    EXPECT_EQ(t.w->windowTitle(), "Strahlwerk – Options");

    // Fits a 1366 x 768 screen at 150 %: the pages scroll.
    const QSize kleinst = t.w->minimumSizeHint();
    EXPECT_LE(kleinst.width(), 1366 * 2 / 3);
    EXPECT_LE(kleinst.height(), 768 * 2 / 3);

    // The position is stored on closing and used by the next window.
    t.w->setGeometry(10, 20, 780, 560);
    t.w->close();
    const auto pos = fensterpositionLesen(*t.p, "formOptionen");
    ASSERT_TRUE(pos);
    EXPECT_EQ(pos->rechts - pos->links, 780);
    ui::Optionenfenster zweites(*t.p);
    EXPECT_EQ(zweites.width(), 780);
    t.kind<QPushButton>("cmdResetFensterpositionen")->click();
    EXPECT_FALSE(fensterpositionLesen(*t.p, "formOptionen"));
}

// The main window's Tools menu opens one options window and brings it back.
TEST(Optionenfenster, OpenedFromTheMainWindowMenu) {
    test::Fenster f;
    f.ausloesen("mnuOptionen");
    auto* fenster = f.w->findChild<ui::Optionenfenster*>("formOptionen");
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->isVisible());
    fenster->close();
    f.ausloesen("mnuOptionen");
    EXPECT_EQ(f.w->findChildren<QWidget*>("formOptionen").size(), 1);
    EXPECT_TRUE(fenster->isVisible());
    // Its language choice goes through the main window, which captions itself too.
    ASSERT_TRUE(fenster->sprachwahl);
    // It closes with the main window and keeps its position.
    cmdResetFensterpositionen_Click(*f.p);
    f.w->close();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_TRUE(fensterpositionLesen(*f.p, "formOptionen"));
}

// The preview draws what the engine's geometry pass makes of the test picture.
TEST(Optionenfenster, PreviewFollowsTheGeometryPass) {
    Geometriekorrektur g;
    g.ShowGroeseX = g.ShowGroeseY = 1;
    auto linien = ui::vorschauLinien(g);
    ASSERT_FALSE(linien.empty());
    // The frame's first corner (-32000, -32000) at full size and without correction.
    EXPECT_EQ(linien[0].punkte[0], QPointF(767, 767));
    g.SpiegelnX = 1;
    g.SwapXY = 1;
    linien = ui::vorschauLinien(g);
    // Mirrored X becomes Y.
    EXPECT_EQ(linien[0].punkte[0], QPointF(767, 64767));
    // The show size clamps to the device range.
    g = {};
    g.ShowGroeseX = 3;
    for (const auto& l : ui::vorschauLinien(g))
        for (const auto& p : l.punkte) EXPECT_TRUE(p.x() >= 0 && p.x() <= 65535);
}
