#include "ui/Ordnerbrowser.h"

#include "core/FigurDatei.h"
#include "core/Meldungen.h"
#include "core/Ordnerwechsel.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFocusEvent>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace sw::ui {

namespace fs = std::filesystem;

namespace {

constexpr const char* kAbschnitt = "Optionen_4_FrmHaupt";
constexpr int kPfadRolle = Qt::UserRole;     // an ILDA entry's file
constexpr int kIldaRolle = Qt::UserRole + 1; // true on the ILDA entries

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string letzterOrdnerSchluessel(int i) {
    return schluessel("LetzterOrdner", i);
}

// Whether `pfad` is `ordner` or lies inside it.
bool liegtIn(const QString& pfad, const QString& ordner) {
    if (pfad == ordner) return true;
    return pfad.startsWith(ordner.endsWith('/') ? ordner : ordner + '/');
}

bool systemOrdner(const QString& pfad) {
    for (const char* s : {"/proc", "/sys", "/dev"})
        if (liegtIn(pfad, QString::fromLatin1(s))) return true;
    return false;
}

} // namespace

// Hides the system folders (also behind a link) and draws the shown folder bold.
class Ordnerfilter : public QSortFilterProxyModel {
public:
    explicit Ordnerfilter(QObject* parent) : QSortFilterProxyModel(parent) {}

    void gezeigtSetzen(const QString& pfad) {
        const QString alt = gezeigt_;
        gezeigt_ = pfad;
        for (const QString& p : {alt, pfad}) {
            const QModelIndex i = mapFromSource(dateisystem()->index(p));
            if (i.isValid()) emit dataChanged(i, i, {Qt::FontRole});
        }
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::FontRole && !gezeigt_.isEmpty() &&
            dateisystem()->filePath(mapToSource(index)) == gezeigt_) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return QSortFilterProxyModel::data(index, role);
    }

protected:
    bool filterAcceptsRow(int zeile, const QModelIndex& eltern) const override {
        const QModelIndex i = dateisystem()->index(zeile, 0, eltern);
        if (systemOrdner(dateisystem()->filePath(i))) return false;
        const QFileInfo info = dateisystem()->fileInfo(i);
        return !info.isSymLink() || !systemOrdner(info.symLinkTarget());
    }

private:
    QFileSystemModel* dateisystem() const { return static_cast<QFileSystemModel*>(sourceModel()); }
    QString gezeigt_;
};

Ordnerbrowser::Ordnerbrowser(const FigurenSpeicher& s, Einstellungsmodell& modell, Einstellungen& e,
                             QWidget* parent)
    : QWidget(parent), s_(s), modell_(modell), einstellungen_(e) {
    setObjectName("Ordnerbrowser");
    dateisystem_ = new QFileSystemModel(this);
    dateisystem_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    dateisystem_->setRootPath(QDir::rootPath());
    filter_ = new Ordnerfilter(this);
    filter_->setSourceModel(dateisystem_);

    baum_ = new QTreeView;
    baum_->setObjectName("lstDir");
    baum_->setModel(filter_);
#ifndef Q_OS_WIN
    // The root's folders at the top; where there are drives, they are the top.
    baum_->setRootIndex(filter_->mapFromSource(dateisystem_->index(QDir::rootPath())));
#endif
    for (int c = 1; c < dateisystem_->columnCount(); ++c) baum_->hideColumn(c);
    baum_->header()->hide();
    baum_->installEventFilter(this);
    baum_->viewport()->installEventFilter(this);
    connect(baum_, &QTreeView::clicked, this, [this](const QModelIndex& i) { oeffnen(i); });
    connect(baum_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { folgen_ = false; });
    // Folders above the shown one load one after another; the tree keeps it in view meanwhile.
    connect(dateisystem_, &QFileSystemModel::directoryLoaded, this, [this](const QString& pfad) {
        if (folgen_ && liegtIn(gezeigt_, pfad)) cursorAufGezeigten(true);
    });
    // A folder several levels deep does not always report each level as loaded: the tree
    // looks again a few times a second until the shown folder is its current one.
    nachfuehren_ = new QTimer(this);
    nachfuehren_->setInterval(150);
    connect(nachfuehren_, &QTimer::timeout, this, [this] {
        const bool da = baumIndex(gezeigt_).isValid() && baum_->currentIndex() == baumIndex(gezeigt_);
        if (!folgen_ || (da && ++nachfuehrenFertig_ >= 3) || ++nachfuehrenVersuche_ > 40) {
            nachfuehren_->stop();
            return;
        }
        cursorAufGezeigten(true);
    });

    letzte_ = new QComboBox;
    letzte_->setObjectName("cboLetzteOrdner");
    letzte_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    letzte_->setMinimumContentsLength(12);
    connect(letzte_, &QComboBox::activated, this, [this](int i) {
        if (i < 0 || i >= static_cast<int>(letzteOrdner_.size())) return;
        const fs::path ordner = letzteOrdner_[static_cast<std::size_t>(i)];
        std::error_code ec;
        if (!fs::is_directory(ordner, ec)) {
            if (hinweis) hinweis(q(meldung::einsetzen(ordnerFehlt_, ordner.string())));
            letzteOrdnerAktualisieren();
            return;
        }
        if (!gleicherOrdner(ordner, s_.lstDirPfad) && ordnerOeffnen) ordnerOeffnen(ordner);
        ordnerAnzeigen();
    });

    liste_ = new QListWidget;
    liste_->setObjectName("lstFiguren");
    liste_->installEventFilter(this);
    connect(liste_, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (fuellend_ || zeile < 0) return;
        if (zeile < static_cast<int>(s_.lstFiguren.size())) {
            if (figurGewaehlt) figurGewaehlt(zeile);
        } else if (hinweis) {
            hinweis(liste_->item(zeile)->toolTip());
        }
    });
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* eintrag) {
        if (eintrag && eintrag->data(kIldaRolle).toBool()) ildaAusListe();
    });

    ordnerLabel_ = new QLabel;
    figurenLabel_ = new QLabel;
    auto* oben = new QWidget;
    auto* obenLayout = new QVBoxLayout(oben);
    obenLayout->setContentsMargins(0, 0, 0, 0);
    obenLayout->addWidget(ordnerLabel_);
    obenLayout->addWidget(letzte_);
    obenLayout->addWidget(baum_, 1);
    auto* unten = new QWidget;
    auto* untenLayout = new QVBoxLayout(unten);
    untenLayout->setContentsMargins(0, 0, 0, 0);
    untenLayout->addWidget(figurenLabel_);
    untenLayout->addWidget(liste_, 1);
    auto* teiler = new QSplitter(Qt::Vertical);
    teiler->addWidget(oben);
    teiler->addWidget(unten);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(teiler);

    letzteOrdnerLesen();
}

