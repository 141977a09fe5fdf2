#pragma once
// Shared helpers of the tests: a scratch folder per test, the engine's services with a test
// clock and scripted dialogs, and small file helpers.

#include "TestUmgebung.h"
#include "platform/Umgebung.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace sw::test {

// A fresh folder under the system's temporary folder, removed at the end of the test.
class Kratzordner {
public:
    Kratzordner() {
        std::random_device r;
        pfad_ = std::filesystem::temp_directory_path() /
                ("strahlwerk-test-" + std::to_string(r()) + std::to_string(r()));
        std::filesystem::create_directories(pfad_);
    }
    ~Kratzordner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad_, ec);
    }
    const std::filesystem::path& pfad() const { return pfad_; }
    std::filesystem::path operator/(const std::string& name) const { return pfad_ / name; }

private:
    std::filesystem::path pfad_;
};

inline void schreibeDatei(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream f(p, std::ios::binary);
    f << bytes;
}

inline std::string leseDatei(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline std::string hex(const std::string& bytes, std::size_t anzahl) {
    std::string aus;
    char puffer[4];
    for (std::size_t i = 0; i < std::min(anzahl, bytes.size()); ++i) {
        std::snprintf(puffer, sizeof puffer, "%02X", static_cast<unsigned char>(bytes[i]));
        if (i) aus += ' ';
        aus += puffer;
    }
    return aus;
}

// How often `teil` occurs in `text`.
inline std::size_t vorkommen(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (auto p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1)) ++n;
    return n;
}

// Polls a condition in real time, for tests with threads; true once it holds.
template <typename F> bool warteBis(F&& bedingung, double sekunden) {
    const auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    while (std::chrono::steady_clock::now() < ende) {
        if (bedingung()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return bedingung();
}

} // namespace sw::test
