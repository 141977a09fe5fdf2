#include "ui/Symbole.h"
#include "TestHilfe.h"
#include "einstellungen/Einstellungen.h"
#include "ui/Thema.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QStyle>
#include <QWidget>

#include <cmath>

using namespace sw;
using ui::Thema;

namespace {

// Puts the light theme back after a test that changed it.
struct ThemaTest : ::testing::Test {
    ~ThemaTest() override { ui::themaSetzen(*qApp, Thema::Hell); }
};

// The colour of the most opaque pixel (the middle of a stroke) and how many pixels are drawn.
struct Strich {
    QColor farbe;
    int gezeichnet = 0;
};
Strich strich(const QIcon& icon, int groesse, QIcon::Mode modus = QIcon::Normal) {
    const QImage bild = icon.pixmap(QSize(groesse, groesse), 1.0, modus)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    Strich s;
    int staerkste = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.alpha() > 0) ++s.gezeichnet;
            if (c.alpha() > staerkste) staerkste = c.alpha(), s.farbe = c;
        }
    return s;
}

double leuchtdichte(const QColor& c) {
    auto kanal = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
}
double kontrast(const QColor& a, const QColor& b) {
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST_F(ThemaTest, EveryIconIsListedLoadsAndDrawsAtSmallAndLargeSizes) {
    QStringList dateien = QDir(":/symbole").entryList({"*.svg"});
    QStringList namen;
    for (const auto& n : ui::symbolNamen()) namen << n + ".svg";
    dateien.sort();
    namen.sort();
    EXPECT_EQ(dateien, namen); // no file without its name in the list, and no name without file
    for (const auto& name : ui::symbolNamen()) {
        const QIcon icon = ui::symbol(name);
        ASSERT_FALSE(icon.isNull()) << name.toStdString();
        for (int groesse : {16, 32}) {
            const Strich s = strich(icon, groesse);
            EXPECT_GT(s.gezeichnet, groesse) << name.toStdString() << " at " << groesse;
            EXPECT_LT(s.gezeichnet, groesse * groesse * 3 / 4) << name.toStdString();
        }
        EXPECT_FALSE(icon.pixmap(QSize(24, 24), 2.0).isNull());
    }
    EXPECT_TRUE(ui::symbol("gibt-es-nicht").isNull());
}

TEST_F(ThemaTest, IconsTakeTheThemesTextColourButKeepTheirAccents) {
    ui::themaSetzen(*qApp, Thema::Hell);
    QWidget fenster;
    auto* aktion = new QAction(&fenster);
    ui::symbolSetzen(aktion, "werkzeug-linie");
    const Strich hell = strich(aktion->icon(), 32);
    const Strich rotHell = strich(ui::symbol("stoppen"), 32);

    ui::themaSetzen(*qApp, Thema::Dunkel);
    EXPECT_EQ(ui::aktuellesThema(), Thema::Dunkel);
    const Strich dunkel = strich(aktion->icon(), 32); // re-rendered by the theme change
    const Strich gesperrt = strich(aktion->icon(), 32, QIcon::Disabled);
    const QPalette pal = QApplication::palette();
    EXPECT_LT(hell.farbe.lightness(), 80);
    EXPECT_GT(dunkel.farbe.lightness(), 180);
    EXPECT_EQ(dunkel.farbe.rgb(), pal.color(QPalette::WindowText).rgb());
    EXPECT_EQ(gesperrt.farbe.rgb(), pal.color(QPalette::Disabled, QPalette::WindowText).rgb());
    EXPECT_GE(kontrast(gesperrt.farbe, pal.color(QPalette::Window)), 3.0);
    EXPECT_EQ(strich(ui::symbol("stoppen"), 32).farbe.rgb(), rotHell.farbe.rgb());
    EXPECT_GT(rotHell.farbe.red(), 200);
}

TEST_F(ThemaTest, DarkThemeIsDarkWithReadableTextAndLightThemeIsFusions) {
    ui::themaSetzen(*qApp, Thema::Dunkel);
    const QPalette p = QApplication::palette();
    EXPECT_EQ(qApp->style()->name().toLower(), "fusion");
    for (auto flaeche : {QPalette::Window, QPalette::Base, QPalette::AlternateBase,
                         QPalette::Button, QPalette::ToolTipBase})
        for (auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            EXPECT_LT(leuchtdichte(p.color(gruppe, flaeche)), 0.05) << flaeche << " " << gruppe;
    EXPECT_GE(kontrast(p.color(QPalette::WindowText), p.color(QPalette::Window)), 4.5);
    EXPECT_GE(kontrast(p.color(QPalette::Text), p.color(QPalette::Base)), 4.5);
    EXPECT_GE(kontrast(p.color(QPalette::ButtonText), p.color(QPalette::Button)), 4.5);
    EXPECT_GE(kontrast(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)), 4.5);
    EXPECT_GE(kontrast(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Base)), 4.5);
    EXPECT_LT(p.color(QPalette::Text).lightness(), 240); // no pure white
    // the selection stands out from the ground it is drawn on
    EXPECT_GE(kontrast(p.color(QPalette::Highlight), p.color(QPalette::Base)), 1.8);

    ui::themaSetzen(*qApp, Thema::Hell);
    EXPECT_GT(QApplication::palette().color(QPalette::Window).lightness(), 200);
    EXPECT_EQ(ui::aktuellesThema(), Thema::Hell);
}

TEST_F(ThemaTest, ChoiceRoundTripsThroughTheSettingsAndHooksRunWhileTheirOwnerLives) {
    test::Kratzordner tmp;
    TestUhr uhr;
    Protokoll log{uhr};
    EreignisPumpe pumpe;
    Einstellungen e{log, pumpe};
    e.IniPfad = (tmp / "Strahlwerk.ini").string();
    EXPECT_EQ(ui::themaLaden(e), Thema::Hell); // absent
    ui::themaSpeichern(e, Thema::Dunkel);
    EXPECT_EQ(e.ini().lesen(e.IniPfad, "Optionen_4_FrmHaupt", "Thema").value_or(""), "10000");
    EXPECT_EQ(ui::themaLaden(e), Thema::Dunkel);
    ui::themaSpeichern(e, Thema::Hell);
    EXPECT_EQ(ui::themaLaden(e), Thema::Hell);
    e.zahlSchreiben("Optionen_4_FrmHaupt", "Thema", 7); // unknown: light
    EXPECT_EQ(ui::themaLaden(e), Thema::Hell);

    int aufrufe = 0;
    auto besitzer = std::make_unique<QObject>();
    ui::nachThemawechsel(besitzer.get(), [&] { ++aufrufe; });
    ui::themaSetzen(*qApp, Thema::Dunkel);
    EXPECT_EQ(aufrufe, 1);
    besitzer.reset();
    ui::themaSetzen(*qApp, Thema::Hell);
    EXPECT_EQ(aufrufe, 1);
}
