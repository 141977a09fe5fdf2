#pragma once
// Private-profile files (INI) with the Windows behaviour the program relies on:
// - sections and keys are found case-insensitively (ASCII), blanks around names ignored;
//   a new section or key is written with its name trimmed;
// - a value is read with blanks around it removed and one pair of enclosing quotes stripped;
// - writing an existing key updates its line in place; a new key goes after the last
//   non-blank line of its section; a new section is appended at the end of the file;
// - every other line (comments, unknown keys, lines that are not key=value) is kept;
// - the first of several equal sections or keys is the one that counts.
// The file holds Windows-1252 text with CR LF; names and values are UTF-8 in memory. Every
// write replaces the file atomically. Parsed files are cached and re-read when they change
// on disk.
// A file can be held in memory: reads and writes then use the held lines only, the disk is
// neither read nor written until `zurueckschreiben`. A save of many keys writes the file once
// that way, and an import reads a text that never came from (or goes back to) a file.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

class IniDatei {
public:
    // The stored value (at most maxZeichen characters), or nullopt when the file, the section
    // or the key does not exist.
    std::optional<std::string> lesen(const std::filesystem::path& datei,
                                     const std::string& abschnitt, const std::string& schluessel,
                                     std::size_t maxZeichen = std::string::npos);
    // Laufzeitfehler 75 when the file cannot be written; the file is then unchanged.
    void schreiben(const std::filesystem::path& datei, const std::string& abschnitt,
                   const std::string& schluessel, const std::string& wert);
    void abschnittLoeschen(const std::filesystem::path& datei, const std::string& abschnitt);

    // Holds the file in memory, with its lines as on disk now (none when it does not exist).
    void festhalten(const std::filesystem::path& datei);
    // Holds the text under the name instead of a file.
    void vorgeben(const std::filesystem::path& name, std::string_view inhalt);
    // Writes a held file to disk once (atomically) and ends the holding; Laufzeitfehler 75 when
    // it cannot be written, the file on disk is then unchanged.
    void zurueckschreiben(const std::filesystem::path& datei);
    // Ends the holding without writing; the next read looks at the disk again.
    void freigeben(const std::filesystem::path& datei);

    // Lines that are neither blank, a comment, a section header nor key=value, as read from
    // the file last loaded (for the report of a damaged settings file).
    std::vector<std::string> unlesbareZeilen(const std::filesystem::path& datei);

private:
    struct Stand {
        std::filesystem::file_time_type zeit{};
        std::uintmax_t groesse = 0;
        bool vorhanden = false;
        bool gehalten = false;           // in memory only: see festhalten
        std::vector<std::string> zeilen; // raw Windows-1252, without line ends
    };
    Stand& laden(const std::filesystem::path& datei);
    void speichern(const std::filesystem::path& datei, Stand& stand);

    std::map<std::filesystem::path, Stand> cache_;
};

} // namespace sw
