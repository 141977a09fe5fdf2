#include "core/FigurDatei.h"

#include "core/Dateifehler.h"
#include "core/Meldungen.h"
#include "core/QvbFormat.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Speicherblock.h"
#include "platform/Text.h"

#include <algorithm>

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr int kTextSpeichernTitel = 42;
constexpr int kTextUmlaute = 813;

// The name with its umlauts replaced in the file-name part; the folders stay as they are,
// since they exist on disk under their own names.
std::string umlauteImDateinamen(const std::string& pfad) {
    fs::path p(pfad);
    auto name = p.filename().string();
    auto ersetzt = umlauteErsetzen(name);
    if (ersetzt == name) return pfad;
    return (p.parent_path() / ersetzt).string();
}

bool qvbEndung(const fs::path& p) {
    return gleichOhneGross(p.extension().string(), ".qvb");
}

// After a figure was saved: the list of the shown folder holds the saved state under the file's
// name, the editor track follows it there, and the figure it came from goes back to its file.
void listeNachSpeichern(FigurenSpeicher& s, Umgebung& env, long quelle, const fs::path& ziel) {
    const bool imOrdner =
        !s.lstDirPfad.empty() && qvbEndung(ziel) &&
        gleicherOrdner(ziel.has_parent_path() ? ziel.parent_path() : ".", s.lstDirPfad);
    const std::string name = ziel.filename().string();
    long eintrag = -1;
    for (std::size_t k = 1; imOrdner && k < s.lstFiguren.size(); ++k)
        if (s.Listentyp[k] == listentyp::Figur && s.lstFiguren[k] == name)
            eintrag = static_cast<long>(k);
    if (eintrag == quelle || (!imOrdner && quelle == 0)) {
        alsUnveraendertMarkieren(s, quelle);
        return;
    }
    if (!imOrdner) return; // a copy elsewhere; the figure's own file still lacks the change

    if (eintrag > 0) {
        s.Figuren[eintrag] = s.Figuren[quelle];
    } else {
        eintrag = figurEinreihen(s, name, s.Figuren[quelle]);
        if (quelle >= eintrag) ++quelle;
    }
    alsUnveraendertMarkieren(s, eintrag);
    auto& editor = s.SpurAuswahl[s.EditorSpur];
    if (editor.Figur == quelle) editor.Figur = static_cast<std::int16_t>(eintrag);

    if (quelle == 0) {
        Figur neu;
        neu.Parameter[parameter::Echtzeitoptimierung] = 1.0;
        neu.Parameter[parameter::Reserviert303] = 2.0;
        s.Figuren[0] = std::move(neu);
        alsUnveraendertMarkieren(s, 0);
        return;
    }
    std::error_code ec;
    const fs::path eigene = s.lstDirPfad / figurName(s, quelle);
    if (fs::exists(eigene, ec)) Qvb_Laden(s, env, quelle, eigene);
}

} // namespace

bool gleicherOrdner(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    auto normal = [](const fs::path& p) {
        std::error_code f;
        auto n = fs::absolute(p, f).lexically_normal();
        return n.has_filename() ? n : n.parent_path();
    };
    return normal(a) == normal(b);
}

QvbLadeErgebnis Qvb_Laden(FigurenSpeicher& s, Umgebung& env, long Figurnummer,
                          const fs::path& Dateiname) {
    QvbLadeErgebnis ergebnis;
    if (Figurnummer < s.Figuren.untergrenze()) {
        ergebnis.grund = "figure slot " + std::to_string(Figurnummer) + " does not exist";
        return ergebnis;
    }
    FigurenErweitern(s, Figurnummer);
    try {
        auto inhalt = qvbDekodieren(dateiLesen(Dateiname));
        if (!inhalt) {
            ergebnis.art = QvbLadeErgebnis::Art::Leer;
            return ergebnis;
        }
        ergebnis.version = inhalt->version;
        s.Figuren[Figurnummer] = std::move(inhalt->figur);
        alsUnveraendertMarkieren(s, Figurnummer);
        ergebnis.art = QvbLadeErgebnis::Art::Geladen;
        return ergebnis;
    } catch (const Laufzeitfehler& e) {
        ergebnis.grund = e.nummer() == fehlernummer::DateiNichtGefunden
                             ? std::string("the file does not exist")
                             : std::string("the file cannot be read (") + e.what() + ")";
    } catch (const Formatfehler& e) {
        ergebnis.grund = std::string("the file is truncated or corrupt: ") + e.what();
    } catch (const std::bad_alloc&) {
        ergebnis.grund = "the file is too large to load";
    }
    dateifehlerMelden(env, Zugriff::Lesen,
                      "Fehler # " +
                          std::string(" 75. frmHaupt, Sub Qvb_Laden          "
                                      "Fehler bei Zugriff auf Datei: ") +
                          Dateiname.string(),
                      Dateiname.string(), ergebnis.grund);
    return ergebnis;
}

