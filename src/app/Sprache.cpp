#include "app/Sprache.h"

#include "core/Dateifehler.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

namespace sw {

void sprachtexteLesen(Sprachtexte& t, std::string_view inhalt) {
    std::size_t pos = 0;
    auto naechsteZeile = [&]() -> std::string_view {
        if (pos >= inhalt.size()) return {};
        auto nl = inhalt.find('\n', pos);
        auto ende = nl == std::string_view::npos ? inhalt.size() : nl;
        auto z = inhalt.substr(pos, ende - pos);
        pos = ende + 1;
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        return z;
    };
    // Past the end of the text every entry stays empty, so only the blocks the text reaches
    // are visited: reading a short file costs little.
    t.leeren();
    int bloecke = 0;
    for (; bloecke < Sprachtexte::kNachrichten && pos < inhalt.size(); ++bloecke)
        for (int k = 0; k < Sprachtexte::kSprachen; ++k) {
            const auto zeile = naechsteZeile();
            if (zeile.size() > 3) t.setzen(k, bloecke, cp1252NachUtf8(zeile.substr(3)));
        }
    // An entry of nothing but at most two blanks counts as empty.
    for (int m = 0; m < bloecke; ++m)
        for (int k = 2; k <= 8; ++k) {
            const std::string& e = t.eintrag(k, m);
            if (e.size() <= 2 && e.find_first_not_of(' ') == std::string::npos)
                t.setzen(k, m, t.eintrag(1, m));
        }
}

void LoadMessages(Sprachtexte& t, Umgebung& env, const std::filesystem::path& programmordner) {
    const auto datei = programmordner / "Language.txt";
    std::error_code ec;
    if (!std::filesystem::exists(datei, ec)) return;
    for (int versuch = 0; versuch < 2; ++versuch) {
        try {
            sprachtexteLesen(t, dateiLesen(datei));
            return;
        } catch (const Laufzeitfehler& e) {
            dateifehlerMelden(env, Zugriff::Lesen,
                              "Fehler # " + std::string(" 75. Modul Global     Sub LoadMessages   "
                                                        "      Fehler bei Zugriff auf Datei: "
                                                        "Language.txt"),
                              datei.string(), e.what());
        }
    }
}

void spracheLaden(Sprachtexte& t, Einstellungen& e) {
    for (int i = 0; i < Sprachtexte::kSprachen; ++i) {
        const float wert = e.zahlLesen("Optionen_SonstigeSettings",
                                       "formOptionen.OptLanguage(" + std::to_string(i) + ").Value",
                                       0, e.IniDateiAktuell);
        if (wert != 0) {
            t.Sprache = i;
            return;
        }
    }
}

void OptLanguage_Click(Sprachtexte& t, Einstellungen& e, int i,
                       const std::function<void()>& beschriften) {
    if (i < 0 || i >= Sprachtexte::kSprachen) return;
    t.Sprache = i;
    for (int k = 0; k < Sprachtexte::kSprachen; ++k)
        e.zahlSchreiben("Optionen_SonstigeSettings",
                        "formOptionen.OptLanguage(" + std::to_string(k) + ").Value",
                        k == i ? -1 : 0, e.IniDateiAktuell);
    if (beschriften) beschriften();
}

} // namespace sw
