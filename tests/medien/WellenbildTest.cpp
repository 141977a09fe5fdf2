#include "medien/Wellenbild.h"

#include "medien/Demomusik.h"
#include "platform/Dialoge.h"
#include "platform/Protokoll.h"
#include "platform/Sprachtexte.h"
#include "platform/Umgebung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace sw;
namespace fs = std::filesystem;

namespace {

constexpr BmpPixel kSchwarz{0, 0, 0}, kGruen{0, 255, 0}, kGrau{96, 96, 96};

// One second at 1000 samples a second: full scale up and down for the first half, a quarter
// of silence, a quarter standing at half scale.
std::vector<std::uint8_t> halbLaut() {
    std::vector<std::int16_t> w(1000, 0);
    for (int i = 0; i < 500; ++i) w[i] = i % 2 ? -32767 : 32767;
    for (int i = 750; i < 1000; ++i) w[i] = 16384;
    return wavSchreiben(w, 1, 1000);
}

void schreiben(const fs::path& p, const std::vector<std::uint8_t>& b) {
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

struct Welt {
    TestUhr uhr;
    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    Protokoll log{uhr};
    Sprachtexte texte;
    Umgebung env{dialoge, pumpe, uhr, log, texte};
    fs::path ordner = fs::path(::testing::TempDir()) / "wellenbild";
    Welt() {
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
};

} // namespace

TEST(Wellenbild, Pixels) {
    const auto wav = halbLaut();
    WavKopf k;
    std::string fehler;
    ASSERT_EQ(Read_Wave_Header(wav, k, fehler), 0);
    const auto bmp = wellenbildBmp(wav, k);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(bmpBreite(bmp), 100); // 100 columns a second
    EXPECT_EQ(bmpHoehe(bmp), 128);
    EXPECT_EQ(bmp.size(), 54u + 300u * 128u);
    // The loud half: from the top row to the bottom one.
    for (int y : {0, 30, 64, 127}) EXPECT_EQ(bmpPixel(bmp, 10, y), kGruen) << y;
    EXPECT_EQ(bmpPixel(bmp, 49, 127), kGruen);
    // Silence: one dot on the middle row.
    EXPECT_EQ(bmpPixel(bmp, 60, 64), kGruen);
    EXPECT_EQ(bmpPixel(bmp, 60, 63), kSchwarz);
    EXPECT_EQ(bmpPixel(bmp, 60, 65), kSchwarz);
    // Half scale standing still: a dot a quarter of the way down, the grey middle line below.
    EXPECT_EQ(bmpPixel(bmp, 80, 32), kGruen);
    EXPECT_EQ(bmpPixel(bmp, 80, 64), kGrau);
    EXPECT_EQ(bmpPixel(bmp, 80, 0), kSchwarz);
    EXPECT_EQ(bmpPixel(bmp, 99, 127), kSchwarz);

    // Rows are padded to four bytes: 3 columns take 12 bytes a row.
    auto kurz = wavSchreiben(std::vector<std::int16_t>(30, -32768), 1, 1000);
    ASSERT_EQ(Read_Wave_Header(kurz, k, fehler), 0);
    const auto klein = wellenbildBmp(kurz, k);
    EXPECT_EQ(bmpBreite(klein), 3);
    EXPECT_EQ(klein.size(), 54u + 12u * 128u);
    EXPECT_EQ(bmpPixel(klein, 2, 127), kGruen);
    EXPECT_EQ(bmpPixel(klein, 2, 63), kSchwarz);

    EXPECT_EQ(wellenbildBreite(44100 * 60 * 20, 44100), kWellenbildMaxBreite);
}

TEST(Wellenbild, CreateWaveImageBesideTheMedia) {
    Welt w;
    schreiben(w.ordner / "lied.wav", halbLaut());
    schreiben(w.ordner / "lied.bmp", {1, 2, 3}); // an old picture goes
    const auto bild = CreateWaveImage(w.env, w.ordner, "lied.wav");
    EXPECT_EQ(bild, w.ordner / "lied.bmp");
    EXPECT_EQ(fs::file_size(bild), 54u + 300u * 128u);
    EXPECT_TRUE(w.dialoge.meldungen.empty());

    // A broken header: the message, and no picture.
    auto kaputt = halbLaut();
    kaputt[16] = 40;
    schreiben(w.ordner / "kaputt.wav", kaputt);
    schreiben(w.ordner / "kaputt.bmp", {1});
    EXPECT_TRUE(CreateWaveImage(w.env, w.ordner, "kaputt.wav").empty());
    EXPECT_FALSE(fs::exists(w.ordner / "kaputt.bmp"));
    ASSERT_EQ(w.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(w.dialoge.meldungen[0], "Fehler #  error by Reading Waveform: new fmt length found!");

    // Another format goes through the decoder into a scratch file that is removed after.
    schreiben(w.ordner / "quelle.wav", halbLaut());
    schreiben(w.ordner / "film.avi", {0});
    int aufrufe = 0;
    const Tondekoder dekoder = [&](const fs::path& m, const fs::path& ziel) {
        ++aufrufe;
        EXPECT_EQ(m, w.ordner / "film.avi");
        fs::copy_file(w.ordner / "quelle.wav", ziel, fs::copy_options::overwrite_existing);
        return true;
    };
    EXPECT_EQ(CreateWaveImage(w.env, w.ordner, "film.avi", dekoder, w.ordner),
              w.ordner / "film.bmp");
    EXPECT_EQ(aufrufe, 1);
    EXPECT_FALSE(fs::exists(w.ordner / "Wellenbild.wav"));
}

TEST(Demomusik, BeatsOnTheHalfSecond) {
    const auto wav = demomusikWav();
    WavKopf k;
    std::string fehler;
    ASSERT_EQ(Read_Wave_Header(wav, k, fehler), 0);
    EXPECT_EQ(k.kanaele, 2);
    EXPECT_EQ(k.abtastwerte, 24L * kDemoAbtastrate);
    // The kick starts each beat: loud just after it, quiet just before the next.
    auto pegel = [&](double von, double bis) {
        double m = 0;
        for (long i = static_cast<long>(von * k.abtastrate);
             i < static_cast<long>(bis * k.abtastrate); ++i)
            m = std::max(m, std::abs(wavWert(wav, k, i, 0)));
        return m;
    };
    for (int schlag = 1; schlag < 40; schlag += 7) {
        const double t = schlag * 0.5;
        EXPECT_GT(pegel(t, t + 0.05), 2 * pegel(t - 0.03, t)) << schlag;
    }
    EXPECT_EQ(demomusikWav(), wav); // the same on every build
}
