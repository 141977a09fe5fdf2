#include "ui/Midifenster.h"

#include "app/Eingaenge.h"
#include "live/LiveEinstellungen.h"
#include "live/LiveTasten.h"
#include "live/Tastatur.h"
#include "ui/LiveBeschriftungen.h"
#include "ui/Symbole.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace sw::ui {

namespace lt_ = livetext;

namespace {

constexpr int kMonitorZeilen = 500;

// The channel messages a routing entry can react to; the names are MIDI's own.
constexpr std::pair<int, const char*> kTypen[] = {
    {128, "128 Note Off"},       {144, "144 Note On"},        {160, "160 Poly Aftertouch"},
    {176, "176 Control Change"}, {192, "192 Program Change"}, {208, "208 Channel Aftertouch"},
    {224, "224 Pitch Bend"},
};

QString typText(int typ) {
    for (auto [t, name] : kTypen)
        if (t == typ) return QString::fromLatin1(name);
    return QString::number(typ);
}

} // namespace

QString zeilenText(const Sprachtexte& t, int zeile) {
    if (zeile < 1 || zeile > static_cast<int>(std::size(lt_::Zeilen)))
        return QString::number(zeile);
    return QStringLiteral("%1: %2").arg(zeile).arg(lt(t, lt_::Zeilen[zeile - 1]));
}

// ---------------------------------------------------------------------------------------------

