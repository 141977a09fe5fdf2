// The player on libmpv with null audio, in real time: no sound card needed.
#include "medien/MpvMedien.h"
#include "medien/MpvDekoder.h"
#include "medien/WavKopf.h"

#include "platform/Uhr.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace sw;
namespace fs = std::filesystem;

namespace {

fs::path ordner() {
    const fs::path o = fs::path(::testing::TempDir()) / "mpvmedien";
    fs::create_directories(o);
    return o;
}

// A sine of `sekunden` seconds, mono 16-bit at 22.05 kHz.
fs::path tonDatei(const std::string& name, double sekunden) {
    const int rate = 22050;
    std::vector<std::int16_t> w(static_cast<std::size_t>(sekunden * rate));
    for (std::size_t i = 0; i < w.size(); ++i)
        w[i] = static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265 * 440 * i / rate));
    const auto bytes = wavSchreiben(w, 1, rate);
    const fs::path p = ordner() / name;
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    return p;
}

void schlafen(double sekunden) {
    std::this_thread::sleep_for(std::chrono::duration<double>(sekunden));
}

// Polls the position every millisecond for `sekunden`; returns the largest backwards step.
double beobachten(MpvMedien& m, double sekunden, double& letzte) {
    double rueckwaerts = 0;
    const auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    while (std::chrono::steady_clock::now() < ende) {
        const double p = m.DS_GetPosition();
        rueckwaerts = std::max(rueckwaerts, letzte - p);
        letzte = p;
        schlafen(0.001);
    }
    return rueckwaerts;
}

struct Spieler {
    SystemUhr uhr;
    std::vector<std::string> meldungen;
    MpvMedien m{MpvOptionen{true, 10.0}, &uhr,
                [this](const std::string& t) { meldungen.push_back(t); }};
};

} // namespace

TEST(MpvMedien, PlayPauseSeekRate) {
    const auto datei = tonDatei("ton.wav", 3.0);
    Spieler s;
    auto& m = s.m;
    ASSERT_TRUE(m.DS_OpenFile(datei.string(), {}));
    EXPECT_FALSE(m.aufPlatzhalter());
    EXPECT_NEAR(m.DS_GetDuration(), 3.0, 0.01);
    EXPECT_EQ(m.DS_GetPosition(), 0.0);

    m.DS_Play();
    double letzte = 0;
    EXPECT_EQ(beobachten(m, 0.4, letzte), 0.0); // smooth: never backwards
    EXPECT_GT(letzte, 0.25);
    EXPECT_LT(letzte, 0.55);
    EXPECT_EQ(m.audioAusgabe(), "null");
    EXPECT_GT(m.meldungen(), 3); // the player reports as it goes

    m.DS_Pause();
    const double gehalten = m.DS_GetPosition();
    schlafen(0.15);
    EXPECT_EQ(m.DS_GetPosition(), gehalten);

    m.DS_SetPosition(-4);
    EXPECT_EQ(m.DS_GetPosition(), 0.0);
    m.DS_SetPosition(1.5);
    EXPECT_EQ(m.DS_GetPosition(), 1.5);

    m.DS_SetRate(0);
    m.DS_SetRate(-1);
    EXPECT_EQ(m.DS_GetRate(), 1.0);
    m.DS_SetRate(2.0);
    EXPECT_EQ(m.DS_GetRate(), 2.0);
    m.DS_Play();
    letzte = 1.5;
    EXPECT_EQ(beobachten(m, 0.8, letzte), 0.0);
    // 0.8 s at twice the speed; the player's restart after the seek costs a little of it.
    EXPECT_GT(letzte, 1.5 + 1.0);
    EXPECT_LT(letzte, 1.5 + 1.8);
    EXPECT_TRUE(s.meldungen.empty());

    EXPECT_NEAR(MpvMedien::mpvLautstaerke(0), 100.0, 1e-9);
    EXPECT_EQ(MpvMedien::mpvLautstaerke(-10000), 0.0);
    EXPECT_NEAR(MpvMedien::mpvLautstaerke(-600), 100.0 * std::cbrt(std::pow(10.0, -0.3)), 1e-9);
    double l = 0, r = 0;
    MpvMedien::kanalPegel(2000, l, r);
    EXPECT_NEAR(l, 0.1, 1e-12);
    EXPECT_EQ(r, 1.0);
    m.DS_SetBalance(-20000);
    EXPECT_EQ(m.DS_GetBalance(), -10000);
    m.DS_SetVolume(-1000);
}

