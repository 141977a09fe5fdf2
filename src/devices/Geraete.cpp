#include "devices/Geraete.h"
#include "devices/Geraetesuche.h"

namespace sw {

Geraete::Geraete() {
    GeraeteEintrag kein;
    kein.Typ = Geraetetyp::NoDevice;
    kein.Kennung = kein.Anzeigename = kein.Familie = "No Device";
    kein.Handle = -1;
    kein.MaxSpeed = 1;
    kein.SpeedStep = 1;
    kein.DmxIn = kein.DmxOut = true;
    GeraeteEintrag virtuell;
    virtuell.Typ = Geraetetyp::VirtualDevice;
    virtuell.Kennung = virtuell.Anzeigename = virtuell.Familie = "Virtual Device";
    virtuell.Handle = -1;
    virtuell.Farbkanaele = 3;
    virtuell.MaxSpeed = 1;
    virtuell.SpeedStep = 1;
    Geraeteliste = {kein, virtuell};
    PPSWert.fill(10000);
    lstHardwareEintraege = {"No Device", "Virtual Device"};
    comboDMXPort = {std::vector<std::string>{"No Device"}, std::vector<std::string>{"No Device"}};
    for (int n = 0; n < kGeraete; ++n)
        ComboDeviceNr.push_back("Hardware:" + std::to_string(n) + " No Device");
    GespeicherteKennung.fill("No Device");
}

Geraete::~Geraete() = default;

} // namespace sw
