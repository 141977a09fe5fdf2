#pragma once
// A pipeline with emulated DACs: figure 1 on track 0, side A, devices as assigned.

#include "TestHilfe.h"
#include "devices/Emulation.h"
#include "devices/Geraeteverwaltung.h"
#include "devices/Treiber.h"
#include "output/Ausgabe.h"

#include <chrono>
#include <memory>
#include <thread>

namespace sw::test {

struct Anlage {
    TestUmgebung u;
    FigurenSpeicher s;
    Paletten p;
    Geraete g;
    std::unique_ptr<AusgabeZustand> a = std::make_unique<AusgabeZustand>();
    std::unique_ptr<Dacausgabe> dac;
    std::chrono::steady_clock::time_point letzterDurchlauf;

    // The background search is off unless a test asks for it; then it stays on loopback.
    static Netzeinstellungen ohneNetz() {
        Netzeinstellungen n;
        n.suchAdresse = "127.0.0.1";
        n.suchen = false;
        n.idnAdresse = "127.0.0.1";
        return n;
    }

    explicit Anlage(const std::string& emulation, Netzeinstellungen netz = ohneNetz()) {
        g.netz = netz;
        emu::einrichten(g.bibliothek, u.uhr, emulation);
        Init_Hardware(g, u.env);
        dac = std::make_unique<Dacausgabe>(g, u.env);
        a->AusgabeGestoppt = [this] { dac->stoppen(); };
        FigurenErweitern(s, 1);
    }
    // Logical device n gets the listed device of that name, on side A.
    void zuordnen(int n, const std::string& name, int pps = 20000) {
        geraetWaehlen(g, u.env, n, geraetNachName(g, name));
        g.PPSWert[static_cast<std::size_t>(n)] = pps;
        a->SpurZuordnung[0][static_cast<std::size_t>(n)] = true;
    }
    void figur(std::vector<Punkt> punkte) {
        Figur f;
        f.Frames[0].Punkte.insert(f.Frames[0].Punkte.end(), punkte.begin(), punkte.end());
        s.Figuren[1] = f;
    }
    void starten() {
        letzterDurchlauf = std::chrono::steady_clock::now();
        dac->anmelden(*a);
        ausgabeVorbereiten(*a, p);
        dac->starten();
        AbspielenStarten(*a, u.env);
        FigurStarten(*a, s, 0, 1, a->JetztMs);
    }
    void durchlauf(double ms) {
        u.uhr.vorstellen(ms / 1000);
        AbspielenDurchlauf(*a, s, p, u.env);
    }
    // Passes every 2 ms in real time, each as long as the time since the one before.
    void spielen(double sekunden) {
        using Uhrzeit = std::chrono::steady_clock;
        const auto ende = Uhrzeit::now() + std::chrono::duration<double>(sekunden);
        while (Uhrzeit::now() < ende) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            const auto jetzt = Uhrzeit::now();
            durchlauf(std::chrono::duration<double, std::milli>(jetzt - letzterDurchlauf).count());
            letzterDurchlauf = jetzt;
        }
    }
    emu::Lumax& lumax() { return static_cast<emu::Lumax&>(*g.bibliothek.lumax); }
    emu::JmLaser& jmlaser() { return static_cast<emu::JmLaser&>(*g.bibliothek.jmlaser); }
    emu::Riya& riya() { return static_cast<emu::Riya&>(*g.bibliothek.riya); }
    emu::MlDriver& ml() { return static_cast<emu::MlDriver&>(*g.bibliothek.mldriver); }
};

} // namespace sw::test
