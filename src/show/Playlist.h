#pragma once
// The playlist window's engine (frmPlayList): a list of shows played one after the other,
// each with its own output routing, scan rates and audio settings; saved as ".pll" files
// (PlaylistDatei.h). Moving on happens on the playlist timer, which the sequencer enables when
// a show's media ends. Everything here runs on the user-interface (output cycle) thread.

#include "show/PlaylistDatei.h"
#include "show/ShowZustand.h"
#include "show/Wiedergabe.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sw {

inline constexpr double kPpsGrenze = 25000; // above it the scanner warning is due
inline constexpr int kNoteErsterEintrag = 42;

struct Playlist {
    std::vector<PlaylistEntry> eintraege{1}; // element 0 is entry -1
    int ListIndex = -1;                      // lstPlayList's selection, -1 none
    bool bearbeitbar = true;                 // add, delete and the transport buttons
    bool checkAutoLoop = false, checkAutoNextShow = false, checkKlickShowstart = false;
    // Unattended play: what loading an entry's show would tell in a message box (media that
    // cannot be opened, a damaged show) goes to the log instead, so the playlist does not wait for
    // someone to press OK. The start question of checkKlickShowstart is still asked.
    bool checkPlayOhneMessages = false;
    std::string datei; // the file loaded or saved last

    // The highest shown index n (-1 for an empty list).
    int n() const { return static_cast<int>(eintraege.size()) - 2; }
    PlaylistEntry& eintrag(int i) { return eintraege.at(static_cast<std::size_t>(i + 1)); }
    std::vector<std::string> titel() const;
};

using Zuordnung = std::array<std::array<bool, kPlaylistSeiten>, kPlaylistKarten>;

struct PlaylistTeile {
    // The current output routing of every card and the scan rate of every DAC.
    std::function<Zuordnung()> zuordnungHolen;
    std::function<std::array<std::int32_t, kPlaylistDacs>()> ppsHolen;
    // Mappingaendern: the entry's routing and rates into the output settings.
    std::function<void(const PlaylistEntry&)> Mappingaendern;
    // The sequencer window's zoom back to the whole show.
    std::function<void()> zoomZuruecksetzen;
};

struct PlaylistKontext {
    Playlist& p;
    WiedergabeKontext& wk;
    ShowKontext& show;
    PlaylistTeile teile;
};

// The four option boxes from the settings ("Sonstiges"), and each box's click writing it.
void playlistOptionenLaden(PlaylistKontext& k);
void checkAutoLoop_Click(PlaylistKontext& k, bool an);
void checkAutoNextShow_Click(PlaylistKontext& k, bool an);
void checkKlickShowstart_Click(PlaylistKontext& k, bool an);
void checkPlayOhneMessages_Click(PlaylistKontext& k, bool an);

// A new playlist: only entry -1.
void cmdNeu_Click(PlaylistKontext& k);
// Reads the file; a file that does not fit its version is rejected whole with a message and
// the list in memory stays. Whether the list was replaced.
bool playlistLaden(PlaylistKontext& k, const std::string& datei);
bool cmdLaden_Click(PlaylistKontext& k);
// A show path relative to the playlist's folder (a shipped playlist names its show so) made
// absolute; "\\" separators become "/". Done on reading, so an entry always holds a full path.
void showPfadeAufloesen(std::vector<PlaylistEntry>& eintraege, const std::filesystem::path& ordner);
// Writes header, n and the entries atomically. Whether it was written.
bool playlistSpeichern(PlaylistKontext& k, const std::string& datei);
// The save dialog (a name with umlauts is refused and asked again), then playlistSpeichern.
bool cmdSpeichern_Click(PlaylistKontext& k);

// Appends the show with the current routing and rates; a name without a separator is not
// added. Whether it was added.
bool AddShow2Playlist(PlaylistKontext& k, const std::string& datei);
bool cmdAdd_Click(PlaylistKontext& k);
// Every "*.shw" in the folder's sub-folders and their sub-folders, in name order, skipping
// folders whose name contains ".zip". The number added.
int cmdAlleShowsInPlayliste_Click(PlaylistKontext& k, const std::filesystem::path& ordner);
void cmdLoeschen_Click(PlaylistKontext& k);
// Index 0 moves the selected entry up, 1 down; the selection follows it.
void cmdUpdDown_Click(PlaylistKontext& k, int index);

// Plays entry `nummer`: stop, a second's wait on the program clock, load the show, rewind,
// the start question when asked for, the entry's routing, the delayed start.
void Titel_Abspielen(PlaylistKontext& k, int nummer);
// The playlist timer's tick: the next entry (auto-next), wrapping with auto-loop, or the end.
void tmrPlaylist_Timer(PlaylistKontext& k);
void cmdPlay_Click(PlaylistKontext& k);
void cmdNext_Click(PlaylistKontext& k);
void cmdPrev_Click(PlaylistKontext& k);
void cmdAnhalten_Click(PlaylistKontext& k);
// The MIDI remote control: 36 stop, 38 previous, 40 next, 41 play the selected entry, 42 + k
// play entry k. Other notes do nothing.
void playlistNote(PlaylistKontext& k, int note);
// Entry `nummer` selected and played (the remote's 42 + k).
void eintragSpielen(PlaylistKontext& k, int nummer);

// The selected entry's scan rate of DAC `dac` changed: above 25000 the warning (text 792) is
// asked while "PPS_Warnung"/"DAC_Angezeigt" is not -1; answering sets it to -1.
void txtPPS_Change(PlaylistKontext& k, int dac, std::int32_t wert);
void cmdMidiInfo_Click(PlaylistKontext& k);

} // namespace sw
