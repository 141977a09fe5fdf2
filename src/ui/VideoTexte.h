#pragma once
// The video window's menu, its command in the show menu, tool texts, the line it shows without a
// picture and its log lines: language text numbers 1560 to 1571 with their German (language 0) and
// English (language 1) wording. Header only and free of Qt, so the language file generator can read
// it.

#include "ui/Beschriftungen.h"

namespace sw::ui::videotext {

using text::Beschriftung;

inline constexpr Beschriftung Menue{1560, "&Video", "&Video"};
inline constexpr Beschriftung Vollbild{1561, "&Vollbild", "&Full screen"};
inline constexpr Beschriftung Strecken{1562, "&Strecken", "&Stretch"};
inline constexpr Beschriftung Seitenverhaeltnis{1563, "&Seitenverhältnis korrigieren",
                                                "Correct &aspect ratio"};
inline constexpr Beschriftung VollbildTipp{
    1564,
    "Zeigt das Bild auf dem ganzen Bildschirm (auch Doppelklick; Esc beendet es und schaltet "
    "wie überall den Laser dunkel)",
    "Shows the picture on the whole screen (also a double-click; Esc leaves it and, as "
    "everywhere, darkens the lasers)"};
inline constexpr Beschriftung StreckenTipp{1565, "Streckt das Bild über die ganze Fensterfläche",
                                           "Stretches the picture over the whole window"};
inline constexpr Beschriftung SeitenverhaeltnisTipp{
    1566, "Zeigt das Bild in seinem eigenen Seitenverhältnis, schwarze Ränder füllen den Rest",
    "Shows the picture in its own aspect ratio, black bars fill the rest"};
inline constexpr Beschriftung KeinVideo{1567, "Kein Video", "No video"};
inline constexpr Beschriftung BildTipp{
    1568, "Das Video der Show. Doppelklick: Vollbild, Esc beendet es; rechte Maustaste: die Modi",
    "The show's video. Double-click: full screen, Esc leaves it; right button: the modes"};
inline constexpr Beschriftung OhneOpenGL{
    1569, "Videofenster: kein OpenGL, das Bild bleibt schwarz, der Ton spielt.",
    "Video window: no OpenGL, the picture stays black, the sound plays."};
inline constexpr Beschriftung OhneRenderkontext{
    1570,
    "Videofenster: libmpv kann nicht mit OpenGL zeichnen, das Bild bleibt schwarz, der Ton spielt.",
    "Video window: libmpv cannot draw with OpenGL, the picture stays black, the sound plays."};

inline constexpr Beschriftung MenueVideofenster{1571, "&Videofenster...", "&Video window..."};

inline constexpr const Beschriftung* kAlle[] = {&Menue,
                                                &Vollbild,
                                                &Strecken,
                                                &Seitenverhaeltnis,
                                                &VollbildTipp,
                                                &StreckenTipp,
                                                &SeitenverhaeltnisTipp,
                                                &KeinVideo,
                                                &BildTipp,
                                                &OhneOpenGL,
                                                &OhneRenderkontext,
                                                &MenueVideofenster};

} // namespace sw::ui::videotext
