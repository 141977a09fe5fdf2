#pragma once
// The settings store: the five operations every part of the program reads and writes its
// settings with.
// - Numbers are stored as the whole-number text of value x 10000 (rounded half to even to a
//   32-bit integer) and read back divided by 10000 as single precision.
// - Texts are stored as they are; a text read with an empty default gets "<no value>".
// - Reads return at most 499 characters (a 500-character buffer with its terminator) and, once
//   the program log is open, append a trace line to it. Writes let window events run.
// The file is `IniDateiAktuell` when set (import and export), else `IniPfad`.

#include "platform/IniDatei.h"
#include "platform/Protokoll.h"
#include "platform/Uhr.h"

#include "platform/Vb.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

namespace sw {

class Einstellungen {
public:
    Einstellungen(Protokoll& log, EreignisPumpe& pumpe) : log_(log), pumpe_(pumpe) {}

    std::string IniPfad;
    std::string IniDateiAktuell;

    // Laufzeitfehler 6 when value x 10000 does not fit 32 bits, 75 when the file cannot be
    // written.
    void zahlSchreiben(const std::string& abschnitt, const std::string& schluessel, float wert,
                       const std::string& datei = {});
    float zahlLesen(const std::string& abschnitt, const std::string& schluessel, float standard,
                    const std::string& datei = {});
    void textSchreiben(const std::string& abschnitt, const std::string& schluessel,
                       const std::string& text, const std::string& datei = {});
    std::string textLesen(const std::string& abschnitt, const std::string& schluessel,
                          const std::string& standard, const std::string& datei = {});
    void abschnittLoeschen(const std::string& abschnitt, const std::string& datei = {});

    // The stored text of a number: value x 10000, rounded half to even.
    static std::string zahlText(float wert);

    IniDatei& ini() { return ini_; }

private:
    std::string dateiFuer(const std::string& datei) const;

    Protokoll& log_;
    EreignisPumpe& pumpe_;
    IniDatei ini_;
};

// Keys of indexed values: "Name(i)" and "Name(i,j)".
inline std::string schluessel(std::string_view name, int i) {
    std::string s(name);
    s += '(';
    s += std::to_string(i);
    s += ')';
    return s;
}
inline std::string schluessel(std::string_view name, int i, int j) {
    std::string s(name);
    s += '(';
    s += std::to_string(i);
    s += ',';
    s += std::to_string(j);
    s += ')';
    return s;
}

// Reads a number key into a value held (from `IniDateiAktuell`): an absent key, or the value
// held, keeps it exactly; whole numbers are rounded and kept within their type; a bool is true
// for any value but 0.
template <typename T>
void zahlInWert(Einstellungen& e, const std::string& abschnitt, const std::string& schluessel,
                T& wert) {
    const float bisher = static_cast<float>(wert);
    const float gelesen = e.zahlLesen(abschnitt, schluessel, bisher, e.IniDateiAktuell);
    if (gelesen == bisher) return;
    if constexpr (std::is_same_v<T, bool>) {
        wert = gelesen != 0;
    } else if constexpr (std::is_integral_v<T>) {
        wert = static_cast<T>(std::clamp(vb::runden(gelesen),
                                         static_cast<double>(std::numeric_limits<T>::min()),
                                         static_cast<double>(std::numeric_limits<T>::max())));
    } else {
        wert = gelesen;
    }
}

// Writes a value as a number key (to `IniDateiAktuell`); a bool as -1 or 0.
template <typename T>
void wertAlsZahl(Einstellungen& e, const std::string& abschnitt, const std::string& schluessel,
                 const T& wert) {
    float zahl;
    if constexpr (std::is_same_v<T, bool>)
        zahl = wert ? -1.0f : 0.0f;
    else
        zahl = static_cast<float>(wert);
    e.zahlSchreiben(abschnitt, schluessel, zahl, e.IniDateiAktuell);
}

} // namespace sw
