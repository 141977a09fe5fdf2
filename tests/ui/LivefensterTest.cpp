// The live window, the MIDI window with its routing editor and the DMX input routing window on
// a started program: keys pressed on the grid play figures on the groups their options name, a
// MIDI routing made in the windows plays a key from the fake MIDI input, an Art-Net packet on
// loopback moves the DMX view, and the option controls reach the LiveKey record, the ".live"
// file and the settings.

#include "ui/Livefenster.h"
#include "Fenster.h"
#include "app/Eingaenge.h"
#include "core/QvbFormat.h"
#include "devices/netz/Sockets.h"
#include "live/LiveShow.h"
#include "live/LiveTasten.h"
#include "live/eingang/ArtNetEingang.h"
#include "live/eingang/DmxEingangswahl.h"
#include "platform/Datei.h"
#include "ui/DmxZuordnungsfenster.h"
#include "ui/LiveMenue.h"
#include "ui/Midifenster.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

using namespace sw;
namespace fs = std::filesystem;

namespace {

using test::Fenster;

std::string figurMit(std::int16_t x) {
    Figur f;
    f.Frames[0].Punkte.push_back(Punkt{x, 0, 4095, 4});
    f.Frames[0].Punkte.push_back(Punkt{static_cast<std::int16_t>(x + 9000), 9000, 4095, 0});
    return qvbKodieren(f);
}

void zweiFiguren(const fs::path& o) {
    test::schreibeDatei(o / "a.qvb", figurMit(-20000));
    test::schreibeDatei(o / "b.qvb", figurMit(1000));
}

template <typename T> T* kind(QWidget* w, const QString& n) {
    return test::kindIn<T>(w, n);
}

// Drops a figure-list entry onto a key picture as a drag from the figure list would.
void ablegen(ui::PicTaste* taste, long figur) {
    QMimeData daten;
    daten.setData(ui::kFigurMime, QByteArray::number(static_cast<qlonglong>(figur)));
    const QPointF mitte = QRectF(taste->rect()).center();
    QDragEnterEvent betreten(mitte.toPoint(), Qt::CopyAction, &daten, Qt::LeftButton,
                             Qt::NoModifier);
    QApplication::sendEvent(taste, &betreten);
    ASSERT_TRUE(betreten.isAccepted());
    QDropEvent ablage(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(taste, &ablage);
}

} // namespace

TEST(Livefenster, KeysPlayTheirFiguresOnTheGroupsOfTheirOptions) {
    Fenster t(zweiFiguren);
    auto& s = t.p->figuren;
    ASSERT_EQ(s.lstFiguren.size(), 3u); // figure 0, a.qvb, b.qvb
    auto* w = ui::livefenster(*t.w);
    w->show();
    auto* raster = w->raster();

    // a.qvb onto A and b.qvb onto S; the key table is saved at once
    ablegen(w->taste(65), 1);
    ablegen(w->taste(83), 2);
    EXPECT_EQ(t.p->live.keyTable[65], 1);
    EXPECT_EQ(t.p->live.keyTable[83], 2);
    const auto keyOrd = textzeilen(dateiLesen(t.s.tmp / "figuren" / "Key.ord"));
    ASSERT_GT(keyOrd.size(), 83u);
    EXPECT_EQ(keyOrd[65], "a.qvb");
    EXPECT_EQ(keyOrd[83], "b.qvb");

    // A (chosen by the drop) plays on group 2 only, and off on release
    EXPECT_EQ(t.p->live.fenster.aktuelleTaste, 83);
    QTest::mouseClick(w->taste(65), Qt::LeftButton);
    EXPECT_EQ(t.p->live.fenster.aktuelleTaste, 65);
    kind<QCheckBox>(w, "checkAusgabeAuf(0)")->setChecked(false);
    kind<QCheckBox>(w, "checkAusgabeAuf(2)")->setChecked(true);
    kind<QCheckBox>(w, "checkTasteLösen")->setChecked(true);
    const LiveKey& a = t.p->live.fenster.show.tasten[65];
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(a[2], -1);
    EXPECT_EQ(a[kFeldLoesen], -1);

    QTest::keyPress(raster, Qt::Key_A);
    EXPECT_EQ(s.SpurAuswahl[2].Figur, 1);
    EXPECT_EQ(s.SpurAuswahl[0].Figur, -1);
    EXPECT_EQ(w->taste(65)->rahmenfarbe(), kRahmenGedrueckt);
    QTest::qWait(150);
    EXPECT_TRUE(w->taste(65)->leuchtet());
    EXPECT_FALSE(w->taste(83)->leuchtet());
    QTest::keyRelease(raster, Qt::Key_A);
    EXPECT_EQ(s.SpurAuswahl[2].Figur, -1);

    // S (defaults: group 0, stays on) replaces the frame and stays after release
    QTest::keyClick(raster, Qt::Key_S);
    EXPECT_EQ(s.SpurAuswahl[0].Figur, 2);
    EXPECT_EQ(w->taste(65)->rahmenfarbe(), -1);
    EXPECT_EQ(w->taste(83)->rahmenfarbe(), kRahmenGedrueckt);
    EXPECT_TRUE(kind<QCheckBox>(w, "checkAusgabeAuf(0)")->isChecked()); // S's options shown
    QTest::qWait(150);
    EXPECT_TRUE(w->taste(83)->leuchtet());

    // F3 chooses page 3, where A is empty; space switches every group off on any page
    QTest::keyClick(raster, Qt::Key_F3);
    EXPECT_EQ(t.p->live.fenster.Live_Shift, 3);
    EXPECT_TRUE(kind<QCheckBox>(w, "checkStrAltContr(3)")->isChecked());
    EXPECT_FALSE(kind<QCheckBox>(w, "checkStrAltContr(1)")->isChecked());
    QTest::keyClick(raster, Qt::Key_A);
    EXPECT_EQ(s.SpurAuswahl[0].Figur, 2);
    QTest::keyClick(raster, Qt::Key_Space);
    EXPECT_EQ(s.SpurAuswahl[0].Figur, -1);
    // unticking the page box goes back to page 0; an arrow key does nothing
    kind<QCheckBox>(w, "checkStrAltContr(3)")->setChecked(false);
    EXPECT_EQ(t.p->live.fenster.Live_Shift, 0);
    QTest::keyClick(raster, Qt::Key_Left);
    EXPECT_EQ(t.p->live.fenster.aktuelleTaste, 32);
}

TEST(Livefenster, OptionsReachTheRecordTheEffectsAndTheLiveFile) {
    Fenster t(zweiFiguren);
    auto* w = ui::livefenster(*t.w);
    w->show();
    ablegen(w->taste(65), 1);
    kind<QCheckBox>(w, "checkSchalteUnbenutzeSpurenAb")->setChecked(true);
    kind<QComboBox>(w, "lstEffekt(0)")->setCurrentIndex(5); // red
    kind<QComboBox>(w, "lstEffekt(4)")->setCurrentIndex(0);
    const LiveKey& a = t.p->live.fenster.show.tasten[65];
    EXPECT_EQ(a[kFeldUnbenutzteAus], -1);
    EXPECT_EQ(a[kFeldEffekte], 5);
    EXPECT_EQ(a[kFeldEffekte + 1], 2); // untouched: its reset value
    EXPECT_EQ(a[kFeldEffekte + 4], 0);

    // the sliders set the effect of the list's row on the groups the key is on, while it plays
    QTest::keyClick(w->raster(), Qt::Key_A);
    kind<QSlider>(w, "PicEffekt(0)")->setValue(200);
    EXPECT_EQ(t.p->live.effektEinstellung[0][6], 200);
    kind<QComboBox>(w, "lstEffekt(1)")->setCurrentIndex(1); // size
    kind<QCheckBox>(w, "checkIgnoreGroeße")->setChecked(true);
    EXPECT_TRUE(t.p->live.fenster.checkIgnoreGroesse);
    kind<QSlider>(w, "PicEffekt(1)")->setValue(30);
    EXPECT_NE(t.p->live.effektEinstellung[0][2], 30);
    kind<QCheckBox>(w, "checkIgnoreGroeße")->setChecked(false);
    kind<QSlider>(w, "PicEffekt(1)")->setValue(31);
    EXPECT_EQ(t.p->live.effektEinstellung[0][2], 31);

    // DMX 10 to 20 and MIDI note 60 play A on page 0 (the ranges and the saved maps are the live
    // tests')
    kind<QScrollBar>(w, "scrDMXStartValue")->setValue(10);
    kind<QScrollBar>(w, "scrDMXEndValue")->setValue(20);
    kind<QScrollBar>(w, "scrMidiValue")->setValue(60);
    QTest::mouseClick(kind<QAbstractButton>(w, "cmdUebernehmen"), Qt::LeftButton);
    QTest::mouseClick(kind<QAbstractButton>(w, "cmdUebernehmenMidi"), Qt::LeftButton);
    EXPECT_EQ(t.p->live.maps.dmx(10, 0), 65);
    EXPECT_EQ(t.p->live.maps.dmx(20, 0), 65);
    EXPECT_EQ(t.p->live.maps.midi(60, 0), 65);
    // all assigned keys of the page share the DMX values
    QTest::mouseClick(kind<QAbstractButton>(w, "cmdMapAlleTasten2DMX"), Qt::LeftButton);
    EXPECT_EQ(t.p->live.maps.dmx(255, 0), 65);

    // rename, save, new, open: the file holds what the controls set
    const fs::path datei = t.s.tmp / "figuren" / "Abend.live";
    t.s.dialoge.eingaben.push_back("Abend");
    QTest::mouseClick(static_cast<QWidget*>(kind<QLabel>(w, "lblShowname")), Qt::LeftButton);
    EXPECT_EQ(kind<QLabel>(w, "lblShowname")->text(), "Abend");
    t.s.dialoge.dateinamen.push_back(datei.string());
    QTest::mouseClick(kind<QAbstractButton>(w, "cmdLiveShowSpeichern"), Qt::LeftButton);
    ASSERT_FALSE(t.s.dialoge.dateiDialoge.empty());
    EXPECT_EQ(t.s.dialoge.dateiDialoge.back().dateiname, "Abend.live");
    const LiveShow gelesen = liveShowDekodieren(dateiLesen(datei));
    EXPECT_EQ(gelesen.name, "Abend");
    EXPECT_EQ(gelesen.tasten[65][kFeldUnbenutzteAus], -1);
    EXPECT_EQ(gelesen.tasten[65][kFeldEffekte], 5);
    EXPECT_EQ(t.p->einstellungen.textLesen("LastFiles", "LastFile(0)", ""), datei.string());

    t.s.dialoge.dateinamen.push_back((t.s.tmp / "figuren" / "Leer.live").string());
    QTest::mouseClick(kind<QAbstractButton>(w, "mnuNeueLiveShow"), Qt::LeftButton);
    EXPECT_EQ(t.p->live.fenster.show.tasten[65], liveKeyReset());
    EXPECT_FALSE(kind<QCheckBox>(w, "checkSchalteUnbenutzeSpurenAb")->isChecked());
    EXPECT_EQ(kind<QComboBox>(w, "lstEffekt(0)")->currentIndex(), 1);

    t.s.dialoge.dateinamen.push_back(datei.string());
    QTest::mouseClick(kind<QAbstractButton>(w, "cmdLiveShowÖffnen"), Qt::LeftButton);
    EXPECT_EQ(t.p->live.fenster.show, gelesen);
    EXPECT_TRUE(kind<QCheckBox>(w, "checkSchalteUnbenutzeSpurenAb")->isChecked());
    EXPECT_EQ(kind<QComboBox>(w, "lstEffekt(0)")->currentIndex(), 5);
}

TEST(Livefenster, AMidiRoutingMadeInTheWindowsPlaysAKeyFromTheFakeInput) {
    Fenster t(zweiFiguren);
    auto fake = std::make_unique<FakeMidiEingang>();
    FakeMidiEingang* midi = fake.get();
    t.p->midiEingang = std::move(fake);
    t.p->live.midiEingang = midi;

    // the port list offers "Not Enabled" and the fake's port; the choice goes to the settings
    auto* m = ui::midifenster(*t.w);
    m->show();
    auto* port = kind<QComboBox>(m, "ComboMidiIn");
    ASSERT_EQ(port->count(), 2);
    EXPECT_EQ(port->itemText(0), "Not Enabled");
    port->setCurrentIndex(1);
    emit port->activated(1);
    EXPECT_EQ(midi->gewaehlt(), "Fake MIDI 1");
    EXPECT_EQ(t.p->einstellungen.textLesen("Midi", "MidiInPort", ""), "Fake MIDI 1");
    kind<QCheckBox>(m, "checkMidiMonitor")->setChecked(true);
    kind<QCheckBox>(m, "checkIgnoreNoteOf")->setChecked(true);
    EXPECT_TRUE(t.p->live.IgnoreNoteOf);
    EXPECT_EQ(t.p->einstellungen.zahlLesen("IgnoreNoteOfValue", "IgnoreNoteOf", 0), -1);
    kind<QCheckBox>(m, "checkIgnoreNoteOf")->setChecked(false);

    // one entry: note on, any note, value from data byte 1, row 1 on group 1
    QTest::mouseClick(kind<QAbstractButton>(m, "cmdZuordnung"), Qt::LeftButton);
    auto* z = ui::midiZuordnungsfenster(*t.w);
    EXPECT_TRUE(z->isVisible());
    QTest::mouseClick(kind<QAbstractButton>(z, "cmdHinzufuegen"), Qt::LeftButton);
    ASSERT_EQ(t.p->live.midi.eintraege.size(), 1u);
    kind<QCheckBox>(z, "checkAusgabeAuf(0)")->setChecked(false);
    kind<QCheckBox>(z, "checkAusgabeAuf(1)")->setChecked(true);
    kind<QComboBox>(z, "cboZeile")->setCurrentIndex(0);
    const MidiRoutingEintrag& e = t.p->live.midi.eintraege[0];
    EXPECT_EQ(e.typ, 144);
    EXPECT_EQ(e.zeileMinus1, 0);
    EXPECT_FALSE(e.gruppen[0]);
    EXPECT_TRUE(e.gruppen[1]);

    // note 60 plays key A (figure a.qvb) through the live window's take-over
    auto* w = ui::livefenster(*t.w);
    ablegen(w->taste(65), 1);
    kind<QScrollBar>(w, "scrMidiValue")->setValue(60);
    QTest::mouseClick(kind<QAbstractButton>(w, "cmdUebernehmenMidi"), Qt::LeftButton);

    midi->senden({{0x90, 60, 100}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.p->figuren.SpurAuswahl[1].Figur == 1; }, 2000));
    EXPECT_EQ(t.p->figuren.SpurAuswahl[0].Figur, -1);
    EXPECT_EQ(kind<QPlainTextEdit>(m, "lstMonitor")->toPlainText(),
              "MidiChannel=0  MidiMessage=144  Data1=60  Data2=100");
    // another channel does nothing; velocity 0 switches off
    midi->senden({{0x93, 61, 100}, {0x90, 60, 0}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.p->figuren.SpurAuswahl[1].Figur == -1; }, 2000));

    // saved routing: the file holds the entry and is remembered for the next start
    const fs::path datei = t.s.tmp / "eingang.MidiInMap";
    t.s.dialoge.dateinamen.push_back(datei.string());
    QTest::mouseClick(kind<QAbstractButton>(z, "cmdSpeichern"), Qt::LeftButton);
    EXPECT_EQ(midiRoutingDekodieren(dateiLesen(datei)), t.p->live.midi);
    EXPECT_EQ(t.p->einstellungen.textLesen("AutoFileLoad", "Midi input Routing", ""),
              datei.string());
    // removing and opening again brings the entry back into the editor
    QTest::mouseClick(kind<QAbstractButton>(z, "cmdEntfernen"), Qt::LeftButton);
    EXPECT_TRUE(t.p->live.midi.eintraege.empty());
    t.s.dialoge.dateinamen.push_back(datei.string());
    QTest::mouseClick(kind<QAbstractButton>(z, "cmdOeffnen"), Qt::LeftButton);
    ASSERT_EQ(kind<QListWidget>(z, "lstZuordnung")->count(), 1);
    EXPECT_TRUE(t.p->live.midi.eintraege.at(0).gruppen[1]);
}

