#pragma once
// The main window's captions, tool texts and status messages: language text numbers with their
// German (language 0) and English (language 1) wording. The window looks each up in the
// language table and falls back to the English here while the language file lacks it; the
// generator writes both wordings into "Language.txt". Header only and free of Qt, so the
// generator can read it. "%1", "%2" ... are filled in by the window.

#include "platform/Beschriftung.h"

namespace sw::ui::text {

using Beschriftung = sw::text::Beschriftung;

// Menus and their commands.
inline constexpr Beschriftung Datei{1800, "&Datei", "&File"};
inline constexpr Beschriftung Neu{1801, "&Neue Figur", "&New figure"};
inline constexpr Beschriftung OrdnerOeffnen{1802, "&Ordner öffnen...", "Open &folder..."};
inline constexpr Beschriftung OrdnerNeuLaden{1803, "Ordner neu &laden", "&Reload folder"};
inline constexpr Beschriftung Speichern{1804, "&Speichern", "&Save"};
inline constexpr Beschriftung SpeichernUnter{1805, "Speichern &unter...", "Save &as..."};
inline constexpr Beschriftung IldaImport{1806, "ILDA &importieren...", "&Import ILDA..."};
inline constexpr Beschriftung IldaExport{1807, "ILDA &exportieren...", "&Export ILDA..."};
inline constexpr Beschriftung Beenden{1808, "&Beenden", "&Quit"};
inline constexpr Beschriftung Bearbeiten{1809, "&Bearbeiten", "&Edit"};
inline constexpr Beschriftung Rueckgaengig{1810, "&Rückgängig", "&Undo"};
inline constexpr Beschriftung Wiederholen{1811, "&Wiederholen", "&Redo"};
inline constexpr Beschriftung Ansicht{1812, "&Ansicht", "&View"};
inline constexpr Beschriftung Einpassen{1813, "Alles &einpassen", "Zoom to &fit"};
inline constexpr Beschriftung Zoom100{1814, "&100 %", "&100 %"};
inline constexpr Beschriftung Groesser{1815, "Ver&größern", "Zoom &in"};
inline constexpr Beschriftung Kleiner{1816, "Ver&kleinern", "Zoom &out"};
inline constexpr Beschriftung Geraete{1817, "&Geräte", "&Devices"};
inline constexpr Beschriftung Sprache{1818, "&Sprache", "&Language"};
inline constexpr Beschriftung Design{1819, "&Design", "&Theme"};
inline constexpr Beschriftung Frames{1820, "F&rames", "F&rames"};
inline constexpr Beschriftung ErsterFrame{1821, "&Erster Frame", "&First frame"};
inline constexpr Beschriftung LetzterFrame{1822, "&Letzter Frame", "&Last frame"};
inline constexpr Beschriftung FramesKopieren{1823, "Markierte Frames &kopieren",
                                             "&Copy marked frames"};
inline constexpr Beschriftung FramesEinfuegen{1824, "Frames &einfügen", "&Paste frames"};
inline constexpr Beschriftung FramesAddieren{1825, "Frames &dazuaddieren",
                                             "&Add frames onto these"};
inline constexpr Beschriftung FramesLoeschen{1826, "Markierte Frames &löschen",
                                             "&Delete marked frames"};
inline constexpr Beschriftung FrameEinfuegen{1827, "&Neuer Frame", "&Insert frame"};
inline constexpr Beschriftung JedenZweiten{1828, "Jeden &zweiten Frame verwerfen",
                                           "Drop every &second frame"};
inline constexpr Beschriftung Morph{1829, "Markierte Frames &morphen...",
                                    "&Morph marked frames..."};
inline constexpr Beschriftung AutoMorph{1830, "A&utomorph", "A&uto morph"};
inline constexpr Beschriftung FramesDazwischen{1831, "Frames dazwischen:", "Frames in between:"};
inline constexpr Beschriftung Palette{1832, "&Palette", "&Palette"};
inline constexpr Beschriftung PaletteLaden{1833, "Palette &laden...", "&Load palette..."};
inline constexpr Beschriftung PaletteSpeichern{1834, "Palette &speichern...", "&Save palette..."};
inline constexpr Beschriftung PaletteNeu{1835, "&Neue Palette", "&New palette"};
inline constexpr Beschriftung IldaFarbtabelle{1836, "&ILDA-Farbtabelle", "&ILDA colour table"};
inline constexpr Beschriftung AlteFarbtabelle{1837, "&Alte Tabelle mit 255 Farben",
                                              "&Old 255-colour table"};
inline constexpr Beschriftung Hilfe{1838, "&Hilfe", "&Help"};
inline constexpr Beschriftung Tastenkuerzel{1839, "&Tastenkürzel", "&Keyboard shortcuts"};
inline constexpr Beschriftung Anleitung{1840, "&Anleitung", "User &guide"};
inline constexpr Beschriftung Ueber{1841, "Ü&ber Strahlwerk", "&About Strahlwerk"};

// The drawing tools: name, then what the tool does (for its tool text).
inline constexpr Beschriftung WerkzeugNamen[12] = {
    {1842, "Hand", "Hand"},         {1843, "Punkt", "Point"},
    {1844, "Linie", "Line"},        {1845, "Polylinie", "Polyline"},
    {1846, "Polygon", "Polygon"},   {1847, "Rechteck", "Rectangle"},
    {1848, "Ellipse", "Ellipse"},   {1849, "Freihand", "Freehand"},
    {1850, "Radierer", "Eraser"},   {1851, "Pipette", "Pipette"},
    {1852, "Auswahl", "Select"},    {1853, "Zoom", "Zoom"},
};
inline constexpr Beschriftung WerkzeugHilfen[12] = {
    {1854, "Bild verschieben: ziehen", "Move the view: drag"},
    {1855, "Einen Punkt setzen: klicken", "Put a point: click"},
    {1856, "Linie: Anfang und Ende klicken", "Line: click the start and the end"},
    {1857, "Polylinie: Ecken klicken, Doppelklick oder Enter beendet",
     "Polyline: click the corners; double-click or Enter finishes"},
    {1858, "Polygon: Ecken klicken, Doppelklick oder Enter schließt es",
     "Polygon: click the corners; double-click or Enter closes it"},
    {1859, "Rechteck: zwei Ecken ziehen", "Rectangle: drag from corner to corner"},
    {1860, "Ellipse: das umgebende Rechteck ziehen", "Ellipse: drag its bounding box"},
    {1861, "Freihand: mit gedrückter Taste zeichnen", "Freehand: draw with the button held"},
    {1862, "Radierer: Punkte unter dem Zeiger löschen", "Eraser: removes the points it passes"},
    {1863, "Pipette: die Farbe eines Punkts übernehmen", "Pipette: takes a point's colour"},
    {1864, "Auswahl: Rechteck ziehen; markierte Punkte ziehen, R dreht, + und - skalieren",
     "Select: drag a rectangle; drag marked points to move them, R turns, + and - scale"},
    {1865, "Zoom: Klick vergrößert, Rechtsklick verkleinert",
     "Zoom: click zooms in, right-click zooms out"},
};

// Controls beside the canvas.
inline constexpr Beschriftung Raster{1866, "Raster", "Grid"};
inline constexpr Beschriftung RasterHilfe{
    1867, "Neue Punkte auf ein Raster dieses Abstands legen; die Zeichenfläche zeigt es",
    "Snap new points to a grid of this spacing; the canvas shows it"};
inline constexpr Beschriftung Markiert{1868, "Markierte Frames", "Marked frames"};
inline constexpr Beschriftung MarkiertHilfe{
    1869, "Erster und letzter Frame, auf die Kopieren, Löschen und Morphen wirken",
    "First and last frame that copy, delete and morph work on"};
inline constexpr Beschriftung FrameZaehler{1870, "Frame %1 / %2, %3 Punkte",
                                           "Frame %1 / %2, %3 points"};
inline constexpr Beschriftung KeineFigur{1871, "keine Figur", "no figure"};
inline constexpr Beschriftung Achsen[3] = {
    {1872, "Rot", "Red"}, {1873, "Grün", "Green"}, {1874, "Blau", "Blue"}};
inline constexpr Beschriftung AchsenHilfe{
    1875, "Die Grundfarbe, die der Regler darunter einstellt; die Palette zeigt die beiden anderen",
    "The primary the slider below sets; the palette shows the other two"};
inline constexpr Beschriftung Framerate{1876, "Framerate", "Frame rate"};
inline constexpr Beschriftung EinheitHilfe{
    1877,
    "Klicken wechselt die Einheit: Frames pro Sekunde, Millisekunden pro Frame, Schläge pro Minute",
    "Click to switch the unit: frames per second, milliseconds per frame, beats per minute"};
inline constexpr Beschriftung Laufrichtungen[3] = {
    {1878, "Vorwärts", "Forward"}, {1879, "Rückwärts", "Backward"}, {1880, "Pingpong", "Ping-pong"}};
inline constexpr Beschriftung Wiederholung{1881, "Wiederholen", "Repeat"};
inline constexpr Beschriftung WiederholungHilfe{
    1882, "Die Frames immer wieder abspielen; aus spielt sie einmal",
    "Play the frames again and again; off plays them once"};
inline constexpr Beschriftung IldaPalettenFarben{1883, "ILDA-Export mit Palettenfarben",
                                                 "ILDA export with palette colours"};
inline constexpr Beschriftung IldaPalettenFarbenHilfe{
    1884, "Frames im Format 1 bekommen die nächste Farbe der alten 255-Farben-Tabelle statt Weiß",
    "Format 1 frames take the nearest colour of the old 255-colour table instead of white"};
inline constexpr Beschriftung Abspielen{1885, "Abspielen", "Play"};
inline constexpr Beschriftung AbspielenHilfe{
    1886, "Die Figur auf allen eingerichteten Lasern abspielen und in der Vorschau zeigen",
    "Play the figure on every set-up laser and show it in the preview"};
inline constexpr Beschriftung Simulation{1887, "Simulation", "Simulation"};
inline constexpr Beschriftung SimulationHilfe{
    1888, "Nur in der Vorschau zeigen, ohne Laser ein virtuelles Gerät",
    "Show the output in the preview; without a laser on a virtual device"};

// Status bar and title.
inline constexpr Beschriftung OrdnerFiguren{1889, "%1: %2 Figuren", "%1: %2 figures"};
inline constexpr Beschriftung Gespeichert{1890, "%1 gespeichert", "saved %1"};
inline constexpr Beschriftung GespeichertOhneName{1891, "gespeichert", "saved"};
inline constexpr Beschriftung FramesImportiert{1892, "%1 Frames importiert", "imported %1 frames"};
inline constexpr Beschriftung FrameImportiert{1893, "1 Frame importiert", "imported 1 frame"};
inline constexpr Beschriftung Ungespeichert{1894, "%1 ungespeichert", "%1 unsaved"};
inline constexpr Beschriftung Zeichenfarbe{1895, "Farbe %1", "Colour %1"};
inline constexpr Beschriftung ZeichenfarbeHilfe{
    1896, "Zeichenfarbe: Index %1, Rot %2, Grün %3, Blau %4",
    "Drawing colour: index %1, red %2, green %3, blue %4"};
inline constexpr Beschriftung Geraetestoerung{1897, "Gerät %1 (%2): Störung",
                                              "Device %1 (%2): fault"};
inline constexpr Beschriftung GeraetWiederDa{1898, "Gerät %1 (%2) läuft wieder",
                                             "Device %1 (%2) runs again"};
inline constexpr Beschriftung Punktinfo{1899, "Punkt %1 (%2, %3): Farbe %4",
                                        "point %1 (%2, %3): colour %4"};

// The laser toolbar and the device panel.
inline constexpr Beschriftung Laser{1941, "Laser", "Laser"};
inline constexpr Beschriftung LaserHilfe{
    1942, "Laserfreigabe: die Laser bekommen nur helle Punkte, solange sie an ist",
    "Laser enable: the lasers get lit points only while this is on"};
inline constexpr Beschriftung Blackout{1943, "Blackout", "Blackout"};
inline constexpr Beschriftung BlackoutHilfe{
    1944, "Blackout: alle Laser ab dem nächsten Ausgabezyklus dunkel; erneuter Klick beendet ihn",
    "Blackout: every laser dark from the next output cycle; click again to end it"};
inline constexpr Beschriftung HelligkeitHilfe{
    1945, "Gesamthelligkeit aller Laser, nach der Farbkorrektur",
    "Master brightness of every laser, after the colour correction"};
inline constexpr Beschriftung TafelSpalten[6] = {
    {1946, "Gerät", "Device"},       {1947, "Name", "Name"},
    {1948, "Zustand", "State"},      {1949, "Punkte/s", "Points/s"},
    {1968, "Ziel ms", "Target ms"},  {1969, "Füllung ms", "Fill ms"}};
inline constexpr Beschriftung Verbunden{1950, "verbunden", "connected"};
inline constexpr Beschriftung NichtGefunden{1951, "nicht gefunden", "not found"};
inline constexpr Beschriftung Stoerung{1952, "Störung", "fault"};

// Point marks in the status bar.
inline constexpr Beschriftung Marken[4] = {
    {1953, "Ecke", "corner"}, {1954, "Farbwechsel", "colour change"},
    {1955, "Sprung", "jump"}, {1956, "Text", "text"}};

// Keys of the canvas, for the list of shortcuts.
inline constexpr Beschriftung Tasten[8] = {
    {1957, "Voriger / nächster Frame", "Previous / next frame"},
    {1958, "Markierte Punkte drehen (Umschalt: andersherum)",
     "Turn the marked points (Shift: the other way)"},
    {1959, "Markierte Punkte vergrößern / verkleinern", "Scale the marked points up / down"},
    {1960, "Markierte Punkte löschen", "Remove the marked points"},
    {1961, "Polylinie oder Polygon beenden", "Finish a polyline or polygon"},
    {1962, "Blackout aller Laser", "Blackout of every laser"},
    {1963, "Zoomen um den Mauszeiger", "Zoom about the mouse"},
    {1964, "Bild verschieben", "Move the view"}};
inline constexpr Beschriftung Mausrad{1965, "Mausrad", "Wheel"};
inline constexpr Beschriftung MittlereTaste{1966, "Mittlere Maustaste ziehen",
                                            "Drag with the middle button"};

// Every caption above, for the generator.
inline constexpr const Beschriftung* kEinzeln[] = {
    &Datei, &Neu, &OrdnerOeffnen, &OrdnerNeuLaden, &Speichern, &SpeichernUnter, &IldaImport,
    &IldaExport, &Beenden, &Bearbeiten, &Rueckgaengig, &Wiederholen, &Ansicht, &Einpassen,
    &Zoom100, &Groesser, &Kleiner, &Geraete, &Sprache, &Design, &Frames, &ErsterFrame,
    &LetzterFrame, &FramesKopieren, &FramesEinfuegen, &FramesAddieren, &FramesLoeschen,
    &FrameEinfuegen, &JedenZweiten, &Morph, &AutoMorph, &FramesDazwischen, &Palette,
    &PaletteLaden, &PaletteSpeichern, &PaletteNeu, &IldaFarbtabelle, &AlteFarbtabelle, &Hilfe,
    &Tastenkuerzel, &Anleitung, &Ueber, &Raster, &RasterHilfe, &Markiert, &MarkiertHilfe,
    &FrameZaehler, &KeineFigur, &AchsenHilfe, &Framerate, &EinheitHilfe, &Wiederholung,
    &WiederholungHilfe, &IldaPalettenFarben, &IldaPalettenFarbenHilfe, &Abspielen,
    &AbspielenHilfe, &Simulation, &SimulationHilfe, &OrdnerFiguren, &Gespeichert,
    &GespeichertOhneName, &FramesImportiert, &FrameImportiert, &Ungespeichert, &Zeichenfarbe,
    &ZeichenfarbeHilfe, &Geraetestoerung, &GeraetWiederDa, &Punktinfo, &Laser, &LaserHilfe,
    &Blackout, &BlackoutHilfe, &HelligkeitHilfe, &Verbunden, &NichtGefunden, &Stoerung,
    &Mausrad, &MittlereTaste};

inline void fuerAlle(const sw::text::Sammler& f) {
    for (const auto* b : kEinzeln) f(*b);
    for (const auto& b : WerkzeugNamen) f(b);
    for (const auto& b : WerkzeugHilfen) f(b);
    for (const auto& b : Achsen) f(b);
    for (const auto& b : Laufrichtungen) f(b);
    for (const auto& b : TafelSpalten) f(b);
    for (const auto& b : Marken) f(b);
    for (const auto& b : Tasten) f(b);
}

} // namespace sw::ui::text
