#pragma once
// The device manager: detection at start-up with the selection lists, the assignment of a
// listed device to a logical device, points per second with the warning above 25000, the DMX
// device choice, and the devices stored in the settings.

#include "app/Einstellungen.h"
#include "devices/Geraete.h"
#include "output/Ausgabe.h"
#include "platform/Umgebung.h"

namespace sw {

// What the operator chose in a Retry/Cancel error box: Cancel ends the program.
enum class Fortsetzung { Weiter, ProgrammBeenden };

Fortsetzung Init_Hardware(Geraete& g, Umgebung& env);
// The network kinds' discovery address, ports and buffer latency, read before detection.
void netzeinstellungenLesen(Geraete& g, Einstellungen& e);
// Assigns the item chosen in lstHardware(DeviceNr) (its list index is lstHardwareIndex).
Fortsetzung Hardware_Change(Geraete& g, Umgebung& env, int DeviceNr);
// Chooses list item `index` for logical device n, as clicking it in the options window does.
Fortsetzung geraetWaehlen(Geraete& g, Umgebung& env, int n, int index);
void scrPPS_Change(Geraete& g, Umgebung& env, Einstellungen& e, int wert);
// Index 0 chooses the DMX output device, 1 the DMX input device, by list text.
void comboDMXPort_Click(Geraete& g, Umgebung& env, Einstellungen& e, int Index,
                        const std::string& text);

// The list index of the entry with that display name, or -1.
int geraetNachName(const Geraete& g, const std::string& anzeigename);

// Restores "Device.DeviceName_n", "PPS(n)" and the DMX devices from the settings; a stored
// device that is not connected is reported and its logical device stays on "No Device".
Fortsetzung geraeteLaden(Geraete& g, Umgebung& env, Einstellungen& e);
void geraeteSpeichern(const Geraete& g, Einstellungen& e);

// A simulation with no device assigned plays on a "Virtual Device" put on logical device 0 and
// side 0; after Stop it is taken off again and what was there before comes back.
struct Simulationsgeraet {
    bool eingesetzt = false;
    int vorherIndex = 0;
    bool vorherZuordnung = false;
};
// Puts the device there when no logical device has a kind; true when it did.
bool simulationsgeraetEinsetzen(Simulationsgeraet& s, Geraete& g, Umgebung& env, AusgabeZustand& a);
void simulationsgeraetEntfernen(Simulationsgeraet& s, Geraete& g, Umgebung& env, AusgabeZustand& a);

} // namespace sw
