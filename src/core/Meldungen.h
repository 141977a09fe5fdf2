#pragma once
// Numbers of the language texts the engine shows. Texts 1900 and above are our own additions;
// the English wording after each is used while the language file has no text for it.

namespace sw::meldung {

inline constexpr int SpeichernTitel = 42;
inline constexpr int IldaKeineSignatur = 88;
inline constexpr int IldaMehrFramesAlsAngekuendigt = 89;
inline constexpr int IldaWeiterFragen = 90;
inline constexpr int IldaDurchZTeilen = 91;
inline constexpr int IldaExportArt = 745; // 745 to 750: the kinds of ILDA export
inline constexpr int IldaExportArtZeilen = 6;
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
inline constexpr int IldaStandardpaletteFrage = 1940;
inline constexpr const char* IldaStandardpaletteFrageText =
    "The ILDA file has colour indices without a palette; they refer to the ILDA standard "
    "palette. Take the colours of the ILDA standard palette? (No keeps the indices in the "
    "current colour table.)";

} // namespace sw::meldung
