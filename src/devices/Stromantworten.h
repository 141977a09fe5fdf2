#pragma once
// What a device stream does with the bytes that came back from its DAC, without sockets, USB
// or threads: the streams receive, call these and act on the result, so every byte is checked
// here before a stream takes anything from it.

#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/IdnProtokoll.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace sw {

namespace etherdream {

struct Antwortfolge {
    enum class Art {
        Angenommen, // 'a': the command was carried out; the stream takes the status
        Abgelehnt,  // 'F', 'I' or '!': not carried out; the stream takes the status, goes on
        Stoerung,   // no valid response: the stream closes the connection and opens it again
    };
    Art art = Art::Stoerung;
    Status status;     // for Angenommen and Abgelehnt
    std::string grund; // for Stoerung
};

// The response to the command `befehl` ('?' for the status a DAC sends when a connection
// opens): exactly kAntwortBytes, a known response, the command echoed, a known playback state.
Antwortfolge antwortAuswerten(const std::uint8_t* q, std::size_t bytes, char befehl);

} // namespace etherdream

namespace idn {

inline constexpr std::uint8_t kPingAnfrage = 0x08;
inline constexpr std::uint8_t kPingAntwort = 0x09;
// How many of the latest pings an answer may belong to (one goes out every half second).
inline constexpr std::uint16_t kOffenePings = 4;

// Whether a datagram answers one of the stream's latest pings: a ping response whose sequence
// number is one of the kOffenePings numbers before `naechsteFolge`, the next the stream uses.
bool pingBeantwortet(const std::uint8_t* q, std::size_t bytes, std::uint16_t naechsteFolge);

} // namespace idn

namespace helios {

enum class Statusfolge {
    Bereit,       // the DAC takes the next frame
    Beschaeftigt, // ask again
    Stoerung,     // the transfer failed: the device is gone
};

// The answer to a status request: `gelesen` is what the interrupt read returned (negative when
// it failed) into a buffer of `puffer` bytes. A short or foreign answer (a late one to another
// request) counts as busy.
Statusfolge statusAuswerten(const std::uint8_t* q, int gelesen, std::size_t puffer);

} // namespace helios

} // namespace sw
