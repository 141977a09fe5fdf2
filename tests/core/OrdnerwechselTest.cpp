#include "core/Ordnerwechsel.h"
#include "TestHilfe.h"
#include "core/QvbFormat.h"
#include "core/Testbild.h"

using namespace sw;
using sw::test::Kratzordner;
using sw::test::schreibeDatei;

namespace {

std::string figurDatei(std::int16_t x) {
    Figur f;
    f.Frames[0].Punkte[0].X = x;
    return qvbKodieren(f);
}

std::string testbildDatei(std::int16_t x) {
    Testbild b;
    b.frames = {{TestbildPunkt{x, 0, 255, 0, 0, false}}};
    return testbildKodieren(b);
}

} // namespace

TEST(Ordnerwechsel, ListsFiguresInBinaryOrderThenShowParts) {
    Kratzordner tmp;
    test::TestUmgebung u;
    FigurenSpeicher s;
    schreibeDatei(tmp / "b.qvb", figurDatei(3));
    schreibeDatei(tmp / "a.qvb", figurDatei(2));
    schreibeDatei(tmp / "B.qvb", figurDatei(1));
    schreibeDatei(tmp / "teil.prt", "");
    schreibeDatei(tmp / "anders.txt", "");
    std::filesystem::path gelesen;
    s.hooks.tastenbelegungLesen = [&](const std::filesystem::path& p) { gelesen = p; };
    FigurenErweitern(s, 9);

    lstDir_Change(s, u.env, tmp.pfad());

    EXPECT_EQ(s.lstFiguren,
              (std::vector<std::string>{"***Figur 0***", "B.qvb", "a.qvb", "b.qvb", "teil.prt"}));
    EXPECT_EQ(s.Listentyp, (std::vector<std::int16_t>{0, 0, 0, 0, 1}));
    EXPECT_EQ(s.Figuren.obergrenze(), 3);
    for (long k = 1; k <= 3; ++k) EXPECT_EQ(s.Figuren[k].Frames[0].Punkte[0].X, k);
    EXPECT_EQ(s.lstMakros, std::vector<std::string>{"***Makro 0***"});
    EXPECT_EQ(s.lstNoteOffFigur, std::vector<std::string>{"Note Off Figur ***AUS***"});
    EXPECT_EQ(s.FigurDateien, (std::vector<std::string>{"", "teil.prt"}));
    EXPECT_EQ(gelesen, tmp.pfad());

    const auto auswahl = [&] {
        return std::tuple(s.SpurAuswahl[s.EditorSpur].Figur,
                          s.ShowpartAuswahl[s.EditorSpur].Showpart);
    };
    lstFiguren_Click(s, 2, 1234.0);
    EXPECT_EQ(auswahl(), std::tuple(2, -1));
    EXPECT_EQ(s.SpurAuswahl[s.EditorSpur].Zeitpunkt, 1234.0);
    lstFiguren_Click(s, 4, 2000.0);
    EXPECT_EQ(auswahl(), std::tuple(-1, 4));
}

TEST(Ordnerwechsel, UmlautNamesAreRenamedOnDiskButNeverOverAnotherFigure) {
    Kratzordner tmp;
    test::TestUmgebung u;
    FigurenSpeicher s;
    schreibeDatei(tmp / "Grün.qvb", figurDatei(5));
    schreibeDatei(tmp / "Süß.prt", "");
    lstDir_Change(s, u.env, tmp.pfad());
    for (auto [name, da] : {std::pair{"Grün.qvb", false}, {"Gruen.qvb", true}, {"Suess.prt", true}})
        EXPECT_EQ(std::filesystem::exists(tmp / name), da) << name;
    EXPECT_EQ(s.lstFiguren, (std::vector<std::string>{"***Figur 0***", "Gruen.qvb", "Suess.prt"}));
    EXPECT_EQ(s.Figuren[1].Frames[0].Punkte[0].X, 5);
    EXPECT_GE(u.uhr.sekunden(), 0.2); // the pause after each copy

    // renaming never overwrites another figure
    Kratzordner zwei;
    schreibeDatei(zwei / "Grün.qvb", figurDatei(1));
    schreibeDatei(zwei / "Gruen.qvb", figurDatei(2));
    lstDir_Change(s, u.env, zwei.pfad());
    EXPECT_EQ(s.lstFiguren, (std::vector<std::string>{"***Figur 0***", "Gruen.qvb", "Grün.qvb"}));
    EXPECT_EQ(std::tuple(s.Figuren[1].Frames[0].Punkte[0].X, s.Figuren[2].Frames[0].Punkte[0].X),
              std::tuple(2, 1));
}

