#include "show/ShowDatei.h"

#include "platform/Binaer.h"
#include "platform/Text.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

namespace sw {

namespace {

constexpr int kPlatzhalterZeilen = 8;
constexpr int kReserviertZeilen = 4;
constexpr int kNullZeilen = 17;

// Lines ending in CR LF or LF; a last line without an end counts.
std::vector<std::string_view> zeilen(std::string_view bytes) {
    std::vector<std::string_view> aus;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto ende = bytes.find('\n', start);
        auto zeile = bytes.substr(start, ende == std::string_view::npos ? ende : ende - start);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        aus.push_back(zeile);
        if (ende == std::string_view::npos) break;
        start = ende + 1;
    }
    return aus;
}

// The version digits, "," or "." as the separator whatever the locale.
std::optional<double> versionLesen(std::string_view text) {
    std::string s(trimmen(text));
    for (auto& c : s)
        if (c == ',') c = '.';
    double wert = 0;
    auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), wert);
    if (s.empty() || fehler != std::errc() || ende != s.data() + s.size()) return std::nullopt;
    return wert;
}

} // namespace

std::string showdateiKodieren(const ShowDateiInhalt& inhalt) {
    std::string aus;
    auto zeile = [&](std::string_view text) {
        aus += utf8NachCp1252(text);
        aus += "\r\n";
    };
    zeile(kShowKopf);
    zeile("");
    zeile(inhalt.ShowName);
    zeile(inhalt.SoundName);
    zeile(inhalt.FaktorDrehenSchieben);
    zeile(inhalt.FaktorStauchen);
    zeile("");
    zeile(inhalt.mnuLaserAutomatik ? "True" : "False");
    zeile("PlayIldaWirdNichtMehrBenutzt");
    for (int i = 0; i < kPlatzhalterZeilen / 2; ++i) {
        zeile("Platzhalter... früher projScreenx");
        zeile("Platzhalter... früher Projscreeny");
    }
    for (int i = 0; i < kReserviertZeilen + kNullZeilen; ++i) zeile("0");
    return aus;
}

std::optional<ShowDateiInhalt> showdateiDekodieren(std::string_view bytes) {
    const auto z = zeilen(bytes);
    const std::string_view kopf = std::string_view(kShowKopf);
    if (z.empty() || z[0].size() < 3 ||
        z[0].substr(0, z[0].size() - 3) != kopf.substr(0, kopf.size() - 3))
        return std::nullopt;
    ShowDateiInhalt inhalt;
    inhalt.kopf = cp1252NachUtf8(z[0]);
    auto version = versionLesen(z[0].substr(z[0].size() - 3));
    if (!version)
        throw Formatfehler(0, "the version \"" + std::string(z[0].substr(z[0].size() - 3)) +
                                  "\" in the header is no number");
    inhalt.version = *version;

    // Everything up to the reserved lines must be there; the trailing "0" lines may be short.
    const std::size_t noetig =
        9 + (inhalt.version >= 2.3 ? kPlatzhalterZeilen : 0) + kReserviertZeilen;
    if (z.size() < noetig)
        throw Formatfehler(bytes.size(), "the show file ends after line " +
                                             std::to_string(z.size()) + " where " +
                                             std::to_string(noetig) + " lines were expected");
    inhalt.ShowName = cp1252NachUtf8(z[2]);
    inhalt.SoundName = cp1252NachUtf8(z[3]);
    inhalt.FaktorDrehenSchieben = cp1252NachUtf8(z[4]);
    inhalt.FaktorStauchen = cp1252NachUtf8(z[5]);
    inhalt.mnuLaserAutomatik = trimmen(z[7]) == "True";
    return inhalt;
}

} // namespace sw
