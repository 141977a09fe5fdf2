#pragma once
// The show-information window's pages, fields and buttons: language text numbers 1580 to 1629
// with their German (language 0) and English (language 1) wording. A text holds the caption
// and the tool text, split at "|" (`beschriftungTeil`). "%1" is filled in by the window.
// Header only and free of Qt, so the language file generator can read it.

#include "ui/Beschriftungen.h"

namespace sw::ui::showinfotext {

using text::Beschriftung;

// The pages, in their order; the tab's tool text also serves the one field of the last two.
inline constexpr Beschriftung ReiterAllgemein{
    1580, "Allgemein|Name, Programmierer, Art und Länge der Show",
    "General|The show's name, programmer, kind and length"};
inline constexpr Beschriftung ReiterBild{1581, "Bild|Ein Bild der Show",
                                         "Picture|A picture of the show"};
inline constexpr Beschriftung ReiterProjektoren{
    1582, "Projektoren|Welche Projektoren die Show braucht und wo sie stehen",
    "Projectors|Which projectors the show needs and where they stand"};
inline constexpr Beschriftung ReiterAusgabe{
    1583, "Ausgabe-Routing|Welche Seiten der Ausgabekarten die Show nutzt",
    "Output routing|Which sides of the output cards the show uses"};
inline constexpr Beschriftung ReiterDmx{1584, "DMX|Ob und wie die Show DMX verwendet",
                                        "DMX|Whether and how the show uses DMX"};
inline constexpr Beschriftung ReiterSonstiges{1585,
                                              "Sonstiges|Alles Weitere, was zur Show zu wissen ist",
                                              "Other|Anything else worth knowing about the show"};
inline constexpr Beschriftung ReiterText{
    1586, "Infotext|Der freie Text der Show aus \"[INFO].txt\" im Showordner (nur zum Lesen)",
    "Info text|The show's free text from \"[INFO].txt\" in the show folder (read only)"};

inline constexpr Beschriftung Showname{1587, "Showname:|Der Name der Show",
                                       "Show name:|The name of the show"};
inline constexpr Beschriftung Programmierer{1588, "Programmierer:|Wer die Show programmiert hat",
                                            "Programmer:|Who programmed the show"};
inline constexpr Beschriftung Datum{1589, "Datum:|Wann die Show entstanden ist",
                                    "Date:|When the show was made"};
inline constexpr Beschriftung ProgrammVersion{
    1590, "Programmversion:|Die Programmversion, mit der die Show gemacht wurde",
    "Program version:|The program version the show was made with"};
inline constexpr Beschriftung Showtyp{1591, "Showtyp|Welche Art von Show das ist",
                                      "Show type|What kind of show this is"};
inline constexpr Beschriftung ShowtypGrafik{1592, "&Grafikshow|Vor allem Figuren auf einer Fläche",
                                            "&Graphics show|Mostly figures on a screen"};
inline constexpr Beschriftung ShowtypBeam{1593, "&Beamshow|Vor allem Strahlen in den Raum",
                                          "&Beam show|Mostly beams into the room"};
inline constexpr Beschriftung ShowtypGemischt{1594, "Ge&mischt|Grafik und Strahlen",
                                              "&Mixed|Graphics and beams"};
inline constexpr Beschriftung Kartenzahl{1595,
                                         "Ausgabekarten:|Wie viele Ausgabekarten die Show braucht",
                                         "Output cards:|How many output cards the show needs"};
// The list entry for one card, then for %1 cards.
inline constexpr Beschriftung Karten{1596, "1 Ausgabekarte|%1 Ausgabekarten",
                                     "1 output card|%1 output cards"};
inline constexpr Beschriftung Bezeichnung{1597, "Bezeichnung:|Eine Bezeichnung der Show",
                                          "Designation:|A designation of the show"};
inline constexpr Beschriftung Gesamtlaenge{1598, "Gesamtlänge:|Wie lange die Show dauert",
                                           "Total length:|How long the show lasts"};
inline constexpr Beschriftung Interpret{1599, "Interpret:|Wer die Musik spielt",
                                        "Artist:|Who plays the music"};
inline constexpr Beschriftung Titel{1600, "Titel:|Der Titel der Musik",
                                    "Title:|The title of the music"};
inline constexpr Beschriftung WeitereInfos{1601, "Weitere Infos:|Weiteres zur Show",
                                           "Further info:|More about the show"};

inline constexpr Beschriftung BildLaden{
    1602,
    "Bild &laden...|Lädt ein Bild (PNG, JPEG, BMP ...) als Bild der Show; ein großes wird "
    "verkleinert",
    "&Load picture...|Loads a picture (PNG, JPEG, BMP ...) as the show's picture; a large one is "
    "made smaller"};
inline constexpr Beschriftung BildEntfernen{1603, "Bild &entfernen|Die Show hat dann kein Bild",
                                            "&Remove picture|The show then has no picture"};
// What the picture area shows while there is none, and its tool text.
inline constexpr Beschriftung KeinBild{1604,
                                       "Kein Bild|Das Bild der Show, in die Fläche eingepasst",
                                       "No picture|The show's picture, fitted into the area"};
inline constexpr Beschriftung BildFehler{1605, "Das Bild %1 kann nicht gelesen werden.",
                                         "The picture %1 cannot be read."};

inline constexpr Beschriftung Projektor{
    1606,
    "Projektor %1|Die Farben und die Scangeschwindigkeit "
    "von Projektor %1",
    "Projector %1|The colours and the scan speed of projector %1"};
inline constexpr Beschriftung Rot{1607, "Rot|Der Projektor braucht Rot",
                                  "Red|The projector needs red"};
inline constexpr Beschriftung Gruen{1608, "Grün|Der Projektor braucht Grün",
                                    "Green|The projector needs green"};
inline constexpr Beschriftung Blau{1609, "Blau|Der Projektor braucht Blau",
                                   "Blue|The projector needs blue"};
inline constexpr Beschriftung EmpfScanspeed{
    1610, "Empf. Scanspeed:|Die empfohlene Scangeschwindigkeit (z. B. 30K)",
    "Recommended scan speed:|The recommended scan speed (e.g. 30K)"};
inline constexpr Beschriftung ProjektorSetup{1611, "Aufstellung|Wie die Projektoren stehen",
                                             "Set-up|How the projectors stand"};
inline constexpr Beschriftung SetupVorn{1612, "&Vorn|Alle Projektoren vor dem Publikum",
                                        "&Front|All projectors in front of the audience"};
inline constexpr Beschriftung SetupSeitlich{1613, "&Seitlich|Projektoren auch an den Seiten",
                                            "&Sides|Projectors at the sides as well"};
inline constexpr Beschriftung SetupRundum{1614, "&Rundum|Projektoren rund um das Publikum",
                                          "All a&round|Projectors all around the audience"};
inline constexpr Beschriftung Plazierung{1615, "Platzierung:|Wo die Projektoren stehen sollen",
                                         "Placement:|Where the projectors should stand"};

inline constexpr Beschriftung Karte{1616, "Ausgabekarte %1|Die Seiten und Projektoren von Karte %1",
                                    "Output card %1|The sides and projectors of card %1"};
inline constexpr Beschriftung Seite{1617, "Seite %1|Die Show gibt auf Seite %1 dieser Karte aus",
                                    "Side %1|The show outputs on side %1 of this card"};
inline constexpr Beschriftung ProjektorRouting{
    1618, "Projektoren:|Welche Projektoren an dieser Karte hängen",
    "Projectors:|Which projectors this card drives"};
inline constexpr Beschriftung AusgabeRouting{1619, "Hinweise:|Weiteres zum Ausgabe-Routing",
                                             "Notes:|More about the output routing"};

inline constexpr Beschriftung DmxVerwendung{1620, "DMX-Verwendung|Ob und wie die Show DMX nutzt",
                                            "DMX use|Whether and how the show uses DMX"};
inline constexpr Beschriftung DmxKeins{1621, "&Kein DMX|Die Show nutzt kein DMX",
                                       "&No DMX|The show uses no DMX"};
inline constexpr Beschriftung DmxEingang{1622, "DMX-&Eingang|Ein Pult steuert die Show über DMX",
                                         "DMX &input|A desk controls the show through DMX"};
inline constexpr Beschriftung DmxAusgang{1623, "DMX-&Geräte|Die Show steuert DMX-Geräte",
                                         "DMX de&vices|The show drives DMX devices"};
inline constexpr Beschriftung DmxGeraete{1624,
                                         "Verwendete DMX-Geräte:|Welche Geräte mit DMX "
                                         "angeschlossen werden",
                                         "DMX devices used:|Which devices are connected by DMX"};
inline constexpr Beschriftung DmxSonstige{1625, "Sonstige DMX-Infos:|Weiteres zu DMX",
                                          "Other DMX info:|More about DMX"};

inline constexpr Beschriftung Uebernehmen{
    1626, "Ü&bernehmen|Nimmt die Angaben in die Show und bietet an, die Show zu speichern",
    "&Apply|Takes the entries into the show and offers to save the show"};
inline constexpr Beschriftung AlsStandard{
    1627, "Als S&tandard speichern|Speichert die Angaben als Vorlage \"Standard.info\"",
    "Save as &default|Saves the entries as the template \"Standard.info\""};
inline constexpr Beschriftung StandardLaden{
    1628, "Standard l&aden|Füllt das Fenster mit der Vorlage \"Standard.info\"",
    "L&oad default|Fills the window from the template \"Standard.info\""};
inline constexpr Beschriftung Schliessen{1629, "S&chließen|Schließt das Fenster (Esc)",
                                         "&Close|Closes the window (Esc)"};

inline constexpr const Beschriftung* kAlle[] = {&ReiterAllgemein,
                                                &ReiterBild,
                                                &ReiterProjektoren,
                                                &ReiterAusgabe,
                                                &ReiterDmx,
                                                &ReiterSonstiges,
                                                &ReiterText,
                                                &Showname,
                                                &Programmierer,
                                                &Datum,
                                                &ProgrammVersion,
                                                &Showtyp,
                                                &ShowtypGrafik,
                                                &ShowtypBeam,
                                                &ShowtypGemischt,
                                                &Kartenzahl,
                                                &Karten,
                                                &Bezeichnung,
                                                &Gesamtlaenge,
                                                &Interpret,
                                                &Titel,
                                                &WeitereInfos,
                                                &BildLaden,
                                                &BildEntfernen,
                                                &KeinBild,
                                                &BildFehler,
                                                &Projektor,
                                                &Rot,
                                                &Gruen,
                                                &Blau,
                                                &EmpfScanspeed,
                                                &ProjektorSetup,
                                                &SetupVorn,
                                                &SetupSeitlich,
                                                &SetupRundum,
                                                &Plazierung,
                                                &Karte,
                                                &Seite,
                                                &ProjektorRouting,
                                                &AusgabeRouting,
                                                &DmxVerwendung,
                                                &DmxKeins,
                                                &DmxEingang,
                                                &DmxAusgang,
                                                &DmxGeraete,
                                                &DmxSonstige,
                                                &Uebernehmen,
                                                &AlsStandard,
                                                &StandardLaden,
                                                &Schliessen};

inline constexpr const Beschriftung* kReiter[] = {&ReiterAllgemein, &ReiterBild, &ReiterProjektoren,
                                                  &ReiterAusgabe,   &ReiterDmx,  &ReiterSonstiges,
                                                  &ReiterText};

} // namespace sw::ui::showinfotext
