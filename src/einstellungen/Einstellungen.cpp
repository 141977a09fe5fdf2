#include "einstellungen/Einstellungen.h"

#include "platform/Text.h"
#include "platform/Vb.h"

#include <charconv>
#include <cstdlib>

namespace sw {

namespace {

constexpr std::size_t kLesepuffer = 500 - 1; // the buffer keeps room for its terminator
constexpr const char* kKeinWert = "<no value>";

std::string zahlAlsText(float wert) {
    char puffer[32];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return std::string(puffer, ende);
}

// The number at the start of the text, as the runtime's Val reads it; nullopt when there is
// none.
std::optional<double> zahlParsen(std::string_view text) {
    auto t = std::string(trimmen(text));
    if (t.empty()) return std::nullopt;
    char* ende = nullptr;
    double wert = std::strtod(t.c_str(), &ende);
    if (ende == t.c_str()) return std::nullopt;
    return wert;
}

} // namespace

std::string Einstellungen::dateiFuer(const std::string& datei) const {
    return datei.empty() ? IniPfad : datei;
}

std::string Einstellungen::zahlText(float wert) {
    // The product is formed in single precision, as the stored value is a single.
    float produkt = wert * 10000.0f;
    return std::to_string(vb::CLng(produkt));
}

void Einstellungen::zahlSchreiben(const std::string& abschnitt, const std::string& schluessel,
                                  float wert, const std::string& datei) {
    ini_.schreiben(dateiFuer(datei), abschnitt, schluessel, zahlText(wert));
    pumpe_.ereignisseVerarbeiten();
}

float Einstellungen::zahlLesen(const std::string& abschnitt, const std::string& schluessel,
                               float standard, const std::string& datei) {
    const std::string standardText = zahlText(standard);
    auto gelesen = ini_.lesen(dateiFuer(datei), abschnitt, schluessel, kLesepuffer);
    std::string text = gelesen.value_or(standardText);
    auto zahl = zahlParsen(text);
    bool istStandard = !zahl || text == standardText;
    float wert = zahl ? static_cast<float>(*zahl / 10000.0) : standard;
    if (log_.offen())
        log_.roh(std::to_string(log_.sekunden()) + "      IniGetSng: Header = " + abschnitt +
                 "      Ini Key = " + schluessel +
                 "      Value = " + (istStandard ? "Default =" : "") + zahlAlsText(wert));
    return wert;
}

void Einstellungen::textSchreiben(const std::string& abschnitt, const std::string& schluessel,
                                  const std::string& text, const std::string& datei) {
    ini_.schreiben(dateiFuer(datei), abschnitt, schluessel, text);
    pumpe_.ereignisseVerarbeiten();
}

std::string Einstellungen::textLesen(const std::string& abschnitt, const std::string& schluessel,
                                     const std::string& standard, const std::string& datei) {
    const std::string vorgabe = standard.empty() ? kKeinWert : standard;
    auto gelesen = ini_.lesen(dateiFuer(datei), abschnitt, schluessel, kLesepuffer);
    std::string wert = gelesen.value_or(vorgabe);
    if (log_.offen())
        log_.roh(std::to_string(log_.sekunden()) + "      inirealget: Header = " + abschnitt +
                 "      Ini Key = " + schluessel +
                 "      Value = " + (wert == vorgabe ? "Default =" : "") + wert);
    return wert;
}

void Einstellungen::abschnittLoeschen(const std::string& abschnitt, const std::string& datei) {
    ini_.abschnittLoeschen(dateiFuer(datei), abschnitt);
    pumpe_.ereignisseVerarbeiten();
}

} // namespace sw
