#include "app/Einstellungsdatei.h"

#include "app/Sprache.h"
#include "devices/Geraeteverwaltung.h"
#include "platform/Datei.h"
#include "platform/Fehlerfalle.h"
#include "platform/Text.h"

namespace sw {

namespace fs = std::filesystem;

std::string IniPfadBestimmen(const Pfade& p, std::string& argument) {
    if (argument.size() >= 10) {
        const std::string ende = argument.substr(argument.size() - 10);
        if (ende == ".Laser_ini" || ende == ".laser_ini") {
            std::string datei = argument;
            argument.clear();
            return datei;
        }
    }
    return p.ProgrammDatenPfad + kProgrammName + ".ini";
}

namespace {

void hardwareSpeichern(Programm& p) {
    auto& e = p.einstellungen;
    const auto& modell = p.modell;
    for (const auto& k : modell.schluessel())
        if (k.abschnitt == "Optionen_Hardware" && k.schluessel == "formOptionen.checkInitBilda(1)")
            modell.schluesselSpeichern(e, k);
    for (int n = 0; n <= p.geraete.MaxHardware; ++n)
        e.textSchreiben("Optionen_Hardware", "Device.DeviceName_" + std::to_string(n),
                        p.geraete.eintrag(n).Kennung, e.IniDateiAktuell);
    for (const auto& k : modell.schluessel())
        if (k.abschnitt == "Optionen_Hardware" && k.schluessel != "formOptionen.checkInitBilda(1)")
            modell.schluesselSpeichern(e, k);
    seitenZuordnungSpeichern(*p.ausgabe, e);
}

void sonstigesSpeichern(Programm& p) {
    p.modell.abschnittSpeichern(p.einstellungen, "Sonstiges");
    undoEinstellungSpeichern(p.undo, p.einstellungen);
}

// Runs the writes of a save on the file held in memory and writes it to disk once: what the
// writes reached is saved even after a trapped error, and a failed write leaves the file as
// it was. False when either was trapped; the write's reason goes to `problem`.
template <typename Schreiben>
bool gesammeltSpeichern(Programm& p, std::string_view fehlertext, Meldeart art,
                        std::string* problem, Schreiben&& schreiben) {
    auto& e = p.einstellungen;
    const std::string datei = e.IniDateiAktuell.empty() ? e.IniPfad : e.IniDateiAktuell;
    e.ini().festhalten(datei);
    const bool geschrieben = mitFehlerfalle(p.env, fehlertext, art, schreiben);
    return mitFehlerfalle(p.env, fehlertext, art,
                          [&] {
                              try {
                                  e.ini().zurueckschreiben(datei);
                              } catch (const std::exception& fehler) {
                                  if (problem) *problem = fehler.what();
                                  throw;
                              }
                          }) &&
           geschrieben;
}

bool iniSpeichern(Programm& p, std::string* problem);

// The DMX input chosen: a device of the list, or a network input (Art-Net, sACN, OLA), which
// stands in the input list without a device behind it.
std::string dmxEingangsText(const Geraete& g) {
    const auto& liste = g.comboDMXPort[1];
    const int wahl = g.comboDMXPortIndex[1];
    if (wahl > 0 && wahl < static_cast<int>(liste.size()) &&
        geraetNachName(g, liste[static_cast<std::size_t>(wahl)]) < 0)
        return liste[static_cast<std::size_t>(wahl)];
    return g.Geraeteliste[static_cast<std::size_t>(g.DmxEingangsGeraet)].Anzeigename;
}

} // namespace

bool INI_Speichern(Programm& p, std::string* problem) {
    return iniSpeichern(p, problem);
}

namespace {

bool iniSpeichern(Programm& p, std::string* problem) {
    auto& e = p.einstellungen;
    auto& a = *p.ausgabe;
    return gesammeltSpeichern(
        p, " wurde ausgeloest in Sub INI_Speichern frmHaupt von ", Meldeart::Nachricht, problem,
        [&] {
            p.modell.abschnittSpeichern(e, "IgnoreNoteOfValue");
            for (const auto& k : p.modell.schluessel())
                if (k.abschnitt == "Sonstiges" && k.schluessel == "AutoUpdate")
                    p.modell.schluesselSpeichern(e, k);
            for (const char* s : {"Optionen_Text_SMS", "Optionen_Midi,Printer,Keyborad",
                                  "Optionen_midi,Printer,Keyboard", "Optionen_DMX"})
                p.modell.abschnittSpeichern(e, s);
            for (int d = 0; d < kGeraete; ++d) {
                optimierungSpeichern(a.Optimierung[static_cast<std::size_t>(d)], e, d);
                wertAlsZahl(e, "Optionen_Optimierung", schluessel("PPS", d),
                            p.geraete.PPSWert[static_cast<std::size_t>(d)]);
                farbkanaeleSpeichern(a.Farben, e, d);
            }
            hardwareSpeichern(p);
            for (int d = 0; d < kGeraete; ++d) publikumSpeichern(a.Farben, e, d);
            for (int d = 0; d < kGeraete; ++d) strahlhelligkeitSpeichern(a.Farben, e, d);
            p.modell.abschnittSpeichern(e, "Optionen_4_FrmHaupt");
            for (int d = 0; d < kGeraete; ++d)
                geometrieSpeichern(a.Geometrie[static_cast<std::size_t>(d)], e, d);
            effekteSpeichern(a.Effekt, e);
            e.textSchreiben(
                "Optionen_4_frmdmx", "DMX_OutputDevice",
                p.geraete.Geraeteliste[static_cast<std::size_t>(p.geraete.DmxAusgangsGeraet)]
                    .Anzeigename,
                e.IniDateiAktuell);
            e.textSchreiben("Optionen_4_frmdmx", "DMX_InputDevice", dmxEingangsText(p.geraete),
                            e.IniDateiAktuell);
            p.modell.abschnittSpeichern(e, "Optionen_4_frmdmx");
            for (int i = 0; i < Sprachtexte::kSprachen; ++i)
                e.zahlSchreiben("Optionen_SonstigeSettings",
                                "formOptionen.OptLanguage(" + std::to_string(i) + ").Value",
                                i == p.texte.Sprache ? -1 : 0, e.IniDateiAktuell);
            p.modell.abschnittSpeichern(e, "Optionen_SonstigeSettings");
            p.modell.abschnittSpeichern(e, "StandardPfade");
            for (int d = 0; d < kGeraete; ++d) farbkurvenSpeichern(a.Farben, e, d);
            sonstigesSpeichern(p);
            p.modell.abschnittSpeichern(e, "DMX_Steuert");
            netzeinstellungenSchreiben(p.geraete, e);
        });
}

} // namespace

bool Speichere_AllgemeineEinstellungen(Programm& p) {
    auto& e = p.einstellungen;
    return gesammeltSpeichern(
        p, " wurde ausgeloest in Sub Speichere_AllgemeineEinstellungen frmHaupt von ",
        Meldeart::Log, nullptr, [&] {
            e.zahlSchreiben("IniVersion", "Version", kIniVersion, e.IniDateiAktuell);
            e.textSchreiben("IniVersion", "Programm Vesion",
                            std::string("Programmversion: ") + kProgrammVersion, e.IniDateiAktuell);
            for (int i = 0; i < kLieblingsfarben; ++i)
                e.zahlSchreiben(
                    "Allgemein", "frmhaupt.Pic_Lieblingsfarbe(" + std::to_string(i) + ").tag",
                    static_cast<float>(p.paletten.Lieblingsfarben[static_cast<std::size_t>(i)]),
                    e.IniDateiAktuell);
            p.modell.abschnittSpeichern(e, "Allgemein");
            wertAlsZahl(e, "Allgemein", "EllipsenVorschub", p.ausgabe->EllipsenVorschub);
            for (const auto& k : p.modell.schluessel())
                if (k.abschnitt == "Optionen_Text_SMS" &&
                    (k.schluessel.rfind("Schrift", 0) == 0 || k.schluessel == "Merkerlaufschrift"))
                    p.modell.schluesselSpeichern(e, k);
            p.modell.abschnittSpeichern(e, "LaufschriftTextfenster");
            e.zahlSchreiben("MaxValues", "MaxPunktzahl", static_cast<float>(p.MaxPunktzahl),
                            e.IniDateiAktuell);
            sonstigesSpeichern(p);
            p.modell.abschnittSpeichern(e, "KeyCode2AsciiCode");
        });
}

void IniLaden(Programm& p) {
    auto& e = p.einstellungen;
    auto& a = *p.ausgabe;
    auto& log = p.log;
    auto gruppe = [&](const char* kopf) { log.zeile(kopf); };

    p.IniVersion = static_cast<int>(e.zahlLesen("IniVersion", "Version", 0, e.IniDateiAktuell));
    log.zeile("Ini Version gelesen");

    gruppe("*******Optionen 0 (Texte und sms) Laden");
    p.modell.abschnittLaden(e, "IgnoreNoteOfValue");
    p.modell.abschnittLaden(e, "Optionen_Text_SMS");
    gruppe("*******Optionen 3 (Midi, Printer, Keybord...) Laden");
    p.modell.abschnittLaden(e, "Optionen_Midi,Printer,Keyborad");
    p.modell.abschnittLaden(e, "Optionen_midi,Printer,Keyboard");
    gruppe("*******Optionen 5 (DMX) laden");
    p.modell.abschnittLaden(e, "Optionen_DMX");
    gruppe("*******Optionen 6 (Optimierung)Laden");
    for (int d = 0; d < kGeraete; ++d)
        optimierungLaden(a.Optimierung[static_cast<std::size_t>(d)], e, d);
    gruppe("*******Optionen Hardware Laden");
    p.modell.abschnittLaden(e, "Optionen_Hardware");
    geraeteLaden(p.geraete, p.env, e);
    netzeinstellungenLesen(p.geraete, e);
    for (int s = 0; s < kSeiten; ++s)
        for (int d = 0; d < kGeraete; ++d)
            zahlInWert(e, "Optionen_Hardware",
                       schluessel("Zuordnung_Spurseite_2_Logischespur", s, d),
                       a.SpurZuordnung[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)]);
    p.dac.typenUebertragen(a);
    gruppe("Ausgabeoptionen FormOptionen laden");
    for (int d = 0; d < kGeraete; ++d) {
        farbkorrekturLaden(a.Farben, e, d);
        geometrieLaden(a.Geometrie[static_cast<std::size_t>(d)], e, d);
        auto& g = a.Farben.geraete[static_cast<std::size_t>(d)];
        for (std::size_t c = 0; c < 3; ++c) g.kanalAn[c] = g.Steigung[c] != 0;
    }
    alleFarbenKorrigieren(a.Farben, p.paletten);
    gruppe("*******frmHaupt Fenster Settings Laden");
    p.modell.abschnittLaden(e, "Optionen_4_FrmHaupt");
    for (int i = 1; i <= 3; ++i)
        if (p.modell.zahl("Optionen_4_FrmHaupt", "OptFarbAchse(" + std::to_string(i) + ").Value") !=
            0)
            p.paletten.OptFarbAchse = i;
    p.paletten.scrFarbe3 =
        static_cast<int>(p.modell.zahl("Optionen_4_FrmHaupt", "scrFarbe3.Value"));
    gruppe("*******Settings fuer Form Ausgabe    Laden");
    p.modell.abschnittLaden(e, "Optionen_frmAusgabe");
    for (int d = 0; d < kGeraete; ++d) {
        zahlInWert(e, "Optionen_frmAusgabe", schluessel("ProjektorVerschiebungX", d),
                   a.ProjektorVerschiebungX[static_cast<std::size_t>(d)]);
        zahlInWert(e, "Optionen_frmAusgabe", schluessel("ProjektorVerschiebungY", d),
                   a.ProjektorVerschiebungY[static_cast<std::size_t>(d)]);
    }
    gruppe("*******EFFECTS Fenster Settings Laden");
    effekteLaden(a.Effekt, e);
    gruppe("*******DMX Fenster Settings Laden");
    p.modell.abschnittLaden(e, "Optionen_4_frmdmx");
    gruppe("*******Optionen_SonstigeSettings; LADEN");
    spracheLaden(p.texte, e);
    p.modell.abschnittLaden(e, "Optionen_SonstigeSettings");
    gruppe("*******AllgemeineEinstellungen (werden immer gespeichert) Laden");
    LieblingsfarbenLaden(p.paletten, e);
    zahlInWert(e, "Allgemein", "EllipsenVorschub", a.EllipsenVorschub);
    if (a.EllipsenVorschub < 7) a.EllipsenVorschub = 15;
    float maxPunkte = e.zahlLesen("MaxValues", "MaxPunktzahl", 1000, e.IniDateiAktuell);
    p.MaxPunktzahl = maxPunkte > 50000 ? 10000 : static_cast<long>(maxPunkte);
    undoEinstellungLaden(p.undo, e);
    for (const char* s : {"Allgemein", "LaufschriftTextfenster", "Sonstiges", "KeyCode2AsciiCode",
                          "StandardPfade", "DMX_Steuert", "Sonstige", "LastFiles",
                          "Einzelstrahl_Punktzhal", "AutoFileLoad", "FigurenOnTop"})
        p.modell.abschnittLaden(e, s);

