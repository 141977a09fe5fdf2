#pragma once
// Streams frames to one IDN receiver from a thread of its own, in frame mode: frames go out on a
// gapless timeline, each timed to follow the previous one at the point rate and sent the
// buffer target ahead of its turn, fragmented to fit the datagram size. When no new frame came
// in time the current one goes again (a counted repeat), so the receiver never runs out. The
// channel configuration rides along every 200 ms. The target adapts (`Pufferziel`) between a
// low start and the setting "Latenz" with the gaps in the thread's own timing. A ping every
// half second tells whether the receiver is there; without an answer for a second the stream
// reports the device lost and reopens the channel when it answers again.
//
// Wave mode, for receivers that need it, plays the current frame over and over as one
// continuous wave instead: small chunks with contiguous timestamps, kept ahead of the clock
// by the buffer target, switching frames at the end of a pass.
//
// Stopping sends a dark frame (or dark wave) at the last position and the centre, waits until
// it is drawn (at most half a second), and closes the channel.

#include "devices/netz/IdnProtokoll.h"
#include "devices/netz/Pufferziel.h"
#include "devices/netz/Sockets.h"
#include "devices/netz/Strom.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace sw {

class IdnStrom : public Strom {
public:
    struct Optionen {
        netz::Adresse ziel{"127.0.0.1", idn::kPort};
        std::uint32_t punktrate = 30000;
        std::uint8_t kanal = 0;
        bool welle = false;
        double latenz = 0.05;       // the most seconds sent ahead
        double untergrenze = 0.015; // the target it starts from, and its floor
    };

    explicit IdnStrom(Optionen o);
    ~IdnStrom() override;

    void rateSetzen(std::uint32_t rate) override;

private:
    using Zeit = std::chrono::steady_clock::time_point;
    void lauf();
    // Sends a frame that begins to play at `beginn` on the timeline.
    void frameSenden(const std::vector<std::uint8_t>& samples, bool schliessen, Zeit beginn);
    void framesSenden(Zeit jetzt);
    Zeit::duration voraus() const;
    void pingen(Zeit jetzt);
    void antwortenLesen(Zeit jetzt);
    double dauer(std::size_t samples) const;
    void welleSenden(Zeit jetzt);
    void stueckSenden(const std::uint8_t* samples, std::size_t anzahl, Zeit jetzt);
    void dunkelUndSchliessen();

    Optionen opt_;
    netz::UdpSocket udp_;
    std::thread thread_;
    std::atomic<std::uint32_t> rate_;

    // The thread's own state.
    std::vector<std::uint8_t> frame_;
    Zeit start_, frameEnde_, letzteKonfig_, letzterVersand_, letzterPing_, letzteAntwort_;
    bool kanalOffen_ = false;
    std::size_t position_ = 0;  // wave mode: the next sample of the frame
    Zeit welleBis_;             // wave mode: where the wave sent so far ends
    std::vector<std::uint8_t> stueck_;
    std::uint16_t folge_ = 0, pingFolge_ = 0;
    Pufferziel pufferziel_;
};

} // namespace sw
