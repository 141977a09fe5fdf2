#pragma once
// The playlist window (frmPlayList): shows played one after the other, each with its output
// routing and scan rates. The list of titles (lstPlayList) with the file and edit buttons, the
// panel that fills the list from a folder, the transport, the four options, and the selected
// entry's routing (four cards by sides A to D) and sixteen scan rates, both editable.
//
// The window holds no playlist logic: every button calls the engine (show/Playlist.h) and then
// shows the engine's state again. It owns the playlist timer, which moves the playlist on when
// a show has ended, so a playlist runs on whether the sequencer window is open or not. The
// list follows the engine while a playlist plays (remote notes, the timer), and editing is off
// then. GUI thread only.

#include "app/Showsteuerung.h"
#include "ui/Werkzeugfenster.h"

#include <QStringList>

#include <array>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimer;

namespace sw::ui {

class Playlistfenster : public Werkzeugfenster {
public:
    Playlistfenster(QWidget* eltern, Showsteuerung& s);

    // Loads a ".pll" file (the recent-files menu) and shows its entries.
    void dateiLaden(const std::string& datei);
    // Shows the list, the selected entry, the options and what can be used now, as the
    // engine has them.
    void anzeigen();
    // Files dropped on the list: the ".shw" among them are appended (not while a playlist
    // plays). The number appended.
    int dateienAblegen(const QStringList& dateien);
    // Moves the selected entry to `ziel` (a drag within the list).
    void eintragVerschieben(int ziel);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    using Beschriftung = text::Beschriftung;
    QPushButton* knopf(const char* name, const Beschriftung& b, const Beschriftung& hilfe,
                       const char* symbolName, const char* sub, std::function<void()> befehl);
    QCheckBox* option(const char* name, const Beschriftung& b, const Beschriftung& hilfe,
                      void (*klick)(PlaylistKontext&, bool));
    QWidget* dateileisteBauen();
    QWidget* ordnerleisteBauen();
    QWidget* eintragBauen();
    QWidget* optionenBauen();
    QWidget* transportBauen();
    // Runs an engine command; what it throws is told as the documented error line.
    void ausfuehren(const char* sub, const std::function<void()>& befehl);
    void eintragGewaehlt(int zeile);
    void eintragZeigen();
    void listeZeigen();
    void timerTick();
    int ausgewaehlt() const;

    Showsteuerung& s_;
    QListWidget* lstPlayList_ = nullptr;
    QFrame* fraOrdner_ = nullptr;
    QLineEdit* txtOrdner_ = nullptr;
    QPushButton* cmdPlaylisteFromFolder_ = nullptr;
    std::vector<QPushButton*> bearbeiten_; // usable only while no playlist plays
    std::vector<QPushButton*> transport_;  // play, previous, next
    std::array<QCheckBox*, 4> optionen_{};
    std::array<std::array<QCheckBox*, kPlaylistSeiten>, kPlaylistKarten> zuordnung_{};
    std::array<QSpinBox*, kPlaylistDacs> txtPPS_{};
    QWidget* eintrag_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QString meldung_; // the last command's result, shown until the next command
    QTimer* tmrPlaylist_ = nullptr;
    bool fuellt_ = false;
    // What the list showed last, so the timer redraws only on a change.
    struct Stand {
        int ListIndex = -2, n = -2;
        bool bearbeitbar = true, laeuft = false;
        bool operator==(const Stand&) const = default;
    } stand_;
};

} // namespace sw::ui
