#include "live/LiveShow.h"

#include "platform/Binaer.h"
#include "platform/Text.h"

namespace sw {

LiveKey liveKeyReset() {
    LiveKey k{};
    k[0] = -1;
    k[kFeldEffekte + 0] = 1;
    k[kFeldEffekte + 1] = 2;
    k[kFeldEffekte + 2] = 11;
    k[kFeldEffekte + 3] = 14;
    k[kFeldEffekte + 4] = 17;
    return k;
}

void liveShowZuruecksetzen(LiveShow& l) {
    l.tasten.assign(kKeyTableGroesse, liveKeyReset());
    l.name.clear();
    l.name2.clear();
}

namespace {

constexpr std::size_t kKopf = 2 + 8;
constexpr std::size_t kTasteBytes = 2 * kLiveKeyFelder;

void textSchreiben(BinaerSchreiber& w, const std::string& text) {
    const std::string roh = utf8NachCp1252(text);
    w.u16(static_cast<std::uint16_t>(std::min<std::size_t>(roh.size(), 65535)));
    w.bytes(std::string_view(roh).substr(0, 65535));
}

std::string textLesen(BinaerLeser& r) {
    const std::size_t n = r.u16();
    return cp1252NachUtf8(r.bytes(n));
}

} // namespace

std::string liveShowKodieren(const LiveShow& l) {
    BinaerSchreiber w;
    w.reservieren(kKopf + l.tasten.size() * kTasteBytes + 8 + l.name.size() + l.name2.size());
    w.i16(1);
    w.i32(static_cast<std::int32_t>(l.tasten.size()));
    w.i32(0);
    for (const auto& t : l.tasten)
        for (auto f : t) w.i16(f);
    textSchreiben(w, l.name);
    textSchreiben(w, l.name2);
    return w.nehmen();
}

LiveShow liveShowDekodieren(std::string_view bytes) {
    BinaerLeser r(bytes);
    const int dimensionen = r.i16();
    if (dimensionen != 1)
        throw Formatfehler(0, "the key array has " + std::to_string(dimensionen) +
                                  " dimensions instead of 1");
    const std::int32_t anzahl = r.i32();
    const std::int32_t untergrenze = r.i32();
    if (untergrenze != 0) throw Formatfehler(6, "the key array does not start at index 0");
    // The count is checked against the length before anything is allocated.
    if (anzahl < 0 || static_cast<std::size_t>(anzahl) > (r.rest() / kTasteBytes))
        throw Formatfehler(2, "the file is too short for its " + std::to_string(anzahl) +
                                  " key records");
    LiveShow l;
    l.tasten.assign(static_cast<std::size_t>(anzahl), LiveKey{});
    for (auto& t : l.tasten)
        for (auto& f : t) f = r.i16();
    l.name = textLesen(r);
    l.name2 = textLesen(r);
    if (!r.amEnde())
        throw Formatfehler(r.position(),
                           std::to_string(r.rest()) + " bytes follow the live show's record");
    // Keys beyond the file's array get their reset values: the grid addresses every index.
    if (l.tasten.size() < static_cast<std::size_t>(kKeyTableGroesse))
        l.tasten.resize(kKeyTableGroesse, liveKeyReset());
    return l;
}

} // namespace sw
