#include "platform/Datei.h"
#include "KleinesDateisystem.h"
#include "TestHilfe.h"
#include "platform/Fehler.h"
#include "platform/IniDatei.h"
#include "platform/Speicherblock.h"

#include <sys/stat.h>
#include <sys/wait.h>

using namespace sw;
using sw::test::Kratzordner;
using sw::test::leseDatei;
using sw::test::schreibeDatei;
namespace fs = std::filesystem;

namespace {

// The reason of the Laufzeitfehler 75 the save throws, or "" when it succeeds.
std::string speichernGrund(const fs::path& datei, std::string_view bytes) {
    try {
        atomarSchreiben(datei, bytes);
        return "";
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.nummer(), 75);
        return e.what();
    }
}

// The pid of a process that has ended.
pid_t beendeterProzess() {
    const pid_t kind = ::fork();
    if (kind == 0) ::_exit(0);
    ::waitpid(kind, nullptr, 0);
    return kind;
}

} // namespace

TEST(Datei, SaveWritesThroughLinksKeepsTheModeAndRefusesWhatIsNoFile) {
    Kratzordner tmp;
    schreibeDatei(tmp / "ziel.qvb", "old");
    fs::permissions(tmp / "ziel.qvb", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("ziel.qvb", tmp / "link.qvb");
    fs::create_symlink(tmp / "link.qvb", tmp / "link2.qvb");
    EXPECT_EQ(speichernGrund(tmp / "link2.qvb", "new"), "");
    EXPECT_TRUE(fs::is_symlink(tmp / "link.qvb"));
    EXPECT_TRUE(fs::is_symlink(tmp / "link2.qvb"));
    EXPECT_EQ(leseDatei(tmp / "ziel.qvb"), "new");
    EXPECT_EQ(fs::status(tmp / "ziel.qvb").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    // a dangling link gets its target created
    fs::create_symlink("neu.qvb", tmp / "lose.qvb");
    EXPECT_EQ(speichernGrund(tmp / "lose.qvb", "x"), "");
    EXPECT_EQ(leseDatei(tmp / "neu.qvb"), "x");

    ASSERT_EQ(::mkfifo((tmp / "rohr.qvb").c_str(), 0644), 0);
    fs::create_symlink("rohr.qvb", tmp / "zumrohr.qvb");
    fs::create_directory(tmp / "ordner.qvb");
    EXPECT_EQ(speichernGrund(tmp / "rohr.qvb", "x"), "it is not a regular file");
    EXPECT_EQ(speichernGrund(tmp / "zumrohr.qvb", "x"), "it is not a regular file");
    EXPECT_EQ(speichernGrund(tmp / "ordner.qvb", "x"), "it is a folder");
    EXPECT_EQ(speichernGrund(tmp / "fehlt" / "f.qvb", "x"), "the folder does not exist");
    EXPECT_TRUE(fs::is_fifo(tmp / "rohr.qvb"));
    EXPECT_TRUE(fs::is_symlink(tmp / "zumrohr.qvb"));
    int n = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(tmp.pfad())) ++n;
    EXPECT_EQ(n, 8); // no temporary file left
}

TEST(Datei, StaleTemporaryFilesOfTheTargetAreRemovedAtTheNextSave) {
    Kratzordner tmp;
    const auto tot = std::to_string(beendeterProzess());
    const auto lebt = std::to_string(::getpid());
    const auto alt = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    const std::string namen[] = {
        "f.qvb.tmp-" + tot + "-123",  // stale: removed
        "f.qvb.tmp-" + lebt + "-124", // its process runs: kept
        "f.qvb.tmp-" + tot + "-125",  // written a moment ago: kept
        "g.qvb.tmp-" + tot + "-126",  // another target: kept
        "f.qvb.tmp-" + tot + "-x",    // not our pattern: kept
        "f.qvb.tmp" + tot,            // not our pattern: kept
    };
    for (const auto& name : namen) {
        schreibeDatei(tmp / name, "partial");
        if (name != namen[2]) fs::last_write_time(tmp / name, alt);
    }
    atomarSchreiben(tmp / "f.qvb", "ganz");
    EXPECT_FALSE(fs::exists(tmp / namen[0]));
    for (std::size_t i = 1; i < std::size(namen); ++i)
        EXPECT_TRUE(fs::exists(tmp / namen[i])) << namen[i];
    EXPECT_EQ(leseDatei(tmp / "f.qvb"), "ganz");
}

TEST(Datei, FullAndReadOnlyFileSystemsLeaveThePreviousFile) {
    Kratzordner tmp;
    test::KleinesDateisystem klein(tmp / "klein");
    SW_KLEINES_DATEISYSTEM_ODER_UEBERSPRINGEN(klein);
    schreibeDatei(klein / "f.qvb", "previous");
    EXPECT_EQ(speichernGrund(klein / "f.qvb", std::string(200000, 'x')), "the disk is full");
    EXPECT_EQ(leseDatei(klein / "f.qvb"), "previous");

    // piece by piece: the failure is kept, later writes are skipped, nothing is put in place
    {
        AtomareDatei d;
        d.oeffnen(klein / "f.qvb");
        for (int i = 0; i < 40; ++i) d.schreiben(std::string(10000, 'y'));
        d.schreibenBei(0, "z");
        EXPECT_TRUE(d.fehlerhaft());
        EXPECT_EQ(d.grund(), "the disk is full");
        EXPECT_THROW(d.abschliessen(), Laufzeitfehler);
    }
    {
        AtomareDatei d; // destroyed unfinished
        d.oeffnen(klein / "f.qvb");
        d.schreiben("half");
    }
    EXPECT_EQ(klein.namen(), std::vector<std::string>{"f.qvb"});
    EXPECT_EQ(leseDatei(klein / "f.qvb"), "previous");

    ASSERT_TRUE(klein.nurLesen());
    EXPECT_EQ(speichernGrund(klein / "f.qvb", "x"), "the file system is read-only");
    EXPECT_EQ(leseDatei(klein / "f.qvb"), "previous");
}

TEST(IniDatei, AHeldFileIsWrittenOnceAndAGivenTextNever) {
    Kratzordner tmp;
    const auto datei = tmp / "s.ini";
    schreibeDatei(datei, "[A]\r\nx=1\r\n");
    IniDatei ini;
    ini.festhalten(datei);
    ini.schreiben(datei, "A", "y", "2");
    ini.schreiben(datei, "B", "z", "3");
    EXPECT_EQ(leseDatei(datei), "[A]\r\nx=1\r\n"); // nothing on disk yet
    EXPECT_EQ(ini.lesen(datei, "B", "z"), "3");
    ini.zurueckschreiben(datei);
    EXPECT_EQ(leseDatei(datei), "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");

    const auto vorgabe = tmp / "import.ini";
    schreibeDatei(vorgabe, "on disk");
    ini.vorgeben(vorgabe, "[C]\nk=v\n");
    EXPECT_EQ(ini.lesen(vorgabe, "c", "K"), "v");
    ini.schreiben(vorgabe, "C", "k", "w");
    EXPECT_EQ(ini.lesen(vorgabe, "C", "k"), "w");
    ini.freigeben(vorgabe);
    EXPECT_EQ(leseDatei(vorgabe), "on disk");
    EXPECT_EQ(ini.lesen(vorgabe, "C", "k"), std::nullopt);

    // a held file that cannot be written stays as it was and is read from disk again
    fs::create_directory(tmp / "ordner");
    ini.festhalten(tmp / "ordner");
    ini.schreiben(tmp / "ordner", "A", "b", "c");
    EXPECT_THROW(ini.zurueckschreiben(tmp / "ordner"), Laufzeitfehler);
    EXPECT_TRUE(fs::is_directory(tmp / "ordner"));
}

TEST(Datei, WholeFilesOfEverySizeComeBackAsTheyWereWritten) {
    Kratzordner tmp;
    // empty, below, at and above the write buffer, and several megabytes in one piece
    for (std::size_t groesse : {std::size_t{0}, std::size_t{1}, std::size_t{65535},
                                std::size_t{65536}, std::size_t{65537}, std::size_t{5u << 20}}) {
        std::string bytes(groesse, '\0');
        for (std::size_t i = 0; i < groesse; ++i) bytes[i] = static_cast<char>(i * 131 + i / 7);
        atomarSchreiben(tmp / "f.bin", bytes);
        EXPECT_EQ(dateiLesen(tmp / "f.bin"), bytes) << groesse;
        EXPECT_EQ(dateiBlockLesen(tmp / "f.bin").ansicht(), bytes) << groesse;
    }
    // pieces of every size after each other, as the ILDA export writes them
    AtomareDatei f;
    f.oeffnen(tmp / "g.bin");
    std::string erwartet;
    for (std::size_t n :
         {std::size_t{10}, std::size_t{70000}, std::size_t{3}, std::size_t{65536}}) {
        const std::string stueck(n, static_cast<char>('a' + n % 26));
        f.schreiben(stueck);
        erwartet += stueck;
    }
    f.abschliessen();
    EXPECT_EQ(dateiLesen(tmp / "g.bin"), erwartet);
    // a file whose size the system does not know beforehand is read to its end
    if (fs::exists("/proc/self/status")) {
        EXPECT_NE(dateiLesen("/proc/self/status").find("Name:"), std::string::npos);
        EXPECT_NE(dateiBlockLesen("/proc/self/status").ansicht().find("Name:"), std::string::npos);
    }
    // a missing file is error 53, a folder error 75, for both readers
    const auto fehler = [](auto lesen) {
        try {
            lesen();
        } catch (const Laufzeitfehler& e) {
            return e.nummer();
        }
        return 0;
    };
    for (const auto& fall : {std::pair{tmp / "fehlt.bin", 53}, std::pair{tmp.pfad(), 75}}) {
        const fs::path& p = fall.first;
        EXPECT_EQ(fehler([&] { (void)dateiBlockLesen(p); }), fall.second) << p;
        EXPECT_EQ(fehler([&] { (void)dateiLesen(p); }), fall.second) << p;
    }
}
