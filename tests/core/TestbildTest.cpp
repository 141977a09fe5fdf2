#include "core/Testbild.h"
#include "TestHilfe.h"
#include "platform/Binaer.h"

using namespace sw;

TEST(Testbild, ColoursBecomeTableIndicesEveryPointAJumpAndBadFilesAreRejected) {
    Testbild b;
    b.framedauer = 2000;
    b.frames = {{{100, -100, 255, 255, 255, false}, {0, 0, 255, 0, 0, true}},
                {{-32768, 32767, 128, 255, 0, false}}};
    std::string bytes = testbildKodieren(b);
    EXPECT_EQ(bytes.substr(0, 4), "SWTB");
    EXPECT_EQ(bytes.size(), 12u + 2 + 16 + 2 + 8);
    Figur f = testbildDekodieren(bytes);
    EXPECT_EQ(f.Parameter[400], 2000.0);
    ASSERT_EQ(f.Frames.size(), 2u);
    // a dark placeholder, then the points
    EXPECT_EQ(f.Frames[0].Punkte, (std::vector<Punkt>{{0, 0, -1, status::Sprung},
                                                      {100, -100, 4095, status::Sprung},
                                                      {0, 0, -1, status::Sprung}}));
    EXPECT_EQ(f.Frames[1].Punkte[1], (Punkt{-32768, 32767, 2032, status::Sprung}));

    // truncated or foreign files are rejected
    b.frames = {{{1, 2, 3, 4, 5, false}, {6, 7, 8, 9, 10, false}}};
    bytes = testbildKodieren(b);
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_THROW(testbildDekodieren(bytes.substr(0, n)), Formatfehler) << n;
    EXPECT_NO_THROW(testbildDekodieren(bytes));
    std::string fremd = bytes;
    fremd[0] = 'X';
    EXPECT_THROW(testbildDekodieren(fremd), Formatfehler);
    std::string ohnePunkte = bytes;
    ohnePunkte[12] = ohnePunkte[13] = 0;
    EXPECT_THROW(testbildDekodieren(ohnePunkte), Formatfehler);
}
