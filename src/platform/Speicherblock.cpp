#include "platform/Speicherblock.h"

#include "platform/Fehler.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace sw {

namespace {

constexpr std::size_t kGrossSeite = std::size_t{2} << 20;

} // namespace

Speicherblock::Speicherblock(std::size_t groesse) : groesse_(groesse) {
    if (groesse == 0) return;
    // A large block starts on a large-page boundary, so that all of it can be given large pages.
    const bool gross = groesse >= 2 * kGrossSeite;
    abbildGroesse_ = groesse + (gross ? kGrossSeite : 0);
    abbild_ = ::mmap(nullptr, abbildGroesse_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                     -1, 0);
    if (abbild_ == MAP_FAILED) {
        abbild_ = nullptr;
        throw std::bad_alloc();
    }
    auto anfang = reinterpret_cast<std::uintptr_t>(abbild_);
    if (gross) {
        anfang = (anfang + kGrossSeite - 1) & ~(kGrossSeite - 1);
        ::madvise(reinterpret_cast<void*>(anfang), groesse, MADV_HUGEPAGE); // a wish only
    }
    daten_ = reinterpret_cast<char*>(anfang);
}

Speicherblock::~Speicherblock() {
    freigeben();
}

Speicherblock::Speicherblock(Speicherblock&& anderer) noexcept {
    *this = std::move(anderer);
}

Speicherblock& Speicherblock::operator=(Speicherblock&& anderer) noexcept {
    if (this != &anderer) {
        freigeben();
        daten_ = std::exchange(anderer.daten_, nullptr);
        groesse_ = std::exchange(anderer.groesse_, 0);
        abbild_ = std::exchange(anderer.abbild_, nullptr);
        abbildGroesse_ = std::exchange(anderer.abbildGroesse_, 0);
    }
    return *this;
}

void Speicherblock::kuerzen(std::size_t n) {
    if (n < groesse_) groesse_ = n;
}

void Speicherblock::freigeben() {
    if (abbild_) ::munmap(abbild_, abbildGroesse_);
    abbild_ = nullptr;
    daten_ = nullptr;
    groesse_ = abbildGroesse_ = 0;
}

Speicherblock dateiBlockLesen(const std::filesystem::path& datei) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec))
        throw Laufzeitfehler(std::filesystem::exists(datei, ec) ? fehlernummer::Dateizugriff
                                                                : fehlernummer::DateiNichtGefunden);
    const int fd = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw Laufzeitfehler(fehlernummer::Dateizugriff, std::strerror(errno));
    struct stat st {};
    const std::size_t laenge =
        ::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    // One byte more than the file's length shows at once whether it grew meanwhile.
    Speicherblock block(laenge + 1);
    std::size_t gelesen = 0;
    bool fehler = false;
    for (;;) {
        if (gelesen == block.groesse()) { // grew (or its length was not known): a larger block
            Speicherblock groesser(2 * block.groesse() + (1 << 16));
            std::memcpy(groesser.daten(), block.daten(), gelesen);
            block = std::move(groesser);
        }
        const ssize_t n = ::read(fd, block.daten() + gelesen, block.groesse() - gelesen);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            fehler = n < 0;
            break;
        }
        gelesen += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (fehler) throw Laufzeitfehler(fehlernummer::Dateizugriff, "read error");
    block.kuerzen(gelesen);
    return block;
}

} // namespace sw
