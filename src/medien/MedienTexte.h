#pragma once
// Numbers of the language texts the media layer shows, with the English wording used while the
// language file has none. Numbers 1400 to 1429 belong to the media layer.

namespace sw::medientext {

inline constexpr int MedienVerschwunden = 1400; // followed by the file's name
inline constexpr const char* MedienVerschwundenText =
    "The media file can no longer be read; the show goes on without it on the show clock:";
inline constexpr int NullAudio = 1401;
inline constexpr const char* NullAudioText = "No sound device; the media play silently.";
inline constexpr int MpvFehlt = 1402; // followed by the cause
inline constexpr const char* MpvFehltText = "The media player cannot be started:";
inline constexpr int ZeitcodeSteht = 1403;
inline constexpr const char* ZeitcodeStehtText = "Time code stopped.";
inline constexpr int ZeitcodeLaeuft = 1404; // followed by the frame rate
inline constexpr const char* ZeitcodeLaeuftText = "Time code running, frames per second:";

// The German and English wording, which the language file generator takes in.
struct Wortlaut {
    int nummer;
    const char* deutsch;
    const char* englisch;
};
inline constexpr Wortlaut kWortlaute[] = {
    {MedienVerschwunden,
     "Die Mediendatei lässt sich nicht mehr lesen; die Show läuft ohne sie auf der Showuhr weiter:",
     MedienVerschwundenText},
    {NullAudio, "Kein Tonausgang; die Medien laufen stumm.", NullAudioText},
    {MpvFehlt, "Der Medienspieler kann nicht gestartet werden:", MpvFehltText},
    {ZeitcodeSteht, "Zeitcode steht.", ZeitcodeStehtText},
    {ZeitcodeLaeuft, "Zeitcode läuft, Bilder pro Sekunde:", ZeitcodeLaeuftText},
};

} // namespace sw::medientext
