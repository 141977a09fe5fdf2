#include "platform/Datei.h"

#include "platform/Fehler.h"
#include "platform/Speicherblock.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kPuffer = 1 << 16;
constexpr auto kVerwaistNach = std::chrono::minutes(1);

[[noreturn]] void zugriffsfehler(const std::string& grund) {
    throw Laufzeitfehler(fehlernummer::Dateizugriff, grund);
}

// The file a save of `datei` writes: symbolic links followed to their (possibly missing)
// target.
fs::path zielAufloesen(const fs::path& datei) {
    fs::path p = datei;
    for (int schritt = 0; schritt < 40; ++schritt) {
        std::error_code ec;
        if (!fs::is_symlink(p, ec)) return p;
        fs::path link = fs::read_symlink(p, ec);
        if (ec) zugriffsfehler("the link cannot be read (" + ec.message() + ")");
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    zugriffsfehler("too many levels of symbolic links");
}

const char* kTempMarke = ".tmp-";

// "<pid>-<number>" after the target's name and the marker: the pid, or -1 when the rest of the
// name is not of that form.
long tempPid(std::string_view rest) {
    const auto strich = rest.find('-');
    if (strich == 0 || strich == std::string_view::npos || strich + 1 == rest.size()) return -1;
    long pid = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (i == strich) continue;
        if (c < '0' || c > '9') return -1;
        if (i < strich) {
            if (pid > 99999999) return -1;
            pid = pid * 10 + (c - '0');
        }
    }
    return pid;
}

// Removes temporary files of saves of this target that were killed: our name pattern, more
// than a minute without a write, and their process gone.
void verwaisteEntfernen(const fs::path& ziel) {
    const fs::path ordner = ziel.parent_path().empty() ? fs::path(".") : ziel.parent_path();
    const std::string praefix = ziel.filename().string() + kTempMarke;
    const auto grenze = fs::file_time_type::clock::now() - kVerwaistNach;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= praefix.size() || name.compare(0, praefix.size(), praefix) != 0)
            continue;
        const long pid = tempPid(std::string_view(name).substr(praefix.size()));
        if (pid <= 0) continue;
        std::error_code e2;
        if (!it->is_regular_file(e2) || it->last_write_time(e2) > grenze || e2) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        fs::remove(it->path(), e2);
    }
}

} // namespace

std::string dateiFehlerGrund(int nummer) {
    switch (nummer) {
    case ENOSPC:
        return "the disk is full";
    case EDQUOT:
        return "the disk quota is used up";
    case EROFS:
        return "the file system is read-only";
    case EACCES:
    case EPERM:
        return "permission denied";
    case ENOENT:
    case ENOTDIR:
        return "the folder does not exist";
    case EISDIR:
        return "it is a folder";
    default:
        return std::strerror(nummer);
    }
}

std::string dateiLesen(const fs::path& datei) {
    return std::string(dateiBlockLesen(datei).ansicht());
}

void atomarSchreiben(const fs::path& datei, std::string_view bytes) {
    AtomareDatei f;
    f.oeffnen(datei);
    f.schreiben(bytes);
    f.abschliessen();
}

AtomareDatei::~AtomareDatei() {
    verwerfen();
}

void AtomareDatei::oeffnen(const fs::path& ziel) {
    verwerfen();
    ziel_ = zielAufloesen(ziel);
    fehler_ = 0;
    groesse_ = 0;
    puffer_.clear();
    struct stat alt {};
    const bool vorhanden = ::stat(ziel_.c_str(), &alt) == 0;
    if (vorhanden && S_ISDIR(alt.st_mode)) zugriffsfehler("it is a folder");
    if (vorhanden && !S_ISREG(alt.st_mode)) zugriffsfehler("it is not a regular file");
    verwaisteEntfernen(ziel_);

    static thread_local std::mt19937_64 zufall{std::random_device{}()};
    for (int versuch = 0; fd_ < 0; ++versuch) {
        temp_ = ziel_;
        temp_ += kTempMarke + std::to_string(::getpid()) + "-" + std::to_string(zufall() % 1000000);
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || versuch >= 10)) {
            const int nummer = errno;
            temp_.clear();
            zugriffsfehler(dateiFehlerGrund(nummer));
        }
    }
    if (vorhanden) {
        // The replacement keeps the permissions (and, where allowed, the owner) of the file.
        if (::fchmod(fd_, alt.st_mode & 07777) != 0) fehler_ = errno;
        [[maybe_unused]] int ignoriert = ::fchown(fd_, alt.st_uid, alt.st_gid);
    }
    puffer_.reserve(kPuffer);
}

void AtomareDatei::puffernLeeren() {
    direktSchreiben(puffer_);
    puffer_.clear();
}

void AtomareDatei::direktSchreiben(std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t rest = bytes.size();
    while (rest > 0 && fehler_ == 0) {
        const ssize_t n = ::write(fd_, p, rest);
        if (n < 0) {
            if (errno != EINTR) fehler_ = errno;
            continue;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
}

void AtomareDatei::schreiben(std::string_view bytes) {
    if (fd_ < 0 || fehler_ != 0) return;
    groesse_ += bytes.size();
    if (puffer_.size() + bytes.size() > kPuffer) puffernLeeren();
    if (bytes.size() >= kPuffer) {
        direktSchreiben(bytes); // a large piece goes out as it is, without a copy
    } else {
        puffer_.append(bytes);
    }
}

void AtomareDatei::schreibenBei(std::uint64_t offset, std::string_view bytes) {
    if (fd_ < 0 || fehler_ != 0) return;
    puffernLeeren();
    const char* p = bytes.data();
    std::size_t rest = bytes.size();
    auto o = static_cast<off_t>(offset);
    while (rest > 0 && fehler_ == 0) {
        const ssize_t n = ::pwrite(fd_, p, rest, o);
        if (n < 0) {
            if (errno != EINTR) fehler_ = errno;
            continue;
        }
        p += n;
        o += n;
        rest -= static_cast<std::size_t>(n);
    }
}

std::string AtomareDatei::grund() const {
    return fehler_ == 0 ? std::string() : dateiFehlerGrund(fehler_);
}

void AtomareDatei::abschliessen() {
    if (fd_ < 0) zugriffsfehler("the file is not open");
    puffernLeeren();
    if (fehler_ == 0 && ::fsync(fd_) != 0) fehler_ = errno;
    if (::close(fd_) != 0 && fehler_ == 0) fehler_ = errno;
    fd_ = -1;
    if (fehler_ == 0 && std::rename(temp_.c_str(), ziel_.c_str()) != 0) fehler_ = errno;
    if (fehler_ != 0) {
        const std::string text = grund();
        std::remove(temp_.c_str());
        temp_.clear();
        zugriffsfehler(text);
    }
    temp_.clear();
    // The rename itself reaches the disk with the folder.
    const fs::path ordner = ziel_.parent_path().empty() ? fs::path(".") : ziel_.parent_path();
    const int dir = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void AtomareDatei::verwerfen() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) std::remove(temp_.c_str());
    temp_.clear();
    puffer_.clear();
}

} // namespace sw
