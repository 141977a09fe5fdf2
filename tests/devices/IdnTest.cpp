#include "TestHilfe.h"
#include "devices/netz/IdnEmulator.h"
#include "devices/netz/IdnProtokoll.h"
#include "devices/netz/IdnStrom.h"

#include <chrono>
#include <thread>

using namespace sw;
using namespace sw::idn;

namespace {

std::string hexVon(const std::vector<std::uint8_t>& d, std::size_t von, std::size_t n) {
    return test::hex(std::string(d.begin() + static_cast<long>(von), d.end()), n);
}

std::vector<Sample> stern(int n) {
    std::vector<Sample> s;
    for (int k = 0; k < n; ++k)
        s.push_back({static_cast<std::int16_t>(k * 300 - 15000),
                     static_cast<std::int16_t>((k % 7) * 4000 - 12000),
                     static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(255 - k), 64, 255});
    return s;
}

std::vector<std::uint8_t> kodiert(const std::vector<Sample>& s) {
    std::vector<std::uint8_t> z(s.size() * kSampleBytes);
    for (std::size_t k = 0; k < s.size(); ++k) sampleSchreiben(s[k], z.data() + k * kSampleBytes);
    return z;
}

} // namespace

TEST(Idn, HelloAndScanLayouts) {
    const auto anfrage = scanAnfrage(0x1234);
    EXPECT_EQ(hexVon(anfrage, 0, anfrage.size()), "10 00 12 34");
    ScanAntwort a;
    a.status = 0x01;
    a.unitId = {0x07, 0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    a.hostname = "Projektor-1";
    const auto bytes = scanAntwortSchreiben(7, a);
    ASSERT_EQ(bytes.size(), 44u);
    EXPECT_EQ(hexVon(bytes, 0, 16), "11 00 00 07 28 10 01 00 07 00 11 22 33 44 55 00");
    EXPECT_EQ(std::string(bytes.begin() + 24, bytes.begin() + 36),
              std::string("Projektor-1\0", 12));
    ScanAntwort z;
    ASSERT_TRUE(scanAntwortLesen(bytes.data(), bytes.size(), z));
    EXPECT_EQ(std::tuple(z.hostname, z.unitId), std::tuple(a.hostname, a.unitId));
    EXPECT_EQ(kennung(z), "IDN 00112233445500"); // length 7: the bytes after the length
    EXPECT_FALSE(scanAntwortLesen(bytes.data(), 43, z));
    EXPECT_FALSE(scanAntwortLesen(anfrage.data(), anfrage.size(), z));
}

TEST(Idn, FrameMessageWithConfigurationByteForByte) {
    const std::vector<Sample> s{{-32768, 32767, 255, 1, 0, 128}, {0, 0, 0, 0, 0, 0}};
    const auto daten = kodiert(s);
    EXPECT_EQ(hexVon(daten, 0, 8), "80 00 7F FF FF 01 00 80");
    FrameNachricht n;
    n.kanal = 1;
    n.zeitstempel = 0x01020304;
    n.dauer = 66;
    n.konfig = true;
    std::uint16_t folge = 0xFFFF;
    const auto d = frameDatagramme(n, daten.data(), s.size(), folge);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(folge, 0); // wraps
    const auto& p = d[0];
    ASSERT_EQ(p.size(), 4u + 8 + 20 + 4 + 16);
    EXPECT_EQ(hexVon(p, 0, 12), "40 00 FF FF 00 30 C1 02 01 02 03 04");
    EXPECT_EQ(hexVon(p, 12, 20), "04 01 00 02 42 00 40 10 42 10 40 10 52 7E 52 14 51 CC 5C 10");
    EXPECT_EQ(hexVon(p, 32, 4), "00 00 00 42");
    EXPECT_EQ(sampleLesen(p.data() + 36), s[0]);

    // Without configuration, and closing.
    n.konfig = false;
    const auto ohne = frameDatagramme(n, daten.data(), s.size(), folge);
    EXPECT_EQ(hexVon(ohne[0], 0, 8), "40 00 00 00 00 1C 81 02");
}

TEST(Idn, LargeFramesAreFragmentedWithinTheDatagramSize) {
    const auto s = stern(1000);
    const auto daten = kodiert(s);
    FrameNachricht n;
    n.konfig = true;
    std::uint16_t folge = 10;
    const auto d = frameDatagramme(n, daten.data(), s.size(), folge);
    ASSERT_EQ(d.size(), 6u);
    std::vector<std::uint8_t> zusammen;
    for (std::size_t k = 0; k < d.size(); ++k) {
        EXPECT_LE(d[k].size(), kMaxDatagramm);
        EXPECT_EQ(kopfLesen(d[k].data()).folge, 10 + k);
        const std::uint16_t inhalt = static_cast<std::uint16_t>((d[k][6] << 8) | d[k][7]);
        const std::uint8_t chunk = inhalt & 0xFF;
        if (k == 0) {
            EXPECT_EQ(chunk, kChunkFrameAnfang);
            EXPECT_TRUE(inhalt & kInhaltKonfig);
            zusammen.insert(zusammen.end(), d[k].begin() + 36, d[k].end());
        } else {
            EXPECT_EQ(chunk, kChunkFrameFortsetzung);
            EXPECT_EQ((inhalt & kInhaltKonfig) != 0, k + 1 == d.size()); // last fragment
            zusammen.insert(zusammen.end(), d[k].begin() + 12, d[k].end());
        }
    }
    EXPECT_EQ(zusammen, daten);
}

TEST(Idn, WaveChunkLayout) {
    const std::vector<Sample> s{{1, 2, 3, 4, 5, 6}};
    const auto daten = kodiert(s);
    FrameNachricht n;
    n.welle = true;
    n.konfig = true;
    n.zeitstempel = 5000;
    n.dauer = 33;
    std::uint16_t folge = 1;
    const auto d = frameDatagramme(n, daten.data(), 1, folge);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(hexVon(d[0], 4, 12), "00 28 C0 01 00 00 13 88 04 01 00 01");
    EXPECT_EQ(hexVon(d[0], 32, 12), "00 00 00 21 00 01 00 02 03 04 05 06");
    EXPECT_LE(4 + 8 + 20 + 4 + kMaxWelle * kSampleBytes, kMaxDatagramm);
}

// Wave mode: the frame played over and over as one wave with a gapless timeline, every chunk
// ahead of its time, dark at the end.
TEST(Idn, WaveModeStreamsOneContinuousWave) {
    emu::IdnEmulator empfaenger(emu::IdnEmulator::Optionen{});
    IdnStrom::Optionen so;
    so.ziel = {"127.0.0.1", empfaenger.port()};
    so.welle = true;
    const auto figur = stern(300);
    const auto bytes = kodiert(figur);
    const double sekunden = 5;
    {
        IdnStrom strom(so);
        strom.frameSetzen(bytes.data(), figur.size());
        std::this_thread::sleep_for(std::chrono::duration<double>(sekunden));
        EXPECT_FALSE(strom.gestoert()) << strom.fehler();
    }
    EXPECT_EQ(std::tuple(empfaenger.wellenLuecken(), empfaenger.zuSpaet(),
                         empfaenger.folgeLuecken(), empfaenger.falscheKonfig(),
                         empfaenger.schliessungen()),
              std::tuple(0, 0, 0, 0, 1));
    const auto welle = empfaenger.welle();
    ASSERT_GT(welle.size(), 0u);
    std::size_t k = 0, abweichend = 0;
    for (; k < welle.size() && !dunkel(welle[k]); ++k)
        abweichend += !(welle[k] == figur[k % figur.size()]);
    EXPECT_EQ(abweichend, 0u);
    EXPECT_GT(static_cast<double>(k), sekunden * 30000 * 0.95);
    ASSERT_LT(k, welle.size());
    for (; k < welle.size(); ++k) EXPECT_TRUE(dunkel(welle[k]));
}

// The emulated receiver draws frames one after the other; one that arrives after everything
// received was drawn left it without points, an underrun. The stream never lets that happen.
TEST(Idn, FramesArrivingLateAreUnderrunsAndTheStreamQueuesAhead) {
    emu::IdnEmulator::Optionen eo;
    eo.echtzeit = true;
    emu::IdnEmulator empfaenger(eo);
    netz::UdpSocket sender;
    ASSERT_TRUE(sender.binden("127.0.0.1", 0));
    const auto bytes = kodiert(stern(30));
    std::uint16_t folge = 0;
    auto senden = [&](bool konfig) {
        FrameNachricht n;
        n.dauer = 5000; // 5 ms
        n.konfig = konfig;
        for (const auto& d : frameDatagramme(n, bytes.data(), 30, folge))
            sender.senden({"127.0.0.1", empfaenger.port()}, d.data(), d.size());
    };
    auto warten = [&](long frames) {
        test::warteBis([&] { return empfaenger.frames() >= frames; }, 0.5);
    };
    senden(true);
    senden(false); // queued behind the first: 10 ms of frames
    warten(2);
    EXPECT_EQ(empfaenger.unterlaeufe(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(40)); // both drawn long ago
    senden(false);
    warten(3);
    EXPECT_EQ(empfaenger.unterlaeufe(), 1);

    // A stream of 5 ms frames for two seconds: each new or repeated frame is queued in time.
    emu::IdnEmulator zweiter(eo);
    IdnStrom::Optionen so;
    so.ziel = {"127.0.0.1", zweiter.port()};
    {
        IdnStrom strom(so);
        const auto figur = kodiert(stern(150));
        strom.frameSetzen(figur.data(), 150);
        std::this_thread::sleep_for(std::chrono::seconds(2));
        EXPECT_FALSE(strom.gestoert()) << strom.fehler();
        EXPECT_GT(strom.wiederholungen(), 300); // no new frame came: 400 passes repeated
        EXPECT_GT(strom.pufferfuellung(), 0.0);
    }
    EXPECT_EQ(zweiter.unterlaeufe(), 0);
    EXPECT_GT(zweiter.frames(), 300);
}
