#include "platform/Vb.h"
#include "platform/Fehler.h"

#include <gtest/gtest.h>
#include <utility>

using namespace sw;

namespace {
// The VB error number a call raises, or 0.
template <typename F> int fehler(F f) {
    try {
        f();
    } catch (const Laufzeitfehler& e) {
        return e.nummer();
    }
    return 0;
}
} // namespace

TEST(Vb, RoundsHalfToEvenAndRaisesOverflow) {
    const std::pair<double, int> faelle[] = {
        {0.5, 0},   {1.5, 2},       {2.5, 2},         {3.5, 4},          {-0.5, 0}, {-1.5, -2},
        {-2.5, -2}, {2.5000001, 3}, {32767.4, 32767}, {-32768.5, -32768}}; // -32768 is the even one
    for (auto [wert, erwartet] : faelle) EXPECT_EQ(vb::CInt(wert), erwartet) << wert;
    EXPECT_EQ(vb::CLng(1000.0 / 20), 50);
    EXPECT_EQ(vb::CLng(2147483647.4), 2147483647);
    EXPECT_EQ(vb::CByte(254.5), 254);
    EXPECT_EQ(fehler([] { (void)vb::CInt(32767.5); }), 6); // rounds to 32768
    EXPECT_EQ(fehler([] { (void)vb::CLng(2147483647.5); }), 6);
    EXPECT_EQ(fehler([] { (void)vb::CByte(-1); }), 6);
    EXPECT_EQ(fehler([] { (void)vb::CByte(255.5); }), 6);
}

TEST(Vb, IntegerDivisionRoundsOperandsFirstIntFloorsFixTruncates) {
    EXPECT_EQ(vb::ganzzahlDivision(7, 2), 3);
    EXPECT_EQ(vb::ganzzahlDivision(7.5, 2), 4); // 8 \ 2
    EXPECT_EQ(vb::ganzzahlDivision(5, 2.5), 2); // 5 \ 2
    EXPECT_EQ(vb::ganzzahlDivision(-7, 2), -3); // truncated toward zero
    EXPECT_EQ(vb::ganzzahlDivision(4095, 256), 15);
    EXPECT_EQ(fehler([] { (void)vb::ganzzahlDivision(1, 0.4); }), 11); // divisor rounds to 0
    EXPECT_EQ(vb::Int(1.7), 1);
    EXPECT_EQ(vb::Int(-1.2), -2);
    EXPECT_EQ(vb::Fix(-1.7), -1);
    EXPECT_EQ(vb::Fix(1.7), 1);
}
