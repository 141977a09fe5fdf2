#include "cli/Befehle.h"
#include "cli/Dateien.h"

#include <iostream>

namespace sw::cli {

void befehlUpgrade(const std::string& eingabe, const std::string& ausgabe) {
    CliUmgebung u;
    FigurenSpeicher speicher;
    figurBearbeiten(speicher, u, eingabe);
    figurSchreiben(speicher, u, ausgabe);
    std::cout << "upgraded " << eingabe << " to " << ausgabe << "\n";
}

} // namespace sw::cli
