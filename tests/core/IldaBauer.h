#pragma once
// Writes ILDA sections byte by byte from the standard's layouts, independently of the
// program's own exporter.

#include <cstdint>
#include <string>

namespace sw::test {

class IldaBauer {
public:
    std::string bytes;

    IldaBauer& kopf(int format, int records, int nummer = 0, int gesamt = 1,
                    const std::string& name = "testname", const std::string& firma = "company!") {
        bytes += "ILDA";
        bytes += std::string(3, '\0');
        bytes += static_cast<char>(format);
        bytes += (name + std::string(8, ' ')).substr(0, 8);
        bytes += (firma + std::string(8, ' ')).substr(0, 8);
        wort(records);
        wort(nummer);
        wort(gesamt);
        bytes += '\0';
        bytes += '\0';
        return *this;
    }
    IldaBauer& farbtabelleKopf(std::uint32_t eintraege) {
        bytes += "ILDA";
        bytes += std::string(3, '\0');
        bytes += '\3';
        lang(4 + 3 * eintraege);
        lang(eintraege);
        return *this;
    }
    IldaBauer& p0(int x, int y, int z, int status, int index) {
        wort(x), wort(y), wort(z), byte(status), byte(index);
        return *this;
    }
    IldaBauer& p1(int x, int y, int status, int index) {
        wort(x), wort(y), byte(status), byte(index);
        return *this;
    }
    IldaBauer& rgb(int r, int g, int b) { // format 2 and 3 entries
        byte(r), byte(g), byte(b);
        return *this;
    }
    IldaBauer& p4(int x, int y, int z, int status, int r, int g, int b) {
        wort(x), wort(y), wort(z), byte(status), byte(b), byte(g), byte(r);
        return *this;
    }
    IldaBauer& p5(int x, int y, int status, int r, int g, int b) {
        wort(x), wort(y), byte(status), byte(b), byte(g), byte(r);
        return *this;
    }

private:
    void byte(int v) { bytes += static_cast<char>(v & 0xFF); }
    void wort(int v) {
        byte(v >> 8);
        byte(v);
    }
    void lang(std::uint32_t v) {
        wort(static_cast<int>(v >> 16));
        wort(static_cast<int>(v & 0xFFFF));
    }
};

} // namespace sw::test
