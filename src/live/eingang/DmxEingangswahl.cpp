#include "live/eingang/DmxEingangswahl.h"

#include "devices/Geraeteverwaltung.h"
#include "live/eingang/ArtNetEingang.h"
#include "live/eingang/EingangTexte.h"
#include "live/eingang/OlaEingang.h"
#include "live/eingang/SacnEingang.h"

#include <algorithm>
#include <exception>

namespace sw {

namespace {

constexpr const char* kAbschnitt = "Optionen_4_frmdmx";

std::vector<std::string> netzEingaenge() {
    std::vector<std::string> namen{kArtNetEingangName, kSacnEingangName};
    if (olaGebaut()) namen.push_back(kOlaEingangName);
    return namen;
}

bool istNetzEingang(const std::string& text) {
    const auto namen = netzEingaenge();
    return std::find(namen.begin(), namen.end(), text) != namen.end();
}

std::uint16_t portLesen(Einstellungen& e, const char* schluessel, std::uint16_t standard) {
    const float wert = e.zahlLesen(kAbschnitt, schluessel, standard, e.IniDateiAktuell);
    return wert >= 1 && wert <= 65535 ? static_cast<std::uint16_t>(wert) : standard;
}

} // namespace

DmxEingangsEinstellungen dmxEingangsEinstellungenLesen(Einstellungen& e) {
    DmxEingangsEinstellungen d;
    d.geraet = e.textLesen(kAbschnitt, "DMX_InputDevice", d.geraet, e.IniDateiAktuell);
    const float u = e.zahlLesen(kAbschnitt, "DMX_InputUniverse", 1, e.IniDateiAktuell);
    d.universum = u >= 0 && u <= 63999 ? static_cast<int>(u) : 1;
    const std::string adresse =
        e.textLesen(kAbschnitt, "DMX_InputBindAddress", d.bindAdresse, e.IniDateiAktuell);
    if (!adresse.empty()) d.bindAdresse = adresse;
    d.artNetPort = portLesen(e, "ArtNet_Port", d.artNetPort);
    d.sacnPort = portLesen(e, "sACN_Port", d.sacnPort);
    d.olaPort = portLesen(e, "OLA_Port", d.olaPort);
    return d;
}

void dmxEingangsEinstellungenSchreiben(Einstellungen& e, const DmxEingangsEinstellungen& d) {
    e.textSchreiben(kAbschnitt, "DMX_InputDevice", d.geraet, e.IniDateiAktuell);
    e.zahlSchreiben(kAbschnitt, "DMX_InputUniverse", static_cast<float>(d.universum),
                    e.IniDateiAktuell);
    e.textSchreiben(kAbschnitt, "DMX_InputBindAddress", d.bindAdresse, e.IniDateiAktuell);
    e.zahlSchreiben(kAbschnitt, "ArtNet_Port", d.artNetPort, e.IniDateiAktuell);
    e.zahlSchreiben(kAbschnitt, "sACN_Port", d.sacnPort, e.IniDateiAktuell);
    e.zahlSchreiben(kAbschnitt, "OLA_Port", d.olaPort, e.IniDateiAktuell);
}

void dmxEingaengeEintragen(Geraete& g, Einstellungen& e) {
    auto& liste = g.comboDMXPort[1];
    for (const auto& name : netzEingaenge())
        if (std::find(liste.begin(), liste.end(), name) == liste.end()) liste.push_back(name);
    const std::string gewaehlt =
        e.textLesen(kAbschnitt, "DMX_InputDevice", "No Device", e.IniDateiAktuell);
    if (!istNetzEingang(gewaehlt)) return;
    const auto it = std::find(liste.begin(), liste.end(), gewaehlt);
    g.comboDMXPortIndex[1] = static_cast<int>(it - liste.begin());
}

void dmxEingangWaehlen(Geraete& g, Umgebung& env, Einstellungen& e, const std::string& text) {
    if (!istNetzEingang(text)) {
        comboDMXPort_Click(g, env, e, 1, text);
        return;
    }
    // No DAC library serves DMX input any more: "No Device" releases the previous one.
    comboDMXPort_Click(g, env, e, 1, "No Device");
    const auto& liste = g.comboDMXPort[1];
    const auto it = std::find(liste.begin(), liste.end(), text);
    if (it != liste.end()) g.comboDMXPortIndex[1] = static_cast<int>(it - liste.begin());
    e.textSchreiben(kAbschnitt, "DMX_InputDevice", text, e.IniDateiAktuell);
}

std::unique_ptr<DmxEingang> dmxEingangOeffnen(Geraete& g, Umgebung& env, Einstellungen& e) {
    const auto d = dmxEingangsEinstellungenLesen(e);
    const auto u = static_cast<std::uint16_t>(d.universum);
    try {
        if (d.geraet == kArtNetEingangName)
            return std::make_unique<ArtNetEingang>(ArtNetOptionen{u, d.bindAdresse, d.artNetPort});
        if (d.geraet == kSacnEingangName)
            return std::make_unique<SacnEingang>(SacnOptionen{u, d.bindAdresse, d.sacnPort, true});
        if (d.geraet == kOlaEingangName) {
            if (!olaGebaut()) {
                env.log.zeile(env.texte.text(eingangtext::OlaNichtGebaut));
                return nullptr;
            }
            const std::string nichtDa =
                env.texte.text(eingangtext::OlaNichtErreichbar) + " " + std::to_string(d.olaPort);
            return std::make_unique<OlaEingang>(
                OlaOptionen{static_cast<unsigned>(d.universum), d.olaPort}, nichtDa,
                [&env](const std::string& zeile) { env.log.zeile(zeile); });
        }
    } catch (const std::exception& fehler) {
        env.log.zeile(env.texte.text(eingangtext::DmxEingangFehler) + " " + fehler.what());
        return nullptr;
    }
    const int i = g.DmxEingangsGeraet;
    if (i <= 0 || i >= static_cast<int>(g.Geraeteliste.size())) return nullptr;
    const auto& eintrag = g.Geraeteliste[static_cast<std::size_t>(i)];
    const int handle = eintrag.Handle;
    if (eintrag.Typ == Geraetetyp::Lumax && g.bibliothek.lumax) {
        auto* lumax = g.bibliothek.lumax.get();
        return std::make_unique<BibliothekDmxEingang>(
            eintrag.Anzeigename, [lumax, handle](std::uint8_t* p, int n) {
                return lumax->Lumax_ReceiveDmx(handle, p, n);
            });
    }
    if (eintrag.Typ == Geraetetyp::JMLaser && g.bibliothek.jmlaser) {
        auto* jm = g.bibliothek.jmlaser.get();
        const int universum = eintrag.DmxInUniverse;
        return std::make_unique<BibliothekDmxEingang>(
            eintrag.Anzeigename, [jm, handle, universum](std::uint8_t* p, int n) {
                return jm->jmLaserUniverseRead(handle, universum, p, n);
            });
    }
    return nullptr;
}

bool BibliothekDmxEingang::neuesterFrame(DmxFrame& frame) {
    DmxFrame neu{};
    try {
        if (lesen_(neu.data(), kDmxKanaele) != 0) return false;
    } catch (const std::exception&) {
        return false; // the library is missing: no input
    }
    if (gelesen_ && neu == letzter_) return false;
    gelesen_ = true;
    letzter_ = neu;
    frame = neu;
    return true;
}

} // namespace sw