    // Lines that are no settings are kept in the file and reported once.
    const std::string datei = e.IniDateiAktuell.empty() ? e.IniPfad : e.IniDateiAktuell;
    const auto unlesbar = e.ini().unlesbareZeilen(datei);
    if (!unlesbar.empty())
        log.zeile(
            "Einstellungsdatei " + datei + ": " + std::to_string(unlesbar.size()) +
            " Zeilen ohne Einstellung (behalten), die erste: " + unlesbar.front().substr(0, 80));
}

namespace {

// The sections the loader reads besides those of the settings model; an import needs a key in
// one of them or in a section of the model.
constexpr const char* kLadeAbschnitte[] = {"IniVersion",
                                           "Optionen_Optimierung",
                                           "Optionen_Hardware",
                                           "OptionenAusgabe",
                                           "Farbkorrektur",
                                           "Optionen_frmAusgabe",
                                           "Optionen_4_FrmEffekts",
                                           "Optionen_4_frmdmx",
                                           "Optionen_SonstigeSettings",
                                           "Allgemein",
                                           "MaxValues",
                                           "Sonstiges",
                                           "PPS_Warnung",
                                           "Netzwerk",
                                           "Emulation",
                                           "Programmverison",
                                           "Fensterposition"};

bool bekannterAbschnitt(const Einstellungsmodell& m, std::string_view name) {
    if (name.size() > 19 && gleichOhneGross(name.substr(0, 19), "Geometriekorrektur(")) return true;
    for (const char* a : kLadeAbschnitte)
        if (gleichOhneGross(name, a)) return true;
    for (const auto& k : m.schluessel())
        if (gleichOhneGross(name, k.abschnitt)) return true;
    return false;
}

const char* kImportFehler = " in formOptionen, cmdImportIni_click";

// Loads the text as the import under the name (a file's, for the log): held in memory, so the
// keys the loader writes back (the DMX devices) never reach a file.
bool importieren(Programm& p, const std::string& name, std::string_view inhalt,
                 std::string& problem) {
    problem = einstellungsdateiPruefen(p.modell, inhalt);
    if (!problem.empty()) {
        p.env.dialoge.meldung(fehlerMeldung(fehlernummer::Typenkonflikt, kImportFehler) + ": " +
                              name + ": " + problem);
        return false;
    }
    auto& e = p.einstellungen;
    e.ini().vorgeben(name, inhalt);
    e.IniDateiAktuell = name;
    const bool ok = mitFehlerfalle(p.env, kImportFehler, Meldeart::Nachricht, [&] { IniLaden(p); });
    e.IniDateiAktuell.clear();
    e.ini().freigeben(name);
    if (!ok) problem = "the settings could not be loaded";
    return ok;
}

} // namespace

