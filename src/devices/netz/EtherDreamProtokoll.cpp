#include "devices/netz/EtherDreamProtokoll.h"

#include "devices/Punktumrechnung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sw::etherdream {

namespace {

void u16(std::uint8_t* z, std::uint16_t v) {
    z[0] = static_cast<std::uint8_t>(v);
    z[1] = static_cast<std::uint8_t>(v >> 8);
}
void u32(std::uint8_t* z, std::uint32_t v) {
    u16(z, static_cast<std::uint16_t>(v));
    u16(z + 2, static_cast<std::uint16_t>(v >> 16));
}
std::uint16_t l16(const std::uint8_t* q) {
    return static_cast<std::uint16_t>(q[0] | (q[1] << 8));
}
std::uint32_t l32(const std::uint8_t* q) {
    return l16(q) | (static_cast<std::uint32_t>(l16(q + 2)) << 16);
}
void anhaengen16(std::vector<std::uint8_t>& z, std::uint16_t v) {
    z.push_back(static_cast<std::uint8_t>(v));
    z.push_back(static_cast<std::uint8_t>(v >> 8));
}
std::vector<std::uint8_t> mitRate(char befehl, std::uint32_t rate, bool tiefWasser) {
    std::vector<std::uint8_t> z{static_cast<std::uint8_t>(befehl)};
    if (tiefWasser) anhaengen16(z, 0);
    anhaengen16(z, static_cast<std::uint16_t>(rate));
    anhaengen16(z, static_cast<std::uint16_t>(rate >> 16));
    return z;
}
// A byte spread over 16 bits: 255 becomes 65535.
std::uint16_t farbe16(double c) {
    return static_cast<std::uint16_t>(umrechnung::farbe8(c) * 257);
}

} // namespace

void statusSchreiben(const Status& s, std::uint8_t* z) {
    z[0] = s.protokoll;
    z[1] = s.lichtmaschine;
    z[2] = static_cast<std::uint8_t>(s.wiedergabe);
    z[3] = s.quelle;
    u16(z + 4, s.lichtmaschinenFlags);
    u16(z + 6, s.wiedergabeFlags);
    u16(z + 8, s.quellenFlags);
    u16(z + 10, s.pufferFuellung);
    u32(z + 12, s.punktrate);
    u32(z + 16, s.punktzahl);
}

Status statusLesen(const std::uint8_t* q) {
    Status s;
    s.protokoll = q[0];
    s.lichtmaschine = q[1];
    s.wiedergabe = static_cast<Wiedergabe>(q[2]);
    s.quelle = q[3];
    s.lichtmaschinenFlags = l16(q + 4);
    s.wiedergabeFlags = l16(q + 6);
    s.quellenFlags = l16(q + 8);
    s.pufferFuellung = l16(q + 10);
    s.punktrate = l32(q + 12);
    s.punktzahl = l32(q + 16);
    return s;
}

std::array<std::uint8_t, kBroadcastBytes> broadcastSchreiben(const Broadcast& b) {
    std::array<std::uint8_t, kBroadcastBytes> z{};
    std::copy(b.mac.begin(), b.mac.end(), z.begin());
    u16(z.data() + 6, b.hardware);
    u16(z.data() + 8, b.software);
    u16(z.data() + 10, b.pufferKapazitaet);
    u32(z.data() + 12, b.maxPunktrate);
    statusSchreiben(b.status, z.data() + 16);
    return z;
}

bool broadcastLesen(const std::uint8_t* q, std::size_t bytes, Broadcast& b) {
    if (bytes != kBroadcastBytes) return false;
    std::copy(q, q + 6, b.mac.begin());
    b.hardware = l16(q + 6);
    b.software = l16(q + 8);
    b.pufferKapazitaet = l16(q + 10);
    b.maxPunktrate = l32(q + 12);
    b.status = statusLesen(q + 16);
    return true;
}

std::array<std::uint8_t, kAntwortBytes> antwortSchreiben(const Antwort& a) {
    std::array<std::uint8_t, kAntwortBytes> z{};
    z[0] = static_cast<std::uint8_t>(a.antwort);
    z[1] = static_cast<std::uint8_t>(a.befehl);
    statusSchreiben(a.status, z.data() + 2);
    return z;
}

Antwort antwortLesen(const std::uint8_t* q) {
    Antwort a;
    a.antwort = static_cast<char>(q[0]);
    a.befehl = static_cast<char>(q[1]);
    a.status = statusLesen(q + 2);
    return a;
}

std::string kennung(const std::array<std::uint8_t, 6>& mac) {
    char text[32];
    std::snprintf(text, sizeof text, "EtherDream %02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1],
                  mac[2], mac[3], mac[4], mac[5]);
    return text;
}

std::vector<std::uint8_t> vorbereiten() {
    return {'p'};
}
std::vector<std::uint8_t> beginnen(std::uint32_t rate) {
    return mitRate('b', rate, true);
}
std::vector<std::uint8_t> rateEinreihen(std::uint32_t rate) {
    return mitRate('q', rate, false);
}
std::vector<std::uint8_t> anhalten() {
    return {'s'};
}
std::vector<std::uint8_t> ping() {
    return {'?'};
}

void datenKopf(std::vector<std::uint8_t>& z, std::uint16_t anzahl) {
    z.push_back('d');
    anhaengen16(z, anzahl);
}

void punktSchreiben(const Punkt& p, std::uint8_t* z) {
    u16(z, p.steuerung);
    u16(z + 2, static_cast<std::uint16_t>(p.x));
    u16(z + 4, static_cast<std::uint16_t>(p.y));
    u16(z + 6, p.r);
    u16(z + 8, p.g);
    u16(z + 10, p.b);
    u16(z + 12, p.i);
    u16(z + 14, p.u1);
    u16(z + 16, p.u2);
}

void punktAnhaengen(std::vector<std::uint8_t>& z, const Punkt& p) {
    const std::size_t alt = z.size();
    z.resize(alt + kPunktBytes);
    punktSchreiben(p, z.data() + alt);
}

Punkt punktLesen(const std::uint8_t* q) {
    Punkt p;
    p.steuerung = l16(q);
    p.x = static_cast<std::int16_t>(l16(q + 2));
    p.y = static_cast<std::int16_t>(l16(q + 4));
    p.r = l16(q + 6);
    p.g = l16(q + 8);
    p.b = l16(q + 10);
    p.i = l16(q + 12);
    p.u1 = l16(q + 14);
    p.u2 = l16(q + 16);
    return p;
}

Punkt ausAusgabepunkt(const Ausgabepunkt& a) {
    Punkt p;
    p.x = umrechnung::koordinateMitVorzeichen(a.X);
    p.y = umrechnung::koordinateMitVorzeichen(a.Y);
    p.r = farbe16(a.R);
    p.g = farbe16(a.G);
    p.b = farbe16(a.B);
    p.i = farbe16(a.I);
    return p;
}

Ausgabepunkt zuAusgabepunkt(const Punkt& p) {
    return {static_cast<double>(p.x) + 32767, static_cast<double>(p.y) + 32767, p.r / 257.0,
            p.g / 257.0, p.b / 257.0, p.i / 257.0};
}

} // namespace sw::etherdream
