#pragma once
// The media layer as the show sees it: open a file into an optional video window, report its
// length, stop. The player behind it comes with playback; tests use the fake below, which
// reports a length without playing anything.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace sw {

// The picture area a video is drawn into (left, top, scale width and height, window handle).
struct Videofenster {
    int links = 0, oben = 0, breite = 0, hoehe = 0;
    std::uintptr_t handle = 0;
};

class Medienschicht {
public:
    virtual ~Medienschicht() = default;
    // Whether the file could be opened.
    virtual bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) = 0;
    // Seconds of the file opened last.
    virtual double DS_GetDuration() = 0;
    virtual void DS_Stop() = 0;
};

// Opens every file that exists (and is not in `scheitern`) and reports `laenge` seconds.
class FakeMedien : public Medienschicht {
public:
    double laenge = 180.0;
    std::set<std::string> scheitern;    // files whose opening fails
    std::vector<std::string> geoeffnet; // files opened, in order
    int stopps = 0;

    bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) override;
    double DS_GetDuration() override { return geoeffnet.empty() ? 0.0 : laenge; }
    void DS_Stop() override { ++stopps; }
};

} // namespace sw
