#pragma once
// The program's clock and the event-pump hook. Time comes from a clock object, never from the
// wall clock directly, so that waits, time stamps and pacing run the same under a test clock.

#include <functional>

namespace sw {

class Uhr {
public:
    virtual ~Uhr() = default;
    // Monotonic seconds since an arbitrary origin.
    virtual double sekunden() const = 0;
    // Lets the given time pass (a real sleep, or a step of a test clock).
    virtual void schlafen(double sekunden) = 0;
};

// The steady clock of the machine.
class SystemUhr : public Uhr {
public:
    double sekunden() const override;
    void schlafen(double sekunden) override;
};

// A clock that moves only when told to; sleeping advances it at once.
class TestUhr : public Uhr {
public:
    explicit TestUhr(double start = 0.0) : jetzt_(start) {}
    double sekunden() const override { return jetzt_; }
    void schlafen(double sekunden) override { jetzt_ += sekunden; }
    void vorstellen(double sekunden) { jetzt_ += sekunden; }

private:
    double jetzt_;
};

// "Let window events run": the windows install their event loop's processing here; in tests
// and the command-line program it does nothing.
class EreignisPumpe {
public:
    virtual ~EreignisPumpe() = default;
    virtual void ereignisseVerarbeiten() {}
};

// Waits the given milliseconds on the clock while letting window events run.
void warten(Uhr& uhr, EreignisPumpe& pumpe, double millisekunden);

} // namespace sw