Midifenster::Midifenster(QWidget* eltern, Programm& p)
    : Werkzeugfenster(eltern, p, "frmMidi", lt_::MenueMidi, QSize(620, 560)) {
    auto* setup = new QGroupBox(this);
    setup->setObjectName("MIDISetupForm");
    auto* form = new QFormLayout(setup);
    ComboMidiIn_ = new QComboBox(setup);
    ComboMidiIn_->setObjectName("ComboMidiIn");
    ComboMidiIn_->setMinimumContentsLength(24);
    auto* portName = new QLabel(setup);
    form->addRow(portName, ComboMidiIn_);
    connect(ComboMidiIn_, &QComboBox::activated, this,
            [this](int) { midiPortWaehlen(p_, ComboMidiIn_->currentText().toStdString()); });

    auto kanal = [&](const char* name) {
        auto* s = new QSpinBox(setup);
        s->setObjectName(name);
        s->setRange(1, 16); // shown as 1 to 16, kept as 0 to 15
        return s;
    };
    liveKanal_ = kanal("txtLiveKanal");
    timelineKanal_ = kanal("txtTimelineKanal");
    auto* liveName = new QLabel(setup);
    auto* timelineName = new QLabel(setup);
    form->addRow(liveName, liveKanal_);
    form->addRow(timelineName, timelineKanal_);
    connect(liveKanal_, &QSpinBox::valueChanged, this,
            [this](int k) { p_.live.midi.liveKanal = k - 1; });
    connect(timelineKanal_, &QSpinBox::valueChanged, this,
            [this](int k) { p_.live.midi.timelineKanal = k - 1; });

    liveAus_ = new QCheckBox(setup);
    liveAus_->setObjectName("checkLiveMidiAus");
    noteOffAlsNoteOn_ = new QCheckBox(setup);
    noteOffAlsNoteOn_->setObjectName("checkNoteOffAlsNoteOn");
    ignoreNoteOf_ = new QCheckBox(setup);
    ignoreNoteOf_->setObjectName("checkIgnoreNoteOf");
    form->addRow(liveAus_);
    form->addRow(noteOffAlsNoteOn_);
    form->addRow(ignoreNoteOf_);
    connect(liveAus_, &QCheckBox::toggled, this,
            [this](bool an) { p_.live.midi.liveMidiAus = an; });
    connect(noteOffAlsNoteOn_, &QCheckBox::toggled, this,
            [this](bool an) { p_.live.midi.noteOffAlsNoteOn = an; });
    connect(ignoreNoteOf_, &QCheckBox::toggled, this, [this](bool an) {
        p_.live.IgnoreNoteOf = an;
        ignoreNoteOfSpeichern(p_.live, p_.einstellungen);
    });

    auto* zuordnung = new QPushButton(setup);
    zuordnung->setObjectName("cmdZuordnung");
    connect(zuordnung, &QPushButton::clicked, this, [this] {
        if (zuordnungOeffnen) zuordnungOeffnen();
    });
    lblSeite_ = new QLabel(setup);
    lblSeite_->setObjectName("lblSeite");
    auto* unten = new QHBoxLayout;
    unten->addWidget(zuordnung);
    unten->addStretch(1);
    unten->addWidget(lblSeite_);
    form->addRow(unten);

    auto* mon = new QGroupBox(this);
    mon->setObjectName("fraMonitor");
    auto* ml = new QVBoxLayout(mon);
    monitor_ = new QCheckBox(mon);
    monitor_->setObjectName("checkMidiMonitor");
    lstMonitor_ = new QPlainTextEdit(mon);
    lstMonitor_->setObjectName("lstMonitor");
    lstMonitor_->setReadOnly(true);
    lstMonitor_->setMaximumBlockCount(kMonitorZeilen);
    lstMonitor_->setFont(QFont(QStringLiteral("monospace")));
    ml->addWidget(monitor_);
    ml->addWidget(lstMonitor_, 1);
    connect(monitor_, &QCheckBox::toggled, this, [this](bool an) { p_.live.midiMonitor = an; });
    p.live.hooks.midiMonitorZeile = [this](const std::string& zeile) {
        lstMonitor_->appendPlainText(QString::fromStdString(zeile));
    };

    beschriftenMit([=, this](const Sprachtexte& t) {
        portName->setText(lt(t, lt_::Port));
        ComboMidiIn_->setToolTip(lt(t, lt_::PortHilfe));
        liveName->setText(lt(t, lt_::LiveKanal));
        liveKanal_->setToolTip(lt(t, lt_::LiveKanalHilfe));
        timelineName->setText(lt(t, lt_::TimelineKanal));
        timelineKanal_->setToolTip(lt(t, lt_::TimelineKanalHilfe));
        liveAus_->setText(lt(t, lt_::LiveAus));
        liveAus_->setToolTip(lt(t, lt_::LiveAusHilfe));
        noteOffAlsNoteOn_->setText(lt(t, lt_::NoteOffAlsNoteOn));
        noteOffAlsNoteOn_->setToolTip(lt(t, lt_::NoteOffAlsNoteOnHilfe));
        ignoreNoteOf_->setText(lt(t, lt_::IgnoreNoteOf));
        ignoreNoteOf_->setToolTip(lt(t, lt_::IgnoreNoteOfHilfe));
        zuordnung->setText(lt(t, lt_::MenueMidiZuordnung));
        zuordnung->setToolTip(lt(t, lt_::ZuordnungHilfe));
        monitor_->setText(lt(t, lt_::Monitor));
        monitor_->setToolTip(lt(t, lt_::MonitorHilfe));
        lstMonitor_->setToolTip(lt(t, lt_::MonitorHilfe));
    });

    auto* inhalt = new QWidget;
    auto* l = new QVBoxLayout(inhalt);
    l->addWidget(setup);
    l->addWidget(mon, 1);
    setzeInhalt(inhalt);

    // The page label follows what the inputs choose.
    auto* takt = new QTimer(this);
    connect(takt, &QTimer::timeout, this, [this] {
        lblSeite_->setText(QString::fromStdString(seitenBeschriftung(p_.live.midiSeite)));
    });
    takt->start(200);
    aktualisieren();
}

Midifenster::~Midifenster() {
    p_.live.hooks.midiMonitorZeile = nullptr;
    p_.live.midiMonitor = false;
}

void Midifenster::showEvent(QShowEvent* e) {
    aktualisieren();
    Werkzeugfenster::showEvent(e);
}

