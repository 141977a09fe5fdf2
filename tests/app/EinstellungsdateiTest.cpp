#include "app/Einstellungsdatei.h"
#include "Startumgebung.h"

using namespace sw;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<Programm> gestartet(test::Startumgebung& s) {
    auto p = s.programm();
    StartHooks h;
    Programmstart(*p, "", h);
    return p;
}

} // namespace

TEST(Einstellungsdatei, ExportThenImportReproducesEverySetting) {
    test::Startumgebung s;
    s.variablen.setzen("STRAHLWERK_EMULATE", "jmlaser:1,lumax:1");
    auto p = gestartet(s);
    // change settings of every kind
    p->modell.setzen("Optionen_Text_SMS", "formOptionen.txtLage(2).Text", "oben links");
    p->modell.setzen("Optionen_DMX", "formOptionen.checkIgnoreGroeße.Value", "1");
    p->modell.setzen("Optionen_4_FrmHaupt", "txtRaster.Text", "25");
    p->modell.setzen("DMX_Steuert", "IndexNummer", "7");
    geraetWaehlen(p->geraete, p->env, 1, geraetNachName(p->geraete, "JMLaser Emu 1"));
    p->geraete.PPSWert[1] = 31000;
    auto& a = *p->ausgabe;
    a.SpurZuordnung[2][1] = true;
    a.Optimierung[1].AdCornerPoints = 9;
    a.Geometrie[1].SwapXY = 1;
    a.Farben.geraete[1].midWert[0] = 90;
    a.Farben.geraete[1].AudienceHelligkeit = 0.5;
    a.Effekt.AutoWert[0][16] = 12;
    for (int t = -1; t <= 12; ++t) a.Effekt.AutoWert[t][16] = 12;
    p->undo.checkWriteUndos = false;
    p->texte.Sprache = 0;

    const auto a1 = s.tmp / "a.Laser_ini";
    ASSERT_TRUE(einstellungenExportieren(*p, a1.string()));
    EXPECT_TRUE(p->einstellungen.IniDateiAktuell.empty());

    test::Startumgebung s2;
    s2.variablen.setzen("STRAHLWERK_EMULATE", "jmlaser:1,lumax:1");
    auto q = gestartet(s2);
    ASSERT_TRUE(einstellungenImportieren(*q, a1.string()));
    EXPECT_EQ(q->modell.text("Optionen_Text_SMS", "formOptionen.txtLage(2).Text"), "oben links");
    EXPECT_EQ(q->geraete.eintrag(1).Anzeigename, "JMLaser Emu 1");
    EXPECT_EQ(q->geraete.PPSWert[1], 31000);
    EXPECT_TRUE(q->ausgabe->SpurZuordnung[2][1]);
    EXPECT_EQ(q->ausgabe->Optimierung[1].AdCornerPoints, 9);
    EXPECT_EQ(q->ausgabe->Geometrie[1].SwapXY, 1);
    EXPECT_EQ(q->ausgabe->Farben.geraete[1].midWert[0], 90);
    EXPECT_EQ(q->ausgabe->Effekt.AutoWert[5][16], 12);
    EXPECT_FALSE(q->undo.checkWriteUndos);
    EXPECT_EQ(q->texte.Sprache, 0);
    const auto a2 = s.tmp / "b.Laser_ini";
    ASSERT_TRUE(einstellungenExportieren(*q, a2.string()));
    EXPECT_EQ(test::leseDatei(a1), test::leseDatei(a2));
}

TEST(Einstellungsdatei, SectionsAreWrittenInTheirOrder) {
    test::Startumgebung s;
    auto p = gestartet(s);
    const auto datei = s.tmp / "o.Laser_ini";
    ASSERT_TRUE(einstellungenExportieren(*p, datei.string()));
    const std::string inhalt = test::leseDatei(datei);
    std::size_t vorher = 0;
    for (const char* abschnitt :
         {"[IgnoreNoteOfValue]", "[Sonstiges]", "[Optionen_Text_SMS]",
          "[Optionen_Midi,Printer,Keyborad]", "[Optionen_midi,Printer,Keyboard]", "[Optionen_DMX]",
          "[Optionen_Optimierung]", "[Optionen_Hardware]", "[OptionenAusgabe]",
          "[Optionen_4_FrmHaupt]", "[Geometriekorrektur(0)]", "[Geometriekorrektur(15)]",
          "[Optionen_4_FrmEffekts]", "[Optionen_4_frmdmx]", "[Optionen_SonstigeSettings]",
          "[StandardPfade]", "[Farbkorrektur]", "[DMX_Steuert]"}) {
        const auto pos = inhalt.find(abschnitt);
        ASSERT_NE(pos, std::string::npos) << abschnitt;
        EXPECT_GE(pos, vorher) << abschnitt;
        vorher = pos;
    }
    EXPECT_NE(inhalt.find("Device.DeviceName_15=No Device"), std::string::npos);
}

TEST(Einstellungsdatei, DamagedFileIsReadAsFarAsValidAndItsLinesKept) {
    test::Startumgebung s;
    fs::create_directories(s.daten());
    const auto ini = s.daten() / "strahlwerk.ini";
    test::schreibeDatei(
        ini, std::string("[Optionen_4_FrmHaupt]\r\ntxtRaster.Text=33\r\n\x01\x02\xff junk\r\n") +
                 "[MaxValues]\r\nMaxPunktzahl=20000000\r\n[Optionen_Optimie");
    auto p = gestartet(s);
    EXPECT_EQ(p->modell.text("Optionen_4_FrmHaupt", "txtRaster.Text"), "33");
    EXPECT_EQ(p->MaxPunktzahl, 2000);
    p->log.schliessen();
    const std::string log = test::leseDatei(s.temp() / "Software_Bugsuche_und_Timing.log");
    const auto erste = log.find("Zeilen ohne Einstellung");
    ASSERT_NE(erste, std::string::npos);
    EXPECT_EQ(log.find("Zeilen ohne Einstellung", erste + 1), std::string::npos);
    INI_Speichern(*p);
    EXPECT_NE(test::leseDatei(ini).find("\x01\x02\xff junk"), std::string::npos);
}

TEST(Einstellungsdatei, GeneralSettingsAtEveryEnd) {
    test::Startumgebung s;
    auto p = gestartet(s);
    p->paletten.Lieblingsfarben[4] = 77;
    p->MaxPunktzahl = 4000;
    Programmende(*p);
    Einstellungen& e = p->einstellungen;
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "IniVersion", "Version"), "250000");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "IniVersion", "Programm Vesion"),
              "Programmversion: Strahlwerk 0.1");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Allgemein", "frmhaupt.Pic_Lieblingsfarbe(4).tag"),
              "770000");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "MaxValues", "MaxPunktzahl"), "40000000");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Programmverison", "ProgrammVersionString"),
              "Strahlwerk 0.1");
}