bool enthaeltBinaerdaten(std::string_view inhalt) {
    for (unsigned char c : inhalt)
        if (c < 32 && c != '\t' && c != '\r' && c != '\n') return true;
    return false;
}

std::string einstellungsdateiPruefen(const Einstellungsmodell& m, std::string_view inhalt) {
    if (trimmen(inhalt).empty()) return "the file is empty";
    if (enthaeltBinaerdaten(inhalt)) return "the file is no settings file (it holds binary data)";
    bool imBekannten = false;
    std::size_t start = 0;
    while (start < inhalt.size()) {
        const auto nl = inhalt.find('\n', start);
        const auto ende = nl == std::string_view::npos ? inhalt.size() : nl;
        const auto zeile = trimmen(inhalt.substr(start, ende - start));
        start = ende + 1;
        if (zeile.empty() || zeile.front() == ';') continue;
        if (zeile.front() == '[') {
            auto name = zeile.substr(1);
            name = trimmen(name.substr(0, name.find(']')));
            imBekannten = bekannterAbschnitt(m, name);
        } else if (imBekannten) {
            const auto gleich = zeile.find('=');
            if (gleich != std::string_view::npos && !trimmen(zeile.substr(0, gleich)).empty())
                return "";
        }
    }
    return "the file holds none of the program's settings (no key in a section such as "
           "[Optionen_Hardware])";
}

