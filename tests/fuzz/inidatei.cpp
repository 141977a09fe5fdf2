// The INI store, which reads only files. The input's first line names a section and a key as
// "section=key" (names the reader looks up and the writer adds), the rest is the file. A value
// written under a plain name reads back as written, whatever the file held before.

#include "platform/IniDatei.h"
#include "FuzzHilfe.h"

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const fuzz::Ordner ordner("inidatei");
    const auto datei = ordner.pfad() / "Fuzz.ini";

    std::string_view eingabe = fuzz::text(daten, groesse);
    const auto nl = eingabe.find('\n');
    std::string_view kopf = nl == std::string_view::npos ? eingabe : eingabe.substr(0, nl);
    const std::string_view inhalt = nl == std::string_view::npos ? "" : eingabe.substr(nl + 1);
    const auto gleich = kopf.find('=');
    const std::string abschnitt(kopf.substr(0, gleich));
    const std::string schluessel(gleich == std::string_view::npos ? "" : kopf.substr(gleich + 1));
    {
        std::FILE* f = std::fopen(datei.c_str(), "wb");
        fuzz::pruefen(f != nullptr, "the scratch file opens");
        std::fwrite(inhalt.data(), 1, inhalt.size(), f);
        std::fclose(f);
    }

    IniDatei ini; // a fresh one: no cache from the input before
    ini.unlesbareZeilen(datei);
    ini.lesen(datei, abschnitt, schluessel);
    ini.lesen(datei, abschnitt, schluessel, 3);
    ini.schreiben(datei, "Fuzz", "Schluessel", "Wert 1");
    fuzz::pruefen(ini.lesen(datei, "Fuzz", "Schluessel") == "Wert 1", "a written value reads back");
    ini.schreiben(datei, abschnitt, schluessel, "x");
    ini.lesen(datei, abschnitt, schluessel);
    ini.abschnittLoeschen(datei, abschnitt);
    IniDatei frisch; // what went to disk reads the same as the cache
    fuzz::pruefen(frisch.lesen(datei, "Fuzz", "Schluessel") ==
                      ini.lesen(datei, "Fuzz", "Schluessel"),
                  "the file and the cache agree");
    return 0;
}
