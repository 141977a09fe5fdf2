#pragma once
// The sequencer window's menus, buttons, tool texts and questions: language text numbers 1480
// to 1559 with their German (language 0) and English (language 1) wording. Header only and
// free of Qt, so the language file generator can read it. "%1" is filled in by the window.

#include "ui/Beschriftungen.h"

namespace sw::ui::seqtext {

using text::Beschriftung;

// The show menu.
inline constexpr Beschriftung MenueShow{1480, "&Show", "&Show"};
inline constexpr Beschriftung NeueShow{1481, "&Neue Show", "&New show"};
inline constexpr Beschriftung ShowOeffnen{1482, "Show ö&ffnen...", "&Open show..."};
inline constexpr Beschriftung ShowSpeichern{1483, "Show &speichern", "&Save show"};
inline constexpr Beschriftung ShowSpeichernUnter{1484, "Show speichern &unter...",
                                                 "Save show &as..."};
inline constexpr Beschriftung Zuletzt{1485, "&Zuletzt geöffnet", "&Recent files"};
inline constexpr Beschriftung Aufraeumen{1486, "Showordner &bereinigen...",
                                         "&Clean show folder..."};
inline constexpr Beschriftung ShowInfo{1487, "Show-&Informationen...", "Show &information..."};
inline constexpr Beschriftung Playlist{1488, "&Playliste...", "&Playlist..."};
inline constexpr Beschriftung ShowpartErzeugen{1489, "Showpart &erzeugen...",
                                               "&Create showpart..."};
inline constexpr Beschriftung LaserAutomatik{1490, "&Laser-Automatik", "Automatic &laser mode"};
inline constexpr Beschriftung AutomatischZeigen{1491, "Show-Infos &automatisch zeigen",
                                                "Show information &automatically"};
// The edit menu.
inline constexpr Beschriftung MenueBearbeiten{1492, "&Bearbeiten", "&Edit"};
inline constexpr Beschriftung Rueckgaengig{1493, "&Rückgängig", "&Undo"};
inline constexpr Beschriftung Wiederholen{1494, "&Wiederholen", "&Redo"};
inline constexpr Beschriftung Kopieren{1495, "&Kopieren", "&Copy"};
inline constexpr Beschriftung Ausschneiden{1496, "&Ausschneiden", "Cu&t"};
inline constexpr Beschriftung Einfuegen{1497, "&Einfügen", "&Paste"};
inline constexpr Beschriftung Loeschen{1498, "&Löschen", "&Delete"};
inline constexpr Beschriftung Verschieben{1499, "Markierte Events &verschieben...",
                                          "&Move marked events..."};
inline constexpr Beschriftung AbCursorVerschieben{1500, "Events ab &Cursor verschieben...",
                                                  "Move events from the &cursor on..."};
inline constexpr Beschriftung NoteOffEntfernen{1501, "Loslass-Events &entfernen",
                                               "&Remove release events"};
// The grid menu.
inline constexpr Beschriftung MenueRaster{1502, "&Raster", "&Grid"};
inline constexpr Beschriftung RasterErstellen{1503, "Raster &erstellen...", "&Create grid..."};
inline constexpr Beschriftung RasterAn{1504, "Raster &an", "Grid &on"};
// The playback menu.
inline constexpr Beschriftung MenueWiedergabe{1505, "&Wiedergabe", "&Playback"};
inline constexpr Beschriftung AbspielenPause{1506, "&Abspielen / Anhalten", "&Play / stop"};
inline constexpr Beschriftung ZumAnfang{1507, "&Zum Anfang", "Back to &start"};
inline constexpr Beschriftung Aufnahme{1508, "&Aufnahme", "&Record"};
inline constexpr Beschriftung Schleife{1509, "&Schleife", "&Loop"};
inline constexpr Beschriftung StartUm{1510, "Start &um...", "Start &at..."};
inline constexpr Beschriftung Startverzoegerung{1511, "Start&verzögerung...", "Start &delay..."};
inline constexpr Beschriftung VerzoegertStarten{1512, "&Verzögert starten", "Start &delayed"};
inline constexpr Beschriftung Einpassen{1513, "Alles &einpassen", "Zoom to &fit"};
// The video menu.
inline constexpr Beschriftung MenueVideo{1514, "&Video", "&Video"};
inline constexpr Beschriftung VideoZeigen{1515, "Video &zeigen", "&Show video"};
inline constexpr Beschriftung VideoVollbild{1516, "&Vollbild", "&Full screen"};
inline constexpr Beschriftung VideoStrecken{1517, "&Strecken", "&Stretch"};
inline constexpr Beschriftung VideoSeitenverhaeltnis{1518, "Seitenverhältnis &korrigieren",
                                                     "Correct &aspect ratio"};
// Tool texts of the transport bar.
inline constexpr Beschriftung TipAbspielen{1519, "Ab dem Cursor abspielen; Laserausgabe an",
                                           "Play from the cursor; laser output on"};
inline constexpr Beschriftung TipAnhalten{
    1520, "Anhalten und dunkelschalten; der Cursor bleibt an der Stelle",
    "Stop and blank; the cursor stays where playback stopped"};
inline constexpr Beschriftung TipZumAnfang{1521, "Zurück zum Anfang", "Back to the start"};
inline constexpr Beschriftung TipAufnahme{
    1522, "Aufnahme: Live-Tasten kommen ab dem nächsten Start in die Zeitleiste",
    "Record: live keys go into the timeline from the next start on"};
inline constexpr Beschriftung TipSchleife{1523, "Schleife: am Ende wieder von vorn",
                                          "Loop: start again at the end"};
inline constexpr Beschriftung TipSchneller{1524, "Schneller (+0,01); Rechtsklick: Rate 1,00",
                                           "Faster (+0.01); right click: rate 1.00"};
inline constexpr Beschriftung TipLangsamer{1525, "Langsamer (-0,01); Rechtsklick: Rate 1,00",
                                           "Slower (-0.01); right click: rate 1.00"};
inline constexpr Beschriftung TipStartTimer{
    1526, "Vom Anfang nach der Startverzögerung starten; Rechtsklick: Verzögerung einstellen",
    "Start from the beginning after the start delay; right click: set the delay"};
inline constexpr Beschriftung TipGruppe{1527, "Gerätegruppe, deren 19 Zeilen die Zeitleiste zeigt",
                                        "Device group whose 19 rows the timeline shows"};
inline constexpr Beschriftung TipRate{1528, "Wiedergaberate; Rechtsklick: 1,00",
                                      "Playback rate; right click: 1.00"};
// Questions and the status line.
inline constexpr Beschriftung RasterFrage{
    1529, "Rasterabstand in Millisekunden oder Schläge pro Minute (z. B. \"120 bpm\"):",
    "Grid spacing in milliseconds, or beats per minute (e.g. \"120 bpm\"):"};
inline constexpr Beschriftung RasterUngueltig{
    1530, "Kein gültiger Rasterabstand: mindestens 10 ms, höchstens 6000 bpm.",
    "Not a valid grid spacing: at least 10 ms, at most 6000 bpm."};
inline constexpr Beschriftung Gruppe{1531, "Gruppe:", "Group:"};
inline constexpr Beschriftung KeineShow{1532, "(keine Show)", "(no show)"};
inline constexpr Beschriftung StartUmStatus{1533, "Start um %1", "Starting at %1"};
inline constexpr Beschriftung StartInStatus{1534, "Start in %1 s", "Starting in %1 s"};
inline constexpr Beschriftung AufnahmeStatus{1535, "Aufnahme läuft", "Recording"};
inline constexpr Beschriftung KeineZuletzt{1536, "(leer)", "(empty)"};
inline constexpr Beschriftung TipZuletzt{1537, "Zuletzt geöffnete Shows, Playlisten und Live-Shows",
                                         "Recently opened shows, playlists and live shows"};
inline constexpr Beschriftung LogAutomatik{
    1538, "Laser-Automatik: %1 (die Automatik selbst ist nicht eingebaut)",
    "Automatic laser mode: %1 (the automatic mode itself is not built)"};
inline constexpr Beschriftung LogDmxMakro{
    1539, "DMX-Makro gestartet (die DMX-Steuerung ist nicht eingebaut)",
    "DMX macro started (DMX control is not built)"};
inline constexpr Beschriftung TipEinpassen{1540, "Die ganze Show in die Zeitleiste einpassen",
                                           "Fit the whole show into the timeline"};
inline constexpr Beschriftung TipSchneiden{1541, "Markierte Events ausschneiden",
                                           "Cut the marked events"};
inline constexpr Beschriftung TipKopieren{1542, "Markierte Events kopieren",
                                          "Copy the marked events"};
inline constexpr Beschriftung TipEinfuegen{1543, "Einfügen an der Maus (sonst am Cursor)",
                                           "Paste at the mouse (else at the cursor)"};
inline constexpr Beschriftung TipLoeschen{1544, "Markierte Events löschen",
                                          "Delete the marked events"};
inline constexpr Beschriftung TipShowname{1545, "Ordner und Name der Show",
                                          "Folder and name of the show"};
inline constexpr Beschriftung TipPosition{1546, "Stelle der Show und die noch zu spielende Zeit",
                                          "Position in the show and the time still to play"};

inline constexpr const Beschriftung* kAlle[] = {
    &MenueShow,        &NeueShow,           &ShowOeffnen,
    &ShowSpeichern,    &ShowSpeichernUnter, &Zuletzt,
    &Aufraeumen,       &ShowInfo,           &Playlist,
    &ShowpartErzeugen, &LaserAutomatik,     &AutomatischZeigen,
    &MenueBearbeiten,  &Rueckgaengig,       &Wiederholen,
    &Kopieren,         &Ausschneiden,       &Einfuegen,
    &Loeschen,         &Verschieben,        &AbCursorVerschieben,
    &NoteOffEntfernen, &MenueRaster,        &RasterErstellen,
    &RasterAn,         &MenueWiedergabe,    &AbspielenPause,
    &ZumAnfang,        &Aufnahme,           &Schleife,
    &StartUm,          &Startverzoegerung,  &VerzoegertStarten,
    &Einpassen,        &MenueVideo,         &VideoZeigen,
    &VideoVollbild,    &VideoStrecken,      &VideoSeitenverhaeltnis,
    &TipAbspielen,     &TipAnhalten,        &TipZumAnfang,
    &TipAufnahme,      &TipSchleife,        &TipSchneller,
    &TipLangsamer,     &TipStartTimer,      &TipGruppe,
    &TipRate,          &RasterFrage,        &RasterUngueltig,
    &Gruppe,           &KeineShow,          &StartUmStatus,
    &StartInStatus,    &AufnahmeStatus,     &KeineZuletzt,
    &TipZuletzt,       &LogAutomatik,       &LogDmxMakro,
    &TipEinpassen,     &TipSchneiden,       &TipKopieren,
    &TipEinfuegen,     &TipLoeschen,        &TipShowname,
    &TipPosition};

} // namespace sw::ui::seqtext
