#pragma once
// Runtime errors carry the numbers of the Windows runtime (6 overflow, 9 index out of range,
// 11 division by zero, 13 type mismatch, 53 file not found, 75 path/file access), because the
// messages and logs the program writes are built from them.

#include <stdexcept>
#include <string>
#include <string_view>

namespace sw {

namespace fehlernummer {
inline constexpr int Ueberlauf = 6;
inline constexpr int IndexAusserhalb = 9;
inline constexpr int DivisionDurchNull = 11;
inline constexpr int Typenkonflikt = 13;
inline constexpr int DateiNichtGefunden = 53;
inline constexpr int Dateizugriff = 75;
} // namespace fehlernummer

class Laufzeitfehler : public std::runtime_error {
public:
    explicit Laufzeitfehler(int nummer, std::string beschreibung = {});
    int nummer() const { return nummer_; }

private:
    int nummer_;
};

// The standard description of a runtime error number, in English.
std::string fehlerBeschreibung(int nummer);

// "Fehler # " + number + the routine's text, the form of every trapped error report.
std::string fehlerMeldung(int nummer, std::string_view text);

} // namespace sw
