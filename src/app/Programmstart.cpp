#include "app/Programmstart.h"

#include "app/Einstellungsdatei.h"
#include "app/Sprache.h"
#include "core/Ordnerwechsel.h"
#include "devices/Emulation.h"
#include "platform/Text.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr int kTextAbsturz = 818, kTextGerettet = 819;

void schrittText(Programm& p, StartHooks& h, const std::string& text) {
    if (h.startfenster) h.startfenster(text);
    p.log.zeile(text);
    p.env.pumpe.ereignisseVerarbeiten();
}

std::string endung(const std::string& datei) {
    const auto punkt = datei.rfind('.');
    return punkt == std::string::npos ? std::string() : datei.substr(punkt);
}

} // namespace

void emulationEinrichten(Programm& p) {
    std::string beschreibung;
    if (const char* umgebung = std::getenv("STRAHLWERK_EMULATE")) beschreibung = umgebung;
    if (beschreibung.empty()) {
        beschreibung = p.einstellungen.textLesen("Emulation", "Geraete", "");
        if (beschreibung == "<no value>") beschreibung.clear();
    }
    if (!beschreibung.empty()) emu::einrichten(p.geraete.bibliothek, p.env.uhr, beschreibung);
}

std::string NormalisiereZahl(const std::string& text, char dezimaltrennzeichen) {
    std::string aus = text;
    const char von = dezimaltrennzeichen == ',' ? '.' : ',';
    const char nach = dezimaltrennzeichen == ',' ? ',' : '.';
    if (auto pos = aus.find(von); pos != std::string::npos) aus[pos] = nach;
    return aus;
}

