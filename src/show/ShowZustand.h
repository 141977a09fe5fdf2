#pragma once
// The one show the program holds: its name and folder, the media it plays to, the values of
// the options window that the show file carries, the show information, the recent-files list;
// and the services and hooks the show routines run with.

#include "core/Farbpalette.h"
#include "core/FigurenSpeicher.h"
#include "einstellungen/Einstellungen.h"
#include "platform/Umgebung.h"
#include "show/Medien.h"
#include "show/ShowInfo.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sw {

inline constexpr const char* kKeinShowname = "NichtVergeben";
inline constexpr int kZuletztGeoeffnete = 10;

struct ShowZustand {
    std::string Showname = kKeinShowname;
    std::string Showordner; // ends with the separator once a show was loaded or saved
    std::string MediaDatei; // relative to the show folder; "No.mp3" when none could be opened
    std::string MediaTyp = "mp3";
    double MediaLaenge = 0; // milliseconds
    bool ShowLadenBusy = false;

    // Text fields of the options window that the show file carries.
    std::string ShowName, SoundName, FaktorDrehenSchieben = "1", FaktorStauchen = "1";
    bool cmdNewAudioEnabled = false;
    // Sequencer menu checks and captions.
    bool mnuLaserAutomatik = false;
    bool mnuAutomatischZeigen = false;
    std::string mnuShowname;
    bool videoFensterSichtbar = false;
    Videofenster videofenster;

    std::string Sequenzdatei;
    std::string LetzterShowOrdner;
    // Set by the recent-files menu: mnuShowLaden_Click opens it without a dialog.
    std::string ausstehendeDatei;
    // Entry 0 is the most recent; an unused entry is " ".
    std::array<std::string, kZuletztGeoeffnete> ZuletztGeoeffnete;

    // The show-information window: the record, the free text of "[INFO].txt", the caption,
    // the page shown and whether it asks to be shown.
    ShowInfo info;
    std::string infoText;
    std::string showInfoTitel;
    int showInfoSeite = 0;
    bool showInfoZeigen = false;

    ShowZustand() { ZuletztGeoeffnete.fill(" "); }
};

// What the show needs from the sequence and the other windows; an unset hook is skipped.
struct ShowTeile {
    std::function<bool(const std::string& seqDatei)> sequenzLaden;
    std::function<bool(const std::string& seqDatei)> sequenzSpeichern;
    // The file names (without folder) of the figures and showparts the timeline's events use.
    std::function<std::vector<std::string>()> benutzteDateien;
    // A new show: the timeline cleared.
    std::function<void()> sequenzLeeren;
    // After a show was opened from the menu: off times recomputed, timeline rewound.
    std::function<void()> nachShowOeffnen;
    // The change handlers of the two motion factor fields.
    std::function<void()> faktorenGeaendert;
    // The main window's folder change (asks about unsaved figures, then shows the folder);
    // false when the operator kept the folder. Unset: the engine's own ask and folder change.
    std::function<bool(const std::filesystem::path&)> ordnerZeigen;
    // Recent entries of the playlist and the live show.
    std::function<void(const std::string&)> playlistLaden;
    std::function<void(const std::string&)> liveShowLaden;
    // The video window shown (a video file) or closed, before the media is opened into it.
    std::function<void(bool)> videofensterZeigen;
    // The show information was loaded (or emptied) for a show: the window shows it, and shows
    // itself when `showInfoZeigen` asks.
    std::function<void()> showInfoGeladen;
};

struct ShowKontext {
    ShowZustand& show;
    FigurenSpeicher& figuren;
    Paletten& paletten;
    Einstellungen& einstellungen;
    Umgebung& env;
    Medienschicht& medien;
    ShowTeile teile;
    std::filesystem::path programmOrdner; // holds the placeholder media "No.mp3"
    std::filesystem::path datenOrdner;    // holds "Standard.info"
};

// The folder text with its separator at the end; empty stays empty.
inline std::string ordnerMitTrenner(std::string ordner) {
    if (!ordner.empty() && ordner.back() != '/' && ordner.back() != '\\') ordner += '/';
    return ordner;
}

} // namespace sw
