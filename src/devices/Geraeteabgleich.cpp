#include "devices/Geraetesuche.h"
#include "devices/Geraeteverwaltung.h"

#include <thread>

namespace sw {

namespace {

int nachKennung(const Geraete& g, const std::string& kennung) {
    for (std::size_t i = 0; i < g.Geraeteliste.size(); ++i)
        if (g.Geraeteliste[i].Kennung == kennung) return static_cast<int>(i);
    return -1;
}

// A new device goes to the end of the list, so every index stored so far stays valid.
int anhaengen(Geraete& g, GeraeteEintrag e) {
    g.lstHardwareEintraege.push_back(e.Anzeigename);
    if (e.DmxOut) g.comboDMXPort[0].push_back(e.Anzeigename);
    if (e.DmxIn) g.comboDMXPort[1].push_back(e.Anzeigename);
    g.Geraeteliste.push_back(std::move(e));
    return static_cast<int>(g.Geraeteliste.size()) - 1;
}

} // namespace

std::vector<int> geraeteAbgleichen(Geraete& g, Umgebung& env) {
    std::vector<int> belegt;
    if (!g.suche) return belegt;
    using Art = Geraetemeldung::Art;
    for (auto& m : g.suche->abholen()) {
        if (m.art == Art::Problem) {
            env.log.zeile(m.zeile);
            continue;
        }
        int i = nachKennung(g, m.eintrag.Kennung);
        if (m.art == Art::Verschwunden) {
            if (i < 0) continue;
            auto& e = g.Geraeteliste[static_cast<std::size_t>(i)];
            if (!e.Bereit) continue; // told already
            e.Bereit = false;
            env.log.zeile(m.zeile);
            if (g.beiVerschwinden) g.beiVerschwinden(e);
            continue;
        }
        env.log.zeile(m.zeile);
        if (i < 0) {
            i = anhaengen(g, std::move(m.eintrag));
        } else {
            // Heard again, perhaps at another address (DHCP): the next connection goes there.
            auto& e = g.Geraeteliste[static_cast<std::size_t>(i)];
            e.Netzadresse = m.eintrag.Netzadresse;
            e.Netzport = m.eintrag.Netzport;
            e.Bereit = true;
        }
        const auto& e = g.Geraeteliste[static_cast<std::size_t>(i)];
        for (int n = 0; n <= g.MaxHardware; ++n) {
            const auto k = static_cast<std::size_t>(n);
            if (g.HardwareZuordnung[k] != 0 || g.GespeicherteKennung[k] != e.Kennung) continue;
            geraetWaehlen(g, env, n, i);
            if (g.HardwareZuordnung[k] != i) continue;
            env.log.zeile(e.Anzeigename + " put on hardware no. " + std::to_string(n));
            belegt.push_back(n);
        }
    }
    return belegt;
}

void geraeteAbwarten(Geraete& g, Umgebung& env, int millisekunden,
                     const std::function<bool()>& fertig) {
    if (!g.suche) return;
    for (;;) {
        geraeteAbgleichen(g, env);
        if ((fertig && fertig()) || g.suche->seitStart().count() >= millisekunden) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void geraetesucheBeenden(Geraete& g) {
    if (g.suche) g.suche->beenden();
}

} // namespace sw
