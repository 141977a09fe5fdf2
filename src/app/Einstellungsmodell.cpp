#include "app/Einstellungsmodell.h"

#include "platform/Text.h"

#include <charconv>
#include <cstdlib>

namespace sw {

namespace {
std::string klein(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
std::string zahlText(double v) {
    char puffer[32];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, v);
    return std::string(puffer, ende);
}
std::string idx(const char* vor, int i, const char* nach) {
    return std::string(vor) + std::to_string(i) + nach;
}
} // namespace

std::string Einstellungsmodell::id(const std::string& abschnitt, const std::string& schluessel) {
    return klein(std::string(trimmen(abschnitt))) + '\n' + klein(std::string(trimmen(schluessel)));
}

void Einstellungsmodell::hinzu(const std::string& abschnitt, const std::string& schluessel,
                               bool text, const std::string& standard) {
    schluessel_.push_back({abschnitt, schluessel, text, standard});
    werte_[id(abschnitt, schluessel)] = standard;
}

Einstellungsmodell::Einstellungsmodell() {
    hinzu("IgnoreNoteOfValue", "IgnoreNoteOf", false, "0");
    hinzu("Sonstiges", "AutoUpdate", false, "0");
    for (int i = 0; i < 4; ++i)
        hinzu("Optionen_Text_SMS", idx("formOptionen.txtLage(", i, ").Text"), true, "");
    for (int i = 0; i < 4; ++i)
        hinzu("Optionen_Text_SMS", idx("formOptionen.checkAbs(", i, ").Value"), false, "0");
    hinzu("Optionen_Text_SMS", "formOptionen.txtMaxZeichenZahl.Text", true, "160");
    hinzu("Optionen_Text_SMS", "formOptionen.txtFramesProSekunde.Text", true, "25");
    for (int i = 0; i < 3; ++i)
        hinzu("Optionen_Text_SMS", idx("formOptionen.txtPfadBuchstaben(", i, ").Text"), true, "");
    hinzu("Optionen_Text_SMS", "formOptionen.txtPfadTexte.Text", true, "");
    for (const char* k : {"SchriftartIndex", "SchriftartGroeße", "SchriftartQualitaet",
                          "SchriftAbstand", "Merkerlaufschrift"})
        hinzu("Optionen_Text_SMS", k, false, std::string(k) == "SchriftartGroeße" ? "12" : "0");
    for (int i = 0; i < 10; ++i)
        hinzu("Optionen_Midi,Printer,Keyborad", idx("formOptionen.txtOptionenMidi(", i, ").Text"),
              true, "");
    hinzu("Optionen_midi,Printer,Keyboard", "formoptionen.CheckDMXThrou.Value", false, "0");
    for (int i = 0; i < 10; ++i)
        hinzu("Optionen_DMX", idx("formOptionen.txtOptionenDMX(", i, ").Text"), true, "");
    hinzu("Optionen_DMX", "formOptionen.checkIgnoreGroeße.Value", false, "0");
    for (int i = 0; i < 2; ++i)
        hinzu("Optionen_DMX", idx("formOptionen.txtDMXIntervall(", i, ").Text"), true, "40");
    hinzu("Optionen_Hardware", "formOptionen.checkInitBilda(1)", false, "0");
    for (int k = 0; k < 4; ++k)
        hinzu("Optionen_Hardware", idx("CountDownAusgabe(", k, ")"), false, "0");
    hinzu("Optionen_4_FrmHaupt", "farbe", false, "4095");
    hinzu("Optionen_4_FrmHaupt", "txtRaster.Text", true, "50");
    for (int i = 1; i <= 3; ++i)
        hinzu("Optionen_4_FrmHaupt", idx("OptFarbAchse(", i, ").Value"), false,
              i == 1 ? "-1" : "0");
    hinzu("Optionen_4_FrmHaupt", "scrFarbe3.Value", false, "0");
    // The folder browser's recent folders, most recent first.
    for (int i = 0; i < 8; ++i)
        hinzu("Optionen_4_FrmHaupt", idx("LetzterOrdner(", i, ")"), true, "");
    // The window's look: 0 light, 1 dark.
    hinzu("Optionen_4_FrmHaupt", "Thema", false, "0");
    for (int i = 0; i < 2; ++i)
        hinzu("Optionen_4_frmdmx", idx("frmDMX.scrdmxeffect(", i, ").value"), false, "0");
    hinzu("Optionen_4_frmdmx", "formoptionen.txtDMX_Offset.Text", true, "1");
    for (int i = 0; i < 2; ++i)
        hinzu("Optionen_SonstigeSettings", idx("formOptionen.optFarbwahlArt(", i, ").Value"), false,
              i == 0 ? "-1" : "0");
    for (int i = 0; i < 5; ++i) hinzu("StandardPfade", idx("StartPfad", i, ""), true, "");
    for (const char* k :
         {"CheckAutoMonitorSchwarz", "CheckAutoMonitorStandBy", "CheckMausKeyboardAus",
          "CheckAutoLoop", "CheckAutoNextShow", "checkKlickShowstart", "check_Speedometer.Value",
          "checkCountdownDisplay.Value", "KreiseAn"})
        hinzu("Sonstiges", k, false, "0");
    hinzu("DMX_Steuert", "IndexNummer", false, "2");
    // General settings, saved at every program end.
    hinzu("Allgemein", "SequenzStartTime", false, "0");
    hinzu("Allgemein", "frmsequenzer.mnuLaserAutomatik.Checked", false, "0");
    hinzu("Allgemein", "DMXMaster", false, "0");
    hinzu("Allgemein", "mnuAutomatischZeigen.Checked", false, "0");
    for (int i = 0; i < 10; ++i) hinzu("LaufschriftTextfenster", std::to_string(i), true, "");
    for (int i = 0; i < 256; ++i)
        hinzu("KeyCode2AsciiCode", idx("Value(", i, ")"), false, std::to_string(i));
    // Simulation window and other windows' own keys.
    for (const char* k :
         {"OpenGL_Simulation", "AusgabeVerschiebungX", "AusgabeVerschiebungY", "Sim_Beam",
          "Sim_Grafik", "OpenGl_Beam", "OpenGL_Trans ", "OpenGl_Leinwand", "OpenGl_Nebel"})
        hinzu("Optionen_frmAusgabe", k, false, "0");
    hinzu("Optionen_frmAusgabe", "SimGroeße", false, "8000");
    for (int i = 0; i < 3; ++i) hinzu("Optionen_frmAusgabe", idx("Rotation(", i, ")"), false, "0");
    hinzu("Sonstige", "frmKurve.Intervall", false, "0");
    for (int i = 0; i < 10; ++i) hinzu("LastFiles", idx("LastFile(", i, ")"), true, "");
    hinzu("Einzelstrahl_Punktzhal", "EinzelbeamPunktzahl", false, "100");
    hinzu("AutoFileLoad", "DMX input Routing", true, "xx");
    hinzu("AutoFileLoad", "Midi input Routing", true, "xx");
    hinzu("AutoFileLoad", "Show_Playlist_LiveShow", true, "xx");
    hinzu("FigurenOnTop", "figurenOnTop", false, "0");
}

void Einstellungsmodell::ordnerStandards(const std::string& benutzerPfad) {
    const char* ordner[3] = {"Buchstaben_Normal/", "Buchstaben_3DShaddow_BankGothic/",
                             "Buchstaben_3DShaddow_Arial/"};
    for (int i = 0; i < 3; ++i) {
        const std::string k = idx("formOptionen.txtPfadBuchstaben(", i, ").Text");
        for (auto& s : schluessel_)
            if (s.abschnitt == "Optionen_Text_SMS" && s.schluessel == k) {
                s.standard = benutzerPfad + ordner[i];
                if (text(s.abschnitt, k).empty()) setzen(s.abschnitt, k, s.standard);
            }
    }
}

std::string Einstellungsmodell::text(const std::string& abschnitt,
                                     const std::string& schluessel) const {
    auto it = werte_.find(id(abschnitt, schluessel));
    return it == werte_.end() ? std::string() : it->second;
}

double Einstellungsmodell::zahl(const std::string& abschnitt, const std::string& schluessel) const {
    return std::strtod(text(abschnitt, schluessel).c_str(), nullptr);
}

void Einstellungsmodell::setzen(const std::string& abschnitt, const std::string& schluessel,
                                const std::string& wert) {
    werte_[id(abschnitt, schluessel)] = wert;
}

void Einstellungsmodell::abschnittLaden(Einstellungen& e, const std::string& abschnitt) {
    for (const auto& k : schluessel_) {
        if (k.abschnitt != abschnitt) continue;
        const std::string bisher = text(k.abschnitt, k.schluessel);
        if (k.text) {
            const std::string w = e.textLesen(k.abschnitt, k.schluessel, bisher, e.IniDateiAktuell);
            setzen(k.abschnitt, k.schluessel, w == "<no value>" && bisher.empty() ? "" : w);
        } else {
            const float alt = static_cast<float>(std::strtod(bisher.c_str(), nullptr));
            const float w = e.zahlLesen(k.abschnitt, k.schluessel, alt, e.IniDateiAktuell);
            if (w != alt) setzen(k.abschnitt, k.schluessel, zahlText(w));
        }
    }
}

void Einstellungsmodell::schluesselSpeichern(Einstellungen& e, const Modellschluessel& k) const {
    if (k.text)
        e.textSchreiben(k.abschnitt, k.schluessel, text(k.abschnitt, k.schluessel),
                        e.IniDateiAktuell);
    else
        e.zahlSchreiben(k.abschnitt, k.schluessel,
                        static_cast<float>(zahl(k.abschnitt, k.schluessel)), e.IniDateiAktuell);
}

void Einstellungsmodell::abschnittSpeichern(Einstellungen& e, const std::string& abschnitt) const {
    for (const auto& k : schluessel_)
        if (k.abschnitt == abschnitt) schluesselSpeichern(e, k);
}

} // namespace sw
