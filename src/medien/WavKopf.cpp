#include "medien/WavKopf.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>

namespace sw {

namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t i) {
    return std::uint32_t(b[i]) | std::uint32_t(b[i + 1]) << 8 | std::uint32_t(b[i + 2]) << 16 |
           std::uint32_t(b[i + 3]) << 24;
}
std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t i) {
    return static_cast<std::uint16_t>(b[i] | b[i + 1] << 8);
}
std::string kennung(const std::vector<std::uint8_t>& b, std::size_t i) {
    std::string s;
    for (std::size_t k = i; k < i + 4 && k < b.size(); ++k)
        s += static_cast<char>(std::tolower(b[k]));
    return s;
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

} // namespace

int Read_Wave_Header(const std::vector<std::uint8_t>& b, WavKopf& kopf, std::string& fehler) {
    kopf = {};
    fehler.clear();
    if (b.size() < 12 || kennung(b, 0) != "riff") {
        fehler = std::string(kWavRiffTyp) + kennung(b, 0);
        return -1;
    }
    if (kennung(b, 8) != "wave") {
        fehler = std::string(kWavRiffTyp) + kennung(b, 8);
        return -1;
    }
    bool fmt = false, daten = false;
    long faktWerte = -1;
    std::size_t i = 12;
    while (i + 8 <= b.size()) {
        const std::string name = kennung(b, i);
        const std::size_t laenge = u32(b, i + 4);
        const std::size_t inhalt = i + 8;
        if (name == "fmt ") {
            if (laenge != 16 && laenge != 18 && laenge != 20 && laenge != 50) {
                fehler = kWavFmtLaenge;
                return -1;
            }
            if (inhalt + 16 > b.size()) break;
            kopf.formatKennung = u16(b, inhalt);
            kopf.kanaele = u16(b, inhalt + 2);
            kopf.abtastrate = static_cast<long>(u32(b, inhalt + 4));
            kopf.blockGroesse = u16(b, inhalt + 12);
            kopf.bitsProWert = u16(b, inhalt + 14);
            fmt = true;
        } else if (name == "fact") {
            if (inhalt + 4 > b.size()) break;
            faktWerte = static_cast<long>(u32(b, inhalt));
        } else if (name == "data") {
            kopf.datenAnfang = inhalt;
            kopf.datenLaenge = laenge;
            daten = true;
            break;
        }
        // Chunks are padded to an even length.
        i = inhalt + laenge + (laenge & 1);
    }
    // The samples must fit the data that is there: a truncated file, a block size of 0 or a
    // sample count beyond the data is refused.
    if (!fmt || !daten || kopf.blockGroesse <= 0 || kopf.kanaele <= 0 ||
        kopf.datenAnfang + kopf.datenLaenge > b.size()) {
        fehler = kWavSampleLaenge;
        return -1;
    }
    kopf.abtastwerte =
        static_cast<long>(kopf.datenLaenge / static_cast<std::size_t>(kopf.blockGroesse));
    if (faktWerte > kopf.abtastwerte && kopf.formatKennung == 1) {
        fehler = kWavSampleLaenge;
        return -1;
    }
    return 0;
}

bool wavDateiLesen(const std::filesystem::path& datei, std::vector<std::uint8_t>& bytes,
                   std::string& fehler) {
    std::ifstream f(datei, std::ios::binary);
    if (!f) {
        fehler = kWavFehlt;
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return true;
}

double wavWert(const std::vector<std::uint8_t>& b, const WavKopf& k, long index, int kanal) {
    const int bytesProWert = k.bitsProWert / 8;
    if (bytesProWert <= 0 || index < 0 || index >= k.abtastwerte) return 0;
    const std::size_t i = k.datenAnfang + static_cast<std::size_t>(index) * k.blockGroesse +
                          static_cast<std::size_t>(kanal * bytesProWert);
    if (i + bytesProWert > b.size()) return 0;
    if (k.formatKennung == 3 && bytesProWert == 4) {
        const std::uint32_t roh = u32(b, i);
        float f;
        std::memcpy(&f, &roh, 4);
        return std::clamp(static_cast<double>(f), -1.0, 1.0);
    }
    if (k.formatKennung != 1) return 0;
    if (bytesProWert == 1) return (b[i] - 128) / 128.0; // 8-bit samples are unsigned
    // Little-endian signed: the top bytes carry the value.
    std::int32_t v = 0;
    for (int n = 0; n < bytesProWert && n < 4; ++n)
        v |= std::int32_t(b[i + n]) << (8 * (n + 4 - std::min(bytesProWert, 4)));
    return v / 2147483648.0;
}

std::vector<std::uint8_t> wavSchreiben(const std::vector<std::int16_t>& werte, int kanaele,
                                       long abtastrate) {
    std::vector<std::uint8_t> b;
    const std::uint32_t daten = static_cast<std::uint32_t>(werte.size() * 2);
    b.reserve(44 + daten);
    for (char c : std::string("RIFF")) b.push_back(static_cast<std::uint8_t>(c));
    put32(b, 36 + daten);
    for (char c : std::string("WAVEfmt ")) b.push_back(static_cast<std::uint8_t>(c));
    put32(b, 16);
    put16(b, 1);
    put16(b, static_cast<std::uint16_t>(kanaele));
    put32(b, static_cast<std::uint32_t>(abtastrate));
    put32(b, static_cast<std::uint32_t>(abtastrate * kanaele * 2));
    put16(b, static_cast<std::uint16_t>(kanaele * 2));
    put16(b, 16);
    for (char c : std::string("data")) b.push_back(static_cast<std::uint8_t>(c));
    put32(b, daten);
    for (std::int16_t w : werte) put16(b, static_cast<std::uint16_t>(w));
    return b;
}

} // namespace sw
