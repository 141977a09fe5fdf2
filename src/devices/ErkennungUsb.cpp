#include "devices/Erkennung.h"
#include "devices/usb/HeliosProtokoll.h"

#include <cstring>

namespace sw {

std::optional<GeraeteEintrag> heliosEintrag(usb::Bus& bus, const std::string& kennung,
                                            std::string& problem) {
    auto v = bus.oeffnen(kennung, helios::kInterface, helios::kAlternative);
    if (!v) {
        problem = "Helios " + kennung + ": cannot open the device (see the udev rule)";
        return std::nullopt;
    }
    // The name the owner gave the DAC, when it tells it.
    std::string name;
    const auto a = helios::anfrage(helios::kName);
    std::uint8_t antwort[32] = {};
    if (v->interruptSchreiben(helios::kInterruptAus, a.data(), a.size(), 100) >= 0 &&
        v->interruptLesen(helios::kInterruptEin, antwort, sizeof antwort, 100) > 1 &&
        antwort[0] == 0x85)
        name.assign(reinterpret_cast<const char*>(antwort + 1),
                    strnlen(reinterpret_cast<const char*>(antwort + 1), sizeof antwort - 2));
    GeraeteEintrag e;
    e.Typ = Geraetetyp::Helios;
    e.Kennung = "Helios " + kennung;
    e.Anzeigename = name.empty() ? e.Kennung : name;
    e.Familie = "Helios";
    e.Bereit = true;
    e.Farbkanaele = 4;
    e.MinSpeed = helios::kMinRate;
    e.MaxSpeed = helios::kMaxRate;
    e.SpeedStep = 1;
    e.MaxFrameSize = helios::kMaxPunkte;
    return e;
}

void Init_Helios(Geraete& g, Umgebung& env) {
    if (!g.bibliothek.usb) g.bibliothek.usb = usb::libusbBus();
    if (!g.bibliothek.usb) {
        env.log.zeile("Helios: no USB access (libusb missing or not permitted)");
        return;
    }
    for (const auto& kennung : g.bibliothek.usb->suchen(helios::kHersteller, helios::kProdukt)) {
        bool schonDa = false;
        for (const auto& e : g.Geraeteliste) schonDa = schonDa || e.Kennung == "Helios " + kennung;
        if (schonDa) continue;
        std::string problem;
        auto e = heliosEintrag(*g.bibliothek.usb, kennung, problem);
        if (!e) {
            env.log.zeile(problem);
            continue;
        }
        env.log.zeile("Helios found: " + e->Kennung + " (" + e->Anzeigename + ")");
        g.Geraeteliste.push_back(std::move(*e));
    }
}

} // namespace sw
