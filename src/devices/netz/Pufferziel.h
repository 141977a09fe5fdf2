#pragma once
// How far ahead of the light a streaming device is kept, adapted while it plays. It starts low;
// it rises at once when the device ran dry, or when the streaming thread was away from its
// device for longer than the target would have bridged (a slow round trip, a late wake-up on a
// busy machine); it falls slowly while the stream stays steady. The setting "Latenz" is its
// upper limit. Plain arithmetic over the times the caller passes, so a test clock drives it
// the same; only the streaming thread uses it.

namespace sw {

class Pufferziel {
public:
    // Seconds: the lowest target, where it starts, and the highest ("Latenz").
    Pufferziel(double unten, double oben);

    // The thread was away from its device for `luecke` seconds (the time between two refills
    // or the round trip of a command); the buffer must bridge such gaps with room to spare.
    void luecke(double jetzt, double luecke);
    // The device reported an underrun.
    void unterlauf(double jetzt);

    double ziel() const { return ziel_; }
    double obergrenze() const { return oben_; }

private:
    double bedarf(double luecke) const;
    void senken(double jetzt);

    double unten_, oben_, ziel_;
    // The longest gap of the current and of the previous measuring window.
    double fensterBeginn_ = 0, fensterMax_ = 0, vorigesMax_ = 0;
    double letzteErhoehung_ = 0, letzteSenkung_ = 0;
    bool begonnen_ = false;
};

} // namespace sw
