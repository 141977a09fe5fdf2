// The language file reader: any text fills the table; languages 2 to 8 are never empty where
// language 1 has a text.

#include "app/Sprache.h"
#include "FuzzHilfe.h"

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static Sprachtexte t; // the reader sets every entry; one table spares the allocations
    sprachtexteLesen(t, fuzz::text(daten, groesse));
    for (int m = 0; m < 3; ++m)
        for (int k = 2; k <= 8; ++k)
            fuzz::pruefen(!t.eintrag(k, m).empty() || t.eintrag(1, m).empty(), "the fallback");
    return 0;
}
