#include "show/PlaylistDatei.h"

#include "platform/Binaer.h"
#include "platform/Text.h"

namespace sw {

namespace {

constexpr std::size_t kKopfLaenge = 10;
// The least bytes a record of each version takes in the file (all strings empty).
constexpr std::size_t kMindestens[4] = {0, 2 + 2 + 32 + 4 + 4 + 8 + 64 + 2 + 4 * kPlaylistReserve,
                                        2 + 2 + 32 + 4 + 4 + 8 + 4 + 16,
                                        2 + 2 + 32 + 4 + 4 + 8 + 4 + 64 + 2 + 4 * kPlaylistReserve};

void text(BinaerSchreiber& w, const std::string& s) {
    const std::string b = utf8NachCp1252(s);
    if (b.size() > 0x7FFF) throw Formatfehler(0, "a text of the playlist is too long");
    w.i16(static_cast<std::int16_t>(b.size()));
    w.bytes(b);
}

std::string text(BinaerLeser& r) {
    const auto pos = r.position();
    const std::int16_t n = r.i16();
    if (n < 0) throw Formatfehler(pos, "a text length is negative at byte " + std::to_string(pos));
    return cp1252NachUtf8(r.bytes(static_cast<std::size_t>(n)));
}

PlaylistEntry eintragLesen(BinaerLeser& r, int version) {
    PlaylistEntry e;
    e.showPfad = text(r);
    e.titel = text(r);
    for (auto& karte : e.zuordnung)
        for (auto& seite : karte) seite = r.i16() != 0;
    e.lautstaerke = r.i32();
    e.balance = r.i32();
    e.rate = r.f64();
    if (version != 1) e.startverzoegerung = r.i32();
    if (version == 2) {
        for (int d = 0; d < 4; ++d) e.pps[static_cast<std::size_t>(d)] = r.i32();
        for (int d = 4; d < kPlaylistDacs; ++d) e.pps[static_cast<std::size_t>(d)] = e.pps[0];
        return e;
    }
    for (auto& p : e.pps) p = r.i32();
    e.notiz = text(r);
    r.ueberspringen(4 * kPlaylistReserve);
    return e;
}

} // namespace

std::string playlistKodieren(const std::vector<PlaylistEntry>& eintraege) {
    BinaerSchreiber w;
    w.bytes("Version 03");
    w.i32(static_cast<std::int32_t>(eintraege.size()) - 2);
    for (const auto& e : eintraege) {
        text(w, e.showPfad);
        text(w, e.titel);
        for (const auto& karte : e.zuordnung)
            for (bool seite : karte) w.i16(seite ? -1 : 0);
        w.i32(e.lautstaerke);
        w.i32(e.balance);
        w.f64(e.rate);
        w.i32(e.startverzoegerung);
        for (auto p : e.pps) w.i32(p);
        text(w, e.notiz);
        for (int i = 0; i < kPlaylistReserve; ++i) w.i32(0);
    }
    return w.nehmen();
}

PlaylistInhalt playlistDekodieren(std::string_view bytes) {
    BinaerLeser r(bytes);
    const std::string_view kopf = r.bytes(kKopfLaenge);
    if (kopf.substr(0, 8) != "Version ")
        throw Formatfehler(0, "the file does not start with \"Version \"");
    PlaylistInhalt inhalt;
    const std::string_view nummer = kopf.substr(8);
    if (nummer == "01")
        inhalt.version = 1;
    else if (nummer == "02")
        inhalt.version = 2;
    else if (nummer == "03")
        inhalt.version = 3;
    else
        throw Formatfehler(8, "unknown playlist version \"" + std::string(nummer) + "\"");
    const std::int32_t n = r.i32();
    if (n < -1)
        throw Formatfehler(10, "the highest entry index " + std::to_string(n) + " is below -1");
    const auto anzahl = static_cast<std::size_t>(static_cast<std::int64_t>(n) + 2);
    const std::size_t mindestens = kMindestens[inhalt.version];
    if (anzahl > r.rest() / mindestens)
        throw Formatfehler(14, "the file is too short for " + std::to_string(anzahl) + " entries");
    inhalt.eintraege.clear();
    inhalt.eintraege.reserve(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i)
        inhalt.eintraege.push_back(eintragLesen(r, inhalt.version));
    if (!r.amEnde())
        throw Formatfehler(r.position(), std::to_string(r.rest()) +
                                             " bytes follow the last entry; the file does not "
                                             "fit version " +
                                             std::string(nummer));
    return inhalt;
}

} // namespace sw
