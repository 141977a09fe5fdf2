#include "ui/Fensterlage.h"
#include "../app/Startumgebung.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QStringList>
#include <QWidget>

using namespace sw;

namespace {

struct Lage {
    test::Startumgebung s;
    std::unique_ptr<Programm> p;
    QWidget w;
    QSplitter* quer = new QSplitter(Qt::Horizontal, &w);
    QSplitter* hoch = new QSplitter(Qt::Vertical, &w);

    Lage() {
        std::filesystem::create_directories(s.tmp / "figuren");
        p = s.programm();
        StartHooks h;
        h.figurenordner = (s.tmp / "figuren").string();
        Programmstart(*p, "", h);
        w.setObjectName("frmProbe");
        for (int i = 0; i < 3; ++i) quer->addWidget(new QWidget);
        for (int i = 0; i < 2; ++i) hoch->addWidget(new QWidget);
        quer->resize(900, 100);
        hoch->resize(100, 500);
    }
    ~Lage() { Programmende(*p); }
    std::string lesen(const std::string& schluessel) {
        return p->einstellungen.ini()
            .lesen(p->einstellungen.IniPfad, "Fensterposition", schluessel)
            .value_or("(absent)");
    }
};

} // namespace

// The place goes into the Windows placement keys (numbers as the settings store them, times
// 10000) and comes back, moved onto the screen; the stored show state is handed back to the
// caller.
TEST(Fensterlage, StoresThePlacementKeysAndPutsThePlaceBackOnTheScreen) {
    Lage t;
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(ui::fensterlageLaden(t.w, *t.p, 640, 480), 0); // nothing stored: standard size
    EXPECT_EQ(t.w.size(), QSize(640, 480).boundedTo(frei.size()));
    t.w.setGeometry(30, 40, 500, 300);
    ui::fensterlageSpeichern(t.w, *t.p);
    EXPECT_EQ(t.lesen("frmProbe.WPM.showCmd"), "10000");
    EXPECT_EQ(t.lesen("frmProbe.WPM.rcNormalPosition.Left"), "300000");
    EXPECT_EQ(t.lesen("frmProbe.WPM.rcNormalPosition.Top"), "400000");
    EXPECT_EQ(t.lesen("frmProbe.WPM.rcNormalPosition.Right"), "5300000");
    EXPECT_EQ(t.lesen("frmProbe.WPM.rcNormalPosition.Bottom"), "3400000");

    QWidget neu;
    neu.setObjectName("frmProbe");
    EXPECT_EQ(ui::fensterlageLaden(neu, *t.p, 640, 480), 1);
    EXPECT_EQ(neu.geometry(), QRect(30, 40, 500, 300));

    // A place from a larger screen, far off to the right and too small: moved back and grown to
    // the least size asked for, within the screen.
    fensterpositionSpeichern(*t.p, "frmProbe", Fensterposition{3, 90000, 10, 90100, 30});
    QWidget weit;
    weit.setObjectName("frmProbe");
    EXPECT_EQ(ui::fensterlageLaden(weit, *t.p, 640, 480, QSize(480, 360)), 3);
    EXPECT_EQ(weit.size(), QSize(480, 360).boundedTo(frei.size()));
    EXPECT_TRUE(frei.contains(weit.geometry())) << weit.geometry().x();
    // A least size larger than the screen still leaves the window on it.
    QWidget riesig;
    riesig.setObjectName("frmProbe");
    ui::fensterlageLaden(riesig, *t.p, 640, 480, QSize(50000, 50000));
    EXPECT_EQ(riesig.size(), frei.size());
}

// The splitters' sizes are stored as "a,b,c;d,e" beside the place; a damaged part leaves its
// splitter alone, and a division for another number of splitters is not taken at all.
TEST(Fensterlage, StoresTheDivisionAndIgnoresWhatIsNotOurs) {
    Lage t;
    t.quer->setSizes({200, 500, 200});
    t.hoch->setSizes({300, 200});
    const QList<int> quer = t.quer->sizes(), hoch = t.hoch->sizes();
    ui::aufteilungSpeichern(t.w, *t.p, {t.quer, t.hoch});
    const auto text = [](const QList<int>& l) {
        QStringList s;
        for (int v : l) s << QString::number(v);
        return s.join(',').toStdString();
    };
    EXPECT_EQ(t.lesen("frmProbe.Aufteilung"), text(quer) + ";" + text(hoch));

    t.quer->setSizes({300, 300, 300});
    t.hoch->setSizes({250, 250});
    const QList<int> querVorher = t.quer->sizes(), hochVorher = t.hoch->sizes();
    EXPECT_TRUE(ui::aufteilungLaden(t.w, *t.p, {t.quer, t.hoch}));
    EXPECT_EQ(t.quer->sizes(), quer);
    EXPECT_EQ(t.hoch->sizes(), hoch);

    // Per splitter: not numbers, a number out of range, or another count of panels.
    struct Fall {
        const char* text;
        bool querGesetzt, hochGesetzt;
    };
    for (const Fall& f : {Fall{"9,x;-4", false, false}, Fall{"1,2;30,40", false, true},
                          Fall{"100000,1,1;x", true, false}, Fall{"1,2,3;100001,5", true, false}}) {
        t.quer->setSizes(querVorher);
        t.hoch->setSizes(hochVorher);
        t.p->einstellungen.textSchreiben("Fensterposition", "frmProbe.Aufteilung", f.text);
        EXPECT_TRUE(ui::aufteilungLaden(t.w, *t.p, {t.quer, t.hoch})) << f.text;
        EXPECT_EQ(t.quer->sizes() != querVorher, f.querGesetzt) << f.text;
        EXPECT_EQ(t.hoch->sizes() != hochVorher, f.hochGesetzt) << f.text;
    }
    t.quer->setSizes(querVorher);
    t.p->einstellungen.textSchreiben("Fensterposition", "frmProbe.Aufteilung", "1,2,3");
    EXPECT_FALSE(ui::aufteilungLaden(t.w, *t.p, {t.quer, t.hoch}));
    EXPECT_EQ(t.quer->sizes(), querVorher);
}
