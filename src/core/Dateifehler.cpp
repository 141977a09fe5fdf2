#include "core/Dateifehler.h"

#include "core/Meldungen.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"

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

bool speichernOderMelden(Umgebung& env, const std::filesystem::path& datei,
                         std::string_view bytes, const std::string& falle) {
    try {
        atomarSchreiben(datei, bytes);
        return true;
    } catch (const Laufzeitfehler& e) {
        dateifehlerMelden(env, Zugriff::Schreiben, falle, datei.string(), e.what());
        return false;
    }
}

} // namespace sw
