#include "TestHilfe.h"
#include "devices/netz/EtherDreamEmulator.h"
#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/EtherDreamStrom.h"

#include <chrono>
#include <thread>

using namespace sw;
using namespace sw::etherdream;

namespace {

std::string hexVon(const std::uint8_t* d, std::size_t n) {
    return test::hex(std::string(reinterpret_cast<const char*>(d), n), n);
}

std::vector<std::uint8_t> kodiert(const std::vector<Punkt>& punkte) {
    std::vector<std::uint8_t> z(punkte.size() * kPunktBytes);
    for (std::size_t k = 0; k < punkte.size(); ++k) punktSchreiben(punkte[k], z.data() + k * kPunktBytes);
    return z;
}

// A lit square of 100 points with varying colours.
std::vector<Punkt> quadrat() {
    std::vector<Punkt> p;
    for (int k = 0; k < 100; ++k) {
        const double t = k / 25.0;
        const int seite = k / 25;
        const double u = (t - seite) * 40000 - 20000;
        double x = seite == 0 ? u : seite == 1 ? 20000 : seite == 2 ? -u : -20000;
        double y = seite == 0 ? -20000 : seite == 1 ? u : seite == 2 ? 20000 : -u;
        p.push_back(ausAusgabepunkt(
            Ausgabepunkt{x + 32767, y + 32767, double(k % 256), 255.0 - k, 128, 255}));
    }
    return p;
}

} // namespace

TEST(EtherDream, WireLayoutsByteForByte) {
    Status s;
    s.protokoll = 1;
    s.lichtmaschine = 0;
    s.wiedergabe = Wiedergabe::Laeuft;
    s.quelle = 0;
    s.lichtmaschinenFlags = 0x0102;
    s.wiedergabeFlags = 0x0004;
    s.quellenFlags = 0;
    s.pufferFuellung = 1799;
    s.punktrate = 30000;
    s.punktzahl = 0x01020304;
    Broadcast b;
    b.mac = {0x00, 0x04, 0xa3, 0x12, 0x34, 0x56};
    b.hardware = 2;
    b.software = 3;
    b.pufferKapazitaet = 1800;
    b.maxPunktrate = 100000;
    b.status = s;
    const auto bytes = broadcastSchreiben(b);
    EXPECT_EQ(hexVon(bytes.data(), bytes.size()),
              "00 04 A3 12 34 56 02 00 03 00 08 07 A0 86 01 00 "
              "01 00 02 00 02 01 04 00 00 00 07 07 30 75 00 00 04 03 02 01");
    Broadcast zurueck;
    ASSERT_TRUE(broadcastLesen(bytes.data(), bytes.size(), zurueck));
    EXPECT_EQ(zurueck, b);
    EXPECT_FALSE(broadcastLesen(bytes.data(), 35, zurueck));
    EXPECT_EQ(kennung(b.mac), "EtherDream 00:04:a3:12:34:56");

    etherdream::Antwort a{'F', 'd', s};
    const auto ab = antwortSchreiben(a);
    EXPECT_EQ(hexVon(ab.data(), 4), "46 64 01 00");
    EXPECT_EQ(antwortLesen(ab.data()), a);

    auto b1 = beginnen(30000);
    EXPECT_EQ(hexVon(b1.data(), b1.size()), "62 00 00 30 75 00 00");
    auto q = rateEinreihen(70000);
    EXPECT_EQ(hexVon(q.data(), q.size()), "71 70 11 01 00");
    EXPECT_EQ(vorbereiten(), std::vector<std::uint8_t>{'p'});
    EXPECT_EQ(anhalten(), std::vector<std::uint8_t>{'s'});

    std::vector<std::uint8_t> d;
    datenKopf(d, 1);
    Punkt p{kRatenwechsel, -32768, 32767, 0xFFFF, 0x0101, 0, 0x8080, 0, 0};
    punktAnhaengen(d, p);
    EXPECT_EQ(hexVon(d.data(), d.size()),
              "64 01 00 00 80 00 80 FF 7F FF FF 01 01 00 00 80 80 00 00 00 00");
    EXPECT_EQ(punktLesen(d.data() + 3), p);
}

TEST(EtherDream, PipelinePointsMapToSignedCoordinatesAndBack) {
    const Punkt mitte = ausAusgabepunkt(Ausgabepunkt{32767, 32767, 255, 1, 0, 128});
    EXPECT_EQ(mitte.x, 0);
    EXPECT_EQ(mitte.y, 0);
    EXPECT_EQ(mitte.r, 0xFFFF);
    EXPECT_EQ(mitte.g, 0x0101);
    EXPECT_EQ(mitte.i, 0x8080);
    EXPECT_EQ(ausAusgabepunkt(Ausgabepunkt{0, 65535, 0, 0, 0, 0}).x, -32767);
    EXPECT_EQ(ausAusgabepunkt(Ausgabepunkt{0, 65535, 0, 0, 0, 0}).y, 32767);
    EXPECT_EQ(ausAusgabepunkt(Ausgabepunkt{-5, 70000, 300, -1, 0, 0}).r, 0xFFFF); // clamped
    const Ausgabepunkt a{1234, 60000, 17, 0, 255, 200};
    const Ausgabepunkt z = zuAusgabepunkt(ausAusgabepunkt(a));
    EXPECT_EQ(z.X, a.X);
    EXPECT_EQ(z.Y, a.Y);
    EXPECT_EQ(z.R, a.R);
    EXPECT_EQ(z.I, a.I);
}

