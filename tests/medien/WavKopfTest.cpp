#include "medien/WavKopf.h"

#include <gtest/gtest.h>

#include <string>

using namespace sw;

namespace {

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void text(std::vector<std::uint8_t>& b, const std::string& s) {
    for (char c : s) b.push_back(static_cast<std::uint8_t>(c));
}

// A WAV file with a "fmt " chunk of the given length, a "fact" chunk and 4 stereo 16-bit samples.
std::vector<std::uint8_t> wav(std::uint32_t fmtLaenge, std::uint32_t fakt = 4,
                              const std::string& typ = "WAVE", std::uint32_t datenLaenge = 16) {
    std::vector<std::uint8_t> b;
    text(b, "RIFF");
    put32(b, 0);
    text(b, typ);
    text(b, "fmt ");
    put32(b, fmtLaenge);
    const std::vector<std::uint8_t> fmt = {1,    0,    2, 0, 0x44, 0xAC, 0,  0,
                                           0x10, 0xB1, 2, 0, 4,    0,    16, 0};
    b.insert(b.end(), fmt.begin(), fmt.end());
    b.resize(b.size() + fmtLaenge - 16, 0);
    text(b, "fact");
    put32(b, 4);
    put32(b, fakt);
    text(b, "data");
    put32(b, datenLaenge);
    for (int i = 0; i < 16; ++i) b.push_back(static_cast<std::uint8_t>(i));
    return b;
}

} // namespace

TEST(WavKopf, FmtLengthsAndErrors) {
    WavKopf k;
    std::string fehler;
    for (std::uint32_t laenge : {16u, 18u, 20u, 50u}) {
        ASSERT_EQ(Read_Wave_Header(wav(laenge), k, fehler), 0) << laenge << " " << fehler;
        EXPECT_EQ(k.kanaele, 2);
        EXPECT_EQ(k.abtastrate, 44100);
        EXPECT_EQ(k.blockGroesse, 4);
        EXPECT_EQ(k.bitsProWert, 16);
        EXPECT_EQ(k.abtastwerte, 4);
        EXPECT_EQ(k.datenLaenge, 16u);
        EXPECT_EQ(k.datenAnfang, 12 + 8 + laenge + 12 + 8);
    }
    // The extensible format's 40 bytes are not among the known lengths.
    EXPECT_EQ(Read_Wave_Header(wav(40), k, fehler), -1);
    EXPECT_EQ(fehler, "new fmt length found!");

    EXPECT_EQ(Read_Wave_Header(wav(16, 4, "AVI "), k, fehler), -1);
    EXPECT_EQ(fehler, "unknown riff type: avi ");

    // The data chunk claims more than the file holds.
    EXPECT_EQ(Read_Wave_Header(wav(16, 4, "WAVE", 64), k, fehler), -1);
    EXPECT_EQ(fehler, "Error in calc. of sample length! Read_Wav_Header");
    // A sample count beyond the data.
    EXPECT_EQ(Read_Wave_Header(wav(16, 5), k, fehler), -1);
    EXPECT_EQ(fehler, "Error in calc. of sample length! Read_Wav_Header");
    // Cut off inside the header, and not a RIFF file at all.
    auto kurz = wav(16);
    kurz.resize(30);
    EXPECT_EQ(Read_Wave_Header(kurz, k, fehler), -1);
    EXPECT_EQ(fehler, "Error in calc. of sample length! Read_Wav_Header");
    EXPECT_EQ(Read_Wave_Header({'I', 'D', '3'}, k, fehler), -1);
    EXPECT_EQ(fehler.rfind("unknown riff type: ", 0), 0u);

    // Chunk names count in any case.
    auto gross = wav(16);
    gross[12] = 'F', gross[13] = 'M', gross[14] = 'T';
    EXPECT_EQ(Read_Wave_Header(gross, k, fehler), 0) << fehler;

    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(wavDateiLesen("/nonexistent/x.wav", bytes, fehler));
    EXPECT_EQ(fehler, "Wave File does not exist!?");
}

TEST(WavKopf, WrittenFileReadsBack) {
    const std::vector<std::int16_t> werte = {0, 32767, -32768, 16384, -1, 1};
    const auto b = wavSchreiben(werte, 2, 8000);
    WavKopf k;
    std::string fehler;
    ASSERT_EQ(Read_Wave_Header(b, k, fehler), 0) << fehler;
    EXPECT_EQ(k.abtastwerte, 3);
    EXPECT_EQ(k.abtastrate, 8000);
    EXPECT_DOUBLE_EQ(wavWert(b, k, 0, 1), 32767 / 32768.0);
    EXPECT_DOUBLE_EQ(wavWert(b, k, 1, 0), -1.0);
    EXPECT_DOUBLE_EQ(wavWert(b, k, 1, 1), 0.5);
    EXPECT_DOUBLE_EQ(wavWert(b, k, 2, 0), -1 / 32768.0);
    EXPECT_EQ(wavWert(b, k, 3, 0), 0.0); // past the end
}
