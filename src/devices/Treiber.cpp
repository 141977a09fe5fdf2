#include "devices/Treiber.h"

#include "devices/Punktformate.h"
#include "devices/netz/EtherDreamProtokoll.h"
#include "devices/netz/EtherDreamStrom.h"
#include "devices/netz/IdnProtokoll.h"
#include "devices/netz/IdnStrom.h"
#include "devices/usb/HeliosProtokoll.h"
#include "devices/usb/HeliosStrom.h"
#include "platform/Fehler.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

bool istVendorArt(Geraetetyp t) {
    return t == Geraetetyp::Lumax || t == Geraetetyp::JMLaser || t == Geraetetyp::Riya ||
           t == Geraetetyp::MLDriver;
}

void etherDreamKodieren(const Ausgabepunkt& p, std::uint8_t* z) {
    etherdream::punktSchreiben(etherdream::ausAusgabepunkt(p), z);
}

void idnKodieren(const Ausgabepunkt& p, std::uint8_t* z) {
    idn::sampleSchreiben(idn::ausAusgabepunkt(p), z);
}

void heliosKodieren(const Ausgabepunkt& p, std::uint8_t* z) {
    helios::punktSchreiben(helios::ausAusgabepunkt(p), z);
}

bool istStromArt(Geraetetyp t) {
    return t == Geraetetyp::EtherDream || t == Geraetetyp::IDN || t == Geraetetyp::Helios;
}

constexpr std::uint32_t kStandardRate = 30000;

} // namespace

const char* artName(Geraetetyp typ) {
    switch (typ) {
    case Geraetetyp::Lumax:
        return "lumax";
    case Geraetetyp::JMLaser:
        return "jmlaser";
    case Geraetetyp::Riya:
        return "riya";
    case Geraetetyp::MLDriver:
        return "ml";
    case Geraetetyp::EzAudDac:
        return "ezauddac";
    case Geraetetyp::VirtualDevice:
        return "virtual";
    case Geraetetyp::EtherDream:
        return "etherdream";
    case Geraetetyp::IDN:
        return "idn";
    case Geraetetyp::Helios:
        return "helios";
    default:
        return "none";
    }
}

KindSchreiber::KindSchreiber(Dacausgabe& a, Geraetetyp typ, std::size_t recordGroesse, int wachstum,
                             void (*kodieren)(const Ausgabepunkt&, std::uint8_t*), const char* name)
    : ausgabe_(a), typ_(typ), groesse_(recordGroesse), wachstum_(wachstum), kodieren_(kodieren),
      fehlerText_(std::string(" wurde ausgeloest in Sub ") + name), puffer_(recordGroesse * 4096) {}

void KindSchreiber::zyklusBeginn(int) {
    zaehler_ = -1;
}

void KindSchreiber::punkt(int, const Ausgabepunkt& p) {
    const long neu = zaehler_ + 1;
    if (static_cast<std::size_t>(neu + 1) * groesse_ > puffer_.size())
        puffer_.resize(puffer_.size() * static_cast<std::size_t>(wachstum_));
    try {
        kodieren_(p, puffer_.data() + static_cast<std::size_t>(neu) * groesse_);
        zaehler_ = neu;
    } catch (const Laufzeitfehler& e) {
        ausgabe_.env_.log.fehler(e.nummer(), fehlerText_); // the point is lost
    }
}

void KindSchreiber::senden(int geraet) {
    ausgabe_.senden(*this, geraet);
}

