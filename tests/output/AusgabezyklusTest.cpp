#include "Pipeline.h"
#include "core/IldaFormat.h"

using namespace sw;
using sw::test::Pipeline;

TEST(Ausgabezyklus, WorkedExampleReachesTheWriterInDeviceCoordinates) {
    Pipeline t;
    t.geraet(0);
    t.figur({{10000, -5000, 4095, 4}});
    t.starten();
    t.zyklus();
    const auto& pts = t.schreiber.punkte[0];
    const auto hell =
        std::find_if(pts.begin(), pts.end(), [](const Ausgabepunkt& p) { return p.I > 0; });
    ASSERT_NE(hell, pts.end());
    EXPECT_TRUE(hell->X == 40767 && hell->Y == 28767 && hell->R == 255);
    EXPECT_EQ(t.schreiber.gesendet[0], 1);
    // no lit point that nobody asked for
    for (const auto& p : pts)
        EXPECT_TRUE((p.X == 40767 && p.Y == 28767) || p.R + p.G + p.B == 0) << p.X << "," << p.Y;
}

TEST(Ausgabezyklus, EmptyDeviceGetsTheFillingFor30CyclesThenIsSkipped) {
    Pipeline t;
    t.geraet(3);
    for (int i = 0; i < 30; ++i) t.zyklus();
    EXPECT_EQ(t.schreiber.gesendet[3], 30);
    EXPECT_EQ(t.schreiber.punkte[3].size(), 30u * 3); // two filling points and the closing one
    for (const auto& p : t.schreiber.punkte[3]) EXPECT_EQ(p.I, 0);
    t.zyklus();
    EXPECT_EQ(t.schreiber.gesendet[3], 30);
    // points arriving again wake it up
    t.figur({{0, 0, 4095, 0}});
    FigurStarten(*t.a, t.s, 0, 1, 0);
    t.zyklus();
    EXPECT_EQ(t.schreiber.gesendet[3], 31);
    // a slot without a device is never served
    EXPECT_EQ(t.schreiber.gesendet.count(4), 0u);
}

TEST(Ausgabezyklus, ShowBlankedMakesDarkPointsVisibleInTurn) {
    Pipeline t;
    t.a->checkShowBlank[0] = true;
    t.a->Geraetetyp[0] = geraetetyp::VirtuellesGeraet;
    for (int i = 0; i < 4; ++i) DeviceAuswahl(*t.a, 0, Ausgabepunkt{100, 100, 0, 0, 0, 0});
    const auto& p = t.schreiber.punkte[0];
    ASSERT_EQ(p.size(), 4u);
    EXPECT_TRUE(p[0].R == 255 && p[0].I == 255);
    EXPECT_TRUE(p[1].G == 255 && p[1].R == 0);
    EXPECT_TRUE(p[2].B == 255 && p[2].I == 128);
    EXPECT_EQ(p[3].R, 255);
}

TEST(Ausgabezyklus, SimulationFillsItsListAndSendsNothing) {
    Pipeline t;
    t.geraet(1);
    t.a->Simulationsmodus = true;
    t.a->ProjektorVerschiebungX[1] = 5;
    int gezeichnet = 0;
    t.a->SimulationZeichnen = [&] { ++gezeichnet; };
    t.figur({{0, 0, 4095, 4}, {1000, 0, 4095, 4}});
    t.starten();
    t.zyklus();
    const long n = (t.a->SimLetzterIndex / 7) + 1;
    EXPECT_GT(n, 2);
    EXPECT_EQ(t.a->SimLetzterIndex % 7, 0);
    EXPECT_EQ(t.a->SimPunktListe[5], 5);
    EXPECT_TRUE(t.schreiber.punkte[1].empty() && t.schreiber.gesendet.count(1) == 0);
    EXPECT_EQ(gezeichnet, 1);
    t.zyklus();
    EXPECT_EQ(t.a->SimLetzterIndex / 7 + 1, n); // reset each cycle, not accumulated
}

TEST(Ausgabezyklus, PreviewRecordsWhatTheDevicesReceiveAndStopBlanksIt) {
    Pipeline t;
    t.geraet(1);
    t.a->Vorschau = true;
    t.a->Haupt.Helligkeit = 0.5;
    t.figur({{0, 0, 4095, 4}, {1000, 0, 4095, 4}});
    AbspielenStarten(*t.a, t.u.env);
    t.starten();
    t.zyklus();
    const auto& gesendet = t.schreiber.punkte[1];
    ASSERT_FALSE(gesendet.empty());
    ASSERT_EQ(t.a->SimLetzterIndex / 7 + 1, static_cast<long>(gesendet.size()));
    // after the master controls, as the laser gets it
    for (std::size_t i = 0; i < gesendet.size(); ++i) {
        const double* z = t.a->SimPunktListe.data() + 7 * i;
        EXPECT_EQ(std::tuple(z[0], z[2]), std::tuple(gesendet[i].X, gesendet[i].R)) << i;
    }
    int gezeichnet = 0;
    t.a->SimulationZeichnen = [&] { ++gezeichnet; };
    AbspielenStoppen(*t.a);
    EXPECT_TRUE(t.a->SimLetzterIndex == -7 && gezeichnet == 1);
}

