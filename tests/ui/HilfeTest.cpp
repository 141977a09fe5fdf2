#include "ui/Hilfe.h"
#include "Fenster.h"
#include "platform/Sprachtexte.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <memory>

using namespace sw;

namespace {

QString nativ(const char* taste) {
    return QKeySequence(taste).toString(QKeySequence::NativeText);
}

// The rows of one group of the shortcut list, as "command = key".
QStringList zeilen(const QTreeWidgetItem* gruppe) {
    QStringList aus;
    for (int i = 0; i < gruppe->childCount(); ++i)
        aus << gruppe->child(i)->text(0) + " = " + gruppe->child(i)->text(1);
    return aus;
}

} // namespace

TEST(Hilfe, ShortcutListNamesEveryActionWithAKeyByItsMenuPath) {
    QMainWindow fenster;
    QMenu* datei = fenster.menuBar()->addMenu("&Datei");
    datei->addAction("&Speichern")->setShortcut(QKeySequence("Ctrl+S"));
    datei->addAction("Ohne Taste");
    datei->addSeparator();
    QMenu* export_ = datei->addMenu("E&xport");
    export_->addAction("ILDA && mehr")->setShortcuts({QKeySequence("Ctrl+E"), QKeySequence("F9")});
    auto* blackout = new QAction("Blackout", &fenster); // the window's own, in no menu
    blackout->setShortcut(QKeySequence(Qt::Key_Escape));
    fenster.addAction(blackout);

    const QStringList erwartet = {"Datei \u203a Speichern = " + nativ("Ctrl+S"),
                                  "Datei \u203a Export \u203a ILDA & mehr = " + nativ("Ctrl+E") +
                                      ", " + nativ("F9"),
                                  "Blackout = " + nativ("Esc")};
    QStringList gefunden;
    for (const auto& k : ui::tastenkuerzel(fenster)) gefunden << k.befehl + " = " + k.taste;
    EXPECT_EQ(gefunden, erwartet);

    Sprachtexte texte;
    texte.setzen(texte.Sprache, 1925, "Tastenkürzel");
    texte.setzen(texte.Sprache, 1929, "Zeichenfläche");
    QDialog* d =
        ui::tastenkuerzelZeigen(&fenster, fenster, texte, {{nativ("Home"), "Erster Frame"}});
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Tastenkürzel");
    auto* liste = d->findChild<QTreeWidget*>("tvwTastenkuerzel");
    ASSERT_NE(liste, nullptr);
    ASSERT_EQ(liste->topLevelItemCount(), 2);
    EXPECT_EQ(zeilen(liste->topLevelItem(0)), erwartet);
    EXPECT_EQ(liste->topLevelItem(1)->text(0), "Zeichenfläche");
    EXPECT_EQ(zeilen(liste->topLevelItem(1)), QStringList{"Erster Frame = " + nativ("Home")});
    // a second call brings the open window forward instead of opening another
    EXPECT_EQ(ui::tastenkuerzelZeigen(&fenster, fenster, texte, {}), d);
    d->close();
}

TEST(Hilfe, AboutNamesVersionLicenceAndTheQtItRunsWith) {
    Sprachtexte texte;
    std::unique_ptr<QDialog> d(ui::ueberZeigen(nullptr, texte));
    d->setAttribute(Qt::WA_DeleteOnClose, false);
    // the build's version, the Qt it runs with, and the licence's whole text
    const QString text = d->findChild<QLabel*>("lblUeber")->text();
    EXPECT_TRUE(text.contains("Version " STRAHLWERK_VERSION)) << text.toStdString();
    EXPECT_TRUE(text.contains(qVersion())) << text.toStdString();
    EXPECT_TRUE(d->findChild<QTextBrowser*>("txtLizenz")
                    ->toPlainText()
                    .contains("GNU GENERAL PUBLIC LICENSE"));
}

TEST(Hilfe, GuideIsTheReadmesUsagePartAndFindsText) {
    const QString md = ui::anleitungText();
    EXPECT_TRUE(md.contains("## Using the editor"));
    EXPECT_TRUE(md.contains("## Using the command-line program"));
    EXPECT_FALSE(md.contains("## Where the program keeps its files"));
    EXPECT_FALSE(md.contains("<!--"));

    Sprachtexte texte;
    std::unique_ptr<QDialog> d(ui::anleitungZeigen(nullptr, texte));
    d->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* browser = d->findChild<QTextBrowser*>("txtAnleitung");
    auto* suche = d->findChild<QLineEdit*>("txtSuchen");
    ASSERT_TRUE(browser && suche);
    EXPECT_TRUE(browser->toPlainText().contains("Using the editor")); // rendered, not raw
    suche->setText("strahlwerk-cli");
    QTest::keyClick(suche, Qt::Key_Return);
    const int erste = browser->textCursor().position();
    EXPECT_EQ(browser->textCursor().selectedText(), "strahlwerk-cli");
    QTest::keyClick(suche, Qt::Key_Return);
    EXPECT_GT(browser->textCursor().position(), erste);
    suche->setText("Using the editor"); // only once: found again from the top
    QTest::keyClick(suche, Qt::Key_Return);
    QTest::keyClick(suche, Qt::Key_Return);
    EXPECT_EQ(browser->textCursor().selectedText(), "Using the editor");
}
