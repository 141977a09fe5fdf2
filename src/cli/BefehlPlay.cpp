#include "app/Einstellungsdatei.h"
#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "cli/Geraetewahl.h"
#include "cli/Json.h"
#include "devices/Geraeteverwaltung.h"
#include "devices/Treiber.h"
#include "einstellungen/Einstellungen.h"
#include "output/Ausgabe.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

namespace sw::cli {

namespace {

// Writes one JSON line per cycle and device with the points handed over to the writers.
class Mitschnitt : public Punktbeobachter {
public:
    explicit Mitschnitt(AtomareDatei& aus) : aus_(aus) {}
    void punkt(int geraet, const Ausgabepunkt& p) override {
        std::string& z = zeilen_[static_cast<std::size_t>(geraet)];
        z += z.empty() ? "[" : ",[";
        for (double w : {p.X, p.Y, p.R, p.G, p.B, p.I}) {
            jsonKommazahl(z, w);
            z += ',';
        }
        z.back() = ']';
    }
    void zyklusEnde(int zyklus) {
        for (int d = 0; d < kGeraete; ++d) {
            std::string& z = zeilen_[static_cast<std::size_t>(d)];
            if (z.empty()) continue;
            zeile_ = "{\"cycle\":" + std::to_string(zyklus) + ",\"device\":" + std::to_string(d) +
                     ",\"points\":[";
            zeile_ += z;
            zeile_ += "]}\n";
            aus_.schreiben(zeile_);
            z.clear();
        }
    }

private:
    AtomareDatei& aus_;
    std::array<std::string, kGeraete> zeilen_;
    std::string zeile_;
};

void rohlisteSchreiben(AtomareDatei& aus, int zyklus, int geraet, const Rohliste& l) {
    std::string z = "{\"cycle\":" + std::to_string(zyklus) +
                    ",\"device\":" + std::to_string(geraet) + ",\"points\":[";
    for (long i = l.erster(); i <= l.anzahl(); ++i) {
        const Listenpunkt& p = l[i];
        if (i != l.erster()) z += ',';
        z += '[';
        for (long w :
             {static_cast<long>(p.X), static_cast<long>(p.Y), static_cast<long>(p.R),
              static_cast<long>(p.G), static_cast<long>(p.B), static_cast<long>(p.I),
              static_cast<long>(p.Strecke), static_cast<long>(p.Farbwechsel),
              static_cast<long>(p.Ecke), static_cast<long>(p.Weich), static_cast<long>(p.Text)}) {
            jsonGanzzahl(z, w);
            z += ',';
        }
        z.back() = ']';
    }
    z += "]}\n";
    aus.schreiben(z);
}

// The list index of the device of that display name (any case; "virtual" is the Virtual
// Device), or -1.
int geraetIndex(const Geraete& g, std::string name) {
    if (gleichOhneGross(name, "virtual")) name = "Virtual Device";
    int index = geraetNachName(g, name);
    for (std::size_t i = 0; index < 0 && i < g.Geraeteliste.size(); ++i)
        if (gleichOhneGross(g.Geraeteliste[i].Anzeigename, name)) index = static_cast<int>(i);
    return index;
}

// Whether the device an "N=NAME" names is listed; a malformed one counts as known, so that
// `geraetZuweisen` reports it at once.
bool geraetBekannt(const Geraete& g, const std::string& angabe) {
    const auto gleich = angabe.find('=');
    return gleich == std::string::npos || geraetIndex(g, angabe.substr(gleich + 1)) >= 0;
}

// "N=NAME": the logical device N gets the listed device of that display name ("virtual" is the
// Virtual Device).
int geraetZuweisen(Geraete& g, Umgebung& env, const std::string& angabe) {
    const auto gleich = angabe.find('=');
    int nummer = -1;
    if (gleich != std::string::npos && gleich >= 1 && gleich <= 2 &&
        std::all_of(angabe.begin(), angabe.begin() + static_cast<long>(gleich),
                    [](char c) { return c >= '0' && c <= '9'; }))
        nummer = std::stoi(angabe.substr(0, gleich));
    if (nummer < 0 || nummer >= kGeraete)
        throw CliFehler("--device " + angabe + ": expected N=NAME with N from 0 to 15.");
    std::string name = angabe.substr(gleich + 1);
    const int index = geraetIndex(g, name);
    if (gleichOhneGross(name, "virtual")) name = "Virtual Device";
    if (index < 0) {
        std::string bekannt;
        for (const auto& e : g.Geraeteliste)
            bekannt += (bekannt.empty() ? "\"" : ", \"") + e.Anzeigename + "\"";
        throw CliFehler("--device " + angabe + ": no device \"" + name +
                        "\" is connected; known are " + bekannt + ".");
    }
    if (geraetWaehlen(g, env, nummer, index) == Fortsetzung::ProgrammBeenden)
        throw CliFehler("--device " + angabe + ": the device cannot be assigned.");
    return nummer;
}

std::string hexText(const std::uint8_t* daten, std::size_t n) {
    static const char* ziffern = "0123456789abcdef";
    std::string s(2 * n, '0');
    for (std::size_t i = 0; i < n; ++i) {
        s[2 * i] = ziffern[daten[i] >> 4];
        s[2 * i + 1] = ziffern[daten[i] & 15];
    }
    return s;
}

// Creates the temporary file of an output, or CliFehler naming it.
void ausgabeOeffnen(AtomareDatei& datei, const std::string& name, const char* was) {
    try {
        datei.oeffnen(name);
    } catch (const Laufzeitfehler& e) {
        throw CliFehler(name + ": the " + was + " cannot be created (" + e.what() + ").");
    }
}

// Puts a finished output in place, or CliFehler naming it.
void ausgabeAbschliessen(AtomareDatei& datei, const std::string& name, const char* was) {
    if (!datei.offen()) return;
    try {
        datei.abschliessen();
    } catch (const Laufzeitfehler& e) {
        throw CliFehler(name + ": the " + was + " could not be written (" + e.what() + ").");
    }
}

} // namespace

void geraeteEinrichten(CliUmgebung& u, Geraete& geraete, AusgabeZustand& a,
                       const Paletten& paletten, Einstellungen* e,
                       const std::vector<std::string>& angaben) {
    geraeteErkennen(geraete, u, e);
    if (e) {
        geraeteLaden(geraete, u.env, *e);
        ausgabeEinstellungenLaden(a, paletten, *e);
    }
    // Network DACs named or stored are given the time to be heard.
    geraeteAbwarten(geraete, u.env, kGeraeteWarten, [&] {
        for (const auto& angabe : angaben)
            if (!geraetBekannt(geraete, angabe)) return false;
        for (int n = 0; n <= geraete.MaxHardware; ++n)
            if (geraete.HardwareZuordnung[static_cast<std::size_t>(n)] == 0 &&
                offeneArt(geraete.GespeicherteKennung[static_cast<std::size_t>(n)]))
                return false;
        return true;
    });
    if (angaben.empty() && !e) {
        geraetWaehlen(geraete, u.env, 0, 1);
        a.SpurZuordnung[0][0] = true;
    }
    for (const auto& angabe : angaben) {
        const int d = geraetZuweisen(geraete, u.env, angabe);
        // Without a settings file there is no side table: named devices take side A.
        if (!e) a.SpurZuordnung[0][static_cast<std::size_t>(d)] = true;
    }
}

void befehlPlay(const PlayOptionen& o) {
    if (o.spur < 0 || o.spur >= kSpurZahl) throw CliFehler("--track must be 0 to 11.");
    if (o.zyklen < 0 || o.zyklen > kMaxZyklen)
        throw CliFehler("--cycles must be from 0 to " + std::to_string(kMaxZyklen) + ".");
    if (!(o.passMs > 0 && o.passMs <= kMaxPassMs))
        throw CliFehler("--pass-ms must be above 0 and at most 60000.");
    if (!(o.helligkeit >= 0 && o.helligkeit <= 100))
        throw CliFehler("--brightness must be from 0 to 100.");
    if (o.stufe != "out" && o.stufe != "raw") throw CliFehler("--stage must be out or raw.");

    CliUmgebung u;
    FigurenSpeicher speicher;
    Paletten paletten;
    auto a = std::make_unique<AusgabeZustand>();
    paletten.farbenKorrigieren = [&] { alleFarbenKorrigieren(a->Farben, paletten); };
    figurLaden(speicher, u, o.figur);

    auto e = einstellungsdateiOeffnen(u, o.einstellungen);
    Geraete geraete;
    geraeteEinrichten(u, geraete, *a, paletten, e.get(), o.geraete);
    Dacausgabe dac(geraete, u.env);
    dac.anmelden(*a);
    a->AusgabeGestoppt = [&] { dac.stoppen(); };

    // Every output goes to a temporary file that replaces its target only when the whole run
    // succeeded: a failure leaves the previous files as they were.
    AtomareDatei dump, records;
    std::unique_ptr<Mitschnitt> mitschnitt;
    int zyklus = 0;
    if (!o.dump.empty()) {
        ausgabeOeffnen(dump, o.dump, "dump file");
        if (o.stufe == "out") {
            mitschnitt = std::make_unique<Mitschnitt>(dump);
            a->Beobachter = mitschnitt.get();
        } else {
            a->RohlisteBeobachter = [&](int d, const Rohliste& l) {
                rohlisteSchreiben(dump, zyklus, d, l);
            };
        }
    }
    if (!o.dumpRecords.empty()) {
        ausgabeOeffnen(records, o.dumpRecords, "record dump");
        dac.gesendet = [&](int d, Geraetetyp typ, int anzahl, int pps, const std::uint8_t* daten,
                           std::size_t bytes) {
            records.schreiben("{\"cycle\":" + std::to_string(zyklus) +
                              ",\"device\":" + std::to_string(d) + ",\"kind\":\"" + artName(typ) +
                              "\",\"count\":" + std::to_string(anzahl) +
                              ",\"pps\":" + std::to_string(pps) + ",\"records\":\"" +
                              hexText(daten, bytes) + "\"}\n");
        };
    }
    IldaShowExport export_;
    if (!o.ildaExport.empty()) {
        if (!export_.starten(u.env, o.ildaExport, 5, false))
            throw CliFehler(o.ildaExport + ": the ILDA file cannot be created (" + export_.grund() +
                            ").");
        a->IldaExport = &export_;
        a->IldaShowExportAn = true;
    }

    // The command is the operator's request to output: it arms the lasers itself, whatever the
    // settings say for the window's start, at the brightness asked for.
    a->Haupt.LaserFreigabe = true;
    a->Haupt.Blackout = false;
    a->Haupt.Helligkeit = o.helligkeit / 100;
    ausgabeVorbereiten(*a, paletten);
    dac.starten(); // before the stopwatch: its wait is not part of the first pass
    AbspielenStarten(*a, u.env);
    FigurStarten(*a, speicher, o.spur, 1, a->JetztMs);
    // Streaming devices draw in real time, so the passes follow the wall clock for them.
    bool echtzeit = false;
    for (int d = 0; d <= geraete.MaxHardware; ++d) {
        const auto typ = geraete.eintrag(d).Typ;
        echtzeit = echtzeit || typ == Geraetetyp::EtherDream || typ == Geraetetyp::IDN ||
                   typ == Geraetetyp::Helios;
    }
    const auto beginn = std::chrono::steady_clock::now();
    for (zyklus = 1; zyklus <= o.zyklen; ++zyklus) {
        if (echtzeit)
            std::this_thread::sleep_until(
                beginn + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                             std::chrono::duration<double, std::milli>(o.passMs * (zyklus - 1))));
        u.uhr.vorstellen(o.passMs / 1000.0);
        AbspielenDurchlauf(*a, speicher, paletten, u.env);
        if (mitschnitt) mitschnitt->zyklusEnde(zyklus);
    }
    AbspielenStoppen(*a);
    dac.schliessen();
    // A failed write of any output fails the run before any output replaces its target.
    if (dump.fehlerhaft())
        throw CliFehler(o.dump + ": the dump file could not be written (" + dump.grund() + ").");
    if (records.fehlerhaft())
        throw CliFehler(o.dumpRecords + ": the record dump could not be written (" +
                        records.grund() + ").");
    if (!o.ildaExport.empty() && !export_.beenden(u.env))
        throw CliFehler(o.ildaExport + ": the ILDA file could not be written (" + export_.grund() +
                        ").");
    ausgabeAbschliessen(dump, o.dump, "dump file");
    ausgabeAbschliessen(records, o.dumpRecords, "record dump");
    std::cout << "played " << o.figur << " on track " << o.spur << " for " << o.zyklen
              << " cycles of " << o.passMs << " ms\n";
}

} // namespace sw::cli
