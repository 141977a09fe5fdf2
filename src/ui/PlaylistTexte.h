#pragma once
// The playlist window's captions and tool texts: language text numbers 1630 to 1679 with their
// German (language 0) and English (language 1) wording. Header only and free of Qt, so the
// language file generator can read it. "%1", "%2" are filled in by the window.

#include "ui/Beschriftungen.h"

namespace sw::ui::playlisttext {

using text::Beschriftung;

inline constexpr Beschriftung Neu{1630, "&Neu", "&New"};
inline constexpr Beschriftung NeuHilfe{1631, "Eine neue, leere Playliste (Strg+N)",
                                       "A new, empty playlist (Ctrl+N)"};
inline constexpr Beschriftung Laden{1632, "Ö&ffnen...", "&Open..."};
inline constexpr Beschriftung LadenHilfe{1633, "Eine Playliste (.pll) öffnen (Strg+O)",
                                         "Open a playlist (.pll) (Ctrl+O)"};
inline constexpr Beschriftung Speichern{1634, "&Speichern...", "&Save..."};
inline constexpr Beschriftung SpeichernHilfe{1635,
                                             "Die Playliste als .pll-Datei speichern (Strg+S)",
                                             "Save the playlist as a .pll file (Ctrl+S)"};
inline constexpr Beschriftung Add{1636, "Show &hinzufügen...", "&Add show..."};
inline constexpr Beschriftung AddHilfe{
    1637,
    "Eine Show (.shw) mit dem jetzigen Routing und den jetzigen Scanraten anhängen (Einfg); "
    "Shows lassen sich auch aus dem Dateimanager auf die Liste ziehen",
    "Append a show (.shw) with the current routing and scan rates (Ins); shows can also be "
    "dragged onto the list from a file manager"};
inline constexpr Beschriftung Loeschen{1638, "&Entfernen", "&Remove"};
inline constexpr Beschriftung LoeschenHilfe{1639,
                                            "Den gewählten Eintrag aus der Liste nehmen (Entf)",
                                            "Take the selected entry off the list (Del)"};
inline constexpr Beschriftung Hoch{1640, "Nach &oben", "Move &up"};
inline constexpr Beschriftung HochHilfe{
    1641, "Den gewählten Eintrag eine Stelle nach oben (Strg+Pfeil hoch)",
    "Move the selected entry up one place (Ctrl+Up)"};
inline constexpr Beschriftung Runter{1642, "Nach &unten", "Move &down"};
inline constexpr Beschriftung RunterHilfe{
    1643, "Den gewählten Eintrag eine Stelle nach unten (Strg+Pfeil runter)",
    "Move the selected entry down one place (Ctrl+Down)"};
inline constexpr Beschriftung AusOrdner{1644, "Aus Or&dner...", "From &folder..."};
inline constexpr Beschriftung AusOrdnerHilfe{
    1645, "Zeigt die Leiste, mit der alle Shows eines Ordners in die Playliste kommen",
    "Shows the bar that puts every show of a folder into the playlist"};
inline constexpr Beschriftung AlleShows{1646, "Alle Shows &übernehmen", "Add all &shows"};
inline constexpr Beschriftung AlleShowsHilfe{
    1647,
    "Hängt jede .shw-Datei aus den Unterordnern des Ordners und deren Unterordnern an, nach "
    "Namen sortiert; Ordner mit \".zip\" im Namen werden übersprungen",
    "Appends every .shw file in the folder's sub-folders and their sub-folders, in name order; "
    "folders with \".zip\" in their name are skipped"};
inline constexpr Beschriftung Play{1648, "&Abspielen", "&Play"};
inline constexpr Beschriftung PlayHilfe{1649,
                                        "Den gewählten Eintrag abspielen (Enter oder Doppelklick)",
                                        "Play the selected entry (Enter or double-click)"};
inline constexpr Beschriftung Prev{1650, "&Zurück", "P&revious"};
inline constexpr Beschriftung PrevHilfe{1651, "Den vorigen Eintrag abspielen (MIDI-Note d1)",
                                        "Play the previous entry (MIDI note d1)"};
inline constexpr Beschriftung Next{1652, "&Weiter", "&Next"};
inline constexpr Beschriftung NextHilfe{1653, "Den nächsten Eintrag abspielen (MIDI-Note e1)",
                                        "Play the next entry (MIDI note e1)"};
inline constexpr Beschriftung Anhalten{1654, "&Stopp", "S&top"};
inline constexpr Beschriftung AnhaltenHilfe{1655, "Show und Playliste anhalten (Esc, MIDI-Note c1)",
                                            "Stop the show and the playlist (Esc, MIDI note c1)"};
inline constexpr Beschriftung MidiInfo{1656, "&MIDI-Info", "&MIDI info"};
inline constexpr Beschriftung MidiInfoHilfe{
    1657, "Welche Noten auf dem Timeline-MIDI-Kanal die Playliste fernsteuern",
    "Which notes on the timeline MIDI channel remote-control the playlist"};
inline constexpr Beschriftung AutoLoop{1658, "Am Ende von &vorn", "&Loop at the end"};
inline constexpr Beschriftung AutoLoopHilfe{
    1659, "Nach dem letzten Eintrag wieder mit dem ersten beginnen",
    "Start again with the first entry after the last"};
inline constexpr Beschriftung AutoNext{1660, "Nächste Show &automatisch",
                                       "Next show &automatically"};
inline constexpr Beschriftung AutoNextHilfe{1661,
                                            "Wenn eine Show endet, den nächsten Eintrag spielen",
                                            "When a show ends, play the next entry"};
inline constexpr Beschriftung KlickShowstart{1662, "Vor jeder Show &fragen",
                                             "As&k before each show"};
inline constexpr Beschriftung KlickShowstartHilfe{
    1663, "Vor jeder Show mit OK bestätigen; Abbrechen hält die Playliste an",
    "Confirm each show with OK; Cancel stops the playlist"};
inline constexpr Beschriftung OhneMeldungen{1664, "Ohne &Meldungen spielen",
                                            "Play without &messages"};
inline constexpr Beschriftung OhneMeldungenHilfe{
    1665,
    "Meldungen beim Laden einer Show (etwa eine Musikdatei, die sich nicht öffnen lässt) gehen "
    "ins Protokoll statt in ein Fenster, damit die Playliste unbeaufsichtigt weiterläuft",
    "Messages while a show loads (a music file that cannot be opened, say) go to the log instead "
    "of a box, so the playlist runs on unattended"};
inline constexpr Beschriftung ListeHilfe{
    1666,
    "Die Shows der Playliste; die fett gesetzte spielt. Doppelklick oder Enter spielt, Ziehen "
    "ordnet um, .shw-Dateien aus dem Dateimanager hierher ziehen hängt sie an",
    "The playlist's shows; the one in bold plays. Double-click or Enter plays, dragging "
    "reorders, .shw files dragged here from a file manager are appended"};
inline constexpr Beschriftung Routing{1667, "Routing des Eintrags", "Entry's routing"};
inline constexpr Beschriftung Karte{1668, "Karte %1", "Card %1"};
inline constexpr Beschriftung SeiteHilfe{
    1669, "Karte %1 (Hardware %1) gibt Seite %2 aus, wenn dieser Eintrag spielt",
    "Card %1 (hardware %1) outputs side %2 while this entry plays"};
inline constexpr Beschriftung PpsGruppe{1670, "Scanraten des Eintrags (Punkte/s)",
                                        "Entry's scan rates (points/s)"};
inline constexpr Beschriftung PpsHilfe{
    1671, "Punkte pro Sekunde für DAC %1, wenn dieser Eintrag spielt; über 25000 wird gewarnt",
    "Points per second for DAC %1 while this entry plays; above 25000 a warning is shown"};
inline constexpr Beschriftung Optionen{1672, "Optionen", "Options"};
inline constexpr Beschriftung OrdnerLeiste{1673, "Playliste aus Ordner:", "Playlist from folder:"};
inline constexpr Beschriftung OrdnerHilfe{
    1674, "Der Ordner, dessen Unterordner (zwei Ebenen tief) nach Shows durchsucht werden",
    "The folder whose sub-folders (two levels deep) are searched for shows"};
inline constexpr Beschriftung Durchsuchen{1675, "&Durchsuchen...", "&Browse..."};
inline constexpr Beschriftung Hinzugefuegt{1676, "%1 Shows hinzugefügt", "%1 shows added"};
inline constexpr Beschriftung Spielt{1677, "Spielt: %1", "Playing: %1"};
inline constexpr Beschriftung Eintraege{1678, "%1 – Einträge: %2", "%1 – entries: %2"};
inline constexpr Beschriftung Unbenannt{1679, "(unbenannt)", "(untitled)"};

inline constexpr const Beschriftung* kAlle[] = {&Neu,
                                                &NeuHilfe,
                                                &Laden,
                                                &LadenHilfe,
                                                &Speichern,
                                                &SpeichernHilfe,
                                                &Add,
                                                &AddHilfe,
                                                &Loeschen,
                                                &LoeschenHilfe,
                                                &Hoch,
                                                &HochHilfe,
                                                &Runter,
                                                &RunterHilfe,
                                                &AusOrdner,
                                                &AusOrdnerHilfe,
                                                &AlleShows,
                                                &AlleShowsHilfe,
                                                &Play,
                                                &PlayHilfe,
                                                &Prev,
                                                &PrevHilfe,
                                                &Next,
                                                &NextHilfe,
                                                &Anhalten,
                                                &AnhaltenHilfe,
                                                &MidiInfo,
                                                &MidiInfoHilfe,
                                                &AutoLoop,
                                                &AutoLoopHilfe,
                                                &AutoNext,
                                                &AutoNextHilfe,
                                                &KlickShowstart,
                                                &KlickShowstartHilfe,
                                                &OhneMeldungen,
                                                &OhneMeldungenHilfe,
                                                &ListeHilfe,
                                                &Routing,
                                                &Karte,
                                                &SeiteHilfe,
                                                &PpsGruppe,
                                                &PpsHilfe,
                                                &Optionen,
                                                &OrdnerLeiste,
                                                &OrdnerHilfe,
                                                &Durchsuchen,
                                                &Hinzugefuegt,
                                                &Spielt,
                                                &Eintraege,
                                                &Unbenannt};

} // namespace sw::ui::playlisttext
