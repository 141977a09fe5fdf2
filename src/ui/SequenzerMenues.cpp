// The sequencer window's menu bar: show, edit, grid, playback and video.

#include "show/ShowAufraeumen.h"
#include "show/ShowLaden.h"
#include "show/ShowSpeichern.h"
#include "show/ShowZuletzt.h"
#include "show/ShowpartErzeugen.h"
#include "show/Wiedergabe.h"
#include "show/Zeitraster.h"
#include "ui/Beschriften.h"
#include "ui/Hauptfenster.h"
#include "ui/Playlistfenster.h"
#include "ui/SequenzerTexte.h"
#include "ui/Sequenzerfenster.h"
#include "ui/ShowInfofenster.h"
#include "ui/ShowMenue.h"
#include "ui/Symbole.h"
#include "ui/Videofenster.h"
#include "ui/Zeitleiste.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace sw::ui {

QAction* Sequenzerfenster::befehl(QMenu* menu, const char* name, const text::Beschriftung& b,
                                  std::function<void()> aktion, const QKeySequence& taste,
                                  const char* symbolName) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    if (!taste.isEmpty()) {
        a->setShortcut(taste);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    if (symbolName) symbolSetzen(a, symbolName);
    beschriftenMit([a, &b](const Sprachtexte& t) {
        a->setText(beschriftung(t, b));
        a->setToolTip(mitTaste(ohneKuerzel(beschriftung(t, b)), a->shortcut()));
    });
    if (aktion) connect(a, &QAction::triggered, this, [aktion = std::move(aktion)] { aktion(); });
    return a;
}

QAction* Sequenzerfenster::schalter(QMenu* menu, const char* name, const text::Beschriftung& b,
                                    std::function<void(bool)> aktion) {
    QAction* a = befehl(menu, name, b, {});
    a->setCheckable(true);
    connect(a, &QAction::toggled, this, [aktion = std::move(aktion)](bool an) { aktion(an); });
    return a;
}

