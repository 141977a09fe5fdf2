#include "app/Einstellungen.h"
#include "cli/Befehle.h"
#include "cli/Dateien.h"
#include "cli/Json.h"
#include "output/Ausgabe.h"
#include "platform/Text.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace sw::cli {

namespace {

// Writes one JSON line per cycle and device with the points handed over to the writers.
class Mitschnitt : public Punktbeobachter {
public:
    explicit Mitschnitt(std::ostream& aus) : aus_(aus) {}
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
            aus_ << "{\"cycle\":" << zyklus << ",\"device\":" << d << ",\"points\":[" << z
                 << "]}\n";
            z.clear();
        }
    }

private:
    std::ostream& aus_;
    std::array<std::string, kGeraete> zeilen_;
};

void rohlisteSchreiben(std::ostream& aus, int zyklus, int geraet, const Rohliste& l) {
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
    aus << z << "]}\n";
}

// "N=virtual": the logical device N gets the Virtual Device.
int geraetZuweisen(AusgabeZustand& a, const std::string& angabe) {
    const auto gleich = angabe.find('=');
    int nummer = -1;
    try {
        if (gleich != std::string::npos) nummer = std::stoi(angabe.substr(0, gleich));
    } catch (const std::exception&) {
    }
    if (nummer < 0 || nummer >= kGeraete)
        throw CliFehler("--device " + angabe + ": expected N=NAME with N from 0 to 15.");
    const std::string name = angabe.substr(gleich + 1);
    if (!gleichOhneGross(name, "virtual") && !gleichOhneGross(name, "Virtual Device"))
        throw CliFehler("--device " + angabe + ": unknown device \"" + name +
                        "\"; known is \"virtual\" (the Virtual Device).");
    a.Geraetetyp[static_cast<std::size_t>(nummer)] = geraetetyp::VirtuellesGeraet;
    return nummer;
}

} // namespace

void befehlPlay(const PlayOptionen& o) {
    if (o.spur < 0 || o.spur >= kSpurZahl) throw CliFehler("--track must be 0 to 11.");
    if (o.zyklen < 0) throw CliFehler("--cycles must not be negative.");
    if (!(o.passMs > 0)) throw CliFehler("--pass-ms must be above 0.");
    if (o.stufe != "out" && o.stufe != "raw") throw CliFehler("--stage must be out or raw.");

    CliUmgebung u;
    FigurenSpeicher speicher;
    Paletten paletten;
    auto a = std::make_unique<AusgabeZustand>();
    figurLaden(speicher, u, o.figur);

    if (!o.einstellungen.empty()) {
        if (!std::filesystem::is_regular_file(o.einstellungen))
            throw CliFehler(o.einstellungen + ": the settings file does not exist.");
        Einstellungen e(u.log, u.pumpe);
        e.IniPfad = o.einstellungen;
        ausgabeEinstellungenLaden(*a, paletten, e);
    }
    if (o.geraete.empty()) {
        a->Geraetetyp[0] = geraetetyp::VirtuellesGeraet;
        a->SpurZuordnung[0][0] = true;
    }
    for (const auto& angabe : o.geraete) {
        const int d = geraetZuweisen(*a, angabe);
        // Without a settings file there is no side table: named devices take side A.
        if (o.einstellungen.empty()) a->SpurZuordnung[0][static_cast<std::size_t>(d)] = true;
    }

    std::ofstream dump;
    std::unique_ptr<Mitschnitt> mitschnitt;
    int zyklus = 0;
    if (!o.dump.empty()) {
        dump.open(o.dump, std::ios::binary);
        if (!dump) throw CliFehler(o.dump + ": the dump file cannot be created.");
        if (o.stufe == "out") {
            mitschnitt = std::make_unique<Mitschnitt>(dump);
            a->Beobachter = mitschnitt.get();
        } else {
            a->RohlisteBeobachter = [&](int d, const Rohliste& l) {
                rohlisteSchreiben(dump, zyklus, d, l);
            };
        }
    }
    IldaShowExport export_;
    if (!o.ildaExport.empty()) {
        if (!export_.starten(u.env, o.ildaExport, 5, false))
            throw CliFehler(o.ildaExport + ": the ILDA file cannot be created.");
        a->IldaExport = &export_;
        a->IldaShowExportAn = true;
    }

    ausgabeVorbereiten(*a, paletten);
    AbspielenStarten(*a, u.env);
    FigurStarten(*a, speicher, o.spur, 1, a->JetztMs);
    for (zyklus = 1; zyklus <= o.zyklen; ++zyklus) {
        u.uhr.vorstellen(o.passMs / 1000.0);
        AbspielenDurchlauf(*a, speicher, paletten, u.env);
        if (mitschnitt) mitschnitt->zyklusEnde(zyklus);
    }
    AbspielenStoppen(*a);
    if (export_.laeuft() && !export_.beenden(u.env))
        throw CliFehler(o.ildaExport + ": the ILDA file could not be completed.");
    if (dump.is_open()) {
        dump.close();
        if (!dump) throw CliFehler(o.dump + ": the dump file could not be written.");
    }
    std::cout << "played " << o.figur << " on track " << o.spur << " for " << o.zyklen
              << " cycles of " << o.passMs << " ms\n";
}

} // namespace sw::cli
