#pragma once
// The WAV header reader: a RIFF chunk walk over the file's bytes. Chunk names are compared in
// lower case: "riff" with form type "wave", then the chunks "fmt ", "data" and "fact" (others
// are skipped). The "fmt " chunk is taken with the lengths 16, 18, 20 and 50 only.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sw {

struct WavKopf {
    int formatKennung = 0; // 1 integer PCM, 3 floating point, others not drawable
    int kanaele = 0;
    long abtastrate = 0;  // samples per second
    int blockGroesse = 0; // bytes of one sample of every channel
    int bitsProWert = 0;
    std::size_t datenAnfang = 0; // offset of the samples in the file
    std::size_t datenLaenge = 0; // bytes of samples
    long abtastwerte = 0;        // samples per channel
};

inline constexpr const char* kWavFmtLaenge = "new fmt length found!";
inline constexpr const char* kWavRiffTyp = "unknown riff type: ";
inline constexpr const char* kWavSampleLaenge = "Error in calc. of sample length! Read_Wav_Header";
inline constexpr const char* kWavFehlt = "Wave File does not exist!?";

// Reads the header from the file's bytes into `kopf`. Returns 0, or -1 with the reason in
// `fehler` (one of the texts above, the riff type following its text).
int Read_Wave_Header(const std::vector<std::uint8_t>& bytes, WavKopf& kopf, std::string& fehler);

// The whole file, or false with kWavFehlt when it cannot be read.
bool wavDateiLesen(const std::filesystem::path& datei, std::vector<std::uint8_t>& bytes,
                   std::string& fehler);

// The samples of channel `kanal` in -1..1 at sample `index` (integer PCM of 8 to 32 bits, or
// 32-bit floating point); 0 for formats that cannot be read.
double wavWert(const std::vector<std::uint8_t>& bytes, const WavKopf& kopf, long index, int kanal);

// A WAV file of 16-bit integer samples, interleaved by channel: for tests and the demo music.
std::vector<std::uint8_t> wavSchreiben(const std::vector<std::int16_t>& werte, int kanaele,
                                       long abtastrate);

} // namespace sw
