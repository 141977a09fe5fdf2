// The headless show player: a show or a playlist played through the whole program (figures of
// the show folder, key table, trigger routine, effects, output pipeline, devices), with the
// sequencer driven by the media clock, as the window plays it, but without windows.

#include "app/Playlistfernsteuerung.h"
#include "app/Programm.h"
#include "app/Wiedergabeverdrahtung.h"
#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "cli/Geraetewahl.h"
#include "cli/Json.h"
#include "cli/ShowMedien.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "show/Playlist.h"
#include "show/ShowLaden.h"
#include "show/UhrMedien.h"
#include "show/Wiedergabe.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <utility>

namespace sw::cli {


namespace {

namespace fs = std::filesystem;

volatile std::sig_atomic_t abbruch = 0;
extern "C" void abbrechen(int) {
    abbruch = 1;
}

// Ctrl+C and SIGTERM end the run between two passes; the previous handlers come back after.
struct Signale {
    using Handler = void (*)(int);
    Handler vorherInt, vorherTerm;
    Signale() {
        abbruch = 0;
        vorherInt = std::signal(SIGINT, abbrechen);
        vorherTerm = std::signal(SIGTERM, abbrechen);
    }
    ~Signale() {
        std::signal(SIGINT, vorherInt);
        std::signal(SIGTERM, vorherTerm);
    }
};

// Counts the points handed to the devices, lit and dark.
struct Punktzaehler : Punktbeobachter {
    long punkte = 0, hell = 0;
    void punkt(int, const Ausgabepunkt& p) override {
        ++punkte;
        if (p.R > 0 || p.G > 0 || p.B > 0) ++hell;
    }
};

} // namespace

bool istShowOderPlaylist(const std::string& datei) {
    return hatEndung(datei, ".shw") || hatEndung(datei, ".pll");
}

void befehlPlayShow(const ShowPlayOptionen& o) {
    if (!(o.sekunden >= 0)) throw CliFehler("--seconds must not be negative.");
    if (!(o.vonMs >= 0)) throw CliFehler("--from must not be negative.");
    if (!(o.passMs > 0 && o.passMs <= 1000))
        throw CliFehler("--pass-ms must be above 0 and at most 1000 for a show.");
    if (!o.audio.empty() && o.audio != "null") throw CliFehler("--audio takes only null.");
    std::error_code ec;
    if (!fs::is_regular_file(o.datei, ec)) throw CliFehler(o.datei + ": the file does not exist.");
    const bool playlist = hatEndung(o.datei, ".pll");

    // From here on an interrupt ends the run in order, even while the show still loads.
    Signale signale;
    CliUmgebung u;
    SystemUhr echteUhr;
    Uhr& uhr = o.festerTakt ? static_cast<Uhr&>(u.uhr) : static_cast<Uhr&>(echteUhr);
    Programm p(u.dialoge, u.pumpe, uhr);
    auto& a = *p.ausgabe;
    auto e = einstellungsdateiOeffnen(u, o.einstellungen);
    geraeteEinrichten(u, p.geraete, a, p.paletten, e.get(), o.geraete);

    std::unique_ptr<Medienschicht> medien = o.festerTakt
                                                ? std::make_unique<UhrMedien>(uhr)
                                                : showMedienErzeugen(uhr, o.audio == "null");
    if (!o.mtc.empty()) {
        if (!zeitcodeMedien)
            throw CliFehler("--mtc " + o.mtc + ": this build cannot follow MIDI time code.");
        medien = zeitcodeMedien(std::move(medien), o.mtc, uhr);
    }
    auto* uhrMedien = dynamic_cast<UhrMedien*>(medien.get());
    const bool laengeAusEvents = uhrMedien && uhrMedien->laenge <= 0;

    // The show routines on this player; a clock-only player is given the show's length.
    ShowKontext basis = p.showKontext();
    ShowKontext k{p.show,  p.figuren,   p.paletten,           p.einstellungen,  p.env,
                  *medien, basis.teile, basis.programmOrdner, basis.datenOrdner};
    k.teile.sequenzLaden = [&, laden = basis.teile.sequenzLaden](const std::string& datei) {
        // The show's media is open (or the placeholder stands in) when its sequence loads.
        if (p.show.MediaDatei == "No.mp3" && !p.show.SoundName.empty())
            std::cerr << p.show.Showordner << p.show.SoundName
                      << ": the media cannot be played; the show runs on the placeholder clock "
                         "without sound.\n";
        const bool ok = laden(datei);
        const auto& ev = p.sequenzer.Events;
        if (laengeAusEvents) {
            uhrMedien->laengeAusEvents(ev);
            p.show.MediaLaenge = p.sequenzer.Medienlaenge = uhrMedien->laenge * 1000;
            sequenzAbschliessen(p.sequenzer);
        }
        return ok;
    };

    WiedergabeZustand w;
    WiedergabeKontext wk{w, p.sequenzer, *medien, p.env, {}};
    wiedergabeVerdrahten(p, wk);
    AtomareDatei dump;
    long ereignisse = 0;
    if (!o.dump.empty()) {
        try {
            dump.oeffnen(o.dump);
        } catch (const Laufzeitfehler& f) {
            throw CliFehler(o.dump + ": the dump file cannot be created (" + f.what() + ").");
        }
    }
    std::string zeile;
    wk.teile.gesendetBeobachter = [&](double zeit, const SeqEvent& ev) {
        ++ereignisse;
        if (!dump.offen()) return;
        zeile = "{\"media_ms\":";
        jsonKommazahl(zeile, zeit);
        zeile += ",\"track\":" + std::to_string(ev.track) + ",\"kind\":" + std::to_string(ev.kind) +
                 ",\"key\":" + std::to_string(ev.key) + ",\"value\":" + std::to_string(ev.value) +
                 ",\"start\":";
        jsonKommazahl(zeile, ev.start);
        zeile += "}\n";
        dump.schreiben(zeile);
    };
    Playlist liste;
    PlaylistKontext pk{liste, wk, k, {}};
    if (playlist) {
        try {
            liste.eintraege = playlistDekodieren(eingabeLesen(o.datei)).eintraege;
        } catch (const Formatfehler& f) {
            throw CliFehler(o.datei + ": the playlist does not fit its version (" + f.what() +
                            ").");
        }
        showPfadeAufloesen(liste.eintraege, fs::absolute(o.datei).parent_path());
        if (liste.n() < 0) throw CliFehler(o.datei + ": the playlist is empty.");
        // Unattended: every show after the other, without questions, once through.
        liste.checkAutoNextShow = true;
        pk.teile.Mappingaendern = [&](const PlaylistEntry&) {};
        // Notes on the timeline channel of a MIDI input remote-control it, as in the window.
        playlistFernsteuerungVerbinden(p.live, pk);
    }

    Dacausgabe& dac = p.dac;
    dac.anmelden(a);
    a.AusgabeGestoppt = [&] { dac.stoppen(); };
    long frames = 0;
    dac.gesendet = [&](int, Geraetetyp, int, int, const std::uint8_t*, std::size_t) { ++frames; };
    Punktzaehler zaehler;
    a.Beobachter = &zaehler;
    IldaShowExport export_;
    if (!o.ildaExport.empty()) {
        if (!export_.starten(p.env, o.ildaExport, 5, false))
            throw CliFehler(o.ildaExport + ": the ILDA file cannot be created (" + export_.grund() +
                            ").");
        a.IldaExport = &export_;
        a.IldaShowExportAn = true;
    }
    a.Haupt.LaserFreigabe = true;
    a.Haupt.Blackout = false;
    a.Haupt.Helligkeit = 1;
    ausgabeVorbereiten(a, p.paletten);

    dac.starten();
    AbspielenStarten(a, p.env);
    if (playlist) {
        Titel_Abspielen(pk, 0);
    } else {
        const fs::path pfad = fs::absolute(o.datei);
        std::string ordner = pfad.parent_path().string() + "/";
        if (!ShowLaden(k, pfad.stem().string(), ordner)) {
            AbspielenStoppen(a);
            dac.schliessen();
            std::string grund = u.dialoge.meldungen.empty() ? "" : " " + u.dialoge.meldungen.back();
            throw CliFehler(o.datei + ": the show cannot be loaded." + grund);
        }
        sequenzAbschliessen(p.sequenzer);
        p.sequenzer.cursorZeit = o.vonMs;
        Play_Click(wk);
    }
    for (const auto& m : u.dialoge.meldungen) std::cerr << m << "\n";
    std::size_t gemeldet = u.dialoge.meldungen.size();

    const double passS = o.passMs / 1000;
    double beginn = uhr.sekunden();
    double takt = beginn;
    long zyklen = 0;
    std::string grund = "the end of the show";
    for (;;) {
        if (abbruch) {
            grund = "an interrupt";
            break;
        }
        takt += passS;
        if (o.festerTakt) {
            u.uhr.vorstellen(passS);
        } else {
            const double jetzt = uhr.sekunden();
            if (takt > jetzt)
                uhr.schlafen(takt - jetzt);
            else if (jetzt - takt > 5 * passS)
                takt = jetzt; // after a wait: no burst of passes
        }
        ++zyklen;
        tmrstart_Timer(wk);
        AbspielenDurchlauf(a, p.figuren, p.paletten, p.env);
        if (playlist) tmrPlaylist_Timer(pk);
        for (; gemeldet < u.dialoge.meldungen.size(); ++gemeldet)
            std::cerr << u.dialoge.meldungen[gemeldet] << "\n";
        if (o.sekunden > 0 && uhr.sekunden() - beginn >= o.sekunden - 1e-9) {
            std::ostringstream t;
            t << o.sekunden << " seconds";
            grund = t.str();
            break;
        }
        const bool laeuft = w.spielt || (playlist && (w.playlistLaeuft || w.tmrPlaylist));
        if (!laeuft) break;
    }
    const double medienzeit = w.showZeit;
    wiedergabeAnhalten(wk, true);
    AbspielenStoppen(a);
    dac.schliessen();
    wiedergabeTrennen(p);

    if (dump.fehlerhaft())
        throw CliFehler(o.dump + ": the dump file could not be written (" + dump.grund() + ").");
    if (!o.ildaExport.empty() && !export_.beenden(p.env))
        throw CliFehler(o.ildaExport + ": the ILDA file could not be written (" + export_.grund() +
                        ").");
    if (dump.offen()) {
        try {
            dump.abschliessen();
        } catch (const Laufzeitfehler& f) {
            throw CliFehler(o.dump + ": the dump file could not be written (" + f.what() + ").");
        }
    }
    std::cout << "played " << o.datei << " until " << grund << ": " << zyklen << " passes of "
              << o.passMs << " ms, " << ereignisse << " timeline events sent, " << zaehler.punkte
              << " points handed to the devices (" << zaehler.hell << " lit), " << frames
              << " frames taken by vendor libraries, last media time "
              << static_cast<long>(medienzeit) << " ms"
              << (uhrMedien ? " (clock-only media, no sound)" : "") << "\n";
}

} // namespace sw::cli
