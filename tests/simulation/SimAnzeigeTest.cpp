#include "simulation/SimAnzeige.h"

#include "TestHilfe.h"
#include "einstellungen/Einstellungen.h"

using namespace sw;

TEST(SimAnzeige, SectionRoundTripsWithTheBlankInTheKey) {
    test::Kratzordner tmp;
    TestUhr uhr;
    Protokoll log{uhr};
    EreignisPumpe pumpe;
    Einstellungen e{log, pumpe};
    e.IniPfad = (tmp / "Strahlwerk.ini").string();

    // Nothing stored: the defaults stay.
    SimAnzeige s;
    simAnzeigeLaden(s, e);
    EXPECT_TRUE(s.OpenGL_Simulation && s.Sim_Beam && s.Sim_Grafik);
    EXPECT_EQ(s.SimGroesse, 8000);

    s.OpenGL_Simulation = false;
    s.Sim_Grafik = false;
    s.SimGroesse = 12000;
    s.AusgabeVerschiebungX = -0.25f;
    s.Rotation = {30, -45, 90};
    s.OpenGL_Trans = 0.4f;
    s.OpenGl_Nebel = 0.07f;
    simAnzeigeSpeichern(s, e);
    const double px[2] = {1000, -250.5}, py[2] = {0, 3};
    projektorenSpeichern(px, py, e);
    EXPECT_EQ(e.ini().lesen(e.IniPfad, kSimAbschnitt, "OpenGL_Trans ").value_or("-"), "4000");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, kSimAbschnitt, "OpenGL_Simulation").value_or("-"), "0");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, kSimAbschnitt, "Sim_Beam").value_or("-"), "-10000");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, kSimAbschnitt, "Rotation(1)").value_or("-"), "-450000");
    EXPECT_EQ(e.ini().lesen(e.IniPfad, kSimAbschnitt, "ProjektorVerschiebungX(1)").value_or("-"),
              "-2505000");
    EXPECT_NE(test::leseDatei(tmp / "Strahlwerk.ini")
                  .find("\r\nSimGroe\xdf"
                        "e=120000000\r\n"),
              std::string::npos);

    SimAnzeige t;
    simAnzeigeLaden(t, e);
    EXPECT_FALSE(t.OpenGL_Simulation);
    EXPECT_TRUE(t.Sim_Beam);
    EXPECT_FALSE(t.Sim_Grafik);
    EXPECT_EQ(t.SimGroesse, 12000);
    EXPECT_FLOAT_EQ(t.AusgabeVerschiebungX, -0.25f);
    EXPECT_EQ(t.Rotation, (std::array<float, 3>{30, -45, 90}));
    EXPECT_FLOAT_EQ(t.OpenGL_Trans, 0.4f);
    EXPECT_FLOAT_EQ(t.OpenGl_Nebel, 0.07f);

    // A file that has the key with its trailing blank is read the same.
    test::schreibeDatei(tmp / "Alt.ini", "[Optionen_frmAusgabe]\r\nOpenGL_Trans =2500\r\n"
                                         "OpenGl_Beam=7500\r\n");
    e.IniPfad = (tmp / "Alt.ini").string();
    simAnzeigeLaden(t, e);
    EXPECT_FLOAT_EQ(t.OpenGL_Trans, 0.25f);
    EXPECT_FLOAT_EQ(t.OpenGl_Beam, 0.75f);
    EXPECT_EQ(t.SimGroesse, 12000); // absent: kept

    // An alpha out of range from a hand-edited file is held to 0..1.
    e.zahlSchreiben(kSimAbschnitt, "OpenGl_Leinwand", 3);
    e.zahlSchreiben(kSimAbschnitt, "OpenGl_Beam", -1);
    simAnzeigeLaden(t, e);
    EXPECT_EQ(t.OpenGl_Leinwand, 1);
    EXPECT_EQ(t.OpenGl_Beam, 0);
}
