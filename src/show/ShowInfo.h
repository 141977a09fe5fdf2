#pragma once
// The show information record (what the show-information window shows and edits) and its
// ".info" file: the fields one after another, strings as a 16-bit length and that many bytes
// of Windows-1252 text, booleans -1 / 0 and integers as 2 bytes, the card count as 1 byte,
// all little-endian without padding.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

struct ProjektorInfo {
    std::array<bool, 3> Farben{}; // checkProjektorFarben red, green, blue
    std::string EmpfScanspeed;    // txtEmpfScanspeed
    bool operator==(const ProjektorInfo&) const = default;
};

struct ShowInfo {
    std::string Showname, Programmierer, Datum, ProgrammVersion;
    std::array<bool, 3> Showtype{}; // one per option of OptShowtype
    std::uint8_t Kartenzahl = 0;    // AuswahlKartenzahl list index: output cards minus one
    // The show picture as text: base64 of the picture's PNG bytes (`bildAlsText`). Kept as
    // read, so a file written back is unchanged.
    std::string Bild;
    std::string Bezeichnung, Gesamtlaenge, Interpret, Titel, WeitereInfos;
    std::array<ProjektorInfo, 4> Projektoren{};
    std::int16_t ProjektorSetup = 0;
    std::string ProjektorPlazierung;
    std::array<std::array<bool, 4>, 4> SpurZuordnung{}; // [card][side A..D]
    std::array<std::string, 4> ProjektorRouting;
    std::string AusgabeRouting;
    std::int16_t DMXVerwendung = 0;
    std::string VerwendeteDMXGeraete, DMXSonstigeInfos, SonstigeInfos;

    bool operator==(const ShowInfo&) const = default;
};

// Strings longer than 65535 bytes do not fit their length field: Laufzeitfehler 6.
std::string showInfoKodieren(const ShowInfo& info);
// Throws Formatfehler when a length runs past the end, the file ends early or bytes follow
// the record. Nothing is allocated for a string before its length is checked.
ShowInfo showInfoDekodieren(std::string_view bytes);

// The picture's PNG bytes as the record's text, and back (nullopt-free: broken text gives
// empty bytes).
std::string bildAlsText(std::string_view pngBytes);
std::string bildAusText(std::string_view text);
// The largest picture file the record holds: its text fills the 16-bit length field.
inline constexpr std::size_t kGroessteBilddatei = 65535 / 4 * 3;

} // namespace sw
