#pragma once
// The main window's "Show" menu and the titles of its windows: language text numbers 1432 to
// 1439 with their German (language 0) and English (language 1) wording. Header only and free of
// Qt, so the language file generator can read it.

#include "ui/Beschriftungen.h"

namespace sw::ui::showtext {

using text::Beschriftung;

inline constexpr Beschriftung Menue{1432, "S&how", "S&how"};
inline constexpr Beschriftung MenueSequenzer{1433, "&Sequenzer...", "&Sequencer..."};
inline constexpr Beschriftung MenueShowInfo{1434, "Show-&Informationen...", "Show &information..."};
inline constexpr Beschriftung MenuePlaylist{1435, "&Playliste...", "&Playlist..."};
inline constexpr Beschriftung TitelVideo{1436, "Video", "Video"};

inline constexpr const Beschriftung* kAlle[] = {&Menue, &MenueSequenzer, &MenueShowInfo,
                                                &MenuePlaylist, &TitelVideo};

} // namespace sw::ui::showtext
