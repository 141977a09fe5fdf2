#include "core/Farbtabellenwechsel.h"
#include "TestHilfe.h"

using namespace sw;

TEST(Farbtabellenwechsel, CountsThePointsTheNewTableTurnsBlack) {
    Paletten p;
    StandardPaletteErstellen(p);
    const LBArray<RGB> standard = p.Farbpalette;
    Figur f;
    f.Frames.resize(2);
    f.Frames[0].Punkte = {Punkt{0, 0, 4095, 0}, // point 0 is not output
                          Punkt{1, 1, 4095, 0}, Punkt{2, 2, 0xF00, 0}, Punkt{3, 3, -1, 4},
                          Punkt{4, 4, 0, 0},    Punkt{5, 5, 4200, 0}};
    f.Frames[1].Punkte = {Punkt{}, Punkt{6, 6, 10, 0}, Punkt{7, 7, 99999, 0}};

    // The old 255-colour table is written over entries 1 to 254 only: index 10 stays lit.
    alte_PaletteErstellen(p);
    EXPECT_EQ(dunkelGewordenePunkte(f, standard, p.Farbpalette), 0);

    // A table with colours 0 to 63 only: the white, red and entry-10 points go dark; blanked,
    // black, out-of-table and already black points (4200 lies beyond the cube) do not count.
    LBArray<RGB> klein(-1, kFarbObergrenze);
    for (long i = 1; i < 64; ++i) klein[i] = RGB{255, 255, 255};
    EXPECT_EQ(dunkelGewordenePunkte(f, standard, klein), 2);
    klein[10] = RGB{};
    EXPECT_EQ(dunkelGewordenePunkte(f, standard, klein), 3);
    // Back to the standard table nothing goes dark.
    EXPECT_EQ(dunkelGewordenePunkte(f, klein, standard), 0);
}
