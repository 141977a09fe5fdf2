// The effects window and the colour-correction window: reachable from the menu, every control
// writes its engine value and, after saving, its setting; the copy grid copies exactly the
// ticked rows onto the ticked tracks; the automatic correction drives the measuring mode and
// takes the fitted curve; captions follow the language.

#include "Fenster.h"
#include "generators/Sprachtabelle.h"
#include "output/Effektzeilen.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

using namespace sw;
using test::Fenster;

namespace {

QWidget* oeffnen(Fenster& t, const char* befehl, const char* fenster) {
    t.ausloesen(befehl);
    auto* w = t.w->findChild<QWidget*>(fenster);
    EXPECT_NE(w, nullptr) << fenster;
    if (w) {
        EXPECT_TRUE(w->isVisible());
    }
    return w;
}

template <typename T> T* in(QWidget* w, const QString& n) {
    return test::kindIn<T>(w, n);
}

double gespeichert(Fenster& t, const char* abschnitt, const std::string& schluessel) {
    return t.p->einstellungen.ini()
                   .lesen(t.p->einstellungen.IniPfad, abschnitt, schluessel)
                   .has_value()
               ? t.p->einstellungen.zahlLesen(abschnitt, schluessel, -12345)
               : -12345;
}

} // namespace

TEST(Effektfenster, ControlsWriteTheEffectTablesTheFigureAndTheSettings) {
    Fenster t;
    QWidget* w = oeffnen(t, "mnuEffekte", "frmEffekts");
    ASSERT_NE(w, nullptr);
    test::alleErklaert(w);
    Effekte& e = t.p->ausgabe->Effekt;

    // All tracks (the first entry): every track -1 to 12 takes the row.
    auto* spur = in<QComboBox>(w, "cboSpur");
    EXPECT_EQ(spur->itemText(3), "Track 2 (side A)");
    in<QScrollBar>(w, "scrAuto(14)")->setValue(-30);
    in<QCheckBox>(w, "checkAuto(1)")->setChecked(true);
    in<QScrollBar>(w, "scrAuto(1)")->setValue(90);
    in<QCheckBox>(w, "checkFlipFlop(4)")->setChecked(true);
    auto* max = in<QLineEdit>(w, "txtEffektGrenzeMax(1)");
    max->setText("180");
    emit max->editingFinished();
    auto* min = in<QLineEdit>(w, "txtEffektGrenzeMin(11)");
    min->setText("-50"); // % of half the picture: an offset of -0.25
    emit min->editingFinished();
    auto* falsch = in<QLineEdit>(w, "txtEffektGrenzeMin(2)");
    falsch->setText("abc");
    emit falsch->editingFinished();
    EXPECT_EQ(falsch->text(), "-100"); // not a number: the limit stays and is shown again
    in<QCheckBox>(w, "checkAbsolute(0)")->setChecked(true);
    in<QScrollBar>(w, "scrStartEffektWert(0)")->setValue(50); // 50 % size
    for (int s = -1; s <= 12; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(e.AutoWert[s][14], -30);
        EXPECT_EQ(e.AutoModus[s][1], 1);
        EXPECT_EQ(e.AutoWert[s][1], 90);
        EXPECT_EQ(e.FlipFlop[s][4], 1);
        EXPECT_EQ(e.GrenzeMax[s][1], 180);
        EXPECT_DOUBLE_EQ(e.GrenzeMin[s][11], -0.25);
        EXPECT_EQ(e.GrenzeMin[s][2], -1);
        EXPECT_DOUBLE_EQ(e.EffektWerte[s][0], 63.5);
    }
    EXPECT_TRUE(e.checkAbsolute[0]);
    EXPECT_EQ(in<QLabel>(w, "lblAuto(1)")->text(), "→ 90 °");
    EXPECT_EQ(in<QLabel>(w, "lblAuto(14)")->text(), "-150 °/s");
    EXPECT_EQ(in<QLabel>(w, "lblEffektWert(0)")->text(), "50 %");

    // One track: the others keep their rows; relative start values move by the change.
    spur->setCurrentIndex(3);
    EXPECT_EQ(in<QScrollBar>(w, "scrAuto(14)")->value(), -30); // shows track 2's row
    in<QScrollBar>(w, "scrAuto(9)")->setValue(12);
    in<QScrollBar>(w, "scrStartEffektWert(1)")->setValue(10);
    EXPECT_EQ(e.AutoWert[2][9], 12);
    EXPECT_EQ(e.AutoWert[3][9], 0);
    EXPECT_EQ(e.AutoWert[0][9], 0);
    EXPECT_EQ(e.EffektWerte[2][1], 10);
    e.EffektWerte[2][1] = 100; // the rotation ran on meanwhile
    in<QScrollBar>(w, "scrStartEffektWert(1)")->setValue(15);
    EXPECT_EQ(e.EffektWerte[2][1], 105);
    EXPECT_EQ(e.EffektWerte[3][1], 0);
    // rows that are no effect cannot be changed
    EXPECT_FALSE(in<QScrollBar>(w, "scrAuto(13)")->isEnabled());
    EXPECT_FALSE(in<QCheckBox>(w, "checkAuto(17)")->isEnabled());

    // The editor figure's switches.
    const long f = t.p->figuren.SpurAuswahl[t.p->figuren.EditorSpur].Figur;
    ASSERT_TRUE(t.p->figuren.Figuren.enthaelt(f));
    auto& par = t.p->figuren.Figuren[f].Parameter;
    for (const auto& [name, nr] : {std::pair<const char*, int>{"checkBegrenzung", 164},
                                   {"checkOptimireEchtzeit", parameter::Echtzeitoptimierung},
                                   {"checkSoftColor", parameter::SoftColor}}) {
        auto* box = in<QCheckBox>(w, name);
        box->setChecked(!box->isChecked());
        EXPECT_EQ(par[nr], box->isChecked() ? 1 : 0) << name;
    }
    EXPECT_EQ(e.checkBegrenzung, in<QCheckBox>(w, "checkBegrenzung")->isChecked());
    EXPECT_EQ(e.checkOptimireEchtzeit, in<QCheckBox>(w, "checkOptimireEchtzeit")->isChecked());
    in<QScrollBar>(w, "scrPerspektive")->setValue(120);
    EXPECT_EQ(par[parameter::Perspektive], 120000);
    EXPECT_EQ(t.p->ausgabe->Perspektivabstand[2], 120000); // the chosen track at once
    EXPECT_EQ(t.p->ausgabe->Perspektivabstand[3], 640000);
    QTest::mouseClick(in<QAbstractButton>(w, "optDunkleHaelfte(3)"), Qt::LeftButton);
    EXPECT_EQ(par[167], 3);
    EXPECT_EQ(istGeaendert(t.p->figuren, f), f >= 0); // test pictures below 0 stay unmarked

    // The copy grid copies exactly the ticked rows onto the ticked tracks.
    for (int p = 0; p < kEffektParameter; ++p) {
        e.AutoWert[1][static_cast<std::size_t>(p)] = 50 + p;
        e.EffektWerte[1][static_cast<std::size_t>(p)] = 0.5;
    }
    const Effekte vorher = e;
    in<QComboBox>(w, "cboKopierQuelle")->setCurrentIndex(1);
    in<QCheckBox>(w, "checkKopieren(2)")->setChecked(true);
    in<QCheckBox>(w, "checkKopieren(15)")->setChecked(true);
    in<QCheckBox>(w, "checkKopierZiel(5)")->setChecked(true);
    in<QCheckBox>(w, "checkKopierZiel(11)")->setChecked(true);
    QTest::mouseClick(in<QPushButton>(w, "cmdKopieren"), Qt::LeftButton);
    for (int s = -1; s <= 12; ++s)
        for (int p = 0; p < kEffektParameter; ++p) {
            const auto i = static_cast<std::size_t>(p);
            const bool kopiert = (s == 5 || s == 11) && (p == 2 || p == 15);
            SCOPED_TRACE(testing::Message() << s << " " << p);
            EXPECT_EQ(e.AutoWert[s][i], kopiert ? 50 + p : vorher.AutoWert[s][i]);
            EXPECT_EQ(e.EffektWerte[s][i], kopiert ? 0.5 : vorher.EffektWerte[s][i]);
        }

    // Captions follow the language.
    t.w->spracheWaehlen(0);
    // as the language file regenerated from the table will have them
    for (const auto& x : gen::sprachtexte())
        if (x.nummer >= 1200 && x.nummer <= 1299) t.p->texte.setzen(0, x.nummer, x.deutsch);
    t.w->beschriften();
    EXPECT_EQ(w->windowTitle(), "Strahlwerk – Effekte");
    EXPECT_EQ(in<QCheckBox>(w, "checkSoftColor")->text(), "&Weiche Farben");
    EXPECT_EQ(spur->currentIndex(), 3); // the choice survives the new captions
    t.w->spracheWaehlen(1);

    // Closing saves the window's controls (track 0's row stands for them) and its place.
    w->close();
    const char* k = "Optionen_4_FrmEffekts";
    for (const auto& [name, wert] : {std::pair<std::string, double>{"scrAuto(14)", -30},
                                     {"checkAuto(1)", 1},
                                     {"checkFlipFlop(4)", 1},
                                     {"checkAbsolute(0)", 1},
                                     {"checkBegrenzung", e.checkBegrenzung ? 1 : 0}})
        EXPECT_EQ(gespeichert(t, k, "frmEffekts." + name + ".Value"), wert) << name;
    for (const auto& [name, wert] :
         {std::pair<std::string, std::string>{"Max(1)", "180"}, {"Min(11)", "-0.25"}})
        EXPECT_EQ(t.p->einstellungen.ini().lesen(t.p->einstellungen.IniPfad, k,
                                                 "frmEffekts.txtEffektGrenze" + name + ".Text"),
                  wert);
    EXPECT_NE(gespeichert(t, "Fensterposition", "frmEffekts.WPM.rcNormalPosition.Right"), -12345);

    // Loading the settings gives every track the saved row.
    Effekte neu;
    effekteLaden(neu, t.p->einstellungen);
    EXPECT_EQ(neu.AutoWert[7][14], -30);
    EXPECT_EQ(neu.GrenzeMax[7][1], 180);
}

