// "info" for the live inputs' files: ".live", ".MidiInMap", "Key.ord" and the two key maps.

#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "cli/Json.h"
#include "live/KeyTable.h"
#include "live/LiveShow.h"
#include "live/MidiRouting.h"
#include "platform/Binaer.h"

#include <filesystem>

namespace sw::cli {

namespace {

void gruppenAlsJson(std::string& aus, const std::array<bool, kGruppen>& gruppen) {
    aus += '[';
    bool erste = true;
    for (int g = 0; g < kGruppen; ++g) {
        if (!gruppen[static_cast<std::size_t>(g)]) continue;
        if (!erste) aus += ',';
        erste = false;
        jsonGanzzahl(aus, g);
    }
    aus += ']';
}

std::string liveShowInfo(const std::string& datei) {
    const std::string bytes = eingabeLesen(datei);
    LiveShow l;
    try {
        l = liveShowDekodieren(bytes);
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the live show is truncated or corrupt: " + e.what() + ".");
    }
    std::string aus = "{\"kind\":\"live show\",\"name\":";
    jsonText(aus, l.name);
    aus += ",\"second name\":";
    jsonText(aus, l.name2);
    aus += ",\"count\":";
    jsonGanzzahl(aus, static_cast<std::int64_t>(l.tasten.size()));
    // Only the keys whose options differ from the reset values.
    aus += ",\"keys\":[";
    const LiveKey reset = liveKeyReset();
    bool erste = true;
    for (std::size_t k = 0; k < l.tasten.size(); ++k) {
        const auto& t = l.tasten[k];
        if (t == reset) continue;
        aus += erste ? "{\"index\":" : ",{\"index\":";
        erste = false;
        jsonGanzzahl(aus, static_cast<std::int64_t>(k));
        std::array<bool, kGruppen> gruppen{};
        for (int g = 0; g < kGruppen; ++g)
            gruppen[static_cast<std::size_t>(g)] = t[static_cast<std::size_t>(g)] != 0;
        aus += ",\"groups\":";
        gruppenAlsJson(aus, gruppen);
        aus += std::string(",\"unused groups off\":") + (t[kFeldUnbenutzteAus] ? "true" : "false");
        aus += std::string(",\"release\":") + (t[kFeldLoesen] ? "true" : "false");
        aus += ",\"effects\":[";
        for (int e = 0; e < 5; ++e) {
            if (e) aus += ',';
            jsonGanzzahl(aus, t[static_cast<std::size_t>(kFeldEffekte + e)]);
        }
        aus += "]}";
    }
    aus += "]}\n";
    return aus;
}

std::string midiRoutingInfo(const std::string& datei) {
    const std::string bytes = eingabeLesen(datei);
    MidiRouting r;
    try {
        r = midiRoutingDekodieren(bytes);
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the MIDI routing is truncated or corrupt: " + e.what() + ".");
    }
    std::string aus = "{\"kind\":\"midi routing\",\"version\":1,\"live channel\":";
    jsonGanzzahl(aus, r.liveKanal);
    aus += ",\"timeline channel\":";
    jsonGanzzahl(aus, r.timelineKanal);
    aus += std::string(",\"live input off\":") + (r.liveMidiAus ? "true" : "false");
    aus += std::string(",\"note off as velocity 0\":") + (r.noteOffAlsNoteOn ? "true" : "false");
    aus += ",\"entries\":[";
    for (std::size_t i = 0; i < r.eintraege.size(); ++i) {
        const auto& e = r.eintraege[i];
        aus += i ? ",{\"type\":" : "{\"type\":";
        jsonGanzzahl(aus, e.typ);
        aus += ",\"filter byte\":";
        jsonGanzzahl(aus, e.filterByte);
        aus += ",\"filter\":";
        jsonGanzzahl(aus, e.filter);
        aus += ",\"value byte\":";
        jsonGanzzahl(aus, e.wertQuelle == 0 ? 0 : 1);
        aus += ",\"groups\":";
        gruppenAlsJson(aus, e.gruppen);
        aus += ",\"row\":";
        jsonGanzzahl(aus, e.zeileMinus1 + 1);
        aus += '}';
    }
    aus += "]}\n";
    return aus;
}

std::string keyOrdInfo(const std::string& datei) {
    const auto zeilen = textzeilen(eingabeLesen(datei));
    std::string aus = "{\"kind\":\"key order\",\"count\":";
    jsonGanzzahl(aus, static_cast<std::int64_t>(zeilen.size()));
    aus += ",\"keys\":[";
    bool erste = true;
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        if (zeilen[k] == kLeererEintrag || zeilen[k].empty()) continue;
        aus += erste ? "{\"index\":" : ",{\"index\":";
        erste = false;
        jsonGanzzahl(aus, static_cast<std::int64_t>(k));
        aus += ",\"page\":";
        jsonGanzzahl(aus, static_cast<std::int64_t>(k / kTastenJeSeite));
        aus += ",\"key code\":";
        jsonGanzzahl(aus, static_cast<std::int64_t>(k % kTastenJeSeite));
        aus += ",\"name\":";
        jsonText(aus, zeilen[k]);
        aus += '}';
    }
    aus += "]}\n";
    return aus;
}

std::string mappingInfo(const std::string& datei) {
    const std::string bytes = eingabeLesen(datei);
    const std::string name = std::filesystem::path(datei).filename().string();
    const bool midi = bytes.size() == kMidiNoten * kLiveSeiten &&
                      !(name.size() >= 3 && (name.compare(0, 3, "DMX") == 0));
    TastenMaps m;
    try {
        if (midi)
            midiMapDekodieren(bytes, m);
        else
            dmxMapDekodieren(bytes, m);
    } catch (const Formatfehler& e) {
        throw CliFehler(datei + ": the key mapping is truncated or corrupt: " + e.what() +
                        " (a MIDI map holds 1664 bytes, a DMX map 3328).");
    }
    std::string aus = midi ? "{\"kind\":\"midi key map\",\"entries\":["
                           : "{\"kind\":\"dmx key map\",\"entries\":[";
    const int werte = midi ? kMidiNoten : kDmxWerte;
    bool erste = true;
    for (int w = 0; w < werte; ++w)
        for (int s = 0; s < kLiveSeiten; ++s) {
            const int code = midi ? m.midi(w, s) : m.dmx(w, s);
            if (code == 0) continue;
            aus += erste ? "{" : ",{";
            erste = false;
            aus += midi ? "\"note\":" : "\"value\":";
            jsonGanzzahl(aus, w);
            aus += ",\"page\":";
            jsonGanzzahl(aus, s);
            aus += ",\"key code\":";
            jsonGanzzahl(aus, code);
            aus += '}';
        }
    aus += "]}\n";
    return aus;
}

} // namespace

std::optional<std::string> liveDateiInfo(const std::string& datei) {
    if (hatEndung(datei, ".live")) return liveShowInfo(datei);
    if (hatEndung(datei, ".MidiInMap")) return midiRoutingInfo(datei);
    if (hatEndung(datei, ".ord")) return keyOrdInfo(datei);
    if (hatEndung(datei, ".Mapping")) return mappingInfo(datei);
    return std::nullopt;
}

} // namespace sw::cli
