#include "show/ShowZuletzt.h"

#include "show/ShowLaden.h"

#include <algorithm>

namespace sw {

namespace {

constexpr const char* kAbschnitt = "LastFiles";

void schreiben(ShowKontext& k) {
    for (int i = 0; i < kZuletztGeoeffnete; ++i)
        k.einstellungen.textSchreiben(kAbschnitt, schluessel("LastFile", i),
                                      k.show.ZuletztGeoeffnete[static_cast<std::size_t>(i)]);
}

bool endetMit(const std::string& s, std::string_view ende) {
    return s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0;
}

} // namespace

void zuletztGeoeffneteLaden(ShowKontext& k) {
    for (int i = 0; i < kZuletztGeoeffnete; ++i) {
        std::string wert = k.einstellungen.textLesen(kAbschnitt, schluessel("LastFile", i), " ");
        // The store trims values, so an unused entry comes back empty.
        k.show.ZuletztGeoeffnete[static_cast<std::size_t>(i)] = wert.empty() ? " " : wert;
    }
}

bool zuletztGeoeffneteAufnehmen(ShowKontext& k, const std::string& pfad) {
    auto& liste = k.show.ZuletztGeoeffnete;
    for (const auto& eintrag : liste)
        if (eintrag == pfad) return false;
    std::rotate(liste.begin(), liste.end() - 1, liste.end()); // entry 9 comes round to 0
    liste[0] = pfad;
    schreiben(k);
    return true;
}

void zuletztGeoeffneteEntfernen(ShowKontext& k, int index) {
    auto& liste = k.show.ZuletztGeoeffnete;
    if (index < 0 || index >= kZuletztGeoeffnete) return;
    std::rotate(liste.begin() + index, liste.begin() + index + 1, liste.end());
    liste.back() = std::string(1, ' ');
    schreiben(k);
}

std::vector<std::pair<int, std::string>> zuletztGeoeffneteMenue(const ShowZustand& s) {
    std::vector<std::pair<int, std::string>> menue;
    for (int i = 0; i < kZuletztGeoeffnete; ++i) {
        const auto& eintrag = s.ZuletztGeoeffnete[static_cast<std::size_t>(i)];
        if (eintrag == " ") continue;
        const auto trenner = eintrag.find_last_of("/\\");
        menue.emplace_back(i, trenner == std::string::npos ? eintrag : eintrag.substr(trenner + 1));
    }
    return menue;
}

void mnuZuletztGeoeffnete_Click(ShowKontext& k, int index) {
    if (index < 0 || index >= kZuletztGeoeffnete) return;
    const std::string datei = k.show.ZuletztGeoeffnete[static_cast<std::size_t>(index)];
    if (endetMit(datei, "shw")) {
        k.show.ausstehendeDatei = datei;
        if (!mnuShowLaden_Click(k)) {
            // mnuShowLaden_Click may have moved the list; drop the entry where it stands now.
            for (int i = 0; i < kZuletztGeoeffnete; ++i)
                if (k.show.ZuletztGeoeffnete[static_cast<std::size_t>(i)] == datei) {
                    zuletztGeoeffneteEntfernen(k, i);
                    break;
                }
        }
    } else if (endetMit(datei, "pll")) {
        if (k.teile.playlistLaden) k.teile.playlistLaden(datei);
    } else if (endetMit(datei, "live")) {
        if (k.teile.liveShowLaden) k.teile.liveShowLaden(datei);
    }
}

} // namespace sw