void Midifenster::aktualisieren() {
    {
        const QSignalBlocker b(ComboMidiIn_);
        ComboMidiIn_->clear();
        ComboMidiIn_->addItem(QString::fromLatin1(kMidiNichtAktiv));
        std::string gewaehlt = kMidiNichtAktiv;
        if (p_.live.midiEingang) {
            for (const auto& n : p_.live.midiEingang->portNamen())
                ComboMidiIn_->addItem(QString::fromStdString(n));
            gewaehlt = p_.live.midiEingang->gewaehlt();
        }
        // A chosen port that is not present now stays chosen: it opens when it comes.
        const QString g = QString::fromStdString(gewaehlt);
        if (ComboMidiIn_->findText(g) < 0) ComboMidiIn_->addItem(g);
        ComboMidiIn_->setCurrentText(g);
    }
    const auto& m = p_.live.midi;
    const QSignalBlocker b1(liveKanal_), b2(timelineKanal_), b3(liveAus_), b4(noteOffAlsNoteOn_),
        b5(ignoreNoteOf_), b6(monitor_);
    liveKanal_->setValue(m.liveKanal + 1);
    timelineKanal_->setValue(m.timelineKanal + 1);
    liveAus_->setChecked(m.liveMidiAus);
    noteOffAlsNoteOn_->setChecked(m.noteOffAlsNoteOn);
    ignoreNoteOf_->setChecked(p_.live.IgnoreNoteOf);
    monitor_->setChecked(p_.live.midiMonitor);
    lblSeite_->setText(QString::fromStdString(seitenBeschriftung(p_.live.midiSeite)));
}

// ---------------------------------------------------------------------------------------------

