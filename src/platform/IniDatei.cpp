#include "platform/IniDatei.h"

#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

// The section name of a header line, or nullopt when the line is no header.
std::optional<std::string_view> abschnittsName(std::string_view zeile) {
    auto t = trimmen(zeile);
    if (t.empty() || t.front() != '[') return std::nullopt;
    t.remove_prefix(1);
    auto ende = t.find(']');
    if (ende != std::string_view::npos) t = t.substr(0, ende);
    return trimmen(t);
}

struct Eintrag {
    std::string_view schluessel;
    std::string_view wert;
};

std::optional<Eintrag> eintrag(std::string_view zeile) {
    auto t = trimmen(zeile);
    if (t.empty() || t.front() == ';') return std::nullopt;
    auto gleich = t.find('=');
    if (gleich == std::string_view::npos) return std::nullopt;
    return Eintrag{trimmen(t.substr(0, gleich)), trimmen(t.substr(gleich + 1))};
}

// Index of the header line of the section, or -1.
long abschnittFinden(const std::vector<std::string>& zeilen, std::string_view name) {
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        auto n = abschnittsName(zeilen[i]);
        if (n && gleichOhneGross(*n, name)) return static_cast<long>(i);
    }
    return -1;
}

// One past the last line of the section that starts at kopf.
std::size_t abschnittsEnde(const std::vector<std::string>& zeilen, std::size_t kopf) {
    std::size_t i = kopf + 1;
    while (i < zeilen.size() && !abschnittsName(zeilen[i])) ++i;
    return i;
}

std::string_view anfuehrungOhne(std::string_view wert) {
    if (wert.size() >= 2 && (wert.front() == '"' || wert.front() == '\'') &&
        wert.back() == wert.front())
        return wert.substr(1, wert.size() - 2);
    return wert;
}

// The lines of the text, without their line ends (CR LF or LF).
std::vector<std::string> zeilenVon(std::string_view inhalt) {
    std::vector<std::string> zeilen;
    std::size_t start = 0;
    while (start < inhalt.size()) {
        auto nl = inhalt.find('\n', start);
        std::size_t ende = nl == std::string_view::npos ? inhalt.size() : nl;
        std::string zeile(inhalt.substr(start, ende - start));
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        zeilen.push_back(std::move(zeile));
        start = ende + 1;
    }
    return zeilen;
}

} // namespace

IniDatei::Stand& IniDatei::laden(const fs::path& datei) {
    Stand& stand = cache_[datei];
    if (stand.gehalten) return stand;
    std::error_code ec;
    bool vorhanden = fs::is_regular_file(datei, ec);
    auto zeit = vorhanden ? fs::last_write_time(datei, ec) : fs::file_time_type{};
    auto groesse = vorhanden ? fs::file_size(datei, ec) : 0;
    if (ec) vorhanden = false;
    if (vorhanden == stand.vorhanden && zeit == stand.zeit && groesse == stand.groesse &&
        (vorhanden || stand.zeilen.empty()))
        return stand;

    stand = Stand{};
    if (vorhanden) {
        std::string inhalt;
        try {
            inhalt = dateiLesen(datei);
        } catch (const Laufzeitfehler&) {
            return stand; // unreadable: as if absent, so reads give their defaults
        }
        stand.zeilen = zeilenVon(inhalt);
        stand.vorhanden = true;
        stand.zeit = zeit;
        stand.groesse = groesse;
    }
    return stand;
}

void IniDatei::speichern(const fs::path& datei, Stand& stand) {
    if (stand.gehalten) return;
    std::string inhalt;
    for (const auto& z : stand.zeilen) {
        inhalt += z;
        inhalt += "\r\n";
    }
    try {
        atomarSchreiben(datei, inhalt);
    } catch (...) {
        cache_.erase(datei); // memory may differ from disk now: read again next time
        throw;
    }
    std::error_code ec;
    stand.vorhanden = true;
    stand.zeit = fs::last_write_time(datei, ec);
    stand.groesse = inhalt.size();
}

