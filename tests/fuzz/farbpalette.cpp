// Fuzzes the palette file reader from memory: a decoded file has exactly the entries of its
// kind, each component a 16-bit whole number; anything else must be refused with Formatfehler.

#include "core/Farbpalette.h"
#include "platform/Binaer.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void pruefen(bool bedingung) {
    if (!bedingung) std::abort();
}

bool ganz16(double wert) {
    return wert == std::floor(wert) && wert >= -32768 && wert <= 32767;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    sw::PalettenInhalt inhalt;
    try {
        inhalt = sw::palettendateiDekodieren(bytes);
    } catch (const sw::Formatfehler&) {
        return 0;
    }
    const auto art = sw::palettenKopfErkennen(inhalt.kopf);
    pruefen(art != sw::PalettenKopf::Unbekannt);
    pruefen(inhalt.alteArt == (art == sw::PalettenKopf::Alt));
    pruefen(inhalt.eintraege.size() == (inhalt.alteArt
                                            ? static_cast<std::size_t>(sw::kAltePalettenGroesse)
                                            : static_cast<std::size_t>(sw::kFarbObergrenze + 1)));
    for (const auto& e : inhalt.eintraege) pruefen(ganz16(e.R) && ganz16(e.G) && ganz16(e.B));
    return 0;
}
