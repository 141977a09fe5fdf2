#pragma once
// The language texts the control inputs show (numbers 1730 to 1749), German and English.

#include "platform/Beschriftung.h"

namespace sw::eingangtext {

using text::Beschriftung;

inline constexpr Beschriftung KeinMidi{
    1730, "Kein MIDI-System auf diesem Rechner; der MIDI-Eingang ist aus.",
    "No MIDI system on this machine; MIDI input is off."};
// followed by the port's name
inline constexpr Beschriftung MidiPortWeg{
    1731, "Der MIDI-Eingang ist verschwunden:", "The MIDI input port is gone:"};
// followed by the port's name
inline constexpr Beschriftung MidiPortDa{1732, "MIDI-Eingang geöffnet:", "MIDI input port opened:"};
// followed by the port
inline constexpr Beschriftung OlaNichtErreichbar{
    1733, "Der OLA-Dienst (olad) antwortet nicht; der DMX-Eingang über OLA wartet auf ihn an Port",
    "The OLA daemon (olad) does not answer; DMX input through OLA waits for it on port"};
inline constexpr Beschriftung OlaNichtGebaut{
    1734, "Dieses Programm wurde ohne OLA gebaut; ein DMX-Eingang über OLA ist nicht verfügbar.",
    "This program was built without OLA; DMX input through OLA is not available."};
// followed by the cause
inline constexpr Beschriftung DmxEingangFehler{
    1735, "Der DMX-Eingang kann nicht geöffnet werden:", "The DMX input cannot be opened:"};
inline constexpr Beschriftung KeineMidiPorts{1736, "Keine MIDI-Eingänge.", "No MIDI input ports."};

inline constexpr const Beschriftung* kAlle[] = {
    &KeinMidi,       &MidiPortWeg,      &MidiPortDa,    &OlaNichtErreichbar,
    &OlaNichtGebaut, &DmxEingangFehler, &KeineMidiPorts};

} // namespace sw::eingangtext
