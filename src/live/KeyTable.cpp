#include "live/KeyTable.h"

#include "core/Meldungen.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

#include <charconv>

namespace sw {

namespace fs = std::filesystem;

namespace {

std::string zeilenText(const std::vector<std::string>& zeilen) {
    std::string aus;
    for (const auto& z : zeilen) {
        aus += utf8NachCp1252(z);
        aus += "\r\n";
    }
    return aus;
}

// Writes the bytes atomically; a failure goes to the log and to the operator with `text`.
bool speichern(Umgebung& env, const fs::path& datei, std::string_view bytes,
               const std::string& text) {
    try {
        atomarSchreiben(datei, bytes);
        return true;
    } catch (const Laufzeitfehler& e) {
        env.log.zeile(text + datei.string() + " (" + e.what() + ")");
        env.dialoge.meldung(text + datei.string());
        return false;
    }
}

// A mapping file: missing leaves the map cleared, a wrong size keeps what is in memory.
template <typename Dekodieren>
void mappingLesen(Umgebung& env, const fs::path& datei, Dekodieren&& dekodieren, std::uint8_t* ziel,
                  std::size_t groesse) {
    std::error_code ec;
    if (!fs::is_regular_file(datei, ec)) {
        std::fill(ziel, ziel + groesse, std::uint8_t{0});
        return;
    }
    try {
        const std::string bytes = dateiLesen(datei);
        dekodieren(bytes);
    } catch (const std::exception& e) {
        env.log.zeile(datei.string() + ": " + e.what());
        env.dialoge.meldung(meldung::einsetzen(
            env.texte.text(meldung::TastenMappingDefekt, meldung::TastenMappingDefektText),
            datei.string()));
    }
}

void groessePruefen(std::string_view bytes, std::size_t soll) {
    if (bytes.size() != soll)
        throw Formatfehler(0, "the mapping holds " + std::to_string(bytes.size()) +
                                  " bytes where " + std::to_string(soll) + " belong");
}

} // namespace

std::vector<std::string> textzeilen(std::string_view bytes) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < bytes.size()) {
        auto ende = bytes.find('\n', anfang);
        if (ende == std::string_view::npos) ende = bytes.size();
        std::string_view z = bytes.substr(anfang, ende - anfang);
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        zeilen.push_back(cp1252NachUtf8(z));
        anfang = ende + 1;
    }
    return zeilen;
}

std::vector<std::string> keyOrdZeilen(const KeyTable& t, const FigurenSpeicher& s) {
    std::vector<std::string> zeilen;
    zeilen.reserve(t.size());
    for (const auto& e : t) {
        std::string z = kLeererEintrag;
        if (e && *e >= 1 && *e < static_cast<long>(s.lstFiguren.size()))
            z = s.lstFiguren[static_cast<std::size_t>(*e)];
        else if (e && *e < -1 && -*e < static_cast<long>(s.lstMakros.size()))
            z = s.lstMakros[static_cast<std::size_t>(-*e)];
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

KeyTable keyOrdLesen(const std::vector<std::string>& zeilen, const FigurenSpeicher& s) {
    KeyTable t(kKeyTableGroesse);
    const std::size_t n = std::min(zeilen.size(), t.size());
    for (std::size_t k = 0; k < n; ++k) {
        const std::string& name = zeilen[k];
        if (name == kLeererEintrag || name.empty()) continue;
        // Index 0 is the scratch figure, which no key shows.
        for (std::size_t i = 1; i < s.lstFiguren.size(); ++i)
            if (s.lstFiguren[i] == name) {
                t[k] = static_cast<long>(i);
                break;
            }
        if (t[k]) continue;
        for (std::size_t i = 2; i < s.lstMakros.size(); ++i)
            if (s.lstMakros[i] == name) {
                t[k] = -static_cast<long>(i);
                break;
            }
    }
    return t;
}

bool cmdSaveKeyList_Click(const KeyTable& t, const FigurenSpeicher& s, Umgebung& env,
                          const fs::path& ordner) {
    if (ordner.empty()) return false;
    return speichern(env, ordner / kKeyOrdDatei, zeilenText(keyOrdZeilen(t, s)),
                     " 75. frmHaupt, Sub cmdSaveKeylist_Click was unable to safe file: ");
}

std::string midiMapKodieren(const TastenMaps& m) {
    return {reinterpret_cast<const char*>(m.Midi2Tasten.data()), m.Midi2Tasten.size()};
}
std::string dmxMapKodieren(const TastenMaps& m) {
    return {reinterpret_cast<const char*>(m.DMX2Tasten.data()), m.DMX2Tasten.size()};
}
void midiMapDekodieren(std::string_view bytes, TastenMaps& m) {
    groessePruefen(bytes, m.Midi2Tasten.size());
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(m.Midi2Tasten.data()));
}
void dmxMapDekodieren(std::string_view bytes, TastenMaps& m) {
    groessePruefen(bytes, m.DMX2Tasten.size());
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(m.DMX2Tasten.data()));
}

