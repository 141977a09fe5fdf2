#pragma once
// Plays the demo's lettering through `strahlwerk-cli play --dump` and reads back the points of
// the first dumped cycle, for the CLI tests that look at what a device gets.

#include "TestHilfe.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace sw::test {

struct Punkt6 {
    double X, Y, R, G, B, I;
    bool hell() const { return R != 0 || G != 0 || B != 0 || I != 0; }
    bool operator==(const Punkt6&) const = default;
};

inline std::string q(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

// Runs `play` on the lettering with the extra options; without `code` the run must succeed,
// with it the exit code is returned there.
inline std::vector<Punkt6> spielen(const Kratzordner& tmp, const std::string& zusatz,
                                   int* code = nullptr) {
    const auto dump = tmp / "out.jsonl";
    std::filesystem::remove(dump);
    const std::string befehl = std::string(STRAHLWERK_CLI) + " play '" + STRAHLWERK_DATA_DIR +
                               "/Demo/Schrift_LASER.qvb' --dump " + q(dump) + " " + zusatz +
                               " >/dev/null 2>" + q(tmp / "fehler.txt");
    const int status = std::system(befehl.c_str());
    if (code) {
        *code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    } else {
        EXPECT_EQ(status, 0) << befehl << leseDatei(tmp / "fehler.txt");
    }
    std::vector<Punkt6> punkte;
    const std::string zeile = leseDatei(dump);
    if (!code) {
        EXPECT_NE(zeile.find("\"device\":0"), std::string::npos);
    }
    const auto beginn = zeile.find("\"points\":[");
    if (beginn == std::string::npos) return punkte;
    const char* z = zeile.c_str() + beginn + 10;
    while (*z == '[' || *z == ',') {
        if (*z == ',') ++z;
        ++z; // '['
        double w[6];
        for (double& v : w) {
            char* ende;
            v = std::strtod(z, &ende);
            z = ende + 1; // ',' or ']'
        }
        punkte.push_back({w[0], w[1], w[2], w[3], w[4], w[5]});
    }
    return punkte;
}

} // namespace sw::test
