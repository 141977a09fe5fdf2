// The demo show beside the demo figures, in the folder the editor opens on: a timeline that changes
// figure and effects on every beat of the demo music (120 beats per minute, about 20 s), its
// key table, and a playlist that plays it. The music itself, "Demo.wav", is synthesised at
// build time beside these files.

#include "generators/Mitgeliefert.h"

#include "live/KeyTable.h"
#include "platform/Text.h"
#include "show/PlaylistDatei.h"
#include "show/SequenzDatei.h"
#include "show/SequenzOffTime.h"
#include "show/ShowDatei.h"
#include "show/ShowInfo.h"

#include <string>

namespace sw::gen {

namespace {

constexpr const char* kOrdner = "Demo/";
constexpr double kSchlagMs = 500; // 120 bpm
constexpr int kSchlaege = 40;     // 20 s
constexpr int kErsteTaste = 65;   // the keys A to E show the five figures

// Rows of group 0 (track = row): the figure, size, rotation and the three colour levels.
constexpr int kFigur = 1, kGroesse = 2, kDrehung = 3, kRot = 6;

SeqEvent ereignis(double start, int track, int kind, int key, int value) {
    SeqEvent e;
    e.start = start;
    e.track = static_cast<std::uint8_t>(track);
    e.kind = static_cast<std::uint8_t>(kind);
    e.key = static_cast<std::int16_t>(key);
    e.value = static_cast<std::int16_t>(value);
    return e;
}

EventListe zeitleiste(const std::vector<std::string>& figuren) {
    EventListe ev(1);
    const int n = static_cast<int>(figuren.size());
    const int drehungen[4] = {128, 144, 112, 160};
    for (int b = 0; b < kSchlaege; ++b) {
        const double t = b * kSchlagMs;
        const int taste = kErsteTaste + b % n;
        // The figure first: an effect value acts only while the group shows a figure.
        ev.push_back(ereignis(t, kFigur, sequenz::kTasteGedrueckt, taste, taste));
        ev.push_back(ereignis(t, kGroesse, sequenz::kEffektwert, 1, b % 2 == 0 ? 190 : 127));
        if (b % 4 == 0)
            ev.push_back(ereignis(t, kDrehung, sequenz::kEffektwert, 1, drehungen[(b / 4) % 4]));
        for (int c = 0; c < 3; ++c)
            ev.push_back(ereignis(t, kRot + c, sequenz::kEffektwert, 1, c == b % 3 ? 255 : 90));
    }
    ev.push_back(ereignis(kSchlaege * kSchlagMs, kFigur, sequenz::kTasteLosgelassen, 0, 0));
    Sequenz_EventOffTime_Ermitteln(ev, kSchlaege * kSchlagMs + 2000);
    return ev;
}

std::string textdatei(const std::vector<std::string>& zeilen) {
    std::string s;
    for (const auto& z : zeilen) s += z + "\r\n";
    return s;
}

} // namespace

std::vector<MitgelieferteDatei> demoShow() {
    std::vector<MitgelieferteDatei> dateien;
    std::vector<std::string> figuren;
    // The show lives beside the demo figures, in the folder the editor opens on.
    for (const auto& d : demoFiguren()) figuren.push_back(d.pfad.substr(d.pfad.find('/') + 1));
    // The figure list of the folder is in name order, as the key table's lines name them.
    std::vector<std::string> tasten(static_cast<std::size_t>(kErsteTaste) + figuren.size(),
                                    kLeererEintrag);
    for (std::size_t i = 0; i < figuren.size(); ++i) tasten[kErsteTaste + i] = figuren[i];
    dateien.push_back({std::string(kOrdner) + kKeyOrdDatei, textdatei(tasten)});

    ShowDateiInhalt show;
    show.ShowName = "Demo";
    show.SoundName = "Demo.wav";
    show.FaktorDrehenSchieben = "1";
    show.FaktorStauchen = "1";
    dateien.push_back({std::string(kOrdner) + "Demo.shw", showdateiKodieren(show)});
    dateien.push_back({std::string(kOrdner) + "Demo.seq", sequenzKodieren(zeitleiste(figuren))});

    // The playlist names the show relative to its own folder.
    PlaylistEntry eintrag;
    eintrag.showPfad = "Demo.shw";
    eintrag.titel = "Demo.shw";
    eintrag.zuordnung[0][0] = true;
    eintrag.pps.fill(20000);
    eintrag.notiz = "Demo";
    dateien.push_back(
        {std::string(kOrdner) + "Demo.pll", playlistKodieren({PlaylistEntry{}, eintrag})});

    // What the show-information window shows of the demo, and the folder's free text.
    ShowInfo info;
    info.Showname = "Demo";
    info.Programmierer = "Strahlwerk";
    info.Datum = "2026";
    info.ProgrammVersion = "0.1";
    info.Showtype = {true, false, false};
    info.Bezeichnung = "Demo-Show";
    info.Gesamtlaenge = "0:20";
    info.Interpret = "Strahlwerk";
    info.Titel = "Demo.wav (120 BPM)";
    info.WeitereInfos = "Fünf Figuren im Takt der Musik, mit Größe, Drehung und Farbe.";
    info.Projektoren[0] = {{true, true, true}, "20K"};
    info.SpurZuordnung[0][0] = true;
    info.ProjektorRouting[0] = "Projektor 1";
    dateien.push_back({std::string(kOrdner) + "Demo.info", showInfoKodieren(info)});
    dateien.push_back(
        {std::string(kOrdner) + "[INFO].txt",
         utf8NachCp1252(textdatei({"Demo-Show", "", "Die Tasten A bis E zeigen die fünf Figuren.",
                                   "Die Playliste Demo.pll spielt die Show ab."}))});
    return dateien;
}

} // namespace sw::gen