TEST(Ausgabezyklus, IldaShowExportRecordsOneFramePerCycle) {
    Pipeline t;
    test::Kratzordner tmp;
    t.geraet(0);
    t.figur({{0, 0, 4095, 4}, {1000, 0, 0xF00, 4}});
    t.starten();
    IldaShowExport rec;
    ASSERT_TRUE(rec.starten(t.u.env, tmp / "show.ild", 5, false));
    t.a->IldaExport = &rec;
    t.a->IldaShowExportAn = true;
    for (int i = 0; i < 3; ++i) t.zyklus();
    ASSERT_TRUE(rec.beenden(t.u.env));
    auto koepfe = ilda::abschnitteLesen(test::leseDatei(tmp / "show.ild"));
    ASSERT_EQ(koepfe.size(), 4u);
    EXPECT_TRUE(koepfe[2].nummer == 2 && koepfe[2].gesamt == 3);
    EXPECT_TRUE(t.schreiber.punkte[0].empty());
}

TEST(Ausgabezyklus, PlaybackPassesFollowTheClock) {
    Pipeline t;
    t.geraet(0);
    Figur& f = t.figur({{0, 0, 4095, 0}});
    f.Frames.resize(4, f.Frames[0]);
    f.Parameter[400] = 2000; // 25 frames per second
    f.Parameter[190] = 500;
    AbspielenStarten(*t.a, t.u.env);
    t.starten();
    EXPECT_EQ(t.a->Perspektivabstand[0], 654000);
    for (int i = 0; i < 4; ++i) {
        t.u.uhr.vorstellen(0.020);
        AbspielenDurchlauf(*t.a, t.s, t.p, t.u.env);
        EXPECT_NEAR(t.a->Uhr.passdauer, 20, 1e-9);
    }
    EXPECT_EQ(t.s.SpurAuswahl[0].Frame, 2);
    int gestoppt = 0;
    t.a->AusgabeGestoppt = [&] { ++gestoppt; };
    AbspielenStoppen(*t.a);
    AbspielenDurchlauf(*t.a, t.s, t.p, t.u.env);
    EXPECT_TRUE(gestoppt == 1 && !t.a->Wiedergabe);
}

TEST(Ausgabezyklus, SettingsOfThePipelineRoundTrip) {
    Pipeline t;
    test::Einstellungsdatei d;
    auto& e = d.e;
    t.a->Optimierung[2].MaxStreckenLaenge = 1234;
    t.a->Optimierung[2].GoMitte = true;
    t.a->Optimierung[2].NoPointValue[3] = -77;
    t.a->SpurZuordnung[1][2] = true;
    t.a->Geometrie[2].Drehung = 5;
    t.a->Farben.geraete[2].kanalAn[1] = false;
    alleFarbenKorrigieren(t.a->Farben, t.p);
    t.a->EllipsenVorschub = 20;
    ausgabeEinstellungenSpeichern(*t.a, e);
    for (auto [abschnitt, schluessel, wert] :
         {std::tuple{"Optionen_Optimierung", "MaxStreckenLaenge(2)", "12340000"},
          {"Optionen_Hardware", "Zuordnung_Spurseite_2_Logischespur(1,2)", "-10000"},
          {"Optionen_Optimierung", "Steigung2_1", "0"}})
        EXPECT_EQ(d.lesen(abschnitt, schluessel), wert) << schluessel;

    AusgabeZustand b;
    ausgabeEinstellungenLaden(b, t.p, e);
    const auto& q = b.Optimierung[2];
    EXPECT_TRUE(q.MaxStreckenLaenge == 1234 && q.GoMitte && q.NoPointValue[3] == -77);
    EXPECT_TRUE(b.SpurZuordnung[1][2] && !b.SpurZuordnung[0][2]);
    EXPECT_TRUE(b.Geometrie[2].Drehung == 5 && !b.Farben.geraete[2].kanalAn[1]);
    EXPECT_EQ(b.Farben.geraete[2].kurven[1][200], 0); // curves rebuilt after loading
    EXPECT_EQ(b.EllipsenVorschub, 20);
    // an ellipse feed below 7 is replaced by 15
    e.zahlSchreiben("Allgemein", "EllipsenVorschub", 3);
    ausgabeEinstellungenLaden(b, t.p, e);
    EXPECT_EQ(b.EllipsenVorschub, 15);
}
