#pragma once
// Writes figure files of the older versions the way their programs laid them out, so that
// the loader is tested against the layouts and not only against our own writer.

#include "core/Figur.h"
#include "platform/Binaer.h"

#include <array>
#include <string>
#include <vector>

namespace sw::test {

inline std::string altesQvb(int version, const std::vector<std::vector<Punkt>>& frames,
                            const std::array<double, kParameterZahl>& parameter) {
    BinaerSchreiber s;
    auto deskriptor = [&s](std::size_t n) {
        s.i16(1);
        s.i32(static_cast<std::int32_t>(n));
        s.i32(0);
    };
    s.u8(static_cast<std::uint8_t>(version));
    s.i32(static_cast<std::int32_t>(frames.size()) - 1);
    for (const auto& f : frames) s.i32(static_cast<std::int32_t>(f.size()) - 1);
    deskriptor(frames.size());
    for (const auto& f : frames) {
        deskriptor(f.size());
        for (const auto& p : f) {
            s.i16(p.X);
            s.i16(p.Y);
            if (version <= 2) {
                s.u8(static_cast<std::uint8_t>(p.Farbe));
            } else {
                s.i32(p.Farbe);
                if (version >= 4) s.u8(p.Status);
            }
        }
    }
    deskriptor(kParameterZahl);
    for (double w : parameter) {
        if (version <= 2)
            s.i16(static_cast<std::int16_t>(w));
        else if (version <= 5)
            s.i32(static_cast<std::int32_t>(w));
        else
            s.f64(w);
    }
    return s.daten();
}

} // namespace sw::test
