#include "medien/Wellenbild.h"

#include "platform/Umgebung.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace sw {

namespace {

void put32(std::vector<std::uint8_t>& b, std::size_t i, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[i + k] = static_cast<std::uint8_t>(v >> (8 * k));
}
std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t i) {
    if (i + 4 > b.size()) return 0;
    return std::uint32_t(b[i]) | std::uint32_t(b[i + 1]) << 8 | std::uint32_t(b[i + 2]) << 16 |
           std::uint32_t(b[i + 3]) << 24;
}
int zeilenLaenge(int breite) {
    return (breite * 3 + 3) / 4 * 4;
}

constexpr BmpPixel kMitte{96, 96, 96};
constexpr BmpPixel kWelle{0, 255, 0};

} // namespace

int wellenbildBreite(long abtastwerte, long abtastrate) {
    if (abtastrate <= 0 || abtastwerte <= 0) return 1;
    const long spalten = (abtastwerte * kWellenbildSpaltenProSekunde + abtastrate - 1) / abtastrate;
    return static_cast<int>(std::clamp(spalten, 1L, static_cast<long>(kWellenbildMaxBreite)));
}

std::vector<std::uint8_t> wellenbildBmp(const std::vector<std::uint8_t>& wav, const WavKopf& k) {
    const int breite = wellenbildBreite(k.abtastwerte, k.abtastrate);
    const int hoehe = kWellenbildHoehe;
    const int zeile = zeilenLaenge(breite);
    std::vector<std::uint8_t> bmp(54 + static_cast<std::size_t>(zeile) * hoehe, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
    put32(bmp, 10, 54);
    put32(bmp, 14, 40);
    put32(bmp, 18, static_cast<std::uint32_t>(breite));
    put32(bmp, 22, static_cast<std::uint32_t>(hoehe));
    bmp[26] = 1;  // planes
    bmp[28] = 24; // bits per pixel
    put32(bmp, 34, static_cast<std::uint32_t>(zeile * hoehe));
    put32(bmp, 38, 2835); // 72 dpi
    put32(bmp, 42, 2835);

    auto setzen = [&](int x, int y, BmpPixel p) {
        const std::size_t i =
            54 + static_cast<std::size_t>(hoehe - 1 - y) * zeile + static_cast<std::size_t>(x) * 3;
        bmp[i] = p.b;
        bmp[i + 1] = p.g;
        bmp[i + 2] = p.r;
    };
    // Row of a value: +1 at the top row, -1 at the bottom one.
    auto reihe = [&](double v) {
        const double y = (1.0 - v) * 0.5 * (hoehe - 1);
        return std::clamp(static_cast<int>(std::lround(y)), 0, hoehe - 1);
    };
    const int mitte = reihe(0.0);
    for (int x = 0; x < breite; ++x) {
        setzen(x, mitte, kMitte);
        const long von = static_cast<long>(static_cast<long long>(x) * k.abtastwerte / breite);
        const long bis = static_cast<long>(static_cast<long long>(x + 1) * k.abtastwerte / breite);
        if (bis <= von) continue;
        double tief = 1, hoch = -1;
        for (long i = von; i < bis; ++i) {
            double summe = 0;
            for (int c = 0; c < k.kanaele; ++c) summe += wavWert(wav, k, i, c);
            const double v = summe / k.kanaele;
            tief = std::min(tief, v);
            hoch = std::max(hoch, v);
        }
        for (int y = reihe(hoch); y <= reihe(tief); ++y) setzen(x, y, kWelle);
    }
    return bmp;
}

int bmpBreite(const std::vector<std::uint8_t>& bmp) {
    return static_cast<int>(get32(bmp, 18));
}
int bmpHoehe(const std::vector<std::uint8_t>& bmp) {
    return static_cast<int>(get32(bmp, 22));
}

BmpPixel bmpPixel(const std::vector<std::uint8_t>& bmp, int x, int y) {
    const int breite = bmpBreite(bmp), hoehe = bmpHoehe(bmp);
    if (x < 0 || y < 0 || x >= breite || y >= hoehe) return {};
    const std::size_t i = 54 + static_cast<std::size_t>(hoehe - 1 - y) * zeilenLaenge(breite) +
                          static_cast<std::size_t>(x) * 3;
    if (i + 3 > bmp.size()) return {};
    return {bmp[i], bmp[i + 1], bmp[i + 2]};
}

std::filesystem::path CreateWaveImage(Umgebung& env, const std::filesystem::path& showOrdner,
                                      const std::string& medienDatei, const Tondekoder& dekoder,
                                      const std::filesystem::path& arbeitsOrdner) {
    namespace fs = std::filesystem;
    if (medienDatei.size() < 4) return {};
    const fs::path bild = showOrdner / (medienDatei.substr(0, medienDatei.size() - 4) + ".bmp");
    std::error_code ec;
    fs::remove(bild, ec);

    fs::path quelle = showOrdner / medienDatei;
    fs::path kratz;
    std::string endung = quelle.extension().string();
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (endung != ".wav" && dekoder && fs::is_regular_file(quelle, ec)) {
        kratz = (arbeitsOrdner.empty() ? fs::temp_directory_path(ec) : arbeitsOrdner) /
                "Wellenbild.wav";
        if (dekoder(quelle, kratz)) quelle = kratz;
    }

    std::vector<std::uint8_t> wav;
    std::string fehler;
    WavKopf kopf;
    const bool gelesen =
        wavDateiLesen(quelle, wav, fehler) && Read_Wave_Header(wav, kopf, fehler) == 0;
    if (!kratz.empty()) fs::remove(kratz, ec);
    if (!gelesen) {
        env.dialoge.meldung(std::string("Fehler # ") + kWellenbildFehler + fehler);
        return {};
    }
    const auto bmp = wellenbildBmp(wav, kopf);
    const fs::path teil = bild.string() + ".tmp";
    {
        std::ofstream f(teil, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bmp.data()),
                static_cast<std::streamsize>(bmp.size()));
        if (!f) return {};
    }
    fs::rename(teil, bild, ec);
    return ec ? fs::path{} : bild;
}

} // namespace sw
