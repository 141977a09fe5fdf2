#include "platform/Fehler.h"

namespace sw {

std::string fehlerBeschreibung(int nummer) {
    switch (nummer) {
    case fehlernummer::Ueberlauf:
        return "Overflow";
    case fehlernummer::IndexAusserhalb:
        return "Subscript out of range";
    case fehlernummer::DivisionDurchNull:
        return "Division by zero";
    case fehlernummer::Typenkonflikt:
        return "Type mismatch";
    case fehlernummer::DateiNichtGefunden:
        return "File not found";
    case fehlernummer::Dateizugriff:
        return "Path/File access error";
    default:
        return "Application-defined or object-defined error";
    }
}

Laufzeitfehler::Laufzeitfehler(int nummer, std::string beschreibung)
    : std::runtime_error(beschreibung.empty() ? fehlerBeschreibung(nummer) : beschreibung),
      nummer_(nummer) {}

std::string fehlerMeldung(int nummer, std::string_view text) {
    std::string s = "Fehler # ";
    s += std::to_string(nummer);
    s += text;
    return s;
}

} // namespace sw