Dacausgabe::Dacausgabe(Geraete& g, Umgebung& env) : g_(g), env_(env) {
    schreiber_.push_back(std::make_unique<KindSchreiber>(*this, Geraetetyp::Lumax, format::kLumax,
                                                         5, &format::lumaxKodieren, "Lumax_Feld"));
    schreiber_.push_back(std::make_unique<KindSchreiber>(
        *this, Geraetetyp::JMLaser, format::kJmLaser, 5, &format::jmLaserKodieren, "jmlaser_Feld"));
    schreiber_.push_back(std::make_unique<KindSchreiber>(*this, Geraetetyp::Riya, format::kRiya, 5,
                                                         &format::riyaKodieren, "Riya_Feld"));
    schreiber_.push_back(
        std::make_unique<KindSchreiber>(*this, Geraetetyp::MLDriver, format::kMlDriver, 2,
                                        &format::mlDriverKodieren, "MLDriver_Feld"));
    schreiber_.push_back(std::make_unique<KindSchreiber>(*this, Geraetetyp::EtherDream,
                                                         etherdream::kPunktBytes, 2,
                                                         &etherDreamKodieren, "EtherDream_Feld"));
    schreiber_.push_back(std::make_unique<KindSchreiber>(
        *this, Geraetetyp::IDN, idn::kSampleBytes, 2, &idnKodieren, "IDN_Feld"));
    schreiber_.push_back(std::make_unique<KindSchreiber>(
        *this, Geraetetyp::Helios, helios::kPunktBytes, 2, &heliosKodieren, "Helios_Feld"));
}

Dacausgabe::~Dacausgabe() {
    stroemeBeenden();
}

Strom& Dacausgabe::strom(int d) {
    const int index = g_.HardwareZuordnung[static_cast<std::size_t>(d)];
    auto& s = stroeme_[index];
    if (!s) {
        const auto& e = g_.eintrag(d);
        const int pps = g_.PPSWert[static_cast<std::size_t>(d)];
        const std::uint32_t rate = pps > 0 ? static_cast<std::uint32_t>(pps) : kStandardRate;
        if (e.Typ == Geraetetyp::Helios) {
            HeliosStrom::Optionen o;
            o.bus = g_.bibliothek.usb;
            o.kennung = e.Kennung.substr(e.Kennung.find(' ') + 1);
            o.punktrate = rate;
            s = std::make_unique<HeliosStrom>(o);
            return *s;
        }
        if (e.Typ == Geraetetyp::IDN) {
            IdnStrom::Optionen o;
            o.ziel = {e.Netzadresse, e.Netzport};
            o.punktrate = rate;
            o.welle = g_.netz.idnWelle;
            o.latenz = g_.netz.latenz / 1000.0;
            s = std::make_unique<IdnStrom>(o);
            return *s;
        }
        EtherDreamStrom::Optionen o;
        o.ziel = {e.Netzadresse, e.Netzport};
        o.punktrate = rate;
        o.latenz = g_.netz.latenz / 1000.0;
        if (e.MaxSpeed >= 1) o.maxPunktrate = static_cast<std::uint32_t>(e.MaxSpeed);
        if (e.MaxFrameSize > 1) o.kapazitaet = static_cast<std::uint16_t>(e.MaxFrameSize);
        s = std::make_unique<EtherDreamStrom>(o);
    }
    return *s;
}

const Strom* Dacausgabe::laufenderStrom(int d) const {
    const auto it = stroeme_.find(g_.HardwareZuordnung[static_cast<std::size_t>(d)]);
    return it == stroeme_.end() ? nullptr : it->second.get();
}

// A streaming device no longer assigned to any logical device is blanked and stopped, so it
// does not go on drawing its last frame.
void Dacausgabe::verwaisteStroemeBeenden() {
    for (auto it = stroeme_.begin(); it != stroeme_.end();) {
        const bool zugeordnet =
            std::find(g_.HardwareZuordnung.begin(),
                      g_.HardwareZuordnung.begin() + g_.MaxHardware + 1,
                      it->first) != g_.HardwareZuordnung.begin() + g_.MaxHardware + 1;
        it = zugeordnet ? std::next(it) : stroeme_.erase(it);
    }
}

// Every stream blanks and stops its DAC, all at once, then the threads end.
void Dacausgabe::stroemeBeenden() {
    for (auto& [index, s] : stroeme_) s->stoppenAnfordern();
    stroeme_.clear();
}

KindSchreiber& Dacausgabe::schreiber(Geraetetyp typ) {
    for (auto& w : schreiber_)
        if (w->typ() == typ) return *w;
    throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
}

void Dacausgabe::anmelden(AusgabeZustand& a) {
    for (auto& w : schreiber_) a.Schreiber[static_cast<std::size_t>(w->typ())] = w.get();
    typenUebertragen(a);
}

