#pragma once
// A device fed by a streaming thread of its own (the network kinds). The output routine hands
// over each new frame of encoded points; the thread keeps the device playing, reconnects by
// itself and reports through `gestoert`. Destroying a stream blanks and stops its device.

#include <cstddef>
#include <cstdint>
#include <string>

namespace sw {

class Strom {
public:
    virtual ~Strom() = default;
    virtual void frameSetzen(const std::uint8_t* punkte, std::size_t anzahl) = 0;
    virtual void rateSetzen(std::uint32_t rate) = 0;
    // Asks the thread to blank and stop without waiting; the destructor waits.
    virtual void stoppenAnfordern() = 0;
    virtual bool gestoert() const = 0;
    virtual std::string fehler() const = 0;
    // CPU seconds the streaming thread used so far.
    virtual double cpuSekunden() const = 0;
};

// The CPU time of the calling thread, in seconds.
double threadCpuSekunden();

} // namespace sw
