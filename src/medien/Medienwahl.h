#pragma once
// Chooses the program's media layer: the player on libmpv, with null audio when asked for
// (`--audio null`, or STRAHLWERK_AUDIO=null in the environment) and by itself where no sound
// device opens; the placeholder clock alone when libmpv cannot start.

#include "show/Medien.h"

#include <functional>
#include <memory>
#include <string>

namespace sw {

class Uhr;
class Sprachtexte;

enum class Audiowahl { Automatisch, Null };

// The choice the environment makes (STRAHLWERK_AUDIO=null), else `standard`.
Audiowahl audiowahlAusUmgebung(Audiowahl standard = Audiowahl::Automatisch);

std::unique_ptr<Medienschicht> medienWaehlen(Audiowahl wahl, Uhr& uhr,
                                             std::function<void(const std::string&)> melden,
                                             const Sprachtexte* texte = nullptr);

} // namespace sw
