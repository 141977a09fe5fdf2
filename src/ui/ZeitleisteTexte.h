#pragma once
// The timeline view's captions, tool texts and labels: language text numbers 1440 to 1479 with
// their German (language 0) and English (language 1) wording. Header only and free of Qt, so
// the language file generator can read it. "%1", "%2" ... are filled in by the view.

#include "ui/Beschriftungen.h"

namespace sw::ui::zeitleistentext {

using text::Beschriftung;

// The context menu.
inline constexpr Beschriftung Kopieren{1440, "&Kopieren", "&Copy"};
inline constexpr Beschriftung Ausschneiden{1441, "&Ausschneiden", "Cu&t"};
inline constexpr Beschriftung Einfuegen{1442, "&Einfügen", "&Paste"};
inline constexpr Beschriftung Loeschen{1443, "&Löschen", "&Delete"};
inline constexpr Beschriftung KopierenHilfe{1444, "Kopiert die markierten Events",
                                            "Copies the marked events"};
inline constexpr Beschriftung AusschneidenHilfe{
    1445, "Kopiert die markierten Events und entfernt sie aus der Zeitleiste",
    "Copies the marked events and removes them from the timeline"};
inline constexpr Beschriftung EinfuegenHilfe{
    1446, "Fügt die kopierten Events bei der Zeit und Zeile unter der Maus ein",
    "Pastes the copied events at the time and row under the mouse"};
inline constexpr Beschriftung LoeschenHilfe{1447, "Entfernt die markierten Events",
                                            "Removes the marked events"};
inline constexpr Beschriftung Einpassen{1448, "Ganze Show &zeigen", "Zoom to &fit"};
inline constexpr Beschriftung EinpassenHilfe{1449, "Zeigt die ganze Show in der Zeitleiste",
                                             "Shows the whole show in the timeline"};

// Tool texts of the parts of the view.
inline constexpr Beschriftung SpurenHilfe{
    1450,
    "Figuren aus der Figurenliste hierher ziehen. Klick auf ein Event markiert und zeigt es, "
    "Strg+Klick nimmt es zu den Markierten oder heraus, Ziehen auf leerer Fläche markiert "
    "mehrere, Ziehen markierter Events verschiebt sie. Strg+Mausrad zoomt, Mausrad und "
    "Umschalt+Mausrad blättern. Rechtsklick: Kopieren (Strg+C), Ausschneiden (Strg+X), "
    "Einfügen (Strg+V), Löschen (Entf).",
    "Drag figures from the figure list here. A click on an event marks and previews it, "
    "Ctrl+click adds it to the marks or takes it out, dragging on empty space marks several, "
    "dragging marked events moves them. Ctrl+wheel zooms, wheel and Shift+wheel scroll. Right "
    "click: copy (Ctrl+C), cut (Ctrl+X), paste (Ctrl+V), delete (Del)."};
inline constexpr Beschriftung ZeitHilfe{
    1451, "Zeitleiste: Klicken oder Ziehen setzt den Cursor. Strg+Mausrad zoomt um die Maus.",
    "Time bar: click or drag to set the cursor. Ctrl+wheel zooms about the mouse."};
inline constexpr Beschriftung ZeileHilfe{1452, "Zeile %1 der Gerätegruppe %2",
                                         "Row %1 of device group %2"};
inline constexpr Beschriftung EffektzeileHilfe{1453, "Zeile 19 der Gerätegruppe %1: Effektwerte",
                                               "Row 19 of device group %1: effect values"};
inline constexpr Beschriftung BalkenHilfe{1454, "Zeitleiste blättern (Mausrad, Umschalt+Mausrad)",
                                          "Scrolls the timeline (wheel, Shift+wheel)"};
inline constexpr Beschriftung EventHilfe{1455, "%1 · Zeile %2, %3 bis %4 · %5, Taste %6, Wert %7",
                                         "%1 · Row %2, %3 to %4 · %5, key %6, value %7"};

// What an event shows.
inline constexpr Beschriftung Effektzeile{1456, "Fx", "Fx"};
inline constexpr Beschriftung Blackout{1457, "Blackout", "Blackout"};
inline constexpr Beschriftung TasteLeer{1458, "Taste %1 (leer)", "Key %1 (empty)"};
inline constexpr Beschriftung ArtGedrueckt{1459, "Taste gedrückt", "Key pressed"};
inline constexpr Beschriftung ArtLosgelassen{1460, "Losgelassen", "Released"};
inline constexpr Beschriftung ArtEffekt{1461, "Effektwert", "Effect value"};
inline constexpr Beschriftung EffektWert{1462, "Effekt %1 = %2", "Effect %1 = %2"};
inline constexpr Beschriftung ArtAndere{1463, "Art %1", "Kind %1"};

// While dragging: where moved events or a dropped figure would land.
inline constexpr Beschriftung VerschiebenNach{1464, "Nach %1 (um %2)", "To %1 (by %2)"};
inline constexpr Beschriftung AblegenBei{1465, "Zeile %1 bei %2", "Row %1 at %2"};

inline constexpr const Beschriftung* kAlle[] = {
    &Kopieren,          &Ausschneiden,   &Einfuegen,     &Loeschen,         &KopierenHilfe,
    &AusschneidenHilfe, &EinfuegenHilfe, &LoeschenHilfe, &Einpassen,        &EinpassenHilfe,
    &SpurenHilfe,       &ZeitHilfe,      &ZeileHilfe,    &EffektzeileHilfe, &BalkenHilfe,
    &EventHilfe,        &Effektzeile,    &Blackout,      &TasteLeer,        &ArtGedrueckt,
    &ArtLosgelassen,    &ArtEffekt,      &EffektWert,    &ArtAndere,        &VerschiebenNach,
    &AblegenBei};

} // namespace sw::ui::zeitleistentext
