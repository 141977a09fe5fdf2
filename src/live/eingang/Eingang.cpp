#include "live/eingang/Eingang.h"

#include <algorithm>
#include <utility>

namespace sw {

namespace {
// Data bytes that follow a channel status: program change and channel pressure carry one.
int datenbytes(std::uint8_t status) {
    const int typ = status & 0xF0;
    return (typ == 0xC0 || typ == 0xD0) ? 1 : 2;
}
} // namespace

std::vector<MidiNachricht> midiZerlegen(const std::uint8_t* bytes, std::size_t anzahl,
                                        std::uint8_t& laufenderStatus) {
    std::vector<MidiNachricht> nachrichten;
    std::size_t i = 0;
    while (i < anzahl) {
        const std::uint8_t b = bytes[i];
        if (b >= 0xF8) { // real-time bytes may sit anywhere and keep the running status
            nachrichten.push_back({b, 0, 0});
            ++i;
            continue;
        }
        if (b >= 0xF0) { // system common and exclusive end the running status
            nachrichten.push_back({b, 0, 0});
            laufenderStatus = 0;
            ++i;
            while (i < anzahl && bytes[i] < 0x80) ++i;
            continue;
        }
        std::uint8_t status = laufenderStatus;
        if (b >= 0x80) {
            status = b;
            laufenderStatus = b;
            ++i;
        }
        if (status == 0) { // data bytes without a status: skipped
            ++i;
            continue;
        }
        MidiNachricht n{status, 0, 0};
        const int noetig = datenbytes(status);
        int gelesen = 0;
        while (gelesen < noetig && i < anzahl && bytes[i] < 0x80) {
            (gelesen == 0 ? n.daten1 : n.daten2) = bytes[i];
            ++gelesen;
            ++i;
        }
        if (gelesen == noetig) nachrichten.push_back(n);
    }
    return nachrichten;
}

bool FakeMidiEingang::waehlen(const std::string& name) {
    if (name.empty() || name == kMidiNichtAktiv) {
        gewaehlt_ = kMidiNichtAktiv;
        return false;
    }
    gewaehlt_ = name;
    return std::find(ports.begin(), ports.end(), name) != ports.end();
}

std::vector<std::vector<MidiNachricht>> FakeMidiEingang::abholen() {
    return std::exchange(warteschlange_, {});
}

void FakeMidiEingang::senden(std::vector<MidiNachricht> ereignis) {
    warteschlange_.push_back(std::move(ereignis));
}

void FakeMidiEingang::bytesSenden(const std::vector<std::uint8_t>& bytes) {
    auto n = midiZerlegen(bytes.data(), bytes.size(), laufenderStatus_);
    if (!n.empty()) warteschlange_.push_back(std::move(n));
}

} // namespace sw
