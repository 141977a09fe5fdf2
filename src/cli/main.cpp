// strahlwerk-cli: the engine without windows, for inspecting, converting and playing files.

#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"
#include "devices/Geraeteverwaltung.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

// The check of a numeric option: a whole number (`ganz`), or any finite number, from `min`
// (exclusive with `ueberMin`) to `max`; the message names the range and what was given.
CLI::Validator zahlBereich(double min, double max, bool ganz, bool ueberMin = false) {
    auto zahl = [](double v) {
        std::ostringstream s;
        s.precision(12);
        s << v;
        return s.str();
    };
    const std::string bereich = std::string(ganz ? "a whole number " : "a number ") +
                                (ueberMin ? "above " + zahl(min) + " and at most " + zahl(max)
                                          : "from " + zahl(min) + " to " + zahl(max));
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            bool ok = !text.empty() && text.size() <= 24;
            double v = 0;
            if (ok && ganz) {
                for (std::size_t i = 0; i < text.size(); ++i)
                    ok = ok && (std::isdigit(static_cast<unsigned char>(text[i])) ||
                                (i == 0 && text[i] == '-' && text.size() > 1));
                ok = ok && text.size() <= 10;
            }
            if (ok) {
                char* ende = nullptr;
                v = std::strtod(text.c_str(), &ende);
                ok = ende == text.c_str() + text.size() && std::isfinite(v);
            }
            ok = ok && (ueberMin ? v > min : v >= min) && v <= max;
            return ok ? std::string() : "must be " + bereich + ", not \"" + text + "\"";
        },
        bereich);
}

// ILDA frame formats are 0, 1, 4 and 5; 2 (palette) and 3 (colour table) hold no frames.
CLI::Validator frameFormat() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            if (text == "2" || text == "3")
                return "must be an ILDA frame format (0, 1, 4 or 5), not \"" + text +
                       "\": format 2 is a palette and 3 a colour table";
            return {};
        },
        "");
}

