#pragma once
// Numbers of the language texts of playback and the playlist, with the English wording used
// while the language file has none.

namespace sw::meldung {

inline constexpr int VerzoegerungZuKurz = 184;
inline constexpr int StartverzoegerungFrage = 189;
inline constexpr int Rate = 306;
inline constexpr int DmxMakroAus = 443;
inline constexpr int DmxMakroAn = 444;
inline constexpr int StartzeitFrage = 585;
inline constexpr int PpsWarnung = 792;

inline constexpr int PlaylistDefekt = 1430; // \xxx\ is the file
inline constexpr const char* PlaylistDefektText =
    "The playlist \\xxx\\ does not fit its version; the playlist in memory was kept.";
inline constexpr int PlaylistUnbekannt = 1431; // \xxx\ is the file
inline constexpr const char* PlaylistUnbekanntText =
    "\\xxx\\ is not a playlist of a known version; the playlist in memory was kept.";
// Shown as they stand (the remote control's help and the playlist's start question).
inline constexpr const char* PlaylistStartFrage =
    "Please klick OK to start next show, Cancel will stop playlist";
inline constexpr const char* MidiInfoTitel = "MIDI Info";
inline constexpr const char* MidiInfoText =
    "c1 = Stop\nd1 = Prev\ne1 = Next\nf1 = Play\n >fis1 = Play ShowNumber";

} // namespace sw::meldung