TEST(Livefenster, AnArtNetPacketOnLoopbackMovesTheDmxView) {
    Fenster t;
    auto* d = ui::dmxZuordnungsfenster(*t.w);
    d->show();
    auto* eingang = kind<QComboBox>(d, "cboEingang");
    const int artnet = eingang->findText(kArtNetEingangName);
    ASSERT_GE(artnet, 0); // the start-up put Art-Net, sACN and OLA into the list
    EXPECT_GE(eingang->findText(kSacnEingangName), 0);

    auto o = dmxEingangsEinstellungenLesen(t.p->einstellungen);
    o.bindAdresse = "127.0.0.1";
    {
        netz::UdpSocket frei;
        frei.binden("127.0.0.1", 0);
        o.artNetPort = frei.lokalerPort();
    }
    dmxEingangsEinstellungenSchreiben(t.p->einstellungen, o);
    kind<QSpinBox>(d, "txtUniversum")->setValue(3);
    eingang->setCurrentIndex(artnet);
    emit eingang->activated(artnet);
    ASSERT_NE(t.p->live.dmxEingang, nullptr);
    EXPECT_EQ(dmxEingangsEinstellungenLesen(t.p->einstellungen).geraet, kArtNetEingangName);
    EXPECT_EQ(dmxEingangsEinstellungenLesen(t.p->einstellungen).universum, 3);

    // channel 5 to row 1 on group 4
    kind<QSpinBox>(d, "txtKanal")->setValue(5);
    kind<QComboBox>(d, "optEffektspur")->setCurrentIndex(1);
    kind<QCheckBox>(d, "checkAusgabeAuf(4)")->setChecked(true);
    EXPECT_EQ(t.p->live.dmx.kanaele[4].zeile, 1);
    EXPECT_TRUE(t.p->live.dmx.kanaele[4].gruppen[4]);

    artnet::DmxPaket p;
    p.portAdresse = 3;
    p.laenge = 512;
    p.kanaele[0] = 255;
    p.kanaele[511] = 7;
    std::vector<std::uint8_t> b(artnet::kKopfBytes + 512);
    artnet::schreiben(p, b.data());
    netz::UdpSocket sender;
    ASSERT_TRUE(sender.binden("127.0.0.1", 0));
    sender.senden({"127.0.0.1", o.artNetPort}, b.data(), b.size());
    EXPECT_TRUE(QTest::qWaitFor([&] { return d->ansicht()->werte()[0] == 255; }, 3000));
    EXPECT_EQ(d->ansicht()->werte()[511], 7);

    // the routing file round-trips through its buttons
    const fs::path datei = t.s.tmp / "eingang.DMXInMap";
    t.s.dialoge.dateinamen.push_back(datei.string());
    QTest::mouseClick(kind<QAbstractButton>(d, "cmdSpeichern"), Qt::LeftButton);
    EXPECT_EQ(dmxRoutingDekodieren(dateiLesen(datei)), t.p->live.dmx);
    EXPECT_EQ(t.p->einstellungen.textLesen("AutoFileLoad", "DMX input Routing", ""),
              datei.string());
}

