// The walk over a glyph's native outline buffer: any words give a glyph path as far as they
// make sense, never a crash or a read past the buffer. The first byte picks the step count
// (0 to 31, 0 choosing it by length); the rest are the buffer's little-endian words.

#include "generators/Glyphpfad.h"
#include "FuzzHilfe.h"

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1) return 0;
    const int qualitaet = daten[0] & 31;
    std::vector<std::int32_t> woerter((groesse - 1) / 4);
    for (std::size_t i = 0; i < woerter.size(); ++i) {
        const std::uint8_t* b = daten + 1 + 4 * i;
        woerter[i] = static_cast<std::int32_t>(b[0] | b[1] << 8 | b[2] << 16 |
                                               static_cast<std::uint32_t>(b[3]) << 24);
    }
    static test::TestUmgebung u; // building the language table per input would dominate
    u.dialoge.meldungen.clear();
    gen::GlyphPath pfad;
    gen::PolygonZeichnen(woerter, pfad, qualitaet, u.env);
    fuzz::pruefen(pfad.Spalten[0] == gen::GlyphPunkt{}, "the placeholder column stays empty");
    int offen = 0;
    for (std::size_t i = 1; i < pfad.Spalten.size(); ++i) {
        const int c = pfad.Spalten[i].Code;
        fuzz::pruefen(c == 0 || c == 1 || c == 3 || c == 4, "a known point code");
        if (c == 3) {
            fuzz::pruefen(offen == 0, "a contour starts after the last one closed");
            offen = 1;
        }
        if (c == 4) {
            fuzz::pruefen(offen == 1, "a closing point ends an open contour");
            offen = 0;
        }
        if (c == 0)
            fuzz::pruefen(pfad.Spalten[i].X == static_cast<std::int32_t>(pfad.Spalten[i].X),
                          "curve points are whole numbers");
    }
    return 0;
}
