#pragma once
// The captions, tool texts and messages of the live window, the MIDI window with its routing
// editor and the DMX input routing window: language text numbers 1300 to 1399 with their
// German (language 0) and English (language 1) wording. Header only and free of Qt, so the
// language file generator can read it. "%1", "%2" ... are filled in by the windows. A window's
// title is its menu command's caption without "&" and "...".

#include "ui/Beschriftungen.h"

namespace sw::ui::livetext {

using text::Beschriftung;

// The main window's menu.
inline constexpr Beschriftung Menue{1300, "&Live", "&Live"};
inline constexpr Beschriftung MenueLive{1301, "Live-&Fenster...", "Live &window..."};
inline constexpr Beschriftung MenueMidi{1302, "&MIDI-Eingang...", "&MIDI input..."};
inline constexpr Beschriftung MenueMidiZuordnung{1303, "MIDI-Eingangs&zuordnung...",
                                                 "MIDI input &routing..."};
inline constexpr Beschriftung TitelDmx{1304, "DMX-Eingangszuordnung", "DMX input Routing"};
inline constexpr Beschriftung MenueDmx{1305, "&DMX-Eingangszuordnung...", "&DMX input routing..."};

// The live window.
inline constexpr Beschriftung Oeffnen{1306, "Ö&ffnen...", "&Open..."};
inline constexpr Beschriftung OeffnenHilfe{1307, "Eine Live-Show (.live) öffnen",
                                           "Open a live show (.live)"};
inline constexpr Beschriftung Speichern{1308, "&Speichern...", "&Save..."};
inline constexpr Beschriftung SpeichernHilfe{1309, "Die Live-Show als .live-Datei speichern",
                                             "Save the live show as a .live file"};
inline constexpr Beschriftung Neu{1310, "&Neu...", "&New..."};
inline constexpr Beschriftung NeuHilfe{
    1311, "Eine neue Live-Show anlegen: alle Tasten zurück auf ihre Grundwerte",
    "Create a new live show: every key back to its defaults"};
inline constexpr Beschriftung ShownameHilfe{1312, "Klicken, um die Live-Show umzubenennen",
                                            "Click to rename the live show"};
inline constexpr Beschriftung OhneNamen{1313, "(ohne Namen)", "(no name)"};
inline constexpr Beschriftung SeiteHilfe{1314,
                                         "Seite %1 der Tasten (Taste F%1); abhaken für Seite 0",
                                         "Page %1 of the keys (key F%1); untick for page 0"};
inline constexpr Beschriftung TasteOptionen{1315, "Taste %1, Seite %2", "Key %1, page %2"};
inline constexpr Beschriftung Gruppe{1316, "Gruppe %1", "Group %1"};
inline constexpr Beschriftung GruppeHilfe{1317, "Wirkt auf Gerätegruppe %1",
                                          "Acts on device group %1"};
inline constexpr Beschriftung UnbenutzteAus{1318, "Unbenutzte Gruppen aus",
                                            "Switch unused groups off"};
inline constexpr Beschriftung UnbenutzteAusHilfe{
    1319, "Die Taste schaltet die Gruppen ab, auf denen sie nichts zeigt",
    "The key switches off the groups on which it shows nothing"};
inline constexpr Beschriftung Loesen{1320, "Aus beim Loslassen", "Off on release"};
inline constexpr Beschriftung LoesenHilfe{
    1321, "Die Figur der Taste geht aus, wenn die Taste losgelassen wird",
    "The key's figure goes off when the key is released"};
inline constexpr Beschriftung Effekte{1322, "Effekte", "Effects"};
inline constexpr Beschriftung EffektListeHilfe{1323,
                                               "Welchen Effekt Regler %1 für diese Taste stellt",
                                               "Which effect slider %1 sets for this key"};
inline constexpr Beschriftung EffektReglerHilfe{
    1324, "Stellt den Effekt auf jeder Gruppe, auf der die Taste an ist (0 bis 255)",
    "Sets the effect on every group the key is on (0 to 255)"};
inline constexpr Beschriftung IgnoreGroesse{1325, "Größe ignorieren", "Ignore size"};
inline constexpr Beschriftung IgnoreGroesseHilfe{
    1326, "Größe, Zentren, Drehpunkte und Y-Versatz der Regler nicht senden",
    "Do not send size, centres, pivots and Y offset from the sliders"};
inline constexpr Beschriftung DmxMidi{1327, "DMX und MIDI", "DMX and MIDI"};
inline constexpr Beschriftung DmxVon{1328, "DMX von", "DMX from"};
inline constexpr Beschriftung DmxHilfe{
    1329,
    "Die DMX-Werte, die diese Taste auf dieser Seite spielen; \"DMX übernehmen\" speichert sie",
    "The DMX values that play this key on this page; \"Take DMX\" stores them"};
inline constexpr Beschriftung Uebernehmen{1330, "DMX übernehmen", "Take DMX"};
inline constexpr Beschriftung MidiNote{1331, "MIDI-Note", "MIDI note"};
inline constexpr Beschriftung MidiHilfe{
    1332,
    "Die MIDI-Note, die diese Taste auf dieser Seite spielt; \"MIDI übernehmen\" speichert sie",
    "The MIDI note that plays this key on this page; \"Take MIDI\" stores it"};
inline constexpr Beschriftung UebernehmenMidi{1333, "MIDI übernehmen", "Take MIDI"};
inline constexpr Beschriftung AlleAufDmx{1334, "Alle Tasten auf DMX", "All keys to DMX"};
inline constexpr Beschriftung AlleAufDmxHilfe{
    1335, "Die belegten Tasten dieser Seite teilen sich die DMX-Werte 1 bis 255",
    "The assigned keys of this page share the DMX values 1 to 255"};
inline constexpr Beschriftung TasteHilfe{
    1336,
    "Taste %1: %2. Drücken spielt sie, Klicken zeigt ihre Optionen, eine Figur aus der "
    "Figurenliste hierher ziehen belegt sie",
    "Key %1: %2. Pressing plays it, a click shows its options, dragging a figure from the "
    "figure list here assigns it"};
inline constexpr Beschriftung Blackout{1337, "Blackout", "Blackout"};
inline constexpr Beschriftung RasterHilfe{
    1338,
    "Tasten der Tastatur spielen; Leertaste schaltet alle Gruppen ab; F1 bis F12 wählen die "
    "Seite",
    "Keys of the keyboard play; Space switches every group off; F1 to F12 choose the page"};

// The rows of the live window's effect lists and of the input routing (index = row - 1).
inline constexpr Beschriftung Zeilen[] = {
    {1339, "Figur (Taste)", "Figure (key)"},
    {1340, "Größe", "Size"},
    {1341, "Drehung", "Rotation"},
    {1342, "Streckung X", "Stretch X"},
    {1343, "Streckung Y", "Stretch Y"},
    {1344, "Rot", "Red"},
    {1345, "Grün", "Green"},
    {1346, "Blau", "Blue"},
    {1347, "Zentrum X", "Centre X"},
    {1348, "Zentrum Y", "Centre Y"},
    {1349, "Drehpunkt X", "Pivot X"},
    {1350, "Drehpunkt Y", "Pivot Y"},
    {1351, "Versatz X", "Offset X"},
    {1352, "Versatz Y", "Offset Y"},
    {1353, "Framerichtung", "Frame direction"},
    {1354, "Drehung um X", "Rotation about X"},
    {1355, "Drehung um Y", "Rotation about Y"},
    {1356, "Drehung um Z", "Rotation about Z"},
    {1357, "Seite wählen", "Choose page"},
    {1358, "Rot, Grün und Blau", "Red, green and blue"},
};

// The MIDI window.
inline constexpr Beschriftung Port{1359, "Eingang", "Input"};
inline constexpr Beschriftung PortHilfe{
    1360, "Der MIDI-Eingang, von dem das Programm liest; \"Not Enabled\": keiner",
    "The MIDI input port the program reads; \"Not Enabled\": none"};
inline constexpr Beschriftung LiveKanal{1361, "Live-Kanal", "Live channel"};
inline constexpr Beschriftung LiveKanalHilfe{
    1362, "Nachrichten dieses Kanals gehen durch die Zuordnung auf die Gruppen",
    "Messages on this channel go through the routing to the groups"};
inline constexpr Beschriftung TimelineKanal{1363, "Timeline-Kanal", "Timeline channel"};
inline constexpr Beschriftung TimelineKanalHilfe{
    1364, "Noten dieses Kanals spielen wie Tasten auf den scharfen Spuren",
    "Notes on this channel play like keys on the armed tracks"};
inline constexpr Beschriftung LiveAus{1365, "Live-MIDI aus", "Live MIDI off"};
inline constexpr Beschriftung LiveAusHilfe{1366, "Der Live-Kanal wird nicht ausgewertet",
                                           "The live channel is not read"};
inline constexpr Beschriftung NoteOffAlsNoteOn{1367, "Note-Off als Note-On mit Anschlag 0",
                                               "Note off as note on with velocity 0"};
inline constexpr Beschriftung NoteOffAlsNoteOnHilfe{
    1368, "Auf dem Timeline-Kanal zählt ein Note-Off wie ein Note-On mit Anschlag 0",
    "On the timeline channel a note off counts as a note on with velocity 0"};
inline constexpr Beschriftung IgnoreNoteOf{1369, "Note-Off ignorieren", "Ignore note off"};
inline constexpr Beschriftung IgnoreNoteOfHilfe{
    1370, "Loslassen und Note-Off schalten nichts ab: Figuren bleiben bis zur nächsten Taste",
    "Releases and note offs switch nothing off: figures stay until the next key"};
inline constexpr Beschriftung Monitor{1371, "Monitor", "Monitor"};
inline constexpr Beschriftung MonitorHilfe{1372, "Zeigt jede ankommende MIDI-Nachricht",
                                           "Shows every MIDI message that arrives"};
inline constexpr Beschriftung ZuordnungHilfe{
    1373, "Welche Nachricht auf welche Zeile welcher Gruppen wirkt",
    "Which message acts on which row of which groups"};

// The routing editors.
inline constexpr Beschriftung RoutingOeffnenHilfe{1374, "Eine Zuordnungsdatei öffnen",
                                                  "Open a routing file"};
inline constexpr Beschriftung RoutingSpeichernHilfe{1375, "Die Zuordnung in eine Datei speichern",
                                                    "Save the routing to a file"};
inline constexpr Beschriftung Eintraege{1376, "Einträge", "Entries"};
inline constexpr Beschriftung EintraegeHilfe{1377, "Die Zuordnungen; eine wählen, um sie zu ändern",
                                             "The routing entries; choose one to change it"};
inline constexpr Beschriftung Hinzufuegen{1378, "Hinzufügen", "Add"};
inline constexpr Beschriftung HinzufuegenHilfe{1379, "Einen neuen Eintrag anlegen",
                                               "Add a new entry"};
inline constexpr Beschriftung Entfernen{1380, "Entfernen", "Remove"};
inline constexpr Beschriftung EntfernenHilfe{1381, "Den gewählten Eintrag entfernen",
                                             "Remove the chosen entry"};
inline constexpr Beschriftung Typ{1382, "Nachricht", "Message"};
inline constexpr Beschriftung TypHilfe{1383, "Auf welche MIDI-Nachricht der Eintrag reagiert",
                                       "Which MIDI message the entry reacts to"};
inline constexpr Beschriftung Filter{1384, "Filter (0: alle)", "Filter (0: any)"};
inline constexpr Beschriftung FilterHilfe{
    1385, "0 nimmt jede Nachricht des Typs, sonst muss das gewählte Datenbyte diesen Wert haben",
    "0 takes any message of the type, else the chosen data byte must have this value"};
inline constexpr Beschriftung FilterByte{1386, "Filter prüft Datenbyte 2",
                                         "Filter tests data byte 2"};
inline constexpr Beschriftung WertQuelle{1387, "Wert aus Datenbyte 2", "Value from data byte 2"};
inline constexpr Beschriftung WertQuelleHilfe{
    1388, "Sonst kommt der Wert aus Datenbyte 1 (bei Noten die Note)",
    "Else the value comes from data byte 1 (the note, for notes)"};
inline constexpr Beschriftung Zeile{1389, "Zeile", "Row"};
inline constexpr Beschriftung ZeileHilfe{
    1390, "Worauf der Wert wirkt: Taste, ein Effekt, die Seite oder die drei Farben",
    "What the value acts on: a key, an effect, the page or the three colours"};

// The DMX input routing window.
inline constexpr Beschriftung DmxEingang{1391, "DMX-Eingang", "DMX input"};
inline constexpr Beschriftung DmxEingangHilfe{
    1392, "Woher DMX kommt: DMX-Eingang eines DACs, Art-Net, sACN oder OLA",
    "Where DMX comes in: a DAC's DMX input, Art-Net, sACN or OLA"};
inline constexpr Beschriftung Universum{1393, "Universum", "Universe"};
inline constexpr Beschriftung UniversumHilfe{1394,
                                             "Das Universum, das Art-Net, sACN oder OLA empfängt",
                                             "The universe Art-Net, sACN or OLA receives"};
inline constexpr Beschriftung Kanal{1395, "Kanal", "Channel"};
inline constexpr Beschriftung KanalHilfe{1396, "Der DMX-Kanal, dessen Zuordnung gezeigt wird",
                                         "The DMX channel whose routing is shown"};
inline constexpr Beschriftung NichtZugeordnet{1397, "nicht zugeordnet", "not routed"};
inline constexpr Beschriftung Eingehend{1398, "Eingehende Kanäle", "Incoming channels"};
inline constexpr Beschriftung EingehendHilfe{
    1399, "Die 512 Kanäle, wie sie ankommen; zugeordnete umrandet; Klick wählt den Kanal",
    "The 512 channels as they arrive; routed ones framed; a click chooses the channel"};

inline void fuerAlle(const sw::text::Sammler& f) {
    for (const auto* b : {&Menue,
                          &MenueLive,
                          &MenueMidi,
                          &MenueMidiZuordnung,
                          &TitelDmx,
                          &MenueDmx,
                          &Oeffnen,
                          &OeffnenHilfe,
                          &Speichern,
                          &SpeichernHilfe,
                          &Neu,
                          &NeuHilfe,
                          &ShownameHilfe,
                          &OhneNamen,
                          &SeiteHilfe,
                          &TasteOptionen,
                          &Gruppe,
                          &GruppeHilfe,
                          &UnbenutzteAus,
                          &UnbenutzteAusHilfe,
                          &Loesen,
                          &LoesenHilfe,
                          &Effekte,
                          &EffektListeHilfe,
                          &EffektReglerHilfe,
                          &IgnoreGroesse,
                          &IgnoreGroesseHilfe,
                          &DmxMidi,
                          &DmxVon,
                          &DmxHilfe,
                          &Uebernehmen,
                          &MidiNote,
                          &MidiHilfe,
                          &UebernehmenMidi,
                          &AlleAufDmx,
                          &AlleAufDmxHilfe,
                          &TasteHilfe,
                          &Blackout,
                          &RasterHilfe,
                          &Port,
                          &PortHilfe,
                          &LiveKanal,
                          &LiveKanalHilfe,
                          &TimelineKanal,
                          &TimelineKanalHilfe,
                          &LiveAus,
                          &LiveAusHilfe,
                          &NoteOffAlsNoteOn,
                          &NoteOffAlsNoteOnHilfe,
                          &IgnoreNoteOf,
                          &IgnoreNoteOfHilfe,
                          &Monitor,
                          &MonitorHilfe,
                          &ZuordnungHilfe,
                          &RoutingOeffnenHilfe,
                          &RoutingSpeichernHilfe,
                          &Eintraege,
                          &EintraegeHilfe,
                          &Hinzufuegen,
                          &HinzufuegenHilfe,
                          &Entfernen,
                          &EntfernenHilfe,
                          &Typ,
                          &TypHilfe,
                          &Filter,
                          &FilterHilfe,
                          &FilterByte,
                          &WertQuelle,
                          &WertQuelleHilfe,
                          &Zeile,
                          &ZeileHilfe,
                          &DmxEingang,
                          &DmxEingangHilfe,
                          &Universum,
                          &UniversumHilfe,
                          &Kanal,
                          &KanalHilfe,
                          &NichtZugeordnet,
                          &Eingehend,
                          &EingehendHilfe})
        f(*b);
    for (const auto& b : Zeilen) f(b);
}

} // namespace sw::ui::livetext
