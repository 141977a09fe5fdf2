#pragma once
// The sequencer window (frmSequenzer): the show's timeline over its media, with the show, edit,
// grid, playback and video menus, the transport bar, the device group buttons and the position
// display. The window binds its controls to the playback state (`WiedergabeZustand`) and the
// timeline (`Sequenzer`) and calls the show routines; the timeline view (`Zeitleiste`) draws
// and edits the events. Playing runs the program's output cycle, stopping stops it and blanks.
// GUI thread only.

#include "app/Showsteuerung.h"
#include "ui/Werkzeugfenster.h"

#include <functional>
#include <string>

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;
class QToolButton;

namespace sw::ui {

class Hauptfenster;
class Zeitleiste;

class Sequenzerfenster : public Werkzeugfenster {
public:
    Sequenzerfenster(QWidget* eltern, Showsteuerung& s);
    ~Sequenzerfenster() override;

    Zeitleiste* zeitleiste() const { return zeitleiste_; }

    // The transport: play from the cursor (sequencer and output cycle), stop where it is (both
    // stopped, the lasers blanked), the two as one key (Space), back to the start (Home).
    void abspielen();
    void anhalten();
    void abspielenOderAnhalten();
    void zumAnfang();
    // Opens a show file (the command line's document), as the show menu's "Open" would.
    bool showOeffnen(const std::string& datei);
    // The device group whose rows the timeline shows (0 to 11).
    void gruppeWaehlen(int gruppe);
    // Brings every control in line with the engine's state: enabled commands, checks, the
    // rate caption, the position display and the show name.
    void zustandZeigen();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // SequenzerMenues.cpp: the menu bar.
    void menuesBauen(QMenuBar* leiste);
    void zuletztBauen();
    QAction* befehl(QMenu* menu, const char* name, const text::Beschriftung& b,
                    std::function<void()> aktion, const QKeySequence& taste = {},
                    const char* symbolName = nullptr);
    QAction* schalter(QMenu* menu, const char* name, const text::Beschriftung& b,
                      std::function<void(bool)> aktion);
    // A show was opened or made new: rewound, fitted and drawn again.
    void nachShowWechsel();
    // Runs an edit of the timeline and shows the new state.
    void bearbeiten(const std::function<void()>& f);
    void rasterErstellen();

    QWidget* transportBauen();
    QWidget* gruppenBauen();
    // The timers: position display; start timer, playlist hand-over and the output cycle
    // following the sequencer.
    void tmrZeitAktualisieren_Timer();
    void tmrstart_Timer();
    void ausgabeAbgleichen();
    void ausgabeStarten();
    void ausgabeStoppen();
    void hooksSetzen();
    void hooksLoesen();
    Hauptfenster* haupt() const;

    Showsteuerung& s_;
    Zeitleiste* zeitleiste_ = nullptr;
    QButtonGroup* gruppen_ = nullptr;
    QToolButton* play_ = nullptr;
    QToolButton* anhalten_ = nullptr;
    QToolButton* prev_ = nullptr;
    QToolButton* rec_ = nullptr;
    QToolButton* loop_ = nullptr;
    QToolButton* startTimer_ = nullptr;
    QToolButton* undo_ = nullptr;
    QToolButton* redo_ = nullptr;
    QLabel* rate_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* rest_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* showname_ = nullptr;
    QMenu* zuletzt_ = nullptr;
    QAction* mnuShowname_ = nullptr;
    QAction* mnuUndo_ = nullptr;
    QAction* mnuRedo_ = nullptr;
    QAction* mnuRasterAnAus_ = nullptr;
    QAction* mnuLaserAutomatik_ = nullptr;
    QAction* mnuAutomatischZeigen_ = nullptr;
    QAction* mnuVideo_ = nullptr;
    QAction* mnuRec_ = nullptr;
    QAction* mnuLoop_ = nullptr;
    QTimer* tmrZeit_ = nullptr;
    QTimer* tmrStart_ = nullptr;
    // Whether the output cycle runs because the sequencer started it.
    bool ausgabeGestartet_ = false;
    // Whether the show ran at the last look, so that only a start that fired starts the output.
    bool liefVorher_ = false;
};

} // namespace sw::ui
