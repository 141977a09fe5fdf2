#include "devices/Geraeteverwaltung.h"
#include "TestHilfe.h"
#include "devices/Emulation.h"
#include "einstellungen/Einstellungen.h"

using namespace sw;

namespace {

struct Verwaltung : ::testing::Test {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    Einstellungen e{u.log, u.pumpe};
    Geraete g;
    Verwaltung() { e.IniPfad = (tmp / "s.ini").string(); }
    // A second start of the program on the same settings file.
    Einstellungen frisch() {
        Einstellungen neu(u.log, u.pumpe);
        neu.IniPfad = e.IniPfad;
        return neu;
    }
    std::optional<std::string> ini(const char* abschnitt, const char* schluessel) {
        return e.ini().lesen(e.IniPfad, abschnitt, schluessel);
    }
};

} // namespace

TEST_F(Verwaltung, NoHardware) {
    ASSERT_TRUE(u.log.oeffnen(tmp / "log.txt"));
    EXPECT_EQ(Init_Hardware(g, u.env), Fortsetzung::Weiter);
    EXPECT_EQ(g.lstHardwareEintraege, (std::vector<std::string>{"No Device", "Virtual Device"}));
    EXPECT_EQ(g.comboDMXPort[1], std::vector<std::string>{"No Device"});
    EXPECT_TRUE(u.dialoge.meldungen.empty());
    geraeteLaden(g, u.env, e);
    for (int n = 0; n < kGeraete; ++n) EXPECT_EQ(g.eintrag(n).Anzeigename, "No Device");
    u.log.schliessen();
    const std::string log = test::leseDatei(tmp / "log.txt");
    const auto ml = log.find("Init ML_Driver"), lx = log.find("Init Lumax"),
               jm = log.find("Init JMlaserDll"), ri = log.find("Init Riya");
    EXPECT_TRUE(ml < lx && lx < jm && jm < ri && ri != std::string::npos);
    for (const std::string& zeile :
         {std::string("Lumax.dll nicht gefunden"),
          std::string("Error in frmHaupt Init_Riya, err= 53"), std::string(52, '*')})
        EXPECT_NE(log.find(zeile), std::string::npos) << zeile;
}

TEST_F(Verwaltung, EmulatedDevicesInDetectionOrderOldAndForeignFamiliesLeftOut) {
    emu::einrichten(g.bibliothek, u.uhr, "riya:2,ml:1,jmlaser:1,lumax:1");
    Init_Hardware(g, u.env);
    std::vector<std::string> namen;
    for (const auto& d : g.Geraeteliste) namen.push_back(d.Anzeigename);
    EXPECT_EQ(namen,
              (std::vector<std::string>{"No Device", "Virtual Device", "ML 0 EmuML", "Lumax Emu 1",
                                        "JMLaser Emu 1", "Riya Multibus1", "Riya Multibus2"}));
    EXPECT_EQ(g.comboDMXPort[0],
              (std::vector<std::string>{"No Device", "Lumax Emu 1", "JMLaser Emu 1"}));
    EXPECT_EQ(g.Geraeteliste[4].Handle, -1); // opened on assignment only

    Geraete alt;
    auto lumax = std::make_unique<emu::Lumax>(u.uhr, 2);
    lumax->apiVersion = 206;
    alt.bibliothek.lumax = std::move(lumax);
    auto jm = std::make_unique<emu::JmLaser>(u.uhr, 2);
    jm->geraete[0].familie = "OTHER";
    alt.bibliothek.jmlaser = std::move(jm);
    Init_Hardware(alt, u.env);
    ASSERT_EQ(alt.Geraeteliste.size(), 3u);
    EXPECT_EQ(alt.Geraeteliste[2].Anzeigename, "JMLaser Emu 2");
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_NE(u.dialoge.meldungen[0].find("206"), std::string::npos);
}

TEST_F(Verwaltung, SharingADetectedDeviceAsks) {
    emu::einrichten(g.bibliothek, u.uhr, "lumax:2");
    Init_Hardware(g, u.env);
    geraetWaehlen(g, u.env, 0, 3);
    u.dialoge.antworten = {Antwort::Abbrechen};
    geraetWaehlen(g, u.env, 5, 3);
    EXPECT_EQ(u.dialoge.meldungen.back(), "This device is already in use as hardware no. 0");
    EXPECT_EQ(std::tuple(g.HardwareZuordnung[5], g.lstHardwareIndex[5]), std::tuple(0, 0));
    u.dialoge.antworten = {Antwort::Ok};
    geraetWaehlen(g, u.env, 5, 3);
    EXPECT_EQ(g.HardwareZuordnung[5], 3);
    EXPECT_EQ(g.ComboDeviceNr[5], "Hardware:5 Lumax Emu 2");
    // "No Device" and "Virtual Device" are shared without asking
    const auto gefragt = u.dialoge.meldungen.size();
    for (int n = 6; n < 9; ++n) geraetWaehlen(g, u.env, n, 1);
    EXPECT_EQ(u.dialoge.meldungen.size(), gefragt);
}