void Dacausgabe::typenUebertragen(AusgabeZustand& a) const {
    for (int d = 0; d < kGeraete; ++d)
        a.Geraetetyp[static_cast<std::size_t>(d)] = static_cast<std::int16_t>(g_.eintrag(d).Typ);
}

int Dacausgabe::sendeSchritt(KindSchreiber& w, int d) {
    auto& e = g_.eintrag(d);
    const auto i = static_cast<std::size_t>(d);
    const int pps = g_.PPSWert[i];
    const int zaehler = static_cast<int>(w.zaehler());
    int anzahl = 0, ergebnis = 0;
    switch (w.typ()) {
    case Geraetetyp::Lumax: {
        auto& lx = *g_.bibliothek.lumax;
        if (ttlAngefordert[i] != ttlGesendet[i]) {
            if (lx.Lumax_SetTTL(e.Handle, ttlAngefordert[i]) < 0) return -1;
            ttlGesendet[i] = ttlAngefordert[i];
        }
        ttlAngefordert[i] = 0;
        std::int32_t warten = 0;
        std::int16_t geaendert = 0;
        if (lx.Lumax_WaitForBuffer(e.Handle, 0, &warten, &geaendert) < 0) return -1;
        if (geaendert != 1) return 0;
        anzahl = zaehler + 1;
        ergebnis = lx.Lumax_SendFrame(e.Handle, w.daten(), anzahl, pps, 0, 0);
        if (ergebnis < 0) return -1;
        ergebnis = 1;
        break;
    }
    case Geraetetyp::JMLaser: {
        auto& jm = *g_.bibliothek.jmlaser;
        ttlGesendet[i] = ttlAngefordert[i];
        ttlAngefordert[i] = 0;
        if (e.Handle < 0) return -1;
        const int bereit = jm.jmLaserIsDeviceReady(e.Handle);
        if (bereit < 0) return -1;
        if (bereit != 1) return 0;
        anzahl = zaehler;
        if (jm.jmLaserWriteFrame(e.Handle, w.daten(), anzahl, pps, 0) < 0) return -1;
        ergebnis = 1;
        break;
    }
    case Geraetetyp::Riya: {
        auto& ri = *g_.bibliothek.riya;
        const auto kanal = static_cast<std::uint8_t>(e.Handle);
        if (ttlAngefordert[i] != ttlGesendet[i]) {
            if (ri.RiSetTTL(kanal, ttlAngefordert[i]) < 0) return -1;
            ttlGesendet[i] = ttlAngefordert[i];
        }
        ttlAngefordert[i] = 0;
        if (pps <= 0) return 0; // no point period without points per second
        anzahl = zaehler;
        ergebnis = ri.RiSetShowCadr(kanal, w.daten(), anzahl, format::riyaPeriode(pps), 0);
        break;
    }
    case Geraetetyp::MLDriver: {
        auto& ml = *g_.bibliothek.mldriver;
        if (mlIntensitaetsVersatz != 0 && zaehler >= 0) {
            // Each record takes the intensity of the record `versatz` places later (the nearest
            // record at either end of the frame).
            std::uint8_t* d0 = w.daten();
            const long letzter = zaehler;
            if (mlIntensitaetsVersatz > 0) {
                for (long r = 0; r <= letzter; ++r)
                    d0[r * format::kMlDriver + 12] =
                        d0[std::min(r + mlIntensitaetsVersatz, letzter) * format::kMlDriver + 12];
            } else {
                for (long r = letzter; r >= 0; --r)
                    d0[r * format::kMlDriver + 12] =
                        d0[std::max(r + mlIntensitaetsVersatz, 0L) * format::kMlDriver + 12];
            }
        }
        std::uint8_t block[7];
        format::mlParameterblock(pps, block);
        if (ml.MLParams(g_.MlTreiberKennung, e.Handle, block) < 0) return -1;
        anzahl = zaehler + 1;
        ergebnis = ml.MLDraw(g_.MlTreiberKennung, e.Handle, w.daten(), anzahl);
        break;
    }
    case Geraetetyp::EtherDream:
    case Geraetetyp::IDN:
    case Geraetetyp::Helios: {
        auto& s = strom(d);
        if (pps > 0) s.rateSetzen(static_cast<std::uint32_t>(pps));
        anzahl = zaehler + 1;
        s.frameSetzen(w.daten(), static_cast<std::size_t>(anzahl));
        stromBeobachten(d, s);
        ergebnis = s.gestoert() ? -1 : 1;
        break;
    }
    default:
        return 0;
    }
    if (ergebnis < 0) return -1;
    if (ergebnis == 1 && gesendet)
        gesendet(d, w.typ(), anzahl, pps, w.daten(),
                 static_cast<std::size_t>(std::max(anzahl, 0)) * w.recordGroesse());
    return ergebnis == 1 ? 1 : 0;
}

