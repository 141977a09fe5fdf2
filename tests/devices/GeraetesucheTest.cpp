#include "devices/Geraetesuche.h"
#include "TestHilfe.h"
#include "devices/Emulation.h"
#include "devices/Geraeteverwaltung.h"
#include "devices/netz/EtherDreamEmulator.h"
#include "devices/netz/IdnEmulator.h"
#include "devices/usb/HeliosEmulator.h"
#include "einstellungen/Einstellungen.h"
#include "output/Ausgabe.h"

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

using namespace sw;

namespace {

using Uhrzeit = std::chrono::steady_clock;

std::uint16_t freierPort() {
    netz::UdpSocket s;
    s.binden("127.0.0.1", 0);
    return s.lokalerPort();
}

// The search on loopback at a quick pace: a DAC silent for 350 ms or three scans is gone.
Netzeinstellungen schnellesNetz() {
    Netzeinstellungen n;
    n.suchAdresse = "127.0.0.1";
    n.idnAdresse = "127.0.0.1";
    n.etherDreamBroadcastPort = freierPort();
    n.idnPort = freierPort();
    n.idnScanAbstand = 100;
    n.usbAbstand = 100;
    n.etherDreamStille = 350;
    return n;
}

struct Suche : ::testing::Test {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    Einstellungen e{u.log, u.pumpe};
    Geraete g;
    std::set<int> belegt; // logical devices the search put a device on

