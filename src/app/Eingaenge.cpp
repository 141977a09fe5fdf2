#include "app/Eingaenge.h"

#include "live/eingang/DmxEingangswahl.h"
#include "live/eingang/RtMidiEingang.h"

namespace sw {

std::string midiPortGespeichert(Einstellungen& e) {
    const std::string name = e.textLesen(kMidiAbschnitt, kMidiPortSchluessel, "");
    return name.empty() || name == "<no value>" ? std::string(kMidiNichtAktiv) : name;
}

bool midiPortWaehlen(Programm& p, const std::string& name) {
    p.einstellungen.textSchreiben(kMidiAbschnitt, kMidiPortSchluessel,
                                  name.empty() ? std::string(kMidiNichtAktiv) : name);
    if (!p.midiEingang) return false;
    return p.midiEingang->waehlen(name);
}

void dmxEingangNeuOeffnen(Programm& p) {
    // The old input lets its socket go before the new one binds the same port.
    p.live.dmxEingang = nullptr;
    p.dmxEingang.reset();
    p.dmxEingang = dmxEingangOeffnen(p.geraete, p.env, p.einstellungen);
    p.live.dmxEingang = p.dmxEingang.get();
    if (p.dmxEingang) p.log.zeile("DMX input: " + p.dmxEingang->name());
}

void dmxEingangUmstellen(Programm& p, const std::string& text, int universum) {
    auto d = dmxEingangsEinstellungenLesen(p.einstellungen);
    if (d.universum != universum) {
        d.universum = universum;
        dmxEingangsEinstellungenSchreiben(p.einstellungen, d);
    }
    dmxEingangWaehlen(p.geraete, p.env, p.einstellungen, text);
    dmxEingangNeuOeffnen(p);
}

void eingaengeOeffnen(Programm& p) {
    dmxEingaengeEintragen(p.geraete, p.einstellungen);
    dmxEingangNeuOeffnen(p);
    if (!p.midiEingang)
        p.midiEingang = std::make_unique<RtMidiEingang>(
            p.texte, [&p](const std::string& zeile) { p.log.zeile(zeile); });
    p.live.midiEingang = p.midiEingang.get();
    const std::string port = midiPortGespeichert(p.einstellungen);
    if (port != kMidiNichtAktiv) p.midiEingang->waehlen(port);
}

} // namespace sw
