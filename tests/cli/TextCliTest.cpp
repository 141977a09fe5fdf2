// strahlwerk-cli text: the figure file it writes holds the frames the generator makes (whose
// drawing is the generator's tests'); refused input writes nothing.

#include "CliLauf.h"
#include "core/QvbFormat.h"
#include "generators/Textfigur.h"

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
        EXPECT_TRUE(inhalt->figur.Frames == erwartet.figur.Frames);
        EXPECT_EQ(inhalt->figur.Frames.size() > 1, laufschrift);
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
