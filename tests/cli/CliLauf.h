#pragma once
// Runs the built command-line program and collects what it prints; shared by the CLI tests.
#include "TestHilfe.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace sw::test {

struct Lauf {
    int code;
    std::string aus;
    std::string fehler;
};

// `umgebung` sets environment variables for the run; `vorsatz` runs the program under another
// (xvfb-run).
inline Lauf cli(const Kratzordner& tmp, const std::string& argumente,
                const std::string& umgebung = "", const std::string& vorsatz = "") {
    auto fehlerDatei = tmp / "stderr.txt";
    // A run that hangs fails after a while instead of holding up the tests.
    std::string befehl = "timeout 60 " + (umgebung.empty() ? "" : "env " + umgebung + " ") +
                         (vorsatz.empty() ? "" : vorsatz + " ") + std::string(STRAHLWERK_CLI) +
                         " " + argumente + " 2>'" + fehlerDatei.string() + "'";
    Lauf lauf;
    FILE* p = popen(befehl.c_str(), "r");
    std::array<char, 4096> puffer;
    std::size_t n;
    while ((n = fread(puffer.data(), 1, puffer.size(), p)) > 0) lauf.aus.append(puffer.data(), n);
    int status = pclose(p);
    lauf.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    lauf.fehler = leseDatei(fehlerDatei);
    return lauf;
}

// A refused run: exit code 1 and a message that says why.
inline ::testing::AssertionResult scheitert(const Lauf& lauf, const std::string& grund) {
    if (lauf.code == 1 && lauf.fehler.find(grund) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "exit " << lauf.code << ", stderr: " << lauf.fehler << " (expected: " << grund << ")";
}

inline std::string q(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

} // namespace sw::test
