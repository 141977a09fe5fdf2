#include "TestHilfe.h"
#include "show/ShowDatei.h"
#include "show/ShowInfo.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

using namespace sw;
using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::schreibeDatei;

namespace {

struct Lauf {
    int code;
    std::string aus;
    std::string fehler;
};

Lauf cli(const Kratzordner& tmp, const std::string& argumente, const std::string& umgebung = "") {
    auto fehlerDatei = tmp / "stderr.txt";
    std::string befehl = "timeout 60 " + (umgebung.empty() ? "" : "env " + umgebung + " ") +
                         std::string(STRAHLWERK_CLI) + " " + argumente + " 2>'" +
                         fehlerDatei.string() + "'";
    Lauf lauf;
    FILE* p = popen(befehl.c_str(), "r");
    std::array<char, 4096> puffer;
    std::size_t n;
    while ((n = fread(puffer.data(), 1, puffer.size(), p)) > 0) lauf.aus.append(puffer.data(), n);
    int status = pclose(p);
    lauf.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    lauf.fehler = leseDatei(fehlerDatei);
    return lauf;
}

std::string q(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

} // namespace

TEST(CliShow, InfoPrintsShowFilesAndShowInformation) {
    Kratzordner tmp;
    ShowDateiInhalt s;
    s.ShowName = "Größe";
    s.SoundName = "a.mp3";
    s.FaktorDrehenSchieben = "1,5";
    s.FaktorStauchen = "1";
    schreibeDatei(tmp / "Test.shw", showdateiKodieren(s));
    auto lauf = cli(tmp, "info " + q(tmp / "Test.shw"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "{\"kind\":\"show\",\"header\":\"Strahlwerk Lumiscript Show  "
                        "DateiVersion 2.3\",\"version\":2.3,\"ShowName\":\"Größe\",\"SoundName\":"
                        "\"a.mp3\",\"FaktorDrehenSchieben\":\"1,5\",\"FaktorStauchen\":\"1\","
                        "\"mnuLaserAutomatik\":false}\n");

    ShowInfo i;
    i.Interpret = "Künstler";
    i.SpurZuordnung[1][3] = true;
    i.DMXVerwendung = 2;
    schreibeDatei(tmp / "Test.info", showInfoKodieren(i));
    lauf = cli(tmp, "info " + q(tmp / "Test.info"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_NE(lauf.aus.find("\"txtInterpret\":\"Künstler\""), std::string::npos) << lauf.aus;
    EXPECT_NE(lauf.aus.find("{\"A\":false,\"B\":false,\"C\":false,\"D\":true}"), std::string::npos);
    EXPECT_NE(lauf.aus.find("\"optDMXVerwendung\":2,"), std::string::npos);

    // Broken files: one sentence naming the file, exit code 1.
    const std::string ganz = showInfoKodieren(i);
    schreibeDatei(tmp / "Kurz.info", ganz.substr(0, ganz.size() - 1));
    lauf = cli(tmp, "info " + q(tmp / "Kurz.info"));
    EXPECT_EQ(lauf.code, 1);
    EXPECT_NE(lauf.fehler.find("Kurz.info: the show information is truncated or corrupt"),
              std::string::npos)
        << lauf.fehler;
    schreibeDatei(tmp / "Kopf.shw", "Strahlwerk Lumiscript Live  DateiVersion 2.3\r\n");
    lauf = cli(tmp, "info " + q(tmp / "Kopf.shw"));
    EXPECT_EQ(lauf.code, 1);
    EXPECT_NE(lauf.fehler.find("wrong header"), std::string::npos);
}

TEST(CliShow, CleanShowListsThenMovesIntoTheTrash) {
    Kratzordner tmp;
    const auto ordner = tmp / "Show";
    std::filesystem::create_directories(ordner);
    std::filesystem::create_directories(tmp / "daten");
    schreibeDatei(ordner / "Test.shw", showdateiKodieren({}));
    for (const char* d : {"Test.live", "Test.Laser_ini", "a.pll", "Test.bmp", "Other.bmp"})
        schreibeDatei(ordner / d, d);
    const std::string umgebung = "XDG_DATA_HOME=" + q(tmp / "daten");

    auto lauf = cli(tmp, "clean-show " + q(ordner / "Test.shw") + " --dry-run", umgebung);
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus,
              (ordner / "Other.bmp").string() + "\n" + (ordner / "Test.bmp").string() + "\n");
    EXPECT_TRUE(std::filesystem::exists(ordner / "Test.bmp"));

    lauf = cli(tmp, "clean-show " + q(ordner / "Test.shw"), umgebung);
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_FALSE(std::filesystem::exists(ordner / "Test.bmp"));
    EXPECT_FALSE(std::filesystem::exists(ordner / "Other.bmp"));
    EXPECT_EQ(leseDatei(tmp / "daten" / "Trash" / "files" / "Other.bmp"), "Other.bmp");
    for (const char* d : {"Test.live", "Test.Laser_ini", "a.pll", "Test.shw"})
        EXPECT_TRUE(std::filesystem::exists(ordner / d)) << d;
}
