#pragma once
// The device manager: detection at start-up with the selection lists, the assignment of a
// listed device to a logical device, points per second with the warning above 25000, the DMX
// device choice, and the devices stored in the settings.

#include "einstellungen/Einstellungen.h"
#include "devices/Geraete.h"
#include "output/Ausgabe.h"
#include "platform/Umgebung.h"

#include <functional>
#include <string>
#include <vector>

namespace sw {

// What the operator chose in a Retry/Cancel error box: Cancel ends the program.
enum class Fortsetzung { Weiter, ProgrammBeenden };

Fortsetzung Init_Hardware(Geraete& g, Umgebung& env);
// The network kinds' discovery address, ports and buffer latency, read before detection.
void netzeinstellungenLesen(Geraete& g, Einstellungen& e);
// Writes them back (section "Netzwerk"); they take effect at the next detection.
void netzeinstellungenSchreiben(const Geraete& g, Einstellungen& e);
// Assigns the item chosen in lstHardware(DeviceNr) (its list index is lstHardwareIndex).
Fortsetzung Hardware_Change(Geraete& g, Umgebung& env, int DeviceNr);
// Chooses list item `index` for logical device n, as clicking it in the options window does.
Fortsetzung geraetWaehlen(Geraete& g, Umgebung& env, int n, int index);
void scrPPS_Change(Geraete& g, Umgebung& env, Einstellungen& e, int wert);
// Index 0 chooses the DMX output device, 1 the DMX input device, by list text.
void comboDMXPort_Click(Geraete& g, Umgebung& env, Einstellungen& e, int Index,
                        const std::string& text);

// Takes what the background search reported since the last call (owner's thread only): a new
// device is appended to the list and the selection lists and put on every logical device that
// awaits its identity and has no other device; a known one takes its new address and counts as
// ready again; one that went silent is written to the log once, marked not ready and passed
// to `beiVerschwinden`. Returns the logical devices that got a device, whose kinds the output
// must take (`Dacausgabe::typenUebertragen`).
std::vector<int> geraeteAbgleichen(Geraete& g, Umgebung& env);
// How long a listing of the devices listens by default (milliseconds): longer than the
// once-a-second status broadcast of an Ether Dream, so that every DAC on the network is heard.
inline constexpr int kGeraeteWarten = 1200;
// Takes the search's reports until it has been listening `millisekunden` of real time, or
// earlier once `fertig` holds; for the command line, which has no event loop.
void geraeteAbwarten(Geraete& g, Umgebung& env, int millisekunden,
                     const std::function<bool()>& fertig = {});
// Stops the background search (program end).
void geraetesucheBeenden(Geraete& g);

// Rebuilds ComboDeviceNr from the assignments.
void comboDeviceNrBauen(Geraete& g);
// Whether an identity belongs to an open kind (Ether Dream, IDN, Helios), which the background
// search may still find.
bool offeneArt(const std::string& kennung);

// The list index of the entry with that display name, or -1.
int geraetNachName(const Geraete& g, const std::string& anzeigename);

// Restores "Device.DeviceName_n", "PPS(n)" and the DMX devices from the settings; a stored
// device that is not connected is reported and its logical device stays on "No Device", but a
// DAC of an open kind is awaited there while the background search runs.
Fortsetzung geraeteLaden(Geraete& g, Umgebung& env, Einstellungen& e);
void geraeteSpeichern(const Geraete& g, Einstellungen& e);

// A simulation with no device assigned plays on a "Virtual Device" put on logical device 0 and
// side 0; after Stop it is taken off again and what was there before comes back.
struct Simulationsgeraet {
    bool eingesetzt = false;
    int vorherIndex = 0;
    bool vorherZuordnung = false;
    std::string vorherErwartet; // a DAC awaited on logical device 0 stays awaited
};
// Puts the device there when no logical device has a kind; true when it did.
bool simulationsgeraetEinsetzen(Simulationsgeraet& s, Geraete& g, Umgebung& env, AusgabeZustand& a);
void simulationsgeraetEntfernen(Simulationsgeraet& s, Geraete& g, Umgebung& env, AusgabeZustand& a);

} // namespace sw