MidiZuordnungsfenster::MidiZuordnungsfenster(QWidget* eltern, Programm& p)
    : Werkzeugfenster(eltern, p, "frmMIDIZuordnung", lt_::MenueMidiZuordnung, QSize(720, 520)) {
    auto* oeffnen = new QPushButton(this);
    oeffnen->setObjectName("cmdOeffnen");
    symbolSetzen(oeffnen, "ordner-oeffnen");
    auto* speichern = new QPushButton(this);
    speichern->setObjectName("cmdSpeichern");
    symbolSetzen(speichern, "speichern");
    auto* hinzu = new QPushButton(this);
    hinzu->setObjectName("cmdHinzufuegen");
    auto* weg = new QPushButton(this);
    weg->setObjectName("cmdEntfernen");
    connect(oeffnen, &QPushButton::clicked, this, [this] {
        const std::string datei =
            p_.env.dialoge.dateiOeffnen({kMidiRoutingTitel, kMidiRoutingFilter, {}, {}});
        if (datei.empty()) return;
        midiRoutingLadenUndMerken(p_.live, p_.einstellungen, p_.env, datei);
        aktualisieren();
    });
    connect(speichern, &QPushButton::clicked, this, [this] {
        const std::string datei =
            p_.env.dialoge.dateiSpeichern({kMidiRoutingTitel, kMidiRoutingFilter, {}, {}});
        if (datei.empty()) return;
        midiRoutingSpeichernUndMerken(p_.live, p_.einstellungen, p_.env, datei);
    });
    connect(hinzu, &QPushButton::clicked, this, [this] {
        auto& e = p_.live.midi.eintraege;
        if (e.size() >= kMaxMidiRoutingEintraege) return;
        MidiRoutingEintrag neu;
        neu.gruppen[0] = true;
        e.push_back(neu);
        aktualisieren();
        lstZuordnung_->setCurrentRow(static_cast<int>(e.size()) - 1);
    });
    connect(weg, &QPushButton::clicked, this, [this] {
        auto& e = p_.live.midi.eintraege;
        const int i = lstZuordnung_->currentRow();
        if (i < 0 || i >= static_cast<int>(e.size())) return;
        e.erase(e.begin() + i);
        aktualisieren();
        lstZuordnung_->setCurrentRow(std::min(i, static_cast<int>(e.size()) - 1));
    });

    lstZuordnung_ = new QListWidget(this);
    lstZuordnung_->setObjectName("lstZuordnung");
    lstZuordnung_->setMinimumWidth(260);
    connect(lstZuordnung_, &QListWidget::currentRowChanged, this, [this] { eintragZeigen(); });

    editor_ = new QGroupBox(this);
    editor_->setObjectName("fraEintrag");
    auto* form = new QFormLayout(editor_);
    cboTyp_ = new QComboBox(editor_);
    cboTyp_->setObjectName("cboTyp");
    for (auto [typ, name] : kTypen) cboTyp_->addItem(QString::fromLatin1(name), typ);
    txtFilter_ = new QSpinBox(editor_);
    txtFilter_->setObjectName("txtFilter");
    txtFilter_->setRange(0, 127);
    checkFilterByte_ = new QCheckBox(editor_);
    checkFilterByte_->setObjectName("checkFilterByte");
    checkWertQuelle_ = new QCheckBox(editor_);
    checkWertQuelle_->setObjectName("checkWertQuelle");
    cboZeile_ = new QComboBox(editor_);
    cboZeile_->setObjectName("cboZeile");
    auto* typName = new QLabel(editor_);
    auto* filterName = new QLabel(editor_);
    auto* zeileName = new QLabel(editor_);
    form->addRow(typName, cboTyp_);
    form->addRow(filterName, txtFilter_);
    form->addRow(checkFilterByte_);
    form->addRow(checkWertQuelle_);
    form->addRow(zeileName, cboZeile_);
    auto* gruppen = new QGridLayout;
    for (int g = 0; g < kGruppen; ++g) {
        auto* c = new QCheckBox(editor_);
        c->setObjectName(QStringLiteral("checkAusgabeAuf(%1)").arg(g));
        checkAusgabeAuf_[static_cast<std::size_t>(g)] = c;
        gruppen->addWidget(c, g / 4, g % 4);
        connect(c, &QCheckBox::toggled, this, [this] { geaendert(); });
    }
    form->addRow(gruppen);
    connect(cboTyp_, &QComboBox::currentIndexChanged, this, [this] { geaendert(); });
    connect(txtFilter_, &QSpinBox::valueChanged, this, [this] { geaendert(); });
    connect(checkFilterByte_, &QCheckBox::toggled, this, [this] { geaendert(); });
    connect(checkWertQuelle_, &QCheckBox::toggled, this, [this] { geaendert(); });
    connect(cboZeile_, &QComboBox::currentIndexChanged, this, [this] { geaendert(); });

    beschriftenMit([=, this](const Sprachtexte& t) {
        oeffnen->setText(lt(t, lt_::Oeffnen));
        oeffnen->setToolTip(lt(t, lt_::RoutingOeffnenHilfe));
        speichern->setText(lt(t, lt_::Speichern));
        speichern->setToolTip(lt(t, lt_::RoutingSpeichernHilfe));
        hinzu->setText(lt(t, lt_::Hinzufuegen));
        hinzu->setToolTip(lt(t, lt_::HinzufuegenHilfe));
        weg->setText(lt(t, lt_::Entfernen));
        weg->setToolTip(lt(t, lt_::EntfernenHilfe));
        lstZuordnung_->setToolTip(lt(t, lt_::EintraegeHilfe));
        editor_->setTitle(lt(t, lt_::Eintraege));
        typName->setText(lt(t, lt_::Typ));
        cboTyp_->setToolTip(lt(t, lt_::TypHilfe));
        filterName->setText(lt(t, lt_::Filter));
        txtFilter_->setToolTip(lt(t, lt_::FilterHilfe));
        checkFilterByte_->setText(lt(t, lt_::FilterByte));
        checkFilterByte_->setToolTip(lt(t, lt_::FilterHilfe));
        checkWertQuelle_->setText(lt(t, lt_::WertQuelle));
        checkWertQuelle_->setToolTip(lt(t, lt_::WertQuelleHilfe));
        zeileName->setText(lt(t, lt_::Zeile));
        cboZeile_->setToolTip(lt(t, lt_::ZeileHilfe));
        {
            const QSignalBlocker b(cboZeile_);
            const int i = cboZeile_->currentIndex();
            cboZeile_->clear();
            for (int z = 1; z <= 20; ++z) cboZeile_->addItem(zeilenText(t, z));
            cboZeile_->setCurrentIndex(i);
        }
        for (int g = 0; g < kGruppen; ++g) {
            checkAusgabeAuf_[static_cast<std::size_t>(g)]->setText(lt(t, lt_::Gruppe).arg(g));
            checkAusgabeAuf_[static_cast<std::size_t>(g)]->setToolTip(
                lt(t, lt_::GruppeHilfe).arg(g));
        }
        aktualisieren();
    });

    auto* knoepfe = new QHBoxLayout;
    for (auto* k : {oeffnen, speichern, hinzu, weg}) knoepfe->addWidget(k);
    knoepfe->addStretch(1);
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(lstZuordnung_, 1);
    mitte->addWidget(editor_, 0, Qt::AlignTop);
    auto* inhalt = new QWidget;
    auto* l = new QVBoxLayout(inhalt);
    l->addLayout(knoepfe);
    l->addLayout(mitte, 1);
    setzeInhalt(inhalt);
}

