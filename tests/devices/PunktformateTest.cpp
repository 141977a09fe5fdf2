#include "devices/Punktformate.h"
#include "TestHilfe.h"
#include "platform/Fehler.h"

#include <array>

using namespace sw;

TEST(Punktformate, LumaxAndJmLaserWordsAndBytes) {
    std::array<std::uint8_t, format::kLumax> r{};
    format::lumaxKodieren(Ausgabepunkt{40767, 258, 255, 1, 0, 107}, r.data());
    EXPECT_EQ(test::hex(std::string(r.begin(), r.end()), 18),
              "3F 9F 02 01 FF FF 01 01 00 00 00 00 00 00 6B 6B 00 00");
    const auto p = format::lumaxDekodieren(r.data());
    EXPECT_EQ(std::tuple(p.X, p.Y, p.R, p.I), std::tuple(40767.0, 258.0, 255.0, 107.0));

    EXPECT_EQ(format::jmLaserKoordinate(32767), 0);
    EXPECT_EQ(format::jmLaserKoordinate(0), -2147385345);
    EXPECT_EQ(format::jmLaserKoordinate(65535), 2147450880);
    std::array<std::uint8_t, format::kJmLaser> j{};
    format::jmLaserKodieren(Ausgabepunkt{0, 65535, 255, 128, 1, 0}, j.data());
    EXPECT_EQ(test::hex(std::string(j.begin(), j.end()), 24),
              "FF 7F 01 80 00 80 FF 7F 00 FF 00 80 00 01 00 00 00 00 00 00 00 00 00 00");
    const auto q = format::jmLaserDekodieren(j.data());
    EXPECT_EQ(std::tuple(q.X, q.Y, q.G), std::tuple(0.0, 65535.0, 128.0));
}

TEST(Punktformate, TwelveBitKindsRiyaPeriodAndMlParameterBlock) {
    std::array<std::uint8_t, format::kRiya> r{};
    format::riyaKodieren(Ausgabepunkt{65535, 32767, 1, 2, 3, 4}, r.data());
    EXPECT_EQ(test::hex(std::string(r.begin(), r.end()), 8), "FF 0F FF 07 01 02 03 04");
    std::array<std::uint8_t, format::kMlDriver> m{};
    format::mlDriverKodieren(Ausgabepunkt{16, 0, 10, 20, 30, 40}, m.data());
    EXPECT_EQ(test::hex(std::string(m.begin(), m.end()), 15),
              "01 00 00 00 00 00 0A 14 1E 00 00 00 28 00 00");
    EXPECT_EQ(format::riyaDekodieren(r.data()).X, 65520);
    EXPECT_EQ(format::mlDriverDekodieren(m.data()).I, 40);
    // a colour outside the byte range is an overflow: the writer loses that point
    EXPECT_THROW(format::riyaKodieren(Ausgabepunkt{0, 0, 256, 0, 0, 0}, r.data()), Laufzeitfehler);
    EXPECT_EQ(format::riyaPeriode(30000), 1111);
    std::uint8_t block[7];
    format::mlParameterblock(30000, block);
    EXPECT_EQ(test::hex(std::string(block, block + 7), 7), "07 00 30 75 00 00 00");
    format::mlParameterblock(100000, block); // 0x0186A0
    EXPECT_EQ(test::hex(std::string(block, block + 7), 7), "07 00 A0 86 01 00 00");
}
