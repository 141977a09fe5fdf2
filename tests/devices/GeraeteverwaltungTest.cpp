#include "devices/Geraeteverwaltung.h"
#include "TestHilfe.h"
#include "einstellungen/Einstellungen.h"
#include "devices/Emulation.h"

using namespace sw;

namespace {

struct Verwaltung : ::testing::Test {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    Einstellungen e{u.log, u.pumpe};
    Geraete g;
    Verwaltung() { e.IniPfad = (tmp / "s.ini").string(); }
};

} // namespace

TEST_F(Verwaltung, NoHardware) {
    ASSERT_TRUE(u.log.oeffnen(tmp / "log.txt"));
    EXPECT_EQ(Init_Hardware(g, u.env), Fortsetzung::Weiter);
    ASSERT_EQ(g.Geraeteliste.size(), 2u);
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
    EXPECT_NE(log.find("Lumax.dll nicht gefunden"), std::string::npos);
    EXPECT_NE(log.find("Error in frmHaupt Init_Riya, err= 53"), std::string::npos);
    EXPECT_NE(log.find(std::string(52, '*')), std::string::npos);
}

TEST_F(Verwaltung, EmulatedDevicesAreListedInDetectionOrder) {
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
}

TEST_F(Verwaltung, OldLumaxAndForeignJmLaserFamiliesAreLeftOut) {
    auto lumax = std::make_unique<emu::Lumax>(u.uhr, 2);
    lumax->apiVersion = 206;
    g.bibliothek.lumax = std::move(lumax);
    auto jm = std::make_unique<emu::JmLaser>(u.uhr, 2);
    jm->geraete[0].familie = "OTHER";
    g.bibliothek.jmlaser = std::move(jm);
    Init_Hardware(g, u.env);
    ASSERT_EQ(g.Geraeteliste.size(), 3u);
    EXPECT_EQ(g.Geraeteliste[2].Anzeigename, "JMLaser Emu 2");
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_NE(u.dialoge.meldungen[0].find("206"), std::string::npos);
}

TEST_F(Verwaltung, SharingADetectedDeviceAsks) {
    emu::einrichten(g.bibliothek, u.uhr, "lumax:2");
    Init_Hardware(g, u.env);
    geraetWaehlen(g, u.env, 0, 3);
    EXPECT_EQ(g.HardwareZuordnung[0], 3);
    u.dialoge.antworten = {Antwort::Abbrechen};
    geraetWaehlen(g, u.env, 5, 3);
    EXPECT_EQ(u.dialoge.meldungen.back(), "This device is already in use as hardware no. 0");
    EXPECT_EQ(g.HardwareZuordnung[5], 0);
    EXPECT_EQ(g.lstHardwareIndex[5], 0);
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
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Optionen_Hardware", "Device.DeviceName_2"),
              "jmlaser-emu-0");
    e.textSchreiben("Optionen_Hardware", "Device.DeviceName_7", "Lumax gone");

    Geraete neu;
    emu::einrichten(neu.bibliothek, u.uhr, "jmlaser:1,riya:1");
    Init_Hardware(neu, u.env);
    u.dialoge.meldungen.clear();
    geraeteLaden(neu, u.env, e);
    EXPECT_EQ(neu.eintrag(2).Anzeigename, "JMLaser Emu 1");
    EXPECT_GE(neu.eintrag(2).Handle, 100); // opened on assignment
    EXPECT_EQ(neu.eintrag(4).Anzeigename, "Riya Multibus1");
    EXPECT_EQ(neu.PPSWert[2], 30000);
    EXPECT_EQ(neu.HardwareZuordnung[7], 0);
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_NE(u.dialoge.meldungen[0].find("Lumax gone"), std::string::npos);
}

TEST_F(Verwaltung, PointsPerSecondWarningAbove25000) {
    u.texte.setzen(1, 796, "Warning: fast scanners");
    g.ComboDeviceNrIndex = 3;
    scrPPS_Change(g, u.env, e, 12500);
    EXPECT_EQ(g.PPSWert[3], 25000);
    EXPECT_EQ(g.lblPPS, "25000");
    EXPECT_TRUE(u.dialoge.meldungen.empty());
    scrPPS_Change(g, u.env, e, 12501);
    EXPECT_EQ(g.PPSWert[3], 25002);
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    u.dialoge.antworten = {Antwort::Nein};
    scrPPS_Change(g, u.env, e, 12600);
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "PPS_Warnung", "DAC_Angezeigt"), "-10000");
    // silenced, also for a new start on the same settings
    Geraete neu;
    Einstellungen e2(u.log, u.pumpe);
    e2.IniPfad = e.IniPfad;
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
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Optionen_4_frmdmx", "DMX_InputDevice"), "Lumax Emu 1");
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

// The options window edits the network kinds' settings; saving and reading them back gives the
// same values, and the file holds the documented number encoding.
TEST_F(Verwaltung, NetworkSettingsRoundTrip) {
    auto& n = g.netz;
    n.suchAdresse = "192.168.7.2";
    n.etherDreamBroadcastPort = 17654;
    n.etherDreamTcpPort = 17765;
    n.idnAdresse = "10.0.0.255";
    n.idnPort = 7300;
    n.idnWelle = true;
    n.suchen = false;
    n.latenz = 80;
    netzeinstellungenSchreiben(g, e);
    const std::string datei = test::leseDatei(tmp / "s.ini");
    EXPECT_NE(datei.find("[Netzwerk]"), std::string::npos);
    EXPECT_NE(datei.find("Latenz=800000"), std::string::npos);
    EXPECT_NE(datei.find("Geraetesuche=0"), std::string::npos);
    EXPECT_NE(datei.find("IDN_Wellenmodus=-10000"), std::string::npos);

    Geraete zurueck;
    Einstellungen frisch{u.log, u.pumpe};
    frisch.IniPfad = e.IniPfad;
    netzeinstellungenLesen(zurueck, frisch);
    const auto& r = zurueck.netz;
    EXPECT_EQ(r.suchAdresse, "192.168.7.2");
    EXPECT_EQ(r.etherDreamBroadcastPort, 17654);
    EXPECT_EQ(r.etherDreamTcpPort, 17765);
    EXPECT_EQ(r.idnAdresse, "10.0.0.255");
    EXPECT_EQ(r.idnPort, 7300);
    EXPECT_TRUE(r.idnWelle);
    EXPECT_FALSE(r.suchen);
    EXPECT_EQ(r.latenz, 80);

    // An empty IDN address (scan every local network) stays empty.
    n.idnAdresse.clear();
    netzeinstellungenSchreiben(g, e);
    Geraete leer;
    leer.netz.idnAdresse = "x";
    Einstellungen nochmal{u.log, u.pumpe};
    nochmal.IniPfad = e.IniPfad;
    netzeinstellungenLesen(leer, nochmal);
    EXPECT_EQ(leer.netz.idnAdresse, "");
}
