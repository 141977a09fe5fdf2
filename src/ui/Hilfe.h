#pragma once
// The Help menu's windows: the keyboard shortcuts of a window, the user guide and About.
// Each opens once per parent (a second call brings the open one to the front), is not modal
// and deletes itself when closed; the functions return it for the caller and the tests.
// GUI thread only.

#include <QString>

#include <utility>
#include <vector>

class QDialog;
class QWidget;

namespace sw {
class Sprachtexte;
}

namespace sw::ui {

// (key, meaning), in the chosen language: the keys a window handles itself, which no action
// shows.
using Tastenliste = std::vector<std::pair<QString, QString>>;

struct Tastenkuerzel {
    QString befehl; // "Menu › Entry", or the action's text when no menu holds it
    QString taste;  // in the platform's native notation, several separated by ", "
};
// Every action of `fenster` that has a shortcut: first those of the menu bar in menu order,
// then the others.
std::vector<Tastenkuerzel> tastenkuerzel(const QWidget& fenster);

QDialog* tastenkuerzelZeigen(QWidget* eltern, const QWidget& fenster, const Sprachtexte& texte,
                             const Tastenliste& weitereTasten);

// The user guide (the README's usage part, compiled in) as Markdown; Ctrl+F finds text in it.
QString anleitungText();
QDialog* anleitungZeigen(QWidget* eltern, const Sprachtexte& texte);

struct Bibliothek {
    QString name;
    QString version; // as the loaded library reports it where it can
};
std::vector<Bibliothek> bibliotheken();
QString programmVersion();                   // the build's project version, "0.1.0"
QString ueberText(const Sprachtexte& texte); // the About window's rich text
QDialog* ueberZeigen(QWidget* eltern, const Sprachtexte& texte);

} // namespace sw::ui
