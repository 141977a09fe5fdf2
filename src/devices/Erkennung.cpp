#include "devices/Erkennung.h"

#include <string_view>
#include <vector>

namespace sw {

namespace {

constexpr int kTextLumaxVersion = 593;

// A text read by asking its length first, then into a buffer of that length; cut at a NUL.
template <typename Laenge, typename Lesen> std::string textLesen(Laenge&& laenge, Lesen&& lesen) {
    const int n = laenge();
    if (n <= 0) return {};
    std::vector<char> puffer(static_cast<std::size_t>(n) + 1, '\0');
    lesen(puffer.data(), n);
    return std::string(puffer.data());
}

bool enthaelt(std::string_view text, std::string_view teil) {
    return text.find(teil) != std::string_view::npos;
}

bool bibliothekFehlt(const Laufzeitfehler& e) {
    return e.nummer() == fehlernummer::DateiNichtGefunden;
}

} // namespace

void Init_JMLaser(Geraete& g, Umgebung& env) {
    auto& jm = *g.bibliothek.jmlaser;
    try {
        if (jm.jmLaserOpenDll() < 0) {
            env.dialoge.meldung("loading jmlaser.dll Old API Version!");
            return;
        }
        const int n = jm.jmLaserEnumerateDevices();
        if (n < 0) {
            jm.jmLaserCloseDll();
            env.dialoge.meldung("Error searching jm laser devices");
            return;
        }
        if (n == 0) {
            jm.jmLaserCloseDll();
            return;
        }
        if (jm.jmLaserGetDeviceListLength() != n)
            env.dialoge.meldung(
                "Seltsamer fehler: AnzalListenEinträge ist <> numDevices... kann doch nicht sein, "
                "oder?");
        for (int i = 0; i < n; ++i) {
            const std::string eintrag =
                textLesen([&] { return jm.jmLaserGetDeviceListEntryLength(i); },
                          [&](char* b, int l) { jm.jmLaserGetDeviceListEntry(i, b, l); });
            const std::string name =
                textLesen([&] { return jm.jmLaserGetFriendlyNameLength(eintrag); },
                          [&](char* b, int l) { jm.jmLaserGetFriendlyName(eintrag, b, l); });
            const std::string familie =
                textLesen([&] { return jm.jmLaserGetDeviceFamilyNameLength(eintrag); },
                          [&](char* b, int l) { jm.jmLaserGetDeviceFamilyName(eintrag, b, l); });
            if (familie != "NLLP") continue;
            const int handle = jm.jmLaserOpenDevice(eintrag);
            if (handle < 0) {
                env.dialoge.meldung("Fehler # opening device");
                return;
            }
            const int r = jm.jmLaserSetNumUsedColorChannels(handle, 4);
            if (r < 0)
                env.dialoge.meldung(
                    "Fehler # fehler im modul init_JMLaser.... return wert von dll aufruf war " +
                    std::to_string(r));
            GeraeteEintrag e;
            e.Typ = Geraetetyp::JMLaser;
            e.MinSpeed = jm.jmLaserGetMinSpeed(handle);
            e.MaxSpeed = jm.jmLaserGetMaxSpeed(handle);
            e.SpeedStep = static_cast<std::int16_t>(jm.jmLaserGetSpeedStep(handle));
            e.MaxFrameSize = jm.jmLaserGetMaxFrameSize(handle);
            e.Bereit = true;
            e.Farbkanaele = 4;
            e.Handle = -1;
            e.Kennung = eintrag;
            e.Anzeigename = name;
            e.Familie = familie;
            for (int richtung = 0; richtung <= 1; ++richtung) {
                const int anzahl = jm.jmLaserGetNumUniverses(handle, richtung);
                for (int u = 1; u <= anzahl; ++u) {
                    const std::string un = textLesen(
                        [&] { return jm.jmLaserGetUniverseNameLength(handle, richtung, u - 1); },
                        [&](char* b, int l) {
                            jm.jmLaserGetUniverseName(handle, richtung, u - 1, b, l);
                        });
                    const auto nummer = static_cast<std::int16_t>(u - 1);
                    if (richtung == 0 && enthaelt(un, "DMX") && enthaelt(un, "Out"))
                        e.DmxOut = true, e.DmxOutUniverse = nummer;
                    if (richtung == 0 && enthaelt(un, "TTL") && enthaelt(un, "Out"))
                        e.Ttl = true, e.TtlUniverse = nummer;
                    if (richtung == 1 && enthaelt(un, "DMX") && enthaelt(un, "In"))
                        e.DmxIn = true, e.DmxInUniverse = nummer;
                }
            }
            jm.jmLaserCloseDevice(handle);
            g.Geraeteliste.push_back(e);
        }
    } catch (const Laufzeitfehler& e) {
        const std::string text =
            "Fehler # Fehler im Modul Init_JMLaser... err =" + std::to_string(e.nummer());
        if (bibliothekFehlt(e))
            env.log.zeile(text);
        else
            env.dialoge.meldung(text);
    }
}

void Init_Lumax(Geraete& g, Umgebung& env) {
    auto& lx = *g.bibliothek.lumax;
    int schritt = 0;
    try {
        const int version = lx.Lumax_GetApiVersion();
        schritt = 1;
        env.warten(200);
        if (version < 207) {
            env.dialoge.meldung(env.texte.text(kTextLumaxVersion,
                                               "The Lumax driver is too old for this program; "
                                               "its API version is ") +
                                std::to_string(version));
            return;
        }
        const int n = lx.Lumax_GetPhysicalDevices();
        schritt = 2;
        for (int k = 1; k <= n; ++k) {
            const int handle = lx.Lumax_OpenDevice(k, 0);
            schritt = 3;
            if (handle < 1) continue;
            const std::uint8_t anfrage[4] = {0, 0, 0, 0};
            std::uint8_t info[9] = {};
            lx.Lumax_GetDeviceInfo(handle, 1, anfrage, 4, info, 9);
            std::uint8_t austausch[64] = {};
            lx.Lumax_ExchangeDevInfo(handle, anfrage, 4, austausch, sizeof austausch);
            std::uint8_t speicher[33] = {};
            lx.Lumax_Read_E2P(handle, speicher, 32, 0);
            schritt = 4;
            GeraeteEintrag e;
            e.Typ = Geraetetyp::Lumax;
            e.Handle = handle;
            e.Bereit = true;
            e.Familie = "Lumax";
            e.Kennung = e.Anzeigename = "Lumax " + std::string(reinterpret_cast<char*>(speicher));
            e.DmxIn = e.DmxOut = e.Ttl = true;
            e.Farbkanaele = 4;
            e.MaxFrameSize = 36000;
            e.SpeedStep = 1;
            g.Geraeteliste.push_back(e);
        }
    } catch (const Laufzeitfehler& e) {
        if (bibliothekFehlt(e))
            env.log.zeile("Lumax.dll nicht gefunden, wenn keine LUMAX verwendet werden soll, dann "
                          "sollte es keine Probleme geben");
        else
            env.log.zeile("Error in frmHaupt Init_Lumax, err= " + std::to_string(e.nummer()) +
                          " ko= " + std::to_string(schritt));
    }
}

void Init_Riya(Geraete& g, Umgebung& env) {
    try {
        int n = g.bibliothek.riya->RiOpenDevices();
        env.warten(200);
        if (n > 4) {
            env.dialoge.meldung("Fehler # RiyaDriver not installed");
            n = 0;
        }
        for (int k = 1; k <= n; ++k) {
            GeraeteEintrag e;
            e.Typ = Geraetetyp::Riya;
            e.MinSpeed = 1;
            e.MaxSpeed = 60000;
            e.SpeedStep = 1;
            e.MaxFrameSize = 2000;
            e.Farbkanaele = 4;
            e.Handle = k - 1;
            e.Familie = "Riya Multibus";
            e.Kennung = e.Anzeigename = "Riya Multibus" + std::to_string(k);
            g.Geraeteliste.push_back(e);
        }
    } catch (const Laufzeitfehler& e) {
        env.log.zeile("Error in frmHaupt Init_Riya, err= " + std::to_string(e.nummer()));
    }
}

void InitMLDrivers(Geraete& g, Umgebung& env) {
    auto& ml = *g.bibliothek.mldriver;
    try {
        if (!ml.MLDevicePresent()) {
            ml.MLHalt();
            return;
        }
        char name[256] = {};
        ml.MLGetName(name, sizeof name - 1);
        const std::string treiber(name);
        char puffer[256] = {};
        treiber.copy(puffer, sizeof puffer - 1);
        g.MlTreiberKennung = ml.MLRegisterDriver(puffer, sizeof puffer - 1);
        if (std::string(puffer) != "MLDevice")
            env.dialoge.meldung(
                "Fehler # error .. result of MLRegisterDriver gibs not MLDevice as result!");
        const int d = ml.MLInitDevice(g.MlTreiberKennung);
        if (d < 0) {
            env.dialoge.meldung("Fehler # Error: could not init ML Device");
            return;
        }
        GeraeteEintrag e;
        e.Typ = Geraetetyp::MLDriver;
        e.Handle = d;
        e.Familie = "ML " + treiber;
        e.Kennung = e.Anzeigename = "ML " + std::to_string(d) + " " + treiber;
        e.MaxFrameSize = 36000;
        e.Farbkanaele = 4;
        e.SpeedStep = 1;
        g.Geraeteliste.push_back(e);
    } catch (const Laufzeitfehler& e) {
        env.log.zeile("Error in frmHaupt InitMLDrivers " + std::to_string(e.nummer()));
    }
}

} // namespace sw
