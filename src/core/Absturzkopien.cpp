#include "core/Absturzkopien.h"

#include "core/QvbFormat.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <optional>

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr const char* kVorsilbe = "Figur";

// The slot of "Figur<k>.<endung>"; nullopt for other names.
std::optional<long> slotAusName(const fs::path& p, const char* endung) {
    const std::string name = p.filename().string();
    const std::string vorsilbe = kVorsilbe;
    if (p.extension() != endung || name.rfind(vorsilbe, 0) != 0) return std::nullopt;
    const std::string zahl = p.stem().string().substr(vorsilbe.size());
    if (zahl.empty() || zahl.size() > 9 ||
        !std::all_of(zahl.begin(), zahl.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stol(zahl);
}

fs::path kopieName(const fs::path& ordner, long figur, const char* endung) {
    return ordner / (kVorsilbe + std::to_string(figur) + endung);
}

} // namespace

void absturzkopienSchreiben(FigurenSpeicher& s, Umgebung& env, const fs::path& ordner) {
    if (!s.AbsturzkopienVeraltet) return;
    std::error_code ec;
    const auto geaendert = geaenderteFiguren(s);
    if (!geaendert.empty()) fs::create_directories(ordner, ec);
    bool fehler = false;
    for (long f : geaendert) {
        // A copy that went missing (another start of the program rescued it) is written anew.
        std::error_code da;
        if (!s.OhneAbsturzkopie.count(f) && fs::exists(kopieName(ordner, f, ".qvb"), da)) continue;
        try {
            const std::string datei =
                f > 0 && !s.lstDirPfad.empty() ? (s.lstDirPfad / figurName(s, f)).string() : "";
            atomarSchreiben(kopieName(ordner, f, ".txt"), figurName(s, f) + "\n" + datei + "\n");
            atomarSchreiben(kopieName(ordner, f, ".qvb"), qvbKodieren(s.Figuren[f]));
            s.OhneAbsturzkopie.erase(f);
        } catch (const Laufzeitfehler& e) {
            env.log.zeile("Absturzkopie Figur " + std::to_string(f) + ": " + e.what());
            fehler = true;
        }
    }
    // Copies of figures that were saved, discarded or moved to another slot.
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        auto slot = slotAusName(it->path(), ".qvb");
        if (!slot) slot = slotAusName(it->path(), ".txt");
        if (slot && !istGeaendert(s, *slot)) {
            std::error_code f;
            fs::remove(it->path(), f);
        }
    }
    s.AbsturzkopienVeraltet = fehler;
}

std::vector<Absturzkopie> absturzkopienLesen(const fs::path& ordner) {
    std::vector<Absturzkopie> kopien;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const auto slot = slotAusName(it->path(), ".qvb");
        if (!slot) continue;
        Absturzkopie k;
        k.figur = *slot;
        k.kopie = it->path();
        std::error_code f;
        k.zeit = fs::last_write_time(k.kopie, f);
        k.name = *slot == 0 ? "***Figur 0***" : it->path().filename().string();
        try {
            const std::string info = dateiLesen(kopieName(ordner, *slot, ".txt"));
            const auto zeile = info.find('\n');
            if (zeile != std::string::npos) {
                k.name = info.substr(0, zeile);
                const auto ende = info.find('\n', zeile + 1);
                k.datei =
                    info.substr(zeile + 1, ende == std::string::npos ? ende : ende - zeile - 1);
            }
        } catch (const Laufzeitfehler&) {
            // Written before the figure: missing only when the copy is older than this format.
        }
        kopien.push_back(std::move(k));
    }
    std::sort(kopien.begin(), kopien.end(),
              [](const Absturzkopie& a, const Absturzkopie& b) { return a.figur < b.figur; });
    return kopien;
}

std::string zeitText(fs::file_time_type zeit) {
    const auto system = std::chrono::file_clock::to_sys(zeit);
    const std::time_t t = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm tm{};
    localtime_r(&t, &tm);
    char puffer[32];
    std::strftime(puffer, sizeof puffer, "%Y-%m-%d %H:%M:%S", &tm);
    return puffer;
}

} // namespace sw
