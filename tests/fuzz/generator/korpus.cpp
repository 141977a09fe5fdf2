// Writes the seed corpora of the fuzz targets into tests/fuzz/corpus/<name>/: a handful of
// small valid inputs each, built with the engine's own encoders. Run it after a format
// changes: strahlwerk-fuzzkorpus tests/fuzz/corpus
// (The language file and INI seeds are text and kept by hand.)

#include "../../core/QvbSchreiber.h"
#include "core/QvbFormat.h"
#include "core/Testbild.h"
#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/IdnProtokoll.h"
#include "devices/usb/HeliosProtokoll.h"
#include "live/eingang/DmxPakete.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace sw;
namespace fs = std::filesystem;

namespace {

fs::path wurzel;

void schreiben(const std::string& ziel, const std::string& name, const std::string& bytes) {
    fs::create_directories(wurzel / ziel);
    std::ofstream(wurzel / ziel / name, std::ios::binary) << bytes;
}

template <typename Bytes> std::string mitVorsatz(std::string vorsatz, const Bytes& bytes) {
    vorsatz.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return vorsatz;
}

void figuren() {
    Figur leer;
    Figur zwei;
    zwei.Frames.resize(2);
    zwei.Frames[0].Punkte = {{0, 0, -1, 0}, {1000, -1000, 5, 0}, {-2000, 3000, 4095, 1}};
    zwei.Frames[1].Punkte = {{0, 0, -1, 0}, {32767, -32768, 12, 2}};
    zwei.Parameter[parameter::Framedauer] = 40;
    zwei.Parameter[parameter::Reserviert303] = 2.0;
    const std::vector<std::vector<Punkt>> alt = {{{0, 0, -1, 0}, {100, 200, 3, 0}}};
    std::array<double, kParameterZahl> parameter{};
    parameter[parameter::Framedauer] = 20;
    for (const char* ziel : {"figurdatei", "undo"}) {
        schreiben(ziel, "leer.qvb", qvbKodieren(leer));
        schreiben(ziel, "zwei_frames.qvb", qvbKodieren(zwei));
        schreiben(ziel, "version1.qvb", test::altesQvb(1, alt, parameter));
        schreiben(ziel, "version4.qvb", test::altesQvb(4, alt, parameter));
        schreiben(ziel, "version7.qvb", test::altesQvb(7, alt, parameter));
    }
    schreiben("undo", "version0.qvb", std::string(1, '\0'));
}

void testbilder() {
    Testbild still;
    still.frames = {
        {{-100, 100, 255, 0, 0, false}, {100, 100, 0, 255, 0, false}, {0, -100, 0, 0, 0, true}}};
    schreiben("testbild", "still.bin", testbildKodieren(still));
    Testbild bewegt;
    bewegt.framedauer = 1000;
    bewegt.frames = {{{0, 0, 255, 255, 255, false}}, {{32767, -32768, 10, 20, 30, false}}};
    schreiben("testbild", "zwei_frames.bin", testbildKodieren(bewegt));
}

void etherDream() {
    using namespace etherdream;
    Status s;
    s.wiedergabe = Wiedergabe::Laeuft;
    s.pufferFuellung = 1200;
    s.punktrate = 30000;
    s.punktzahl = 123456;
    // The first byte picks the command: 0 '?', 1 'p', 2 'b', 4 'd'.
    schreiben("etherdream", "ack_ping",
              mitVorsatz(std::string(1, '\0'), antwortSchreiben({'a', '?', {}})));
    schreiben("etherdream", "ack_daten", mitVorsatz("\x04", antwortSchreiben({'a', 'd', s})));
    schreiben("etherdream", "voll_daten", mitVorsatz("\x04", antwortSchreiben({'F', 'd', s})));
    schreiben("etherdream", "ungueltig_begin", mitVorsatz("\x02", antwortSchreiben({'I', 'b', s})));
    Broadcast b;
    b.mac = {0x00, 0x04, 0xa3, 0x12, 0x34, 0x56};
    b.pufferKapazitaet = 1799;
    b.maxPunktrate = 100000;
    b.status = s;
    schreiben("etherdream", "broadcast", mitVorsatz(std::string(1, '\0'), broadcastSchreiben(b)));
}

void idnNetz() {
    using namespace idn;
    std::uint8_t ping[kKopfBytes];
    kopfSchreiben({0x09, 0, 41}, ping);
    schreiben("idn", "ping_antwort",
              mitVorsatz(std::string("\x00\x2a", 2), std::string(ping, ping + 4)));
    ScanAntwort a;
    a.unitId = {7, 1, 2, 3, 4, 5, 6, 7};
    a.hostname = "projektor";
    schreiben("idn", "scan_antwort",
              mitVorsatz(std::string("\x00\x01", 2), scanAntwortSchreiben(1, a)));
    std::vector<std::uint8_t> samples(3 * kSampleBytes);
    for (std::size_t k = 0; k < 3; ++k)
        sampleSchreiben({static_cast<std::int16_t>(k * 1000), -5, 255, 0, 0, 255},
                        samples.data() + k * kSampleBytes);
    std::uint16_t folge = 0;
    FrameNachricht n;
    n.konfig = true;
    const auto d = frameDatagramme(n, samples.data(), 3, folge);
    schreiben("idn", "frame", mitVorsatz(std::string("\x00\x00", 2), d.front()));
}

void heliosUsb() {
    using namespace helios;
    // The first byte is what the read returned.
    schreiben("helios", "bereit", std::string("\x02\x83\x01", 3));
    schreiben("helios", "beschaeftigt", std::string("\x20\x83\x00", 3) + std::string(29, '\0'));
    std::vector<std::uint8_t> punkte(3 * kPunktBytes);
    for (std::size_t k = 0; k < 3; ++k)
        punktSchreiben({static_cast<std::uint16_t>(k * 1000), 2047, 255, 128, 0, 255},
                       punkte.data() + k * kPunktBytes);
    schreiben("helios", "frame",
              mitVorsatz(std::string(1, '\0'), frame(punkte.data(), 3, 30000, kFlagSofort)));
}

void dmxPakete() {
    artnet::DmxPaket a;
    a.sequenz = 1;
    a.portAdresse = 0x123;
    a.laenge = 6;
    a.kanaele = {255, 0, 128};
    std::vector<std::uint8_t> b(artnet::kKopfBytes + kDmxKanaele);
    b.resize(artnet::schreiben(a, b.data()));
    schreiben("dmx_pakete", "artdmx", mitVorsatz("", b));
    sacn::DatenPaket s;
    s.cid.fill(7);
    s.quelle = "Desk";
    s.universum = 1;
    s.sequenz = 1;
    s.laenge = 4;
    s.kanaele = {1, 2, 3, 4};
    b.assign(sacn::kMaxBytes, 0);
    b.resize(sacn::schreiben(s, b.data()));
    schreiben("dmx_pakete", "sacn", mitVorsatz("", b));
    s.optionen = sacn::kOptionBeendet;
    s.sequenz = 2;
    b.assign(sacn::kMaxBytes, 0);
    b.resize(sacn::schreiben(s, b.data()));
    schreiben("dmx_pakete", "sacn_beendet", mitVorsatz("", b));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: strahlwerk-fuzzkorpus CORPUS_FOLDER\n");
        return 2;
    }
    wurzel = argv[1];
    figuren();
    testbilder();
    etherDream();
    idnNetz();
    heliosUsb();
    dmxPakete();
    return 0;
}
