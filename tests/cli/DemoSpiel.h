#pragma once
// Plays the demo's lettering through `strahlwerk-cli play --dump` and reads back the points of
// the first dumped cycle, for the CLI tests that look at what a device gets.

#include "CliLauf.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace sw::test {

struct Punkt6 {
    double X, Y, R, G, B, I;
    bool hell() const { return R != 0 || G != 0 || B != 0 || I != 0; }
    bool operator==(const Punkt6&) const = default;
};

inline const std::string kSchrift =
    q(std::filesystem::path(STRAHLWERK_DATA_DIR) / "Demo" / "Schrift_LASER.qvb");

// Runs `play` on the lettering with the extra options; the run must succeed.
inline std::vector<Punkt6> spielen(const Kratzordner& tmp, const std::string& zusatz) {
    const auto dump = tmp / "out.jsonl";
    std::filesystem::remove(dump);
    const Lauf lauf = cli(tmp, "play " + kSchrift + " --dump " + q(dump) + " " + zusatz);
    EXPECT_EQ(lauf.code, 0) << zusatz << lauf.fehler;
    std::vector<Punkt6> punkte;
    const std::string zeile = leseDatei(dump);
    EXPECT_NE(zeile.find("\"device\":0"), std::string::npos);
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
