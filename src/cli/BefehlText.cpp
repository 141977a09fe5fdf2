#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "generators/Textfigur.h"

#include <iostream>

namespace sw::cli {

void befehlText(const TextBefehlOptionen& o) {
    CliUmgebung u;
    gen::TextOptionen t;
    t.text = o.text;
    t.schrift = o.schrift;
    t.groesse = o.groesse;
    t.farbe = o.farbe;
    t.laufschrift = o.laufschrift;
    t.qualitaet = o.qualitaet;
    if (!hatEndung(o.ausgabe, ".qvb"))
        throw CliFehler(o.ausgabe + ": text writes a figure file (.qvb); nothing was written.");
    const auto ergebnis = gen::textfigurErzeugen(t, u.env);
    const std::string satz = gen::textMeldung(ergebnis, t, u.texte);
    if (!ergebnis.ok()) throw CliFehler(satz + " Nothing was written.");
    if (!satz.empty()) std::cerr << "strahlwerk-cli: " << satz << "\n";
    for (const auto& m : u.dialoge.meldungen) std::cerr << "strahlwerk-cli: " << m << "\n";

    // Written through the save command, as figure 0 of a fresh store.
    FigurenSpeicher speicher;
    speicher.Figuren[0] = ergebnis.figur;
    speicher.SpurAuswahl[speicher.EditorSpur].Figur = 0;
    speicher.SpurAuswahl[speicher.EditorSpur].Frame = 0;
    figurSchreiben(speicher, u, o.ausgabe);
    std::cout << "wrote " << ergebnis.figur.Frames.size()
              << (ergebnis.figur.Frames.size() == 1 ? " frame" : " frames") << " of text in "
              << ergebnis.schriftdatei << " (at most " << ergebnis.groessterFrame
              << " points per frame) to " << o.ausgabe << "\n";
}

} // namespace sw::cli
