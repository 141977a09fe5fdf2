// The Art-Net and sACN receivers with real UDP packets on loopback: the newest frame of the
// universe arrives, every bad packet is counted by its reason and nothing else happens; two
// sACN senders at different priorities.

#include "TestHilfe.h"
#include "live/eingang/ArtNetEingang.h"
#include "live/eingang/SacnEingang.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sw {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// A UDP sender to 127.0.0.1:port.
class Sender {
public:
    explicit Sender(std::uint16_t port) : fd_(::socket(AF_INET, SOCK_DGRAM, 0)) {
        ziel_.sin_family = AF_INET;
        ziel_.sin_port = htons(port);
        ziel_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    }
    ~Sender() { ::close(fd_); }
    void senden(const Bytes& b) {
        ASSERT_EQ(
            ::sendto(fd_, b.data(), b.size(), 0, reinterpret_cast<sockaddr*>(&ziel_), sizeof ziel_),
            static_cast<ssize_t>(b.size()));
    }

private:
    int fd_;
    sockaddr_in ziel_{};
};

Bytes artDmx(std::uint16_t universum, std::uint8_t sequenz, std::uint8_t kanal1) {
    artnet::DmxPaket p;
    p.portAdresse = universum;
    p.sequenz = sequenz;
    p.laenge = 512;
    p.kanaele[0] = kanal1;
    p.kanaele[511] = kanal1;
    Bytes b(artnet::kKopfBytes + 512);
    artnet::schreiben(p, b.data());
    return b;
}

std::uint64_t summe(const Paketzaehler& z) {
    return z.angenommen() + z.verworfen();
}

// Waits until `n` packets were seen, then for the frame (if any) they left.
bool gesehen(const Paketzaehler& z, std::uint64_t n) {
    return test::warteBis([&] { return summe(z) >= n; }, 5);
}

TEST(ArtNetEingang, NewestFrameOverLoopbackBadPacketsCountedAndDropped) {
    ArtNetEingang e({0x101, "127.0.0.1", 0});
    ASSERT_NE(e.port(), 0);
    EXPECT_EQ(e.name(), "Art-Net universe 257");
    Sender s(e.port());
    DmxFrame f{};
    EXPECT_FALSE(e.neuesterFrame(f));

    s.senden(artDmx(0x101, 10, 11));
    ASSERT_TRUE(test::warteBis([&] { return e.neuesterFrame(f); }, 5));
    EXPECT_EQ(f[0], 11);
    EXPECT_EQ(f[511], 11);
    EXPECT_FALSE(e.neuesterFrame(f)); // handed over once

    Bytes kurz = artDmx(0x101, 11, 1);
    kurz.resize(12);
    Bytes kennung = artDmx(0x101, 11, 2);
    kennung[0] = 'X';
    Bytes version = artDmx(0x101, 11, 3);
    version[11] = 13;
    Bytes ungerade = artDmx(0x101, 11, 4);
    ungerade[17] = 0xFF; // 511 channels
    Bytes zuLang = artDmx(0x101, 11, 5);
    zuLang[16] = 0x03; // 768
    s.senden(kurz);
    s.senden(kennung);
    s.senden(version);
    s.senden(ungerade);
    s.senden(zuLang);
    s.senden(artDmx(0x102, 11, 6)); // another universe
    s.senden(artDmx(0x001, 11, 6)); // another net
    s.senden(artDmx(0x101, 9, 7));  // older than 10
    s.senden(artDmx(0x101, 10, 7)); // the same again
    s.senden(Bytes(3000, 0x41));    // larger than any packet
    s.senden(Bytes{});
    ASSERT_TRUE(gesehen(e.zaehler(), 12));
    const auto& z = e.zaehler();
    EXPECT_EQ(z.angenommen(), 1u);
    EXPECT_EQ(z.anzahl(Verwerfung::ZuKurz), 2u);
    EXPECT_EQ(z.anzahl(Verwerfung::FalscheKennung), 2u);
    EXPECT_EQ(z.anzahl(Verwerfung::AlteVersion), 1u);
    EXPECT_EQ(z.anzahl(Verwerfung::FalscheLaenge), 2u);
    EXPECT_EQ(z.anzahl(Verwerfung::FalschesUniversum), 2u);
    EXPECT_EQ(z.anzahl(Verwerfung::Reihenfolge), 2u);
    EXPECT_EQ(z.verworfen(), 11u);
    EXPECT_FALSE(e.neuesterFrame(f));

    // Newer packets go on; of several, the newest is the one handed over. Sequence 0 turns
    // the check off, and a jump far back is a sender that started again.
    s.senden(artDmx(0x101, 12, 20));
    s.senden(artDmx(0x101, 0, 21));
    s.senden(artDmx(0x101, 13, 22));
    s.senden(artDmx(0x101, 200, 23));
    s.senden(artDmx(0x101, 1, 24));
    ASSERT_TRUE(gesehen(e.zaehler(), 17));
    EXPECT_EQ(z.angenommen(), 6u);
    ASSERT_TRUE(e.neuesterFrame(f));
    EXPECT_EQ(f[0], 24);
}

