#include "generators/Sprachtabelle.h"

#include "live/eingang/EingangTexte.h"
#include "generators/TextTexte.h"
#include "medien/MedienTexte.h"
#include "platform/Text.h"
#include "ui/Beschriftungen.h"
#include "ui/SimulationTexte.h"
#include "ui/EffektTexte.h"
#include "ui/OptionenTexte.h"
#include "ui/LiveBeschriftungen.h"
#include "ui/ShowTexte.h"
#include "ui/VideoTexte.h"
#include "ui/PlaylistTexte.h"
#include "ui/ZeitleisteTexte.h"
#include "ui/ShowInfoTexte.h"
#include "ui/SequenzerTexte.h"

namespace sw::gen {

namespace {

// Every header of texts, once each; a new header is one more line here.
constexpr text::Textliste kTextlisten[] = {
    &ui::text::fuerAlle,
    &text::jede<eingangtext::kAlle>,
    &text::jede<gen::texte::kAlle>,
    &text::jede<ui::text::sim::kAlle>,
    &text::jede<ui::effekttext::kAlle>,
    &ui::text::optionen::fuerAlle,
    &ui::livetext::fuerAlle,
    &text::jede<medientext::kAlle>,
    &text::jede<ui::showtext::kAlle>,
    &text::jede<ui::videotext::kAlle>,
    &text::jede<ui::playlisttext::kAlle>,
    &text::jede<ui::zeitleistentext::kAlle>,
    &text::jede<ui::showinfotext::kAlle>,
    &text::jede<ui::seqtext::kAlle>,
};

std::vector<Sprachtext> alleTexte() {
    std::vector<Sprachtext> texte = {
        {42, "Figur speichern", "Save figure"},
        {62, "Stop", "Stop"},
        {88, "Das ist keine ILDA-Datei (die Kennung \"ILDA\" fehlt).",
         "This is not an ILDA file (the signature \"ILDA\" is missing)."},
        {89, "Die Datei enthält mehr Frames, als ihre Köpfe ankündigen. Weiterlesen?",
         "The file holds more frames than its headers announce. Go on reading?"},
        {90, "Bei weiteren Frames wieder fragen?", "Ask again for further frames?"},
        {91, "Die Datei enthält 3-D-Punkte. X und Y durch Z teilen (Perspektive)?",
         "The file holds 3-D points. Divide X and Y by Z (perspective)?"},
        {92, "Der erste Eintrag der Palette wird nicht übernommen; Farbe 0 bleibt schwarz.",
         "The palette's first entry is not taken; colour 0 stays black."},
        {184, "Die Verzögerung muss mindestens 250 ms betragen.",
         "The delay must be at least 250 ms."},
        {187, "Diese Figur liegt auf keiner Taste.", "No key shows this figure."},
        {189, "Startverzögerung in Millisekunden:", "Start delay in milliseconds:"},
        {193, "Show öffnen", "Open show"},
        {258, "Name der Show:", "Name of the show:"},
        {303, "Diese Taste kann nicht belegt werden.", "This key cannot be assigned."},
        {304, "Die Mediendatei kann nicht geöffnet werden.", "The media file cannot be opened."},
        {306, "Rate", "Rate"},
        {443, "Startzeit", "Start time"},
        {444, "Start um", "Start at"},
        {577, "Die Datei hat einen falschen Kopf.", "The file has a wrong header."},
        {580, "Die Taste ist schon belegt. Ersetzen?", "The key is assigned already. Replace it?"},
        {584, "Verschieben um Millisekunden:", "Move by milliseconds:"},
        {585, "Startzeit (hh:mm:ss):", "Start time (hh:mm:ss):"},
        {593, "Der Lumax-Treiber ist zu alt; seine API-Version ist ",
         "The Lumax driver is too old; its API version is "},
        {594, "Lumax-Treiber gefunden:", "Lumax driver found:"},
        {745, "Art der ILDA-Datei:", "Kind of ILDA file:"},
        {746, "1 = Echtfarbtabellen und indizierte Frames",
         "1 = true-colour tables and indexed frames"},
        {747, "2 = wie 1, nach einer Palette", "2 = as 1, after a palette"},
        {748, "3 = indizierte Frames", "3 = indexed frames"},
        {749, "4 = indizierte Frames nach einer Palette", "4 = indexed frames after a palette"},
        {750, "5 = Echtfarb-Frames (empfohlen)", "5 = true-colour frames (recommended)"},
        {792,
         "Mehr als 25000 Punkte pro Sekunde können die Scanner vieler Laser beschädigen. Diese "
         "Warnung wieder zeigen?",
         "More than 25000 points per second can damage the scanners of many lasers. Show this "
         "warning again?"},
        {796,
         "Mehr als 25000 Punkte pro Sekunde können die Scanner vieler Laser beschädigen. Diese "
         "Warnung wieder zeigen?",
         "More than 25000 points per second can damage the scanners of many lasers. Show this "
         "warning again?"},
        {813,
         "Dateinamen dürfen keine Umlaute (ä, ö, ü, ß) enthalten. Bitte einen anderen Namen "
         "wählen.",
         "File names may not contain umlauts (ä, ö, ü, ß). Please choose another name."},
        {818, "Das Programm wurde beim letzten Mal nicht normal beendet.",
         "The program did not end normally the last time."},
        {819, "Die Undo-Dateien wurden nach \\xxx\\ gerettet.",
         "The undo files were rescued to \\xxx\\."},
        {915, "Das Lasergerät", "The laser device"},
        {1002, "Namen dürfen keine Umlaute (ä, ö, ü, ß) enthalten.",
         "Names may not contain umlauts (ä, ö, ü, ß)."},
        {1038, "für die Hardware-Nummer", "stored for hardware no."},
        {1039, "ist nicht angeschlossen.", "is not connected."},
        {1096, "Aus den Ereignissen einen Showpart erzeugen?",
         "Create a showpart from the events?"},
        {1430,
         "Die Playlist \\xxx\\ passt nicht zu ihrer Version; die Playlist im Speicher bleibt.",
         "The playlist \\xxx\\ does not fit its version; the playlist in memory was kept."},
        {1431,
         "\\xxx\\ ist keine Playlist einer bekannten Version; die Playlist im Speicher bleibt.",
         "\\xxx\\ is not a playlist of a known version; the playlist in memory was kept."},
        {1700,
         "Die Tastenzuordnung \\xxx\\ hat nicht die Größe ihrer Tabelle; die Tabelle im "
         "Speicher bleibt.",
         "The key mapping \\xxx\\ does not have the size of its map; the map in memory was kept."},
        {1701,
         "Die Live-Show \\xxx\\ ist abgeschnitten oder beschädigt; die Live-Show im Speicher "
         "bleibt.",
         "The live show \\xxx\\ is truncated or corrupt; the live show in memory was kept."},
        {1702,
         "Die MIDI-Eingangszuordnung \\xxx\\ ist abgeschnitten oder beschädigt; die Zuordnung "
         "im Speicher bleibt.",
         "The MIDI input routing \\xxx\\ is truncated or corrupt; the routing in memory was "
         "kept."},
        {1703,
         "Die DMX-Eingangszuordnung \\xxx\\ ist abgeschnitten oder beschädigt; die Zuordnung "
         "im Speicher bleibt.",
         "The DMX input routing \\xxx\\ is truncated or corrupt; the routing in memory was "
         "kept."},
        {1704, "Name der Live-Show:", "Name of the live show:"},
        {1901,
         "Die ILDA-Datei endet mitten in einem Abschnitt. Die Frames davor wurden importiert.",
         "The ILDA file ends in the middle of a section. The frames before it were imported."},
        {1902,
         "Die ILDA-Datei enthält einen Abschnitt unbekannten Formats. Die Abschnitte danach "
         "wurden nicht gelesen.",
         "The ILDA file holds a section of an unknown format. The sections after it were not "
         "read."},
        {1903, "ILDA-Datei importieren", "Import ILDA file"},
        {1904, "ILDA-Datei exportieren", "Export ILDA file"},
        {1905, "ILDA-Dateien fassen höchstens 65535 Frames; die Figur wurde nicht exportiert.",
         "ILDA files hold at most 65535 frames; the figure was not exported."},
        {1906, "Ordner", "Folders"},
        {1907,
         "Ein Klick öffnet einen Ordner. Die Pfeiltasten bewegen nur die Markierung; Enter "
         "öffnet den markierten Ordner.",
         "One click opens a folder. The arrow keys only move the cursor; Enter opens the folder "
         "under it."},
        {1908, "Zuletzt gezeigte Ordner", "Recent folders"},
        {1909, "Die zuletzt gezeigten Ordner, der aktuelle zuerst. Eine Wahl öffnet den Ordner.",
         "The folders shown last, the current one first. Choosing one opens it."},
        {1910, "Figuren", "Figures"},
        {1911,
         "Die Figuren des Ordners, danach seine ILDA-Dateien. Ein Doppelklick (oder Enter) auf "
         "eine ILDA-Datei importiert sie in Figur 0.",
         "The figures of the folder, then its ILDA files. A double-click (or Enter) on an ILDA "
         "file imports it into figure 0."},
        {1912, "ILDA", "ILDA"},
        {1913, "ILDA-Datei \\xxx\\: ein Doppelklick oder Enter importiert sie in Figur 0.",
         "ILDA file \\xxx\\: a double-click or Enter imports it into figure 0."},
        {1914, "\\xxx\\ importiert: 1 Frame", "imported \\xxx\\: 1 frame"},
        {1915, "\\xxx\\ importiert: \\xxx\\ Frames", "imported \\xxx\\: \\xxx\\ frames"},
        {1916, "Der Ordner \\xxx\\ ist nicht mehr da.", "The folder \\xxx\\ is gone."},
        {1920, "Die Figur \"\\xxx\\\" hat ungespeicherte Änderungen. Speichern?",
         "The figure \"\\xxx\\\" has changes that are not saved. Save them?"},
        {1921, "Die ungespeicherten Änderungen dieser Figuren wurden gerettet:",
         "The unsaved changes of these figures were rescued:"},
        {1922, "Wiederherstellen? Nein verwirft sie; Abbrechen fragt beim nächsten Start wieder.",
         "Restore them? No discards them; Cancel asks again at the next start."},
        {1923, "Diese Figuren konnten nicht zurückgelegt werden und bleiben in \\xxx\\:",
         "These figures could not be put back and stay in \\xxx\\:"},
        {1924,
         "\\xxx\\ Punkte dieser Figur sind mit der neuen Farbtabelle schwarz: sie enthält "
         "ihre Farben nicht.",
         "\\xxx\\ points of this figure are black with the new colour table: it does not "
         "hold their colours."},
        {1925, "Tastenkürzel", "Keyboard shortcuts"},
        {1926, "Befehl", "Command"},
        {1927, "Taste", "Key"},
        {1928, "Menüs und Symbolleisten", "Menus and toolbars"},
        {1929, "Zeichenfläche", "Canvas"},
        {1930, "Anleitung", "User guide"},
        {1931, "Suchen:", "Find:"},
        {1932, "Über \\xxx\\", "About \\xxx\\"},
        {1933, "Version", "Version"},
        {1934, "Lizenz", "Licence"},
        {1935, "Verwendete Bibliotheken", "Libraries used"},
        {1936,
         "Gebaut mit Qt und weiterer freier Software; die Symbole sind für dieses Programm "
         "gezeichnet.",
         "Built with Qt and other free software; icons drawn for this program."},
        {1937, "Schließen", "Close"},
        {1938, "Helles Thema", "Light theme"},
        {1939, "Dunkles Thema", "Dark theme"},
        {1940,
         "Die ILDA-Datei hat Farbindizes ohne Palette; sie beziehen sich auf die "
         "ILDA-Standardpalette. Die Farben der ILDA-Standardpalette übernehmen? (Nein behält die "
         "Indizes in der aktuellen Farbtabelle.)",
         "The ILDA file has colour indices without a palette; they refer to the ILDA standard "
         "palette. Take the colours of the ILDA standard palette? (No keeps the indices in the "
         "current colour table.)"},
        {1967, "Die Datei \\xxx\\ konnte nicht gelesen werden.",
         "The file \\xxx\\ could not be read."},
        {1980, "Diese Dateien in \\xxx\\ gehören nicht zur Show. In den Papierkorb verschieben?",
         "These files in \\xxx\\ do not belong to the show. Move them to the trash?"},
        {1981, "Die Showdatei \\xxx\\ ist abgeschnitten oder beschädigt; es wurde nichts geladen.",
         "The show file \\xxx\\ is truncated or corrupt; nothing was loaded."},
        {1982,
         "Die Showinformation \\xxx\\ ist abgeschnitten oder beschädigt; sie wurde nicht "
         "übernommen.",
         "The show information \\xxx\\ is truncated or corrupt; it was not taken."},
        {1983,
         "\\xxx\\ konnte nicht in den Papierkorb verschoben werden; die Datei bleibt im "
         "Showordner.",
         "\\xxx\\ could not be moved to the trash; it stays in the show folder."},
        {1984, "Showordner \\xxx\\ bereinigt, \\nnn\\ Dateien in den Papierkorb verschoben.",
         "Show folder \\xxx\\ cleaned up, \\nnn\\ files moved to the trash."},
        {1985, "Ausgabe", "Output"},
        {1986,
         "Dieses System hat keinen Papierkorb; die Dateien wurden nach \\xxx\\ verschoben.",
         "There is no trash on this system; the files were moved into \\xxx\\."},
        {1990,
         "Art des ILDA-Exports (ihre Nummer eingeben):", "Kind of ILDA export (enter its number):"},
        {1991, "1 = Echtfarbtabellen und indizierte Frames (Formate 3 und 1)",
         "1 = true-colour tables and indexed frames (formats 3 and 1)"},
        {1992, "2 = eine Palette, dann wie 1 (Formate 2, 3 und 1)",
         "2 = a palette, then as 1 (formats 2, 3 and 1)"},
        {1993, "3 = indizierte Frames (Format 1)", "3 = indexed frames (format 1)"},
        {1994, "4 = eine Palette, dann indizierte Frames (Formate 2 und 1)",
         "4 = a palette, then indexed frames (formats 2 and 1)"},
        {1995, "5 = Echtfarb-Frames (Format 5, empfohlen)",
         "5 = true-colour frames (format 5, recommended)"},
        {1996,
         "\"\\xxx\\\" ist keine Exportart; die Arten sind 1 bis 5. Es wurde nichts "
         "exportiert.",
         "\"\\xxx\\\" is no export kind; the kinds are 1 to 5. Nothing was exported."},
        {1997,
         "Die Datei \\xxx\\ konnte nicht geschrieben werden; eine vorige Datei dieses Namens "
         "ist unverändert.",
         "The file \\xxx\\ could not be written; a previous file of that name is unchanged."},
    };
    // The texts declared beside the code that shows them.
    for (const text::Textliste liste : kTextlisten)
        liste([&](const text::Beschriftung& b) { texte.push_back(b); });
    return texte;
}

} // namespace

const std::vector<Sprachtext>& sprachtexte() {
    static const std::vector<Sprachtext> texte = alleTexte();
    return texte;
}

std::string languageTxt() {
    std::vector<const Sprachtext*> nachNummer(2001, nullptr);
    for (const auto& t : sprachtexte()) nachNummer[static_cast<std::size_t>(t.nummer)] = &t;
    std::string aus;
    aus.reserve(2001 * 10 * 8);
    for (int m = 0; m <= 2000; ++m) {
        const Sprachtext* t = nachNummer[static_cast<std::size_t>(m)];
        aus += "DE ";
        if (t) aus += utf8NachCp1252(t->deutsch);
        aus += "\r\nEN ";
        if (t) aus += utf8NachCp1252(t->englisch);
        aus += "\r\n";
        for (int k = 2; k <= 9; ++k) {
            aus += 'L';
            aus += static_cast<char>('0' + k);
            aus += " \r\n";
        }
    }
    return aus;
}

} // namespace sw::gen
