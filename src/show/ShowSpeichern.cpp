#include "show/ShowSpeichern.h"

#include "core/Dateifehler.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"
#include "show/ShowDatei.h"
#include "show/ShowInfoDatei.h"
#include "show/ShowMeldungen.h"
#include "show/ShowZuletzt.h"

#include <filesystem>

namespace sw {

namespace {

void speicherFehler(ShowKontext& k, const std::string& datei, const Laufzeitfehler& e) {
    dateifehlerMelden(k.env, Zugriff::Schreiben,
                      fehlerMeldung(e.nummer(), "Modul Global   Sub ShowSpeichern, Error beim "
                                                "Zugriff auf Datei,   " +
                                                    datei + "  may be: " + e.what()),
                      datei, e.what());
}

void showOptLoeschen(const std::string& ordner) {
    std::error_code ec;
    std::filesystem::remove(ordner + "Show.opt", ec);
}

} // namespace

bool ShowSpeichern(ShowKontext& k, const std::string& ordnerText, const std::string& name) {
    auto& s = k.show;
    std::string ordner = ordnerText.empty() ? k.programmOrdner.string() : ordnerText;
    ordner = ordnerMitTrenner(ordner);

    const std::string showDatei = ordner + name + ".shw";
    try {
        ShowDateiInhalt inhalt;
        inhalt.ShowName = s.ShowName;
        inhalt.SoundName = s.SoundName;
        inhalt.FaktorDrehenSchieben = s.FaktorDrehenSchieben;
        inhalt.FaktorStauchen = s.FaktorStauchen;
        inhalt.mnuLaserAutomatik = s.mnuLaserAutomatik;
        atomarSchreiben(showDatei, showdateiKodieren(inhalt));
    } catch (const Laufzeitfehler& e) {
        speicherFehler(k, showDatei, e);
        return false;
    }
    s.Showname = name;
    s.Showordner = ordner;
    s.mnuShowname = ordner + name;

    zuletztGeoeffneteAufnehmen(k, showDatei);

    k.paletten.Palettendatei = ordner + name + ".qvp";
    if (!FarbpaletteSpeichern(k.paletten, k.env)) return false;

    s.Sequenzdatei = ordner + name + ".seq";
    if (k.teile.sequenzSpeichern && !k.teile.sequenzSpeichern(s.Sequenzdatei)) return false;

    const std::string infoDatei = ordner + name + ".info";
    try {
        showInfoSchreiben(s.info, infoDatei);
    } catch (const Laufzeitfehler& e) {
        speicherFehler(k, infoDatei, e);
        return false;
    }
    return true;
}

std::optional<std::string> showNameErfragen(ShowKontext& k, std::string name) {
    for (;;) {
        if (name.empty() || name == kKeinShowname) {
            auto eingabe = k.env.dialoge.eingabe(
                k.env.texte.text(meldung::ShowNameFrage, "Name of the show:"), "");
            // An empty answer is taken as cancel: the input box cannot tell the two apart.
            if (!eingabe || eingabe->empty()) return std::nullopt;
            name = *eingabe;
            continue;
        }
        if (umlauteErsetzen(name) != name) {
            k.env.dialoge.meldung(k.env.texte.text(meldung::UmlauteImNamen,
                                                   "Names must not contain umlauts (ä, ö, ü, ß)."));
            name.clear();
            continue;
        }
        return name;
    }
}

bool mnuShowSpeichern_Click(ShowKontext& k) {
    auto& s = k.show;
    auto gewaehlt = showNameErfragen(k, s.Showname);
    if (!gewaehlt) return false;
    const std::string name = *gewaehlt;
    s.ShowName = name;
    showOptLoeschen(
        ordnerMitTrenner(s.Showordner.empty() ? k.programmOrdner.string() : s.Showordner));
    return ShowSpeichern(k, s.Showordner, name);
}

bool mnuShowSpeichernUnter_Click(ShowKontext& k) {
    auto& s = k.show;
    auto name = showNameErfragen(k, {});
    if (!name) return false;
    const std::string ordner =
        ordnerMitTrenner(s.Showordner.empty() ? k.programmOrdner.string() : s.Showordner);
    s.ShowName = *name;
    k.paletten.Palettendatei = ordner + *name + ".qvp";
    s.Sequenzdatei = ordner + *name + ".seq";
    showOptLoeschen(ordner);
    return ShowSpeichern(k, ordner, *name);
}

} // namespace sw
