#include "platform/Vb.h"
#include "platform/Fehler.h"

#include <gtest/gtest.h>

using namespace sw;

TEST(Vb, RoundsHalfToEven) {
    EXPECT_EQ(vb::CInt(0.5), 0);
    EXPECT_EQ(vb::CInt(1.5), 2);
    EXPECT_EQ(vb::CInt(2.5), 2);
    EXPECT_EQ(vb::CInt(3.5), 4);
    EXPECT_EQ(vb::CInt(-0.5), 0);
    EXPECT_EQ(vb::CInt(-1.5), -2);
    EXPECT_EQ(vb::CInt(-2.5), -2);
    EXPECT_EQ(vb::CInt(2.5000001), 3);
    EXPECT_EQ(vb::CLng(1000.0 / 20), 50);
    EXPECT_EQ(vb::CLng(2147483647.4), 2147483647);
}

TEST(Vb, OverflowRaisesError6) {
    EXPECT_EQ(vb::CInt(32767.4), 32767);
    EXPECT_EQ(vb::CInt(-32768.5), -32768); // rounds to the even -32768
    try {
        vb::CInt(32767.5); // rounds to 32768
        FAIL();
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.nummer(), 6);
    }
    EXPECT_THROW(vb::CLng(2147483647.5), Laufzeitfehler);
    EXPECT_THROW(vb::CByte(-1), Laufzeitfehler);
    EXPECT_THROW(vb::CByte(255.5), Laufzeitfehler);
    EXPECT_EQ(vb::CByte(254.5), 254);
}

TEST(Vb, IntegerDivisionRoundsOperandsFirst) {
    EXPECT_EQ(vb::ganzzahlDivision(7, 2), 3);
    EXPECT_EQ(vb::ganzzahlDivision(7.5, 2), 4); // 8 \ 2
    EXPECT_EQ(vb::ganzzahlDivision(5, 2.5), 2); // 5 \ 2
    EXPECT_EQ(vb::ganzzahlDivision(-7, 2), -3); // truncated toward zero
    EXPECT_EQ(vb::ganzzahlDivision(4095, 256), 15);
    try {
        vb::ganzzahlDivision(1, 0.4); // divisor rounds to 0
        FAIL();
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.nummer(), 11);
    }
}

TEST(Vb, IntFloorsAndFixTruncates) {
    EXPECT_EQ(vb::Int(1.7), 1);
    EXPECT_EQ(vb::Int(-1.2), -2);
    EXPECT_EQ(vb::Fix(-1.7), -1);
    EXPECT_EQ(vb::Fix(1.7), 1);
}
