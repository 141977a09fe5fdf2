#include "show/Wiedergabe.h"

#include "platform/Fehlerfalle.h"
#include "show/SequenzOffTime.h"
#include "show/WiedergabeMeldungen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace sw {

namespace {

void senden(WiedergabeKontext& k, const SeqEvent& e) {
    if (k.teile.gesendetBeobachter) k.teile.gesendetBeobachter(k.w.showZeit, e);
    if (k.s.TriggerKey) k.s.TriggerKey(e.track, e.kind, e.key, e.value);
}

// Events up to `zeit` of the list, after index `gesendet`, in list order. The trigger routine
// may change the list's owner (a showpart slot), so the event is copied before it is sent and
// the list re-read by index.
template <typename Liste>
void faelligeSenden(WiedergabeKontext& k, Liste liste, long& gesendet, double versatz) {
    for (long i = gesendet + 1;; ++i) {
        const EventListe* l = liste();
        if (!l || i > sequenz::anzahl(*l)) break;
        const SeqEvent e = (*l)[static_cast<std::size_t>(i)];
        if (e.start + versatz > k.w.showZeit) break;
        gesendet = i;
        senden(k, e);
    }
}

void slotsSenden(WiedergabeKontext& k) {
    for (std::size_t g = 0; g < k.s.plaetze.size(); ++g) {
        const int nummer = k.s.plaetze[g].showpart;
        if (nummer < 0 || static_cast<std::size_t>(nummer) >= k.s.Showparts.size()) continue;
        long gesendet = k.s.plaetze[g].gesendet;
        const double versatz = k.s.plaetze[g].startzeit;
        faelligeSenden(
            k,
            [&k, g, nummer]() -> const EventListe* {
                // The slot may have been given another showpart by one of its own events.
                if (k.s.plaetze[g].showpart != nummer) return nullptr;
                return &k.s.Showparts[static_cast<std::size_t>(nummer)].events;
            },
            gesendet, versatz);
        if (k.s.plaetze[g].showpart == nummer) k.s.plaetze[g].gesendet = gesendet;
    }
}

std::string zahl2(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", v);
    return b;
}

void rateSetzen(WiedergabeKontext& k, double rate) {
    k.w.rate = std::round(rate * 100) / 100;
    k.w.rateBeschriftung = k.env.texte.text(meldung::Rate, "Rate") + ": " + zahl2(k.w.rate);
    k.medien.DS_SetRate(k.w.rate);
}

std::string minSek(double ms) {
    const long s = std::max(0L, static_cast<long>(ms / 1000));
    return std::to_string(s / 60) + " min. " + std::to_string(s % 60) + " sec.";
}

void anhalten(WiedergabeKontext& k, bool positionBehalten) {
    auto& w = k.w;
    auto& s = k.s;
    w.zeitanzeigeAn = false;
    if (k.teile.laserAutomatik) k.teile.laserAutomatik(false);
    if (positionBehalten) s.cursorZeit = k.medien.DS_GetPosition() * 1000;
    k.medien.DS_Stop();
    w.transportAn = true;
    w.spielt = false;
    w.startUmUhr.reset();
    w.aufnahme = false;
    if (k.teile.aufnahmeSchalten) k.teile.aufnahmeSchalten(false);
    EventListe neu;
    if (k.teile.aufgenommeneNehmen) neu = k.teile.aufgenommeneNehmen();
    if (sequenz::anzahl(neu) < 1) return;
    WriteUndo(s.Events, s.undo, k.env);
    if (s.Events.empty()) s.Events.resize(1);
    s.Events.insert(s.Events.end(), neu.begin() + 1, neu.end());
    sequenzSortieren(s.Events);
    Sequenz_EventOffTime_Ermitteln(s.Events, s.Medienlaenge);
    if (s.neuZeichnen) s.neuZeichnen(0, -1);
    // Triggers that came before the media ran (or at its very start) do not
    // stay: the list's first event is kept whatever its time, as a new show's
    // all-zero event 1.
    for (long i = 2; i <= sequenz::anzahl(s.Events);) {
        if (s.Events[static_cast<std::size_t>(i)].start <= 0)
            s.Events.erase(s.Events.begin() + i);
        else
            ++i;
    }
    w.checkRecordMidi = false;
}

} // namespace

