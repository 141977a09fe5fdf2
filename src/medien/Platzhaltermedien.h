#pragma once
// The placeholder player: a clock without a file. It runs the timeline at real time (times the
// rate) over a fixed length, so a show whose media are missing or vanished stays playable.

#include "show/Medien.h"

namespace sw {

class Uhr;

// Every method is called from the user-interface (output cycle) thread.
class Platzhaltermedien : public Medienschicht {
public:
    // Ten minutes: long enough for a show whose music is missing.
    static constexpr double kStandardLaenge = 600.0;

    explicit Platzhaltermedien(Uhr& uhr, double laenge = kStandardLaenge);

    // Starts over at `laenge` seconds, stopped at 0.
    void zuruecksetzen(double laenge);
    // Takes over from another player: its length, position and whether it was running.
    void uebernehmen(double laenge, double position, bool laeuft, double rate);
    bool laeuft() const { return spielt_; }

    bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) override;
    double DS_GetDuration() override { return laenge_; }
    void DS_Play() override;
    void DS_Pause() override;
    void DS_Stop() override { DS_Pause(); }
    double DS_GetPosition() override;
    void DS_SetPosition(double sekunden) override;
    double DS_GetRate() override { return rate_; }
    void DS_SetRate(double rate) override;
    bool DS_StillPlaying(int) override { return DS_GetPosition() < laenge_; }
    void DS_SetVolume(long v) override { volume_ = v; }
    long DS_GetBalance() override { return balance_; }
    void DS_SetBalance(long b) override { balance_ = b; }

private:
    Uhr& uhr_;
    double laenge_;
    double basis_ = 0; // position at `basisZeit_`
    double basisZeit_ = 0;
    double rate_ = 1.0;
    bool spielt_ = false;
    long volume_ = 0, balance_ = 0;
};

} // namespace sw
