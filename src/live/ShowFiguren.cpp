#include "live/ShowFiguren.h"

#include "platform/Datei.h"
#include "show/SequenzDatei.h"
#include "show/Showpart.h"

#include <algorithm>
#include <set>

namespace sw {

namespace fs = std::filesystem;

namespace {

bool endetAuf(const std::string& name, const std::string& endung) {
    return name.size() >= endung.size() &&
           name.compare(name.size() - endung.size(), endung.size(), endung) == 0;
}

std::vector<std::string> alleFigurDateien(const fs::path& ordner) {
    std::vector<std::string> alle;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (endetAuf(name, ".qvb") || endetAuf(name, ".prt")) alle.push_back(name);
    }
    std::sort(alle.begin(), alle.end());
    return alle;
}

EventListe showpartAusDatei(const fs::path& datei) {
    try {
        return showpartDekodieren(dateiLesen(datei)).events;
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

std::vector<std::string>
benutzteDateien(const EventListe& events, const std::function<std::string(long key)>& eintragName,
                const std::function<EventListe(const std::string& datei)>& showpartEvents) {
    std::set<std::string> namen;
    std::set<std::string> besuchteShowparts;
    std::vector<EventListe> offen{events};
    while (!offen.empty()) {
        const EventListe liste = std::move(offen.back());
        offen.pop_back();
        for (std::size_t i = 1; i < liste.size(); ++i) {
            if (liste[i].kind != sequenz::kTasteGedrueckt) continue;
            const std::string name = eintragName(liste[i].key);
            if (name.empty()) continue;
            namen.insert(name);
            if (endetAuf(name, ".prt") && besuchteShowparts.insert(name).second)
                offen.push_back(showpartEvents(name));
        }
    }
    return {namen.begin(), namen.end()};
}

std::vector<std::string> benutzteDateien(const EventListe& events, const KeyTable& t,
                                         const std::vector<std::string>& lstFiguren,
                                         const fs::path& showOrdner) {
    return benutzteDateien(
        events,
        [&](long key) -> std::string {
            if (key < 0 || key >= static_cast<long>(t.size())) return {};
            const auto& e = t[static_cast<std::size_t>(key)];
            if (!e || *e < 1 || *e >= static_cast<long>(lstFiguren.size())) return {};
            return lstFiguren[static_cast<std::size_t>(*e)];
        },
        [&](const std::string& datei) { return showpartAusDatei(showOrdner / datei); });
}

std::vector<std::string> benutzteDateienImOrdner(const fs::path& seqDatei) {
    const fs::path ordner = seqDatei.has_parent_path() ? seqDatei.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::exists(seqDatei, ec)) return {}; // no timeline: no event uses anything
    EventListe events;
    try {
        events = sequenzDekodieren(dateiLesen(seqDatei)).events;
    } catch (const std::exception&) {
        return alleFigurDateien(ordner); // a timeline we cannot read may use any of them
    }
    return benutzteDateienNachKeyOrd(events, ordner);
}

std::vector<std::string> benutzteDateienNachKeyOrd(const EventListe& events,
                                                   const fs::path& ordner) {
    std::vector<std::string> zeilen;
    bool keyOrd = true;
    try {
        zeilen = textzeilen(dateiLesen(ordner / kKeyOrdDatei));
    } catch (const std::exception&) {
        keyOrd = false;
    }
    const bool drueckt =
        std::any_of(events.begin() + (events.empty() ? 0 : 1), events.end(),
                    [](const SeqEvent& e) { return e.kind == sequenz::kTasteGedrueckt; });
    if (!keyOrd && drueckt) return alleFigurDateien(ordner);
    return benutzteDateien(
        events,
        [&](long key) -> std::string {
            if (key < 0 || key >= static_cast<long>(zeilen.size())) return {};
            const auto& z = zeilen[static_cast<std::size_t>(key)];
            return z == kLeererEintrag ? std::string() : z;
        },
        [&](const std::string& datei) { return showpartAusDatei(ordner / datei); });
}

} // namespace sw