    Suche() {
        e.IniPfad = (tmp / "s.ini").string();
        u.log.oeffnen(tmp / "log.txt");
        g.netz = schnellesNetz();
    }
    emu::EtherDreamEmulator::Optionen etherDream(double ersterBroadcast) const {
        emu::EtherDreamEmulator::Optionen o;
        o.broadcastZiel = {"127.0.0.1", g.netz.etherDreamBroadcastPort};
        o.ersterBroadcast = ersterBroadcast;
        o.broadcastAbstand = 0.1;
        return o;
    }
    emu::IdnEmulator::Optionen idn() const {
        emu::IdnEmulator::Optionen o;
        o.port = g.netz.idnPort;
        return o;
    }
    emu::HeliosEmulator& bus() { return static_cast<emu::HeliosEmulator&>(*g.bibliothek.usb); }
    // Takes the search's reports as the window's turns do, until `fertig` or the time is up.
    template <typename F>
    bool abgleichenBis(F&& fertig, std::chrono::milliseconds dauer = std::chrono::seconds(3)) {
        const auto ende = Uhrzeit::now() + dauer;
        while (Uhrzeit::now() < ende) {
            for (int n : geraeteAbgleichen(g, u.env)) belegt.insert(n);
            if (fertig()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    void eineWeile() {
        abgleichenBis([] { return false; }, std::chrono::milliseconds(800));
    }
    std::string log; // what the log held so far; opening it again empties the file
    std::size_t logZeilen(const std::string& text) {
        u.log.schliessen();
        log += test::leseDatei(tmp / "log.txt");
        u.log.oeffnen(tmp / "log.txt");
        return test::vorkommen(log, text);
    }
    const GeraeteEintrag* eintrag(const std::string& kennung) const {
        for (const auto& d : g.Geraeteliste)
            if (d.Kennung == kennung) return &d;
        return nullptr;
    }
};

const std::string kEtherDream = "EtherDream 00:04:a3:10:20:30";
const std::string kIdn = "IDN 00112233445500";

} // namespace

TEST_F(Suche, StoredDacsThatComeAfterStartGoOnTheirLogicalDevices) {
    emu::einrichten(g.bibliothek, u.uhr, "helios:2");
    bus().ausstecken(1, true); // the second Helios is plugged in later
    const auto gespeichert = [&](int n) {
        return e.ini().lesen(e.IniPfad, "Optionen_Hardware",
                             "Device.DeviceName_" + std::to_string(n));
    };
    e.textSchreiben("Optionen_Hardware", "Device.DeviceName_0", kEtherDream);
    e.textSchreiben("Optionen_Hardware", "Device.DeviceName_5", kIdn);
    e.textSchreiben("Optionen_Hardware", "Device.DeviceName_6", "Helios EMU2");
    e.textSchreiben("Optionen_Hardware", "Device.DeviceName_7", "Lumax gone");

    // Start-up does not wait for the network: nothing of it is there yet.
    const auto start = Uhrzeit::now();
    Init_Hardware(g, u.env);
    EXPECT_LT(Uhrzeit::now() - start, std::chrono::milliseconds(400));
    ASSERT_EQ(g.Geraeteliste.size(), 3u);
    EXPECT_EQ(g.Geraeteliste[2].Anzeigename, "Helios Emu 1");
    geraeteLaden(g, u.env, e);
    // Only the vendor device is reported missing; the open kinds are awaited.
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_NE(u.dialoge.meldungen[0].find("Lumax gone"), std::string::npos);
    EXPECT_EQ(g.HardwareZuordnung[0], 0);
    EXPECT_EQ(logZeilen("not heard yet"), 3u);
    // Saving meanwhile keeps the awaited identities, but not the missing vendor device.
    geraeteSpeichern(g, e);
    EXPECT_EQ(std::tuple(gespeichert(0), gespeichert(6), gespeichert(7)),
              std::tuple(kEtherDream, "Helios EMU2", "No Device"));

    // A simulation plays on logical device 0 meanwhile; logical device 4 awaits the IDN
    // receiver too, but the operator chooses another device there.
    auto a = std::make_unique<AusgabeZustand>();
    Simulationsgeraet simulation;
    ASSERT_TRUE(simulationsgeraetEinsetzen(simulation, g, u.env, *a));
    g.GespeicherteKennung[4] = kIdn;
    geraetWaehlen(g, u.env, 4, 2);

    emu::EtherDreamEmulator ed(etherDream(0.3));
    emu::IdnEmulator receiver(idn());
    bus().ausstecken(1, false);
    ASSERT_TRUE(abgleichenBis([&] { return belegt.size() == 2 && eintrag(kEtherDream); }));
    EXPECT_EQ(belegt, (std::set<int>{5, 6}));
    // The Ether Dream came while the simulation held its place: it goes there after.
    EXPECT_EQ(g.eintrag(0).Anzeigename, "Virtual Device");
    simulationsgeraetEntfernen(simulation, g, u.env, *a);
    EXPECT_EQ(g.eintrag(0).Kennung, kEtherDream);
    EXPECT_EQ(a->Geraetetyp[0], static_cast<std::int16_t>(Geraetetyp::EtherDream));
    EXPECT_EQ(g.eintrag(5).Netzport, receiver.port());
    // the operator's choice on 4 stays
    EXPECT_EQ(std::tuple(g.eintrag(6).Anzeigename, g.eintrag(4).Anzeigename),
              std::tuple("Helios Emu 2", "Helios Emu 1"));
    EXPECT_EQ(g.ComboDeviceNr[0], "Hardware:0 Ether Dream 102030");

    // Each came once, at the end of the list; the selection lists follow the list.
    eineWeile();
    ASSERT_EQ(g.Geraeteliste.size(), 6u);
    std::vector<std::string> namen;
    for (const auto& d : g.Geraeteliste) namen.push_back(d.Anzeigename);
    EXPECT_EQ(g.lstHardwareEintraege, namen);
    EXPECT_EQ(logZeilen("EtherDream found: " + kEtherDream + " at 127.0.0.1"), 1u);
    EXPECT_EQ(logZeilen("IDN IDN-Emu put on hardware no. 5"), 1u);
    EXPECT_EQ(u.dialoge.meldungen.size(), 1u);
}

TEST_F(Suche, AVanishedDacIsReportedOnceAndTakenBackWhenItReturns) {
    std::vector<std::string> weg;
    g.beiVerschwinden = [&](const GeraeteEintrag& d) { weg.push_back(d.Kennung); };
    emu::einrichten(g.bibliothek, u.uhr, "helios:1");
    bus().ohneHotplug = true; // the polling way
    auto ed = std::make_unique<emu::EtherDreamEmulator>(etherDream(0.05));
    auto receiver = std::make_unique<emu::IdnEmulator>(idn());
    Init_Hardware(g, u.env);
    ASSERT_TRUE(abgleichenBis([&] { return eintrag(kEtherDream) && eintrag(kIdn); }));
    const int index = geraetNachName(g, "Ether Dream 102030");
    geraetWaehlen(g, u.env, 0, index);
    const auto anzahl = g.Geraeteliste.size();
    ASSERT_EQ(anzahl, 5u);

    ed.reset();
    receiver.reset();
    bus().ausstecken(0, true);
    ASSERT_TRUE(abgleichenBis([&] { return weg.size() == 3; }));
    eineWeile(); // many more silent periods: each reported once
    std::vector<std::string> sortiert = weg;
    std::sort(sortiert.begin(), sortiert.end());
    EXPECT_EQ(sortiert, (std::vector<std::string>{kEtherDream, "Helios EMU1", kIdn}));
    for (const auto& k : weg) EXPECT_FALSE(eintrag(k)->Bereit) << k;
    for (const std::string& zeile :
         {"EtherDream lost: " + kEtherDream + " (Ether Dream 102030), not heard for 0.3 s",
          "IDN lost: " + kIdn + " (IDN IDN-Emu), 3 scans unanswered",
          std::string("Helios lost: Helios EMU1 (Helios Emu 1), unplugged")})
        EXPECT_EQ(logZeilen(zeile), 1u) << zeile;
    // The logical device keeps its DAC while it is away.
    EXPECT_EQ(g.HardwareZuordnung[0], index);

    ed = std::make_unique<emu::EtherDreamEmulator>(etherDream(0.05));
    receiver = std::make_unique<emu::IdnEmulator>(idn());
    bus().ausstecken(0, false);
    ASSERT_TRUE(abgleichenBis([&] {
        return eintrag(kEtherDream)->Bereit && eintrag(kIdn)->Bereit &&
               eintrag("Helios EMU1")->Bereit;
    }));
    EXPECT_EQ(g.Geraeteliste.size(), anzahl);
    EXPECT_TRUE(g.HardwareZuordnung[0] == index && weg.size() == 3);
    EXPECT_EQ(logZeilen("EtherDream found: " + kEtherDream), 2u);
    EXPECT_EQ(logZeilen("EtherDream lost"), 1u); // not reported lost again on its return
}

TEST_F(Suche, AnAddressItCannotListenOnIsLoggedOnce) {
    g.netz.suchAdresse = "192.0.2.1"; // not an address of this computer: nothing can bind
    Init_Hardware(g, u.env);
    ASSERT_TRUE(abgleichenBis([&] { return logZeilen("IDN: cannot open a socket") == 1; }));
    eineWeile();
    for (const char* zeile :
         {"EtherDream: cannot listen on 192.0.2.1:", "IDN: cannot open a socket on 192.0.2.1"})
        EXPECT_EQ(logZeilen(zeile), 1u) << zeile;
    EXPECT_EQ(g.Geraeteliste.size(), 2u);
}

// A listing waits long enough for a DAC whose first broadcast comes up to a second after it
// began to listen, the worst case for a DAC that broadcasts once a second. Twenty listings run
// at once, each against its own emulator, the first broadcasts spread from 0.5 s to 1.07 s.
TEST(Geraetesuche, AListingHearsEveryDacThatBroadcastsOnceASecond) {
    constexpr int kLaeufe = 20;
    std::atomic<int> gefunden{0};
    std::vector<std::thread> laeufe;
    for (int k = 0; k < kLaeufe; ++k)
        laeufe.emplace_back([k, &gefunden] {
            test::TestUmgebung u;
            Geraete g;
            g.netz = schnellesNetz();
            g.netz.etherDreamStille = 3500;
            g.bibliothek.usb = std::make_shared<emu::HeliosEmulator>(0);
            emu::EtherDreamEmulator::Optionen o;
            o.broadcastZiel = {"127.0.0.1", g.netz.etherDreamBroadcastPort};
            o.ersterBroadcast = 0.5 + 0.03 * k;
            o.mac[5] = static_cast<std::uint8_t>(k);
            emu::EtherDreamEmulator ed(o);
            Init_Hardware(g, u.env);
            geraeteAbwarten(g, u.env, kGeraeteWarten);
            for (const auto& d : g.Geraeteliste)
                if (d.Kennung == etherdream::kennung(o.mac)) ++gefunden;
        });
    for (auto& t : laeufe) t.join();
    EXPECT_EQ(gefunden.load(), kLaeufe);
}
