#include "generators/Mitgeliefert.h"
#include "TestHilfe.h"
#include "core/Farbpalette.h"
#include "core/Ordnerwechsel.h"
#include "core/QvbFormat.h"
#include "core/Testbild.h"
#include "medien/WavKopf.h"
#include "show/PlaylistDatei.h"
#include "show/SequenzDatei.h"
#include "show/ShowDatei.h"
#include "show/ShowInfo.h"

using namespace sw;
namespace fs = std::filesystem;

// data/ holds exactly what the generator makes; run strahlwerk-datagen data after changing it.
TEST(Mitgeliefert, DataFolderMatchesTheGenerator) {
    for (const auto& datei : gen::alleMitgeliefertenDateien()) {
        fs::path pfad = fs::path(STRAHLWERK_DATA_DIR) / datei.pfad;
        ASSERT_TRUE(fs::exists(pfad)) << datei.pfad;
        EXPECT_TRUE(test::leseDatei(pfad) == datei.bytes)
            << datei.pfad << " differs from the generator's output";
    }
}

// Every file the program ships loads.
TEST(Mitgeliefert, EveryShippedFileLoads) {
    int geprueft = 0;
    for (const auto& e : fs::recursive_directory_iterator(STRAHLWERK_DATA_DIR)) {
        if (!e.is_regular_file()) continue;
        const auto endung = e.path().extension();
        std::string bytes = test::leseDatei(e.path());
        if (endung == ".qvb") {
            auto inhalt = qvbDekodieren(bytes);
            ASSERT_TRUE(inhalt) << e.path();
            EXPECT_EQ(inhalt->version, kQvbVersion) << e.path();
            ++geprueft;
        } else if (endung == ".bin") {
            EXPECT_NO_THROW(testbildDekodieren(bytes)) << e.path();
            ++geprueft;
        } else if (endung == ".qvp") {
            EXPECT_EQ(palettendateiDekodieren(bytes).eintraege.size(), 4369u) << e.path();
            ++geprueft;
        } else if (endung == ".wav") { // the demo's music, made by the build
            WavKopf kopf;
            std::string fehler;
            EXPECT_EQ(Read_Wave_Header({bytes.begin(), bytes.end()}, kopf, fehler), 0)
                << e.path() << " " << fehler;
        } else if (endung == ".shw") {
            auto show = showdateiDekodieren(bytes);
            ASSERT_TRUE(show) << e.path();
            EXPECT_EQ(show->SoundName, "Demo.wav") << e.path();
            ++geprueft;
        } else if (endung == ".seq") {
            EXPECT_GT(sequenz::anzahl(sequenzDekodieren(bytes).events), 100) << e.path();
            ++geprueft;
        } else if (endung == ".info") {
            EXPECT_EQ(showInfoDekodieren(bytes).Showname, "Demo") << e.path();
            ++geprueft;
        } else if (endung == ".pll") {
            auto liste = playlistDekodieren(bytes);
            ASSERT_EQ(liste.eintraege.size(), 2u) << e.path();
            EXPECT_TRUE(fs::exists(e.path().parent_path() / liste.eintraege[1].showPfad))
                << e.path();
            ++geprueft;
        }
    }
    EXPECT_GE(geprueft, 10);
}

TEST(Mitgeliefert, StartUpLoadsTheShippedTestPicturesAndFixedFigures) {
    test::TestUmgebung u;
    FigurenSpeicher s;
    TestbilderUndFixFigurenLaden(s, u.env, STRAHLWERK_DATA_DIR);
    EXPECT_EQ(s.FigurenUntergrenze, -3 - 3 - 1);
    EXPECT_TRUE(u.dialoge.meldungen.empty());
    for (long i = s.FigurenUntergrenze; i <= -4; ++i)
        EXPECT_GT(s.Figuren[i].Frames[0].Punkte.size(), 0u);
    // the blackout figure is one dark point
    EXPECT_EQ(s.Figuren[-7].Frames[0].Punkte[0].Farbe, -1);
}