const char* kBefehle = "info, upgrade, convert, play, devices, settings, clean-show, midi-ports, "
                       "dmx-monitor, text and render";

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Strahlwerk command-line program: inspect, convert and play laser figures."};
    app.require_subcommand(1);

    std::string infoDatei;
    auto* info = app.add_subcommand("info", "Print a file's content as JSON.");
    info->add_option("FILE", infoDatei,
                     "figure (.qvb), ILDA (.ild), palette (.qvp), show (.shw), show "
                     "information (.info), live show (.live), MIDI routing (.MidiInMap), "
                     "Key.ord or key mapping (.Mapping) file")
        ->required();

    std::string cleanShowDatei;
    bool cleanShowProbe = false;
    auto* cleanShow = app.add_subcommand(
        "clean-show", "List the files of a show folder that do not belong to the show and move "
                      "them to the trash.");
    cleanShow->add_option("SHOW", cleanShowDatei, "the show file, FOLDER/NAME.shw")->required();
    cleanShow->add_flag("--dry-run", cleanShowProbe, "only list the files");

    std::string upgradeEin, upgradeAus;
    auto* upgrade = app.add_subcommand(
        "upgrade", "Load a figure file of any version and save it in the current version.");
    upgrade->add_option("IN", upgradeEin, "figure file to read")->required();
    upgrade->add_option("OUT", upgradeAus, "figure file to write")->required();

    std::string convertEin, convertAus;
    std::optional<int> exportArt, ildaFormat;
    auto* convert = app.add_subcommand(
        "convert", "Import an ILDA file into a figure file, or export a figure file as ILDA.");
    convert->add_option("IN", convertEin, "file to read (.ild or .qvb)")->required();
    convert->add_option("OUT", convertAus, "file to write (.qvb or .ild)")->required();
    auto* artOption =
        convert
            ->add_option("--kind", exportArt,
                         "export kind K (default 5): 1 true-colour tables (format 3) and "
                         "indexed frames (format 1), 2 the same after a palette (format 2), "
                         "3 indexed frames (format 1), 4 indexed frames after a palette, "
                         "5 true-colour frames (format 5)")
            ->check(zahlBereich(1, 5, true));
    convert
        ->add_option("--ilda-format", ildaFormat,
                     "ILDA frame format F instead of a kind: 1 indexed 2-D frames (kind 3), "
                     "5 true-colour 2-D frames (kind 5); the 3-D formats 0 and 4 are not "
                     "written")
        ->check(zahlBereich(0, 5, true))
        ->check(frameFormat())
        ->excludes(artOption);
    std::string ildaFarben = "standard";
    convert
        ->add_option("--ilda-colours", ildaFarben,
                     "colour indices of an ILDA file without a palette: standard takes the "
                     "colours of the ILDA standard palette (default), index keeps the indices")
        ->check(CLI::IsMember({"standard", "index"}));

    sw::cli::PlayOptionen play;
    auto* playBefehl = app.add_subcommand(
        "play", "Play a figure through the output pipeline for a number of output cycles on a "
                "fixed-step clock.");
    playBefehl
        ->add_option("FILE", play.figur,
                     "figure file (.qvb), loaded into figure 1; or a show (.shw) or playlist "
                     "(.pll), played in real time with its music")
        ->required();
    playBefehl->add_option("--track", play.spur, "output track 0 to 11 (default 0)")
        ->check(zahlBereich(0, 11, true));
    playBefehl->add_option("--cycles", play.zyklen, "output cycles to run (default 1)")
        ->check(zahlBereich(0, sw::cli::kMaxZyklen, true));
    playBefehl->add_option("--pass-ms", play.passMs, "duration of each pass in ms (default 20)")
        ->check(zahlBereich(0, sw::cli::kMaxPassMs, false, true));
    playBefehl
        ->add_option("--brightness", play.helligkeit,
                     "master brightness in percent, 0 to 100 (default 100)")
        ->check(zahlBereich(0, 100, false));
    playBefehl->add_option("--settings", play.einstellungen,
                           "settings file with the pipeline's keys and the side table");
    playBefehl->add_option(
        "--device", play.geraete,
        "N=NAME puts the device of that display name (or \"virtual\") on logical "
        "device N (repeatable); without it device 0 is the Virtual Device on "
        "side A");
    playBefehl->add_option("--dump", play.dump, "write one JSON line per cycle and device");
    playBefehl->add_option("--stage", play.stufe,
                           "out: points as handed to the writers (default); raw: the raw lists");
    playBefehl->add_option("--export-ilda", play.ildaExport,
                           "record the show export of the cycles into an ILDA file");
    playBefehl->add_option("--dump-records", play.dumpRecords,
                           "write one JSON line per frame a vendor library took");
    // A show or a playlist: the headless show player.
    sw::cli::ShowPlayOptionen showPlay;
    playBefehl
        ->add_option("--seconds", showPlay.sekunden,
                     "show: stop after S seconds (default: at the end)")
        ->check(zahlBereich(0, 86400, false));
    playBefehl->add_option("--from", showPlay.vonMs, "show: start at this media time in ms")
        ->check(zahlBereich(0, 86'400'000, false));
    playBefehl->add_option("--audio", showPlay.audio, "show: null plays without sound output")
        ->check(CLI::IsMember({"null"}));
    playBefehl->add_option("--mtc", showPlay.mtc,
                           "show: follow MIDI time code from this input port");
    playBefehl->add_flag("--fixed-clock", showPlay.festerTakt,
                         "show: passes on a fixed-step clock instead of real time (reproducible)");

    std::string devicesEinstellungen;
    int devicesWarten = sw::kGeraeteWarten;
    auto* devices = app.add_subcommand(
        "devices", "List the laser devices found (emulated ones with STRAHLWERK_EMULATE).");
    devices->add_option("--settings", devicesEinstellungen, "settings file");
    devices
        ->add_option("--wait", devicesWarten,
                     "milliseconds to listen for network DACs before listing, 0 to " +
                         std::to_string(sw::cli::kMaxGeraeteWarten) + " (default " +
                         std::to_string(sw::kGeraeteWarten) +
                         ": an Ether Dream broadcasts once a second)")
        ->check(zahlBereich(0, sw::cli::kMaxGeraeteWarten, true));

    std::string einstellungsAktion, einstellungsDatei, einstellungsArgument;
    auto* settings = app.add_subcommand(
        "settings", "Export the program's settings to a file, or import a file into them.");
    settings->add_option("ACTION", einstellungsAktion, "export or import")
        ->required()
        ->check(CLI::IsMember({"export", "import"}));
    settings->add_option("FILE", einstellungsDatei, "the file to write or read")->required();
    settings->add_option("--settings", einstellungsArgument,
                         "use this settings file (ending in .Laser_ini) instead of the program's");

    bool midiZeilen = false;
    auto* midiPorts = app.add_subcommand("midi-ports", "List the MIDI input ports.");
    midiPorts->add_flag("--lines", midiZeilen, "one port per line instead of JSON");

    sw::cli::DmxMonitorOptionen monitor;
    auto* dmxMonitor = app.add_subcommand(
        "dmx-monitor", "Listen to an Art-Net or sACN universe and print the channels that change.");
    auto* artnetOption = dmxMonitor->add_option("--artnet", monitor.universum,
                                                "Art-Net universe (15-bit port address)");
    auto* sacnOption =
        dmxMonitor->add_option("--sacn", monitor.universum, "sACN universe (1 to 63999)");
    artnetOption->excludes(sacnOption);
    dmxMonitor
        ->add_option("--seconds", monitor.sekunden, "listen this long (default: until Ctrl-C)")
        ->check(zahlBereich(0, 1e6, false));
    dmxMonitor->add_option("--bind", monitor.bindAdresse, "the address to listen on (0.0.0.0)");
    dmxMonitor->add_option("--port", monitor.port, "the UDP port (6454 or 5568)")
        ->check(zahlBereich(1, 65535, true));
    sw::cli::TextBefehlOptionen text;
    auto* textBefehl = app.add_subcommand(
        "text", "Set a text in a TrueType or OpenType font as a figure file, still or scrolling.");
    textBefehl->add_option("TEXT", text.text, "the text (UTF-8)")->required();
    textBefehl->add_option("--font", text.schrift,
                           "font family as fc-match takes it, or a .ttf/.otf file (default "
                           "DejaVu Sans)");
    textBefehl
        ->add_option("--size", text.groesse,
                     "letter (em) height in percent of the drawing area's height, 1 to 100 "
                     "(default 25); a still text too wide for the area is made smaller")
        ->check(zahlBereich(1, 100, false));
    textBefehl->add_option("--colour", text.farbe, "colour index (default 4095, white)")
        ->check(zahlBereich(0, 65535, true));
    textBefehl->add_flag("--scroll", text.laufschrift,
                         "scrolling text: many frames moving from right to left");
    textBefehl
        ->add_option("--quality", text.qualitaet,
                     "points per curve segment, 0 to 1000; 0 (default) by the segment's length")
        ->check(zahlBereich(0, 1000, true));
    textBefehl->add_option("--out", text.ausgabe, "figure file to write (.qvb)")->required();
