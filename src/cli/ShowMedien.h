#pragma once
// The media layer of the headless show player: the player on libmpv (null audio where no
// sound device opens), and MIDI time code as the clock with the media following it. With
// --fixed-clock a clock-only layer plays (UhrMedien), so that runs repeat exactly. Both
// factories are variables so that tests can put players of their own in.

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
                                                    const std::string& port, Uhr& uhr)>
    zeitcodeMedien;

} // namespace sw::cli