TEST(Farbkorrekturfenster, ControlsSetTheCurvesAndTheSettingsAndTheMeasurementFits) {
    Fenster t;
    QWidget* w = oeffnen(t, "mnuFarbkorrektur", "frmFarbkorrektur");
    ASSERT_NE(w, nullptr);
    test::alleErklaert(w);
    in<QComboBox>(w, "cboGeraet")->setCurrentIndex(2);
    auto& g = t.p->ausgabe->Farben.geraete[2];
    in<QSpinBox>(w, "txtMinimum(0)")->setValue(20);
    in<QSpinBox>(w, "txtMaximum(0)")->setValue(220);
    in<QSpinBox>(w, "txtMidWert(0)")->setValue(120);
    in<QSpinBox>(w, "txtMidPosition(1)")->setValue(64);
    EXPECT_EQ(g.kurven[0][128], 120); // the curve follows at once
    in<QCheckBox>(w, "checkTTL(1)")->setChecked(true);
    EXPECT_EQ(g.TTL_Gesetzt[1], 1);
    EXPECT_FALSE(in<QSpinBox>(w, "txtMinimum(1)")->isEnabled()); // a switch has no curve
    in<QScrollBar>(w, "scrFarbe(2)")->setValue(0);
    EXPECT_FALSE(g.kanalAn[2]);
    EXPECT_EQ(in<QLabel>(w, "lblFarbe(2)")->text(), "off");
    EXPECT_EQ(in<QLabel>(w, "lblFarbe(1)")->text(), "on");
    EXPECT_EQ(t.p->ausgabe->Farben.geraete[0].minimum[0], 0); // other devices untouched

    w->close();
    EXPECT_EQ(gespeichert(t, "Farbkorrektur", " R_Min_Farbkorrektur(2)"), 20);
    EXPECT_EQ(gespeichert(t, "Farbkorrektur", " R_Max_Farbkorrektur(2)"), 220);
    EXPECT_EQ(gespeichert(t, "Farbkorrektur", " R_mid_Farbkorrektur(2)"), 120);
    EXPECT_EQ(gespeichert(t, "Farbkorrektur", " G_Mid_Position(2)"), 64);
    EXPECT_EQ(gespeichert(t, "Optionen_Optimierung", "TTL_Gesetzt2_1"), 1);
    EXPECT_EQ(gespeichert(t, "Optionen_Optimierung", "Steigung2_2"), 0);
    EXPECT_EQ(gespeichert(t, "Optionen_Optimierung", "Offset2_0"), 20);
    EXPECT_NE(gespeichert(t, "Fensterposition", "frmFarbkorrektur.WPM.rcNormalPosition.Right"),
              -12345);
    // reopened, it shows what it left
    w = oeffnen(t, "mnuFarbkorrektur", "frmFarbkorrektur");
    EXPECT_EQ(in<QSpinBox>(w, "txtMinimum(0)")->value(), 20);

    // The automatic correction drives the measuring mode and takes the fitted curve.
    in<QComboBox>(w, "cboGeraet")->setCurrentIndex(4);
    auto& a = *t.p->ausgabe;
    auto klick = [&](const char* name) {
        auto* b = in<QPushButton>(w, name);
        EXPECT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    };
    EXPECT_FALSE(in<QPushButton>(w, "cmdSichtbar")->isEnabled());
    klick("cmdAutomatischeKorrektur");
    EXPECT_TRUE(a.Farbmessmodus);
    EXPECT_EQ(a.GemessenesGeraet, 4);
    for (int i = 0; i < 6; ++i) klick("cmdPegelPlus");
    klick("cmdSichtbar");
    in<QScrollBar>(w, "scrMesspegel")->setValue(210);
    klick("cmdVoll");
    EXPECT_EQ(in<QLabel>(w, "lblMessung")->text(), "Red: level 210 — visible 30, half –, full 210");
    klick("cmdNaechsterKanal");
    klick("cmdUebernehmen");
    EXPECT_FALSE(a.Farbmessmodus);
    EXPECT_EQ(a.Farben.geraete[4].maximum[0], 210);
    EXPECT_EQ(in<QSpinBox>(w, "txtMinimum(0)")->value(), 29);

    // Closing the window in the middle of a measurement ends it: no pattern stays on.
    klick("cmdAutomatischeKorrektur");
    EXPECT_TRUE(a.Farbmessmodus);
    w->close();
    EXPECT_FALSE(a.Farbmessmodus);
    EXPECT_EQ(a.Farben.geraete[4].minimum[0], 29);
}