void Sequenzerfenster::menuesBauen(QMenuBar* leiste) {
    auto menue = [&](const char* name, const text::Beschriftung& b) {
        QMenu* m = leiste->addMenu(QString());
        m->setObjectName(name);
        m->setToolTipsVisible(true);
        beschriftenMit([m, &b](const Sprachtexte& t) { m->setTitle(beschriftung(t, b)); });
        return m;
    };

    // Show. Opening or making a show stops the one that plays first.
    QMenu* m = menue("mnuShow", seqtext::MenueShow);
    mnuShowname_ = m->addAction(QString());
    mnuShowname_->setObjectName("mnuShowname");
    mnuShowname_->setEnabled(false);
    m->addSeparator();
    befehl(
        m, "mnuNeueShow", seqtext::NeueShow,
        [this] {
            if (s_.wiedergabe.spielt) anhalten();
            mnuNeueShow_Click(s_.show);
            nachShowWechsel();
        },
        QKeySequence::New, "neu");
    befehl(
        m, "mnuShowLaden", seqtext::ShowOeffnen,
        [this] {
            if (s_.wiedergabe.spielt) anhalten();
            if (mnuShowLaden_Click(s_.show)) nachShowWechsel();
        },
        QKeySequence::Open, "ordner-oeffnen");
    // A show made here is saved beside the figures it uses: the folder the figure list shows.
    auto ordnerVorgeben = [this] {
        auto& show = s_.show.show;
        if (show.Showordner.empty() && !p_.figuren.lstDirPfad.empty())
            show.Showordner = ordnerMitTrenner(p_.figuren.lstDirPfad);
    };
    befehl(
        m, "mnuShowSpeichern", seqtext::ShowSpeichern,
        [this, ordnerVorgeben] {
            ordnerVorgeben();
            mnuShowSpeichern_Click(s_.show);
            zustandZeigen();
        },
        QKeySequence::Save, "speichern");
    befehl(
        m, "mnuShowSpeichernUnter", seqtext::ShowSpeichernUnter,
        [this, ordnerVorgeben] {
            ordnerVorgeben();
            mnuShowSpeichernUnter_Click(s_.show);
            zustandZeigen();
        },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "speichern-unter");
    zuletzt_ = m->addMenu(QString());
    zuletzt_->setObjectName("mnuZuletztGeoeffnete");
    beschriftenMit([this](const Sprachtexte& t) {
        zuletzt_->setTitle(beschriftung(t, seqtext::Zuletzt));
        zuletzt_->setToolTip(beschriftung(t, seqtext::TipZuletzt));
    });
    connect(zuletzt_, &QMenu::aboutToShow, this, &Sequenzerfenster::zuletztBauen);
    zuletztBauen();
    befehl(m, "mnuDelUnbenutzeFiguren", seqtext::Aufraeumen,
           [this] { mnuDelUnbenutzeFiguren_Click(s_.show); });
    m->addSeparator();
    befehl(m, "mnuShowInfoZeigen", seqtext::ShowInfo, [this] {
        if (auto* h = haupt()) fensterZeigen(showInfofenster(*h));
    });
    befehl(m, "mnuPlaylistZeigen", seqtext::Playlist, [this] {
        if (auto* h = haupt()) fensterZeigen(playlistfenster(*h));
    });
    befehl(m, "mnuErzeugen", seqtext::ShowpartErzeugen, [this] {
        mnuErzeugen_Click(p_.sequenzer, p_.env);
        zustandZeigen();
    });
    m->addSeparator();
    mnuLaserAutomatik_ = schalter(m, "mnuLaserAutomatik", seqtext::LaserAutomatik,
                                  [this](bool an) { s_.show.show.mnuLaserAutomatik = an; });
    mnuAutomatischZeigen_ = schalter(m, "mnuAutomatischZeigen", seqtext::AutomatischZeigen,
                                     [this](bool an) { s_.show.show.mnuAutomatischZeigen = an; });

    // Edit.
    m = menue("mnuBearbeiten", seqtext::MenueBearbeiten);
    mnuUndo_ = befehl(
        m, "mnuUndo", seqtext::Rueckgaengig,
        [this] { bearbeiten([this] { Undo(p_.sequenzer, p_.env); }); }, QKeySequence::Undo,
        "rueckgaengig");
    mnuRedo_ = befehl(
        m, "mnuRedo", seqtext::Wiederholen,
        [this] { bearbeiten([this] { Redo(p_.sequenzer, p_.env); }); },
        QKeySequence(Qt::CTRL | Qt::Key_Y), "wiederholen");
    m->addSeparator();
    befehl(
        m, "mnuKopieren", seqtext::Kopieren,
        [this] { bearbeiten([this] { zeitleiste_->kopieren(); }); }, QKeySequence::Copy,
        "frames-kopieren");
    befehl(
        m, "mnuAusschneiden", seqtext::Ausschneiden,
        [this] { bearbeiten([this] { zeitleiste_->ausschneiden(); }); }, QKeySequence::Cut,
        "ausschneiden");
    befehl(
        m, "mnuEinfuegen", seqtext::Einfuegen,
        [this] { bearbeiten([this] { zeitleiste_->einfuegen(); }); }, QKeySequence::Paste,
        "frames-einfuegen");
    befehl(
        m, "mnuLoeschen", seqtext::Loeschen,
        [this] { bearbeiten([this] { zeitleiste_->loeschen(); }); }, QKeySequence::Delete,
        "frames-loeschen");
    m->addSeparator();
    befehl(
        m, "mnuEventsVerschieben", seqtext::Verschieben,
        [this] { bearbeiten([this] { mnuEventsVerschieben_Click(p_.sequenzer, p_.env); }); }, {},
        "verschieben");
    befehl(m, "mnuEventsAbZeitpunktVerschieben", seqtext::AbCursorVerschieben, [this] {
        bearbeiten([this] { mnuEventsAbZeitpunktVerschieben_Click(p_.sequenzer, p_.env); });
    });
    befehl(m, "mnuNoteOffEntfernen", seqtext::NoteOffEntfernen,
           [this] { bearbeiten([this] { NoteOff_Entfernen(p_.sequenzer, p_.env); }); });

    // Grid.
    m = menue("mnuRaster", seqtext::MenueRaster);
    befehl(
        m, "mnuRasterErstellen", seqtext::RasterErstellen, [this] { rasterErstellen(); }, {},
        "raster");
    mnuRasterAnAus_ = schalter(m, "mnuRasterAnAus", seqtext::RasterAn, [this](bool an) {
        auto& raster = p_.sequenzer.raster;
        raster.an = an && !raster.marken.empty();
        zeitleiste_->neuZeichnen(0, -1);
    });

    // Playback. Space and Home are the window's own keys (see keyPressEvent) as well.
    m = menue("mnuWiedergabe", seqtext::MenueWiedergabe);
    befehl(
        m, "mnuPlayPause", seqtext::AbspielenPause, [this] { abspielenOderAnhalten(); },
        QKeySequence(Qt::Key_Space), "abspielen");
    befehl(
        m, "mnuZumAnfang", seqtext::ZumAnfang, [this] { zumAnfang(); }, QKeySequence(Qt::Key_Home),
        "erster-frame");
    mnuRec_ = schalter(m, "mnuRec", seqtext::Aufnahme, [this](bool an) {
        if (an != s_.wiedergabe.checkRecordMidi) Rec_Click(s_.wk);
        zustandZeigen();
    });
    mnuLoop_ = schalter(m, "mnuAutoLoop", seqtext::Schleife, [this](bool an) {
        s_.wiedergabe.checkAutoLoop = an;
        zustandZeigen();
    });
    m->addSeparator();
    befehl(m, "mnuStart", seqtext::StartUm, [this] {
        mnuStart_Click(s_.wk);
        zustandZeigen();
    });
    befehl(m, "mnuStartverzoegerung", seqtext::Startverzoegerung, [this] {
        mnuStartverzoegerung_Click(s_.wk);
        zustandZeigen();
    });
    befehl(
        m, "mnuStartTimer", seqtext::VerzoegertStarten,
        [this] {
            cmdStartTimer_Click(s_.wk);
            zustandZeigen();
        },
        {}, "uhr");
    m->addSeparator();
    befehl(
        m, "mnuZoomEinpassen", seqtext::Einpassen, [this] { zeitleiste_->zoomEinpassen(); }, {},
        "einpassen");

    // Video: the window the show's video plays in, and its modes.
    m = menue("mnuVideoMenue", seqtext::MenueVideo);
    mnuVideo_ = schalter(m, "mnuVideo", seqtext::VideoZeigen, [this](bool an) {
        s_.show.show.videoFensterSichtbar = an;
        auto* h = haupt();
        if (!h) return;
        QWidget* v = videofenster(*h);
        if (an)
            fensterZeigen(v);
        else
            v->hide();
    });
    connect(m, &QMenu::aboutToShow, this, [this] {
        auto* h = haupt();
        auto* v = h ? h->findChild<Videofenster*>() : nullptr;
        const QSignalBlocker b(mnuVideo_);
        mnuVideo_->setChecked(v && v->isVisible());
    });
    auto videoModus = [this](void (Videofenster::*modus)(bool)) {
        return [this, modus](bool an) {
            if (auto* h = haupt()) (videofenster(*h)->*modus)(an);
        };
    };
    schalter(m, "mnuVideoVollbild", seqtext::VideoVollbild, videoModus(&Videofenster::vollbild));
    schalter(m, "mnuVideoStrech", seqtext::VideoStrecken, videoModus(&Videofenster::strecken));
    schalter(m, "mnuVideoCorrectAspect", seqtext::VideoSeitenverhaeltnis,
             videoModus(&Videofenster::seitenverhaeltnisKorrigieren));
}