void Dacausgabe::stromBeobachten(int d, const Strom& s) {
    if (s.echtzeit() < 0 && !echtzeitGemeldet_) {
        echtzeitGemeldet_ = true;
        env_.log.zeile("Echtzeit-Priorität für die Geräte-Threads nicht erlaubt (" +
                       s.echtzeitGrund() + "), sie laufen mit normaler Priorität");
    }
    auto& z = zielmeldung_[static_cast<std::size_t>(d)];
    const long ziel = std::lround(s.pufferziel() * 1000);
    const double jetzt = env_.uhr.sekunden();
    if (ziel <= 0 || ziel == z.ms || jetzt < z.naechste) return;
    z.ms = ziel;
    z.naechste = jetzt + 5.0;
    env_.log.zeile("Hardware " + std::to_string(d) + " (" + g_.eintrag(d).Anzeigename +
                   ") Pufferziel " + std::to_string(ziel) + " ms, Füllung " +
                   std::to_string(std::lround(s.pufferfuellung() * 1000)) + " ms");
}

void Dacausgabe::stoerungMelden(int d, const std::string& grund) {
    auto& s = stoerung_[static_cast<std::size_t>(d)];
    if (!s.aktiv)
        env_.log.zeile("Hardware " + std::to_string(d) + " (" + g_.eintrag(d).Anzeigename +
                       ") antwortet nicht: " + grund);
    s.aktiv = true;
    s.naechsterVersuch = env_.uhr.sekunden() + 1.0;
}

void Dacausgabe::wiederDa(int d) {
    auto& s = stoerung_[static_cast<std::size_t>(d)];
    if (!s.aktiv) return;
    s.aktiv = false;
    env_.log.zeile("Hardware " + std::to_string(d) + " (" + g_.eintrag(d).Anzeigename +
                   ") antwortet wieder");
}

void Dacausgabe::senden(KindSchreiber& w, int d) {
    if (!g_.ausgabeLaeuft) return;
    verwaisteStroemeBeenden();
    auto& s = stoerung_[static_cast<std::size_t>(d)];
    if (s.aktiv) {
        if (env_.uhr.sekunden() < s.naechsterVersuch) return;
        // A jmlaser device that went away is opened and started again.
        auto& e = g_.eintrag(d);
        if (e.Typ == Geraetetyp::JMLaser) {
            try {
                if (e.Handle >= 0) g_.bibliothek.jmlaser->jmLaserCloseDevice(e.Handle);
                e.Handle = g_.bibliothek.jmlaser->jmLaserOpenDevice(e.Kennung);
                if (e.Handle >= 0) g_.bibliothek.jmlaser->jmLaserStartOutput(e.Handle);
            } catch (const Laufzeitfehler&) {
                e.Handle = -1;
            }
        }
    }
    try {
        const int r = sendeSchritt(w, d);
        if (r < 0 && istStromArt(g_.eintrag(d).Typ))
            stoerungMelden(d, strom(d).fehler());
        else if (r < 0)
            stoerungMelden(d, "error from the library");
        else
            wiederDa(d);
    } catch (const std::exception& e) {
        stoerungMelden(d, e.what());
    }
}

