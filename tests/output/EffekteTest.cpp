#include "output/Effekte.h"
#include "Pipeline.h"

using namespace sw;

TEST(Effekte, RotationScalesWithThePassWrapsAndBounces) {
    Effekte e;
    const auto vorher = e.EffektWerte[3]; // a pass without effects changes nothing
    VerzerrungsValuesBerechnen(e, 3, 37);
    EXPECT_EQ(e.EffektWerte[3], vorher);
    e.AutoWert[0][1] = 10;
    VerzerrungsValuesBerechnen(e, 0, 20);
    EXPECT_DOUBLE_EQ(e.EffektWerte[0][1], 1);
    VerzerrungsValuesBerechnen(e, 0, 40);
    EXPECT_DOUBLE_EQ(e.EffektWerte[0][1], 3);
    e.EffektWerte[0][1] = 359.5;
    VerzerrungsValuesBerechnen(e, 0, 30); // 361
    EXPECT_EQ(e.EffektWerte[0][1], 0);
    e.FlipFlop[0][1] = 1;
    e.EffektWerte[0][1] = 359.5;
    VerzerrungsValuesBerechnen(e, 0, 30);
    EXPECT_EQ(std::tuple(e.EffektWerte[0][1], e.EffektSchritte[0][1]), std::tuple(360.0, -0.005));
    VerzerrungsValuesBerechnen(e, 0, 20);
    EXPECT_DOUBLE_EQ(e.EffektWerte[0][1], 359);
    // a rising colour level is held at 1
    e.AutoWert[0][4] = 127;
    e.GrenzeMax[0][4] = 5;
    VerzerrungsValuesBerechnen(e, 0, 20);
    EXPECT_EQ(e.EffektWerte[0][4], 1);
}

TEST(Effekte, GlidingTargets) {
    Effekte e;
    e.AutoModus[0][2] = 1;
    e.AutoWert[0][2] = 127; // stretch towards -1
    e.EffektWerte[0][2] = 1;
    VerzerrungsValuesBerechnen(e, 0, 20); // speed 0.01
    EXPECT_DOUBLE_EQ(e.EffektWerte[0][2], 1 + (-1 - 1) * 0.01);
    e.AutoWert[0][2] = 0; // towards 1
    for (int i = 0; i < 2000; ++i) VerzerrungsValuesBerechnen(e, 0, 20);
    EXPECT_NEAR(e.EffektWerte[0][2], 1, 1e-6);
    // a gliding rotation with a pass of 100 ms and a factor of 0.5 reaches its target at once
    e.FaktorDrehenSchieben = 0.5;
    e.AutoModus[0][14] = 1;
    e.AutoWert[0][14] = 45;
    VerzerrungsValuesBerechnen(e, 0, 100);
    EXPECT_EQ(e.EffektWerte[0][14], 45);
    // the size glide does not swing past its target on long passes
    e.AutoModus[0][0] = 1;
    e.AutoWert[0][0] = 60;
    VerzerrungsValuesBerechnen(e, 0, 200);
    EXPECT_EQ(e.EffektWerte[0][0], 60);
}

TEST(Effekte, WindowControlsInTheSettings) {
    test::Einstellungsdatei d;
    Effekte e;
    for (int t = -1; t <= 12; ++t) {
        e.AutoModus[t][1] = 1;
        e.AutoWert[t][1] = 33;
        e.GrenzeMax[t][1] = 720;
        e.FlipFlop[t][1] = 1;
    }
    e.checkBegrenzung = true;
    effekteSpeichern(e, d.e);
    EXPECT_EQ(d.lesen("Optionen_4_FrmEffekts", "frmEffekts.checkAuto(1).Value"), "10000");
    Effekte f;
    effekteLaden(f, d.e);
    EXPECT_EQ(std::tuple(f.AutoModus[7][1], f.AutoWert[7][1], f.GrenzeMax[7][1], f.FlipFlop[7][1],
                         f.GrenzeMax[7][2]),
              std::tuple(e.AutoModus[7][1], e.AutoWert[7][1], e.GrenzeMax[7][1], e.FlipFlop[7][1],
                         e.GrenzeMax[7][2]));
    EXPECT_TRUE(f.checkBegrenzung);
}
