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
#include "show/ShowDatei.h"
#include "show/ShowInfo.h"
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

// Shows: the show file and the show information.

std::string showInfo(const std::string& datei) {
    std::string bytes = eingabeLesen(datei);
    std::optional<ShowDateiInhalt> inhalt;
    try {
        inhalt = showdateiDekodieren(bytes);
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the show file is truncated or corrupt: " + e.what() + ".");
    }
    if (!inhalt) throw CliFehler(datei + ": the file has a wrong header; it is no show file.");
    std::string aus = "{\"kind\":\"show\",\"header\":";
    jsonText(aus, inhalt->kopf);
    aus += ",\"version\":";
    jsonKommazahl(aus, inhalt->version);
    aus += ",\"ShowName\":";
    jsonText(aus, inhalt->ShowName);
    aus += ",\"SoundName\":";
    jsonText(aus, inhalt->SoundName);
    aus += ",\"FaktorDrehenSchieben\":";
    jsonText(aus, inhalt->FaktorDrehenSchieben);
    aus += ",\"FaktorStauchen\":";
    jsonText(aus, inhalt->FaktorStauchen);
    aus += ",\"mnuLaserAutomatik\":";
    aus += inhalt->mnuLaserAutomatik ? "true" : "false";
    aus += "}\n";
    return aus;
}

std::string showInfoDateiInfo(const std::string& datei) {
    std::string bytes = eingabeLesen(datei);
    ShowInfo i;
    try {
        i = showInfoDekodieren(bytes);
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the show information is truncated or corrupt: " + e.what() +
                        ".");
    }
    std::string aus = "{\"kind\":\"showinfo\"";
    auto text = [&](const char* name, const std::string& wert) {
        aus += ",\"";
        aus += name;
        aus += "\":";
        jsonText(aus, wert);
    };
    auto wahr = [&](bool b) { aus += b ? "true" : "false"; };
    auto liste = [&](const char* name, const auto& werte) {
        aus += ",\"";
        aus += name;
        aus += "\":[";
        bool erster = true;
        for (bool b : werte) {
            if (!erster) aus += ',';
            erster = false;
            wahr(b);
        }
        aus += ']';
    };
    text("txtShowname", i.Showname);
    text("txtProgrammierer", i.Programmierer);
    text("txtDatum", i.Datum);
    text("txtProgrammVersion", i.ProgrammVersion);
    liste("OptShowtype", i.Showtype);
    aus += ",\"AuswahlKartenzahl\":";
    jsonGanzzahl(aus, i.Kartenzahl);
    text("picShowInfo", i.Bild); // base64 of the picture's PNG bytes
    text("txtBezeichnung", i.Bezeichnung);
    text("txtGesamtlänge", i.Gesamtlaenge);
    text("txtInterpret", i.Interpret);
    text("txtTitel", i.Titel);
    text("txtWeitereInfos", i.WeitereInfos);
    aus += ",\"projectors\":[";
    for (std::size_t p = 0; p < i.Projektoren.size(); ++p) {
        if (p) aus += ',';
        aus += "{\"checkProjektorFarben\":[";
        for (std::size_t f = 0; f < 3; ++f) {
            if (f) aus += ',';
            wahr(i.Projektoren[p].Farben[f]);
        }
        aus += "],\"txtEmpfScanspeed\":";
        jsonText(aus, i.Projektoren[p].EmpfScanspeed);
        aus += '}';
    }
    aus += "],\"OptProjektorSetup\":";
    jsonGanzzahl(aus, i.ProjektorSetup);
    text("txtWeitereInfos_ProjektorPlazierung", i.ProjektorPlazierung);
    aus += ",\"SpurZuordnung\":[";
    for (std::size_t karte = 0; karte < 4; ++karte) {
        if (karte) aus += ',';
        aus += "{\"A\":";
        wahr(i.SpurZuordnung[karte][0]);
        aus += ",\"B\":";
        wahr(i.SpurZuordnung[karte][1]);
        aus += ",\"C\":";
        wahr(i.SpurZuordnung[karte][2]);
        aus += ",\"D\":";
        wahr(i.SpurZuordnung[karte][3]);
        aus += '}';
    }
    aus += "],\"txtHardware_ProjektorRouting\":[";
    for (std::size_t r = 0; r < 4; ++r) {
        if (r) aus += ',';
        jsonText(aus, i.ProjektorRouting[r]);
    }
    aus += ']';
    text("txtWeitereInfos_AusgabeRouting", i.AusgabeRouting);
    aus += ",\"optDMXVerwendung\":";
    jsonGanzzahl(aus, i.DMXVerwendung);
    text("txtVerwendeteDMXGeräte", i.VerwendeteDMXGeraete);
    text("txtDMXSonstigeInfos", i.DMXSonstigeInfos);
    text("txtSonstigeInfos", i.SonstigeInfos);
    aus += "}\n";
    return aus;
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
    else if (hatEndung(datei, ".shw"))
        std::cout << showInfo(datei);
    else if (hatEndung(datei, ".info"))
        std::cout << showInfoDateiInfo(datei);
    else if (hatEndung(datei, ".seq"))
        std::cout << sequenzInfo(datei);
    else if (hatEndung(datei, ".prt"))
        std::cout << showpartInfo(datei);
    else if (auto live = liveDateiInfo(datei))
        std::cout << *live;
    else
        throw CliFehler(datei + ": unknown file kind; info reads figure (.qvb), ILDA (.ild), "
                                "palette (.qvp), show (.shw), show information (.info), "
                                "sequence (.seq), showpart (.prt), live show (.live), MIDI "
                                "routing (.MidiInMap), key order (Key.ord) and key mapping "
                                "(.Mapping) files.");
}

} // namespace sw::cli