MidiRoutingEintrag* MidiZuordnungsfenster::eintrag() {
    auto& e = p_.live.midi.eintraege;
    const int i = lstZuordnung_->currentRow();
    if (i < 0 || i >= static_cast<int>(e.size())) return nullptr;
    return &e[static_cast<std::size_t>(i)];
}

void MidiZuordnungsfenster::aktualisieren() {
    const int i = lstZuordnung_->currentRow();
    {
        const QSignalBlocker b(lstZuordnung_);
        lstZuordnung_->clear();
        for (const auto& e : p_.live.midi.eintraege) {
            QString gruppen;
            for (int g = 0; g < kGruppen; ++g)
                if (e.gruppen[static_cast<std::size_t>(g)])
                    gruppen +=
                        (gruppen.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(g);
            lstZuordnung_->addItem(
                QStringLiteral("%1 [%2%3] → %4 → %5")
                    .arg(typText(e.typ))
                    .arg(e.filterByte ? 2 : 1)
                    .arg(e.filter ? QStringLiteral("=%1").arg(e.filter) : QStringLiteral(""))
                    .arg(zeilenText(p_.texte, e.zeileMinus1 + 1))
                    .arg(gruppen));
        }
        lstZuordnung_->setCurrentRow(std::min(i, lstZuordnung_->count() - 1));
    }
    eintragZeigen();
}

void MidiZuordnungsfenster::eintragZeigen() {
    const MidiRoutingEintrag* e = eintrag();
    editor_->setEnabled(e != nullptr);
    if (!e) return;
    const QSignalBlocker b1(cboTyp_), b2(txtFilter_), b3(checkFilterByte_), b4(checkWertQuelle_),
        b5(cboZeile_);
    int t = cboTyp_->findData(static_cast<int>(e->typ));
    if (t < 0) {
        cboTyp_->addItem(QString::number(e->typ), static_cast<int>(e->typ));
        t = cboTyp_->count() - 1;
    }
    cboTyp_->setCurrentIndex(t);
    txtFilter_->setValue(e->filter);
    checkFilterByte_->setChecked(e->filterByte != 0);
    checkWertQuelle_->setChecked(e->wertQuelle != 0);
    cboZeile_->setCurrentIndex(e->zeileMinus1);
    for (int g = 0; g < kGruppen; ++g) {
        const QSignalBlocker b(checkAusgabeAuf_[static_cast<std::size_t>(g)]);
        checkAusgabeAuf_[static_cast<std::size_t>(g)]->setChecked(
            e->gruppen[static_cast<std::size_t>(g)]);
    }
}

void MidiZuordnungsfenster::geaendert() {
    MidiRoutingEintrag* e = eintrag();
    if (!e) return;
    e->typ = static_cast<std::uint8_t>(cboTyp_->currentData().toInt());
    e->filter = static_cast<std::uint8_t>(txtFilter_->value());
    e->filterByte = checkFilterByte_->isChecked() ? 1 : 0;
    e->wertQuelle = checkWertQuelle_->isChecked() ? 1 : 0;
    e->zeileMinus1 = static_cast<std::int16_t>(std::max(0, cboZeile_->currentIndex()));
    for (int g = 0; g < kGruppen; ++g)
        e->gruppen[static_cast<std::size_t>(g)] =
            checkAusgabeAuf_[static_cast<std::size_t>(g)]->isChecked();
    // The list line follows; the editor keeps its row.
    const int i = lstZuordnung_->currentRow();
    const QSignalBlocker b(lstZuordnung_);
    aktualisieren();
    lstZuordnung_->setCurrentRow(i);
}

} // namespace sw::ui
