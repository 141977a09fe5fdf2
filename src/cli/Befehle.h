#pragma once
// The commands of strahlwerk-cli. Each prints its result on stdout and throws CliFehler with
// a sentence naming the file and the problem.

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sw::cli {

// The ranges of play's numbers beyond the track: at most ten million passes of at most a minute.
inline constexpr int kMaxZyklen = 10'000'000;
inline constexpr double kMaxPassMs = 60'000;

struct PlayOptionen {
    std::string figur;
    int spur = 0;
    int zyklen = 1;
    double passMs = 20;
    double helligkeit = 100;          // --brightness, master brightness in percent
    std::string einstellungen;        // --settings
    std::vector<std::string> geraete; // --device N=NAME
    std::string dump;                 // --dump
    std::string stufe = "out";        // --stage out|raw
    std::string ildaExport;           // --export-ilda
    std::string dumpRecords;          // --dump-records
};

// Prints the file's content as one JSON object.
void befehlInfo(const std::string& datei);
// Converts an ILDA file into a figure file, or a figure file into an ILDA file of export kind
// `art` (1 to 5) or of the kind that writes ILDA format `ildaFormat` (see `artFuerIldaFormat`);
// without either, kind 5. `ildaFarben` ("standard" or "index") decides what the colour indices
// of an ILDA file without a palette become.
void befehlConvert(const std::string& eingabe, const std::string& ausgabe, std::optional<int> art,
                   std::optional<int> ildaFormat, const std::string& ildaFarben = "standard");
// The export kind that writes ILDA frame format `format`: 1 gives kind 3 (indexed 2-D frames),
// 5 gives kind 5 (true-colour 2-D frames). The 3-D formats 0 and 4 are not written: a
// CliFehler names the supported ones.
int artFuerIldaFormat(int format);
// The longest `devices --wait` (milliseconds); the default is kGeraeteWarten.
inline constexpr int kMaxGeraeteWarten = 60'000;

// Prints the device list found by the detection, after listening `warten` milliseconds, as JSON.
void befehlDevices(const std::string& einstellungsDatei, int warten);
// Starts the program without windows (the settings file from a ".Laser_ini" argument), exports
// its settings to the file or imports the file and saves the result, and ends it in order.
void befehlSettings(const std::string& aktion, const std::string& datei,
                    const std::string& einstellungsArgument);
// Plays a figure for a number of output cycles on a fixed-step clock.
void befehlPlay(const PlayOptionen& o);
// Loads a figure file of any version and writes it as the current version.
void befehlUpgrade(const std::string& eingabe, const std::string& ausgabe);

// Lists the files of the show's folder that do not belong to the show and, unless `probelauf`,
// moves them into the trash (the user's trash, else "Geloescht" in the show folder).
void befehlCleanShow(const std::string& showDatei, bool probelauf);
// The figure and showpart file names the show's timeline uses, read from its ".seq" file and
// the folder's "Key.ord"; while unset, clean-show keeps every figure and showpart.
extern std::function<std::vector<std::string>(const std::string& seqDatei)> cleanShowBenutzteDateien;

// Lists the MIDI input ports as JSON, or one per line (`zeilen`); without a MIDI system says
// so on stderr and lists none.
void befehlMidiPorts(bool zeilen);

struct DmxMonitorOptionen {
    bool artnet = false;
    bool sacn = false;
    int universum = 0;
    double sekunden = 0; // 0: until interrupted
    std::string bindAdresse = "0.0.0.0";
    std::optional<std::uint16_t> port; // the protocol's port unless given
};
// Listens to one Art-Net or sACN universe and prints every channel that changes
// ("channel N: old -> new"), then the packets taken and dropped by reason.
void befehlDmxMonitor(const DmxMonitorOptionen& o);
// The options of text: the text, a font family or file, the em height in percent of the
// drawing area's height, the colour index, scrolling, and the curve quality (below 1: by
// segment length).
struct TextBefehlOptionen {
    std::string text;
    std::string schrift = "DejaVu Sans";
    double groesse = 25;
    int farbe = 4095;
    bool laufschrift = false;
    int qualitaet = 0;
    std::string ausgabe;
};
// Sets a text in a TrueType or OpenType font as a figure file: one frame, or with scrolling
// one frame per step of the text's way through the picture.
void befehlText(const TextBefehlOptionen& o);
// The JSON of a live inputs' file (".live", ".MidiInMap", "Key.ord", ".Mapping"); nullopt for
// another kind of file.
std::optional<std::string> liveDateiInfo(const std::string& datei);
// render: one output cycle's simulation as a PNG.
inline constexpr int kMaxBildseite = 8192;
// Exit code of render when no display (X or Xvfb) with OpenGL is at hand.
inline constexpr int kKeinBildschirmCode = 3;
struct RenderOptionen {
    std::string datei;         // FIGURE.qvb or SHOW.shw
    std::string png;           // --png
    double atMs = 0;           // --at: time in the figure's playback or on the show's timeline
    std::string einstellungen; // --settings
    int breite = 800, hoehe = 600;
};
class KeinBildschirm : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// Plays the figure, or the show's timeline up to --at, for one cycle in simulation mode and
// draws it; Qt starts with the program's arguments.
void befehlRender(const RenderOptionen& o, int argc, char** argv);

// The headless show player: a show (".shw") or a playlist (".pll") played with its music in
// real time (or on a fixed-step clock, `festerTakt`), until `sekunden` have passed (0: to the
// end), Ctrl+C or SIGTERM; every device is blanked at the end.
struct ShowPlayOptionen {
    std::string datei;
    double sekunden = 0;
    double vonMs = 0;                 // --from
    std::vector<std::string> geraete; // --device N=NAME
    std::string einstellungen;        // --settings
    std::string ildaExport;           // --export-ilda
    std::string dump;                 // --dump: one JSON line per event sent
    std::string audio;                // --audio: "" or "null"
    std::string mtc;                  // --mtc PORT
    bool festerTakt = false;          // --fixed-clock
    double passMs = 20;               // --pass-ms
};
void befehlPlayShow(const ShowPlayOptionen& o);
// Whether play's file is a show or a playlist rather than a figure.
bool istShowOderPlaylist(const std::string& datei);

} // namespace sw::cli
