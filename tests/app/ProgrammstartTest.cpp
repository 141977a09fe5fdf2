#include "Startumgebung.h"
#include "app/Einstellungsdatei.h"
#include "core/Absturzkopien.h"
#include "core/QvbFormat.h"
#include "medien/WavKopf.h"
#include "show/ShowLaden.h"
#include "show/ShowSpeichern.h"
#include "show/ShowZuletzt.h"

using namespace sw;
namespace fs = std::filesystem;

namespace {

// The lines stand in the log in this order.
void inDerReihe(const std::string& log, std::initializer_list<const char*> zeilen) {
    std::size_t pos = 0;
    for (const char* zeile : zeilen) {
        pos = log.find(zeile, pos);
        ASSERT_NE(pos, std::string::npos) << zeile;
    }
}

} // namespace

TEST(Programmstart, IniFileFromTheCommandLineOnlyWithTheExactEndingAndNoDocument) {
    Pfade pfade;
    pfade.ProgrammDatenPfad = "/daten/";
    for (const char* ok : {"a.Laser_ini", "/x/b.laser_ini"}) {
        std::string arg = ok;
        EXPECT_EQ(IniPfadBestimmen(pfade, arg), ok);
        EXPECT_TRUE(arg.empty());
    }
    for (const char* nein : {"a.LASER_INI", "a.Laser_Ini", "show.shw"}) {
        std::string arg = nein;
        EXPECT_EQ(IniPfadBestimmen(pfade, arg), "/daten/strahlwerk.ini");
        EXPECT_EQ(arg, nein);
    }

    // At the start it is the settings file and no document to open.
    test::Startumgebung s;
    const auto datei = s.tmp / "eigen.Laser_ini";
    test::schreibeDatei(datei, "[MaxValues]\r\nMaxPunktzahl=600000000\r\n");
    auto p = s.programm();
    StartHooks h;
    int geoeffnet = 0;
    h.dokumentOeffnen = [&](const std::string&) { ++geoeffnet; };
    ASSERT_EQ(Programmstart(*p, datei.string(), h), Fortsetzung::Weiter);
    EXPECT_EQ(p->einstellungen.IniPfad, datei.string());
    EXPECT_TRUE(p->Befehlszeile.empty());
    EXPECT_EQ(geoeffnet, 0);
    EXPECT_EQ(p->MaxPunktzahl, 10000); // a stored value above 50000 is replaced
}

TEST(Programmstart, NormaliseNumbersWithBothSeparators) {
    EXPECT_EQ(NormalisiereZahl("1,5", '.'), "1.5");
    EXPECT_EQ(NormalisiereZahl("1.5", ','), "1,5");
    EXPECT_EQ(NormalisiereZahl("1,5,6", '.'), "1.5,6");
    EXPECT_EQ(NormalisiereZahl("12", ','), "12");
}

