#pragma once
// The laser devices: the device list found at start-up (`Geraeteliste`), the assignment of a
// listed device to each of the sixteen logical devices, their points per second, the DMX device
// choice, the selection lists the options window shows, and the vendor libraries.

#include "devices/Bibliotheken.h"
#include "devices/usb/Usb.h"
#include "output/Ausgabetypen.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sw {

enum class Geraetetyp : std::int16_t {
    NoDevice = 0,
    VirtualDevice = 1,
    Lumax = 2,
    JMLaser = 3,
    MLDriver = 4,
    EzAudDac = 5,
    Riya = 6,
    EtherDream = 7,
    IDN = 8,
    Helios = 9,
};

struct GeraeteEintrag {
    Geraetetyp Typ = Geraetetyp::NoDevice;
    std::string Kennung;
    std::string Anzeigename;
    bool Bereit = false;
    std::string Familie;
    std::int16_t Farbkanaele = 0;
    double MinSpeed = 0;
    double MaxSpeed = 0;
    std::int16_t SpeedStep = 0;
    double MaxFrameSize = 0;
    std::int32_t Handle = -1;
    std::string Netzadresse; // network kinds: where the device answers
    std::uint16_t Netzport = 0;
    bool DmxIn = false;
    bool DmxOut = false;
    bool Ttl = false;
    std::int16_t DmxOutUniverse = 0;
    std::int16_t DmxInUniverse = 0;
    std::int16_t TtlUniverse = 0;
    std::int16_t Reserve = 0;
};

struct Bibliotheken {
    std::unique_ptr<JmLaserBibliothek> jmlaser = std::make_unique<JmLaserBibliothek>();
    std::unique_ptr<LumaxBibliothek> lumax = std::make_unique<LumaxBibliothek>();
    std::unique_ptr<RiyaBibliothek> riya = std::make_unique<RiyaBibliothek>();
    std::unique_ptr<EzAudDacBibliothek> ezauddac = std::make_unique<EzAudDacBibliothek>();
    std::unique_ptr<MlDriverBibliothek> mldriver = std::make_unique<MlDriverBibliothek>();
    std::shared_ptr<usb::Bus> usb; // opened by the Helios detection unless emulated
};

// Where the network kinds are looked for and how they are fed; settings section "Netzwerk".
struct Netzeinstellungen {
    std::string suchAdresse = "0.0.0.0";    // "Suchadresse": the address discovery listens on
    std::uint16_t etherDreamBroadcastPort = 7654; // "EtherDream_BroadcastPort"
    std::uint16_t etherDreamTcpPort = 7765;       // "EtherDream_TcpPort"
    bool suchen = true;                           // "Geraetesuche": 0 turns the background search off
    std::string idnAdresse;                       // "IDN_Adresse": scan target; empty: every local network
    std::uint16_t idnPort = 7255;                 // "IDN_Port"
    bool idnWelle = false;                        // "IDN_Wellenmodus": continuous instead of frames
    int latenz = 50;                              // "Latenz": milliseconds kept in a DAC's buffer
    // The background search's pace (tests shorten it): IDN-Hello scans, USB polling where there
    // is no hot-plug, and how long a DAC may be silent before it counts as gone (three missed
    // Ether Dream broadcasts, three unanswered scans).
    int idnScanAbstand = 3000;
    int usbAbstand = 2000;
    int etherDreamStille = 3500;
    int idnFehlscans = 3;
};

class Geraetesuche;

struct Geraete {
    Geraete();
    ~Geraete();
    Geraete(const Geraete&) = delete;
    Geraete& operator=(const Geraete&) = delete;

    std::vector<GeraeteEintrag> Geraeteliste;
    std::array<std::int16_t, kGeraete> HardwareZuordnung{};
    int MaxHardware = kGeraete - 1;
    std::array<std::int32_t, kGeraete> PPSWert{};
    std::int16_t DmxAusgangsGeraet = 0;
    std::int16_t DmxEingangsGeraet = 0;
    std::int32_t MlTreiberKennung = 0; // the ML driver's identifier, one for the program

    // The options window's lists, as data: one device list per logical device (same items),
    // the two DMX lists and the combo of logical devices with their devices.
    std::vector<std::string> lstHardwareEintraege;
    std::array<int, kGeraete> lstHardwareIndex{};
    std::array<std::vector<std::string>, 2> comboDMXPort;
    std::array<int, 2> comboDMXPortIndex{};
    std::vector<std::string> ComboDeviceNr;
    int ComboDeviceNrIndex = 0;
    bool optionenLaden = false; // the options window fills its controls from the settings
    std::string lblPPS;

    Bibliotheken bibliothek;
    Netzeinstellungen netz;
    bool ausgabeLaeuft = false; // the play control shows the stop caption

    // The identity stored for each logical device while that device has not been heard yet
    // (open kinds only, "No Device" otherwise): it is put on its logical device when it comes.
    std::array<std::string, kGeraete> GespeicherteKennung;
    // Told once when a device of the list is no longer heard (the window may show it).
    std::function<void(const GeraeteEintrag&)> beiVerschwinden;
    // The background search of the open kinds, from Init_Hardware to the end; its reports are
    // taken by `geraeteAbgleichen` on the thread that owns this object. Last, so that it
    // stops before the libraries go.
    std::unique_ptr<Geraetesuche> suche;

    const GeraeteEintrag& eintrag(int hardwarenummer) const {
        return Geraeteliste[static_cast<std::size_t>(
            HardwareZuordnung[static_cast<std::size_t>(hardwarenummer)])];
    }
    GeraeteEintrag& eintrag(int hardwarenummer) {
        return Geraeteliste[static_cast<std::size_t>(
            HardwareZuordnung[static_cast<std::size_t>(hardwarenummer)])];
    }
};

} // namespace sw
