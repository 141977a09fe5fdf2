#pragma once
// The live inputs of the running program: the MIDI input port and the DMX input chosen in the
// settings, opened at start-up into the live state and chosen again from the windows. The
// program owns them; the live state only points at them. Output cycle (window) thread only.
//
// Settings: section "Midi", key "MidiInPort", the port's name ("Not Enabled" when none). The
// DMX input keeps its keys of section "Optionen_4_frmdmx" (see DmxEingangswahl.h).

#include "app/Programm.h"

#include <string>

namespace sw {

inline constexpr const char* kMidiAbschnitt = "Midi";
inline constexpr const char* kMidiPortSchluessel = "MidiInPort";

// After Init_Hardware and geraeteLaden: Art-Net, sACN and OLA join the DMX input list, then the
// stored DMX input and MIDI port are opened. A MIDI system that is missing is reported in the
// log and leaves the port closed.
void eingaengeOeffnen(Programm& p);

// The stored MIDI port's name, kMidiNichtAktiv when none is stored.
std::string midiPortGespeichert(Einstellungen& e);
// Chooses the MIDI port by name (kMidiNichtAktiv: none) and stores the choice; returns whether
// the port is open now.
bool midiPortWaehlen(Programm& p, const std::string& name);

// Chooses the DMX input by its list text (and universe, where the input has one), stores it
// and opens it in place of the one before.
void dmxEingangUmstellen(Programm& p, const std::string& text, int universum);
// Opens the DMX input the settings name, closing the one before.
void dmxEingangNeuOeffnen(Programm& p);

} // namespace sw
