#pragma once
// Qt's keys as the platform's virtual key codes, which the live grid and the key table use:
// letters 65 to 90, digits 48 to 57, F1 to F12 112 to 123, space 32, and the punctuation keys
// of a German or US keyboard as their OEM codes (186 to 192, 219, 221, 222, 226). The one
// table of this mapping; every other key is unmapped.

namespace sw::ui {

// The key code of a Qt key (Qt::Key), or -1 when the grid does not know the key.
int tastencode(int qtTaste);

} // namespace sw::ui
