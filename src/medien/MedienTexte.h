#pragma once
// The language texts the media layer shows (numbers 1400 to 1429), German and English.

#include "platform/Beschriftung.h"

namespace sw::medientext {

using text::Beschriftung;

// followed by the file's name
inline constexpr Beschriftung MedienVerschwunden{
    1400,
    "Die Mediendatei lässt sich nicht mehr lesen; die Show läuft ohne sie auf der Showuhr weiter:",
    "The media file can no longer be read; the show goes on without it on the show clock:"};
inline constexpr Beschriftung NullAudio{1401, "Kein Tonausgang; die Medien laufen stumm.",
                                        "No sound device; the media play silently."};
// followed by the cause
inline constexpr Beschriftung MpvFehlt{
    1402, "Der Medienspieler kann nicht gestartet werden:", "The media player cannot be started:"};
inline constexpr Beschriftung ZeitcodeSteht{1403, "Zeitcode steht.", "Time code stopped."};
// followed by the frame rate
inline constexpr Beschriftung ZeitcodeLaeuft{
    1404, "Zeitcode läuft, Bilder pro Sekunde:", "Time code running, frames per second:"};

inline constexpr const Beschriftung* kAlle[] = {&MedienVerschwunden, &NullAudio, &MpvFehlt,
                                                &ZeitcodeSteht, &ZeitcodeLaeuft};

} // namespace sw::medientext