void Dacausgabe::starten() {
    g_.ausgabeLaeuft = true;
    env_.warten(50);
    for (int n = 0; n <= g_.MaxHardware; ++n) {
        auto& e = g_.eintrag(n);
        try {
            if (e.Typ == Geraetetyp::MLDriver)
                g_.bibliothek.mldriver->MLInitShow(g_.MlTreiberKennung, e.Handle);
            else if (e.Typ == Geraetetyp::JMLaser && e.Handle >= 0)
                g_.bibliothek.jmlaser->jmLaserStartOutput(e.Handle);
        } catch (const std::exception& f) {
            stoerungMelden(n, f.what());
        }
    }
}

void Dacausgabe::dunklerFrame(KindSchreiber& w, int d) {
    w.zyklusBeginn(d);
    // Two dark points at the centre: the kinds that leave out the last point still get one.
    const Ausgabepunkt dunkel{32767, 32767, 0, 0, 0, 0};
    w.punkt(d, dunkel);
    w.punkt(d, dunkel);
    // Wait until the device takes a frame, at most half a second of program time.
    const double ende = env_.uhr.sekunden() + 0.5;
    for (;;) {
        const int r = sendeSchritt(w, d);
        if (r != 0 || env_.uhr.sekunden() >= ende) break;
        env_.warten(1);
    }
}

void Dacausgabe::stoppen() {
    for (int n = 0; n <= g_.MaxHardware; ++n) {
        auto& e = g_.eintrag(n);
        if (!istVendorArt(e.Typ) || gestoert(n)) continue;
        try {
            if (g_.ausgabeLaeuft) dunklerFrame(schreiber(e.Typ), n);
        } catch (const std::exception& f) {
            stoerungMelden(n, f.what());
        }
        try {
            switch (e.Typ) {
            case Geraetetyp::Lumax:
                g_.bibliothek.lumax->Lumax_StopFrame(e.Handle);
                break;
            case Geraetetyp::JMLaser:
                if (e.Handle >= 0) g_.bibliothek.jmlaser->jmLaserStopOutput(e.Handle);
                break;
            case Geraetetyp::Riya:
                g_.bibliothek.riya->RiStopShow(static_cast<std::uint8_t>(e.Handle));
                break;
            case Geraetetyp::MLDriver:
                g_.bibliothek.mldriver->MLHaltShow(g_.MlTreiberKennung, e.Handle);
                break;
            default:
                break;
            }
        } catch (const std::exception& f) {
            stoerungMelden(n, f.what());
        }
    }
    stroemeBeenden();
    g_.ausgabeLaeuft = false;
}

void Dacausgabe::schliessen() {
    stroemeBeenden();
    auto versuche = [](auto&& aufruf) {
        try {
            aufruf();
        } catch (const std::exception&) {
        }
    };
    for (auto& e : g_.Geraeteliste)
        if (e.Typ == Geraetetyp::Lumax)
            versuche([&] { g_.bibliothek.lumax->Lumax_CloseDevice(e.Handle); });
    env_.warten(20);
    for (auto& e : g_.Geraeteliste)
        if (e.Typ == Geraetetyp::JMLaser && e.Handle >= 0) {
            versuche([&] { g_.bibliothek.jmlaser->jmLaserCloseDevice(e.Handle); });
            e.Handle = -1;
        }
    env_.warten(20);
    for (auto& e : g_.Geraeteliste)
        if (e.Typ == Geraetetyp::Riya)
            versuche([&] { g_.bibliothek.riya->RiStopShow(static_cast<std::uint8_t>(e.Handle)); });
    env_.log.zeile("ML_driver.mld Schließen");
    versuche([&] { g_.bibliothek.mldriver->MLHalt(); });
    env_.warten(20);
    env_.log.zeile("ML_driver.mld geschlossen");
    env_.log.zeile("EzAudDac.dll Schließen");
    versuche([&] { g_.bibliothek.ezauddac->EzAudDacClose(); });
    env_.warten(20);
    env_.log.zeile("EzAudDac.dll geschlossen");
    env_.log.zeile("JMlaser.dll Schließen");
    versuche([&] { g_.bibliothek.jmlaser->jmLaserCloseDll(); });
    env_.warten(20);
    env_.log.zeile("jmlaser.dll geschlossen");
    versuche([&] { g_.bibliothek.riya->RiCloseDevices(); });
}

} // namespace sw
