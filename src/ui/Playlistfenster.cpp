#include "ui/Playlistfenster.h"

#include "ui/Beschriften.h"
#include "ui/Optionenfenster.h"
#include "ui/PlaylistTexte.h"
#include "ui/ShowTexte.h"
#include "ui/Symbole.h"
#include "ui/Zeitleiste.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace sw::ui {

namespace pt = playlisttext;

namespace {

constexpr int kTimerMs = 200;
constexpr int kPpsMax = 200000;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The list takes ".shw" files from a file manager and reorders its own entries; both go to
// the engine through the window, the view never moves an item by itself.
class Playliste : public QListWidget {
public:
    Playliste(Playlistfenster& f, QWidget* eltern) : QListWidget(eltern), f_(f) {
        setObjectName("lstPlayList");
        setSelectionMode(QAbstractItemView::SingleSelection);
        setDragEnabled(true);
        setAcceptDrops(true);
        setDropIndicatorShown(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setDefaultDropAction(Qt::CopyAction);
    }

protected:
    static QStringList dateien(const QMimeData* d) {
        QStringList liste;
        if (!d || !d->hasUrls()) return liste;
        for (const QUrl& u : d->urls())
            if (u.isLocalFile() && u.toLocalFile().endsWith(".shw", Qt::CaseInsensitive))
                liste << u.toLocalFile();
        return liste;
    }
    bool annehmbar(QDropEvent* e) const {
        return e->source() == this || !dateien(e->mimeData()).isEmpty();
    }
    void dragEnterEvent(QDragEnterEvent* e) override {
        if (annehmbar(e)) {
            e->setDropAction(Qt::CopyAction);
            e->accept();
        } else {
            e->ignore();
        }
    }
    void dragMoveEvent(QDragMoveEvent* e) override {
        if (!annehmbar(e)) return e->ignore();
        QListWidget::dragMoveEvent(e); // the drop indicator
        e->setDropAction(Qt::CopyAction);
        e->accept();
    }
    void dropEvent(QDropEvent* e) override {
        if (!annehmbar(e)) return e->ignore();
        // A copy action, so the view does not remove the dragged item after the drop.
        e->setDropAction(Qt::CopyAction);
        e->accept();
        if (e->source() == this) {
            const QModelIndex i = indexAt(e->position().toPoint());
            f_.eintragVerschieben(i.isValid() ? i.row() : count() - 1);
        } else {
            f_.dateienAblegen(dateien(e->mimeData()));
        }
    }

private:
    Playlistfenster& f_;
};

QFrame* linie() {
    auto* l = new QFrame;
    l->setFrameShape(QFrame::VLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

} // namespace

Playlistfenster::Playlistfenster(QWidget* eltern, Showsteuerung& s)
    : Werkzeugfenster(eltern, s.p, "frmPlayList", showtext::MenuePlaylist, QSize(940, 600)), s_(s) {
    lstPlayList_ = new Playliste(*this, this);
    lstPlayList_->setMinimumWidth(280);
    lstPlayList_->installEventFilter(this);
    beschriftenMit(
        [this](const Sprachtexte& t) { lstPlayList_->setToolTip(lt(t, pt::ListeHilfe)); });
    connect(lstPlayList_, &QListWidget::currentRowChanged, this,
            [this](int zeile) { eintragGewaehlt(zeile); });
    connect(lstPlayList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int zeile = lstPlayList_->row(item);
        ausfuehren("Titel_Abspielen, ", [&] {
            if (s_.playlist.bearbeitbar) Titel_Abspielen(s_.pk, zeile);
        });
        anzeigen();
    });

    auto* links = new QVBoxLayout;
    links->addWidget(lstPlayList_, 1);
    auto* bearbeitung = new QHBoxLayout;
    bearbeiten_.push_back(knopf("cmdAdd", pt::Add, pt::AddHilfe, "neu", "cmdAdd_Click",
                                [this] { cmdAdd_Click(s_.pk); }));
    bearbeiten_.push_back(knopf("cmdLoeschen", pt::Loeschen, pt::LoeschenHilfe, "frames-loeschen",
                                "cmdLoeschen_Click", [this] { cmdLoeschen_Click(s_.pk); }));
    bearbeiten_.push_back(knopf("cmdUpdDown(0)", pt::Hoch, pt::HochHilfe, nullptr,
                                "cmdUpdDown_Click", [this] { cmdUpdDown_Click(s_.pk, 0); }));
    bearbeiten_.push_back(knopf("cmdUpdDown(1)", pt::Runter, pt::RunterHilfe, nullptr,
                                "cmdUpdDown_Click", [this] { cmdUpdDown_Click(s_.pk, 1); }));
    for (auto* k : bearbeiten_) bearbeitung->addWidget(k);
    bearbeitung->addStretch(1);
    links->addLayout(bearbeitung);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(eintragBauen());
    rechts->addWidget(optionenBauen());
    rechts->addStretch(1);

    auto* mitte = new QHBoxLayout;
    mitte->addLayout(links, 1);
    mitte->addLayout(rechts, 0);

    lblStatus_ = new QLabel;
    lblStatus_->setObjectName("lblStatus");
    lblStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* inhalt = new QWidget;
    auto* spalte = new QVBoxLayout(inhalt);
    spalte->addWidget(dateileisteBauen());
    spalte->addWidget(ordnerleisteBauen());
    spalte->addLayout(mitte, 1);
    spalte->addWidget(transportBauen());
    spalte->addWidget(lblStatus_);
    // At large scalings and on small screens the window scrolls instead of clipping.
    setzeInhalt(inhalt)->setObjectName("rollen");

    auto taste = [this](const QKeySequence& k, std::function<void()> f) {
        auto* kurz = new QShortcut(k, this);
        kurz->setContext(Qt::WindowShortcut);
        connect(kurz, &QShortcut::activated, this, std::move(f));
    };
    auto klicken = [this](const char* name) {
        return [this, name] {
            if (auto* k = findChild<QPushButton*>(name); k && k->isEnabled()) k->click();
        };
    };
    taste(QKeySequence(Qt::CTRL | Qt::Key_N), klicken("cmdNeu"));
    taste(QKeySequence(Qt::CTRL | Qt::Key_O), klicken("cmdLaden"));
    taste(QKeySequence(Qt::CTRL | Qt::Key_S), klicken("cmdSpeichern"));
    taste(QKeySequence(Qt::Key_Insert), klicken("cmdAdd"));
    taste(QKeySequence(Qt::Key_Escape), klicken("cmdAnhalten"));

    // The sequencer's view fits the new show; it is looked up at each play, so the hook never
    // points at a closed window.
    QPointer<QWidget> haupt = eltern;
    if (!s.pk.teile.zoomZuruecksetzen) {
        s.pk.teile.zoomZuruecksetzen = [haupt] {
            if (!haupt) return;
            if (auto* z = dynamic_cast<Zeitleiste*>(haupt->findChild<QWidget*>("picSpur")))
                z->zoomEinpassen();
        };
    }

    // Playing an entry changes the routing and the scan rates: an open options window shows
    // the new ones.
    s.pk.teile.Mappingaendern = [anwenden = s.pk.teile.Mappingaendern,
                                 haupt](const PlaylistEntry& e) {
        if (anwenden) anwenden(e);
        if (!haupt) return;
        auto* o = dynamic_cast<Optionenfenster*>(haupt->findChild<QWidget*>("formOptionen"));
        if (o && o->isVisible()) o->anzeigen();
    };

    // The playlist timer: the sequencer sets tmrPlaylist when a show of the playlist ended.
    tmrPlaylist_ = new QTimer(this);
    tmrPlaylist_->setObjectName("tmrPlaylist");
    tmrPlaylist_->setInterval(kTimerMs);
    connect(tmrPlaylist_, &QTimer::timeout, this, [this] { timerTick(); });
    tmrPlaylist_->start();

    beschriftenMit([this](const Sprachtexte&) { anzeigen(); });
}

QPushButton* Playlistfenster::knopf(const char* name, const Beschriftung& b,
                                    const Beschriftung& hilfe, const char* symbolName,
                                    const char* sub, std::function<void()> befehl) {
    auto* k = new QPushButton;
    k->setObjectName(name);
    if (symbolName) symbolSetzen(k, symbolName);
    beschriftenMit([k, &b, &hilfe](const Sprachtexte& t) {
        k->setText(lt(t, b));
        k->setToolTip(lt(t, hilfe));
    });
    connect(k, &QPushButton::clicked, this, [this, sub, befehl = std::move(befehl)] {
        meldung_.clear();
        ausfuehren(sub, befehl);
        anzeigen();
    });
    return k;
}

QCheckBox* Playlistfenster::option(const char* name, const Beschriftung& b,
                                   const Beschriftung& hilfe,
                                   void (*klick)(PlaylistKontext&, bool)) {
    auto* c = new QCheckBox;
    c->setObjectName(name);
    beschriftenMit([c, &b, &hilfe](const Sprachtexte& t) {
        c->setText(lt(t, b));
        c->setToolTip(lt(t, hilfe));
    });
    connect(c, &QCheckBox::toggled, this, [this, klick](bool an) {
        if (!fuellt_) klick(s_.pk, an);
    });
    return c;
}

QWidget* Playlistfenster::dateileisteBauen() {
    auto* zeile = new QWidget;
    auto* l = new QHBoxLayout(zeile);
    l->setContentsMargins(0, 0, 0, 0);
    auto* neu = knopf("cmdNeu", pt::Neu, pt::NeuHilfe, "palette-neu", "cmdNeu_Click",
                      [this] { cmdNeu_Click(s_.pk); });
    auto* laden = knopf("cmdLaden", pt::Laden, pt::LadenHilfe, "ordner-oeffnen", "cmdLaden_Click",
                        [this] { cmdLaden_Click(s_.pk); });
    auto* speichern = knopf("cmdSpeichern", pt::Speichern, pt::SpeichernHilfe, "speichern",
                            "cmdSpeichern_Click", [this] { cmdSpeichern_Click(s_.pk); });
    cmdPlaylisteFromFolder_ =
        knopf("cmdPlaylisteFromFolder", pt::AusOrdner, pt::AusOrdnerHilfe, "neu-laden",
              "cmdPlaylisteFromFolder_Click", [this] {
                  fraOrdner_->setVisible(cmdPlaylisteFromFolder_->isChecked());
                  if (fraOrdner_->isVisible()) txtOrdner_->setFocus();
              });
    cmdPlaylisteFromFolder_->setCheckable(true);
    for (auto* k : {neu, laden, speichern}) {
        l->addWidget(k);
        bearbeiten_.push_back(k);
    }
    bearbeiten_.push_back(cmdPlaylisteFromFolder_);
    l->addWidget(linie());
    l->addWidget(cmdPlaylisteFromFolder_);
    l->addStretch(1);
    return zeile;
}

QWidget* Playlistfenster::ordnerleisteBauen() {
    fraOrdner_ = new QFrame;
    fraOrdner_->setObjectName("fraOrdner");
    fraOrdner_->setFrameShape(QFrame::StyledPanel);
    auto* l = new QHBoxLayout(fraOrdner_);
    auto* titel = new QLabel;
    txtOrdner_ = new QLineEdit;
    txtOrdner_->setObjectName("txtOrdner");
    titel->setBuddy(txtOrdner_);
    auto* waehlen = new QPushButton;
    waehlen->setObjectName("cmdOrdnerWaehlen");
    symbolSetzen(waehlen, "ordner-oeffnen");
    connect(waehlen, &QPushButton::clicked, this, [this] {
        const QString o = QFileDialog::getExistingDirectory(this, QString(), txtOrdner_->text());
        if (!o.isEmpty()) txtOrdner_->setText(o);
    });
    auto* alle = knopf("cmdAlleShowsInPlayliste", pt::AlleShows, pt::AlleShowsHilfe, nullptr,
                       "cmdAlleShowsInPlayliste_Click", [this] {
                           const int n = cmdAlleShowsInPlayliste_Click(
                               s_.pk, txtOrdner_->text().trimmed().toStdString());
                           meldung_ = lt(p_.texte, pt::Hinzugefuegt).arg(n);
                       });
    bearbeiten_.push_back(alle);
    beschriftenMit([this, titel, waehlen](const Sprachtexte& t) {
        titel->setText(lt(t, pt::OrdnerLeiste));
        txtOrdner_->setToolTip(lt(t, pt::OrdnerHilfe));
        waehlen->setText(lt(t, pt::Durchsuchen));
        waehlen->setToolTip(lt(t, pt::OrdnerHilfe));
    });
    l->addWidget(titel);
    l->addWidget(txtOrdner_, 1);
    l->addWidget(waehlen);
    l->addWidget(alle);
    fraOrdner_->hide();
    return fraOrdner_;
}

// The selected entry: which sides each card outputs, and the scan rate of every DAC.
QWidget* Playlistfenster::eintragBauen() {
    eintrag_ = new QWidget;
    auto* spalte = new QVBoxLayout(eintrag_);
    spalte->setContentsMargins(0, 0, 0, 0);

    auto* routing = new QGroupBox;
    routing->setObjectName("fraRouting");
    auto* raster = new QGridLayout(routing);
    for (int seite = 0; seite < kPlaylistSeiten; ++seite) {
        auto* kopf = new QLabel(QString(QChar('A' + seite)));
        kopf->setAlignment(Qt::AlignCenter);
        raster->addWidget(kopf, 0, seite + 1);
    }
    for (int karte = 0; karte < kPlaylistKarten; ++karte) {
        auto* name = new QLabel;
        raster->addWidget(name, karte + 1, 0);
        beschriftenMit(
            [name, karte](const Sprachtexte& t) { name->setText(lt(t, pt::Karte).arg(karte)); });
        for (int seite = 0; seite < kPlaylistSeiten; ++seite) {
            const QChar seitenname('A' + seite);
            auto* box = new QCheckBox;
            box->setObjectName(QString("Spur%1Zuordnung(%2)").arg(seitenname).arg(karte));
            raster->addWidget(box, karte + 1, seite + 1, Qt::AlignCenter);
            zuordnung_[static_cast<std::size_t>(karte)][static_cast<std::size_t>(seite)] = box;
            beschriftenMit([box, karte, seitenname](const Sprachtexte& t) {
                box->setToolTip(lt(t, pt::SeiteHilfe).arg(karte).arg(seitenname));
            });
            connect(box, &QCheckBox::toggled, this, [this, karte, seite](bool an) {
                const int i = ausgewaehlt();
                if (fuellt_ || i < 0 || !s_.playlist.bearbeitbar) return;
                s_.playlist.eintrag(i)
                    .zuordnung[static_cast<std::size_t>(karte)][static_cast<std::size_t>(seite)] =
                    an;
            });
        }
    }
    raster->setColumnStretch(kPlaylistSeiten + 1, 1);
    spalte->addWidget(routing);

    auto* raten = new QGroupBox;
    raten->setObjectName("fraPPS");
    auto* ppsRaster = new QGridLayout(raten);
    constexpr int kSpalten = 4;
    for (int d = 0; d < kPlaylistDacs; ++d) {
        auto* nummer = new QLabel(QString::number(d));
        nummer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* feld = new QSpinBox;
        feld->setObjectName(QString("txtPPS(%1)").arg(d));
        feld->setRange(0, kPpsMax);
        feld->setSingleStep(1000);
        feld->setGroupSeparatorShown(false);
        // The value goes to the engine when typing is done, so the warning is not asked at
        // every digit.
        feld->setKeyboardTracking(false);
        nummer->setBuddy(feld);
        ppsRaster->addWidget(nummer, d / kSpalten, (d % kSpalten) * 2);
        ppsRaster->addWidget(feld, d / kSpalten, (d % kSpalten) * 2 + 1);
        txtPPS_[static_cast<std::size_t>(d)] = feld;
        beschriftenMit(
            [feld, d](const Sprachtexte& t) { feld->setToolTip(lt(t, pt::PpsHilfe).arg(d)); });
        connect(feld, &QSpinBox::valueChanged, this, [this, d](int wert) {
            if (fuellt_ || ausgewaehlt() < 0 || !s_.playlist.bearbeitbar) return;
            ausfuehren("txtPPS_Change", [&] { txtPPS_Change(s_.pk, d, wert); });
        });
    }
    spalte->addWidget(raten);
    beschriftenMit([routing, raten](const Sprachtexte& t) {
        routing->setTitle(lt(t, pt::Routing));
        raten->setTitle(lt(t, pt::PpsGruppe));
    });
    return eintrag_;
}

QWidget* Playlistfenster::optionenBauen() {
    auto* gruppe = new QGroupBox;
    gruppe->setObjectName("fraOptionen");
    auto* l = new QVBoxLayout(gruppe);
    optionen_ = {
        option("checkAutoNextShow", pt::AutoNext, pt::AutoNextHilfe, checkAutoNextShow_Click),
        option("checkAutoLoop", pt::AutoLoop, pt::AutoLoopHilfe, checkAutoLoop_Click),
        option("checkKlickShowstart", pt::KlickShowstart, pt::KlickShowstartHilfe,
               checkKlickShowstart_Click),
        option("checkPlayOhneMessages", pt::OhneMeldungen, pt::OhneMeldungenHilfe,
               checkPlayOhneMessages_Click)};
    for (auto* c : optionen_) l->addWidget(c);
    beschriftenMit([gruppe](const Sprachtexte& t) { gruppe->setTitle(lt(t, pt::Optionen)); });
    return gruppe;
}

QWidget* Playlistfenster::transportBauen() {
    auto* zeile = new QWidget;
    auto* l = new QHBoxLayout(zeile);
    l->setContentsMargins(0, 0, 0, 0);
    transport_ = {knopf("cmdPrev", pt::Prev, pt::PrevHilfe, "erster-frame", "cmdPrev_Click",
                        [this] { cmdPrev_Click(s_.pk); }),
                  knopf("cmdPlay", pt::Play, pt::PlayHilfe, "abspielen", "cmdPlay_Click",
                        [this] { cmdPlay_Click(s_.pk); }),
                  knopf("cmdNext", pt::Next, pt::NextHilfe, "letzter-frame", "cmdNext_Click",
                        [this] { cmdNext_Click(s_.pk); })};
    for (auto* k : transport_) l->addWidget(k);
    l->addWidget(knopf("cmdAnhalten", pt::Anhalten, pt::AnhaltenHilfe, "stoppen",
                       "cmdAnhalten_Click", [this] { cmdAnhalten_Click(s_.pk); }));
    l->addStretch(1);
    l->addWidget(knopf("cmdMidiInfo", pt::MidiInfo, pt::MidiInfoHilfe, "info", "cmdMidiInfo_Click",
                       [this] { cmdMidiInfo_Click(s_.pk); }));
    return zeile;
}

void Playlistfenster::ausfuehren(const char* sub, const std::function<void()>& befehl) {
    try {
        befehl();
    } catch (const std::exception& e) {
        const std::string zeile = std::string("Fehler # ") + e.what() +
                                  " wurde ausgeloest in Sub " + sub + " frmPlayList von ";
        p_.log.zeile(zeile);
        p_.env.dialoge.meldung(zeile);
    }
}

void Playlistfenster::dateiLaden(const std::string& datei) {
    meldung_.clear();
    playlistLaden(s_.pk, datei);
    anzeigen();
}

int Playlistfenster::dateienAblegen(const QStringList& dateien) {
    if (!s_.playlist.bearbeitbar) return 0;
    int n = 0;
    for (const QString& d : dateien)
        if (d.endsWith(".shw", Qt::CaseInsensitive) &&
            AddShow2Playlist(s_.pk, QFileInfo(d).absoluteFilePath().toStdString()))
            ++n;
    if (n > 0 && s_.playlist.ListIndex < 0) s_.playlist.ListIndex = 0;
    meldung_ = lt(p_.texte, pt::Hinzugefuegt).arg(n);
    anzeigen();
    return n;
}

void Playlistfenster::eintragVerschieben(int ziel) {
    auto& p = s_.playlist;
    if (!p.bearbeitbar || p.ListIndex < 0 || ziel < 0 || ziel > p.n()) return;
    while (p.ListIndex < ziel) {
        const int vorher = p.ListIndex;
        cmdUpdDown_Click(s_.pk, 1);
        if (p.ListIndex == vorher) break;
    }
    while (p.ListIndex > ziel) {
        const int vorher = p.ListIndex;
        cmdUpdDown_Click(s_.pk, 0);
        if (p.ListIndex == vorher) break;
    }
    anzeigen();
}

int Playlistfenster::ausgewaehlt() const {
    const auto& p = s_.playlist;
    return p.ListIndex >= 0 && p.ListIndex <= p.n() ? p.ListIndex : -1;
}

// A click on the list shows that entry; while a playlist plays the selection stays on the
// entry that plays, which the next and previous commands go on from.
void Playlistfenster::eintragGewaehlt(int zeile) {
    if (fuellt_) return;
    auto& p = s_.playlist;
    if (p.bearbeitbar && zeile >= 0 && zeile <= p.n()) {
        p.ListIndex = zeile;
        eintragZeigen();
    } else {
        anzeigen();
    }
}

bool Playlistfenster::eventFilter(QObject* o, QEvent* e) {
    if (o == lstPlayList_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        auto klicken = [this](const char* name) {
            if (auto* b = findChild<QPushButton*>(name); b && b->isEnabled()) b->click();
            return true;
        };
        if (k->key() == Qt::Key_Delete) return klicken("cmdLoeschen");
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) return klicken("cmdPlay");
        if (k->modifiers() & Qt::ControlModifier) {
            if (k->key() == Qt::Key_Up) return klicken("cmdUpdDown(0)");
            if (k->key() == Qt::Key_Down) return klicken("cmdUpdDown(1)");
        }
    }
    return Werkzeugfenster::eventFilter(o, e);
}

void Playlistfenster::timerTick() {
    auto& w = s_.wiedergabe;
    if (w.tmrPlaylist) tmrPlaylist_Timer(s_.pk);
    // The delayed start of the playlist's show, for when the sequencer window is not open to
    // fire it; a start that has fired is not armed any more, so two timers never start twice.
    if (w.playlistLaeuft && w.startUmUhr) tmrstart_Timer(s_.wk);
    const auto& p = s_.playlist;
    const Stand jetzt{p.ListIndex, p.n(), p.bearbeitbar, w.playlistLaeuft};
    if (!(jetzt == stand_)) anzeigen();
}

void Playlistfenster::listeZeigen() {
    const auto& p = s_.playlist;
    const int n = p.n();
    while (lstPlayList_->count() > n + 1) delete lstPlayList_->takeItem(lstPlayList_->count() - 1);
    while (lstPlayList_->count() < n + 1) lstPlayList_->addItem(QString());
    const bool laeuft = s_.wiedergabe.playlistLaeuft;
    for (int i = 0; i <= n; ++i) {
        const auto& e = p.eintraege[static_cast<std::size_t>(i + 1)];
        auto* item = lstPlayList_->item(i);
        item->setText(q(e.titel));
        item->setToolTip(e.notiz.empty() ? q(e.showPfad) : q(e.showPfad + "\n" + e.notiz));
        const bool spielt = laeuft && i == p.ListIndex;
        QFont f = lstPlayList_->font();
        f.setBold(spielt);
        item->setFont(f);
        item->setIcon(spielt ? symbol("abspielen") : QIcon());
    }
    lstPlayList_->setCurrentRow(ausgewaehlt());
}

void Playlistfenster::eintragZeigen() {
    const bool alt = fuellt_;
    fuellt_ = true;
    const int i = ausgewaehlt();
    const PlaylistEntry leer{};
    const PlaylistEntry& e = i >= 0 ? s_.playlist.eintrag(i) : leer;
    for (std::size_t karte = 0; karte < kPlaylistKarten; ++karte)
        for (std::size_t seite = 0; seite < kPlaylistSeiten; ++seite)
            zuordnung_[karte][seite]->setChecked(e.zuordnung[karte][seite]);
    for (std::size_t d = 0; d < kPlaylistDacs; ++d) txtPPS_[d]->setValue(e.pps[d]);
    eintrag_->setEnabled(i >= 0 && s_.playlist.bearbeitbar);
    fuellt_ = alt;
}

void Playlistfenster::anzeigen() {
    fuellt_ = true;
    auto& p = s_.playlist;
    const auto& w = s_.wiedergabe;
    listeZeigen();
    eintragZeigen();
    optionen_[0]->setChecked(p.checkAutoNextShow);
    optionen_[1]->setChecked(p.checkAutoLoop);
    optionen_[2]->setChecked(p.checkKlickShowstart);
    optionen_[3]->setChecked(p.checkPlayOhneMessages);
    for (auto* k : bearbeiten_) k->setEnabled(p.bearbeitbar);
    for (auto* k : transport_) k->setEnabled(p.bearbeitbar && p.n() >= 0);
    lstPlayList_->setDragEnabled(p.bearbeitbar);

    stand_ = Stand{p.ListIndex, p.n(), p.bearbeitbar, w.playlistLaeuft};
    QString status;
    if (w.playlistLaeuft && ausgewaehlt() >= 0)
        status = lt(p_.texte, pt::Spielt).arg(q(p.eintrag(ausgewaehlt()).titel));
    else
        status = lt(p_.texte, pt::Eintraege)
                     .arg(p.datei.empty() ? lt(p_.texte, pt::Unbenannt)
                                          : QFileInfo(q(p.datei)).fileName())
                     .arg(p.n() + 1);
    if (!meldung_.isEmpty()) status += QStringLiteral("   ·   ") + meldung_;
    lblStatus_->setText(status);
    fuellt_ = false;
}

} // namespace sw::ui
