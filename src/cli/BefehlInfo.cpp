#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "cli/Json.h"
#include "core/Farbpalette.h"
#include "core/IldaFormat.h"
#include "core/QvbFormat.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"
#include "show/SequenzDatei.h"
#include "show/Showpart.h"

#include <filesystem>
#include <iostream>

namespace sw::cli {

namespace {

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

std::string ildaAlsJson(const std::vector<ilda::Kopf>& koepfe) {
    std::string aus = "{\"kind\":\"ilda\",\"sections\":[";
    for (std::size_t i = 0; i < koepfe.size(); ++i) {
        const auto& k = koepfe[i];
        if (i) aus += ',';
        aus += "{\"format\":";
        jsonGanzzahl(aus, k.format);
        aus += ",\"records\":";
        jsonGanzzahl(aus, k.records);
        aus += ",\"frame\":";
        jsonGanzzahl(aus, k.nummer);
        aus += ",\"total\":";
        jsonGanzzahl(aus, k.gesamt);
        aus += ",\"name\":";
        jsonText(aus, cp1252NachUtf8(k.name));
        aus += ",\"company\":";
        jsonText(aus, cp1252NachUtf8(k.firma));
        aus += '}';
    }
    aus += "]}\n";
    return aus;
}

std::string figurInfo(const std::string& datei) {
    std::string bytes = eingabeLesen(datei);
    std::optional<QvbInhalt> inhalt;
    try {
        inhalt = qvbDekodieren(bytes);
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the figure file is truncated or corrupt: " + e.what() + ".");
    }
    if (!inhalt) throw CliFehler(datei + ": the figure file is empty (version byte 0).");
    return figurAlsJson(*inhalt);
}

std::string ildaInfo(const std::string& datei) {
    std::string bytes = eingabeLesen(datei);
    if (bytes.empty()) throw CliFehler(datei + ": the ILDA file is empty.");
    try {
        return ildaAlsJson(ilda::abschnitteLesen(bytes));
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the ILDA file is truncated or corrupt: " + e.what() + ".");
    }
}

std::string paletteInfo(const std::string& datei) {
    std::string bytes = eingabeLesen(datei);
    try {
        auto inhalt = palettendateiDekodieren(bytes);
        std::string aus = "{\"kind\":\"palette\",\"entries\":";
        jsonGanzzahl(aus, static_cast<std::int64_t>(inhalt.eintraege.size()));
        aus += ",\"header\":";
        jsonText(aus, inhalt.kopf);
        aus += "}\n";
        return aus;
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the palette file is not valid: " + e.what() + ".");
    }
}

// Sequence (".seq") and showpart (".prt") files: their events 1 to N with the record's fields.
void eventsAlsJson(std::string& aus, const EventListe& events) {
    aus += "\"events\":[";
    for (std::size_t i = 1; i < events.size(); ++i) {
        const SeqEvent& e = events[i];
        if (i > 1) aus += ',';
        aus += "{\"start\":";
        jsonKommazahl(aus, e.start);
        aus += ",\"off\":";
        jsonKommazahl(aus, e.off);
        aus += ",\"track\":";
        jsonGanzzahl(aus, e.track);
        aus += ",\"kind\":";
        jsonGanzzahl(aus, e.kind);
        aus += ",\"key\":";
        jsonGanzzahl(aus, e.key);
        aus += ",\"value\":";
        jsonGanzzahl(aus, e.value);
        aus += '}';
    }
    aus += ']';
}

std::string sequenzInfo(const std::string& datei) {
    std::string bytes = eingabeLesen(datei);
    try {
        auto inhalt = sequenzDekodieren(bytes);
        std::string aus = "{\"kind\":\"sequence\",\"version\":";
        jsonGanzzahl(aus, inhalt.version);
        aus += ",\"count\":";
        jsonGanzzahl(aus, sequenz::anzahl(inhalt.events));
        aus += ',';
        eventsAlsJson(aus, inhalt.events);
        aus += "}\n";
        return aus;
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the sequence file is truncated or corrupt: " + e.what() + ".");
    }
}

std::string showpartInfo(const std::string& datei) {
    std::string bytes = eingabeLesen(datei);
    try {
        auto part = showpartDekodieren(bytes);
        std::string aus = "{\"kind\":\"showpart\",\"version\":0,\"name\":";
        jsonText(aus, part.name);
        aus += ",\"length\":";
        jsonKommazahl(aus, part.laenge);
        aus += ",\"count\":";
        jsonGanzzahl(aus, sequenz::anzahl(part.events));
        aus += ',';
        eventsAlsJson(aus, part.events);
        aus += "}\n";
        return aus;
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the showpart file is truncated or corrupt: " + e.what() + ".");
    }
}

} // namespace

void befehlInfo(const std::string& datei) {
    if (hatEndung(datei, ".qvb"))
        std::cout << figurInfo(datei);
    else if (hatEndung(datei, ".ild"))
        std::cout << ildaInfo(datei);
    else if (hatEndung(datei, ".qvp"))
        std::cout << paletteInfo(datei);
    else if (hatEndung(datei, ".seq"))
        std::cout << sequenzInfo(datei);
    else if (hatEndung(datei, ".prt"))
        std::cout << showpartInfo(datei);
    else
        throw CliFehler(datei + ": unknown file kind; info reads figure (.qvb), ILDA (.ild), "
                                "palette (.qvp), sequence (.seq) and showpart (.prt) files.");
}

} // namespace sw::cli
