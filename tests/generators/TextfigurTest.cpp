// Text figures: layout, blanked moves, the point budget, scrolling and the failures.

#include "generators/Textfigur.h"
#include "TestHilfe.h"
#include "generators/TextTexte.h"

#include <cmath>

using namespace sw;
using namespace sw::gen;

namespace {

// The laws every frame of a text figure keeps: point 0 is the placeholder, points lie in the
// drawing area, blanked points are dark corners and lit ones text points, and a lit point is
// never farther than the spacing from the point before (the way there is drawn).
void framesPruefen(const Figur& f, double abstand, std::int32_t farbe) {
    for (std::size_t k = 0; k < f.Frames.size(); ++k) {
        const auto& p = f.Frames[k].Punkte;
        ASSERT_FALSE(p.empty());
        EXPECT_EQ(p[0], Punkt{});
        for (std::size_t i = 1; i < p.size(); ++i) {
            EXPECT_LE(std::abs(p[i].X), kTextRand);
            EXPECT_LE(std::abs(p[i].Y), kTextRand);
            if (p[i].Farbe == -1) {
                EXPECT_EQ(p[i].Status, 3);
                continue;
            }
            EXPECT_EQ(p[i].Farbe, farbe);
            EXPECT_EQ(p[i].Status, 11);
            ASSERT_GT(i, 1u) << "frame " << k << " starts lit";
            EXPECT_LE(std::hypot(p[i].X - p[i - 1].X, p[i].Y - p[i - 1].Y), abstand + 2)
                << "lit jump into point " << i << " of frame " << k;
        }
    }
}

int dunkleSpruenge(const Frame& f) { // moves to a new place in the dark
    int n = 0;
    for (std::size_t i = 2; i < f.Punkte.size(); ++i)
        n += f.Punkte[i].Farbe == -1 && f.Punkte[i - 1].Farbe == -1 &&
             f.Punkte[i] != f.Punkte[i - 1];
    return n;
}

} // namespace

TEST(Textfigur, StillTextInOneFrame) {
    test::TestUmgebung u;
    TextOptionen o;
    o.text = "Hello";
    o.farbe = 0x0F0;
    const auto e = textfigurErzeugen(o, u.env);
    ASSERT_TRUE(e.ok()) << textMeldung(e, o, u.texte);
    ASSERT_EQ(e.figur.Frames.size(), 1u);
    framesPruefen(e.figur, e.abstand, 0x0F0);
    // H, e (two), l, l, o (two): seven contours, six moves between them
    EXPECT_EQ(dunkleSpruenge(e.figur.Frames[0]), 6);
    EXPECT_LE(e.groessterFrame, 1500u);
    EXPECT_EQ(e.figur.Parameter[parameter::Reserviert303], 2.0);
    EXPECT_TRUE(textMeldung(e, o, u.texte).empty());

    // centred, 25 % of the height per em (16000 units): from the top of "l" to the bottom of
    // "o" is about three quarters of the em
    int minX = 99999, maxX = -99999, minY = 99999, maxY = -99999;
    for (std::size_t i = 1; i < e.figur.Frames[0].Punkte.size(); ++i) {
        const auto& p = e.figur.Frames[0].Punkte[i];
        minX = std::min<int>(minX, p.X), maxX = std::max<int>(maxX, p.X);
        minY = std::min<int>(minY, p.Y), maxY = std::max<int>(maxY, p.Y);
    }
    EXPECT_NEAR(minX + maxX, 0, 4);
    EXPECT_NEAR(minY + maxY, 0, 4);
    EXPECT_GT(maxY - minY, 0.7 * 16000);
    EXPECT_LT(maxY - minY, 0.8 * 16000);

    // kerning and advance: "AV" is narrower than "AA" where the font kerns
    o.text = "AV";
    const auto av = textfigurErzeugen(o, u.env);
    o.text = "AA";
    const auto aa = textfigurErzeugen(o, u.env);
    auto breite = [](const Figur& f) {
        int a = 99999, b = -99999;
        for (std::size_t i = 1; i < f.Frames[0].Punkte.size(); ++i)
            a = std::min<int>(a, f.Frames[0].Punkte[i].X),
            b = std::max<int>(b, f.Frames[0].Punkte[i].X);
        return b - a;
    };
    EXPECT_LT(breite(av.figur), breite(aa.figur));
}