void Sequenzerfenster::zuletztBauen() {
    zuletzt_->clear();
    const auto eintraege = zuletztGeoeffneteMenue(s_.show.show);
    for (const auto& [index, titel] : eintraege) {
        QAction* a = zuletzt_->addAction(QString::fromStdString(titel));
        a->setObjectName(QStringLiteral("mnuZuletztGeoeffnete(%1)").arg(index));
        a->setToolTip(QString::fromStdString(
            s_.show.show.ZuletztGeoeffnete[static_cast<std::size_t>(index)]));
        connect(a, &QAction::triggered, this, [this, i = index] {
            if (s_.wiedergabe.spielt) anhalten();
            const std::string vorher = s_.show.show.mnuShowname;
            mnuZuletztGeoeffnete_Click(s_.show, i);
            // A playlist or live show opens in its own window; a show here.
            if (s_.show.show.mnuShowname != vorher ||
                s_.show.show.ZuletztGeoeffnete[static_cast<std::size_t>(i)].ends_with("shw"))
                nachShowWechsel();
        });
    }
    if (eintraege.empty()) {
        QAction* leer = zuletzt_->addAction(beschriftung(p_.texte, seqtext::KeineZuletzt));
        leer->setEnabled(false);
    }
}

bool Sequenzerfenster::showOeffnen(const std::string& datei) {
    if (s_.wiedergabe.spielt) anhalten();
    s_.show.show.ausstehendeDatei = datei;
    const bool geladen = mnuShowLaden_Click(s_.show);
    if (geladen) nachShowWechsel();
    return geladen;
}

void Sequenzerfenster::nachShowWechsel() {
    Prev_Click(s_.wk);
    zeitleiste_->wellenformNeu();
    zeitleiste_->zoomEinpassen();
    zeitleiste_->neuZeichnen(0, -1);
    zuletztBauen();
    sw::tmrZeitAktualisieren_Timer(s_.wk); // the new show's length in the position display
    zustandZeigen();
}

void Sequenzerfenster::bearbeiten(const std::function<void()>& f) {
    f();
    zeitleiste_->neuZeichnen(0, -1);
    zustandZeigen();
}

void Sequenzerfenster::rasterErstellen() {
    auto& seq = p_.sequenzer;
    const auto& vorher = seq.raster.marken;
    const std::string vorgabe =
        vorher.size() >= 2 ? std::to_string(static_cast<long>(vorher[1] - vorher[0])) : "500";
    const auto antwort =
        p_.env.dialoge.eingabe(beschriftung(p_.texte, seqtext::RasterFrage).toStdString(), vorgabe);
    if (!antwort) return;
    const auto abstand = rasterAbstandLesen(*antwort);
    if (!abstand) {
        p_.env.dialoge.meldung(beschriftung(p_.texte, seqtext::RasterUngueltig).toStdString());
        return;
    }
    // The grid covers the media, or the events when there is none.
    double laenge = seq.Medienlaenge;
    for (const auto& e : seq.Events) laenge = std::max(laenge, e.start);
    sw::rasterErstellen(seq.raster, *abstand, laenge);
    zeitleiste_->neuZeichnen(0, -1);
    zustandZeigen();
}

} // namespace sw::ui