TEST(Ordnerwechsel, AChangeOfFolderDropsTheOldFiguresAndKeepsNegativeSlots) {
    Kratzordner a, b;
    test::TestUmgebung u;
    FigurenSpeicher s;
    schreibeDatei(a / "1.qvb", figurDatei(1));
    schreibeDatei(a / "2.qvb", figurDatei(2));
    s.Figuren[-2].Frames.resize(4);
    s.Figuren[0].Frames.resize(6);
    lstDir_Change(s, u.env, a.pfad());
    EXPECT_TRUE(s.Figuren.obergrenze() == 2 && s.Figuren[0].Frames.size() == 1);
    lstDir_Change(s, u.env, b.pfad());
    EXPECT_TRUE(s.Figuren.obergrenze() == 0 && s.lstFiguren.size() == 1);
    EXPECT_EQ(s.Figuren[-2].Frames.size(), 4u);
}

TEST(Ordnerwechsel, TestPicturesAndFixedFiguresFillTheNegativeSlots) {
    Kratzordner programm;
    test::TestUmgebung u;
    FigurenSpeicher s;
    std::filesystem::create_directories(programm / "TestBilder");
    std::filesystem::create_directories(programm / "FixFiguren");
    for (int i : {1, 2})
        schreibeDatei(programm / "TestBilder" / ("t" + std::to_string(i) + ".bin"),
                      testbildDatei(static_cast<std::int16_t>(-3 - i)));
    for (int i : {1, 2, 3})
        schreibeDatei(programm / "FixFiguren" / ("f" + std::to_string(i) + ".qvb"),
                      figurDatei(static_cast<std::int16_t>(-5 - i)));
    s.Figuren[0].Frames.resize(2);

    TestbilderUndFixFigurenLaden(s, u.env, programm.pfad());

    EXPECT_TRUE(s.FigurenUntergrenze == -8 && s.Figuren.untergrenze() == -8);
    for (long i = -8; i <= -6; ++i) EXPECT_EQ(s.Figuren[i].Frames[0].Punkte[0].X, i) << i;
    for (long i = -5; i <= -4; ++i) EXPECT_EQ(s.Figuren[i].Frames[0].Punkte[1].X, i) << i;
    EXPECT_EQ(s.Figuren[-4].Frames[0].Punkte[1].Status, status::Sprung);
    EXPECT_EQ(s.Figuren[0].Frames.size(), 2u);
    // a later folder change keeps them
    Kratzordner leer;
    lstDir_Change(s, u.env, leer.pfad());
    EXPECT_EQ(s.Figuren[-8].Frames[0].Punkte[0].X, -8);
}

TEST(Ordnerwechsel, FilesOfAKindInAnyCaseAndNoFolders) {
    Kratzordner tmp;
    for (const char* n : {"b.ild", "A.ILD", "c.Ild", "d.ild.bak", "e.qvb", "ild"})
        schreibeDatei(tmp / n, "x");
    std::filesystem::create_directories(tmp / "ordner.ild");
    EXPECT_EQ(ordnerDateien(tmp.pfad(), ".ild"),
              (std::vector<std::string>{"A.ILD", "b.ild", "c.Ild"}));
    EXPECT_TRUE(ordnerDateien(tmp / "fehlt", ".ild").empty());
}