bool einstellungenExportieren(Programm& p, const std::string& datei, std::string* problem) {
    p.einstellungen.IniDateiAktuell = datei;
    const bool ok = iniSpeichern(p, problem);
    p.einstellungen.IniDateiAktuell.clear();
    return ok;
}

bool einstellungenImportieren(Programm& p, const std::string& datei, std::string* problem) {
    std::string inhalt, grund;
    std::error_code ec;
    try {
        if (fs::is_directory(datei, ec)) throw Laufzeitfehler(fehlernummer::Dateizugriff);
        inhalt = dateiLesen(datei);
    } catch (const Laufzeitfehler& fehler) {
        p.env.dialoge.meldung(fehlerMeldung(fehler.nummer(), kImportFehler));
        if (problem)
            *problem = fehler.nummer() == fehlernummer::DateiNichtGefunden
                           ? "the file does not exist"
                       : fs::is_directory(datei, ec)
                           ? "it is a folder"
                           : std::string("the file cannot be read (") + fehler.what() + ")";
        return false;
    }
    const bool ok = importieren(p, datei, inhalt, grund);
    if (!ok && problem) *problem = grund;
    return ok;
}

bool einstellungenImportierenAusInhalt(Programm& p, std::string_view inhalt, std::string& problem) {
    return importieren(p, "(import)", inhalt, problem);
}

