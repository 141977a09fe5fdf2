#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"
#include "cli/Json.h"
#include "core/QvbFormat.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

#include <filesystem>
#include <iostream>

namespace sw::cli {

namespace {

std::string dateiInhalt(const std::string& datei) {
    try {
        return dateiLesen(datei);
    } catch (const Laufzeitfehler& e) {
        if (e.nummer() == fehlernummer::DateiNichtGefunden)
            throw CliFehler(datei + ": the file does not exist.");
        throw CliFehler(datei + ": the file cannot be read (" + e.what() + ").");
    }
}

std::string figurAlsJson(const QvbInhalt& inhalt) {
    std::string aus = "{\"kind\":\"figure\",\"version\":";
    jsonGanzzahl(aus, inhalt.version);
    aus += ",\"frames\":[";
    bool ersterFrame = true;
    for (const auto& frame : inhalt.figur.Frames) {
        aus += ersterFrame ? "{\"points\":[" : ",{\"points\":[";
        ersterFrame = false;
        bool ersterPunkt = true;
        for (const auto& p : frame.Punkte) {
            aus += ersterPunkt ? "[" : ",[";
            ersterPunkt = false;
            jsonGanzzahl(aus, p.X);
            aus += ',';
            jsonGanzzahl(aus, p.Y);
            aus += ',';
            jsonGanzzahl(aus, p.Farbe);
            aus += ',';
            jsonGanzzahl(aus, p.Status);
            aus += ']';
        }
        aus += "]}";
    }
    aus += "],\"parameter\":{";
    bool ersterParameter = true;
    for (int i = 0; i < kParameterZahl; ++i) {
        double wert = inhalt.figur.Parameter[static_cast<std::size_t>(i)];
        if (wert == 0.0) continue;
        if (!ersterParameter) aus += ',';
        ersterParameter = false;
        aus += '"' + std::to_string(i) + "\":";
        jsonKommazahl(aus, wert);
    }
    aus += "}}\n";
    return aus;
}

} // namespace

void befehlInfo(const std::string& datei) {
    const auto endung = std::filesystem::path(datei).extension().string();
    if (!gleichOhneGross(endung, ".qvb"))
        throw CliFehler(datei + ": unknown file kind \"" + endung +
                        "\"; info reads figure files (.qvb).");
    std::string bytes = dateiInhalt(datei);
    std::optional<QvbInhalt> inhalt;
    try {
        inhalt = qvbDekodieren(bytes);
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the figure file is truncated or corrupt: " + e.what() + ".");
    }
    if (!inhalt) throw CliFehler(datei + ": the figure file is empty (version byte 0).");
    std::cout << figurAlsJson(*inhalt);
}

} // namespace sw::cli
