#pragma once
// Numbers of the language texts the engine shows. Texts 1100 and above are our own additions;
// the English wording after each is used while the language file has no text for it.

#include <string>

namespace sw::meldung {

// Puts `wert` in place of the placeholder "\xxx\" that some texts hold.
inline std::string einsetzen(std::string text, const std::string& wert) {
    if (auto pos = text.find("\\xxx\\"); pos != std::string::npos) text.replace(pos, 5, wert);
    return text;
}

inline constexpr int SpeichernTitel = 42;
inline constexpr int IldaKeineSignatur = 88;
inline constexpr int IldaMehrFramesAlsAngekuendigt = 89;
inline constexpr int IldaWeiterFragen = 90;
inline constexpr int IldaDurchZTeilen = 91;
inline constexpr int Umlaute = 813;

inline constexpr int IldaAbgeschnitten = 1901;
inline constexpr const char* IldaAbgeschnittenText =
    "The ILDA file ends in the middle of a section. The frames before it were imported.";
inline constexpr int IldaUnbekanntesFormat = 1902;
inline constexpr const char* IldaUnbekanntesFormatText =
    "The ILDA file holds a section of an unknown format. The sections after it were not read.";
inline constexpr int IldaImportTitel = 1903;
inline constexpr const char* IldaImportTitelText = "Import ILDA file";
inline constexpr int IldaExportTitel = 1904;
inline constexpr const char* IldaExportTitelText = "Export ILDA file";
inline constexpr int IldaZuVieleFrames = 1905;
inline constexpr const char* IldaZuVieleFrameText =
    "ILDA files hold at most 65535 frames; the figure was not exported.";
// 1990 to 1995: the question for the export kind, then one line per kind with its ILDA formats.
inline constexpr int IldaExportArten = 1990;
inline constexpr const char* IldaExportArtenTexte[] = {
    "Kind of ILDA export (enter its number):",
    "1 = true-colour tables and indexed frames (formats 3 and 1)",
    "2 = a palette, then as 1 (formats 2, 3 and 1)",
    "3 = indexed frames (format 1)",
    "4 = a palette, then indexed frames (formats 2 and 1)",
    "5 = true-colour frames (format 5, recommended)"};
inline constexpr int IldaUnbekannteArt = 1996; // \xxx\ is the answer
inline constexpr const char* IldaUnbekannteArtText =
    "\"\\xxx\\\" is no export kind; the kinds are 1 to 5. Nothing was exported.";
inline constexpr int DateiNichtGeschrieben = 1997; // \xxx\ is the file
inline constexpr const char* DateiNichtGeschriebenText =
    "The file \\xxx\\ could not be written; a previous file of that name is unchanged.";
inline constexpr int DateiNichtGelesen = 1967; // \xxx\ is the file
inline constexpr const char* DateiNichtGelesenText = "The file \\xxx\\ could not be read.";
inline constexpr int IldaStandardpaletteFrage = 1940;
inline constexpr const char* IldaStandardpaletteFrageText =
    "The ILDA file has colour indices without a palette; they refer to the ILDA standard "
    "palette. Take the colours of the ILDA standard palette? (No keeps the indices in the "
    "current colour table.)";

inline constexpr int AenderungenSpeichern = 1920; // \xxx\ is the figure's name
inline constexpr const char* AenderungenSpeichernText =
    "The figure \"\\xxx\\\" has changes that are not saved. Save them?";
inline constexpr int GeretteteFiguren = 1921;
inline constexpr const char* GeretteteFigurenText =
    "The unsaved changes of these figures were rescued:";
inline constexpr int GerettetWiederherstellen = 1922;
inline constexpr const char* GerettetWiederherstellenText =
    "Restore them? No discards them; Cancel asks again at the next start.";
inline constexpr int GerettetNichtPlatziert = 1923; // \xxx\ is the rescue folder
inline constexpr const char* GerettetNichtPlatziertText =
    "These figures could not be put back and stay in \\xxx\\:";
inline constexpr int FarbenFehlen = 1924; // \xxx\ is the number of points
inline constexpr const char* FarbenFehlenText =
    "\\xxx\\ points of this figure are black with the new colour table: it does not hold "
    "their colours.";
inline constexpr int AusgabefensterTitel = 1985;
inline constexpr const char* AusgabefensterTitelText = "Output";

// The live inputs' messages; "\xxx\" is the file name.
inline constexpr int TasteNichtBelegbar = 303;
inline constexpr const char* TasteNichtBelegbarText = "This key cannot be assigned.";
inline constexpr int TasteErsetzen = 580;
inline constexpr const char* TasteErsetzenText = "The key is assigned already. Replace it?";

inline constexpr int TastenMappingDefekt = 1700;
inline constexpr const char* TastenMappingDefektText =
    "The key mapping \\xxx\\ does not have the size of its map; the map in memory was kept.";
inline constexpr int LiveShowDefekt = 1701;
inline constexpr const char* LiveShowDefektText =
    "The live show \\xxx\\ is truncated or corrupt; the live show in memory was kept.";
inline constexpr int MidiRoutingDefekt = 1702;
inline constexpr const char* MidiRoutingDefektText =
    "The MIDI input routing \\xxx\\ is truncated or corrupt; the routing in memory was kept.";
inline constexpr int DmxRoutingDefekt = 1703;
inline constexpr const char* DmxRoutingDefektText =
    "The DMX input routing \\xxx\\ is truncated or corrupt; the routing in memory was kept.";
inline constexpr int LiveShowUmbenennen = 1704;
inline constexpr const char* LiveShowUmbenennenText = "Name of the live show:";

} // namespace sw::meldung
