#include "Anlage.h"
#include "devices/netz/Strom.h"
#include "devices/usb/HeliosEmulator.h"
#include "devices/usb/HeliosProtokoll.h"

#include <chrono>
#include <thread>

using namespace sw;
using namespace sw::helios;
using sw::test::Anlage;

namespace {

std::string hexVon(const std::vector<std::uint8_t>& d) {
    return test::hex(std::string(d.begin(), d.end()), d.size());
}

std::vector<sw::Punkt> dreieck() {
    std::vector<sw::Punkt> p;
    for (int k = 0; k < 60; ++k)
        p.push_back({static_cast<std::int16_t>((k % 20) * 1000 - 10000),
                     static_cast<std::int16_t>((k / 20) * 8000 - 8000), 4095, 0});
    return p;
}

// A Helios on logical device 0 and a Lumax beside it on 1, both playing the triangle.
emu::HeliosEmulator& aufbauen(Anlage& t) {
    t.zuordnen(0, "Helios Emu 1", 30000);
    t.zuordnen(1, "Lumax Emu 1", 20000);
    t.figur(dreieck());
    return static_cast<emu::HeliosEmulator&>(*t.g.bibliothek.usb);
}

} // namespace

TEST(Helios, PointAndFrameLayoutsByteForByte) {
    std::vector<std::uint8_t> z(kPunktBytes);
    punktSchreiben({0xABC, 0x123, 1, 2, 3, 4}, z.data());
    EXPECT_EQ(hexVon(z), "AB C1 23 01 02 03 04");
    EXPECT_EQ(punktLesen(z.data()), (helios::Punkt{0xABC, 0x123, 1, 2, 3, 4}));

    EXPECT_EQ(ausAusgabepunkt(Ausgabepunkt{0, 65535, 255, 0, 0, 255}),
              (helios::Punkt{0, 4095, 255, 0, 0, 255}));
    EXPECT_EQ(ausAusgabepunkt(Ausgabepunkt{32767, 32767, 300, -4, 0, 0}),
              (helios::Punkt{2047, 2047, 255, 0, 0, 0}));

    const auto f = frame(z.data(), 1, 30000, kFlagSofort);
    EXPECT_EQ(hexVon(f), "AB C1 23 01 02 03 04 30 75 01 00 01");
    helios::Frame zurueck;
    EXPECT_TRUE(frameLesen(f.data(), f.size(), zurueck) && zurueck.rate == 30000);
    EXPECT_FALSE(frameLesen(f.data(), f.size() - 1, zurueck));

    // Limits: the rate 7 to 65535, the count 1 to 4095, an empty frame a dark centre point.
    EXPECT_EQ(hexVon(frame(nullptr, 0, 3, 0)), "7F F7 FF 00 00 00 00 07 00 01 00 00");
    EXPECT_EQ(frame(z.data(), 1, 70000, 0)[7], 0xFF);
    std::vector<std::uint8_t> viele(5000 * kPunktBytes);
    const auto gross = frame(viele.data(), 5000, 30000, 0);
    EXPECT_EQ(gross.size(), 4095 * kPunktBytes + 5);
    EXPECT_EQ(gross[gross.size() - 2], 0x0F); // 4095 = 0x0FFF
}

TEST(Helios, StreamsThroughThePipelineAndStopsDark) {
    Anlage t("helios:1,lumax:1");
    ASSERT_GE(geraetNachName(t.g, "Helios Emu 1"), 0);
    auto& emu = aufbauen(t);
    std::vector<std::uint8_t> letzter;
    t.dac->gesendet = [&](int d, Geraetetyp, int, int, const std::uint8_t* daten, std::size_t n) {
        if (d == 0) letzter.assign(daten, daten + n);
    };
    t.starten();
    t.spielen(2);
    auto g = emu.geraet(0);
    EXPECT_GT(g.frames, 200); // about 60 points per frame: 500 frames a second at most
    EXPECT_EQ(g.zuFrueh, 0);
    ASSERT_FALSE(letzter.empty());
    ASSERT_EQ(g.gezeichnet.punkte.size(), letzter.size() / kPunktBytes);
    for (std::size_t k = 0; k < g.gezeichnet.punkte.size(); ++k)
        EXPECT_EQ(g.gezeichnet.punkte[k], punktLesen(letzter.data() + k * kPunktBytes));
    EXPECT_EQ(g.gezeichnet.rate, 30000);
    AbspielenStoppen(*t.a);
    g = emu.geraet(0);
    EXPECT_EQ(g.stopps, 1);
    ASSERT_FALSE(g.gezeichnet.punkte.empty());
    for (const auto& p : g.gezeichnet.punkte) EXPECT_TRUE(dunkel(p));
}

TEST(Helios, AnUnpluggedDacIsReportedOnceAndUsedAgain) {
    test::Kratzordner tmp;
    Anlage t("helios:1,lumax:1");
    ASSERT_TRUE(t.u.log.oeffnen(tmp / "log.txt"));
    auto& emu = aufbauen(t);
    t.starten();
    t.spielen(0.3);
    emu.ausstecken(0, true);
    const long lumax = t.lumax().geraete[0].frames;
    t.spielen(1.5);
    EXPECT_TRUE(t.dac->gestoert(0));
    EXPECT_GT(t.lumax().geraete[0].frames, lumax + 20);
    emu.ausstecken(0, false);
    const long vorher = emu.geraet(0).frames;
    t.spielen(2.5);
    EXPECT_FALSE(t.dac->gestoert(0));
    EXPECT_GT(emu.geraet(0).frames, vorher + 50);
    AbspielenStoppen(*t.a);
    t.u.log.schliessen();
    const std::string log = test::leseDatei(tmp / "log.txt");
    for (const char* zeile : {"(Helios Emu 1) antwortet nicht", "(Helios Emu 1) antwortet wieder"})
        EXPECT_EQ(test::vorkommen(log, zeile), 1u) << zeile;
}

TEST(Helios, ADacTakenOffItsLogicalDeviceIsStoppedDark) {
    Anlage t("helios:1,lumax:1");
    auto& emu = aufbauen(t);
    t.starten();
    t.spielen(0.3);
    ASSERT_NE(t.dac->laufenderStrom(0), nullptr);
    geraetWaehlen(t.g, t.u.env, 0, 0); // No Device
    t.spielen(0.2);
    const auto g = emu.geraet(0);
    EXPECT_EQ(g.stopps, 1);
    for (const auto& p : g.gezeichnet.punkte) EXPECT_TRUE(dunkel(p));
    AbspielenStoppen(*t.a);
}
