#pragma once
// Qt's own words (the buttons of message boxes, the file dialogs) in the chosen language, from
// Qt's translations where they are installed; language 0 is German, every other one English.

namespace sw::ui {

void qtSpracheSetzen(int sprache);

} // namespace sw::ui
