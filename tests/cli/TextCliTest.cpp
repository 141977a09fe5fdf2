// strahlwerk-cli text: the figure file it writes reads back with the frames the generator
// makes and without a lit jump; refused input writes nothing.

#include "CliLauf.h"
#include "core/QvbFormat.h"
#include "generators/Textfigur.h"

#include <cmath>

using namespace sw;
using sw::test::cli;
using sw::test::Kratzordner;
using sw::test::q;
using sw::test::scheitert;

TEST(TextCli, StillAndScrollingTextReadBack) {
    Kratzordner tmp;
    test::TestUmgebung u;
    for (bool laufschrift : {false, true}) {
        gen::TextOptionen o;
        o.text = "Hello";
        o.farbe = 256;
        o.laufschrift = laufschrift;
        const auto erwartet = gen::textfigurErzeugen(o, u.env);
        ASSERT_TRUE(erwartet.ok());

        const auto datei = tmp / (laufschrift ? "scroll.qvb" : "hello.qvb");
        auto lauf = cli(tmp, std::string("text Hello --colour 256 ") +
                                 (laufschrift ? "--scroll " : "") + "--out " + q(datei));
        ASSERT_EQ(lauf.code, 0) << lauf.fehler;
        EXPECT_NE(lauf.aus.find("DejaVuSans.ttf"), std::string::npos) << lauf.aus;
        const auto inhalt = qvbDekodieren(test::leseDatei(datei));
        ASSERT_TRUE(inhalt);
        const Figur& f = inhalt->figur;
        ASSERT_EQ(f.Frames.size(), erwartet.figur.Frames.size());
        EXPECT_EQ(f.Frames.size() > 1, laufschrift);
        std::size_t lit = 0;
        for (const auto& frame : f.Frames) {
            EXPECT_EQ(frame.Punkte.size(),
                      erwartet.figur.Frames[&frame - &f.Frames[0]].Punkte.size());
            for (std::size_t i = 1; i < frame.Punkte.size(); ++i) {
                const auto& p = frame.Punkte[i];
                if (p.Farbe == -1) continue;
                ++lit;
                EXPECT_EQ(p.Farbe, 256);
                const auto& v = frame.Punkte[i - 1];
                ASSERT_GT(i, 1u);
                EXPECT_LE(std::hypot(p.X - v.X, p.Y - v.Y), erwartet.abstand + 2);
            }
        }
        EXPECT_GT(lit, 100u);
    }
}

TEST(TextCli, RefusedInputWritesNothing) {
    Kratzordner tmp;
    EXPECT_TRUE(scheitert(cli(tmp, "text Hi --font 'No Such Family Xq7' --out " + q(tmp / "a.qvb")),
                          "The font \"No Such Family Xq7\" was not found"));
    test::schreibeDatei(tmp / "kaputt.ttf", "no font");
    EXPECT_TRUE(scheitert(
        cli(tmp, "text Hi --font " + q(tmp / "kaputt.ttf") + " --out " + q(tmp / "a.qvb")),
        "cannot be read"));
    EXPECT_TRUE(scheitert(cli(tmp, "text ' ' --out " + q(tmp / "a.qvb")),
                          "no character the font can draw"));
    EXPECT_TRUE(scheitert(cli(tmp, "text Hi --out " + q(tmp / "a.ild")), "(.qvb)"));
    EXPECT_TRUE(scheitert(cli(tmp, "text Hi --size 0 --out " + q(tmp / "a.qvb")), "1 to 100"));
    EXPECT_FALSE(std::filesystem::exists(tmp / "a.qvb"));

    // a character the font lacks is named, the rest is written
    auto lauf = cli(tmp, "text 'A中' --out " + q(tmp / "b.qvb"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_NE(lauf.fehler.find("left out: 中"), std::string::npos) << lauf.fehler;
    EXPECT_TRUE(std::filesystem::exists(tmp / "b.qvb"));
}
