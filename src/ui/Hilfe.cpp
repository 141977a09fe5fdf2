#include "ui/Hilfe.h"

#include "core/Meldungen.h"
#include "platform/Sprachtexte.h"
#include "ui/Hilfetexte.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#ifdef STRAHLWERK_LIBUSB
#include <libusb.h>
#endif

namespace sw::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// A menu text without its mnemonic marks ("&Datei" -> "Datei", "&&" -> "&") and tab part.
QString ohneKuerzel(QString s) {
    s = s.section('\t', 0, 0);
    QString aus;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size()) ++i;
        aus += s[i];
    }
    return aus;
}

QString tastenText(const QAction& a) {
    QStringList teile;
    for (const QKeySequence& k : a.shortcuts())
        if (!k.isEmpty()) teile << k.toString(QKeySequence::NativeText);
    return teile.join(", ");
}

void menueDurchgehen(const QList<QAction*>& aktionen, const QString& pfad,
                     std::vector<std::pair<const QAction*, QString>>& aus) {
    for (const QAction* a : aktionen) {
        if (a->isSeparator()) continue;
        const QString name =
            pfad.isEmpty() ? ohneKuerzel(a->text()) : pfad + " \u203a " + ohneKuerzel(a->text());
        aus.emplace_back(a, name);
        if (a->menu()) menueDurchgehen(a->menu()->actions(), name, aus);
    }
}

// An open dialog of this name below `eltern` comes to the front instead of a second one.
QDialog* offenerDialog(QWidget* eltern, const char* name) {
    if (!eltern) return nullptr;
    auto* d = eltern->findChild<QDialog*>(name, Qt::FindDirectChildrenOnly);
    if (d) {
        d->show();
        d->raise();
        d->activateWindow();
    }
    return d;
}

QDialog* neuerDialog(QWidget* eltern, const char* name, const QString& titel) {
    auto* d = new QDialog(eltern);
    d->setObjectName(name);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowTitle(titel);
    return d;
}

void schliessenKnopf(QDialog* d, QVBoxLayout* layout, const Sprachtexte& texte,
                     QPushButton* weiterer = nullptr) {
    auto* knoepfe = new QDialogButtonBox;
    if (weiterer) knoepfe->addButton(weiterer, QDialogButtonBox::ActionRole);
    auto* zu =
        knoepfe->addButton(q(texte.text(meldung::HilfeSchliessen, meldung::HilfeSchliessenText)),
                           QDialogButtonBox::RejectRole);
    zu->setObjectName("cmdSchliessen");
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, d, &QDialog::close);
    layout->addWidget(knoepfe);
}