TEST_F(Verwaltung, StoredDevicesAreRestoredOrReportedMissing) {
    emu::einrichten(g.bibliothek, u.uhr, "jmlaser:1,riya:1");
    Init_Hardware(g, u.env);
    geraetWaehlen(g, u.env, 2, 2);
    geraetWaehlen(g, u.env, 4, 3);
    g.PPSWert[2] = 30000;
    geraeteSpeichern(g, e);
    EXPECT_EQ(ini("Optionen_Hardware", "Device.DeviceName_2"), "jmlaser-emu-0");
    e.textSchreiben("Optionen_Hardware", "Device.DeviceName_7", "Lumax gone");

    Geraete neu;
    emu::einrichten(neu.bibliothek, u.uhr, "jmlaser:1,riya:1");
    Init_Hardware(neu, u.env);
    geraeteLaden(neu, u.env, e);
    EXPECT_EQ(neu.eintrag(2).Anzeigename, "JMLaser Emu 1");
    EXPECT_GE(neu.eintrag(2).Handle, 100); // opened on assignment
    EXPECT_EQ(neu.eintrag(4).Anzeigename, "Riya Multibus1");
    EXPECT_EQ(std::tuple(neu.PPSWert[2], neu.HardwareZuordnung[7]), std::tuple(30000, 0));
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_NE(u.dialoge.meldungen[0].find("Lumax gone"), std::string::npos);
}

TEST_F(Verwaltung, PointsPerSecondWarningAbove25000) {
    g.ComboDeviceNrIndex = 3;
    scrPPS_Change(g, u.env, e, 12500);
    EXPECT_EQ(g.PPSWert[3], 25000);
    EXPECT_TRUE(u.dialoge.meldungen.empty());
    scrPPS_Change(g, u.env, e, 12501);
    EXPECT_EQ(g.PPSWert[3], 25002);
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    u.dialoge.antworten = {Antwort::Nein};
    scrPPS_Change(g, u.env, e, 12600);
    EXPECT_EQ(ini("PPS_Warnung", "DAC_Angezeigt"), "-10000");
    // silenced, also for a new start on the same settings
    Geraete neu;
    Einstellungen e2 = frisch();
    scrPPS_Change(neu, u.env, e2, 20000);
    EXPECT_EQ(u.dialoge.meldungen.size(), 2u);
    // while the options window loads its controls nothing changes
    neu.optionenLaden = true;
    scrPPS_Change(neu, u.env, e2, 100);
    EXPECT_EQ(neu.PPSWert[0], 40000);
}

TEST_F(Verwaltung, DmxDevicesAndLumaxModes) {
    emu::einrichten(g.bibliothek, u.uhr, "lumax:1");
    Init_Hardware(g, u.env);
    auto& lumax = static_cast<emu::Lumax&>(*g.bibliothek.lumax);
    comboDMXPort_Click(g, u.env, e, 0, "Lumax Emu 1");
    EXPECT_EQ(g.DmxAusgangsGeraet, 2);
    EXPECT_EQ(lumax.dmxModus[1], (std::pair{512, 0}));
    comboDMXPort_Click(g, u.env, e, 1, "Lumax Emu 1");
    EXPECT_EQ(lumax.dmxModus[1], (std::pair{512, 512}));
    comboDMXPort_Click(g, u.env, e, 0, "No Device");
    EXPECT_EQ(lumax.dmxModus[1], (std::pair{0, 512}));
    EXPECT_EQ(ini("Optionen_4_frmdmx", "DMX_InputDevice"), "Lumax Emu 1");
}

TEST_F(Verwaltung, SimulationDeviceIsTakenOffAfterStop) {
    Init_Hardware(g, u.env);
    AusgabeZustand a;
    Simulationsgeraet sim;
    ASSERT_TRUE(simulationsgeraetEinsetzen(sim, g, u.env, a));
    EXPECT_EQ(g.eintrag(0).Anzeigename, "Virtual Device");
    EXPECT_EQ(a.Geraetetyp[0], geraetetyp::VirtuellesGeraet);
    EXPECT_TRUE(a.SpurZuordnung[0][0]);
    EXPECT_FALSE(simulationsgeraetEinsetzen(sim, g, u.env, a)); // once only
    simulationsgeraetEntfernen(sim, g, u.env, a);
    EXPECT_EQ(g.eintrag(0).Anzeigename, "No Device");
    EXPECT_EQ(a.Geraetetyp[0], geraetetyp::KeinGeraet);
    EXPECT_FALSE(a.SpurZuordnung[0][0]);

    // With a device assigned, the simulation plays on it and nothing is put or taken off.
    geraetWaehlen(g, u.env, 3, 1);
    a.Geraetetyp[3] = geraetetyp::VirtuellesGeraet;
    EXPECT_FALSE(simulationsgeraetEinsetzen(sim, g, u.env, a));
    simulationsgeraetEntfernen(sim, g, u.env, a);
    EXPECT_EQ(g.eintrag(0).Anzeigename, "No Device");
    EXPECT_EQ(g.eintrag(3).Anzeigename, "Virtual Device");
}

// Saving and reading the network settings back gives the same values; the file holds the
// documented number encoding, and an empty IDN address (scan every network) stays empty.
TEST_F(Verwaltung, NetworkSettingsRoundTrip) {
    const auto felder = [](const Netzeinstellungen& n) {
        return std::tuple(n.suchAdresse, n.etherDreamBroadcastPort, n.etherDreamTcpPort,
                          n.idnAdresse, n.idnPort, n.idnWelle, n.suchen, n.latenz);
    };
    for (const char* idn : {"10.0.0.255", ""}) {
        g.netz = {"192.168.7.2", 17654, 17765, false, idn, 7300, true, 80};
        netzeinstellungenSchreiben(g, e);
        Geraete zurueck;
        zurueck.netz.idnAdresse = "x";
        Einstellungen e2 = frisch();
        netzeinstellungenLesen(zurueck, e2);
        EXPECT_EQ(felder(zurueck.netz), felder(g.netz)) << idn;
    }
    const std::string datei = test::leseDatei(tmp / "s.ini");
    for (const char* zeile :
         {"[Netzwerk]", "Latenz=800000", "Geraetesuche=0", "IDN_Wellenmodus=-10000"})
        EXPECT_NE(datei.find(zeile), std::string::npos) << zeile;
}
