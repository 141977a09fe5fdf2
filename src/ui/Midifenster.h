#pragma once
// frmMidi: the MIDI input. MIDISetupForm's port choice (ComboMidiIn, "Not Enabled" for none),
// the live and timeline channels, live MIDI off, note off as note on, ignore-note-off, the
// monitor of incoming messages (the engine's monitor line) and the current MIDI page.
// frmMIDIZuordnung: the routing editor, entry by entry, with ".MidiInMap" open and save.
// Both only edit the live state's routing and call the engine; GUI thread only.

#include "ui/Werkzeugfenster.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;

namespace sw::ui {

class Midifenster : public Werkzeugfenster {
public:
    Midifenster(QWidget* eltern, Programm& p);
    ~Midifenster() override;

    // The port list and every control again from the engine's state.
    void aktualisieren();
    // Opens the routing editor (the main window's menu does the same).
    std::function<void()> zuordnungOeffnen;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QComboBox* ComboMidiIn_ = nullptr;
    QSpinBox* liveKanal_ = nullptr;
    QSpinBox* timelineKanal_ = nullptr;
    QCheckBox* liveAus_ = nullptr;
    QCheckBox* noteOffAlsNoteOn_ = nullptr;
    QCheckBox* ignoreNoteOf_ = nullptr;
    QCheckBox* monitor_ = nullptr;
    QPlainTextEdit* lstMonitor_ = nullptr;
    QLabel* lblSeite_ = nullptr;
};

class MidiZuordnungsfenster : public Werkzeugfenster {
public:
    MidiZuordnungsfenster(QWidget* eltern, Programm& p);

    // The list and the editor again from the routing in memory.
    void aktualisieren();

private:
    void eintragZeigen();
    MidiRoutingEintrag* eintrag();
    void geaendert();

    QListWidget* lstZuordnung_ = nullptr;
    QGroupBox* editor_ = nullptr;
    QComboBox* cboTyp_ = nullptr;
    QCheckBox* checkFilterByte_ = nullptr;
    QSpinBox* txtFilter_ = nullptr;
    QCheckBox* checkWertQuelle_ = nullptr;
    QComboBox* cboZeile_ = nullptr;
    std::array<QCheckBox*, 12> checkAusgabeAuf_{};
};

// A row of the input routing as the lists show it: "2: Size".
QString zeilenText(const Sprachtexte& t, int zeile);

} // namespace sw::ui
