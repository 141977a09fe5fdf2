#pragma once
// The media layer as the show and the sequencer see it: a player that opens a music or video
// file (a video into a given picture area), plays, pauses, stops, seeks, reports position and
// duration in seconds and changes rate, volume and balance. The real player sits on libmpv;
// tests use the fake below, whose clock the test advances.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace sw {

// The picture area a video is drawn into (left, top, scale width and height, window handle).
struct Videofenster {
    int links = 0, oben = 0, breite = 0, hoehe = 0;
    std::uintptr_t handle = 0;
};

// Every method is called from the user-interface (output cycle) thread.
class Medienschicht {
public:
    virtual ~Medienschicht() = default;
    // Removes what was open, then opens the file; whether it could be opened.
    virtual bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) = 0;
    // Seconds of the file opened last; 0 when none is open.
    virtual double DS_GetDuration() = 0;
    // Runs; from 0 when the position stands at the end.
    virtual void DS_Play() = 0;
    virtual void DS_Pause() = 0;
    // Stops where it is.
    virtual void DS_Stop() = 0;
    // Seconds; advances smoothly and never backwards while playing.
    virtual double DS_GetPosition() = 0;
    // Seeks; a negative value is taken as 0.
    virtual void DS_SetPosition(double sekunden) = 0;
    virtual double DS_GetRate() = 0;
    // A rate of 0 or below is ignored.
    virtual void DS_SetRate(double rate) = 0;
    // Whether the media has not completed yet (waits at most `timeoutMs` for an answer).
    virtual bool DS_StillPlaying(int timeoutMs) = 0;
    // Volume and balance in the media graph's units: volume -10000 (silent) to 0 (full),
    // balance -10000 (left) to 10000 (right).
    virtual void DS_SetVolume(long volume) = 0;
    virtual long DS_GetBalance() = 0;
    virtual void DS_SetBalance(long balance) = 0;
    // The video window's modes.
    virtual void DS_FullScreenMovie() {}
    virtual void DS_StretchMovie(int breite, int hoehe) { (void)breite, (void)hoehe; }
    virtual void DS_UpdateMovie() {}
};

// Opens every file that exists (and is not in `scheitern`) and reports `laenge` seconds. Its
// clock stands still until the test advances it with `weiter`.
class FakeMedien : public Medienschicht {
public:
    double laenge = 180.0;
    std::set<std::string> scheitern;    // files whose opening fails
    std::vector<std::string> geoeffnet; // files opened, in order
    int stopps = 0;
    bool spielt = false;
    double position = 0; // seconds
    double rate = 1.0;
    long volume = 0, balance = 0;

    // Advances the clock by `ms` milliseconds of real time while playing (times the rate),
    // stopping at the end.
    void weiter(double ms);

    bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) override;
    double DS_GetDuration() override { return geoeffnet.empty() ? 0.0 : laenge; }
    void DS_Play() override;
    void DS_Pause() override { spielt = false; }
    void DS_Stop() override {
        ++stopps;
        spielt = false;
    }
    double DS_GetPosition() override { return position; }
    void DS_SetPosition(double sekunden) override;
    double DS_GetRate() override { return rate; }
    void DS_SetRate(double r) override {
        if (r > 0) rate = r;
    }
    bool DS_StillPlaying(int) override { return position < DS_GetDuration(); }
    void DS_SetVolume(long v) override { volume = v; }
    long DS_GetBalance() override { return balance; }
    void DS_SetBalance(long b) override { balance = b; }
};

} // namespace sw
