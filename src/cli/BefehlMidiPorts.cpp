#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"
#include "cli/Json.h"
#include "live/eingang/EingangTexte.h"
#include "live/eingang/RtMidiEingang.h"

#include <iostream>

namespace sw::cli {

void befehlMidiPorts(bool zeilen) {
    CliUmgebung u;
    std::string meldung;
    RtMidiEingang midi(u.texte, [&](const std::string& z) { meldung = z; });
    const auto ports = midi.portNamen();
    if (!midi.vorhanden()) std::cerr << "strahlwerk-cli: " << meldung << "\n";
    if (zeilen) {
        if (midi.vorhanden() && ports.empty())
            std::cerr << "strahlwerk-cli: " << u.texte.text(eingangtext::KeineMidiPorts) << "\n";
        for (const auto& p : ports) std::cout << p << "\n";
        return;
    }
    std::string aus = std::string("{\"midiSystem\":") + (midi.vorhanden() ? "true" : "false");
    aus += ",\"ports\":[";
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (i) aus += ',';
        jsonText(aus, ports[i]);
    }
    aus += "]}\n";
    std::cout << aus;
}

} // namespace sw::cli
