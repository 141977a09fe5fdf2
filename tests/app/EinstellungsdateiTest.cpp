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
    for (int t = -1; t <= 12; ++t) a.Effekt.AutoWert[t][16] = 12;
    p->undo.checkWriteUndos = false;
    p->texte.Sprache = 0;

    const auto a1 = s.tmp / "a.Laser_ini";
    ASSERT_TRUE(einstellungenExportieren(*p, a1.string()));
    EXPECT_TRUE(p->einstellungen.IniDateiAktuell.empty());
    EXPECT_NE(test::leseDatei(a1).find("Device.DeviceName_15=No Device"), std::string::npos);

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
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Allgemein", "frmhaupt.Pic_Lieblingsfarbe(4).tag"),
              "770000");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "MaxValues", "MaxPunktzahl"), "40000000");
}

TEST(Einstellungsdatei, ImportNeverWritesAndRefusesWhatIsNoSettingsFile) {
    test::Startumgebung s;
    auto p = gestartet(s);
    // the loader stores the DMX devices it sets; that must not reach the imported file
    const std::string inhalt = "[Optionen_4_FrmHaupt]\r\ntxtRaster.Text=41\r\n";
    const auto datei = s.tmp / "ein.Laser_ini";
    test::schreibeDatei(datei, inhalt);
    std::string problem;
    ASSERT_TRUE(einstellungenImportieren(*p, datei.string(), &problem)) << problem;
    EXPECT_EQ(test::leseDatei(datei), inhalt);
    EXPECT_EQ(p->modell.text("Optionen_4_FrmHaupt", "txtRaster.Text"), "41");

    ASSERT_TRUE(einstellungenImportierenAusInhalt(
        *p, "; from memory\n[optionen_4_frmhaupt]\ntxtRaster.Text = 42\n", problem));
    EXPECT_EQ(p->modell.text("Optionen_4_FrmHaupt", "txtRaster.Text"), "42");
    EXPECT_TRUE(p->einstellungen.IniDateiAktuell.empty());

    const std::pair<std::string, std::string> falsch[] = {
        {"", "the file is empty"},
        {" \r\n\r\n", "the file is empty"},
        {std::string("\x0b\0\0\0[Optionen_4_FrmHaupt]\r\ntxtRaster.Text=1\r\n", 38),
         "the file is no settings file (it holds binary data)"},
        {"[Optionen_4_FrmHaupt]\r\n; txtRaster.Text=1\r\n[Fremd]\r\nx=1\r\n",
         "the file holds none of the program's settings"},
        {"txtRaster.Text=1\r\n", "the file holds none of the program's settings"},
    };
    for (const auto& [text, grund] : falsch) {
        EXPECT_FALSE(einstellungenImportierenAusInhalt(*p, text, problem));
        EXPECT_EQ(problem.substr(0, grund.size()), grund);
    }
    EXPECT_EQ(p->modell.text("Optionen_4_FrmHaupt", "txtRaster.Text"), "42");
    EXPECT_FALSE(einstellungenImportieren(*p, (s.tmp / "fehlt.ini").string(), &problem));
    EXPECT_EQ(problem, "the file does not exist");
    EXPECT_EQ(einstellungsdateiPruefen(p->modell, "[Geometriekorrektur(7)]\nSpiegelnX=1\n"), "");
}

TEST(Einstellungsdatei, FailedSavesAreReportedAndWrittenOnce) {
    test::Startumgebung s;
    auto p = gestartet(s);
    fs::create_directory(s.tmp / "ordner");
    std::string problem;
    EXPECT_FALSE(einstellungenExportieren(*p, (s.tmp / "ordner").string(), &problem));
    EXPECT_EQ(problem, "it is a folder");
    EXPECT_FALSE(einstellungenExportieren(*p, (s.tmp / "fehlt" / "a.ini").string(), &problem));
    EXPECT_EQ(problem, "the folder does not exist");
    EXPECT_TRUE(fs::is_directory(s.tmp / "ordner"));
    EXPECT_TRUE(p->einstellungen.IniDateiAktuell.empty());

    // an export into an existing file keeps its other lines
    const auto datei = s.tmp / "a.ini";
    test::schreibeDatei(datei, "; notes\r\n[Eigenes]\r\nx=1\r\n");
    ASSERT_TRUE(einstellungenExportieren(*p, datei.string(), &problem)) << problem;
    const std::string inhalt = test::leseDatei(datei);
    EXPECT_EQ(inhalt.substr(0, 25), "; notes\r\n[Eigenes]\r\nx=1\r\n");
    EXPECT_NE(inhalt.find("[Optionen_Hardware]"), std::string::npos);
    for (const auto& e : fs::directory_iterator(s.tmp.pfad()))
        EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos);

    // the program's own settings file in a folder that went away
    p->einstellungen.IniPfad = (s.tmp / "weg" / "strahlwerk.ini").string();
    EXPECT_FALSE(INI_Speichern(*p, &problem));
    EXPECT_EQ(problem, "the folder does not exist");
    EXPECT_FALSE(Speichere_AllgemeineEinstellungen(*p));
}
