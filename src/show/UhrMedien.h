#pragma once
// A media layer without sound or picture: its position runs on the program's clock, in real
// time with the system clock or step by step with a test clock. The headless player uses it
// where no media player is built in, and a show whose media cannot be played still runs its
// timeline on it.

#include "platform/Uhr.h"
#include "show/Medien.h"

#include <string>

namespace sw {

// Called from the output cycle's thread only.
class UhrMedien : public Medienschicht {
public:
    explicit UhrMedien(Uhr& uhr) : uhr_(uhr) {}

    // Seconds every opened file reports; 0 (unknown) lets the clock run without an end.
    double laenge = 0;

    bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) override;
    double DS_GetDuration() override { return offen_ ? laenge : 0.0; }
    void DS_Play() override;
    void DS_Pause() override;
    void DS_Stop() override { DS_Pause(); }
    double DS_GetPosition() override;
    void DS_SetPosition(double sekunden) override;
    double DS_GetRate() override { return rate_; }
    void DS_SetRate(double rate) override;
    bool DS_StillPlaying(int) override { return laenge <= 0 || DS_GetPosition() < laenge; }
    void DS_SetVolume(long) override {}
    long DS_GetBalance() override { return 0; }
    void DS_SetBalance(long) override {}

private:
    Uhr& uhr_;
    bool offen_ = false;
    bool spielt_ = false;
    double basis_ = 0;    // position when the clock was last read into it
    double basisUhr_ = 0; // the clock's seconds at that moment
    double rate_ = 1.0;
};

} // namespace sw
