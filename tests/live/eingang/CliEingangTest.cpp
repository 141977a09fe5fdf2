// strahlwerk-cli's two commands for setting up a desk: dmx-monitor against real packets on
// loopback, and midi-ports on a machine with or without MIDI.

#include "TestHilfe.h"
#include "live/eingang/DmxPakete.h"

#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sw {
namespace {

std::uint16_t freierUdpPort() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t l = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l);
    ::close(fd);
    return ntohs(a.sin_port);
}

void senden(std::uint16_t port, const std::vector<std::uint8_t>& b) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in ziel{};
    ziel.sin_family = AF_INET;
    ziel.sin_port = htons(port);
    ziel.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::sendto(fd, b.data(), b.size(), 0, reinterpret_cast<sockaddr*>(&ziel), sizeof ziel);
    ::close(fd);
}

std::vector<std::uint8_t> artDmx(std::uint16_t universum, std::uint8_t seq,
                                 std::initializer_list<std::pair<int, std::uint8_t>> kanaele) {
    artnet::DmxPaket p;
    p.portAdresse = universum;
    p.sequenz = seq;
    p.laenge = 512;
    for (auto [k, w] : kanaele) p.kanaele[static_cast<std::size_t>(k - 1)] = w;
    std::vector<std::uint8_t> b(artnet::kKopfBytes + 512);
    artnet::schreiben(p, b.data());
    return b;
}

TEST(CliDmxMonitor, PrintsChangedChannelsAndThePacketCounts) {
    const std::uint16_t port = freierUdpPort();
    const std::string befehl = std::string(STRAHLWERK_CLI) +
                               " dmx-monitor --artnet 3 --seconds 3 --bind 127.0.0.1 --port " +
                               std::to_string(port);
    FILE* aus = ::popen(befehl.c_str(), "r");
    ASSERT_NE(aus, nullptr);
    char zeile[256];
    ASSERT_NE(std::fgets(zeile, sizeof zeile, aus), nullptr); // listening: the socket is bound
    EXPECT_EQ(std::string(zeile),
              "listening: Art-Net universe 3 on 127.0.0.1:" + std::to_string(port) + "\n");
    senden(port, artDmx(3, 1, {{1, 255}, {512, 7}}));
    // The monitor shows each frame it took; wait for it before the next change.
    ASSERT_NE(std::fgets(zeile, sizeof zeile, aus), nullptr);
    EXPECT_EQ(std::string(zeile), "channel 1: 0 -> 255\n");
    ASSERT_NE(std::fgets(zeile, sizeof zeile, aus), nullptr);
    EXPECT_EQ(std::string(zeile), "channel 512: 0 -> 7\n");
    senden(port, artDmx(3, 2, {{1, 128}, {512, 7}}));
    ASSERT_NE(std::fgets(zeile, sizeof zeile, aus), nullptr);
    EXPECT_EQ(std::string(zeile), "channel 1: 255 -> 128\n");
    senden(port, artDmx(3, 1, {{1, 9}}));    // out of sequence
    senden(port, artDmx(4, 3, {{1, 9}}));    // another universe
    senden(port, {'A', 'r', 't', '-', 'N'}); // short
    std::string rest;
    while (std::fgets(zeile, sizeof zeile, aus)) rest += zeile;
    EXPECT_EQ(::pclose(aus), 0);
    EXPECT_EQ(rest, "packets: 2 taken, 3 dropped\n"
                    "dropped, short: 1\n"
                    "dropped, other universe: 1\n"
                    "dropped, out of sequence: 1\n");
}

TEST(CliMidiPorts, ListsPortsOrSaysThereIsNoMidiSystem) {
    const std::string befehl = std::string(STRAHLWERK_CLI) + " midi-ports 2>&1";
    FILE* aus = ::popen(befehl.c_str(), "r");
    ASSERT_NE(aus, nullptr);
    std::string text;
    char zeile[512];
    while (std::fgets(zeile, sizeof zeile, aus)) text += zeile;
    EXPECT_EQ(::pclose(aus), 0);
    const bool ohne = text.find("{\"midiSystem\":false,\"ports\":[]}") != std::string::npos;
    const bool mit = text.find("{\"midiSystem\":true,\"ports\":[") != std::string::npos;
    EXPECT_TRUE(ohne || mit) << text;
    if (ohne) {
        EXPECT_NE(text.find("No MIDI system on this machine"), std::string::npos);
    }
}

} // namespace
} // namespace sw
