#pragma once
// A block of memory for the bytes of a large file, taken from the system in one piece. Blocks
// of a few megabytes and more ask for large pages where the system offers them: touching
// 50 MB of fresh memory page by page cost more time than the ILDA import's parsing of it.

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace sw {

class Speicherblock {
public:
    Speicherblock() = default;
    // Uninitialised bytes; std::bad_alloc when the system has no memory for them.
    explicit Speicherblock(std::size_t groesse);
    ~Speicherblock();
    Speicherblock(Speicherblock&& anderer) noexcept;
    Speicherblock& operator=(Speicherblock&& anderer) noexcept;
    Speicherblock(const Speicherblock&) = delete;
    Speicherblock& operator=(const Speicherblock&) = delete;

    char* daten() { return daten_; }
    std::size_t groesse() const { return groesse_; }
    std::string_view ansicht() const { return {daten_, groesse_}; }
    // Uses only the first n bytes (n no more than the size).
    void kuerzen(std::size_t n);

private:
    void freigeben();

    char* daten_ = nullptr;
    std::size_t groesse_ = 0;
    void* abbild_ = nullptr; // the mapping, from before the alignment to large pages
    std::size_t abbildGroesse_ = 0;
};

// The whole file in one block, read in one piece: Laufzeitfehler 53 when it does not exist, 75
// when it cannot be read, as dateiLesen.
Speicherblock dateiBlockLesen(const std::filesystem::path& datei);

} // namespace sw