// A long text is fitted into the area's width and thinned to the budget.
TEST(Textfigur, LongTextKeepsTheBudget) {
    test::TestUmgebung u;
    TextOptionen o;
    o.text = "The quick brown fox jumps over the lazy dog, again and again.";
    const auto e = textfigurErzeugen(o, u.env);
    ASSERT_TRUE(e.ok());
    EXPECT_LE(e.groessterFrame, 1500u);
    EXPECT_GT(e.abstand, 1000); // widened
    framesPruefen(e.figur, e.abstand, o.farbe);

    // three times as long: where the spacing no longer helps, curves lose points as well
    const std::string lang = o.text + " " + o.text + " " + o.text;
    o.text = lang;
    const auto sehrLang = textfigurErzeugen(o, u.env);
    ASSERT_TRUE(sehrLang.ok());
    framesPruefen(sehrLang.figur, sehrLang.abstand, o.farbe);
    o.punktbudget = 100000;
    const auto sehrLangDicht = textfigurErzeugen(o, u.env);
    EXPECT_LT(sehrLang.groessterFrame, sehrLangDicht.groessterFrame / 3);

    o.text = "The quick brown fox jumps over the lazy dog, again and again.";
    o.punktbudget = 100000; // room for everything: the dense spacing stays
    const auto dicht = textfigurErzeugen(o, u.env);
    EXPECT_EQ(dicht.abstand, 1000);
    EXPECT_GT(dicht.groessterFrame, e.groessterFrame);
}

// Scrolling: from the right border out over the left one, a frame per 1.5 % of the width.
TEST(Textfigur, ScrollingText) {
    test::TestUmgebung u;
    TextOptionen o;
    o.text = "Laser";
    o.laufschrift = true;
    const auto e = textfigurErzeugen(o, u.env);
    ASSERT_TRUE(e.ok());
    const auto& f = e.figur;
    ASSERT_GT(f.Frames.size(), 70u); // at least the area's width at 960 units per frame
    EXPECT_EQ(f.Parameter[parameter::Framedauer], 2000);
    framesPruefen(f, e.abstand, o.farbe);
    EXPECT_EQ(f.Frames.front().Punkte.size(), 1u); // the text waits beyond the right border
    EXPECT_EQ(f.Frames.back().Punkte.size(), 1u);  // and has left over the left one at the end
    // in the middle the text moves left by the step from frame to frame
    const std::size_t m = f.Frames.size() / 2;
    auto linkerRand = [](const Frame& fr) {
        int a = 99999;
        for (std::size_t i = 1; i < fr.Punkte.size(); ++i)
            if (fr.Punkte[i].Farbe != -1) a = std::min<int>(a, fr.Punkte[i].X);
        return a;
    };
    EXPECT_NEAR(linkerRand(f.Frames[m]) - linkerRand(f.Frames[m + 1]), 960, 40);
}

TEST(Textfigur, Failures) {
    test::TestUmgebung u;
    TextOptionen o;
    o.text = "Hi";
    o.schrift = "No Such Family Xq7";
    auto e = textfigurErzeugen(o, u.env);
    EXPECT_EQ(e.fehler, TextErgebnis::Fehler::SchriftFehlt);
    EXPECT_EQ(textMeldung(e, o, u.texte),
              "The font \"No Such Family Xq7\" was not found (fc-list shows the installed fonts).");

    test::Kratzordner tmp;
    test::schreibeDatei(tmp / "kaputt.otf", std::string(200, 'x'));
    o.schrift = (tmp / "kaputt.otf").string();
    e = textfigurErzeugen(o, u.env);
    EXPECT_EQ(e.fehler, TextErgebnis::Fehler::SchriftUnlesbar);
    EXPECT_NE(textMeldung(e, o, u.texte).find("kaputt.otf cannot be read"), std::string::npos);

    o.schrift = "DejaVu Sans";
    o.text = "   ";
    EXPECT_EQ(textfigurErzeugen(o, u.env).fehler, TextErgebnis::Fehler::NichtsZuZeichnen);

    // characters the font lacks are left out and named once; German wording from the table
    o.text = "A中B中";
    e = textfigurErzeugen(o, u.env);
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(e.fehlendeZeichen, U"中");
    u.texte.setzen(1, texte::ZeichenFehlen.nummer, texte::ZeichenFehlen.deutsch);
    EXPECT_EQ(textMeldung(e, o, u.texte),
              "Diese Zeichen hat die Schrift nicht; sie fehlen im Text: 中");
    EXPECT_TRUE(u.dialoge.meldungen.empty());

    // a cubic font works as well, and broken UTF-8 does no harm
    o.schrift = "Cantarell";
    o.text = "Os\xC3";
    e = textfigurErzeugen(o, u.env);
    ASSERT_TRUE(e.ok());
    framesPruefen(e.figur, e.abstand, o.farbe);
    EXPECT_EQ(utf8Dekodieren("a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\xFF"),
              std::u32string(U"aä€😀\uFFFD"));
    EXPECT_EQ(utf8Kodieren(U"aä€😀"), "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
}
