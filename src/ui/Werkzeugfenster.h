#pragma once
// What the live window, the MIDI window, its routing editor and the DMX input routing window
// share: a top-level window of the main window that captions itself from the language table
// (again after every change of the language), stores its position in the settings (section
// "Fensterposition", as the main window does) when it is hidden and puts it back, moved onto
// the screen, when it is shown the first time. GUI thread only.

#include "app/Programm.h"
#include "ui/Beschriftungen.h"

#include <QKeySequence>
#include <QWidget>
#include <functional>
#include <vector>

class QScrollArea;

class QAction;
class QMenu;

namespace sw::ui {

// A caption from the language table.
QString lt(const Sprachtexte& t, const text::Beschriftung& b);
// A window's title: its menu command's caption without "&" and "...".
QString fenstertitel(const Sprachtexte& t, const text::Beschriftung& b);
// A window's content or a page in a frameless scroll area: fits a small screen at any scaling.
QScrollArea* rollbar(QWidget* inhalt);

// Registers a captioning function that runs now and after every change of the language.
using Beschrifter = std::function<void(std::function<void(const Sprachtexte&)>)>;

// Shows a tool window and brings it to the front.
void fensterZeigen(QWidget* w);

// A menu command that shows the window `fenster` returns (made when first asked for): captioned
// from the language table, with its key in the tool text; `symbol` an icon name or null.
QAction* fensterBefehl(QMenu* menu, QObject* besitzer, const char* name,
                       const text::Beschriftung& b, const QKeySequence& taste, const char* symbol,
                       std::function<QWidget*()> fenster, const Beschrifter& beschriftenMit);

class Werkzeugfenster : public QWidget {
public:
    // `name` is the object name and the settings key; `titel` the menu caption the title is
    // made of; `standard` the size before a position was stored.
    Werkzeugfenster(QWidget* eltern, Programm& p, const char* name, const text::Beschriftung& titel,
                    QSize standard);

    // Sets every caption and tool text again in the current language.
    void beschriften();

protected:
    // Runs `f` now and after every change of the language.
    void beschriftenMit(std::function<void(const Sprachtexte&)> f);
    // Fills the window with `inhalt`, scrolling (see rollbar); returns the scroll area.
    QScrollArea* setzeInhalt(QWidget* inhalt);
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

    Programm& p_;

private:
    void positionLaden();
    void positionSpeichern();

    QSize standard_;
    bool positioniert_ = false;
    std::vector<std::function<void(const Sprachtexte&)>> beschrifter_;
};

} // namespace sw::ui
