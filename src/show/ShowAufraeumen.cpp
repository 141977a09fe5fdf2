#include "show/ShowAufraeumen.h"

#include "core/Meldungen.h"
#include "platform/Text.h"
#include "show/ShowLaden.h"
#include "show/ShowMeldungen.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace sw {

namespace {

namespace fs = std::filesystem;

bool enthaelt(const std::string& s, const std::string& teil) {
    return s.find(teil) != std::string::npos;
}

bool endungIst(const std::string& datei, std::string_view endung) {
    return datei.size() >= endung.size() &&
           gleichOhneGross(std::string_view(datei).substr(datei.size() - endung.size()), endung);
}

bool benutztVon(const std::vector<std::string>& benutzt, const std::string& datei) {
    return std::any_of(benutzt.begin(), benutzt.end(), [&](const std::string& b) {
        const auto trenner = b.find_last_of("/\\");
        return gleichOhneGross(trenner == std::string::npos ? b : b.substr(trenner + 1), datei);
    });
}

// The path as a ".trashinfo" wants it: bytes outside the unreserved set percent-encoded.
std::string prozentKodiert(const std::string& pfad) {
    static const char* hex = "0123456789ABCDEF";
    std::string aus;
    for (unsigned char c : pfad) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            aus += static_cast<char>(c);
        } else {
            aus += '%';
            aus += hex[c >> 4];
            aus += hex[c & 15];
        }
    }
    return aus;
}

std::string ortszeit(std::chrono::system_clock::time_point t) {
    const std::time_t sekunden = std::chrono::system_clock::to_time_t(t);
    std::tm tm{};
    localtime_r(&sekunden, &tm);
    char puffer[32];
    std::strftime(puffer, sizeof puffer, "%Y-%m-%dT%H:%M:%S", &tm);
    return puffer;
}

// "name", then "name.2", "name.3", ...
std::string kandidat(const std::string& name, int n) {
    return n == 1 ? name : name + "." + std::to_string(n);
}

bool inXdgPapierkorb(const fs::path& quelle, const fs::path& korb,
                     std::chrono::system_clock::time_point jetzt) {
    const std::string name = quelle.filename().string();
    for (int n = 1; n < 10000; ++n) {
        const std::string ziel = kandidat(name, n);
        const fs::path info = korb / "info" / (ziel + ".trashinfo");
        std::error_code ec;
        if (fs::exists(korb / "files" / ziel, ec)) continue;
        // The info file is created exclusively first: it reserves the name against another
        // program trashing the same name at the same moment.
        std::FILE* f = std::fopen(info.c_str(), "wx");
        if (!f) {
            if (fs::exists(info, ec)) continue;
            return false;
        }
        const std::string inhalt =
            "[Trash Info]\nPath=" +
            prozentKodiert(fs::absolute(quelle).lexically_normal().string()) +
            "\nDeletionDate=" + ortszeit(jetzt) + "\n";
        const bool geschrieben = std::fwrite(inhalt.data(), 1, inhalt.size(), f) == inhalt.size();
        const bool geschlossen = std::fclose(f) == 0;
        if (geschrieben && geschlossen) {
            fs::rename(quelle, korb / "files" / ziel, ec);
            if (!ec) return true;
        }
        fs::remove(info, ec); // another file system, or no room: the caller falls back
        return false;
    }
    return false;
}

bool inGeloeschtOrdner(const fs::path& quelle, const fs::path& ordner) {
    std::error_code ec;
    const fs::path ziel = ordner / "Geloescht";
    fs::create_directories(ziel, ec);
    const std::string stamm = quelle.stem().string(), endung = quelle.extension().string();
    for (int n = 1; n < 10000; ++n) {
        const fs::path datei = ziel / (n == 1 ? quelle.filename().string()
                                              : stamm + " (" + std::to_string(n) + ")" + endung);
        if (fs::exists(datei, ec)) continue;
        fs::rename(quelle, datei, ec);
        return !ec;
    }
    return false;
}

} // namespace