void chase(WiedergabeKontext& k, double zeit) {
    const auto& ev = k.s.Events;
    const long n = sequenz::anzahl(ev);
    long letzter = 0;
    if (zeit > 0)
        for (long i = 1; i <= n && ev[static_cast<std::size_t>(i)].start < zeit; ++i) letzter = i;
    k.w.gesendet = letzter;
    // The latest event of each track, found walking back from the last one before `zeit`.
    std::vector<char> erledigt(256, 0);
    std::vector<long> auswahl;
    for (long i = letzter; i >= 1; --i) {
        const auto t = ev[static_cast<std::size_t>(i)].track;
        if (erledigt[t]) continue;
        erledigt[t] = 1;
        auswahl.push_back(i);
    }
    std::vector<SeqEvent> senden_;
    for (auto it = auswahl.rbegin(); it != auswahl.rend(); ++it)
        senden_.push_back(ev[static_cast<std::size_t>(*it)]);
    for (const auto& e : senden_) senden(k, e);
}

void Play_Click(WiedergabeKontext& k) {
    auto& w = k.w;
    w.spielt = true;
    w.startUmUhr.reset();
    w.startUmTageszeit.reset();
    if (k.teile.wellenformNeuZeichnen) k.teile.wellenformNeuZeichnen();
    if (k.teile.laserAutomatik) k.teile.laserAutomatik(true);
    for (int g = 0; g < sequenz::kGruppen; ++g) {
        if (k.teile.gruppeLeeren) k.teile.gruppeLeeren(g);
        k.s.plaetze[static_cast<std::size_t>(g)] = ShowpartSlot{-1, 0, 0};
    }
    k.medien.DS_SetPosition(k.s.cursorZeit / 1000);
    w.showZeit = k.s.cursorZeit;
    chase(k, k.s.cursorZeit);
    if (k.s.cursorZeit == 0) w.gesendet = 0;
    w.vorigeZeit = k.s.cursorZeit;
    if (w.checkRecordMidi) {
        w.aufnahme = true;
        if (k.teile.aufnahmeSchalten) k.teile.aufnahmeSchalten(true);
    }
    w.zeitanzeigeAn = true;
    k.medien.DS_Play();
    k.medien.DS_SetRate(w.rate);
}

void sequenzerDurchlauf(WiedergabeKontext& k) {
    auto& w = k.w;
    // A delayed start sets the playing flag ahead of the media: nothing is due before it runs.
    if (!w.spielt || w.startUmUhr || w.startUmTageszeit) return;
    w.showZeit = k.medien.DS_GetPosition() * 1000;
    const double laenge = k.medien.DS_GetDuration() * 1000;
    if (laenge > 0 && w.showZeit >= laenge) {
        Prev_Click(k);
        return;
    }
    if (w.vorigeZeit >= 0 && std::abs(w.showZeit - w.vorigeZeit) > kSprungMs) {
        ++w.spruenge;
        k.env.log.zeile("Sequenzer: the clock jumped from " + std::to_string(w.vorigeZeit) +
                        " ms to " + std::to_string(w.showZeit) + " ms; chasing there");
        w.vorigeZeit = w.showZeit;
        chase(k, w.showZeit);
        // The events at exactly the new position are due in this pass, as in any other.
    }
    w.vorigeZeit = w.showZeit;
    faelligeSenden(
        k, [&k]() -> const EventListe* { return &k.s.Events; }, w.gesendet, 0);
    slotsSenden(k);
}

void wiedergabeAnhalten(WiedergabeKontext& k, bool positionBehalten) {
    // A failure while merging is reported; the state reached so far stays.
    mitFehlerfalle(k.env, " wurde ausgeloest in Sub wiedergabeAnhalten frmSequenzer von ",
                   Meldeart::Nachricht, [&] { anhalten(k, positionBehalten); });
}

void Anhalten_Click(WiedergabeKontext& k) {
    wiedergabeAnhalten(k, true);
}

void Prev_Click(WiedergabeKontext& k) {
    auto& w = k.w;
    const bool loop = w.checkAutoLoop;
    w.checkAutoLoop = false;
    w.zeitanzeigeAn = false;
    Anhalten_Click(k);
    if (k.teile.effekteZuruecksetzen) k.teile.effekteZuruecksetzen();
    w.gesendet = 0;
    k.s.cursorZeit = 0;
    w.showZeit = 0;
    w.vorigeZeit = -1;
    k.medien.DS_SetPosition(0);
    if (k.teile.wellenformNeuZeichnen) k.teile.wellenformNeuZeichnen();
    w.transportAn = true;
    w.checkAutoLoop = loop;
    if (loop) Play_Click(k);
    if (w.playlistLaeuft) w.tmrPlaylist = true;
}