std::optional<std::string> IniDatei::lesen(const fs::path& datei, const std::string& abschnitt,
                                           const std::string& schluessel, std::size_t maxZeichen) {
    const Stand& stand = laden(datei);
    auto name = utf8NachCp1252(trimmen(abschnitt));
    auto key = utf8NachCp1252(trimmen(schluessel));
    long kopf = abschnittFinden(stand.zeilen, name);
    if (kopf < 0) return std::nullopt;
    auto ende = abschnittsEnde(stand.zeilen, static_cast<std::size_t>(kopf));
    for (auto i = static_cast<std::size_t>(kopf) + 1; i < ende; ++i) {
        auto e = eintrag(stand.zeilen[i]);
        if (e && gleichOhneGross(e->schluessel, key)) {
            auto wert = anfuehrungOhne(e->wert);
            return cp1252NachUtf8(wert.substr(0, maxZeichen));
        }
    }
    return std::nullopt;
}

void IniDatei::schreiben(const fs::path& datei, const std::string& abschnitt,
                         const std::string& schluessel, const std::string& wert) {
    Stand& stand = laden(datei);
    auto name = utf8NachCp1252(trimmen(abschnitt));
    auto key = utf8NachCp1252(trimmen(schluessel));
    std::string neueZeile = key + "=" + utf8NachCp1252(wert);
    auto& zeilen = stand.zeilen;
    long kopf = abschnittFinden(zeilen, name);
    if (kopf < 0) {
        if (!zeilen.empty() && !trimmen(zeilen.back()).empty()) zeilen.emplace_back();
        zeilen.push_back("[" + name + "]");
        zeilen.push_back(neueZeile);
    } else {
        auto ende = abschnittsEnde(zeilen, static_cast<std::size_t>(kopf));
        bool gefunden = false;
        std::size_t letzte = static_cast<std::size_t>(kopf);
        for (auto i = static_cast<std::size_t>(kopf) + 1; i < ende; ++i) {
            auto e = eintrag(zeilen[i]);
            if (e && gleichOhneGross(e->schluessel, key)) {
                zeilen[i] = std::string(e->schluessel) + "=" + utf8NachCp1252(wert);
                gefunden = true;
                break;
            }
            if (!trimmen(zeilen[i]).empty()) letzte = i;
        }
        if (!gefunden) zeilen.insert(zeilen.begin() + static_cast<long>(letzte) + 1, neueZeile);
    }
    speichern(datei, stand);
}

void IniDatei::abschnittLoeschen(const fs::path& datei, const std::string& abschnitt) {
    Stand& stand = laden(datei);
    auto name = utf8NachCp1252(trimmen(abschnitt));
    long kopf = abschnittFinden(stand.zeilen, name);
    if (kopf < 0) return;
    auto ende = abschnittsEnde(stand.zeilen, static_cast<std::size_t>(kopf));
    stand.zeilen.erase(stand.zeilen.begin() + kopf, stand.zeilen.begin() + static_cast<long>(ende));
    speichern(datei, stand);
}

void IniDatei::festhalten(const fs::path& datei) {
    laden(datei).gehalten = true;
}

void IniDatei::vorgeben(const fs::path& name, std::string_view inhalt) {
    Stand& stand = cache_[name];
    stand = Stand{};
    stand.zeilen = zeilenVon(inhalt);
    stand.vorhanden = true;
    stand.gehalten = true;
}

void IniDatei::zurueckschreiben(const fs::path& datei) {
    auto it = cache_.find(datei);
    if (it == cache_.end() || !it->second.gehalten) return;
    it->second.gehalten = false;
    speichern(datei, it->second);
}

void IniDatei::freigeben(const fs::path& datei) {
    cache_.erase(datei);
}

std::vector<std::string> IniDatei::unlesbareZeilen(const fs::path& datei) {
    std::vector<std::string> aus;
    for (const auto& z : laden(datei).zeilen) {
        auto t = trimmen(z);
        if (t.empty() || t.front() == ';' || abschnittsName(z) || eintrag(z)) continue;
        aus.push_back(cp1252NachUtf8(z));
    }
    return aus;
}

} // namespace sw