TEST(MpvMedien, EndAndPlayFromStart) {
    const auto datei = tonDatei("kurz.wav", 1.0);
    Spieler s;
    auto& m = s.m;
    ASSERT_TRUE(m.DS_OpenFile(datei.string(), {}));
    m.DS_SetPosition(0.7);
    m.DS_Play();
    const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (m.DS_StillPlaying(0) && std::chrono::steady_clock::now() < bis) schlafen(0.005);
    EXPECT_FALSE(m.DS_StillPlaying(0));
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), m.DS_GetDuration());
    // Play at the end starts from 0.
    m.DS_Play();
    schlafen(0.1);
    EXPECT_LT(m.DS_GetPosition(), 0.3);
    EXPECT_TRUE(m.DS_StillPlaying(0));
    // Nobody asks while it plays to its end: still an end, not a file gone.
    schlafen(1.3);
    EXPECT_FALSE(m.DS_StillPlaying(0));
    EXPECT_FALSE(m.aufPlatzhalter());
    EXPECT_DOUBLE_EQ(m.DS_GetPosition(), m.DS_GetDuration());
    EXPECT_TRUE(s.meldungen.empty());
}

TEST(MpvMedien, MissingAndVanishingMedia) {
    Spieler s;
    auto& m = s.m;
    m.platzhalterLaenge = 20.0;
    // A file that is not there: refused, and the placeholder clock stands in.
    EXPECT_FALSE(m.DS_OpenFile((ordner() / "fehlt.wav").string(), {}));
    EXPECT_TRUE(m.aufPlatzhalter());
    EXPECT_EQ(m.DS_GetDuration(), 20.0);
    m.DS_Play();
    schlafen(0.1);
    EXPECT_GT(m.DS_GetPosition(), 0.05);
    // The program's placeholder media, when missing, open as the clock.
    EXPECT_TRUE(m.DS_OpenFile((ordner() / "No.mp3").string(), {}));
    EXPECT_TRUE(m.aufPlatzhalter());
    // Not a media file at all.
    const fs::path unsinn = ordner() / "unsinn.mp3";
    std::ofstream(unsinn) << "no sound in here";
    EXPECT_FALSE(m.DS_OpenFile(unsinn.string(), {}));
    EXPECT_TRUE(m.aufPlatzhalter());
    EXPECT_TRUE(s.meldungen.empty()); // the caller reports what it could not open

    // Removed while playing: the open file plays on to its end.
    const auto weg = tonDatei("weg.wav", 1.0);
    ASSERT_TRUE(m.DS_OpenFile(weg.string(), {}));
    m.DS_Play();
    schlafen(0.1);
    fs::remove(weg);
    double letzte = 0;
    EXPECT_EQ(beobachten(m, 0.3, letzte), 0.0);
    EXPECT_GT(letzte, 0.3);
    EXPECT_FALSE(m.aufPlatzhalter());

    // Cut short while playing (a share gone, a disk failing): one message, and the show runs
    // on at real time from where it was.
    const auto kurz = tonDatei("abgeschnitten.wav", 60.0);
    ASSERT_TRUE(m.DS_OpenFile(kurz.string(), {}));
    m.DS_Play();
    schlafen(0.05);
    fs::resize_file(kurz, 44 + 22050 * 2 / 2); // half a second of samples left
    // The player has read some seconds ahead: it notices when that runs out.
    letzte = 0;
    const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    double rueckwaerts = 0;
    while (!m.aufPlatzhalter() && std::chrono::steady_clock::now() < bis)
        rueckwaerts = std::max(rueckwaerts, beobachten(m, 0.01, letzte));
    ASSERT_TRUE(m.aufPlatzhalter());
    EXPECT_EQ(rueckwaerts, 0.0);
    ASSERT_EQ(s.meldungen.size(), 1u);
    EXPECT_NE(s.meldungen[0].find("abgeschnitten.wav"), std::string::npos);
    EXPECT_NEAR(m.DS_GetDuration(), 60.0, 0.01);
    const double vorher = m.DS_GetPosition();
    EXPECT_GE(vorher, letzte);
    schlafen(0.2);
    EXPECT_NEAR(m.DS_GetPosition() - vorher, 0.2, 0.1);
    EXPECT_EQ(s.meldungen.size(), 1u);
}

TEST(MpvMedien, WaveformOfAnotherFormat) {
    // libmpv goes by the content: a WAV under another name stands in for a compressed file.
    const auto quelle = tonDatei("quelle.wav", 0.5);
    const fs::path anders = ordner() / "lied.ogg";
    fs::copy_file(quelle, anders, fs::copy_options::overwrite_existing);
    const fs::path ziel = ordner() / "dekodiert.wav";
    fs::remove(ziel);
    ASSERT_TRUE(mpvTonDekodieren(anders, ziel));
    std::vector<std::uint8_t> bytes;
    std::string fehler;
    ASSERT_TRUE(wavDateiLesen(ziel, bytes, fehler));
    WavKopf k;
    ASSERT_EQ(Read_Wave_Header(bytes, k, fehler), 0) << fehler;
    EXPECT_EQ(k.kanaele, 2);
    EXPECT_EQ(k.abtastrate, 44100);
    EXPECT_NEAR(k.abtastwerte, 22050, 2000);
    EXPECT_FALSE(mpvTonDekodieren(ordner() / "fehlt.ogg", ziel));
}
