#include "devices/netz/Strom.h"

#include "devices/netz/Echtzeit.h"

#include <algorithm>
#include <ctime>

namespace sw {

void Strom::frameSetzen(const std::uint8_t* punkte, std::size_t anzahl) {
    anzahl = std::min(anzahl, maxPunkte_);
    std::lock_guard l(m_);
    neuerFrame_.assign(punkte, punkte + anzahl * punktBytes_);
    neuerFrameDa_ = true;
}

bool Strom::neuenFrameNehmen(std::vector<std::uint8_t>& frame) {
    // The streaming thread never waits for the output cycle: when the cycle is handing over a
    // frame right now (and may have been preempted doing so), the current frame plays again.
    std::unique_lock l(m_, std::try_to_lock);
    if (!l.owns_lock() || !neuerFrameDa_) return false;
    frame.swap(neuerFrame_);
    neuerFrameDa_ = false;
    return true;
}

std::string Strom::fehler() const {
    std::lock_guard l(m_);
    return fehler_;
}

void Strom::stoerung(const std::string& grund) {
    {
        std::lock_guard l(m_);
        fehler_ = grund;
    }
    gestoert_ = true;
}

void Strom::cpuMessen() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    cpu_ = static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void Strom::echtzeitAnfordern() {
    const std::string grund = netz::echtzeitAnfordern(echtzeitPrioritaet);
    {
        std::lock_guard l(m_);
        echtzeitGrund_ = grund;
    }
    echtzeit_ = grund.empty() ? 1 : -1;
}

std::string Strom::echtzeitGrund() const {
    std::lock_guard l(m_);
    return echtzeitGrund_;
}

} // namespace sw
