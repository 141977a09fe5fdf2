#include "devices/Stromantworten.h"

#include "devices/usb/HeliosProtokoll.h"

#include <cstdio>

namespace sw {

namespace etherdream {

namespace {

std::string zeichen(std::uint8_t c) {
    char text[16];
    if (c >= 0x20 && c < 0x7F)
        std::snprintf(text, sizeof text, "'%c'", c);
    else
        std::snprintf(text, sizeof text, "0x%02x", c);
    return text;
}

} // namespace

Antwortfolge antwortAuswerten(const std::uint8_t* q, std::size_t bytes, char befehl) {
    Antwortfolge f;
    if (bytes != kAntwortBytes) {
        f.grund = "a response of " + std::to_string(bytes) + " bytes";
        return f;
    }
    const Antwort a = antwortLesen(q);
    if (a.antwort != 'a' && a.antwort != 'F' && a.antwort != 'I' && a.antwort != '!') {
        f.grund = "unknown response " + zeichen(q[0]);
        return f;
    }
    if (a.befehl != befehl) {
        f.grund = "a response to " + zeichen(q[1]) + " instead of " +
                  zeichen(static_cast<std::uint8_t>(befehl));
        return f;
    }
    if (a.status.wiedergabe != Wiedergabe::Leerlauf &&
        a.status.wiedergabe != Wiedergabe::Vorbereitet &&
        a.status.wiedergabe != Wiedergabe::Laeuft) {
        f.grund = "unknown playback state " + std::to_string(q[4]);
        return f;
    }
    f.art = a.antwort == 'a' ? Antwortfolge::Art::Angenommen : Antwortfolge::Art::Abgelehnt;
    f.status = a.status;
    return f;
}

} // namespace etherdream

namespace idn {

bool pingBeantwortet(const std::uint8_t* q, std::size_t bytes, std::uint16_t naechsteFolge) {
    if (bytes < kKopfBytes) return false;
    const Kopf k = kopfLesen(q);
    const auto abstand = static_cast<std::uint16_t>(naechsteFolge - k.folge);
    return k.befehl == kPingAntwort && abstand >= 1 && abstand <= kOffenePings;
}

} // namespace idn

namespace helios {

Statusfolge statusAuswerten(const std::uint8_t* q, int gelesen, std::size_t puffer) {
    if (gelesen < 0 || static_cast<std::size_t>(gelesen) > puffer) return Statusfolge::Stoerung;
    return bereit(q, static_cast<std::size_t>(gelesen)) ? Statusfolge::Bereit
                                                        : Statusfolge::Beschaeftigt;
}

} // namespace helios

} // namespace sw
