#pragma once
// An emulated Ether Dream on loopback, for tests and demos: it broadcasts its status once a
// second on its own schedule (the first one a while after power-up, as hardware does), serves
// one TCP client, and drains its point buffer at the point rate in real time.
// When the buffer runs empty while playing it drops to idle, as the real DAC does, and counts
// the underrun. It records every point it received and reports every point it outputs.

#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/Sockets.h"

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace sw::emu {

class EtherDreamEmulator {
public:
    struct Optionen {
        std::string ip = "127.0.0.1";
        std::uint16_t tcpPort = 0; // 0: any free port
        netz::Adresse broadcastZiel{"127.0.0.1", etherdream::kBroadcastPort};
        std::array<std::uint8_t, 6> mac{0x00, 0x04, 0xa3, 0x10, 0x20, 0x30};
        std::uint16_t kapazitaet = 1799;
        std::uint32_t maxPunktrate = 100000;
        // Seconds from the start to the first status broadcast (below 0: a random time from
        // 0.3 to 0.9 s, as a DAC that just got its address), and between broadcasts.
        double ersterBroadcast = -1;
        double broadcastAbstand = 1.0;
        // The thread asks for real-time scheduling, so that on a busy computer the emulated
        // DAC keeps its own pace as the real one with its own processor does.
        bool echtzeit = false;
        // Called from the emulator's thread for every point it outputs, with the seconds since
        // the emulator started.
        std::function<void(const etherdream::Punkt&, double)> beiAusgabe;
    };

    explicit EtherDreamEmulator(Optionen o);
    ~EtherDreamEmulator();
    EtherDreamEmulator(const EtherDreamEmulator&) = delete;
    EtherDreamEmulator& operator=(const EtherDreamEmulator&) = delete;

    bool bereit() const { return server_.offen(); }
    std::uint16_t tcpPort() const { return tcpPort_; }
    // Closes the sockets and ends the thread, like a DAC losing power.
    void beenden();
    // Seconds since the emulator started, the clock of `beiAusgabe`.
    double sekunden() const;
    // Status broadcasts sent so far.
    int broadcasts() const { return broadcasts_; }

    std::vector<etherdream::Punkt> empfangen() const;
    etherdream::Punkt letzterAusgegeben() const;
    etherdream::Wiedergabe wiedergabe() const;
    long ausgegeben() const;
    int unterlaeufe() const;

private:
    void lauf();
    void broadcasten(double jetzt);
    void befehlAusfuehren(netz::TcpVerbindung& c, std::uint8_t befehl);
    void ablaufen(double jetzt);
    void antworten(netz::TcpVerbindung& c, char antwort, char befehl);

    Optionen opt_;
    netz::TcpServer server_;
    netz::UdpSocket udp_;
    std::uint16_t tcpPort_ = 0;
    std::chrono::steady_clock::time_point start_;
    std::atomic<bool> ende_{false};
    std::thread thread_;

    mutable std::mutex m_;
    etherdream::Status status_;
    std::deque<etherdream::Punkt> puffer_;
    std::deque<std::uint32_t> raten_;
    std::deque<etherdream::Punkt> empfangen_; // grows without copying what it holds
    etherdream::Punkt letzter_;
    double basisZeit_ = 0;
    long basisZahl_ = 0;
    long ausgegeben_ = 0;
    int unterlaeufe_ = 0;
    double naechsterBroadcast_ = 0;
    std::atomic<int> broadcasts_{0};
};

} // namespace sw::emu
