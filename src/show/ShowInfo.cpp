#include "show/ShowInfo.h"

#include "platform/Binaer.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

#include <limits>

namespace sw {

namespace {

class InfoSchreiber {
public:
    void text(const std::string& utf8) {
        std::string bytes = utf8NachCp1252(utf8);
        if (bytes.size() > std::numeric_limits<std::uint16_t>::max())
            throw Laufzeitfehler(fehlernummer::Ueberlauf,
                                 "a text of the show information is longer than 65535 bytes");
        s.u16(static_cast<std::uint16_t>(bytes.size()));
        s.bytes(bytes);
    }
    void wahr(bool b) { s.i16(b ? -1 : 0); }
    BinaerSchreiber s;
};

class InfoLeser {
public:
    explicit InfoLeser(std::string_view d) : l(d) {}
    std::string text() {
        const std::uint16_t n = l.u16();
        return cp1252NachUtf8(l.bytes(n)); // bytes() checks n against the end first
    }
    bool wahr() { return l.i16() != 0; }
    BinaerLeser l;
};

// Fields in file order; the same walk writes and reads.
template <typename E, typename Info> void felder(E& e, Info& i) {
    e.text(i.Showname);
    e.text(i.Programmierer);
    e.text(i.Datum);
    e.text(i.ProgrammVersion);
    for (auto& b : i.Showtype) e.wahr(b);
    e.byte(i.Kartenzahl);
    e.text(i.Bild);
    e.text(i.Bezeichnung);
    e.text(i.Gesamtlaenge);
    e.text(i.Interpret);
    e.text(i.Titel);
    e.text(i.WeitereInfos);
    for (auto& p : i.Projektoren) {
        for (auto& b : p.Farben) e.wahr(b);
        e.text(p.EmpfScanspeed);
    }
    e.zahl(i.ProjektorSetup);
    e.text(i.ProjektorPlazierung);
    for (auto& karte : i.SpurZuordnung)
        for (auto& b : karte) e.wahr(b);
    for (auto& r : i.ProjektorRouting) e.text(r);
    e.text(i.AusgabeRouting);
    e.zahl(i.DMXVerwendung);
    e.text(i.VerwendeteDMXGeraete);
    e.text(i.DMXSonstigeInfos);
    e.text(i.SonstigeInfos);
}

struct Ausgabe {
    InfoSchreiber w;
    void text(const std::string& t) { w.text(t); }
    void wahr(bool b) { w.wahr(b); }
    void byte(std::uint8_t b) { w.s.u8(b); }
    void zahl(std::int16_t z) { w.s.i16(z); }
};

struct Eingabe {
    InfoLeser r;
    void text(std::string& t) { t = r.text(); }
    void wahr(bool& b) { b = r.wahr(); }
    void byte(std::uint8_t& b) { b = r.l.u8(); }
    void zahl(std::int16_t& z) { z = r.l.i16(); }
};

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

} // namespace

std::string showInfoKodieren(const ShowInfo& info) {
    Ausgabe a;
    felder(a, info);
    return a.w.s.nehmen();
}

ShowInfo showInfoDekodieren(std::string_view bytes) {
    Eingabe e{InfoLeser(bytes)};
    ShowInfo info;
    felder(e, info);
    if (!e.r.l.amEnde())
        throw Formatfehler(e.r.l.position(),
                           std::to_string(e.r.l.rest()) + " bytes follow the end of the record");
    return info;
}

std::string bildAlsText(std::string_view png) {
    std::string aus;
    aus.reserve((png.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < png.size(); i += 3) {
        std::uint32_t n = static_cast<std::uint8_t>(png[i]) << 16;
        if (i + 1 < png.size()) n |= static_cast<std::uint8_t>(png[i + 1]) << 8;
        if (i + 2 < png.size()) n |= static_cast<std::uint8_t>(png[i + 2]);
        aus += kBase64[(n >> 18) & 63];
        aus += kBase64[(n >> 12) & 63];
        aus += i + 1 < png.size() ? kBase64[(n >> 6) & 63] : '=';
        aus += i + 2 < png.size() ? kBase64[n & 63] : '=';
    }
    return aus;
}

std::string bildAusText(std::string_view text) {
    std::string aus;
    std::uint32_t puffer = 0;
    int bits = 0;
    for (char c : text) {
        if (c == '=') break;
        const char* p = std::char_traits<char>::find(kBase64, 64, c);
        if (!p) return {};
        puffer = (puffer << 6) | static_cast<std::uint32_t>(p - kBase64);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            aus += static_cast<char>((puffer >> bits) & 0xFF);
        }
    }
    return aus;
}

} // namespace sw
