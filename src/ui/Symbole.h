#pragma once
// The program's own icons: simple line drawings on a 24 x 24 grid, compiled in as resources
// (":/symbole/NAME.svg"). Their strokes are drawn in a placeholder colour that is replaced by the
// current palette's text colour when an icon is rendered, so that they read on the light and on
// the dark theme alike; a few accent colours (green play, red stop and blackout) stay fixed.
// GUI thread only.

#include <QIcon>
#include <QStringList>

class QAction;
class QAbstractButton;
class QWidget;

namespace sw::ui {

// The colour the icon files draw with and that rendering replaces.
inline constexpr const char* kSymbolPlatzhalter = "#ff00ff";

// Every icon name, in the order of the icon files' listing.
const QStringList& symbolNamen();

// The icon `name` for the current application palette, rendered at 16, 24, 32 and 48 px for
// device pixel ratios 1, 1.5 and 2 (normal and disabled mode). Cached; an unknown name gives an
// empty icon.
QIcon symbol(const QString& name);

// Forgets the rendered icons, after a change of palette.
void symboleVergessen();

// Gives an action or button its icon and remembers the name, so that `symboleErneuern` can
// render it again in the colours of a new theme.
void symbolSetzen(QAction* aktion, const QString& name);
void symbolSetzen(QAbstractButton* knopf, const QString& name);
// Renders the icon of every action and button below `wurzel` that got one by `symbolSetzen`.
void symboleErneuern(QWidget* wurzel);

} // namespace sw::ui