int undoDateienRetten(Programm& p) {
    const fs::path temp = fs::path(p.pfade.TempPfad) / "Temp";
    const fs::path rettung = fs::path(p.pfade.DokumentePfad) / "UndoFiles_Restore";
    std::error_code ec;
    int gerettet = 0;
    for (fs::directory_iterator it(temp, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool figur = name.rfind("UndoFigur", 0) == 0;
        const bool sequenz = name.rfind("UndoSequenz", 0) == 0;
        if (!figur && !sequenz) continue;
        fs::create_directories(rettung, ec);
        fs::path ziel = rettung / it->path().stem();
        ziel += figur ? ".qvb" : ".seq";
        std::error_code f;
        fs::rename(it->path(), ziel, f);
        if (f) { // another file system: copy, then remove
            fs::copy_file(it->path(), ziel, fs::copy_options::overwrite_existing, f);
            if (!f) fs::remove(it->path(), f);
        }
        if (!f) ++gerettet;
    }
    if (gerettet > 0) {
        std::string text2 = p.texte.text(kTextGerettet, "The undo files were rescued to \\xxx\\.");
        const std::string ordner = rettung.string() + "/";
        if (auto pos = text2.find("\\xxx\\"); pos != std::string::npos)
            text2.replace(pos, 5, ordner);
        p.env.dialoge.meldung(
            p.texte.text(kTextAbsturz, "The program did not end normally the last time.") + "\n" +
            text2 + "\n==>" + ordner);
    }
    return gerettet;
}

Fortsetzung Programmstart(Programm& p, std::string argument, StartHooks& h) {
    // 1. Product texts. 2. Paths.
    if (h.startfenster) h.startfenster("Setting paths...");
    p.pfade = PfadeSetzen();
    p.modell.ordnerStandards(p.pfade.BenutzerPfad);
    // 3. The settings file.
    p.einstellungen.IniPfad = IniPfadBestimmen(p.pfade, argument);
    p.Befehlszeile = argument;
    // 4. The log.
    if (!p.log.oeffnen(fs::path(p.pfade.TempPfad) / "Software_Bugsuche_und_Timing.log"))
        p.env.dialoge.meldung("Fehler # " +
                              std::string(" 75. frmHaupt, Sub Form_Load        Fehler beim "
                                          "Zugriff auf Datei:  Software_BugsucheAndTiming.txt "));
    p.log.trenner();
    p.log.zeile("Programm Gestartet");
    p.log.trenner();
    // 5. Language texts, language 1 until the settings are read.
    schrittText(p, h, "Loading Language file....");
    p.texte.Sprache = 1;
    LoadMessages(p.texte, p.env, p.pfade.Programmordner);
    p.log.zeile("Pfade ermitteln erledigt");
    // 6. to 8.
    p.IniVersion = static_cast<int>(p.einstellungen.zahlLesen("IniVersion", "Version", 0));
    p.log.zeile("Ini Version gelesen");
    p.modell.abschnittLaden(p.einstellungen, "Optionen_frmAusgabe");
    spracheLaden(p.texte, p.einstellungen);
    programmVersionPruefen(p);
    const char* trenner = std::localeconv()->decimal_point;
    p.Dezimaltrennzeichen = trenner && *trenner ? *trenner : '.';
    // 9. Tables.
    schrittText(p, h, "Initialice memory......");
    // 10. Windows.
    schrittText(p, h, "Setting Values .........");
    p.log.zeile("Messages laden erledigt");
    if (h.fensterLaden) h.fensterLaden();
    p.log.zeile("Alle Fenster geladen");
    // 11. The start report.
    p.log.zeile(std::string("Programmversion: ") + kProgrammVersion);
    p.log.zeile("INI file Pfad      ==> " + p.einstellungen.IniPfad);
    p.log.zeile("Temp File Pfad     ==> " + p.pfade.TempPfad);
    p.log.zeile("Program Daten Pfad ==> " + p.pfade.ProgrammDatenPfad);
    p.log.zeile("Anwendungs Ordner  ==> " + p.pfade.Programmordner);
    p.log.zeile(std::string("Trennzeichen:                ") + p.Dezimaltrennzeichen);
    const char* sprache = std::setlocale(LC_ALL, nullptr);
    p.log.zeile(std::string("Sprachen ID:                 ") + (sprache ? sprache : ""));
    // 12. Test pictures and fixed figures.
    p.log.zeile("Testbilder suchen erledigt");
    p.log.zeile("FixFiguren suchen erledigt");
    // 13. Undo files of a run that did not end normally.
    schrittText(p, h, "Checking old Undo files...");
    undoDateienRetten(p);
    const fs::path undoOrdner = fs::path(p.pfade.TempPfad) / "Temp";
    std::error_code ec;
    fs::remove_all(undoOrdner, ec);
    fs::create_directories(undoOrdner, ec);
    p.undo.ordner = undoOrdner;
    p.log.zeile("TempDirectory erstellen erledigt");
    // 14.
    schrittText(p, h, "Setting standard values  ...");
    p.log.zeile("frmdmx_Load erledigt");
    p.log.zeile("DMX Map laden erledigt");
    p.log.zeile("Dimensionieren geschafft");
    // 15. Devices; emulated ones where STRAHLWERK_EMULATE or the settings ask for them.
    schrittText(p, h, "Init DAC-Hardware ...");
    emulationEinrichten(p);
    netzeinstellungenLesen(p.geraete, p.einstellungen);
    p.log.zeile("Init_Hardware ***aus Routiene frmHaupt: frm_Load Aufgerufen");
    if (Init_Hardware(p.geraete, p.env) == Fortsetzung::ProgrammBeenden)
        return Fortsetzung::ProgrammBeenden;
    p.log.zeile("Init_Hardware __________________________Ausgefuehrt");
    p.dac.anmelden(*p.ausgabe);
    schrittText(p, h, "Init DAC-Hardware ... OK .... Setting scrollbars in Effekts window");
    // 16. to 18.
    schrittText(p, h, "Open DMX Window ...");
    schrittText(p, h, "Creating colortables ......");
    StandardPaletteErstellen(p.paletten);
    LieblingsfarbenResetBelegen(p.paletten);
    schrittText(p, h, "Loading ini file ..........");
    IniLaden(p);
    p.log.zeile("IniLaden geschafft");
    // 19. The figure folder.
    schrittText(p, h, "Create new colortable.........");
    schrittText(p, h, "Change Directory in Figurelist....");
    std::string ordner = h.figurenordner;
    if (ordner.empty()) ordner = p.modell.text("StandardPfade", "StartPfad0");
    if (ordner.empty() || !fs::is_directory(ordner, ec)) ordner = p.pfade.DokumentePfad;
    lstDir_Change(p.figuren, p.env, ordner);
    // 20. Test pictures and fixed figures into the negative slots.
    schrittText(p, h, "Loading test pictures .......");
    TestbilderUndFixFigurenLaden(p.figuren, p.env, p.pfade.Programmordner);
    p.log.zeile("Testbilder und FixFiguren Laden geschafft");
    // 21. Captions.
    schrittText(p, h, "Labeling buttons.......");
    if (h.beschriften) h.beschriften();
    p.log.zeile("Beschrifte Buttons aller Fenster geschafft");
    // 22. and 23.
    p.log.zeile("frmSequenzereinstellungen  erledigt");
    p.log.roh(std::string(67, '*'));
    p.log.zeile("Programm Lauuft");
    p.log.roh(std::string(67, '*'));
    schrittText(p, h, "Ready .....");
    // 24. Automatic loading, 25. the command-line document.
    const std::string auto_ = p.modell.text("AutoFileLoad", "Show_Playlist_LiveShow");
    if (auto_ != "xx" && !auto_.empty() && h.dokumentOeffnen) h.dokumentOeffnen(auto_);
    if (!p.Befehlszeile.empty()) {
        p.log.zeile("Command  ==> " + p.Befehlszeile);
        const std::string e = endung(p.Befehlszeile);
        if (e == ".qvb") {
            lstDir_Change(p.figuren, p.env, fs::path(p.Befehlszeile).parent_path());
        } else if (h.dokumentOeffnen &&
                   (e == ".shw" || e == ".pll" || e == ".live" || e == ".aut")) {
            h.dokumentOeffnen(p.Befehlszeile);
        }
    }
    return Fortsetzung::Weiter;
}

void Programmende(Programm& p) {
    p.schliesst = true;
    p.log.zeile("Stoping laser output......");
    if (p.ausgabe->Wiedergabe) {
        AbspielenStoppen(*p.ausgabe);
        p.env.warten(50);
    }
    p.log.zeile("Alltemeine Einstellung Speichern");
    Speichere_AllgemeineEinstellungen(p);
    p.log.zeile("Alltemeine Einstellung Speichern beendet");
    p.log.trenner();
    p.log.zeile("Programm Beenden aktiviert");
    p.log.trenner();
    p.dac.schliessen();
    std::error_code ec;
    p.log.zeile("TempOrdner löschen");
    fs::remove_all(fs::path(p.pfade.TempPfad) / "Temp", ec);
    p.log.zeile("Restore Ordner löschen");
    fs::remove_all(fs::path(p.pfade.DokumentePfad) / "UndoFiles_Restore", ec);
    p.log.zeile("Programm regulaur beendet");
    p.log.schliessen();
}

void fensterpositionSpeichern(Programm& p, const std::string& fenster, const Fensterposition& f) {
    auto& e = p.einstellungen;
    e.zahlSchreiben("Fensterposition", fenster + ".WPM.showCmd", static_cast<float>(f.showCmd));
    e.zahlSchreiben("Fensterposition", fenster + ".WPM.rcNormalPosition.Left",
                    static_cast<float>(f.links));
    e.zahlSchreiben("Fensterposition", fenster + ".WPM.rcNormalPosition.Top",
                    static_cast<float>(f.oben));
    e.zahlSchreiben("Fensterposition", fenster + ".WPM.rcNormalPosition.Right",
                    static_cast<float>(f.rechts));
    e.zahlSchreiben("Fensterposition", fenster + ".WPM.rcNormalPosition.Bottom",
                    static_cast<float>(f.unten));
}

std::optional<Fensterposition> fensterpositionLesen(Programm& p, const std::string& fenster) {
    auto& e = p.einstellungen;
    Fensterposition f;
    f.showCmd = static_cast<int>(e.zahlLesen("Fensterposition", fenster + ".WPM.showCmd", 0));
    f.links =
        static_cast<int>(e.zahlLesen("Fensterposition", fenster + ".WPM.rcNormalPosition.Left", 0));
    f.oben =
        static_cast<int>(e.zahlLesen("Fensterposition", fenster + ".WPM.rcNormalPosition.Top", 0));
    f.rechts = static_cast<int>(
        e.zahlLesen("Fensterposition", fenster + ".WPM.rcNormalPosition.Right", 0));
    f.unten = static_cast<int>(
        e.zahlLesen("Fensterposition", fenster + ".WPM.rcNormalPosition.Bottom", 0));
    if (f.links == 0 && f.oben == 0 && f.rechts == 0 && f.unten == 0) return std::nullopt;
    if (f.showCmd < 1 || f.showCmd > 3) return std::nullopt;
    return f;
}

void cmdResetFensterpositionen_Click(Programm& p) {
    p.einstellungen.abschnittLoeschen("Fensterposition");
}

} // namespace sw