Ordnerbrowser::~Ordnerbrowser() = default;

QModelIndex Ordnerbrowser::baumIndex(const QString& pfad) const {
    return filter_->mapFromSource(dateisystem_->index(pfad));
}

void Ordnerbrowser::beschriften(const Sprachtexte& texte) {
    using namespace ordnertext;
    ordnerLabel_->setText(q(texte.text(Ordner, OrdnerText)));
    baum_->setToolTip(q(texte.text(OrdnerTipp, OrdnerTippText)));
    letzte_->setToolTip(q(texte.text(ZuletztTipp, ZuletztTippText)));
    letzte_->setPlaceholderText(q(texte.text(Zuletzt, ZuletztText)));
    figurenLabel_->setText(q(texte.text(Figuren, FigurenText)));
    liste_->setToolTip(q(texte.text(FigurenTipp, FigurenTippText)));
    ildaMarke_ = q(texte.text(IldaMarke, IldaMarkeText));
    ildaTipp_ = q(texte.text(IldaTipp, IldaTippText));
    ordnerFehlt_ = texte.text(OrdnerFehlt, OrdnerFehltText);
    for (int i = 0; i < liste_->count(); ++i) {
        QListWidgetItem* e = liste_->item(i);
        if (!e->data(kIldaRolle).toBool()) continue;
        const QString name = QFileInfo(e->data(kPfadRolle).toString()).fileName();
        e->setText(QString("%1  %2").arg(ildaMarke_, name));
        e->setToolTip(q(meldung::einsetzen(ildaTipp_.toStdString(), name.toStdString())));
    }
}

void Ordnerbrowser::ordnerAnzeigen() {
    gezeigt_ = s_.lstDirPfad.empty()
                   ? QString()
                   : QDir::cleanPath(QFileInfo(q(s_.lstDirPfad.string())).absoluteFilePath());
    filter_->gezeigtSetzen(gezeigt_);
    folgen_ = true;
    cursorAufGezeigten(true);
    nachfuehrenVersuche_ = nachfuehrenFertig_ = 0;
    nachfuehren_->start();
    letzteOrdnerAktualisieren();
}

void Ordnerbrowser::cursorAufGezeigten(bool mitte) {
    if (gezeigt_.isEmpty()) return;
    const QModelIndex i = baumIndex(gezeigt_);
    if (!i.isValid()) {
        baum_->clearSelection();
        return;
    }
    for (QModelIndex a = i; a.isValid(); a = a.parent()) baum_->expand(a);
    baum_->setCurrentIndex(i);
    baum_->scrollTo(i,
                    mitte ? QAbstractItemView::PositionAtCenter : QAbstractItemView::EnsureVisible);
}

