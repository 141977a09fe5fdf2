#pragma once
// The services of the command-line program: no windows, so questions take their default
// answers, messages are collected, and the program log stays closed.

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
    SystemUhr uhr;
    Protokoll log{uhr};
    Sprachtexte texte;
    Umgebung env{dialoge, pumpe, uhr, log, texte};
};

} // namespace sw::cli
