#pragma once
// Numbers of the language texts the show routines show, with the English wording used while
// the language file has none.

namespace sw::meldung {

inline constexpr int ShowOeffnenTitel = 193;
inline constexpr int ShowNameFrage = 258;
inline constexpr int MediaNichtGeoeffnet = 304;
inline constexpr int FalscherKopf = 577;
inline constexpr int UmlauteImNamen = 1002;

inline constexpr int AufraeumenFrage = 1980; // \xxx\ is the show folder; the file list follows
inline constexpr const char* AufraeumenFrageText =
    "These files in \\xxx\\ do not belong to the show. Move them to the trash?";
inline constexpr int ShowDateiDefekt = 1981; // \xxx\ is the file
inline constexpr const char* ShowDateiDefektText =
    "The show file \\xxx\\ is truncated or corrupt; nothing was loaded.";
inline constexpr int ShowInfoDefekt = 1982; // \xxx\ is the file
inline constexpr const char* ShowInfoDefektText =
    "The show information \\xxx\\ is truncated or corrupt; it was not taken.";
inline constexpr int NichtVerschoben = 1983; // \xxx\ is the file
inline constexpr const char* NichtVerschobenText =
    "\\xxx\\ could not be moved to the trash; it stays in the show folder.";
inline constexpr int AufraeumenErgebnis = 1984; // \xxx\ the folder, \nnn\ the count
inline constexpr const char* AufraeumenErgebnisText =
    "Show folder \\xxx\\ cleaned up, \\nnn\\ files moved to the trash.";
inline constexpr int AufraeumenErgebnisOrdner = 1986; // \xxx\ is the "Geloescht" folder
inline constexpr const char* AufraeumenErgebnisOrdnerText =
    "There is no trash on this system; the files were moved into \\xxx\\.";

} // namespace sw::meldung
