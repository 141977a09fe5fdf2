#pragma once
// Captions, tool texts and messages of the effects window and the colour-correction window
// (language texts 1200 to 1299): German (language 0) and English (language 1) wording beside the
// number. Header only and free of Qt, so that the generator can read it. "%1", "%2" ... are filled
// in by the window.

#include "ui/Beschriftungen.h"

namespace sw::ui::effekttext {

using text::Beschriftung;

inline constexpr Beschriftung MenueAusgabe{1200, "A&usgabe", "&Output"};
inline constexpr Beschriftung MenueEffekte{1201, "&Effekte...", "&Effects..."};
inline constexpr Beschriftung MenueEffekteHilfe{
    1202, "Tempo, Ziele und Grenzen der Effekte je Spur einstellen",
    "Set the effects' speeds, targets and limits per track"};
inline constexpr Beschriftung EffekteTitel{1203, "Effekte", "Effects"};
inline constexpr Beschriftung Spur{1204, "&Spur:", "&Track:"};
inline constexpr Beschriftung SpurHilfe{
    1205, "Die Spur, deren Effektzeilen die Regler schreiben; „Alle Spuren“ schreibt jede",
    "The track whose effect rows the controls write; \"All tracks\" writes every one"};
inline constexpr Beschriftung AlleSpuren{1206, "Alle Spuren", "All tracks"};
inline constexpr Beschriftung SpurN{1207, "Spur %1 (Seite %2)", "Track %1 (side %2)"};
inline constexpr Beschriftung Effekt{1208, "Effekt", "Effect"};
inline constexpr Beschriftung Einheit{1209, "Einheit", "Unit"};
inline constexpr Beschriftung Startwert{1210, "Wert", "Value"};
inline constexpr Beschriftung Absolut{1211, "Absolut", "Absolute"};
inline constexpr Beschriftung Gleiten{1212, "Gleiten", "Glide"};
inline constexpr Beschriftung TempoZiel{1213, "Tempo / Ziel", "Speed / target"};
inline constexpr Beschriftung Prallen{1214, "Prallen", "Bounce"};
inline constexpr Beschriftung Min{1215, "Min", "Min"};
inline constexpr Beschriftung Max{1216, "Max", "Max"};
inline constexpr Beschriftung Kopieren{1217, "Kopieren", "Copy"};
inline constexpr Beschriftung StartwertHilfe{
    1218,
    "Der Wert des Effekts in der gezeigten Einheit (Pfeiltasten: kleine Schritte, Bild auf/ab: "
    "große)",
    "The effect's value in the unit shown (arrow keys: small steps, Page Up/Down: large ones)"};
inline constexpr Beschriftung AbsolutHilfe{
    1219,
    "An: der Regler setzt den Wert jeder gewählten Spur. Aus: er verschiebt ihn um die Änderung, "
    "laufende Effekte behalten ihre Lage",
    "On: the slider sets the value of every chosen track. Off: it moves the value by the change, "
    "running effects keep their phase"};
inline constexpr Beschriftung GleitenHilfe{
    1220,
    "An: der Wert gleitet sanft zum Ziel. Aus: er läuft fortwährend mit dem Tempo zwischen den "
    "Grenzen",
    "On: the value glides smoothly to the target. Off: it runs on at the speed between the limits"};
inline constexpr Beschriftung TempoZielHilfe{1221,
                                             "Tempo (fortlaufend) oder Ziel (gleitend); daneben je "
                                             "Sekunde oder als Ziel in der Einheit der Zeile",
                                             "Speed (continuous) or target (gliding); beside it "
                                             "per second or as the target in the row's unit"};
inline constexpr Beschriftung PrallenHilfe{
    1222, "An: an einer Grenze kehrt die Richtung um. Aus: der Wert springt zur anderen Grenze",
    "On: the direction turns at a limit. Off: the value jumps to the other limit"};
inline constexpr Beschriftung MinHilfe{
    1223, "Untere Grenze des fortlaufenden Effekts, in der Einheit der Zeile",
    "Lower limit of the continuous effect, in the row's unit"};
inline constexpr Beschriftung MaxHilfe{
    1224, "Obere Grenze des fortlaufenden Effekts, in der Einheit der Zeile",
    "Upper limit of the continuous effect, in the row's unit"};
inline constexpr Beschriftung KopierenHilfe{
    1225, "Diese Zeile gehört zu den Zeilen, die „Kopieren“ überträgt",
    "This row is one of those \"Copy\" transfers"};
inline constexpr Beschriftung Groesse{1226, "Größe", "Size"};
inline constexpr Beschriftung Drehung{1227, "Drehung in der Bildebene",
                                      "Rotation in the picture plane"};
inline constexpr Beschriftung DehnungX{1228, "Dehnung X", "Stretch X"};
inline constexpr Beschriftung DehnungY{1229, "Dehnung Y", "Stretch Y"};
inline constexpr Beschriftung Rot{1230, "Rot", "Red"};
inline constexpr Beschriftung Gruen{1231, "Grün", "Green"};
inline constexpr Beschriftung Blau{1232, "Blau", "Blue"};
inline constexpr Beschriftung DehnZentrumX{1233, "Dehnungszentrum X", "Stretch centre X"};
inline constexpr Beschriftung DehnZentrumY{1234, "Dehnungszentrum Y", "Stretch centre Y"};
inline constexpr Beschriftung DrehZentrumX{1235, "Drehzentrum X", "Rotation centre X"};
inline constexpr Beschriftung DrehZentrumY{1236, "Drehzentrum Y", "Rotation centre Y"};
inline constexpr Beschriftung VersatzX{1237, "Verschiebung X", "Offset X"};
inline constexpr Beschriftung VersatzY{1238, "Verschiebung Y", "Offset Y"};
inline constexpr Beschriftung KeinEffekt{1239, "(kein Effekt)", "(not an effect)"};
inline constexpr Beschriftung DrehungX{1240, "Drehung um die X-Achse", "Rotation about the X axis"};
inline constexpr Beschriftung DrehungY{1241, "Drehung um die Y-Achse", "Rotation about the Y axis"};
inline constexpr Beschriftung DrehungZ{1242, "Drehung um die Z-Achse", "Rotation about the Z axis"};
inline constexpr Beschriftung EinheitGroesse{1243, "% der Figurgröße", "% of the figure's size"};
inline constexpr Beschriftung EinheitGrad{1244, "Grad", "degrees"};
inline constexpr Beschriftung EinheitDehnung{1245, "% (-100: gespiegelt)", "% (-100: mirrored)"};
inline constexpr Beschriftung EinheitPegel{1246, "% Helligkeit", "% brightness"};
inline constexpr Beschriftung EinheitBild{1247, "% des halben Bildes", "% of half the picture"};
inline constexpr Beschriftung FigurGruppe{1248, "Figur im Editor", "Figure in the editor"};
inline constexpr Beschriftung Begrenzung{1249, "Am &Rand halten", "&Keep at the edge"};
inline constexpr Beschriftung BegrenzungHilfe{
    1250, "An: Punkte, die den Ausgabebereich verlassen, bleiben am Rand. Aus: sie werden dunkel",
    "On: points that leave the output range stay on its edge. Off: they go dark"};
inline constexpr Beschriftung Echtzeit{1251, "&Echtzeit-Optimierung", "&Real-time optimisation"};
inline constexpr Beschriftung EchtzeitHilfe{
    1252, "Ecken und Farbwechsel der Figur beim Abspielen mit Zusatzpunkten ausgeben",
    "Give the figure's corners and colour changes extra points while it plays"};
inline constexpr Beschriftung SoftColor{1253, "&Weiche Farben", "&Soft colour"};
inline constexpr Beschriftung SoftColorHilfe{
    1254, "Farbwechsel der Figur weich ausgeben (kürzere Schritte, keine Farbwechselpunkte)",
    "Output the figure's colour changes softly (shorter steps, no colour-change points)"};
inline constexpr Beschriftung Perspektive{1255, "&Perspektive:", "&Perspective:"};
inline constexpr Beschriftung PerspektiveHilfe{
    1256,
    "Betrachtungsabstand der Figur in Tausend Einheiten; kleiner heißt stärkere Perspektive. Gilt "
    "für die gewählte Spur sofort, sonst ab dem nächsten Start der Figur",
    "The figure's viewing distance in thousands of units; smaller means stronger perspective. "
    "Applies to the chosen track at once, otherwise from the figure's next start"};
inline constexpr Beschriftung Haelfte{1257, "Dunkle &Hälfte:", "Dark &half:"};
inline constexpr Beschriftung HaelfteHilfe{1258,
                                           "Welche Hälfte des Bildes die Figur nicht zeichnet",
                                           "Which half of the picture the figure leaves dark"};
inline constexpr Beschriftung HaelfteKeine{1259, "keine", "none"};
inline constexpr Beschriftung HaelfteOben{1260, "obere", "top"};
inline constexpr Beschriftung HaelfteUnten{1261, "untere", "bottom"};
inline constexpr Beschriftung HaelfteLinks{1262, "linke", "left"};
inline constexpr Beschriftung HaelfteRechts{1263, "rechte", "right"};
inline constexpr Beschriftung KopierGruppe{1264, "Effektzeilen kopieren", "Copy effect rows"};
inline constexpr Beschriftung VonSpur{1265, "&Von Spur:", "&From track:"};
inline constexpr Beschriftung AufSpuren{1266, "Auf Spuren:", "To tracks:"};
inline constexpr Beschriftung KopierenKnopf{1267, "&Kopieren", "&Copy"};
inline constexpr Beschriftung KopierenKnopfHilfe{
    1268,
    "Die angekreuzten Zeilen der Quellspur (Wert, Tempo oder Ziel, Modus, Grenzen) auf die "
    "angekreuzten Spuren kopieren",
    "Copy the ticked rows of the source track (value, speed or target, mode, limits) onto the "
    "ticked tracks"};
inline constexpr Beschriftung ZielHilfe{1269, "Diese Spur empfängt die kopierten Zeilen",
                                        "This track receives the copied rows"};
inline constexpr Beschriftung MenueFarbkorrektur{1270, "&Farbkorrektur...",
                                                 "&Colour correction..."};
inline constexpr Beschriftung MenueFarbkorrekturHilfe{
    1271, "Kurven, TTL-Kanäle und automatische Korrektur der Farben je Gerät",
    "Curves, TTL channels and automatic correction of the colours per device"};
inline constexpr Beschriftung FarbTitel{1272, "Farbkorrektur", "Colour correction"};
inline constexpr Beschriftung Geraet{1273, "&Gerät:", "&Device:"};
inline constexpr Beschriftung GeraetHilfe{
    1274, "Das logische Gerät (Hardware-Nr.), dessen Farben die Regler einstellen",
    "The logical device (hardware no.) whose colours the controls set"};
inline constexpr Beschriftung Minimum{1275, "Minimum (Eingang 0)", "Minimum (input 0)"};
inline constexpr Beschriftung MinimumHilfe{1276, "Ausgabewert des Kanals für den Farbwert 0",
                                           "The channel's output value for colour value 0"};
inline constexpr Beschriftung Maximum{1277, "Maximum (Eingang 255)", "Maximum (input 255)"};
inline constexpr Beschriftung MaximumHilfe{1278, "Ausgabewert des Kanals für den Farbwert 255",
                                           "The channel's output value for colour value 255"};
inline constexpr Beschriftung MitteBei{1279, "Mitte bei Eingang", "Mid position (input)"};
inline constexpr Beschriftung MitteBeiHilfe{1280,
                                            "Eingangswert des mittleren Kurvenpunkts (1 bis 254)",
                                            "Input value of the curve's middle point (1 to 254)"};
inline constexpr Beschriftung MitteWert{1281, "Ausgabe in der Mitte", "Mid value (output)"};
inline constexpr Beschriftung MitteWertHilfe{
    1282, "Ausgabewert am mittleren Kurvenpunkt; formt die Kurve zwischen Minimum und Maximum",
    "Output value at the curve's middle point; shapes the curve between minimum and maximum"};
inline constexpr Beschriftung TTL{1283, "TTL (an/aus)", "TTL (on/off)"};
inline constexpr Beschriftung TTLHilfe{
    1284, "Der Kanal schaltet nur: Eingang 0 ist aus, jeder andere voll an",
    "The channel only switches: input 0 is off, every other input fully on"};
inline constexpr Beschriftung KanalAn{1285, "Kanal vorhanden", "Channel present"};
inline constexpr Beschriftung KanalAnHilfe{
    1286, "Links: das Gerät hat diese Farbe nicht, ihr Anteil wird auf die anderen Kanäle verteilt",
    "Left: the device lacks this colour, its share goes to the other channels"};
inline constexpr Beschriftung KurvenHilfe{
    1287,
    "Ausgabe (senkrecht) über dem Farbwert (waagerecht) je Kanal; Punkte: Minimum, Mitte, Maximum",
    "Output (up) over colour value (across) per channel; dots: minimum, mid point, maximum"};
inline constexpr Beschriftung AutoGruppe{1288, "Automatische Korrektur", "Automatic correction"};
inline constexpr Beschriftung AutoStart{1289, "Messung &starten", "&Start measuring"};
inline constexpr Beschriftung AutoHilfe{
    1290,
    "Das Gerät zeigt beim Abspielen Messringe in einer Farbe. Pegel mit + und - (oder dem Regler) "
    "hochstufen und markieren, wo die Ringe gerade sichtbar werden, halb so hell wie voll aussehen "
    "und nicht mehr heller werden",
    "While output runs, the device shows measuring rings in one colour. Raise the level with + and "
    "- (or the slider) and mark where the rings just become visible, look half as bright as at "
    "full, and get no brighter"};
inline constexpr Beschriftung AutoStand{1291, "%1: Pegel %2 — sichtbar %3, halb %4, voll %5",
                                        "%1: level %2 — visible %3, half %4, full %5"};
inline constexpr Beschriftung Sichtbar{1292, "S&ichtbar", "&Visible"};
inline constexpr Beschriftung Halb{1293, "&Halb hell", "&Half bright"};
inline constexpr Beschriftung Voll{1294, "V&oll hell", "F&ull"};
inline constexpr Beschriftung Weiter{1295, "Nächster &Kanal", "Next &channel"};
inline constexpr Beschriftung Uebernehmen{1296, "&Übernehmen", "&Apply"};
inline constexpr Beschriftung Abbrechen{1297, "A&bbrechen", "Ca&ncel"};
inline constexpr Beschriftung KanalAus{1298, "aus", "off"};
inline constexpr Beschriftung KanalEin{1299, "an", "on"};

// Every text above, for the generator.
inline constexpr const Beschriftung* kAlle[] = {&MenueAusgabe,
                                                &MenueEffekte,
                                                &MenueEffekteHilfe,
                                                &EffekteTitel,
                                                &Spur,
                                                &SpurHilfe,
                                                &AlleSpuren,
                                                &SpurN,
                                                &Effekt,
                                                &Einheit,
                                                &Startwert,
                                                &Absolut,
                                                &Gleiten,
                                                &TempoZiel,
                                                &Prallen,
                                                &Min,
                                                &Max,
                                                &Kopieren,
                                                &StartwertHilfe,
                                                &AbsolutHilfe,
                                                &GleitenHilfe,
                                                &TempoZielHilfe,
                                                &PrallenHilfe,
                                                &MinHilfe,
                                                &MaxHilfe,
                                                &KopierenHilfe,
                                                &Groesse,
                                                &Drehung,
                                                &DehnungX,
                                                &DehnungY,
                                                &Rot,
                                                &Gruen,
                                                &Blau,
                                                &DehnZentrumX,
                                                &DehnZentrumY,
                                                &DrehZentrumX,
                                                &DrehZentrumY,
                                                &VersatzX,
                                                &VersatzY,
                                                &KeinEffekt,
                                                &DrehungX,
                                                &DrehungY,
                                                &DrehungZ,
                                                &EinheitGroesse,
                                                &EinheitGrad,
                                                &EinheitDehnung,
                                                &EinheitPegel,
                                                &EinheitBild,
                                                &FigurGruppe,
                                                &Begrenzung,
                                                &BegrenzungHilfe,
                                                &Echtzeit,
                                                &EchtzeitHilfe,
                                                &SoftColor,
                                                &SoftColorHilfe,
                                                &Perspektive,
                                                &PerspektiveHilfe,
                                                &Haelfte,
                                                &HaelfteHilfe,
                                                &HaelfteKeine,
                                                &HaelfteOben,
                                                &HaelfteUnten,
                                                &HaelfteLinks,
                                                &HaelfteRechts,
                                                &KopierGruppe,
                                                &VonSpur,
                                                &AufSpuren,
                                                &KopierenKnopf,
                                                &KopierenKnopfHilfe,
                                                &ZielHilfe,
                                                &MenueFarbkorrektur,
                                                &MenueFarbkorrekturHilfe,
                                                &FarbTitel,
                                                &Geraet,
                                                &GeraetHilfe,
                                                &Minimum,
                                                &MinimumHilfe,
                                                &Maximum,
                                                &MaximumHilfe,
                                                &MitteBei,
                                                &MitteBeiHilfe,
                                                &MitteWert,
                                                &MitteWertHilfe,
                                                &TTL,
                                                &TTLHilfe,
                                                &KanalAn,
                                                &KanalAnHilfe,
                                                &KurvenHilfe,
                                                &AutoGruppe,
                                                &AutoStart,
                                                &AutoHilfe,
                                                &AutoStand,
                                                &Sichtbar,
                                                &Halb,
                                                &Voll,
                                                &Weiter,
                                                &Uebernehmen,
                                                &Abbrechen,
                                                &KanalAus,
                                                &KanalEin};

} // namespace sw::ui::effekttext
