#pragma once
// A pipeline with one figure and a writer that records what each device receives.

#include "TestHilfe.h"
#include "einstellungen/Einstellungen.h"
#include "output/Ausgabe.h"
#include "output/Optimierung.h"

#include <map>
#include <memory>
#include <vector>

namespace sw::test {

struct Aufzeichner : Geraeteschreiber {
    std::map<int, std::vector<Ausgabepunkt>> punkte;
    std::map<int, int> gesendet;
    void zyklusBeginn(int) override {}
    void punkt(int d, const Ausgabepunkt& p) override { punkte[d].push_back(p); }
    void senden(int d) override { ++gesendet[d]; }
};

// Walks a list of entries already in device coordinates (the geometry pass does nothing).
inline std::vector<Ausgabepunkt> walk(const Optimierungseinstellungen& o,
                                      std::vector<Listenpunkt> e, bool messen = false) {
    Rohliste l;
    for (const auto& p : e) l.anhaengen(p);
    std::vector<Ausgabepunkt> aus;
    OptimiceAusgabe(
        o, messen, l, [](Rohliste&) {}, [&](const Ausgabepunkt& p) { aus.push_back(p); });
    return aus;
}

// A white entry; `strecke` marks it as the end of a drawn segment.
inline Listenpunkt hell(int x, int y, bool strecke = true) {
    Listenpunkt p{x, y, 255, 255, 255, 255};
    p.Strecke = strecke;
    return p;
}

inline bool dunkel(const Ausgabepunkt& p) {
    return p.R == 0 && p.G == 0 && p.B == 0 && p.I == 0;
}

// A settings file in a scratch folder, for the round trips.
struct Einstellungsdatei {
    Kratzordner tmp;
    TestUmgebung u;
    Einstellungen e{u.log, u.pumpe};
    Einstellungsdatei() { e.IniPfad = (tmp / "s.ini").string(); }
    std::optional<std::string> lesen(const std::string& abschnitt, const std::string& schluessel) {
        return e.ini().lesen(e.IniPfad, abschnitt, schluessel);
    }
};

struct Pipeline {
    TestUmgebung u;
    FigurenSpeicher s;
    Paletten p;
    std::unique_ptr<AusgabeZustand> a = std::make_unique<AusgabeZustand>();
    Aufzeichner schreiber;

    Pipeline() {
        a->Schreiber[geraetetyp::VirtuellesGeraet] = &schreiber;
        FigurenErweitern(s, 1);
        ausgabeVorbereiten(*a, p);
    }
    // Device d as a Virtual Device on side `seite`.
    void geraet(int d, int seite = 0) {
        a->Geraetetyp[static_cast<std::size_t>(d)] = geraetetyp::VirtuellesGeraet;
        a->SpurZuordnung[static_cast<std::size_t>(seite)][static_cast<std::size_t>(d)] = true;
    }
    // Figure 1 with one frame of the given points (after the placeholder point 0).
    Figur& figur(std::vector<Punkt> punkte) {
        Figur f;
        f.Frames[0].Punkte.insert(f.Frames[0].Punkte.end(), punkte.begin(), punkte.end());
        s.Figuren[1] = f;
        return s.Figuren[1];
    }
    void starten(int spur = 0) { FigurStarten(*a, s, spur, 1, 0); }
    const Rohliste& liste(int d) { return a->Ausgabeliste[static_cast<std::size_t>(d)]; }
    void routine() {
        for (auto& l : a->Ausgabeliste) l.leeren();
        for (int seite = 0; seite < kSeiten; ++seite) AusgabeRoutine(*a, s, p, seite);
    }
    void zyklus(double passMs = 20) {
        a->Uhr.passdauer = passMs;
        Ausgabezyklus(*a, s, p, u.env);
    }
};

} // namespace sw::test
