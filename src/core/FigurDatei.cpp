#include "core/FigurDatei.h"

#include "core/Ordnerwechsel.h"
#include "core/QvbFormat.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr int kTextSpeichernTitel = 42;
constexpr int kTextUmlaute = 813;

std::size_t dateienZaehlen(const fs::path& ordner) {
    std::error_code ec;
    std::size_t n = 0;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec))
        if (it->is_regular_file(ec)) ++n;
    return n;
}

// The name with its umlauts replaced in the file-name part; the folders stay as they are,
// since they exist on disk under their own names.
std::string umlauteImDateinamen(const std::string& pfad) {
    fs::path p(pfad);
    auto name = p.filename().string();
    auto ersetzt = umlauteErsetzen(name);
    if (ersetzt == name) return pfad;
    return (p.parent_path() / ersetzt).string();
}

} // namespace

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
    env.log.zeile("Qvb_Laden: " + Dateiname.string() + ": " + ergebnis.grund);
    env.dialoge.meldung("Fehler # " +
                        std::string(" 75. frmHaupt, Sub Qvb_Laden          "
                                    "Fehler bei Zugriff auf Datei: ") +
                        Dateiname.string());
    return ergebnis;
}

bool Speichern(FigurenSpeicher& s, Umgebung& env, bool& SchnellSpeichern,
               const std::string& Dateiname, std::string* fehlergrund) {
    const bool undo = Dateiname.find("Undo") != std::string::npos;
    const long figurNr = s.SpurAuswahl[s.EditorSpur].Figur;
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
        }
        if (undo || umlauteImDateinamen(ziel) == ziel) break;
        env.dialoge.meldung(env.texte.text(kTextUmlaute));
        SchnellSpeichern = false;
    }
    if (!s.Figuren.enthaelt(figurNr) || figurNr < 0) return false;

    const fs::path zielPfad(ziel);
    const fs::path ordner = zielPfad.has_parent_path() ? zielPfad.parent_path() : fs::path(".");
    const std::size_t vorher = undo ? 0 : dateienZaehlen(ordner);

    Figur& figur = s.Figuren[figurNr];
    for (int i = 0; i < parameter::EffektBlock; ++i)
        figur.Parameter[i] = figur.Parameter[parameter::EffektBasis + i];
    try {
        atomarSchreiben(zielPfad, qvbKodieren(figur));
    } catch (const Laufzeitfehler& e) {
        env.log.zeile("Speichern: " + ziel + ": " + e.what());
        if (fehlergrund) *fehlergrund = e.what();
        env.dialoge.meldung("Fehler # " +
                            std::string(" 75. frmHaupt, Sub speichern was unable to safe file: ") +
                            ziel);
        return false;
    }

    if (!undo) {
        if (!SchnellSpeichern) env.warten(400);
        const std::size_t nachher = dateienZaehlen(ordner);
        if ((nachher > vorher || figurNr == 0) && !s.lstDirPfad.empty()) {
            env.warten(500);
            lstDir_Change(s, env, s.lstDirPfad);
        }
    }
    return true;
}

} // namespace sw
