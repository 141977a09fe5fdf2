// The figure files convert writes for ILDA files stay byte for byte what they were before the
// import and the figure-file writer were made fast: the hashes below were taken from the
// earlier code's output for the same inputs.

#include "../core/IldaBauer.h"
#include "CliLauf.h"

#include <cstdint>
#include <map>

using namespace sw;
using sw::test::cli;
using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::q;
using sw::test::schreibeDatei;

namespace {

std::uint64_t fnv1a(const std::string& bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

// A reproducible point stream: coordinates over the whole range, every status kind.
class Zufall {
public:
    explicit Zufall(std::uint64_t saat) : z_(saat) {}
    int naechste(int bis) {
        z_ = z_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((z_ >> 33) % static_cast<std::uint64_t>(bis));
    }

private:
    std::uint64_t z_;
};

int status(Zufall& z, int i, int anzahl) {
    if (i == anzahl - 1) return 128;
    const int w = z.naechste(12);
    return w == 0 ? 64 : w == 1 ? 192 : w == 2 ? 200 : 0;
}

// Frames of one picture format; z != 0 in some 3-D records when `mitZ`.
void frames(test::IldaBauer& b, Zufall& z, int format, int anzahl, bool mitZ) {
    for (int f = 0; f < anzahl; ++f) {
        const int punkte = 1 + z.naechste(300);
        b.kopf(format, punkte, f, anzahl);
        for (int i = 0; i < punkte; ++i) {
            const int x = z.naechste(65536) - 32768, y = z.naechste(65536) - 32768;
            const int zz = mitZ && z.naechste(4) == 0 ? z.naechste(200) - 100 : 0;
            const int st = status(z, i, punkte);
            if (format == 0) b.p0(x, y, zz, st, z.naechste(256));
            if (format == 1) b.p1(x, y, st, z.naechste(256));
            if (format == 4) b.p4(x, y, zz, st, z.naechste(256), z.naechste(256), z.naechste(256));
            if (format == 5) b.p5(x, y, st, z.naechste(256), z.naechste(256), z.naechste(256));
        }
    }
}

struct Eingabe {
    std::string name;
    std::string bytes;
};

std::vector<Eingabe> eingaben() {
    std::vector<Eingabe> e;
    for (int format : {0, 1, 4, 5}) {
        Zufall z(static_cast<std::uint64_t>(format));
        test::IldaBauer b;
        frames(b, z, format, 7, false);
        b.kopf(format, 0);
        e.push_back({"f" + std::to_string(format) + ".ild", b.bytes});
    }
    Zufall z(9);
    test::IldaBauer b; // every section kind in one file, 3-D records with Z
    frames(b, z, 1, 2, false);
    b.kopf(2, 256);
    for (int i = 0; i < 256; ++i) b.rgb(i, 255 - i, (i * 7) & 255);
    frames(b, z, 0, 3, true);
    b.farbtabelleKopf(40);
    for (int i = 0; i < 40; ++i) b.rgb(z.naechste(256), z.naechste(256), z.naechste(256));
    frames(b, z, 5, 2, false);
    frames(b, z, 4, 3, true);
    e.push_back({"gemischt.ild", b.bytes});
    return e;
}

} // namespace

TEST(IldaConvert, FigureFilesAreByteForByteAsBefore) {
    Kratzordner tmp;
    auto liste = eingaben();
    for (const char* name : {"LMTESTF.ild", "quadsqwv.ild"}) {
        auto pfad = std::filesystem::path(STRAHLWERK_SOURCE_DIR) / ".." / "shared" / "testdata" /
                    "ilda" / name;
        if (std::filesystem::exists(pfad)) liste.push_back({name, leseDatei(pfad)});
    }
    const std::map<std::string, std::pair<std::uint64_t, std::uint64_t>> erwartet = {
        // name: hash with the standard palette (the default), hash with --ilda-colours index
        {"f0.ild", {0x3786abd0d684891a, 0x713d927a74e70819}},
        {"f1.ild", {0xf8a70eab775ec271, 0x7d362104e21e6670}},
        {"f4.ild", {0x19a0eae3922ae4ab, 0x19a0eae3922ae4ab}},
        {"f5.ild", {0xffce3530879b5810, 0xffce3530879b5810}},
        {"gemischt.ild", {0x7250b1eeb2ef802f, 0x6a5810a104fd04dd}},
        {"LMTESTF.ild", {0x32d99fdafe9179df, 0x678b90689121ff2f}},
        {"quadsqwv.ild", {0x1b76bb66d41f2dd9, 0xce2b07367acdb259}},
    };
    for (const auto& [name, bytes] : liste) {
        schreibeDatei(tmp / name, bytes);
        for (const std::string wahl : {"", " --ilda-colours index"}) {
            std::filesystem::remove(tmp / "aus.qvb");
            ASSERT_EQ(cli(tmp, "convert " + q(tmp / name) + " " + q(tmp / "aus.qvb") + wahl).code,
                      0)
                << name << wahl;
            const auto& [standard, index] = erwartet.at(name);
            EXPECT_EQ(fnv1a(leseDatei(tmp / "aus.qvb")), wahl.empty() ? standard : index)
                << name << wahl;
        }
    }
}
