#pragma once
// Language texts of the text figures, the text tool and the text command (numbers 1770 to
// 1789): German and English wording beside the number. Header only and free of Qt, so that the
// generator, the engine and the windows share it. "\xxx\" is filled in by the caller.

namespace sw::gen::texte {

struct Text {
    int nummer;
    const char* deutsch;
    const char* englisch;
};

inline constexpr Text SchriftFehlt{1770,
                                   "Die Schrift \\xxx\\ wurde nicht gefunden (fc-list zeigt die "
                                   "installierten Schriften).",
                                   "The font \\xxx\\ was not found (fc-list shows the installed "
                                   "fonts)."};
inline constexpr Text SchriftUnlesbar{1771, "Die Schriftdatei \\xxx\\ kann nicht gelesen werden.",
                                      "The font file \\xxx\\ cannot be read."};
inline constexpr Text NichtsZuZeichnen{1772,
                                       "Der Text hat kein Zeichen, das die Schrift zeichnen kann.",
                                       "The text has no character the font can draw."};
inline constexpr Text ZeichenFehlen{1773,
                                    "Diese Zeichen hat die Schrift nicht; sie fehlen im Text: "
                                    "\\xxx\\",
                                    "The font has no glyph for these characters; they are left "
                                    "out: \\xxx\\"};
inline constexpr Text Menue{1774, "&Text...", "&Text..."};
inline constexpr Text MenueHilfe{1775,
                                 "Einen Text in einer TrueType- oder OpenType-Schrift als neue "
                                 "Figur setzen",
                                 "Set a text in a TrueType or OpenType font as a new figure"};
inline constexpr Text Titel{1776, "Textfigur", "Text figure"};
inline constexpr Text Textfeld{1777, "&Text:", "&Text:"};
inline constexpr Text Schrift{1778, "&Schrift:", "&Font:"};
inline constexpr Text Groesse{1779, "&Größe (% der Höhe):", "&Size (% of the height):"};
inline constexpr Text Farbe{1780, "&Farbindex:", "&Colour index:"};
inline constexpr Text Laufschrift{1781, "&Laufschrift", "&Scrolling text"};
inline constexpr Text LaufschriftHilfe{1782,
                                       "Der Text läuft in vielen Frames von rechts nach links "
                                       "durch das Bild",
                                       "The text moves through the picture from right to left "
                                       "over many frames"};
inline constexpr Text Erzeugt{1783, "Textfigur mit \\xxx\\ Frames in Figur 0",
                              "Text figure of \\xxx\\ frames in figure 0"};
inline constexpr Text SchriftHilfe{1784,
                                   "Eine installierte Schriftfamilie oder eine .ttf- oder "
                                   ".otf-Datei",
                                   "An installed font family, or a .ttf or .otf file"};
inline constexpr Text Datei{1785, "Datei...", "File..."};

inline constexpr Text ErzeugtEinFrame{1786, "Textfigur in Figur 0", "Text figure in figure 0"};

inline constexpr const Text* kAlle[] = {
    &SchriftFehlt, &SchriftUnlesbar, &NichtsZuZeichnen, &ZeichenFehlen, &Menue,
    &MenueHilfe,   &Titel,           &Textfeld,         &Schrift,       &Groesse,
    &Farbe,        &Laufschrift,     &LaufschriftHilfe, &Erzeugt,       &SchriftHilfe,
    &Datei,        &ErzeugtEinFrame};

} // namespace sw::gen::texte
