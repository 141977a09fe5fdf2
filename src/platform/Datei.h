#pragma once
// Whole-file reading and atomic writing: a file is written beside its target under a
// temporary name and renamed over it, so a crash or a full disk never destroys the previous
// version.
//
// What a save replaces:
// - a symbolic link is followed: its target is written (the link stays a link);
// - an existing target keeps its permission bits (and, where allowed, its owner);
// - anything that is not a regular file (a folder, a device, a pipe) is refused.
// Temporary files are named "<target name>.tmp-<pid>-<number>". One left behind by a save
// that was killed is removed by the next save of the same target once it is more than a
// minute old and its process no longer runs; a file another save is writing is never older
// than that, because every write touches it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace sw {

// The whole file; Laufzeitfehler 53 when it does not exist, 75 when it cannot be read.
std::string dateiLesen(const std::filesystem::path& datei);

// Writes the bytes to a temporary file in the same folder, flushes it to disk and renames
// it over the target. Laufzeitfehler 75 on failure, with an English reason ("the disk is
// full"); the target is then unchanged and no temporary file is left.
void atomarSchreiben(const std::filesystem::path& datei, std::string_view bytes);

// A file written piece by piece and put in place only when it is complete: the pieces go to
// the temporary file, `abschliessen` flushes, closes and renames it over the target. The
// first failure is kept (later writes are skipped) and reported by `abschliessen`; a file
// destroyed before `abschliessen` removes its temporary file and leaves the target as it was.
class AtomareDatei {
public:
    AtomareDatei() = default;
    ~AtomareDatei();
    AtomareDatei(const AtomareDatei&) = delete;
    AtomareDatei& operator=(const AtomareDatei&) = delete;

    // Creates the temporary file for the target; Laufzeitfehler 75 when it cannot.
    void oeffnen(const std::filesystem::path& ziel);
    bool offen() const { return fd_ >= 0; }
    // Appends at the end.
    void schreiben(std::string_view bytes);
    // Overwrites bytes already written, at the offset from the file's start.
    void schreibenBei(std::uint64_t offset, std::string_view bytes);
    std::uint64_t groesse() const { return groesse_; }
    // Whether a write failed; the reason is `grund()`.
    bool fehlerhaft() const { return fehler_ != 0; }
    std::string grund() const;
    // Puts the file in place; Laufzeitfehler 75 (with the reason) when anything failed.
    void abschliessen();
    // Drops the temporary file; the target stays as it was.
    void verwerfen();

private:
    void puffernLeeren();
    void direktSchreiben(std::string_view bytes);

    int fd_ = -1;
    int fehler_ = 0; // errno of the first failure
    std::filesystem::path ziel_, temp_;
    std::string puffer_;
    std::uint64_t groesse_ = 0;
};

// The English reason for an errno of a file operation ("the disk is full").
std::string dateiFehlerGrund(int fehlernummer);

} // namespace sw
