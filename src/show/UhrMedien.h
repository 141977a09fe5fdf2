#pragma once
// A media layer without sound or picture: its position runs on the program's clock, in real
// time with the system clock or step by step with a test clock. The headless player uses it
// where no media player is built in (or with a fixed clock); it stands in for the media player
// when that cannot start or loses its file, so that a show without playable media still runs
// its timeline.

#include "platform/Uhr.h"
#include "show/Medien.h"
#include "show/SequenzEvent.h"

#include <string>

namespace sw {

// Called from the output cycle's thread only.
class UhrMedien : public Medienschicht {
public:
    // Ten minutes: long enough for a show whose music is missing.
    static constexpr double kStandardLaenge = 600.0;
    // Without a length of its own, a show ends this long after its last event.
    static constexpr double kNachlaufMs = 2000;

    explicit UhrMedien(Uhr& uhr, double sekunden = 0) : laenge(sekunden), uhr_(uhr) {}

    // Seconds the opened file reports; 0 (unknown) lets the clock run without an end.
    double laenge = 0;
    // Opens any file name, as the stand-in for a player that cannot play it. Otherwise only an
    // existing file and "No.mp3" (the placeholder of a show without playable media) open.
    bool jedeDatei = false;

    // The length of a show that has only its events: the last one's start and the run-out.
    void laengeAusEvents(const EventListe& events);
    // Starts over at `laenge` seconds, stopped at 0.
    void zuruecksetzen(double sekunden);
    // Takes over from another player: its length, position and whether it was running.
    void uebernehmen(double sekunden, double position, bool laeuft, double rate);
    bool laeuft() const { return spielt_; }

    bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) override;
    double DS_GetDuration() override { return offen_ || jedeDatei ? laenge : 0.0; }
    void DS_Play() override;
    void DS_Pause() override;
    void DS_Stop() override { DS_Pause(); }
    double DS_GetPosition() override;
    void DS_SetPosition(double sekunden) override;
    double DS_GetRate() override { return rate_; }
    void DS_SetRate(double rate) override;
    bool DS_StillPlaying(int) override { return !endlich() || DS_GetPosition() < laenge; }
    void DS_SetVolume(long v) override { volume_ = v; }
    long DS_GetBalance() override { return balance_; }
    void DS_SetBalance(long b) override { balance_ = b; }

private:
    bool endlich() const { return laenge > 0; }
    double begrenzt(double position) const;

    Uhr& uhr_;
    bool offen_ = false;
    bool spielt_ = false;
    double basis_ = 0;    // position when the clock was last read into it
    double basisUhr_ = 0; // the clock's seconds at that moment
    double rate_ = 1.0;
    long volume_ = 0, balance_ = 0;
};

} // namespace sw
