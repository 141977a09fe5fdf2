#include "core/Dateifehler.h"

#include "core/Meldungen.h"

namespace sw {

void dateifehlerMelden(Umgebung& env, Zugriff art, const std::string& falle,
                       const std::string& datei, const std::string& grund) {
    env.log.zeile(falle);
    if (!grund.empty()) env.log.zeile(datei + ": " + grund);
    const std::string text =
        art == Zugriff::Lesen
            ? env.texte.text(meldung::DateiNichtGelesen, meldung::DateiNichtGelesenText)
            : env.texte.text(meldung::DateiNichtGeschrieben, meldung::DateiNichtGeschriebenText);
    env.dialoge.warnung(meldung::einsetzen(text, datei) + (grund.empty() ? "" : "\n" + grund),
                        falle + (grund.empty() ? "" : "\n" + grund));
}

} // namespace sw
