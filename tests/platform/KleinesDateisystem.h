#pragma once
// A small file system for tests of full disks and read-only folders: a tmpfs of the given
// size mounted on a folder. Only root may mount; elsewhere `bereit()` is false and the test
// skips. Root ignores permission bits, so a read-only folder is this tmpfs remounted read-only.

#include <algorithm>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace sw::test {

class KleinesDateisystem {
public:
    explicit KleinesDateisystem(const std::filesystem::path& ordner,
                                const std::string& groesse = "64k")
        : ordner_(ordner) {
        std::filesystem::create_directories(ordner);
        if (::geteuid() != 0) return;
        const std::string optionen = "size=" + groesse;
        bereit_ = ::mount("tmpfs", ordner.c_str(), "tmpfs", 0, optionen.c_str()) == 0;
    }
    ~KleinesDateisystem() {
        if (bereit_) ::umount2(ordner_.c_str(), MNT_DETACH);
    }
    KleinesDateisystem(const KleinesDateisystem&) = delete;
    KleinesDateisystem& operator=(const KleinesDateisystem&) = delete;

    bool bereit() const { return bereit_; }
    const std::filesystem::path& ordner() const { return ordner_; }
    std::filesystem::path operator/(const std::string& name) const { return ordner_ / name; }
    // Makes it read-only; false when that is not possible.
    bool nurLesen() {
        return ::mount(nullptr, ordner_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // The names of its files.
    std::vector<std::string> namen() const {
        std::vector<std::string> aus;
        for (const auto& e : std::filesystem::directory_iterator(ordner_))
            aus.push_back(e.path().filename().string());
        std::sort(aus.begin(), aus.end());
        return aus;
    }

private:
    std::filesystem::path ordner_;
    bool bereit_ = false;
};

} // namespace sw::test

#define SW_KLEINES_DATEISYSTEM_ODER_UEBERSPRINGEN(fs)                                              \
    if (!(fs).bereit()) GTEST_SKIP() << "needs root to mount a small tmpfs"
