#include "platform/Datei.h"

#include "platform/Fehler.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace sw {

namespace fs = std::filesystem;

std::string dateiLesen(const fs::path& datei) {
    std::error_code ec;
    if (!fs::is_regular_file(datei, ec))
        throw Laufzeitfehler(fs::exists(datei, ec) ? fehlernummer::Dateizugriff
                                                   : fehlernummer::DateiNichtGefunden);
    std::FILE* f = std::fopen(datei.c_str(), "rb");
    if (!f) throw Laufzeitfehler(fehlernummer::Dateizugriff, std::strerror(errno));
    std::string inhalt;
    char puffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0) inhalt.append(puffer, n);
    bool fehler = std::ferror(f);
    std::fclose(f);
    if (fehler) throw Laufzeitfehler(fehlernummer::Dateizugriff, "read error");
    return inhalt;
}

void atomarSchreiben(const fs::path& datei, std::string_view bytes) {
    static thread_local std::mt19937_64 zufall{std::random_device{}()};
    fs::path temp = datei;
    temp += ".tmp" + std::to_string(zufall() % 1000000);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw Laufzeitfehler(fehlernummer::Dateizugriff, std::strerror(errno));
    const char* p = bytes.data();
    std::size_t rest = bytes.size();
    bool ok = true;
    int fehler = 0;
    while (rest > 0) {
        ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            fehler = errno;
            break;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false, fehler = errno;
    if (::close(fd) != 0 && ok) ok = false, fehler = errno;
    if (ok && std::rename(temp.c_str(), datei.c_str()) != 0) ok = false, fehler = errno;
    if (!ok) {
        std::remove(temp.c_str());
        throw Laufzeitfehler(fehlernummer::Dateizugriff, std::strerror(fehler));
    }
}

} // namespace sw
