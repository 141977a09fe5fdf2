#include "devices/netz/Strom.h"

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
    std::lock_guard l(m_);
    if (!neuerFrameDa_) return false;
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

} // namespace sw