namespace {
std::string iniDialog(Programm& p, bool speichern) {
    DateiAuswahl auswahl;
    auswahl.filter = "*.Laser_ini|*.Laser_ini|*.ini|*.ini";
    auswahl.ordner = p.pfade.DokumentePfad;
    return speichern ? p.env.dialoge.dateiSpeichern(auswahl) : p.env.dialoge.dateiOeffnen(auswahl);
}
} // namespace

bool cmdExportINI_Click(Programm& p) {
    const std::string datei = iniDialog(p, true);
    return !datei.empty() && einstellungenExportieren(p, datei);
}

bool cmdImportINI_Click(Programm& p) {
    const std::string datei = iniDialog(p, false);
    return !datei.empty() && einstellungenImportieren(p, datei);
}

void programmVersionPruefen(Programm& p) {
    auto& e = p.einstellungen;
    const std::string gespeichert = e.textLesen("Programmverison", "ProgrammVersionString",
                                                "kein Ini String", e.IniDateiAktuell);
    if (gespeichert == kProgrammVersion) return;
    e.textSchreiben("Programmverison", "ProgrammVersionString", kProgrammVersion,
                    e.IniDateiAktuell);
    const std::pair<const char*, const char*> ordner[] = {
        {"Buchstaben_Normal", "BuchstabenNormal kopieren"},
        {"Buchstaben_3DShaddow_Arial", "Buchstaben 3D Shaddow Arial kopieren"},
        {"Buchstaben_3DShaddow_BankGothic", "Buchstaben 3D BankGothic kopieren"},
        {"TestBilder", "Testbilder kopieren"},
        {"QV_s_TestBilder", "QVs Testbilder kopieren"},
        {"FixFiguren", "Fix Figuren kopieren"}};
    for (const auto& [name, schritt] : ordner) {
        const fs::path quelle = fs::path(p.pfade.Programmordner) / name;
        std::error_code ec;
        if (!fs::is_directory(quelle, ec)) continue;
        fs::copy(quelle, fs::path(p.pfade.BenutzerPfad) / name,
                 fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
        if (ec)
            p.env.dialoge.meldung(std::string("Fehler # fehler im Sub PfadeSetzen, Modul Global. "
                                              "Aktuelle Aktivität war ") +
                                  schritt);
    }
}

} // namespace sw
