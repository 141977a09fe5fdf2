#pragma once
// The ILDA Image Data Transfer Format: sections of a header and records, big-endian.
//   Formats 0, 1, 2, 4, 5: 32-byte header ("ILDA", three zero bytes, the format code, frame
//   name and company name of 8 characters each, record count, frame or palette number, total
//   frames, projector number, a reserved byte), then the records.
//   Format 3 (true-colour table): 16-byte header ("ILDA", three zero bytes, the code 3, a
//   32-bit length of what follows it, a 32-bit entry count), then 3-byte entries.
// This file holds the layouts; reading and writing figures is IldaImport and IldaExport.

#include "platform/Binaer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sw::ilda {

inline constexpr std::size_t kKopf = 32;
inline constexpr std::size_t kKopfFormat3 = 16;
inline constexpr std::uint8_t kStatusDunkel = 64;
inline constexpr std::uint8_t kStatusLetzter = 128;
// The identification text of every header we write: frame name and company name.
inline constexpr std::string_view kKennung = "StrahlwkStrahlwk";

// Bytes of one record of a format; 0 for unknown formats.
std::size_t recordGroesse(int format);
bool istBild(int format); // 0, 1, 4, 5

struct Kopf {
    int format = 0;
    std::string name;  // frame or palette name (formats other than 3)
    std::string firma; // company name
    std::uint32_t records = 0;
    int nummer = 0;             // frame or palette number
    int gesamt = 0;             // total frames
    std::size_t laenge = kKopf; // bytes of the header itself
};

// Reads the header at the reader's position. Throws Formatfehler when the bytes do not start
// with "ILDA" or the header is cut off.
Kopf kopfLesen(BinaerLeser& l);

// Every section of a file: its header. Throws Formatfehler for a file that is not a valid
// sequence of sections (a wrong signature, a section that ends past the file's end).
std::vector<Kopf> abschnitteLesen(std::string_view bytes);

void kopfSchreiben(BinaerSchreiber& s, int format, std::uint16_t records, std::uint16_t nummer,
                   std::uint16_t gesamt);
void kopfFormat3Schreiben(BinaerSchreiber& s, std::uint32_t eintraege);

} // namespace sw::ilda
