#pragma once
// A device fed by a streaming thread of its own (the network and USB kinds). The output
// routine hands over each new frame of encoded points; the thread keeps the device playing,
// reconnects by itself and reports through `gestoert`. Destroying a stream blanks and stops
// its device. This base holds what the output routine and the thread share.

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

protected:
    explicit Strom(std::size_t punktBytes,
                   std::size_t maxPunkte = std::numeric_limits<std::size_t>::max())
        : punktBytes_(punktBytes), maxPunkte_(maxPunkte) {}
    // Moves the newest frame into `frame`; false when none came since the last call.
    bool neuenFrameNehmen(std::vector<std::uint8_t>& frame);
    void stoerung(const std::string& grund);
    void wiederDa() { gestoert_ = false; }
    void cpuMessen();

    std::atomic<bool> ende_{false};

private:
    const std::size_t punktBytes_, maxPunkte_;
    std::atomic<bool> gestoert_{false};
    std::atomic<double> cpu_{0};
    mutable std::mutex m_;
    std::vector<std::uint8_t> neuerFrame_;
    bool neuerFrameDa_ = false;
    std::string fehler_;
};

} // namespace sw
