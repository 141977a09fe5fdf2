#pragma once
// The Ether Dream wire format, without sockets: the status every message carries, the
// broadcast a DAC sends each second on UDP, the 22-byte response to every command, the commands
// and the 18-byte point. Everything is little-endian.

#include "output/Ausgabetypen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sw::etherdream {

inline constexpr std::uint16_t kBroadcastPort = 7654;
inline constexpr std::uint16_t kTcpPort = 7765;
inline constexpr std::size_t kStatusBytes = 20;
inline constexpr std::size_t kBroadcastBytes = 36;
inline constexpr std::size_t kAntwortBytes = 22;
inline constexpr std::size_t kPunktBytes = 18;
inline constexpr std::uint16_t kRatenwechsel = 0x8000; // point control: apply a queued rate

enum class Wiedergabe : std::uint8_t { Leerlauf = 0, Vorbereitet = 1, Laeuft = 2 };

struct Status {
    std::uint8_t protokoll = 0;
    std::uint8_t lichtmaschine = 0; // light engine: 0 ready, 1 warm-up, 2 cool-down, 3 e-stop
    Wiedergabe wiedergabe = Wiedergabe::Leerlauf;
    std::uint8_t quelle = 0;
    std::uint16_t lichtmaschinenFlags = 0;
    std::uint16_t wiedergabeFlags = 0; // bit 2: the buffer ran empty
    std::uint16_t quellenFlags = 0;
    std::uint16_t pufferFuellung = 0;
    std::uint32_t punktrate = 0;
    std::uint32_t punktzahl = 0;
    bool operator==(const Status&) const = default;
};

struct Broadcast {
    std::array<std::uint8_t, 6> mac{};
    std::uint16_t hardware = 0;
    std::uint16_t software = 0;
    std::uint16_t pufferKapazitaet = 0;
    std::uint32_t maxPunktrate = 0;
    Status status;
    bool operator==(const Broadcast&) const = default;
};

struct Antwort {
    char antwort = 'a'; // 'a' ack, 'F' buffer full, 'I' invalid, '!' stopped
    char befehl = '?';
    Status status;
    bool operator==(const Antwort&) const = default;
};

struct Punkt {
    std::uint16_t steuerung = 0;
    std::int16_t x = 0, y = 0;
    std::uint16_t r = 0, g = 0, b = 0, i = 0, u1 = 0, u2 = 0;
    bool operator==(const Punkt&) const = default;
};

void statusSchreiben(const Status& s, std::uint8_t* z);
Status statusLesen(const std::uint8_t* q);
std::array<std::uint8_t, kBroadcastBytes> broadcastSchreiben(const Broadcast& b);
// False when the datagram is not a broadcast.
bool broadcastLesen(const std::uint8_t* q, std::size_t bytes, Broadcast& b);
std::array<std::uint8_t, kAntwortBytes> antwortSchreiben(const Antwort& a);
Antwort antwortLesen(const std::uint8_t* q);

// "EtherDream 00:04:a3:12:34:56", the identity that survives restarts.
std::string kennung(const std::array<std::uint8_t, 6>& mac);

// Commands.
std::vector<std::uint8_t> vorbereiten();                 // 'p'
std::vector<std::uint8_t> beginnen(std::uint32_t rate);  // 'b', low water 0
std::vector<std::uint8_t> rateEinreihen(std::uint32_t rate); // 'q'
std::vector<std::uint8_t> anhalten();                    // 's'
std::vector<std::uint8_t> ping();                        // '?'
// 'd' with its count, then the points appended by punktAnhaengen.
void datenKopf(std::vector<std::uint8_t>& z, std::uint16_t anzahl);
void punktAnhaengen(std::vector<std::uint8_t>& z, const Punkt& p);
void punktSchreiben(const Punkt& p, std::uint8_t* z);
Punkt punktLesen(const std::uint8_t* q);

// The pipeline's point (0 to 65535, centre 32767; colours 0 to 255) as a DAC point: signed
// coordinates around the centre, colours spread over 16 bits; and back.
Punkt ausAusgabepunkt(const Ausgabepunkt& p);
Ausgabepunkt zuAusgabepunkt(const Punkt& p);
inline bool dunkel(const Punkt& p) { return p.r == 0 && p.g == 0 && p.b == 0 && p.i == 0; }

} // namespace sw::etherdream
