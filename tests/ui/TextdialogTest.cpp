// The text tool: reachable from the menu and the tool row, it puts the text figure into figure
// 0 with an undo snapshot; cancelling or a missing font changes nothing.

#include "ui/Textdialog.h"
#include "Fenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

using namespace sw;
using test::Fenster;

namespace {

// Fills the dialog once it is open, then closes it with OK or Cancel.
void beantworten(const QString& text, const QString& schrift, bool laufschrift, bool ok = true) {
    QTimer::singleShot(0, [=] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->objectName(), "frmText");
        d->findChild<QLineEdit*>("txtText")->setText(text);
        d->findChild<QComboBox*>("cboSchrift")->setCurrentText(schrift);
        d->findChild<QDoubleSpinBox*>("txtGroesse")->setValue(30);
        d->findChild<QSpinBox*>("txtFarbe")->setValue(0xF00);
        d->findChild<QCheckBox*>("checkLaufschrift")->setChecked(laufschrift);
        ok ? d->accept() : d->reject();
    });
}

} // namespace

TEST(Textdialog, PutsATextFigureIntoFigureZeroWithUndoCancelAndMissingFontChangeNothing) {
    Fenster t;
    auto* befehl = t.kind<QAction>("mnuText");
    EXPECT_EQ(befehl->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_TRUE(t.kind<QToolBar>("tbDatei")->actions().contains(befehl));
    const Figur vorher = t.figur(0);

    // Cancelling or a missing font changes nothing.
    beantworten("Hi", "DejaVu Sans", false, false);
    t.ausloesen("mnuText");
    EXPECT_EQ(t.figur(0), vorher);

    beantworten("Hi", "No Such Family Xq7", false);
    t.ausloesen("mnuText");
    EXPECT_EQ(t.figur(0), vorher);
    ASSERT_FALSE(t.s.dialoge.meldungen.empty());
    EXPECT_EQ(t.s.dialoge.meldungen.back(),
              "The font \"No Such Family Xq7\" was not found (fc-list shows the installed fonts).");

    beantworten("Laser", "DejaVu Sans", false);
    befehl->trigger();
    const Figur& f = t.figur(0);
    ASSERT_EQ(f.Frames.size(), 1u);
    EXPECT_GT(f.Frames[0].Punkte.size(), 100u);
    EXPECT_EQ(f.Frames[0].Punkte[2].Farbe, 0xF00);
    EXPECT_EQ(t.p->figuren.SpurAuswahl[t.p->figuren.EditorSpur].Figur, 0);
    EXPECT_TRUE(istGeaendert(t.p->figuren, 0));
    EXPECT_EQ(t.w->statusBar()->currentMessage(), "Text figure in figure 0");

    // the same again, scrolling: the dialog offers the last values
    QTimer::singleShot(0, [] {
        auto* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->findChild<QLineEdit*>("txtText")->text(), "Laser");
        d->findChild<QCheckBox*>("checkLaufschrift")->setChecked(true);
        static_cast<QDialog*>(d)->accept();
    });
    t.s.dialoge.antworten.push_back(Antwort::Nein); // discard the unsaved still text
    befehl->trigger();
    EXPECT_GT(t.figur(0).Frames.size(), 50u);
    EXPECT_EQ(t.w->statusBar()->currentMessage(),
              QString("Text figure of %1 frames in figure 0").arg(t.figur(0).Frames.size()));

    // undo brings back the still text, and once more the figure before it
    t.ausloesen("mnuUndo");
    EXPECT_EQ(t.figur(0).Frames.size(), 1u);
    EXPECT_GT(t.figur(0).Frames[0].Punkte.size(), 100u);
    t.ausloesen("mnuUndo");
    EXPECT_EQ(t.figur(0).Frames, vorher.Frames); // (the snapshot writer sets Parameter(303))
}