TEST(Programmstart, StartInAScratchFolderThenCrashThenEndNormally) {
    test::Startumgebung s;
    s.variablen.setzen("STRAHLWERK_EMULATE", "lumax:1,riya:2");
    fs::create_directories(s.tmp / "figuren");
    test::schreibeDatei(s.tmp / "figuren" / "a.qvb", qvbKodieren(Figur{}));
    {
        auto p = s.programm();
        StartHooks h;
        std::vector<std::string> schritte;
        h.startfenster = [&](const std::string& t) { schritte.push_back(t); };
        h.figurenordner = (s.tmp / "figuren").string();
        ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
        for (const auto& ordner : {s.temp(), s.daten(), s.dokumente()})
            EXPECT_TRUE(fs::is_directory(ordner)) << ordner;
        EXPECT_TRUE(fs::exists(s.daten() / "TestBilder" / "Farbbalken.bin")); // samples copied
        EXPECT_EQ(p->einstellungen.IniPfad, (s.daten() / "strahlwerk.ini").string());
        EXPECT_EQ(p->figuren.lstFiguren.size(), 2u);
        EXPECT_EQ(schritte.front(), "Setting paths...");
        EXPECT_EQ(schritte.back(), "Ready .....");
        // assign devices and settings, then "crash": no orderly end, undo files left behind
        geraetWaehlen(p->geraete, p->env, 3, geraetNachName(p->geraete, "Riya Multibus2"));
        p->geraete.PPSWert[3] = 22222;
        p->ausgabe->Geometrie[3].DeckenHoehe = 1234;
        INI_Speichern(*p);
        p->figuren.SpurAuswahl[0].Figur = 0;
        WriteUndo(p->figuren, p->undo, p->env);
        WriteUndo(p->figuren, p->undo, p->env);
        test::schreibeDatei(s.temp() / "Temp" / "UndoSequenz1.000", "seq");
        p->log.schliessen();
    }
    // a few landmarks of the start-up log, in their order
    inDerReihe(test::leseDatei(s.temp() / "Software_Bugsuche_und_Timing.log"),
               {"Programm Gestartet", "Pfade ermitteln erledigt", "Init_Hardware ***aus Routiene",
                "Init Riya", "IniLaden geschafft", "Ready ....."});
    {
        auto p = s.programm();
        StartHooks h;
        ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
        // the devices and settings are back
        EXPECT_EQ(p->geraete.eintrag(3).Anzeigename, "Riya Multibus2");
        EXPECT_EQ(p->geraete.PPSWert[3], 22222);
        EXPECT_EQ(p->ausgabe->Geometrie[3].DeckenHoehe, 1234);
        EXPECT_EQ(p->ausgabe->Geraetetyp[3], 6);
        // the snapshots were rescued with their new endings into a folder of that run, and the
        // operator was told where, once
        std::vector<fs::path> laeufe;
        for (const auto& e : fs::directory_iterator(s.dokumente() / "UndoFiles_Restore"))
            laeufe.push_back(e.path());
        ASSERT_EQ(laeufe.size(), 1u);
        const fs::path rettung = laeufe[0];
        // named after the time of the last file of that run
        EXPECT_EQ(rettung.filename().string().substr(0, 10),
                  zeitText(fs::last_write_time(rettung / "UndoFigur2.qvb")).substr(0, 10));
        for (const char* name : {"UndoFigur2.qvb", "UndoSequenz1.seq"})
            EXPECT_TRUE(fs::exists(rettung / name)) << name;
        EXPECT_TRUE(qvbDekodieren(test::leseDatei(rettung / "UndoFigur1.qvb")));
        ASSERT_FALSE(s.dialoge.meldungen.empty());
        EXPECT_EQ(test::vorkommen(s.dialoge.meldungen.back(), rettung.string()), 1u);
        EXPECT_NE(s.dialoge.meldungen.back().find("did not end normally"), std::string::npos);
        EXPECT_TRUE(fs::is_empty(s.temp() / "Temp"));

        WriteUndo(p->figuren, p->undo, p->env);
        Programmende(*p);
    }
    EXPECT_FALSE(fs::exists(s.temp() / "Temp"));
    // Nobody decided about the rescued undo files: they stay.
    EXPECT_EQ(std::distance(fs::directory_iterator(s.dokumente() / "UndoFiles_Restore"), {}), 1);
    inDerReihe(test::leseDatei(s.temp() / "Software_Bugsuche_und_Timing.log"),
               {"Stoping laser output......", "Alltemeine Einstellung Speichern", "TempOrdner l",
                "Programm regulaur beendet"});
}