bool midi2Taste_speichern(const TastenMaps& m, Umgebung& env, const fs::path& ordner) {
    if (ordner.empty()) return false;
    return speichern(env, ordner / kMidiMappingDatei, midiMapKodieren(m),
                     fehlerMeldung(75, " in Sub midi2Taste_speichern, file: "));
}
bool DMX2Taste_speichern(const TastenMaps& m, Umgebung& env, const fs::path& ordner) {
    if (ordner.empty()) return false;
    return speichern(env, ordner / kDmxMappingDatei, dmxMapKodieren(m),
                     fehlerMeldung(75, " in Sub DMX2Taste_speichern, file: "));
}

void tastenbelegungLesen(KeyTable& t, TastenMaps& m, const FigurenSpeicher& s, Umgebung& env,
                         const fs::path& ordner) {
    t.assign(kKeyTableGroesse, std::nullopt);
    try {
        std::error_code ec;
        if (fs::is_regular_file(ordner / kKeyOrdDatei, ec))
            t = keyOrdLesen(textzeilen(dateiLesen(ordner / kKeyOrdDatei)), s);
    } catch (const Laufzeitfehler& e) {
        env.log.zeile(fehlerMeldung(e.nummer(), " in Sub KeyOrd_Laden, file: ") +
                      (ordner / kKeyOrdDatei).string());
    }
    mappingLesen(
        env, ordner / kMidiMappingDatei, [&](std::string_view b) { midiMapDekodieren(b, m); },
        m.Midi2Tasten.data(), m.Midi2Tasten.size());
    mappingLesen(
        env, ordner / kDmxMappingDatei, [&](std::string_view b) { dmxMapDekodieren(b, m); },
        m.DMX2Tasten.data(), m.DMX2Tasten.size());
}

bool dmxOrdSpeichern(const std::vector<std::optional<long>>& makros, Umgebung& env,
                     const fs::path& ordner) {
    if (ordner.empty()) return false;
    std::vector<std::string> zeilen;
    for (const auto& e : makros) zeilen.push_back(e ? std::to_string(*e) : kLeererEintrag);
    return speichern(env, ordner / kDmxOrdDatei, zeilenText(zeilen),
                     fehlerMeldung(75, " in Sub DMXKeyList_Speichern, file: "));
}

std::vector<std::optional<long>> dmxOrdLesen(const std::vector<std::string>& zeilen) {
    std::vector<std::optional<long>> makros(kKeyTableGroesse);
    for (std::size_t k = 0; k < std::min(zeilen.size(), makros.size()); ++k) {
        long wert = 0;
        const auto& z = zeilen[k];
        auto [p, ec] = std::from_chars(z.data(), z.data() + z.size(), wert);
        if (ec == std::errc() && p == z.data() + z.size()) makros[k] = wert;
    }
    return makros;
}

} // namespace sw