void Ordnerbrowser::oeffnen(const QModelIndex& baumIndex) {
    folgen_ = false;
    if (!baumIndex.isValid()) return;
    const QString pfad = dateisystem_->filePath(filter_->mapToSource(baumIndex));
    // A second click (or the second half of a double-click) on the folder shown does not
    // reload it: reloading is a command of its own.
    if (pfad == gezeigt_) return;
    const bool geoeffnet = ordnerOeffnen && ordnerOeffnen(fs::path(pfad.toStdString()));
    // Normally the window has followed already; after Cancel the tree goes back.
    if (!geoeffnet) ordnerAnzeigen();
}

void Ordnerbrowser::listeFuellen(int aktuell) {
    fuellend_ = true;
    liste_->clear();
    for (const auto& e : s_.lstFiguren) liste_->addItem(q(e));
    if (!s_.lstDirPfad.empty()) {
        QFont schraeg = liste_->font();
        schraeg.setItalic(true);
        for (const auto& name : ordnerDateien(s_.lstDirPfad, ".ild")) {
            auto* e = new QListWidgetItem(QString("%1  %2").arg(ildaMarke_, q(name)));
            e->setData(kPfadRolle, q((s_.lstDirPfad / name).string()));
            e->setData(kIldaRolle, true);
            e->setToolTip(q(meldung::einsetzen(ildaTipp_.toStdString(), name)));
            e->setFont(schraeg);
            e->setForeground(liste_->palette().brush(QPalette::Disabled, QPalette::Text));
            liste_->addItem(e);
        }
    }
    if (aktuell >= 0 && aktuell < static_cast<int>(s_.lstFiguren.size()))
        liste_->setCurrentRow(aktuell);
    fuellend_ = false;
}

void Ordnerbrowser::ildaAusListe() {
    QListWidgetItem* e = liste_->currentItem();
    if (!e || !e->data(kIldaRolle).toBool() || !ildaOeffnen) return;
    // The import refills the list: take the name before.
    const fs::path datei = e->data(kPfadRolle).toString().toStdString();
    ildaOeffnen(datei);
}

bool Ordnerbrowser::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto art = ereignis->type();
    if (objekt == baum_ || objekt == baum_->viewport()) {
        // The operator takes over: the tree stops following the loading folders.
        if (art == QEvent::MouseButtonPress || art == QEvent::Wheel || art == QEvent::KeyPress)
            folgen_ = false;
        if (objekt == baum_ && art == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                oeffnen(baum_->currentIndex());
                return true;
            }
        }
        // A folder passed over with the keys but not opened is not what the list shows.
        if (objekt == baum_ && art == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(ereignis)->reason() != Qt::PopupFocusReason)
            cursorAufGezeigten(false);
    }
    if (objekt == liste_ && art == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        QListWidgetItem* e = liste_->currentItem();
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && e &&
            e->data(kIldaRolle).toBool()) {
            ildaAusListe();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Ordnerbrowser::letzteOrdnerLesen() {
    letzteOrdner_.clear();
    for (int i = 0; i < kLetzteOrdner; ++i) {
        const std::string t = modell_.text(kAbschnitt, letzterOrdnerSchluessel(i));
        if (!t.empty()) letzteOrdner_.emplace_back(t);
    }
}

void Ordnerbrowser::letzteOrdnerAktualisieren() {
    std::vector<fs::path> neu;
    if (!s_.lstDirPfad.empty()) neu.push_back(s_.lstDirPfad);
    for (const auto& o : letzteOrdner_) {
        std::error_code ec;
        if (neu.size() >= static_cast<std::size_t>(kLetzteOrdner)) break;
        if (!fs::is_directory(o, ec)) continue; // vanished folders drop out
        if (std::none_of(neu.begin(), neu.end(),
                         [&](const fs::path& n) { return gleicherOrdner(n, o); }))
            neu.push_back(o);
    }
    letzteOrdner_ = std::move(neu);

    letzte_->clear();
    for (const auto& o : letzteOrdner_) {
        letzte_->addItem(QDir::toNativeSeparators(q(o.string())));
        letzte_->setItemData(letzte_->count() - 1, q(o.string()), Qt::ToolTipRole);
    }
    letzte_->setCurrentIndex(letzteOrdner_.empty() ? -1 : 0);

    // Stored only where a key changes: showing the same folder again writes nothing.
    for (int i = 0; i < kLetzteOrdner; ++i) {
        const std::string k = letzterOrdnerSchluessel(i);
        const std::string wert = i < static_cast<int>(letzteOrdner_.size())
                                     ? letzteOrdner_[static_cast<std::size_t>(i)].string()
                                     : std::string();
        if (modell_.text(kAbschnitt, k) == wert) continue;
        modell_.setzen(kAbschnitt, k, wert);
        modell_.schluesselSpeichern(einstellungen_, Modellschluessel{kAbschnitt, k, true, ""});
    }
}

} // namespace sw::ui
