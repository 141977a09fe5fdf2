#pragma once
// A device fed by a streaming thread of its own (the network and USB kinds). The output
// routine hands over each new frame of encoded points; the thread keeps the device playing,
// reconnects by itself and reports through `gestoert`. When no new frame came in time the
// thread plays the current one again (counted in `wiederholungen`), so a stalled output cycle
// never starves a device. Destroying a stream blanks and stops its device. This base holds what
// the output routine and the thread share; the getters may be called from any thread.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <mutex>
#include <string>
#include <vector>

namespace sw {

class Strom {
public:
    virtual ~Strom() = default;
    Strom(const Strom&) = delete;
    Strom& operator=(const Strom&) = delete;

    // The next frame, `anzahl` encoded points; the thread takes it when it is due.
    void frameSetzen(const std::uint8_t* punkte, std::size_t anzahl);
    virtual void rateSetzen(std::uint32_t rate) = 0;
    // Asks the thread to blank and stop without waiting; the destructor waits.
    void stoppenAnfordern() { ende_ = true; }
    bool gestoert() const { return gestoert_; }
    std::string fehler() const;
    // CPU seconds the streaming thread used so far.
    double cpuSekunden() const { return cpu_; }
    // Passes of the current frame played again because no new frame had come.
    long wiederholungen() const { return wiederholungen_; }
    // Underruns the device reported (it ran out of points while playing).
    long unterlaeufe() const { return unterlaeufe_; }
    // Seconds of points the thread keeps ahead of the light, and how many are queued now.
    double pufferziel() const { return ziel_; }
    double pufferfuellung() const { return fuellung_; }
    // Real-time scheduling of the thread: 0 not asked yet, 1 granted, -1 refused (then
    // `echtzeitGrund` says why).
    int echtzeit() const { return echtzeit_; }
    std::string echtzeitGrund() const;

    // The real-time priority the threads ask for (SCHED_FIFO); modest, below the kernel's
    // own interrupt threads. Settable for tests.
    static inline std::atomic<int> echtzeitPrioritaet{10};

protected:
    explicit Strom(std::size_t punktBytes,
                   std::size_t maxPunkte = std::numeric_limits<std::size_t>::max())
        : punktBytes_(punktBytes), maxPunkte_(maxPunkte) {}
    // Moves the newest frame into `frame`; false when none came since the last call.
    bool neuenFrameNehmen(std::vector<std::uint8_t>& frame);
    void stoerung(const std::string& grund);
    void wiederDa() { gestoert_ = false; }
    void cpuMessen();
    // Asks for real-time scheduling of the calling thread; the first thing each thread does.
    void echtzeitAnfordern();
    void wiederholt() { ++wiederholungen_; }
    void unterlaufen() { ++unterlaeufe_; }
    void pufferMelden(double ziel, double fuellung) {
        ziel_ = ziel;
        fuellung_ = fuellung;
    }

    std::atomic<bool> ende_{false};

private:
    const std::size_t punktBytes_, maxPunkte_;
    std::atomic<bool> gestoert_{false};
    std::atomic<double> cpu_{0};
    std::atomic<long> wiederholungen_{0}, unterlaeufe_{0};
    std::atomic<double> ziel_{0}, fuellung_{0};
    std::atomic<int> echtzeit_{0};
    std::string echtzeitGrund_;
    mutable std::mutex m_;
    std::vector<std::uint8_t> neuerFrame_;
    bool neuerFrameDa_ = false;
    std::string fehler_;
};

} // namespace sw
