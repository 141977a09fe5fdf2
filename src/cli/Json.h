#pragma once
// A small streaming JSON writer for the command-line program's output.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace sw::cli {

inline void jsonText(std::string& aus, std::string_view text) {
    aus += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            aus += "\\\"";
            break;
        case '\\':
            aus += "\\\\";
            break;
        case '\n':
            aus += "\\n";
            break;
        case '\r':
            aus += "\\r";
            break;
        case '\t':
            aus += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char puffer[8];
                std::snprintf(puffer, sizeof puffer, "\\u%04x", c);
                aus += puffer;
            } else {
                aus += c;
            }
        }
    }
    aus += '"';
}

inline void jsonGanzzahl(std::string& aus, std::int64_t wert) {
    char puffer[24];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    aus.append(puffer, ende);
}

// Shortest text that reads back to the same double; null for values JSON cannot hold.
inline void jsonKommazahl(std::string& aus, double wert) {
    if (!std::isfinite(wert)) {
        aus += "null";
        return;
    }
    char puffer[32];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    aus.append(puffer, ende);
}

} // namespace sw::cli
