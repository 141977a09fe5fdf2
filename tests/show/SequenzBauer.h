#pragma once
// Builds ".seq" bytes of every version by hand, field by field, for the tests.

#include "platform/Binaer.h"
#include "show/SequenzEvent.h"

#include <string>
#include <vector>

namespace sw::test {

// Events 0 to N; version 0 writes no version byte and byte-wide key and value.
inline std::string seqBytes(int version, const std::vector<SeqEvent>& events) {
    BinaerSchreiber s;
    s.i32(static_cast<std::int32_t>(events.size()) - 1);
    if (version != 0) s.u8(static_cast<std::uint8_t>(version));
    for (const auto& e : events) {
        s.f64(e.start);
        if (version == 3) s.f64(e.off);
        s.u8(e.track);
        s.u8(e.kind);
        if (version == 0) {
            s.u8(static_cast<std::uint8_t>(e.key));
            s.u8(static_cast<std::uint8_t>(e.value));
        } else {
            s.i16(e.key);
            s.i16(e.value);
        }
    }
    return s.nehmen();
}

inline SeqEvent ev(double start, int track, int kind = 143, int key = 0, int value = 0,
                   double off = 0) {
    SeqEvent e;
    e.start = start;
    e.off = off;
    e.track = static_cast<std::uint8_t>(track);
    e.kind = static_cast<std::uint8_t>(kind);
    e.key = static_cast<std::int16_t>(key);
    e.value = static_cast<std::int16_t>(value);
    return e;
}

} // namespace sw::test
