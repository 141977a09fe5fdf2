#pragma once
// The DMX input the operator chose, opened: besides the DAC libraries' DMX, Art-Net, sACN and
// OLA appear in the DMX input list (comboDMXPort[1]) and are stored under the same settings
// key. Their universe and where they listen are keys of their own in the same section.
//
// Settings, section "Optionen_4_frmdmx":
//   DMX_InputDevice       the list text chosen (existing key)
//   DMX_InputUniverse     the universe of Art-Net (15-bit port address), sACN (1-63999), OLA
//   DMX_InputBindAddress  the address Art-Net and sACN listen on (default 0.0.0.0)
//   ArtNet_Port, sACN_Port, OLA_Port   6454, 5568, 9010 unless set

#include "devices/Geraete.h"
#include "einstellungen/Einstellungen.h"
#include "live/eingang/Eingang.h"
#include "platform/Umgebung.h"

#include <functional>
#include <memory>
#include <string>

namespace sw {

inline constexpr const char* kArtNetEingangName = "Art-Net DMX input";
inline constexpr const char* kSacnEingangName = "sACN DMX input";
inline constexpr const char* kOlaEingangName = "OLA DMX input";

struct DmxEingangsEinstellungen {
    std::string geraet = "No Device";
    int universum = 1;
    std::string bindAdresse = "0.0.0.0";
    std::uint16_t artNetPort = 6454;
    std::uint16_t sacnPort = 5568;
    std::uint16_t olaPort = 9010;
};

DmxEingangsEinstellungen dmxEingangsEinstellungenLesen(Einstellungen& e);
void dmxEingangsEinstellungenSchreiben(Einstellungen& e, const DmxEingangsEinstellungen& d);

// Appends Art-Net, sACN and (when built) OLA to the DMX input list, after the DAC libraries'
// devices, and shows the stored choice when it is one of them. Call after Init_Hardware and
// geraeteLaden (they rebuild and fill the lists).
void dmxEingaengeEintragen(Geraete& g, Einstellungen& e);

// Chooses a DMX input by its list text: the three above are stored here (and the DAC
// libraries' DMX input set to "No Device"); any other goes to comboDMXPort_Click.
void dmxEingangWaehlen(Geraete& g, Umgebung& env, Einstellungen& e, const std::string& text);

// Opens the DMX input chosen in the settings: Art-Net, sACN, OLA, or the DMX input of a Lumax
// or jmlaser device (its `DmxInUniverse`). nullptr for "No Device" or a device without DMX
// input; a failure to open is written to the log. Call on the output cycle's thread.
std::unique_ptr<DmxEingang> dmxEingangOeffnen(Geraete& g, Umgebung& env, Einstellungen& e);

// A DAC library's DMX input (Lumax_ReceiveDmx, jmLaserUniverseRead): `neuesterFrame` reads
// the device's receive buffer through `lesen` (0: read) and reports a frame when it changed.
class BibliothekDmxEingang : public DmxEingang {
public:
    using Lesen = std::function<int(std::uint8_t* puffer, int laenge)>;
    BibliothekDmxEingang(std::string name, Lesen lesen)
        : name_(std::move(name)), lesen_(std::move(lesen)) {}
    std::string name() const override { return name_; }
    bool neuesterFrame(DmxFrame& frame) override;

private:
    std::string name_;
    Lesen lesen_;
    DmxFrame letzter_{};
    bool gelesen_ = false;
};

} // namespace sw
