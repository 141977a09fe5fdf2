#include "app/Programmstart.h"

#include "app/Eingaenge.h"
#include "app/Einstellungsdatei.h"
#include "app/Medieneinrichtung.h"
#include "app/Sprache.h"
#include "core/Absturzkopien.h"
#include "core/Dateifehler.h"
#include "core/FigurDatei.h"
#include "core/Meldungen.h"
#include "core/Ordnerwechsel.h"
#include "devices/Emulation.h"
#include "live/LiveEinstellungen.h"
#include "live/ShowFiguren.h"
#include "show/ShowZuletzt.h"
#include "platform/Text.h"

#include <algorithm>
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

fs::path absturzkopienOrdner(const Pfade& pfade) {
    return fs::path(pfade.ProgrammDatenPfad) / "Absturzkopien";
}

fs::path rettungsordner(const Pfade& pfade) {
    return fs::path(pfade.DokumentePfad) / "UndoFiles_Restore";
}

fs::path undoDateienRetten(Programm& p) {
    // What the last run left: its undo snapshots and its crash copies, with their new names.
    std::vector<std::pair<fs::path, std::string>> dateien;
    std::error_code ec;
    const fs::path temp = fs::path(p.pfade.TempPfad) / "Temp";
    for (fs::directory_iterator it(temp, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool figur = name.rfind("UndoFigur", 0) == 0;
        const bool sequenz = name.rfind("UndoSequenz", 0) == 0;
        if (figur || sequenz)
            dateien.emplace_back(it->path(),
                                 it->path().stem().string() + (figur ? ".qvb" : ".seq"));
    }
    const std::size_t undoDateien = dateien.size();
    const fs::path kopien = absturzkopienOrdner(p.pfade);
    for (fs::directory_iterator it(kopien, ec), ende; !ec && it != ende; it.increment(ec))
        if (it->is_regular_file(ec))
            dateien.emplace_back(it->path(), it->path().filename().string());
    if (dateien.empty()) return {};

    // One folder per run, named after its last change; an earlier rescue is never overwritten.
    auto neueste = fs::file_time_type::min();
    for (const auto& d : dateien) {
        std::error_code f;
        neueste = std::max(neueste, fs::last_write_time(d.first, f));
    }
    std::string name = zeitText(neueste);
    std::replace(name.begin(), name.end(), ' ', '_');
    std::replace(name.begin(), name.end(), ':', '-');
    fs::path rettung = rettungsordner(p.pfade) / name;
    for (int n = 2; fs::exists(rettung, ec); ++n)
        rettung = rettungsordner(p.pfade) / (name + "_" + std::to_string(n));
    fs::create_directories(rettung, ec);

    int gerettet = 0;
    for (const auto& [quelle, neuerName] : dateien) {
        const fs::path ziel = rettung / neuerName;
        std::error_code f;
        fs::rename(quelle, ziel, f);
        if (f) { // another file system: copy with its time, then remove
            const auto zeit = fs::last_write_time(quelle, f);
            fs::copy_file(quelle, ziel, fs::copy_options::overwrite_existing, f);
            if (!f) fs::last_write_time(ziel, zeit, f);
            if (!f) fs::remove(quelle, f);
        }
        if (!f)
            ++gerettet;
        else
            p.log.zeile("Retten: " + quelle.string() + ": " + f.message());
    }
    fs::remove(kopien, ec); // only when every copy moved
    p.log.zeile("Gerettet nach " + rettung.string() + ": " + std::to_string(gerettet) + " Dateien");
    if (undoDateien == dateien.size())
        p.env.dialoge.meldung(
            p.texte.text(kTextAbsturz, "The program did not end normally the last time.") + "\n" +
            meldung::einsetzen(
                p.texte.text(kTextGerettet, "The undo files were rescued to \\xxx\\."),
                rettung.string() + "/"));
    return rettung;
}

namespace {

// Puts the crash copies back as changed figures; returns the names of those that found no
// place. The copies put back are deleted.
std::vector<std::string> zuruecklegen(Programm& p, const std::vector<Absturzkopie>& kopien) {
    auto& s = p.figuren;
    fs::path herkunft;
    for (const auto& k : kopien)
        if (!k.datei.empty()) {
            herkunft = k.datei.parent_path();
            break;
        }
    std::error_code ec;
    if (!herkunft.empty() && !gleicherOrdner(herkunft, s.lstDirPfad) &&
        fs::is_directory(herkunft, ec) && geaenderteFiguren(s).empty())
        lstDir_Change(s, p.env, herkunft);

    std::vector<std::string> ohnePlatz;
    long erste = -1;
    for (const auto& k : kopien) {
        long slot = -1;
        if (!k.datei.empty() && gleicherOrdner(k.datei.parent_path(), s.lstDirPfad))
            for (std::size_t i = 1; i < s.lstFiguren.size(); ++i)
                if (s.Listentyp[i] == listentyp::Figur &&
                    s.lstFiguren[i] == k.datei.filename().string() &&
                    !istGeaendert(s, static_cast<long>(i)))
                    slot = static_cast<long>(i);
        if (slot < 0 && !istGeaendert(s, 0)) slot = 0;
        if (slot < 0 || Qvb_Laden(s, p.env, slot, k.kopie).art != QvbLadeErgebnis::Art::Geladen) {
            ohnePlatz.push_back(k.name);
            continue;
        }
        alsGeaendertMarkieren(s, slot);
        if (erste < 0) erste = slot;
        fs::remove(k.kopie, ec);
        fs::path info = k.kopie;
        fs::remove(info.replace_extension(".txt"), ec);
    }
    if (erste >= 0) {
        s.SpurAuswahl[s.EditorSpur].Figur = static_cast<std::int16_t>(erste);
        s.SpurAuswahl[s.EditorSpur].Frame = 0;
    }
    // Safe in the running program's crash copies before the rescue goes.
    absturzkopienSchreiben(s, p.env, absturzkopienOrdner(p.pfade));
    return ohnePlatz;
}

} // namespace

void gerettetAnbieten(Programm& p, const fs::path& neu) {
    std::vector<fs::path> ordner;
    std::error_code ec;
    for (fs::directory_iterator it(rettungsordner(p.pfade), ec), ende; !ec && it != ende;
         it.increment(ec))
        if (it->is_directory(ec) && !absturzkopienLesen(it->path()).empty())
            ordner.push_back(it->path());
    std::sort(ordner.rbegin(), ordner.rend());
    for (const auto& o : ordner) {
        const auto kopien = absturzkopienLesen(o);
        std::string text;
        if (!neu.empty() && gleicherOrdner(o, neu))
            text = p.texte.text(kTextAbsturz, "The program did not end normally the last time.") +
                   "\n";
        text += p.texte.text(meldung::GeretteteFiguren, meldung::GeretteteFigurenText) + "\n";
        for (const auto& k : kopien) text += "    " + k.name + "  (" + zeitText(k.zeit) + ")\n";
        text +=
            meldung::einsetzen(
                p.texte.text(kTextGerettet, "The undo files were rescued to \\xxx\\."),
                o.string() + "/") +
            "\n" +
            p.texte.text(meldung::GerettetWiederherstellen, meldung::GerettetWiederherstellenText);
        const auto antwort =
            p.env.dialoge.frage(text, Knoepfe::JaNeinAbbrechen, Antwort::Abbrechen);
        if (antwort == Antwort::Abbrechen) continue;
        if (antwort == Antwort::Ja) {
            const auto ohnePlatz = zuruecklegen(p, kopien);
            if (!ohnePlatz.empty()) {
                std::string liste;
                for (const auto& n : ohnePlatz) liste += "\n    " + n;
                p.env.dialoge.meldung(
                    meldung::einsetzen(p.texte.text(meldung::GerettetNichtPlatziert,
                                                    meldung::GerettetNichtPlatziertText),
                                       o.string() + "/") +
                    liste);
                continue;
            }
        }
        fs::remove_all(o, ec);
    }
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
    const auto logDatei = fs::path(p.pfade.TempPfad) / "Software_Bugsuche_und_Timing.log";
    if (!p.log.oeffnen(logDatei))
        dateifehlerMelden(p.env, Zugriff::Schreiben,
                          "Fehler # " + std::string(" 75. frmHaupt, Sub Form_Load        Fehler "
                                                    "beim Zugriff auf Datei:  "
                                                    "Software_BugsucheAndTiming.txt "),
                          logDatei.string(), "");
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
    const fs::path gerettet = undoDateienRetten(p);
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
    medienEinrichten(p, audiowahlAusUmgebung());
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
    liveEinstellungenLaden(p.live, p.einstellungen, p.env);
    eingaengeOeffnen(p);
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
    // Figures rescued from a run that did not end normally, once their folder can be shown.
    gerettetAnbieten(p, gerettet);
    auto show = p.showKontext();
    zuletztGeoeffneteLaden(show);
    return Fortsetzung::Weiter;
}

ShowKontext Programm::showKontext() {
    ShowKontext k{show, figuren, paletten, einstellungen, env, *medien, {}, pfade.Programmordner,
                  pfade.ProgrammDatenPfad};
    // The timeline takes the media length and folder of the show it belongs to.
    k.teile.sequenzLaden = [this](const std::string& datei) {
        sequenzer.Medienlaenge = show.MediaLaenge;
        sequenzer.showOrdner = show.Showordner;
        return LoadSequenz(sequenzer, env, datei);
    };
    k.teile.sequenzSpeichern = [this](const std::string& datei) {
        return SaveSequenz(sequenzer, env, datei);
    };
    k.teile.sequenzLeeren = [this] { neueSequenz(sequenzer); };
    k.teile.nachShowOeffnen = [this] { sequenzAbschliessen(sequenzer); };
    // The key table in memory belongs to the figure folder; a show in another folder is
    // read through that folder's own key order.
    k.teile.benutzteDateien = [this] {
        std::error_code ec;
        const fs::path ordner(show.Showordner);
        if (show.Showordner.empty() || fs::equivalent(ordner, live.ordner, ec))
            return benutzteDateien(sequenzer.Events, live.keyTable, figuren.lstFiguren, ordner);
        return benutzteDateienNachKeyOrd(sequenzer.Events, ordner);
    };
    return k;
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
    geraetesucheBeenden(p.geraete);
    p.dac.schliessen();
    std::error_code ec;
    p.log.zeile("TempOrdner löschen");
    fs::remove_all(fs::path(p.pfade.TempPfad) / "Temp", ec);
    fs::remove_all(absturzkopienOrdner(p.pfade), ec);
    // Rescued files stay until the operator put them back or discarded them.
    p.log.zeile("Restore Ordner löschen");
    fs::remove(rettungsordner(p.pfade), ec);
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
