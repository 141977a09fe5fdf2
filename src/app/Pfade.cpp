#include "app/Pfade.h"

#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

#ifndef STRAHLWERK_QUELLDATEN
#define STRAHLWERK_QUELLDATEN ""
#endif

namespace sw {

namespace fs = std::filesystem;

namespace {

std::string umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert ? std::string(wert) : std::string();
}

std::string mitTrenner(fs::path p) {
    std::string s = p.string();
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

fs::path zuhause() {
    const std::string home = umgebung("HOME");
    return home.empty() ? fs::temp_directory_path() : fs::path(home);
}

void anlegen(const std::string& ordner, const char* schritt) {
    std::error_code ec;
    fs::create_directories(ordner, ec);
    if (ec || !fs::is_directory(ordner))
        throw std::runtime_error(std::string("Fehler # fehler im Sub PfadeSetzen, Modul Global. "
                                             "Aktuelle Aktivität war ") +
                                 schritt);
}

fs::path ausfuehrbareDatei() {
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec);
}

} // namespace

fs::path programmordnerFinden() {
    if (auto p = umgebung("STRAHLWERK_PROGRAMMORDNER"); !p.empty()) return p;
    const fs::path exe = ausfuehrbareDatei();
    std::error_code ec;
    if (!exe.empty()) {
        const fs::path installiert = exe.parent_path().parent_path() / "share" / "strahlwerk";
        if (fs::is_directory(installiert, ec)) return installiert;
        if (fs::is_directory(exe.parent_path() / "data", ec)) return exe.parent_path() / "data";
    }
    return STRAHLWERK_QUELLDATEN;
}

Pfade PfadeSetzen() {
    Pfade p;
    const std::string produkt = p.ProduktOrdner;

    if (auto v = umgebung("PROGRAMMDATA"); !v.empty())
        p.TempPfad = mitTrenner(fs::path(v) / produkt / "Temp");
    else if (auto t = umgebung("TEMP"); !t.empty())
        p.TempPfad = mitTrenner(t);
    else if (auto r = umgebung("XDG_RUNTIME_DIR"); !r.empty())
        p.TempPfad = mitTrenner(fs::path(r) / produkt);
    else
        p.TempPfad = mitTrenner(fs::temp_directory_path() / produkt);
    anlegen(p.TempPfad, "Tempordner");

    const std::string datenHome = umgebung("XDG_DATA_HOME").empty()
                                      ? (zuhause() / ".local" / "share").string()
                                      : umgebung("XDG_DATA_HOME");
    if (auto w = umgebung("WINDIR"); !w.empty())
        p.WindowsPfad = mitTrenner(w);
    else
        p.WindowsPfad = mitTrenner(fs::path(datenHome) / produkt);
    anlegen(p.WindowsPfad, "WindowsPfad");

    if (auto d = umgebung("PROGRAMDATA"); !d.empty())
        p.ProgrammDatenPfad = mitTrenner(fs::path(d) / produkt);
    else
        p.ProgrammDatenPfad = p.WindowsPfad;
    anlegen(p.ProgrammDatenPfad, "ProgrammDataPfad und IniStandardPfad");

    p.BenutzerPfad = p.ProgrammDatenPfad;
    anlegen(p.BenutzerPfad, "UserDataPfad");

    const std::string dokumente = umgebung("XDG_DOCUMENTS_DIR").empty()
                                      ? (zuhause() / "Documents").string()
                                      : umgebung("XDG_DOCUMENTS_DIR");
    p.DokumentePfad = mitTrenner(fs::path(dokumente) / produkt);
    anlegen(p.DokumentePfad, "UserDataPfad");

    p.Programmordner = mitTrenner(programmordnerFinden());
    return p;
}

} // namespace sw
