#include "live/eingang/Eingang.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

std::vector<MidiNachricht> zerlegen(std::vector<std::uint8_t> b, std::uint8_t& status) {
    return midiZerlegen(b.data(), b.size(), status);
}

TEST(MidiZerlegen, RunningStatusAcrossMessagesAndCalls) {
    std::uint8_t status = 0;
    // Note on, then two more notes under running status, a real-time clock in between.
    auto n = zerlegen({0x91, 60, 100, 62, 0, 0xF8, 64, 90}, status);
    ASSERT_EQ(n.size(), 4u);
    EXPECT_EQ(n[0], (MidiNachricht{0x91, 60, 100}));
    EXPECT_EQ(n[1], (MidiNachricht{0x91, 62, 0}));
    EXPECT_EQ(n[2], (MidiNachricht{0xF8, 0, 0}));
    EXPECT_EQ(n[3], (MidiNachricht{0x91, 64, 90}));
    // The next event goes on with the same status.
    n = zerlegen({65, 1}, status);
    ASSERT_EQ(n.size(), 1u);
    EXPECT_EQ(n[0], (MidiNachricht{0x91, 65, 1}));
}

TEST(MidiZerlegen, OneDataByteMessagesSysexAndStrayBytes) {
    std::uint8_t status = 0;
    auto n = zerlegen({5, 0xC2, 7, 0xF0, 1, 2, 3, 0xF7, 9, 0xB0, 7}, status);
    // The stray data byte is skipped, program change has one data byte, the sysex keeps its
    // status only, its end cancels running status, and the unfinished controller is dropped.
    ASSERT_EQ(n.size(), 3u);
    EXPECT_EQ(n[0], (MidiNachricht{0xC2, 7, 0}));
    EXPECT_EQ(n[1], (MidiNachricht{0xF0, 0, 0}));
    EXPECT_EQ(n[2], (MidiNachricht{0xF7, 0, 0}));
}

} // namespace
} // namespace sw
