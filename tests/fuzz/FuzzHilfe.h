#pragma once
// Shared helpers of the fuzz targets: a scratch folder per process for the readers that only
// work on files, the engine's services with a test clock and scripted dialogs, and the check
// that turns a broken invariant into a crash libFuzzer reports.

#include "TestUmgebung.h"
#include "platform/Umgebung.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace sw::fuzz {

inline void pruefen(bool bedingung, const char* was) {
    if (bedingung) return;
    std::fprintf(stderr, "invariant broken: %s\n", was);
    std::abort();
}

inline std::string_view text(const std::uint8_t* daten, std::size_t groesse) {
    return {reinterpret_cast<const char*>(daten), groesse};
}

// A folder of its own for this process, in memory where the machine has /dev/shm: the file
// writers flush to disk, which would otherwise slow every input down to the disk's pace.
class Ordner {
public:
    explicit Ordner(const std::string& name) {
        std::error_code ec;
        std::filesystem::path basis = "/dev/shm";
        if (!std::filesystem::is_directory(basis, ec) || ::access(basis.c_str(), W_OK) != 0)
            basis = std::filesystem::temp_directory_path();
        pfad_ = basis / ("strahlwerk-fuzz-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(pfad_);
    }
    ~Ordner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad_, ec);
    }
    Ordner(const Ordner&) = delete;
    Ordner& operator=(const Ordner&) = delete;
    const std::filesystem::path& pfad() const { return pfad_; }

private:
    std::filesystem::path pfad_;
};

using test::TestUmgebung;

} // namespace sw::fuzz
