#include "show/SequenzDatei.h"

#include "core/Dateifehler.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "show/SequenzOffTime.h"

#include <new>

namespace sw {

namespace {

constexpr std::size_t kSatz3 = 22;
constexpr std::size_t kSatz1 = 14;
constexpr std::size_t kSatz0 = 12;

const char* const kLadeFalle =
    " 75. frmSequenzer    sub LoadSequenz         Fehler bei Zugriff auf Datei: ";
const char* const kSpeicherFalle =
    " 75. frmSequenzer    sub SaveSequenz         Fehler bei Zugriff auf Datei: ";

} // namespace

int alteSpurUmrechnen(int spur) {
    // Truncating division, as the old numbering was computed: track 0 counts as group 0.
    const int gruppe = (spur - 1) / 16;
    int zeile = spur % 16;
    if (zeile == 0) zeile = 16;
    const int neu = zeile < 16 ? zeile + 19 * gruppe : 19 * (gruppe + 1);
    return neu >= 0 && neu <= 255 ? neu : -1;
}

SequenzInhalt sequenzDekodieren(std::string_view bytes) {
    BinaerLeser l(bytes);
    const std::int32_t n = l.i32();
    if (n < 0) throw Formatfehler(0, "the event count " + std::to_string(n) + " is negative");
    SequenzInhalt inhalt;
    // Version 0 wrote no version byte; its first record starts with a zero byte.
    std::uint8_t version = l.vorschau(1).empty() ? 0 : static_cast<std::uint8_t>(l.vorschau(1)[0]);
    if (version != 0) l.u8();
    if (version > 3)
        throw Formatfehler(4, "the format version " + std::to_string(version) + " is unknown");
    inhalt.version = version;
    const std::size_t satz = version == 0 ? kSatz0 : version <= 2 ? kSatz1 : kSatz3;
    const auto saetze = static_cast<std::uint64_t>(n) + 1;
    if (saetze * satz > l.rest())
        throw Formatfehler(l.position(), "the file announces " + std::to_string(n) + " events of " +
                                             std::to_string(satz) + " bytes but holds only " +
                                             std::to_string(l.rest()) + " bytes of events");
    inhalt.events.resize(static_cast<std::size_t>(saetze));
    for (auto& e : inhalt.events) {
        e.start = l.f64();
        if (version == 3) e.off = l.f64();
        e.track = l.u8();
        e.kind = l.u8();
        if (version == 0) {
            e.key = l.u8();
            e.value = l.u8();
        } else {
            e.key = l.i16();
            e.value = l.i16();
        }
    }
    if (version < 2) {
        for (std::size_t i = 1; i < inhalt.events.size(); ++i) {
            int neu = alteSpurUmrechnen(inhalt.events[i].track);
            if (neu < 0)
                throw Formatfehler(0, "event " + std::to_string(i) + " lies on track " +
                                          std::to_string(inhalt.events[i].track) +
                                          ", which has no place in the groups of 19 tracks");
            inhalt.events[i].track = static_cast<std::uint8_t>(neu);
        }
    }
    return inhalt;
}

std::string sequenzKodieren(const EventListe& events) {
    BinaerSchreiber s;
    s.reservieren(5 + events.size() * kSatz3);
    s.i32(static_cast<std::int32_t>(events.empty() ? 0 : events.size() - 1));
    s.u8(3);
    // An empty vector still writes element 0, as the list always holds it.
    static const SeqEvent null{};
    auto satz = [&](const SeqEvent& e) {
        s.f64(e.start);
        s.f64(e.off);
        s.u8(e.track);
        s.u8(e.kind);
        s.i16(e.key);
        s.i16(e.value);
    };
    if (events.empty()) satz(null);
    for (const auto& e : events) satz(e);
    return s.nehmen();
}

bool LoadSequenz(EventListe& events, Umgebung& env, const std::filesystem::path& datei,
                 double medienlaenge) {
    std::error_code ec;
    if (!std::filesystem::exists(datei, ec)) return false;
    std::string grund;
    try {
        SequenzInhalt inhalt = sequenzDekodieren(dateiLesen(datei));
        // A file we wrote is sorted already; one put together elsewhere must not reach
        // playback unsorted.
        sequenzSortieren(inhalt.events);
        Sequenz_EventOffTime_Ermitteln(inhalt.events, medienlaenge);
        events = std::move(inhalt.events);
        env.log.zeile("LoadSequenz " + datei.string() +
                      ": Anzahl Events = " + std::to_string(sequenz::anzahl(events)));
        return true;
    } catch (const Laufzeitfehler& e) {
        grund = std::string("the file cannot be read (") + e.what() + ")";
    } catch (const Formatfehler& e) {
        grund = std::string("the file is truncated or corrupt: ") + e.what();
    } catch (const std::bad_alloc&) {
        grund = "the file is too large to load";
    }
    dateifehlerMelden(env, Zugriff::Lesen, "Fehler # " + std::string(kLadeFalle) + datei.string(),
                      datei.string(), grund);
    return false;
}

bool SaveSequenz(const EventListe& events, Umgebung& env, const std::filesystem::path& datei) {
    return speichernOderMelden(env, datei, sequenzKodieren(events),
                               "Fehler # " + std::string(kSpeicherFalle) + datei.string());
}

} // namespace sw