TEST(Programmstart, ARescuedFigureIsOfferedUntilItIsPutBackOrDiscarded) {
    test::Startumgebung s;
    const fs::path figuren = s.tmp / "figuren";
    fs::create_directories(figuren);
    test::schreibeDatei(figuren / "a.qvb", qvbKodieren(Figur{}));
    test::schreibeDatei(figuren / "b.qvb", qvbKodieren(Figur{}));
    StartHooks h;
    h.figurenordner = figuren.string();
    // A run edits b.qvb and figure 0 and does not end normally; the crash copies hold the
    // edits made after the last undo snapshot.
    auto absturz = [&] {
        auto p = s.programm();
        ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
        auto& f = p->figuren;
        for (long nr : {2, 0}) {
            f.SpurAuswahl[f.EditorSpur].Figur = static_cast<std::int16_t>(nr);
            WriteUndo(f, p->undo, p->env);
            f.Figuren[nr].Frames[0].Punkte[0].X = static_cast<std::int16_t>(100 + nr);
        }
        absturzkopienSchreiben(f, p->env, absturzkopienOrdner(p->pfade));
        p->log.schliessen();
    };
    absturz();

    // The next start offers them by name and time; Cancel keeps them past a normal end.
    s.dialoge.meldungen.clear();
    {
        auto p = s.programm();
        ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
        ASSERT_EQ(s.dialoge.meldungen.size(), 1u);
        const std::string frage = s.dialoge.meldungen[0];
        EXPECT_NE(frage.find("did not end normally"), std::string::npos);
        EXPECT_NE(frage.find("b.qvb  (20"), std::string::npos) << frage;
        EXPECT_NE(frage.find("***Figur 0***  (20"), std::string::npos) << frage;
        EXPECT_EQ(test::vorkommen(frage, (s.dokumente() / "UndoFiles_Restore").string()), 1u);
        EXPECT_TRUE(geaenderteFiguren(p->figuren).empty());
        Programmende(*p);
    }
    s.dialoge.meldungen.clear();
    {
        s.dialoge.antworten = {Antwort::Ja};
        auto p = s.programm();
        ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
        ASSERT_EQ(s.dialoge.meldungen.size(), 1u);
        EXPECT_EQ(s.dialoge.meldungen[0].find("did not end normally"), std::string::npos);
        // Put back as changed figures with their last edit, the editor on the first of them.
        auto& f = p->figuren;
        EXPECT_EQ(geaenderteFiguren(f), (std::vector<long>{0, 2}));
        EXPECT_EQ(f.Figuren[2].Frames[0].Punkte[0].X, 102);
        EXPECT_EQ(f.Figuren[0].Frames[0].Punkte[0].X, 100);
        EXPECT_EQ(f.Figuren[1].Frames[0].Punkte[0].X, 0);
        EXPECT_EQ(f.SpurAuswahl[f.EditorSpur].Figur, 0);
        EXPECT_TRUE(fs::is_empty(s.dokumente() / "UndoFiles_Restore"));
        EXPECT_EQ(absturzkopienLesen(absturzkopienOrdner(p->pfade)).size(), 2u);
        Programmende(*p);
    }
    EXPECT_FALSE(fs::exists(s.dokumente() / "UndoFiles_Restore"));
    EXPECT_FALSE(fs::exists(s.daten() / "Absturzkopien"));

    // No discards them.
    absturz();
    s.dialoge.meldungen.clear();
    {
        s.dialoge.antworten = {Antwort::Nein};
        auto p = s.programm();
        ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
        EXPECT_EQ(s.dialoge.meldungen.size(), 1u);
        EXPECT_TRUE(geaenderteFiguren(p->figuren).empty());
        EXPECT_TRUE(fs::is_empty(s.dokumente() / "UndoFiles_Restore"));
        Programmende(*p);
    }
}

// A show saved with its timeline, the program ended and started again, the show loaded: the
// same events, media and recent files (what else a show file holds is the show tests').
TEST(Programmstart, AShowWithItsTimelineComesBackAfterARestart) {
    test::Startumgebung s;
    const fs::path ordner = s.tmp / "Abend";
    fs::create_directories(ordner);
    // Sound the player opens (it goes by the content, not the name).
    const auto ton = wavSchreiben(std::vector<std::int16_t>(8000, 0), 1, 8000);
    test::schreibeDatei(ordner / "musik.mp3", std::string(ton.begin(), ton.end()));
    EventListe events;
    {
        auto p = s.programm();
        StartHooks h;
        ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
        auto k = p->showKontext();
        p->show.SoundName = "musik.mp3";
        auto& e = p->sequenzer.Events;
        e.resize(4);
        e[1] = SeqEvent{500, 0, 2, 143, 7, 100};
        e[2] = SeqEvent{1500, 0, 1, 143, 8, 100};
        e[3] = SeqEvent{2500, 0, 19, 143, 9, 100};
        sequenzAbschliessen(p->sequenzer);
        events = p->sequenzer.Events;
        ASSERT_TRUE(ShowSpeichern(k, ordner.string() + "/", "Abend"));
        zuletztGeoeffneteAufnehmen(k, (ordner / "Abend.shw").string()); // saving did already
        Programmende(*p);
    }
    auto p = s.programm();
    StartHooks h;
    ASSERT_EQ(Programmstart(*p, "", h), Fortsetzung::Weiter);
    EXPECT_EQ(p->show.ZuletztGeoeffnete[0], (ordner / "Abend.shw").string());
    auto k = p->showKontext();
    ASSERT_TRUE(ShowLaden(k, "Abend", ordner.string() + "/"));
    EXPECT_EQ(p->sequenzer.Events.size(), events.size());
    for (std::size_t i = 1; i < events.size(); ++i) {
        const auto& e = p->sequenzer.Events[i];
        EXPECT_TRUE(e.start == events[i].start && e.track == events[i].track &&
                    e.key == events[i].key)
            << i;
    }
    EXPECT_EQ(p->show.MediaDatei, "musik.mp3");
    Programmende(*p);
}
