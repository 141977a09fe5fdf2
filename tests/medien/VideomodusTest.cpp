// The video window's modes as the engine keeps them: what the media layer is told and what the
// settings file holds.
#include "medien/Videomodus.h"

#include "TestHilfe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sw;

namespace {

struct Aufzeichnung : FakeMedien {
    std::vector<std::string> rufe;
    void DS_FullScreenMovie() override { rufe.push_back("vollbild"); }
    void DS_StretchMovie(int b, int h) override {
        rufe.push_back("strecken " + std::to_string(b) + "x" + std::to_string(h));
    }
    void DS_UpdateMovie() override { rufe.push_back("seitenverhaeltnis"); }
};

struct Speicher {
    test::Kratzordner tmp;
    TestUhr uhr;
    Protokoll log{uhr};
    EreignisPumpe pumpe;
    Einstellungen e{log, pumpe};
    Speicher() { e.IniPfad = (tmp / "Strahlwerk.ini").string(); }
    std::string roh() {
        return e.ini().lesen(e.IniPfad, kVideoAbschnitt, "mnuVideoStrech").value_or("(absent)");
    }
};

} // namespace

TEST(Videomodus, StretchAndAspectExcludeEachOtherAndTellTheMediaLayer) {
    Videomodus m;
    Aufzeichnung a;
    EXPECT_TRUE(m.mnuVideoCorrectAspect);
    EXPECT_FALSE(m.mnuVideoStrech);
    videoStrecken(m, true, a, 640, 360);
    EXPECT_TRUE(m.mnuVideoStrech);
    EXPECT_FALSE(m.mnuVideoCorrectAspect);
    videoSeitenverhaeltnis(m, true, a, 640, 360);
    EXPECT_FALSE(m.mnuVideoStrech);
    EXPECT_TRUE(m.mnuVideoCorrectAspect);
    // Unticking the aspect stretches, unticking the stretch keeps the aspect.
    videoSeitenverhaeltnis(m, false, a, 800, 600);
    EXPECT_TRUE(m.mnuVideoStrech);
    videoStrecken(m, false, a, 800, 600);
    EXPECT_TRUE(m.mnuVideoCorrectAspect);
    videoVollbild(m, true, a);
    EXPECT_TRUE(m.mnuVideoVollbild);
    videoVollbild(m, false, a);
    EXPECT_FALSE(m.mnuVideoVollbild);
    videomodusAnwenden(m, a, 1, 1);
    EXPECT_EQ(a.rufe,
              (std::vector<std::string>{"strecken 640x360", "seitenverhaeltnis", "strecken 800x600",
                                        "seitenverhaeltnis", "vollbild", "seitenverhaeltnis"}));
}

TEST(Videomodus, TheStretchIsStoredAsMinusOneFullScreenNever) {
    Speicher s;
    // Nothing stored: the picture keeps its aspect.
    Videomodus m = videomodusLaden(s.e);
    EXPECT_TRUE(m.mnuVideoCorrectAspect);
    EXPECT_FALSE(m.mnuVideoStrech);

    Aufzeichnung a;
    videoStrecken(m, true, a, 640, 360);
    videoVollbild(m, true, a);
    videomodusSpeichern(m, s.e);
    EXPECT_EQ(s.roh(), "-10000");
    const Videomodus zurueck = videomodusLaden(s.e);
    EXPECT_TRUE(zurueck.mnuVideoStrech);
    EXPECT_FALSE(zurueck.mnuVideoCorrectAspect);
    EXPECT_FALSE(zurueck.mnuVideoVollbild);

    videoSeitenverhaeltnis(m, true, a, 640, 360);
    videomodusSpeichern(m, s.e);
    EXPECT_EQ(s.roh(), "0");
    EXPECT_TRUE(videomodusLaden(s.e).mnuVideoCorrectAspect);
}
