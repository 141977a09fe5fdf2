#pragma once
// The program log: progress lines of the elapsed whole seconds since start, 19 blanks and a
// text; separators of 52 asterisks; trace lines written as given. Until the log is opened,
// lines go nowhere. Text is written as Windows-1252 with CR LF, each line flushed at once so
// that the log survives a crash.

#include "platform/Uhr.h"

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace sw {

class Protokoll {
public:
    explicit Protokoll(Uhr& uhr);
    ~Protokoll();
    Protokoll(const Protokoll&) = delete;
    Protokoll& operator=(const Protokoll&) = delete;

    // Opens (overwrites) the log file and starts the timer of its lines; false on failure.
    bool oeffnen(const std::filesystem::path& datei);
    void schliessen();
    bool offen() const { return datei_ != nullptr; }

    // Whole seconds since the log was opened.
    long sekunden() const;

    void zeile(std::string_view text);
    void roh(std::string_view text);
    void trenner();
    // "Fehler # " + number + text, as a progress line.
    void fehler(int nummer, std::string_view text);

private:
    Uhr& uhr_;
    std::FILE* datei_ = nullptr;
    double start_ = 0;
};

} // namespace sw
