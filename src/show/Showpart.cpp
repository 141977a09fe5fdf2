#include "show/Showpart.h"

#include "core/Dateifehler.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

#include <new>

namespace sw {

namespace {

constexpr std::size_t kSatz = 22;

const char* const kLadeFalle =
    " 75. frmSequenzer    sub Loadshowpart    Fehler bei Zugriff auf Datei: ";
const char* const kSpeicherFalle =
    " 75. frmSequenzer    sub SaveShowpart        Fehler bei Zugriff auf Datei: ";

} // namespace

Showpart showpartDekodieren(std::string_view bytes) {
    BinaerLeser l(bytes);
    const std::int32_t n = l.i32();
    if (n < 0) throw Formatfehler(0, "the event count " + std::to_string(n) + " is negative");
    const std::uint8_t version = l.u8();
    if (version != 0)
        throw Formatfehler(4, "the format version " + std::to_string(version) + " is unknown");
    const std::size_t kopf = l.position();
    const std::int16_t dimensionen = l.i16();
    const std::int32_t elemente = l.i32();
    const std::int32_t untergrenze = l.i32();
    if (dimensionen != 1 || untergrenze != 0 || static_cast<std::int64_t>(elemente) != n + 1LL)
        throw Formatfehler(kopf, "the array header at byte " + std::to_string(kopf) +
                                     " does not match the event count at the start of the file");
    const auto saetze = static_cast<std::uint64_t>(n) + 1;
    // The name's length field and the length in milliseconds follow the events.
    if (saetze * kSatz + 2 + 8 > l.rest())
        throw Formatfehler(l.position(), "the file announces " + std::to_string(n) +
                                             " events but holds only " + std::to_string(l.rest()) +
                                             " bytes after its header");
    Showpart part;
    part.events.resize(static_cast<std::size_t>(saetze));
    for (auto& e : part.events) {
        e.start = l.f64();
        e.off = l.f64();
        e.track = l.u8();
        e.kind = l.u8();
        e.key = l.i16();
        e.value = l.i16();
    }
    const std::int16_t namenslaenge = l.i16();
    if (namenslaenge < 0) throw Formatfehler(l.position() - 2, "the name's length is negative");
    part.name = cp1252NachUtf8(l.bytes(static_cast<std::size_t>(namenslaenge)));
    part.laenge = l.f64();
    return part;
}

std::string showpartKodieren(const Showpart& part) {
    BinaerSchreiber s;
    const auto anzahl = static_cast<std::int32_t>(part.events.empty() ? 1 : part.events.size());
    s.reservieren(21 + static_cast<std::size_t>(anzahl) * kSatz + part.name.size());
    s.i32(anzahl - 1);
    s.u8(0);
    s.i16(1);
    s.i32(anzahl);
    s.i32(0);
    auto satz = [&](const SeqEvent& e) {
        s.f64(e.start);
        s.f64(e.off);
        s.u8(e.track);
        s.u8(e.kind);
        s.i16(e.key);
        s.i16(e.value);
    };
    if (part.events.empty()) satz(SeqEvent{});
    for (const auto& e : part.events) satz(e);
    std::string name = utf8NachCp1252(part.name);
    if (name.size() > 32767) name.resize(32767);
    s.i16(static_cast<std::int16_t>(name.size()));
    s.bytes(name);
    s.f64(part.laenge);
    return s.nehmen();
}

bool LoadShowpart(std::vector<Showpart>& showparts, long index, Umgebung& env,
                  const std::filesystem::path& datei) {
    std::string grund;
    try {
        if (index < 0) throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
        Showpart part = showpartDekodieren(dateiLesen(datei));
        if (showparts.size() <= static_cast<std::size_t>(index))
            showparts.resize(static_cast<std::size_t>(index) + 1);
        showparts[static_cast<std::size_t>(index)] = std::move(part);
        return true;
    } catch (const Laufzeitfehler& e) {
        grund = e.nummer() == fehlernummer::DateiNichtGefunden
                    ? std::string("the file does not exist")
                    : std::string("the file cannot be read (") + e.what() + ")";
    } catch (const Formatfehler& e) {
        grund = std::string("the file is truncated or corrupt: ") + e.what();
    } catch (const std::bad_alloc&) {
        grund = "the file is too large to load";
    }
    dateifehlerMelden(env, Zugriff::Lesen, "Fehler # " + std::string(kLadeFalle) + datei.string(),
                      datei.string(), grund);
    return false;
}

bool SaveShowpart(const std::vector<Showpart>& showparts, long index, Umgebung& env,
                  const std::filesystem::path& datei) {
    const std::string falle = "Fehler # " + std::string(kSpeicherFalle) + datei.string();
    if (index < 0 || static_cast<std::size_t>(index) >= showparts.size()) {
        const Laufzeitfehler e(fehlernummer::IndexAusserhalb);
        dateifehlerMelden(env, Zugriff::Schreiben, falle, datei.string(), e.what());
        return false;
    }
    return speichernOderMelden(env, datei,
                               showpartKodieren(showparts[static_cast<std::size_t>(index)]), falle);
}

} // namespace sw