TEST(ArtNetEingang, ASilentSendersSequenceIsForgotten) {
    ArtNetEingang e({1, "127.0.0.1", 0});
    const auto t0 = std::chrono::steady_clock::now();
    const Bytes b10 = artDmx(1, 10, 1), b5 = artDmx(1, 5, 2);
    EXPECT_EQ(e.verarbeiten(b10.data(), b10.size(), t0), Verwerfung::Keine);
    EXPECT_EQ(e.verarbeiten(b5.data(), b5.size(), t0 + 2s), Verwerfung::Reihenfolge);
    // 2.5 s after the last packet taken, a desk that started again is taken from its number.
    EXPECT_EQ(e.verarbeiten(b5.data(), b5.size(), t0 + 2600ms), Verwerfung::Keine);
    EXPECT_EQ(e.verarbeiten(b10.data(), b10.size(), t0 + 2700ms), Verwerfung::Keine);
}

TEST(ArtNetEingang, AnAddressThatCannotBeBoundIsAnErrorNotACrash) {
    EXPECT_THROW(ArtNetEingang({0, "not an address", 0}), std::runtime_error);
}

Bytes sacnPaket(std::uint8_t quelle, std::uint8_t prioritaet, std::uint8_t sequenz,
                std::uint8_t kanal1, std::uint16_t universum = 7, std::uint8_t optionen = 0) {
    sacn::DatenPaket p;
    p.cid.fill(quelle);
    p.quelle = "Desk " + std::to_string(quelle);
    p.prioritaet = prioritaet;
    p.sequenz = sequenz;
    p.universum = universum;
    p.optionen = optionen;
    p.laenge = 512;
    p.kanaele[0] = kanal1;
    Bytes b(sacn::kMaxBytes);
    b.resize(sacn::schreiben(p, b.data()));
    return b;
}

TEST(SacnQuellen, HighestPriorityWinsWhileAliveSequenceAndTermination) {
    SacnQuellen q;
    const SacnQuellen::Zeit t0{};
    sacn::DatenPaket a, b;
    a.cid.fill(1);
    a.prioritaet = 100;
    b.cid.fill(2);
    b.prioritaet = 150;
    auto mit = [](sacn::DatenPaket p, std::uint8_t seq, std::uint8_t optionen = 0) {
        p.sequenz = seq;
        p.optionen = optionen;
        return p;
    };
    EXPECT_EQ(q.pruefen(mit(a, 1), t0), Verwerfung::Keine);
    EXPECT_EQ(q.pruefen(mit(b, 1), t0 + 10ms), Verwerfung::Keine);
    EXPECT_EQ(q.pruefen(mit(a, 2), t0 + 20ms), Verwerfung::NiedrigerePrioritaet);
    EXPECT_EQ(q.pruefen(mit(b, 1), t0 + 30ms), Verwerfung::Reihenfolge);
    EXPECT_EQ(q.pruefen(mit(a, 2), t0 + 40ms), Verwerfung::Reihenfolge);
    EXPECT_EQ(q.pruefen(mit(b, 2, sacn::kOptionVorschau), t0 + 50ms), Verwerfung::Vorschau);
    // B falls silent: 2.5 s after its last packet A takes over.
    EXPECT_EQ(q.pruefen(mit(a, 3), t0 + 2540ms), Verwerfung::NiedrigerePrioritaet);
    EXPECT_EQ(q.pruefen(mit(a, 4), t0 + 2560ms), Verwerfung::Keine);
    EXPECT_EQ(q.anzahl(), 1u);
    // B comes back and wins; its stream-terminated packet hands over to A at once.
    EXPECT_EQ(q.pruefen(mit(b, 3), t0 + 2600ms), Verwerfung::Keine);
    EXPECT_EQ(q.pruefen(mit(a, 5), t0 + 2610ms), Verwerfung::NiedrigerePrioritaet);
    EXPECT_EQ(q.pruefen(mit(b, 4, sacn::kOptionBeendet), t0 + 2620ms), Verwerfung::Beendet);
    EXPECT_EQ(q.pruefen(mit(a, 6), t0 + 2630ms), Verwerfung::Keine);
    // Equal priority: the newest packet is taken.
    sacn::DatenPaket c = a;
    c.cid.fill(3);
    EXPECT_EQ(q.pruefen(mit(c, 200), t0 + 2640ms), Verwerfung::Keine);
    EXPECT_EQ(q.pruefen(mit(a, 7), t0 + 2650ms), Verwerfung::Keine);
    // A flood of made-up senders is bounded.
    for (int i = 0; i < 100; ++i) {
        sacn::DatenPaket d = a;
        d.cid.fill(static_cast<std::uint8_t>(10 + i));
        d.cid[0] = 0xAA;
        q.pruefen(d, t0 + 2700ms);
    }
    EXPECT_EQ(q.anzahl(), SacnQuellen::kMaxQuellen);
}

