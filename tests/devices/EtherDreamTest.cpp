#include "TestHilfe.h"
#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/EtherDreamStrom.h"
#include "devices/netz/Sockets.h"

#include <atomic>
#include <chrono>
#include <thread>

using namespace sw;
using namespace sw::etherdream;

namespace {

std::string hexVon(const std::uint8_t* d, std::size_t n) {
    return test::hex(std::string(reinterpret_cast<const char*>(d), n), n);
}

} // namespace

TEST(EtherDream, WireLayoutsAndPointMappingByteForByte) {
    const Status s{1, 0, Wiedergabe::Laeuft, 0, 0x0102, 0x0004, 0, 1799, 30000, 0x01020304};
    const Broadcast b{{0x00, 0x04, 0xa3, 0x12, 0x34, 0x56}, 2, 3, 1800, 100000, s};
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

    std::vector<std::uint8_t> d;
    datenKopf(d, 1);
    Punkt p{kRatenwechsel, -32768, 32767, 0xFFFF, 0x0101, 0, 0x8080, 0, 0};
    punktAnhaengen(d, p);
    EXPECT_EQ(hexVon(d.data(), d.size()),
              "64 01 00 00 80 00 80 FF 7F FF FF 01 01 00 00 80 80 00 00 00 00");
    EXPECT_EQ(punktLesen(d.data() + 3), p);

    // Pipeline points map to signed coordinates, colours clamped, and back.
    EXPECT_EQ(ausAusgabepunkt(Ausgabepunkt{32767, 32767, 255, 1, 0, 128}),
              (Punkt{0, 0, 0, 0xFFFF, 0x0101, 0, 0x8080, 0, 0}));
    const Punkt ecke = ausAusgabepunkt(Ausgabepunkt{0, 65535, 0, 0, 0, 0});
    EXPECT_EQ(std::tuple(ecke.x, ecke.y), std::tuple(-32767, 32767));
    EXPECT_EQ(ausAusgabepunkt(Ausgabepunkt{-5, 70000, 300, -1, 0, 0}).r, 0xFFFF);
    const Ausgabepunkt z = zuAusgabepunkt(ausAusgabepunkt({1234, 60000, 17, 0, 255, 200}));
    EXPECT_EQ(std::tuple(z.X, z.Y, z.R, z.I), std::tuple(1234.0, 60000.0, 17.0, 200.0));
}

// A DAC that reports an underrun: the stream counts it, prepares and begins again, and keeps
// twice as much ahead from then on. The DAC here is scripted: it acknowledges every command,
// reports a steady fill while playing, and drops to idle once, after twenty data commands.
TEST(EtherDream, AnUnderrunIsCountedAndRaisesTheBufferTarget) {
    netz::TcpServer server;
    ASSERT_TRUE(server.lauschen("127.0.0.1", 0));
    std::atomic<bool> ende{false};
    std::atomic<int> vorbereitet{0};
    std::thread dac([&] {
        netz::TcpVerbindung c = server.annehmen(2000);
        Status s;
        auto antworten = [&](char befehl) {
            const auto d = antwortSchreiben({'a', befehl, s});
            return c.sendenAlles(d.data(), d.size());
        };
        if (!c.offen() || !antworten('?')) return;
        // Replies to a new command; a broken connection ends the loop.
        int daten = 0, empfangen = 0;
        bool unterlaufen = false;
        while (!ende && c.offen()) {
            if (!c.lesbar(5)) continue;
            std::uint8_t b = 0;
            if (!c.lesenGenau(&b, 1, 100)) break;
            std::uint8_t rest[6];
            if (b == 'p') {
                s.wiedergabe = Wiedergabe::Vorbereitet;
                s.wiedergabeFlags = 0;
                empfangen = 0;
                ++vorbereitet;
            } else if (b == 'b' && c.lesenGenau(rest, 6, 100)) {
                s.wiedergabe = Wiedergabe::Laeuft;
            } else if (b == 'q') {
                c.lesenGenau(rest, 4, 100);
            } else if (b == 'd' && c.lesenGenau(rest, 2, 100)) {
                std::vector<std::uint8_t> punkte((rest[0] | (rest[1] << 8)) * kPunktBytes);
                c.lesenGenau(punkte.data(), punkte.size(), 100);
                empfangen += static_cast<int>(punkte.size() / kPunktBytes);
                if (s.wiedergabe == Wiedergabe::Laeuft && ++daten == 20 && !unterlaufen) {
                    unterlaufen = true;
                    s.wiedergabe = Wiedergabe::Leerlauf;
                    s.wiedergabeFlags = 0x04; // ran empty
                }
            } else if (b == 's') {
                s.wiedergabe = Wiedergabe::Leerlauf;
            }
            s.punktrate = 30000;
            s.pufferFuellung = static_cast<std::uint16_t>(
                s.wiedergabe == Wiedergabe::Laeuft ? 450 : std::min(empfangen, 1799));
            if (!antworten(static_cast<char>(b))) break;
        }
    });
    EtherDreamStrom::Optionen o;
    o.ziel = {"127.0.0.1", server.lokalerPort()};
    {
        EtherDreamStrom strom(o);
        std::vector<std::uint8_t> frame(100 * kPunktBytes, 0x11);
        strom.frameSetzen(frame.data(), 100);
        for (int k = 0; k < 400 && (strom.unterlaeufe() == 0 || vorbereitet < 2 ||
                                    strom.pufferziel() < 2 * 0.015 - 1e-9);
             ++k)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(strom.unterlaeufe(), 1);
        EXPECT_EQ(vorbereitet.load(), 2); // prepared again after the underrun
        // Twice the start at least (a slow moment before may have raised it already).
        EXPECT_GE(strom.pufferziel(), 2 * 0.015 - 1e-9);
        EXPECT_LE(strom.pufferziel(), o.latenz);
        EXPECT_FALSE(strom.gestoert()) << strom.fehler();
        ende = true;
    }
    dac.join();
}
