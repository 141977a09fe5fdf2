#pragma once
// Streams frames to one Ether Dream from a thread of its own. The output routine hands over
// each new frame as encoded points; the thread plays the current frame over and over, takes a
// new one when the current pass ends (a pass without a new frame is a counted repeat), and
// keeps the DAC's buffer filled to the target latency, estimating the fullness between
// responses from the point rate. The target adapts (`Pufferziel`) between a low start and the
// setting "Latenz": it rises with the gaps between responses and on an underrun. A DAC that
// dropped to idle (an underrun) is prepared and begun again. A lost connection is retried every
// second; `gestoert` tells the output routine, which reports it.
//
// Stopping sends dark points at the last position and at the centre, waits until they are
// drawn (at most half a second), and then stops the DAC.

#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/Pufferziel.h"
#include "devices/netz/Sockets.h"
#include "devices/netz/Strom.h"

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace sw {

class EtherDreamStrom : public Strom {
public:
    struct Optionen {
        netz::Adresse ziel{"127.0.0.1", etherdream::kTcpPort};
        std::uint32_t punktrate = 30000;
        double latenz = 0.05;       // the most seconds of points kept in the DAC's buffer
        double untergrenze = 0.015; // the target it starts from, and its floor
        std::uint16_t kapazitaet = 1799;
        std::uint32_t maxPunktrate = 100000; // what the DAC announced
    };

    explicit EtherDreamStrom(Optionen o);
    ~EtherDreamStrom() override;

    // A new point rate, queued at the DAC and applied from the next point sent.
    void rateSetzen(std::uint32_t rate) override;
    // Blanks and stops the DAC and ends the thread.
    void stoppen();

private:
    void lauf();
    bool verbinden();
    bool befehl(const std::vector<std::uint8_t>& daten);
    // Takes the status of a response that passed the checks; a broken one ends the connection.
    bool annehmen(const std::uint8_t* antwort, char befehl);
    bool schritt();
    bool punkteSenden(std::size_t anzahl);
    void dunkelUndHalt();
    double fuellungJetzt() const;
    double sekundenSeitStart() const;
    void stoerung(const std::string& grund);
    void schlafen(double sekunden) const;

    Optionen opt_;
    netz::TcpVerbindung tcp_;
    std::thread thread_;
    std::atomic<std::uint32_t> gewuenschteRate_;

    // The thread's own state.
    std::vector<std::uint8_t> frame_;
    std::size_t position_ = 0;
    etherdream::Status status_;
    std::chrono::steady_clock::time_point statusZeit_, start_;
    Pufferziel pufferziel_;
    bool spielte_ = false; // begun on this connection and not stopped since
    std::uint32_t rate_ = 0;
    bool rateWechsel_ = false;
    std::vector<std::uint8_t> paket_;
    std::uint8_t letzterPunkt_[etherdream::kPunktBytes] = {};
};

} // namespace sw
