#include "core/Absturzkopien.h"
#include "TestHilfe.h"
#include "core/FigurDatei.h"
#include "core/QvbFormat.h"

using namespace sw;
namespace fs = std::filesystem;

TEST(Absturzkopien, HoldTheNewestStateOfEveryChangedFigureOnly) {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    FigurenSpeicher s;
    FigurenErweitern(s, 2);
    s.lstDirPfad = tmp / "figuren";
    s.lstFiguren = {"***Figur 0***", "a.qvb", "b.qvb"};
    s.Listentyp = {0, 0, 0};
    const fs::path ordner = tmp / "kopien";

    absturzkopienSchreiben(s, u.env, ordner);
    EXPECT_FALSE(fs::exists(ordner)); // nothing changed, nothing written

    s.Figuren[2].Frames[0].Punkte[0].X = 1;
    alsGeaendertMarkieren(s, 2);
    s.Figuren[2].Frames[0].Punkte[0].X = 2; // the edit after the snapshot
    alsGeaendertMarkieren(s, 0);
    absturzkopienSchreiben(s, u.env, ordner);
    EXPECT_FALSE(s.AbsturzkopienVeraltet);
    auto kopien = absturzkopienLesen(ordner);
    ASSERT_EQ(kopien.size(), 2u);
    EXPECT_EQ(std::tuple(kopien[0].figur, kopien[0].name, kopien[0].datei),
              std::tuple(0, "***Figur 0***", fs::path()));
    EXPECT_EQ(std::tuple(kopien[1].name, kopien[1].datei),
              std::tuple("b.qvb", tmp / "figuren" / "b.qvb"));
    EXPECT_EQ(qvbDekodieren(test::leseDatei(kopien[1].kopie))->figur.Frames[0].Punkte[0].X, 2);
    EXPECT_EQ(zeitText(kopien[1].zeit).size(), 19u);

    // A current copy is not written again; a saved figure loses its copy.
    test::schreibeDatei(kopien[0].kopie, "unberuehrt");
    alsUnveraendertMarkieren(s, 2);
    absturzkopienSchreiben(s, u.env, ordner);
    EXPECT_EQ(test::leseDatei(ordner / "Figur0.qvb"), "unberuehrt");
    EXPECT_FALSE(fs::exists(ordner / "Figur2.qvb") || fs::exists(ordner / "Figur2.txt"));
    EXPECT_EQ(absturzkopienLesen(ordner).size(), 1u);

    // Copies that went missing (another start rescued them) come back with the next pass.
    fs::remove_all(ordner);
    alsGeaendertMarkieren(s, 1);
    absturzkopienSchreiben(s, u.env, ordner);
    EXPECT_EQ(absturzkopienLesen(ordner).size(), 2u);

    // Damaged leftovers are skipped by the reader.
    test::schreibeDatei(ordner / "Figurx.qvb", "");
    test::schreibeDatei(ordner / "UndoFigur3.qvb", "");
    EXPECT_EQ(absturzkopienLesen(ordner).size(), 2u);
}
