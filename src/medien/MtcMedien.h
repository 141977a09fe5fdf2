#pragma once
// Time code as the show's clock: a media layer over another that reports the MIDI time code's
// position and makes the wrapped media follow it. The media are started and paused with the
// code and sought when they drift more than 100 ms from it (or at once on a full frame).
// Opening, duration, rate, volume and the video modes go to the wrapped media; the caller's
// play, pause and seek are left to the code (a stop pauses the media until the next play).
// Before any code has arrived the position is 0 and the media stand.

#include "medien/Zeitcode.h"
#include "show/Medien.h"

namespace sw {

class Uhr;
class MidiEingang;

// Every method is called from the user-interface (output cycle) thread.
class MtcMedien : public Medienschicht {
public:
    MtcMedien(Medienschicht& medien, Uhr& uhr) : medien_(medien), uhr_(uhr) {}

    // Messages of the time code port; other messages are ignored.
    void empfangen(const MidiNachricht& n);
    void systemEmpfangen(const std::vector<std::uint8_t>& bytes);
    // Takes everything waiting at a port given to the time code alone.
    void abholen(MidiEingang& eingang);
    const MtcDekoder& dekoder() const { return dekoder_; }
    // How far the media may drift from the code before they are sought, seconds.
    double erlaubteAbweichung = 0.1;

    bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) override {
        return medien_.DS_OpenFile(datei, fenster);
    }
    double DS_GetDuration() override { return medien_.DS_GetDuration(); }
    void DS_Play() override { angehalten_ = false; }
    void DS_Pause() override;
    void DS_Stop() override;
    double DS_GetPosition() override;
    void DS_SetPosition(double) override {}
    double DS_GetRate() override { return medien_.DS_GetRate(); }
    void DS_SetRate(double rate) override { medien_.DS_SetRate(rate); }
    bool DS_StillPlaying(int) override { return DS_GetPosition() < DS_GetDuration(); }
    void DS_SetVolume(long v) override { medien_.DS_SetVolume(v); }
    long DS_GetBalance() override { return medien_.DS_GetBalance(); }
    void DS_SetBalance(long b) override { medien_.DS_SetBalance(b); }
    void DS_FullScreenMovie() override { medien_.DS_FullScreenMovie(); }
    void DS_StretchMovie(int b, int h) override { medien_.DS_StretchMovie(b, h); }
    void DS_UpdateMovie() override { medien_.DS_UpdateMovie(); }

private:
    void folgen(double position, bool laeuft);

    Medienschicht& medien_;
    Uhr& uhr_;
    MtcDekoder dekoder_;
    bool angehalten_ = false; // the caller stopped: the media stand whatever the code does
    bool medienLaufen_ = false;
};

} // namespace sw