bool DateiGehoertZurShow(const std::string& datei, const std::string& showname) {
    static const char* const endungen[] = {
        ".avi", ".asf", ".mpg", ".mpeg", ".wmv",       ".divx", ".dat",     ".mpx",     ".mp3",
        ".wav", ".qvb", ".prt", ".dmx",  "[INFO].txt", ".map",  ".Mapping", ".mapping", "Key.ord"};
    for (const char* e : endungen)
        if (enthaelt(datei, e)) return true;
    for (const char* e : {".info", ".shw", ".seq", ".qvp"})
        if (enthaelt(datei, showname + e)) return true;
    if (enthaelt(datei, showname + ".bmp")) return false;
    if (enthaelt(datei, showname + ".Laser_ini")) return true;
    if (enthaelt(datei, showname + ".live")) return true;
    if (enthaelt(datei, ".pll")) return true;
    return false;
}

std::vector<std::string> unbenutzteDateien(const fs::path& ordner, const std::string& showname,
                                           const std::optional<std::vector<std::string>>& benutzt) {
    std::vector<std::string> aus;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        std::error_code ec2;
        if (!it->is_regular_file(ec2)) continue;
        const std::string name = it->path().filename().string();
        if (endungIst(name, ".qvb") || endungIst(name, ".prt")) {
            if (benutzt && !benutztVon(*benutzt, name)) aus.push_back(name);
        } else if (!DateiGehoertZurShow(name, showname)) {
            aus.push_back(name);
        }
    }
    std::sort(aus.begin(), aus.end());
    return aus;
}

std::optional<fs::path> xdgPapierkorb() {
    fs::path daten;
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x && fs::path(x).is_absolute())
        daten = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        daten = fs::path(h) / ".local" / "share";
    else
        return std::nullopt;
    std::error_code ec;
    if (!fs::is_directory(daten, ec)) return std::nullopt;
    const fs::path korb = daten / "Trash";
    fs::create_directories(korb / "files", ec);
    fs::create_directories(korb / "info", ec);
    if (!fs::is_directory(korb / "files", ec) || !fs::is_directory(korb / "info", ec))
        return std::nullopt;
    return korb;
}

Verschoben inPapierkorbVerschieben(const fs::path& ordner, const std::vector<std::string>& dateien,
                                   const std::optional<fs::path>& papierkorb,
                                   std::chrono::system_clock::time_point jetzt) {
    Verschoben v;
    for (const auto& name : dateien) {
        const fs::path quelle = ordner / name;
        if (papierkorb && inXdgPapierkorb(quelle, *papierkorb, jetzt))
            v.inPapierkorb.push_back(name);
        else if (inGeloeschtOrdner(quelle, ordner))
            v.inGeloescht.push_back(name);
        else
            v.fehlgeschlagen.push_back(name);
    }
    return v;
}

int mnuDelUnbenutzeFiguren_Click(ShowKontext& k) {
    auto& s = k.show;
    if (s.Showordner.empty()) return 0;
    const fs::path ordner(s.Showordner);
    std::optional<std::vector<std::string>> benutzt;
    if (k.teile.benutzteDateien) benutzt = k.teile.benutzteDateien();
    const auto dateien = unbenutzteDateien(ordner, s.Showname, benutzt);

    Verschoben v;
    if (!dateien.empty()) {
        std::string frage = meldung::einsetzen(
            k.env.texte.text(meldung::AufraeumenFrage, meldung::AufraeumenFrageText), s.Showordner);
        for (const auto& d : dateien) frage += "\n" + d;
        if (k.env.dialoge.frage(frage, Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja) return 0;
        v = inPapierkorbVerschieben(ordner, dateien, xdgPapierkorb(),
                                    std::chrono::system_clock::now());
        for (const auto& d : v.fehlgeschlagen)
            k.env.dialoge.meldung(meldung::einsetzen(
                k.env.texte.text(meldung::NichtVerschoben, meldung::NichtVerschobenText),
                (ordner / d).string()));
        showOrdnerZeigen(k, s.Showordner);
    }
    const int anzahl = static_cast<int>(v.inPapierkorb.size() + v.inGeloescht.size());
    std::string text = meldung::einsetzen(
        k.env.texte.text(meldung::AufraeumenErgebnis, meldung::AufraeumenErgebnisText),
        s.Showordner);
    if (auto pos = text.find("\\nnn\\"); pos != std::string::npos)
        text.replace(pos, 5, std::to_string(anzahl));
    if (!v.inGeloescht.empty())
        text += "\n" + meldung::einsetzen(k.env.texte.text(meldung::AufraeumenErgebnisOrdner,
                                                           meldung::AufraeumenErgebnisOrdnerText),
                                          (ordner / "Geloescht").string());
    k.env.dialoge.meldung(text);
    return anzahl;
}

} // namespace sw
