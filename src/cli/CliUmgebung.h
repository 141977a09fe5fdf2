#pragma once
// The services of the command-line program: no windows, so questions take their default
// answers, messages are collected, and the program log stays closed. Playback runs on a clock
// that moves only by the passes it is given, so that runs are reproducible.

#include "core/FigurenSpeicher.h"
#include "platform/Umgebung.h"

#include <stdexcept>
#include <string>

namespace sw::cli {

// A failure the command reports on stderr as one sentence, with exit code 1.
class CliFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CliUmgebung {
    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    TestUhr uhr; // the fixed-step clock
    Protokoll log{uhr};
    Sprachtexte texte;
    Umgebung env{dialoge, pumpe, uhr, log, texte};
};

} // namespace sw::cli
