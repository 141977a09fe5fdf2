#pragma once
// An emulated IDN receiver on loopback, for tests and demos: it answers scans and pings, opens
// the channel on a routing configuration, reassembles frame fragments, and closes the channel
// on a close message or after one second without a message, as a real receiver does. It
// counts lost sequence numbers and reports every complete frame. Frames play one after the
// other, each for its duration; one that arrives after the previous ones have all been drawn
// left the receiver without points and is counted as an underrun. A wave (continuous mode) is
// collected sample by sample; a chunk that leaves a gap in the timeline or arrives after its
// time to play is counted.

#include "devices/netz/IdnProtokoll.h"
#include "devices/netz/Sockets.h"

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace sw::emu {

class IdnEmulator {
public:
    struct Optionen {
        std::string ip = "127.0.0.1";
        std::uint16_t port = 0; // 0: any free port
        std::vector<std::uint8_t> unitId{0x07, 0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
        std::string hostname = "IDN-Emu";
        // The thread asks for real-time scheduling, so that on a busy computer it notes each
        // arrival when it happens, as a receiver with its own processor does.
        bool echtzeit = false;
        // Called from the emulator's thread for every complete frame, with the seconds since
        // the emulator started.
        std::function<void(const std::vector<idn::Sample>&, double)> beiFrame;
    };

    explicit IdnEmulator(Optionen o);
    ~IdnEmulator();
    IdnEmulator(const IdnEmulator&) = delete;
    IdnEmulator& operator=(const IdnEmulator&) = delete;

    bool bereit() const { return udp_.offen(); }
    std::uint16_t port() const { return port_; }
    void beenden();
    double sekunden() const;

    long frames() const;
    std::vector<idn::Sample> letzterFrame() const;
    bool kanalOffen() const;
    int konfigurationen() const;  // configurations received with the expected descriptors
    int falscheKonfig() const;    // configurations with other descriptors or modes
    int folgeLuecken() const;     // sequence numbers missing
    int zeitueberschreitungen() const; // channels closed for lack of messages
    int schliessungen() const;    // channels closed by the sender
    std::vector<idn::Sample> welle() const; // every wave sample received, in order
    int wellenLuecken() const;    // chunks that do not continue the timeline
    int zuSpaet() const;          // chunks that arrived after their time to play
    int unterlaeufe() const;      // frames that arrived after the previous ones were drawn

private:
    void lauf();
    void nachricht(const std::uint8_t* q, std::size_t bytes, double jetzt);
    void frameFertig(double jetzt);

    Optionen opt_;
    netz::UdpSocket udp_;
    std::uint16_t port_ = 0;
    std::chrono::steady_clock::time_point start_;
    std::atomic<bool> ende_{false};
    std::thread thread_;

    mutable std::mutex m_;
    bool kanalOffen_ = false;
    bool folgeBekannt_ = false;
    std::uint16_t folge_ = 0;
    double letzteNachricht_ = 0;
    std::vector<std::uint8_t> teile_; // sample bytes of the frame being reassembled
    bool inFrame_ = false;
    std::vector<idn::Sample> letzterFrame_;
    long frames_ = 0;
    double frameDauer_ = 0; // seconds, of the frame being reassembled
    double spielEnde_ = -1; // when the frames received so far are drawn; -1: none queued
    int unterlaeufe_ = 0;
    std::deque<idn::Sample> welle_;
    bool welleBegonnen_ = false;
    double welleStart_ = 0;                  // arrival of the first chunk
    std::uint32_t welleNull_ = 0, welleWeiter_ = 0; // its timestamp; where the next should start
    int wellenLuecken_ = 0, zuSpaet_ = 0;
    int konfigurationen_ = 0, falscheKonfig_ = 0, folgeLuecken_ = 0, zeitueberschreitungen_ = 0,
        schliessungen_ = 0;
};

} // namespace sw::emu