#ifdef STRAHLWERK_RENDER
    sw::cli::RenderOptionen render;
    std::string renderGroesse;
    auto* renderBefehl = app.add_subcommand(
        "render", "Draw one output cycle's beam simulation into a PNG (needs an X display or "
                  "Xvfb for OpenGL; exit code 3 without one).");
    renderBefehl->add_option("FILE", render.datei, "figure (.qvb) or show (.shw)")->required();
    renderBefehl->add_option("--png", render.png, "the picture to write")->required();
    renderBefehl
        ->add_option("--at", render.atMs,
                     "milliseconds into the figure's playback, or the show time whose due "
                     "timeline events select the figures (default 0)")
        ->check(zahlBereich(0, 1e9, false));
    renderBefehl->add_option("--settings", render.einstellungen,
                             "settings file: sides, devices, projector positions and the "
                             "simulation window's display settings");
    renderBefehl->add_option("--size", renderGroesse, "picture size WxH (default 800x600)")
        ->check(CLI::Validator(
            [&](std::string& t) -> std::string {
                int b = 0, h = 0;
                char x = 0, rest = 0;
                if (std::sscanf(t.c_str(), "%d%c%d%c", &b, &x, &h, &rest) != 3 || x != 'x' ||
                    b < 16 || h < 16 || b > sw::cli::kMaxBildseite || h > sw::cli::kMaxBildseite)
                    return "must be WxH with each side from 16 to " +
                           std::to_string(sw::cli::kMaxBildseite) + ", not \"" + t + "\"";
                render.breite = b;
                render.hoehe = h;
                return {};
            },
            "WxH"));
#endif

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e); // --help
        std::string satz = e.what();
        if (app.get_subcommands().empty() && argc > 1 && argv[1][0] != '-')
            satz = std::string("\"") + argv[1] + "\" is no command; the commands are " + kBefehle;
        else if (app.get_subcommands().empty() && dynamic_cast<const CLI::RequiredError*>(&e))
            satz = std::string("a command is required: ") + kBefehle + " (see --help)";
        if (!satz.empty() && satz.back() != '.') satz += '.';
        std::cerr << "strahlwerk-cli: " << satz << "\n";
        return 1;
    }

    try {
        if (*info)
            sw::cli::befehlInfo(infoDatei);
        else if (*upgrade)
            sw::cli::befehlUpgrade(upgradeEin, upgradeAus);
        else if (*convert)
            sw::cli::befehlConvert(convertEin, convertAus, exportArt, ildaFormat, ildaFarben);
        else if (*playBefehl && sw::cli::istShowOderPlaylist(play.figur)) {
            showPlay.datei = play.figur;
            showPlay.geraete = play.geraete;
            showPlay.einstellungen = play.einstellungen;
            showPlay.ildaExport = play.ildaExport;
            showPlay.dump = play.dump;
            showPlay.passMs = play.passMs;
            sw::cli::befehlPlayShow(showPlay);
        } else if (*playBefehl)
            sw::cli::befehlPlay(play);
        else if (*devices)
            sw::cli::befehlDevices(devicesEinstellungen, devicesWarten);
        else if (*settings)
            sw::cli::befehlSettings(einstellungsAktion, einstellungsDatei, einstellungsArgument);
        else if (*cleanShow)
            sw::cli::befehlCleanShow(cleanShowDatei, cleanShowProbe);
        else if (*midiPorts)
            sw::cli::befehlMidiPorts(midiZeilen);
        else if (*dmxMonitor) {
            monitor.artnet = artnetOption->count() > 0;
            monitor.sacn = sacnOption->count() > 0;
            sw::cli::befehlDmxMonitor(monitor);
        } else if (*textBefehl)
            sw::cli::befehlText(text);
#ifdef STRAHLWERK_RENDER
        else if (*renderBefehl)
            sw::cli::befehlRender(render, argc, argv);
    } catch (const sw::cli::KeinBildschirm& e) {
        std::cerr << "strahlwerk-cli: " << e.what() << "\n";
        return sw::cli::kKeinBildschirmCode;
#endif
    } catch (const sw::cli::CliFehler& e) {
        std::cerr << "strahlwerk-cli: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "strahlwerk-cli: unexpected error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
