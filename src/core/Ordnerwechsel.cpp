#include "core/Ordnerwechsel.h"

#include "core/Dateifehler.h"
#include "core/FigurDatei.h"
#include "core/Testbild.h"
#include "platform/Text.h"

#include <algorithm>

namespace sw {

namespace fs = std::filesystem;

namespace {

bool hatEndung(const fs::path& p, const std::string& endung) {
    return gleichOhneGross(p.extension().string(), endung);
}

void zugriffsfehler(Umgebung& env, const std::string& datei, const std::string& grund) {
    dateifehlerMelden(env, Zugriff::Schreiben,
                      "Fehler # " +
                          std::string(" 75. frmHaupt, Sub lstDir_Change     Fehler beim zugriff "
                                      "auf Datei: ") +
                          datei,
                      datei, grund);
}

// Renames a file whose name has umlauts: copy, pause, delete the old one. A name that is
// taken already is left alone, so that no figure is overwritten.
std::string umlauteUmbenennen(Umgebung& env, const fs::path& ordner, const std::string& name) {
    std::string neu = umlauteErsetzen(name);
    if (neu == name) return name;
    std::error_code ec;
    if (fs::exists(ordner / neu, ec)) {
        env.log.zeile("lstDir_Change: " + name + " not renamed, " + neu + " exists already");
        return name;
    }
    if (!fs::copy_file(ordner / name, ordner / neu, ec)) {
        zugriffsfehler(env, (ordner / name).string(), ec.message());
        return name;
    }
    env.warten(100);
    if (!fs::remove(ordner / name, ec)) zugriffsfehler(env, (ordner / name).string(), ec.message());
    return neu;
}

} // namespace

std::vector<std::string> ordnerDateien(const fs::path& ordner, const std::string& endung) {
    std::vector<std::string> namen;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec))
        if (it->is_regular_file(ec) && hatEndung(it->path(), endung))
            namen.push_back(it->path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

std::vector<std::string> ordnerDateienMitUmlautErsatz(Umgebung& env, const fs::path& ordner,
                                                      const std::string& endung) {
    auto namen = ordnerDateien(ordner, endung);
    for (auto& name : namen) name = umlauteUmbenennen(env, ordner, name);
    std::sort(namen.begin(), namen.end());
    return namen;
}

void lstDir_Change(FigurenSpeicher& s, Umgebung& env, const fs::path& ordner) {
    s.lstDirPfad = ordner;
    aenderungenVergessen(s);
    s.Figuren.redimPreserve(s.FigurenUntergrenze, 0);
    s.Figuren[0] = Figur{};

    s.lstFiguren.assign(1, "***Figur 0***");
    s.Listentyp.assign(1, listentyp::Figur);
    s.lstMakros.assign(1, "***Makro 0***");
    s.lstNoteOffFigur.assign(1, "Note Off Figur ***AUS***");

    auto figuren = ordnerDateienMitUmlautErsatz(env, ordner, ".qvb");
    s.FigurDateien.assign(1, std::string());
    s.FigurDateien.insert(s.FigurDateien.end(), figuren.begin(), figuren.end());
    std::size_t geladen = 0;
    for (const auto& name : figuren) {
        if (name.empty()) continue;
        s.lstFiguren.push_back(name);
        s.Listentyp.push_back(listentyp::Figur);
        Qvb_Laden(s, env, static_cast<long>(s.lstFiguren.size()) - 1, ordner / name);
        if (s.hooks.fortschritt) s.hooks.fortschritt(++geladen, figuren.size());
    }

    auto showparts = ordnerDateienMitUmlautErsatz(env, ordner, ".prt");
    s.FigurDateien.assign(1, std::string());
    s.FigurDateien.insert(s.FigurDateien.end(), showparts.begin(), showparts.end());
    for (const auto& name : showparts) {
        if (name.empty()) continue;
        s.lstFiguren.push_back(name);
        s.Listentyp.push_back(listentyp::Showpart);
    }

    if (s.hooks.tastenbelegungLesen) s.hooks.tastenbelegungLesen(ordner);
}

void TestbilderUndFixFigurenLaden(FigurenSpeicher& s, Umgebung& env,
                                  const fs::path& programmOrdner) {
    const auto testbilder = ordnerDateien(programmOrdner / "TestBilder", ".bin");
    const auto fixFiguren = ordnerDateien(programmOrdner / "FixFiguren", ".qvb");
    s.FigurenUntergrenze =
        -3 - static_cast<long>(testbilder.size()) - static_cast<long>(fixFiguren.size());
    s.Figuren.redimPreserve(s.FigurenUntergrenze, s.Figuren.obergrenze());

    long index = -4;
    for (const auto& name : testbilder)
        TestbildLaden(s, env, index--, programmOrdner / "TestBilder" / name);
    for (const auto& name : fixFiguren)
        Qvb_Laden(s, env, index--, programmOrdner / "FixFiguren" / name);
}

} // namespace sw
