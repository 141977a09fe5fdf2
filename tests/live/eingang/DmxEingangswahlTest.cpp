// The DMX input choice: the network inputs join the DAC libraries' DMX list, are stored under
// the same key, and the program opens the chosen one from the settings.

#include "live/eingang/DmxEingangswahl.h"
#include "TestHilfe.h"
#include "devices/Emulation.h"
#include "devices/Geraeteverwaltung.h"
#include "live/eingang/DmxPakete.h"
#include "live/eingang/OlaEingang.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sw {
namespace {

// A port free at this moment (bound and released again).
std::uint16_t freierPort(int art) {
    const int fd = ::socket(AF_INET, art, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t l = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l);
    ::close(fd);
    return ntohs(a.sin_port);
}

struct Wahl : ::testing::Test {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    Einstellungen e{u.log, u.pumpe};
    Wahl() { e.IniPfad = (tmp / "s.ini").string(); }
};

TEST_F(Wahl, NetworkInputsAreListedChosenStoredAndOpened) {
    {
        Geraete g;
        emu::einrichten(g.bibliothek, u.uhr, "lumax:1,jmlaser:1");
        Init_Hardware(g, u.env);
        dmxEingaengeEintragen(g, e);
        dmxEingaengeEintragen(g, e); // twice is once
        std::vector<std::string> erwartet{"No Device", "Lumax Emu 1", "JMLaser Emu 1",
                                          kArtNetEingangName, kSacnEingangName};
        if (olaGebaut()) erwartet.push_back(kOlaEingangName);
        EXPECT_EQ(g.comboDMXPort[1], erwartet);
        EXPECT_EQ(g.comboDMXPort[0],
                  (std::vector<std::string>{"No Device", "Lumax Emu 1", "JMLaser Emu 1"}));
        EXPECT_EQ(std::count(g.lstHardwareEintraege.begin(), g.lstHardwareEintraege.end(),
                             kSacnEingangName),
                  0);

        // The Lumax device first, then sACN: the library's DMX input is released.
        dmxEingangWaehlen(g, u.env, e, "Lumax Emu 1");
        EXPECT_EQ(g.DmxEingangsGeraet, 2);
        auto lumax = dmxEingangOeffnen(g, u.env, e);
        ASSERT_NE(lumax, nullptr);
        EXPECT_EQ(lumax->name(), "Lumax Emu 1");
        DmxFrame f{};
        f.fill(9);
        ASSERT_TRUE(lumax->neuesterFrame(f)); // the emulation's silent universe, once
        EXPECT_EQ(f, DmxFrame{});
        EXPECT_FALSE(lumax->neuesterFrame(f)); // unchanged since
        dmxEingangWaehlen(g, u.env, e, "JMLaser Emu 1");
        auto jm = dmxEingangOeffnen(g, u.env, e);
        ASSERT_NE(jm, nullptr);
        EXPECT_EQ(jm->name(), "JMLaser Emu 1");
        EXPECT_TRUE(jm->neuesterFrame(f));
        dmxEingangWaehlen(g, u.env, e, kSacnEingangName);
        EXPECT_EQ(g.DmxEingangsGeraet, 0);
        EXPECT_EQ(g.comboDMXPortIndex[1], 4);
    }
    auto d = dmxEingangsEinstellungenLesen(e);
    EXPECT_EQ(d.geraet, kSacnEingangName);
    EXPECT_EQ(d.universum, 1);
    EXPECT_EQ(d.sacnPort, 5568);
    d.universum = 9;
    d.bindAdresse = "127.0.0.1";
    d.sacnPort = freierPort(SOCK_DGRAM);
    dmxEingangsEinstellungenSchreiben(e, d);

    // The next start shows the choice and opens it from the settings.
    Geraete g;
    Init_Hardware(g, u.env);
    geraeteLaden(g, u.env, e);
    dmxEingaengeEintragen(g, e);
    EXPECT_EQ(g.comboDMXPort[1][static_cast<std::size_t>(g.comboDMXPortIndex[1])],
              kSacnEingangName);
    auto eingang = dmxEingangOeffnen(g, u.env, e);
    ASSERT_NE(eingang, nullptr);
    EXPECT_EQ(eingang->name(), "sACN universe 9");
    sacn::DatenPaket p;
    p.universum = 9;
    p.laenge = 1;
    p.kanaele[0] = 123;
    std::vector<std::uint8_t> b(sacn::kMaxBytes);
    b.resize(sacn::schreiben(p, b.data()));
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in ziel{};
    ziel.sin_family = AF_INET;
    ziel.sin_port = htons(d.sacnPort);
    ziel.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::sendto(fd, b.data(), b.size(), 0, reinterpret_cast<sockaddr*>(&ziel), sizeof ziel);
    ::close(fd);
    DmxFrame f{};
    ASSERT_TRUE(test::warteBis([&] { return eingang->neuesterFrame(f); }, 5));
    EXPECT_EQ(f[0], 123);
}

TEST_F(Wahl, InputsThatCannotOpenAreLoggedNotThrown) {
    ASSERT_TRUE(u.log.oeffnen(tmp / "log.txt"));
    Geraete g;
    Init_Hardware(g, u.env);
    dmxEingaengeEintragen(g, e);
    EXPECT_EQ(dmxEingangOeffnen(g, u.env, e), nullptr); // "No Device"

    auto d = dmxEingangsEinstellungenLesen(e);
    d.geraet = kArtNetEingangName;
    d.bindAdresse = "192.0.2.400";
    dmxEingangsEinstellungenSchreiben(e, d);
    EXPECT_EQ(dmxEingangOeffnen(g, u.env, e), nullptr);

    // OLA without olad: the input is made, says once that olad does not answer, and waits.
    d.geraet = kOlaEingangName;
    d.olaPort = freierPort(SOCK_STREAM);
    dmxEingangsEinstellungenSchreiben(e, d);
    auto ola = dmxEingangOeffnen(g, u.env, e);
    u.log.schliessen();
    const std::string log = test::leseDatei(tmp / "log.txt");
    EXPECT_EQ(test::vorkommen(log, "The DMX input cannot be opened: address 192.0.2.400"), 1u);
    if (olaGebaut()) {
        ASSERT_NE(ola, nullptr);
        EXPECT_EQ(test::vorkommen(log, "The OLA daemon (olad) does not answer"), 1u);
        DmxFrame f{};
        EXPECT_FALSE(ola->neuesterFrame(f));
    } else {
        EXPECT_EQ(ola, nullptr);
    }
}

} // namespace
} // namespace sw
