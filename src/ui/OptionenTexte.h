#pragma once
// The options window's captions and tool texts (language texts 1100 to 1199), German and
// English beside the number. A control's text holds its caption and its tool text in one
// entry, split at the first "|" (`beschriftungTeil`), so that one number serves both and the
// two never drift apart in a translation. Header only and free of Qt: the generator reads it.
// "%1", "%2" are filled in by the window.

#include "ui/Beschriftungen.h"

namespace sw::ui::text::optionen {

inline constexpr Beschriftung Titel{1100, "Optionen", "Options"};
inline constexpr Beschriftung Reiter[6] = {
    {1101, "&Geräte", "&Devices"},
    {1102, "G&eometrie und Zonen", "G&eometry and zones"},
    {1103, "&Optimierung", "&Optimisation"},
    {1104, "&Netzwerk-DACs", "&Network DACs"},
    {1105, "D&MX", "D&MX"},
    {1106, "&Allgemein", "&General"},
};

// The device row at the top and the devices page.
inline constexpr Beschriftung ComboDeviceNr{
    1107,
    "Hardware-Nummer:|Das logische Gerät, dessen Punkte pro Sekunde, Geometrie, Zonen und "
    "Optimierung dieses Fenster zeigt",
    "Hardware no.:|The logical device whose points per second, geometry, zones and optimisation "
    "this window shows"};
inline constexpr Beschriftung Pps{
    1108,
    "Punkte pro Sekunde:|Punkte pro Sekunde des gewählten logischen Geräts (Schritte von "
    "2); über 25000 kommt eine Warnung. Pfeiltasten und Bild auf/ab verstellen",
    "Points per second:|Points per second of the chosen logical device (steps of 2); above "
    "25000 a warning comes. Arrow keys and Page Up/Down change it"};
inline constexpr Beschriftung Zuordnung{1109, "Geräte und Ausgabeseiten",
                                        "Devices and output sides"};
inline constexpr Beschriftung SpalteNummer{1110, "Nr.", "No."};
inline constexpr Beschriftung SpalteGeraet{1111, "Gerät", "Device"};
inline constexpr Beschriftung SpalteSeiten{1112, "Seiten", "Sides"};
inline constexpr Beschriftung LstHardware{
    1113,
    "Das Lasergerät, das Hardware %1 ausgibt. Ein Gerät für zwei Hardware-Nummern wird "
    "nachgefragt",
    "The laser device that hardware %1 outputs to. Choosing one device for two hardware numbers "
    "is asked about"};
inline constexpr Beschriftung SpurZuordnung{1114, "Hardware %1 gibt Seite %2 aus",
                                            "Hardware %1 plays side %2"};
inline constexpr Beschriftung Zustand{1115, "Zustand der Geräte während der Ausgabe",
                                      "State of the devices while they play"};
inline constexpr Beschriftung ZustandHilfe{
    1116,
    "Verbunden, Punkte pro Sekunde, Pufferziel und Pufferfüllung in Millisekunden, "
    "zweimal pro Sekunde neu",
    "Connected, points per second, buffer target and buffer fill in milliseconds, refreshed "
    "twice a second"};

// Geometry.
inline constexpr Beschriftung GruppeGeometrie{1117, "Geometriekorrektur", "Geometry correction"};
inline constexpr Beschriftung SpiegelnX{1118, "X spiegeln|Spiegelt das Bild waagerecht",
                                        "Mirror X|Mirrors the picture horizontally"};
inline constexpr Beschriftung SpiegelnY{1119, "Y spiegeln|Spiegelt das Bild senkrecht",
                                        "Mirror Y|Mirrors the picture vertically"};
inline constexpr Beschriftung SwapXY{1120, "X und Y tauschen|Tauscht X und Y (nach dem Spiegeln)",
                                     "Swap X and Y|Exchanges X and Y (after mirroring)"};
inline constexpr Beschriftung VerschiebenX{
    1121, "Verschiebung X:|Waagerechte Verschiebung, Anteil der halben Bildbreite",
    "Shift X:|Horizontal shift, as a fraction of half the picture width"};
inline constexpr Beschriftung VerschiebenY{
    1122, "Verschiebung Y:|Senkrechte Verschiebung, Anteil der halben Bildhöhe",
    "Shift Y:|Vertical shift, as a fraction of half the picture height"};
inline constexpr Beschriftung Drehung{1123, "Drehung (Grad):|Drehung in der Bildebene",
                                      "Rotation (degrees):|Rotation in the picture plane"};
inline constexpr Beschriftung GlobalGroesseX{
    1124, "Gerätegröße X:|Waagerechter Größenfaktor des Geräts (1 = volle Breite)",
    "Device size X:|Horizontal size factor of the device (1 = full width)"};
inline constexpr Beschriftung GlobalGroesseY{
    1125, "Gerätegröße Y:|Senkrechter Größenfaktor des Geräts (1 = volle Höhe)",
    "Device size Y:|Vertical size factor of the device (1 = full height)"};
inline constexpr Beschriftung ShowGroeseX{
    1126,
    "Showgröße X:|Waagerechter Größenfaktor der Show; was darüber hinausgeht, wird "
    "begrenzt",
    "Show size X:|Horizontal show size factor; what goes beyond the edge is clamped"};
inline constexpr Beschriftung ShowGroeseY{
    1127,
    "Showgröße Y:|Senkrechter Größenfaktor der Show; was darüber hinausgeht, wird "
    "begrenzt",
    "Show size Y:|Vertical show size factor; what goes beyond the edge is clamped"};
inline constexpr Beschriftung TrapezX{1128, "Trapez X (Grad):|Neigung um die senkrechte Achse",
                                      "Keystone X (degrees):|Tilt about the vertical axis"};
inline constexpr Beschriftung TrapezY{1129, "Trapez Y (Grad):|Neigung um die waagerechte Achse",
                                      "Keystone Y (degrees):|Tilt about the horizontal axis"};
inline constexpr Beschriftung DeckenHoehe{
    1130,
    "Deckenhöhe:|Höhe der Decke über der Mitte in Ausgabeeinheiten; der obere Bildteil "
    "wird darunter gestaucht. 32767 schaltet das aus",
    "Ceiling height:|Height of the ceiling above the centre in output units; the upper picture "
    "is squeezed below it. 32767 switches this off"};
inline constexpr Beschriftung TrapezLWAbstand{
    1131,
    "Abstand zur Fläche:|Abstand zur Projektionsfläche; wird gespeichert, ändert die "
    "Ausgabe nicht",
    "Distance to surface:|Distance to the projection surface; stored, does not change the "
    "output"};
inline constexpr Beschriftung Vorschau{
    1132,
    "Testbild, wie das gewählte Gerät es nach der Korrektur zeichnet. Ziehen zeichnet die "
    "Publikumszone, Ziehen in der Zone verschiebt sie",
    "The test picture as the chosen device draws it after the correction. Dragging draws the "
    "audience zone; dragging inside the zone moves it"};

// Audience zone.
inline constexpr Beschriftung GruppeZone{1133, "Publikumszone", "Audience zone"};
inline constexpr Beschriftung ZoneKante[4] = {
    {1134, "Links:|Linke Kante der Zone in Ausgabeeinheiten (Mitte 0)",
     "Left:|Left edge of the zone in output units (centre 0)"},
    {1135, "Rechts:|Rechte Kante der Zone in Ausgabeeinheiten (Mitte 0)",
     "Right:|Right edge of the zone in output units (centre 0)"},
    {1136, "Unten:|Untere Kante der Zone in Ausgabeeinheiten (Mitte 0)",
     "Bottom:|Bottom edge of the zone in output units (centre 0)"},
    {1137, "Oben:|Obere Kante der Zone in Ausgabeeinheiten (Mitte 0)",
     "Top:|Top edge of the zone in output units (centre 0)"},
};
inline constexpr Beschriftung AudienceHelligkeit{
    1138, "Helligkeit in der Zone:|Faktor für Punkte in der Zone: 0 dunkelt sie ganz aus",
    "Brightness in the zone:|Factor for points inside the zone: 0 blanks them"};
inline constexpr Beschriftung BeamHelligkeit{
    1139, "Helligkeit außerhalb:|Faktor für alle Punkte außerhalb der Zone",
    "Brightness outside:|Factor for every point outside the zone"};
inline constexpr Beschriftung ZoneLoeschen{1140, "Zone entfernen|Entfernt die Publikumszone",
                                           "Remove zone|Removes the audience zone"};

// Optimisation.
inline constexpr Beschriftung NewPointColorCount{
    1141, "Wiederholungen neue Farbe:|Zusätzliche Punkte vor einem Farbwechsel",
    "New-colour repeats:|Extra points before a colour change"};
inline constexpr Beschriftung OldPointColorCount{
    1142, "Wiederholungen alte Position:|Punkte in der neuen Farbe an der vorigen Position",
    "Old-position repeats:|Points in the new colour at the previous position"};
inline constexpr Beschriftung AdCornerPoints{1143, "Eckpunkte:|Verweilpunkte an einer Ecke",
                                             "Corner points:|Dwell points at a corner"};
inline constexpr Beschriftung MaxStreckenLaenge{
    1144, "Längster Schritt Linie:|Längster Schritt auf einer Linie in Ausgabeeinheiten",
    "Longest step, line:|Longest step along a line, in output units"};
inline constexpr Beschriftung MaxStreckenLaengeGeblankt{
    1145, "Längster Schritt dunkel:|Längster Schritt zu einem dunklen Punkt",
    "Longest step, blanked:|Longest step towards a dark point"};
inline constexpr Beschriftung MaxSoftColorAbstand{
    1146, "Längster Schritt Farbverlauf:|Längster Schritt zu einem Punkt mit Farbverlauf",
    "Longest step, soft colour:|Longest step towards a soft-colour point"};
inline constexpr Beschriftung MaxTextAbstand{
    1147, "Längster Schritt Text:|Längster Schritt zu einem Textpunkt",
    "Longest step, text:|Longest step towards a text point"};
inline constexpr Beschriftung GoMitte{
    1148, "Über die Mitte|Jeder Frame beginnt und endet in der Mitte",
    "Through the centre|Every frame begins and ends in the centre"};
inline constexpr Beschriftung MinimumFrameStartPunkte{
    1149, "Punkte am Frameanfang:|Zusätzliche Punkte vor dem ersten Punkt eines Frames",
    "Frame lead-in points:|Extra points before a frame's first point"};
inline constexpr Beschriftung MinimumFrammeEndPunkte{
    1150, "Punkte am Frameende:|Zusätzliche Punkte nach dem letzten Punkt eines Frames",
    "Frame lead-out points:|Extra points after a frame's last point"};
inline constexpr Beschriftung NoPointStyle{
    1151, "Füllung leerer Frames:|Was ein Gerät ohne Bild dunkel ausgibt",
    "Filling of empty frames:|What a device without a picture outputs, dark"};
inline constexpr Beschriftung NoPointStile[3] = {
    {1152, "Punkt", "Point"}, {1153, "Linie", "Line"}, {1154, "Kreis", "Circle"}};
inline constexpr Beschriftung NoPointValue[4] = {
    {1155, "Füllung X:|Punkt: X; Linie: X des Anfangs; Kreis: X der Mitte",
     "Filling X:|Point: X; line: X of the start; circle: X of the centre"},
    {1156, "Füllung Y:|Punkt: Y; Linie: Y des Anfangs; Kreis: Y der Mitte",
     "Filling Y:|Point: Y; line: Y of the start; circle: Y of the centre"},
    {1157, "Füllung X2 / Radius:|Linie: X des Endes; Kreis: Radius",
     "Filling X2 / radius:|Line: X of the end; circle: radius"},
    {1158, "Füllung Y2:|Linie: Y des Endes", "Filling Y2:|Line: Y of the end"},
};
inline constexpr Beschriftung SprungDunkelVorher{
    1159, "Dunkle Punkte vor Sprung:|Dunkle Punkte am Anfang eines Sprungs",
    "Dark points before a jump:|Dark points at the start of a jump"};
inline constexpr Beschriftung SprungDunkelNachher{
    1160, "Dunkle Punkte nach Sprung:|Dunkle Punkte am Ende eines Sprungs",
    "Dark points after a jump:|Dark points at the end of a jump"};

// Network DACs.
inline constexpr Beschriftung Suchadresse{
    1161, "Suchadresse:|Adresse, auf der die Gerätesuche lauscht (0.0.0.0: alle)",
    "Search address:|Address the device search listens on (0.0.0.0: every one)"};
inline constexpr Beschriftung EtherDreamBroadcastPort{
    1162, "Ether Dream Broadcast-Port:|UDP-Port der Statusmeldungen",
    "Ether Dream broadcast port:|UDP port of the status broadcasts"};
inline constexpr Beschriftung EtherDreamTcpPort{1163, "Ether Dream TCP-Port:|Port des Datenstroms",
                                                "Ether Dream TCP port:|Port of the stream"};
inline constexpr Beschriftung IdnAdresse{
    1164, "IDN-Adresse:|Ziel der IDN-Suche; leer: alle lokalen Netze",
    "IDN address:|Target of the IDN scan; empty: every local network"};
inline constexpr Beschriftung IdnPort{1165, "IDN-Port:|UDP-Port der IDN-Geräte",
                                      "IDN port:|UDP port of IDN devices"};
inline constexpr Beschriftung IdnWelle{1166,
                                       "IDN-Wellenmodus|Fortlaufender Strom statt einzelner Frames",
                                       "IDN wave mode|Continuous stream instead of frames"};
inline constexpr Beschriftung Geraetesuche{
    1167, "Im Hintergrund suchen|Findet Ether Dream, IDN und Helios auch nach dem Start",
    "Search in the background|Finds Ether Dream, IDN and Helios also after the start"};
inline constexpr Beschriftung Latenz{
    1168, "Pufferlatenz (ms):|Millisekunden, die im Puffer eines DACs liegen (5 bis 500)",
    "Buffer latency (ms):|Milliseconds kept in a DAC's buffer (5 to 500)"};
inline constexpr Beschriftung NetzHinweis{
    1169,
    "Helios-DACs werden über USB gefunden und brauchen keine Einstellung. Die Werte gelten "
    "ab dem nächsten Start.",
    "Helios DACs are found over USB and need no setting. The values take effect at the next "
    "start."};

// DMX.
inline constexpr Beschriftung DmxAusgang{1170, "DMX-Ausgang:|Gerät, das DMX sendet",
                                         "DMX output:|The device that sends DMX"};
inline constexpr Beschriftung DmxEingang{
    1171, "DMX-Eingang:|Woher DMX kommt: ein DAC, Art-Net, sACN oder OLA",
    "DMX input:|Where DMX comes from: a DAC, Art-Net, sACN or OLA"};
inline constexpr Beschriftung DmxUniversum{
    1172, "Universum:|Art-Net-Portadresse, sACN-Universum (1 bis 63999) oder OLA-Universum",
    "Universe:|Art-Net port address, sACN universe (1 to 63999) or OLA universe"};
inline constexpr Beschriftung DmxBindAdresse{
    1173, "Empfangsadresse:|Adresse, auf der Art-Net und sACN empfangen (0.0.0.0: alle)",
    "Receive address:|Address Art-Net and sACN receive on (0.0.0.0: every one)"};
inline constexpr Beschriftung ArtNetPort{1174, "Art-Net-Port:|UDP-Port für Art-Net",
                                         "Art-Net port:|UDP port for Art-Net"};
inline constexpr Beschriftung SacnPort{1175, "sACN-Port:|UDP-Port für sACN",
                                       "sACN port:|UDP port for sACN"};
inline constexpr Beschriftung OlaPort{1176, "OLA-Port:|RPC-Port des OLA-Dienstes",
                                      "OLA port:|RPC port of the OLA service"};

// General.
inline constexpr Beschriftung Sprache{1177, "Sprache:|Sprache aller Fenster",
                                      "Language:|Language of every window"};
inline constexpr Beschriftung WriteUndoFiles{
    1178, "Undo-Dateien schreiben|Speichert vor jeder Änderung eine Undo-Kopie der Figur",
    "Write undo files|Saves an undo copy of the figure before every change"};
inline constexpr Beschriftung Einstellungsdatei{1179, "Einstellungsdatei", "Settings file"};
inline constexpr Beschriftung Export{
    1180, "&Exportieren...|Schreibt alle Optionen in eine Datei (*.Laser_ini)",
    "&Export...|Writes every option into a file (*.Laser_ini)"};
inline constexpr Beschriftung Import{
    1181, "&Importieren...|Liest alle Optionen aus einer Datei (*.Laser_ini)",
    "&Import...|Reads every option from a file (*.Laser_ini)"};
inline constexpr Beschriftung AutoLaden{1182, "Beim Start laden", "Load at start"};
inline constexpr Beschriftung AutoDateien[3] = {
    {1183, "DMX-Zuordnung:|Datei der DMX-Eingangszuordnung, die beim Start geladen wird",
     "DMX routing:|File of the DMX input routing loaded at start"},
    {1184, "MIDI-Zuordnung:|Datei der MIDI-Eingangszuordnung, die beim Start geladen wird",
     "MIDI routing:|File of the MIDI input routing loaded at start"},
    {1185, "Show / Playlist / Live:|Show, Playlist oder Live-Datei, die beim Start geladen wird",
     "Show / playlist / live:|Show, playlist or live file loaded at start"},
};
inline constexpr Beschriftung Waehlen{1186, "...|Datei wählen", "...|Choose a file"};
inline constexpr Beschriftung Fensterpositionen{
    1187, "Fensterpositionen zurücksetzen|Alle Fenster öffnen wieder an ihrer Standardposition",
    "Reset window positions|Every window opens at its default place again"};
inline constexpr Beschriftung FensterpositionenZurueck{
    1188, "Die Fensterpositionen wurden zurückgesetzt.", "The window positions were reset."};
inline constexpr Beschriftung Speichern{1189, "&Speichern|Speichert alle Optionen (Strg+S)",
                                        "&Save|Saves every option (Ctrl+S)"};
inline constexpr Beschriftung Schliessen{1190, "S&chließen|Schließt das Fenster (Esc)",
                                         "&Close|Closes the window (Esc)"};
inline constexpr Beschriftung Gespeichert{1191, "Die Optionen wurden gespeichert.",
                                          "The options were saved."};
inline constexpr Beschriftung Menue{1192, "&Optionen...|Geräte, Geometrie, Netzwerk und mehr",
                                    "&Options...|Devices, geometry, network and more"};
inline constexpr Beschriftung Extras{1193, "E&xtras", "&Tools"};

// Every text above, for the generator.
inline void fuerAlle(const sw::text::Sammler& f) {
    for (const auto* b : {&Titel,
                          &ComboDeviceNr,
                          &Pps,
                          &Zuordnung,
                          &SpalteNummer,
                          &SpalteGeraet,
                          &SpalteSeiten,
                          &LstHardware,
                          &SpurZuordnung,
                          &Zustand,
                          &ZustandHilfe,
                          &GruppeGeometrie,
                          &SpiegelnX,
                          &SpiegelnY,
                          &SwapXY,
                          &VerschiebenX,
                          &VerschiebenY,
                          &Drehung,
                          &GlobalGroesseX,
                          &GlobalGroesseY,
                          &ShowGroeseX,
                          &ShowGroeseY,
                          &TrapezX,
                          &TrapezY,
                          &DeckenHoehe,
                          &TrapezLWAbstand,
                          &Vorschau,
                          &GruppeZone,
                          &AudienceHelligkeit,
                          &BeamHelligkeit,
                          &ZoneLoeschen,
                          &NewPointColorCount,
                          &OldPointColorCount,
                          &AdCornerPoints,
                          &MaxStreckenLaenge,
                          &MaxStreckenLaengeGeblankt,
                          &MaxSoftColorAbstand,
                          &MaxTextAbstand,
                          &GoMitte,
                          &MinimumFrameStartPunkte,
                          &MinimumFrammeEndPunkte,
                          &NoPointStyle,
                          &SprungDunkelVorher,
                          &SprungDunkelNachher,
                          &Suchadresse,
                          &EtherDreamBroadcastPort,
                          &EtherDreamTcpPort,
                          &IdnAdresse,
                          &IdnPort,
                          &IdnWelle,
                          &Geraetesuche,
                          &Latenz,
                          &NetzHinweis,
                          &DmxAusgang,
                          &DmxEingang,
                          &DmxUniversum,
                          &DmxBindAdresse,
                          &ArtNetPort,
                          &SacnPort,
                          &OlaPort,
                          &Sprache,
                          &WriteUndoFiles,
                          &Einstellungsdatei,
                          &Export,
                          &Import,
                          &AutoLaden,
                          &Waehlen,
                          &Fensterpositionen,
                          &FensterpositionenZurueck,
                          &Speichern,
                          &Schliessen,
                          &Gespeichert,
                          &Menue,
                          &Extras})
        f(*b);
    for (const auto& b : Reiter) f(b);
    for (const auto& b : ZoneKante) f(b);
    for (const auto& b : NoPointStile) f(b);
    for (const auto& b : NoPointValue) f(b);
    for (const auto& b : AutoDateien) f(b);
}

} // namespace sw::ui::text::optionen