TEST(EtherDream, EmulatorBroadcastsItsStatus) {
    netz::UdpSocket hoerer;
    ASSERT_TRUE(hoerer.binden("127.0.0.1", 0));
    emu::EtherDreamEmulator::Optionen o;
    o.broadcastZiel = {"127.0.0.1", hoerer.lokalerPort()};
    emu::EtherDreamEmulator dac(o);
    ASSERT_TRUE(dac.bereit());
    std::uint8_t puffer[64];
    netz::Adresse von;
    const long n = hoerer.empfangen(puffer, sizeof puffer, 2000, &von);
    ASSERT_EQ(n, 36);
    Broadcast b;
    ASSERT_TRUE(broadcastLesen(puffer, static_cast<std::size_t>(n), b));
    EXPECT_EQ(b.mac, o.mac);
    EXPECT_EQ(b.pufferKapazitaet, 1799);
    EXPECT_EQ(b.status.wiedergabe, Wiedergabe::Leerlauf);
    EXPECT_EQ(von.ip, "127.0.0.1");
}

// Streams a square for a while at 30,000 points per second, then stops; everything the DAC
// received is the square, point for point, followed by dark points, and the DAC ends idle.
void streamen(double sekunden) {
    emu::EtherDreamEmulator::Optionen o;
    o.broadcastZiel = {"127.0.0.1", 9}; // discard
    emu::EtherDreamEmulator dac(o);
    ASSERT_TRUE(dac.bereit());
    EtherDreamStrom::Optionen so;
    so.ziel = {"127.0.0.1", dac.tcpPort()};
    so.punktrate = 30000;
    const auto figur = quadrat();
    const auto bytes = kodiert(figur);
    {
        EtherDreamStrom strom(so);
        strom.frameSetzen(bytes.data(), figur.size());
        std::this_thread::sleep_for(std::chrono::duration<double>(sekunden));
        EXPECT_FALSE(strom.gestoert()) << strom.fehler();
        strom.stoppen();
    }
    EXPECT_EQ(dac.unterlaeufe(), 0);
    EXPECT_EQ(dac.wiedergabe(), Wiedergabe::Leerlauf);
    EXPECT_TRUE(dunkel(dac.letzterAusgegeben()));
    const auto empfangen = dac.empfangen();
    const double erwartet = sekunden * 30000;
    EXPECT_GT(static_cast<double>(dac.ausgegeben()), erwartet * 0.97);
    // Skip the dark points sent before the first frame arrived, then the square repeats.
    std::size_t k = 0;
    while (k < empfangen.size() && dunkel(empfangen[k])) ++k;
    ASSERT_LT(k, empfangen.size());
    std::size_t abweichend = 0, lit = 0;
    for (std::size_t n = 0; k < empfangen.size(); ++k, ++n) {
        if (dunkel(empfangen[k])) break;
        ++lit;
        abweichend += !(empfangen[k] == figur[n % figur.size()]);
    }
    EXPECT_EQ(abweichend, 0u);
    EXPECT_GT(static_cast<double>(lit), erwartet * 0.97);
    for (; k < empfangen.size(); ++k) EXPECT_TRUE(dunkel(empfangen[k]));
}

TEST(EtherDream, StreamsWithoutUnderrunAndStopsBlanked) {
    streamen(10.0);
}

TEST(EtherDream, LostDacIsReportedAndUsedAgainWhenItReturns) {
    emu::EtherDreamEmulator::Optionen o;
    o.broadcastZiel = {"127.0.0.1", 9};
    auto dac = std::make_unique<emu::EtherDreamEmulator>(o);
    ASSERT_TRUE(dac->bereit());
    const std::uint16_t port = dac->tcpPort();
    EtherDreamStrom::Optionen so;
    so.ziel = {"127.0.0.1", port};
    const auto figur = quadrat();
    const auto bytes = kodiert(figur);
    EtherDreamStrom strom(so);
    strom.frameSetzen(bytes.data(), figur.size());
    ASSERT_TRUE(test::warteBis([&] { return dac->ausgegeben() > 3000; }, 3));

    dac.reset(); // power lost
    EXPECT_TRUE(test::warteBis([&] { return strom.gestoert(); }, 3));
    EXPECT_FALSE(strom.fehler().empty());

    o.tcpPort = port;
    dac = std::make_unique<emu::EtherDreamEmulator>(o);
    ASSERT_TRUE(dac->bereit());
    EXPECT_TRUE(test::warteBis([&] { return !strom.gestoert() && dac->ausgegeben() > 3000; }, 5));
    strom.stoppen();
    EXPECT_EQ(dac->wiedergabe(), Wiedergabe::Leerlauf);
    EXPECT_TRUE(dunkel(dac->letzterAusgegeben()));
}
