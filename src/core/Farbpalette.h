#pragma once
// The colour table `Farbpalette` (indices -1 to 4368; -1 always black, the colour of blanked
// points), its builders, the palette file (".qvp"), the palette display's cells and the
// favourite colours.

#include "einstellungen/Einstellungen.h"
#include "core/Farben.h"
#include "platform/LBArray.h"
#include "platform/Umgebung.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sw {

struct RGB {
    double R = 0, G = 0, B = 0;
    bool operator==(const RGB&) const = default;
};

inline constexpr long kFarbObergrenze = 4368; // 16^3 + 16^2 + 16
inline constexpr int kLieblingsfarben = 20;
inline constexpr int kAltePalettenGroesse = 255;

struct Paletten {
    Paletten();

    LBArray<RGB> Farbpalette;
    // The main window's current palette file name.
    std::string Palettendatei;
    // Colour indices of the favourites (the Tag of Pic_Lieblingsfarbe(i)).
    std::array<std::int32_t, kLieblingsfarben> Lieblingsfarben{};
    // The palette display: colour axis 1 to 3 (OptFarbAchse) and the fixed value (scrFarbe3).
    int OptFarbAchse = 1;
    int scrFarbe3 = 0;

    // After a table was built or loaded: recomputes every device's colour correction.
    std::function<void()> farbenKorrigieren;
    // After the table or the favourites changed: the window redraws its palette display.
    std::function<void()> anzeigeAktualisieren;

    // The colour of an index; indices outside the table are black.
    const RGB& farbe(long index) const {
        static const RGB schwarz;
        return Farbpalette.enthaelt(index) ? Farbpalette[index] : schwarz;
    }
};

// The standard 12-bit table: entry r x 256 + g x 16 + b is (17 r, 17 g, 17 b); entries 4096
// and above keep their values.
void StandardPaletteErstellen(Paletten& p);
// The old 255-colour table, written over entries 1 to 254.
void alte_PaletteErstellen(Paletten& p);
// The old table's entries 0 to 254, without touching the current table.
std::array<RGB, kAltePalettenGroesse> altePalette();

// "New palette": the standard table, every favourite black, then the default favourites.
void cmdNewFarbpalette_Click(Paletten& p);
// The default favourites, as RGB turned into table indices.
void LieblingsfarbenResetBelegen(Paletten& p);
void LieblingsfarbenLaden(Paletten& p, Einstellungen& e);
// Dropping a colour index onto favourite i: set, store in the settings, redraw.
void Pic_Lieblingsfarbe_DragDrop(Paletten& p, Einstellungen& e, int i, std::int32_t index);

// The palette file. Kinds by the first line: current (4369 entries), old (255 entries, then
// entry 255 yellow), or not a palette file.
struct PalettenInhalt {
    std::string kopf;
    std::vector<RGB> eintraege; // from entry 0
    bool alteArt = false;
};
enum class PalettenKopf { Aktuell, Alt, Unbekannt };
PalettenKopf palettenKopfErkennen(const std::string& ersteZeile);
// Throws Formatfehler for an unknown header, a value that is not a number or a file that ends
// before its last value.
PalettenInhalt palettendateiDekodieren(std::string_view bytes);
std::string palettendateiKodieren(const Paletten& p);

// Loads the file named by `Palettendatei`. A file that cannot be read completely changes
// nothing; an unrecognised first line is logged and gives the standard table, as "new
// palette" does. Returns whether the file was taken.
bool FarbpaletteLaden(Paletten& p, Umgebung& env);
bool FarbpaletteSpeichern(const Paletten& p, Umgebung& env);
// Loads the program folder's ILDA colour table and keeps the current palette file name.
bool mnuPangolinFarbtabelleLaden_Click(Paletten& p, Umgebung& env,
                                       const std::filesystem::path& programmOrdner);

struct PalettenZelle {
    int spalte = 0, zeile = 0;
    long index = 0;
    RGB farbe;
};
// The 16 x 16 cells of the palette display for an axis (1 red, 2 green, 3 blue fixed at
// `wert`); cell (a, b) has column a and row b.
std::array<PalettenZelle, 256> Palette_Darstellen(const Paletten& p, int achse, int wert);

// The default palette of the ILDA standard for indexed frames, 64 colours: red to yellow,
// green, cyan, blue, magenta, white and back to red. The shipped ILDA colour table
// ("Pangolin_Farbtabelle.qvp") holds them in entries 0 to 63.
inline constexpr int kIldaStandardFarben = 64;
const std::array<RGB, kIldaStandardFarben>& ildaStandardpalette();
// Whether the table is the ILDA one: entries 1 to 63 hold the standard palette's colours, as
// after loading the shipped ILDA table or importing a palette section of the standard colours.
// Entry 0 is left out: palette sections do not set it (it is the figures' dark colour).
bool istIldaFarbtabelle(const Paletten& p);

} // namespace sw
