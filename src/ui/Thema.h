#pragma once
// The two looks of the windows: the usual light Fusion palette, and a dark one for dark
// venues (low-luminance greys, no white areas, readable disabled text, a visible focus and
// selection). The canvas and the output windows draw their own black ground either way.
// GUI thread only.

#include <QPalette>

#include <functional>

class QApplication;
class QObject;

namespace sw {
class Einstellungen;
}

namespace sw::ui {

enum class Thema { Hell = 0, Dunkel = 1 };

// Where the choice is kept: a number key, 0 light, 1 dark.
inline constexpr const char* kThemaAbschnitt = "Optionen_4_FrmHaupt";
inline constexpr const char* kThemaSchluessel = "Thema";

QPalette themaPalette(Thema thema);

// Sets the Fusion style and the theme's palette, renders the icons anew (every action and
// button that got its icon by `symbolSetzen`) and runs the hooks below.
void themaSetzen(QApplication& app, Thema thema);
Thema aktuellesThema();

// Runs `hook` after each change of theme, for as long as `besitzer` lives.
void nachThemawechsel(QObject* besitzer, std::function<void()> hook);

// The stored choice (light when absent or unknown), and storing it.
Thema themaLaden(Einstellungen& e);
void themaSpeichern(Einstellungen& e, Thema thema);

} // namespace sw::ui
