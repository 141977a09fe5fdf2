#include "show/ShowpartErzeugen.h"

#include "core/Meldungen.h"
#include "platform/Text.h"
#include "show/SequenzMeldungen.h"
#include "show/SequenzOffTime.h"

#include <algorithm>

namespace sw {

namespace {

constexpr const char* kFilter = "*.prt(QV-Showpart Datei)|*.prt";

bool prtEndung(const std::string& name) {
    return name.size() >= 4 &&
           gleichOhneGross(std::string_view(name).substr(name.size() - 4), ".prt");
}

} // namespace

std::optional<std::filesystem::path> Showpart_Speichern(Sequenzer& s, Umgebung& env, long index,
                                                        bool dateinameBekannt,
                                                        const std::filesystem::path& datei) {
    std::string ziel = dateinameBekannt ? datei.string() : std::string();
    std::string vorschlag = index >= 0 && static_cast<std::size_t>(index) < s.Showparts.size()
                                ? s.Showparts[static_cast<std::size_t>(index)].name
                                : std::string();
    for (;;) {
        if (ziel.empty()) {
            DateiAuswahl auswahl;
            auswahl.titel = env.texte.text(meldung::SpeichernTitel, "Save");
            auswahl.filter = kFilter;
            auswahl.ordner = s.showOrdner.string();
            auswahl.dateiname = vorschlag;
            ziel = env.dialoge.dateiSpeichern(auswahl);
            if (ziel.empty()) return std::nullopt;
            if (!prtEndung(ziel)) ziel += ".prt";
        }
        const std::string name = std::filesystem::path(ziel).filename().string();
        const std::string ersetzt = umlauteErsetzen(name);
        if (ersetzt == name) break;
        env.dialoge.meldung(env.texte.text(meldung::Umlaute, meldung::UmlauteText));
        vorschlag = ersetzt;
        ziel.clear();
    }
    if (!SaveShowpart(s.Showparts, index, env, ziel)) return std::nullopt;
    if (s.figurenlisteAktualisieren) s.figurenlisteAktualisieren();
    return std::filesystem::path(ziel);
}

std::optional<long> mnuErzeugen_Click(Sequenzer& s, Umgebung& env) {
    if (env.dialoge.frage(env.texte.text(meldung::ShowpartErzeugen, meldung::ShowpartErzeugenText),
                          Knoepfe::JaNein, Antwort::Ja) != Antwort::Ja)
        return std::nullopt;
    std::vector<long> quelle = s.markiert;
    std::sort(quelle.begin(), quelle.end());
    quelle.erase(std::unique(quelle.begin(), quelle.end()), quelle.end());
    const long n = sequenz::anzahl(s.Events);
    std::erase_if(quelle, [n](long i) { return i < 1 || i > n; });
    if (quelle.empty())
        for (long i = 1; i <= n; ++i) quelle.push_back(i);
    if (quelle.empty()) return std::nullopt;

    Showpart part;
    const double beginn = s.Events[static_cast<std::size_t>(quelle.front())].start;
    for (long i : quelle) {
        SeqEvent e = s.Events[static_cast<std::size_t>(i)];
        e.start -= beginn;
        e.off -= beginn;
        part.events.push_back(e);
        part.laenge = std::max(part.laenge, e.start);
    }
    sequenzSortieren(part.events);
    Sequenz_EventOffTime_Ermitteln(part.events, part.laenge);

    const long index = static_cast<long>(s.Showparts.size());
    s.Showparts.push_back(std::move(part));
    auto datei = Showpart_Speichern(s, env, index, false);
    if (!datei) {
        s.Showparts.pop_back();
        return std::nullopt;
    }
    s.Showparts[static_cast<std::size_t>(index)].name = datei->stem().string();
    // The name is part of the file: write it again now that it is known.
    SaveShowpart(s.Showparts, index, env, *datei);
    return index;
}

} // namespace sw
