#pragma once
// Numbers of the language texts the control inputs show, with the English wording used while
// the language file has none. Numbers 1730 to 1749 belong to the inputs.

namespace sw::eingangtext {

inline constexpr int KeinMidi = 1730;
inline constexpr const char* KeinMidiText = "No MIDI system on this machine; MIDI input is off.";
inline constexpr int MidiPortWeg = 1731; // followed by the port's name
inline constexpr const char* MidiPortWegText = "The MIDI input port is gone:";
inline constexpr int MidiPortDa = 1732; // followed by the port's name
inline constexpr const char* MidiPortDaText = "MIDI input port opened:";
inline constexpr int OlaNichtErreichbar = 1733; // followed by the port
inline constexpr const char* OlaNichtErreichbarText =
    "The OLA daemon (olad) does not answer; DMX input through OLA waits for it on port";
inline constexpr int OlaNichtGebaut = 1734;
inline constexpr const char* OlaNichtGebautText =
    "This program was built without OLA; DMX input through OLA is not available.";
inline constexpr int DmxEingangFehler = 1735; // followed by the cause
inline constexpr const char* DmxEingangFehlerText = "The DMX input cannot be opened:";
inline constexpr int KeineMidiPorts = 1736;
inline constexpr const char* KeineMidiPortsText = "No MIDI input ports.";

// The German and English wording, which the language file generator takes in.
struct Wortlaut {
    int nummer;
    const char* deutsch;
    const char* englisch;
};
inline constexpr Wortlaut kWortlaute[] = {
    {KeinMidi, "Kein MIDI-System auf diesem Rechner; der MIDI-Eingang ist aus.", KeinMidiText},
    {MidiPortWeg, "Der MIDI-Eingang ist verschwunden:", MidiPortWegText},
    {MidiPortDa, "MIDI-Eingang geöffnet:", MidiPortDaText},
    {OlaNichtErreichbar,
     "Der OLA-Dienst (olad) antwortet nicht; der DMX-Eingang über OLA wartet auf ihn an Port",
     OlaNichtErreichbarText},
    {OlaNichtGebaut,
     "Dieses Programm wurde ohne OLA gebaut; ein DMX-Eingang über OLA ist nicht verfügbar.",
     OlaNichtGebautText},
    {DmxEingangFehler, "Der DMX-Eingang kann nicht geöffnet werden:", DmxEingangFehlerText},
    {KeineMidiPorts, "Keine MIDI-Eingänge.", KeineMidiPortsText},
};

} // namespace sw::eingangtext
