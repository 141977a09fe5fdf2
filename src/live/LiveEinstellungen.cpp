#include "live/LiveEinstellungen.h"

#include "live/Tastatur.h"

namespace sw {

namespace {

// A remembered file, or nothing when the key is unset.
std::string gemerkteDatei(Einstellungen& e, const char* schluessel) {
    const std::string datei = e.textLesen(kAutoFileLoad, schluessel, "xx");
    if (datei == "xx" || datei.empty() || datei == "<no value>") return {};
    return datei;
}

} // namespace

void liveEinstellungenLaden(LiveZustand& l, Einstellungen& e, Umgebung& env) {
    l.IgnoreNoteOf = e.zahlLesen(kIgnoreNoteOfAbschnitt, kIgnoreNoteOfSchluessel, 0) != 0;
    std::error_code ec;
    if (auto d = gemerkteDatei(e, kMidiRoutingSchluessel);
        !d.empty() && std::filesystem::is_regular_file(d, ec))
        MidiZuordnungLaden(l.midi, env, d);
    if (auto d = gemerkteDatei(e, kDmxRoutingSchluessel);
        !d.empty() && std::filesystem::is_regular_file(d, ec))
        DmxZuordnungLaden(l.dmx, env, d);
}

void ignoreNoteOfSpeichern(const LiveZustand& l, Einstellungen& e) {
    e.zahlSchreiben(kIgnoreNoteOfAbschnitt, kIgnoreNoteOfSchluessel, l.IgnoreNoteOf ? -1.0f : 0.0f);
}

bool midiRoutingLadenUndMerken(LiveZustand& l, Einstellungen& e, Umgebung& env,
                               const std::filesystem::path& datei) {
    if (!MidiZuordnungLaden(l.midi, env, datei)) return false;
    e.textSchreiben(kAutoFileLoad, kMidiRoutingSchluessel, datei.string());
    return true;
}
bool midiRoutingSpeichernUndMerken(const LiveZustand& l, Einstellungen& e, Umgebung& env,
                                   const std::filesystem::path& datei) {
    if (!MidiZuordnungSpeichern(l.midi, env, datei)) return false;
    e.textSchreiben(kAutoFileLoad, kMidiRoutingSchluessel, datei.string());
    return true;
}
bool dmxRoutingLadenUndMerken(LiveZustand& l, Einstellungen& e, Umgebung& env,
                              const std::filesystem::path& datei) {
    if (!DmxZuordnungLaden(l.dmx, env, datei)) return false;
    e.textSchreiben(kAutoFileLoad, kDmxRoutingSchluessel, datei.string());
    return true;
}
bool dmxRoutingSpeichernUndMerken(const LiveZustand& l, Einstellungen& e, Umgebung& env,
                                  const std::filesystem::path& datei) {
    if (!DmxZuordnungSpeichern(l.dmx, env, datei)) return false;
    e.textSchreiben(kAutoFileLoad, kDmxRoutingSchluessel, datei.string());
    return true;
}

} // namespace sw
