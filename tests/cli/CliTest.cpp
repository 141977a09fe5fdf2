#include "../core/IldaBauer.h"
#include "../core/QvbSchreiber.h"
#include "../platform/KleinesDateisystem.h"
#include "CliLauf.h"
#include "core/QvbFormat.h"
#include "devices/netz/EtherDreamEmulator.h"

#include <array>
#include <sys/stat.h>
#include <tuple>

using namespace sw;
using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::schreibeDatei;

using sw::test::cli;
using sw::test::q;
using sw::test::scheitert;

TEST(Cli, InfoAndUpgradeOfFigureFilesAndTheirRefusedInput) {
    Kratzordner tmp;
    Figur f;
    f.Frames.resize(2);
    f.Frames[0].Punkte = {{1, -2, 3, 4}, {-32768, 32767, -1, 0}};
    f.Parameter[398] = 1;
    f.Parameter[400] = 2.5;
    schreibeDatei(tmp / "f.qvb", qvbKodieren(f));
    auto lauf = cli(tmp, "info " + q(tmp / "f.qvb"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "{\"kind\":\"figure\",\"version\":11,\"frames\":["
                        "{\"points\":[[1,-2,3,4],[-32768,32767,-1,0]]},{\"points\":[[0,0,0,0]]}],"
                        "\"parameter\":{\"398\":1,\"400\":2.5}}\n");

    std::array<double, kParameterZahl> p{};
    p[400] = 20;
    schreibeDatei(tmp / "alt.qvb", test::altesQvb(1, {{{10, 20, 5, 0}}}, p));
    lauf = cli(tmp, "upgrade " + q(tmp / "alt.qvb") + " " + q(tmp / "neu.qvb"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    auto neu = qvbDekodieren(leseDatei(tmp / "neu.qvb"));
    ASSERT_TRUE(neu);
    EXPECT_EQ(neu->version, 11);
    EXPECT_EQ(neu->figur.Parameter[400], 2500.0);
    EXPECT_EQ(neu->figur.Parameter[303], 2.0);
    EXPECT_EQ(neu->figur.Frames[0].Punkte[0], (Punkt{10, 20, 5, 2}));
    auto info = cli(tmp, "info " + q(tmp / "alt.qvb"));
    EXPECT_NE(info.aus.find("\"version\":1,"), std::string::npos);

    std::string ganz = qvbKodieren(Figur{});
    schreibeDatei(tmp / "kurz.qvb", ganz.substr(0, 100));
    schreibeDatei(tmp / "leer.qvb", "");
    struct Fall {
        std::string argumente, erwartet;
    } faelle[] = {
        {"info " + q(tmp / "fehlt.qvb"), "does not exist"},
        {"info " + q(tmp / "kurz.qvb"), "truncated or corrupt"},
        {"info " + q(tmp / "leer.qvb"), "empty"},
        {"upgrade " + q(tmp / "kurz.qvb") + " " + q(tmp / "aus.qvb"), "truncated or corrupt"},
    };
    for (const auto& fall : faelle) {
        auto l = cli(tmp, fall.argumente);
        EXPECT_TRUE(scheitert(l, fall.erwartet)) << fall.argumente;
        EXPECT_TRUE(l.aus.empty()) << fall.argumente;
    }
    EXPECT_FALSE(std::filesystem::exists(tmp / "aus.qvb"));

    schreibeDatei(tmp / "gut.qvb", ganz);
    lauf = cli(tmp, "upgrade " + q(tmp / "gut.qvb") + " " + q(tmp / "nope" / "aus.qvb"));
    EXPECT_TRUE(scheitert(lauf, "cannot be written"));
}

TEST(Cli, IldaInfoAndConvertBetweenIldaAndFigureFilesWithTheirColoursOrRefused) {
    Kratzordner tmp;
    test::IldaBauer b;
    b.kopf(2, 1, 0, 0, "pal", "maker").rgb(1, 2, 3);
    b.farbtabelleKopf(1).rgb(255, 255, 255);
    b.kopf(1, 1, 0, 1, "bild\"1", "maker").p1(0, 0, 128, 1);
    schreibeDatei(tmp / "f.ild", b.bytes);
    auto lauf = cli(tmp, "info " + q(tmp / "f.ild"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "{\"kind\":\"ilda\",\"sections\":["
                        "{\"format\":2,\"records\":1,\"frame\":0,\"total\":0,\"name\":\"pal\","
                        "\"company\":\"maker\"},"
                        "{\"format\":3,\"records\":1,\"frame\":0,\"total\":0,\"name\":\"\","
                        "\"company\":\"\"},"
                        "{\"format\":1,\"records\":1,\"frame\":0,\"total\":1,"
                        "\"name\":\"bild\\\"1\",\"company\":\"maker\"}]}\n");

    auto palette = cli(
        tmp, "info " + q(std::filesystem::path(STRAHLWERK_DATA_DIR) / "Pangolin_Farbtabelle.qvp"));
    EXPECT_EQ(
        palette.aus,
        "{\"kind\":\"palette\",\"entries\":4369,\"header\":\"Farbpalette fuer QV-Trac_2\"}\n");
    schreibeDatei(tmp / "alt.qvp", "Farbpalette\r\n" + std::string(765 * 3, '\n'));
    EXPECT_NE(cli(tmp, "info " + q(tmp / "alt.qvp")).aus.find("\"entries\":255"),
              std::string::npos);

    b = {};
    b.kopf(5, 2, 0, 2).p5(100, -100, 0, 255, 0, 0).p5(-5, 5, 128, 0, 0, 0);
    b.kopf(5, 1, 1, 2).p5(7, 7, 128, 255, 255, 255);
    schreibeDatei(tmp / "in.ild", b.bytes);
    lauf = cli(tmp, "convert " + q(tmp / "in.ild") + " " + q(tmp / "f.qvb"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    auto figur = qvbDekodieren(leseDatei(tmp / "f.qvb"));
    ASSERT_TRUE(figur);
    ASSERT_EQ(figur->figur.Frames.size(), 2u);
    EXPECT_EQ(figur->figur.Frames[0].Punkte[0], (Punkt{100, -100, 0xF00, 0}));
    EXPECT_EQ(figur->figur.Frames[0].Punkte[1], (Punkt{-5, 5, 0, 0})); // lit, but black

    for (int k = 1; k <= 5; ++k) {
        auto aus = tmp / ("k" + std::to_string(k) + ".ild");
        auto l =
            cli(tmp, "convert " + q(tmp / "f.qvb") + " " + q(aus) + " --kind " + std::to_string(k));
        ASSERT_EQ(l.code, 0) << l.fehler;
        auto info = cli(tmp, "info " + q(aus));
        EXPECT_NE(info.aus.find(k == 5 ? "\"format\":5" : "\"format\":1"), std::string::npos);
    }
    EXPECT_EQ(leseDatei(tmp / "k5.ild").size(), 32u + 2 * 8 + 32 + 8 + 32);
    // --ilda-format names the frame format and writes the file of the kind that has it.
    for (const auto& [format, kind] : {std::pair{1, 3}, std::pair{5, 5}}) {
        auto aus = tmp / ("f" + std::to_string(format) + ".ild");
        auto l = cli(tmp, "convert " + q(tmp / "f.qvb") + " " + q(aus) + " --ilda-format " +
                              std::to_string(format));
        ASSERT_EQ(l.code, 0) << l.fehler;
        EXPECT_NE(l.aus.find("(kind " + std::to_string(kind) + ")"), std::string::npos) << l.aus;
        EXPECT_EQ(leseDatei(aus), leseDatei(tmp / ("k" + std::to_string(kind) + ".ild")));
    }

    b = {};
    b.kopf(5, 3, 0, 1).p5(1, 1, 0, 1, 1, 1);
    schreibeDatei(tmp / "kurz.ild", b.bytes);
    schreibeDatei(tmp / "falsch.ild", "this is not ILDA at all, not even close");
    for (const char* name : {"kurz.ild", "falsch.ild", "fehlt.ild"}) {
        auto l = cli(tmp, std::string("convert ") + q(tmp / name) + " " + q(tmp / "aus.qvb"));
        EXPECT_TRUE(scheitert(l, name)) << name;
        EXPECT_FALSE(std::filesystem::exists(tmp / "aus.qvb")) << name;
        EXPECT_EQ(cli(tmp, std::string("info ") + q(tmp / name)).code, 1) << name;
    }
    auto falsch = cli(tmp, "convert " + q(tmp / "kurz.ild") + " " + q(tmp / "aus.txt"));
    EXPECT_TRUE(scheitert(falsch, "neither"));

    // Indexed colours come from the standard palette unless --ilda-colours index keeps them.
    b = {};
    b.kopf(1, 2).p1(1, 1, 0, 56).p1(2, 2, 128, 16);
    schreibeDatei(tmp / "in.ild", b.bytes);
    // white and yellow from the standard palette, or the indexes as they are
    for (const auto& [wahl, weiss, gelb] : {std::tuple{"", 4095, 4080},
                                            {" --ilda-colours standard", 4095, 4080},
                                            {" --ilda-colours index", 56, 16}}) {
        auto lauf = cli(tmp, "convert " + q(tmp / "in.ild") + " " + q(tmp / "f.qvb") + wahl);
        ASSERT_EQ(lauf.code, 0) << lauf.fehler;
        const auto figur = qvbDekodieren(leseDatei(tmp / "f.qvb"));
        ASSERT_TRUE(figur);
        const auto& punkte = figur->figur.Frames.at(0).Punkte;
        EXPECT_EQ(punkte.at(0).Farbe, weiss) << wahl;
        EXPECT_EQ(punkte.at(1).Farbe, gelb) << wahl;
    }
    EXPECT_EQ(
        cli(tmp, "convert " + q(tmp / "in.ild") + " " + q(tmp / "g.qvb") + " --ilda-colours rgb")
            .code,
        1);
    EXPECT_FALSE(std::filesystem::exists(tmp / "g.qvb"));
}

TEST(Cli, PlayDumpsReproduciblyAtBothStagesWithSettingsAndExportsIlda) {
    Kratzordner tmp;
    Figur f;
    f.Frames.resize(3);
    for (int i = 0; i < 3; ++i)
        f.Frames[static_cast<std::size_t>(i)].Punkte = {
            {0, 0, 0, 0},
            {static_cast<std::int16_t>(1000 * i), 0, 4095, 4},
            {5000, 5000, 0xF00, 2}};
    f.Parameter[400] = 1000; // 50 frames per second: a new frame every pass of 20 ms
    schreibeDatei(tmp / "f.qvb", qvbKodieren(f));
    const std::string befehl = "play " + q(tmp / "f.qvb") + " --cycles 3 --dump ";
    ASSERT_EQ(cli(tmp, befehl + q(tmp / "a.jsonl")).code, 0);
    ASSERT_EQ(cli(tmp, befehl + q(tmp / "b.jsonl")).code, 0);
    const std::string a = leseDatei(tmp / "a.jsonl");
    EXPECT_EQ(a, leseDatei(tmp / "b.jsonl"));
    EXPECT_EQ(std::count(a.begin(), a.end(), '\n'), 3);
    EXPECT_EQ(a.substr(0, 32), "{\"cycle\":1,\"device\":0,\"points\":[");
    EXPECT_NE(a.find("[33567,32767,255,255,255,255]"), std::string::npos); // frame 1: x 1000
    EXPECT_NE(a.find("[34367,32767,255,255,255,255]"), std::string::npos); // frame 2: x 2000

    ASSERT_EQ(
        cli(tmp, befehl + q(tmp / "r.jsonl") + " --stage raw --track 4 --device 7=virtual").code,
        0);
    const std::string r = leseDatei(tmp / "r.jsonl");
    // track 4 is side B; device 7 listens to side A only, so the raw lists stay empty
    EXPECT_TRUE(r.empty());
    ASSERT_EQ(cli(tmp, befehl + q(tmp / "r.jsonl") + " --stage raw --device 7=virtual").code, 0);
    const std::string roh = leseDatei(tmp / "r.jsonl");
    EXPECT_NE(roh.find("{\"cycle\":1,\"device\":7,\"points\":[[800,0,0,0,0,0,1,0,0,0,0]"),
              std::string::npos);
    EXPECT_NE(roh.find("[4000,4000,255,0,0,107,1,0,0,0,0]"), std::string::npos);

    // A settings file's side table and geometry, the ILDA export, refused options.
    Figur g;
    g.Frames[0].Punkte = {{0, 0, 0, 0}, {10000, -5000, 4095, 4}};
    schreibeDatei(tmp / "f.qvb", qvbKodieren(g));
    schreibeDatei(tmp / "s.ini",
                  "[Optionen_Hardware]\r\nZuordnung_Spurseite_2_Logischespur(1,3)=-10000\r\n"
                  "[Geometriekorrektur(3)]\r\nSpiegelnX=10000\r\n");
    auto lauf = cli(tmp, "play " + q(tmp / "f.qvb") + " --track 3 --settings " + q(tmp / "s.ini") +
                             " --device 3=virtual --dump " + q(tmp / "d.jsonl"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    const std::string d = leseDatei(tmp / "d.jsonl");
    EXPECT_NE(d.find("\"device\":3"), std::string::npos);
    EXPECT_NE(d.find("[24767,28767,255,255,255,255]"), std::string::npos); // mirrored in X

    lauf = cli(tmp, "play " + q(tmp / "f.qvb") + " --cycles 4 --export-ilda " + q(tmp / "s.ild"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    auto info = cli(tmp, "info " + q(tmp / "s.ild"));
    EXPECT_NE(info.aus.find("\"frame\":3,\"total\":4"), std::string::npos) << info.aus;

    for (const char* falsch : {"--device 16=virtual", "--device 1=laser", "--stage cooked",
                               "--settings /nonexistent/s.ini"}) {
        auto l = cli(tmp, "play " + q(tmp / "f.qvb") + " " + falsch);
        EXPECT_EQ(l.code, 1) << falsch;
        EXPECT_FALSE(l.fehler.empty()) << falsch;
    }
}

// Each run starts with an Ether Dream whose first broadcast comes about a second later.
TEST(Cli, DevicesWaitsForADacThatBroadcastsOnceASecond) {
    Kratzordner tmp;
    std::uint16_t port = 0;
    {
        netz::UdpSocket frei;
        frei.binden("127.0.0.1", 0);
        port = frei.lokalerPort();
    }
    schreibeDatei(tmp / "netz.Laser_ini",
                  "[Netzwerk]\r\nSuchadresse=127.0.0.1\r\nIDN_Adresse=127.0.0.1\r\n"
                  "EtherDream_BroadcastPort=" +
                      std::to_string(port) + "0000\r\n"); // numbers are kept times 10000
    const std::string einstellungen = " --settings " + q(tmp / "netz.Laser_ini");
    const std::string gefunden = "\"kennung\":\"EtherDream 00:04:a3:10:20:30\"";
    // --wait 0 lists what start-up found, before any broadcast
    for (const auto& [erster, warten] :
         {std::pair{1.0, ""}, {1.05, ""}, {1.1, ""}, {1.0, " --wait 0"}}) {
        emu::EtherDreamEmulator::Optionen o;
        o.broadcastZiel = {"127.0.0.1", port};
        o.ersterBroadcast = erster;
        emu::EtherDreamEmulator ed(o);
        const auto lauf = cli(tmp, std::string("devices") + warten + einstellungen);
        ASSERT_EQ(lauf.code, 0) << lauf.fehler;
        EXPECT_EQ(lauf.aus.find(gefunden) != std::string::npos, *warten == 0)
            << erster << warten << lauf.aus;
    }
    for (const char* falsch : {"-1", "60001", "1.5", "x"}) {
        const auto lauf = cli(tmp, std::string("devices --wait ") + falsch);
        EXPECT_TRUE(scheitert(lauf, "--wait")) << falsch;
        EXPECT_NE(lauf.fehler.find("a whole number from 0 to 60000"), std::string::npos)
            << lauf.fehler;
    }
    const auto hilfe = cli(tmp, "devices --help");
    EXPECT_NE(hilfe.aus.find("--wait"), std::string::npos);
}

TEST(Cli, DevicesListAndPlayReachTheStreamingKinds) {
    Kratzordner tmp;
    const auto liste = cli(tmp, "devices", "STRAHLWERK_EMULATE=helios:1");
    ASSERT_EQ(liste.code, 0) << liste.fehler;
    EXPECT_NE(
        liste.aus.find("\"typ\":9,\"kennung\":\"Helios EMU1\",\"anzeigename\":\"Helios Emu 1\""),
        std::string::npos)
        << liste.aus;

    Figur f;
    f.Frames[0].Punkte = {{0, 0, 0, 0}, {-3000, 0, 4095, 4}, {3000, 0, 4095, 4}};
    schreibeDatei(tmp / "f.qvb", qvbKodieren(f));
    const auto lauf = cli(tmp,
                          "play " + q(tmp / "f.qvb") + " --cycles 10 --device '0=Helios Emu 1'" +
                              " --dump-records " + q(tmp / "r.jsonl"),
                          "STRAHLWERK_EMULATE=helios:1");
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    const std::string r = leseDatei(tmp / "r.jsonl");
    EXPECT_GE(std::count(r.begin(), r.end(), '\n'), 9);
    EXPECT_NE(r.find("\"kind\":\"helios\""), std::string::npos);
}

namespace {

// The environment that puts the program's folders into the scratch folder.
std::string programmOrdner(const Kratzordner& tmp) {
    return "PROGRAMMDATA=" + q(tmp / "pd") + " PROGRAMDATA=" + q(tmp / "pd2") +
           " XDG_DOCUMENTS_DIR=" + q(tmp / "docs");
}

std::string figurMitPunkten(std::size_t punkte) {
    Figur f;
    f.Frames[0].Punkte.assign(punkte, Punkt{100, -100, 4095, 0});
    return qvbKodieren(f);
}

} // namespace

// Import and export go through the program's start-up; the imported file is only read, and
// what is no settings file is refused (the reasons are the settings store's, tested there).
TEST(Cli, SettingsImportAndExportReadTheirFileOnlyAndRefuseOtherFiles) {
    Kratzordner tmp;
    const std::string umgebung = programmOrdner(tmp) + " STRAHLWERK_EMULATE=lumax:1";
    auto befehl = [&](const std::string& argumente) { return cli(tmp, argumente, umgebung); };
    const std::string einstellungen = "[Optionen_Hardware]\r\nDevice.DeviceName_4=Lumax Emu 1\r\n"
                                      "[Optionen_4_FrmHaupt]\r\ntxtRaster.Text=12\r\n";
    schreibeDatei(tmp / "s.Laser_ini", einstellungen);
    auto lauf = befehl("settings import " + q(tmp / "s.Laser_ini"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(leseDatei(tmp / "s.Laser_ini"), einstellungen);
    const auto programm = tmp / "pd2" / "Strahlwerk_2011" / "strahlwerk.ini";
    EXPECT_NE(leseDatei(programm).find("Device.DeviceName_4=Lumax Emu 1"), std::string::npos);
    EXPECT_NE(leseDatei(programm).find("txtRaster.Text=12"), std::string::npos);
    lauf = befehl("settings export " + q(tmp / "aus.Laser_ini"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_NE(leseDatei(tmp / "aus.Laser_ini").find("Device.DeviceName_4=Lumax Emu 1"),
              std::string::npos);
    // a ".Laser_ini" given with --settings is the settings file of that run
    schreibeDatei(tmp / "ein.Laser_ini", einstellungen);
    lauf = befehl("settings export " + q(tmp / "b.Laser_ini") + " --settings " +
                  q(tmp / "ein.Laser_ini"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_NE(lauf.aus.find("ein.Laser_ini"), std::string::npos);
    EXPECT_EQ(befehl("settings export x --settings " + q(tmp / "ein.ini")).code, 1);
    // a normal end leaves no temporary folder behind
    EXPECT_FALSE(std::filesystem::exists(tmp / "pd" / "Strahlwerk_2011" / "Temp" / "Temp"));

    // a figure given by mistake, a folder, a missing file: one sentence naming the file
    const std::string figur = figurMitPunkten(3);
    schreibeDatei(tmp / "f.qvb", figur);
    std::filesystem::create_directory(tmp / "ordner.ini");
    const std::string vorher = leseDatei(programm);
    for (const auto& [name, grund] : {std::pair<std::string, std::string>{"f.qvb", "binary"},
                                      {"ordner.ini", "folder"},
                                      {"fehlt.ini", "does not exist"}}) {
        lauf = befehl("settings import " + q(tmp / name));
        EXPECT_TRUE(scheitert(lauf, name + ": ")) << name;
        EXPECT_NE(lauf.fehler.find(grund), std::string::npos) << lauf.fehler;
        EXPECT_TRUE(lauf.aus.empty()) << name;
    }
    EXPECT_TRUE(leseDatei(tmp / "f.qvb") == figur);
    EXPECT_EQ(leseDatei(programm), vorher);

    // the file tools read their settings file and never write it
    lauf = cli(tmp, "play " + q(tmp / "f.qvb") + " --settings " + q(tmp / "s.Laser_ini"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(cli(tmp, "devices --settings " + q(tmp / "s.Laser_ini")).code, 0);
    EXPECT_EQ(leseDatei(tmp / "s.Laser_ini"), einstellungen);
    lauf = cli(tmp, "play " + q(tmp / "f.qvb") + " --settings " + q(tmp / "f.qvb"));
    EXPECT_TRUE(scheitert(lauf, "f.qvb: the file is"));
    // the settings file of the run: a binary file or a missing folder is named
    lauf = befehl("settings export " + q(tmp / "x.ini") + " --settings " + q(tmp / "f.Laser_ini"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    schreibeDatei(tmp / "b.Laser_ini", figur);
    lauf = befehl("settings export " + q(tmp / "x.ini") + " --settings " + q(tmp / "b.Laser_ini"));
    EXPECT_TRUE(scheitert(lauf, "b.Laser_ini: the file is no settings file"));
    EXPECT_TRUE(leseDatei(tmp / "b.Laser_ini") == figur);
    lauf = befehl("settings export " + q(tmp / "x.ini") + " --settings " +
                  q(tmp / "nope" / "a.Laser_ini"));
    EXPECT_TRUE(scheitert(lauf, "a.Laser_ini: the folder of the settings file does not exist"));
}

TEST(Cli, NumbersCommandsAndOptionsAreChecked) {
    Kratzordner tmp;
    schreibeDatei(tmp / "f.qvb", figurMitPunkten(2));
    struct Fall {
        std::string argumente, erwartet;
    } faelle[] = {
        {"--pass-ms inf", "--pass-ms: must be a number above 0 and at most 60000, not \"inf\""},
        {"--pass-ms 0", "--pass-ms: must be"},
        {"--cycles -1", "--cycles: must be a whole number from 0 to 10000000"},
        {"--cycles 1e3", "--cycles: must be a whole number"},
        {"--track 12", "--track: must be a whole number from 0 to 11, not \"12\""},
        {"--device 1x=virtual", "expected N=NAME with N from 0 to 15"},
    };
    for (const auto& fall : faelle) {
        auto lauf = cli(tmp, "play " + q(tmp / "f.qvb") + " " + fall.argumente);
        EXPECT_TRUE(scheitert(lauf, fall.erwartet)) << fall.argumente;
    }
    // Export kinds and ILDA formats: out of range, not a frame format, not written, or both
    // given; none of them writes the file.
    const Fall convertFaelle[] = {
        {"--kind 0", "--kind: must be a whole number from 1 to 5, not \"0\""},
        {"--ilda-format 6", "--ilda-format: must be a whole number from 0 to 5, not \"6\""},
        {"--ilda-format 2", "must be an ILDA frame format (0, 1, 4 or 5), not \"2\""},
        {"--ilda-format 3", "format 2 is a palette and 3 a colour table"},
        {"--ilda-format 0", "ILDA format 0 (3-D frames) is not written; the export writes "
                            "format 1 (indexed 2-D frames, as --kind 3) and format 5"},
        {"--kind 5 --ilda-format 5", "excludes"},
    };
    for (const auto& fall : convertFaelle) {
        auto lauf =
            cli(tmp, "convert " + q(tmp / "f.qvb") + " " + q(tmp / "x.ild") + " " + fall.argumente);
        EXPECT_TRUE(scheitert(lauf, fall.erwartet)) << fall.argumente;
        EXPECT_FALSE(std::filesystem::exists(tmp / "x.ild")) << fall.argumente;
    }
    auto lauf = cli(tmp, "convert --help");
    EXPECT_NE(lauf.aus.find("1 indexed 2-D frames (kind 3), 5 true-colour 2-D frames (kind 5)"),
              std::string::npos)
        << lauf.aus;
    lauf = cli(tmp, "frobnicate " + q(tmp / "f.qvb"));
    EXPECT_TRUE(scheitert(lauf, "\"frobnicate\" is no command; the commands are info,"));
    lauf = cli(tmp, "");
    EXPECT_TRUE(scheitert(lauf, "a command is required"));
}

TEST(Cli, FailedWritesAreReportedAndLeaveThePreviousFiles) {
    Kratzordner tmp;
    const std::string umgebung = programmOrdner(tmp);
    schreibeDatei(tmp / "f.qvb", figurMitPunkten(2));
    std::filesystem::create_directory(tmp / "ordner");
    for (const auto& [ziel, grund] :
         {std::pair<std::string, std::string>{q(tmp / "ordner"), "it is a folder"},
          {q(tmp / "fehlt" / "x.ini"), "the folder does not exist"}}) {
        auto lauf = cli(tmp, "settings export " + ziel, umgebung);
        EXPECT_TRUE(scheitert(lauf, "the settings cannot be written (" + grund + ")")) << ziel;
        EXPECT_TRUE(lauf.aus.empty());
    }
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "ordner"));

    // one failing output of play leaves the others as they were
    schreibeDatei(tmp / "d.jsonl", "previous dump");
    auto lauf = cli(tmp, "play " + q(tmp / "f.qvb") + " --dump " + q(tmp / "d.jsonl") +
                             " --export-ilda " + q(tmp / "fehlt" / "e.ild"));
    EXPECT_TRUE(
        scheitert(lauf, "e.ild: the ILDA file cannot be created (the folder does not exist)"));
    EXPECT_EQ(leseDatei(tmp / "d.jsonl"), "previous dump");

    // an ILDA file without frames gives no figure
    schreibeDatei(tmp / "leer.ild", "");
    test::IldaBauer nurEnde;
    nurEnde.kopf(5, 0, 0, 0);
    schreibeDatei(tmp / "ende.ild", nurEnde.bytes);
    for (const char* name : {"leer.ild", "ende.ild"}) {
        lauf = cli(tmp, "convert " + q(tmp / name) + " " + q(tmp / "aus.qvb"));
        EXPECT_TRUE(scheitert(lauf, std::string(name) + ": the ILDA file")) << name;
        EXPECT_FALSE(std::filesystem::exists(tmp / "aus.qvb"));
    }

    test::KleinesDateisystem klein(tmp / "klein");
    SW_KLEINES_DATEISYSTEM_ODER_UEBERSPRINGEN(klein);
    schreibeDatei(klein / "e.ild", "previous show");
    schreibeDatei(klein / "g.qvb", "previous figure");
    schreibeDatei(tmp / "gross.qvb", figurMitPunkten(20000));
    lauf =
        cli(tmp, "play " + q(tmp / "f.qvb") + " --cycles 3000 --export-ilda " + q(klein / "e.ild"));
    EXPECT_TRUE(scheitert(lauf, "e.ild: the ILDA file could not be written (the disk is full)."));
    EXPECT_TRUE(lauf.aus.empty());
    lauf = cli(tmp, "upgrade " + q(tmp / "gross.qvb") + " " + q(klein / "g.qvb"));
    EXPECT_TRUE(scheitert(lauf, "the disk is full"));
    lauf = cli(tmp, "play " + q(tmp / "f.qvb") + " --cycles 3000 --dump " + q(klein / "d.jsonl"));
    EXPECT_TRUE(scheitert(lauf, "d.jsonl: the dump file could not be written (the disk is full)."));
    EXPECT_EQ(klein.namen(), (std::vector<std::string>{"e.ild", "g.qvb"}));
    EXPECT_EQ(leseDatei(klein / "e.ild"), "previous show");
    EXPECT_EQ(leseDatei(klein / "g.qvb"), "previous figure");

    ASSERT_TRUE(klein.nurLesen());
    lauf = cli(tmp, "upgrade " + q(tmp / "f.qvb") + " " + q(klein / "g.qvb"));
    EXPECT_TRUE(scheitert(lauf, "read-only"));
    lauf = cli(tmp, "settings export " + q(klein / "s.ini"), umgebung);
    EXPECT_TRUE(
        scheitert(lauf, "s.ini: the settings cannot be written (the file system is read-only)"));
    EXPECT_EQ(leseDatei(klein / "g.qvb"), "previous figure");
}

// Links, file modes and stale temporary files are the save routine's; the CLI's writers go
// through it and name the file and the reason.
TEST(Cli, SavesFollowLinksAndReplaceOnlyRegularFiles) {
    Kratzordner tmp;
    schreibeDatei(tmp / "gut.qvb", figurMitPunkten(2));
    schreibeDatei(tmp / "echt.qvb", "old");
    std::filesystem::create_symlink("echt.qvb", tmp / "link.qvb");
    auto lauf = cli(tmp, "upgrade " + q(tmp / "gut.qvb") + " " + q(tmp / "link.qvb"));
    ASSERT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_TRUE(std::filesystem::is_symlink(tmp / "link.qvb"));
    EXPECT_TRUE(qvbDekodieren(leseDatei(tmp / "echt.qvb")));

    // a pipe (as a device node would be) is refused by either writer and stays what it is
    for (const auto& [name, befehl, datei] : {std::tuple{"rohr.qvb", "upgrade ", "the file"},
                                              {"rohr.ild", "convert ", "the ILDA file"}}) {
        ASSERT_EQ(::mkfifo((tmp / name).c_str(), 0644), 0);
        lauf = cli(tmp, befehl + q(tmp / "gut.qvb") + " " + q(tmp / name));
        EXPECT_TRUE(scheitert(lauf, std::string(name) + ": " + datei +
                                        " cannot be written (it is not a regular file)"));
        EXPECT_TRUE(std::filesystem::is_fifo(tmp / name));
    }
}
