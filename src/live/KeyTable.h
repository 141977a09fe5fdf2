#pragma once
// The key table (key index -> what the key shows) with its file "Key.ord", and the two maps
// from MIDI notes and DMX values to key codes with their files "Midi2Tasten.Mapping" and
// "DMX2Tasten.Mapping". All three belong to the figure folder and are read again when it
// changes.
//
// Key index = page x 250 + key code, pages 0 to 12. A table entry is empty (the key does
// nothing), a figure-list index >= 1, -1 (blackout) or below -1 (the special entry
// lstMakros(-value)).

#include "core/FigurenSpeicher.h"
#include "platform/Umgebung.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr int kLiveSeiten = 13;     // page 0 and the F-key pages 1 to 12
inline constexpr int kTastenJeSeite = 250; // key codes below 250
inline constexpr int kKeyTableGroesse = kLiveSeiten * kTastenJeSeite; // key indices 0 to 3249
inline constexpr int kMidiNoten = 128;
inline constexpr int kDmxWerte = 256;

using KeyTable = std::vector<std::optional<long>>;

inline int tastenIndex(int seite, int tastencode) {
    return seite * kTastenJeSeite + tastencode;
}

// Midi2Tasten and DMX2Tasten: entry (note or value, page) = key code, the page varying
// fastest; 0 = no key.
struct TastenMaps {
    std::array<std::uint8_t, kMidiNoten * kLiveSeiten> Midi2Tasten{};
    std::array<std::uint8_t, kDmxWerte * kLiveSeiten> DMX2Tasten{};

    std::uint8_t& midi(int note, int seite) {
        return Midi2Tasten[static_cast<std::size_t>(note * kLiveSeiten + seite)];
    }
    std::uint8_t& dmx(int wert, int seite) {
        return DMX2Tasten[static_cast<std::size_t>(wert * kLiveSeiten + seite)];
    }
};

inline constexpr const char* kKeyOrdDatei = "Key.ord";
inline constexpr const char* kMidiMappingDatei = "Midi2Tasten.Mapping";
inline constexpr const char* kDmxMappingDatei = "DMX2Tasten.Mapping";
inline constexpr const char* kLeererEintrag = "####";

// The lines of "Key.ord" for the table: "####" for empty, 0 and -1 entries, else the caption of
// the list entry (lstFiguren for figures and showparts, lstMakros for entries below -1); an
// index whose entry is missing from the list is written as "####" too.
std::vector<std::string> keyOrdZeilen(const KeyTable& t, const FigurenSpeicher& s);
// The table from the lines, names looked up in the figure list as it is now: a name not in
// the list leaves its key empty.
KeyTable keyOrdLesen(const std::vector<std::string>& zeilen, const FigurenSpeicher& s);
// The text lines of a file (CR LF or LF, Windows-1252 to UTF-8).
std::vector<std::string> textzeilen(std::string_view bytes);

// cmdSaveKeyList_Click: writes "Key.ord" of the folder atomically. A failure is reported with
// error 75 and the file name; returns whether it was written.
bool cmdSaveKeyList_Click(const KeyTable& t, const FigurenSpeicher& s, Umgebung& env,
                          const std::filesystem::path& ordner);

// The raw map bytes; reading throws Formatfehler when the size does not fit.
std::string midiMapKodieren(const TastenMaps& m);
std::string dmxMapKodieren(const TastenMaps& m);
void midiMapDekodieren(std::string_view bytes, TastenMaps& m);
void dmxMapDekodieren(std::string_view bytes, TastenMaps& m);

// midi2Taste_speichern / DMX2Taste_speichern: the map into the folder, atomically.
bool midi2Taste_speichern(const TastenMaps& m, Umgebung& env, const std::filesystem::path& ordner);
bool DMX2Taste_speichern(const TastenMaps& m, Umgebung& env, const std::filesystem::path& ordner);

// Reads the folder's "Key.ord" and both mapping files. A missing file empties its table; a
// mapping file of the wrong size is refused with a message and the map in memory kept.
void tastenbelegungLesen(KeyTable& t, TastenMaps& m, const FigurenSpeicher& s, Umgebung& env,
                         const std::filesystem::path& ordner);

// The DMX macro key list "DMX.ord": one line per key index, the macro number or "####".
inline constexpr const char* kDmxOrdDatei = "DMX.ord";
bool dmxOrdSpeichern(const std::vector<std::optional<long>>& makros, Umgebung& env,
                     const std::filesystem::path& ordner);
std::vector<std::optional<long>> dmxOrdLesen(const std::vector<std::string>& zeilen);

} // namespace sw
