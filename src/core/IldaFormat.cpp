#include "core/IldaFormat.h"

namespace sw::ilda {

std::size_t recordGroesse(int format) {
    switch (format) {
    case 0:
        return 8;
    case 1:
        return 6;
    case 2:
        return 3;
    case 3:
        return 3;
    case 4:
        return 10;
    case 5:
        return 8;
    default:
        return 0;
    }
}

bool istBild(int format) {
    return format == 0 || format == 1 || format == 4 || format == 5;
}

namespace {
std::string textFeld(std::string_view feld) {
    std::string s;
    for (char c : feld)
        if (c != '\0') s += c;
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}
} // namespace

Kopf kopfLesen(BinaerLeser& l) {
    const std::size_t start = l.position();
    if (l.rest() < 8 || l.bytes(4) != "ILDA") {
        throw Formatfehler(start, "no \"ILDA\" signature at byte " + std::to_string(start));
    }
    l.ueberspringen(3);
    Kopf k;
    k.format = l.u8();
    if (k.format == 3) {
        k.laenge = kKopfFormat3;
        l.ueberspringen(4);
        const std::uint32_t hoch = l.u16be();
        const std::uint32_t tief = l.u16be();
        k.records = (hoch << 16) | tief;
        return k;
    }
    k.name = textFeld(l.bytes(8));
    k.firma = textFeld(l.bytes(8));
    k.records = l.u16be();
    k.nummer = l.u16be();
    k.gesamt = l.u16be();
    l.ueberspringen(2);
    return k;
}

std::vector<Kopf> abschnitteLesen(std::string_view bytes) {
    std::vector<Kopf> koepfe;
    BinaerLeser l(bytes);
    while (!l.amEnde()) {
        Kopf k = kopfLesen(l);
        std::size_t groesse = recordGroesse(k.format);
        if (groesse == 0 && k.records > 0)
            throw Formatfehler(l.position(), "section " + std::to_string(koepfe.size()) +
                                                 " has the unknown format " +
                                                 std::to_string(k.format) +
                                                 ", whose records cannot be skipped");
        l.brauche(groesse * k.records);
        l.ueberspringen(groesse * k.records);
        koepfe.push_back(std::move(k));
    }
    return koepfe;
}

void kopfSchreiben(BinaerSchreiber& s, int format, std::uint16_t records, std::uint16_t nummer,
                   std::uint16_t gesamt) {
    s.bytes("ILDA");
    s.bytes(std::string_view("\0\0\0", 3));
    s.u8(static_cast<std::uint8_t>(format));
    s.bytes(kKennung);
    s.u16be(records);
    s.u16be(nummer);
    s.u16be(gesamt);
    s.u16be(0);
}

void kopfFormat3Schreiben(BinaerSchreiber& s, std::uint32_t eintraege) {
    s.bytes("ILDA");
    s.bytes(std::string_view("\0\0\0", 3));
    s.u8(3);
    const std::uint32_t laenge = 4 + 3 * eintraege;
    s.u16be(static_cast<std::uint16_t>(laenge >> 16));
    s.u16be(static_cast<std::uint16_t>(laenge));
    s.u16be(static_cast<std::uint16_t>(eintraege >> 16));
    s.u16be(static_cast<std::uint16_t>(eintraege));
}

} // namespace sw::ilda
