#pragma once
// Language texts of the text figures, the text tool and the text command (numbers 1770 to
// 1789), German and English. "\xxx\" is filled in by the caller.

#include "platform/Beschriftung.h"

namespace sw::gen::texte {

using text::Beschriftung;

inline constexpr Beschriftung SchriftFehlt{
    1770,
    "Die Schrift \\xxx\\ wurde nicht gefunden (fc-list zeigt die "
    "installierten Schriften).",
    "The font \\xxx\\ was not found (fc-list shows the installed "
    "fonts)."};
inline constexpr Beschriftung SchriftUnlesbar{1771,
                                              "Die Schriftdatei \\xxx\\ kann nicht gelesen werden.",
                                              "The font file \\xxx\\ cannot be read."};
inline constexpr Beschriftung NichtsZuZeichnen{
    1772, "Der Text hat kein Zeichen, das die Schrift zeichnen kann.",
    "The text has no character the font can draw."};
inline constexpr Beschriftung ZeichenFehlen{
    1773,
    "Diese Zeichen hat die Schrift nicht; sie fehlen im Text: "
    "\\xxx\\",
    "The font has no glyph for these characters; they are left "
    "out: \\xxx\\"};
inline constexpr Beschriftung Menue{1774, "&Text...", "&Text..."};
inline constexpr Beschriftung MenueHilfe{
    1775,
    "Einen Text in einer TrueType- oder OpenType-Schrift als neue "
    "Figur setzen",
    "Set a text in a TrueType or OpenType font as a new figure"};
inline constexpr Beschriftung Titel{1776, "Textfigur", "Text figure"};
inline constexpr Beschriftung Textfeld{1777, "&Text:", "&Text:"};
inline constexpr Beschriftung Schrift{1778, "&Schrift:", "&Font:"};
inline constexpr Beschriftung Groesse{1779, "&Größe (% der Höhe):", "&Size (% of the height):"};
inline constexpr Beschriftung Farbe{1780, "&Farbindex:", "&Colour index:"};
inline constexpr Beschriftung Laufschrift{1781, "&Laufschrift", "&Scrolling text"};
inline constexpr Beschriftung LaufschriftHilfe{
    1782,
    "Der Text läuft in vielen Frames von rechts nach links "
    "durch das Bild",
    "The text moves through the picture from right to left "
    "over many frames"};
inline constexpr Beschriftung Erzeugt{1783, "Textfigur mit \\xxx\\ Frames in Figur 0",
                                      "Text figure of \\xxx\\ frames in figure 0"};
inline constexpr Beschriftung SchriftHilfe{1784,
                                           "Eine installierte Schriftfamilie oder eine .ttf- oder "
                                           ".otf-Datei",
                                           "An installed font family, or a .ttf or .otf file"};
inline constexpr Beschriftung Datei{1785, "Datei...", "File..."};

inline constexpr Beschriftung ErzeugtEinFrame{1786, "Textfigur in Figur 0",
                                              "Text figure in figure 0"};

inline constexpr const Beschriftung* kAlle[] = {
    &SchriftFehlt, &SchriftUnlesbar, &NichtsZuZeichnen, &ZeichenFehlen, &Menue,
    &MenueHilfe,   &Titel,           &Textfeld,         &Schrift,       &Groesse,
    &Farbe,        &Laufschrift,     &LaufschriftHilfe, &Erzeugt,       &SchriftHilfe,
    &Datei,        &ErzeugtEinFrame};

} // namespace sw::gen::texte
