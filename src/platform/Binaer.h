#pragma once
// Reading and writing packed binary records: little-endian for the program's own files,
// big-endian for ILDA. The reader checks every access against the data's end and throws
// Formatfehler, so a truncated or corrupt file can never be read past its end.

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace sw {

template <typename T> constexpr T bytesTauschen(T wert) {
    auto u = static_cast<std::make_unsigned_t<T>>(wert);
    std::make_unsigned_t<T> r = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        r = static_cast<decltype(r)>((r << 8) | ((u >> (8 * i)) & 0xFF));
    return static_cast<T>(r);
}

class Formatfehler : public std::runtime_error {
public:
    Formatfehler(std::size_t offset, const std::string& grund)
        : std::runtime_error(grund), offset_(offset) {}
    std::size_t offset() const { return offset_; }

private:
    std::size_t offset_;
};

class BinaerLeser {
public:
    explicit BinaerLeser(std::string_view daten) : daten_(daten) {}
    // The reader only views its data: a temporary would be gone before the first read.
    explicit BinaerLeser(std::string&&) = delete;

    std::size_t position() const { return pos_; }
    std::size_t rest() const { return daten_.size() - pos_; }
    bool amEnde() const { return pos_ >= daten_.size(); }

    std::uint8_t u8() { return roh<std::uint8_t>(); }
    std::int16_t i16() { return roh<std::int16_t>(); }
    std::uint16_t u16() { return roh<std::uint16_t>(); }
    std::int32_t i32() { return roh<std::int32_t>(); }
    std::uint32_t u32() { return roh<std::uint32_t>(); }
    double f64() { return roh<double>(); }
    std::int16_t i16be() { return bytesTauschen(roh<std::int16_t>()); }
    std::uint16_t u16be() { return bytesTauschen(roh<std::uint16_t>()); }
    std::string_view bytes(std::size_t n) {
        brauche(n);
        auto s = daten_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    // Up to n bytes from the position, without moving on.
    std::string_view vorschau(std::size_t n) const { return daten_.substr(pos_, n); }
    void ueberspringen(std::size_t n) {
        brauche(n);
        pos_ += n;
    }
    // Throws when fewer than n bytes are left.
    void brauche(std::size_t n) const {
        if (n > rest())
            throw Formatfehler(pos_, "the file ends at byte " + std::to_string(daten_.size()) +
                                         " where " + std::to_string(n) +
                                         " more bytes were expected at byte " +
                                         std::to_string(pos_));
    }

private:
    template <typename T> T roh() {
        static_assert(std::endian::native == std::endian::little);
        brauche(sizeof(T));
        T wert;
        std::memcpy(&wert, daten_.data() + pos_, sizeof(T));
        pos_ += sizeof(T);
        return wert;
    }

    std::string_view daten_;
    std::size_t pos_ = 0;
};

class BinaerSchreiber {
public:
    void reservieren(std::size_t n) { puffer_.reserve(n); }
    const std::string& daten() const { return puffer_; }
    std::string&& nehmen() { return std::move(puffer_); }

    void u8(std::uint8_t v) { roh(v); }
    void i16(std::int16_t v) { roh(v); }
    void u16(std::uint16_t v) { roh(v); }
    void i32(std::int32_t v) { roh(v); }
    void u32(std::uint32_t v) { roh(v); }
    void f64(double v) { roh(v); }
    void i16be(std::int16_t v) { roh(bytesTauschen(v)); }
    void u16be(std::uint16_t v) { roh(bytesTauschen(v)); }
    void bytes(std::string_view s) { puffer_.append(s); }

private:
    template <typename T> void roh(T wert) {
        static_assert(std::endian::native == std::endian::little);
        char b[sizeof(T)];
        std::memcpy(b, &wert, sizeof(T));
        puffer_.append(b, sizeof(T));
    }

    std::string puffer_;
};

} // namespace sw
