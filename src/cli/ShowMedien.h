#pragma once
// The media layer of the headless show player. Until a media player is built in, a clock-only
// layer plays (UhrMedien): the show runs in time without its sound. The factory is a variable
// so that the program points it at the real player where one exists.

#include "platform/Uhr.h"
#include "show/Medien.h"

#include <functional>
#include <memory>
#include <string>

namespace sw::cli {

// The player for a show; `nullAudio` asks for no sound output (--audio null, or no device).
extern std::function<std::unique_ptr<Medienschicht>(Uhr& uhr, bool nullAudio)> showMedienErzeugen;

// Time code from the MIDI input `port` as the show's clock, the media following it: wraps the
// player. While unset, --mtc is refused with a sentence saying so.
extern std::function<std::unique_ptr<Medienschicht>(std::unique_ptr<Medienschicht> medien,
                                                    const std::string& port)>
    zeitcodeMedien;

} // namespace sw::cli
