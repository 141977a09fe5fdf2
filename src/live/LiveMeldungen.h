#pragma once
// Numbers of the language texts the live inputs show, with the English wording used while the
// language file has none. "\xxx\" is replaced by the file name.

namespace sw::meldung {

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
