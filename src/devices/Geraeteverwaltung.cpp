#include "devices/Geraeteverwaltung.h"

#include "devices/Erkennung.h"
#include "devices/Geraetesuche.h"
#include "platform/Fehlerfalle.h"

#include <algorithm>

namespace sw {

namespace {

constexpr int kTextPpsWarnung = 796;
constexpr int kTextNichtVerbunden1 = 915, kTextNichtVerbunden2 = 1038, kTextNichtVerbunden3 = 1039;
constexpr int kDmxKanaele = 512;

void schritt(Umgebung& env, const char* name) {
    env.log.trenner();
    env.log.zeile(name);
    env.log.trenner();
    env.pumpe.ereignisseVerarbeiten();
}

// Sets a Lumax device's DMX channel counts for the directions it now serves.
void lumaxDmxModus(Geraete& g, int index) {
    if (index <= 0 || index >= static_cast<int>(g.Geraeteliste.size())) return;
    const auto& e = g.Geraeteliste[static_cast<std::size_t>(index)];
    if (e.Typ != Geraetetyp::Lumax) return;
    const int senden = g.DmxAusgangsGeraet == index ? kDmxKanaele : 0;
    const int empfangen = g.DmxEingangsGeraet == index ? kDmxKanaele : 0;
    g.bibliothek.lumax->Lumax_SetDmxMode(e.Handle, senden, empfangen);
}

// A jmlaser device chosen for DMX is opened, and closed when no longer used.
void jmLaserDmxOeffnen(Geraete& g, int index, bool benutzt) {
    if (index <= 0 || index >= static_cast<int>(g.Geraeteliste.size())) return;
    auto& e = g.Geraeteliste[static_cast<std::size_t>(index)];
    if (e.Typ != Geraetetyp::JMLaser) return;
    if (benutzt && e.Handle < 0) e.Handle = g.bibliothek.jmlaser->jmLaserOpenDevice(e.Kennung);
    if (!benutzt && e.Handle >= 0) {
        bool zugeordnet = false;
        for (auto z : g.HardwareZuordnung) zugeordnet = zugeordnet || z == index;
        if (!zugeordnet) {
            g.bibliothek.jmlaser->jmLaserCloseDevice(e.Handle);
            e.Handle = -1;
        }
    }
}

} // namespace

void comboDeviceNrBauen(Geraete& g) {
    g.ComboDeviceNr.clear();
    for (int n = 0; n <= g.MaxHardware; ++n)
        g.ComboDeviceNr.push_back("Hardware:" + std::to_string(n) + " " + g.eintrag(n).Anzeigename);
}

bool offeneArt(const std::string& kennung) {
    for (const char* art : {"EtherDream ", "IDN ", "Helios "})
        if (kennung.rfind(art, 0) == 0) return true;
    return false;
}

int geraetNachName(const Geraete& g, const std::string& anzeigename) {
    for (std::size_t i = 0; i < g.Geraeteliste.size(); ++i)
        if (g.Geraeteliste[i].Anzeigename == anzeigename) return static_cast<int>(i);
    return -1;
}

void netzeinstellungenLesen(Geraete& g, Einstellungen& e) {
    auto& n = g.netz;
    const std::string adresse =
        e.textLesen("Netzwerk", "Suchadresse", n.suchAdresse, e.IniDateiAktuell);
    if (adresse != "<no value>" && !adresse.empty()) n.suchAdresse = adresse;
    auto port = [&](const char* schluessel, std::uint16_t& wert) {
        const double v = e.zahlLesen("Netzwerk", schluessel, wert, e.IniDateiAktuell);
        if (v >= 1 && v <= 65535) wert = static_cast<std::uint16_t>(v);
    };
    port("EtherDream_BroadcastPort", n.etherDreamBroadcastPort);
    port("EtherDream_TcpPort", n.etherDreamTcpPort);
    port("IDN_Port", n.idnPort);
    const std::string idn = e.textLesen("Netzwerk", "IDN_Adresse", n.idnAdresse, e.IniDateiAktuell);
    if (idn != "<no value>") n.idnAdresse = idn;
    n.idnWelle =
        e.zahlLesen("Netzwerk", "IDN_Wellenmodus", n.idnWelle ? 1 : 0, e.IniDateiAktuell) != 0;
    n.suchen = e.zahlLesen("Netzwerk", "Geraetesuche", n.suchen ? 1 : 0, e.IniDateiAktuell) != 0;
    n.latenz = std::clamp(
        static_cast<int>(e.zahlLesen("Netzwerk", "Latenz", n.latenz, e.IniDateiAktuell)), 5, 500);
}

void netzeinstellungenSchreiben(const Geraete& g, Einstellungen& e) {
    const auto& n = g.netz;
    const auto& datei = e.IniDateiAktuell;
    e.textSchreiben("Netzwerk", "Suchadresse", n.suchAdresse, datei);
    e.zahlSchreiben("Netzwerk", "EtherDream_BroadcastPort", n.etherDreamBroadcastPort, datei);
    e.zahlSchreiben("Netzwerk", "EtherDream_TcpPort", n.etherDreamTcpPort, datei);
    e.textSchreiben("Netzwerk", "IDN_Adresse", n.idnAdresse, datei);
    e.zahlSchreiben("Netzwerk", "IDN_Port", n.idnPort, datei);
    e.zahlSchreiben("Netzwerk", "IDN_Wellenmodus", n.idnWelle ? -1 : 0, datei);
    e.zahlSchreiben("Netzwerk", "Geraetesuche", n.suchen ? -1 : 0, datei);
    e.zahlSchreiben("Netzwerk", "Latenz", static_cast<float>(n.latenz), datei);
}

Fortsetzung Init_Hardware(Geraete& g, Umgebung& env) {
    try {
        // The open kinds are searched for in the background from now on; start-up does not
        // wait for them and lists what was heard by the time their steps come.
        if (g.netz.suchen && !g.suche) g.suche = std::make_unique<Geraetesuche>(g.netz);
        schritt(env, "Init ML_Driver");
        InitMLDrivers(g, env);
        schritt(env, "Init Lumax");
        Init_Lumax(g, env);
        schritt(env, "Init JMlaserDll");
        Init_JMLaser(g, env);
        schritt(env, "Init Riya");
        Init_Riya(g, env);
        schritt(env, "Init EtherDream");
        if (!g.suche) env.log.zeile("EtherDream, IDN: the background search is off");
        geraeteAbgleichen(g, env);
        schritt(env, "Init IDN");
        geraeteAbgleichen(g, env);
        schritt(env, "Init Helios");
        Init_Helios(g, env);
        if (g.suche && g.bibliothek.usb) {
            std::vector<GeraeteEintrag> bekannt;
            for (const auto& e : g.Geraeteliste)
                if (e.Typ == Geraetetyp::Helios) bekannt.push_back(e);
            g.suche->usbBeobachten(g.bibliothek.usb, bekannt);
        }

        g.lstHardwareEintraege.clear();
        for (const auto& e : g.Geraeteliste) g.lstHardwareEintraege.push_back(e.Anzeigename);
        for (auto& liste : g.comboDMXPort) liste.clear();
        for (const auto& e : g.Geraeteliste) {
            if (e.DmxOut) g.comboDMXPort[0].push_back(e.Anzeigename);
            if (e.DmxIn) g.comboDMXPort[1].push_back(e.Anzeigename);
        }
        g.comboDMXPortIndex = {0, 0};
        g.lstHardwareIndex.fill(0);
        comboDeviceNrBauen(g);
    } catch (const std::exception& e) {
        env.log.zeile(std::string("Init_Hardware: ") + e.what());
        if (env.dialoge.frage("Fehler #  in frmHaupt Init_Hardware", Knoepfe::WiederholenAbbrechen,
                              Antwort::Abbrechen) == Antwort::Abbrechen)
            return Fortsetzung::ProgrammBeenden;
    }
    return Fortsetzung::Weiter;
}

Fortsetzung Hardware_Change(Geraete& g, Umgebung& env, int DeviceNr) {
    for (;;) {
        try {
            const auto n = static_cast<std::size_t>(DeviceNr);
            const int wahl = g.lstHardwareIndex[n];
            if (wahl < 0 || wahl >= static_cast<int>(g.lstHardwareEintraege.size()))
                return Fortsetzung::Weiter;
            const std::string text = g.lstHardwareEintraege[static_cast<std::size_t>(wahl)];
            if (text.empty()) return Fortsetzung::Weiter;
            const int i = geraetNachName(g, text);
            if (i < 0) return Fortsetzung::Weiter;
            bool nochmal = false;
            if (i > 2) {
                for (int k = 0; k < kGeraete && !nochmal; ++k) {
                    if (k == DeviceNr || g.HardwareZuordnung[static_cast<std::size_t>(k)] != i)
                        continue;
                    if (env.dialoge.frage(
                            "This device is already in use as hardware no. " + std::to_string(k),
                            Knoepfe::OkAbbrechen, Antwort::Ok) == Antwort::Abbrechen) {
                        g.lstHardwareIndex[n] = 0;
                        nochmal = true;
                    }
                }
            }
            if (nochmal) continue;
            g.HardwareZuordnung[n] = static_cast<std::int16_t>(i);
            auto& e = g.Geraeteliste[static_cast<std::size_t>(i)];
            g.GespeicherteKennung[n] = e.Kennung; // a choice replaces a device awaited there
            switch (e.Typ) {
            case Geraetetyp::NoDevice:
            case Geraetetyp::Lumax:
            case Geraetetyp::MLDriver:
            case Geraetetyp::EzAudDac:
            case Geraetetyp::VirtualDevice:
            case Geraetetyp::EtherDream:
            case Geraetetyp::IDN:
            case Geraetetyp::Helios:
                break;
            case Geraetetyp::Riya:
                g.bibliothek.riya->Ri_InitChanal(static_cast<std::uint8_t>(e.Handle));
                g.bibliothek.riya->Ri_EnableDMX(static_cast<std::uint8_t>(e.Handle), true, true,
                                                true);
                break;
            case Geraetetyp::JMLaser:
                if (e.Handle < 0) e.Handle = g.bibliothek.jmlaser->jmLaserOpenDevice(e.Kennung);
                if (e.Handle >= 0 && g.ausgabeLaeuft)
                    g.bibliothek.jmlaser->jmLaserStartOutput(e.Handle);
                if (e.Handle < 0) {
                    env.dialoge.meldung("Fehler # opening jmlaser.dll device " + e.Anzeigename);
                    return Fortsetzung::Weiter;
                }
                break;
            default:
                env.dialoge.meldung("Fehler # fehler im modul hardware_Change... kein passender "
                                    "dllname  gefunden!");
            }
            comboDeviceNrBauen(g);
            return Fortsetzung::Weiter;
        } catch (const std::exception& e) {
            env.log.zeile(std::string("Hardware_Change: ") + e.what());
            const int nummer = fehlernummerVon(e);
            if (env.dialoge.frage("Fehler #  in frmHaupt Hardware_Change. Device Nr_" +
                                      std::to_string(DeviceNr) + " Err = " + std::to_string(nummer),
                                  Knoepfe::WiederholenAbbrechen,
                                  Antwort::Abbrechen) == Antwort::Abbrechen)
                return Fortsetzung::ProgrammBeenden;
        }
    }
}

Fortsetzung geraetWaehlen(Geraete& g, Umgebung& env, int n, int index) {
    if (n < 0 || n >= kGeraete) return Fortsetzung::Weiter;
    g.lstHardwareIndex[static_cast<std::size_t>(n)] = index;
    return Hardware_Change(g, env, n);
}

void scrPPS_Change(Geraete& g, Umgebung& env, Einstellungen& e, int wert) {
    if (g.optionenLaden) return;
    const int n = g.ComboDeviceNrIndex;
    if (n < 0 || n >= kGeraete) return;
    auto& pps = g.PPSWert[static_cast<std::size_t>(n)];
    pps = 2 * wert;
    g.lblPPS = std::to_string(pps);
    if (pps > 25000 && e.zahlLesen("PPS_Warnung", "DAC_Angezeigt", 0, e.IniDateiAktuell) == 0) {
        const std::string text = env.texte.text(
            kTextPpsWarnung, "More than 25000 points per second can damage the scanners of many "
                             "lasers. Show this warning again?");
        if (env.dialoge.frage(text, Knoepfe::JaNein, Antwort::Ja) == Antwort::Nein)
            e.zahlSchreiben("PPS_Warnung", "DAC_Angezeigt", -1, e.IniDateiAktuell);
    }
}

void comboDMXPort_Click(Geraete& g, Umgebung& env, Einstellungen& e, int Index,
                        const std::string& text) {
    if (Index < 0 || Index > 1) return;
    const int neu = geraetNachName(g, text);
    if (neu < 0) return;
    mitFehlerfalle(env, " in frmHaupt comboDMXPort_Click", Meldeart::Log, [&] {
        std::int16_t& ziel = Index == 0 ? g.DmxAusgangsGeraet : g.DmxEingangsGeraet;
        const int alt = ziel;
        ziel = static_cast<std::int16_t>(neu);
        lumaxDmxModus(g, alt);
        lumaxDmxModus(g, neu);
        jmLaserDmxOeffnen(g, neu, true);
        if (alt != neu)
            jmLaserDmxOeffnen(g, alt, g.DmxAusgangsGeraet == alt || g.DmxEingangsGeraet == alt);
        const auto& liste = g.comboDMXPort[static_cast<std::size_t>(Index)];
        for (std::size_t i = 0; i < liste.size(); ++i)
            if (liste[i] == text)
                g.comboDMXPortIndex[static_cast<std::size_t>(Index)] = static_cast<int>(i);
    });
    e.textSchreiben("Optionen_4_frmdmx", Index == 0 ? "DMX_OutputDevice" : "DMX_InputDevice", text,
                    e.IniDateiAktuell);
}

Fortsetzung geraeteLaden(Geraete& g, Umgebung& env, Einstellungen& e) {
    for (int n = 0; n <= g.MaxHardware; ++n) {
        const auto i = static_cast<std::size_t>(n);
        g.HardwareZuordnung[i] = 0;
        const std::string name =
            e.textLesen("Optionen_Hardware", "Device.DeviceName_" + std::to_string(n), "No Device",
                        e.IniDateiAktuell);
        bool gefunden = false;
        for (std::size_t k = 0; k < g.Geraeteliste.size(); ++k) {
            if (g.Geraeteliste[k].Kennung != name) continue;
            gefunden = true;
            g.HardwareZuordnung[i] = static_cast<std::int16_t>(k);
            if (geraetWaehlen(g, env, n, static_cast<int>(k)) == Fortsetzung::ProgrammBeenden)
                return Fortsetzung::ProgrammBeenden;
            break;
        }
        // A DAC of an open kind may simply not have been heard yet: it goes on its logical
        // device when it comes.
        const bool erwartet = !gefunden && g.suche && offeneArt(name);
        g.GespeicherteKennung[i] = erwartet ? name : g.eintrag(n).Kennung;
        if (erwartet)
            env.log.zeile(name + " for hardware no. " + std::to_string(n) +
                          ": not heard yet, put on it when it comes");
        else if (!gefunden && name != "No Device")
            env.dialoge.meldung(env.texte.text(kTextNichtVerbunden1, "The laser device") + " " +
                                name + " " +
                                env.texte.text(kTextNichtVerbunden2, "stored for hardware no.") +
                                " " + std::to_string(n) + " " +
                                env.texte.text(kTextNichtVerbunden3, "is not connected."));
        std::int32_t pps = g.PPSWert[i];
        zahlInWert(e, "Optionen_Optimierung", schluessel("PPS", n), pps);
        g.PPSWert[i] = pps;
    }
    for (int index = 0; index <= 1; ++index) {
        const std::string name =
            e.textLesen("Optionen_4_frmdmx", index == 0 ? "DMX_OutputDevice" : "DMX_InputDevice",
                        "No Device", e.IniDateiAktuell);
        if (geraetNachName(g, name) >= 0) comboDMXPort_Click(g, env, e, index, name);
    }
    return Fortsetzung::Weiter;
}

void geraeteSpeichern(const Geraete& g, Einstellungen& e) {
    for (int n = 0; n <= g.MaxHardware; ++n) {
        // A DAC awaited there keeps its place until another device is chosen.
        const auto& erwartet = g.GespeicherteKennung[static_cast<std::size_t>(n)];
        const bool wartet = g.HardwareZuordnung[static_cast<std::size_t>(n)] == 0 &&
                            erwartet != "No Device" && offeneArt(erwartet);
        e.textSchreiben("Optionen_Hardware", "Device.DeviceName_" + std::to_string(n),
                        wartet ? erwartet : g.eintrag(n).Kennung, e.IniDateiAktuell);
        wertAlsZahl(e, "Optionen_Optimierung", schluessel("PPS", n),
                    g.PPSWert[static_cast<std::size_t>(n)]);
    }
    e.textSchreiben("Optionen_4_frmdmx", "DMX_OutputDevice",
                    g.Geraeteliste[static_cast<std::size_t>(g.DmxAusgangsGeraet)].Anzeigename,
                    e.IniDateiAktuell);
    e.textSchreiben("Optionen_4_frmdmx", "DMX_InputDevice",
                    g.Geraeteliste[static_cast<std::size_t>(g.DmxEingangsGeraet)].Anzeigename,
                    e.IniDateiAktuell);
}

bool simulationsgeraetEinsetzen(Simulationsgeraet& s, Geraete& g, Umgebung& env,
                                AusgabeZustand& a) {
    if (s.eingesetzt) return false;
    for (auto t : a.Geraetetyp)
        if (t != geraetetyp::KeinGeraet) return false;
    const auto& liste = g.lstHardwareEintraege;
    const auto virtuell = std::find(liste.begin(), liste.end(), "Virtual Device");
    if (virtuell == liste.end()) return false;
    s.vorherIndex = g.lstHardwareIndex[0];
    s.vorherZuordnung = a.SpurZuordnung[0][0];
    s.vorherErwartet = g.GespeicherteKennung[0];
    geraetWaehlen(g, env, 0, static_cast<int>(virtuell - liste.begin()));
    a.Geraetetyp[0] = static_cast<std::int16_t>(g.eintrag(0).Typ);
    a.SpurZuordnung[0][0] = true;
    s.eingesetzt = true;
    return true;
}

void simulationsgeraetEntfernen(Simulationsgeraet& s, Geraete& g, Umgebung& env,
                                AusgabeZustand& a) {
    if (!s.eingesetzt) return;
    s.eingesetzt = false;
    geraetWaehlen(g, env, 0, s.vorherIndex);
    if (g.HardwareZuordnung[0] == 0) {
        // The DAC awaited there may have come while the simulation held the place.
        g.GespeicherteKennung[0] = s.vorherErwartet;
        for (std::size_t i = 2; i < g.Geraeteliste.size(); ++i)
            if (g.Geraeteliste[i].Bereit && g.Geraeteliste[i].Kennung == s.vorherErwartet &&
                offeneArt(s.vorherErwartet))
                geraetWaehlen(g, env, 0, static_cast<int>(i));
    }
    a.Geraetetyp[0] = static_cast<std::int16_t>(g.eintrag(0).Typ);
    a.SpurZuordnung[0][0] = s.vorherZuordnung;
}

} // namespace sw
