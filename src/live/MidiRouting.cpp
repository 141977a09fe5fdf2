#include "live/MidiRouting.h"

#include "core/Meldungen.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"

namespace sw {

namespace {

void gruppenSchreiben(BinaerSchreiber& w, const std::array<bool, kGruppen>& g) {
    for (bool b : g) w.i16(b ? -1 : 0);
}
std::array<bool, kGruppen> gruppenLesen(BinaerLeser& r) {
    std::array<bool, kGruppen> g{};
    for (auto& b : g) b = r.i16() != 0;
    return g;
}

int kanalLesen(BinaerLeser& r) {
    const int k = r.i16();
    if (k < 0 || k > 15)
        throw Formatfehler(r.position() - 2, "MIDI channel " + std::to_string(k) + " out of range");
    return k;
}

template <typename Dekodieren>
bool laden(Umgebung& env, const std::filesystem::path& datei, const std::string& meldungText,
           Dekodieren&& dekodieren) {
    try {
        dekodieren(dateiLesen(datei));
        return true;
    } catch (const std::exception& e) {
        env.log.zeile(datei.string() + ": " + e.what());
        env.dialoge.meldung(meldung::einsetzen(meldungText, datei.string()));
        return false;
    }
}

bool schreiben(Umgebung& env, const std::filesystem::path& datei, std::string_view bytes,
               const char* routine) {
    try {
        atomarSchreiben(datei, bytes);
        return true;
    } catch (const Laufzeitfehler& e) {
        env.log.zeile(fehlerMeldung(e.nummer(), routine) + datei.string());
        env.dialoge.meldung(fehlerMeldung(e.nummer(), routine) + datei.string());
        return false;
    }
}

} // namespace

std::string midiRoutingKodieren(const MidiRouting& r) {
    BinaerSchreiber w;
    w.i16(kMidiRoutingVersion);
    w.i16(static_cast<std::int16_t>(r.eintraege.size()));
    for (const auto& e : r.eintraege) {
        w.u8(e.typ);
        w.u8(e.filterByte);
        w.u8(e.filter);
        w.u8(e.wertQuelle);
        gruppenSchreiben(w, e.gruppen);
        w.i16(e.zeileMinus1);
    }
    w.i16(static_cast<std::int16_t>(r.liveKanal));
    w.i16(static_cast<std::int16_t>(r.timelineKanal));
    w.i16(r.liveMidiAus ? -1 : 0);
    w.i16(r.noteOffAlsNoteOn ? -1 : 0);
    return w.nehmen();
}

MidiRouting midiRoutingDekodieren(std::string_view bytes) {
    BinaerLeser r(bytes);
    const int version = r.i16();
    if (version != kMidiRoutingVersion)
        throw Formatfehler(0, "unknown MIDI routing version " + std::to_string(version));
    const int n = r.i16();
    if (n < 0 || static_cast<std::size_t>(n) > kMaxMidiRoutingEintraege ||
        bytes.size() != 4 + kMidiRoutingEintragBytes * static_cast<std::size_t>(n) + 8)
        throw Formatfehler(2, "the file's length does not fit its " + std::to_string(n) +
                                  " routing entries");
    MidiRouting m;
    for (int i = 0; i < n; ++i) {
        MidiRoutingEintrag e;
        e.typ = r.u8();
        e.filterByte = r.u8();
        e.filter = r.u8();
        e.wertQuelle = r.u8();
        e.gruppen = gruppenLesen(r);
        e.zeileMinus1 = r.i16();
        if (e.zeileMinus1 < 0 || e.zeileMinus1 > 19)
            throw Formatfehler(r.position() - 2, "routing row out of range");
        m.eintraege.push_back(e);
    }
    m.liveKanal = kanalLesen(r);
    m.timelineKanal = kanalLesen(r);
    m.liveMidiAus = r.i16() != 0;
    m.noteOffAlsNoteOn = r.i16() != 0;
    return m;
}

std::string dmxRoutingKodieren(const DmxRouting& r) {
    BinaerSchreiber w;
    w.i16(1);
    for (const auto& k : r.kanaele) {
        w.i16(k.zeile);
        gruppenSchreiben(w, k.gruppen);
    }
    return w.nehmen();
}

DmxRouting dmxRoutingDekodieren(std::string_view bytes) {
    if (bytes.size() != 2 + 512 * 26)
        throw Formatfehler(0, "a DMX routing holds " + std::to_string(2 + 512 * 26) +
                                  " bytes, not " + std::to_string(bytes.size()));
    BinaerLeser r(bytes);
    if (r.i16() != 1) throw Formatfehler(0, "unknown DMX routing version");
    DmxRouting d;
    for (auto& k : d.kanaele) {
        k.zeile = r.i16();
        if (k.zeile < 0 || k.zeile > 20)
            throw Formatfehler(r.position() - 2, "routing row out of range");
        k.gruppen = gruppenLesen(r);
    }
    return d;
}

bool MidiZuordnungLaden(MidiRouting& r, Umgebung& env, const std::filesystem::path& datei) {
    return laden(env, datei,
                 env.texte.text(meldung::MidiRoutingDefekt, meldung::MidiRoutingDefektText),
                 [&](const std::string& b) { r = midiRoutingDekodieren(b); });
}
bool MidiZuordnungSpeichern(const MidiRouting& r, Umgebung& env,
                            const std::filesystem::path& datei) {
    return schreiben(env, datei, midiRoutingKodieren(r),
                     " in MIDI Programmierung Routiene MidiZuordnungSpeichern ");
}
bool DmxZuordnungLaden(DmxRouting& r, Umgebung& env, const std::filesystem::path& datei) {
    return laden(env, datei,
                 env.texte.text(meldung::DmxRoutingDefekt, meldung::DmxRoutingDefektText),
                 [&](const std::string& b) { r = dmxRoutingDekodieren(b); });
}
bool DmxZuordnungSpeichern(const DmxRouting& r, Umgebung& env, const std::filesystem::path& datei) {
    return schreiben(env, datei, dmxRoutingKodieren(r),
                     " in DMX Programmierung Routiene DmxZuordnungSpeichern ");
}

} // namespace sw
