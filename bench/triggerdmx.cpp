// DMX input to the output cycle: how long an Art-Net (and an sACN) packet sent on loopback
// takes until `neuesterFrame` hands it over, through the socket, the receiving thread, the
// decoder and the frame slot. The cycle is stood in for by a loop that asks without pause, so
// the figures are the hand-over itself; a real cycle adds up to one pass. Reports the median
// and the 99th percentile in microseconds.
//
//   bench_trigger_dmx [--anzahl N]      (N samples per protocol, 2000 by default)

#include "live/eingang/ArtNetEingang.h"
#include "live/eingang/SacnEingang.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using namespace sw;

namespace {

using Uhrzeit = std::chrono::steady_clock;

class Sender {
public:
    explicit Sender(std::uint16_t port) : fd_(::socket(AF_INET, SOCK_DGRAM, 0)) {
        ziel_.sin_family = AF_INET;
        ziel_.sin_port = htons(port);
        ziel_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    }
    ~Sender() { ::close(fd_); }
    void senden(const std::vector<std::uint8_t>& b) {
        ::sendto(fd_, b.data(), b.size(), 0, reinterpret_cast<sockaddr*>(&ziel_), sizeof ziel_);
    }

private:
    int fd_;
    sockaddr_in ziel_{};
};

// Sends packet k (built by `paket`, channels 1 and 2 carrying k) and waits until its frame is
// handed over; a lost packet (none on loopback so far) is counted and sent again.
void messen(const char* name, DmxEingang& eingang, std::uint16_t port, int anzahl,
            const std::function<std::vector<std::uint8_t>(int)>& paket) {
    Sender s(port);
    std::vector<double> us;
    int verloren = 0;
    DmxFrame f{};
    for (int k = 1; k <= anzahl; ++k) {
        const auto b = paket(k);
        for (;;) {
            const auto t0 = Uhrzeit::now();
            s.senden(b);
            bool da = false;
            while (Uhrzeit::now() - t0 < std::chrono::milliseconds(200)) {
                if (eingang.neuesterFrame(f) && f[0] == (k >> 8 & 0xFF) && f[1] == (k & 0xFF)) {
                    da = true;
                    break;
                }
            }
            if (da) {
                us.push_back(
                    std::chrono::duration<double, std::micro>(Uhrzeit::now() - t0).count());
                break;
            }
            ++verloren;
        }
    }
    std::sort(us.begin(), us.end());
    auto quantil = [&](double q) {
        return us[std::min(us.size() - 1, static_cast<std::size_t>(q * us.size()))];
    };
    std::printf("%-8s packet to neuesterFrame: median %.1f us, 99th percentile %.1f us, max "
                "%.1f us (%zu samples, %d lost)\n",
                name, quantil(0.5), quantil(0.99), us.back(), us.size(), verloren);
}

} // namespace

int main(int argc, char** argv) {
    int anzahl = 2000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--anzahl") == 0) anzahl = std::max(1, std::atoi(argv[++i]));

    ArtNetEingang art({1, "127.0.0.1", 0});
    messen("Art-Net", art, art.port(), anzahl, [](int k) {
        artnet::DmxPaket p;
        p.portAdresse = 1;
        p.sequenz = static_cast<std::uint8_t>(k % 255 + 1);
        p.laenge = 512;
        p.kanaele[0] = static_cast<std::uint8_t>(k >> 8);
        p.kanaele[1] = static_cast<std::uint8_t>(k);
        std::vector<std::uint8_t> b(artnet::kKopfBytes + 512);
        artnet::schreiben(p, b.data());
        return b;
    });

    SacnEingang sacn({1, "127.0.0.1", 0, false});
    messen("sACN", sacn, sacn.port(), anzahl, [](int k) {
        sacn::DatenPaket p;
        p.cid.fill(1);
        p.sequenz = static_cast<std::uint8_t>(k);
        p.laenge = 512;
        p.kanaele[0] = static_cast<std::uint8_t>(k >> 8);
        p.kanaele[1] = static_cast<std::uint8_t>(k);
        std::vector<std::uint8_t> b(sacn::kMaxBytes);
        b.resize(sacn::schreiben(p, b.data()));
        return b;
    });
    return 0;
}