void Rec_Click(WiedergabeKontext& k) {
    k.w.checkRecordMidi = !k.w.checkRecordMidi;
}

void cmdSpeed_Click(WiedergabeKontext& k, int index) {
    // Compared in hundredths, so that a hundred steps of 0.01 land exactly on the limits.
    const long r = std::lround(k.w.rate * 100);
    if (index == 0) {
        if (r < 200) rateSetzen(k, (r + 1) / 100.0);
    } else if (r > 20) {
        rateSetzen(k, (r - 1) / 100.0);
    }
}

void cmdSpeed_MouseDown(WiedergabeKontext& k, int knopf) {
    if (knopf == 2) rateSetzen(k, 1.0);
}

void tmrZeitAktualisieren_Timer(WiedergabeKontext& k) {
    const double pos = k.medien.DS_GetPosition() * 1000;
    const double rest = std::max(0.0, k.medien.DS_GetDuration() * 1000 - pos);
    k.w.positionText = "Position: " + minSek(pos);
    k.w.restText = "Still To Play: " + minSek(rest);
    k.env.log.zeile("            Position = " + minSek(pos));
    k.env.log.zeile("           Still To Play = " + minSek(rest));
}

std::string uhrzeitText(double sekunden) {
    const long s = static_cast<long>(sekunden) % 86400;
    char b[16];
    std::snprintf(b, sizeof b, "%02ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
    return b;
}

std::optional<double> uhrzeitLesen(const std::string& text) {
    int h = 0, m = 0, s = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &m, &s, &rest) != 3) return std::nullopt;
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return std::nullopt;
    return h * 3600.0 + m * 60.0 + s;
}

bool mnuStart_Click(WiedergabeKontext& k) {
    const double jetzt = k.teile.tageszeit ? k.teile.tageszeit() : 0;
    const auto antwort = k.env.dialoge.eingabe(
        k.env.texte.text(meldung::StartzeitFrage, "Start time (hh:mm:ss):"), uhrzeitText(jetzt));
    if (!antwort) return false;
    const auto zeit = uhrzeitLesen(*antwort);
    if (!zeit) return false;
    k.w.startUmTageszeit = *zeit;
    return true;
}

bool mnuStartverzoegerung_Click(WiedergabeKontext& k) {
    const auto antwort = k.env.dialoge.eingabe(
        k.env.texte.text(meldung::StartverzoegerungFrage, "Start delay in milliseconds:"),
        std::to_string(static_cast<long>(k.w.startverzoegerung)));
    if (!antwort) return false;
    double ms = 0;
    try {
        ms = std::stod(*antwort);
    } catch (...) {
        ms = 0;
    }
    if (!(ms >= kMindestVerzoegerung)) {
        k.env.dialoge.meldung(
            k.env.texte.text(meldung::VerzoegerungZuKurz, "The delay must be at least 250 ms."));
        return false;
    }
    k.w.startverzoegerung = ms;
    return true;
}

void cmdStartTimer_Click(WiedergabeKontext& k) {
    Prev_Click(k);
    k.w.spielt = true;
    k.w.checkRecordMidi = false;
    k.w.startUmUhr = k.env.uhr.sekunden() + k.w.startverzoegerung / 1000;
}

bool tmrstart_Timer(WiedergabeKontext& k) {
    auto& w = k.w;
    bool faellig = false;
    if (w.startUmUhr && k.env.uhr.sekunden() >= *w.startUmUhr) faellig = true;
    if (w.startUmTageszeit && k.teile.tageszeit && k.teile.tageszeit() >= *w.startUmTageszeit)
        faellig = true;
    if (!faellig) return false;
    w.startUmUhr.reset();
    w.startUmTageszeit.reset();
    const std::string makroAus = k.env.texte.text(meldung::DmxMakroAus, "Start time");
    if (w.dmxKnopf == makroAus) {
        if (k.teile.dmxMakroStarten) k.teile.dmxMakroStarten();
        w.dmxKnopf = k.env.texte.text(meldung::DmxMakroAn, "Start at");
    }
    Play_Click(k);
    return true;
}

} // namespace sw