TEST(Livefenster, EveryWindowIsInTheMenuHasTooltipsAndKeepsItsPosition) {
    Fenster t;
    for (const char* name : {"mnuLiveFenster", "mnuMidi", "mnuMidiZuordnung", "mnuDmxZuordnung"})
        t.ausloesen(name);
    const std::vector<ui::Werkzeugfenster*> fenster = {ui::livefenster(*t.w), ui::midifenster(*t.w),
                                                       ui::midiZuordnungsfenster(*t.w),
                                                       ui::dmxZuordnungsfenster(*t.w)};
    for (auto* f : fenster) {
        EXPECT_TRUE(f->isVisible()) << f->objectName().toStdString();
        EXPECT_FALSE(f->windowTitle().isEmpty());
        test::alleErklaert(f, [](QWidget* k) { return dynamic_cast<ui::PicTaste*>(k) != nullptr; });
        // fits a 1366 x 768 screen
        EXPECT_LE(f->width(), 1366);
        EXPECT_LE(f->height(), 768);
    }
    auto* live = fenster[0];
    live->resize(500, 400);
    live->move(60, 40);
    const QRect wo = live->geometry();
    live->hide();
    EXPECT_EQ(
        t.p->einstellungen.zahlLesen("Fensterposition", "frmLive.WPM.rcNormalPosition.Left", 0),
        wo.left());
    // a new window of the next run comes back there
    ui::Livefenster wieder(nullptr, *t.p);
    wieder.show();
    EXPECT_EQ(wieder.geometry(), wo);
    wieder.hide();
    // the language changes the captions at once
    auto* loesen = kind<QCheckBox>(live, "checkTasteLösen");
    const QString englisch = loesen->text();
    t.w->spracheWaehlen(0);
    EXPECT_EQ(loesen->text().isEmpty(), false);
    t.w->spracheWaehlen(1);
    EXPECT_EQ(loesen->text(), englisch);
}
