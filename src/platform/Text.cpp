#include "platform/Text.h"

#include <array>
#include <cstdint>

namespace sw {

namespace {

// Code points of the bytes 0x80 to 0x9F; the unassigned ones keep their own value.
constexpr std::array<char32_t, 32> kObererBereich = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void utf8Anhaengen(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (c >> 18));
        aus += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at pos; returns U+FFFD and advances one byte on a broken one.
char32_t utf8Lesen(std::string_view s, std::size_t& pos) {
    auto b = static_cast<unsigned char>(s[pos]);
    int laenge = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (laenge == 0 || pos + laenge > s.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t c = laenge == 1 ? b : b & (0x7F >> laenge);
    for (int i = 1; i < laenge; ++i) {
        auto f = static_cast<unsigned char>(s[pos + i]);
        if ((f & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        c = (c << 6) | (f & 0x3F);
    }
    pos += laenge;
    return c;
}

} // namespace

std::string cp1252NachUtf8(std::string_view bytes) {
    std::string aus;
    aus.reserve(bytes.size());
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        char32_t c = (b >= 0x80 && b < 0xA0) ? kObererBereich[b - 0x80] : b;
        utf8Anhaengen(aus, c);
    }
    return aus;
}

std::string utf8NachCp1252(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = utf8Lesen(text, pos);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            aus += static_cast<char>(c);
            continue;
        }
        char ersatz = '?';
        for (std::size_t i = 0; i < kObererBereich.size(); ++i)
            if (kObererBereich[i] == c) ersatz = static_cast<char>(0x80 + i);
        aus += ersatz;
    }
    return aus;
}

std::string umlauteErsetzen(std::string_view text) {
    std::string aus;
    aus.reserve(text.size() + 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t start = pos;
        char32_t c = utf8Lesen(text, pos);
        switch (c) {
        case U'ä':
            aus += "ae";
            break;
        case U'ö':
            aus += "oe";
            break;
        case U'ü':
            aus += "ue";
            break;
        case U'Ä':
            aus += "Ae";
            break;
        case U'Ö':
            aus += "Oe";
            break;
        case U'Ü':
            aus += "Ue";
            break;
        case U'ß':
            aus += "ss";
            break;
        default:
            aus.append(text.substr(start, pos - start));
        }
    }
    return aus;
}

bool gleichOhneGross(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return false;
    }
    return true;
}

std::string_view trimmen(std::string_view text) {
    constexpr std::string_view weiss = " \t\r\n";
    auto anfang = text.find_first_not_of(weiss);
    if (anfang == std::string_view::npos) return {};
    auto ende = text.find_last_not_of(weiss);
    return text.substr(anfang, ende - anfang + 1);
}

} // namespace sw
