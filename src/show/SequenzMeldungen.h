#pragma once
// Numbers of the language texts the timeline shows, with the English wording used while the
// language file has no text for them.

namespace sw::meldung {

inline constexpr int KeineTaste = 187;
inline constexpr const char* KeineTasteText = "No key shows this figure.";
inline constexpr int VerschiebenUm = 584;
inline constexpr const char* VerschiebenUmText = "Move by milliseconds:";
inline constexpr int ShowpartErzeugen = 1096;
inline constexpr const char* ShowpartErzeugenText = "Create a showpart from the events?";
inline constexpr const char* UmlauteText =
    "File names may not contain umlauts (ä, ö, ü, ß). Please choose another name.";

} // namespace sw::meldung