bool Speichern(FigurenSpeicher& s, Umgebung& env, bool& SchnellSpeichern,
               const std::string& Dateiname, std::string* fehlergrund) {
    return figurSpeichern(s, env, s.SpurAuswahl[s.EditorSpur].Figur, SchnellSpeichern, Dateiname,
                          fehlergrund);
}

bool figurSpeichern(FigurenSpeicher& s, Umgebung& env, long figurNr, bool& SchnellSpeichern,
                    const std::string& Dateiname, std::string* fehlergrund) {
    const bool undo = Dateiname.find("Undo") != std::string::npos;
    if (s.Figuren.enthaelt(figurNr)) s.Figuren[figurNr].Parameter[parameter::Reserviert303] = 2.0;

    // Choose the name; a name with umlauts is refused and the dialog asks again.
    std::string ziel;
    for (;;) {
        if (!Dateiname.empty() && (SchnellSpeichern || undo)) {
            ziel = Dateiname;
        } else if (SchnellSpeichern && figurNr > 0 &&
                   figurNr < static_cast<long>(s.lstFiguren.size()) && !s.lstDirPfad.empty()) {
            ziel = (s.lstDirPfad / s.lstFiguren[static_cast<std::size_t>(figurNr)]).string();
        } else {
            DateiAuswahl auswahl;
            auswahl.titel = env.texte.text(kTextSpeichernTitel);
            auswahl.filter = "*.qvb(QV-Binary Datei)|*.qvb";
            auswahl.ordner = s.lstDirPfad.string();
            ziel = env.dialoge.dateiSpeichern(auswahl);
            if (ziel.empty()) return false;
            // The folder lists only "*.qvb": a name without the ending would never show up.
            if (!qvbEndung(ziel)) ziel += ".qvb";
        }
        if (undo || umlauteImDateinamen(ziel) == ziel) break;
        env.dialoge.meldung(env.texte.text(kTextUmlaute));
        SchnellSpeichern = false;
    }
    if (!s.Figuren.enthaelt(figurNr) || figurNr < 0) return false;

    const fs::path zielPfad(ziel);
    Figur& figur = s.Figuren[figurNr];
    for (int i = 0; i < parameter::EffektBlock; ++i)
        figur.Parameter[i] = figur.Parameter[parameter::EffektBasis + i];
    try {
        // Encoded into one block sized for the whole file, then written in one piece.
        Speicherblock datei(qvbGroesse(figur));
        qvbKodierenIn(figur, datei.daten());
        atomarSchreiben(zielPfad, datei.ansicht());
    } catch (const Laufzeitfehler& e) {
        if (fehlergrund) *fehlergrund = e.what();
        dateifehlerMelden(
            env, Zugriff::Schreiben,
            "Fehler # " + std::string(" 75. frmHaupt, Sub speichern was unable to safe file: ") +
                ziel,
            ziel, e.what());
        return false;
    }

    if (!undo) {
        if (!SchnellSpeichern) env.warten(400);
        listeNachSpeichern(s, env, figurNr, zielPfad);
    }
    return true;
}

bool aenderungenSichernFragen(FigurenSpeicher& s, Umgebung& env, std::vector<long> figuren) {
    // Folder figures first, figure 0 last; found again by name before each question, since
    // saving into the folder can move slots.
    std::sort(figuren.begin(), figuren.end(),
              [](long a, long b) { return (a == 0) != (b == 0) ? b == 0 : a < b; });
    figuren.erase(std::unique(figuren.begin(), figuren.end()), figuren.end());
    std::vector<std::pair<long, std::string>> gefragt;
    for (long f : figuren)
        if (istGeaendert(s, f)) gefragt.emplace_back(f, figurName(s, f));

    for (auto [f, name] : gefragt) {
        if (f > 0) {
            const auto it = std::find(s.lstFiguren.begin(), s.lstFiguren.end(), name);
            if (it != s.lstFiguren.end()) f = static_cast<long>(it - s.lstFiguren.begin());
        }
        if (!istGeaendert(s, f)) continue;
        const auto antwort =
            env.dialoge.frage(meldung::einsetzen(env.texte.text(meldung::AenderungenSpeichern,
                                                                meldung::AenderungenSpeichernText),
                                                 name),
                              Knoepfe::SpeichernVerwerfenAbbrechen, Antwort::Abbrechen);
        if (antwort == Antwort::Abbrechen) return false;
        if (antwort == Antwort::Ja) {
            bool schnell = true;
            if (!figurSpeichern(s, env, f, schnell, "")) return false;
        }
    }
    return true;
}

} // namespace sw