QString ressource(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace

std::vector<Tastenkuerzel> tastenkuerzel(const QWidget& fenster) {
    std::vector<std::pair<const QAction*, QString>> aktionen;
    if (auto* leiste = fenster.findChild<QMenuBar*>())
        menueDurchgehen(leiste->actions(), {}, aktionen);
    QSet<const QAction*> gesehen;
    for (const auto& [a, pfad] : aktionen) gesehen.insert(a);
    for (const QAction* a : fenster.actions())
        if (!gesehen.contains(a)) aktionen.emplace_back(a, ohneKuerzel(a->text()));
    for (const QAction* a : fenster.findChildren<QAction*>())
        if (!gesehen.contains(a)) aktionen.emplace_back(a, ohneKuerzel(a->text()));

    std::vector<Tastenkuerzel> aus;
    gesehen.clear();
    for (const auto& [a, pfad] : aktionen) {
        if (gesehen.contains(a)) continue;
        gesehen.insert(a);
        const QString taste = tastenText(*a);
        if (!taste.isEmpty()) aus.push_back({pfad, taste});
    }
    return aus;
}

QDialog* tastenkuerzelZeigen(QWidget* eltern, const QWidget& fenster, const Sprachtexte& texte,
                             const Tastenliste& weitereTasten) {
    if (auto* d = offenerDialog(eltern, "frmTastenkuerzel")) return d;
    auto* d =
        neuerDialog(eltern, "frmTastenkuerzel",
                    q(texte.text(meldung::TastenkuerzelTitel, meldung::TastenkuerzelTitelText)));
    auto* layout = new QVBoxLayout(d);
    auto* liste = new QTreeWidget;
    liste->setObjectName("tvwTastenkuerzel");
    liste->setColumnCount(2);
    liste->setHeaderLabels(
        {q(texte.text(meldung::TastenkuerzelBefehl, meldung::TastenkuerzelBefehlText)),
         q(texte.text(meldung::TastenkuerzelTaste, meldung::TastenkuerzelTasteText))});
    liste->setRootIsDecorated(false);
    liste->setIndentation(14);
    liste->setAlternatingRowColors(true);
    auto gruppe = [&](const QString& titel) {
        auto* g = new QTreeWidgetItem(liste, {titel});
        g->setFirstColumnSpanned(true);
        QFont f = g->font(0);
        f.setBold(true);
        g->setFont(0, f);
        g->setFlags(Qt::ItemIsEnabled);
        return g;
    };
    auto* menues =
        gruppe(q(texte.text(meldung::TastenkuerzelMenues, meldung::TastenkuerzelMenuesText)));
    for (const auto& k : tastenkuerzel(fenster)) new QTreeWidgetItem(menues, {k.befehl, k.taste});
    if (!weitereTasten.empty()) {
        auto* leinwand = gruppe(
            q(texte.text(meldung::TastenkuerzelLeinwand, meldung::TastenkuerzelLeinwandText)));
        for (const auto& [taste, bedeutung] : weitereTasten)
            new QTreeWidgetItem(leinwand, {bedeutung, taste});
    }
    liste->expandAll();
    liste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    liste->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    liste->header()->setStretchLastSection(false);
    layout->addWidget(liste);
    schliessenKnopf(d, layout, texte);
    d->resize(560, 600);
    d->show();
    return d;
}

QString anleitungText() {
    return ressource(":/anleitung/Anleitung.md");
}

QDialog* anleitungZeigen(QWidget* eltern, const Sprachtexte& texte) {
    if (auto* d = offenerDialog(eltern, "frmAnleitung")) return d;
    auto* d = neuerDialog(eltern, "frmAnleitung",
                          q(texte.text(meldung::AnleitungTitel, meldung::AnleitungTitelText)));
    auto* layout = new QVBoxLayout(d);
    auto* browser = new QTextBrowser;
    browser->setObjectName("txtAnleitung");
    browser->setOpenExternalLinks(true);
    browser->document()->setDocumentMargin(12);
    browser->setMarkdown(anleitungText());
    layout->addWidget(browser);

    auto* suche = new QHBoxLayout;
    auto* feld = new QLineEdit;
    feld->setObjectName("txtSuchen");
    feld->setClearButtonEnabled(true);
    auto* beschriftung =
        new QLabel(q(texte.text(meldung::AnleitungSuchen, meldung::AnleitungSuchenText)));
    beschriftung->setBuddy(feld);
    suche->addWidget(beschriftung);
    suche->addWidget(feld, 1);
    layout->addLayout(suche);
    // Enter (or F3) finds the next place, from the top again after the last one.
    auto weiter = [browser, feld] {
        const QString gesucht = feld->text();
        if (gesucht.isEmpty()) return;
        if (!browser->find(gesucht)) {
            browser->moveCursor(QTextCursor::Start);
            browser->find(gesucht);
        }
    };
    QObject::connect(feld, &QLineEdit::returnPressed, d, weiter);
    QObject::connect(new QShortcut(QKeySequence::FindNext, d), &QShortcut::activated, d, weiter);
    QObject::connect(new QShortcut(QKeySequence::Find, d), &QShortcut::activated, feld, [feld] {
        feld->setFocus();
        feld->selectAll();
    });

    schliessenKnopf(d, layout, texte);
    d->resize(720, 760);
    d->show();
    return d;
}

std::vector<Bibliothek> bibliotheken() {
    std::vector<Bibliothek> aus;
    aus.push_back({"Qt (Widgets, SVG)", QString::fromLatin1(qVersion())});
#ifdef STRAHLWERK_LIBUSB
    const libusb_version* usb = libusb_get_version();
    aus.push_back({"libusb", QString("%1.%2.%3").arg(usb->major).arg(usb->minor).arg(usb->micro)});
#endif
#if defined(__clang__)
    aus.push_back({"Clang / C++20", QString::fromLatin1(__clang_version__)});
#elif defined(__GNUC__)
    aus.push_back({"GCC / C++20", QString::fromLatin1(__VERSION__)});
#endif
    return aus;
}

QString programmVersion() {
    return QString::fromLatin1(STRAHLWERK_VERSION);
}

QString ueberText(const Sprachtexte& texte) {
    QString zeilen;
    for (const auto& b : bibliotheken())
        zeilen += QString("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>")
                      .arg(b.name.toHtmlEscaped(), b.version.toHtmlEscaped());
    return QString("<h2>Strahlwerk</h2>"
                   "<p>%1 %2</p>"
                   "<p>%3: GPL-3.0-or-later "
                   "(<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU GPL 3</a>)</p>"
                   "<p><b>%4</b></p><table>%5</table>"
                   "<p>%6</p>")
        .arg(q(texte.text(meldung::UeberVersion, meldung::UeberVersionText)).toHtmlEscaped(),
             programmVersion(),
             q(texte.text(meldung::UeberLizenz, meldung::UeberLizenzText)).toHtmlEscaped(),
             q(texte.text(meldung::UeberBibliotheken, meldung::UeberBibliothekenText))
                 .toHtmlEscaped(),
             zeilen, q(texte.text(meldung::UeberDank, meldung::UeberDankText)).toHtmlEscaped());
}

QDialog* ueberZeigen(QWidget* eltern, const Sprachtexte& texte) {
    if (auto* d = offenerDialog(eltern, "frmUeber")) return d;
    auto* d =
        neuerDialog(eltern, "frmUeber",
                    QString::fromStdString(meldung::einsetzen(
                        texte.text(meldung::UeberTitel, meldung::UeberTitelText), "Strahlwerk")));
    auto* layout = new QVBoxLayout(d);
    auto* inhalt = new QLabel(ueberText(texte));
    inhalt->setObjectName("lblUeber");
    inhalt->setTextFormat(Qt::RichText);
    inhalt->setOpenExternalLinks(true);
    inhalt->setTextInteractionFlags(Qt::TextBrowserInteraction);
    layout->addWidget(inhalt);

    // The licence's full text, compiled in from the repository's LICENSE.
    auto* lizenz = new QPushButton(q(texte.text(meldung::UeberLizenz, meldung::UeberLizenzText)));
    lizenz->setObjectName("cmdLizenz");
    auto* volltext = new QTextBrowser;
    volltext->setObjectName("txtLizenz");
    volltext->setPlainText(ressource(":/lizenz/LICENSE"));
    volltext->setMinimumHeight(320);
    volltext->hide();
    layout->addWidget(volltext, 1);
    QObject::connect(lizenz, &QPushButton::clicked, d, [volltext, d] {
        volltext->setVisible(!volltext->isVisible());
        d->adjustSize();
    });
    schliessenKnopf(d, layout, texte, lizenz);
    d->show();
    return d;
}

} // namespace sw::ui