TEST(SacnEingang, TwoSendersAtDifferentPrioritiesOverLoopback) {
    SacnEingang e({7, "127.0.0.1", 0, false});
    EXPECT_EQ(e.name(), "sACN universe 7");
    Sender leise(e.port()), laut(e.port());
    DmxFrame f{};

    leise.senden(sacnPaket(1, 100, 1, 11));
    ASSERT_TRUE(test::warteBis([&] { return e.neuesterFrame(f); }, 5));
    EXPECT_EQ(f[0], 11);
    laut.senden(sacnPaket(2, 120, 1, 22));
    leise.senden(sacnPaket(1, 100, 2, 33)); // ignored while the louder one is alive
    ASSERT_TRUE(gesehen(e.zaehler(), 3));
    ASSERT_TRUE(e.neuesterFrame(f));
    EXPECT_EQ(f[0], 22);
    EXPECT_EQ(e.zaehler().anzahl(Verwerfung::NiedrigerePrioritaet), 1u);

    // Out of sequence, another universe, preview, RDM, garbage: counted and dropped.
    laut.senden(sacnPaket(2, 120, 1, 40));
    laut.senden(sacnPaket(2, 120, 2, 41, 8));
    laut.senden(sacnPaket(2, 120, 2, 42, 7, sacn::kOptionVorschau));
    Bytes rdm = sacnPaket(2, 120, 3, 43);
    rdm[125] = 0xCC;
    laut.senden(rdm);
    Bytes kurz = sacnPaket(2, 120, 3, 44);
    kurz.resize(100);
    laut.senden(kurz);
    ASSERT_TRUE(gesehen(e.zaehler(), 8));
    EXPECT_EQ(e.zaehler().anzahl(Verwerfung::Reihenfolge), 1u);
    EXPECT_EQ(e.zaehler().anzahl(Verwerfung::FalschesUniversum), 1u);
    EXPECT_EQ(e.zaehler().anzahl(Verwerfung::Vorschau), 1u);
    EXPECT_EQ(e.zaehler().anzahl(Verwerfung::FalscherStartcode), 1u);
    EXPECT_EQ(e.zaehler().anzahl(Verwerfung::ZuKurz), 1u);
    EXPECT_FALSE(e.neuesterFrame(f));

    // The louder one ends its stream: the quieter one is taken at once.
    laut.senden(sacnPaket(2, 120, 3, 0, 7, sacn::kOptionBeendet));
    leise.senden(sacnPaket(1, 100, 3, 55));
    ASSERT_TRUE(gesehen(e.zaehler(), 10));
    ASSERT_TRUE(e.neuesterFrame(f));
    EXPECT_EQ(f[0], 55);
    EXPECT_EQ(e.zaehler().anzahl(Verwerfung::Beendet), 1u);
    EXPECT_EQ(e.zaehler().angenommen(), 3u);
}

TEST(SacnEingang, JoinsTheUniversesMulticastGroup) {
    // Joined on the loopback interface (the bind address names it); the socket itself listens
    // on every address, so packets sent straight to it arrive as well.
    SacnEingang e({63999, "127.0.0.1", 0, true});
    Sender s(e.port());
    s.senden(sacnPaket(1, 100, 1, 9, 63999));
    DmxFrame f{};
    ASSERT_TRUE(test::warteBis([&] { return e.neuesterFrame(f); }, 5));
    EXPECT_EQ(f[0], 9);
    if (!e.multicast()) GTEST_SKIP() << "this host cannot join a multicast group on loopback";

    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    in_addr lo{};
    lo.s_addr = htonl(INADDR_LOOPBACK);
    ::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_IF, &lo, sizeof lo);
    sockaddr_in gruppe{};
    gruppe.sin_family = AF_INET;
    gruppe.sin_port = htons(e.port());
    gruppe.sin_addr.s_addr = htonl(sacn::multicastGruppe(63999)); // 239.255.249.255
    const Bytes b = sacnPaket(1, 100, 2, 10, 63999);
    ::sendto(fd, b.data(), b.size(), 0, reinterpret_cast<sockaddr*>(&gruppe), sizeof gruppe);
    ::close(fd);
    ASSERT_TRUE(test::warteBis([&] { return e.neuesterFrame(f); }, 5));
    EXPECT_EQ(f[0], 10);
}

} // namespace
} // namespace sw
